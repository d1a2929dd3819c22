// Picture files for the printing tests, written by the tests themselves.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <QString>

namespace printtest {
// A picture of size in one colour, in the format the extension names.
void writePicture(const QString &path, QSize size, const QColor &colour = Qt::red);
// A placeable metafile of 100 x 50 pixels holding one rectangle.
QByteArray rectangleMetafile();
}
