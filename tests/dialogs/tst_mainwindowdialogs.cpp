#include "app/newstat.h"
#include "browse/dirtree.h"
#include "browse/fileitemmodel.h"
#include "browse/imagelistview.h"
#include "dialogs/drive.h"
#include "dialogs/helpcommands.h"
#include "dialogs/helpfile.h"
#include "dialogs/helpviewer.h"
#include "dialogs/maxsize.h"
#include "dialogs/randomsource.h"
#include "dialogs/tips.h"
#include "dialogs/tiptexts.h"
#include "dialogs/tupdown.h"
#include "dialogs/unit2.h"
#include "dialogs/about.h"
#include "fakevolumes.h"
#include "platform/paths.h"
#include "support/mainwindowfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {
// Runs act on the next modal dialog once it is up.
void whenModal(std::function<void(QWidget *)> act, int triesLeft = 200)
{
    QTimer::singleShot(10, [act, triesLeft] {
        if (QWidget *modal = QApplication::activeModalWidget())
            act(modal);
        else if (triesLeft > 0)
            whenModal(act, triesLeft - 1);
    });
}

void sendMouse(QWidget *to, QEvent::Type type, Qt::MouseButton button, int x)
{
    const QPointF at(x, 2);
    QMouseEvent event(type, at, to->mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

HelpViewer *helpViewer()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *viewer = qobject_cast<HelpViewer *>(window))
            return viewer;
    return nullptr;
}

class FixedRandom : public RandomSource
{
public:
    explicit FixedRandom(int number) : m_number(number) {}
    int bounded(int) override { return m_number; }

private:
    int m_number;
};

QSettings settings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "KVTL");
}
} // namespace

class TestMainWindowDialogs : public QObject
{
    Q_OBJECT
private slots:
    void splitterStopsAtItsLimits();
    void rightButtonDoesNotDrag();
    void dragSetsTreeStatusPanelAndGauge();
    void headerDividerAppliesTheRatio();
    void headerSectionsShowDriveAndExplore();
    void explorePopupItemsOpenTheFolder();
    void thumbSizeCommandRebuildsAtTheNewSize();
    void storedMaximumSizeLimitsTheFirstBuild();
    void maximumSizeItemFollowsTheDialog();
    void tipAtFirstActivationFeedsShowTips();
    void aboutBoxFromTheMenu();
    void whatsThisItemsOpenTheirTopics();
    void helpCommandsKeepTheWorkingDirectory();
    void helpFileIsFoundInTheProgramFolder();
    void everyContextInTheWindowHasATopic();
    void f1OnAnOpenMenuItem();

private:
    static TForm1 &shown(MainWindowFixture &f)
    {
        TForm1 &form = f.create();
        form.state.FirstActivation = false;   // no tree walk: these tests set the folder themselves
        form.show();
        QCoreApplication::processEvents();
        return form;
    }
};

void TestMainWindowDialogs::splitterStopsAtItsLimits()
{
    MainWindowFixture f;
    TForm1 &form = shown(f);
    sendMouse(form.CenterPanel, QEvent::MouseButtonPress, Qt::LeftButton, 0);
    QVERIFY(form.SplitterBar->isVisible());
    QCOMPARE(form.SplitterBar->geometry(), form.CenterPanel->geometry());
    sendMouse(form.CenterPanel, QEvent::MouseMove, Qt::LeftButton, -5000);
    QCOMPARE(form.SplitterBar->x(), form.LeftPanel->x() + 20);
    sendMouse(form.CenterPanel, QEvent::MouseMove, Qt::LeftButton, 5000);
    QCOMPARE(form.SplitterBar->x(), form.RightPanel->x() + form.RightPanel->width() - 20);
    const int windowWidth = form.width();
    sendMouse(form.CenterPanel, QEvent::MouseButtonRelease, Qt::LeftButton, 5000);
    QCoreApplication::processEvents();
    QVERIFY(!form.SplitterBar->isVisible());
    QCOMPARE(form.width(), windowWidth);   // a narrow list does not widen the window
    QVERIFY(form.RightPanel->width() >= 20);
}

