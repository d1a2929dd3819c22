// Enhanced metafiles written record by record, played into images and
// checked pixel by pixel.
#include "metafilewriter.h"
#include "picturetesting.h"

#include <QTest>

using namespace emfrec;

namespace {

const QRgb Red = qRgb(255, 0, 0), Green = qRgb(0, 255, 0), Blue = qRgb(0, 0, 255), Black = qRgb(0, 0, 0);
constexpr quint32 NullPen = emfrec::Stock | 8;

// A picture of 100 x 100 reference pixels with the null pen selected.
EmfWriter canvas()
{
    EmfWriter w(QRect(0, 0, 100, 100));
    w.select(NullPen);
    return w;
}

QImage play(const EmfWriter &w, const QString &seedName, QSize size = {100, 100})
{
    const QByteArray bytes = w.bytes();
    writeSeed(QStringLiteral("fuzz_emf"), seedName + QStringLiteral(".emf"), bytes);
    return playMetafile(bytes, size);
}

Params xform(qreal m11, qreal m12, qreal m21, qreal m22, qreal dx, qreal dy)
{
    return Params().f32(float(m11)).f32(float(m12)).f32(float(m21)).f32(float(m22)).f32(float(dx)).f32(float(dy));
}

// DejaVu Sans, the face the text tests draw with, in fractions of its em.
constexpr qreal CapHeight = 0.729, Ascent = 0.928;
constexpr quint32 GmAdvanced = 2;

// A 20-pixel DejaVu Sans (at the given height) drawn black.
EmfWriter textCanvas(qint32 height = -20)
{
    EmfWriter w = canvas();
    w.font(1, height).select(1).add(SetBkMode, Params().u32(1)).add(SetTextColor, Params().u32(colorRef(Black)));
    return w;
}

// Ink in one row or column of the image.
int inkAlong(const QImage &image, Qt::Orientation orientation, int line)
{
    return orientation == Qt::Horizontal ? inkedPixels(image, QRect(0, line, image.width(), 1))
                                         : inkedPixels(image, QRect(line, 0, 1, image.height()));
}

} // namespace

class TestEmfPlayer : public QObject
{
    Q_OBJECT
private slots:
    void filledRectangleScaledToTarget();
    void mapModes_data();
    void mapModes();
    void worldTransform();
    void clipping_data();
    void clipping();
    void textWithSpacingAndAlignment();
    void spacingArrayPlacesGlyphs_data();
    void spacingArrayPlacesGlyphs();
    void worldTransformTurnsText();
    void verticalAdvances();
    void textStaysUpright_data();
    void textStaysUpright();
    void textRecordsWithoutSpacingArray_data();
    void textRecordsWithoutSpacingArray();
    void stretchDibits();
    void bitBltWithoutBitmapFillsWithBrush();
    void pathsFillAndStroke();
    void beziersAndPolylines();
    void emfPlusCommentsSkipped();
    void stockAndGeometricPens();
};

void TestEmfPlayer::filledRectangleScaledToTarget()
{
    EmfWriter w = canvas();
    w.brush(1, Red).select(1).shape(Rectangle, QRect(10, 10, 40, 40));
    // Played into 200 x 200 pixels the frame doubles.
    const QImage image = play(w, QStringLiteral("rectangle"), {200, 200});
    QVERIFY(pixelIs(image, 60, 60, Red));
    QVERIFY(pixelIs(image, 22, 22, Red));
    QVERIFY(pixelIs(image, 96, 96, Red));
    QVERIFY(pixelIs(image, 15, 15, Qt::white));
    QVERIFY(pixelIs(image, 105, 60, Qt::white));
}

void TestEmfPlayer::mapModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("extent");
    // The reference device has 1000 pixels to 254 mm: 100 pixels are 25.4 mm
    // or one inch. Each extent below is half an inch.
    QTest::newRow("MM_LOMETRIC") << 2 << 127;
    QTest::newRow("MM_HIMETRIC") << 3 << 1270;
    QTest::newRow("MM_LOENGLISH") << 4 << 50;
    QTest::newRow("MM_HIENGLISH") << 5 << 500;
    QTest::newRow("MM_TWIPS") << 6 << 720;
}

