// The help system of this program: one help viewer window, made on first use.
#pragma once

#include "dialogs/helpsystem.h"

#include <QPointer>

class HelpViewer;

class HelpViewerSystem : public HelpSystem
{
public:
    HelpViewerSystem() = default;
    ~HelpViewerSystem() override;
    HelpViewerSystem(const HelpViewerSystem &) = delete;
    HelpViewerSystem &operator=(const HelpViewerSystem &) = delete;

    void showContents(const QString &helpFile) override;
    void showSearch(const QString &helpFile) override;
    void showContext(const QString &helpFile, int context) override;
    void showUsingHelp() override;

    // Nothing until help was first asked for.
    HelpViewer *viewer() const;

private:
    HelpViewer &viewerFor(const QString &helpFile);
    HelpViewer &bringUp();

    QPointer<HelpViewer> m_viewer;
};
