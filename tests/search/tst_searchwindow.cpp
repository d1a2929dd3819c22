// The search window on generated trees: the search, its results and the
// file commands on them, with scripted answers.
#include "commands/programstate.h"
#include "app/unit1.h"
#include "browse/fileitemmodel.h"
#include "browse/imagelistview.h"
#include "dialogs/about.h"
#include "dialogs/contexthelp.h"
#include "dialogs/helpcommands.h"
#include "fileops/copy.h"
#include "fileops/prop.h"
#include "fileops/rename.h"
#include "convert/convert.h"
#include "imagebox/imagebox.h"
#include "viewer/pic.h"
#include "viewer/wmf.h"
#include "platform/filesystem.h"
#include "printing/pdfreader.h"
#include "printing/printcommands.h"
#include "printing/printfor.h"
#include "printing/printtestfiles.h"
#include "printing/recordinghelp.h"
#include "printing/scriptedprintdialogs.h"
#include "printing/sharedprinter.h"
#include "search/search.h"
#include "support/mainwindowfixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include "support/modaldialog.h"

namespace {

bool hasDarkPixels(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0 && qGray(image.pixel(x, y)) < 100)
                return true;
    return false;
}

void writeImage(const QString &path)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(path, "BMP"));
}
} // namespace

struct SearchFixture
{
    TestEnvironment env;
    ScriptedPrompter prompter;
    FakeShell shell;
    ProgramState state;
    TForm4 form4;
    TForm5 form5{prompter};
    TForm8 form8;
    TForm6 form6{prompter};
    TOKBottomDlg viewer{prompter};
    TForm7 form7;
    RecordingHelp helpSystem;
    HelpCommands help{helpSystem, prompter, env.root()};
    SharedPrinter printer;
    ScriptedPrintDialogs dialogs;
    PrintCommands printing{printer, dialogs, prompter};
    TForm10 printOptions{printer, dialogs, help};
    TForm11 window{{.commands = {.prompter = &prompter,
                                 .files = &systemFileSystem(),
                                 .shell = &shell,
                                 .state = &state,
                                 .rename = &form4,
                                 .copyTarget = &form5,
                                 .properties = &form8,
                                 .convert = &form6,
                                 .viewer = &viewer,
                                 .metafileWindow = &form7,
                                 .printing = &printing},
                    .help = &help}};
    QString statusAtOptions;   // the status shown when the options dialog came up

    SearchFixture()
    {
        printing.setOptionsDialog(&printOptions);
        dialogs.pdfPath = env.root() + "/printed.pdf";
    }

    void search(const QString &path, int type)
    {
        window.PathEdit->setText(path);
        window.FileTypeComboBox->setCurrentIndex(type);
        window.StartButton->click();
    }
    void selectRows(const QList<int> &rows)
    {
        QAbstractItemView *view = window.ListView1->activeView();
        view->clearSelection();
        for (int row : rows)
            view->selectionModel()->select(view->model()->index(row, 0), QItemSelectionModel::Select);
    }
    QString cell(int row, int column) const
    {
        return window.ListView1->items()->index(row, column).data().toString();
    }
    // Renames the selected entry through the dialog; the path it showed.
    QString renameSelectedTo(const QString &newName)
    {
        QString shown;
        whenModalShown<TForm4>([&](TForm4 &dialog) {
            shown = dialog.Label2->text();
            dialog.Edit1->setText(newName);
            dialog.OkButton->click();
        });
        window.Rename1Click();
        return shown;
    }
    // Every type searched in a folder holding a broken icon and a 40 x 30
    // picture, listed in that order.
    QString searchPictureAndBrokenIcon()
    {
        const QString root = env.makeFolder("Pics");
        printtest::writePicture(root + "/Big.PNG", QSize(40, 30));
        TestEnvironment::writeFile(root + "/Bad.ico", QByteArray("not an icon"));
        search(root, 0);
        return root;
    }
    // The print dialog says yes; the options dialog gets a header and OK.
    void acceptPrinting(const QString &header)
    {
        dialogs.printAnswers.enqueue(true);
        dialogs.modal = [this, header](QDialog &dialog) {
            statusAtOptions = window.statusText();
            auto &options = static_cast<TForm10 &>(dialog);
            options.FormActivate();
            options.HeaderEdit->setText(header);
            return int(QDialog::Accepted);
        };
    }
};

