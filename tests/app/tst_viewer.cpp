#include "browse/dirtree.h"
#include "browse/imagelist.h"
#include "browse/imagelistview.h"
#include "app/newstat.h"
#include "imagebox/imagebox.h"
#include "viewer/pic.h"
#include "viewer/wmf.h"
#include "dialogs/helpcommands.h"
#include "dialogs/helpviewer.h"
#include "printing/printtestfiles.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QClipboard>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

namespace {
// A main window with its viewer and metafile window, on a folder of pictures.
struct ViewerFixture : MainWindowFixture
{
    std::unique_ptr<TOKBottomDlg> viewer;
    std::unique_ptr<TForm7> metafileWindow;
    QString folder;

    TForm1 &open(const QStringList &files)
    {
        folder = env.makeFolder("pics");
        for (const QString &name : files)
            writePicture(name);
        TForm1 &form = create();
        viewer = std::make_unique<TOKBottomDlg>(prompter);
        metafileWindow = std::make_unique<TForm7>();
        form.attachParts({.viewer = viewer.get(), .metafileWindow = metafileWindow.get()});
        form.DirTree1->setDirectory(folder);
        form.action("All1")->trigger();
        return form;
    }

    // A 40 x 30 picture whose colour depends on the name; .wmf files get a
    // placeable metafile, .ico files a 32 x 32 icon.
    void writePicture(const QString &name)
    {
        const QString path = folder + "/" + name;
        if (name.endsWith(".wmf")) {
            TestEnvironment::writeFile(path, printtest::rectangleMetafile());
            return;
        }
        QImage image(name.endsWith(".ico") ? QSize(32, 32) : QSize(40, 30), QImage::Format_RGB32);
        image.fill(name.startsWith('b') ? Qt::blue : Qt::red);
        image.save(path);
    }

    void select(TForm1 &form, const QString &caption)
    {
        const int row = int(form.ListView1->captions().indexOf(caption));
        QVERIFY2(row >= 0, qPrintable(caption));
        QAbstractItemView *view = form.ListView1->activeView();
        view->selectionModel()->select(view->model()->index(row, 0),
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
};
} // namespace

class TestViewer : public QObject
{
    Q_OBJECT
private slots:
    void thumbnailsStayWithTheirItems();
    void viewOpensTheRightWindow();
    void viewOfNothingDoesNothing();
    void badIconSaysErrorLoadingImage();
    void toClipboardCopiesAndSaysSo();
    void viewerNeverOutgrowsTheScreen();
    void viewerWalksTheList();
    void walkCrossesIntoTheMetafileWindow();
    void enterViewsAndEscapeCloses();
    void pictureWindowsOpenCentred();
    void viewerShowsTheWholePicture();
    void pictureWindowsHaveTheirHelpMenus();
};

void TestViewer::thumbnailsStayWithTheirItems()
{
    ViewerFixture f;
    TForm1 &form = f.open({"a1.bmp", "b2.bmp", "a3.png"});
    TestEnvironment::writeFile(f.folder + "/broken.bmp", QByteArray("BM broken"));
    form.UpdateListbox();
    const QStringList captions = form.ListView1->captions();
    QCOMPARE(form.ImageList1.count(), captions.size());
    for (int row = 0; row < captions.size(); ++row) {
        const QImage picture = form.ImageList1.at(row).toImage();
        QCOMPARE(picture.size(), QSize(70, 70));
        const QColor centre = picture.pixelColor(35, 35);
        if (captions[row] == "broken.bmp")
            QCOMPARE(centre.alpha(), 0);
        else
            QCOMPARE(centre, QColor(captions[row].startsWith('b') ? Qt::blue : Qt::red));
    }
    form.ListButton->click();
    QCOMPARE(form.ImageList2.count(), captions.size());
    QCOMPARE(form.ImageList2.at(0).size(), QSize(50, 50));
}

void TestViewer::viewOpensTheRightWindow()
{
    ViewerFixture f;
    TForm1 &form = f.open({"a.bmp", "m.wmf"});
    f.select(form, "a.bmp");
    form.ViewButtonClick();
    QVERIFY(f.viewer->isVisible());
    QCOMPARE(f.viewer->windowTitle(), QString("a.bmp"));
    QCOMPARE(f.viewer->ImageBox1->size(), QSize(40, 30));
    QCOMPARE(form.StatusBar1->panelText(1), QString("Viewing Image a.bmp"));

    f.select(form, "m.wmf");
    form.ViewButtonClick();
    QVERIFY(!f.viewer->isVisible());
    QVERIFY(f.metafileWindow->isVisible());
    QCOMPARE(f.metafileWindow->windowTitle(), QString("m.wmf"));

    f.select(form, "a.bmp");
    form.ViewButtonClick();
    QVERIFY(f.viewer->isVisible());
    QVERIFY(!f.metafileWindow->isVisible());
    QVERIFY(f.prompter.shown.isEmpty());
}

void TestViewer::viewOfNothingDoesNothing()
{
    ViewerFixture f;
    TForm1 &form = f.open({"a.bmp"});
    form.ViewButtonClick();
    form.ToClipboard1Click();
    QVERIFY(!f.viewer->isVisible());
    QCOMPARE(form.StatusBar1->panelText(1), QString("Finished"));
}

void TestViewer::badIconSaysErrorLoadingImage()
{
    ViewerFixture f;
    TForm1 &form = f.open({"a.bmp"});
    TestEnvironment::writeFile(f.folder + "/bad.ico", QByteArray(6, '\0'));
    form.UpdateListbox();
    f.select(form, "bad.ico");
    form.ViewButtonClick();
    QCOMPARE(f.prompter.texts("error"), QStringList({"Error Loading Image bad.ico"}));
    QVERIFY(!f.viewer->isVisible());
}

void TestViewer::toClipboardCopiesAndSaysSo()
{
    ViewerFixture f;
    TForm1 &form = f.open({"b.bmp", "i.ico"});
    f.select(form, "b.bmp");
    form.ToClipboard1Click();
    QCOMPARE(form.StatusBar1->panelText(1), QString("Image Copied To Clipboard"));
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(40, 30));
    QVERIFY(!f.viewer->isVisible());

