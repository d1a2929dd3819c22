#include "app/newstat.h"
#include "browse/dirtree.h"
#include "browse/imagelistview.h"
#include "support/mainwindowfixture.h"

#include <QHeaderView>
#include <QMenu>
#include <QTest>
#include <QToolButton>

class TestBusyMode : public QObject
{
    Q_OBJECT
private slots:
    void busyDisablesEverythingButStop();
    void idleRestoresEverythingButStop();
    void noStopLeavesStopDisabled();
    void printingKeepsStopDisabled();
    void stopPressedWhileIdleHaltsTheNextBuildAtOnce();
    void shortcutsStartNothingWhileBusy();
    void menusAreEnabledBeforeTheFirstBuild();

private:
    static QList<QWidget *> busyControls(TForm1 &form)
    {
        return {form.ClipBoardButton, form.SearchButton, form.DirTree1, form.ListView1, form.Panel1,
                form.HeaderControl1, form.MoveButton, form.CopyButton, form.RenameButton,
                form.DeleteButton, form.PrintButton, form.PrintSetUpButton, form.ThumbSizeButton,
                form.ViewButton, form.HelpButton, form.ExitButton};
    }
    static QList<QMenu *> headings(TForm1 &form)
    {
        return {form.File1, form.Image1, form.Settings1, form.View3, form.Help1};
    }
};

// A start that builds no list (a folder that cannot be opened) never ends
// a busy mode: the menus must be usable without one.
void TestBusyMode::menusAreEnabledBeforeTheFirstBuild()
{
    MainWindowFixture f;
    TForm1 &form = f.create();
    for (QMenu *heading : headings(form)) {
        QVERIFY2(heading->menuAction()->isEnabled(), qPrintable(heading->objectName()));
        for (QAction *item : heading->actions())
            QVERIFY2(item->isSeparator() || item->isEnabled(), qPrintable(item->objectName()));
    }
}

void TestBusyMode::busyDisablesEverythingButStop()
{
    MainWindowFixture f;
    TForm1 &form = f.create();
    form.enablewindow();
    form.disablewindow();
    QVERIFY(form.isBusy());
    for (QWidget *control : busyControls(form))
        QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
    for (QMenu *heading : headings(form))
        QVERIFY2(!heading->menuAction()->isEnabled(), qPrintable(heading->objectName()));
    QVERIFY(form.StopButton->isEnabled());
    QCOMPARE(form.LeftPanel->cursor().shape(), Qt::WaitCursor);
    QCOMPARE(form.DirTree1->cursor().shape(), Qt::WaitCursor);
}

void TestBusyMode::idleRestoresEverythingButStop()
{
    MainWindowFixture f;
    TForm1 &form = f.create();
    form.disablewindow();
    form.enablewindow();
    QVERIFY(!form.isBusy());
    QVERIFY(!form.StopButton->isEnabled());
    for (QMenu *heading : headings(form))
        QVERIFY(heading->menuAction()->isEnabled());
    for (QWidget *control : {static_cast<QWidget *>(form.DirTree1), static_cast<QWidget *>(form.ListView1),
                             static_cast<QWidget *>(form.Panel1), static_cast<QWidget *>(form.HeaderControl1),
                             static_cast<QWidget *>(form.ExitButton)})
        QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
    QVERIFY(form.CopyButton->isEnabled());
    QVERIFY(form.SearchButton->isEnabled());
    QCOMPARE(form.LeftPanel->cursor().shape(), Qt::ArrowCursor);
}

void TestBusyMode::noStopLeavesStopDisabled()
{
    MainWindowFixture f;
    TForm1 &form = f.create();
    form.action("NoStop1")->trigger();
    QVERIFY(form.action("NoStop1")->isChecked());
    form.enablewindow();
    form.disablewindow();
    QVERIFY(!form.StopButton->isEnabled());
    form.enablewindow();
    form.action("NoStop1")->trigger();
    form.disablewindow();
    QVERIFY(form.StopButton->isEnabled());
}

void TestBusyMode::printingKeepsStopDisabled()
{
    MainWindowFixture f;
    TForm1 &form = f.create();
    form.state.PrintBusy = true;
    form.disablewindow();
    QVERIFY(!form.StopButton->isEnabled());
    QCOMPARE(form.Panel2->cursor().shape(), Qt::WaitCursor);
    form.enablewindow();
    QCOMPARE(form.Panel2->cursor().shape(), Qt::ArrowCursor);
}

void TestBusyMode::stopPressedWhileIdleHaltsTheNextBuildAtOnce()
{
    MainWindowFixture f;
    const QString folder = f.folderWith("pics", {"a.bmp", "b.bmp", "c.bmp"});
    TForm1 &form = f.create();
    QVERIFY2(form.StopButton->isEnabled(), "Stop starts enabled, as designed");
    form.StopButton->click();
    form.DirTree1->setDirectory(folder);
    QCOMPARE(form.ListView1->count(), 1);
    QVERIFY(!form.state.StopRequested);
    QVERIFY(!form.StopButton->isEnabled());
}

void TestBusyMode::shortcutsStartNothingWhileBusy()
{
    MainWindowFixture f;
    const QString folder = f.folderWith("pics", {"a.bmp"});
    TForm1 &form = f.create();
    form.DirTree1->setDirectory(folder);
    form.ListView1->selectAll();
    form.disablewindow();
    form.action("Delete1")->trigger();
    form.action("SelectAll1")->trigger();
    QVERIFY(f.prompter.shown.isEmpty());
    QCOMPARE(form.StatusBar1->panelText(1), QString("Finished"));
    form.enablewindow();
    form.action("Delete1")->trigger();
    QCOMPARE(f.prompter.shown.size(), 1);
    QVERIFY(QFile::exists(folder + "/a.bmp"));
}

QTEST_MAIN(TestBusyMode)
#include "tst_busymode.moc"
