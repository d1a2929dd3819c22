// Windows metafiles written record by record, played into images and
// checked pixel by pixel.
#include "imaging/picture/textencoding.h"
#include "metafilewriter.h"
#include "picturetesting.h"

#include <QTest>

using namespace wmfrec;

namespace {

const QRgb Red = qRgb(255, 0, 0), Green = qRgb(0, 255, 0), Blue = qRgb(0, 0, 255), Black = qRgb(0, 0, 0);
constexpr quint16 NullPen = 5;

// A 100 x 100 unit picture with a null pen (object 0) selected.
WmfWriter canvas()
{
    WmfWriter w;
    w.window(QRect(0, 0, 100, 100));
    w.pen(NullPen, 0, Black).select(0);
    return w;
}

QImage play(const WmfWriter &w, const QString &seedName, QSize size = {100, 100})
{
    const QByteArray bytes = w.plain();
    writeSeed(QStringLiteral("fuzz_wmf"), seedName + QStringLiteral(".wmf"), bytes);
    return playMetafile(bytes, size);
}

// DejaVu Sans, the face the text tests draw with, in fractions of its em.
constexpr qreal CapHeight = 0.729, Ascent = 0.928, Descent = 0.236;

// Text in black on a transparent background.
WmfWriter &blackText(WmfWriter &w)
{
    return w.words(SetBkMode, {1}).add(SetTextColor, Params().u32(colorRef(Black)));
}

QByteArray quadrantDib()
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, Red);
    image.setPixel(1, 0, Green);
    image.setPixel(0, 1, Blue);
    image.setPixel(1, 1, qRgb(255, 255, 0));
    return packedDib(image, 24);
}

} // namespace

class TestWmfPlayer : public QObject
{
    Q_OBJECT
private slots:
    void filledRectangle();
    void mapping_data();
    void mapping();
    void clipping_data();
    void clipping();
    void textInItsBox();
    void extTextOutOpaqueAndClipped();
    void escapementTurnsText();
    void spacingArrayPlacesGlyphs_data();
    void spacingArrayPlacesGlyphs();
    void fontHeightInLogicalUnits_data();
    void fontHeightInLogicalUnits();
    void fontWidthStretchesGlyphs();
    void textAlignment_data();
    void textAlignment();
    void textUpdatesCurrentPosition_data();
    void textUpdatesCurrentPosition();
    void characterExtraAndJustification_data();
    void characterExtraAndJustification();
    void symbolEncoding();
    void symbolCharsetDrawsSymbolGlyphs_data();
    void symbolCharsetDrawsSymbolGlyphs();
    void dibBlits_data();
    void dibBlits();
    void widePenLine();
    void polygonFillModes_data();
    void polygonFillModes();
    void curvedShapes_data();
    void curvedShapes();
    void hatchedAndPatternBrushes();
    void rop2Modes();
    void saveAndRestoreState();
    void regionFillAndClip();
};

void TestWmfPlayer::filledRectangle()
{
    WmfWriter w = canvas();
    w.brush(Red).select(1).shape(Rectangle, QRect(10, 10, 40, 40));
    const QImage image = play(w, QStringLiteral("rectangle"));
    QVERIFY(pixelIs(image, 30, 30, Red));
    QVERIFY(pixelIs(image, 11, 11, Red));
    QVERIFY(pixelIs(image, 48, 48, Red));
    QVERIFY(pixelIs(image, 5, 5, Qt::white));
    QVERIFY(pixelIs(image, 55, 30, Qt::white));
    QVERIFY(pixelIs(image, 30, 55, Qt::white));
}

void TestWmfPlayer::mapping_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QPoint>("inside");
    QTest::addColumn<QPoint>("outside");

    // The window is twice the frame: a rectangle at 20..100 lands at 10..50.
    WmfWriter scaled;
    scaled.window(QRect(0, 0, 100, 100)).words(SetWindowExt, {200, 200});
    scaled.pen(NullPen, 0, Black).select(0).brush(Blue).select(1).shape(Rectangle, QRect(20, 20, 80, 80));
    QTest::newRow("window extent") << scaled.plain() << QPoint(45, 45) << QPoint(55, 55);

    // A placeable file of 1000 units at 1000 per inch and no window records.
    WmfWriter placeable;
    placeable.pen(NullPen, 0, Black).select(0).brush(Blue).select(1).shape(Rectangle, QRect(100, 100, 400, 400));
    QTest::newRow("placeable bounds") << placeable.placeable(QRect(0, 0, 1000, 1000), 1000) << QPoint(45, 45)
                                      << QPoint(55, 55);

    // A window origin shifts the drawing: (-50, -50) is the top left corner.
    WmfWriter origin;
    origin.window(QRect(-50, -50, 100, 100));
    origin.pen(NullPen, 0, Black).select(0).brush(Blue).select(1).shape(Rectangle, QRect(-50, -50, 25, 25));
    QTest::newRow("window origin") << origin.plain() << QPoint(20, 20) << QPoint(30, 30);

    // The y axis turned upwards with a negative extent.
    WmfWriter flipped;
    flipped.window(QRect(0, 0, 100, 100)).words(SetWindowOrg, {100, 0}).words(SetWindowExt, {-100, 100});
    flipped.pen(NullPen, 0, Black).select(0).brush(Blue).select(1).shape(Rectangle, QRect(0, 0, 30, 30));
    QTest::newRow("y axis up") << flipped.plain() << QPoint(15, 85) << QPoint(15, 15);

    // Isotropic: a viewport half as wide shrinks both axes alike.
    WmfWriter isotropic;
    isotropic.window(QRect(0, 0, 100, 100)).words(SetMapMode, {7}).words(SetViewportExt, {100, 50});
    isotropic.pen(NullPen, 0, Black).select(0).brush(Blue).select(1).shape(Rectangle, QRect(0, 0, 100, 100));
    QTest::newRow("isotropic") << isotropic.plain() << QPoint(45, 45) << QPoint(45, 55);
}