    f.select(form, "i.ico");
    form.ToClipboard1Click();
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(32, 32));
    QVERIFY(f.prompter.shown.isEmpty());
}

void TestViewer::viewerNeverOutgrowsTheScreen()
{
    ViewerFixture f;
    TForm1 &form = f.open({"a.bmp"});
    QImage huge(6000, 5000, QImage::Format_RGB32);
    huge.fill(Qt::green);
    huge.save(f.folder + "/huge.png");
    form.UpdateListbox();
    f.select(form, "huge.png");
    form.ViewButtonClick();
    QVERIFY(f.viewer->isVisible());
    QCoreApplication::processEvents();
    const QSize room = f.viewer->screen()->availableGeometry().size();
    QVERIFY(f.viewer->width() <= room.width());
    QVERIFY(f.viewer->height() <= room.height());
    auto *scroller = f.viewer->findChild<QScrollArea *>();
    auto *zoomPanel = f.viewer->findChild<QLabel *>("ZoomPanel");
    QVERIFY(scroller && zoomPanel);

    // Fitted: the whole picture, its proportions kept, no scroll bars.
    const QSize fitted = f.viewer->ImageBox1->size();
    QVERIFY(fitted.width() < 6000);
    QCOMPARE(fitted.height(), qRound(fitted.width() * 5000.0 / 6000.0));
    QVERIFY(!scroller->horizontalScrollBar()->isVisible() && !scroller->verticalScrollBar()->isVisible());
    QCOMPARE(zoomPanel->text(), QString::number(qRound(f.viewer->zoom() * 100)) + "%");
    QVERIFY(f.viewer->zoom() < 1);

    f.viewer->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.viewer.get()));
    QTest::keyClick(f.viewer.get(), Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(f.viewer->ImageBox1->size(), QSize(6000, 5000));
    QCOMPARE(zoomPanel->text(), QString("100%"));
    QVERIFY(f.viewer->width() <= room.width());
    QTest::keyClick(f.viewer.get(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(f.viewer->ImageBox1->size(), QSize(4800, 4000));
    QCOMPARE(zoomPanel->text(), QString("80%"));
    QTest::keyClick(f.viewer.get(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(f.viewer->ImageBox1->size(), fitted);
    QTest::keyClick(f.viewer.get(), Qt::Key_Equal, Qt::ControlModifier);
    QVERIFY(f.viewer->ImageBox1->width() > fitted.width());
}

void TestViewer::viewerWalksTheList()
{
    ViewerFixture f;
    TForm1 &form = f.open({"a.bmp", "b.bmp", "c.bmp", "m.wmf"});
    form.ListView1->setSorted(true);
    form.action("BMP1")->trigger();
    QCOMPARE(form.ListView1->captions(), QStringList({"a.bmp", "b.bmp", "c.bmp"}));
    f.select(form, "a.bmp");
    form.ViewButtonClick();
    f.viewer->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.viewer.get()));
    const auto shows = [&](const QString &name, QRgb colour) {
        return f.viewer->windowTitle() == name && f.viewer->StatusBar1->text() == name
               && f.viewer->ImageBox1->picture().bitmap().pixel(0, 0) == colour;
    };
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
    QVERIFY(shows("a.bmp", red));
    QTest::keyClick(f.viewer.get(), Qt::Key_PageDown);
    QVERIFY(shows("b.bmp", blue));
    QTest::keyClick(f.viewer.get(), Qt::Key_Space);
    QVERIFY(shows("c.bmp", red));
    // Past the end nothing changes.
    QTest::keyClick(f.viewer.get(), Qt::Key_PageDown);
    QVERIFY(shows("c.bmp", red));
    QTest::keyClick(f.viewer.get(), Qt::Key_PageUp);
    QVERIFY(shows("b.bmp", blue));
    QTest::keyClick(f.viewer.get(), Qt::Key_Backspace);
    QVERIFY(shows("a.bmp", red));
    QVERIFY(f.prompter.shown.isEmpty());

    // The pop-up menu offers the same steps.
    QStringList popup;
    for (QAction *item : f.viewer->actions())
        popup << item->text();
    QVERIFY(popup.contains("&Next Image") && popup.contains("Pre&vious Image"));
}

void TestViewer::walkCrossesIntoTheMetafileWindow()
{
    ViewerFixture f;
    TForm1 &form = f.open({"a.bmp", "m.wmf", "c.bmp"});
    form.ListView1->setSorted(true);
    QCOMPARE(form.ListView1->captions(), QStringList({"a.bmp", "c.bmp", "m.wmf"}));
    f.select(form, "c.bmp");
    form.ViewButtonClick();
    f.viewer->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.viewer.get()));
    QTest::keyClick(f.viewer.get(), Qt::Key_PageDown);
    QVERIFY(!f.viewer->isVisible());
    QVERIFY(f.metafileWindow->isVisible());
    QCOMPARE(f.metafileWindow->windowTitle(), QString("m.wmf"));
    f.metafileWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.metafileWindow.get()));
    QTest::keyClick(f.metafileWindow.get(), Qt::Key_PageUp);
    QVERIFY(f.viewer->isVisible());
    QCOMPARE(f.viewer->windowTitle(), QString("c.bmp"));
}

