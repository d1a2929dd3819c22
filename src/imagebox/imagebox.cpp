// The image control: loading, writing and its properties.
#include "imagebox/imagebox.h"

#include "platform/prompter.h"

#include <QFileInfo>

namespace {
const char *writeName(SaveKind kind)
{
    switch (kind) {
    case SaveKind::Bmp: return "bmp";
    case SaveKind::Gif: return "gif";
    case SaveKind::Jpeg: return "jpg";
    case SaveKind::Pcx: return "pcx";
    case SaveKind::Png: return "png";
    case SaveKind::Tiff: return "tif";
    }
    return "";
}

imagelib::TiffCompression tiffCompression(TTiffCompression compression)
{
    switch (compression) {
    case TTiffCompression::sNONE: return imagelib::TiffCompression::None;
    case TTiffCompression::sCCITT: return imagelib::TiffCompression::Ccitt;
    case TTiffCompression::sLZW: return imagelib::TiffCompression::Lzw;
    case TTiffCompression::sPACKBITS: return imagelib::TiffCompression::PackBits;
    }
    return imagelib::TiffCompression::None;
}
} // namespace

TImageBox::TImageBox(Prompter *prompter, QWidget *parent)
    : QWidget(parent), m_prompter(prompter), m_color(palette().color(QPalette::Button))
{
    resize(105, 105);
    setFocusPolicy(Qt::ClickFocus);
}

bool TImageBox::setImageName(const QString &name)
{
    m_imageName = name;
    m_lastError.clear();
    const QString extension = loadExtension(name);
    if (!QFileInfo(name).isFile()) {
        m_picture = {};
        m_status = QStringLiteral("file not found");
        pictureChanged();
        return true;
    }
    if (isVectorExtension(extension))
        return loadVector();
    if (!loadRaster(extension)) {
        // A file no reader takes must not keep the previous file's picture
        // on show under the new name.
        m_picture = {};
        pictureChanged();
    }
    m_status = name.toUpper();
    return true;
}

bool TImageBox::loadRaster(const QString &extension)
{
    const RasterReader *reader = rasterReaderFor(extension);
    if (!reader)
        return false;
    m_picture = {};
    imagelib::ReadOptions options;
    options.depth = readDepth(ImageReadRes, screenClass());
    options.dither = ImageDither;
    options.atLeast = decodeAtLeast;
    QImage image;
    const imagelib::Result result = imagelib::readImage(m_imageName, reader->format, options, image);
    if (!imagelib::succeeded(result)) {
        report(imagelib::errorText(result),
               QStringLiteral("Reading %1 file failed").arg(QLatin1String(reader->name)));
        image = QImage();
    }
    m_picture = Picture::fromBitmap(image);
    pictureChanged();
    refreshRasterInfo();
    return true;
}

bool TImageBox::loadVector()
{
    m_picture = {};
    QString error;
    const bool loaded = m_picture.load(m_imageName, &error);
    m_status = QStringLiteral("Non TIF, JPeg, BMP, GIF, PNG or PCX Image");
    pictureChanged();
    if (!loaded) {
        m_lastError = error;
        return false;
    }
    refreshVectorInfo(loadExtension(m_imageName));
    return true;
}

void TImageBox::refreshRasterInfo()
{
    m_info = {};
    const imagelib::Result result = imagelib::readImageInfo(m_imageName, m_info);
    if (!imagelib::succeeded(result) && m_prompter)
        m_prompter->error(imagelib::errorText(result));
    refreshFileSize();
}

void TImageBox::refreshVectorInfo(const QString &extension)
{
    m_info = {};
    m_info.typeCode = extension.mid(1);
    m_info.formatName = m_info.typeCode;
    m_info.width = m_picture.width();
    m_info.height = m_picture.height();
    refreshFileSize();
}

void TImageBox::refreshFileSize()
{
    m_fileSize = QFileInfo(m_imageName).size();
}

void TImageBox::report(const QString &errorText, const QString &message)
{
    if (!m_prompter)
        return;
    m_prompter->error(errorText);
    m_prompter->information(message);
}

