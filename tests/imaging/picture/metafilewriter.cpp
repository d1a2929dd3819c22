#include "metafilewriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cstring>

Params &Params::u8(quint8 value)
{
    m_data.append(char(value));
    return *this;
}

Params &Params::u16(quint16 value)
{
    char b[2];
    qToLittleEndian(value, b);
    m_data.append(b, 2);
    return *this;
}

Params &Params::u32(quint32 value)
{
    char b[4];
    qToLittleEndian(value, b);
    m_data.append(b, 4);
    return *this;
}

Params &Params::f32(float value)
{
    quint32 bits;
    std::memcpy(&bits, &value, 4);
    return u32(bits);
}

Params &Params::bytes(const QByteArray &value)
{
    m_data.append(value);
    return *this;
}

Params &Params::rect32(const QRect &r)
{
    return s32(r.left()).s32(r.top()).s32(r.right() + 1).s32(r.bottom() + 1);
}

Params &Params::points16(const QList<QPoint> &points)
{
    for (const QPoint &p : points)
        s16(qint16(p.x())).s16(qint16(p.y()));
    return *this;
}

Params &Params::points32(const QList<QPoint> &points)
{
    for (const QPoint &p : points)
        s32(p.x()).s32(p.y());
    return *this;
}

quint32 colorRef(QRgb rgb)
{
    return quint32(qRed(rgb)) | (quint32(qGreen(rgb)) << 8) | (quint32(qBlue(rgb)) << 16);
}

WmfWriter &WmfWriter::add(quint16 function, const Params &params)
{
    QByteArray data = params.data();
    if (data.size() % 2)
        data.append('\0');
    const quint32 words = quint32(3 + data.size() / 2);
    m_records.append(Params().u32(words).u16(function).bytes(data).data());
    m_maxRecordWords = qMax(m_maxRecordWords, words);
    ++m_count;
    return *this;
}

WmfWriter &WmfWriter::words(quint16 function, QList<qint16> reversedArguments)
{
    Params params;
    for (qint16 word : reversedArguments)
        params.s16(word);
    return add(function, params);
}

WmfWriter &WmfWriter::window(const QRect &window)
{
    words(wmfrec::SetMapMode, {8});
    words(wmfrec::SetWindowOrg, {qint16(window.top()), qint16(window.left())});
    return words(wmfrec::SetWindowExt, {qint16(window.height()), qint16(window.width())});
}

WmfWriter &WmfWriter::brush(QRgb color, quint16 style, quint16 hatch)
{
    return add(wmfrec::CreateBrushIndirect, Params().u16(style).u32(colorRef(color)).u16(hatch));
}

WmfWriter &WmfWriter::pen(quint16 style, qint16 width, QRgb color)
{
    return add(wmfrec::CreatePenIndirect, Params().u16(style).s16(width).s16(0).u32(colorRef(color)));
}

WmfWriter &WmfWriter::font(qint16 height, const QString &face, qint16 escapement)
{
    FontStyle style;
    style.escapement = escapement;
    return font(height, face, style);
}

WmfWriter &WmfWriter::font(qint16 height, const QString &face, const FontStyle &style)
{
    QByteArray name = face.toLatin1().left(31);
    name.append('\0');
    return add(wmfrec::CreateFontIndirect, Params().s16(height).s16(style.width).s16(style.escapement).s16(style.escapement)
                                               .s16(style.weight).u8(0).u8(style.underline).u8(0).u8(style.charset)
                                               .u8(0).u8(0).u8(0).u8(0).bytes(name));
}

WmfWriter &WmfWriter::shape(quint16 function, const QRect &box)
{
    return words(function, {qint16(box.bottom() + 1), qint16(box.right() + 1), qint16(box.top()), qint16(box.left())});
}

QByteArray WmfWriter::plain(quint16 objects) const
{
    const QByteArray eof = Params().u32(3).u16(0).data();
    const quint32 totalWords = quint32((18 + m_records.size() + eof.size()) / 2);
    Params header;
    header.u16(1).u16(9).u16(0x0300).u32(totalWords).u16(objects).u32(qMax<quint32>(m_maxRecordWords, 3)).u16(0);
    return header.data() + m_records + eof;
}

QByteArray WmfWriter::placeable(const QRect &box, quint16 unitsPerInch, quint16 objects) const
{
    Params header;
    header.u32(0x9AC6CDD7).u16(0).s16(qint16(box.left())).s16(qint16(box.top()))
        .s16(qint16(box.right() + 1)).s16(qint16(box.bottom() + 1)).u16(unitsPerInch).u32(0);
    quint16 sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= qFromLittleEndian<quint16>(header.data().constData() + 2 * i);
    header.u16(sum);
    return header.data() + plain(objects);
}

