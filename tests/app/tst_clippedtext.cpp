// Every window and dialog, shown with the platform's default font, gives
// each of its texts the room it needs.
#include "app/programwindows.h"
#include "clippedtext.h"
#include "dialogs/about.h"
#include "dialogs/helpviewer.h"
#include "dialogs/tips.h"
#include "platform/filesystem.h"
#include "platform/volumes.h"
#include "printing/fontlist.h"
#include "printing/printcommands.h"
#include "scan/scanoptionsdialog.h"
#include "scan/scansourcedialog.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QLabel>
#include <QTest>

namespace {

// The texts of window that do not fit, once it is shown.
QStringList shownClippedTexts(QWidget &window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return {window.objectName() + QStringLiteral(" was never shown")};
    const QStringList faults = clippedTexts(window);
    window.hide();
    return faults;
}

sane::Option scannerOption(int index, const QString &name, const QString &title)
{
    sane::Option option;
    option.index = index;
    option.name = name;
    option.title = title;
    return option;
}

QList<sane::Option> scannerOptions()
{
    sane::Option mode = scannerOption(1, "mode", "Scan mode");
    mode.isText = true;
    mode.choices = {"Gray", "Color"};
    mode.text = "Color";
    sane::Option resolution = scannerOption(2, "resolution", "Scan resolution");
    resolution.unit = "dpi";
    resolution.values = {75, 150, 300};
    resolution.number = 75;
    sane::Option left = scannerOption(3, "tl-x", "Top-left x");
    left.unit = "mm";
    left.maximum = 200;
    left.step = 1;
    return {mode, resolution, left};
}

} // namespace

class TestClippedText : public QObject
{
    Q_OBJECT

private slots:
    void everyWindowFitsItsTexts()
    {
        MainWindowFixture fixture;
        TForm1 &form1 = fixture.create();
        form1.action("ShowHints1")->setChecked(false);
        SystemVolumes volumes;
        ProgramWindows windows(form1, fixture.prompter, fixture.shell, systemFileSystem(), volumes);
        TForm16 tips(&form1);
        TAboutBox about(form1.help(), &form1);
        TForm12 fonts(form1.printing().printer(), form1.printing().dialogs(), form1.help(), &form1);
        HelpViewer help;
        ScanSourceDialog source({{.name = "test:0", .vendor = "Noname", .model = "frontend-tester",
                                  .type = "virtual device"}},
                                "test:0", &form1);
        ScanOptionsDialog scanOptions("Noname frontend-tester", scannerOptions(), &form1);

        const QList<QWidget *> all{&form1, &windows.form2, &windows.form4, &windows.form5,
                                   &windows.okBottomDlg, &windows.form6, &windows.form8, &windows.form9,
                                   &windows.form10, &windows.form7, &windows.form11, &windows.form13,
                                   &windows.form14, &windows.form15, &windows.okBottomDlg1, &tips,
                                   &about, &fonts, &help, &source, &scanOptions};
        QStringList faults;
        for (QWidget *window : all)
            faults << shownClippedTexts(*window);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // The orientation's name changes with the chosen page; both must fit.
    void printOptionsFitsBothOrientations()
    {
        MainWindowFixture fixture;
        TForm1 &form1 = fixture.create();
        TForm10 options(form1.printing().printer(), form1.printing().dialogs(), form1.help(), &form1);
        options.show();
        QVERIFY(QTest::qWaitForWindowExposed(&options));
        options.Image2Click();
        QCOMPARE(options.OrientEdit->text(), QString("Landscape"));
        QVERIFY2(clippedTexts(options).isEmpty(), qPrintable(clippedTexts(options).join('\n')));
        options.Image1Click();
        QVERIFY2(clippedTexts(options).isEmpty(), qPrintable(clippedTexts(options).join('\n')));
    }
};

QTEST_MAIN(TestClippedText)
#include "tst_clippedtext.moc"
