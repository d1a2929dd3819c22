// Helpers shared by the picture tests: playing generated metafiles into
// images and reading colours back.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

// Plays bytes (loaded as a metafile) into a white image of size; a null
// image when loading fails, with the reason in *error.
QImage playMetafile(const QByteArray &bytes, QSize size, QString *error = nullptr);

// True when the pixel at (x, y) is within tolerance of color on each channel.
bool pixelIs(const QImage &image, int x, int y, QColor color, int tolerance = 8);

// Number of pixels in rect that differ from white.
int inkedPixels(const QImage &image, const QRect &rect);
