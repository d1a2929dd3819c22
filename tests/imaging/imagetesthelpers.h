// Generated pictures, independent decoders and seed files for the imaging tests.
#pragma once

#include "imaging/imagelibrary.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace imagetest {

// A picture with smooth gradients and a sharp pattern: many colours.
QImage gradientPicture(int width, int height);
// Smooth gradients only: what JPEG keeps well.
QImage smoothPicture(int width, int height);
// A picture of exactly `colours` distinct colours in blocks.
QImage blockPicture(int width, int height, int colours);

// The picture as another program decodes it (8-bit RGB, transparency over
// white): ImageMagick's convert, or GraphicsMagick's gm convert.
QImage decodeWithImageMagick(const QString &path);
QImage decodeWithGraphicsMagick(const QString &path);
// Runs a program; true when it exits with 0. Its error output goes to *error.
bool runProgram(const QString &program, const QStringList &arguments, QString *error = nullptr);
// Writes picture as a binary PPM, the neutral input for other programs.
bool writePpm(const QString &path, const QImage &picture);

// Number of pixels whose RGB values differ, and the mean absolute difference
// per channel; both compare same-sized pictures of any format.
qint64 differingPixels(const QImage &a, const QImage &b);
double meanDifference(const QImage &a, const QImage &b);
// Every pixel of `read` has the palette index and colour of `expected`.
bool sameIndexes(const QImage &read, const QImage &expected, QString *why);

QByteArray fileBytes(const QString &path);
bool writeBytes(const QString &path, const QByteArray &bytes);

// When PIXMOOR_SEED_DIR is set, copies the file into $PIXMOOR_SEED_DIR/harness/
// as a seed for that fuzz harness.
void offerSeed(const QString &harness, const QString &path);
QString harnessFor(imagelib::FileFormat format);
QString extensionFor(imagelib::FileFormat format);

// Writes picture in format at depth with the library's defaults (JPEG quality
// 90, TIFF uncompressed, PNG not interlaced).
imagelib::Result writeAs(imagelib::FileFormat format, const QString &path, int depth, const QImage &picture);

} // namespace imagetest
