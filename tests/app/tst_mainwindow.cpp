#include "app/newstat.h"
#include "browse/fileitemmodel.h"
#include "browse/dirtree.h"
#include "browse/imagelistview.h"
#include "browse/thumbnailcache.h"
#include "support/mainwindowfixture.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidgetItem>
#include <unistd.h>

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void firstRun();
    void cacheThumbnailsFollowsItsItem();
    void thumbnailsShowWhileTheListIsBuilt();
    void firstActivationOpensTheStartFolder();
    void argumentChoosesWhereToStart_data();
    void argumentChoosesWhereToStart();
    void f5ReadsTheFolderAgain();
    void closeWritesAllSettings();
    void storedOptionsShapeTheWindow();
    void minimizedIsStoredAsMaximized();
    void menusAsDesigned();
    void filterButtonsAndMenuStayInStep();
    void viewSwitchFillsReportColumns();
    void sortingOnDoesNotRebuildOffDoes();
    void sizeLimitApplies();
    void missingFolderIsAnErrorAndListStays();
    void closingDuringABuildStopsItThenSaves();
    void selectAllAndLaunch();
    void hintsReachPanelTwo();
    void buttonsDrawTheirOwnIcons();
    void disabledButtonIconsLoseTheirColour();

private:
    static QString headerFiles(TForm1 &form)
    {
        return form.HeaderControl1->model()->headerData(1, Qt::Horizontal).toString();
    }
    static QList<QToolButton *> speedButtons(TForm1 &form)
    {
        QList<QToolButton *> buttons;
        for (const char *name : {"MoveButton", "CopyButton", "DeleteButton", "RenameButton", "SearchButton",
                                 "PrintButton", "PrintSetUpButton", "ViewButton", "ClipBoardButton",
                                 "ThumbSizeButton", "HelpButton", "StopButton", "ExitButton"})
            buttons << form.Panel2->findChild<QToolButton *>(name);
        return buttons;
    }
    // Share of pixels with any coverage at all.
    static double coverage(const QImage &image)
    {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        qsizetype drawn = 0;
        for (int y = 0; y < argb.height(); ++y)
            for (int x = 0; x < argb.width(); ++x)
                drawn += qAlpha(argb.pixel(x, y)) > 0;
        return double(drawn) / (qsizetype(argb.width()) * argb.height());
    }
    // The most saturated visible pixel, 0 to 255.
    static int strongestColour(const QImage &image)
    {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        int strongest = 0;
        for (int y = 0; y < argb.height(); ++y)
            for (int x = 0; x < argb.width(); ++x) {
                const QColor colour = QColor::fromRgba(argb.pixel(x, y));
                if (colour.alpha() > 128)
                    strongest = qMax(strongest, colour.hsvSaturation());
            }
        return strongest;
    }
};

void TestMainWindow::firstRun()
{
    MainWindowFixture f;
    // The user's pictures folder, not the program's.
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QVERIFY(QDir().mkpath(pictures));
    TForm1 &form = f.create();
    QCOMPARE(form.windowTitle(), QString("Pixmoor"));
    QCOMPARE(form.size(), QSize(570, 450));
    QVERIFY(!form.isMaximized());
    QCOMPARE(form.state.ThumbWidth, 70);
    QCOMPARE(form.ImageList1.size(), QSize(70, 70));
    QCOMPARE(form.ImageList2.size(), QSize(50, 50));
    QCOMPARE(form.ListView1->viewStyle(), ImageListView::ViewStyle::Icon);
    QVERIFY(form.IcoButton->isChecked());
    QVERIFY(!form.action("Sorted1")->isChecked());
    QVERIFY(!form.ListView1->isSorted());
    QVERIFY(!form.action("ShowHints1")->isChecked());
    QVERIFY(!form.action("NoStop1")->isChecked());
    QVERIFY(!form.action("NoThumbs1")->isChecked());
    QVERIFY(!form.action("MaximumSize1")->isChecked());
    QCOMPARE(form.state.MaxSizeKB, 100);
    QCOMPARE(form.state.StartDir, pictures);
    QVERIFY(form.state.ProgramDir.endsWith('/'));
    QVERIFY(form.action("BMP1")->isChecked());
    QVERIFY(form.filterButton("bmp")->isChecked());
    QVERIFY(form.state.FirstActivation);
}

