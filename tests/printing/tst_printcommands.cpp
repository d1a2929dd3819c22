// The main window's, the viewer's and the metafile window's print commands,
// driven through scripted dialogs and printed to PDF files read back with
// poppler's tools.
#include "app/newstat.h"
#include "dialogs/tupdown.h"
#include "browse/dirtree.h"
#include "browse/imagelistview.h"
#include "imagebox/imagebox.h"
#include "viewer/pic.h"
#include "viewer/wmf.h"
#include "pdfreader.h"
#include "printing/fontlist.h"
#include "printing/printcommands.h"
#include "printing/printfor.h"
#include "printing/sharedprinter.h"
#include "printtestfiles.h"
#include "scriptedprintdialogs.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {
struct PrintFixture : MainWindowFixture
{
    std::shared_ptr<ScriptedPrintDialogs> dialogs = std::make_shared<ScriptedPrintDialogs>();
    std::unique_ptr<TOKBottomDlg> viewer;
    std::unique_ptr<TForm7> metafileWindow;
    std::unique_ptr<TForm10> options;
    QString folder = env.makeFolder(QStringLiteral("pictures"));

    TForm1 &open()
    {
        TForm1 &form = create({.printDialogs = dialogs});
        viewer = std::make_unique<TOKBottomDlg>(prompter);
        metafileWindow = std::make_unique<TForm7>();
        options = std::make_unique<TForm10>(form.printing().printer(), *dialogs, form.help());
        form.attachParts(
            {.viewer = viewer.get(), .metafileWindow = metafileWindow.get(), .printOptions = options.get()});
        dialogs->pdfPath = env.root() + "/printed.pdf";
        dialogs->previewPdfPath = env.root() + "/preview.pdf";
        return form;
    }

    void showFolder(TForm1 &form)
    {
        form.DirTree1->setDirectory(folder);
        form.action(QStringLiteral("All1"))->trigger();
    }

    // The print dialog says yes; the options dialog is filled in and
    // closed with result.
    void answer(int result, const QString &header = QStringLiteral("Holiday Sheet"))
    {
        dialogs->printAnswers.enqueue(true);
        dialogs->modal = [result, header](QDialog &dialog) {
            auto &options = static_cast<TForm10 &>(dialog);
            options.FormActivate();
            options.HeaderEdit->setText(header);
            options.FootEdit->setText(QStringLiteral("Foot Note Here"));
            return result;
        };
    }

