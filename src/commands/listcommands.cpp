// Copy and move, delete, rename, properties and launch on a list's selection.
#include "commands/listcommands.h"

#include "browse/fileitemmodel.h"
#include "browse/imagelistview.h"
#include "commands/listwindow.h"
#include "fileops/copy.h"
#include "fileops/copywalk.h"
#include "fileops/filecopier.h"
#include "fileops/filehousekeeping.h"
#include "fileops/prop.h"
#include "fileops/rename.h"
#include "platform/prompter.h"
#include "platform/shell.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>

QList<WalkEntry> walkEntries(const ListSelection &selection)
{
    QList<WalkEntry> entries;
    for (const ListEntry &entry : selection.entries)
        entries.append({entry.name, folderPart(entry.path), entry.selected});
    return entries;
}

ListCommands::ListCommands(const CommandServices &services, ListWindow &window, const ListCommandStyle &style)
    : m_services(services), m_prompter(*services.prompter), m_window(window), m_style(style)
{
}

void ListCommands::copyOrMove(bool move)
{
    TForm5 *dialog = m_services.copyTarget;
    if (!dialog)
        return;
    dialog->setWindowTitle(move ? QStringLiteral("Move") : QStringLiteral("Copy"));
    dialog->Label1->setText(move ? QStringLiteral("Location to Move Files") : QStringLiteral("Location to Copy Files"));
    const ListSelection selection = m_window.selection();
    const ListEntry *first = selection.first();
    if (!first)
        return;
    if (m_style.clearCopyTarget)
        dialog->Edit1->clear();
    {
        const OpenedFrom opened(*dialog, m_window.widget());
        if (dialog->exec() != QDialog::Accepted || !dialog->TargetPathValid)
            return;
    }
    FileCopier copier(*m_services.files, m_prompter);
    const std::optional<QString> target =
        prepareTarget(dialog->Edit1->text(), folderPart(first->path), *m_services.files, copier, m_prompter);
    if (!target) {
        if (!m_style.noFilesCopied.isEmpty())
            m_window.setStatus(m_style.noFilesCopied);
        return;
    }
    m_window.setStatus(QStringLiteral("Copying Files"));
    {
        const BusyScope busy(m_window, BusyKind::FileWalk);
        const QStringList arrived = runCopyWalk({walkEntries(selection), *target, move, true}, copier, m_window);
        if (move)
            removeGone(selection, arrived);
    }
    m_window.setGauge(0);
    m_window.setStatus(m_style.copyFinished);
}

void ListCommands::removeGone(const ListSelection &selection, const QStringList &gone)
{
    QList<int> staying;
    for (const ListEntry &entry : selection.selected())
        if (!gone.contains(entry.name))
            staying.append(entry.row);
    m_window.list().deselect(staying);
    m_window.deleteSelected();
}

void ListCommands::deleteFiles()
{
    const ListSelection selection = m_window.selection();
    QStringList names;
    for (const ListEntry &entry : selection.selected())
        names.append(entry.name);
    if (names.isEmpty()) {
        m_prompter.error(QStringLiteral("No Files Selected"));
        return;
    }
    FileCopier copier(*m_services.files, m_prompter);
    FileHousekeeping housekeeping(*m_services.files, m_prompter, copier);
    if (m_prompter.confirm(housekeeping.deleteQuestion(selection.folder, names),
                           {Prompter::Button::Ok, Prompter::Button::Cancel})
        != Prompter::Button::Ok)
        return;
    m_window.setStatus(QStringLiteral("Deleting Files"));
    removeGone(selection, housekeeping.deleteFiles(selection.folder, names));
    m_window.setStatus(m_style.deleteFinished);
}

void ListCommands::rename()
{
    TForm4 *dialog = m_services.rename;
    const ListSelection selection = m_window.selection();
    const ListEntry *entry = selection.first();
    if (!dialog || !entry)
        return;
    dialog->Label2->setText(entry->name);
    dialog->Edit1->clear();
    if (!m_style.renameAsking.isEmpty())
        m_window.setStatus(m_style.renameAsking);
    {
        const OpenedFrom opened(*dialog, m_window.widget());
        if (dialog->exec() != QDialog::Accepted)
            return;
    }
    renameEntry(selection, *entry, dialog->Edit1->text(), QStringLiteral("File Renamed"));
}

bool ListCommands::renameInPlace(const ListEntry &entry, const QString &newText)
{
    return renameEntry(m_window.selection(), entry, newText, m_style.editRenamed);
}

// The new name counts from the entry's folder unless it is a full path;
// a list of full paths gets the entry's new path too.
bool ListCommands::renameEntry(const ListSelection &selection, const ListEntry &entry, const QString &newName,
                               const QString &status)
{
    FileCopier copier(*m_services.files, m_prompter);
    FileHousekeeping housekeeping(*m_services.files, m_prompter, copier);
    const QString folder = folderPart(entry.path);
    if (!housekeeping.renameFile(folder, namePart(entry.path), newName))
        return false;
    const QString newPath = QDir(folder).filePath(newName);
    FileItemModel *items = m_window.list().items();
    items->setCaption(entry.row, QDir::isAbsolutePath(newName) ? newPath : folderPart(entry.caption) + newName);
    if (selection.folder.isEmpty())
        items->setPath(entry.row, newPath);
    if (!status.isEmpty())
        m_window.setStatus(status);
    return true;
}

void ListCommands::properties()
{
    TForm8 *dialog = m_services.properties;
    const ListSelection selection = m_window.selection();
    const ListEntry *entry = selection.first();
    if (!dialog || !entry)
        return;
    FileCopier copier(*m_services.files, m_prompter);
    FileHousekeeping housekeeping(*m_services.files, m_prompter, copier);
    const QString folder = selection.folder.isEmpty() ? folderPart(entry->path) : selection.folder;
    const OpenedFrom opened(*dialog, m_window.widget());
    if (dialog->editProperties(housekeeping, entry->path, namePart(entry->path), folder))
        m_window.setStatus(m_style.propertiesSet);
}

void ListCommands::launch()
{
    const ListSelection selection = m_window.selection();
    const ListEntry *entry = selection.first();
    if (!entry || !m_services.shell)
        return;
    if (!m_style.launchStatus.isEmpty())
        m_window.setStatus(m_style.launchStatus);
    if (!m_services.shell->openDocument(entry->path))
        m_prompter.error(QStringLiteral("No application is associated with ") + entry->name);
}