void TestEmfPlayer::mapModes()
{
    QFETCH(int, mode);
    QFETCH(int, extent);
    EmfWriter w = canvas();
    // Metric modes point y upwards: start at the bottom left corner.
    w.add(SetMapMode, Params().u32(quint32(mode))).add(SetViewportOrgEx, Params().s32(0).s32(100));
    w.brush(1, Blue).select(1).add(Rectangle, Params().s32(0).s32(0).s32(extent).s32(extent));
    const QImage image = play(w, QStringLiteral("mapmode-%1").arg(mode));
    QVERIFY(pixelIs(image, 45, 55, Blue));
    QVERIFY(pixelIs(image, 5, 95, Blue));
    QVERIFY(pixelIs(image, 55, 55, Qt::white));
    QVERIFY(pixelIs(image, 45, 45, Qt::white));
}

void TestEmfPlayer::worldTransform()
{
    EmfWriter w = canvas();
    w.brush(1, Green).select(1);
    w.add(SetWorldTransform, xform(2, 0, 0, 2, 0, 0));
    w.add(ModifyWorldTransform, xform(1, 0, 0, 1, 10, 0).u32(2)); // translate before scaling
    w.shape(Rectangle, QRect(0, 10, 10, 10));
    w.add(ModifyWorldTransform, xform(1, 0, 0, 1, 0, 0).u32(1)); // back to identity
    w.shape(Rectangle, QRect(80, 80, 10, 10));
    const QImage image = play(w, QStringLiteral("world"));
    QVERIFY(pixelIs(image, 30, 30, Green));
    QVERIFY(pixelIs(image, 15, 30, Qt::white));
    QVERIFY(pixelIs(image, 85, 85, Green));
    QVERIFY(pixelIs(image, 45, 45, Qt::white));
}

void TestEmfPlayer::clipping_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QPoint>("painted");
    QTest::addColumn<QPoint>("clipped");

    EmfWriter intersect = canvas();
    intersect.shape(IntersectClipRect, QRect(0, 0, 50, 100));
    intersect.brush(1, Green).select(1).shape(Rectangle, QRect(0, 0, 100, 100));
    QTest::newRow("intersect") << intersect.bytes() << QPoint(25, 50) << QPoint(75, 50);

    EmfWriter exclude = canvas();
    exclude.shape(ExcludeClipRect, QRect(40, 40, 20, 20));
    exclude.brush(1, Green).select(1).shape(Rectangle, QRect(0, 0, 100, 100));
    QTest::newRow("exclude") << exclude.bytes() << QPoint(20, 20) << QPoint(50, 50);

    // RGNDATA with the one rectangle 60,0 - 100,100, replacing the clip.
    EmfWriter region = canvas();
    const Params rgn = Params().u32(32).u32(1).u32(1).u32(16).rect32(QRect(60, 0, 40, 100)).rect32(QRect(60, 0, 40, 100));
    region.add(ExtSelectClipRgn, Params().u32(quint32(rgn.data().size())).u32(5).bytes(rgn.data()));
    region.brush(1, Green).select(1).shape(Rectangle, QRect(0, 0, 100, 100));
    QTest::newRow("clip region") << region.bytes() << QPoint(80, 50) << QPoint(40, 50);

    EmfWriter path = canvas();
    path.add(BeginPath).add(MoveToEx, Params().s32(0).s32(0)).add(LineTo, Params().s32(100).s32(0));
    path.add(LineTo, Params().s32(0).s32(100)).add(CloseFigure).add(EndPath).add(SelectClipPath, Params().u32(5));
    path.brush(1, Green).select(1).shape(Rectangle, QRect(0, 0, 100, 100));
    QTest::newRow("clip path") << path.bytes() << QPoint(20, 20) << QPoint(80, 80);

    // Far larger than the picture: only the part over it counts.
    EmfWriter hugePath = canvas();
    hugePath.add(BeginPath).add(MoveToEx, Params().s32(-500000).s32(-500000)).add(LineTo, Params().s32(50).s32(-500000));
    hugePath.add(LineTo, Params().s32(50).s32(500000)).add(LineTo, Params().s32(-500000).s32(500000));
    hugePath.add(CloseFigure).add(EndPath).add(SelectClipPath, Params().u32(5));
    hugePath.brush(1, Green).select(1).shape(Rectangle, QRect(0, 0, 100, 100));
    QTest::newRow("clip path far beyond the picture") << hugePath.bytes() << QPoint(20, 80) << QPoint(80, 20);

    // A clip path mostly off the picture, moved onto it afterwards.
    EmfWriter moved = canvas();
    moved.add(BeginPath).add(MoveToEx, Params().s32(-20000).s32(0)).add(LineTo, Params().s32(50).s32(0));
    moved.add(LineTo, Params().s32(50).s32(100)).add(LineTo, Params().s32(-20000).s32(100));
    moved.add(CloseFigure).add(EndPath).add(SelectClipPath, Params().u32(5));
    moved.add(OffsetClipRgn, Params().s32(20030).s32(0));
    moved.brush(1, Green).select(1).shape(Rectangle, QRect(0, 0, 100, 100));
    QTest::newRow("clip path moved onto the picture") << moved.bytes() << QPoint(75, 50) << QPoint(10, 50);

    EmfWriter saved = canvas();
    saved.add(SaveDc).shape(IntersectClipRect, QRect(0, 0, 10, 10)).add(RestoreDc, Params().s32(-1));
    saved.brush(1, Green).select(1).shape(Rectangle, QRect(50, 0, 50, 100));
    QTest::newRow("restore drops the clip") << saved.bytes() << QPoint(75, 50) << QPoint(25, 50);
}