void TestMainWindow::firstActivationOpensTheStartFolder()
{
    MainWindowFixture f;
    const QString folder = f.folderWith("start", {"one.bmp", "two.bmp", "three.gif"});
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "KVTL").setValue("Main/Directory", folder);
    TForm1 &form = f.create();
    form.FormActivate();
    QVERIFY(!form.state.FirstActivation);
    QCOMPARE(QFileInfo(form.state.CurrentDir).canonicalFilePath(), QFileInfo(folder).canonicalFilePath());
    QCOMPARE(form.StatusBar1->panelText(0), " " + form.state.CurrentDir);
    QCOMPARE(form.ListView1->count(), 2);
    QCOMPARE(headerFiles(form), QString("2 Files"));
    QCOMPARE(form.state.FileCount, 2);
    QCOMPARE(form.StatusBar1->panelText(1), QString("Finished"));
    form.FormActivate();
    QCOMPARE(form.ListView1->count(), 2);
    QVERIFY(f.prompter.shown.isEmpty());
}

void TestMainWindow::argumentChoosesWhereToStart_data()
{
    QTest::addColumn<QString>("argument");   // relative to the environment's root
    QTest::addColumn<QString>("folder");     // where the list then is
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QString>("status");
    QTest::newRow("folder") << "given" << "given" << QStringList{"a.bmp"} << QStringList() << "Finished";
    QTest::newRow("image file") << "given/p.jpg" << "given" << QStringList{"locked.jpg", "p.jpg"} << QStringList{"p.jpg"}
                                << "Finished";
    QTest::newRow("missing") << "given/gone.jpg" << "stored" << QStringList{"s.bmp"} << QStringList()
                             << "Cannot open ROOT/given/gone.jpg: no such file or folder";
    QTest::newRow("not an image") << "given/notes.txt" << "stored" << QStringList{"s.bmp"} << QStringList()
                                  << "Cannot open ROOT/given/notes.txt: not an image file";
    if (::geteuid() != 0)   // the superuser reads every file
        QTest::newRow("unreadable") << "given/locked.jpg" << "stored" << QStringList{"s.bmp"} << QStringList()
                                    << "Cannot open ROOT/given/locked.jpg: permission denied";
}

// The command line's folder or file is where this run starts; the stored
// folder stays what it was.
void TestMainWindow::argumentChoosesWhereToStart()
{
    QFETCH(QString, argument);
    QFETCH(QString, folder);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, selected);
    QFETCH(QString, status);
    MainWindowFixture f;
    const QString given = f.folderWith("given", {"a.bmp", "p.jpg", "notes.txt", "locked.jpg"});
    QVERIFY(QFile::setPermissions(given + "/locked.jpg", QFileDevice::Permissions()));
    const QString stored = f.folderWith("stored", {"s.bmp"});
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "KVTL").setValue("Main/Directory", stored);
    TForm1 &form = f.create();
    const QString root = f.env.root();
    form.openAtStart(root + "/" + argument);
    form.FormActivate();
    QCOMPARE(QFileInfo(form.state.CurrentDir).canonicalFilePath(), QFileInfo(root + "/" + folder).canonicalFilePath());
    QStringList captions = form.ListView1->captions();
    captions.sort();
    QCOMPARE(captions, listed);
    QCOMPARE(form.ListView1->selectedCaptions(), selected);
    QCOMPARE(form.StatusBar1->panelText(1), QString(status).replace("ROOT", root));
    QVERIFY(f.prompter.shown.isEmpty());   // no box before the window shows
}

void TestMainWindow::f5ReadsTheFolderAgain()
{
    MainWindowFixture f;
    const QString folder = f.folderWith("pics", {"a.bmp"});
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "KVTL").setValue("Main/Directory", folder);
    TForm1 &form = f.create();
    form.FormActivate();
    QCOMPARE(form.ListView1->captions(), QStringList{"a.bmp"});
    TestEnvironment::writeFile(folder + "/b.bmp", 10);
    QDir(folder).mkdir("later");
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F5);
    QCOMPARE(form.ListView1->captions(), (QStringList{"a.bmp", "b.bmp"}));
    QTreeWidgetItem *node = form.DirTree1->currentItem();
    QStringList children;
    for (int i = 0; i < node->childCount(); ++i)
        children << node->child(i)->text(0);
    QCOMPARE(children, QStringList{"later"});
}

