// Thumbnail sheets drawn on a recording page: cells, names, page breaks,
// page texts, failed files and the temporary bitmap.
#include "platform/pagesink.h"
#include "printing/pagetexts.h"
#include "printing/cellimage.h"
#include "printing/sheetprinter.h"
#include "printing/tempbitmap.h"
#include "printtestfiles.h"
#include "recordingpagesink.h"
#include "support/scriptedprompter.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {
const QSize A4(9583, 13699);

class ListHost : public SheetHost
{
public:
    QStringList captions;
    QStringList statuses;
    QList<int> gauge;
    int messagePasses = 0;

    int itemCount() const override { return int(captions.size()); }
    QString caption(int index) const override { return captions.value(index); }
    void setStatus(const QString &text) override { statuses.append(text); }
    void setGauge(int position) override { gauge.append(position); }
    void letMessagesRun() override { ++messagePasses; }
    bool takeStopRequest() override { return false; }
    void reportError(const QString &text) override { QFAIL(qPrintable(text)); }
};

struct SheetFixture
{
    TestEnvironment env;
    ScriptedPrompter prompter;
    ListHost host;
    QString folder = env.makeFolder(QStringLiteral("pictures"));
    QString temp = env.makeFolder(QStringLiteral("temp"));

    // count 10 x 8 pictures named pic000.png ...
    void addPictures(int count)
    {
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("pic%1.png").arg(i, 3, 10, QLatin1Char('0'));
            printtest::writePicture(folder + "/" + name, QSize(10, 8));
            host.captions.append(name);
        }
    }

    SheetRequest request(int scale = 3, QSize thumbs = QSize(70, 70)) const
    {
        SheetRequest request;
        request.options.scale = scale;
        request.options.font = printTextFont(QFont(QStringLiteral("DejaVu Sans")));
        request.options.headerText = QStringLiteral("Contact Sheet");
        request.thumbSize = thumbs;
        request.folder = folder;
        request.tempDir = temp;
        return request;
    }

    bool print(RecordingPageSink &sink, const SheetRequest &request)
    {
        return printThumbnailSheet(sink, request, host, prompter);
    }
};

QList<QRect> cellsOf(const RecordedPage &page)
{
    QList<QRect> cells;
    for (const RecordedImage &image : page.images)
        cells.append(image.target.toRect());
    return cells;
}
} // namespace

class TestSheetPrinter : public QObject
{
    Q_OBJECT
private slots:
    void defaultCellsAndNames();
    void pageCount_data();
    void pageCount();
    void everyPageCarriesCentredPageTexts();
    void emptyListPrintsOnePageOfTexts();
    void cellWiderThanThePageGivesOneImagePerRow();
    void unreadableFileGivesAnErrorCellAndTheRunGoesOn();
    void iconsAndMetafilesAreRenderedAtTheirSizes();
    void gaugeAndStatusTexts();
    void temporaryBitmapIsAlwaysRemoved();
    void refusedDocumentPrintsNothing();
    void shrinkingListEndsTheRun();
    void keptProportionsCentreTheCell();
};

void TestSheetPrinter::defaultCellsAndNames()
{
    SheetFixture f;
    f.addPictures(3);
    RecordingPageSink sink(A4, 1200);
    QVERIFY(f.print(sink, f.request()));
    QCOMPARE(sink.pages.size(), 1);
    QCOMPARE(cellsOf(sink.pages[0]),
             (QList<QRect>{QRect(0, 100, 210, 210), QRect(320, 100, 210, 210), QRect(640, 100, 210, 210)}));
    for (int i = 0; i < 3; ++i) {
        const RecordedText *name = sink.findText(0, f.host.captions[i]);
        QVERIFY(name);
        QCOMPARE(qRound(name->baseline.x()), 320 * i);
        QCOMPARE(sink.textTop(*name), 320);
        QCOMPARE(name->font.pixelSize(), printPixels(8));
    }
    // Each picture goes to the page at its cell's size.
    QCOMPARE(sink.pages[0].images[0].imageSize, QSize(210, 210));
    QVERIFY(f.prompter.shown.isEmpty());
}

void TestSheetPrinter::pageCount_data()
{
    QTest::addColumn<int>("files");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("lastPageImages");
    // A 1000 x 1000 page with 70 x 70 cells at s = 3: 3 columns, 2 rows.
    QTest::newRow("one") << 1 << 1 << 1;
    QTest::newRow("one row") << 3 << 1 << 3;
    QTest::newRow("part of the second row") << 5 << 1 << 5;
    QTest::newRow("full page: one more page of texts") << 6 << 2 << 0;
    QTest::newRow("second page begun") << 7 << 2 << 1;
    QTest::newRow("two full pages") << 12 << 3 << 0;
}

