#include "convert/conversiontables.h"

#include "imaging/formats.h"

#include <QFileInfo>

namespace {
SaveKind saveKindOf(imagelib::FileFormat codec)
{
    switch (codec) {
    case imagelib::FileFormat::Bmp: return SaveKind::Bmp;
    case imagelib::FileFormat::Gif: return SaveKind::Gif;
    case imagelib::FileFormat::Jpeg: return SaveKind::Jpeg;
    case imagelib::FileFormat::Pcx: return SaveKind::Pcx;
    case imagelib::FileFormat::Png: return SaveKind::Png;
    case imagelib::FileFormat::Tiff: return SaveKind::Tiff;
    }
    return SaveKind::Bmp;
}
} // namespace

const QList<ConvertFormat> &convertFormats()
{
    static const QList<ConvertFormat> formats = [] {
        QList<ConvertFormat> made;
        for (const imagelib::FormatEntry &format : imagelib::knownFormats())
            if (format.convertTarget && format.codec)
                made.append({QStringLiteral(".") + QString::fromLatin1(format.extension), saveKindOf(*format.codec)});
        return made;
    }();
    return formats;
}

ConvertFormat convertFormat(int item)
{
    const QList<ConvertFormat> &formats = convertFormats();
    return formats[qBound(0, item, int(formats.size()) - 1)];
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
