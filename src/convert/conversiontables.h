// What the convert dialog's choices stand for: the format and depth tables.
#pragma once

#include "imagebox/imageboxrules.h"

#include <QList>
#include <QString>

struct ConvertFormat
{
    QString extension;   // with its dot: ".bmp"
    SaveKind kind;
};

constexpr int ConvertDepthCount = 6;

// The formats Convert writes, in the order of the Image Type group: Bmp,
// Gif, Jpeg, Pcx, Png, Tiff.
const QList<ConvertFormat> &convertFormats();
ConvertFormat convertFormat(int item);
// Items of the Colour Depth group: Automatic, 16 Color, 256 Color,
// True Color, Vga, Monochrome.
TSaveResolution convertDepth(int item);

// name with its extension (the part after the last dot, if any) replaced.
QString withExtension(const QString &name, const QString &extension);
