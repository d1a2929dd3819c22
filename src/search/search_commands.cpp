// Search window: copy and move, rename, delete, select all, properties and
// launch, each on the real paths of the chosen entries.
#include "search/search.h"
#include "search/searchwalkhost.h"
#include "search/waitcursor.h"

#include "browse/fileitemmodel.h"
#include "browse/imagelistview.h"
#include "fileops/copy.h"
#include "fileops/copywalk.h"
#include "fileops/filecopier.h"
#include "fileops/filehousekeeping.h"
#include "fileops/prop.h"
#include "fileops/rename.h"
#include "platform/prompter.h"
#include "platform/shell.h"
#include "platform/paths.h"
#include "search/filesearch.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>

namespace {
// The folder part of a path: up to and including its last separator.
QString folderPart(const QString &path)
{
    return path.left(path.size() - namePart(path).size());
}
} // namespace

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

// The list is never sorted, so view rows are model rows.
QList<int> TForm11::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : ListView1->activeView()->selectionModel()->selectedIndexes())
        if (index.column() == FileItemModel::FileColumn)
            rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QString TForm11::firstSelectedPath() const
{
    const QList<int> rows = selectedRows();
    return rows.isEmpty() ? QString() : ListView1->items()->path(rows.first());
}

int TForm11::rowOfPath(const QString &path) const
{
    return int(resultPaths().indexOf(path));
}

bool TForm11::runDialog(QDialog *dialog)
{
    return dialog->exec() == QDialog::Accepted;
}

QList<WalkEntry> TForm11::walkEntries() const
{
    const QList<int> selected = selectedRows();
    QList<WalkEntry> entries;
    for (int row = 0; row < ListView1->items()->rowCount(); ++row) {
        const QString path = ListView1->items()->path(row);
        entries.append({path, folderPart(path), selected.contains(row)});
    }
    return entries;
}

void TForm11::Move1Click(QObject *sender)
{
    TForm5 *dialog = m_services.copyTarget;
    if (!dialog || m_searching)
        return;
    const bool move = sender && sender->objectName().startsWith(QLatin1String("Move"));
    dialog->setWindowTitle(move ? QStringLiteral("Move") : QStringLiteral("Copy"));
    dialog->Label1->setText(move ? QStringLiteral("Location to Move Files") : QStringLiteral("Location to Copy Files"));
    const QList<WalkEntry> entries = walkEntries();
    if (selectedRows().isEmpty())
        return;
    dialog->Edit1->clear();
    if (!runDialog(dialog) || !dialog->TargetPathValid)
        return;
    FileCopier copier(*m_services.files, m_prompter);
    const QString firstFolder = folderPart(firstSelectedPath());
    const std::optional<QString> target =
        prepareTarget(dialog->Edit1->text(), firstFolder, *m_services.files, copier, m_prompter);
    if (!target)
        return;
    setStatus(QStringLiteral("Copying Files"));
    QStringList arrived;
    {
        WaitCursor hourglass;
        SearchWalkHost host([this](const QString &text) { setStatus(text); }, ProgressBar1, true);
        arrived = runCopyWalk({entries, *target, move, true}, copier, host);
    }
    if (move)
        removeRowsOf(arrived);
    setStatus(QStringLiteral("Operation Completed"));
    setGauge(0);
}

// The selected entries whose files are gone leave the list; the others
// stay, so what was not moved or deleted can still be worked on.
void TForm11::removeRowsOf(const QStringList &paths)
{
    QItemSelectionModel *selection = ListView1->activeView()->selectionModel();
    const QAbstractItemModel *shown = ListView1->activeView()->model();
    for (int row : selectedRows())
        if (!paths.contains(ListView1->items()->path(row)))
            selection->select(shown->index(row, 0), QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    DeleteSelected();
}

void TForm11::DeleteSelected()
{
    ListView1->removeSelected();
}

void TForm11::Delete1Click()
{
    if (m_searching)
        return;
    QStringList paths;
    for (int row : selectedRows())
        paths.append(ListView1->items()->path(row));
    if (paths.isEmpty()) {
        m_prompter.error(QStringLiteral("No Files Selected"));
        return;
    }
    if (m_prompter.confirm(QStringLiteral("Confirm File Delete"), {Prompter::Button::Ok, Prompter::Button::Cancel})
        != Prompter::Button::Ok)
        return;
    setStatus(QStringLiteral("Deleting Files"));
    FileCopier copier(*m_services.files, m_prompter);
    FileHousekeeping housekeeping(*m_services.files, m_prompter, copier);
    removeRowsOf(housekeeping.deleteFiles(QString(), paths));
    setStatus(QStringLiteral("Finished"));
}

void TForm11::Rename1Click()
{
    TForm4 *dialog = m_services.rename;
    const QList<int> rows = selectedRows();
    if (!dialog || rows.isEmpty() || m_searching)
        return;
    const int row = rows.first();
    const QString path = ListView1->items()->path(row);
    dialog->Label2->setText(path);
    dialog->Edit1->clear();
    if (!runDialog(dialog))
        return;
    const QString newName = dialog->Edit1->text();
    FileCopier copier(*m_services.files, m_prompter);
    FileHousekeeping housekeeping(*m_services.files, m_prompter, copier);
    if (!housekeeping.renameFile(folderPart(path), namePart(path), newName))
        return;
    // The new name counts from the entry's folder unless it is a full path.
    const QString newPath = QDir(folderPart(path)).filePath(newName);
    const QString caption = ListView1->items()->caption(row);
    renameEntry(row, newPath, QDir::isAbsolutePath(newName) ? newPath : folderPart(caption) + newName);
    setStatus(QStringLiteral("File Renamed"));
}

// An in-place edit starts from the real path; the edited text is a full
// path, so changing its folder part moves the file.
void TForm11::ListView1Edited(const QString &path, const QString &newText)
{
    const int row = rowOfPath(path);
    if (row < 0)
        return;
    // A bare name stays in the entry's folder rather than the working one.
    const QString target = QDir::isRelativePath(newText) && !newText.isEmpty() ? folderPart(path) + newText : newText;
    FileCopier copier(*m_services.files, m_prompter);
    FileHousekeeping housekeeping(*m_services.files, m_prompter, copier);
    if (housekeeping.renameFile(QString(), path, target))
        renameEntry(row, target, target);
}

void TForm11::renameEntry(int row, const QString &newPath, const QString &newCaption)
{
    ListView1->items()->setPath(row, newPath);
    ListView1->items()->setCaption(row, newCaption);
}

void TForm11::SelectAll1Click()
{
    ListView1->activeView()->setFocus();
    ListView1->selectAll();
    setStatus(QStringLiteral("All Files Selected"));
}

void TForm11::Properties2Click()
{
    TForm8 *dialog = m_services.properties;
    const QString path = firstSelectedPath();
    if (!dialog || path.isEmpty())
        return;
    FileCopier copier(*m_services.files, m_prompter);
    FileHousekeeping housekeeping(*m_services.files, m_prompter, copier);
    if (!dialog->editProperties(housekeeping, path, namePart(path), withTrailingSeparator(folderPart(path))))
        return;
    setStatus(QStringLiteral("File Attributes Changed"));
}

void TForm11::LaunchApp1Click()
{
    const QString path = firstSelectedPath();
    if (!path.isEmpty() && m_services.shell)
        m_services.shell->openDocument(path);
}
