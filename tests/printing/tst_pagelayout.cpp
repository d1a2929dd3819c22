// The sheet's grid and the page texts' places, on pages of real printer sizes.
#include "printing/pagetexts.h"
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
    QTest::newRow("A4") << QPageSize::A4 << QSize(9583, 13699);
    QTest::newRow("Letter") << QPageSize::Letter << QSize(9866, 12866);
}

// The page sizes the grid tests use are those a high-resolution printer gives.
void TestPageLayout::printerPaintRects()
{
    QFETCH(QPageSize::PageSizeId, paper);
    QFETCH(QSize, expected);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(paper));
    QCOMPARE(printer.resolution(), 1200);
    QCOMPARE(printer.pageLayout().paintRectPixels(printer.resolution()).size(), expected);
}

void TestPageLayout::gridMatchesTheLayoutWalk_data()
{
    QTest::addColumn<QSize>("page");
    QTest::addColumn<QSize>("cell");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("perPage");
    const QSize a4(9583, 13699), letter(9866, 12866);
    QTest::newRow("A4 70x70 s3") << a4 << QSize(210, 210) << 30 << 42 << 30 * 42;
    QTest::newRow("Letter 70x70 s3") << letter << QSize(210, 210) << 31 << 39 << 31 * 39;
    QTest::newRow("A4 150x150 s6") << a4 << QSize(900, 900) << 9 << 13 << 9 * 13;
    QTest::newRow("Letter 150x20 s6") << letter << QSize(900, 120) << 9 << 55 << 9 * 55;
    QTest::newRow("A4 landscape 70x70 s2") << a4.transposed() << QSize(140, 140) << 55 << 37 << 55 * 37;
    QTest::newRow("cell wider than the page") << QSize(800, 13699) << QSize(900, 120) << 1 << 58 << 58;
    // CH + 300 > PageHeight: the test after each image breaks the page at once.
    QTest::newRow("cell too tall for a second row") << QSize(9583, 1000) << QSize(140, 701) << 38 << 1 << 1;
    QTest::newRow("cell taller than the page") << QSize(9583, 1000) << QSize(140, 900) << 38 << 1 << 1;
    QTest::newRow("cell just fits with its reserve") << QSize(9583, 1000) << QSize(140, 700) << 38 << 1 << 38;
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
    SheetLayout layout(QSize(210, 210), QSize(9583, 13699));
    QCOMPARE(layout.cell(), QRect(0, 100, 210, 210));
    QCOMPARE(layout.namePosition(), QPoint(0, 320));
    QVERIFY(!layout.advance());
    QCOMPARE(layout.cell(), QRect(320, 100, 210, 210));
    for (int column = 2; column < 30; ++column)
        QVERIFY(!layout.advance());
    QCOMPARE(layout.cell().left(), 29 * 320);
    QVERIFY(!layout.advance());
    QCOMPARE(layout.cell(), QRect(0, 420, 210, 210));
    QCOMPARE(layout.namePosition(), QPoint(0, 640));
}

void TestPageLayout::pageTextsAreCentredAtTheirHeights_data()
{
    QTest::addColumn<QSize>("page");
    QTest::addColumn<int>("dpi");
    QTest::newRow("A4 at 1200 dpi") << QSize(9583, 13699) << 1200;
    QTest::newRow("Letter at 1200 dpi") << QSize(9866, 12866) << 1200;
    QTest::newRow("A4 at 300 dpi, landscape") << QSize(3425, 2396) << 300;
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
        QCOMPARE(recorded->font.pointSize(), 8);
    }
}

void TestPageLayout::switchedOffTextsAreNotDrawn()
{
    RecordingPageSink sink(QSize(9583, 13699), 1200);
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