void TestMainWindowDialogs::rightButtonDoesNotDrag()
{
    MainWindowFixture f;
    TForm1 &form = shown(f);
    const int treeWidth = form.LeftPanel->width();
    sendMouse(form.CenterPanel, QEvent::MouseButtonPress, Qt::RightButton, 0);
    QVERIFY(!form.SplitterBar->isVisible());
    sendMouse(form.CenterPanel, QEvent::MouseMove, Qt::RightButton, 100);
    sendMouse(form.CenterPanel, QEvent::MouseButtonRelease, Qt::RightButton, 100);
    QCOMPARE(form.LeftPanel->width(), treeWidth);
    QVERIFY(form.StatusBar1->panelText(1) != "Adjusted Display Ratio");
}

void TestMainWindowDialogs::dragSetsTreeStatusPanelAndGauge()
{
    MainWindowFixture f;
    TForm1 &form = shown(f);
    QCOMPARE(form.ProgressBar1->x(), 464);
    const int start = form.CenterPanel->x();
    sendMouse(form.CenterPanel, QEvent::MouseButtonPress, Qt::LeftButton, 0);
    sendMouse(form.CenterPanel, QEvent::MouseMove, Qt::LeftButton, 300 - start);
    QCOMPARE(form.SplitterBar->x(), 300);
    sendMouse(form.CenterPanel, QEvent::MouseButtonRelease, Qt::LeftButton, 300 - start);
    QCoreApplication::processEvents();
    QCOMPARE(form.LeftPanel->width(), 299);
    QCOMPARE(form.StatusBar1->panelWidth(0), form.LeftPanel->width());
    QCOMPARE(form.ProgressBar1->x(), form.StatusBar1->panelWidth(0) + form.StatusBar1->panelWidth(1) + 4);
    QCOMPARE(form.HeaderControl1->sectionSize(0), 299);
    QCOMPARE(form.StatusBar1->panelText(1), QString("Adjusted Display Ratio"));
    QCOMPARE(form.CenterPanel->x(), 299);
}

void TestMainWindowDialogs::headerDividerAppliesTheRatio()
{
    MainWindowFixture f;
    TForm1 &form = shown(f);
    form.HeaderControl1->resizeSection(0, 150);
    QCoreApplication::processEvents();
    QCOMPARE(form.LeftPanel->width(), 150);
    QCOMPARE(form.StatusBar1->panelWidth(0), 150);
    QCOMPARE(form.ProgressBar1->x(), 150 + 250 + 4);
    QCOMPARE(form.StatusBar1->panelText(1), QString("Adjusted Display Ratio"));

    const int windowWidth = form.width();
    form.HeaderControl1->resizeSection(0, 5000);
    QCoreApplication::processEvents();
    QCOMPARE(form.width(), windowWidth);
    const int highest = form.RightPanel->x() + form.RightPanel->width() - 20 - 1;
    QVERIFY(form.LeftPanel->width() <= windowWidth - 20);
    QCOMPARE(form.HeaderControl1->sectionSize(0), form.LeftPanel->width());
    QVERIFY(highest >= form.LeftPanel->width());
}

void TestMainWindowDialogs::headerSectionsShowDriveAndExplore()
{
    MainWindowFixture f;
    const QString folder = f.folderWith("pics", {"a.bmp"});
    TForm1 &form = shown(f);
    FakeVolumes volumes;
    volumes.totalBytes = 1048576;
    volumes.freeBytes = 524288;
    TOKBottomDlg1 drive(volumes, &form);
    form.attachParts({.driveInfo = &drive});
    form.DirTree1->setDirectory(folder);
    QString shownSize;
    QString statusWhileOpen;
    whenModal([&](QWidget *modal) {
        shownSize = drive.Size->text();
        // The dialog takes the pointer off the header, whose hint then clears.
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(form.HeaderControl1, &leave);
        statusWhileOpen = form.StatusBar1->panelText(1);
        static_cast<QDialog *>(modal)->accept();
    });
    emit form.HeaderControl1->sectionClicked(0);
    QCOMPARE(statusWhileOpen, QString("Drive Details"));
    QCOMPARE(form.StatusBar1->panelText(1), QString("Drive Details"));
    QCOMPARE(shownSize, QString("1024 KBytes"));
    QCOMPARE(drive.Path->text(), workingDirectory());

    emit form.HeaderControl1->sectionClicked(1);
    QCOMPARE(f.shell.opened, QStringList({form.state.CurrentDir}));
    QCOMPARE(form.StatusBar1->panelText(1), QString("Exploring Directory"));
}

