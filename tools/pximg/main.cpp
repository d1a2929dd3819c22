// pximg: a developer's shell front end to the imaging library.
//   pximg info FILE
//   pximg convert IN OUT --format bmp|gif|jpg|pcx|png|tif --depth 0|1|4|8|24|gray
//         [--dither] [--quality Q] [--smooth S] [--tiff none|ccitt|lzw|packbits] [--interlace]
//   pximg render IN OUT.png --size WxH   (an .ico, .wmf or .emf file, drawn as thumbnails are)
// Exit status 0 on success, 1 with the library's error text, 2 for bad usage.
#include "convertcommand.h"
#include "pximgrender.h"

#include "imaging/imagelibrary.h"

#include <QGuiApplication>
#include <QFileInfo>
#include <QTextStream>

namespace {

int usage(const QString &reason)
{
    QTextStream err(stderr);
    err << "pximg: " << reason << "\n"
        << "usage: pximg info FILE\n"
        << "       pximg convert IN OUT --format bmp|gif|jpg|pcx|png|tif --depth 0|1|4|8|24|gray\n"
        << "             [--dither] [--quality Q] [--smooth S] [--tiff none|ccitt|lzw|packbits] [--interlace]\n"
        << "       pximg render IN OUT.png --size WxH\n";
    return 2;
}

int failed(imagelib::Result result)
{
    QTextStream(stderr) << "pximg: " << imagelib::errorText(result) << "\n";
    return 1;
}

int info(const QString &path)
{
    imagelib::ImageInfo info;
    const imagelib::Result result = imagelib::readImageInfo(path, info);
    if (!imagelib::succeeded(result))
        return failed(result);
    QTextStream out(stdout);
    out << "type: " << info.typeCode << "\n"
        << "format: " << info.formatName << "\n"
        << "width: " << info.width << "\n"
        << "height: " << info.height << "\n"
        << "bits per pixel: " << info.bitsPerPixel << "\n"
        << "resolution: " << info.xResolution << " x " << info.yResolution << " dpi\n"
        << "file size: " << QFileInfo(path).size() << "\n";
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Metafile text needs fonts, which need a GUI application; no window
    // is ever shown, so the offscreen platform serves everywhere.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList words = app.arguments().mid(1);
    if (words.value(0) == QLatin1String("render"))
        return runRenderCommand(words.mid(1));
    if (words.size() == 2 && words[0] == QLatin1String("info"))
        return info(words[1]);
    if (words.value(0) != QLatin1String("convert"))
        return usage(QStringLiteral("unknown command"));
    ConvertCommand command;
    QString error;
    if (!command.parse(words.mid(1), &error))
        return usage(error);
    const imagelib::Result result = command.run();
    return imagelib::succeeded(result) ? 0 : failed(result);
}
