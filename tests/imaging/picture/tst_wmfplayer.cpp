// Windows metafiles written record by record, played into images and
// checked pixel by pixel.
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
