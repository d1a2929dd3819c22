// Damaged and hostile metafiles: the file is refused with a reason, or the
// bad record is skipped and the rest still plays, quickly and without
// unbounded allocation.
#include "metafilewriter.h"
#include "picturetesting.h"
#include "support/allocationwatch.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QtEndian>

namespace {

const QRgb Red = qRgb(255, 0, 0);

// A 100 x 100 picture with a null pen and a red brush selected; the hostile
// records come next, and a sentinel square at 90,90 - 100,100 closes it.
WmfWriter wmfStart()
{
    WmfWriter w;
    w.window(QRect(0, 0, 100, 100)).pen(5, 0, 0).select(0).brush(Red).select(1);
    return w;
}

QByteArray wmfEnd(WmfWriter w)
{
    w.shape(wmfrec::Rectangle, QRect(90, 90, 10, 10));
    return w.plain();
}

EmfWriter emfStart()
{
    EmfWriter w(QRect(0, 0, 100, 100));
    w.select(emfrec::Stock | 8).brush(1, Red).select(1);
    return w;
}

QByteArray emfEnd(EmfWriter w)
{
    w.shape(emfrec::Rectangle, QRect(90, 90, 10, 10));
    return w.bytes();
}

void patch32(QByteArray &bytes, qsizetype offset, quint32 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

QByteArray hugeDib()
{
    QByteArray dib = packedDib(QImage(2, 2, QImage::Format_RGB32), 24);
    patch32(dib, 4, 1000000);
    patch32(dib, 8, 1000000);
    return dib;
}

// A 4096 x 4096 run-length bitmap of one colour in 46 bytes: the run data
// ends the bitmap at once.
QByteArray runLengthDibOf16Megapixels()
{
    QByteArray dib = packedDib(QImage(2, 2, QImage::Format_RGB32), 24).left(40);
    patch32(dib, 4, 4096);
    patch32(dib, 8, 4096);
    qToLittleEndian<quint16>(8, dib.data() + 14);   // bits per pixel
    patch32(dib, 16, 1);                              // RLE8
    patch32(dib, 32, 1);   // one colour
    return dib + QByteArray("\xff\x00\x00\x00\x00\x01", 6);
}

// An EMF clip-region record of the given rectangles (in the picture's
// device units), combined with the current clip by mode.
Params clipRegion(const QList<QRect> &rects, quint32 mode)
{
    Params p;
    p.u32(32 + 16 * quint32(rects.size())).u32(mode);
    p.u32(32).u32(1).u32(quint32(rects.size())).u32(16 * quint32(rects.size())).rect32(QRect(0, 0, 100, 100));
    for (const QRect &rect : rects)
        p.rect32(rect);
    return p;
}

} // namespace

class TestHostileMetafile : public QObject
{
    Q_OBJECT
private slots:
    void storedCrashersPlayCleanly();
    void bitmapsOfADrawingCostABoundedAmount();
    void crossingStripsClipCostABoundedAmount();
    void refused_data();
    void refused();
    void badRecordSkipped_data();
    void badRecordSkipped();

private:
    void playsHoldingAtMost(const QByteArray &bytes, std::size_t ceiling);
    void addWmfRows();
    void addEmfRows();
};

void TestHostileMetafile::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("This is not a metafile, whatever its name says.");
    QByteArray pastEnd = wmfEnd(wmfStart());
    patch32(pastEnd, pastEnd.size() - 20, 0x7fffffff); // the sentinel's size
    QTest::newRow("wmf record past the end") << pastEnd;
    QByteArray zero = wmfEnd(wmfStart());
    patch32(zero, zero.size() - 20, 0);
    QTest::newRow("wmf record of size zero") << zero;
    QByteArray checksum = wmfStart().placeable(QRect(0, 0, 100, 100), 96);
    checksum[20] = char(checksum[20] ^ 0x55);
    QTest::newRow("placeable checksum") << checksum;
    QTest::newRow("placeable empty box") << wmfStart().placeable(QRect(10, 10, 0, 0), 96);
    QTest::newRow("placeable zero units") << wmfStart().placeable(QRect(0, 0, 100, 100), 0);
    WmfWriter noExtent;
    noExtent.brush(Red).select(0);
    QTest::newRow("plain without extent") << noExtent.plain();
    WmfWriter zeroExtent;
    zeroExtent.window(QRect(0, 0, 0, 100));
    QTest::newRow("plain with zero extent") << zeroExtent.plain();
    QByteArray emfPast = emfEnd(emfStart());
    patch32(emfPast, emfPast.size() - 20 - 24 + 4, 0x10000000);
    QTest::newRow("emf record past the end") << emfPast;
    QByteArray emfOdd = emfEnd(emfStart());
    patch32(emfOdd, emfOdd.size() - 20 - 24 + 4, 22);
    QTest::newRow("emf record size not a multiple of four") << emfOdd;
    QByteArray emfSmall = emfEnd(emfStart());
    patch32(emfSmall, emfSmall.size() - 20 - 24 + 4, 4);
    QTest::newRow("emf record below its header") << emfSmall;
    QByteArray emfHeader = emfEnd(emfStart());
    patch32(emfHeader, 4, 40);
    QTest::newRow("emf header too small") << emfHeader;
    QByteArray absurd = emfEnd(emfStart());
    patch32(absurd, 32, 0x7fffffff);
    patch32(absurd, 36, 0x7fffffff);
    QTest::newRow("emf absurd frame") << absurd;
    QByteArray empty = emfEnd(emfStart());
    for (int offset = 8; offset < 40; offset += 4)
        patch32(empty, offset, offset < 16 ? 10 : 0); // bounds 10,10 - 0,0 and no frame
    QTest::newRow("emf without frame or bounds") << empty;
    QTest::newRow("wmf header cut short") << QByteArray::fromHex("010009000003");
    QByteArray beyondInt = emfEnd(emfStart());
    // No frame, so the bounds count, in pixels of a device one pixel wide
    // and 2^31 mm across: billions of pixels at 96 dpi.
    for (int offset = 24; offset < 40; offset += 4)
        patch32(beyondInt, offset, 0);
    patch32(beyondInt, 72, 1);
    patch32(beyondInt, 80, 0x7fffffff);
    QTest::newRow("emf size beyond int") << beyondInt;
    QTest::newRow("emf cut in its header") << emfEnd(emfStart()).left(60);
}