void TestEmfPlayer::clipping()
{
    QFETCH(QByteArray, file);
    QFETCH(QPoint, painted);
    QFETCH(QPoint, clipped);
    writeSeed(QStringLiteral("fuzz_emf"), QStringLiteral("clip-%1.emf").arg(QTest::currentDataTag()), file);
    const QImage image = playMetafile(file, {100, 100});
    QVERIFY(pixelIs(image, painted.x(), painted.y(), Green));
    QVERIFY(pixelIs(image, clipped.x(), clipped.y(), Qt::white));
}

void TestEmfPlayer::textWithSpacingAndAlignment()
{
    EmfWriter w = canvas();
    w.font(1, -16).select(1).add(SetBkMode, Params().u32(1)).add(SetTextColor, Params().u32(colorRef(Black)));
    // Four characters spread 20 units apart from x 5, top aligned.
    w.add(ExtTextOutW, emfExtTextOut({5, 5}, QStringLiteral("IIII"), {20, 20, 20, 20}));
    // TA_RIGHT | TA_BOTTOM: the text ends at (95, 95).
    w.add(SetTextAlign, Params().u32(2 | 8));
    w.add(ExtTextOutW, emfExtTextOut({95, 95}, QStringLiteral("MM")));
    const QImage image = play(w, QStringLiteral("text"));
    for (int i = 0; i < 4; ++i)
        QVERIFY2(inkedPixels(image, QRect(5 + 20 * i, 5, 12, 16)) > 5, qPrintable(QString::number(i)));
    QCOMPARE(inkedPixels(image, QRect(30, 5, 3, 16)), 0); // between the spread letters
    QVERIFY(inkedPixels(image, QRect(60, 78, 36, 18)) > 30);
    QCOMPARE(inkedPixels(image, QRect(0, 40, 100, 30)), 0);
    QCOMPARE(inkedPixels(image, QRect(96, 60, 4, 40)), 0);
}

