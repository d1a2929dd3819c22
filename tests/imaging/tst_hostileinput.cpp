// Damaged, truncated and hostile files give the library's error codes: no
// crash, no hang, no allocation for sizes beyond the limits.
#include "hostilefiles.h"
#include "imagetesthelpers.h"
#include "support/testenvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

using imagelib::FileFormat;
using namespace imagetest;

Q_DECLARE_METATYPE(imagelib::FileFormat)

class TestHostileInput : public QObject
{
    Q_OBJECT
private slots:
    void emptyFiles_data();
    void emptyFiles();
    void craftedFiles_data();
    void craftedFiles();
    void truncatedFiles_data();
    void truncatedFiles();
    void limitsComeFromOptions_data();
    void limitsComeFromOptions();
    void missingFile();
    void badDepthIsRefusedBeforeReading();

private:
    QString writeTemp(const QString &name, const QByteArray &bytes);
    TestEnvironment m_env;
};

static const QList<FileFormat> allFormats = {FileFormat::Bmp, FileFormat::Pcx, FileFormat::Png,
                                             FileFormat::Tiff, FileFormat::Gif, FileFormat::Jpeg};

QString TestHostileInput::writeTemp(const QString &name, const QByteArray &bytes)
{
    const QString path = m_env.root() + QLatin1Char('/') + name;
    writeBytes(path, bytes);
    return path;
}

static QByteArray written(FileFormat format, int depth, const QImage &picture)
{
    static int counter = 0;
    const QString path = QDir::tempPath() + QStringLiteral("/pixmoor-hostile-%1-%2.%3")
                                                .arg(QCoreApplication::applicationPid())
                                                .arg(++counter)
                                                .arg(extensionFor(format));
    writeAs(format, path, depth, picture);
    const QByteArray bytes = fileBytes(path);
    QFile::remove(path);
    return bytes;
}

void TestHostileInput::emptyFiles_data()
{
    QTest::addColumn<FileFormat>("format");
    for (FileFormat format : allFormats)
        QTest::newRow(qPrintable(extensionFor(format))) << format;
}

void TestHostileInput::emptyFiles()
{
    QFETCH(FileFormat, format);
    const QString path = writeTemp(QStringLiteral("empty.") + extensionFor(format), QByteArray());
    QImage out(5, 5, QImage::Format_RGB32);
    QCOMPARE(imagelib::readImage(path, format, imagelib::ReadOptions(), out), imagelib::ReadFailed);
    QVERIFY(out.isNull());
    imagelib::ImageInfo info;
    QCOMPARE(imagelib::readImageInfo(path, info), imagelib::ReadFailed);
}

static QByteArray rle(std::initializer_list<int> bytes)
{
    QByteArray out;
    for (int b : bytes)
        out.append(char(b));
    return out;
}