EmfWriter::EmfWriter(const QRect &boundsPixels, QSize devicePixels, QSize deviceMm)
    : m_bounds(boundsPixels), m_devicePixels(devicePixels), m_deviceMm(deviceMm)
{
}

EmfWriter &EmfWriter::add(quint32 type, const Params &params)
{
    QByteArray data = params.data();
    while (data.size() % 4)
        data.append('\0');
    m_records.append(Params().u32(type).u32(quint32(8 + data.size())).bytes(data).data());
    ++m_count;
    return *this;
}

EmfWriter &EmfWriter::brush(quint32 handle, QRgb color, quint32 style, quint32 hatch)
{
    return add(emfrec::CreateBrushIndirect, Params().u32(handle).u32(style).u32(colorRef(color)).u32(hatch));
}

EmfWriter &EmfWriter::pen(quint32 handle, quint32 style, qint32 width, QRgb color)
{
    return add(emfrec::CreatePen, Params().u32(handle).u32(style).s32(width).s32(0).u32(colorRef(color)));
}

EmfWriter &EmfWriter::font(quint32 handle, qint32 height, const QString &face, const FontStyle &style)
{
    Params p;
    p.u32(handle).s32(height).s32(style.width).s32(style.escapement).s32(style.escapement).s32(style.weight)
        .u8(0).u8(style.underline).u8(0).u8(style.charset).u8(0).u8(0).u8(0).u8(0);
    for (int i = 0; i < 32; ++i)
        p.u16(i < face.size() ? face[i].unicode() : 0);
    return add(emfrec::ExtCreateFontIndirectW, p);
}

Params wmfExtTextOut(QPoint reference, const QByteArray &text, const QList<qint16> &dx, quint16 options,
                     const QRect &rect)
{
    Params p;
    p.s16(qint16(reference.y())).s16(qint16(reference.x())).s16(qint16(text.size())).u16(options);
    if (options & 6)
        p.s16(qint16(rect.left())).s16(qint16(rect.top())).s16(qint16(rect.right() + 1)).s16(qint16(rect.bottom() + 1));
    p.bytes(text);
    if (text.size() % 2)
        p.u8(0);
    for (qint16 advance : dx)
        p.s16(advance);
    return p;
}

namespace {

// Bounds, graphics mode and scales, then the EMRTEXT whose string and
// spacing array follow its fixed fields at offset 76.
Params emfText(QPoint reference, const QByteArray &string, qsizetype count, const QList<qint32> &dx, quint32 options,
               const QRect &rect, quint32 graphicsMode)
{
    const quint32 offString = 76;
    const quint32 offDx = dx.isEmpty() ? 0 : quint32(offString + ((string.size() + 3) & ~3));
    Params p;
    p.rect32(QRect()).u32(graphicsMode).f32(1).f32(1).s32(reference.x()).s32(reference.y()).u32(quint32(count))
        .u32(offString).u32(options).rect32(rect).u32(offDx).bytes(string);
    while (p.data().size() % 4)
        p.u8(0);
    for (qint32 advance : dx)
        p.s32(advance);
    return p;
}

} // namespace

Params emfExtTextOut(QPoint reference, const QString &text, const QList<qint32> &dx, quint32 options,
                     const QRect &rect, quint32 graphicsMode)
{
    Params string;
    for (QChar c : text)
        string.u16(c.unicode());
    return emfText(reference, string.data(), text.size(), dx, options, rect, graphicsMode);
}

Params emfExtTextOutA(QPoint reference, const QByteArray &text, const QList<qint32> &dx)
{
    return emfText(reference, text, text.size(), dx, 0, QRect(), 1);
}

QByteArray EmfWriter::bytes(quint16 handles) const
{
    const QByteArray eof = Params().u32(14).u32(20).u32(0).u32(16).u32(20).data();
    const qint64 headerSize = 88;
    // The frame in hundredths of a millimetre covers the bounds exactly.
    auto hundredthsX = [&](int px) { return qint32(qRound64(px * 100.0 * m_deviceMm.width() / m_devicePixels.width())); };
    auto hundredthsY = [&](int px) { return qint32(qRound64(px * 100.0 * m_deviceMm.height() / m_devicePixels.height())); };
    Params header;
    header.u32(1).u32(headerSize)
        .s32(m_bounds.left()).s32(m_bounds.top()).s32(m_bounds.right()).s32(m_bounds.bottom())
        .s32(hundredthsX(m_bounds.left())).s32(hundredthsY(m_bounds.top()))
        .s32(hundredthsX(m_bounds.right() + 1)).s32(hundredthsY(m_bounds.bottom() + 1))
        .u32(0x464D4520).u32(0x10000).u32(quint32(headerSize + m_records.size() + eof.size()))
        .u32(quint32(m_count + 2)).u16(handles).u16(0).u32(0).u32(0).u32(0)
        .s32(m_devicePixels.width()).s32(m_devicePixels.height()).s32(m_deviceMm.width()).s32(m_deviceMm.height());
    return header.data() + m_records + eof;
}

