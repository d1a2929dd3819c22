// The main window as the list commands and its walks see it: the list of
// CurrentDir's files, the status bar, the gauge, Stop and busy mode.
#pragma once

#include "commands/listcommands.h"
#include "commands/listwindow.h"

class TForm1;

class MainWindowList : public ListWindow
{
public:
    explicit MainWindowList(TForm1 &form) : m_form(form) {}

    void letMessagesRun() override;
    bool takeStopRequest() override;
    void setStatus(const QString &text) override;
    void setGauge(int position) override;
    void reportError(const QString &text) override;
    QWidget *widget() override;
    ImageListView &list() override;
    ListSelection selection() const override;
    void enterBusy(BusyKind kind) override;
    void leaveBusy(BusyKind kind) override;
    void deleteSelected() override;

private:
    TForm1 &m_form;
};

// Where the main window's commands differ from the search window's.
const ListCommandStyle &mainWindowStyle();