void TestEmfPlayer::spacingArrayPlacesGlyphs_data()
{
    QTest::addColumn<QByteArray>("file");
    // Each draws four I's whose spacing array puts them 20, 40 and 12
    // pixels apart, starting at 10, 20 with an em of 20 pixels.
    EmfWriter text = textCanvas();
    text.add(ExtTextOutW, emfExtTextOut({10, 20}, QStringLiteral("IIII"), {20, 40, 12, 0}));
    QTest::newRow("MM_TEXT") << text.bytes();

    // x shrunk to a quarter, y doubled: the font height follows y, the
    // spacing x.
    EmfWriter anisotropic = textCanvas(-10);
    anisotropic.add(SetMapMode, Params().u32(8)).add(SetWindowExtEx, Params().s32(400).s32(50));
    anisotropic.add(SetViewportExtEx, Params().s32(100).s32(100));
    anisotropic.add(ExtTextOutW, emfExtTextOut({40, 10}, QStringLiteral("IIII"), {80, 160, 48, 0}));
    QTest::newRow("MM_ANISOTROPIC") << anisotropic.bytes();

    // Twice the size, shifted right by 10: advanced-mode text follows.
    EmfWriter world = textCanvas(-10);
    world.add(SetWorldTransform, xform(2, 0, 0, 2, 10, 0));
    world.add(ExtTextOutW, emfExtTextOut({0, 10}, QStringLiteral("IIII"), {10, 20, 6, 0}, 0, QRect(), GmAdvanced));
    QTest::newRow("world transform") << world.bytes();

    // An ANSI string with its array, the I's each at their own position.
    EmfWriter ansi = textCanvas();
    ansi.add(ExtTextOutA, emfExtTextOutA({10, 20}, "II", {20, 0})).add(ExtTextOutA, emfExtTextOutA({70, 20}, "II", {12, 0}));
    QTest::newRow("ExtTextOutA") << ansi.bytes();
}

