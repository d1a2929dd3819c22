// Thumbnails: one picture of a fixed size per file, made ahead on workers.
#pragma once

#include "browse/thumbnailcache.h"

#include <QFuture>
#include <QImage>
#include <QSize>
#include <QStringList>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

struct ThumbnailRequest
{
    QSize size{70, 70};
    int depth = 24;       // colour depth asked of the raster readers
    bool dither = true;
    bool keepProportions = false;   // see ThumbnailFit
    // The desktop's thumbnail cache, read first and filled with what had to
    // be made; none: neither read nor written.
    std::optional<ThumbnailCache> cache = std::nullopt;
};

// The thumbnail of the file at path, drawn on white: a raster picture
// stretched over the whole thumbnail without smoothing, an icon at its own
// size at the top left, a metafile into the thumbnail less one pixel at the
// right and bottom. A file that cannot be read gives the word "Error" at
// the top left. Pure white pixels come out transparent. Thread-safe.
// With a cache, a current entry stands in for the file (drawn by the same
// rule, at the entry's resolution), and what had to be read is stored in
// the background.
// The cache entry is written soon after (see writeSoon); with cacheWrite,
// the write is handed back instead, to be run when the caller likes.
QImage makeThumbnail(const QString &path, const ThumbnailRequest &request,
                     std::function<void()> *cacheWrite = nullptr);

// Makes the thumbnails of paths on a thread pool, a bounded number ahead of
// the one asked for, and hands them out in order on the calling thread.
// Destroying the pipeline drops the work not yet started and waits for the
// rest, so no worker outlives it.
class ThumbnailPipeline
{
public:
    ThumbnailPipeline(QStringList paths, ThumbnailRequest request, int threads = 0);
    ~ThumbnailPipeline();
    ThumbnailPipeline(const ThumbnailPipeline &) = delete;
    ThumbnailPipeline &operator=(const ThumbnailPipeline &) = delete;

    // The thumbnail of paths[index]; waits for it if need be.
    QImage take(int index);

private:
    void submitUpTo(int index);

    QStringList m_paths;
    ThumbnailRequest m_request;
    QThreadPool m_pool;
    int m_lookahead;
    int m_submitted = 0;
    std::vector<QFuture<QImage>> m_results;
    std::shared_ptr<std::atomic_bool> m_cancelled = std::make_shared<std::atomic_bool>(false);
};
