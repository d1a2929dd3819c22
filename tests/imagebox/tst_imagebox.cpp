#include "imagebox/imagebox.h"
#include "platform/pagesink.h"
#include "support/scriptedprompter.h"
#include "support/testenvironment.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {
// Counts documents and remembers where pictures were drawn.
class RecordingSink : public PageSink
{
public:
    RecordingSink() : m_page(1000, 1000, QImage::Format_RGB32) { m_page.fill(Qt::white); }
    bool beginDocument() override
    {
        ++documents;
        return m_painter.begin(&m_page);
    }
    QPainter &painter() override { return m_painter; }
    bool newPage() override { return true; }
    bool endDocument() override { return m_painter.end(); }
    QRect pageRect() const override { return m_page.rect(); }
    int resolution() const override { return 300; }
    const QImage &page() const { return m_page; }

    int documents = 0;

private:
    QImage m_page;
    QPainter m_painter;
};

QString writeRedBmp(const TestEnvironment &env, const QString &name, QSize size = {20, 10})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString path = env.root() + "/" + name;
    image.save(path, "BMP");
    return path;
}
} // namespace

class TestImageBox : public QObject
{
    Q_OBJECT
private slots:
    void extensions_data();
    void extensions();
    void depthTables();
    void qualityAndSmoothingClamps();
    void stretchAndStretchRatioExcludeEachOther();
    void stretchRatioGeometry_data();
    void stretchRatioGeometry();
    void naturalPlacement();
    void missingFileEmptiesWithoutMessage();
    void loadsRasterFileAnyCase();
    void unknownExtensionNeverKeepsOldPicture();
    void damagedFileReportsAndEmpties();
    void writesThroughDefaultName();
    void printsNothingForEmptyPicture();
    void printsBitmapWhereAsked();
    void autoSizeFollowsPicture();
};

void TestImageBox::extensions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("extension");
    QTest::newRow("jpeg cut") << "a.jpeg" << ".JPE";
    QTest::newRow("tiff cut") << "dir.x/b.tiff" << ".TIF";
    QTest::newRow("mixed case") << "c.Bmp" << ".BMP";
    QTest::newRow("none") << "README" << "";
    QTest::newRow("last dot") << "a.b.png" << ".PNG";
}

void TestImageBox::extensions()
{
    QFETCH(QString, name);
    QFETCH(QString, extension);
    QCOMPARE(loadExtension(name), extension);
}

void TestImageBox::depthTables()
{
    QCOMPARE(readDepth(TLoadResolution::lColorVga, 24), 0);
    QCOMPARE(readDepth(TLoadResolution::lAutoMatic, 8), 8);
    for (TSaveResolution r : {TSaveResolution::sColorVga, TSaveResolution::sColor16, TSaveResolution::sColor256,
                              TSaveResolution::sColorTrue, TSaveResolution::sAutoMatic})
        QCOMPARE(writeDepth(r, SaveKind::Jpeg, 8), 24);
    QCOMPARE(writeDepth(TSaveResolution::sMonoChrome, SaveKind::Jpeg, 24), 1);
    QCOMPARE(writeDepth(TSaveResolution::sJpegGray, SaveKind::Jpeg, 24), 1);
    QCOMPARE(writeDepth(TSaveResolution::sColorTrue, SaveKind::Gif, 24), 8);
    QCOMPARE(writeDepth(TSaveResolution::sAutoMatic, SaveKind::Gif, 24), 8);
    QCOMPARE(writeDepth(TSaveResolution::sAutoMatic, SaveKind::Gif, 4), 4);
    QCOMPARE(writeDepth(TSaveResolution::sColorTrue, SaveKind::Png, 8), 24);
    QCOMPARE(writeDepth(TSaveResolution::sJpegGray, SaveKind::Tiff, 24), 8);
    QCOMPARE(writeDepth(TSaveResolution::sColorVga, SaveKind::Pcx, 24), 0);
}

