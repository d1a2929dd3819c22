// Files written by other programs (ImageMagick, GraphicsMagick, libtiff's
// tools) and hand-made variants are read with the pixels those programs see.
#include "hostilefiles.h"
#include "imagetesthelpers.h"
#include "support/testenvironment.h"

#include <QTest>

using imagelib::FileFormat;
using namespace imagetest;

Q_DECLARE_METATYPE(imagelib::FileFormat)

class TestForeignFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void programFiles_data();
    void programFiles();
    void handMadeBitmaps_data();
    void handMadeBitmaps();
    void firstPageOfMultiPageFiles_data();
    void firstPageOfMultiPageFiles();

private:
    QString m_ppm;        // the source picture for the other programs
    QString m_rgbTiff;    // an uncompressed RGB TIFF for libtiff's tools
    QString m_bitTiff;    // a 1-bit TIFF for the fax compressions
    TestEnvironment m_env;
};

void TestForeignFiles::initTestCase()
{
    m_ppm = m_env.root() + QStringLiteral("/source.ppm");
    QVERIFY(writePpm(m_ppm, gradientPicture(45, 29)));
    m_rgbTiff = m_env.root() + QStringLiteral("/rgb.tif");
    m_bitTiff = m_env.root() + QStringLiteral("/bits.tif");
    QCOMPARE(imagelib::writeTiff(m_rgbTiff, imagelib::TiffCompression::None, 24, gradientPicture(45, 29)),
             imagelib::Success);
    QCOMPARE(imagelib::writeTiff(m_bitTiff, imagelib::TiffCompression::None, 1, gradientPicture(45, 29)),
             imagelib::Success);
}