void TestHostileMetafile::refused()
{
    QFETCH(QByteArray, bytes);
    const QString name = QStringLiteral("refused-%1").arg(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'));
    writeSeed(bytes.startsWith("\x01\x00\x00\x00") ? QStringLiteral("fuzz_emf") : QStringLiteral("fuzz_wmf"), name, bytes);
    QString error;
    QVERIFY(playMetafile(bytes, {100, 100}, &error).isNull());
    QVERIFY(!error.isEmpty());
}

void TestHostileMetafile::badRecordSkipped_data()
{
    QTest::addColumn<QByteArray>("bytes");
    addWmfRows();
    addEmfRows();
}

void TestHostileMetafile::addWmfRows()
{
    using namespace wmfrec;
    QTest::newRow("wmf negative polygon count") << wmfEnd(wmfStart().add(Polygon, Params().s16(-5).points16({{0, 0}})));
    QTest::newRow("wmf polygon count past the record") << wmfEnd(wmfStart().add(Polygon, Params().s16(30000).points16({{0, 0}, {5, 5}})));
    QTest::newRow("wmf poly-polygon counts past the record")
        << wmfEnd(wmfStart().add(PolyPolygon, Params().u16(65535).u16(65535).u16(65535)));
    QTest::newRow("wmf text count past the record") << wmfEnd(wmfStart().add(TextOut, Params().s16(32000).bytes("ab")));
    QTest::newRow("wmf ExtTextOut negative count")
        << wmfEnd(wmfStart().add(ExtTextOut, Params().s16(10).s16(10).s16(-4).u16(0).bytes("abcd")));
    QTest::newRow("wmf ExtTextOut spacing array cut short")
        << wmfEnd(wmfStart().add(ExtTextOut, wmfExtTextOut({10, 10}, "abcd", {30})));
    FontStyle wide;
    wide.width = 32767;
    wide.escapement = -32768;
    QTest::newRow("wmf text of extreme size and spacing")
        << wmfEnd(wmfStart().font(-32768, QStringLiteral("DejaVu Sans"), wide).select(2).words(SetTextCharExtra, {32767})
                      .words(SetTextJustification, {1, -32768}).add(ExtTextOut, wmfExtTextOut({10, 10}, "a b"))
                      .font(1, QStringLiteral("DejaVu Sans"), wide).select(3).add(ExtTextOut, wmfExtTextOut({10, 10}, "a b", {32767, -32768, 32767})));
    WmfWriter deep = wmfStart();
    for (int i = 0; i < 20000; ++i)
        deep.add(SaveDc);
    deep.words(RestoreDc, {-32768}).words(RestoreDc, {32767}).words(RestoreDc, {1});
    QTest::newRow("wmf deep SaveDC nesting") << wmfEnd(deep);
    QTest::newRow("wmf huge embedded bitmap")
        << wmfEnd(wmfStart().add(StretchDib, Params().u32(0x00CC0020).u16(0).s16(2).s16(2).s16(0).s16(0).s16(50).s16(50).s16(0).s16(0).bytes(hugeDib())));
    QByteArray shortBits = packedDib(QImage(64, 64, QImage::Format_RGB32), 24).left(200);
    QTest::newRow("wmf bitmap bits cut short")
        << wmfEnd(wmfStart().add(DibBitBlt, Params().u32(0x00CC0020).s16(0).s16(0).s16(50).s16(50).s16(0).s16(0).bytes(shortBits)));
    WmfWriter full = wmfStart();
    for (int i = 0; i < 70000; ++i)
        full.pen(0, 1, 0);
    full.words(SelectObject, {-1}).words(DeleteObject, {-1});
    QTest::newRow("wmf object table exhausted") << wmfEnd(full);
    QTest::newRow("wmf giant coordinates") << wmfEnd(wmfStart().words(SetWindowExt, {1, 1})
                                                          .words(Ellipse, {32767, 32767, 1000, 1000})
                                                          .words(SetWindowExt, {100, 100}));
    QTest::newRow("wmf region with runaway scans")
        << wmfEnd(wmfStart().add(CreateRegion, Params().u16(0).s16(6).u32(0).s16(0).s16(30000).s16(0).s16(0).s16(0).s16(0).s16(0).u16(60000)));
}

void TestHostileMetafile::addEmfRows()
{
    using namespace emfrec;
    QTest::newRow("emf polygon count huge") << emfEnd(emfStart().add(Polygon, Params().rect32(QRect()).u32(0xffffffff).points32({{0, 0}})));
    QTest::newRow("emf poly-polygon counts overflow")
        << emfEnd(emfStart().add(PolyPolygon16, Params().rect32(QRect()).u32(2).u32(4).u32(0x80000000).u32(0x80000004).points16({{0, 0}, {1, 1}, {2, 2}, {3, 3}})));
    QTest::newRow("emf text offset past the record")
        << emfEnd(emfStart().add(ExtTextOutW, Params().rect32(QRect()).u32(1).f32(1).f32(1).s32(0).s32(0).u32(0x40000000).u32(0xfffffff0).u32(0).rect32(QRect()).u32(0)));
    QTest::newRow("emf text spacing offset past the record")
        << emfEnd(emfStart().add(ExtTextOutW, Params().rect32(QRect()).u32(1).f32(1).f32(1).s32(0).s32(0).u32(2).u32(76).u32(0x2000).rect32(QRect()).u32(0xfffffff0).u16('a').u16('b')));
    QTest::newRow("emf text spacing of two billion")
        << emfEnd(emfStart().add(ExtTextOutW, emfExtTextOut({10, 10}, QStringLiteral("abc"), {0x7fffffff, -0x7fffffff - 1, 0x7fffffff, 0x7fffffff, 0, 0}, 0x2000, QRect(), 2)));
    QTest::newRow("emf SmallTextOut count past the record")
        << emfEnd(emfStart().add(SmallTextOut, Params().s32(10).s32(10).u32(0x7fffffff).u32(0x300).u32(1).f32(1).f32(1).bytes("abcd")));
    QList<qint32> stacked(100000, 0);
    QTest::newRow("emf text of 100,000 characters in one place")
        << emfEnd(emfStart().add(ExtTextOutW, emfExtTextOut({10, 10}, QString(100000, QLatin1Char('W')), stacked)));
    Params extremeFont;
    extremeFont.u32(2).s32(-0x7fffffff - 1).s32(0x7fffffff).s32(0x7fffffff).s32(0).s32(400).u32(0).bytes(QByteArray(64, '\0'));
    QTest::newRow("emf text of extreme font size and justification")
        << emfEnd(emfStart().add(ExtCreateFontIndirectW, extremeFont).select(2).add(ExtTextOutA, emfExtTextOutA({10, 10}, "a b"))
                      .font(3, 1).select(3).add(SetTextJustification, Params().s32(0x7fffffff).s32(1)).add(ExtTextOutA, emfExtTextOutA({10, 10}, "a b")));
    QTest::newRow("emf bitmap offsets past the record")
        << emfEnd(emfStart().add(StretchDibits, Params().rect32(QRect()).s32(0).s32(0).s32(0).s32(0).s32(2).s32(2).u32(0xffffff00).u32(0x200).u32(80).u32(0xffffffff).u32(0).u32(0x00CC0020).s32(50).s32(50)));
    const QByteArray dib = hugeDib();
    QTest::newRow("emf huge embedded bitmap")
        << emfEnd(emfStart().add(StretchDibits, Params().rect32(QRect()).s32(0).s32(0).s32(0).s32(0).s32(2).s32(2).u32(80).u32(40).u32(120).u32(quint32(dib.size() - 40)).u32(0).u32(0x00CC0020).s32(50).s32(50).bytes(dib)));
    QTest::newRow("emf handle beyond the table") << emfEnd(emfStart().brush(0x00ffffff, qRgb(0, 0, 255)).select(0x00ffffff));
    QTest::newRow("emf world transform not finite")
        << emfEnd(emfStart().add(SetWorldTransform, Params().f32(qQNaN()).f32(0).f32(0).f32(std::numeric_limits<float>::infinity()).f32(0).f32(0)));
    EmfWriter deepEmf = emfStart();
    for (int i = 0; i < 20000; ++i)
        deepEmf.add(SaveDc);
    deepEmf.add(RestoreDc, Params().s32(-2147483647 - 1)).add(RestoreDc, Params().s32(1));
    QTest::newRow("emf deep SaveDC nesting") << emfEnd(deepEmf);
    QTest::newRow("emf clip region count huge")
        << emfEnd(emfStart().add(ExtSelectClipRgn, Params().u32(48).u32(5).u32(32).u32(1).u32(0x7fffffff).u32(16).rect32(QRect(0, 0, 10, 10)).rect32(QRect(0, 0, 100, 100))));
    QTest::newRow("emf dashed line across the world")
        << emfEnd(emfStart().pen(2, 1, 0, 0).select(2).add(MoveToEx, Params().s32(-8000000).s32(50)).add(LineTo, Params().s32(8000000).s32(50))
                      .pen(3, 1, 3, 0).select(3).add(MoveToEx, Params().s32(-8000000).s32(60)).add(LineTo, Params().s32(8000000).s32(60))
                      .pen(4, 0, 0, 0).select(4).add(MoveToEx, Params().s32(-2000000000).s32(70)).add(LineTo, Params().s32(2000000000).s32(70)));
}

void TestHostileMetafile::badRecordSkipped()
{
    QFETCH(QByteArray, bytes);
    const QString name = QStringLiteral("hostile-%1").arg(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'));
    writeSeed(bytes.startsWith("\x01\x00\x00\x00") ? QStringLiteral("fuzz_emf") : QStringLiteral("fuzz_wmf"), name, bytes);
    // A player stuck in a loop is caught by the test run's time limit.
    QString error;
    const QImage image = playMetafile(bytes, {100, 100}, &error);
    QVERIFY2(!image.isNull(), qPrintable(error));
    QVERIFY(pixelIs(image, 95, 95, Red));
    QVERIFY(pixelIs(image, 85, 85, Qt::white) || pixelIs(image, 85, 85, Qt::black));
}

// The file plays, the rest of it after the hostile records included,
// holding no more than ceiling bytes at once where that is watched.
void TestHostileMetafile::playsHoldingAtMost(const QByteArray &bytes, std::size_t ceiling)
{
    AllocationWatch watch;
    QString error;
    const QImage image = playMetafile(bytes, {100, 100}, &error);
    QVERIFY2(!image.isNull(), qPrintable(error));
    QVERIFY(pixelIs(image, 95, 95, Red));
    if (AllocationWatch::observing())
        QVERIFY2(watch.peakGrowth() < ceiling, qPrintable(QStringLiteral("%1 MB held at once").arg(watch.peakGrowth() >> 20)));
}

// Each record asks for a 16 MP pattern brush in 60 bytes, and every brush
// stays in the object table: 200 of them would hold 12.8 GB.
void TestHostileMetafile::bitmapsOfADrawingCostABoundedAmount()
{
    using namespace wmfrec;
    WmfWriter brushes = wmfStart();
    for (int i = 0; i < 200; ++i)
        brushes.add(DibCreatePatternBrush, Params().u16(5).u16(0).bytes(runLengthDibOf16Megapixels()));
    // No fuzz seed: 64 MP of decoding is slow in the fuzzing build.
    playsHoldingAtMost(wmfEnd(brushes), 2 * HostileFileAllocationCeiling);
}

// 16,384 horizontal strips, then 16,384 vertical ones combined with them:
// 268 million rectangles (4 GB) if the two were combined as they stand.
void TestHostileMetafile::crossingStripsClipCostABoundedAmount()
{
    using namespace emfrec;
    QList<QRect> rows, columns;
    for (int i = 0; i < 16384; ++i) {
        rows.append(QRect(0, 2 * i, 100000, 1));
        columns.append(QRect(2 * i, 0, 1, 100000));
    }
    playsHoldingAtMost(emfEnd(emfStart().add(ExtSelectClipRgn, clipRegion(rows, 5)).add(ExtSelectClipRgn, clipRegion(columns, 1))
                                  .add(ExtSelectClipRgn, Params().u32(0).u32(5))),
                       HostileFileAllocationCeiling);
}

void TestHostileMetafile::storedCrashersPlayCleanly()
{
    // Files the fuzzers once broke the player with, named after the symptom;
    // the sanitizer build also catches leaks they caused.
    const QString folder = QFINDTESTDATA("data");
    QVERIFY(!folder.isEmpty());
    const QStringList names = QDir(folder).entryList(QDir::Files);
    QVERIFY(names.size() >= 2);
    for (const QString &name : names) {
        QFile file(QDir(folder).filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString error;
        const QImage image = playMetafile(file.readAll(), {100, 100}, &error);
        QVERIFY2(!image.isNull() || !error.isEmpty(), qPrintable(name + ": neither played nor refused"));
    }
}

QTEST_MAIN(TestHostileMetafile)
#include "tst_hostilemetafile.moc"
