// Icon files generated at every depth, decoded and checked pixel by pixel;
// the choice of the shown image; damaged files refused cleanly.
#include "metafilewriter.h"

#include "imaging/picture/iconimage.h"

#include "support/testenvironment.h"

#include <QProcess>
#include <QTest>
#include <QtEndian>

namespace {

const QRgb Red = qRgb(255, 0, 0), Blue = qRgb(0, 0, 255);

// Red left half, blue right half, and a transparent top left 4 x 4 corner.
QImage sample(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, x < size / 2 ? Red : Blue);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            image.setPixel(x, y, qRgba(0, 0, 0, 0));
    return image;
}

std::shared_ptr<const IconImage> loadIcon(const QByteArray &bytes, const QString &seedName, QString *error)
{
    writeSeed(QStringLiteral("fuzz_ico"), seedName + QStringLiteral(".ico"), bytes);
    return IconImage::load(bytes, error);
}

void patch32(QByteArray &bytes, int offset, quint32 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

} // namespace

class TestIconImage : public QObject
{
    Q_OBJECT
private slots:
    void depths_data();
    void depths();
    void choosesThe32x32Entry();
    void choosesTheClosestEntry();
    void alphaChannelWinsOverMask();
    void maskDisagreeingWithAlphaAsImageMagickReadsIt();
    void damagedFiles_data();
    void damagedFiles();
    void damagedEntryIsLeftOut();
};

void TestIconImage::depths_data()
{
    QTest::addColumn<int>("bitCount");
    QTest::newRow("1 bpp") << 1;
    QTest::newRow("4 bpp") << 4;
    QTest::newRow("8 bpp") << 8;
    QTest::newRow("24 bpp") << 24;
    QTest::newRow("32 bpp") << 32;
    QTest::newRow("PNG") << 0;
}

void TestIconImage::depths()
{
    QFETCH(int, bitCount);
    QString error;
    const auto icon = loadIcon(iconFile({{sample(32), bitCount}}), QStringLiteral("depth-%1").arg(bitCount), &error);
    QVERIFY2(icon, qPrintable(error));
    const QImage &image = icon->image();
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(image.pixel(20, 20), Blue | 0xff000000);
    QCOMPARE(image.pixel(8, 20), Red | 0xff000000);
    QCOMPARE(image.pixel(8, 2), Red | 0xff000000);
    QCOMPARE(qAlpha(image.pixel(2, 2)), 0);
    QCOMPARE(qAlpha(image.pixel(4, 4)), 255);
}

void TestIconImage::choosesThe32x32Entry()
{
    QString error;
    const auto icon = loadIcon(iconFile({{sample(16), 8}, {sample(32), 4}, {sample(32), 24}, {sample(48), 32}}),
                               QStringLiteral("four-entries"), &error);
    QVERIFY2(icon, qPrintable(error));
    QCOMPARE(icon->entries().size(), 4);
    QCOMPARE(icon->chosenIndex(), 2); // 32 x 32, and the deeper of the two
    QCOMPARE(icon->size(), QSize(32, 32));
}

void TestIconImage::choosesTheClosestEntry()
{
    QString error;
    const auto icon = loadIcon(iconFile({{sample(16), 8}, {sample(48), 8}, {sample(24), 8}}),
                               QStringLiteral("no-32"), &error);
    QVERIFY2(icon, qPrintable(error));
    QCOMPARE(icon->size(), QSize(24, 24));
}

void TestIconImage::alphaChannelWinsOverMask()
{
    QImage image = sample(16);
    image.setPixel(10, 10, qRgba(255, 0, 0, 128));
    QString error;
    const auto icon = loadIcon(iconFile({{image, 32}}), QStringLiteral("alpha"), &error);
    QVERIFY2(icon, qPrintable(error));
    QCOMPARE(qAlpha(icon->image().pixel(10, 10)), 128);
}