void TestImageBox::qualityAndSmoothingClamps()
{
    TImageBox box(nullptr);
    QCOMPARE(box.JPegSaveQuality(), 25);
    box.setJPegSaveQuality(90);
    QCOMPARE(box.JPegSaveQuality(), 90);
    box.setJPegSaveQuality(0);
    QCOMPARE(box.JPegSaveQuality(), 25);
    box.setJPegSaveQuality(101);
    QCOMPARE(box.JPegSaveQuality(), 25);
    box.setJPegSaveSmooth(100);
    QCOMPARE(box.JPegSaveSmooth(), 100);
    box.setJPegSaveSmooth(101);
    QCOMPARE(box.JPegSaveSmooth(), 5);
}

void TestImageBox::stretchAndStretchRatioExcludeEachOther()
{
    TImageBox box(nullptr);
    box.setStretch(true);
    box.setStretchRatio(true);
    QVERIFY(box.StretchRatio() && !box.Stretch());
    box.setStretch(true);
    QVERIFY(box.Stretch() && !box.StretchRatio());
    box.setStretch(false);
    QVERIFY(!box.Stretch() && !box.StretchRatio());
}

void TestImageBox::stretchRatioGeometry_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("target");
    QTest::newRow("wide picture") << QSize(100, 100) << QSize(200, 100) << QRect(0, 25, 100, 50);
    QTest::newRow("tall picture") << QSize(100, 100) << QSize(100, 200) << QRect(25, 0, 50, 100);
    QTest::newRow("half to even x") << QSize(101, 100) << QSize(100, 100) << QRect(0, 0, 100, 100);
    QTest::newRow("zero picture") << QSize(80, 60) << QSize(0, 10) << QRect(0, 0, 80, 60);
    QTest::newRow("exact fit") << QSize(300, 150) << QSize(200, 100) << QRect(0, 0, 300, 150);
}

void TestImageBox::stretchRatioGeometry()
{
    QFETCH(QSize, client);
    QFETCH(QSize, picture);
    QFETCH(QRect, target);
    QCOMPARE(stretchRatioRect(client, picture), target);
}

void TestImageBox::naturalPlacement()
{
    QCOMPARE(naturalRect(QSize(100, 100), QSize(51, 50), true), QRect(24, 25, 51, 50));
    QCOMPARE(naturalRect(QSize(100, 100), QSize(201, 100), true), QRect(-50, 0, 201, 100));
    QCOMPARE(naturalRect(QSize(100, 100), QSize(201, 100), false), QRect(0, 0, 201, 100));
}

void TestImageBox::missingFileEmptiesWithoutMessage()
{
    TestEnvironment env;
    ScriptedPrompter prompter;
    TImageBox box(&prompter);
    box.setImageName(writeRedBmp(env, "a.bmp"));
    QVERIFY(!box.picture().isEmpty());
    box.setImageName(env.root() + "/missing.bmp");
    QVERIFY(box.picture().isEmpty());
    QCOMPARE(box.statusText(), QString("file not found"));
    box.setImageName("file not found");
    QVERIFY(box.picture().isEmpty());
    QVERIFY(prompter.shown.isEmpty());
}

void TestImageBox::loadsRasterFileAnyCase()
{
    TestEnvironment env;
    ScriptedPrompter prompter;
    TImageBox box(&prompter);
    box.ImageReadRes = TLoadResolution::lColorTrue;
    const QString path = writeRedBmp(env, "Mixed.Bmp");
    QVERIFY(box.setImageName(path));
    QCOMPARE(box.picture().kind(), Picture::Kind::Bitmap);
    QCOMPARE(box.picture().size(), QSize(20, 10));
    QCOMPARE(QColor(box.picture().bitmap().pixel(5, 5)), QColor(Qt::red));
    QCOMPARE(box.statusText(), path.toUpper());
    QCOMPARE(box.imageInfo().typeCode, QString("BMP"));
    QVERIFY(box.fileSize() > 600);
    QVERIFY(prompter.shown.isEmpty());
}

