// Connects a walk over the list (copy, move, convert) to the main window's
// status, gauge and Stop button.
#pragma once

#include "app/stoppoller.h"
#include "app/unit1.h"

#include <utility>

class MainWindowWalkHost : public WalkHost
{
public:
    explicit MainWindowWalkHost(TForm1 &form) : m_form(form) {}
    void letMessagesRun() override { m_form.letMessagesRun(); }
    bool takeStopRequest() override { return std::exchange(m_form.state.StopRequested, false); }
    void setStatus(const QString &text) override { m_form.setStatus(text); }
    void setGauge(int position) override { m_form.setGauge(position); }

private:
    TForm1 &m_form;
};
