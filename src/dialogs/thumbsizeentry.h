// Reading the thumb size and maximum size edits: which keys they take and
// what their text means.
#pragma once

#include <QSize>
#include <QString>
#include <optional>

// Whether a key typed into an edit holding heldLength characters reaches
// it: Backspace and Return always, a digit while the edit is below
// maxLength (0: no limit), anything else never. keyText is the character
// the key produces ("\b" for Backspace, "\r" for Return).
bool digitKeyPasses(const QString &keyText, int heldLength, int maxLength);

// The whole number an edit holds, or nothing for text that is not one.
std::optional<int> wholeNumber(const QString &text);

// The message for an edit that holds no number.
QString conversionErrorText(const QString &text);

struct ThumbSizeReading
{
    std::optional<QSize> size;  // set when both numbers are in range
    QString error;              // otherwise the message to show
};

// Width and height must both lie in 20..150.
ThumbSizeReading readThumbSize(const QString &widthText, const QString &heightText);