    void select(TForm1 &form, const QString &caption)
    {
        const int row = int(form.ListView1->captions().indexOf(caption));
        QVERIFY2(row >= 0, qPrintable(caption));
        QAbstractItemView *view = form.ListView1->activeView();
        view->selectionModel()->select(view->model()->index(row, 0),
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    QString status(TForm1 &form) const { return form.StatusBar1->panelText(1); }
    bool printed() const { return QFile::exists(dialogs->pdfPath); }
};
} // namespace

class TestPrintCommands : public QObject
{
    Q_OBJECT
private slots:
    void printCommandsAreEnabled();
    void multiPageContactSheet();
    void cancellingEitherDialogPrintsNothing_data();
    void cancellingEitherDialogPrintsNothing();
    void sheetRunMarksPrintBusy();
    void previewShowsThePagesThePrintWouldGive();
    void singleImageFromTheList();
    void pictureLargerThanThePageIsFitted();
    void optionsOpenCentredOverTheirWindow();
    void singleImageNeedsASelection();
    void singleImageCancelledLeavesBusyMode();
    void unreadableSingleImageIsReported();
    void viewerAndMetafileWindowPrint();
    void viewerPrintCancelledChangesNothing();
    void printerRefusalIsReported();
    void printerSetUp();
    void fontsWindowIsShownModally();
};

void TestPrintCommands::printCommandsAreEnabled()
{
    PrintFixture f;
    TForm1 &form = f.open();
    for (const char *name : {"Print1", "PrintsetUp1", "Print2", "Fonts1"})
        QVERIFY2(form.action(QString::fromLatin1(name))->isEnabled(), name);
    QVERIFY(form.PrintButton->isEnabled());
    QVERIFY(form.PrintSetUpButton->isEnabled());
    for (QMainWindow *window : {static_cast<QMainWindow *>(f.viewer.get()),
                                static_cast<QMainWindow *>(f.metafileWindow.get())})
        for (QAction *item : window->findChildren<QAction *>())
            if (item->text().contains(QStringLiteral("Print")) || item->text().contains(QStringLiteral("P&rint")))
                QVERIFY2(item->isEnabled(), qPrintable(item->text()));
}

// 8 files at 150 x 150 and s = 6 fill one A4 page (2 x 3 cells of 76 mm)
// and part of a second.
void TestPrintCommands::multiPageContactSheet()
{
    PrintFixture f;
    for (int i = 0; i < 8; ++i)
        printtest::writePicture(f.folder + QStringLiteral("/img%1.png").arg(i, 3, 10, QLatin1Char('0')), QSize(8, 8),
                                QColor::fromHsv(i * 2, 200, 200));
    TForm1 &form = f.open();
    form.state.ThumbWidth = 150;
    form.state.ThumbHeight = 150;
    f.options->UpDown1->setPosition(6);
    f.showFolder(form);
    QCOMPARE(form.ListView1->captions().size(), 8);
    f.answer(QDialog::Accepted);
    form.PrintButton->click();
    QCOMPARE(f.dialogs->calls, (QStringList{QStringLiteral("print"), QStringLiteral("modal")}));
    QCOMPARE(pdf::pageCount(f.dialogs->pdfPath), 2);
    for (int page = 1; page <= 2; ++page) {
        const QString text = pdf::text(f.dialogs->pdfPath, page);
        QVERIFY2(text.contains(QStringLiteral("Page %1").arg(page)), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Holiday Sheet")));
        QVERIFY(text.contains(QStringLiteral("Foot Note Here")));
    }
    // Cells follow the list's order, which is the folder's unless sorted.
    const QStringList captions = form.ListView1->captions();
    const QString first = pdf::text(f.dialogs->pdfPath, 1);
    const QString second = pdf::text(f.dialogs->pdfPath, 2);
    for (int i = 0; i < captions.size(); ++i)
        QVERIFY2((i < 6 ? first : second).contains(captions[i]), qPrintable(captions[i]));
    QVERIFY(!first.contains(captions[6]));
    QVERIFY(!second.contains(captions[5]));
    QCOMPARE(f.status(form), QStringLiteral("Finished Printing Images"));
    QCOMPARE(form.ProgressBar1->value(), 0);
    QVERIFY(!form.state.PrintBusy);
    QVERIFY(f.prompter.shown.isEmpty());
}

void TestPrintCommands::cancellingEitherDialogPrintsNothing_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("printDialogAnswer");
    QTest::addColumn<QStringList>("calls");
    const QStringList both{QStringLiteral("print"), QStringLiteral("modal")};
    QTest::newRow("sheet, print dialog") << "PrintButtonClick" << false << QStringList{QStringLiteral("print")};
    QTest::newRow("sheet, options dialog") << "PrintButtonClick" << true << both;
    QTest::newRow("image, print dialog") << "Print2Click" << false << QStringList{QStringLiteral("print")};
}

void TestPrintCommands::cancellingEitherDialogPrintsNothing()
{
    QFETCH(QString, command);
    QFETCH(bool, printDialogAnswer);
    QFETCH(QStringList, calls);
    PrintFixture f;
    printtest::writePicture(f.folder + "/a.png", QSize(10, 10));
    TForm1 &form = f.open();
    f.showFolder(form);
    f.select(form, QStringLiteral("a.png"));
    f.dialogs->printAnswers.enqueue(printDialogAnswer);
    f.dialogs->modal = [](QDialog &) { return int(QDialog::Rejected); };
    if (command == QLatin1String("PrintButtonClick"))
        form.PrintButtonClick();
    else
        form.Print2Click();
    QCOMPARE(f.dialogs->calls, calls);
    QCOMPARE(f.status(form), QStringLiteral("Printer Selection"));
    QVERIFY(!f.printed());
}

void TestPrintCommands::sheetRunMarksPrintBusy()
{
    PrintFixture f;
    printtest::writePicture(f.folder + "/a.png", QSize(10, 10));
    TForm1 &form = f.open();
    f.showFolder(form);
    f.answer(QDialog::Accepted);
    // Fires whenever the run lets messages through.
    bool busyWhilePrinting = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, &form, [&] { busyWhilePrinting |= form.state.PrintBusy; });
    watcher.start(0);
    form.PrintButtonClick();
    watcher.stop();
    QVERIFY(busyWhilePrinting);
    QVERIFY(!form.state.PrintBusy);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QCOMPARE(pdf::pageCount(f.dialogs->pdfPath), 1);
}