class TestSearchWindow : public QObject
{
    Q_OBJECT

private slots:
    void listsFilesInOrderWithTextsAndPictures()
    {
        SearchFixture f;
        const QString root = f.env.makeFolder("Pics");
        QDir(root).mkpath("Old");
        writeImage(root + "/A.bmp");
        TestEnvironment::writeFile(root + "/Old/b.bmp", 1024);
        TestEnvironment::writeFile(root + "/Old/c.bmp", 1025);
        TestEnvironment::writeFile(root + "/Old/d.bmp", 3000000);
        f.search(root, 1);
        QCOMPARE(f.window.resultCaptions().size(), 4);
        QCOMPARE(f.window.resultCaptions().first(), (root + "/a.bmp").toLower());
        QCOMPARE(f.window.resultPaths().first(), root + "/A.bmp");
        QCOMPARE(f.window.statusText(), QString("Finished, Found 4 Files"));
        QStringList sizes;
        for (int row = 1; row < 4; ++row)
            sizes.append(f.cell(row, FileItemModel::SizeColumn));
        sizes.sort();
        QCOMPARE(sizes, QStringList({"1024 Bytes", "1K", "2930K"}));
        QVERIFY(!f.cell(0, FileItemModel::DateColumn).isEmpty());
        QCOMPARE(f.window.ImageList1.count(), 4);
        // The damaged files carry a picture with writing on white, the good one red.
        const QImage good = f.window.ImageList1.at(0).toImage();
        QCOMPARE(good.size(), QSize(50, 50));
        QCOMPARE(QColor(good.pixel(25, 25)), QColor(Qt::red));
        const QImage damaged = f.window.ImageList1.at(1).toImage();
        QVERIFY(hasDarkPixels(damaged, QRect(0, 0, 40, 16)));
        QVERIFY(!hasDarkPixels(damaged, QRect(0, 25, 50, 25)));
    }

    void windowKeepsItsSizeAndDatesFit()
    {
        SearchFixture f;
        const QString root = f.env.makeFolder("pics");
        TestEnvironment::writeFile(root + "/a.bmp", 10);
        f.window.show();
        QCOMPARE(f.window.size(), QSize(580, 366));
        f.search(root, 1);
        auto *report = qobject_cast<QTreeView *>(f.window.ListView1->activeView());
        QVERIFY(report);
        QCOMPARE(report->columnWidth(FileItemModel::FileColumn), 290);
        QCOMPARE(report->columnWidth(FileItemModel::SizeColumn), 110);
        const int dateWidth = report->columnWidth(FileItemModel::DateColumn);
        QVERIFY(dateWidth >= 120);
        QVERIFY(report->fontMetrics().horizontalAdvance(f.cell(0, FileItemModel::DateColumn)) < dateWidth);
    }

    void nothingFound()
    {
        SearchFixture f;
        const QString root = f.env.makeFolder("empty");
        f.search(root, 3);
        QCOMPARE(f.window.statusText(), QString("No Files Found"));
        QCOMPARE(f.window.ListView1->count(), 0);
    }

    void missingFolderKeepsResults()
    {
        SearchFixture f;
        const QString root = f.env.makeFolder("pics");
        TestEnvironment::writeFile(root + "/a.bmp", 10);
        f.search(root, 1);
        f.search(root + "/gone", 1);
        QCOMPARE(f.prompter.texts("error"), QStringList({"Directory Does Not Exist " + root + "/gone"}));
        QCOMPARE(f.window.ListView1->count(), 1);
    }

    void refusedInput()
    {
        SearchFixture f;
        f.search("/", 1);
        f.search("", -1);
        QCOMPARE(f.prompter.texts("error"),
                 QStringList({"Search Path Incorrect", "Search Path Incorrect", "No File Type Selected"}));
    }

