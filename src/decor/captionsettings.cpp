#include "decor/captionsettings.h"

#include <QStringList>

namespace {

QFont sansSerif11(bool boldItalic)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setBold(boldItalic);
    font.setItalic(boldItalic);
    return font;
}

CaptionSettings mainWindow()
{
    CaptionSettings s;
    s.enabled = geWhenActive;
    s.captionFontKind = fkCustom;
    s.captionFont = sansSerif11(false);
    return s;
}

CaptionSettings dialog(TFontKind captionKind)
{
    CaptionSettings s;
    s.appName = QStringLiteral("Pixmoor");
    s.captionFontKind = captionKind;
    s.captionFont = sansSerif11(true);
    return s;
}

} // namespace

CaptionSettings captionSettingsFor(const QString &windowClass)
{
    if (windowClass == QLatin1String("TForm1"))
        return mainWindow();
    static const QStringList customCaption = {QStringLiteral("TForm13"), QStringLiteral("TForm14"),
                                              QStringLiteral("TForm15"), QStringLiteral("TForm16")};
    if (customCaption.contains(windowClass))
        return dialog(fkCustom);
    CaptionSettings s = dialog(fkAutoHeight);
    if (windowClass == QLatin1String("TOKBottomDlg")) {
        // The image viewer's company text keeps a font of its own.
        s.companyFontKind = fkCustom;
        s.companyFont = sansSerif11(true);
    }
    return s;
}
