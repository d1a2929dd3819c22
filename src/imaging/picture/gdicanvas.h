// Draws GDI operations onto a QPainter. The metafile players decode records
// into calls of this class; it keeps the drawing state (mapping, objects,
// clipping, path bracket) and turns logical coordinates into painter device
// pixels the way GDI does: world transform, then the mapping mode's window
// to viewport mapping, then the metafile frame stretched onto the target.
#pragma once

#include "dibdecoder.h"
#include "gdistate.h"

#include <QFont>
#include <QList>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

class QPainter;

// Where a metafile plays: its frame in metafile device units, the target
// rectangle on the painter, and the size of a metafile device unit.
struct PlaybackFrame
{
    QRectF source;
    QRectF target;
    qreal unitsPerMmX = 96 / 25.4;
    qreal unitsPerMmY = 96 / 25.4;
};

class GdiCanvas
{
public:
    static constexpr int MaxSaveDepth = 1024;

    GdiCanvas(QPainter &painter, const PlaybackFrame &frame, int objectCapacity);
    ~GdiCanvas();
    GdiCanvas(const GdiCanvas &) = delete;
    GdiCanvas &operator=(const GdiCanvas &) = delete;

    // A drawing decodes at most this many bitmap pixels in all (256 MB).
    static constexpr qint64 MaxBitmapPixels = qint64(64) << 20;

    gdi::State &state() { return m_state; }
    // Options for decoding the drawing's bitmaps, all charged to its allowance.
    dib::Options bitmapOptions(dib::ColorUsage usage);
    gdi::ObjectTable &objects() { return m_objects; }

    // Mapping: every change goes through these so the transform stays current.
    void setMapMode(int mode);
    void setWindowOrg(QPointF origin);
    void setWindowExt(QSizeF extent);
    void setViewportOrg(QPointF origin);
    void setViewportExt(QSizeF extent);
    void scaleWindowExt(qreal xNum, qreal xDenom, qreal yNum, qreal yDenom);
    void scaleViewportExt(qreal xNum, qreal xDenom, qreal yNum, qreal yDenom);
    void setWorldTransform(const QTransform &transform);
    enum class WorldModify { Identity = 1, LeftMultiply, RightMultiply, Set };
    void modifyWorldTransform(const QTransform &transform, WorldModify mode);
    // Logical coordinates to painter device pixels.
    const QTransform &toDevice() const { return m_toDevice; }
    // Metafile device units (EMF regions) to painter device pixels.
    const QTransform &metaDeviceToDevice() const { return m_frameToDevice; }

    bool saveDc();
    bool restoreDc(int which);
    void selectObject(const gdi::Object &object);

    void intersectClipRect(const QRectF &rect);
    void excludeClipRect(const QRectF &rect);
    void combineClip(const QRegion &deviceRegion, int mode); // painter device pixels
    void resetClip();
    void offsetClip(QPointF logicalOffset);

    void moveTo(QPointF point);
    void lineTo(QPointF point);
    void polyline(const QPolygonF &points);
    void polylineTo(const QPolygonF &points);
    void polygon(const QPolygonF &points);
    void polyPolygon(const QList<QPolygonF> &polygons);
    void polyPolyline(const QList<QPolygonF> &polylines);
    void polyBezier(const QPolygonF &points);
    void polyBezierTo(const QPolygonF &points);
    void polyDraw(const QPolygonF &points, QByteArrayView types);
    void rectangle(const QRectF &box);
    void roundRect(const QRectF &box, QSizeF corner);
    void ellipse(const QRectF &box);
    enum class ArcKind { Arc, ArcTo, Chord, Pie };
    void arc(ArcKind kind, const QRectF &box, QPointF start, QPointF end);
    void angleArc(QPointF center, qreal radius, qreal startDegrees, qreal sweepDegrees);
    void setPixel(QPointF point, const QColor &color);

    void beginPath();
    void endPath();
    void abortPath();
    void closeFigure();
    void fillPath();
    void strokePath();
    void strokeAndFillPath();
    void flattenPath();
    void selectClipPath(int mode);

    // Regions in painter device pixels.
    void fillRegion(const QRegion &region, const gdi::Brush &brush);
    void frameRegion(const QRegion &region, const gdi::Brush &brush, QSize stroke);
    void invertRegion(const QRegion &region);