void TestMainWindowDialogs::explorePopupItemsOpenTheFolder()
{
    MainWindowFixture f;
    const QString folder = f.folderWith("pics", {"a.bmp"});
    TForm1 &form = shown(f);
    form.DirTree1->setDirectory(folder);
    f.shell.succeeds = false;   // a failure is not reported
    for (QMenu *popup : {form.PopupMenu1, form.PopupMenu2}) {
        for (QAction *item : popup->actions()) {
            if (item->text() != "&Explore")
                continue;
            QVERIFY(item->isEnabled());
            item->trigger();
        }
    }
    QCOMPARE(f.shell.opened, QStringList({form.state.CurrentDir, form.state.CurrentDir}));
    QCOMPARE(form.StatusBar1->panelText(1), QString("Exploring Directory"));
    QVERIFY(f.prompter.shown.isEmpty());
}

void TestMainWindowDialogs::thumbSizeCommandRebuildsAtTheNewSize()
{
    MainWindowFixture f;
    const QString folder = f.folderWith("pics", {"a.bmp", "b.bmp"});
    TForm1 &form = shown(f);
    TForm2 form2(form.state.ThumbWidth, form.state.ThumbHeight, form.help(), f.prompter, &form);
    form.attachParts({.thumbSize = &form2});
    form.DirTree1->setDirectory(folder);
    QVERIFY(form.action("ThumbSize1")->isEnabled());
    QVERIFY(form.ThumbSizeButton->isEnabled());

    whenModal([&](QWidget *) {
        QCOMPARE(form2.Edit1->text(), QString("70"));
        form2.Edit1->setText("25");
        form2.Edit2->setText("30");
        form2.OkButton->click();
    });
    form.action("ThumbSize1")->trigger();
    QCOMPARE(form.ImageList1.size(), QSize(25, 30));
    QCOMPARE(form.ListView1->count(), 2);
    QCOMPARE(form.StatusBar1->panelText(1), QString("Finished"));

    whenModal([&](QWidget *) {
        form2.Edit1->setText("40");
        form2.CancelButton->click();
    });
    form.ThumbSizeButton->click();
    QCOMPARE(form.StatusBar1->panelText(1), QString("Adjust Thumb Size"));   // no rebuild
    QCOMPARE(form.ImageList1.size(), QSize(25, 30));

    whenModal([&](QWidget *) {
        form2.Edit1->setText("200");
        form2.OkButton->click();
    });
    form.ThumbSize1Click();
    QCOMPARE(f.prompter.texts("error"), QStringList({"Image Width Value Must Be In Range 20 To 150"}));
    QCOMPARE(form.ImageList1.size(), QSize(25, 30));
    QCOMPARE(form.StatusBar1->panelText(1), QString("Finished"));   // rebuilt at the old size
}

void TestMainWindowDialogs::storedMaximumSizeLimitsTheFirstBuild()
{
    MainWindowFixture f;
    const QString folder = f.env.makeFolder("pics");
    TestEnvironment::writeFile(folder + "/small.bmp", 511999);
    TestEnvironment::writeFile(folder + "/large.bmp", 512000);
    {
        QSettings s = settings();
        s.setValue("Main/MaxSizeLimit", 1);
        s.setValue("Main/MaxSize", 500);
        s.setValue("Main/Directory", folder);
    }
    {
        TForm1 &form = f.create();
        TForm15 form15(form.state.MaxSizeEnabled, form.state.MaxSizeKB, form.help(), form.window());
        form.attachParts({.maxSize = &form15});
        QVERIFY(form15.CheckBox1->isChecked());
        QCOMPARE(form15.UpDown1->position(), 500);
        form.FormActivate();
        QCOMPARE(form.ListView1->count(), 1);
        QCOMPARE(form.ListView1->items()->caption(0), QString("small.bmp"));
        form.show();
        QVERIFY(form.close());
    }
    QCOMPARE(settings().value("Main/MaxSize").toInt(), 500);
    QCOMPARE(settings().value("Main/MaxSizeLimit").toInt(), 1);
}

