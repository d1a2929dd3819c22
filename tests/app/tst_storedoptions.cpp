#include "app/storedoptions.h"
#include "platform/settingsstore.h"
#include "support/testenvironment.h"

#include <QSettings>
#include <QTest>

class TestStoredOptions : public QObject
{
    Q_OBJECT
private slots:
    void firstRunDefaults();
    void roundTrip();
    void onlyExactlyOneTurnsOptionsOn();
    void outOfRangeValuesArePulledIn_data();
    void outOfRangeValuesArePulledIn();
    void windowStateOtherThanNormalIsMaximized();
    void shortDirectoryGetsSeparator();
    void writesFifteenValuesAsNumbersAndText();
};

namespace {
StoredOptions readBack()
{
    SettingsStore store;
    return readStoredOptions(store, "/program/");
}

void store(const QString &key, const QVariant &value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "KVTL");
    settings.setValue(key, value);
}
} // namespace

void TestStoredOptions::firstRunDefaults()
{
    TestEnvironment env;
    const StoredOptions o = readBack();
    QCOMPARE(o.thumbWidth, 70);
    QCOMPARE(o.thumbHeight, 70);
    QVERIFY(!o.showTips && !o.noThumbs && !o.reportView && !o.noStop && !o.sorted);
    QVERIFY(!o.sizeLimitEnabled);
    QCOMPARE(o.sizeLimitKB, 100);
    QCOMPARE(o.directory, QString("/program/"));
    QVERIFY(!o.maximized);
    QCOMPARE(o.windowWidth, 570);
    QCOMPARE(o.windowHeight, 450);
}

void TestStoredOptions::roundTrip()
{
    TestEnvironment env;
    StoredOptions o;
    o.thumbWidth = 25;
    o.thumbHeight = 150;
    o.showTips = o.noThumbs = o.reportView = o.noStop = o.sorted = o.sizeLimitEnabled = o.keepProportions = true;
    o.sizeLimitKB = 500;
    o.directory = "/pictures/2024 summer";
    o.maximized = true;
    o.windowWidth = 800;
    o.windowHeight = 600;
    {
        SettingsStore writer;
        writeStoredOptions(writer, o);
        QVERIFY(writer.close());
    }
    const StoredOptions back = readBack();
    QCOMPARE(back.thumbWidth, 25);
    QCOMPARE(back.thumbHeight, 150);
    QVERIFY(back.showTips && back.noThumbs && back.reportView && back.noStop && back.sorted && back.keepProportions);
    QVERIFY(back.sizeLimitEnabled);
    QCOMPARE(back.sizeLimitKB, 500);
    QCOMPARE(back.directory, o.directory);
    QVERIFY(back.maximized);
    QCOMPARE(back.windowWidth, 800);
    QCOMPARE(back.windowHeight, 600);
}

void TestStoredOptions::onlyExactlyOneTurnsOptionsOn()
{
    TestEnvironment env;
    for (const char *name : {"Thumbs", "List", "NoStop", "Sorted", "MaxSizeLimit"})
        store(QString("Main/") + name, 2);
    store("Main/Hints", 2);
    const StoredOptions o = readBack();
    QVERIFY(!o.noThumbs && !o.reportView && !o.noStop && !o.sorted && !o.sizeLimitEnabled);
    QVERIFY2(o.showTips, "any value but 0 keeps Show Tips on");
}

void TestStoredOptions::outOfRangeValuesArePulledIn_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("thumb");
    QTest::addColumn<int>("limit");
    QTest::newRow("zero") << "0" << 20 << 50;
    QTest::newRow("negative") << "-5" << 20 << 50;
    QTest::newRow("huge") << "99999" << 150 << 32000;
    QTest::newRow("text") << "big" << 70 << 100;
    QTest::newRow("in range") << "60" << 60 << 60;
}

void TestStoredOptions::outOfRangeValuesArePulledIn()
{
    QFETCH(QString, stored);
    QFETCH(int, thumb);
    QFETCH(int, limit);
    TestEnvironment env;
    store("Main/ThumbSizew", stored);
    store("Main/ThumbSizeh", stored);
    store("Main/MaxSize", stored);
    store("Window/WindowWidth", stored);
    const StoredOptions o = readBack();
    QCOMPARE(o.thumbWidth, thumb);
    QCOMPARE(o.thumbHeight, thumb);
    QCOMPARE(o.sizeLimitKB, limit);
    QVERIFY(o.windowWidth >= 100);
}

void TestStoredOptions::windowStateOtherThanNormalIsMaximized()
{
    TestEnvironment env;
    store("Window/WindowState", "normal");
    QVERIFY(readBack().maximized);
    store("Window/WindowState", "Normal");
    QVERIFY(!readBack().maximized);
}

void TestStoredOptions::shortDirectoryGetsSeparator()
{
    TestEnvironment env;
    store("Main/Directory", "D:");
    QVERIFY(readBack().directory.startsWith("D:"));
    QCOMPARE(readBack().directory.size(), 3);
    store("Main/Directory", "/");
    QCOMPARE(readBack().directory, QString("/"));
}

void TestStoredOptions::writesFifteenValuesAsNumbersAndText()
{
    TestEnvironment env;
    {
        SettingsStore writer;
        writeStoredOptions(writer, StoredOptions{});
    }
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "KVTL");
    QCOMPARE(settings.allKeys().size(), 15);
    settings.beginGroup("Main");
    QCOMPARE(settings.childKeys().size(), 12);
    QCOMPARE(settings.value("KeepProportions").toString(), QString("0"));
    QCOMPARE(settings.value("ThumbCache").toString(), QString("1"));
    QCOMPARE(settings.value("Sorted").toString(), QString("0"));
    QCOMPARE(settings.value("MaxSize").toString(), QString("100"));
    settings.endGroup();
    QCOMPARE(settings.value("Window/WindowState").toString(), QString("Normal"));
}

QTEST_GUILESS_MAIN(TestStoredOptions)
#include "tst_storedoptions.moc"
