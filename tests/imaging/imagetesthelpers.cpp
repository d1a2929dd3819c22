#include "imagetesthelpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace imagetest {

QImage gradientPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int r = x * 255 / qMax(1, width - 1);
            const int g = y * 255 / qMax(1, height - 1);
            const int b = ((x / 4 + y / 4) % 2) ? 200 : (x * y) % 256;
            image.setPixel(x, y, qRgb(r, g, b));
        }
    return image;
}

QImage smoothPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / qMax(1, width - 1), y * 255 / qMax(1, height - 1),
                                      (x + y) * 255 / qMax(1, width + height - 2)));
    return image;
}

QImage blockPicture(int width, int height, int colours)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int i = (x / 3 + (y / 3) * 7) % colours;
            image.setPixel(x, y, qRgb((i * 67) % 256, (i * 151 + 40) % 256, (i * 29 + 90) % 256));
        }
    return image;
}

bool runProgram(const QString &program, const QStringList &arguments, QString *error)
{
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(60000);
    if (error)
        *error = QString::fromLocal8Bit(process.readAllStandardError());
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

namespace {

// "P6 <width> <height> <maxval>", one whitespace byte, then RGB samples of
// one byte (maxval 255) or two (65535, rounded to 8 bits here).
QImage parsePpm(const QByteArray &data)
{
    QList<QByteArray> fields;
    qsizetype i = 0;
    while (fields.size() < 4 && i < data.size()) {
        while (i < data.size() && QChar(data[i]).isSpace())
            ++i;
        const qsizetype start = i;
        while (i < data.size() && !QChar(data[i]).isSpace())
            ++i;
        fields.append(data.mid(start, i - start));
    }
    ++i;
    const int sampleBytes = fields.value(3) == "65535" ? 2 : 1;
    if (fields.size() < 4 || fields[0] != "P6" || (sampleBytes == 1 && fields[3] != "255"))
        return {};
    const int width = fields[1].toInt(), height = fields[2].toInt();
    if (data.size() - i < qsizetype(width) * height * 3 * sampleBytes)
        return {};
    const uchar *p = reinterpret_cast<const uchar *>(data.constData()) + i;
    auto sample = [&p, sampleBytes]() {
        const int v = sampleBytes == 2 ? (p[0] << 8 | p[1]) : p[0];
        p += sampleBytes;
        return sampleBytes == 2 ? (v * 255 + 32767) / 65535 : v;
    };
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int r = sample(), g = sample(), b = sample();
            image.setPixel(x, y, qRgb(r, g, b));
        }
    return image;
}

QImage decodeWith(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return parsePpm(process.readAllStandardOutput());
}

} // namespace

QImage decodeWithImageMagick(const QString &path)
{
    // 16-bit output: ImageMagick's own reduction to 8 bits truncates.
    return decodeWith(QStringLiteral("convert"),
                      {path + QStringLiteral("[0]"), QStringLiteral("-background"), QStringLiteral("white"),
                       QStringLiteral("-alpha"), QStringLiteral("remove"), QStringLiteral("-strip"),
                       QStringLiteral("-depth"), QStringLiteral("16"), QStringLiteral("ppm:-")});
}

QImage decodeWithGraphicsMagick(const QString &path)
{
    return decodeWith(QStringLiteral("gm"), {QStringLiteral("convert"), path + QStringLiteral("[0]"),
                                             QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("ppm:-")});
}

bool writePpm(const QString &path, const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    QByteArray data = QStringLiteral("P6\n%1 %2\n255\n").arg(rgb.width()).arg(rgb.height()).toLatin1();
    for (int y = 0; y < rgb.height(); ++y)
        data.append(reinterpret_cast<const char *>(rgb.constScanLine(y)), rgb.width() * 3);
    return writeBytes(path, data);
}

qint64 differingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return -1;
    qint64 count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += (a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF);
    return count;
}

double meanDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return 1e9;
    double total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            total += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    return total / (3.0 * a.width() * a.height());
}

bool sameIndexes(const QImage &read, const QImage &expected, QString *why)
{
    if (read.format() != QImage::Format_Indexed8 || read.size() != expected.size()) {
        *why = QStringLiteral("format %1, size %2x%3").arg(read.format()).arg(read.width()).arg(read.height());
        return false;
    }
    for (int y = 0; y < read.height(); ++y)
        for (int x = 0; x < read.width(); ++x) {
            const int index = read.pixelIndex(x, y);
            if (index != expected.pixelIndex(x, y) || read.color(index) != expected.color(index)) {
                *why = QStringLiteral("pixel %1,%2: index %3 colour %4, want %5 %6")
                           .arg(x).arg(y).arg(index).arg(read.color(index), 0, 16)
                           .arg(expected.pixelIndex(x, y)).arg(expected.color(expected.pixelIndex(x, y)), 0, 16);
                return false;
            }
        }
    return true;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void offerSeed(const QString &harness, const QString &path)
{
    const QString root = qEnvironmentVariable("PIXMOOR_SEED_DIR");
    if (root.isEmpty())
        return;
    const QString folder = root + QLatin1Char('/') + harness;
    QDir().mkpath(folder);
    const QString target = folder + QLatin1Char('/') + QFileInfo(path).fileName();
    QFile::remove(target);
    QFile::copy(path, target);
}

QString harnessFor(imagelib::FileFormat format)
{
    return QStringLiteral("fuzz_") + extensionFor(format);
}

QString extensionFor(imagelib::FileFormat format)
{
    switch (format) {
    case imagelib::FileFormat::Bmp: return QStringLiteral("bmp");
    case imagelib::FileFormat::Jpeg: return QStringLiteral("jpeg");
    case imagelib::FileFormat::Gif: return QStringLiteral("gif");
    case imagelib::FileFormat::Tiff: return QStringLiteral("tiff");
    case imagelib::FileFormat::Pcx: return QStringLiteral("pcx");
    case imagelib::FileFormat::Png: return QStringLiteral("png");
    }
    return {};
}

imagelib::Result writeAs(imagelib::FileFormat format, const QString &path, int depth, const QImage &picture)
{
    using imagelib::FileFormat;
    switch (format) {
    case FileFormat::Bmp: return imagelib::writeBmp(path, depth, picture);
    case FileFormat::Jpeg: return imagelib::writeJpeg(path, 90, 0, depth, picture);
    case FileFormat::Gif: return imagelib::writeGif(path, depth, picture);
    case FileFormat::Tiff: return imagelib::writeTiff(path, imagelib::TiffCompression::None, depth, picture);
    case FileFormat::Pcx: return imagelib::writePcx(path, depth, picture);
    case FileFormat::Png: return imagelib::writePng(path, depth, false, picture);
    }
    return imagelib::BadArgument;
}

} // namespace imagetest
