#include "browse/thumbnailcache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QThread>
#include <QThreadPool>
#include <QUrl>

#include <atomic>
#include <cstdio>

namespace {
const QString FailureFolder = QStringLiteral("fail/pixmoor");

QString md5Name(const QString &uri)
{
    return QString::fromLatin1(QCryptographicHash::hash(uri.toUtf8(), QCryptographicHash::Md5).toHex())
           + QStringLiteral(".png");
}

// Makes each missing folder of path below root private to the user, as the
// cache holds what the user's pictures look like.
bool makePrivateFolder(const QString &path)
{
    if (QFileInfo(path).isDir())
        return true;
    const QString parent = QFileInfo(path).path();
    if (parent != path && !makePrivateFolder(parent))
        return false;
    return QDir().mkdir(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner)
           || QFileInfo(path).isDir();
}

bool matches(const QImage &entry, const CachedFile &file)
{
    if (entry.text(QStringLiteral("Thumb::URI")) != file.uri)
        return false;
    if (entry.text(QStringLiteral("Thumb::MTime")) != QString::number(file.mtime))
        return false;
    const QString size = entry.text(QStringLiteral("Thumb::Size"));
    return size.isEmpty() || size == QString::number(file.size);
}

QThreadPool &writerPool()
{
    static QThreadPool pool;
    pool.setMaxThreadCount(1);
    return pool;
}

// About 4 MB of normal entries.
constexpr int MaxWaitingWrites = 64;
std::atomic_int waitingWrites{0};
} // namespace

ThumbnailCache::ThumbnailCache(QString root)
    : m_root(QDir::cleanPath(root)), m_canonicalRoot(QFileInfo(m_root).canonicalFilePath())
{
}

QString ThumbnailCache::defaultRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/thumbnails");
}

ThumbnailCache::Flavour ThumbnailCache::flavourFor(QSize cell)
{
    const int normal = sideOf(Flavour::Normal);
    return cell.width() <= normal && cell.height() <= normal ? Flavour::Normal : Flavour::Large;
}

int ThumbnailCache::sideOf(Flavour flavour)
{
    return flavour == Flavour::Normal ? 128 : 256;
}

std::optional<CachedFile> ThumbnailCache::identify(const QString &path) const
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty() || !info.isFile())
        return std::nullopt;
    const QString root = m_canonicalRoot.isEmpty() ? m_root : m_canonicalRoot;
    if (canonical.startsWith(root + QLatin1Char('/')))
        return std::nullopt;
    return CachedFile{QUrl::fromLocalFile(canonical).toString(QUrl::FullyEncoded),
                      info.lastModified().toSecsSinceEpoch(), info.size()};
}

QString ThumbnailCache::entryPath(const CachedFile &file, Flavour flavour) const
{
    const QString folder = flavour == Flavour::Normal ? QStringLiteral("/normal/") : QStringLiteral("/large/");
    return m_root + folder + md5Name(file.uri);
}

QString ThumbnailCache::failurePath(const CachedFile &file) const
{
    return m_root + QLatin1Char('/') + FailureFolder + QLatin1Char('/') + md5Name(file.uri);
}

QImage ThumbnailCache::find(const CachedFile &file, Flavour flavour) const
{
    return readEntry(entryPath(file, flavour), file, sideOf(flavour));
}

bool ThumbnailCache::hasFailure(const CachedFile &file) const
{
    return !readEntry(failurePath(file), file, sideOf(Flavour::Large)).isNull();
}

QImage ThumbnailCache::readEntry(const QString &path, const CachedFile &file, int maxSide) const
{
    // A link could make us show, or overwrite, whatever it points at.
    const QFileInfo info(path);
    if (!info.isFile() || info.isSymLink())
        return {};
    QImageReader reader(path, "png");
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > maxSide || size.height() > maxSide)
        return {};
    QImage entry;
    if (!reader.read(&entry) || !matches(entry, file))
        return {};
    return entry;
}

bool ThumbnailCache::store(const CachedFile &file, Flavour flavour, const QImage &thumbnail,
                           const ThumbnailFacts &facts) const
{
    return writeEntry(entryPath(file, flavour), thumbnail, file, facts);
}

bool ThumbnailCache::storeFailure(const CachedFile &file) const
{
    QImage mark(1, 1, QImage::Format_ARGB32);
    mark.fill(Qt::transparent);
    return writeEntry(failurePath(file), mark, file, {});
}

bool ThumbnailCache::writeEntry(const QString &path, QImage image, const CachedFile &file,
                                const ThumbnailFacts &facts) const
{
    const QString folder = QFileInfo(path).path();
    if (image.isNull() || !makePrivateFolder(folder))
        return false;
    image.setText(QStringLiteral("Thumb::URI"), file.uri);
    image.setText(QStringLiteral("Thumb::MTime"), QString::number(file.mtime));
    image.setText(QStringLiteral("Thumb::Size"), QString::number(file.size));
    if (!facts.mimeType.isEmpty())
        image.setText(QStringLiteral("Thumb::Mimetype"), facts.mimeType);
    if (facts.imageSize.isValid()) {
        image.setText(QStringLiteral("Thumb::Image::Width"), QString::number(facts.imageSize.width()));
        image.setText(QStringLiteral("Thumb::Image::Height"), QString::number(facts.imageSize.height()));
    }
    image.setText(QStringLiteral("Software"), QStringLiteral("Pixmoor"));
    // Written whole under a private temporary name, then renamed over the
    // entry: a reader never sees half a file, and a link in its place is
    // replaced, not followed.
    QTemporaryFile temporary(folder + QStringLiteral("/pixmoor-XXXXXX.tmp"));
    if (!temporary.open())
        return false;
    QImageWriter writer(&temporary, "png");
    if (!writer.write(image) || !temporary.flush())
        return false;
    temporary.close();
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return false;
    temporary.setAutoRemove(false);
    return true;
}

QImage cacheSizedImage(const QImage &picture, ThumbnailCache::Flavour flavour)
{
    const int side = ThumbnailCache::sideOf(flavour);
    if (picture.width() <= side && picture.height() <= side)
        return picture;
    return picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void writeSoon(std::function<void()> write)
{
    if (waitingWrites.fetch_add(1) >= MaxWaitingWrites) {
        --waitingWrites;
        write();
        return;
    }
    writerPool().start([write = std::move(write)] {
        QThread::currentThread()->setPriority(QThread::IdlePriority);
        write();
        --waitingWrites;
    });
}

void waitForCacheWrites()
{
    writerPool().waitForDone();
}