void TestPrintCommands::previewShowsThePagesThePrintWouldGive()
{
    PrintFixture f;
    printtest::writePicture(f.folder + "/a.png", QSize(10, 10));
    TForm1 &form = f.open();
    f.showFolder(form);
    f.answer(TForm10::PreviewResult);
    form.PrintButtonClick();
    QVERIFY(f.dialogs->calls.contains(QStringLiteral("preview")));
    QVERIFY(!f.printed());
    QCOMPARE(pdf::pageCount(f.dialogs->previewPdfPath), 1);
    const QString text = pdf::text(f.dialogs->previewPdfPath);
    QVERIFY(text.contains(QStringLiteral("a.png")));
    QVERIFY(text.contains(QStringLiteral("Page 1")));
}

void TestPrintCommands::singleImageFromTheList()
{
    PrintFixture f;
    printtest::writePicture(f.folder + "/a.png", QSize(10, 10));
    printtest::writePicture(f.folder + "/b.png", QSize(100, 80), Qt::blue);
    TForm1 &form = f.open();
    f.showFolder(form);
    f.select(form, QStringLiteral("b.png"));
    f.answer(QDialog::Accepted, QStringLiteral("Single Picture"));
    form.action(QStringLiteral("Print2"))->trigger();
    QCOMPARE(pdf::pageCount(f.dialogs->pdfPath), 1);
    const QString text = pdf::text(f.dialogs->pdfPath);
    QVERIFY(text.contains(QStringLiteral("Page 1")));
    QVERIFY(text.contains(QStringLiteral("Single Picture")));
    QCOMPARE(f.status(form), QStringLiteral("Finished Printing"));
    QCOMPARE(f.viewer->ImageBox1->picture().size(), QSize(100, 80));
    // Three printer dots of 1/300 inch a pixel: 25.4 x 20.3 mm on paper.
    const QList<pdf::Image> images = pdf::images(f.dialogs->pdfPath);
    QCOMPARE(images.size(), 1);
    QVERIFY2(qAbs(images[0].widthMm() - 25.4) <= 0.5 && qAbs(images[0].heightMm() - 20.3) <= 0.5,
             qPrintable(QStringLiteral("%1 x %2 mm").arg(images[0].widthMm()).arg(images[0].heightMm())));
    QVERIFY(!form.isBusy());
    QVERIFY(!form.state.PrintBusy);
    QVERIFY(f.prompter.shown.isEmpty());
}

