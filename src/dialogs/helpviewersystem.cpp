#include "dialogs/helpviewersystem.h"

#include "dialogs/helpviewer.h"

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
    if (!m_viewer)
        m_viewer = new HelpViewer;
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
    return *m_viewer;
}
