// libFuzzer harness for the Windows metafile player: the input is loaded as
// a .wmf file would be and played into a small bitmap. Inputs that carry
// the enhanced-metafile signature are left to fuzz_emf.
#include "imaging/picture/metafile.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Text needs fonts, and fonts need a GUI application. It lives until the
    // process ends: tearing down the font database leaks inside fontconfig.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    if (bytes.size() >= 44 && bytes.mid(40, 4) == " EMF")
        return 0;
    QString error;
    const auto metafile = Metafile::load(bytes, &error);
    if (!metafile)
        return 0;
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    metafile->play(painter, QRectF(0, 0, 63, 47));
    return 0;
}
