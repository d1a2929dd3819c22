#include "decor/captionfonts.h"

#include <QFontDatabase>
#include <QFontInfo>

QFont GetSystemCaptionFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    if (font.family().isEmpty())
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    return font;
}

int characterHeight(const QFont &font)
{
    // The em height of the matched font is the cell height less the internal leading.
    return QFontInfo(font).pixelSize();
}

namespace {

int pixelHeight(const QFont &font)
{
    return font.pixelSize() > 0 ? font.pixelSize() : characterHeight(font);
}

} // namespace

void AdjustFontHeight(QFont &font, const QFont &captionFont)
{
    const int wanted = characterHeight(captionFont);
    font.setPixelSize(qMax(1, pixelHeight(font) - characterHeight(font) + wanted));
    // A font that only comes in steps may still be taller than the caption font.
    const int measured = characterHeight(font);
    if (wanted < measured)
        font.setPixelSize(qMax(1, font.pixelSize() - measured + wanted));
}

QFont fontOfKind(TFontKind kind, const QFont &own, const QFont &captionFont)
{
    QFont font = captionFont;
    switch (kind) {
    case fkCustom:
        return own;
    case fkSystem:
        break;
    case fkSystemI:
        font.setItalic(true);
        break;
    case fkSystemB:
        font.setBold(true);
        break;
    case fkSystemBI:
        font.setBold(true);
        font.setItalic(true);
        break;
    case fkAutoHeight:
        font = own;
        AdjustFontHeight(font, captionFont);
        break;
    }
    return font;
}