void TestSheetPrinter::pageCount()
{
    QFETCH(int, files);
    QFETCH(int, pages);
    QFETCH(int, lastPageImages);
    SheetFixture f;
    f.addPictures(files);
    RecordingPageSink sink(QSize(1000, 1000), 1200);
    QVERIFY(f.print(sink, f.request()));
    QCOMPARE(sink.pages.size(), pages);
    QCOMPARE(sink.pages.last().images.size(), lastPageImages);
    QVERIFY(sink.findText(pages - 1, pageText(pages)));
    if (pages > 1)
        QCOMPARE(cellsOf(sink.pages[1]).value(0, QRect(0, 100, 210, 210)), QRect(0, 100, 210, 210));
}

void TestSheetPrinter::everyPageCarriesCentredPageTexts()
{
    SheetFixture f;
    f.addPictures(13);
    const QSize page(1000, 1000);
    RecordingPageSink sink(page, 1200);
    QVERIFY(f.print(sink, f.request()));
    QCOMPARE(sink.pages.size(), 3);
    for (int p = 0; p < 3; ++p) {
        const RecordedText *number = sink.findText(p, pageText(p + 1));
        QVERIFY(number);
        QCOMPARE(sink.textTop(*number), page.height() - 50);
        QCOMPARE(qRound(number->baseline.x()), page.width() / 2 - sink.textWidth(*number) / 2);
        const RecordedText *header = sink.findText(p, QStringLiteral("Contact Sheet"));
        QVERIFY(header);
        QCOMPARE(sink.textTop(*header), 0);
    }
}

void TestSheetPrinter::emptyListPrintsOnePageOfTexts()
{
    SheetFixture f;
    RecordingPageSink sink(A4, 1200);
    QVERIFY(f.print(sink, f.request()));
    QCOMPARE(sink.pages.size(), 1);
    QVERIFY(sink.pages[0].images.isEmpty());
    QVERIFY(sink.findText(0, QStringLiteral("Page 1")));
    QVERIFY(sink.findText(0, QStringLiteral("Contact Sheet")));
    QCOMPARE(sink.documentsEnded, 1);
}

void TestSheetPrinter::cellWiderThanThePageGivesOneImagePerRow()
{
    SheetFixture f;
    f.addPictures(3);
    RecordingPageSink sink(QSize(800, 13699), 1200);
    QVERIFY(f.print(sink, f.request(6, QSize(150, 20))));
    QCOMPARE(cellsOf(sink.pages[0]),
             (QList<QRect>{QRect(0, 100, 900, 120), QRect(0, 330, 900, 120), QRect(0, 560, 900, 120)}));
}

void TestSheetPrinter::unreadableFileGivesAnErrorCellAndTheRunGoesOn()
{
    SheetFixture f;
    f.addPictures(1);
    TestEnvironment::writeFile(f.folder + "/broken.png", QByteArray("not a picture at all"));
    f.host.captions.append(QStringLiteral("broken.png"));
    f.addPictures(1);
    RecordingPageSink sink(A4, 1200);
    QVERIFY(f.print(sink, f.request()));
    QCOMPARE(f.prompter.texts(QStringLiteral("error")),
             QStringList{QStringLiteral("Error Creating Thumb Nail For broken.png")});
    const RecordedPage &page = sink.pages[0];
    QCOMPARE(page.images.size(), 3);
    const RecordedImage &error = page.images[1];
    QCOMPARE(error.target.toRect(), QRect(320, 100, 210, 210));
    QCOMPARE(error.imageSize, QSize(210, 210));
    // "Error" in black at the top left of an otherwise white cell.
    QCOMPARE(error.image.pixelColor(error.image.width() - 1, error.image.height() - 1), QColor(Qt::white));
    bool black = false;
    for (int y = 0; y < 20 && !black; ++y)
        for (int x = 0; x < 30 && !black; ++x)
            black = error.image.pixelColor(x, y) == QColor(Qt::black);
    QVERIFY(black);
    // The next picture is read again, and printed at the cell's size.
    QCOMPARE(page.images[2].imageSize, QSize(210, 210));
    QVERIFY(sink.findText(0, QStringLiteral("broken.png")));
}

