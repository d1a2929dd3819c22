// One picture on one page: size rules, place and page texts.
#include "imaging/picture/picture.h"
#include "platform/pagesink.h"
#include "printing/pagetexts.h"
#include "printing/printcommands.h"
#include "platform/printerpagesink.h"
#include "printing/singleimage.h"
#include "printing/tempbitmap.h"
#include "printtestfiles.h"
#include "recordingpagesink.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTest>

namespace {
const QSize A4(2395, 3424);

PrintOptions pageOptions(int scale)
{
    PrintOptions options;
    options.scale = scale;
    options.font = printTextFont(QFont(QStringLiteral("DejaVu Sans"), 20));
    return options;
}
} // namespace

class TestSingleImage : public QObject
{
    Q_OBJECT
private slots:
    void sizeRules_data();
    void sizeRules();
    void rasterPictureThroughTheTemporaryBitmap();
    void iconPrintsOneFactorSmaller();
    void metafilePrintsOneFactorSmaller();
    void failedRoundTripDrawsNothing();
    void refusedDocumentDrawsNothing();
    void pdfTakesItsNameOnlyWhenComplete();
};

void TestSingleImage::sizeRules_data()
{
    QTest::addColumn<PictureSource>("source");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("printed");
    QTest::newRow("raster 100x80 s3") << PictureSource::ImageControl << 3 << QSize(100, 80) << QRect(0, 100, 300, 240);
    QTest::newRow("raster s2") << PictureSource::ImageControl << 2 << QSize(100, 80) << QRect(0, 100, 200, 160);
    QTest::newRow("raster s6") << PictureSource::ImageControl << 6 << QSize(7, 5) << QRect(0, 100, 42, 30);
    QTest::newRow("holder s2") << PictureSource::PictureHolder << 2 << QSize(32, 32) << QRect(0, 100, 32, 32);
    QTest::newRow("holder s3") << PictureSource::PictureHolder << 3 << QSize(100, 50) << QRect(0, 100, 200, 100);
    QTest::newRow("holder s6") << PictureSource::PictureHolder << 6 << QSize(10, 20) << QRect(0, 100, 50, 100);
    // Larger than the page: scaled down to its width, or to the room above
    // the foot texts, proportions kept.
    QTest::newRow("photo 4000x3000 s3") << PictureSource::ImageControl << 3 << QSize(4000, 3000) << QRect(0, 100, 2395, 1796);
    QTest::newRow("tall 1000x3000 s2") << PictureSource::ImageControl << 2 << QSize(1000, 3000) << QRect(0, 100, 1041, 3124);
    QTest::newRow("metafile 5000x100 s3") << PictureSource::PictureHolder << 3 << QSize(5000, 100) << QRect(0, 100, 2395, 47);
}

void TestSingleImage::sizeRules()
{
    QFETCH(PictureSource, source);
    QFETCH(int, scale);
    QFETCH(QSize, picture);
    QFETCH(QRect, printed);
    QCOMPARE(singleImageRect(source, scale, picture, A4), printed);
}