void TestMainWindowDialogs::maximumSizeItemFollowsTheDialog()
{
    MainWindowFixture f;
    const QString folder = f.env.makeFolder("pics");
    TestEnvironment::writeFile(folder + "/small.bmp", 100);
    TestEnvironment::writeFile(folder + "/large.bmp", 600000);
    {
        TForm1 &form = shown(f);
        TForm15 form15(form.state.MaxSizeEnabled, form.state.MaxSizeKB, form.help(), &form);
        form.attachParts({.maxSize = &form15});
        QVERIFY(!form.action("MaximumSize1")->isChecked());
        whenModal([&](QWidget *modal) {
            form15.CheckBox1->setChecked(true);
            form15.SizeEdit->setText("200");
            modal->close();   // closed from its title bar: the controls still count
        });
        form.action("MaximumSize1")->trigger();
        QVERIFY(form.action("MaximumSize1")->isChecked());
        form.DirTree1->setDirectory(folder);
        QCOMPARE(form.ListView1->count(), 1);

        whenModal([&](QWidget *) {
            form15.CheckBox1->setChecked(false);
            form15.BitBtn1->click();
        });
        form.MaximumSize1Click();
        QVERIFY(!form.action("MaximumSize1")->isChecked());
        form.Refresh1Click();
        QCOMPARE(form.ListView1->count(), 1);   // the list is not rebuilt at once
        form.UpdateListbox();
        QCOMPARE(form.ListView1->count(), 2);
        form15.CheckBox1->setChecked(true);
        QVERIFY(form.close());
    }
    QCOMPARE(settings().value("Main/MaxSizeLimit").toInt(), 1);
    QCOMPARE(settings().value("Main/MaxSize").toInt(), 200);
}

