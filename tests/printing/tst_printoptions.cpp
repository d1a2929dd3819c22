// The print options dialog and ApplyPrintOptions.
#include "dialogs/tupdown.h"
#include "platform/pagesink.h"
#include "printing/printfor.h"
#include "printwindowfixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using OptionsFixture = PrintWindowFixture<TForm10>;

class TestPrintOptions : public QObject
{
    Q_OBJECT
private slots:
    void initialState();
    void showingClearsTheTextsOnly();
    void checkBoxesEnableAndColourTheirEdits();
    void orientationFollowsThePictures();
    void scaleStaysWithinItsRange();
    void fontShownIsThePrintersAfterAPrint();
    void applyPrintOptionsSetsFontAndOrientation_data();
    void applyPrintOptionsSetsFontAndOrientation();
    void helpOpensContextTen();
    void okCancelAndPreviewResults();
};

void TestPrintOptions::initialState()
{
    OptionsFixture f;
    TForm10 &d = f.window;
    QCOMPARE(d.windowTitle(), QStringLiteral("Print Options"));
    for (QCheckBox *box : {d.CheckBox1, d.CheckBox2, d.CheckBox3})
        QVERIFY(box->isChecked());
    QVERIFY(d.HeaderEdit->isEnabled());
    QVERIFY(d.FootEdit->isEnabled());
    QCOMPARE(d.OrientEdit->text(), QStringLiteral("Portrait"));
    QCOMPARE(d.ScaleEdit->text(), QStringLiteral("3"));
    QVERIFY(d.ScaleEdit->isReadOnly());
    QVERIFY(d.FontEdit->isReadOnly());
    QVERIFY(!d.FontEdit->isEnabled());
    const PrintOptions options = d.options();
    QVERIFY(options.portrait);
    QCOMPARE(options.scale, 3);
    QCOMPARE(options.font.pointSize(), 8);
}

void TestPrintOptions::showingClearsTheTextsOnly()
{
    OptionsFixture f;
    TForm10 &d = f.window;
    d.HeaderEdit->setText(QStringLiteral("header"));
    d.FootEdit->setText(QStringLiteral("foot"));
    d.CheckBox3->setChecked(false);
    d.Image2Click();
    d.UpDown1->setPosition(5);
    d.show();
    QVERIFY(d.HeaderEdit->text().isEmpty());
    QVERIFY(d.FootEdit->text().isEmpty());
    QVERIFY(!d.CheckBox3->isChecked());
    QCOMPARE(d.OrientEdit->text(), QStringLiteral("Landscape"));
    QCOMPARE(d.ScaleEdit->text(), QStringLiteral("5"));
    d.hide();
}

void TestPrintOptions::checkBoxesEnableAndColourTheirEdits()
{
    OptionsFixture f;
    TForm10 &d = f.window;
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QTest::mouseClick(d.CheckBox1, Qt::LeftButton);
    QVERIFY(!d.CheckBox1->isChecked());
    QVERIFY(!d.HeaderEdit->isEnabled());
    QCOMPARE(d.HeaderEdit->palette().color(QPalette::Base), QColor(0x80, 0x80, 0x80));
    QTest::mouseClick(d.CheckBox1, Qt::LeftButton);
    QVERIFY(d.HeaderEdit->isEnabled());
    QCOMPARE(d.HeaderEdit->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xFF));
    QTRY_VERIFY(d.HeaderEdit->hasFocus());
    QTest::mouseClick(d.CheckBox2, Qt::LeftButton);
    QVERIFY(!d.FootEdit->isEnabled());
    QVERIFY(!d.options().footNote);
    d.hide();
}