void TestWmfPlayer::mapping()
{
    QFETCH(QByteArray, file);
    QFETCH(QPoint, inside);
    QFETCH(QPoint, outside);
    writeSeed(QStringLiteral("fuzz_wmf"), QStringLiteral("mapping-%1.wmf").arg(QTest::currentDataTag()), file);
    const QImage image = playMetafile(file, {100, 100});
    QVERIFY(!image.isNull());
    QVERIFY(pixelIs(image, inside.x(), inside.y(), Blue));
    QVERIFY(pixelIs(image, outside.x(), outside.y(), Qt::white));
}

void TestWmfPlayer::clipping_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QPoint>("painted");
    QTest::addColumn<QPoint>("clipped");

    WmfWriter intersect = canvas();
    intersect.shape(IntersectClipRect, QRect(0, 0, 50, 100)).brush(Green).select(1).shape(Rectangle, QRect(0, 0, 100, 100));
    QTest::newRow("intersect") << intersect.plain() << QPoint(25, 50) << QPoint(75, 50);

    WmfWriter exclude = canvas();
    exclude.shape(ExcludeClipRect, QRect(40, 40, 20, 20)).brush(Green).select(1).shape(Rectangle, QRect(0, 0, 100, 100));
    QTest::newRow("exclude") << exclude.plain() << QPoint(20, 20) << QPoint(50, 50);

    WmfWriter restored = canvas();
    restored.add(SaveDc).shape(IntersectClipRect, QRect(0, 0, 10, 10)).words(RestoreDc, {-1});
    restored.shape(IntersectClipRect, QRect(50, 0, 50, 100)).brush(Green).select(1).shape(Rectangle, QRect(0, 0, 100, 100));
    QTest::newRow("restore drops the saved clip") << restored.plain() << QPoint(75, 50) << QPoint(5, 5);
}

void TestWmfPlayer::clipping()
{
    QFETCH(QByteArray, file);
    QFETCH(QPoint, painted);
    QFETCH(QPoint, clipped);
    writeSeed(QStringLiteral("fuzz_wmf"), QStringLiteral("clip-%1.wmf").arg(QTest::currentDataTag()), file);
    const QImage image = playMetafile(file, {100, 100});
    QVERIFY(pixelIs(image, painted.x(), painted.y(), Green));
    QVERIFY(pixelIs(image, clipped.x(), clipped.y(), Qt::white));
}

void TestWmfPlayer::textInItsBox()
{
    WmfWriter w = canvas();
    w.font(-20).select(1).words(SetBkMode, {1}).add(SetTextColor, Params().u32(colorRef(Black)));
    w.add(TextOut, Params().s16(4).bytes("HHHH").s16(10).s16(10));
    const QImage image = play(w, QStringLiteral("text"));
    QVERIFY2(inkedPixels(image, QRect(10, 10, 60, 22)) > 40, "glyphs drawn below and right of the reference");
    QCOMPARE(inkedPixels(image, QRect(0, 0, 100, 9)), 0);
    QCOMPARE(inkedPixels(image, QRect(0, 40, 100, 60)), 0);
}

void TestWmfPlayer::extTextOutOpaqueAndClipped()
{
    WmfWriter w = canvas();
    w.font(-40).select(1).words(SetBkMode, {1}).add(SetBkColor, Params().u32(colorRef(Green)));
    // ETO_OPAQUE | ETO_CLIPPED with the rectangle 10,10 - 40,40.
    w.add(ExtTextOut, Params().s16(10).s16(10).s16(3).u16(6).s16(10).s16(10).s16(40).s16(40).bytes("WWW").u8(0)
                          .s16(30).s16(30).s16(30));
    const QImage image = play(w, QStringLiteral("exttextout"));
    QVERIFY(pixelIs(image, 38, 38, Green) || pixelIs(image, 38, 38, Black, 120));
    QCOMPARE(inkedPixels(image, QRect(41, 0, 59, 100)), 0);
    QCOMPARE(inkedPixels(image, QRect(0, 41, 100, 59)), 0);
    QVERIFY(inkedPixels(image, QRect(10, 10, 30, 30)) > 800);
}

