// Connects a walk of the search window (copy, move, convert) to its status
// and gauge. There is no Stop here; whether messages run during the walk
// depends on the command.
#pragma once

#include "app/stoppoller.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <functional>

class SearchWalkHost : public WalkHost
{
public:
    SearchWalkHost(std::function<void(const QString &)> status, QProgressBar *gauge, bool letsMessagesRun)
        : m_status(std::move(status)), m_gauge(gauge), m_letsMessagesRun(letsMessagesRun)
    {
    }
    void letMessagesRun() override
    {
        if (m_letsMessagesRun)
            QCoreApplication::processEvents();
    }
    bool takeStopRequest() override { return false; }
    void setStatus(const QString &text) override { m_status(text); }
    void setGauge(int position) override { m_gauge->setValue(position); }

private:
    std::function<void(const QString &)> m_status;
    QProgressBar *m_gauge;
    bool m_letsMessagesRun;
};