void TestImageBox::unknownExtensionNeverKeepsOldPicture()
{
    TestEnvironment env;
    ScriptedPrompter prompter;
    TImageBox box(&prompter);
    box.setImageName(writeRedBmp(env, "a.bmp"));
    QVERIFY(!box.picture().isEmpty());
    const QString other = env.root() + "/notes.txt";
    TestEnvironment::writeFile(other, QByteArray("hello"));
    box.setImageName(other);
    QVERIFY(box.picture().isEmpty());
    QVERIFY(prompter.shown.isEmpty());
}

void TestImageBox::damagedFileReportsAndEmpties()
{
    TestEnvironment env;
    ScriptedPrompter prompter;
    TImageBox box(&prompter);
    const QString path = env.root() + "/broken.bmp";
    TestEnvironment::writeFile(path, QByteArray("BM this is no bitmap at all"));
    QVERIFY(box.setImageName(path));
    QVERIFY(box.picture().isEmpty());
    QVERIFY(!prompter.texts("error").isEmpty());
    QCOMPARE(prompter.texts("information"), QStringList({"Reading bmp file failed"}));

    TImageBox quiet(nullptr);
    QVERIFY(quiet.setImageName(path));
    QVERIFY(quiet.picture().isEmpty());
}

void TestImageBox::writesThroughDefaultName()
{
    TestEnvironment env;
    ScriptedPrompter prompter;
    TImageBox box(&prompter);
    box.ImageReadRes = TLoadResolution::lColorTrue;
    box.ImageWriteRes = TSaveResolution::sColorTrue;
    box.setImageName(writeRedBmp(env, "a.bmp"));
    const QString target = env.root() + "/copy.png";
    QVERIFY(box.SavePngFile(target));
    QCOMPARE(box.DefSaveFilename, target);
    QImage back(target);
    QCOMPARE(back.size(), QSize(20, 10));
    QCOMPARE(QColor(back.pixel(3, 3)), QColor(Qt::red));
    const QString second = env.root() + "/again.bmp";
    box.DefSaveFilename = second;
    QVERIFY(box.SaveBmpFile());
    QVERIFY(QFile::exists(second));

    TImageBox empty(&prompter);
    QVERIFY(!empty.SaveGifFile(env.root() + "/empty.gif"));
    QCOMPARE(prompter.texts("information").last(), QString("Writing gif file failed"));
    QVERIFY(!QFile::exists(env.root() + "/empty.gif"));
}

void TestImageBox::printsNothingForEmptyPicture()
{
    TImageBox box(nullptr);
    RecordingSink sink;
    box.PrintImage(sink, 0, 0, 100, 100);
    QCOMPARE(sink.documents, 0);
}

void TestImageBox::printsBitmapWhereAsked()
{
    TestEnvironment env;
    TImageBox box(nullptr);
    box.ImageReadRes = TLoadResolution::lColorTrue;
    box.setImageName(writeRedBmp(env, "a.bmp"));
    RecordingSink sink;
    box.PrintImage(sink, 100, 200, 300, 150);
    QCOMPARE(sink.documents, 1);
    QCOMPARE(QColor(sink.page().pixel(101, 201)), QColor(Qt::red));
    QCOMPARE(QColor(sink.page().pixel(398, 348)), QColor(Qt::red));
    QCOMPARE(QColor(sink.page().pixel(401, 200)), QColor(Qt::white));
    RecordingSink own;
    box.PrintImage(own, 0, 0, 0, 0);
    QCOMPARE(QColor(own.page().pixel(19, 9)), QColor(Qt::red));
    QCOMPARE(QColor(own.page().pixel(20, 10)), QColor(Qt::white));
}

void TestImageBox::autoSizeFollowsPicture()
{
    TestEnvironment env;
    TImageBox box(nullptr);
    box.setImageName(writeRedBmp(env, "a.bmp", QSize(33, 44)));
    QCOMPARE(box.size(), QSize(105, 105));
    box.setAutoSize(true);
    QCOMPARE(box.size(), QSize(33, 44));
}

QTEST_MAIN(TestImageBox)
#include "tst_imagebox.moc"
