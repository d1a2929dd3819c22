// The desktop's shared thumbnail cache ($XDG_CACHE_HOME/thumbnails), read
// and written the way file managers and other image browsers do: one PNG
// per file, named by the MD5 of the file's URI, that counts only while the
// file's modification time (and size, where recorded) are what it says.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

// A file as the cache knows it.
struct CachedFile
{
    QString uri;         // file:// URI of the canonical path
    qint64 mtime = 0;    // seconds since the epoch
    qint64 size = 0;     // bytes
};

// What an entry records besides the file's identity.
struct ThumbnailFacts
{
    QString mimeType;
    QSize imageSize;     // the picture's own size; invalid when unknown
};

class ThumbnailCache
{
public:
    // Normal entries fit in 128 x 128 pixels, large ones in 256 x 256.
    enum class Flavour { Normal, Large };

    // root: the "thumbnails" folder.
    explicit ThumbnailCache(QString root);
    // $XDG_CACHE_HOME/thumbnails, ~/.cache/thumbnails by default.
    static QString defaultRoot();

    static Flavour flavourFor(QSize cell);
    static int sideOf(Flavour flavour);

    // The file's identity; none when it cannot be read or lies inside the
    // cache itself (a cache of the cache would grow on every visit).
    std::optional<CachedFile> identify(const QString &path) const;

    // The entry made for file, or a null image when there is none that is
    // sound and current.
    QImage find(const CachedFile &file, Flavour flavour) const;
    // True when an earlier attempt recorded that file cannot be read.
    bool hasFailure(const CachedFile &file) const;

    // Writing never reports: a cache that cannot be written is only slower.
    bool store(const CachedFile &file, Flavour flavour, const QImage &thumbnail, const ThumbnailFacts &facts) const;
    bool storeFailure(const CachedFile &file) const;

    QString entryPath(const CachedFile &file, Flavour flavour) const;
    QString failurePath(const CachedFile &file) const;
    QString root() const { return m_root; }

private:
    QImage readEntry(const QString &path, const CachedFile &file, int maxSide) const;
    bool writeEntry(const QString &path, QImage image, const CachedFile &file, const ThumbnailFacts &facts) const;

    QString m_root;
    QString m_canonicalRoot;
};

// The thumbnail the cache keeps for a picture: reduced to fit the flavour's
// square, never enlarged.
QImage cacheSizedImage(const QImage &picture, ThumbnailCache::Flavour flavour);

// Runs write on one background thread of the lowest priority, so that it
// takes no time from making the thumbnails on show. When enough writes wait
// there already, runs it at once on the calling thread instead: what the
// waiting writes hold stays bounded however large the folder.
void writeSoon(std::function<void()> write);
// Waits until every write handed to the background so far has finished.
void waitForCacheWrites();