void TestMainWindow::closeWritesAllSettings()
{
    MainWindowFixture f;
    const QString folder = f.folderWith("pics", {"a.bmp"});
    {
        TForm1 &form = f.create();
        form.DirTree1->setDirectory(folder);
        form.action("NoStop1")->trigger();
        form.show();
        QVERIFY(form.close());
    }
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "KVTL");
    const QStringList expected{"Main/Directory", "Main/Hints", "Main/KeepProportions", "Main/List", "Main/MaxSize",
                               "Main/MaxSizeLimit", "Main/NoStop", "Main/Sorted", "Main/ThumbCache", "Main/ThumbSizeh",
                               "Main/ThumbSizew", "Main/Thumbs", "Window/WindowHeight",
                               "Window/WindowState", "Window/WindowWidth"};
    QStringList keys = settings.allKeys();
    keys.sort();
    QCOMPARE(keys, expected);
    QCOMPARE(settings.value("Main/NoStop").toInt(), 1);
    QCOMPARE(settings.value("Main/Sorted").toInt(), 0);
    QCOMPARE(settings.value("Window/WindowWidth").toInt(), 570);
    QCOMPARE(settings.value("Window/WindowState").toString(), QString("Normal"));
    QCOMPARE(QFileInfo(settings.value("Main/Directory").toString()).canonicalFilePath(),
             QFileInfo(folder).canonicalFilePath());
}

void TestMainWindow::storedOptionsShapeTheWindow()
{
    MainWindowFixture f;
    {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "KVTL");
        s.setValue("Main/List", 1);
        s.setValue("Main/Sorted", 1);
        s.setValue("Main/ThumbSizew", 150);
        s.setValue("Main/ThumbSizeh", 20);
        s.setValue("Main/MaxSizeLimit", 1);
        s.setValue("Main/MaxSize", 500);
        s.setValue("Main/Hints", 1);
        s.setValue("Window/WindowWidth", 700);
        s.setValue("Window/WindowHeight", 520);
    }
    TForm1 &form = f.create();
    QCOMPARE(form.ListView1->viewStyle(), ImageListView::ViewStyle::Report);
    QVERIFY(form.ListButton->isChecked());
    QVERIFY(!form.IcoButton->isChecked());
    QVERIFY(form.action("List1")->isChecked());
    QVERIFY(!form.action("ThumbSize1")->isEnabled());
    QVERIFY(form.ListView1->isSorted());
    QCOMPARE(form.ImageList1.size(), QSize(150, 20));
    QVERIFY(form.state.MaxSizeEnabled);
    QCOMPARE(form.state.MaxSizeKB, 500);
    QVERIFY(form.action("MaximumSize1")->isChecked());
    QVERIFY(form.action("ShowHints1")->isChecked());
    QCOMPARE(form.size(), QSize(700, 520));
}

void TestMainWindow::minimizedIsStoredAsMaximized()
{
    MainWindowFixture f;
    {
        TForm1 &form = f.create();
        form.show();
        form.setWindowState(Qt::WindowMinimized);
        form.close();
    }
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "KVTL");
    QCOMPARE(settings.value("Window/WindowState").toString(), QString("Maximized"));
    f.form.reset();
    QVERIFY(f.create().windowState() & Qt::WindowMaximized);
}

void TestMainWindow::menusAsDesigned()
{
    MainWindowFixture f;
    TForm1 &form = f.create();
    QStringList headings;
    for (QAction *heading : form.menuBar()->actions())
        headings << heading->text();
    QCOMPARE(headings, QStringList({"&File", "&Image Type", "I&mage", "&View", "&Help"}));

    QAction *print = form.action("Print1");
    QCOMPARE(print->text(), QString("&Print  Thumb"));
    QCOMPARE(print->statusTip(), QString("Print Thumb Nails "));
    QCOMPARE(print->shortcut(), QKeySequence("Ctrl+P"));
    QCOMPARE(print->property("helpContext").toInt(), 10);
    QCOMPARE(form.action("Delete1")->shortcut(), QKeySequence(Qt::Key_Delete));
    QCOMPARE(form.action("View1")->shortcut(), QKeySequence("Ctrl+V"));
    QCOMPARE(form.File1->menuAction()->statusTip(), QString("File Options"));
    QCOMPARE(form.Image1->actions().size(), 11);
    QCOMPARE(form.Settings1->actions().size(), 12);

    QStringList list;
    for (QAction *item : form.PopupMenu1->actions())
        list << (item->isSeparator() ? QString("-") : item->text());
    QCOMPARE(list, QStringList({"&Move", "&Copy", "&Rename", "&Delete", "&Properties", "-",
                                "C&onvert", "&Launch App", "&To Clipboard", "&View", "-",
                                "&Explore", "-", "&What's This?", "-", "E&xit"}));
    QCOMPARE(form.PopupMenu7->actions().last()->statusTip(), QString("Help On Resize Bar"));

    // Every command is live from the start.
    QVERIFY(form.action("Exit1")->isEnabled());
    QVERIFY(form.action("SelectAll1")->isEnabled());
    QVERIFY(form.action("Sorted1")->isEnabled());
    QVERIFY(form.action("Copy1")->isEnabled());
    QVERIFY(form.CopyButton->isEnabled());
    QVERIFY(form.action("Search2")->isEnabled());
    QVERIFY(form.SearchButton->isEnabled());
    QVERIFY(form.ExitButton->isEnabled());
    QCOMPARE(form.StopButton->toolTip(), QString("Stop Process"));
    QCOMPARE(form.ExitButton->geometry(), QRect(500, 5, 40, 40));
    QCOMPARE(form.StatusBar1->panelWidth(1), 250);
    QCOMPARE(form.ProgressBar1->geometry(), QRect(464, 4, 98, 13));
    QCOMPARE(form.HeaderControl1->sectionSize(0), 211);
}

