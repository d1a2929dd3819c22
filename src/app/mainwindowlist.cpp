#include "app/mainwindowlist.h"

#include "app/unit1.h"
#include "browse/imagelistview.h"
#include "platform/prompter.h"

#include <QApplication>
#include <utility>

void MainWindowList::letMessagesRun()
{
    m_form.letMessagesRun();
}

bool MainWindowList::takeStopRequest()
{
    return std::exchange(m_form.state.StopRequested, false);
}

void MainWindowList::setStatus(const QString &text)
{
    m_form.setStatus(text);
}

void MainWindowList::setGauge(int position)
{
    m_form.setGauge(position);
}

void MainWindowList::reportError(const QString &text)
{
    m_form.m_prompter.error(text);
}

QWidget *MainWindowList::widget()
{
    return &m_form;
}

ImageListView &MainWindowList::list()
{
    return *m_form.ListView1;
}

ListSelection MainWindowList::selection() const
{
    return listSelection(*m_form.ListView1, m_form.state.CurrentDir);
}

// Printing and dropped files cannot be stopped: PrintBusy keeps Stop off.
void MainWindowList::enterBusy(BusyKind kind)
{
    switch (kind) {
    case BusyKind::FileWalk:
        m_form.disablewindow();
        break;
    case BusyKind::DropWalk:
        m_form.state.PrintBusy = true;
        m_form.disablewindow();
        break;
    case BusyKind::Conversion:
        m_form.disablewindow();
        m_form.m_converting = true;
        break;
    case BusyKind::ImagePrint:
        m_form.state.PrintBusy = true;
        m_form.letMessagesRun();
        m_form.disablewindow();
        break;
    case BusyKind::SheetPrint:
        m_form.state.PrintBusy = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        break;
    }
}

// A close asked for during a conversion happens once it is over.
void MainWindowList::leaveBusy(BusyKind kind)
{
    switch (kind) {
    case BusyKind::FileWalk:
        m_form.enablewindow();
        break;
    case BusyKind::DropWalk:
    case BusyKind::ImagePrint:
        m_form.enablewindow();
        m_form.state.PrintBusy = false;
        break;
    case BusyKind::Conversion:
        m_form.m_converting = false;
        m_form.enablewindow();
        if (std::exchange(m_form.m_closeRequested, false))
            m_form.close();
        break;
    case BusyKind::SheetPrint:
        m_form.state.PrintBusy = false;
        QApplication::restoreOverrideCursor();
        break;
    }
}

void MainWindowList::deleteSelected()
{
    m_form.DeleteSelected();
}

const ListCommandStyle &mainWindowStyle()
{
    static const ListCommandStyle style{
        .copyFinished = QStringLiteral("Finished Copying Files"),
        .noFilesCopied = QStringLiteral("No Files Copied"),
        .clearCopyTarget = false,
        .deleteFinished = QStringLiteral("Finished Deleting Files"),
        .renameAsking = QStringLiteral("Rename File"),
        .editRenamed = QStringLiteral("File Renamed"),
        .propertiesSet = QStringLiteral("File Attributes Set"),
        .viewStatus = true,
        .keepTypedConvertTarget = true,
        .messagesDuringConversion = true,
        .printOptionsStatus = QString(),
        .launchStatus = QStringLiteral("Checking File Association"),
    };
    return style;
}
