// libFuzzer harness for the enhanced metafile player. The header type and
// signature are forced on every input so that mutations explore the records
// rather than the format check; the result is played into a small bitmap.
#include "imaging/picture/metafile.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtEndian>
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
    if (size < 88)
        return 0;
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    qToLittleEndian<quint32>(1, bytes.data());
    bytes.replace(40, 4, " EMF");
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
