// Colour depths: the VGA palette, black and white, adaptive palettes, true
// colour, dithering and transparency.
#include "imagetesthelpers.h"

#include <QSet>
#include <QTest>

using namespace imagetest;

class TestDepthConversion : public QObject
{
    Q_OBJECT
private slots:
    void vgaPaletteColoursKeepTheirIndexes();
    void blackAndWhite_data();
    void blackAndWhite();
    void adaptivePalettes_data();
    void adaptivePalettes();
    void ditherSpreadsTheError();
    void transparencyLiesOverWhite();
    void badDepthOrImage();
    void screenDepthClass_data();
    void screenDepthClass();
};

void TestDepthConversion::vgaPaletteColoursKeepTheirIndexes()
{
    const QImage vga = imagelib::convertToDepth(QImage(1, 1, QImage::Format_RGB32), 0, false);
    const QList<QRgb> table = vga.colorTable();
    QCOMPARE(table.size(), 16);
    QCOMPARE(table.first(), qRgb(0, 0, 0));
    QCOMPARE(table[7], qRgb(0xC0, 0xC0, 0xC0));
    QCOMPARE(table[9], qRgb(0xFF, 0, 0));
    QCOMPARE(table.last(), qRgb(0xFF, 0xFF, 0xFF));
    QImage strip(16, 1, QImage::Format_RGB32);
    for (int i = 0; i < 16; ++i)
        strip.setPixel(15 - i, 0, table[i]);
    for (bool dither : {false, true}) {
        const QImage out = imagelib::convertToDepth(strip, 0, dither);
        for (int x = 0; x < 16; ++x)
            QCOMPARE(out.pixelIndex(x, 0), 15 - x);
    }
}

void TestDepthConversion::blackAndWhite_data()
{
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<int>("index");
    QTest::newRow("white") << qRgb(255, 255, 255) << 1;
    QTest::newRow("light grey") << qRgb(200, 200, 200) << 1;
    QTest::newRow("dark grey") << qRgb(60, 60, 60) << 0;
    QTest::newRow("pure red is dark") << qRgb(255, 0, 0) << 0;
    QTest::newRow("yellow is light") << qRgb(255, 255, 0) << 1;
}

void TestDepthConversion::blackAndWhite()
{
    QFETCH(QRgb, colour);
    QFETCH(int, index);
    QImage flat(8, 8, QImage::Format_RGB32);
    flat.fill(colour);
    const QImage out = imagelib::convertToDepth(flat, 1, false);
    QCOMPARE(out.colorTable(), (QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
    QCOMPARE(out.pixelIndex(3, 3), index);
}

void TestDepthConversion::adaptivePalettes_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("dither");
    for (int depth : {4, 8})
        for (bool dither : {false, true})
            QTest::addRow("depth %d dither %d", depth, dither) << depth << dither;
}

void TestDepthConversion::adaptivePalettes()
{
    QFETCH(int, depth);
    QFETCH(bool, dither);
    const QImage picture = gradientPicture(64, 48);
    const QImage out = imagelib::convertToDepth(picture, depth, dither);
    QCOMPARE(out.format(), QImage::Format_Indexed8);
    QVERIFY(out.colorCount() > 1 && out.colorCount() <= (1 << depth));
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            QVERIFY(out.pixelIndex(x, y) < out.colorCount());
    // A palette chosen for the picture beats the fixed VGA one, and 256 colours beat 16.
    const double error = meanDifference(out, picture);
    QVERIFY(error < meanDifference(imagelib::convertToDepth(picture, 0, dither), picture));
    if (depth == 8)
        QVERIFY(error < meanDifference(imagelib::convertToDepth(picture, 4, dither), picture));
}

void TestDepthConversion::ditherSpreadsTheError()
{
    QImage grey(40, 40, QImage::Format_RGB32);
    grey.fill(qRgb(128, 128, 128));
    auto whiteShare = [](const QImage &image) {
        int white = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                white += image.pixelIndex(x, y);
        return double(white) / (image.width() * image.height());
    };
    QCOMPARE(whiteShare(imagelib::convertToDepth(grey, 1, false)), 1.0);
    const double dithered = whiteShare(imagelib::convertToDepth(grey, 1, true));
    QVERIFY2(dithered > 0.4 && dithered < 0.6, qPrintable(QString::number(dithered)));
    QImage photo = gradientPicture(64, 48);
    QVERIFY(imagelib::convertToDepth(photo, 0, true) != imagelib::convertToDepth(photo, 0, false));
    QVERIFY(imagelib::convertToDepth(photo, 4, true) != imagelib::convertToDepth(photo, 4, false));
}

void TestDepthConversion::transparencyLiesOverWhite()
{
    QImage argb(2, 1, QImage::Format_ARGB32);
    argb.setPixel(0, 0, qRgba(255, 0, 0, 0));
    argb.setPixel(1, 0, qRgba(0, 0, 0, 128));
    const QImage out = imagelib::convertToDepth(argb, 24, false);
    QCOMPARE(out.format(), QImage::Format_RGB32);
    QCOMPARE(out.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(out.pixel(1, 0), qRgb(127, 127, 127));
    QImage indexed(1, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgba(10, 20, 30, 0)});
    indexed.setPixel(0, 0, 0);
    QCOMPARE(imagelib::convertToDepth(indexed, 8, false).color(0), qRgb(255, 255, 255));
}

void TestDepthConversion::badDepthOrImage()
{
    QVERIFY(imagelib::convertToDepth(QImage(), 24, false).isNull());
    for (int depth : {-1, 2, 16, 32})
        QVERIFY(imagelib::convertToDepth(gradientPicture(4, 4), depth, false).isNull());
}

void TestDepthConversion::screenDepthClass_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("depth");
    for (auto [bits, depth] : {std::pair{1, 4}, {4, 4}, {5, 8}, {8, 8}, {15, 8}, {16, 24}, {24, 24}, {32, 24}})
        QTest::addRow("%d bits", bits) << bits << depth;
}

void TestDepthConversion::screenDepthClass()
{
    QFETCH(int, bits);
    QFETCH(int, depth);
    QCOMPARE(imagelib::screenDepthClass(bits), depth);
}

QTEST_GUILESS_MAIN(TestDepthConversion)
#include "tst_depthconversion.moc"