static void addBitmapRows()
{
    const QList<QRgb> two = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    QList<QRgb> sixteen(16, qRgb(9, 9, 9));
    QList<QRgb> full(256, qRgb(1, 2, 3));
    const QByteArray pixels(64, '\0');
    using hostile::bitmap;
    QTest::newRow("bmp zero width") << FileFormat::Bmp << bitmap(0, 4, 24, 0, {}, pixels) << int(imagelib::BadFormat);
    QTest::newRow("bmp negative width") << FileFormat::Bmp << bitmap(-5, 4, 24, 0, {}, pixels) << int(imagelib::BadFormat);
    QTest::newRow("bmp zero height") << FileFormat::Bmp << bitmap(4, 0, 24, 0, {}, pixels) << int(imagelib::BadFormat);
    QTest::newRow("bmp 100000 wide") << FileFormat::Bmp << bitmap(100000, 1, 24, 0, {}, pixels) << int(imagelib::TooLarge);
    QTest::newRow("bmp 16385 wide") << FileFormat::Bmp << bitmap(16385, 1, 8, 1, full, pixels) << int(imagelib::TooLarge);
    QTest::newRow("bmp 16384 square is over 200 MP") << FileFormat::Bmp << bitmap(16384, -16384, 8, 1, full, pixels)
                                                   << int(imagelib::TooLarge);
    QTest::newRow("bmp 7 bits") << FileFormat::Bmp << bitmap(4, 4, 7, 0, {}, pixels) << int(imagelib::BadFormat);
    QTest::newRow("bmp rle8 at 4 bits") << FileFormat::Bmp << bitmap(4, 4, 4, 1, sixteen, pixels) << int(imagelib::BadFormat);
    QTest::newRow("bmp bit fields at 8 bits") << FileFormat::Bmp << bitmap(4, 4, 8, 3, full, pixels) << int(imagelib::BadFormat);
    QTest::newRow("bmp embedded jpeg") << FileFormat::Bmp << bitmap(4, 4, 0, 4, {}, pixels) << int(imagelib::Unsupported);
    QTest::newRow("bmp index beyond palette") << FileFormat::Bmp << bitmap(4, 1, 8, 0, two, rle({0, 1, 7, 0}), 2)
                                              << int(imagelib::BadFormat);
    QTest::newRow("bmp rle index beyond palette") << FileFormat::Bmp << bitmap(4, 1, 8, 1, two, rle({4, 9, 0, 1}), 2)
                                                  << int(imagelib::BadFormat);
    QTest::newRow("bmp rle8 run past row") << FileFormat::Bmp << bitmap(4, 2, 8, 1, full, rle({10, 1, 0, 1}))
                                           << int(imagelib::BadFormat);
    QTest::newRow("bmp rle8 literal past row") << FileFormat::Bmp << bitmap(4, 2, 8, 1, full, rle({0, 6, 1, 1, 1, 1, 1, 1, 0, 1}))
                                               << int(imagelib::BadFormat);
    QTest::newRow("bmp rle8 delta past image") << FileFormat::Bmp << bitmap(4, 2, 8, 1, full, rle({0, 2, 0, 200, 0, 1}))
                                               << int(imagelib::BadFormat);
    QTest::newRow("bmp rle8 rows past image") << FileFormat::Bmp << bitmap(4, 1, 8, 1, full, rle({4, 1, 0, 0, 4, 1, 0, 1}))
                                              << int(imagelib::BadFormat);
    QTest::newRow("bmp rle4 run past row") << FileFormat::Bmp << bitmap(3, 1, 4, 2, sixteen, rle({9, 0x11, 0, 1}))
                                           << int(imagelib::BadFormat);
    QTest::newRow("bmp rle ends early") << FileFormat::Bmp << bitmap(4, 2, 8, 1, full, rle({4, 1, 0, 0}))
                                        << int(imagelib::ReadFailed);
    QTest::newRow("bmp pixels cut short") << FileFormat::Bmp << bitmap(4, 4, 24, 0, {}, QByteArray(10, '\0'))
                                          << int(imagelib::ReadFailed);
    QByteArray cutPalette = bitmap(4, 4, 8, 0, full, pixels).left(14 + 40 + 100);
    QTest::newRow("bmp palette cut short") << FileFormat::Bmp << cutPalette << int(imagelib::ReadFailed);
    QByteArray bogusHeader = bitmap(4, 4, 24, 0, {}, pixels);
    bogusHeader[14] = char(0x88);
    bogusHeader[15] = char(0x13);
    QTest::newRow("bmp header of 5000 bytes") << FileFormat::Bmp << bogusHeader << int(imagelib::BadFormat);
}

static void addPcxRows()
{
    using hostile::pcx;
    QTest::newRow("pcx xmax below xmin") << FileFormat::Pcx << pcx(10, 5, 3, 8, 1, 8, QByteArray(800, '\0'))
                                         << int(imagelib::BadFormat);
    QTest::newRow("pcx 20000 wide") << FileFormat::Pcx << pcx(0, 19999, 3, 8, 3, 20000, QByteArray(800, '\0'))
                                    << int(imagelib::TooLarge);
    QTest::newRow("pcx 3 bits") << FileFormat::Pcx << pcx(0, 7, 0, 3, 1, 4, QByteArray(8, '\0')) << int(imagelib::BadFormat);
    QTest::newRow("pcx line shorter than width") << FileFormat::Pcx << pcx(0, 63, 0, 8, 1, 8, QByteArray(800, '\0'))
                                                 << int(imagelib::BadFormat);
    QTest::newRow("pcx 8 bits without palette") << FileFormat::Pcx << pcx(0, 7, 0, 8, 1, 8, QByteArray(800, '\x01'))
                                                << int(imagelib::BadFormat);
    QTest::newRow("pcx run past image") << FileFormat::Pcx << pcx(0, 7, 0, 1, 1, 2, rle({0xC5, 0})) << int(imagelib::BadFormat);
    QTest::newRow("pcx data ends early") << FileFormat::Pcx << pcx(0, 7, 7, 8, 3, 8, rle({0xC5, 0, 0xC5, 0}))
                                         << int(imagelib::ReadFailed);
    QTest::newRow("pcx tiny file claims 192 MP") << FileFormat::Pcx << pcx(0, 15999, 11999, 8, 1, 16000, QByteArray(10, '\0'))
                                                 << int(imagelib::ReadFailed);
}