    // The first opening centres the window over the one that opened it.
    void opensCentredOverItsOwner()
    {
        MainWindowFixture main;
        TForm1 &form = main.create();
        form.state.FirstActivation = false;
        form.show();
        form.move(20, 30);
        TForm11 search({.commands = {.prompter = &main.prompter, .files = &systemFileSystem(), .state = &form.state}},
                       &form);
        search.openFor(main.env.root());
        QVERIFY(search.isVisible());
        const QPoint offset = search.frameGeometry().center() - form.frameGeometry().center();
        QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
        search.hide();
    }

    void mainWindowSearchEmptiesTheList()
    {
        MainWindowFixture main;
        SearchFixture f;
        const QString root = f.env.makeFolder("pics");
        TestEnvironment::writeFile(root + "/a.bmp", 10);
        f.search(root, 1);
        TForm1 &form = main.create();
        form.state.CurrentDir = root;
        form.attachParts({.search = &f.window});
        form.Search2Click();
        QCOMPARE(f.window.ListView1->count(), 0);
        QCOMPARE(f.window.ImageList1.count(), 0);
        QCOMPARE(f.window.PathEdit->text(), root + QDir::separator());
        QCOMPARE(f.window.FileTypeComboBox->currentIndex(), 1);
        QVERIFY(f.window.isVisible());
    }

    void moveButtonMovesTheRealFiles()
    {
        SearchFixture f;
        const QString root = f.env.makeFolder("Pics");
        const QString out = f.env.makeFolder("out");
        QDir(root).mkpath("Old");
        TestEnvironment::writeFile(root + "/Old/B.BMP", 10);
        TestEnvironment::writeFile(root + "/c.bmp", 10);
        f.search(root, 1);
        f.selectRows({1});
        f.form5.CheckBox1->setChecked(true);
        f.form5.Edit1->setText("remembered");
        QString offered = "unset";
        whenModalShown<TForm5>([&](TForm5 &dialog) {
            offered = dialog.Edit1->text();
            dialog.Edit1->setText(out);
            dialog.Okbutton->click();
        });
        f.window.MoveButton->click();
        QCOMPARE(offered, QString());
        QVERIFY(QFile::exists(out + "/B.BMP"));
        QVERIFY(!QFile::exists(root + "/Old/B.BMP"));
        QCOMPARE(f.window.resultPaths(), QStringList({root + "/c.bmp"}));
        QCOMPARE(f.window.statusText(), QString("Operation Completed"));
    }

