// What the convert dialog's choices stand for: the format and depth tables.
#pragma once

#include "imagebox/imageboxrules.h"

#include <QString>

struct ConvertFormat
{
    QString extension;   // with its dot: ".bmp"
    SaveKind kind;
};

constexpr int ConvertFormatCount = 6;
constexpr int ConvertDepthCount = 6;

// Items of the Image Type group: Bmp, Gif, Jpeg, Pcx, Png, Tiff.
ConvertFormat convertFormat(int item);
// Items of the Colour Depth group: Automatic, 16 Color, 256 Color,
// True Color, Vga, Monochrome.
TSaveResolution convertDepth(int item);

// name with its extension (the part after the last dot, if any) replaced.
QString withExtension(const QString &name, const QString &extension);
