// Folder tree: volume roots with lazily loaded, sorted folders below them.
#include "browse/dirtree.h"

#include "platform/filefinder.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/volumeroots.h"

#include <QCollator>
#include <utility>
#include <QDir>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>

namespace {
constexpr int PathRole = Qt::UserRole;

// Splits path below root into folder names: "/a/b/" under "/" -> a, b.
QStringList componentsBelow(const QString &root, const QString &path)
{
    const QString rest = QDir::fromNativeSeparators(path.mid(root.size()));
    return rest.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

QString displayName(const QString &path)
{
    const QString name = QFileInfo(QDir::cleanPath(path)).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(QDir::cleanPath(path)) : name;
}
} // namespace

TDirTree::TDirTree(Prompter &prompter, QWidget *parent) : QTreeWidget(parent), m_prompter(prompter)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setEditTriggers(NoEditTriggers);
    setUniformRowHeights(true);
    // Long and deep names stay whole: the column takes the width of the
    // names shown, and a scroll bar appears when that passes the panel's.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(this, &QTreeWidget::itemExpanded, this, &TDirTree::expandNode);
    connect(this, &QTreeWidget::itemCollapsed, this, &TDirTree::collapseNode);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { selectionChanged(current); });
}

void TDirTree::setOpenCurrentDir(bool on)
{
    m_openCurrentDir = on;
    if (on)
        m_openCurrentDrv = false;
}

void TDirTree::setOpenCurrentDrv(bool on)
{
    m_openCurrentDrv = on;
    if (on)
        m_openCurrentDir = false;
}

FindOptions TDirTree::findOptions() const
{
    FindOptions options;
    options.includeHidden = m_directoryAttr & daHidden;
    options.includeSystem = m_directoryAttr & daSystem;
    return options;
}

QString TDirTree::NodePath(const QTreeWidgetItem *node)
{
    return node ? node->data(0, PathRole).toString() : QString();
}

QTreeWidgetItem *TDirTree::addNode(QTreeWidgetItem *parent, const QString &path, bool hasChildren)
{
    auto *node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    node->setText(0, displayName(path));
    node->setIcon(0, m_icons.icon(QFileInfo(path)));
    node->setData(0, PathRole, path);
    node->setChildIndicatorPolicy(hasChildren ? QTreeWidgetItem::ShowIndicator
                                              : QTreeWidgetItem::DontShowIndicatorWhenChildless);
    return node;
}

void TDirTree::fill()
{
    clear();
    for (const QString &root : volumeRoots())
        if (QFileInfo(root).isDir())
            addNode(nullptr, root, true);
    if (m_openCurrentDir)
        openWorkingDirectory();
    else if (m_openCurrentDrv)
        selectWorkingDrive();
    else if (!m_startIn.isEmpty())
        SetDirectory(m_startIn);
    else
        openWorkingDirectory();
}

void TDirTree::expandNode(QTreeWidgetItem *node)
{
    if (node->childCount() > 0)
        return;
    setUpdatesEnabled(false);
    const QString path = NodePath(node);
    std::vector<FoundFile> folders = findFolders(path, findOptions());
    QCollator byName;
    byName.setCaseSensitivity(Qt::CaseInsensitive);
    byName.setNumericMode(true);
    std::sort(folders.begin(), folders.end(), [&byName](const FoundFile &a, const FoundFile &b) {
        return byName.compare(a.name, b.name) < 0;
    });
    for (const FoundFile &folder : folders) {
        const QString childPath = withTrailingSeparator(path + folder.name);
        addNode(node, childPath, hasSubfolder(childPath, findOptions()));
    }
    if (folders.empty())
        node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    setUpdatesEnabled(true);
}

void TDirTree::rereadCurrentNode()
{
    QTreeWidgetItem *node = currentItem();
    if (!node)
        return;
    const bool open = node->isExpanded();
    const bool building = std::exchange(m_building, true);
    qDeleteAll(node->takeChildren());
    node->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    expandNode(node);
    node->setExpanded(open);
    m_building = building;
}

void TDirTree::collapseNode(QTreeWidgetItem *node)
{
    // Children are read afresh on the next expansion.
    const bool hadChildren = node->childCount() > 0;
    qDeleteAll(node->takeChildren());
    if (hadChildren)
        node->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    if (!m_building)
        emit OnDirChange(NodePath(currentItem()));
}