static void addPngGifJpegTiffRows()
{
    const QImage picture = gradientPicture(45, 29);
    const QByteArray png = written(FileFormat::Png, 24, picture);
    QByteArray header = png.mid(16, 13);
    hostile::put32be(header, 0, 0);
    QTest::newRow("png zero width") << FileFormat::Png << hostile::replacePngChunk(png, "IHDR", header) << int(imagelib::BadFormat);
    hostile::put32be(header, 0, 20000);
    hostile::put32be(header, 4, 20000);
    QTest::newRow("png 20000 square") << FileFormat::Png << hostile::replacePngChunk(png, "IHDR", header) << int(imagelib::TooLarge);
    QByteArray badCrc = png;
    badCrc[png.indexOf("IDAT") + 10] = char(badCrc[png.indexOf("IDAT") + 10] ^ 0x55);
    QTest::newRow("png damaged data") << FileFormat::Png << badCrc << int(imagelib::BadFormat);
    const QByteArray indexed = written(FileFormat::Png, 8, blockPicture(30, 20, 200));
    QTest::newRow("png index beyond palette") << FileFormat::Png << hostile::replacePngChunk(indexed, "PLTE", QByteArray(6, '\x7f'))
                                              << int(imagelib::BadFormat);

    const QByteArray gif = written(FileFormat::Gif, 8, blockPicture(30, 20, 200));
    QByteArray wide = gif;
    hostile::put16(wide, 6, 0xFFFF, false);
    QTest::newRow("gif 65535 wide screen") << FileFormat::Gif << wide << int(imagelib::TooLarge);
    QByteArray zero = gif;
    hostile::put16(zero, 13 + 768 + 5, 0, false);
    QTest::newRow("gif zero wide frame") << FileFormat::Gif << zero << int(imagelib::BadFormat);
    QByteArray twoColours = gif.left(13 + 6) + gif.mid(13 + 768);
    twoColours[10] = char(quint8(twoColours[10]) & 0xF8);
    QTest::newRow("gif index beyond palette") << FileFormat::Gif << twoColours << int(imagelib::BadFormat);

    const QByteArray jpeg = written(FileFormat::Jpeg, 24, picture);
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    QByteArray huge = jpeg;
    hostile::put16(huge, sof + 5, 20000, true);
    hostile::put16(huge, sof + 7, 20000, true);
    QTest::newRow("jpeg 20000 square") << FileFormat::Jpeg << huge << int(imagelib::TooLarge);
    QByteArray noHeight = jpeg;
    hostile::put16(noHeight, sof + 5, 0, true);
    QTest::newRow("jpeg zero height") << FileFormat::Jpeg << noHeight << int(imagelib::BadFormat);
    QTest::newRow("jpeg garbage after start") << FileFormat::Jpeg << QByteArray("\xFF\xD8\xFF\xE0garbage garbage") + QByteArray(64, 'x')
                                              << int(imagelib::BadFormat);

    QTest::newRow("tiff 100000 wide") << FileFormat::Tiff << hostile::tiff(100000, 10, 8) << int(imagelib::TooLarge);
    QTest::newRow("tiff strip beyond the file") << FileFormat::Tiff << hostile::tiff(16, 16, 100000) << int(imagelib::BadFormat);
    QTest::newRow("tiff zero wide") << FileFormat::Tiff << hostile::tiff(0, 16, 8) << int(imagelib::BadFormat);
    QTest::newRow("tiff 65535 samples of 65535 bits")
        << FileFormat::Tiff << hostile::tiff(16, 16, 8, 65535, 65535) << int(imagelib::Unsupported);
}

void TestHostileInput::craftedFiles_data()
{
    QTest::addColumn<FileFormat>("format");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("expected");
    addBitmapRows();
    addPcxRows();
    addPngGifJpegTiffRows();
}