void TestPrintOptions::orientationFollowsThePictures()
{
    OptionsFixture f;
    TForm10 &d = f.window;
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QTest::mouseClick(d.Image2, Qt::LeftButton);
    QCOMPARE(d.OrientEdit->text(), QStringLiteral("Landscape"));
    QCOMPARE(d.OrientEdit->x(), 145);
    QVERIFY(!d.options().portrait);
    QTest::mouseClick(d.Panel1, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(d.OrientEdit->text(), QStringLiteral("Portrait"));
    QCOMPARE(d.OrientEdit->x(), 155);
    QVERIFY(d.options().portrait);
    d.hide();
}

void TestPrintOptions::scaleStaysWithinItsRange()
{
    OptionsFixture f;
    TForm10 &d = f.window;
    for (int i = 0; i < 6; ++i)
        d.UpDown1->upButton()->click();
    QCOMPARE(d.ScaleEdit->text(), QStringLiteral("6"));
    QCOMPARE(d.options().scale, 6);
    for (int i = 0; i < 6; ++i)
        d.UpDown1->downButton()->click();
    QCOMPARE(d.ScaleEdit->text(), QStringLiteral("2"));
    QCOMPARE(d.options().scale, 2);
}

// The box names the printer's font: a font chosen and then cancelled is
// not shown next time, one used by a print is.
void TestPrintOptions::fontShownIsThePrintersAfterAPrint()
{
    OptionsFixture f;
    TForm10 &d = f.window;
    const QString printerFont = f.printer.canvasFont().family();
    f.dialogs.fontChoice = QFont(QStringLiteral("DejaVu Serif"), 24);
    d.FontButtonClick();
    QCOMPARE(d.FontEdit->text(), QStringLiteral("DejaVu Serif"));
    d.FormActivate();
    QCOMPARE(d.FontEdit->text(), printerFont);
    f.printer.ApplyPrintOptions(d.options());
    d.FormActivate();
    QCOMPARE(d.FontEdit->text(), QStringLiteral("DejaVu Serif"));
    f.dialogs.fontChoice.reset();
    d.FontButtonClick();
    QCOMPARE(d.dialogFont().family(), QStringLiteral("DejaVu Serif"));
}

void TestPrintOptions::applyPrintOptionsSetsFontAndOrientation_data()
{
    QTest::addColumn<bool>("portrait");
    QTest::addColumn<int>("chosenSize");
    QTest::newRow("portrait, 24 points chosen") << true << 24;
    QTest::newRow("landscape, 6 points chosen") << false << 6;
}

void TestPrintOptions::applyPrintOptionsSetsFontAndOrientation()
{
    QFETCH(bool, portrait);
    QFETCH(int, chosenSize);
    SharedPrinter printer;
    printer.printer().setOutputFormat(QPrinter::PdfFormat);
    printer.printer().setPageSize(QPageSize(QPageSize::A4));
    PrintOptions chosen;
    chosen.font = QFont(QStringLiteral("DejaVu Serif"), chosenSize);
    chosen.font.setItalic(true);
    chosen.color = Qt::darkRed;
    chosen.portrait = portrait;
    const PrintOptions applied = printer.ApplyPrintOptions(chosen);
    QCOMPARE(applied.font.pixelSize(), printPixels(8));
    QCOMPARE(printer.canvasFont().pixelSize(), printPixels(8));
    QCOMPARE(printer.canvasFont().family(), QStringLiteral("DejaVu Serif"));
    QVERIFY(printer.canvasFont().italic());
    QCOMPARE(printer.canvasColor(), QColor(Qt::darkRed));
    const QSize page = printer.printer().pageLayout().paintRectPixels(printer.printer().resolution()).size();
    QCOMPARE(page, portrait ? QSize(2395, 3424) : QSize(3424, 2395));
}

void TestPrintOptions::helpOpensContextTen()
{
    OptionsFixture f;
    f.window.BitBtn2->click();
    QCOMPARE(f.helpSystem.contexts, QList<int>{10});
}

void TestPrintOptions::okCancelAndPreviewResults()
{
    OptionsFixture f;
    TForm10 &d = f.window;
    const std::pair<QPushButton *, int> buttons[] = {
        {d.OkButton, QDialog::Accepted}, {d.CancelButton, QDialog::Rejected}, {d.PreviewButton, TForm10::PreviewResult}};
    for (const auto &[button, result] : buttons) {
        QTimer::singleShot(0, button, &QPushButton::click);
        QCOMPARE(d.exec(), result);
    }
}

QTEST_MAIN(TestPrintOptions)
#include "tst_printoptions.moc"