void TImageBox::setJPegSaveQuality(int quality)
{
    m_jpegQuality = quality >= 1 && quality <= 100 ? quality : 25;
}

void TImageBox::setJPegSaveSmooth(int smoothing)
{
    if (smoothing < 0)
        smoothing = 0;
    m_jpegSmooth = smoothing > 100 ? 5 : smoothing;
}

void TImageBox::setPicture(const Picture &picture)
{
    m_picture = picture;
    m_info = {};
    if (picture.kind() == Picture::Kind::Icon)
        m_info.typeCode = QStringLiteral("ICO");
    else if (picture.kind() == Picture::Kind::Metafile)
        m_info.typeCode = QStringLiteral("WMF");
    pictureChanged();
}

bool TImageBox::SaveBmpFile(const QString &name) { return save(SaveKind::Bmp, name); }
bool TImageBox::SaveGifFile(const QString &name) { return save(SaveKind::Gif, name); }
bool TImageBox::SaveJPegFile(const QString &name) { return save(SaveKind::Jpeg, name); }
bool TImageBox::SavePcxFile(const QString &name) { return save(SaveKind::Pcx, name); }
bool TImageBox::SavePngFile(const QString &name) { return save(SaveKind::Png, name); }
bool TImageBox::SaveTifFile(const QString &name) { return save(SaveKind::Tiff, name); }

bool TImageBox::save(SaveKind kind, const QString &name)
{
    const int depth = writeDepth(ImageWriteRes, kind, screenClass());
    if (!name.isEmpty())
        DefSaveFilename = name;
    // Only bitmaps are written; an icon or metafile is first rendered to a
    // bitmap by the caller, so here it counts as an empty picture.
    const QImage image = m_picture.bitmap();
    const imagelib::Result result = writeWith(kind, depth, image);
    if (imagelib::succeeded(result))
        return true;
    report(imagelib::errorText(result),
           QStringLiteral("Writing %1 file failed").arg(QLatin1String(writeName(kind))));
    return false;
}

imagelib::Result TImageBox::writeWith(SaveKind kind, int depth, const QImage &image) const
{
    const QString &path = DefSaveFilename;
    switch (kind) {
    case SaveKind::Bmp: return imagelib::writeBmp(path, depth, image);
    case SaveKind::Gif: return imagelib::writeGif(path, depth, image);
    case SaveKind::Pcx: return imagelib::writePcx(path, depth, image);
    case SaveKind::Png: return imagelib::writePng(path, depth, PNGInterLaced, image);
    case SaveKind::Jpeg: return imagelib::writeJpeg(path, m_jpegQuality, m_jpegSmooth, depth, image);
    case SaveKind::Tiff: return imagelib::writeTiff(path, tiffCompression(TifSaveCompress), depth, image);
    }
    return imagelib::BadArgument;
}

int TImageBox::screenClass() const
{
    return imagelib::screenDepthClass(depth());
}

bool TImageBox::ScanImage(QObject *owner)
{
    m_picture = {};
    m_info = {};
    pictureChanged();
    imagelib::AcquireOptions options;
    options.depth = readDepth(ImageReadRes, screenClass());
    options.dither = ImageDither;
    options.showSourceDialog = UseTwainWindow;
    QImage image;
    const imagelib::Result result = imagelib::acquireImage(owner, options, image);
    if (result == imagelib::AlreadyRunning || result == imagelib::ScanCancelled)
        return false;
    if (!imagelib::succeeded(result)) {
        report(imagelib::errorText(result), QStringLiteral("Scanning Image Failed"));
        return false;
    }
    m_picture = Picture::fromBitmap(image);
    pictureChanged();
    return true;
}

void TImageBox::SelectScanner(QObject *owner)
{
    // Only "no scanner at all" is worth a word: a cancelled choice or a
    // request while a scan runs changes nothing.
    const imagelib::Result result = imagelib::selectScanSource(owner);
    if (result == imagelib::NoScanner && m_prompter)
        m_prompter->error(imagelib::errorText(result));
}