void TestWmfPlayer::escapementTurnsText()
{
    WmfWriter w = canvas();
    // 90 degrees counter-clockwise: the text runs upwards from 50,90 and,
    // top aligned, its glyphs lie to the right of that line.
    w.font(-20, QStringLiteral("DejaVu Sans"), 900).select(1).words(SetBkMode, {1});
    w.add(TextOut, Params().s16(4).bytes("HHHH").s16(90).s16(50));
    const QImage image = play(w, QStringLiteral("escapement"));
    QVERIFY(inkedPixels(image, QRect(50, 30, 22, 61)) > 40);
    QCOMPARE(inkedPixels(image, QRect(0, 0, 48, 100)), 0);
    QCOMPARE(inkedPixels(image, QRect(0, 92, 100, 8)), 0);
}

void TestWmfPlayer::spacingArrayPlacesGlyphs_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<qreal>("referenceX"); // device pixels
    QTest::addColumn<QList<qreal>>("distances");

    // Each draws four I's whose spacing array puts them 20, 40 and 12
    // pixels apart, starting at device 10, 20 with an em of 20 pixels.
    // MM_TEXT: logical units are the frame's, 200 of them across 100 pixels.
    WmfWriter text;
    text.words(SetWindowOrg, {0, 0}).words(SetWindowExt, {200, 200}).words(SetMapMode, {1});
    blackText(text.font(-40).select(0)).add(ExtTextOut, wmfExtTextOut({20, 40}, "IIII", {40, 80, 24, 0}));
    QTest::newRow("MM_TEXT") << text.plain() << 10.0 << QList<qreal>{20, 40, 12};

    // x shrunk to a quarter, y doubled: the font height follows y, the
    // spacing x.
    WmfWriter anisotropic;
    anisotropic.window(QRect(0, 0, 100, 100)).words(SetWindowExt, {50, 400});
    blackText(anisotropic.font(-10).select(0)).add(ExtTextOut, wmfExtTextOut({40, 10}, "IIII", {80, 160, 48, 0}));
    QTest::newRow("MM_ANISOTROPIC") << anisotropic.plain() << 10.0 << QList<qreal>{20, 40, 12};

    // As an equation editor writes them: one inch of 1440 units, each glyph
    // its own record, placed at the array's sums.
    WmfWriter equation;
    blackText(equation.font(-288, QStringLiteral("DejaVu Sans")).select(0));
    const QList<qint16> x = {144, 432, 1008, 1181};
    for (qint16 at : x)
        equation.add(ExtTextOut, wmfExtTextOut({at, 288}, "I", {288}));
    QTest::newRow("placeable, glyph by glyph") << equation.placeable(QRect(0, 0, 1440, 1440), 1440) << 10.0
                                               << QList<qreal>{20, 40, 12};
}

