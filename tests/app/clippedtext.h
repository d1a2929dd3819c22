// Finds the text controls of a window whose text does not fit them.
#pragma once

#include <QStringList>

class QWidget;

// One line per label, button, check box, radio button, group title or
// header section of window (shown, with its children) whose text needs more
// room than it has, is covered by a control stacked above it, or shows a
// mnemonic '&' as a character. Empty when every text fits.
QStringList clippedTexts(const QWidget &window);
