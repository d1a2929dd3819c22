// A read for a thumbnail (atLeast set) gives exactly the pixels of the full
// read sampled down, whether the reader skipped rows and columns itself or
// decoded the whole picture and reduced it afterwards.
#include "hostilefiles.h"
#include "imagetesthelpers.h"
#include "imaging/imagesampling.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using imagelib::FileFormat;
using namespace imagetest;

namespace {

QByteArray pcxRle(const QByteArray &raw)
{
    QByteArray out;
    for (char c : raw) {
        if (uchar(c) >= 0xC0)
            out.append(char(0xC1));
        out.append(c);
    }
    return out;
}

// A 16-colour PCX in four bit planes, every pixel's index (x * 3 + y) % 16.
QByteArray planarPcx(int width, int height, bool rle)
{
    const int bytesPerLine = (width + 15) / 16 * 2;
    QByteArray raw;
    for (int y = 0; y < height; ++y) {
        for (int plane = 0; plane < 4; ++plane) {
            QByteArray line(bytesPerLine, '\0');
            for (int x = 0; x < width; ++x)
                if (((x * 3 + y) % 16) >> plane & 1)
                    line[x / 8] = char(uchar(line[x / 8]) | (0x80 >> (x % 8)));
            raw += line;
        }
    }
    QByteArray file = hostile::pcx(0, width - 1, height - 1, 1, 4, bytesPerLine, rle ? pcxRle(raw) : raw);
    file[2] = char(rle ? 1 : 0);
    for (int i = 0; i < 16; ++i) {
        file[16 + i * 3] = char(i * 16);
        file[17 + i * 3] = char(255 - i * 16);
        file[18 + i * 3] = char(i * 5);
    }
    return file;
}

// A 24-bit bitmap stored top-down, from a picture.
QByteArray topDownBitmap(const QImage &picture)
{
    const int stride = (picture.width() * 3 + 3) / 4 * 4;
    QByteArray pixels;
    for (int y = 0; y < picture.height(); ++y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = picture.pixel(x, y);
            row[x * 3] = char(qBlue(c));
            row[x * 3 + 1] = char(qGreen(c));
            row[x * 3 + 2] = char(qRed(c));
        }
        pixels += row;
    }
    return hostile::bitmap(picture.width(), -picture.height(), 24, 0, {}, pixels);
}

// RLE8 rows of runs, with an end of line, a delta that skips rows and
// columns, literal runs and an early end of bitmap: unreached pixels are 0.
QByteArray rleBitmap(int width, int height)
{
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette.append(qRgb(i, 255 - i, (i * 7) % 256));
    QByteArray data;
    for (int row = 0; row < height - 4; ++row) {
        int x = 0;
        if (row == height / 3) {
            data += QByteArray("\x00\x02", 2) + char(3) + char(2);   // three right, two rows up
            row += 2;
            x = 3;
        }
        for (; x < width; x += 5) {
            const int count = qMin(5, width - x);
            if (count >= 3 && row % 2) {
                data += QByteArray(1, '\0') + char(count);
                for (int i = 0; i < count; ++i)
                    data += char((x + i + row) % 256);
                if (count & 1)
                    data += '\0';
            } else {
                data += char(count) + QByteArray(1, char((x * 11 + row) % 256));
            }
        }
        data += QByteArray("\x00\x00", 2);
    }
    data += QByteArray("\x00\x01", 2);
    return hostile::bitmap(width, height, 8, 1, palette, data);
}

} // namespace

class TestReducedRead : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sameAsSamplingTheFullRead_data();
    void sameAsSamplingTheFullRead();
    void samplingPicksCentres_data();
    void samplingPicksCentres();

private:
    QString makeFile(const QString &name, const QString &recipe, QSize size);
    TestEnvironment m_env;
};

void TestReducedRead::initTestCase()
{
    QVERIFY(QDir().mkpath(m_env.root()));
}

// recipe: "lib:FORMAT" writes with the library, "hand:KIND" builds the bytes,
// anything else is a convert or tiffcp command line (@IN, @OUT, @TIF stand for files).
QString TestReducedRead::makeFile(const QString &name, const QString &recipe, QSize size)
{
    const QImage picture = gradientPicture(size.width(), size.height());
    const QString out = m_env.root() + QLatin1Char('/') + name;
    if (recipe == QLatin1String("hand:top-down"))
        return writeBytes(out, topDownBitmap(picture)) ? out : QString();
    if (recipe == QLatin1String("hand:rle8"))
        return writeBytes(out, rleBitmap(size.width(), size.height())) ? out : QString();
    if (recipe.startsWith(QLatin1String("hand:planar")))
        return writeBytes(out, planarPcx(size.width(), size.height(), recipe.endsWith(QLatin1String("rle")))) ? out : QString();
    const QString ppm = m_env.root() + QStringLiteral("/source.ppm");
    const QString tif = m_env.root() + QStringLiteral("/source.tif");
    if (!writePpm(ppm, picture)
        || imagelib::writeTiff(tif, imagelib::TiffCompression::None, 24, picture) != imagelib::Success)
        return {};
    QStringList arguments = recipe.split(QLatin1Char(' '));
    const QString program = arguments.takeFirst();
    for (QString &a : arguments)
        a.replace(QStringLiteral("@TIF"), tif).replace(QStringLiteral("@IN"), ppm).replace(QStringLiteral("@OUT"), out);
    QString error;
    if (!runProgram(program, arguments, &error))
        qWarning("%s", qPrintable(error));
    return QFile::exists(out) ? out : QString();
}

