#include "browse/thumbnailmaker.h"

#include "imagebox/imageboxrules.h"
#include "imaging/picture/picture.h"
#include "imaging/picture/picturethumbnail.h"

#include <QPainter>
#include <QtConcurrent/QtConcurrentRun>

namespace {
enum class Source { Raster, Vector, Unreadable };

// What the file holds, by its extension; a picture in *picture when read.
Source loadPicture(const QString &path, const ThumbnailRequest &request, Picture *picture)
{
    if (pictureFileKind(path) != PictureFileKind::None)
        return picture->load(path) ? Source::Vector : Source::Unreadable;
    const RasterReader *reader = rasterReaderFor(loadExtension(path));
    if (!reader)
        return Source::Raster;   // no reader: an empty, white thumbnail
    imagelib::ReadOptions options;
    options.depth = request.depth;
    options.dither = request.dither;
    options.atLeast = request.size;
    options.keepAspect = request.keepProportions;
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
} // namespace

QImage makeThumbnail(const QString &path, const ThumbnailRequest &request)
{
    Picture picture;
    const Source source = loadPicture(path, request, &picture);
    QImage thumbnail = renderThumbnail(picture, request.size, {request.keepProportions});
    if (source == Source::Unreadable)
        writeError(thumbnail);
    return withWhiteTransparent(thumbnail);
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
        m_results.push_back(QtConcurrent::run(
            &m_pool, [path, request = m_request, cancelled = m_cancelled] {
                return cancelled->load() ? QImage() : makeThumbnail(path, request);
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
