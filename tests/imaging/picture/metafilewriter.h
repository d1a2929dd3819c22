// A small writer of WMF, EMF, DIB and ICO files for the tests: records are
// built from little-endian fields, the headers are filled in by the writer.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

class Params
{
public:
    Params &u8(quint8 value);
    Params &u16(quint16 value);
    Params &s16(qint16 value) { return u16(quint16(value)); }
    Params &u32(quint32 value);
    Params &s32(qint32 value) { return u32(quint32(value)); }
    Params &f32(float value);
    Params &bytes(const QByteArray &value);
    Params &rect32(const QRect &r); // left, top, right + 1, bottom + 1
    Params &points16(const QList<QPoint> &points); // x, y pairs
    Params &points32(const QList<QPoint> &points);
    const QByteArray &data() const { return m_data; }

private:
    QByteArray m_data;
};

// 0x00BBGGRR
quint32 colorRef(QRgb rgb);

namespace wmfrec {
enum : quint16 {
    SetBkColor = 0x0201, SetBkMode = 0x0102, SetMapMode = 0x0103, SetRop2 = 0x0104, SetPolyFillMode = 0x0106,
    SetTextColor = 0x0209, SetWindowOrg = 0x020B, SetWindowExt = 0x020C, SetViewportOrg = 0x020D,
    SetViewportExt = 0x020E, SetTextCharExtra = 0x0108, SetTextJustification = 0x020A, LineTo = 0x0213, MoveTo = 0x0214, ExcludeClipRect = 0x0415,
    IntersectClipRect = 0x0416, Arc = 0x0817, Ellipse = 0x0418, Pie = 0x081A, Rectangle = 0x041B,
    RoundRect = 0x061C, PatBlt = 0x061D, SaveDc = 0x001E, SetPixel = 0x041F, TextOut = 0x0521,
    Polygon = 0x0324, Polyline = 0x0325, RestoreDc = 0x0127, FillRegion = 0x0228, SelectClipRegion = 0x012C,
    SelectObject = 0x012D, SetTextAlign = 0x012E, Chord = 0x0830, ExtTextOut = 0x0A32, SetDibToDev = 0x0D33,
    PolyPolygon = 0x0538, DibBitBlt = 0x0940, DibStretchBlt = 0x0B41, DibCreatePatternBrush = 0x0142,
    StretchDib = 0x0F43, DeleteObject = 0x01F0, CreatePenIndirect = 0x02FA, CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC, CreateRegion = 0x06FF,
};
}

namespace emfrec {
enum : quint32 {
    PolyBezier = 2, Polygon = 3, Polyline = 4, SetWindowExtEx = 9, SetWindowOrgEx = 10, SetViewportExtEx = 11,
    SetViewportOrgEx = 12, SetMapMode = 17, SetBkMode = 18, SetPolyFillMode = 19, SetRop2 = 20,
    SetTextAlign = 22, SetTextColor = 24, SetBkColor = 25, OffsetClipRgn = 26, MoveToEx = 27, ExcludeClipRect = 29,
    IntersectClipRect = 30, SaveDc = 33, RestoreDc = 34, SetWorldTransform = 35, ModifyWorldTransform = 36,
    SelectObject = 37, CreatePen = 38, CreateBrushIndirect = 39, DeleteObject = 40, Ellipse = 42,
    Rectangle = 43, RoundRect = 44, Arc = 45, Chord = 46, Pie = 47, LineTo = 54, BeginPath = 59, EndPath = 60,
    CloseFigure = 61, FillPath = 62, StrokeAndFillPath = 63, StrokePath = 64, SelectClipPath = 67,
    GdiComment = 70, ExtSelectClipRgn = 75, BitBlt = 76, StretchDibits = 81, ExtCreateFontIndirectW = 82,
    ExtTextOutA = 83, ExtTextOutW = 84, SmallTextOut = 108, SetTextJustification = 120, PolyBezier16 = 85, Polygon16 = 86, Polyline16 = 87, PolyPolygon16 = 91,
    CreateDibPatternBrushPt = 94, ExtCreatePen = 95,
};
constexpr quint32 Stock = 0x80000000;
}