void TestReducedRead::sameAsSamplingTheFullRead_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("recipe");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("atLeast");
    const QSize thumb(70, 70);
    auto row = [&](const char *name, const char *ext, const char *recipe, QSize size, QSize atLeast) {
        QTest::newRow(name) << QString::fromLatin1(ext) << QString::fromLatin1(recipe) << size << atLeast;
    };
    const char *bmp24 = "convert @IN -type TrueColor BMP3:@OUT";
    row("bmp 24-bit", "bmp", bmp24, {301, 203}, thumb);
    row("bmp 24-bit, one pixel wide", "bmp", bmp24, {1, 157}, thumb);
    row("bmp 24-bit, one pixel high", "bmp", bmp24, {157, 1}, thumb);
    row("bmp 24-bit, smaller than asked", "bmp", bmp24, {45, 29}, thumb);
    row("bmp 24-bit, odd sizes", "bmp", bmp24, {143, 71}, {70, 35});
    row("bmp 8-bit", "bmp", "convert @IN -colors 200 -type Palette BMP3:@OUT", {211, 97}, thumb);
    row("bmp 4-bit", "bmp", "convert @IN -colors 16 -type Palette BMP3:@OUT", {199, 131}, thumb);
    row("bmp 1-bit", "bmp", "convert @IN -monochrome BMP3:@OUT", {203, 101}, thumb);
    row("bmp rle8 from convert", "bmp", "convert @IN -colors 200 -type Palette -compress RLE BMP:@OUT", {233, 151}, thumb);
    row("bmp rle8 with delta", "bmp", "hand:rle8", {97, 83}, {20, 17});
    row("bmp top-down", "bmp", "hand:top-down", {157, 95}, thumb);
    row("bmp 32-bit with alpha", "bmp", "convert @IN -alpha set -channel A -evaluate set 50% +channel BMP:@OUT", {150, 150}, thumb);
    row("bmp 16-bit 565", "bmp", "convert @IN -define bmp:subtype=RGB565 BMP:@OUT", {150, 90}, thumb);
    row("pcx 8-bit", "pcx", "convert @IN -colors 200 -type Palette PCX:@OUT", {181, 143}, thumb);
    row("pcx 24-bit", "pcx", "convert @IN -type TrueColor PCX:@OUT", {181, 143}, thumb);
    row("pcx 24-bit, one pixel wide", "pcx", "convert @IN -type TrueColor PCX:@OUT", {1, 143}, thumb);
    row("pcx 1-bit", "pcx", "gm convert @IN -monochrome PCX:@OUT", {173, 99}, thumb);
    row("pcx planar, rle", "pcx", "hand:planar-rle", {131, 77}, thumb);
    row("pcx planar, uncompressed", "pcx", "hand:planar-raw", {131, 77}, {33, 70});
    row("gif", "gif", "convert @IN -colors 256 GIF:@OUT", {251, 149}, thumb);
    row("gif interlaced", "gif", "convert @IN -colors 64 -interlace GIF GIF:@OUT", {151, 149}, thumb);
    row("gif frame inside the screen", "gif", "convert @IN -colors 64 -repage 260x200+37+21 GIF:@OUT", {151, 149}, thumb);
    row("gif one pixel wide", "gif", "convert @IN -colors 64 GIF:@OUT", {1, 149}, thumb);
    row("png rgb", "png", "convert @IN PNG24:@OUT", {233, 181}, thumb);
    row("png rgba", "png", "convert @IN -alpha set -channel A -fx (i/w) +channel PNG32:@OUT", {233, 181}, thumb);
    row("png palette", "png", "convert @IN -colors 100 PNG8:@OUT", {233, 181}, thumb);
    row("png 1-bit grey", "png", "convert @IN -monochrome PNG:@OUT", {233, 181}, thumb);
    row("png 16-bit", "png", "convert @IN -depth 16 PNG48:@OUT", {233, 181}, thumb);
    row("png interlaced, reduced afterwards", "png", "convert @IN -interlace PNG PNG24:@OUT", {233, 181}, thumb);
    row("png odd, smaller than asked on one axis", "png", "convert @IN PNG24:@OUT", {1, 77}, {5, 5});
    row("tiff uncompressed rgb", "tif", "convert @IN -compress none TIFF:@OUT", {241, 173}, thumb);
    row("tiff uncompressed, a strip per row", "tif", "tiffcp -r 1 @TIF @OUT", {241, 173}, thumb);
    row("tiff uncompressed, one pixel wide", "tif", "tiffcp -r 3 @TIF @OUT", {1, 173}, thumb);
    row("tiff uncompressed palette", "tif", "convert @IN -colors 100 -type Palette -compress none TIFF:@OUT", {241, 173}, thumb);
    row("tiff uncompressed 1-bit", "tif", "convert @IN -type Bilevel -compress none TIFF:@OUT", {241, 173}, thumb);
    row("tiff lzw rgb", "tif", "tiffcp -c lzw @TIF @OUT", {241, 173}, thumb);
    row("tiff lzw palette", "tif", "convert @IN -colors 16 -type Palette -compress LZW TIFF:@OUT", {241, 173}, thumb);
    row("tiff tiles", "tif", "tiffcp -t -w 16 -l 16 @TIF @OUT", {241, 173}, thumb);
    row("tiff palette tiles", "tif", "convert @IN -colors 16 -type Palette -define tiff:tile-geometry=16x16 TIFF:@OUT", {241, 173}, thumb);
    row("tiff separate planes", "tif", "tiffcp -p separate @TIF @OUT", {241, 173}, thumb);
    row("tiff 16-bit", "tif", "convert @IN -depth 16 -compress none TIFF:@OUT", {241, 173}, thumb);
    row("tiff bottom-up", "tif", "convert @IN -orient BottomLeft -compress none TIFF:@OUT", {241, 173}, thumb);
}

