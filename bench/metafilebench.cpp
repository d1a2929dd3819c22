// Times playing metafiles of 10,000 records into a 300 x 300 bitmap: a WMF
// and an EMF mixing object changes, shapes, polylines, clipping, bitmaps and
// text. Prints the median of the runs and fails above the limit.
#include "imaging/picture/metafile.h"
#include "metafilewriter.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int Records = 10000;

QRect randomBox(QRandomGenerator &random)
{
    const int x = random.bounded(900), y = random.bounded(900);
    return QRect(x, y, 10 + random.bounded(90), 10 + random.bounded(90));
}

QByteArray makeWmf()
{
    using namespace wmfrec;
    QRandomGenerator random(7);
    const QByteArray dib = packedDib(QImage(8, 8, QImage::Format_RGB32), 24);
    WmfWriter w;
    w.window(QRect(0, 0, 1000, 1000)).font(-30).select(0);
    while (w.recordCount() < Records) {
        const QRgb color = random.generate() | 0xff000000;
        const int step = w.recordCount() % 10;
        if (step == 0)
            w.words(DeleteObject, {1}).brush(color).select(1);
        else if (step == 1)
            w.words(DeleteObject, {2}).pen(0, qint16(random.bounded(4)), color).select(2);
        else if (step < 5)
            w.shape(step == 3 ? Ellipse : Rectangle, randomBox(random));
        else if (step < 7)
            w.add(Polyline, Params().s16(4).points16({randomBox(random).topLeft(), randomBox(random).topLeft(),
                                                      randomBox(random).topLeft(), randomBox(random).topLeft()}));
        else if (step == 7 && w.recordCount() % 50 == 7)
            w.add(TextOut, Params().s16(6).bytes("Pixmoor").s16(qint16(random.bounded(1000))).s16(qint16(random.bounded(1000))));
        else if (step == 8 && w.recordCount() % 100 == 8)
            w.add(StretchDib, Params().u32(0x00CC0020).u16(0).s16(8).s16(8).s16(0).s16(0).s16(50).s16(50)
                                  .s16(qint16(random.bounded(900))).s16(qint16(random.bounded(900))).bytes(dib));
        else
            w.words(LineTo, {qint16(random.bounded(1000)), qint16(random.bounded(1000))});
    }
    return w.placeable(QRect(0, 0, 1000, 1000), 1000);
}

QByteArray makeEmf()
{
    using namespace emfrec;
    QRandomGenerator random(11);
    EmfWriter w(QRect(0, 0, 1000, 1000));
    w.font(3, -30).select(3);
    while (w.recordCount() < Records) {
        const QRgb color = random.generate() | 0xff000000;
        const int step = w.recordCount() % 10;
        if (step == 0)
            w.brush(1, color).select(1);
        else if (step == 1)
            w.pen(2, 0, random.bounded(4), color).select(2);
        else if (step < 5)
            w.shape(step == 3 ? Ellipse : Rectangle, randomBox(random));
        else if (step < 7)
            w.add(Polyline16, Params().rect32(QRect()).u32(3).points16({randomBox(random).topLeft(),
                                                                       randomBox(random).topLeft(),
                                                                       randomBox(random).center()}));
        else if (step == 7 && w.recordCount() % 40 == 7)
            w.add(SaveDc).shape(IntersectClipRect, randomBox(random).adjusted(0, 0, 200, 200));
        else if (step == 8 && w.recordCount() % 40 == 8)
            w.add(RestoreDc, Params().s32(-1));
        else
            w.add(LineTo, Params().s32(random.bounded(1000)).s32(random.bounded(1000)));
    }
    return w.bytes();
}

double medianMilliseconds(const Metafile &metafile, int runs)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QImage image(300, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        QElapsedTimer timer;
        timer.start();
        {
            QPainter painter(&image);
            metafile.play(painter, QRectF(0, 0, 300, 300));
        }
        times.append(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times playing 10,000-record metafiles into 300 x 300 pixels."));
    parser.addHelpOption();
    QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Repetitions."), QStringLiteral("n"),
                                  QStringLiteral("9"));
    QCommandLineOption limitOption(QStringLiteral("limit"), QStringLiteral("Milliseconds allowed."),
                                   QStringLiteral("ms"), QStringLiteral("50"));
    parser.addOptions({runsOption, limitOption});
    parser.process(application);
    const int runs = qMax(1, parser.value(runsOption).toInt());
    const double limit = parser.value(limitOption).toDouble();

    bool withinLimit = true;
    const QList<QPair<const char *, QByteArray>> files = {{"wmf", makeWmf()}, {"emf", makeEmf()}};
    for (const auto &[name, bytes] : files) {
        QString error;
        const auto metafile = Metafile::load(bytes, &error);
        if (!metafile) {
            std::fprintf(stderr, "%s: %s\n", name, qPrintable(error));
            return 2;
        }
        const double ms = medianMilliseconds(*metafile, runs);
        std::printf("%s: %d records, median of %d runs: %.2f ms (limit %.0f ms)\n", name, metafile->recordCount(),
                    runs, ms, limit);
        withinLimit = withinLimit && ms <= limit;
    }
    return withinLimit ? 0 : 1;
}
