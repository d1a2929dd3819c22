// Main window: copying and moving, deleting, renaming, properties and folders.
#include "app/unit1.h"
#include "app/mainwindowlist.h"

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

void TForm1::setUpFileCommands()
{
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

void TForm1::Copy1Click()
{
    commands().copyOrMove(false);
}

void TForm1::Move1Click()
{
    commands().copyOrMove(true);
}

void TForm1::DeleteSelected()
{
    state.FileCount -= int(ListView1->selectedCaptions().size());
    ListView1->removeSelected();
    setFileCountText(fileCountText(state.FileCount));
}

void TForm1::Delete1Click()
{
    commands().deleteFiles();
}

void TForm1::Rename1Click()
{
    commands().rename();
}

// A failed rename puts the old caption back in the editor's text.
void TForm1::ListView1Edited(const QString &oldCaption, QString &newText)
{
    const ListSelection selection = m_listWindow->selection();
    const ListEntry *entry = selection.withCaption(oldCaption);
    if (!entry || !commands().renameInPlace(*entry, newText))
        newText = oldCaption;
}

void TForm1::Properties2Click()
{
    commands().properties();
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
