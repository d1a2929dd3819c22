// The system caption font and the fonts derived from it for caption texts.
#pragma once

#include <QFont>

enum TFontKind { fkCustom, fkSystem, fkSystemI, fkSystemB, fkSystemBI, fkAutoHeight };

// The platform's title-bar font, or the general font where it names none.
QFont GetSystemCaptionFont();

// Height of the characters proper (the em height: cell height less internal leading) in pixels.
int characterHeight(const QFont &font);

// Gives font the character height of captionFont, keeping its face and style.
void AdjustFontHeight(QFont &font, const QFont &captionFont);

// The font a part with this kind shows, given its own font and the caption font.
QFont fontOfKind(TFontKind kind, const QFont &own, const QFont &captionFont);
