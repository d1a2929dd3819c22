// The search window as the list commands see it: a list of full paths, its
// status panel and gauge, no Stop, and the hourglass while busy.
#pragma once

#include "commands/listcommands.h"
#include "commands/listwindow.h"

class TForm11;

class SearchWindowList : public ListWindow
{
public:
    explicit SearchWindowList(TForm11 &form) : m_form(form) {}

    void letMessagesRun() override;
    bool takeStopRequest() override { return false; }
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
    TForm11 &m_form;
};

// Where the search window's commands differ from the main window's.
const ListCommandStyle &searchWindowStyle();