void TestMainWindow::filterButtonsAndMenuStayInStep()
{
    MainWindowFixture f;
    const QString folder = f.folderWith("pics", {"a.bmp", "b.gif", "c.gif", "d.png"});
    TForm1 &form = f.create();
    form.DirTree1->setDirectory(folder);
    QCOMPARE(form.ListView1->captions(), QStringList({"a.bmp"}));

    form.filterButton("gif")->click();
    QVERIFY(form.action("Gif1")->isChecked());
    QVERIFY(!form.action("BMP1")->isChecked());
    QCOMPARE(form.state.ImageType, QString("gif"));
    QCOMPARE(form.ListView1->count(), 2);
    QCOMPARE(headerFiles(form), QString("2 Files"));

    form.action("All1")->trigger();
    QVERIFY(form.filterButton("all")->isChecked());
    QCOMPARE(form.ListView1->captions().first(), QString("a.bmp"));
    QCOMPARE(form.ListView1->count(), 4);

    form.action("Tiff1")->trigger();
    QCOMPARE(headerFiles(form), QString("0 Files"));
    QCOMPARE(form.StatusBar1->panelText(1), QString("No Matching Files Found"));
}

void TestMainWindow::viewSwitchFillsReportColumns()
{
    MainWindowFixture f;
    const QString folder = f.folderWith("pics", {"a.bmp"}, 2560);
    TForm1 &form = f.create();
    form.DirTree1->setDirectory(folder);
    form.ListButton->click();
    QCOMPARE(form.ListView1->viewStyle(), ImageListView::ViewStyle::Report);
    QVERIFY(form.action("List1")->isChecked());
    const QModelIndex row = form.ListView1->items()->index(0, FileItemModel::SizeColumn);
    QCOMPARE(row.data().toString(), QString("2K"));
    QVERIFY(!row.siblingAtColumn(FileItemModel::DateColumn).data().toString().isEmpty());

    form.action("List1")->trigger();
    QCOMPARE(form.ListView1->viewStyle(), ImageListView::ViewStyle::Icon);
    QVERIFY(form.IcoButton->isChecked());
    QCOMPARE(form.ListView1->count(), 1);
    QVERIFY(form.ListView1->items()->index(0, FileItemModel::SizeColumn).data().toString().isEmpty());
}

void TestMainWindow::sortingOnDoesNotRebuildOffDoes()
{
    MainWindowFixture f;
    const QString folder = f.folderWith("pics", {"b.bmp", "C.bmp", "a.bmp"});
    TForm1 &form = f.create();
    form.DirTree1->setDirectory(folder);
    const QStringList gathered = form.ListView1->captions();

    form.action("Sorted1")->trigger();
    QCOMPARE(form.ListView1->captions(), QStringList({"a.bmp", "b.bmp", "C.bmp"}));
    QCOMPARE(form.StatusBar1->panelText(1), QString("Image View Sorted"));

    form.action("Sorted1")->trigger();
    QCOMPARE(form.ListView1->captions(), gathered);
    QCOMPARE(form.StatusBar1->panelText(1), QString("Finished"));
}