// What a font record asks for beyond its height and face.
struct FontStyle
{
    qint16 width = 0;
    qint16 escapement = 0; // orientation follows it
    qint16 weight = 400;
    quint8 charset = 0;
    bool underline = false;
};

// META_EXTTEXTOUT parameters: the rectangle is written with ETO_OPAQUE (2)
// or ETO_CLIPPED (4) in options, the spacing array when it is not empty.
Params wmfExtTextOut(QPoint reference, const QByteArray &text, const QList<qint16> &dx = {}, quint16 options = 0,
                     const QRect &rect = {});

// EMR_EXTTEXTOUTW (or, with an 8-bit text, EMR_EXTTEXTOUTA) parameters:
// dx holds one advance per character, or x and y pairs with ETO_PDY
// (0x2000) in options; graphicsMode 2 is GM_ADVANCED.
Params emfExtTextOut(QPoint reference, const QString &text, const QList<qint32> &dx = {}, quint32 options = 0,
                     const QRect &rect = {}, quint32 graphicsMode = 1);
Params emfExtTextOutA(QPoint reference, const QByteArray &text, const QList<qint32> &dx = {});

class WmfWriter
{
public:
    WmfWriter &add(quint16 function, const Params &params = {});
    // GDI argument order reversed into words, as WMF stores them.
    WmfWriter &words(quint16 function, QList<qint16> reversedArguments);
    // Common records; rectangles take GDI's exclusive right and bottom.
    WmfWriter &window(const QRect &window); // anisotropic mode, window origin and extent
    WmfWriter &brush(QRgb color, quint16 style = 0, quint16 hatch = 0);
    WmfWriter &pen(quint16 style, qint16 width, QRgb color);
    WmfWriter &font(qint16 height, const QString &face = QStringLiteral("DejaVu Sans"), qint16 escapement = 0);
    WmfWriter &font(qint16 height, const QString &face, const FontStyle &style);
    WmfWriter &select(quint16 index) { return words(wmfrec::SelectObject, {qint16(index)}); }
    WmfWriter &shape(quint16 function, const QRect &box);
    QByteArray plain(quint16 objects = 16) const;
    QByteArray placeable(const QRect &box, quint16 unitsPerInch, quint16 objects = 16) const;
    int recordCount() const { return m_count; }

private:
    QByteArray m_records;
    quint32 m_maxRecordWords = 0;
    int m_count = 0;
};

class EmfWriter
{
public:
    // boundsPixels: the picture in reference device pixels; the reference
    // device is devicePixels wide and high and deviceMm millimetres.
    explicit EmfWriter(const QRect &boundsPixels, QSize devicePixels = {1000, 1000}, QSize deviceMm = {254, 254});
    EmfWriter &add(quint32 type, const Params &params = {});
    EmfWriter &brush(quint32 handle, QRgb color, quint32 style = 0, quint32 hatch = 0);
    EmfWriter &pen(quint32 handle, quint32 style, qint32 width, QRgb color);
    EmfWriter &font(quint32 handle, qint32 height, const QString &face = QStringLiteral("DejaVu Sans"),
                    const FontStyle &style = {});
    EmfWriter &select(quint32 handle) { return add(emfrec::SelectObject, Params().u32(handle)); }
    EmfWriter &shape(quint32 type, const QRect &box) { return add(type, Params().rect32(box)); }
    QByteArray bytes(quint16 handles = 16) const;
    int recordCount() const { return m_count; }

private:
    QRect m_bounds;
    QSize m_devicePixels, m_deviceMm;
    QByteArray m_records;
    int m_count = 0;
};

// A packed DIB (BITMAPINFOHEADER, colour table, bottom-up bits) of image at
// bitCount 1, 4, 8 (palette from the image's colours), 24 or 32.
QByteArray packedDib(const QImage &image, int bitCount);
int packedDibHeaderSize(const QByteArray &dib); // header + colour table

struct IconEntrySpec
{
    QImage image;     // alpha 0 pixels become masked
    int bitCount = 32; // 1, 4, 8, 24, 32; 0 stores a PNG
};
QByteArray iconFile(const QList<IconEntrySpec> &entries);

// Writes bytes to $PIXMOOR_SEED_DIR/harness/name when that variable is set,
// so the fuzzers start from the files the tests build.
void writeSeed(const QString &harness, const QString &name, const QByteArray &bytes);