void TestViewer::enterViewsAndEscapeCloses()
{
    ViewerFixture f;
    TForm1 &form = f.open({"a.bmp", "m.wmf"});
    f.select(form, "a.bmp");
    QAbstractItemView *list = form.ListView1->activeView();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(f.viewer->isVisible());
    QCOMPARE(form.StatusBar1->panelText(1), QString("Viewing Image a.bmp"));
    f.viewer->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.viewer.get()));
    QTest::keyClick(f.viewer.get(), Qt::Key_Escape);
    QVERIFY(!f.viewer->isVisible());

    f.select(form, "m.wmf");
    form.ViewButtonClick();
    f.metafileWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.metafileWindow.get()));
    QTest::keyClick(f.metafileWindow.get(), Qt::Key_Escape);
    QVERIFY(!f.metafileWindow->isVisible());
}

void TestViewer::pictureWindowsHaveTheirHelpMenus()
{
    ViewerFixture f;
    TForm1 &form = f.open({"a.bmp"});
    const auto items = [](QWidget *window) {
        QStringList found;
        if (const auto *menu = window->findChild<QMenu *>(QStringLiteral("Help1")))
            for (const QAction *item : menu->actions())
                found << item->objectName() + " " + item->text();
        return found;
    };
    QCOMPARE(items(f.viewer.get()), (QStringList{"About1 &About", "Help2 &Help", "Searchhelp1 &Search Help",
                                                 "UsingHelp1 &Using Help"}));
    QCOMPARE(items(f.metafileWindow.get()), (QStringList{"About1 &About", "Help2 &Help",
                                                         "Searchhelp1 &Search help", "UsingHelp1 &Using Help"}));
    form.help().setHelpFile(PIXMOOR_HELP_FILE);
    const auto helpViewer = [] {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *viewer = qobject_cast<HelpViewer *>(window))
                return viewer;
        return static_cast<HelpViewer *>(nullptr);
    };
    f.viewer->findChild<QAction *>(QStringLiteral("Help2"))->trigger();
    QVERIFY(helpViewer() && helpViewer()->isVisible());
    QCOMPARE(helpViewer()->currentPage(), 0);
    f.metafileWindow->findChild<QAction *>(QStringLiteral("UsingHelp1"))->trigger();
    QCOMPARE(helpViewer()->currentPage(), int(HelpViewer::UsingHelpPage));
    f.metafileWindow->findChild<QAction *>(QStringLiteral("Searchhelp1"))->trigger();
    QCOMPARE(helpViewer()->Tabs->currentIndex(), 1);
}

