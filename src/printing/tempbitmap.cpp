#include "printing/tempbitmap.h"

#include "imaging/imagelibrary.h"

#include <QDir>
#include <QFile>

namespace {
// Deletes the file when the round trip ends, however it ends.
class TempFileGuard
{
public:
    explicit TempFileGuard(QString path) : m_path(std::move(path)) {}
    ~TempFileGuard() { QFile::remove(m_path); }
    TempFileGuard(const TempFileGuard &) = delete;
    TempFileGuard &operator=(const TempFileGuard &) = delete;

private:
    QString m_path;
};
} // namespace

QImage roundTripThroughTempBitmap(const QImage &image, const QString &tempDir)
{
    if (image.isNull() || tempDir.isEmpty())
        return {};
    const QString path = QDir(tempDir).filePath(QString::fromLatin1(TempBitmapName));
    const TempFileGuard guard(path);
    if (!imagelib::succeeded(imagelib::writeBmp(path, 24, image)))
        return {};
    imagelib::ReadOptions options;
    options.depth = 24;
    QImage readBack;
    if (!imagelib::succeeded(imagelib::readImage(path, imagelib::FileFormat::Bmp, options, readBack)))
        return {};
    return readBack;
}
