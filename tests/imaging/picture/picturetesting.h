// Helpers shared by the picture tests: playing generated metafiles into
// images and reading colours back.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

// Plays bytes (loaded as a metafile) into a white image of size; a null
// image when loading fails, with the reason in *error.
QImage playMetafile(const QByteArray &bytes, QSize size, QString *error = nullptr);

// True when the pixel at (x, y) is within tolerance of color on each channel.
bool pixelIs(const QImage &image, int x, int y, QColor color, int tolerance = 8);

// Number of pixels in rect that differ from white.
int inkedPixels(const QImage &image, const QRect &rect);

// Where glyphs landed: the runs of columns (Qt::Horizontal) or rows
// (Qt::Vertical) of area holding ink darker than mid-grey, each given by
// the centre of its ink weighted by darkness.
QList<qreal> inkCentres(const QImage &image, Qt::Orientation orientation, const QRect &area);

// The smallest rectangle of area holding every pixel darker than mid-grey.
QRect inkBounds(const QImage &image, const QRect &area);

// Consecutive differences of positions.
QList<qreal> steps(const QList<qreal> &positions);

// True when the lists are as long and each value within tolerance.
bool near(const QList<qreal> &actual, const QList<qreal> &expected, qreal tolerance);

// The values for a failure message.
QString listed(const QList<qreal> &values);