void TestMainWindow::sizeLimitApplies()
{
    MainWindowFixture f;
    const QString folder = f.folderWith("pics", {"small.bmp"}, 1000);
    TestEnvironment::writeFile(folder + "/big.bmp", 512000);
    {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "KVTL");
        s.setValue("Main/MaxSizeLimit", 1);
        s.setValue("Main/MaxSize", 500);
    }
    TForm1 &form = f.create();
    form.DirTree1->setDirectory(folder);
    QCOMPARE(form.ListView1->captions(), QStringList({"small.bmp"}));
}

void TestMainWindow::missingFolderIsAnErrorAndListStays()
{
    MainWindowFixture f;
    const QString folder = f.folderWith("pics", {"a.bmp", "b.bmp"});
    TForm1 &form = f.create();
    form.DirTree1->setDirectory(folder);
    QVERIFY(QDir(folder).removeRecursively());
    form.state.CurrentDir = folder;
    form.UpdateListbox();
    QCOMPARE(f.prompter.texts("error"), QStringList({"No such file or directory"}));
    QCOMPARE(form.ListView1->count(), 2);
    QVERIFY(!form.isBusy());
    QVERIFY(form.Panel1->isEnabled());
    QCOMPARE(form.StatusBar1->panelText(1), QString("Finished"));

    form.DirTree1->setDirectory(folder + "/nowhere");
    QCOMPARE(f.prompter.texts("error").last(), QString("Invalid directory name !"));
}

void TestMainWindow::closingDuringABuildStopsItThenSaves()
{
    MainWindowFixture f;
    QStringList many;
    for (int i = 0; i < 300; ++i)
        many << QString("p%1.bmp").arg(i);
    const QString folder = f.folderWith("pics", many);
    TForm1 &form = f.create();
    form.show();
    form.state.CurrentDir = folder;
    QTimer::singleShot(0, &form, [&form] { form.close(); });
    form.UpdateListbox();
    QVERIFY(!form.isVisible());
    QVERIFY(form.ListView1->count() < 300);
    QCOMPARE(headerFiles(form), QString("300 Files"));
    QVERIFY(QFileInfo::exists(f.env.settingsFile()));
    QVERIFY(!form.state.StopRequested);
}

void TestMainWindow::selectAllAndLaunch()
{
    MainWindowFixture f;
    const QString folder = f.folderWith("pics", {"a.bmp", "b.bmp"});
    TForm1 &form = f.create();
    form.DirTree1->setDirectory(folder);
    form.action("LaunchApp1")->trigger();
    QVERIFY2(f.shell.opened.isEmpty(), "nothing selected, nothing launched");

    form.action("SelectAll1")->trigger();
    QCOMPARE(form.ListView1->selectedCaptions().size(), 2);
    QCOMPARE(form.StatusBar1->panelText(1), QString("All Files Selected"));

    form.action("LaunchApp1")->trigger();
    QCOMPARE(form.StatusBar1->panelText(1), QString("Checking File Association"));
    QCOMPARE(f.shell.opened.size(), 1);
    QCOMPARE(QFileInfo(f.shell.opened.first()).canonicalFilePath(),
             QFileInfo(folder + "/" + form.ListView1->selectedCaptions().first()).canonicalFilePath());

    f.shell.succeeds = false;
    form.action("LaunchApp1")->trigger();
    QCOMPARE(f.prompter.texts("error").size(), 1);
}

void TestMainWindow::hintsReachPanelTwo()
{
    MainWindowFixture f;
    TForm1 &form = f.create();
    form.show();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(form.DirTree1, &enter);
    QCOMPARE(form.StatusBar1->panelText(1), QString("  Directory List"));
    QStatusTipEvent empty{QString()};
    QApplication::sendEvent(&form, &empty);
    QCOMPARE(form.StatusBar1->panelText(1), QString("  "));
    form.action("Sorted1")->showStatusText(form.menuBar());
    QCOMPARE(form.StatusBar1->panelText(1), QString("  Display Alphabetically"));
}

