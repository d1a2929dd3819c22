// What a long task (a list build, a walk over files, a printed sheet) needs
// from the window it runs in.
#pragma once

#include <QString>

class Task
{
public:
    virtual ~Task() = default;
    // Lets pending messages run: where a click on Stop or a close arrives.
    virtual void letMessagesRun() = 0;
    // True once when Stop was pressed; the request is taken.
    virtual bool takeStopRequest() = 0;
    virtual void setStatus(const QString &text) = 0;
    virtual void setGauge(int position) = 0;
    virtual void reportError(const QString &text) = 0;
};
