// The installed fonts window and the printed font list.
#include "pdfreader.h"
#include "platform/pagesink.h"
#include "printing/fontlist.h"
#include "printing/fontlistprinter.h"
#include "printing/fontnamedelegate.h"
#include "printwindowfixture.h"
#include "recordingpagesink.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

using FontsFixture = PrintWindowFixture<TForm12>;

class TestFontsWindow : public QObject
{
    Q_OBJECT
private slots:
    void listsInstalledFontsSorted();
    void clickedNameGoesToTheLabel();
    void itemsAreDrawnInTheirOwnFace();
    void printedListReadsBack();
    void cancelledPrintDialogPrintsNothing();
    void linesBreakPagesWhenTheyPassTheBottom();
    void samplesMoveRightOfLongNames();
    void emptyListPrintsOneEmptyPage();
    void helpOpensContextTwelve();
};

void TestFontsWindow::listsInstalledFontsSorted()
{
    FontsFixture f;
    f.window.FormActivate();
    QStringList expected = QFontDatabase::families();
    expected.sort(Qt::CaseInsensitive);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(f.window.fontNames(), expected);
    QCOMPARE(f.window.windowTitle(), QStringLiteral("Fonts Window"));
}

void TestFontsWindow::clickedNameGoesToTheLabel()
{
    FontsFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QListWidget *list = f.window.ListBox1;
    QVERIFY(list->count() > 0);
    const QRect first = list->visualItemRect(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
    QCOMPARE(f.window.FontLabel->text(), list->item(0)->text());
    f.window.hide();
}

void TestFontsWindow::itemsAreDrawnInTheirOwnFace()
{
    FontsFixture f;
    f.window.FormActivate();
    QListWidget *list = f.window.ListBox1;
    QCOMPARE(list->font().pixelSize(), 16);
    const QString family = list->item(0)->text();
    const QFont itemFont = FontNameDelegate::itemFont(list->font(), family);
    QCOMPARE(itemFont.families().value(0), family);
    QCOMPARE(itemFont.pixelSize(), 16);
    QStyleOptionViewItem option;
    option.font = list->font();
    option.rect = QRect(0, 0, 200, 10);
    const QSize hint = list->itemDelegate()->sizeHint(option, list->model()->index(0, 0));
    QCOMPARE(hint.height(), QFontMetrics(itemFont).height() + 5);
}

void TestFontsWindow::printedListReadsBack()
{
    FontsFixture f;
    f.window.FormActivate();
    f.dialogs.printAnswers.enqueue(true);
    f.dialogs.pdfPath = f.env.root() + "/fonts.pdf";
    f.window.PrintButton->click();
    QVERIFY(pdf::pageCount(f.dialogs.pdfPath) >= 1);
    const QString text = pdf::text(f.dialogs.pdfPath, 1);
    QVERIFY2(text.contains(f.window.fontNames().first()), qPrintable(text));
}

void TestFontsWindow::cancelledPrintDialogPrintsNothing()
{
    FontsFixture f;
    f.window.FormActivate();
    f.dialogs.pdfPath = f.env.root() + "/fonts.pdf";
    f.window.PrintButtonClick();
    QCOMPARE(f.dialogs.calls, QStringList{QStringLiteral("print")});
    QVERIFY(!QFile::exists(f.dialogs.pdfPath));
}

void TestFontsWindow::linesBreakPagesWhenTheyPassTheBottom()
{
    const QString family = QStringLiteral("DejaVu Sans");
    RecordingPageSink sink(QSize(4000, 300), 300);
    QFont font(family);
    font.setPointSize(12);
    const int step = QFontMetrics(font, &sink).height() + 15;
    const QStringList names(10, family);
    QVERIFY(printFontList(sink, names, family));
    // A line starts on a page while its top is within the height.
    const int perPage = 300 / step + 1;
    QVERIFY(perPage < 10);
    // The test after every line, the last one too, may begin one more page.
    QCOMPARE(sink.pages.size(), 10 / perPage + 1);
    QCOMPARE(sink.pages[0].texts.size(), 2 * perPage);
    const RecordedText &sample = sink.pages[0].texts[1];
    QCOMPARE(qRound(sample.baseline.x()), 500);
    QVERIFY(sink.textWidth(sink.pages[0].texts[0]) < 500);
    QCOMPARE(sample.font.pixelSize(), printPixels(12));
    QCOMPARE(sink.textTop(sink.pages[0].texts[2]), step);
    QCOMPARE(sink.textTop(sink.pages[1].texts[0]), 0);
}

// At 1200 dots per inch a 12-point name is wider than 500 dots: the
// samples start after the widest plain name instead of on top of it.
void TestFontsWindow::samplesMoveRightOfLongNames()
{
    const QString family = QStringLiteral("DejaVu Sans");
    RecordingPageSink sink(QSize(9583, 13699), 1200);
    const QStringList names{family, QStringLiteral("A Rather Long Font Family Name")};
    QVERIFY(printFontList(sink, names, family));
    const QList<RecordedText> &texts = sink.pages[0].texts;
    QCOMPARE(texts.size(), 4);
    const int widest = std::max(sink.textWidth(texts[0]), sink.textWidth(texts[2]));
    QVERIFY(widest > 500);
    QCOMPARE(texts[1].baseline.x(), texts[3].baseline.x());
    QVERIFY(texts[1].baseline.x() > widest);
}

void TestFontsWindow::emptyListPrintsOneEmptyPage()
{
    RecordingPageSink sink(QSize(4000, 1000), 1200);
    QVERIFY(printFontList(sink, {}, QStringLiteral("DejaVu Sans")));
    QCOMPARE(sink.pages.size(), 1);
    QVERIFY(sink.pages[0].texts.isEmpty());
}

void TestFontsWindow::helpOpensContextTwelve()
{
    FontsFixture f;
    f.window.HelpButton->click();
    QCOMPARE(f.helpSystem.contexts, QList<int>{12});
}

QTEST_MAIN(TestFontsWindow)
#include "tst_fontswindow.moc"