// Every pixel masked out, while the alpha channel keeps most of them: the
// alpha channel decides, as ImageMagick's reader decides too.
void TestIconImage::maskDisagreeingWithAlphaAsImageMagickReadsIt()
{
    QImage image = sample(16);
    image.setPixel(10, 10, qRgba(255, 0, 0, 128));
    QByteArray bytes = iconFile({{image, 32}});
    const int maskStart = 6 + 16 + 40 + 16 * 16 * 4;
    bytes.replace(maskStart, 16 * 4, QByteArray(16 * 4, char(0xff)));
    QString error;
    const auto icon = loadIcon(bytes, QStringLiteral("mask-disagrees"), &error);
    QVERIFY2(icon, qPrintable(error));

    TestEnvironment env;
    const QString ico = env.root() + "/disagree.ico", png = env.root() + "/disagree.png";
    TestEnvironment::writeFile(ico, bytes);
    QProcess convert;
    convert.start(QStringLiteral("convert"), {QStringLiteral("ICO:") + ico, QStringLiteral("PNG32:") + png});
    QVERIFY2(convert.waitForFinished(30000) && convert.exitCode() == 0, convert.readAllStandardError().constData());
    const QImage theirs = QImage(png).convertToFormat(QImage::Format_ARGB32);
    const QImage ours = icon->image().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(ours.size(), theirs.size());
    for (int y = 0; y < ours.height(); ++y)
        for (int x = 0; x < ours.width(); ++x) {
            const QRgb a = ours.pixel(x, y), b = theirs.pixel(x, y);
            QVERIFY2(qAlpha(a) == qAlpha(b) && (qAlpha(a) == 0 || (a & 0xffffff) == (b & 0xffffff)),
                     qPrintable(QStringLiteral("pixel %1,%2: %3 against %4").arg(x).arg(y)
                                    .arg(a, 8, 16).arg(b, 8, 16)));
        }
    QCOMPARE(qAlpha(ours.pixel(12, 12)), 255);
    QCOMPARE(qAlpha(ours.pixel(1, 1)), 0);
}

void TestIconImage::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = iconFile({{sample(32), 8}});
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not an icon") << QByteArray("GIF89a and so on, not an icon at all");
    QTest::newRow("no entries") << QByteArray::fromHex("000001000000");
    QByteArray directory = good;
    directory[4] = char(0xff); // 255 entries, the directory runs past the end
    QTest::newRow("directory past the end") << directory;
    QByteArray offset = good;
    patch32(offset, 6 + 12, 0x7fffffff);
    QTest::newRow("image offset past the end") << offset;
    QByteArray size = good;
    patch32(size, 6 + 8, 0xffffffff);
    QTest::newRow("image size past the end") << size;
    QByteArray huge = good;
    patch32(huge, 22 + 4, 100000); // width in the bitmap header
    QTest::newRow("huge bitmap") << huge;
    QByteArray depth = good;
    depth[22 + 14] = 7;
    QTest::newRow("impossible depth") << depth;
    QTest::newRow("truncated bits") << good.left(good.size() - 900);
    QByteArray negative = good;
    patch32(negative, 22 + 8, quint32(-2147483647 - 1));
    QTest::newRow("most negative height") << negative;
}

void TestIconImage::damagedFiles()
{
    QFETCH(QByteArray, bytes);
    writeSeed(QStringLiteral("fuzz_ico"), QStringLiteral("damaged-%1.ico").arg(QTest::currentDataTag()), bytes);
    QString error;
    QVERIFY(!IconImage::load(bytes, &error));
    QVERIFY(!error.isEmpty());
}

void TestIconImage::damagedEntryIsLeftOut()
{
    QByteArray bytes = iconFile({{sample(32), 8}, {sample(16), 8}});
    patch32(bytes, 6 + 12, 0x7fffffff); // the first entry points nowhere
    QString error;
    const auto icon = IconImage::load(bytes, &error);
    QVERIFY2(icon, qPrintable(error));
    QCOMPARE(icon->entries().size(), 1);
    QCOMPARE(icon->size(), QSize(16, 16));
}

QTEST_MAIN(TestIconImage)
#include "tst_iconimage.moc"
