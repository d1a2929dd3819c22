#include "printtestfiles.h"

#include <QFile>
#include <QImage>

namespace printtest {
void writePicture(const QString &path, QSize size, const QColor &colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    image.save(path);
}

QByteArray rectangleMetafile()
{
    QByteArray wmf;
    auto put16 = [&wmf](quint16 v) { wmf.append(char(v & 0xFF)).append(char(v >> 8)); };
    auto put32 = [&](quint32 v) { put16(quint16(v & 0xFFFF)); put16(quint16(v >> 16)); };
    // Placeable header: bounds 0,0 .. 100,50 at 96 units per inch.
    const quint16 header[] = {0xCDD7, 0x9AC6, 0, 0, 0, 100, 50, 96, 0, 0};
    quint16 checksum = 0;
    for (quint16 word : header)
        checksum ^= word;
    for (quint16 word : header)
        put16(word);
    put16(checksum);
    const quint16 records[] = {
        5, 0, 0x020B, 0, 0,             // SetWindowOrg 0, 0
        5, 0, 0x020C, 50, 100,          // SetWindowExt 100 x 50
        7, 0, 0x041B, 40, 90, 10, 10,   // Rectangle 10,10 .. 90,40
        3, 0, 0,                        // end
    };
    const quint32 words = 9 + sizeof(records) / sizeof(records[0]);
    put16(1); put16(9); put16(0x300); put32(words); put16(0); put32(7); put16(0);
    for (quint16 word : records)
        put16(word);
    return wmf;
}
} // namespace printtest