namespace {

QList<QRgb> paletteOf(const QImage &image, int bitCount)
{
    QList<QRgb> palette;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) | 0xff000000;
            if (qAlpha(image.pixel(x, y)) != 0 && !palette.contains(c) && palette.size() < (1 << bitCount))
                palette.append(c);
        }
    while (palette.size() < (1 << bitCount))
        palette.append(0xff000000);
    return palette;
}

QByteArray rowBits(const QImage &image, int y, int bitCount, const QList<QRgb> &palette)
{
    const int stride = ((image.width() * bitCount + 31) / 32) * 4;
    QByteArray row(stride, '\0');
    for (int x = 0; x < image.width(); ++x) {
        const QRgb c = image.pixel(x, y);
        const int index = bitCount <= 8 ? qMax(0, int(palette.indexOf(c | 0xff000000))) : 0;
        switch (bitCount) {
        case 1: row[x / 8] = char(row[x / 8] | (index << (7 - x % 8))); break;
        case 4: row[x / 2] = char(row[x / 2] | (index << (x % 2 ? 0 : 4))); break;
        case 8: row[x] = char(index); break;
        case 24: row[3 * x] = char(qBlue(c)), row[3 * x + 1] = char(qGreen(c)), row[3 * x + 2] = char(qRed(c)); break;
        default:
            row[4 * x] = char(qBlue(c)), row[4 * x + 1] = char(qGreen(c)), row[4 * x + 2] = char(qRed(c));
            row[4 * x + 3] = char(qAlpha(c));
        }
    }
    return row;
}

QByteArray dibWithHeight(const QImage &image, int bitCount, int headerHeight, const QByteArray &extraRows)
{
    const QList<QRgb> palette = bitCount <= 8 ? paletteOf(image, bitCount) : QList<QRgb>();
    Params p;
    p.u32(40).s32(image.width()).s32(headerHeight).u16(1).u16(quint16(bitCount)).u32(0).u32(0)
        .s32(2835).s32(2835).u32(quint32(palette.size())).u32(0);
    for (QRgb c : palette)
        p.u8(quint8(qBlue(c))).u8(quint8(qGreen(c))).u8(quint8(qRed(c))).u8(0);
    for (int y = image.height() - 1; y >= 0; --y)
        p.bytes(rowBits(image, y, bitCount, palette));
    return p.data() + extraRows;
}

QByteArray andMask(const QImage &image)
{
    const int stride = ((image.width() + 31) / 32) * 4;
    QByteArray mask;
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 0)
                row[x / 8] = char(row[x / 8] | (1 << (7 - x % 8)));
        mask.append(row);
    }
    return mask;
}

} // namespace

QByteArray packedDib(const QImage &image, int bitCount)
{
    return dibWithHeight(image.convertToFormat(QImage::Format_ARGB32), bitCount, image.height(), {});
}

int packedDibHeaderSize(const QByteArray &dib)
{
    const int colors = qFromLittleEndian<quint32>(dib.constData() + 32);
    return 40 + 4 * colors;
}

QByteArray iconFile(const QList<IconEntrySpec> &entries)
{
    QList<QByteArray> images;
    for (const IconEntrySpec &entry : entries) {
        const QImage image = entry.image.convertToFormat(QImage::Format_ARGB32);
        if (entry.bitCount == 0) {
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
            images.append(png);
        } else {
            images.append(dibWithHeight(image, entry.bitCount, 2 * image.height(), andMask(image)));
        }
    }
    Params file;
    file.u16(0).u16(1).u16(quint16(entries.size()));
    quint32 offset = 6 + 16 * quint32(entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        const QImage &image = entries[i].image;
        file.u8(quint8(image.width() & 0xff)).u8(quint8(image.height() & 0xff)).u8(0).u8(0).u16(1)
            .u16(quint16(entries[i].bitCount ? entries[i].bitCount : 32)).u32(quint32(images[i].size())).u32(offset);
        offset += quint32(images[i].size());
    }
    for (const QByteArray &image : images)
        file.bytes(image);
    return file.data();
}

void writeSeed(const QString &harness, const QString &name, const QByteArray &bytes)
{
    const QString root = qEnvironmentVariable("PIXMOOR_SEED_DIR");
    if (root.isEmpty())
        return;
    const QString folder = root + QLatin1Char('/') + harness;
    QDir().mkpath(folder);
    QFile file(folder + QLatin1Char('/') + name);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}