// Both picture windows open centred on the screen, the viewer at the size
// its picture gives it.
void TestViewer::pictureWindowsOpenCentred()
{
    ViewerFixture f;
    TForm1 &form = f.open({"a.bmp", "m.wmf"});
    const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
    const auto offCentre = [&](QWidget *window) {
        return (window->frameGeometry().center() - middle).manhattanLength();
    };
    f.select(form, "a.bmp");
    form.ViewButtonClick();
    QVERIFY(f.viewer->isVisible());
    QVERIFY2(offCentre(f.viewer.get()) <= 2, qPrintable(QString::number(offCentre(f.viewer.get()))));
    f.select(form, "m.wmf");
    form.ViewButtonClick();
    QVERIFY(f.metafileWindow->isVisible());
    QVERIFY2(offCentre(f.metafileWindow.get()) <= 2, qPrintable(QString::number(offCentre(f.metafileWindow.get()))));
}

// A picture that fits the screen shows whole, without scroll bars, caption
// bar, menu and status bar counted; the next picture resizes the window.
void TestViewer::viewerShowsTheWholePicture()
{
    ViewerFixture f;
    TForm1 &form = f.open({"a.bmp"});
    QImage picture(320, 240, QImage::Format_RGB32);
    picture.fill(Qt::green);
    QVERIFY(picture.save(f.folder + "/big.png"));
    form.UpdateListbox();
    f.select(form, "big.png");
    form.ViewButtonClick();
    QVERIFY(f.viewer->isVisible());
    QCoreApplication::processEvents();
    auto *scroller = f.viewer->findChild<QScrollArea *>();
    QVERIFY(scroller);
    QVERIFY(!scroller->horizontalScrollBar()->isVisible());
    QVERIFY(!scroller->verticalScrollBar()->isVisible());
    QVERIFY(scroller->viewport()->width() >= 320 && scroller->viewport()->height() >= 240);
    const QSize large = f.viewer->size();

    f.select(form, "a.bmp");
    form.ViewButtonClick();
    QCoreApplication::processEvents();
    // As small as the picture allows, down to what its menu bar needs.
    QVERIFY(f.viewer->width() < large.width() && f.viewer->height() < large.height());
    QVERIFY(!scroller->horizontalScrollBar()->isVisible());
}

QTEST_MAIN(TestViewer)
#include "tst_viewer.moc"
