#include "browse/folderchooser.h"

#include "platform/prompter.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>

FolderChooser::FolderChooser(Prompter &prompter, QWidget *parent)
    : QTreeView(parent), m_prompter(prompter), m_folders(new QFileSystemModel(this))
{
    m_folders->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot | QDir::Hidden);
    m_folders->setRootPath(QDir::rootPath());
    setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        hideColumn(column);
    header()->hide();
    setEditTriggers(NoEditTriggers);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { folderSelected(current); });
}

void FolderChooser::setDirectory(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir()) {
        m_prompter.error(QStringLiteral("Invalid directory name !"));
        return;
    }
    const QModelIndex index = m_folders->index(info.absoluteFilePath());
    if (index == currentIndex()) {
        folderSelected(index);
        return;
    }
    setCurrentIndex(index);
    scrollTo(index);
}

void FolderChooser::folderSelected(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    m_directory = QDir::toNativeSeparators(m_folders->filePath(index));
    emit dirChanged(m_directory);
}