void TDirTree::selectionChanged(QTreeWidgetItem *current)
{
    if (m_building || !current)
        return;
    m_currentPath = NodePath(current);
    emit OnDirChange(m_currentPath);
}

void TDirTree::reportSelected()
{
    selectionChanged(currentItem());
}

void TDirTree::SetDirectory(const QString &path)
{
    if (path != m_currentPath) {
        const bool bareName = !path.contains(QDir::separator()) && !path.contains(QLatin1Char('/'));
        m_currentPath = bareName ? withTrailingSeparator(workingDirectory()) + path : path;
        if (!setWorkingDirectory(m_currentPath).isEmpty())
            m_prompter.error(QStringLiteral("Invalid directory name !"));
        openWorkingDirectory();
    }
    reportSelected();
}

QTreeWidgetItem *TDirTree::rootFor(const QString &path) const
{
    // The deepest root that holds path: the home folder before "/".
    QTreeWidgetItem *best = nullptr;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem *root = topLevelItem(i);
        const QString rootPath = NodePath(root);
        if (path.startsWith(rootPath) && (!best || rootPath.size() > NodePath(best).size()))
            best = root;
    }
    return best;
}

QTreeWidgetItem *TDirTree::childNamed(QTreeWidgetItem *node, const QString &name)
{
    // An exact match first: on case-sensitive file systems "Images" and
    // "images" can be two folders side by side.
    QTreeWidgetItem *caseless = nullptr;
    for (int i = 0; i < node->childCount(); ++i) {
        QTreeWidgetItem *child = node->child(i);
        const QString childName = QFileInfo(QDir::cleanPath(NodePath(child))).fileName();
        if (childName == name)
            return child;
        if (!caseless && childName.compare(name, Qt::CaseInsensitive) == 0)
            caseless = child;
    }
    return caseless;
}

void TDirTree::revealAndExpand(QTreeWidgetItem *node)
{
    setCurrentItem(node);
    expandItem(node);
    scrollToItem(node);
}

void TDirTree::openWorkingDirectory()
{
    m_building = true;
    const QString here = withTrailingSeparator(workingDirectory());
    QTreeWidgetItem *node = rootFor(here);
    if (node) {
        revealAndExpand(node);
        // Stops at the deepest folder found when one along the way is gone.
        for (const QString &name : componentsBelow(NodePath(node), here)) {
            QTreeWidgetItem *child = childNamed(node, name);
            if (!child)
                break;
            node = child;
            revealAndExpand(node);
        }
    }
    m_building = false;
}

void TDirTree::selectWorkingDrive()
{
    m_building = true;
    if (QTreeWidgetItem *root = rootFor(withTrailingSeparator(workingDirectory())))
        revealAndExpand(root);
    m_building = false;
}

QTreeWidgetItem *TDirTree::addFolderNode(QTreeWidgetItem *parent, const QString &name)
{
    return addNode(parent, withTrailingSeparator(NodePath(parent) + name), false);
}

void TDirTree::setDropTarget(QTreeWidgetItem *node)
{
    if (node == m_dropTarget)
        return;
    if (m_dropTarget) {
        m_dropTarget->setData(0, Qt::BackgroundRole, {});
        m_dropTarget->setData(0, Qt::ForegroundRole, {});
    }
    m_dropTarget = node;
    if (node) {
        node->setBackground(0, palette().highlight());
        node->setForeground(0, palette().highlightedText());
    }
}

void TDirTree::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TDirTree::dragMoveEvent(QDragMoveEvent *event)
{
    setDropTarget(itemAt(event->position().toPoint()));
    if (m_dropTarget && event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TDirTree::dragLeaveEvent(QDragLeaveEvent *event)
{
    setDropTarget(nullptr);
    event->accept();
}

void TDirTree::dropEvent(QDropEvent *event)
{
    QTreeWidgetItem *target = itemAt(event->position().toPoint());
    setDropTarget(nullptr);
    if (!target || !event->mimeData()->hasUrls()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit filesDropped(NodePath(target), event->mimeData()->urls(), event->source());
}
