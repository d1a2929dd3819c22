// Main window: copying and moving, deleting, renaming, properties and folders.
#include "app/unit1.h"
#include "app/mainwindowwalkhost.h"

#include "app/newstat.h"
#include "browse/dirtree.h"
#include "browse/imagelistview.h"
#include "browse/listtexts.h"
#include "dialogs/helpcommands.h"
#include "fileops/choose.h"
#include "fileops/copy.h"
#include "fileops/copywalk.h"
#include "fileops/createdir.h"
#include "fileops/filecopier.h"
#include "fileops/filehousekeeping.h"
#include "fileops/prop.h"
#include "fileops/rename.h"
#include "platform/filesystem.h"
#include "platform/prompter.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

void TForm1::setFileDialogs(TForm4 *rename, TForm5 *copyTarget, TForm8 *properties,
                            TForm13 *createDirectory, TForm14 *chooser)
{
    m_renameDialog = rename;
    m_copyTargetDialog = copyTarget;
    m_propertiesDialog = properties;
    m_createDirectoryDialog = createDirectory;
    m_chooserDialog = chooser;
    for (FileOpsDialog *dialog : std::initializer_list<FileOpsDialog *>{rename, copyTarget, properties,
                                                                        createDirectory, chooser})
        connect(dialog, &FileOpsDialog::helpRequested, this, [this](int context) {
            if (m_help)
                m_help->context(context);
        });
}

void TForm1::setUpFileCommands()
{
    m_files = &systemFileSystem();
    ListView1->setCaptionsEditable(true);
    connect(ListView1, &ImageListView::captionEdited, this, [this](const QString &old, const QString &text) {
        QString edited = text;
        ListView1Edited(old, edited);
    });
    // Runs after DirTree1DirChange: a drag out of the list names files of CurrentDir.
    connect(DirTree1, &TDirTree::OnDirChange, this, [this] { ListView1->setDragFolder(state.CurrentDir); });
    DirTree1->setAcceptFileDrops(true);
    // Queued: the chooser must not open inside the drop itself.
    // Only a drag out of the list carries the list's selection; anything else
    // (another window, another program) brings the files it names. The drop
    // is handled once the drag is over, so the chooser's questions come then.
    connect(DirTree1, &TDirTree::filesDropped, this,
            [this](const QString &target, const QList<QUrl> &files, QObject *source) {
                const auto *widget = qobject_cast<QWidget *>(source);
                const bool fromList = widget && (widget == ListView1 || ListView1->isAncestorOf(widget));
                QMetaObject::invokeMethod(
                    this, [this, target, files, fromList] { DirTreeDragDrop(target, files, fromList); },
                    Qt::QueuedConnection);
            });
}

bool TForm1::runDialog(QDialog *dialog, int *result)
{
    const int answer = dialog->exec();
    if (result)
        *result = answer;
    return answer == QDialog::Accepted;
}

QList<WalkEntry> TForm1::listEntries() const
{
    const QStringList selected = ListView1->selectedCaptions();
    QList<WalkEntry> entries;
    for (const QString &caption : ListView1->captions())
        entries.append({caption, state.CurrentDir, selected.contains(caption)});
    return entries;
}

void TForm1::Copy1Click(QObject *sender)
{
    if (!m_copyTargetDialog)
        return;
    const bool move = sender && sender->objectName().startsWith(QLatin1String("Move"));
    const QString source = state.CurrentDir;
    m_copyTargetDialog->setWindowTitle(move ? QStringLiteral("Move") : QStringLiteral("Copy"));
    m_copyTargetDialog->Label1->setText(move ? QStringLiteral("Location to Move Files")
                                             : QStringLiteral("Location to Copy Files"));
    if (ListView1->selectedCaptions().isEmpty())
        return;
    if (!runDialog(m_copyTargetDialog) || !m_copyTargetDialog->TargetPathValid)
        return;
    FileCopier copier(*m_files, m_prompter);
    const std::optional<QString> target =
        prepareTarget(m_copyTargetDialog->Edit1->text(), source, *m_files, copier, m_prompter);
    if (!target) {
        setStatus(QStringLiteral("No Files Copied"));
        return;
    }
    setStatus(QStringLiteral("Copying Files"));
    disablewindow();
    const QStringList arrived = runFileWalk(listEntries(), *target, move, true);
    if (move)
        removeEntriesOf(arrived);
    enablewindow();
    setGauge(0);
    setStatus(QStringLiteral("Finished Copying Files"));
}

