// The imaging library: read, describe and write BMP/DIB, JPEG, GIF, TIFF,
// PCX and PNG files at a chosen colour depth.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QtGlobal>

#include <optional>

class QObject;

namespace imagelib {

// Every operation returns a code: 1 or more is success, anything else an
// error whose text errorText() gives. Callers show that text in an error box.
using Result = int;
constexpr Result Success = 1;
// A success code of the scanner calls: another acquire or source selection
// was running, so this one did nothing (and `out` stays null).
constexpr Result AlreadyRunning = 2;

enum ErrorCode : int {
    CannotOpen = -1,     // file missing or not readable
    ReadFailed = -2,     // I/O error or file ends early
    BadFormat = -3,      // not a file of this format, or damaged
    TooLarge = -4,       // beyond the size limits
    OutOfMemory = -5,
    CannotWrite = -6,    // target not writable, disk full
    Unsupported = -7,    // a variant of the format we do not handle
    BadDepth = -8,       // a depth other than 0, 1, 4, 8, 24
    BadArgument = -9,    // quality, compression or image out of range
    ScannerBusy = -10,
    NoScanner = -11,
    ScanFailed = -12,
    ScanCancelled = -13,
};

// The library's message table. Unknown codes get a generic text.
QString errorText(Result code);

inline bool succeeded(Result code) { return code >= 1; }

enum class FileFormat { Bmp, Jpeg, Gif, Tiff, Pcx, Png };

// The format of a file name by its extension (.bmp .dib .jpg .jpeg .jpe
// .gif .tif .tiff .pcx .png, any case); nothing for other names.
std::optional<FileFormat> formatFromFileName(const QString &fileName);

// Depths the library takes: 0, 1, 4, 8 and 24.
bool isValidDepth(int depth);

// The depth that suits a screen of the given bits per pixel: 4 or fewer
// gives 4, 5 to 15 gives 8, 16 or more gives 24.
int screenDepthClass(int screenBitsPerPixel);

// TIFF compression by its tag value. CCITT (modified Huffman run lengths)
// exists for black and white only: a deeper image asked for with CCITT is
// written with LZW, which keeps every colour, rather than refused or
// reduced to black and white.
enum class TiffCompression : quint16 { None = 1, Ccitt = 2, Lzw = 5, PackBits = 32773 };

// Decoded images larger than this are refused with TooLarge.
struct Limits
{
    int maxSide = 16384;
    qint64 maxPixels = 200'000'000;
};

struct ReadOptions
{
    // 0 = the standard 16-colour VGA palette, 1 = black and white,
    // 4 = 16 colours, 8 = 256 colours, 24 = true colour.
    int depth = 24;
    bool dither = true;
    // When valid, the decoder may return a smaller image that is still at
    // least this large in both directions (JPEG DCT scaling, sampled rows);
    // the caller stretches it further. Invalid: full size.
    QSize atLeast;
    // With atLeast: the picture is reduced evenly in both directions, only
    // as far as its proportions fitted into atLeast allow.
    bool keepAspect = false;
    Limits limits;
    // Turn JPEG pictures upright by their orientation tag. Pictures inside
    // metafiles are drawn as stored, as the system that wrote them does.
    bool upright = true;
};

// Reads path as format. On success `out` holds the picture: depth 24 gives
// QImage::Format_RGB32; depths 0, 1, 4 and 8 give Format_Indexed8 with a
// colour table of at most 16, 2, 16 and 256 entries. JPEG orientation tags
// are applied, so the picture is upright. Transparent parts are laid over
// white. A file that already fits the depth keeps its palette and indexes.
// On failure `out` is null.
Result readImage(const QString &path, FileFormat format, const ReadOptions &options, QImage &out);

// readImage on a file's bytes held in memory (the same decoders and checks).
Result readImageData(const uchar *data, qint64 size, FileFormat format, const ReadOptions &options,
                     QImage &out);

// A picture embedded in another file (an icon's PNG entry, a metafile's
// JPEG or PNG bitmap) as the file holds it: ARGB32 with its transparency,
// not turned by an orientation tag, through the same decoders and limits
// as readImage.
Result decodeEmbeddedImage(const uchar *data, qint64 size, FileFormat format, const Limits &limits, QImage &out);

// The picture at a depth as readImage delivers it: RGB32 for 24, otherwise
// Indexed8 with the VGA palette (0), black and white (1) or a palette chosen
// for the picture (4, 8). dither selects error diffusion. A picture whose
// colours already fit keeps them exactly. Null for a bad depth or image.
QImage convertToDepth(const QImage &image, int depth, bool dither);

struct ImageInfo
{
    QString typeCode;      // "BMP", "JPG", "GIF", "TIF", "PCX", "PNG"
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int xResolution = 0;   // dots per inch, 0 when the file does not say
    int yResolution = 0;
    QString formatName;    // e.g. "Windows Bitmap", "JPEG JFIF"
};

// Describes the file at path, recognising its format by content. Width
// and height are those readImage delivers (JPEG orientation applied).
Result readImageInfo(const QString &path, ImageInfo &info);
Result readImageInfoData(const uchar *data, qint64 size, ImageInfo &info);

// Writers. depth as for ReadOptions; the picture is converted to it first
// (palettes for 4 and 8 bits are chosen for the picture). A write goes to a
// temporary file in the target folder that replaces the target only when
// complete: a failed write never leaves a partial file or harms an old one.
Result writeBmp(const QString &path, int depth, const QImage &image);
Result writeGif(const QString &path, int depth, const QImage &image);           // depth <= 8
Result writePcx(const QString &path, int depth, const QImage &image);
Result writePng(const QString &path, int depth, bool interlace, const QImage &image);
// quality 1..100, smoothing 0..100; depth 1 writes a greyscale JPEG, any other 24.
Result writeJpeg(const QString &path, int quality, int smoothing, int depth, const QImage &image);
Result writeTiff(const QString &path, TiffCompression compression, int depth, const QImage &image);

// Scanner entry points (see scannerbackend.h for the pluggable backend).
struct AcquireOptions
{
    int depth = 24;
    bool dither = true;
    bool showSourceDialog = true;   // let the source show its own dialog
};

// Acquires one image from the installed backend, at the asked depth. With no
// backend installed: NoScanner. While an acquire or a source selection runs
// (a backend may run an event loop), a further call returns AlreadyRunning
// at once and calls nothing. owner is the window that asks, for dialogs.
Result acquireImage(QObject *owner, const AcquireOptions &options, QImage &out);
// Lets the user choose the source; the same busy rule as acquireImage.
Result selectScanSource(QObject *owner);

} // namespace imagelib
