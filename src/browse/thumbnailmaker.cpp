#include "browse/thumbnailmaker.h"

#include "imagebox/imageboxrules.h"
#include "imaging/picture/picture.h"
#include "imaging/picture/picturethumbnail.h"
#include "imaging/formats.h"

#include <QPainter>
#include <QtConcurrent/QtConcurrentRun>

namespace {
enum class Source { Raster, Vector, Unreadable };

// How a raster picture is read: at least atLeast large, at depth, reduced
// evenly in both directions or not.
struct RasterRead
{
    QSize atLeast;
    int depth = 24;
    bool evenly = false;
};

// What the file holds, by its extension; a picture in *picture when read.
Source loadPicture(const QString &path, const RasterRead &read, const ThumbnailRequest &request, Picture *picture)
{
    if (pictureFileKind(path) != PictureFileKind::None)
        return picture->load(path) ? Source::Vector : Source::Unreadable;
    const RasterReader *reader = rasterReaderFor(loadExtension(path));
    if (!reader)
        return Source::Raster;   // no reader: an empty, white thumbnail
    imagelib::ReadOptions options;
    options.depth = read.depth;
    options.dither = request.dither;
    options.atLeast = read.atLeast;
    options.keepAspect = read.evenly;
    QImage image;
    if (!imagelib::succeeded(imagelib::readImage(path, reader->format, options, image)))
        return Source::Unreadable;
    *picture = Picture::fromBitmap(image);
    return Source::Raster;
}

void writeError(QImage &thumbnail)
{
    QPainter painter(&thumbnail);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(0, painter.fontMetrics().ascent()), QStringLiteral("Error"));
}

// Pure white shows the list's background.
QImage withWhiteTransparent(const QImage &thumbnail)
{
    QImage result = thumbnail.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((line[x] & 0xFFFFFF) == 0xFFFFFF)
                line[x] = 0;
    }
    return result;
}

QImage finished(QImage thumbnail, Source source)
{
    if (source == Source::Unreadable)
        writeError(thumbnail);
    return withWhiteTransparent(thumbnail);
}

Picture::Kind kindOfFile(const QString &path)
{
    switch (pictureFileKind(path)) {
    case PictureFileKind::Icon: return Picture::Kind::Icon;
    case PictureFileKind::Metafile: return Picture::Kind::Metafile;
    default: return Picture::Kind::Bitmap;
    }
}

// A cache entry drawn by the rule of its file's kind.
QImage thumbnailFromEntry(const QImage &entry, Picture::Kind kind, const ThumbnailRequest &request)
{
    QImage thumbnail(request.size, QImage::Format_RGB32);
    thumbnail.fill(Qt::white);
    const QImage shown = kind == Picture::Kind::Bitmap && request.depth != 24
                             ? imagelib::convertToDepth(entry, request.depth, request.dither)
                             : entry;
    QPainter painter(&thumbnail);
    painter.setClipRect(thumbnail.rect());
    painter.drawImage(thumbnailTarget(kind, QSizeF(entry.size()), thumbnail.rect(), {request.keepProportions}),
                      shown);
    painter.end();
    return thumbnail;
}

