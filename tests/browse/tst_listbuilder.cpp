#include "browse/listbuilder.h"
#include "support/testenvironment.h"

#include <QTest>
#include <functional>

namespace {
// Records every call the build makes, in order.
class RecordingHost : public ListBuildHost
{
public:
    QStringList log;
    QStringList statuses;
    QStringList items;
    QList<int> pictures;
    QList<int> gauge;
    QStringList errors;
    int shownCount = -1;
    bool stopRequested = false;
    int expectedFiles = 0;
    int heldItems = 0;                        // items already in the list before the build
    int screenful = 0;
    std::function<void(RecordingHost &)> onItem; // runs after each added item

    void setStatus(const QString &text) override { log << "status " + text; statuses << text; }
    void letMessagesRun() override { log << "messages"; }
    void paintPending() override { log << "paint"; }
    void clearList() override { log << "clear"; heldItems = 0; }
    void enterBusy() override { log << "busy"; }
    void leaveBusy() override { log << "idle"; }
    void makePicture(const QStringList &fileList, int index) override
    {
        QCOMPARE(fileList.size(), qsizetype(expectedFiles));
        pictures << index;
    }
    void addItem(const QString &caption, int imageIndex) override
    {
        QCOMPARE(imageIndex, int(items.size()));
        items << caption;
        log << "item";
        if (onItem)
            onItem(*this);
    }
    void setGauge(int position) override { gauge << position; }
    bool takeStopRequest() override { return std::exchange(stopRequested, false); }
    void showFileCount(int count) override { shownCount = count; }
    void fillReportColumns() override { log << "report"; }
    int itemCount() const override { return heldItems + int(items.size()); }
    void reportError(const QString &text) override { errors << text; }
    int itemsPerScreen() const override { return screenful; }

    // Message passes from the first item up to leaving busy mode.
    int messagePassesInLoop() const
    {
        const qsizetype first = log.indexOf("item"), idle = log.indexOf("idle");
        return int(log.mid(first, idle - first).count("messages"));
    }
};

QString folderWith(const TestEnvironment &env, int files)
{
    const QString folder = env.makeFolder("pics");
    for (int i = 0; i < files; ++i)
        TestEnvironment::writeFile(QString("%1/f%2.bmp").arg(folder).arg(i, 3, 10, QChar('0')), 1);
    return folder;
}
} // namespace

class TestListBuilder : public QObject
{
    Q_OBJECT
private slots:
    void buildsOneItemPerFileWithPictures();
    void noThumbsMakesNoPictures();
    void stopHaltsAfterTheCurrentItem();
    void stopIsSeenWithinTwentyItems();
    void noStopNeverLooksAtStop();
    void firstScreenShowsItemByItem();
    void gaugeValues_data();
    void gaugeValues();
    void emptyFolderNeverEntersBusyMode();
    void missingFolderKeepsTheListAndLeavesBusyMode();
    void reportViewFillsColumns();
};

void TestListBuilder::buildsOneItemPerFileWithPictures()
{
    TestEnvironment env;
    RecordingHost host;
    host.expectedFiles = 3;
    buildImageList({folderWith(env, 3), "bmp", {}, false, false, false}, host);
    QCOMPARE(host.items.size(), 3);
    QCOMPARE(host.pictures, QList<int>({0, 1, 2}));
    QCOMPARE(host.shownCount, 3);
    QCOMPARE(host.statuses, QStringList({"Searching For Files", "Creating Thumbnails", "Finished"}));
    QVERIFY(host.log.indexOf("clear") < host.log.indexOf("busy"));
    QVERIFY(host.log.indexOf("busy") < host.log.indexOf("item"));
    QCOMPARE(host.log.last(), QString("messages"));
    QCOMPARE(host.log.count("idle"), 1);
    QVERIFY(host.errors.isEmpty());
}

void TestListBuilder::noThumbsMakesNoPictures()
{
    TestEnvironment env;
    RecordingHost host;
    buildImageList({folderWith(env, 5), "bmp", {}, true, false, false}, host);
    QCOMPARE(host.items.size(), 5);
    QVERIFY(host.pictures.isEmpty());
}

void TestListBuilder::stopHaltsAfterTheCurrentItem()
{
    TestEnvironment env;
    RecordingHost host;
    host.onItem = [](RecordingHost &h) { if (h.items.size() == 40) h.stopRequested = true; };
    buildImageList({folderWith(env, 100), "bmp", {}, true, false, false}, host);
    QCOMPARE(host.items.size(), 40);
    QCOMPARE(host.shownCount, 100);
    QVERIFY(host.statuses.contains("Process Halted"));
    QCOMPARE(host.statuses.last(), QString("Finished"));
    QVERIFY2(!host.stopRequested, "the loop that acts on Stop clears it");
    QCOMPARE(host.gauge.last(), 0);
}

