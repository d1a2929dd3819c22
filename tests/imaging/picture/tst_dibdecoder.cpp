// Bitmap variants that only metafiles carry: run-length coding, bit fields,
// core headers, top-down rows; and the limits that refuse hostile ones.
#include "metafilewriter.h"

#include "imaging/picture/dibdecoder.h"

#include <QTest>

namespace {

// BITMAPINFOHEADER for width x height at bitCount with compression and a
// colour table of colors entries.
Params infoHeader(qint32 width, qint32 height, quint16 bitCount, quint32 compression, const QList<QRgb> &colors)
{
    Params p;
    p.u32(40).s32(width).s32(height).u16(1).u16(bitCount).u32(compression).u32(0).s32(0).s32(0)
        .u32(quint32(colors.size())).u32(0);
    for (QRgb c : colors)
        p.u8(quint8(qBlue(c))).u8(quint8(qGreen(c))).u8(quint8(qRed(c))).u8(0);
    return p;
}

QImage decodePacked(const QByteArray &bytes, QString *error = nullptr)
{
    QString ignored;
    return dib::decodePacked(ByteView(bytes), error ? error : &ignored);
}

const QRgb Red = qRgb(255, 0, 0), Green = qRgb(0, 255, 0), Blue = qRgb(0, 0, 255);

} // namespace

class TestDibDecoder : public QObject
{
    Q_OBJECT
private slots:
    void rle8();
    void rle4();
    void bitFields16();
    void coreHeaderTopDown();
    void refused_data();
    void refused();
};

void TestDibDecoder::rle8()
{
    // 4 x 2, bottom-up: bottom row 3 x red then 1 green; top row a delta
    // skips two pixels and an absolute run of 2 blue pixels follows.
    const QByteArray rle = QByteArray::fromHex("0300 0101 0000 0002 0200 0003 020202 00 0001");
    const QByteArray bytes = infoHeader(4, 2, 8, 1, {Red, Green, Blue}).data() + rle;
    const QImage image = decodePacked(bytes);
    QCOMPARE(image.size(), QSize(4, 2));
    QCOMPARE(image.pixel(0, 1), Red | 0xff000000);
    QCOMPARE(image.pixel(3, 1), Green | 0xff000000);
    QCOMPARE(image.pixel(2, 0), Blue | 0xff000000);
    QCOMPARE(image.pixel(3, 0), Blue | 0xff000000);
    QCOMPARE(image.pixel(0, 0), Red | 0xff000000); // skipped pixels keep index 0
}

void TestDibDecoder::rle4()
{
    // 4 x 1: a run of 4 pixels alternating indices 1 and 2.
    const QByteArray bytes = infoHeader(4, 1, 4, 2, {Red, Green, Blue}).data() + QByteArray::fromHex("0412 0001");
    const QImage image = decodePacked(bytes);
    QCOMPARE(image.pixel(0, 0), Green | 0xff000000);
    QCOMPARE(image.pixel(1, 0), Blue | 0xff000000);
    QCOMPARE(image.pixel(2, 0), Green | 0xff000000);
}

void TestDibDecoder::bitFields16()
{
    // 5-6-5 masks after the header; one pixel of pure green, one of red.
    Params p = infoHeader(2, 1, 16, 3, {});
    p.u32(0xf800).u32(0x07e0).u32(0x001f).u16(0x07e0).u16(0xf800);
    const QImage image = decodePacked(p.data());
    QCOMPARE(image.pixel(0, 0), Green | 0xff000000);
    QCOMPARE(image.pixel(1, 0), Red | 0xff000000);
}

void TestDibDecoder::coreHeaderTopDown()
{
    Params core;
    core.u32(12).u16(1).u16(2).u16(1).u16(24).bytes(QByteArray::fromHex("0000ff00 00ff0000"));
    const QImage bottomUp = decodePacked(core.data());
    QCOMPARE(bottomUp.pixel(0, 1), Red | 0xff000000);
    QCOMPARE(bottomUp.pixel(0, 0), Green | 0xff000000);
    Params topDown = infoHeader(1, -2, 24, 0, {});
    topDown.bytes(QByteArray::fromHex("0000ff00 00ff0000"));
    const QImage image = decodePacked(topDown.data());
    QCOMPARE(image.pixel(0, 0), Red | 0xff000000);
    QCOMPARE(image.pixel(0, 1), Green | 0xff000000);
}

void TestDibDecoder::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("too large") << infoHeader(20000, 20000, 24, 0, {}).data();
    QTest::newRow("pixel count over the limit") << infoHeader(16384, 16384, 1, 0, {}).data();
    QTest::newRow("zero width") << (infoHeader(0, 5, 24, 0, {}).data() + QByteArray(64, 'x'));
    QTest::newRow("unknown header size") << (Params().u32(7).data() + QByteArray(64, 'x'));
    QTest::newRow("huge header size") << (Params().u32(0x7fffffff).data() + QByteArray(64, 'x'));
    QTest::newRow("bits cut short") << (infoHeader(16, 16, 24, 0, {}).data() + QByteArray(100, 'x'));
    QTest::newRow("colour table cut short") << infoHeader(16, 16, 8, 0, {}).data().left(44);
    QTest::newRow("RLE with the wrong depth") << (infoHeader(4, 4, 24, 1, {}).data() + QByteArray(16, '\0'));
    QTest::newRow("bit fields at 8 bits") << (infoHeader(4, 4, 8, 3, {}).data() + QByteArray(64, '\0'));
    QTest::newRow("unknown compression") << (infoHeader(4, 4, 8, 9, {}).data() + QByteArray(64, '\0'));
}

void TestDibDecoder::refused()
{
    QFETCH(QByteArray, bytes);
    QString error;
    QVERIFY(decodePacked(bytes, &error).isNull());
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestDibDecoder)
#include "tst_dibdecoder.moc"