// program, its arguments (IN, RGBTIF, BITTIF and OUT stand for the files),
// the extension of OUT, the depth to read at, and the mean difference allowed
// against the program's own decode (0: every pixel the same).
void TestForeignFiles::programFiles_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<int>("depth");
    QTest::addColumn<double>("tolerance");
    const QString convert = QStringLiteral("convert");
    auto row = [&](const char *name, const QString &program, const QString &args, const char *ext, int depth,
                   double tolerance = 0) {
        QTest::newRow(name) << program << args.split(QLatin1Char(' ')) << QString::fromLatin1(ext) << depth << tolerance;
    };
    row("bmp 24-bit", convert, "IN -type TrueColor BMP3:OUT", "bmp", 24);
    row("bmp 8-bit", convert, "IN -colors 200 -type Palette BMP3:OUT", "bmp", 8);
    row("bmp 4-bit", convert, "IN -colors 16 -type Palette BMP3:OUT", "bmp", 4);
    row("bmp 1-bit", convert, "IN -monochrome BMP3:OUT", "bmp", 1);
    row("bmp rle8", convert, "IN -colors 200 -type Palette -compress RLE BMP:OUT", "bmp", 8);
    row("bmp v5 32-bit with alpha", convert, "IN -alpha set -channel A -evaluate set 50% +channel BMP:OUT", "bmp", 24, 0.6);
    row("bmp v4 32-bit with alpha", convert, "IN -alpha set -channel A -fx (i/w) +channel -define bmp:format=bmp4 BMP:OUT", "bmp", 24, 0.6);
    // Four bits a channel: ImageMagick's decode keeps them a little apart
    // from the stored values (ours is exact); alpha left out would differ by
    // far more.
    row("bmp 16-bit with an alpha mask", convert, "IN -alpha set -channel A -fx (j/h) +channel -define bmp:subtype=ARGB4444 BMP:OUT", "bmp", 24, 4.0);
    row("bmp os/2", convert, "IN BMP2:OUT", "bmp", 24);
    row("bmp 16-bit 565 masks", convert, "IN -define bmp:subtype=RGB565 BMP:OUT", "bmp", 24);
    row("pcx 8-bit", convert, "IN -colors 200 -type Palette PCX:OUT", "pcx", 8);
    row("pcx 24-bit", convert, "IN -type TrueColor PCX:OUT", "pcx", 24);
    row("pcx 32-bit with alpha", convert, "IN -alpha set -channel A -fx (i/w) +channel PCX:OUT", "pcx", 24, 0.6);
    row("pcx 1-bit from gm", QStringLiteral("gm"), "convert IN -monochrome PCX:OUT", "pcx", 1);
    row("gif 256 colours", convert, "IN -colors 256 GIF:OUT", "gif", 8);
    row("gif 2 colours", convert, "IN -colors 2 GIF:OUT", "gif", 4);
    row("gif black and white", convert, "IN -monochrome GIF:OUT", "gif", 1);
    row("gif interlaced", convert, "IN -colors 64 -interlace GIF GIF:OUT", "gif", 8);
    row("gif transparent", convert, "IN -colors 64 -transparent-color white -fuzz 30% -transparent #ff00c8 GIF:OUT", "gif", 8);
    row("png rgb", convert, "IN PNG24:OUT", "png", 24);
    row("png 16-bit", convert, "IN -depth 16 PNG48:OUT", "png", 24);
    row("png grey", convert, "IN -colorspace Gray PNG:OUT", "png", 8);
    row("png 16-bit grey", convert, "IN -colorspace Gray -depth 16 PNG:OUT", "png", 24);
    row("png 1-bit grey", convert, "IN -monochrome PNG:OUT", "png", 1);
    row("png palette", convert, "IN -colors 100 PNG8:OUT", "png", 8);
    row("png rgba", convert, "IN -alpha set -channel A -fx (i/w) +channel PNG32:OUT", "png", 24, 0.6);
    row("png interlaced", convert, "IN -interlace PNG PNG24:OUT", "png", 24);
    row("tiff lzw", convert, "IN -compress LZW TIFF:OUT", "tif", 24);
    row("tiff palette", convert, "IN -colors 100 -type Palette TIFF:OUT", "tif", 8);
    row("tiff 1-bit group 4", convert, "IN -type Bilevel -compress Group4 TIFF:OUT", "tif", 1);
    row("tiff tiles", convert, "IN -define tiff:tile-geometry=16x16 TIFF:OUT", "tif", 24);
    row("tiff palette tiles", convert, "IN -colors 16 -type Palette -define tiff:tile-geometry=16x16 TIFF:OUT", "tif", 4);
    row("tiff 16-bit", convert, "IN -depth 16 TIFF:OUT", "tif", 24);
    const QString tiffcp = QStringLiteral("tiffcp");
    row("tiffcp lzw", tiffcp, "-c lzw RGBTIF OUT", "tif", 24);
    row("tiffcp packbits", tiffcp, "-c packbits RGBTIF OUT", "tif", 24);
    row("tiffcp tiles", tiffcp, "-t -w 16 -l 16 RGBTIF OUT", "tif", 24);
    row("tiffcp separate planes", tiffcp, "-p separate RGBTIF OUT", "tif", 24);
    row("tiffcp zip", tiffcp, "-c zip RGBTIF OUT", "tif", 24);
    row("tiffcp jpeg", tiffcp, "-c jpeg:90 RGBTIF OUT", "tif", 24, 1.5);
    row("tiffcp fax g3", tiffcp, "-c g3 BITTIF OUT", "tif", 1);
    row("tiffcp fax g4 tiles", tiffcp, "-c g4 -t -w 16 -l 16 BITTIF OUT", "tif", 1);
    row("tiff2bw grey", QStringLiteral("tiff2bw"), "RGBTIF OUT", "tif", 8);
    row("jpeg baseline", convert, "IN -quality 90 JPEG:OUT", "jpg", 24, 1.0);
    row("jpeg progressive", convert, "IN -quality 90 -interlace Plane JPEG:OUT", "jpg", 24, 1.0);
    row("jpeg grey", convert, "IN -colorspace Gray JPEG:OUT", "jpg", 24, 1.0);
    row("jpeg 4:4:4", convert, "IN -sampling-factor 1x1 JPEG:OUT", "jpg", 24, 1.0);
    row("jpeg cmyk", convert, "IN -colorspace CMYK JPEG:OUT", "jpg", 24, 2.0);
}

void TestForeignFiles::programFiles()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, extension);
    QFETCH(int, depth);
    QFETCH(double, tolerance);
    const QString out = m_env.root() + QLatin1Char('/') + QString::fromLatin1(QTest::currentDataTag())
                                                              .replace(QLatin1Char(' '), QLatin1Char('-'))
                                                              .replace(QLatin1Char('/'), QLatin1Char('-'))
                        + QLatin1Char('.') + extension;
    for (QString &a : arguments) {
        a.replace(QStringLiteral("RGBTIF"), m_rgbTiff).replace(QStringLiteral("BITTIF"), m_bitTiff);
        a.replace(QStringLiteral("IN"), m_ppm).replace(QStringLiteral("OUT"), out);
    }
    QString error;
    QVERIFY2(runProgram(program, arguments, &error), qPrintable(error));
    const FileFormat format = *imagelib::formatFromFileName(out);
    offerSeed(harnessFor(format), out);
    const QImage theirs = program == QLatin1String("gm") ? decodeWithGraphicsMagick(out) : decodeWithImageMagick(out);
    QVERIFY(!theirs.isNull());
    imagelib::ReadOptions options;
    options.depth = depth;
    options.dither = false;
    QImage ours;
    QCOMPARE(imagelib::readImage(out, format, options, ours), imagelib::Success);
    QCOMPARE(ours.format(), depth == 24 ? QImage::Format_RGB32 : QImage::Format_Indexed8);
    if (tolerance == 0)
        QCOMPARE(differingPixels(ours, theirs), 0);
    else
        QVERIFY2(meanDifference(ours, theirs) <= tolerance, qPrintable(QString::number(meanDifference(ours, theirs))));
}

static QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

// Variants no program here writes: RLE4, RLE8 with deltas, top-down rows.
// Each has the pixels it must give. (ImageMagick's reader wants bytes after
// the end-of-bitmap code, hence the two trailing zeros.)
void TestForeignFiles::handMadeBitmaps_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<int>>("indexes");   // expected palette index per pixel, rows top first
    const QList<QRgb> palette = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    // 5 x 2, bottom row first: literal [2 1 2] (padded to a word), run of
    // 2 x index 1, end of line; delta (1, 0), run of 2 x index 3, end of bitmap.
    QTest::newRow("rle8 literal, runs, delta") << hostile::bitmap(5, 2, 8, 1, palette,
                                                                  bytes({0, 3, 2, 1, 2, 0, 2, 1, 0, 0, 0, 2, 1, 0, 2, 3, 0, 1, 0, 0}))
                                               << QList<int>{0, 3, 3, 0, 0, 2, 1, 2, 1, 1};
    // 5 x 1: run of 5 alternating 1 and 2, end of bitmap.
    QTest::newRow("rle4 alternating run") << hostile::bitmap(5, 1, 4, 2, palette, bytes({5, 0x12, 0, 1, 0, 0}))
                                          << QList<int>{1, 2, 1, 2, 1};
    // 3 x 1: literal of 3 nibbles (two bytes, padded to a word), end of bitmap.
    QTest::newRow("rle4 literal") << hostile::bitmap(3, 1, 4, 2, palette, bytes({0, 3, 0x31, 0x20, 0, 1, 0, 0}))
                                  << QList<int>{3, 1, 2};
    // 2 x 2 top-down, 8 bits: first stored row is the top.
    QTest::newRow("top-down 8-bit") << hostile::bitmap(2, -2, 8, 0, palette, bytes({1, 2, 0, 0, 3, 0, 0, 0}))
                                    << QList<int>{1, 2, 3, 0};
}

void TestForeignFiles::handMadeBitmaps()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<int>, indexes);
    const QString path = m_env.root() + QStringLiteral("/handmade.bmp");
    QVERIFY(writeBytes(path, file));
    offerSeed(QStringLiteral("fuzz_bmp"), path);
    imagelib::ReadOptions options;
    options.depth = 8;
    QImage ours;
    QCOMPARE(imagelib::readImage(path, FileFormat::Bmp, options, ours), imagelib::Success);
    QList<int> got;
    for (int y = 0; y < ours.height(); ++y)
        for (int x = 0; x < ours.width(); ++x)
            got.append(ours.pixelIndex(x, y));
    QCOMPARE(got, indexes);
    QCOMPARE(differingPixels(decodeWithImageMagick(path), ours), 0);
}

void TestForeignFiles::firstPageOfMultiPageFiles_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("extension");
    QTest::newRow("tiff by tiffcp") << QStringLiteral("tiffcp") << QStringLiteral("tif");
    QTest::newRow("animated gif") << QStringLiteral("convert") << QStringLiteral("gif");
}

void TestForeignFiles::firstPageOfMultiPageFiles()
{
    QFETCH(QString, program);
    QFETCH(QString, extension);
    const QString out = m_env.root() + QStringLiteral("/pages.") + extension;
    QString error;
    const QString second = m_env.root() + QStringLiteral("/second.tif");
    QCOMPARE(imagelib::writeTiff(second, imagelib::TiffCompression::None, 24, blockPicture(45, 29, 5)),
             imagelib::Success);
    QVERIFY2(runProgram(program, {m_rgbTiff, second, out}, &error), qPrintable(error));
    offerSeed(harnessFor(*imagelib::formatFromFileName(out)), out);
    imagelib::ReadOptions options;
    options.depth = extension == QLatin1String("gif") ? 8 : 24;
    QImage ours;
    QCOMPARE(imagelib::readImage(out, *imagelib::formatFromFileName(out), options, ours), imagelib::Success);
    QCOMPARE(differingPixels(ours, decodeWithImageMagick(out)), 0);
    if (extension == QLatin1String("tif"))
        QCOMPARE(differingPixels(ours, gradientPicture(45, 29)), 0);
}

QTEST_GUILESS_MAIN(TestForeignFiles)
#include "tst_foreignfiles.moc"