// What the cache keeps of a picture: metafiles played as large as the
// entry holds, the rest reduced to fit it.
QImage entryImage(const Picture &picture, ThumbnailCache::Flavour flavour)
{
    if (picture.kind() == Picture::Kind::Metafile) {
        const int side = ThumbnailCache::sideOf(flavour);
        const QSize size = picture.size().scaled(side, side, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        return picture.render(size);
    }
    return cacheSizedImage(picture.clipboardImage(), flavour);
}

// A reduced read does not tell a raster picture's own size: the file's
// header does.
std::function<ThumbnailFacts()> factsOf(const QString &path, const Picture &picture)
{
    const QSize ownSize = picture.kind() == Picture::Kind::Bitmap ? QSize() : picture.size();
    return [path, ownSize] {
        ThumbnailFacts facts;
        if (const imagelib::FormatEntry *format = imagelib::formatOfFile(path))
            facts.mimeType = QString::fromLatin1(format->mimeType);
        imagelib::ImageInfo info;
        if (ownSize.isValid())
            facts.imageSize = ownSize;
        else if (imagelib::succeeded(imagelib::readImageInfo(path, info)))
            facts.imageSize = QSize(info.width, info.height);
        return facts;
    };
}

// The thumbnail, with the entry still to be written in *write.
QImage cachedThumbnail(const QString &path, const CachedFile &file, const ThumbnailRequest &request,
                       std::function<void()> *write)
{
    const ThumbnailCache &cache = *request.cache;
    const ThumbnailCache::Flavour flavour = ThumbnailCache::flavourFor(request.size);
    // A visit to a folder seen before finds its entries: one look each.
    const QImage entry = cache.find(file, flavour);
    if (!entry.isNull())
        return finished(thumbnailFromEntry(entry, kindOfFile(path), request), Source::Raster);
    if (cache.hasFailure(file))
        return finished(renderThumbnail(Picture(), request.size), Source::Unreadable);
    // Read large enough for the entry, with its proportions, at full depth:
    // the cell's own depth is applied to what is shown, as the reader would
    // have done.
    const int side = ThumbnailCache::sideOf(flavour);
    Picture picture;
    const Source source = loadPicture(path, {request.size.expandedTo(QSize(side, side)), 24, true}, request, &picture);
    if (source == Source::Unreadable) {
        *write = [cache, file] { cache.storeFailure(file); };
        return finished(renderThumbnail(Picture(), request.size), source);
    }
    if (!picture.isEmpty()) {
        *write = [cache, file, flavour, entry = entryImage(picture, flavour), facts = factsOf(path, picture)] {
            cache.store(file, flavour, entry, facts());
        };
    }
    if (picture.kind() == Picture::Kind::Bitmap && request.depth != 24)
        picture = Picture::fromBitmap(imagelib::convertToDepth(picture.bitmap(), request.depth, request.dither));
    return finished(renderThumbnail(picture, request.size, {request.keepProportions}), source);
}
} // namespace

QImage makeThumbnail(const QString &path, const ThumbnailRequest &request, std::function<void()> *cacheWrite)
{
    if (request.cache) {
        if (const std::optional<CachedFile> file = request.cache->identify(path)) {
            std::function<void()> write;
            const QImage thumbnail = cachedThumbnail(path, *file, request, &write);
            if (cacheWrite)
                *cacheWrite = std::move(write);
            else if (write)
                writeSoon(std::move(write));
            return thumbnail;
        }
    }
    Picture picture;
    const Source source = loadPicture(path, {request.size, request.depth, request.keepProportions}, request, &picture);
    return finished(renderThumbnail(picture, request.size, {request.keepProportions}), source);
}

ThumbnailPipeline::ThumbnailPipeline(QStringList paths, ThumbnailRequest request, int threads)
    : m_paths(std::move(paths)), m_request(request)
{
    m_pool.setMaxThreadCount(threads > 0 ? threads : QThread::idealThreadCount());
    // Enough ahead to keep every worker busy; each result is one small thumbnail.
    m_lookahead = 4 * m_pool.maxThreadCount();
    m_results.reserve(size_t(m_paths.size()));
}

ThumbnailPipeline::~ThumbnailPipeline()
{
    m_cancelled->store(true);
    m_pool.clear();
    m_pool.waitForDone();
}

void ThumbnailPipeline::submitUpTo(int index)
{
    const int last = std::min(int(m_paths.size()) - 1, index);
    for (; m_submitted <= last; ++m_submitted) {
        const QString path = m_paths.at(m_submitted);
        // The thumbnail is handed out before its cache entry is written: the
        // list never waits for a write.
        m_results.push_back(QtConcurrent::run(
            &m_pool, [path, request = m_request, cancelled = m_cancelled](QPromise<QImage> &promise) {
                if (cancelled->load()) {
                    promise.addResult(QImage());
                    return;
                }
                std::function<void()> write;
                promise.addResult(makeThumbnail(path, request, &write));
                if (write)
                    writeSoon(std::move(write));
            }));
    }
}

QImage ThumbnailPipeline::take(int index)
{
    if (index < 0 || index >= m_paths.size())
        return {};
    submitUpTo(index + m_lookahead);
    QFuture<QImage> &result = m_results[size_t(index)];
    QImage image = result.result();
    // Handed out once: the list keeps its own copy.
    result = QFuture<QImage>();
    return image;
}
