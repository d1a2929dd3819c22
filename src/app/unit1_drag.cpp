// Main window: files dropped onto a folder of the tree are copied or moved.
#include "app/unit1.h"
#include "app/mainwindowlist.h"

#include "fileops/choose.h"
#include "fileops/copywalk.h"
#include "fileops/filecopier.h"
#include "browse/imagelistview.h"

#include <QDir>
#include <algorithm>
#include <QFileInfo>
#include <QUrl>

namespace {
// Files dragged in from another program: each from its own folder.
QList<WalkEntry> droppedEntries(const QList<QUrl> &files)
{
    QList<WalkEntry> entries;
    for (const QUrl &url : files) {
        if (!url.isLocalFile())
            continue;
        const QFileInfo file(url.toLocalFile());
        entries.append({QDir::toNativeSeparators(file.filePath()),
                        QDir::toNativeSeparators(file.path()), true});
    }
    return entries;
}
} // namespace

void TForm1::DirTreeDragDrop(const QString &targetFolder, const QList<QUrl> &droppedFiles,
                             bool fromThisProgram)
{
    if (!m_chooserDialog || m_busy)
        return;
    // A drag out of the list carries its selection; the list itself is walked.
    const ListSelection selection = m_listWindow->selection();
    const QList<WalkEntry> entries = fromThisProgram ? walkEntries(selection) : droppedEntries(droppedFiles);
    if (std::none_of(entries.begin(), entries.end(), [](const WalkEntry &entry) { return entry.selected; }))
        return;
    int choice = TForm14::Cancelled;
    runDialog(m_chooserDialog, &choice);
    if (choice != TForm14::CopyChosen && choice != TForm14::MoveChosen)
        return;
    const bool move = choice == TForm14::MoveChosen;
    setStatus(QStringLiteral("Copying Files"));
    {
        const BusyScope busy(*m_listWindow, BusyKind::DropWalk);
        FileCopier copier(*m_files, m_prompter);
        const QStringList arrived = runCopyWalk({entries, targetFolder, move, false}, copier, *m_listWindow);
        if (move && fromThisProgram)
            commands().removeGone(selection, arrived);
    }
    setStatus(QStringLiteral("Finished File Operation"));
}
