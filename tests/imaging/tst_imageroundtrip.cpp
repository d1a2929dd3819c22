// Every write format at every depth, read back by the library and by
// ImageMagick (GraphicsMagick for 1-bit PCX, see below).
#include "imagetesthelpers.h"
#include "support/testenvironment.h"

#include <QProcess>
#include <QTest>

using imagelib::FileFormat;
using imagelib::TiffCompression;
using namespace imagetest;

Q_DECLARE_METATYPE(imagelib::FileFormat)
Q_DECLARE_METATYPE(imagelib::TiffCompression)

class TestImageRoundTrip : public QObject
{
    Q_OBJECT
private slots:
    void losslessFormats_data();
    void losslessFormats();
    void tiffCompressions_data();
    void tiffCompressions();
    void jpeg_data();
    void jpeg();
    void fewColoursStayExact_data();
    void fewColoursStayExact();
    void gifRefusesTrueColour();
    void pngInterlaceFlag();
    void ccittForDeepImagesFallsBackToLzw();

private:
    void checkIndexedFile(const QString &path, FileFormat format, int depth, const QImage &expected,
                          bool crossCheckWithGm = false);
    TestEnvironment m_env;
};

static const QImage &original()
{
    static const QImage picture = gradientPicture(45, 29);   // odd width: row padding
    return picture;
}

static void addFormatDepthRows(const QList<FileFormat> &formats, const QList<int> &depths)
{
    QTest::addColumn<FileFormat>("format");
    QTest::addColumn<int>("depth");
    for (FileFormat format : formats)
        for (int depth : depths)
            QTest::addRow("%s depth %d", qPrintable(extensionFor(format)), depth) << format << depth;
}

void TestImageRoundTrip::losslessFormats_data()
{
    addFormatDepthRows({FileFormat::Bmp, FileFormat::Pcx, FileFormat::Png, FileFormat::Tiff, FileFormat::Gif},
                       {0, 1, 4, 8, 24});
}

// Indexed: the same indexes and colours as the library's own conversion, and
// the same colours for ImageMagick. 1-bit PCX goes to GraphicsMagick, because
// ImageMagick 6 reads a set bit of a 1-bit PCX as black, against the format's
// convention (a set bit is white, as GraphicsMagick and Paintbrush read it).
void TestImageRoundTrip::checkIndexedFile(const QString &path, FileFormat format, int depth,
                                          const QImage &expected, bool crossCheckWithGm)
{
    imagelib::ReadOptions options;
    options.depth = depth;
    QImage read;
    QCOMPARE(imagelib::readImage(path, format, options, read), imagelib::Success);
    QString why;
    QVERIFY2(sameIndexes(read, expected, &why), qPrintable(why));
    const QImage other = crossCheckWithGm ? decodeWithGraphicsMagick(path) : decodeWithImageMagick(path);
    QCOMPARE(differingPixels(other, expected), 0);
}

void TestImageRoundTrip::losslessFormats()
{
    QFETCH(FileFormat, format);
    QFETCH(int, depth);
    if (format == FileFormat::Gif && depth == 24)
        return;   // see gifRefusesTrueColour
    const QString path = m_env.root() + QStringLiteral("/roundtrip%1.").arg(depth) + extensionFor(format);
    QCOMPARE(writeAs(format, path, depth, original()), imagelib::Success);
    offerSeed(harnessFor(format), path);
    if (depth == 24) {
        QImage read;
        QCOMPARE(imagelib::readImage(path, format, imagelib::ReadOptions(), read), imagelib::Success);
        QCOMPARE(read.format(), QImage::Format_RGB32);
        QCOMPARE(differingPixels(read, original()), 0);
        QCOMPARE(differingPixels(decodeWithImageMagick(path), original()), 0);
        return;
    }
    const QImage expected = imagelib::convertToDepth(original(), depth, true);
    QVERIFY(expected.colorCount() <= (depth == 8 ? 256 : depth == 1 ? 2 : 16));
    checkIndexedFile(path, format, depth, expected, format == FileFormat::Pcx && depth == 1);
}

void TestImageRoundTrip::tiffCompressions_data()
{
    QTest::addColumn<TiffCompression>("compression");
    QTest::addColumn<int>("depth");
    for (int depth : {1, 4, 8, 24}) {
        QTest::addRow("lzw %d", depth) << TiffCompression::Lzw << depth;
        QTest::addRow("packbits %d", depth) << TiffCompression::PackBits << depth;
    }
    QTest::addRow("ccitt 1") << TiffCompression::Ccitt << 1;
}

void TestImageRoundTrip::tiffCompressions()
{
    QFETCH(TiffCompression, compression);
    QFETCH(int, depth);
    const QString path = m_env.root() + QStringLiteral("/compressed%1-%2.tif").arg(int(compression)).arg(depth);
    QCOMPARE(imagelib::writeTiff(path, compression, depth, original()), imagelib::Success);
    offerSeed(QStringLiteral("fuzz_tiff"), path);
    QString kind;
    QVERIFY(runProgram(QStringLiteral("tiffinfo"), {path}, nullptr));
    if (depth == 24) {
        QImage read;
        QCOMPARE(imagelib::readImage(path, FileFormat::Tiff, imagelib::ReadOptions(), read), imagelib::Success);
        QCOMPARE(differingPixels(read, original()), 0);
        QCOMPARE(differingPixels(decodeWithImageMagick(path), original()), 0);
        return;
    }
    checkIndexedFile(path, FileFormat::Tiff, depth, imagelib::convertToDepth(original(), depth, true));
}