    void viewerWalksTheResults()
    {
        SearchFixture f;
        const QString root = f.env.makeFolder("Pics");
        QDir(root).mkpath("Sub");
        writeImage(root + "/a.bmp");
        writeImage(root + "/Sub/b.bmp");
        f.search(root, 1);
        const QStringList found = f.window.resultPaths();
        QCOMPARE(found.size(), 2);
        f.selectRows({0});
        f.window.View1Click();
        QVERIFY(f.viewer.isVisible());
        QCOMPARE(f.viewer.windowTitle(), found[0]);
        f.viewer.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.viewer));
        QTest::keyClick(&f.viewer, Qt::Key_PageDown);
        QCOMPARE(f.viewer.windowTitle(), found[1]);
        QCOMPARE(f.viewer.StatusBar1->text(), found[1]);
        QTest::keyClick(&f.viewer, Qt::Key_PageUp);
        QCOMPARE(f.viewer.windowTitle(), found[0]);
        f.viewer.close();
    }

    void copyAsksWithTheFullPath()
    {
        SearchFixture f;
        const QString root = f.env.makeFolder("pics");
        const QString out = f.env.makeFolder("out");
        QDir(root).mkpath("a");
        QDir(root).mkpath("b");
        TestEnvironment::writeFile(root + "/a/x.bmp", 10);
        TestEnvironment::writeFile(root + "/b/x.bmp", 20);
        f.search(root, 1);
        f.selectRows({0, 1});
        f.prompter.answers.enqueue(Prompter::Button::Ok);
        whenModalShown<TForm5>([&](TForm5 &dialog) {
            dialog.Edit1->setText(out);
            dialog.Okbutton->click();
        });
        f.window.CopyButton->click();
        QCOMPARE(f.prompter.texts("confirm"),
                 QStringList({"File already exists " + f.window.resultPaths().at(1) + " Overwrite ?"}));
        QCOMPARE(QFileInfo(out + "/x.bmp").size(), QFileInfo(f.window.resultPaths().at(1)).size());
        QCOMPARE(f.window.ListView1->count(), 2);
    }

    void renameThroughTheDialog()
    {
        SearchFixture f;
        const QString root = f.env.makeFolder("Pics");
        QDir(root).mkpath("Old");
        TestEnvironment::writeFile(root + "/Old/B.bmp", 10);
        f.search(root, 1);
        f.selectRows({0});
        QCOMPARE(f.renameSelectedTo("C.bmp"), root + "/Old/B.bmp");
        QVERIFY(QFile::exists(root + "/Old/C.bmp"));
        QCOMPARE(f.window.resultPaths(), QStringList({root + "/Old/C.bmp"}));
        QCOMPARE(f.window.resultCaptions(), QStringList({(root + "/Old/").toLower() + "C.bmp"}));
        QCOMPARE(f.window.statusText(), QString("File Renamed"));
    }

    // The shared dialogs belong to the search window while it has them open,
    // so the window manager gives the focus back to it when they close.
    void dialogsBelongToTheWindowThatOpenedThem()
    {
        SearchFixture f;
        const QString root = f.env.makeFolder("Pics");
        TestEnvironment::writeFile(root + "/B.bmp", 10);
        f.search(root, 1);
        f.selectRows({0});
        QWidget *renameOwner = nullptr;
        whenModalShown<TForm4>([&](TForm4 &dialog) {
            renameOwner = dialog.parentWidget();
            dialog.CancelButton->click();
        });
        f.window.Rename1Click();
        QWidget *copyOwner = nullptr;
        whenModalShown<TForm5>([&](TForm5 &dialog) {
            copyOwner = dialog.parentWidget();
            dialog.reject();
        });
        f.window.CopyButton->click();
        QCOMPARE(renameOwner, &f.window);
        QCOMPARE(copyOwner, &f.window);
        QVERIFY(!f.form4.parentWidget());
        QVERIFY(!f.form5.parentWidget());
        QVERIFY(f.form4.isWindow());
    }

    void renamesByFullPath()
    {
        SearchFixture f;
        const QString root = f.env.makeFolder("Pics");
        const QString other = f.env.makeFolder("Other");
        TestEnvironment::writeFile(root + "/B.bmp", 10);
        f.search(root, 1);
        QCOMPARE(f.window.ListView1->items()->index(0, 0).data(Qt::EditRole).toString(), root + "/B.bmp");
        f.window.ListView1Edited(root + "/B.bmp", other + "/D.bmp");
        QVERIFY(QFile::exists(other + "/D.bmp"));
        QCOMPARE(f.window.resultPaths(), QStringList({other + "/D.bmp"}));
        f.window.ListView1Edited(other + "/D.bmp", "");
        f.window.ListView1Edited(other + "/D.bmp", other + "/D.bmp");
        QCOMPARE(f.prompter.texts("error"),
                 QStringList({"No Name Provided", "File Already Exists " + other + "/D.bmp"}));
        QCOMPARE(f.window.resultPaths(), QStringList({other + "/D.bmp"}));
        // The dialog takes a full path as it stands.
        f.selectRows({0});
        f.renameSelectedTo(root + "/E.bmp");
        QVERIFY(QFile::exists(root + "/E.bmp"));
        QCOMPARE(f.window.resultPaths(), QStringList({root + "/E.bmp"}));
        QCOMPARE(f.window.resultCaptions(), QStringList({root + "/E.bmp"}));
    }

    void relativePathSearchesKeepFullPaths()
    {
        SearchFixture f;
        const QString root = f.env.makeFolder("Pics");
        const QString elsewhere = f.env.makeFolder("Elsewhere");
        TestEnvironment::writeFile(root + "/A.bmp", 10);
        TestEnvironment::writeFile(elsewhere + "/A.bmp", 10);
        QVERIFY(QDir::setCurrent(f.env.root()));
        f.search("Pics", 1);
        QCOMPARE(f.window.resultPaths(), QStringList({root + "/A.bmp"}));
        // The working folder moves on (browsing does that); delete still
        // removes the file that was found.
        QVERIFY(QDir::setCurrent(elsewhere));
        f.selectRows({0});
        f.prompter.answers.enqueue(Prompter::Button::Ok);
        f.window.Delete1Click();
        QVERIFY(!QFile::exists(root + "/A.bmp"));
        QVERIFY(QFile::exists(elsewhere + "/A.bmp"));
    }

    void vanishedFolderEndsTheSearch()
    {
        SearchFixture f;
        const QString root = f.env.makeFolder("Pics");
        TestEnvironment::writeFile(root + "/A.bmp", 10);
        // Gone between the check and the walk.
        QTimer::singleShot(0, [&] { QVERIFY(QDir(root).removeRecursively()); });
        f.search(root, 1);
        QCOMPARE(f.prompter.texts("error"), QStringList({"Directory Does Not Exist " + root}));
        QCOMPARE(f.window.statusText(), QString("No Files Found"));
        QCOMPARE(f.window.ListView1->count(), 0);
    }

    void helpTopicsForF1()
    {
        SearchFixture f;
        QCOMPARE(ContextHelp::contextFor(f.window.PathEdit), 35);
        QCOMPARE(ContextHelp::contextFor(f.window.ListView1->activeView()), 2);
        const QList<QPair<QMenu *, int>> headings = {{f.window.File1, 21}, {f.window.Image1, 22}, {f.window.Help1, 32}};
        for (const auto &[menu, context] : headings)
            QCOMPARE(menu->menuAction()->property("helpContext").toInt(), context);
    }

    void deleteRemovesFilesAndEntries()
    {
        SearchFixture f;
        const QString root = f.env.makeFolder("Pics");
        TestEnvironment::writeFile(root + "/A.bmp", 10);
        TestEnvironment::writeFile(root + "/b.bmp", 10);
        f.search(root, 1);
        const int row = int(f.window.resultPaths().indexOf(root + "/A.bmp"));
        f.selectRows({row});
        f.prompter.answers.enqueue(Prompter::Button::Ok);
        f.window.DeleteButton->click();
        QCOMPARE(f.prompter.texts("confirm"), QStringList{"Confirm File Delete\n\n" + root + "/A.bmp goes to the trash."});
        QVERIFY(!QFile::exists(root + "/A.bmp"));
        QVERIFY(QFile::exists(f.env.trashFolder() + "/files/A.bmp"));
        QCOMPARE(f.window.resultPaths(), QStringList({root + "/b.bmp"}));
        QCOMPARE(f.window.statusText(), QString("Finished"));
        f.window.ListView1->activeView()->clearSelection();
        f.window.Delete1Click();
        QCOMPARE(f.prompter.texts("error"), QStringList({"No Files Selected"}));
    }

    void propertiesShowNameFolderAndSize()
    {
        SearchFixture f;
        const QString root = f.env.makeFolder("Pics");
        QDir(root).mkpath("Old");
        TestEnvironment::writeFile(root + "/Old/B.bmp", 1234);
        f.search(root, 1);
        f.selectRows({0});
        QStringList shown;
        whenModalShown<TForm8>([&](TForm8 &dialog) {
            shown = {dialog.FileLabel->text(), dialog.DirLabel->text(), dialog.SizeLabel->text()};
            dialog.reject();
        });
        f.window.Properties2Click();
        QCOMPARE(shown.value(0), QString("B.bmp"));
        QCOMPARE(shown.value(1), root + "/Old/");
        QVERIFY(shown.value(2).contains("1234"));
    }

    void convertWritesIntoOneTarget()
    {
        SearchFixture f;
        const QString root = f.env.makeFolder("Pics");
        const QString out = f.env.makeFolder("out");
        QDir(root).mkpath("a");
        QDir(root).mkpath("B");
        writeImage(root + "/a/one.bmp");
        writeImage(root + "/B/Two.bmp");
        f.search(root, 1);
        f.window.SelectAll1Click();
        QCOMPARE(f.window.statusText(), QString("All Files Selected"));
        whenModalShown<TForm6>([&](TForm6 &dialog) {
            dialog.setKindItem(4);
            dialog.Edit1->setText(out);
            dialog.accept();
        });
        f.window.Convert1Click();
        QStringList written = QDir(out).entryList(QDir::Files);
        written.sort();
        QCOMPARE(written, QStringList({"Two.png", "one.png"}));
        QCOMPARE(f.window.statusText(), QString("Finished Converting Files"));
    }

    void launchOpensTheRealPath()
    {
        SearchFixture f;
        const QString root = f.env.makeFolder("Pics");
        TestEnvironment::writeFile(root + "/A.bmp", 10);
        f.search(root, 1);
        f.selectRows({0});
        f.window.LaunchApp1Click();
        QCOMPARE(f.shell.opened, QStringList({root + "/A.bmp"}));
    }

    void sizeAndDateShowAsEachEntryArrives()
    {
        SearchFixture f;
        const QString root = f.env.makeFolder("pics");
        TestEnvironment::writeFile(root + "/a.bmp", 1024);
        TestEnvironment::writeFile(root + "/b.bmp", 3000000);
        FileItemModel *items = f.window.ListView1->items();
        QStringList seenOnArrival;
        QObject::connect(items, &QAbstractItemModel::rowsInserted, [&](const QModelIndex &, int row, int) {
            const bool dated = !items->index(row, FileItemModel::DateColumn).data().toString().isEmpty();
            seenOnArrival.append(items->index(row, FileItemModel::SizeColumn).data().toString()
                                 + (dated ? " dated" : " undated"));
        });
        f.search(root, 1);
        seenOnArrival.sort();
        QCOMPARE(seenOnArrival, QStringList({"1024 Bytes dated", "2930K dated"}));
    }

    void stopKeepsWhatWasListed()
    {
        SearchFixture f;
        const QString root = f.env.makeFolder("many");
        for (int i = 0; i < 50; ++i)
            writeImage(root + QString("/p%1.bmp").arg(i, 2, 10, QChar('0')));
        QTimer stopper;
        QObject::connect(&stopper, &QTimer::timeout, [&] {
            if (f.window.statusText() == "Creating Thumbnails")
                f.window.StopButton->click();
        });
        stopper.start(0);
        f.search(root, 1);
        stopper.stop();
        QCOMPARE(f.window.statusText(), QString("Process Halted"));
        const qsizetype listed = f.window.ListView1->count();
        QVERIFY2(listed > 0 && listed < 50, qPrintable(QString::number(listed)));
        QCOMPARE(f.window.ImageList1.count(), listed);
        QVERIFY(f.window.StartButton->isEnabled());
        QVERIFY(!f.window.StopButton->isEnabled());
        f.search(root, 1);
        QCOMPARE(f.window.ListView1->count(), 50);
        QCOMPARE(f.window.statusText(), QString("Finished, Found 50 Files"));
    }

    void viewShowsTheRealFile()
    {
        SearchFixture f;
        const QString root = f.searchPictureAndBrokenIcon();
        QCOMPARE(f.window.resultPaths(), QStringList({root + "/Bad.ico", root + "/Big.PNG"}));
        f.selectRows({1});
        const QString status = f.window.statusText();
        f.window.action("View1")->trigger();
        QVERIFY(f.viewer.isVisible());
        QCOMPARE(f.viewer.ImageBox1->picture().size(), QSize(40, 30));
        QCOMPARE(f.window.statusText(), status);
        f.viewer.hide();
        QAbstractItemView *view = f.window.ListView1->activeView();
        emit view->doubleClicked(view->model()->index(1, 0));
        QVERIFY(f.viewer.isVisible());
        f.selectRows({0});
        f.window.action("View2")->trigger();
        QCOMPARE(f.prompter.texts("error"), QStringList({"Error Loading Image " + root + "/Bad.ico"}));
    }

    void toClipboardCopiesTheRealFile()
    {
        SearchFixture f;
        const QString root = f.searchPictureAndBrokenIcon();
        f.selectRows({1});
        f.window.action("ToClipboard1")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(40, 30));
        QCOMPARE(f.window.statusText(), QString("Image Copied To Clipboard"));
        f.selectRows({0});
        f.window.action("ToClipboard2")->trigger();
        QCOMPARE(f.prompter.texts("error"), QStringList({"Error Loading Image"}));
    }

    void printThumbSheetPrintsEveryEntry()
    {
        SearchFixture f;
        const QString root = f.env.makeFolder("Pics");
        QDir(root).mkpath("Sub");
        printtest::writePicture(root + "/Alpha.png", QSize(20, 20));
        printtest::writePicture(root + "/Sub/Beta.png", QSize(30, 10), Qt::blue);
        f.search(root, 8);
        f.selectRows({0});
        f.acceptPrinting("Found Pictures");
        f.window.action("Print1")->trigger();
        QCOMPARE(pdf::pageCount(f.dialogs.pdfPath), 1);
        const QString text = pdf::text(f.dialogs.pdfPath);
        for (const char *expected : {"Found Pictures", "Alpha.png", "Beta.png"})
            QVERIFY2(text.contains(expected), qPrintable(text));
        QCOMPARE(f.window.statusText(), QString("Finished Printing Images"));
        QCOMPARE(f.window.ProgressBar1->value(), 0);
        QVERIFY(f.prompter.shown.isEmpty());
    }

    void printOneImageByItsRealPath()
    {
        SearchFixture f;
        const QString root = f.env.makeFolder("Pics");
        QDir(root).mkpath("Old");
        TestEnvironment::writeFile(root + "/broken.png", QByteArray("not a png"));
        printtest::writePicture(root + "/Old/B.png", QSize(100, 80), Qt::blue);
        f.search(root, 8);
        QCOMPARE(f.window.resultPaths(), QStringList({root + "/broken.png", root + "/Old/B.png"}));

        f.selectRows({1});
        f.acceptPrinting("Single Picture");
        f.window.action("Print2")->trigger();
        QCOMPARE(f.statusAtOptions, QString("Print Options"));
        QCOMPARE(pdf::pageCount(f.dialogs.pdfPath), 1);
        QVERIFY(pdf::text(f.dialogs.pdfPath).contains("Single Picture"));
        QCOMPARE(f.viewer.ImageBox1->picture().size(), QSize(100, 80));
        QCOMPARE(f.window.statusText(), QString("Finished Printing"));
        QVERIFY(f.prompter.shown.isEmpty());

        f.selectRows({0});
        f.acceptPrinting("Broken");
        f.window.Print2Click();
        QVERIFY(f.prompter.texts("error").contains("Error Printing File " + root + "/broken.png"));

        f.window.ListView1->activeView()->clearSelection();
        const qsizetype asked = f.dialogs.calls.size();
        f.window.Print2Click();
        QCOMPARE(f.dialogs.calls.size(), asked);
    }

    void helpAboutSetUpAndExit()
    {
        SearchFixture f;
        for (const char *item : {"Help2", "Search1", "UsingHelp1", "WhatsThis2", "WhatsThis1"})
            f.window.action(item)->trigger();
        QCOMPARE(f.helpSystem.calls, QStringList({"contents", "search", "using", "context 2", "context 35"}));

        bool aboutShown = false;
        whenModalShown<TAboutBox>([&](TAboutBox &about) {
            aboutShown = true;
            about.OkButton->click();
        });
        f.window.action("About1")->trigger();
        QVERIFY(aboutShown);

        f.window.action("PrintsetUp1")->trigger();
        QCOMPARE(f.dialogs.calls, QStringList({"setUp"}));
        QCOMPARE(f.window.statusText(), QString("Printer Selection"));

        f.window.show();
        f.window.action("Exit2")->trigger();
        QVERIFY(!f.window.isVisible());
    }
};

QTEST_MAIN(TestSearchWindow)
#include "tst_searchwindow.moc"
