// The help system of this program: one help viewer window, made on first use.
// Asked for while a modal dialog is open, the viewer becomes that dialog's
// child window, so the dialog does not block it and it stays above the
// dialog; once the dialog closes it stands on its own again.
#pragma once

#include "dialogs/helpsystem.h"

#include <QObject>
#include <QPointer>

class HelpViewer;
class QWidget;

class HelpViewerSystem : public QObject, public HelpSystem
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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    HelpViewer &viewerFor(const QString &helpFile);
    HelpViewer &bringUp();
    void followModalDialog();
    void moveViewerTo(QWidget *owner);

    QPointer<HelpViewer> m_viewer;
};
