// JPEG reading turns pictures upright by their Exif orientation and decodes
// reduced sizes by DCT scaling.
#include "hostilefiles.h"
#include "imagetesthelpers.h"
#include "support/testenvironment.h"

#include <QTest>
#include <QTransform>

using imagelib::FileFormat;
using namespace imagetest;

class TestJpegOrientation : public QObject
{
    Q_OBJECT
private slots:
    void orientations_data();
    void orientations();
    void damagedExifIsIgnored_data();
    void damagedExifIsIgnored();
    void reducedDecode_data();
    void reducedDecode();

private:
    QString jpegWithApp1(const QString &name, const QByteArray &payload, const QImage &picture);
    TestEnvironment m_env;
};

// An Exif block whose first IFD holds just the orientation tag.
static QByteArray exifWithOrientation(int orientation, bool bigEndian)
{
    QByteArray tiff = bigEndian ? QByteArray("MM\0*\0\0\0\x08", 8) : QByteArray("II*\0\x08\0\0\0", 8);
    QByteArray entry(2 + 12 + 4, '\0');
    hostile::put16(entry, 0, 1, bigEndian);
    hostile::put16(entry, 2, 0x0112, bigEndian);
    hostile::put16(entry, 4, 3, bigEndian);
    hostile::put16(entry, bigEndian ? 8 : 6, 1, bigEndian);
    hostile::put16(entry, 10, orientation, bigEndian);
    return QByteArray("Exif\0\0", 6) + tiff + entry;
}

QString TestJpegOrientation::jpegWithApp1(const QString &name, const QByteArray &payload, const QImage &picture)
{
    const QString path = m_env.root() + QLatin1Char('/') + name;
    imagelib::writeJpeg(path, 100, 0, 24, picture);
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char((payload.size() + 2) >> 8)).append(char((payload.size() + 2) & 0xFF)).append(payload);
    QByteArray file = fileBytes(path);
    file.insert(2, segment);
    writeBytes(path, file);
    return path;
}

void TestJpegOrientation::orientations_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("bigEndian");
    for (int o = 1; o <= 8; ++o)
        QTest::addRow("orientation %d", o) << o << (o % 2 == 0);
}

static QImage upright(const QImage &stored, int orientation)
{
    const QTransform quarter = QTransform().rotate(90);
    switch (orientation) {
    case 2: return stored.mirrored(true, false);
    case 3: return stored.transformed(QTransform().rotate(180));
    case 4: return stored.mirrored(false, true);
    case 5: return stored.mirrored(true, false).transformed(QTransform().rotate(270));
    case 6: return stored.transformed(quarter);
    case 7: return stored.mirrored(true, false).transformed(quarter);
    case 8: return stored.transformed(QTransform().rotate(270));
    default: return stored;
    }
}

void TestJpegOrientation::orientations()
{
    QFETCH(int, orientation);
    QFETCH(bool, bigEndian);
    QImage stored(48, 32, QImage::Format_RGB32);
    stored.fill(qRgb(255, 255, 255));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            stored.setPixel(x, y, qRgb(220, 0, 0));   // a red block in the top left corner
    const QString path = jpegWithApp1(QStringLiteral("turned%1.jpg").arg(orientation),
                                      exifWithOrientation(orientation, bigEndian), stored);
    offerSeed(QStringLiteral("fuzz_jpeg"), path);
    QImage read;
    QCOMPARE(imagelib::readImage(path, FileFormat::Jpeg, imagelib::ReadOptions(), read), imagelib::Success);
    const QImage want = upright(stored, orientation);
    QCOMPARE(read.size(), want.size());
    QVERIFY2(meanDifference(read, want) < 3.0, qPrintable(QString::number(meanDifference(read, want))));
    QString error;
    const QString turned = m_env.root() + QStringLiteral("/magick%1.ppm").arg(orientation);
    QVERIFY2(runProgram(QStringLiteral("convert"), {path, QStringLiteral("-auto-orient"), turned}, &error),
             qPrintable(error));
    QVERIFY(meanDifference(read, decodeWithImageMagick(turned)) < 1.0);
    imagelib::ImageInfo info;
    QCOMPARE(imagelib::readImageInfo(path, info), imagelib::Success);
    QCOMPARE(QSize(info.width, info.height), want.size());
    QCOMPARE(info.formatName, QStringLiteral("JPEG Exif"));
}

void TestJpegOrientation::damagedExifIsIgnored_data()
{
    QTest::addColumn<QByteArray>("payload");
    QByteArray farOffset = exifWithOrientation(6, false);
    hostile::put16(farOffset, 10, 0xFFFF, false);
    QTest::newRow("first directory past the end") << farOffset;
    QByteArray manyEntries = exifWithOrientation(6, false);
    hostile::put16(manyEntries, 14, 0xFFFF, false);
    manyEntries.truncate(20);
    QTest::newRow("entry count past the end") << manyEntries;
    QByteArray badValue = exifWithOrientation(6, false);
    hostile::put16(badValue, 14 + 10, 9, false);
    QTest::newRow("orientation 9") << badValue;
    QTest::newRow("bad byte order") << QByteArray("Exif\0\0XX*\0\x08\0\0\0", 14);
    QTest::newRow("just the name") << QByteArray("Exif\0\0", 6);
}

void TestJpegOrientation::damagedExifIsIgnored()
{
    QFETCH(QByteArray, payload);
    const QImage picture = smoothPicture(40, 24);
    const QString path = jpegWithApp1(QStringLiteral("damaged.jpg"), payload, picture);
    QImage read;
    QCOMPARE(imagelib::readImage(path, FileFormat::Jpeg, imagelib::ReadOptions(), read), imagelib::Success);
    QCOMPARE(read.size(), picture.size());
}

void TestJpegOrientation::reducedDecode_data()
{
    QTest::addColumn<QSize>("atLeast");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("size");
    QTest::newRow("full size") << QSize() << 1 << QSize(800, 600);
    QTest::newRow("thumbnail: one eighth") << QSize(70, 70) << 1 << QSize(100, 75);
    QTest::newRow("one eighth is too small") << QSize(120, 80) << 1 << QSize(200, 150);
    QTest::newRow("larger than the file") << QSize(1000, 1000) << 1 << QSize(800, 600);
    QTest::newRow("turned picture: axes swap") << QSize(70, 90) << 6 << QSize(75, 100);
}

void TestJpegOrientation::reducedDecode()
{
    QFETCH(QSize, atLeast);
    QFETCH(int, orientation);
    QFETCH(QSize, size);
    const QString path = jpegWithApp1(QStringLiteral("large.jpg"), exifWithOrientation(orientation, false),
                                      smoothPicture(800, 600));
    imagelib::ReadOptions options;
    options.atLeast = atLeast;
    QImage read;
    QCOMPARE(imagelib::readImage(path, FileFormat::Jpeg, options, read), imagelib::Success);
    QCOMPARE(read.size(), size);
    const QImage want = upright(smoothPicture(800, 600), orientation).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY(meanDifference(read, want) < 4.0);
}

QTEST_GUILESS_MAIN(TestJpegOrientation)
#include "tst_jpegorientation.moc"