void TestListBuilder::stopIsSeenWithinTwentyItems()
{
    // A click on Stop can only arrive while messages run: it is made at
    // item 25 and delivered by the message pass after item 40.
    struct ClickingHost : RecordingHost
    {
        void letMessagesRun() override
        {
            RecordingHost::letMessagesRun();
            if (items.size() >= 25)
                stopRequested = true;
        }
    } host;
    TestEnvironment env;
    buildImageList({folderWith(env, 1000), "bmp", {}, true, false, false}, host);
    QCOMPARE(host.items.size(), 40);
    QCOMPARE(host.messagePassesInLoop(), 2);
    QCOMPARE(host.shownCount, 1000);
}

void TestListBuilder::noStopNeverLooksAtStop()
{
    TestEnvironment env;
    RecordingHost host;
    host.stopRequested = true;
    buildImageList({folderWith(env, 100), "bmp", {}, true, true, false}, host);
    QCOMPARE(host.items.size(), 100);
    QVERIFY2(host.stopRequested, "No Stop leaves the request untouched");
    QCOMPARE(host.messagePassesInLoop(), 0);
    QVERIFY(!host.statuses.contains("Process Halted"));
}

void TestListBuilder::firstScreenShowsItemByItem()
{
    TestEnvironment env;
    RecordingHost host;
    host.expectedFiles = 30;
    host.screenful = 6;
    buildImageList({folderWith(env, 30), "bmp", {}, false, true, false}, host);
    QCOMPARE(host.items.size(), 30);
    // With No Stop: one pass after each of the first six items, then none.
    QCOMPARE(host.messagePassesInLoop(), 6);
    const qsizetype first = host.log.indexOf("item");
    QCOMPARE(host.log.mid(first, 12),
             QStringList({"item", "messages", "item", "messages", "item", "messages", "item", "messages", "item",
                          "messages", "item", "messages"}));
    QCOMPARE(host.log.at(first + 12), QString("item"));
    QCOMPARE(host.log.at(first + 13), QString("item"));
}

void TestListBuilder::gaugeValues_data()
{
    QTest::addColumn<int>("files");
    QTest::addColumn<QList<int>>("positions");
    QTest::newRow("one file never moves it") << 1 << QList<int>({0});
    QTest::newRow("four") << 4 << QList<int>({25, 50, 75, 0});
    QTest::newRow("eight, halves to even") << 8 << QList<int>({12, 25, 38, 50, 62, 75, 88, 0});
}

void TestListBuilder::gaugeValues()
{
    QFETCH(int, files);
    QFETCH(QList<int>, positions);
    TestEnvironment env;
    RecordingHost host;
    buildImageList({folderWith(env, files), "bmp", {}, true, false, false}, host);
    QCOMPARE(host.gauge, positions);
}

void TestListBuilder::emptyFolderNeverEntersBusyMode()
{
    TestEnvironment env;
    RecordingHost host;
    buildImageList({folderWith(env, 0), "bmp", {}, false, false, false}, host);
    QVERIFY(!host.log.contains("busy"));
    QCOMPARE(host.shownCount, 0);
    QCOMPARE(host.statuses.last(), QString("No Matching Files Found"));
}

void TestListBuilder::missingFolderKeepsTheListAndLeavesBusyMode()
{
    TestEnvironment env;
    RecordingHost host;
    host.heldItems = 7;
    buildImageList({env.root() + "/gone", "bmp", {}, false, false, false}, host);
    QCOMPARE(host.errors, QStringList({"No such file or directory"}));
    QVERIFY(!host.log.contains("clear"));
    QCOMPARE(host.heldItems, 7);
    QCOMPARE(host.log.count("idle"), 1);
    QCOMPARE(host.gauge, QList<int>({0}));
    QCOMPARE(host.statuses.last(), QString("Finished"));
    QCOMPARE(host.shownCount, -1);
}

void TestListBuilder::reportViewFillsColumns()
{
    TestEnvironment env;
    RecordingHost icon, report;
    const QString folder = folderWith(env, 2);
    buildImageList({folder, "bmp", {}, true, false, false}, icon);
    buildImageList({folder, "bmp", {}, true, false, true}, report);
    QVERIFY(!icon.log.contains("report"));
    QVERIFY(report.log.indexOf("report") > report.log.lastIndexOf("item"));
}

QTEST_GUILESS_MAIN(TestListBuilder)
#include "tst_listbuilder.moc"