// At scale 3 a 2000 x 1500 picture would be half a metre wide: it is
// fitted to the page's printable width, proportions kept, not cut off.
void TestPrintCommands::pictureLargerThanThePageIsFitted()
{
    PrintFixture f;
    printtest::writePicture(f.folder + "/wide.png", QSize(2000, 1500), Qt::darkGreen);
    TForm1 &form = f.open();
    f.showFolder(form);
    f.select(form, QStringLiteral("wide.png"));
    f.answer(QDialog::Accepted);
    form.action(QStringLiteral("Print2"))->trigger();
    const QList<pdf::Image> images = pdf::images(f.dialogs->pdfPath);
    QCOMPARE(images.size(), 1);
    const double width = images[0].widthMm(), height = images[0].heightMm();
    QVERIFY2(width > 190 && width <= 210 && qAbs(width / height - 4.0 / 3.0) < 0.01,
             qPrintable(QStringLiteral("%1 x %2 mm").arg(width).arg(height)));
}

// Print Options opens over the window that asked for it, wherever that is,
// every time.
void TestPrintCommands::optionsOpenCentredOverTheirWindow()
{
    PrintFixture f;
    TForm1 &form = f.open();
    form.show();
    QList<QPoint> offsets;
    for (const QPoint &place : {QPoint(20, 20), QPoint(200, 150), QPoint(20, 20)}) {
        form.move(place);
        f.dialogs->printAnswers.enqueue(true);
        f.dialogs->modal = [&](QDialog &dialog) {
            offsets.append(dialog.frameGeometry().center() - form.frameGeometry().center());
            return int(QDialog::Rejected);
        };
        form.PrintButtonClick();
    }
    QCOMPARE(offsets.size(), 3);
    for (const QPoint &offset : offsets)
        QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
}

void TestPrintCommands::singleImageNeedsASelection()
{
    PrintFixture f;
    printtest::writePicture(f.folder + "/a.png", QSize(10, 10));
    TForm1 &form = f.open();
    f.showFolder(form);
    form.ListView1->activeView()->clearSelection();
    const QString before = f.status(form);
    form.Print2Click();
    QVERIFY(f.dialogs->calls.isEmpty());
    QCOMPARE(f.status(form), before);
}

void TestPrintCommands::singleImageCancelledLeavesBusyMode()
{
    PrintFixture f;
    printtest::writePicture(f.folder + "/a.png", QSize(10, 10));
    TForm1 &form = f.open();
    f.showFolder(form);
    f.select(form, QStringLiteral("a.png"));
    f.dialogs->printAnswers.enqueue(true);
    form.Print2Click();
    QCOMPARE(f.status(form), QStringLiteral("Finished Printing"));
    QVERIFY(!form.isBusy());
    QVERIFY(form.PrintButton->isEnabled());
    QVERIFY(!form.StopButton->isEnabled());
    QVERIFY(!f.printed());
}

void TestPrintCommands::unreadableSingleImageIsReported()
{
    PrintFixture f;
    TestEnvironment::writeFile(f.folder + "/broken.png", QByteArray("not a png"));
    TForm1 &form = f.open();
    f.showFolder(form);
    f.select(form, QStringLiteral("broken.png"));
    f.answer(QDialog::Accepted);
    form.Print2Click();
    QVERIFY(f.prompter.texts(QStringLiteral("error")).contains(QStringLiteral("Error Printing File broken.png")));
    // The page texts drawn before the failure still print.
    QCOMPARE(pdf::pageCount(f.dialogs->pdfPath), 1);
    QVERIFY(pdf::text(f.dialogs->pdfPath).contains(QStringLiteral("Page 1")));
    QCOMPARE(f.status(form), QStringLiteral("Finished Printing"));
}