void TestReducedRead::sameAsSamplingTheFullRead()
{
    QFETCH(QString, extension);
    QFETCH(QString, recipe);
    QFETCH(QSize, size);
    QFETCH(QSize, atLeast);
    const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"))
                         + QLatin1Char('.') + extension;
    const QString path = makeFile(name, recipe, size);
    QVERIFY2(!path.isEmpty(), "the test file was not made");
    const FileFormat format = *imagelib::formatFromFileName(path);
    imagelib::ReadOptions options;
    options.dither = false;
    QImage full;
    QCOMPARE(imagelib::readImage(path, format, options, full), imagelib::Success);
    options.atLeast = atLeast;
    QImage reduced;
    QCOMPARE(imagelib::readImage(path, format, options, reduced), imagelib::Success);
    const QSize expected(qMin(full.width(), atLeast.width()), qMin(full.height(), atLeast.height()));
    QCOMPARE(reduced.size(), expected);
    const QImage sampled = imagelib::sampleImage(full, atLeast);
    QCOMPARE(sampled.size(), expected);
    QCOMPARE(differingPixels(reduced, sampled), 0);
}

// Each output pixel takes the source pixel under its centre.
void TestReducedRead::samplingPicksCentres_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("wanted");
    QTest::addColumn<QList<int>>("positions");
    QTest::newRow("halving") << 8 << 4 << QList<int>{1, 3, 5, 7};
    QTest::newRow("uneven") << 10 << 3 << QList<int>{1, 5, 8};
    QTest::newRow("one out of many") << 9 << 1 << QList<int>{4};
    QTest::newRow("shorter than wanted") << 3 << 5 << QList<int>{0, 1, 2};
    QTest::newRow("equal") << 4 << 4 << QList<int>{0, 1, 2, 3};
}

void TestReducedRead::samplingPicksCentres()
{
    QFETCH(int, length);
    QFETCH(int, wanted);
    QFETCH(QList<int>, positions);
    const imagelib::Sampling sampling(length, 2 * length, QSize(wanted, 2 * wanted));
    QCOMPARE(QList<int>(sampling.columns().begin(), sampling.columns().end()), positions);
    QCOMPARE(int(sampling.rows().size()), qMin(2 * length, 2 * wanted));
    QCOMPARE(sampling.reduces(), wanted < length);
    for (int i = 0; i < int(sampling.rows().size()); ++i)
        QCOMPARE(sampling.targetRow(sampling.rows()[size_t(i)]), i);
    QCOMPARE(sampling.targetRow(-1), -1);
    QCOMPARE(sampling.targetRow(2 * length), -1);
    const imagelib::Sampling whole(length, length, QSize());
    QVERIFY(!whole.reduces());
    QCOMPARE(whole.size(), QSize(length, length));
}

QTEST_GUILESS_MAIN(TestReducedRead)
#include "tst_reducedread.moc"
