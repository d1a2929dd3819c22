// Times the thumbnail decode of a JPEG through the imaging library: readImage
// with atLeast 70 x 70, which lets libjpeg scale in the DCT domain.
// Usage: pxjpegthumb FILE [RUNS]; prints the median milliseconds per decode.
#include "imaging/imagelibrary.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: pxjpegthumb FILE [RUNS]\n");
        return 2;
    }
    const int runs = args.size() > 2 ? qMax(1, args[2].toInt()) : 20;
    imagelib::ReadOptions options;
    options.atLeast = QSize(70, 70);
    std::vector<double> times;
    QImage image;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const imagelib::Result result = imagelib::readImage(args[1], imagelib::FileFormat::Jpeg, options, image);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!imagelib::succeeded(result)) {
            std::fprintf(stderr, "pxjpegthumb: %s\n", qPrintable(imagelib::errorText(result)));
            return 1;
        }
    }
    std::sort(times.begin(), times.end());
    std::printf("%.2f ms median of %d decodes to %dx%d\n", times[times.size() / 2], runs, image.width(),
                image.height());
    return 0;
}
