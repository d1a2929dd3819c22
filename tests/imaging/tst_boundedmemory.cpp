// A small file may declare huge metadata or working memory: texts and
// colour profiles of gigabytes, strip tables of hundreds of millions of
// entries, frames of 65535 x 65535, progressive pictures of 192 megapixels.
// Each read fails (or succeeds) without any one allocation near that size.
#include "hostilefiles.h"
#include "imagetesthelpers.h"
#include "imaging/picture/iconimage.h"
#include "support/allocationwatch.h"
#include "support/testenvironment.h"

#include <QTest>

using imagelib::FileFormat;
using namespace imagetest;

Q_DECLARE_METATYPE(imagelib::FileFormat)

class TestBoundedMemory : public QObject
{
    Q_OBJECT
private slots:
    void hostileFilesAskForLittle_data();
    void hostileFilesAskForLittle();
    void skippedChunksDoNotHideThePicture();
    void hostileIconEntriesAskForLittle();

private:
    QString writeTemp(const QString &name, const QByteArray &bytes);
    TestEnvironment m_env;
};

namespace {

constexpr quint32 NearlyTwoGigabytes = 1'900'000'000;

// Where requests are not observed, the sanitizer's own ceiling has held.
bool withinCeiling(const AllocationWatch &watch)
{
    return !AllocationWatch::observing() || watch.largestRequest() < HostileFileAllocationCeiling;
}

QByteArray largestRequestText(const AllocationWatch &watch)
{
    return QByteArray("largest allocation ") + QByteArray::number(quint64(watch.largestRequest() >> 10)) + " KB";
}

// A progressive JPEG whose frame header claims 16000 x 12000: libjpeg would
// keep 576 MB of coefficients for it, thumbnail or not.
QByteArray progressiveJpegClaimingHugeFrame(const QString &folder)
{
    const QString ppm = folder + QStringLiteral("/in.ppm"), jpeg = folder + QStringLiteral("/progressive.jpg");
    QString error;
    if (!writePpm(ppm, smoothPicture(64, 48))
        || !runProgram(QStringLiteral("cjpeg"), {QStringLiteral("-progressive"), QStringLiteral("-outfile"), jpeg, ppm},
                       &error))
        qFatal("cjpeg failed: %s", qPrintable(error));
    QByteArray bytes = fileBytes(jpeg);
    const qsizetype frame = bytes.indexOf("\xFF\xC2");
    if (frame < 0)
        qFatal("cjpeg wrote no progressive frame");
    hostile::put16(bytes, frame + 5, 12000, true);
    hostile::put16(bytes, frame + 7, 16000, true);
    return bytes;
}

} // namespace

QString TestBoundedMemory::writeTemp(const QString &name, const QByteArray &bytes)
{
    const QString path = m_env.root() + QLatin1Char('/') + name;
    writeBytes(path, bytes);
    return path;
}

void TestBoundedMemory::hostileFilesAskForLittle_data()
{
    QTest::addColumn<FileFormat>("format");
    QTest::addColumn<QByteArray>("bytes");
    for (const char *chunk : {"tEXt", "zTXt", "iTXt", "iCCP", "sPLT", "zzZz"})
        QTest::addRow("png %s of 1.9 GB", chunk) << FileFormat::Png << hostile::pngDeclaringChunk(chunk, NearlyTwoGigabytes);
    QTest::newRow("tiff 400 million strips") << FileFormat::Tiff << hostile::tiffWithStripTable(400'000'000);
    QTest::newRow("tiff 40 million strips") << FileFormat::Tiff << hostile::tiffWithStripTable(40'000'000);
    QTest::newRow("tiff 16 x 16 in one tile of 65536 x 32768") << FileFormat::Tiff << hostile::tiffWithTile(65536, 32768);
    QTest::newRow("gif 65535 square screen and frame") << FileFormat::Gif << hostile::gifClaiming(65535, 65535, 65535, 65535);
    QTest::newRow("gif 65535 square frame on a small screen") << FileFormat::Gif << hostile::gifClaiming(16, 16, 65535, 65535);
    QTest::newRow("jpeg progressive 16000 x 12000")
        << FileFormat::Jpeg << progressiveJpegClaimingHugeFrame(m_env.makeFolder(QStringLiteral("jpeg")));
}

// Full reads, thumbnail reads and the information call alike.
void TestBoundedMemory::hostileFilesAskForLittle()
{
    QFETCH(FileFormat, format);
    QFETCH(QByteArray, bytes);
    const QString path = writeTemp(QStringLiteral("hostile.") + extensionFor(format), bytes);
    for (const QSize atLeast : {QSize(), QSize(70, 70)}) {
        imagelib::ReadOptions options;
        options.atLeast = atLeast;
        AllocationWatch watch;
        QImage out;
        const imagelib::Result result = imagelib::readImage(path, format, options, out);
        QVERIFY2(!imagelib::succeeded(result), qPrintable(imagelib::errorText(result)));
        QVERIFY(out.isNull());
        QVERIFY2(withinCeiling(watch), largestRequestText(watch).constData());
    }
    AllocationWatch watch;
    imagelib::ImageInfo info;
    imagelib::readImageInfo(path, info);
    QVERIFY2(withinCeiling(watch), largestRequestText(watch).constData());
}

// Texts, profiles and unknown chunks are skipped, not refused: the picture
// around them reads as before.
void TestBoundedMemory::skippedChunksDoNotHideThePicture()
{
    const QImage picture = blockPicture(30, 20, 200);
    const QString plain = m_env.root() + QStringLiteral("/plain.png");
    QCOMPARE(writeAs(FileFormat::Png, plain, 24, picture), imagelib::Success);
    QByteArray bytes = fileBytes(plain);
    bytes = hostile::insertPngChunk(bytes, "tEXt", QByteArray("Comment\0a picture of blocks", 27));
    bytes = hostile::insertPngChunk(bytes, "zzZz", QByteArray(300, 'z'));
    const QString path = writeTemp(QStringLiteral("texts.png"), bytes);
    QImage read;
    QCOMPARE(imagelib::readImage(path, FileFormat::Png, imagelib::ReadOptions(), read), imagelib::Success);
    QCOMPARE(differingPixels(read, picture), 0);
}

// An icon's PNG entry goes through the same reader; an icon of thousands of
// entries that all point at one picture decodes only what it shows.
void TestBoundedMemory::hostileIconEntriesAskForLittle()
{
    QString error;
    {
        AllocationWatch watch;
        const auto icon = IconImage::load(hostile::iconHolding(hostile::pngDeclaringChunk("tEXt", NearlyTwoGigabytes)), &error);
        QVERIFY(!icon || icon->image().isNull());
        QVERIFY2(withinCeiling(watch), largestRequestText(watch).constData());
    }
    const QString pngPath = m_env.root() + QStringLiteral("/entry.png");
    QCOMPARE(writeAs(FileFormat::Png, pngPath, 24, gradientPicture(256, 256)), imagelib::Success);
    AllocationWatch watch;
    const auto icon = IconImage::load(hostile::iconHolding(fileBytes(pngPath), 65535), &error);
    QVERIFY2(icon && !icon->image().isNull(), qPrintable(error));
    QCOMPARE(icon->image().size(), QSize(256, 256));
    QVERIFY2(withinCeiling(watch), largestRequestText(watch).constData());
    QVERIFY2(watch.peakGrowth() < HostileFileAllocationCeiling,
             qPrintable(QStringLiteral("%1 MB held at once").arg(watch.peakGrowth() >> 20)));
}

QTEST_GUILESS_MAIN(TestBoundedMemory)
#include "tst_boundedmemory.moc"