void TestSheetPrinter::iconsAndMetafilesAreRenderedAtTheirSizes()
{
    SheetFixture f;
    printtest::writePicture(f.folder + "/logo.ico", QSize(32, 32), Qt::blue);
    TestEnvironment::writeFile(f.folder + "/box.wmf", printtest::rectangleMetafile());
    f.host.captions = {QStringLiteral("logo.ico"), QStringLiteral("box.wmf")};
    RecordingPageSink sink(A4, 1200);
    QVERIFY(f.print(sink, f.request(3, QSize(70, 60))));
    const RecordedPage &page = sink.pages[0];
    QCOMPARE(page.images.size(), 2);
    QCOMPARE(page.images[0].imageSize, QSize(55, 45));
    QCOMPARE(page.images[0].target.toRect(), QRect(0, 100, 210, 180));
    QCOMPARE(page.images[0].image.pixelColor(5, 5), QColor(Qt::blue));
    QCOMPARE(page.images[1].imageSize, QSize(210, 180));
    QVERIFY(f.prompter.shown.isEmpty());
}

void TestSheetPrinter::gaugeAndStatusTexts()
{
    SheetFixture f;
    f.addPictures(7);
    RecordingPageSink sink(QSize(1000, 1000), 1200);
    QVERIFY(f.print(sink, f.request()));
    QCOMPARE(f.host.gauge, (QList<int>{0, 14, 29, 43, 57, 71, 86}));
    QCOMPARE(f.host.statuses, QStringList{QStringLiteral("Printing Images Page 2")});
    // Before every image and after the page break.
    QCOMPARE(f.host.messagePasses, 8);
}

void TestSheetPrinter::temporaryBitmapIsAlwaysRemoved()
{
    SheetFixture f;
    f.addPictures(2);
    TestEnvironment::writeFile(f.folder + "/broken.bmp", QByteArray("BM broken"));
    f.host.captions.append(QStringLiteral("broken.bmp"));
    RecordingPageSink sink(A4, 1200);
    QVERIFY(f.print(sink, f.request()));
    QVERIFY(!QFile::exists(QDir(f.temp).filePath(QString::fromLatin1(TempBitmapName))));
    QCOMPARE(QDir(f.temp).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestSheetPrinter::refusedDocumentPrintsNothing()
{
    SheetFixture f;
    f.addPictures(2);
    RecordingPageSink sink(A4, 1200);
    sink.failBegin = true;
    QVERIFY(!f.print(sink, f.request()));
    QVERIFY(sink.pages.isEmpty());
    QVERIFY(f.host.gauge.isEmpty());
}

// The list may lose items while messages run; the run stops at its end
// instead of reading past it.
void TestSheetPrinter::shrinkingListEndsTheRun()
{
    SheetFixture f;
    f.addPictures(4);
    class ShrinkingHost : public ListHost
    {
    public:
        void letMessagesRun() override
        {
            if (++messagePasses == 2)
                captions = captions.mid(0, 1);
        }
    } host;
    host.captions = f.host.captions;
    RecordingPageSink sink(A4, 1200);
    QVERIFY(printThumbnailSheet(sink, f.request(), host, f.prompter));
    QCOMPARE(sink.pages[0].images.size(), 1);
}

// With Keep Proportions a 400 x 100 picture prints as a band across the
// middle of its cell, on white; without, it fills the cell.
void TestSheetPrinter::keptProportionsCentreTheCell()
{
    SheetFixture f;
    QImage wide(400, 100, QImage::Format_RGB32);
    wide.fill(Qt::red);
    const QString path = f.folder + "/wide.png";
    QVERIFY(wide.save(path));
    const QImage kept = prepareCellImage(path, {QSize(70, 70), QSize(70, 70), f.temp, true});
    QCOMPARE(kept.size(), QSize(70, 70));
    QCOMPARE(QColor(kept.pixel(35, 10)), QColor(Qt::white));
    QCOMPARE(QColor(kept.pixel(35, 60)), QColor(Qt::white));
    QCOMPARE(QColor(kept.pixel(2, 35)), QColor(Qt::red));
    const QImage filled = prepareCellImage(path, {QSize(70, 70), QSize(70, 70), f.temp, false});
    QCOMPARE(QColor(filled.pixel(35, 10)), QColor(Qt::red));
}

QTEST_MAIN(TestSheetPrinter)
#include "tst_sheetprinter.moc"
