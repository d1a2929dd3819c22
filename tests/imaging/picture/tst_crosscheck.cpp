// Our rendering compared with independent converters: wmf2svg and
// emf2svg-conv turn the same generated files into SVG, rsvg-convert
// rasterises that, and the two pictures must agree region by region on the
// features both tools draw (solid fills of rectangles, ellipses, polygons).
#include "metafilewriter.h"
#include "picturetesting.h"
#include "support/testenvironment.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

// SVG's named colours, which wmf2svg writes instead of the exact values.
const QRgb Red = qRgb(255, 0, 0), Green = qRgb(0, 128, 0), Blue = qRgb(0, 0, 255), Yellow = qRgb(255, 215, 0),
           Gray = qRgb(211, 211, 211);
constexpr int Side = 120;

QByteArray sampleWmf()
{
    using namespace wmfrec;
    WmfWriter w;
    w.window(QRect(0, 0, 1200, 1200)).pen(5, 0, 0).select(0);
    // wmf2svg frames the drawing's own bounds: a background makes them the frame.
    w.brush(Gray).select(1).shape(Rectangle, QRect(0, 0, 1200, 1200)).words(DeleteObject, {1});
    w.brush(Blue).select(1).shape(Rectangle, QRect(100, 100, 500, 300));
    w.brush(Red).select(2).shape(Ellipse, QRect(700, 100, 400, 400));
    w.brush(Green).select(3).add(Polygon, Params().s16(3).points16({{100, 1100}, {600, 1100}, {350, 600}}));
    w.brush(Yellow).select(4).words(RoundRect, {100, 100, 1100, 1100, 700, 700});
    return w.placeable(QRect(0, 0, 1200, 1200), 1200);
}

QByteArray sampleEmf()
{
    using namespace emfrec;
    EmfWriter w(QRect(0, 0, Side, Side));
    w.select(Stock | 8);
    w.brush(5, Gray).select(5).shape(Rectangle, QRect(0, 0, Side, Side));
    w.brush(1, Blue).select(1).shape(Rectangle, QRect(10, 10, 50, 30));
    w.brush(2, Red).select(2).shape(Ellipse, QRect(70, 10, 40, 40));
    w.brush(3, Green).select(3).add(Polygon, Params().rect32(QRect()).u32(3).points32({{10, 110}, {60, 110}, {35, 60}}));
    w.brush(4, Yellow).select(4).add(RoundRect, Params().rect32(QRect(70, 70, 40, 40)).s32(10).s32(10));
    return w.bytes();
}

// Runs program with arguments; false when it is missing or fails.
bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QImage rasterise(const QString &svg, const QString &png)
{
    if (!run(QStringLiteral("rsvg-convert"), {QStringLiteral("-w"), QString::number(Side), QStringLiteral("-h"),
                                              QString::number(Side), QStringLiteral("-b"), QStringLiteral("white"),
                                              QStringLiteral("-o"), png, svg}))
        return {};
    return QImage(png).convertToFormat(QImage::Format_RGB32);
}

// The mean colour of a cell of the image.
QColor meanColor(const QImage &image, const QRect &cell)
{
    qint64 r = 0, g = 0, b = 0, n = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x, ++n) {
            const QRgb c = image.pixel(x, y);
            r += qRed(c), g += qGreen(c), b += qBlue(c);
        }
    return QColor(int(r / n), int(g / n), int(b / n));
}

// Cells of 10 x 10 pixels whose mean colours differ by more than tolerance.
int differingCells(const QImage &a, const QImage &b, int tolerance)
{
    int differing = 0;
    for (int y = 0; y + 10 <= Side; y += 10)
        for (int x = 0; x + 10 <= Side; x += 10) {
            const QColor ca = meanColor(a, QRect(x, y, 10, 10)), cb = meanColor(b, QRect(x, y, 10, 10));
            if (qAbs(ca.red() - cb.red()) > tolerance || qAbs(ca.green() - cb.green()) > tolerance
                || qAbs(ca.blue() - cb.blue()) > tolerance)
                ++differing;
        }
    return differing;
}

