// Search window: the commands on the results, each on the real paths of the
// chosen entries, through the commands the main window uses too.
#include "search/search.h"
#include "search/searchwindowlist.h"

#include "browse/fileitemmodel.h"
#include "browse/imagelistview.h"
#include "platform/prompter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QProgressBar>

void SearchWindowList::letMessagesRun()
{
    QCoreApplication::processEvents();
}

void SearchWindowList::setStatus(const QString &text)
{
    m_form.setStatus(text);
}

void SearchWindowList::setGauge(int position)
{
    m_form.setGauge(position);
}

void SearchWindowList::reportError(const QString &text)
{
    m_form.m_prompter.error(text);
}

QWidget *SearchWindowList::widget()
{
    return &m_form;
}

ImageListView &SearchWindowList::list()
{
    return *m_form.ListView1;
}

ListSelection SearchWindowList::selection() const
{
    return listSelection(*m_form.ListView1, QString());
}

// The window stays usable; the hourglass says a command runs.
void SearchWindowList::enterBusy(BusyKind)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void SearchWindowList::leaveBusy(BusyKind)
{
    QApplication::restoreOverrideCursor();
}

void SearchWindowList::deleteSelected()
{
    m_form.DeleteSelected();
}

const ListCommandStyle &searchWindowStyle()
{
    static const ListCommandStyle style{
        .copyFinished = QStringLiteral("Operation Completed"),
        .noFilesCopied = QString(),
        .clearCopyTarget = true,
        .deleteFinished = QStringLiteral("Finished"),
        .renameAsking = QString(),
        .editRenamed = QString(),
        .propertiesSet = QStringLiteral("File Attributes Changed"),
        .viewStatus = false,
        .keepTypedConvertTarget = false,
        .messagesDuringConversion = false,
        .printOptionsStatus = QStringLiteral("Print Options"),
        .launchStatus = QString(),
    };
    return style;
}

ListCommands TForm11::commands()
{
    return ListCommands(m_services.commands, *m_listWindow, searchWindowStyle());
}

QStringList TForm11::resultPaths() const
{
    QStringList paths;
    for (int row = 0; row < ListView1->items()->rowCount(); ++row)
        paths.append(ListView1->items()->path(row));
    return paths;
}

QStringList TForm11::resultCaptions() const
{
    return ListView1->captions();
}

void TForm11::Move1Click()
{
    if (!m_searching)
        commands().copyOrMove(true);
}

void TForm11::Copy1Click()
{
    if (!m_searching)
        commands().copyOrMove(false);
}

void TForm11::DeleteSelected()
{
    ListView1->removeSelected();
}

void TForm11::Delete1Click()
{
    if (!m_searching)
        commands().deleteFiles();
}

void TForm11::Rename1Click()
{
    if (!m_searching)
        commands().rename();
}

// An in-place edit starts from the real path; the edited text is a full
// path, so changing its folder part moves the file.
void TForm11::ListView1Edited(const QString &path, const QString &newText)
{
    const ListSelection selection = m_listWindow->selection();
    if (const ListEntry *entry = selection.withPath(path))
        commands().renameInPlace(*entry, newText);
}

void TForm11::SelectAll1Click()
{
    ListView1->activeView()->setFocus();
    ListView1->selectAll();
    setStatus(QStringLiteral("All Files Selected"));
}

void TForm11::Properties2Click()
{
    commands().properties();
}

void TForm11::LaunchApp1Click()
{
    commands().launch();
}

void TForm11::View1Click()
{
    commands().view();
}

void TForm11::ToClipboard1Click()
{
    commands().copyToClipboard();
}

void TForm11::Convert1Click()
{
    if (!m_searching)
        commands().convert();
}

void TForm11::Print1Click()
{
    if (!m_searching)
        commands().printSheet();
}

void TForm11::Print2Click()
{
    commands().printImage();
}
