#include "dialogs/helpviewersystem.h"

#include "dialogs/dialogparts.h"
#include "dialogs/helpviewer.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>

HelpViewerSystem::~HelpViewerSystem()
{
    delete m_viewer;
}

HelpViewer *HelpViewerSystem::viewer() const
{
    return m_viewer;
}

void HelpViewerSystem::showContents(const QString &helpFile)
{
    viewerFor(helpFile).showContents();
}

void HelpViewerSystem::showSearch(const QString &helpFile)
{
    viewerFor(helpFile).showSearch();
}

void HelpViewerSystem::showContext(const QString &helpFile, int context)
{
    viewerFor(helpFile).showContext(context);
}

void HelpViewerSystem::showUsingHelp()
{
    bringUp().showUsingHelp();
}

// A bare file name is found in the working directory of the moment.
HelpViewer &HelpViewerSystem::viewerFor(const QString &helpFile)
{
    HelpViewer &viewer = bringUp();
    viewer.openFile(QFileInfo(helpFile).absoluteFilePath());
    return viewer;
}

HelpViewer &HelpViewerSystem::bringUp()
{
    const bool firstShowing = !m_viewer;
    if (firstShowing)
        m_viewer = new HelpViewer;
    followModalDialog();
    if (firstShowing)
        centreOver(m_viewer, QApplication::activeWindow());
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
    return *m_viewer;
}

void HelpViewerSystem::followModalDialog()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal != m_viewer->parentWidget())
        moveViewerTo(modal);
}

void HelpViewerSystem::moveViewerTo(QWidget *owner)
{
    if (QWidget *previous = m_viewer->parentWidget())
        previous->removeEventFilter(this);
    reparentWindow(*m_viewer, owner);
    if (owner)
        owner->installEventFilter(this);
}

// The dialog closing takes the viewer along as its child unless it leaves
// first; an outer modal dialog still open takes it over afterwards.
bool HelpViewerSystem::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && m_viewer && watched == m_viewer->parentWidget()) {
        moveViewerTo(nullptr);
        QMetaObject::invokeMethod(
            this, [this] {
                if (m_viewer && m_viewer->isVisible())
                    followModalDialog();
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}