// The inside of each shape must match exactly; edges may sit a pixel apart
// (emf2svg strokes shapes drawn with the null pen, and it rounds corners with
// twice the radius GDI uses), so whole cells are compared with a margin.
void compareWith(const QImage &theirs, const QImage &ours)
{
    for (const QPoint &p : {QPoint(30, 20), QPoint(90, 30), QPoint(35, 95), QPoint(90, 90)})
        QVERIFY2(pixelIs(ours, p.x(), p.y(), theirs.pixelColor(p), 12), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    const int differing = differingCells(ours, theirs, 40);
    QVERIFY2(differing <= 8, qPrintable(QString::number(differing)));
}

void requireTool(const QString &tool)
{
    if (QStandardPaths::findExecutable(tool).isEmpty())
        QSKIP(qPrintable(tool + QStringLiteral(" is not installed")));
}

} // namespace

class TestCrossCheck : public QObject
{
    Q_OBJECT
private slots:
    void wmfAgreesWithWmf2svg();
    void emfAgreesWithEmf2svg();
};

void TestCrossCheck::wmfAgreesWithWmf2svg()
{
    requireTool(QStringLiteral("wmf2svg"));
    requireTool(QStringLiteral("rsvg-convert"));
    TestEnvironment environment;
    const QByteArray bytes = sampleWmf();
    writeSeed(QStringLiteral("fuzz_wmf"), QStringLiteral("crosscheck.wmf"), bytes);
    const QString wmf = environment.root() + QStringLiteral("/sample.wmf");
    const QString svg = environment.root() + QStringLiteral("/sample.svg");
    TestEnvironment::writeFile(wmf, bytes);
    // libwmf insists on PostScript fonts; a font map pointing every one of
    // them at DejaVu Sans lets it run where those are not installed.
    const QString fontmap = environment.root() + QStringLiteral("/Fontmap");
    QByteArray map;
    for (const char *name : {"Times-Roman", "Times-Italic", "Times-Bold", "Times-BoldItalic", "Helvetica",
                             "Helvetica-Oblique", "Helvetica-Bold", "Helvetica-BoldOblique", "Courier",
                             "Courier-Oblique", "Courier-Bold", "Courier-BoldOblique", "Symbol"})
        map += QByteArray("/") + name + " (/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf) ;\n";
    TestEnvironment::writeFile(fontmap, map);
    QVERIFY(run(QStringLiteral("wmf2svg"), {QStringLiteral("--wmf-gs-fontmap=") + fontmap, QStringLiteral("-o"), svg, wmf}));
    const QImage theirs = rasterise(svg, environment.root() + QStringLiteral("/theirs.png"));
    QVERIFY(!theirs.isNull());
    compareWith(theirs, playMetafile(bytes, {Side, Side}));
}

void TestCrossCheck::emfAgreesWithEmf2svg()
{
    requireTool(QStringLiteral("emf2svg-conv"));
    requireTool(QStringLiteral("rsvg-convert"));
    TestEnvironment environment;
    const QByteArray bytes = sampleEmf();
    writeSeed(QStringLiteral("fuzz_emf"), QStringLiteral("crosscheck.emf"), bytes);
    const QString emf = environment.root() + QStringLiteral("/sample.emf");
    const QString svg = environment.root() + QStringLiteral("/sample.svg");
    TestEnvironment::writeFile(emf, bytes);
    QVERIFY(run(QStringLiteral("emf2svg-conv"), {QStringLiteral("-i"), emf, QStringLiteral("-o"), svg}));
    const QImage theirs = rasterise(svg, environment.root() + QStringLiteral("/theirs.png"));
    QVERIFY(!theirs.isNull());
    compareWith(theirs, playMetafile(bytes, {Side, Side}));
}

QTEST_MAIN(TestCrossCheck)
#include "tst_crosscheck.moc"
