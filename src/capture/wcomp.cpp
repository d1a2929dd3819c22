// A component with a hidden window of its own.
#include "capture/wcomp.h"

TWindowedComponent::TWindowedComponent(QObject *owner, HotKeyBackend &backend)
    : QObject(owner), m_backend(backend)
{
}

TWindowedComponent::~TWindowedComponent()
{
    destroyHandle();
}

quintptr TWindowedComponent::Handle()
{
    if (!m_handle)
        m_handle = m_backend.createWindow([this](WindowMessage &message) { WndProc(message); });
    return m_handle;
}

void TWindowedComponent::WndProc(WindowMessage &message)
{
    message.result = 0;
}

void TWindowedComponent::destroyHandle()
{
    if (m_handle)
        m_backend.destroyWindow(m_handle);
    m_handle = 0;
}
