// Folder tree: the volume roots and, loaded as nodes open, their folders.
#pragma once

#include <QFileIconProvider>
#include <QTreeWidget>
#include <QUrl>

class Prompter;
struct FindOptions;

class TDirTree : public QTreeWidget
{
    Q_OBJECT
public:
    enum Attribute { daHidden = 0x1, daSystem = 0x2 };

    TDirTree(Prompter &prompter, QWidget *parent = nullptr);

    // Which special folders are listed besides ordinary ones.
    int DirectoryAttr() const { return m_directoryAttr; }
    void setDirectoryAttr(int attributes) { m_directoryAttr = attributes; }
    // After filling: open the working directory, or select its volume, or
    // open StartIn. The two flags exclude each other.
    bool OpenCurrentDir() const { return m_openCurrentDir; }
    void setOpenCurrentDir(bool on);
    bool OpenCurrentDrv() const { return m_openCurrentDrv; }
    void setOpenCurrentDrv(bool on);
    QString StartIn() const { return m_startIn; }
    void setStartIn(const QString &path) { m_startIn = path; }

    // Adds the volume roots and opens the start place; call once.
    void fill();
    // Opens path (a bare name is taken inside the working directory), makes
    // it the working directory and reports the selected folder. A path that
    // cannot be entered is reported as "Invalid directory name !".
    void SetDirectory(const QString &path);
    void setDirectory(const QString &path) { SetDirectory(path); }
    // The path last reported, with a trailing separator.
    QString directory() const { return m_currentPath; }
    // The full path of node, with a trailing separator.
    static QString NodePath(const QTreeWidgetItem *node);
    // Adds a folder node called name as the last child of parent.
    QTreeWidgetItem *addFolderNode(QTreeWidgetItem *parent, const QString &name);
    // Reads the current node's folders again, as they are on the disk now.
    void rereadCurrentNode();

    // Files dragged over a folder highlight it; dropping them there raises
    // filesDropped with the folder's path.
    void setAcceptFileDrops(bool accept) { viewport()->setAcceptDrops(accept); }
    QTreeWidgetItem *dropTarget() const { return m_dropTarget; }

signals:
    // Raised with the full path of the newly selected folder.
    void OnDirChange(const QString &changedDir);
    // fromThisProgram: dragged out of one of this program's windows.
    void filesDropped(const QString &targetFolder, const QList<QUrl> &files, QObject *source);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QTreeWidgetItem *addNode(QTreeWidgetItem *parent, const QString &path, bool hasChildren);
    void expandNode(QTreeWidgetItem *node);
    void collapseNode(QTreeWidgetItem *node);
    void selectionChanged(QTreeWidgetItem *current);
    void reportSelected();
    void openWorkingDirectory();
    void selectWorkingDrive();
    QTreeWidgetItem *rootFor(const QString &path) const;
    QTreeWidgetItem *childNamed(QTreeWidgetItem *node, const QString &name);
    void revealAndExpand(QTreeWidgetItem *node);
    FindOptions findOptions() const;
    void setDropTarget(QTreeWidgetItem *node);

    Prompter &m_prompter;
    QFileIconProvider m_icons;
    QString m_currentPath;
    QString m_startIn;
    int m_directoryAttr = 0;
    bool m_openCurrentDir = true;
    bool m_openCurrentDrv = false;
    bool m_building = false;
    QTreeWidgetItem *m_dropTarget = nullptr;
};
