#include "convert/conversiontables.h"

#include <QFileInfo>

ConvertFormat convertFormat(int item)
{
    static const ConvertFormat formats[ConvertFormatCount] = {
        {QStringLiteral(".bmp"), SaveKind::Bmp}, {QStringLiteral(".gif"), SaveKind::Gif},
        {QStringLiteral(".jpg"), SaveKind::Jpeg}, {QStringLiteral(".pcx"), SaveKind::Pcx},
        {QStringLiteral(".png"), SaveKind::Png}, {QStringLiteral(".tif"), SaveKind::Tiff},
    };
    return formats[qBound(0, item, ConvertFormatCount - 1)];
}

TSaveResolution convertDepth(int item)
{
    static const TSaveResolution depths[ConvertDepthCount] = {
        TSaveResolution::sAutoMatic, TSaveResolution::sColor16,  TSaveResolution::sColor256,
        TSaveResolution::sColorTrue, TSaveResolution::sColorVga, TSaveResolution::sMonoChrome,
    };
    return depths[qBound(0, item, ConvertDepthCount - 1)];
}

QString withExtension(const QString &name, const QString &extension)
{
    const QString fileName = QFileInfo(name).fileName();
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    const int cut = dot < 0 ? name.size() : name.size() - fileName.size() + dot;
    return name.left(cut) + extension;
}
