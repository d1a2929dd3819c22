// The platform's own hot key backend (hotkeys_xcb.cpp, hotkeys_win.cpp).
#pragma once

#include "platform/hotkeys.h"

#include <QtGlobal>
#include <memory>

// Null when the running platform offers no system-wide keys.
std::unique_ptr<HotKeyBackend> makeNativeHotKeyBackend();

// The X11 key symbol of a virtual-key code (letters in lower case); 0 for
// a code without one.
quint32 keySymbolOfVirtualKey(unsigned virtualKey);

// X11 modifier mask of the platform modifier flags.
quint16 x11ModifierMask(unsigned modifierFlags);
