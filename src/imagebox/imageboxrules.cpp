#include "imagebox/imageboxrules.h"

#include "imaging/formats.h"
#include "tasks/stoppoller.h"

#include <QFileInfo>
#include <map>

int readDepth(TLoadResolution resolution, int screenClass)
{
    switch (resolution) {
    case TLoadResolution::lColorVga: return 0;
    case TLoadResolution::lMonoChrome: return 1;
    case TLoadResolution::lColor16: return 4;
    case TLoadResolution::lColor256: return 8;
    case TLoadResolution::lColorTrue: return 24;
    case TLoadResolution::lAutoMatic: return screenClass;
    }
    return screenClass;
}

namespace {
int jpegDepth(TSaveResolution resolution)
{
    const bool grey = resolution == TSaveResolution::sMonoChrome
                      || resolution == TSaveResolution::sJpegGray;
    return grey ? 1 : 24;
}

int generalDepth(TSaveResolution resolution, int screenClass)
{
    switch (resolution) {
    case TSaveResolution::sColorVga: return 0;
    case TSaveResolution::sMonoChrome: return 1;
    case TSaveResolution::sColor16: return 4;
    case TSaveResolution::sColor256: return 8;
    case TSaveResolution::sColorTrue: return 24;
    case TSaveResolution::sJpegGray: return 8;
    case TSaveResolution::sAutoMatic: return screenClass;
    }
    return screenClass;
}
} // namespace

int writeDepth(TSaveResolution resolution, SaveKind kind, int screenClass)
{
    if (kind == SaveKind::Jpeg)
        return jpegDepth(resolution);
    const int depth = generalDepth(resolution, screenClass);
    // GIF holds at most 256 colours.
    return kind == SaveKind::Gif ? std::min(depth, 8) : depth;
}

QString loadExtension(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return {};
    return name.mid(dot).toUpper().left(4);
}

QRect stretchRatioRect(QSize client, QSize picture)
{
    const qint64 W = client.width(), H = client.height();
    const qint64 w = picture.width(), h = picture.height();
    if (w <= 0 || h <= 0 || W <= 0 || H <= 0)
        return QRect(QPoint(0, 0), client);
    // W/w > H/h, compared without division: the height limits.
    if (W * h > H * w) {
        const qint64 scaledTimesH = w * H;   // scaled width = w*H/h
        const int x = int(roundHalfToEven(W * h - scaledTimesH, 2 * h));
        return QRect(x, 0, int(roundHalfToEven(scaledTimesH, h)), int(H));
    }
    const qint64 scaledTimesW = h * W;       // scaled height = h*W/w
    const int y = int(roundHalfToEven(H * w - scaledTimesW, 2 * w));
    return QRect(0, y, int(W), int(roundHalfToEven(scaledTimesW, w)));
}

QRect naturalRect(QSize client, QSize picture, bool center)
{
    if (!center)
        return QRect(QPoint(0, 0), picture);
    return QRect(QPoint((client.width() - picture.width()) / 2, (client.height() - picture.height()) / 2),
                 picture);
}

const RasterReader *rasterReaderFor(const QString &extension)
{
    // .jpeg and .jpe files are JPEG files too: reading them as such keeps a
    // wrong picture off the screen.
    static const std::map<QString, RasterReader> readers = [] {
        std::map<QString, RasterReader> made;
        for (const imagelib::FormatEntry &format : imagelib::knownFormats())
            if (format.codec)
                for (const QString &name : imagelib::extensionsOf(format))
                    made[loadExtension(QStringLiteral("x.") + name)] = {*format.codec, imagelib::codecName(*format.codec)};
        return made;
    }();
    const auto hit = readers.find(extension);
    return hit == readers.end() ? nullptr : &hit->second;
}

bool isVectorExtension(const QString &extension)
{
    for (const imagelib::FormatEntry &format : imagelib::knownFormats())
        if (format.pictureClass != imagelib::PictureClass::Raster
            && loadExtension(QStringLiteral("x.") + QString::fromLatin1(format.extension)) == extension)
            return true;
    return false;
}