void TestMainWindow::buttonsDrawTheirOwnIcons()
{
    MainWindowFixture f;
    TForm1 &form = f.create();
    const QList<QToolButton *> speed = speedButtons(form);
    QVERIFY(!speed.contains(nullptr));
    QCOMPARE(form.Panel2->findChildren<QToolButton *>().size(), speed.size());

    QList<QImage> speedImages;
    for (QToolButton *button : speed + QList<QToolButton *>{form.ListButton, form.IcoButton}) {
        const QByteArray name = button->objectName().toLatin1();
        QVERIFY2(!button->icon().isNull(), name);
        // Drawn at the screen's own resolution, not a 1x picture scaled up.
        for (const qreal ratio : {1.0, 2.0}) {
            const QPixmap pixmap = button->icon().pixmap(QSize(28, 28), ratio);
            QVERIFY2(!pixmap.isNull(), name);
            QCOMPARE(pixmap.size(), QSize(28, 28) * ratio);
            QCOMPARE(pixmap.devicePixelRatio(), ratio);
            QVERIFY2(coverage(pixmap.toImage()) > 0.2, name);
        }
        if (speed.contains(button))
            speedImages << button->icon().pixmap(QSize(28, 28), 1.0).toImage();
    }
    for (qsizetype i = 0; i < speedImages.size(); ++i)
        for (qsizetype j = i + 1; j < speedImages.size(); ++j)
            QVERIFY2(speedImages[i] != speedImages[j],
                     qPrintable(speed[i]->objectName() + " looks like " + speed[j]->objectName()));
    QVERIFY(form.ListButton->icon().pixmap(16, 16).toImage() != form.IcoButton->icon().pixmap(16, 16).toImage());
}

void TestMainWindow::disabledButtonIconsLoseTheirColour()
{
    MainWindowFixture f;
    TForm1 &form = f.create();
    for (QToolButton *button : speedButtons(form)) {
        const QByteArray name = button->objectName().toLatin1();
        const QIcon icon = button->icon();
        QVERIFY2(strongestColour(icon.pixmap(QSize(28, 28), 1.0).toImage()) > 100, name);
        const QImage disabled = icon.pixmap(QSize(28, 28), 1.0, QIcon::Disabled).toImage();
        QVERIFY2(coverage(disabled) > 0.2, name);
        QVERIFY2(strongestColour(disabled) < 40, name);
    }
    // And so does the button on screen.
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(strongestColour(form.DeleteButton->grab().toImage()) > 100);
    form.DeleteButton->setEnabled(false);
    QVERIFY(strongestColour(form.DeleteButton->grab().toImage()) < 40);
}

// What the screen shows in the middle of a build, long after the first
// screenful: the first items with their pictures in colour, though the list
// is disabled until the build ends.
void TestMainWindow::thumbnailsShowWhileTheListIsBuilt()
{
    MainWindowFixture f;
    const QString folder = f.env.makeFolder("pics");
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (int i = 0; i < 160; ++i)
        QVERIFY(picture.save(QString("%1/p%2.bmp").arg(folder).arg(i, 3, 10, QChar('0'))));
    TForm1 &form = f.create();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.DirTree1->setDirectory(folder);
    form.ListView1->setSorted(true);

    QImage shown;
    bool disabled = false;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        // Past the first few items of the new build, not the list before it.
        const int count = form.ListView1->count();
        if (count < 120 || count >= 160 || !shown.isNull())
            return;
        disabled = !form.ListView1->isEnabled();
        shown = form.screen()->grabWindow(form.winId()).toImage();
    });
    watch.start();
    form.UpdateListbox();
    QVERIFY2(!shown.isNull(), "no message pass while the first screenful was made");
    QVERIFY(disabled);
    QAbstractItemView *list = form.ListView1->activeView();
    const QRect first = list->visualRect(list->model()->index(0, 0));
    const QPoint inPicture = list->viewport()->mapTo(&form, QPoint(first.center().x(), first.top() + 20));
    QCOMPARE(QColor(shown.pixel(inPicture * shown.devicePixelRatio())), QColor(Qt::red));
}

void TestMainWindow::cacheThumbnailsFollowsItsItem()
{
    MainWindowFixture f;
    const QString folder = f.env.makeFolder("pics");
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(folder + "/a.bmp"));
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "KVTL").setValue("Main/ThumbCache", 0);
    TForm1 &form = f.create();
    QAction *item = form.action("CacheThumbnails1");
    QCOMPARE(item->text(), QString("&Cache Thumbnails"));
    QVERIFY(!item->isChecked());
    form.DirTree1->setDirectory(folder);
    form.UpdateListbox();
    waitForCacheWrites();
    const QString normal = ThumbnailCache::defaultRoot() + "/normal";
    QVERIFY(!QFileInfo::exists(normal));

    item->trigger();
    form.UpdateListbox();
    waitForCacheWrites();
    QCOMPARE(QDir(normal).entryList(QDir::Files).size(), 1);
    QVERIFY(form.close());
    QCOMPARE(QSettings(QSettings::NativeFormat, QSettings::UserScope, "KVTL").value("Main/ThumbCache").toInt(), 1);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