void TestPrintCommands::viewerAndMetafileWindowPrint()
{
    PrintFixture f;
    printtest::writePicture(f.folder + "/b.png", QSize(100, 80), Qt::blue);
    TestEnvironment::writeFile(f.folder + "/box.wmf", printtest::rectangleMetafile());
    f.open();
    QVERIFY(f.viewer->ImageBox1->setImageName(f.folder + "/b.png"));
    f.viewer->showFileName(QStringLiteral("b.png"));
    f.answer(QDialog::Accepted, QStringLiteral("From The Viewer"));
    f.viewer->findChild<QAction *>(QStringLiteral("Print1"))->trigger();
    QCOMPARE(pdf::pageCount(f.dialogs->pdfPath), 1);
    QVERIFY(pdf::text(f.dialogs->pdfPath).contains(QStringLiteral("From The Viewer")));
    QCOMPARE(f.viewer->StatusBar1->text(), QStringLiteral("Finished Printing"));

    QFile::remove(f.dialogs->pdfPath);
    QVERIFY(f.metafileWindow->loadFile(f.folder + "/box.wmf"));
    f.answer(QDialog::Accepted, QStringLiteral("Printed In Form Seven"));
    f.metafileWindow->findChild<QAction *>(QStringLiteral("Print1"))->trigger();
    QCOMPARE(pdf::pageCount(f.dialogs->pdfPath), 1);
    QVERIFY2(pdf::text(f.dialogs->pdfPath).contains(QStringLiteral("Printed In Form Seven")),
             qPrintable(pdf::text(f.dialogs->pdfPath)));
    QCOMPARE(f.metafileWindow->StatusBar1->text(), QStringLiteral("Finished Printing"));
    QVERIFY(f.prompter.shown.isEmpty());
}

void TestPrintCommands::viewerPrintCancelledChangesNothing()
{
    PrintFixture f;
    f.open();
    f.viewer->StatusBar1->setText(QStringLiteral("b.png"));
    f.viewer->findChild<QAction *>(QStringLiteral("Print1"))->trigger();
    QCOMPARE(f.viewer->StatusBar1->text(), QStringLiteral("b.png"));
    f.dialogs->printAnswers.enqueue(true);
    f.viewer->findChild<QAction *>(QStringLiteral("Print1"))->trigger();
    QCOMPARE(f.viewer->StatusBar1->text(), QStringLiteral("Finished Printing"));
    QVERIFY(!f.printed());
}

// A file the printer cannot write is not passed off as printed.
void TestPrintCommands::printerRefusalIsReported()
{
    PrintFixture f;
    printtest::writePicture(f.folder + "/a.png", QSize(10, 10));
    TForm1 &form = f.open();
    f.showFolder(form);
    f.dialogs->pdfPath = f.env.root() + "/no/such/folder/printed.pdf";
    f.answer(QDialog::Accepted);
    form.PrintButtonClick();
    QCOMPARE(f.prompter.texts(QStringLiteral("error")), QStringList{QStringLiteral("Printing Failed")});
    QVERIFY(!form.state.PrintBusy);
}

void TestPrintCommands::printerSetUp()
{
    PrintFixture f;
    TForm1 &form = f.open();
    form.PrintSetUpButton->click();
    QCOMPARE(f.status(form), QStringLiteral("Printer Set Up"));
    f.metafileWindow->findChild<QAction *>(QStringLiteral("PrintersetUp1"))->trigger();
    f.viewer->findChild<QAction *>(QStringLiteral("PrinterSetUp1"))->trigger();
    QCOMPARE(f.dialogs->calls, QStringList(3, QStringLiteral("setUp")));
}

void TestPrintCommands::fontsWindowIsShownModally()
{
    PrintFixture f;
    TForm1 &form = f.open();
    QString title;
    int fonts = 0;
    f.dialogs->modal = [&](QDialog &dialog) {
        auto *window = qobject_cast<TForm12 *>(&dialog);
        if (!window)
            return int(QDialog::Rejected);
        title = window->windowTitle();
        window->FormActivate();
        fonts = window->ListBox1->count();
        return int(QDialog::Accepted);
    };
    form.action(QStringLiteral("Fonts1"))->trigger();
    QCOMPARE(title, QStringLiteral("Fonts Window"));
    QVERIFY(fonts > 0);
    QVERIFY(form.findChildren<TForm12 *>().isEmpty());
}

QTEST_MAIN(TestPrintCommands)
#include "tst_printcommands.moc"