void TestSingleImage::rasterPictureThroughTheTemporaryBitmap()
{
    TestEnvironment env;
    const QString temp = env.makeFolder(QStringLiteral("temp"));
    QImage image(100, 80, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    const Picture picture = Picture::fromBitmap(image);
    RecordingPageSink sink(A4, PrintDpi);
    bool drawn = false;
    QVERIFY(printSingleImage(sink, pageOptions(3), [&](QPainter &painter, QSize page) {
        drawn = drawImageControlPicture(painter, picture, 3, page, temp);
    }));
    QVERIFY(drawn);
    QCOMPARE(sink.pages.size(), 1);
    QCOMPARE(sink.pages[0].images.size(), 1);
    QCOMPARE(sink.pages[0].images[0].target.toRect(), QRect(0, 100, 300, 240));
    QCOMPARE(sink.pages[0].images[0].image.pixelColor(50, 40), QColor(10, 200, 30));
    const RecordedText *number = sink.findText(0, QStringLiteral("Page 1"));
    QVERIFY(number);
    QCOMPARE(number->font.pixelSize(), printPixels(8));
    QCOMPARE(sink.textTop(*number), A4.height() - 50);
    QVERIFY(!QFile::exists(QDir(temp).filePath(QString::fromLatin1(TempBitmapName))));
}

void TestSingleImage::iconPrintsOneFactorSmaller()
{
    TestEnvironment env;
    const QString path = env.makeFolder(QStringLiteral("p")) + "/logo.ico";
    printtest::writePicture(path, QSize(32, 32), Qt::blue);
    Picture icon;
    QVERIFY(icon.load(path));
    RecordingPageSink sink(A4, PrintDpi);
    QVERIFY(printSingleImage(sink, pageOptions(2), [&](QPainter &painter, QSize page) {
        drawPictureStretched(painter, icon, singleImageRect(PictureSource::PictureHolder, 2, icon.size(), page));
    }));
    QCOMPARE(sink.pages[0].images.size(), 1);
    QCOMPARE(sink.pages[0].images[0].target.toRect(), QRect(0, 100, 32, 32));
}

void TestSingleImage::metafilePrintsOneFactorSmaller()
{
    TestEnvironment env;
    const QString path = env.makeFolder(QStringLiteral("p")) + "/box.wmf";
    TestEnvironment::writeFile(path, printtest::rectangleMetafile());
    Picture metafile;
    QVERIFY(metafile.load(path));
    QCOMPARE(metafile.size(), QSize(100, 50));
    const QRect target = singleImageRect(PictureSource::PictureHolder, 2, metafile.size(), A4);
    QCOMPARE(target, QRect(0, 100, 100, 50));
    RecordingPageSink sink(A4, PrintDpi);
    QVERIFY(printSingleImage(sink, pageOptions(2), [&](QPainter &painter, QSize page) {
        Q_UNUSED(page);
        drawPictureStretched(painter, metafile, target);
    }));
    const QList<QRectF> &shapes = sink.pages[0].shapes;
    QVERIFY(!shapes.isEmpty());
    QRectF drawn;
    for (const QRectF &shape : shapes)
        drawn |= shape;
    // The rectangle 10,10 .. 90,40 of a 100 x 50 picture played at factor 1.
    QVERIFY2(QRectF(target).adjusted(-1, -1, 1, 1).contains(drawn), qPrintable(QStringLiteral("%1 %2 %3 %4")
        .arg(drawn.x()).arg(drawn.y()).arg(drawn.width()).arg(drawn.height())));
    QVERIFY(qAbs(drawn.left() - 10) <= 1 && qAbs(drawn.top() - 110) <= 1);
    QVERIFY(qAbs(drawn.right() - 90) <= 1 && qAbs(drawn.bottom() - 140) <= 1);
}

void TestSingleImage::failedRoundTripDrawsNothing()
{
    RecordingPageSink sink(A4, PrintDpi);
    bool drawn = true;
    QVERIFY(printSingleImage(sink, pageOptions(3), [&](QPainter &painter, QSize page) {
        drawn = drawImageControlPicture(painter, Picture(), 3, page, QStringLiteral("/nonexistent/folder"));
    }));
    QVERIFY(!drawn);
    QVERIFY(sink.pages[0].images.isEmpty());
    // The page texts are printed all the same.
    QVERIFY(sink.findText(0, QStringLiteral("Page 1")));
    QCOMPARE(sink.documentsEnded, 1);
}

// A PDF takes its name only once it is whole: an old file of that name is
// replaced then, and a print that cannot finish leaves neither a partial
// file nor its temporary one.
void TestSingleImage::pdfTakesItsNameOnlyWhenComplete()
{
    TestEnvironment env;
    const QString folder = env.makeFolder(QStringLiteral("out"));
    const QString target = folder + QStringLiteral("/sheet.pdf");
    TestEnvironment::writeFile(target, QByteArray("an older file"));
    const auto print = [](const QString &path) {
        QPrinter printer(QPrinter::PrinterResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        PrinterPageSink sink(printer);
        const bool printed = printSingleImage(sink, pageOptions(3), [](QPainter &painter, QSize) {
            painter.fillRect(QRect(0, 100, 300, 240), Qt::blue);
        });
        return std::make_pair(printed, printer.outputFileName());
    };
    const auto [printed, nameAfter] = print(target);
    QVERIFY(printed);
    QCOMPARE(nameAfter, target);
    QFile written(target);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.read(4) == "%PDF");
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("sheet.pdf")});

    // A folder where the file should go: the finished document cannot take
    // its place, so the print fails and the folder stays as it was.
    const QString blocked = folder + QStringLiteral("/blocked.pdf");
    QVERIFY(QDir().mkdir(blocked));
    QVERIFY(!print(blocked).first);
    QVERIFY(QFileInfo(blocked).isDir());
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("sheet.pdf")});
}

void TestSingleImage::refusedDocumentDrawsNothing()
{
    RecordingPageSink sink(A4, PrintDpi);
    sink.failBegin = true;
    bool called = false;
    QVERIFY(!printSingleImage(sink, pageOptions(3), [&](QPainter &, QSize) { called = true; }));
    QVERIFY(!called);
}

QTEST_MAIN(TestSingleImage)
#include "tst_singleimage.moc"
