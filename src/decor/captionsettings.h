// How each window of the program dresses its caption bar.
#pragma once

#include "decor/captionfonts.h"
#include "decor/captionpainter.h"

#include <QColor>
#include <QFont>
#include <QString>

struct CaptionSettings
{
    TGradEnabled enabled = geAlways;
    QColor color = Qt::black;
    int numColors = 64;
    QString appName;                      // drawn in the bold system caption font
    TFontKind companyFontKind = fkSystemBI;
    QFont companyFont;                    // used when companyFontKind is fkCustom
    TFontKind captionFontKind = fkSystem;
    QFont captionFont;
};

// The settings of the window class named (e.g. "TForm1", "TOKBottomDlg");
// windows not in the program's table get those of the common dialogs.
CaptionSettings captionSettingsFor(const QString &windowClass);