    struct TextRun
    {
        QPointF reference;
        QString text;           // 8-bit strings hold their bytes as U+0000 - U+00FF
        bool eightBit = false;  // decoded by the selected font's character set
        quint32 options = 0;    // ETO_OPAQUE 2, ETO_CLIPPED 4
        QRectF rect;            // logical; used with the two options above
        QList<QPointF> dx;      // logical advance of each character (y with ETO_PDY), may be short or empty
        bool advanced = false;  // GM_ADVANCED: glyphs follow the world transform
    };
    // Longer strings are cut: no record of a real drawing comes near.
    static constexpr qsizetype MaxTextLength = 8192;
    void textOut(const TextRun &run);

    struct Blit
    {
        QRectF dest;       // logical
        QImage source;     // null for pattern-only operations
        QRectF sourceRect; // in source pixels
        quint32 rop = 0x00CC0020;
        bool alphaBlend = false;
        int constantAlpha = 255;
    };
    void blit(const Blit &blit);

private:
    enum class Paint { Stroke = 1, Fill = 2, StrokeAndFill = 3 };
    void output(const QPainterPath &path, Paint paint);
    void drawPath(const QPainterPath &path, Paint paint);
    bool prepare(Paint paint);
    bool reasonable(const QRectF &deviceBounds) const;
    // A logical rectangle in device pixels, cut to the coordinates the
    // canvas can hold; empty when it maps to no finite place.
    QRect clipDeviceRect(const QRectF &logical) const;
    QPen currentPen() const;
    QBrush brushFor(const gdi::Brush &brush) const;
    void updateTransform();
    void applyClip();
    void appendToPath(const QPainterPath &path);
    QPainterPath arcPath(ArcKind kind, const QRectF &box, QPointF start, QPointF end) const;
    bool ropDrawsNothing() const;
    // Where text goes: frame units run along the baseline (x) and down the
    // glyphs (y). They are device pixels for text that stays upright in
    // GM_COMPATIBLE fashion, logical units for GM_ADVANCED text.
    struct TextFrame
    {
        QTransform toDevice;
        qreal pixelsPerUnit = 1; // device pixels per frame unit, for choosing the font size
        qreal logicalX = 1;      // frame units per logical unit along the baseline
        qreal logicalY = 1;      // frame units per logical unit across it, signed
        qreal em = 0;            // the font's em in frame units
        qreal width = 0;         // the font's average character width in frame units; 0: its own
    };
    // The selected font as Qt draws it, at a pixel size of its em in device pixels.
    struct TextFont
    {
        gdi::Font source;
        QFont font;
        bool symbolMapped = false; // strings go through the Symbol encoding
        qreal cellToEm = 1;        // em per unit of ascent + descent
        int pixelSize = 0;
        qreal ascent = 0, descent = 0, averageWidth = 0; // in font pixels
    };
    // A string laid out in a frame: where each character's origin goes.
    struct TextLine
    {
        QString text;
        QList<QPointF> origins; // frame units, alignment applied
        QPointF advance;        // from the reference point to the end of the string
        QPointF start;          // the first origin
        bool natural = false;   // Qt's own spacing: drawn as one string
    };
    TextFrame textFrame(QPointF reference, bool advanced) const;
    TextFont &textFont();
    void sizeTextFont(TextFont &font, int pixelSize);
    TextLine layOutText(const TextRun &run, const TextFrame &frame, const TextFont &font, qreal glyphScaleX) const;
    void drawTextLine(const TextRun &run, const TextFrame &frame, const TextFont &font, const TextLine &line,
                      QSizeF glyphScale);
    void blitPattern(const QRectF &dest, quint32 rop);

    QPainter &m_painter;
    PlaybackFrame m_frame;
    QTransform m_frameToDevice;
    QTransform m_toDevice;
    QRect m_deviceBounds;
    gdi::State m_state;
    gdi::ObjectTable m_objects;
    dib::PixelAllowance m_bitmapAllowance{MaxBitmapPixels};
    QList<gdi::State> m_saved;
    bool m_inPath = false;
    QPainterPath m_path;
    TextFont m_textFont; // the last font drawn with
    bool m_textFontValid = false;
};
