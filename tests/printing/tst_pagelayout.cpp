// The sheet's grid and the page texts' places, on pages of real printer sizes.
#include "printing/pagetexts.h"
#include "platform/printerpagesink.h"
#include "printing/sharedprinter.h"
#include "printing/printoptions.h"
#include "printing/sheetlayout.h"
#include "recordingpagesink.h"

#include <QPageLayout>
#include <QPrinter>
#include <QTest>

class TestPageLayout : public QObject
{
    Q_OBJECT
private slots:
    void printerPaintRects_data();
    void printerPaintRects();
    void gridMatchesTheLayoutWalk_data();
    void gridMatchesTheLayoutWalk();
    void firstCellsOfDefaultThumbnails();
    void pageTextsAreCentredAtTheirHeights_data();
    void pageTextsAreCentredAtTheirHeights();
    void switchedOffTextsAreNotDrawn();
};

void TestPageLayout::printerPaintRects_data()
{
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("A4") << QPageSize::A4 << QSize(2395, 3424);
    QTest::newRow("Letter") << QPageSize::Letter << QSize(9866 / 4, 12866 / 4);
}

// The page sizes the grid tests use are those of the program's printer,
// whose pages are laid out at 300 dots per inch.
void TestPageLayout::printerPaintRects()
{
    QFETCH(QPageSize::PageSizeId, paper);
    QFETCH(QSize, expected);
    SharedPrinter shared;
    QPrinter &printer = shared.printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(paper));
    QCOMPARE(printer.resolution(), PrintDpi);
    QCOMPARE(PrinterPageSink(printer).pageRect().size(), expected);
}

void TestPageLayout::gridMatchesTheLayoutWalk_data()
{
    QTest::addColumn<QSize>("page");
    QTest::addColumn<QSize>("cell");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("perPage");
    const QSize a4(2395, 3424), letter(2466, 3216);
    QTest::newRow("A4 70x70 s3") << a4 << QSize(210, 210) << 7 << 10 << 7 * 10;
    QTest::newRow("Letter 70x70 s3") << letter << QSize(210, 210) << 8 << 9 << 8 * 9;
    QTest::newRow("A4 150x150 s6") << a4 << QSize(900, 900) << 2 << 3 << 2 * 3;
    QTest::newRow("Letter 150x20 s6") << letter << QSize(900, 120) << 2 << 13 << 2 * 13;
    QTest::newRow("A4 landscape 70x70 s2") << a4.transposed() << QSize(140, 140) << 14 << 8 << 14 * 8;
    QTest::newRow("cell wider than the page") << QSize(800, 3424) << QSize(900, 120) << 1 << 14 << 14;
    // CH + 300 > PageHeight: the test after each image breaks the page at once.
    QTest::newRow("cell too tall for a second row") << QSize(2395, 1000) << QSize(140, 701) << 10 << 1 << 1;
    QTest::newRow("cell taller than the page") << QSize(2395, 1000) << QSize(140, 900) << 10 << 1 << 1;
    QTest::newRow("cell just fits with its reserve") << QSize(2395, 1000) << QSize(140, 700) << 10 << 1 << 10;
}

// Walking the layout cell by cell fills as many cells per page as the grid
// formulas say.
void TestPageLayout::gridMatchesTheLayoutWalk()
{
    QFETCH(QSize, page);
    QFETCH(QSize, cell);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(int, perPage);
    QCOMPARE(SheetLayout::columnsPerPage(cell.width(), page.width()), columns);
    QCOMPARE(SheetLayout::rowsPerPage(cell.height(), page.height()), rows);
    SheetLayout layout(cell, page);
    int cells = 1;
    int rowsSeen = 1;
    int top = layout.cell().top();
    while (!layout.advance()) {
        ++cells;
        if (layout.cell().top() != top) {
            ++rowsSeen;
            top = layout.cell().top();
        }
    }
    QCOMPARE(rowsSeen, rows);
    QCOMPARE(cells, perPage);
    QCOMPARE(layout.cell().topLeft(), QPoint(0, 100));
}

void TestPageLayout::firstCellsOfDefaultThumbnails()
{
    SheetLayout layout(QSize(210, 210), QSize(2395, 3424));
    QCOMPARE(layout.cell(), QRect(0, 100, 210, 210));
    QCOMPARE(layout.namePosition(), QPoint(0, 320));
    QVERIFY(!layout.advance());
    QCOMPARE(layout.cell(), QRect(320, 100, 210, 210));
    for (int column = 2; column < 7; ++column)
        QVERIFY(!layout.advance());
    QCOMPARE(layout.cell().left(), 6 * 320);
    QVERIFY(!layout.advance());
    QCOMPARE(layout.cell(), QRect(0, 420, 210, 210));
    QCOMPARE(layout.namePosition(), QPoint(0, 640));
}

void TestPageLayout::pageTextsAreCentredAtTheirHeights_data()
{
    QTest::addColumn<QSize>("page");
    QTest::addColumn<int>("dpi");
    QTest::newRow("A4") << QSize(2395, 3424) << PrintDpi;
    QTest::newRow("Letter") << QSize(2466, 3216) << PrintDpi;
    QTest::newRow("A4 landscape") << QSize(3424, 2395) << PrintDpi;
}

void TestPageLayout::pageTextsAreCentredAtTheirHeights()
{
    QFETCH(QSize, page);
    QFETCH(int, dpi);
    RecordingPageSink sink(page, dpi);
    PrintOptions options;
    options.headerText = QStringLiteral("Summer Holiday");
    options.footText = QStringLiteral("Printed by Pixmoor");
    QVERIFY(sink.beginDocument());
    sink.painter().setFont(printTextFont(QFont(QStringLiteral("DejaVu Sans"), 30)));
    DrawPageTexts(sink.painter(), page, options, pageText(7));
    sink.endDocument();
    const std::pair<QString, int> expected[] = {
        {QStringLiteral("Summer Holiday"), 0},
        {QStringLiteral("Printed by Pixmoor"), page.height() - 150},
        {QStringLiteral("Page 7"), page.height() - 50},
    };
    QCOMPARE(sink.pages[0].texts.size(), 3);
    for (const auto &[text, top] : expected) {
        const RecordedText *recorded = sink.findText(0, text);
        QVERIFY2(recorded, qPrintable(text));
        QCOMPARE(sink.textTop(*recorded), top);
        QCOMPARE(qRound(recorded->baseline.x()), page.width() / 2 - sink.textWidth(*recorded) / 2);
        QCOMPARE(recorded->font.pixelSize(), printPixels(8));
    }
}

void TestPageLayout::switchedOffTextsAreNotDrawn()
{
    RecordingPageSink sink(QSize(2395, 3424), PrintDpi);
    PrintOptions options;
    options.header = false;
    options.headerText = QStringLiteral("hidden header");
    options.footNote = false;
    options.footText = QStringLiteral("hidden foot");
    options.pageNumber = false;
    QVERIFY(sink.beginDocument());
    DrawPageTexts(sink.painter(), sink.pageRect().size(), options, pageText(1));
    sink.endDocument();
    QVERIFY(sink.pages[0].texts.isEmpty());
}

QTEST_MAIN(TestPageLayout)
#include "tst_pagelayout.moc"