void TestImageRoundTrip::jpeg_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("grey");
    for (int depth : {0, 4, 8, 24})
        QTest::addRow("depth %d writes colour", depth) << depth << false;
    QTest::newRow("depth 1 writes grey") << 1 << true;
}

void TestImageRoundTrip::jpeg()
{
    QFETCH(int, depth);
    QFETCH(bool, grey);
    const QString path = m_env.root() + QStringLiteral("/photo%1.jpg").arg(depth);
    const QImage smooth = smoothPicture(48, 32);
    QCOMPARE(imagelib::writeJpeg(path, 95, 0, depth, smooth), imagelib::Success);
    offerSeed(QStringLiteral("fuzz_jpeg"), path);
    QImage want = smooth;
    for (int y = 0; grey && y < want.height(); ++y)
        for (int x = 0; x < want.width(); ++x) {
            const int level = qGray(want.pixel(x, y));
            want.setPixel(x, y, qRgb(level, level, level));
        }
    QImage read;
    QCOMPARE(imagelib::readImage(path, FileFormat::Jpeg, imagelib::ReadOptions(), read), imagelib::Success);
    QVERIFY2(meanDifference(read, want) < 4.0, qPrintable(QString::number(meanDifference(read, want))));
    const QImage other = decodeWithImageMagick(path);
    QVERIFY(meanDifference(other, want) < 4.0);
    QVERIFY2(meanDifference(read, other) < 1.0, qPrintable(QString::number(meanDifference(read, other))));
    imagelib::ImageInfo info;
    QCOMPARE(imagelib::readImageInfo(path, info), imagelib::Success);
    QCOMPARE(info.bitsPerPixel, grey ? 8 : 24);
}

void TestImageRoundTrip::fewColoursStayExact_data()
{
    addFormatDepthRows({FileFormat::Bmp, FileFormat::Pcx, FileFormat::Png, FileFormat::Tiff, FileFormat::Gif},
                       {4, 8});
}

// A picture that already has few colours keeps them exactly at 4 and 8 bits.
void TestImageRoundTrip::fewColoursStayExact()
{
    QFETCH(FileFormat, format);
    QFETCH(int, depth);
    const QImage blocks = blockPicture(33, 21, depth == 4 ? 16 : 200);
    const QString path = m_env.root() + QStringLiteral("/blocks%1.").arg(depth) + extensionFor(format);
    QCOMPARE(writeAs(format, path, depth, blocks), imagelib::Success);
    imagelib::ReadOptions options;
    options.depth = 24;
    QImage read;
    QCOMPARE(imagelib::readImage(path, format, options, read), imagelib::Success);
    QCOMPARE(differingPixels(read, blocks), 0);
    QCOMPARE(differingPixels(decodeWithImageMagick(path), blocks), 0);
}

void TestImageRoundTrip::gifRefusesTrueColour()
{
    const QString path = m_env.root() + QStringLiteral("/deep.gif");
    QCOMPARE(imagelib::writeGif(path, 24, original()), imagelib::BadDepth);
    QVERIFY(!QFile::exists(path));
}

void TestImageRoundTrip::pngInterlaceFlag()
{
    for (bool interlace : {false, true}) {
        const QString path = m_env.root() + QStringLiteral("/adam%1.png").arg(interlace);
        QCOMPARE(imagelib::writePng(path, 24, interlace, original()), imagelib::Success);
        offerSeed(QStringLiteral("fuzz_png"), path);
        QString output;
        QProcess identify;
        identify.start(QStringLiteral("identify"), {QStringLiteral("-format"), QStringLiteral("%[interlace]"), path});
        QVERIFY(identify.waitForFinished());
        QCOMPARE(QString::fromLatin1(identify.readAllStandardOutput()).trimmed(),
                 interlace ? QStringLiteral("PNG") : QStringLiteral("None"));
        QImage read;
        QCOMPARE(imagelib::readImage(path, FileFormat::Png, imagelib::ReadOptions(), read), imagelib::Success);
        QCOMPARE(differingPixels(read, original()), 0);
    }
}

// CCITT codes black and white only; a deeper picture is kept whole with LZW.
void TestImageRoundTrip::ccittForDeepImagesFallsBackToLzw()
{
    const QString path = m_env.root() + QStringLiteral("/fax8.tif");
    QCOMPARE(imagelib::writeTiff(path, TiffCompression::Ccitt, 8, original()), imagelib::Success);
    QProcess identify;
    identify.start(QStringLiteral("identify"), {QStringLiteral("-format"), QStringLiteral("%C"), path});
    QVERIFY(identify.waitForFinished());
    QCOMPARE(QString::fromLatin1(identify.readAllStandardOutput()).trimmed(), QStringLiteral("LZW"));
    checkIndexedFile(path, FileFormat::Tiff, 8, imagelib::convertToDepth(original(), 8, true));
}

QTEST_GUILESS_MAIN(TestImageRoundTrip)
#include "tst_imageroundtrip.moc"