void TestWmfPlayer::spacingArrayPlacesGlyphs()
{
    QFETCH(QByteArray, file);
    QFETCH(qreal, referenceX);
    QFETCH(QList<qreal>, distances);
    writeSeed(QStringLiteral("fuzz_wmf"), QStringLiteral("spacing-%1.wmf").arg(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-')), file);
    const QImage image = playMetafile(file, {100, 100});
    const QList<qreal> centres = inkCentres(image, Qt::Horizontal, image.rect());
    QVERIFY2(near(steps(centres), distances, 1), qPrintable(listed(centres)));
    // An I of DejaVu Sans stands in the middle of its 0.3 em advance.
    QVERIFY2(centres.first() > referenceX + 1 && centres.first() < referenceX + 5, qPrintable(listed(centres)));
    // The em is 20 pixels: the I's are 14.6 high, from 3.2 below the top.
    const QRect ink = inkBounds(image, image.rect());
    QVERIFY2(qAbs(ink.height() - 20 * CapHeight) <= 1.5 && qAbs(ink.top() - 20 - 20 * (Ascent - CapHeight)) <= 1.5,
             qPrintable(QStringLiteral("%1 high from %2").arg(ink.height()).arg(ink.top())));
}

void TestWmfPlayer::fontHeightInLogicalUnits_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<qreal>("em"); // device pixels

    // Half a pixel across, two down per logical unit.
    const auto squeezed = [](qint16 height) {
        WmfWriter w;
        w.window(QRect(0, 0, 100, 100)).words(SetWindowExt, {50, 200});
        blackText(w.font(height).select(0)).add(ExtTextOut, wmfExtTextOut({20, 10}, "H"));
        return w.plain();
    };
    QTest::newRow("negative height, the em") << squeezed(-12) << 24.0;
    QTest::newRow("positive height, ascent and descent") << squeezed(12) << 24 / (Ascent + Descent);
    // No height: 12 points, here at 96 units to the inch and one unit a pixel.
    WmfWriter none = canvas();
    blackText(none.font(0).select(1)).add(ExtTextOut, wmfExtTextOut({20, 10}, "H"));
    QTest::newRow("zero height, the default") << none.plain() << 16.0;
    // Twice the frame's scale either way, so the same 24-pixel em.
    WmfWriter isotropic;
    isotropic.window(QRect(0, 0, 50, 50));
    blackText(isotropic.font(-12).select(0)).add(ExtTextOut, wmfExtTextOut({10, 5}, "H"));
    QTest::newRow("isotropic") << isotropic.plain() << 24.0;
}

void TestWmfPlayer::fontHeightInLogicalUnits()
{
    QFETCH(QByteArray, file);
    QFETCH(qreal, em);
    writeSeed(QStringLiteral("fuzz_wmf"), QStringLiteral("fontheight-%1.wmf").arg(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-')), file);
    const QRect ink = inkBounds(playMetafile(file, {100, 100}), QRect(0, 0, 100, 100));
    QVERIFY2(qAbs(ink.height() - em * CapHeight) <= 1.5, qPrintable(QString::number(ink.height())));
    // Only the height follows the mapping: an H keeps its proportions
    // however the axes are scaled (0.57 em between its stems' outer edges).
    QVERIFY2(qAbs(ink.width() - em * 0.57) <= 1.5, qPrintable(QString::number(ink.width())));
}

void TestWmfPlayer::fontWidthStretchesGlyphs()
{
    // A width asked for is the average character width: twice it, twice as
    // wide glyphs, and both in logical units of x (a quarter pixel here).
    const auto widthOfH = [](qint16 width) {
        WmfWriter w;
        w.window(QRect(0, 0, 100, 100)).words(SetWindowExt, {100, 400});
        FontStyle style;
        style.width = width;
        blackText(w.font(-30, QStringLiteral("DejaVu Sans"), style).select(0)).add(ExtTextOut, wmfExtTextOut({20, 10}, "H"));
        const QImage image = playMetafile(w.plain(), {100, 100});
        return inkBounds(image, image.rect());
    };
    const QRect natural = widthOfH(0), single = widthOfH(61), twice = widthOfH(122);
    QVERIFY(!natural.isEmpty() && !single.isEmpty());
    QVERIFY2(qAbs(twice.width() - 2.0 * single.width()) <= 2, qPrintable(QStringLiteral("%1 %2").arg(single.width()).arg(twice.width())));
    QCOMPARE(twice.height(), single.height());
    // 61 quarter pixels is about DejaVu Sans' own average at this size.
    QVERIFY2(qAbs(single.width() - natural.width()) <= 2, qPrintable(QStringLiteral("%1 %2").arg(natural.width()).arg(single.width())));
}

void TestWmfPlayer::textAlignment_data()
{
    QTest::addColumn<int>("align");
    QTest::addColumn<QRectF>("expected"); // H of a 40-pixel em drawn at 50, 60
    const qreal cap = 40 * CapHeight;
    // The H's ink starts 0.1 em into its advance of 0.75 em and ends 0.1
    // em before its end.
    const qreal left = 4, width = 22.8, advance = 30.1;
    QTest::newRow("TA_TOP") << 0 << QRectF(50 + left, 60 + 40 * Ascent - cap, width, cap);
    QTest::newRow("TA_BASELINE") << 24 << QRectF(50 + left, 60 - cap, width, cap);
    QTest::newRow("TA_BOTTOM") << 8 << QRectF(50 + left, 60 - 40 * Descent - cap, width, cap);
    QTest::newRow("TA_RIGHT | TA_BASELINE") << (2 | 24) << QRectF(50 - advance + left, 60 - cap, width, cap);
    QTest::newRow("TA_CENTER | TA_BASELINE") << (6 | 24) << QRectF(50 - advance / 2 + left, 60 - cap, width, cap);
}

void TestWmfPlayer::textAlignment()
{
    QFETCH(int, align);
    QFETCH(QRectF, expected);
    WmfWriter w = canvas();
    blackText(w.font(-40).select(1)).words(SetTextAlign, {qint16(align)});
    w.add(ExtTextOut, wmfExtTextOut({50, 60}, "H"));
    const QImage image = play(w, QStringLiteral("align-%1").arg(align));
    const QRect ink = inkBounds(image, image.rect());
    const QRectF actual(ink.left(), ink.top(), ink.width(), ink.height());
    const auto close = [](qreal a, qreal b) { return qAbs(a - b) <= 1.5; };
    QVERIFY2(close(actual.left(), expected.left()) && close(actual.right(), expected.right())
                 && close(actual.top(), expected.top()) && close(actual.bottom(), expected.bottom()),
             qPrintable(QStringLiteral("%1,%2 %3x%4").arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
}

void TestWmfPlayer::textUpdatesCurrentPosition_data()
{
    QTest::addColumn<int>("align");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end"); // where the position is after two I's of 30 units
    QTest::addColumn<QList<qreal>>("centres");
    // The I of a 20-unit em stands 2.9 units into its advance.
    QTest::newRow("TA_LEFT") << (1 | 24) << 10 << 70 << QList<qreal>{12.9, 42.9};
    QTest::newRow("TA_RIGHT") << (1 | 2 | 24) << 90 << 30 << QList<qreal>{32.9, 62.9};
}

void TestWmfPlayer::textUpdatesCurrentPosition()
{
    QFETCH(int, align);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QList<qreal>, centres);
    WmfWriter w;
    w.window(QRect(0, 0, 100, 100));
    blackText(w.font(-20).select(0)).words(SetTextAlign, {qint16(align)}).words(MoveTo, {50, qint16(start)});
    // The positions in the records are ignored: text goes where the last
    // one left off, and a line drawn after it starts there too. The
    // TextOut's I is 5.9 units wide, so 24 extra space it 29.9.
    w.add(ExtTextOut, wmfExtTextOut({50, 90}, "I", {30})).words(SetTextCharExtra, {24});
    w.add(TextOut, Params().s16(1).bytes(QByteArray("I\0", 2)).s16(90).s16(50));
    w.pen(0, 1, Black).select(1).words(LineTo, {99, qint16(end)});
    const QImage image = play(w, QStringLiteral("updatecp-%1").arg(align));
    const QList<qreal> glyphs = inkCentres(image, Qt::Horizontal, QRect(0, 30, 100, 19));
    QVERIFY2(near(glyphs, centres, 1), qPrintable(listed(glyphs)));
    const QList<qreal> line = inkCentres(image, Qt::Horizontal, QRect(0, 60, 100, 40));
    QVERIFY2(near(line, {qreal(end)}, 1), qPrintable(listed(line)));
}

void TestWmfPlayer::characterExtraAndJustification_data()
{
    QTest::addColumn<QList<qint16>>("extra");         // SetTextCharacterExtra, none when empty
    QTest::addColumn<QList<qint16>>("justification"); // break count, extra; none when empty
    QTest::addColumn<QList<qint16>>("dx");
    QTest::addColumn<qreal>("distance"); // between the two I's
    // "I I" at an em of 30: an I and a space of DejaVu Sans are 0.295 and
    // 0.318 em wide.
    const qreal natural = 30 * (0.295 + 0.318);
    QTest::newRow("natural") << QList<qint16>{} << QList<qint16>{} << QList<qint16>{} << natural;
    // Extra space after each of the I and the space before the second I.
    QTest::newRow("character extra") << QList<qint16>{8} << QList<qint16>{} << QList<qint16>{} << natural + 16;
    QTest::newRow("justification") << QList<qint16>{} << QList<qint16>{1, 12} << QList<qint16>{} << natural + 12;
    QTest::newRow("justification over two breaks") << QList<qint16>{} << QList<qint16>{2, 12} << QList<qint16>{}
                                                   << natural + 6;
    QTest::newRow("both") << QList<qint16>{8} << QList<qint16>{1, 12} << QList<qint16>{} << natural + 28;
    // A spacing array says it all.
    QTest::newRow("spacing array wins") << QList<qint16>{8} << QList<qint16>{1, 12} << QList<qint16>{20, 20, 0}
                                        << 40.0;
}

void TestWmfPlayer::characterExtraAndJustification()
{
    QFETCH(QList<qint16>, extra);
    QFETCH(QList<qint16>, justification);
    QFETCH(QList<qint16>, dx);
    QFETCH(qreal, distance);
    WmfWriter w = canvas();
    blackText(w.font(-30).select(1));
    if (!extra.isEmpty())
        w.words(SetTextCharExtra, extra);
    if (!justification.isEmpty())
        w.words(SetTextJustification, justification);
    w.add(ExtTextOut, wmfExtTextOut({10, 10}, "I I", dx));
    const QImage image = play(w, QStringLiteral("justify-%1").arg(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-')));
    const QList<qreal> centres = inkCentres(image, Qt::Horizontal, image.rect());
    QVERIFY2(near(steps(centres), {distance}, 1), qPrintable(listed(centres)));
}

void TestWmfPlayer::symbolEncoding()
{
    using gdi::symbolCharacter;
    // Letters are Greek, some punctuation is mathematics.
    QCOMPARE(symbolCharacter(0x61), char16_t(0x03B1)); // alpha
    QCOMPARE(symbolCharacter(0x70), char16_t(0x03C0)); // pi
    QCOMPARE(symbolCharacter(0x53), char16_t(0x03A3)); // Sigma
    QCOMPARE(symbolCharacter(0x57), char16_t(0x03A9)); // Omega
    QCOMPARE(symbolCharacter(0x6A), char16_t(0x03D5)); // phi1
    QCOMPARE(symbolCharacter(0x22), char16_t(0x2200)); // for all
    QCOMPARE(symbolCharacter(0x2D), char16_t(0x2212)); // minus
    QCOMPARE(symbolCharacter(0x40), char16_t(0x2245)); // congruent
    QCOMPARE(symbolCharacter(0x7E), char16_t(0x223C)); // similar
    // The upper half: operators, arrows and the pieces of tall brackets.
    QCOMPARE(symbolCharacter(0xA5), char16_t(0x221E)); // infinity
    QCOMPARE(symbolCharacter(0xAE), char16_t(0x2192)); // arrow right
    QCOMPARE(symbolCharacter(0xB4), char16_t(0x00D7)); // multiply
    QCOMPARE(symbolCharacter(0xB6), char16_t(0x2202)); // partial derivative
    QCOMPARE(symbolCharacter(0xB9), char16_t(0x2260)); // not equal
    QCOMPARE(symbolCharacter(0xD6), char16_t(0x221A)); // square root
    QCOMPARE(symbolCharacter(0xE5), char16_t(0x2211)); // summation
    QCOMPARE(symbolCharacter(0xE6), char16_t(0x239B)); // left parenthesis, top
    QCOMPARE(symbolCharacter(0xF2), char16_t(0x222B)); // integral
    QCOMPARE(symbolCharacter(0xFE), char16_t(0x23AD)); // right brace, bottom
    // Digits and most punctuation stand for themselves.
    for (char c : QByteArray("0123456789!#%&()+,./:;<=>?[]_{|}"))
        QCOMPARE(symbolCharacter(quint8(c)), char16_t(c));
    // Wide strings reach a symbol font through U+F020 - U+F0FF as well;
    // what is already beyond both ranges is left alone.
    QCOMPARE(gdi::symbolText(QStringLiteral(u"\uF061b\u00E5\u03C0")), QStringLiteral(u"\u03B1\u03B2\u2211\u03C0"));
    // Without a symbol font 8-bit text is the code page's: Windows-1252's
    // quotes and dashes, Windows-1251's Cyrillic.
    QCOMPARE(gdi::codePageText(QString::fromLatin1("\x93" "a\x96" "b\x94"), gdi::AnsiCharset),
             QStringLiteral(u"\u201Ca\u2013b\u201D"));
    QCOMPARE(gdi::codePageText(QString::fromLatin1("\xcf\xf0\xe8"), 204), QStringLiteral(u"\u041F\u0440\u0438"));
}

void TestWmfPlayer::symbolCharsetDrawsSymbolGlyphs_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("charset");
    // The font named Symbol whatever its character set, and any face this
    // machine lacks (an equation font) asked for in the symbol one.
    QTest::newRow("Symbol") << QStringLiteral("Symbol") << 0;
    QTest::newRow("Symbol, symbol charset") << QStringLiteral("Symbol") << 2;
    QTest::newRow("MT Extra, symbol charset") << QStringLiteral("MT Extra") << 2;
}

void TestWmfPlayer::symbolCharsetDrawsSymbolGlyphs()
{
    QFETCH(QString, face);
    QFETCH(int, charset);
    const QByteArray bytes("apS\xe5");
    const QString unicode = QStringLiteral(u"\u03B1\u03C0\u03A3\u2211");
    FontStyle style;
    style.charset = quint8(charset);
    WmfWriter symbol = canvas();
    blackText(symbol.font(-30, face, style).select(1)).add(ExtTextOut, wmfExtTextOut({10, 20}, bytes));
    const QImage drawn = play(symbol, QStringLiteral("symbol-%1-%2").arg(face.left(2)).arg(charset));

    // The same font from an EMF whose wide string names the characters
    // themselves.
    EmfWriter named(QRect(0, 0, 100, 100));
    named.font(1, -30, face, style).select(1).add(emfrec::SetBkMode, Params().u32(1));
    named.add(emfrec::ExtTextOutW, emfExtTextOut({10, 20}, unicode));
    const QImage expected = playMetafile(named.bytes(), {100, 100});
    // And the letters the bytes are in ANSI.
    WmfWriter latin = canvas();
    blackText(latin.font(-30).select(1)).add(ExtTextOut, wmfExtTextOut({10, 20}, "apSa"));
    const QImage letters = playMetafile(latin.plain(), {100, 100});

    const auto differing = [](const QImage &a, const QImage &b) {
        int count = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                count += qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 64;
        return count;
    };
    QVERIFY(inkedPixels(drawn, drawn.rect()) > 200);
    QVERIFY2(differing(drawn, expected) <= 10, qPrintable(QString::number(differing(drawn, expected))));
    QVERIFY2(differing(drawn, letters) > 200, qPrintable(QString::number(differing(drawn, letters))));
}

void TestWmfPlayer::dibBlits_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray dib = quadrantDib();
    const qint32 srcCopy = 0x00CC0020;
    // Each draws the 2 x 2 bitmap over 20,20 - 60,60.
    WmfWriter stretch = canvas();
    stretch.add(DibStretchBlt, Params().u32(srcCopy).s16(2).s16(2).s16(0).s16(0).s16(40).s16(40).s16(20).s16(20).bytes(dib));
    QTest::newRow("DibStretchBlt") << stretch.plain();
    WmfWriter stretchDib = canvas();
    stretchDib.add(StretchDib, Params().u32(srcCopy).u16(0).s16(2).s16(2).s16(0).s16(0).s16(40).s16(40).s16(20).s16(20).bytes(dib));
    QTest::newRow("StretchDIBits") << stretchDib.plain();
    WmfWriter bitBlt;
    bitBlt.window(QRect(0, 0, 5, 5)).pen(NullPen, 0, Black).select(0);
    bitBlt.add(DibBitBlt, Params().u32(srcCopy).s16(0).s16(0).s16(2).s16(2).s16(1).s16(1).bytes(dib));
    QTest::newRow("DibBitBlt") << bitBlt.plain();
    WmfWriter toDevice;
    toDevice.window(QRect(0, 0, 5, 5)).pen(NullPen, 0, Black).select(0);
    toDevice.add(SetDibToDev, Params().u16(0).u16(2).u16(0).s16(0).s16(0).s16(2).s16(2).s16(1).s16(1).bytes(dib));
    QTest::newRow("SetDIBitsToDevice") << toDevice.plain();
}

void TestWmfPlayer::dibBlits()
{
    QFETCH(QByteArray, file);
    writeSeed(QStringLiteral("fuzz_wmf"), QStringLiteral("dib-%1.wmf").arg(QTest::currentDataTag()), file);
    const QImage image = playMetafile(file, {100, 100});
    QVERIFY(pixelIs(image, 30, 30, Red));
    QVERIFY(pixelIs(image, 50, 30, Green));
    QVERIFY(pixelIs(image, 30, 50, Blue));
    QVERIFY(pixelIs(image, 50, 50, qRgb(255, 255, 0)));
    QVERIFY(pixelIs(image, 15, 15, Qt::white));
    QVERIFY(pixelIs(image, 65, 65, Qt::white));
}

void TestWmfPlayer::widePenLine()
{
    WmfWriter w;
    w.window(QRect(0, 0, 100, 100)).pen(0, 6, Green).select(0);
    w.words(MoveTo, {50, 10}).words(LineTo, {50, 90});
    w.pen(2, 0, Red).select(1).words(MoveTo, {80, 0}).words(LineTo, {80, 100}); // dotted
    const QImage image = play(w, QStringLiteral("pens"));
    QVERIFY(pixelIs(image, 50, 50, Green));
    QVERIFY(pixelIs(image, 50, 52, Green));
    QVERIFY(pixelIs(image, 50, 45, Qt::white));
    const int dotted = inkedPixels(image, QRect(0, 80, 100, 1));
    QVERIFY2(dotted > 30 && dotted < 70, qPrintable(QString::number(dotted)));
}

void TestWmfPlayer::polygonFillModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("holeFilled");
    QTest::newRow("alternate") << 1 << false;
    QTest::newRow("winding") << 2 << true;
}

void TestWmfPlayer::polygonFillModes()
{
    QFETCH(int, mode);
    QFETCH(bool, holeFilled);
    WmfWriter w = canvas();
    w.brush(Blue).select(1).words(SetPolyFillMode, {qint16(mode)});
    // Two squares wound the same way, one inside the other.
    w.add(PolyPolygon, Params().u16(2).u16(4).u16(4)
                           .points16({{10, 10}, {90, 10}, {90, 90}, {10, 90}})
                           .points16({{30, 30}, {70, 30}, {70, 70}, {30, 70}}));
    w.add(Polygon, Params().s16(3).points16({{0, 95}, {10, 95}, {5, 99}}));
    const QImage image = play(w, QStringLiteral("polypolygon-%1").arg(mode));
    QVERIFY(pixelIs(image, 20, 20, Blue));
    QCOMPARE(pixelIs(image, 50, 50, Blue), holeFilled);
    QVERIFY(pixelIs(image, 5, 96, Blue));
}

void TestWmfPlayer::curvedShapes_data()
{
    QTest::addColumn<quint16>("function");
    QTest::addColumn<QPoint>("filled");
    QTest::addColumn<QPoint>("empty");
    QTest::newRow("ellipse") << quint16(Ellipse) << QPoint(50, 50) << QPoint(12, 12);
    QTest::newRow("round rect") << quint16(RoundRect) << QPoint(12, 50) << QPoint(11, 11);
    // Counter-clockwise from the right (3 o'clock) to the top (12 o'clock).
    QTest::newRow("pie") << quint16(Pie) << QPoint(70, 30) << QPoint(30, 70);
    QTest::newRow("chord") << quint16(Chord) << QPoint(75, 25) << QPoint(60, 40);
}

void TestWmfPlayer::curvedShapes()
{
    QFETCH(quint16, function);
    QFETCH(QPoint, filled);
    QFETCH(QPoint, empty);
    WmfWriter w = canvas();
    w.brush(Red).select(1);
    if (function == RoundRect)
        w.words(RoundRect, {30, 30, 90, 90, 10, 10});
    else if (function == Pie || function == Chord)
        w.words(function, {10, 50, 50, 90, 90, 90, 10, 10});
    else
        w.shape(function, QRect(10, 10, 80, 80));
    const QImage image = play(w, QStringLiteral("shape-%1").arg(function, 0, 16));
    QVERIFY(pixelIs(image, filled.x(), filled.y(), Red));
    QVERIFY(pixelIs(image, empty.x(), empty.y(), Qt::white));
}

void TestWmfPlayer::hatchedAndPatternBrushes()
{
    WmfWriter w = canvas();
    w.add(SetBkColor, Params().u32(colorRef(Green))).words(SetBkMode, {2});
    w.brush(Red, 2, 4).select(1).shape(Rectangle, QRect(0, 0, 50, 100)); // HS_CROSS, opaque background
    QImage checker(2, 2, QImage::Format_RGB32);
    checker.fill(Blue);
    checker.setPixel(0, 0, Black);
    w.add(DibCreatePatternBrush, Params().u16(5).u16(0).bytes(packedDib(checker, 24))).select(2);
    w.shape(Rectangle, QRect(50, 0, 50, 100));
    const QImage image = play(w, QStringLiteral("brushes"));
    int red = 0, green = 0, blue = 0, black = 0;
    for (int y = 10; y < 90; ++y) {
        for (int x = 5; x < 45; ++x)
            red += pixelIs(image, x, y, Red), green += pixelIs(image, x, y, Green);
        for (int x = 55; x < 95; ++x)
            blue += pixelIs(image, x, y, Blue), black += pixelIs(image, x, y, Black);
    }
    QVERIFY2(red > 200 && green > 1500, qPrintable(QStringLiteral("%1 %2").arg(red).arg(green)));
    QVERIFY2(blue > 2000 && black > 600, qPrintable(QStringLiteral("%1 %2").arg(blue).arg(black)));
}

void TestWmfPlayer::rop2Modes()
{
    WmfWriter w = canvas();
    w.brush(Black).select(1).shape(Rectangle, QRect(0, 0, 60, 100));
    w.words(SetRop2, {6}).shape(Rectangle, QRect(40, 0, 60, 100)); // R2_NOT inverts
    w.words(SetRop2, {11}).brush(Red).select(2).shape(Rectangle, QRect(0, 0, 100, 20)); // R2_NOP draws nothing
    const QImage image = play(w, QStringLiteral("rop2"));
    QVERIFY(pixelIs(image, 20, 50, Black));
    QVERIFY(pixelIs(image, 50, 50, Qt::white));
    QVERIFY(pixelIs(image, 80, 50, Black));
    QVERIFY(pixelIs(image, 20, 10, Black));
}

void TestWmfPlayer::saveAndRestoreState()
{
    WmfWriter w = canvas();
    w.brush(Red).select(1).add(SaveDc).brush(Blue).select(2);
    w.words(SetWindowExt, {200, 200}).words(RestoreDc, {-1});
    w.shape(Rectangle, QRect(10, 10, 30, 30));
    const QImage image = play(w, QStringLiteral("savedc"));
    QVERIFY(pixelIs(image, 35, 35, Red));
    QVERIFY(pixelIs(image, 45, 45, Qt::white));
}

void TestWmfPlayer::regionFillAndClip()
{
    // One scan from y 10 to 30 with the spans 10..30 and 60..80.
    const Params region = Params().u16(0).s16(6).u32(0).s16(0).s16(1).s16(2).s16(10).s16(10).s16(80).s16(30)
                              .u16(4).s16(10).s16(30).s16(10).s16(30).s16(60).s16(80).u16(4);
    WmfWriter w = canvas();
    w.add(CreateRegion, region).brush(Green).words(FillRegion, {1, 2});
    w.words(SelectClipRegion, {1}).brush(Red).select(3).shape(Rectangle, QRect(0, 50, 100, 50));
    w.shape(Rectangle, QRect(0, 0, 100, 30));
    const QImage image = play(w, QStringLiteral("region"));
    QVERIFY(pixelIs(image, 20, 20, Red));
    QVERIFY(pixelIs(image, 70, 20, Red));
    QVERIFY(pixelIs(image, 45, 20, Qt::white));
    QVERIFY(pixelIs(image, 20, 60, Qt::white));
}

QTEST_MAIN(TestWmfPlayer)
#include "tst_wmfplayer.moc"
