// The drawing state a metafile changes as it plays: mapping, selected
// objects, text and background settings, clipping and the current position,
// plus the table of objects the metafile creates.
#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRegion>
#include <QSizeF>
#include <QString>
#include <QTransform>
#include <memory>
#include <optional>
#include <set>

namespace gdi {

enum MapMode { MmText = 1, MmLoMetric, MmHiMetric, MmLoEnglish, MmHiEnglish, MmTwips, MmIsotropic, MmAnisotropic };
enum BackgroundMode { Transparent = 1, Opaque = 2 };
enum PolyFillMode { Alternate = 1, Winding = 2 };
enum Rop2 { R2Black = 1, R2NotMergePen, R2MaskNotPen, R2NotCopyPen, R2MaskPenNot, R2Not, R2XorPen, R2NotMaskPen,
            R2MaskPen, R2NotXorPen, R2Nop, R2MergeNotPen, R2CopyPen, R2MergePenNot, R2MergePen, R2White };
enum ArcDirection { CounterClockwise = 1, Clockwise = 2 };
enum TextAlign { TaUpdateCp = 1, TaRight = 2, TaCenter = 6, TaBottom = 8, TaBaseline = 24 };
enum ClipMode { RgnAnd = 1, RgnOr, RgnXor, RgnDiff, RgnCopy };
enum PenStyle { PsSolid = 0, PsDash, PsDot, PsDashDot, PsDashDotDot, PsNull, PsInsideFrame, PsUserStyle, PsAlternate };
enum BrushStyle { BsSolid = 0, BsNull, BsHatched, BsPattern, BsIndexed, BsDibPattern, BsDibPatternPt };

struct Pen
{
    int style = PsSolid;
    qreal width = 0; // logical units; 0 means one device pixel
    QColor color = Qt::black;
    bool geometric = false;
    Qt::PenCapStyle cap = Qt::RoundCap;
    Qt::PenJoinStyle join = Qt::RoundJoin;
    QList<qreal> userDashes; // PS_USERSTYLE lengths, logical units
};

struct Brush
{
    int style = BsSolid;
    QColor color = Qt::white;
    int hatch = 0;
    QImage pattern; // BS_PATTERN / BS_DIBPATTERN
};

struct Font
{
    qint32 height = 0; // < 0: character height, > 0: cell height, 0: default
    qint32 width = 0;
    qint32 escapement = 0; // tenths of a degree, counter-clockwise
    qint32 weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 1; // DEFAULT_CHARSET; 2 is SYMBOL_CHARSET
    QString face;
    bool operator==(const Font &) const = default;
};

struct Object
{
    enum class Kind { Pen, Brush, Font, Palette, Region };
    Kind kind = Kind::Pen;
    Pen pen;
    Brush brush;
    Font font;
    QRegion region; // metafile device units
};

struct State
{
    int mapMode = MmText;
    QPointF windowOrg, viewportOrg;
    QSizeF windowExt{1, 1}, viewportExt{1, 1};
    QTransform world;
    Pen pen;
    Brush brush;
    Font font;
    QColor textColor = Qt::black;
    QColor backgroundColor = Qt::white;
    int backgroundMode = Opaque;
    int textAlign = 0;
    int textCharExtra = 0; // logical units after each character
    int breakExtra = 0;    // SetTextJustification: logical units spread over
    int breakCount = 0;    // this many break characters
    int rop2 = R2CopyPen;
    int polyFillMode = Alternate;
    int arcDirection = CounterClockwise;
    qreal miterLimit = 10;
    QPointF position;
    bool clipped = false;
    QRegion clip; // output device pixels
};

// The objects a metafile creates. WMF puts each new object into the lowest
// free slot; EMF names the slot. Both are bounded by the header's count and
// by MaxObjects, so a hostile file cannot grow the table without limit.
class ObjectTable
{
public:
    static constexpr int MaxObjects = 65535;
    explicit ObjectTable(int capacity);

    int addAtLowestFree(const Object &object); // -1 when full
    bool put(quint32 index, const Object &object);
    const Object *find(quint32 index) const;
    void remove(quint32 index);

private:
    int m_capacity;
    QHash<quint32, std::shared_ptr<const Object>> m_objects;
    int m_next = 0;
    std::set<int> m_freed;
};

// EMF stock objects: a handle with the top bit set names one of them.
constexpr quint32 StockObjectFlag = 0x80000000;
std::optional<Object> stockObject(quint32 index);

QColor colorRef(quint32 value); // 0x00BBGGRR

// Every clip change and region fill costs time in proportion to a region's
// rectangles, and strips crossing strips multiply them. A region of more
// rectangles than this stands for its bounding rectangle: drawing a little
// more rather than stalling.
constexpr int MaxRegionRectangles = 16384;
QRegion boundedRegion(const QRegion &region);
// The union of rectangles read from a file, built by halves so that n
// rectangles cost n log n, and bounded as above.
QRegion regionOfRects(const QList<QRect> &rects);

} // namespace gdi
