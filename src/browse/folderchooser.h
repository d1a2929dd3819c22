// A plain tree of folders for choosing the folder whose images are listed.
#pragma once

#include <QTreeView>

class Prompter;
class QFileSystemModel;

class FolderChooser : public QTreeView
{
    Q_OBJECT
public:
    FolderChooser(Prompter &prompter, QWidget *parent = nullptr);

    // Selects folder and reports it through dirChanged. A folder that does
    // not exist is reported as an error and the selection stays.
    void setDirectory(const QString &folder);
    QString directory() const { return m_directory; }

signals:
    void dirChanged(const QString &folder);

private:
    void folderSelected(const QModelIndex &index);

    Prompter &m_prompter;
    QFileSystemModel *m_folders;
    QString m_directory;
};