QStringList TForm1::runFileWalk(const QList<WalkEntry> &entries, const QString &target, bool move, bool gauge)
{
    FileCopier copier(*m_files, m_prompter);
    MainWindowWalkHost host(*this);
    return runCopyWalk({entries, target, move, gauge}, copier, host);
}

// The selected entries whose files are gone leave the list; the others stay.
void TForm1::removeEntriesOf(const QStringList &fileNames)
{
    QStringList staying;
    for (const QString &caption : ListView1->selectedCaptions())
        if (!fileNames.contains(caption))
            staying.append(caption);
    ListView1->deselect(staying);
    DeleteSelected();
}

void TForm1::DeleteSelected()
{
    state.FileCount -= int(ListView1->selectedCaptions().size());
    ListView1->removeSelected();
    setFileCountText(fileCountText(state.FileCount));
}

void TForm1::Delete1Click()
{
    const QStringList selected = ListView1->selectedCaptions();
    if (selected.isEmpty()) {
        m_prompter.error(QStringLiteral("No Files Selected"));
        return;
    }
    if (m_prompter.confirm(QStringLiteral("Confirm File Delete"), {Prompter::Button::Ok, Prompter::Button::Cancel})
        != Prompter::Button::Ok)
        return;
    setStatus(QStringLiteral("Deleting Files"));
    FileCopier copier(*m_files, m_prompter);
    FileHousekeeping housekeeping(*m_files, m_prompter, copier);
    removeEntriesOf(housekeeping.deleteFiles(state.CurrentDir, selected));
    setStatus(QStringLiteral("Finished Deleting Files"));
}

void TForm1::Rename1Click()
{
    const QStringList selected = ListView1->selectedCaptions();
    if (selected.isEmpty() || !m_renameDialog)
        return;
    m_renameDialog->Label2->setText(selected.first());
    m_renameDialog->Edit1->clear();
    setStatus(QStringLiteral("Rename File"));
    if (!runDialog(m_renameDialog))
        return;
    QString newName = m_renameDialog->Edit1->text();
    ListView1Edited(selected.first(), newName);
}

void TForm1::ListView1Edited(const QString &oldCaption, QString &newText)
{
    FileCopier copier(*m_files, m_prompter);
    FileHousekeeping housekeeping(*m_files, m_prompter, copier);
    if (!housekeeping.renameFile(state.CurrentDir, oldCaption, newText)) {
        newText = oldCaption;
        return;
    }
    ListView1->setCaption(oldCaption, newText);
    setStatus(QStringLiteral("File Renamed"));
}

void TForm1::Properties2Click()
{
    const QStringList selected = ListView1->selectedCaptions();
    if (selected.isEmpty() || !m_propertiesDialog)
        return;
    FileCopier copier(*m_files, m_prompter);
    FileHousekeeping housekeeping(*m_files, m_prompter, copier);
    const QString path = joinPath(state.CurrentDir, selected.first());
    if (!m_propertiesDialog->editProperties(housekeeping, path, selected.first(), state.CurrentDir))
        return;
    setStatus(QStringLiteral("File Attributes Set"));
}

void TForm1::CreateDirectory1Click()
{
    if (!m_createDirectoryDialog)
        return;
    m_createDirectoryDialog->PathLabel->setText(state.CurrentDir);
    if (!runDialog(m_createDirectoryDialog))
        return;
    const QString name = m_createDirectoryDialog->PathEdit->text();
    FileCopier copier(*m_files, m_prompter);
    FileHousekeeping housekeeping(*m_files, m_prompter, copier);
    if (!housekeeping.createDirectory(state.CurrentDir, name))
        return;
    if (QTreeWidgetItem *node = DirTree1->currentItem()) {
        // A collapsed node reads its folders, the new one among them, as it opens.
        if (node->isExpanded())
            DirTree1->addFolderNode(node, name);
        node->setExpanded(true);
    }
    setStatus(QStringLiteral("Directory Created"));
}

void TForm1::Delete3Click()
{
    QTreeWidgetItem *node = DirTree1->currentItem();
    if (m_prompter.confirm(QStringLiteral("Confirm Directory Delete"),
                           {Prompter::Button::Ok, Prompter::Button::Cancel})
            != Prompter::Button::Ok
        || !node)
        return;
    FileCopier copier(*m_files, m_prompter);
    FileHousekeeping housekeeping(*m_files, m_prompter, copier);
    if (!housekeeping.removeDirectory(TDirTree::NodePath(node)))
        return;
    delete node;
    const QString now = TDirTree::NodePath(DirTree1->currentItem());
    StatusBar1->setPanelText(0, now);
    DirTree1->SetDirectory(now);
}
