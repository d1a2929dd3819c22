// A component without visual presence that owns a hidden window of its
// own, so that it can receive window messages.
#pragma once

#include "platform/hotkeys.h"

#include <QObject>

class TWindowedComponent : public QObject
{
    Q_OBJECT
public:
    // No window is made until Handle() is first asked for.
    explicit TWindowedComponent(QObject *owner, HotKeyBackend &backend);
    ~TWindowedComponent() override;

    // The hidden window, made on first use.
    quintptr Handle();
    bool HandleAllocated() const { return m_handle != 0; }

protected:
    // Dispatches a message to this component's handlers by its number; a
    // message without a handler is answered with 0.
    virtual void WndProc(WindowMessage &message);
    // Destroys the hidden window now, if there is one.
    void destroyHandle();

    HotKeyBackend &backend() const { return m_backend; }

private:
    HotKeyBackend &m_backend;
    quintptr m_handle = 0;
};