void TestEmfPlayer::spacingArrayPlacesGlyphs()
{
    QFETCH(QByteArray, file);
    writeSeed(QStringLiteral("fuzz_emf"), QStringLiteral("spacing-%1.emf").arg(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-')), file);
    const QImage image = playMetafile(file, {100, 100});
    const QList<qreal> centres = inkCentres(image, Qt::Horizontal, image.rect());
    QVERIFY2(near(steps(centres), {20, 40, 12}, 1), qPrintable(listed(centres)));
    // An I of DejaVu Sans stands in the middle of its 0.3 em advance.
    QVERIFY2(centres.first() > 11 && centres.first() < 15, qPrintable(listed(centres)));
    const QRect ink = inkBounds(image, image.rect());
    QVERIFY2(qAbs(ink.height() - 20 * CapHeight) <= 1.5 && qAbs(ink.top() - 20 - 20 * (Ascent - CapHeight)) <= 1.5,
             qPrintable(QStringLiteral("%1 high from %2").arg(ink.height()).arg(ink.top())));
}

void TestEmfPlayer::worldTransformTurnsText()
{
    // Logical x runs down the picture, logical y to the left: a quarter
    // turn clockwise as seen. Advanced-mode text turns with it, glyph
    // tops towards the right, and its spacing runs downwards from 70, 10.
    EmfWriter w = textCanvas();
    w.add(SetWorldTransform, xform(0, 1, -1, 0, 0, 0));
    w.add(ExtTextOutW, emfExtTextOut({10, -70}, QStringLiteral("IIII"), {20, 40, 12, 0}, 0, QRect(), GmAdvanced));
    const QImage image = play(w, QStringLiteral("world-turned-text"));
    const QList<qreal> centres = inkCentres(image, Qt::Vertical, image.rect());
    QVERIFY2(near(steps(centres), {20, 40, 12}, 1), qPrintable(listed(centres)));
    QVERIFY2(centres.first() > 11 && centres.first() < 15, qPrintable(listed(centres)));
    // Top aligned: the glyphs lie on the side their tops point away from.
    const QRect ink = inkBounds(image, image.rect());
    QVERIFY2(qAbs(ink.right() + 1 - (70 - 20 * (Ascent - CapHeight))) <= 1.5 && qAbs(ink.width() - 20 * CapHeight) <= 1.5,
             qPrintable(QStringLiteral("%1 - %2").arg(ink.left()).arg(ink.right())));
}

void TestEmfPlayer::verticalAdvances()
{
    // ETO_PDY: x and y advance pairs; the third I is 10 below the others.
    EmfWriter w = textCanvas();
    w.add(ExtTextOutW, emfExtTextOut({10, 20}, QStringLiteral("III"), {20, 0, 20, 10, 0, 0}, 0x2000));
    const QImage image = play(w, QStringLiteral("pdy"));
    const QList<qreal> centres = inkCentres(image, Qt::Horizontal, image.rect());
    QVERIFY2(near(steps(centres), {20, 20}, 1), qPrintable(listed(centres)));
    QList<qreal> tops;
    for (qreal centre : centres)
        tops.append(inkBounds(image, QRect(qRound(centre) - 3, 0, 7, 100)).top());
    QVERIFY2(near(steps(tops), {0, 10}, 1), qPrintable(listed(tops)));
}

void TestEmfPlayer::textStaysUpright_data()
{
    QTest::addColumn<quint32>("graphicsMode");
    QTest::addColumn<qint32>("escapement");
    for (quint32 mode : {1u, GmAdvanced}) {
        const char *name = mode == 1 ? "GM_COMPATIBLE" : "GM_ADVANCED";
        QTest::newRow(name) << mode << 0;
        QTest::addRow("%s, escapement 90", name) << mode << 900;
    }
}

void TestEmfPlayer::textStaysUpright()
{
    QFETCH(quint32, graphicsMode);
    QFETCH(qint32, escapement);
    // Logical y points up, the origin at the bottom left.
    EmfWriter w = canvas();
    FontStyle style;
    style.escapement = qint16(escapement);
    w.font(1, -30, QStringLiteral("DejaVu Sans"), style).select(1).add(SetBkMode, Params().u32(1));
    w.add(SetMapMode, Params().u32(8)).add(SetWindowExtEx, Params().s32(100).s32(-100));
    w.add(SetViewportExtEx, Params().s32(100).s32(100)).add(SetViewportOrgEx, Params().s32(0).s32(100));
    // Device 20, 80: top aligned, T's below it, or with the escapement
    // running up from it with the glyphs to its right.
    w.add(ExtTextOutW, emfExtTextOut({20, 20}, QStringLiteral("TT"), {}, 0, QRect(), graphicsMode));
    const QImage image = play(w, QStringLiteral("upright-%1-%2").arg(graphicsMode).arg(escapement));
    const QRect ink = inkBounds(image, image.rect());
    QVERIFY(!ink.isEmpty());
    if (escapement == 0) {
        QVERIFY2(ink.top() > 80 && ink.left() >= 20, qPrintable(QStringLiteral("%1,%2").arg(ink.left()).arg(ink.top())));
        // The bar of a T is at its top.
        QVERIFY(inkAlong(image, Qt::Horizontal, ink.top()) > 3 * inkAlong(image, Qt::Horizontal, ink.bottom()));
    } else {
        QVERIFY2(ink.bottom() <= 81 && ink.top() < 50 && ink.left() > 20,
                 qPrintable(QStringLiteral("%1,%2 - %3,%4").arg(ink.left()).arg(ink.top()).arg(ink.right()).arg(ink.bottom())));
        // Turned counter-clockwise, the bars face left.
        QVERIFY(inkAlong(image, Qt::Vertical, ink.left()) > 3 * inkAlong(image, Qt::Vertical, ink.right()));
    }
}

void TestEmfPlayer::textRecordsWithoutSpacingArray_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<qreal>("distance"); // between the I's, centre to centre
    // "I I" at an em of 20: an I and a space are 0.295 and 0.318 em wide.
    const qreal natural = 20 * (0.295 + 0.318);

    // 12 units over one break character.
    EmfWriter justified = textCanvas();
    justified.add(SetTextJustification, Params().s32(12).s32(1));
    justified.add(ExtTextOutA, emfExtTextOutA({10, 20}, "I I"));
    QTest::newRow("justified ExtTextOutA") << justified.bytes() << natural + 12;

    // x, y, count, options, graphics mode, scales, then the 8-bit string
    // with ETO_NO_RECT | ETO_SMALL_CHARS.
    EmfWriter small = textCanvas();
    small.add(SmallTextOut, Params().s32(10).s32(20).u32(3).u32(0x300).u32(1).f32(1).f32(1).bytes("I I"));
    QTest::newRow("SmallTextOut, 8-bit") << small.bytes() << natural;

    // The same in UTF-16 after a rectangle that nothing uses.
    EmfWriter wide = textCanvas();
    wide.add(SmallTextOut, Params().s32(10).s32(20).u32(3).u32(0).u32(1).f32(1).f32(1).rect32(QRect(0, 0, 5, 5))
                               .u16('I').u16(' ').u16('I'));
    QTest::newRow("SmallTextOut, wide") << wide.bytes() << natural;
}

void TestEmfPlayer::textRecordsWithoutSpacingArray()
{
    QFETCH(QByteArray, file);
    QFETCH(qreal, distance);
    writeSeed(QStringLiteral("fuzz_emf"), QStringLiteral("plaintext-%1.emf").arg(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-')), file);
    const QImage image = playMetafile(file, {100, 100});
    const QList<qreal> centres = inkCentres(image, Qt::Horizontal, image.rect());
    QVERIFY2(near(steps(centres), {distance}, 1), qPrintable(listed(centres)));
    QVERIFY2(centres.first() > 11 && centres.first() < 15, qPrintable(listed(centres)));
}

void TestEmfPlayer::stretchDibits()
{
    QImage source(2, 2, QImage::Format_RGB32);
    source.setPixel(0, 0, Red);
    source.setPixel(1, 0, Green);
    source.setPixel(0, 1, Blue);
    source.setPixel(1, 1, Black);
    const QByteArray dib = packedDib(source, 8);
    const quint32 infoSize = quint32(packedDibHeaderSize(dib));
    const quint32 bitsSize = quint32(dib.size()) - infoSize;
    EmfWriter w = canvas();
    // Fixed part of 80 bytes, then the header and the bits.
    w.add(StretchDibits, Params().rect32(QRect()).s32(20).s32(20).s32(0).s32(0).s32(2).s32(2).u32(80).u32(infoSize)
                             .u32(80 + infoSize).u32(bitsSize).u32(0).u32(0x00CC0020).s32(40).s32(40).bytes(dib));
    const QImage image = play(w, QStringLiteral("stretchdibits"));
    QVERIFY(pixelIs(image, 30, 30, Red));
    QVERIFY(pixelIs(image, 50, 30, Green));
    QVERIFY(pixelIs(image, 30, 50, Blue));
    QVERIFY(pixelIs(image, 50, 50, Black));
    QVERIFY(pixelIs(image, 65, 65, Qt::white));
}

void TestEmfPlayer::bitBltWithoutBitmapFillsWithBrush()
{
    EmfWriter w = canvas();
    w.brush(1, Blue, 2, 5).select(1).add(SetBkColor, Params().u32(colorRef(Red))).add(SetBkMode, Params().u32(2));
    // PATCOPY over 10,10 - 90,90 with a hatched brush, no source bitmap.
    Params blt;
    blt.rect32(QRect()).s32(10).s32(10).s32(80).s32(80).u32(0x00F00021).s32(0).s32(0).bytes(xform(1, 0, 0, 1, 0, 0).data())
        .u32(0).u32(0).u32(0).u32(0).u32(0).u32(0);
    w.add(BitBlt, blt);
    const QImage image = play(w, QStringLiteral("patblt"));
    int blue = 0, red = 0;
    for (int y = 15; y < 85; ++y)
        for (int x = 15; x < 85; ++x)
            blue += pixelIs(image, x, y, Blue), red += pixelIs(image, x, y, Red);
    QVERIFY2(blue > 500 && red > 2000, qPrintable(QStringLiteral("%1 %2").arg(blue).arg(red)));
    QVERIFY(pixelIs(image, 5, 5, Qt::white));
}

void TestEmfPlayer::pathsFillAndStroke()
{
    EmfWriter w = canvas();
    w.brush(1, Red).select(1).pen(2, 0, 9, Blue).select(2);
    w.add(BeginPath).add(MoveToEx, Params().s32(10).s32(10)).add(LineTo, Params().s32(90).s32(10));
    w.add(LineTo, Params().s32(90).s32(90)).add(CloseFigure).add(EndPath).add(StrokeAndFillPath, Params().rect32(QRect()));
    w.add(BeginPath).shape(Rectangle, QRect(5, 60, 20, 30)).add(EndPath).add(FillPath, Params().rect32(QRect()));
    const QImage image = play(w, QStringLiteral("paths"));
    QVERIFY(pixelIs(image, 70, 40, Red));
    QVERIFY(pixelIs(image, 50, 10, Blue)); // the wide pen on the top edge
    QVERIFY(pixelIs(image, 30, 60, Qt::white));
    QVERIFY(pixelIs(image, 15, 75, Red)); // filled without its outline
}

void TestEmfPlayer::beziersAndPolylines()
{
    EmfWriter w = canvas();
    w.pen(1, 0, 3, Black).select(1);
    // A straight Bézier (control points on the line) from 10,50 to 90,50.
    w.add(PolyBezier16, Params().rect32(QRect()).u32(4).points16({{10, 50}, {30, 50}, {70, 50}, {90, 50}}));
    w.add(Polyline, Params().rect32(QRect()).u32(3).points32({{10, 80}, {50, 80}, {50, 95}}));
    w.brush(2, Green).select(2);
    w.add(PolyPolygon16, Params().rect32(QRect()).u32(2).u32(6).u32(3).u32(3)
                             .points16({{10, 10}, {30, 10}, {10, 30}}).points16({{60, 10}, {90, 10}, {90, 40}}));
    const QImage image = play(w, QStringLiteral("beziers"));
    QVERIFY(pixelIs(image, 50, 50, Black));
    QVERIFY(pixelIs(image, 50, 55, Qt::white));
    QVERIFY(pixelIs(image, 30, 80, Black));
    QVERIFY(pixelIs(image, 50, 90, Black));
    QVERIFY(pixelIs(image, 15, 15, Green));
    QVERIFY(pixelIs(image, 85, 20, Green));
    QVERIFY(pixelIs(image, 45, 20, Qt::white));
}

void TestEmfPlayer::emfPlusCommentsSkipped()
{
    EmfWriter w = canvas();
    // An EMF+ comment whose content is nonsense: it must not disturb the rest.
    w.add(GdiComment, Params().u32(16).u32(0x2B464D45).u32(0xFFFFFFFF).u32(0xFFFFFFFF).u32(0xFFFFFFFF));
    w.brush(1, Red).select(1).shape(Ellipse, QRect(20, 20, 60, 60));
    const QImage image = play(w, QStringLiteral("emfplus"));
    QVERIFY(pixelIs(image, 50, 50, Red));
    QVERIFY(pixelIs(image, 22, 22, Qt::white));
}

void TestEmfPlayer::stockAndGeometricPens()
{
    EmfWriter w = canvas();
    w.select(emfrec::Stock | 4).shape(Rectangle, QRect(0, 0, 20, 20)); // BLACK_BRUSH
    // A geometric pen 10 wide with flat ends from 30,50 to 70,50.
    w.add(ExtCreatePen, Params().u32(1).u32(0).u32(0).u32(0).u32(0).u32(0x00010000 | 0x0200).u32(10).u32(0)
                            .u32(colorRef(Blue)).u32(0).u32(0));
    w.select(1).add(MoveToEx, Params().s32(30).s32(50)).add(LineTo, Params().s32(70).s32(50));
    const QImage image = play(w, QStringLiteral("pens"));
    QVERIFY(pixelIs(image, 10, 10, Black));
    QVERIFY(pixelIs(image, 50, 53, Blue));
    QVERIFY(pixelIs(image, 50, 47, Blue));
    QVERIFY(pixelIs(image, 27, 50, Qt::white)); // flat end: nothing before the start
    QVERIFY(pixelIs(image, 50, 58, Qt::white));
}

QTEST_MAIN(TestEmfPlayer)
#include "tst_emfplayer.moc"
