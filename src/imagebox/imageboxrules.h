// The image control's rules: depths, extensions and picture placement.
#pragma once

#include "imaging/imagelibrary.h"

#include <QRect>
#include <QSize>
#include <QString>

enum class TLoadResolution { lColorVga, lMonoChrome, lColor16, lColor256, lColorTrue, lAutoMatic };
enum class TSaveResolution { sColorVga, sMonoChrome, sColor16, sColor256, sColorTrue, sJpegGray, sAutoMatic };
enum class TTiffCompression { sNONE, sCCITT, sLZW, sPACKBITS };
enum class SaveKind { Bmp, Gif, Jpeg, Pcx, Png, Tiff };

// The depth a read or scan asks for.
int readDepth(TLoadResolution resolution, int screenClass);
// The depth a write asks for, by format.
int writeDepth(TSaveResolution resolution, SaveKind kind, int screenClass);

// The extension that picks the reader: with its dot, upper-cased, cut to
// four characters (".jpeg" gives ".JPE", ".tiff" ".TIF").
QString loadExtension(const QString &fileName);

struct RasterReader
{
    imagelib::FileFormat format;
    const char *name;   // as messages spell the format: "bmp", "jpg", ...
};

// The library reader for a load extension; null when none reads it.
// ".JPE" (a .jpeg or .jpe file) is read as JPEG.
const RasterReader *rasterReaderFor(const QString &extension);

// ".ICO", ".WMF" and ".EMF" files are pictures the library does not read.
bool isVectorExtension(const QString &extension);

// Where a picture is drawn when its aspect ratio is kept: as large as fits
// the client, centred; the whole client when either size is zero.
QRect stretchRatioRect(QSize client, QSize picture);

// Where a picture drawn at its own size sits: centred (offsets truncated
// toward zero, negative when it is larger) or at the origin.
QRect naturalRect(QSize client, QSize picture, bool center);
