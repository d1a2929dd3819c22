// Main window: busy mode, the status panels, the gauge and hints.
#include "app/unit1.h"

#include "app/newstat.h"
#include "browse/dirtree.h"
#include "browse/imagelistview.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QMenu>
#include <QProgressBar>
#include <QToolButton>

namespace {
void setBusyCursor(QWidget *widget, bool busy)
{
    if (busy)
        widget->setCursor(Qt::WaitCursor);
    else
        widget->unsetCursor();
}
} // namespace

void TForm1::disablewindow()
{
    m_busy = true;
    setBusyCursor(LeftPanel, true);
    setBusyCursor(RightPanel, true);
    for (QWidget *control : {static_cast<QWidget *>(ClipBoardButton), static_cast<QWidget *>(SearchButton),
                             static_cast<QWidget *>(DirTree1), static_cast<QWidget *>(ListView1),
                             static_cast<QWidget *>(Panel1)}) {
        control->setEnabled(false);
        setBusyCursor(control, true);
    }
    for (QMenu *heading : {Help1, Image1, Settings1, File1, View3})
        heading->menuAction()->setEnabled(false);
    HeaderControl1->setEnabled(false);
    for (QToolButton *button : {MoveButton, CopyButton, RenameButton, DeleteButton, PrintButton,
                                PrintSetUpButton, ThumbSizeButton, ViewButton, HelpButton, ExitButton})
        button->setEnabled(false);
    if (state.PrintBusy) {
        StopButton->setEnabled(false);
        setBusyCursor(Panel2, true);
    } else if (!state.NoStop) {
        StopButton->setEnabled(true);
    }
    letMessagesRun();
}

void TForm1::enablewindow()
{
    setBusyCursor(LeftPanel, false);
    setBusyCursor(RightPanel, false);
    for (QWidget *control : {static_cast<QWidget *>(ClipBoardButton), static_cast<QWidget *>(SearchButton),
                             static_cast<QWidget *>(DirTree1)}) {
        control->setEnabled(true);
        setBusyCursor(control, false);
    }
    setBusyCursor(ListView1, false);
    StopButton->setEnabled(false);
    Panel1->setEnabled(true);
    setBusyCursor(Panel1, false);
    for (QMenu *heading : {Help1, Image1, Settings1, File1, View3})
        heading->menuAction()->setEnabled(true);
    HeaderControl1->setEnabled(true);
    setBusyCursor(HeaderControl1, false);
    for (QToolButton *button : {MoveButton, CopyButton, RenameButton, DeleteButton, PrintButton,
                                PrintSetUpButton, ViewButton, HelpButton, ExitButton})
        button->setEnabled(true);
    ThumbSizeButton->setEnabled(isIconView());
    setBusyCursor(Panel2, false);
    ListView1->setEnabled(true);
    m_busy = false;
    letMessagesRun();
}

void TForm1::ShowHint(const QString &hint)
{
    setStatus(QStringLiteral("  ") + hint);
}

void TForm1::setStatus(const QString &text)
{
    StatusBar1->setPanelText(1, text);
}

void TForm1::setGauge(int position)
{
    // Painting only on a change keeps a build of thousands of files fast;
    // the gauge can show no more than 101 positions anyway.
    if (ProgressBar1->value() == position)
        return;
    ProgressBar1->setValue(position);
    ProgressBar1->repaint();
}

void TForm1::letMessagesRun()
{
    QCoreApplication::processEvents();
}