void TestHostileInput::craftedFiles()
{
    QFETCH(FileFormat, format);
    QFETCH(QByteArray, bytes);
    QFETCH(int, expected);
    const QString path = writeTemp(QStringLiteral("crafted.") + extensionFor(format), bytes);
    QImage out;
    QCOMPARE(imagelib::readImage(path, format, imagelib::ReadOptions(), out), expected);
    QVERIFY(out.isNull());
    QVERIFY(!imagelib::errorText(expected).isEmpty());
    imagelib::ImageInfo info;
    imagelib::readImageInfo(path, info);   // must not crash either
}

void TestHostileInput::truncatedFiles_data()
{
    QTest::addColumn<FileFormat>("format");
    QTest::addColumn<int>("depth");
    // A file may lose trailing bytes that carry no picture: JPEG's end marker
    // (2 bytes), GIF's trailer (1 byte) and the padding of a bitmap's last row.
    QTest::addColumn<int>("harmlessTail");
    for (FileFormat format : allFormats)
        for (int depth : {1, 4, 8, 24}) {
            if ((format == FileFormat::Gif && depth == 24) || (format == FileFormat::Jpeg && depth != 24))
                continue;
            const int tail = format == FileFormat::Jpeg ? 2 : format == FileFormat::Gif ? 1
                             : format == FileFormat::Bmp ? 3 : 0;
            QTest::addRow("%s depth %d", qPrintable(extensionFor(format)), depth) << format << depth << tail;
        }
}

void TestHostileInput::truncatedFiles()
{
    QFETCH(FileFormat, format);
    QFETCH(int, depth);
    QFETCH(int, harmlessTail);
    const QByteArray whole = written(format, depth, gradientPicture(45, 29));
    QVERIFY(whole.size() > 100);
    QList<qsizetype> cuts;
    for (qsizetype cut = 1; cut < 140; ++cut)
        cuts.append(cut);
    for (int step = 1; step < 40; ++step)
        cuts.append(whole.size() * step / 40);
    for (qsizetype cut = whole.size() - 12; cut < whole.size() - harmlessTail; ++cut)
        cuts.append(cut);
    imagelib::ReadOptions options;
    options.depth = depth;
    for (qsizetype cut : cuts) {
        if (cut >= whole.size() - harmlessTail)
            continue;
        QImage out;
        const imagelib::Result result = imagelib::readImageData(
            reinterpret_cast<const uchar *>(whole.constData()), cut, format, options, out);
        QVERIFY2(!imagelib::succeeded(result), qPrintable(QStringLiteral("cut at %1 of %2").arg(cut).arg(whole.size())));
        QVERIFY(out.isNull());
    }
}

void TestHostileInput::limitsComeFromOptions_data()
{
    emptyFiles_data();
}

void TestHostileInput::limitsComeFromOptions()
{
    QFETCH(FileFormat, format);
    const QString path = m_env.root() + QStringLiteral("/twenty.") + extensionFor(format);
    QCOMPARE(writeAs(format, path, 8, gradientPicture(20, 20)), imagelib::Success);
    imagelib::ReadOptions options;
    options.limits.maxPixels = 399;
    QImage out;
    QCOMPARE(imagelib::readImage(path, format, options, out), imagelib::TooLarge);
    options.limits = imagelib::Limits();
    options.limits.maxSide = 19;
    QCOMPARE(imagelib::readImage(path, format, options, out), imagelib::TooLarge);
    options.limits.maxSide = 20;
    options.limits.maxPixels = 400;
    QCOMPARE(imagelib::readImage(path, format, options, out), imagelib::Success);
}

void TestHostileInput::missingFile()
{
    QImage out;
    QCOMPARE(imagelib::readImage(m_env.root() + QStringLiteral("/none.bmp"), FileFormat::Bmp,
                                 imagelib::ReadOptions(), out), imagelib::CannotOpen);
    imagelib::ImageInfo info;
    QCOMPARE(imagelib::readImageInfo(m_env.root() + QStringLiteral("/none.bmp"), info), imagelib::CannotOpen);
    QCOMPARE(imagelib::readImageInfo(writeTemp(QStringLiteral("text.bmp"), "hello, world"), info),
             imagelib::BadFormat);
}

void TestHostileInput::badDepthIsRefusedBeforeReading()
{
    imagelib::ReadOptions options;
    for (int depth : {-1, 2, 3, 16, 32}) {
        options.depth = depth;
        QImage out;
        QCOMPARE(imagelib::readImage(m_env.root() + QStringLiteral("/none.bmp"), FileFormat::Bmp, options, out),
                 imagelib::BadDepth);
    }
}

QTEST_GUILESS_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