void TestMainWindowDialogs::tipAtFirstActivationFeedsShowTips()
{
    MainWindowFixture f;
    const QString folder = f.folderWith("pics", {"a.bmp"});
    {
        QSettings s = settings();
        s.setValue("Main/Hints", 1);
        s.setValue("Main/Directory", folder);
    }
    {
        TForm1 &form = f.create({.tipRandom = std::make_shared<FixedRandom>(5)});
        QString tip;
        bool listEmptyWhileTipShown = false;
        whenModal([&](QWidget *modal) {
            auto *tips = qobject_cast<TForm16 *>(modal);
            QVERIFY(tips);
            tip = tips->TipLabel->text();
            listEmptyWhileTipShown = form.ListView1->count() == 0;
            tips->CheckBox1->setChecked(false);
            tips->BitBtn1->click();
        });
        form.FormActivate();
        QCOMPARE(tip, tipText(5));
        QVERIFY(listEmptyWhileTipShown);
        QVERIFY(!form.action("ShowHints1")->isChecked());
        QCOMPARE(form.ListView1->count(), 1);
        form.show();
        QVERIFY(form.close());
    }
    QCOMPARE(settings().value("Main/Hints").toInt(), 0);
    TForm1 &again = f.create();
    again.FormActivate();   // no tip: no modal window would be answered
    QVERIFY(!again.action("ShowHints1")->isChecked());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestMainWindowDialogs::aboutBoxFromTheMenu()
{
    MainWindowFixture f;
    TForm1 &form = shown(f);
    QString product, version;
    whenModal([&](QWidget *modal) {
        auto *about = qobject_cast<TAboutBox *>(modal);
        QVERIFY(about);
        product = about->ProductName->text();
        version = about->Version->text();
        about->OkButton->click();
    });
    form.action("About1")->trigger();
    QCOMPARE(product, QString("Pixmoor"));
    QCOMPARE(version, QString("Version 1.1B"));
}

void TestMainWindowDialogs::whatsThisItemsOpenTheirTopics()
{
    MainWindowFixture f;
    TForm1 &form = shown(f);
    form.help().setHelpFile(PIXMOOR_HELP_FILE);
    const QList<QPair<QMenu *, int>> popups{{form.PopupMenu2, 1}, {form.PopupMenu1, 2}, {form.PopupMenu4, 4},
                                            {form.PopupMenu5, 5}, {form.PopupMenu6, 15}, {form.PopupMenu7, 36}};
    for (const auto &[popup, context] : popups) {
        QAction *whatsThis = nullptr;
        for (QAction *item : popup->actions())
            if (item->text() == "&What's This?")
                whatsThis = item;
        QVERIFY(whatsThis && whatsThis->isEnabled());
        whatsThis->trigger();
        QCOMPARE(helpViewer()->currentPage(), context);
    }
}

void TestMainWindowDialogs::helpCommandsKeepTheWorkingDirectory()
{
    MainWindowFixture f;
    const QString folder = f.folderWith("pics", {"a.bmp"});
    TForm1 &form = shown(f);
    form.help().setHelpFile(PIXMOOR_HELP_FILE);
    form.DirTree1->setDirectory(folder);
    const QString before = workingDirectory();
    form.HelpButton->click();
    QCOMPARE(helpViewer()->currentPage(), 0);
    QCOMPARE(workingDirectory(), before);
    form.action("Search1")->trigger();
    QCOMPARE(helpViewer()->Tabs->currentIndex(), 1);
    QCOMPARE(workingDirectory(), before);
    form.action("UsingHelp1")->trigger();
    QCOMPARE(helpViewer()->currentPage(), int(HelpViewer::UsingHelpPage));
    form.WhatsThis7Click();
    QCOMPARE(workingDirectory(), before);
    QVERIFY(f.prompter.shown.isEmpty());
}

void TestMainWindowDialogs::helpFileIsFoundInTheProgramFolder()
{
    MainWindowFixture f;
    const QString folder = f.folderWith("pics", {"a.bmp"});
    TForm1 &form = shown(f);
    QCOMPARE(form.help().helpFile(), QString("Kelvane.hlp"));
    form.DirTree1->setDirectory(folder);
    QVERIFY(!QFileInfo::exists(QDir(workingDirectory()).filePath("Kelvane.hlp")));
    form.WhatsThis5Click();
    QCOMPARE(helpViewer()->currentPage(), 5);
    QCOMPARE(helpViewer()->pageTitle(), QString("Image Type"));
}

void TestMainWindowDialogs::everyContextInTheWindowHasATopic()
{
    MainWindowFixture f;
    TForm1 &form = shown(f);
    const HelpFile file = HelpFile::load(PIXMOOR_HELP_FILE);
    QSet<int> used;
    for (QObject *part : form.findChildren<QObject *>())
        if (const int context = part->property("helpContext").toInt())
            used.insert(context);
    QVERIFY(used.size() > 25);
    for (int context : used)
        QVERIFY2(file.topic(context), qPrintable(QString("no topic for %1").arg(context)));
}

void TestMainWindowDialogs::f1OnAnOpenMenuItem()
{
    MainWindowFixture f;
    TForm1 &form = shown(f);
    form.help().setHelpFile(PIXMOOR_HELP_FILE);
    form.View3->popup(form.mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(form.View3));
    form.View3->setActiveAction(form.action("NoStop1"));
    QTest::keyClick(form.View3, Qt::Key_F1);
    QCOMPARE(helpViewer()->currentPage(), 31);
    QVERIFY(!form.View3->isVisible());   // not left open over the help
    // Again with the help window open already.
    form.File1->popup(form.mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(form.File1));
    form.File1->setActiveAction(form.action("Delete1"));
    QTest::keyClick(form.File1, Qt::Key_F1);
    QCOMPARE(helpViewer()->currentPage(), 17);
    QVERIFY(!form.File1->isVisible());
    form.ListView1->activeView()->setFocus();
    QTest::keyClick(form.ListView1->activeView(), Qt::Key_F1);
    QCOMPARE(helpViewer()->currentPage(), 2);
}

QTEST_MAIN(TestMainWindowDialogs)
#include "tst_mainwindowdialogs.moc"
