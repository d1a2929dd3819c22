#include "imaging/exiforientation.h"

#include "imaging/bytereader.h"

#include <QTransform>

#include <cstring>

namespace imagelib {

namespace {

constexpr quint16 OrientationTag = 0x0112;
constexpr quint16 ShortType = 3;

} // namespace

int exifOrientation(const uchar *payload, qint64 size)
{
    if (!payload || size < 14 || std::memcmp(payload, "Exif\0\0", 6) != 0)
        return 1;
    ByteReader r(payload + 6, size - 6);
    const quint16 order = r.u16();
    if (order != 0x4949 && order != 0x4D4D)
        return 1;
    r.setBigEndian(order == 0x4D4D);
    if (r.u16() != 42 || !r.seek(r.u32()))
        return 1;
    const int entries = r.u16();
    for (int i = 0; i < entries && !r.failed(); ++i) {
        const quint16 tag = r.u16();
        const quint16 type = r.u16();
        const quint32 count = r.u32();
        const quint16 value = r.u16();
        r.skip(2);
        if (tag == OrientationTag && type == ShortType && count >= 1 && !r.failed())
            return value >= 1 && value <= 8 ? value : 1;
    }
    return 1;
}

QImage applyOrientation(const QImage &image, int orientation)
{
    const QTransform clockwise = QTransform().rotate(90);
    switch (orientation) {
    case 2: return image.mirrored(true, false);
    case 3: return image.mirrored(true, true);
    case 4: return image.mirrored(false, true);
    case 5: return image.transformed(clockwise).mirrored(true, false);
    case 6: return image.transformed(clockwise);
    case 7: return image.transformed(clockwise).mirrored(false, true);
    case 8: return image.transformed(QTransform().rotate(270));
    default: return image;
    }
}

} // namespace imagelib
