#include "picture.h"

#include "iconimage.h"
#include "metafile.h"

#include "imaging/formats.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>

namespace {

// Metafiles larger than this are not read at all.
constexpr qint64 MaxMetafileBytes = qint64(256) * 1024 * 1024;
constexpr qint64 MaxIconBytes = qint64(16) * 1024 * 1024;
// The clipboard copy of a metafile is played at its own size, up to this.
constexpr int MaxClipboardSide = 4096;

bool readFile(const QString &path, qint64 limit, QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    if (file.size() > limit) {
        *error = QStringLiteral("file too large");
        return false;
    }
    bytes = file.readAll();
    return true;
}

} // namespace

Picture Picture::fromBitmap(const QImage &image)
{
    Picture picture;
    if (!image.isNull()) {
        picture.m_kind = Kind::Bitmap;
        picture.m_bitmap = image;
    }
    return picture;
}

PictureFileKind pictureFileKind(const QString &path)
{
    const imagelib::FormatEntry *format = imagelib::formatOfFile(path);
    if (!format)
        return PictureFileKind::None;
    switch (format->pictureClass) {
    case imagelib::PictureClass::Icon: return PictureFileKind::Icon;
    case imagelib::PictureClass::Metafile: return PictureFileKind::Metafile;
    case imagelib::PictureClass::Raster: break;
    }
    return PictureFileKind::None;
}

bool Picture::load(const QString &path, QString *error)
{
    *this = Picture();
    QString reason;
    const PictureFileKind kind = pictureFileKind(path);
    QByteArray bytes;
    if (kind == PictureFileKind::Icon) {
        if (readFile(path, MaxIconBytes, bytes, &reason) && (m_icon = IconImage::load(bytes, &reason)))
            m_kind = Kind::Icon;
    } else if (kind == PictureFileKind::Metafile) {
        if (readFile(path, MaxMetafileBytes, bytes, &reason) && (m_metafile = Metafile::load(bytes, &reason)))
            m_kind = Kind::Metafile;
    } else {
        reason = QStringLiteral("not an icon or metafile");
    }
    if (m_kind == Kind::Empty && error)
        *error = reason;
    return m_kind != Kind::Empty;
}

int Picture::width() const
{
    switch (m_kind) {
    case Kind::Bitmap: return m_bitmap.width();
    case Kind::Icon: return m_icon->size().width();
    case Kind::Metafile: return m_metafile->size().width();
    default: return 0;
    }
}

int Picture::height() const
{
    switch (m_kind) {
    case Kind::Bitmap: return m_bitmap.height();
    case Kind::Icon: return m_icon->size().height();
    case Kind::Metafile: return m_metafile->size().height();
    default: return 0;
    }
}

void Picture::draw(QPainter &painter, const QRectF &target) const
{
    switch (m_kind) {
    case Kind::Bitmap: {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(target, m_bitmap);
        painter.restore();
        break;
    }
    case Kind::Icon: painter.drawImage(target.topLeft(), m_icon->image()); break;
    case Kind::Metafile: m_metafile->play(painter, target); break;
    default: break;
    }
}

QImage Picture::render(QSize size) const
{
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QImage Picture::clipboardImage() const
{
    switch (m_kind) {
    case Kind::Bitmap: return m_bitmap;
    case Kind::Icon: return m_icon->image();
    case Kind::Metafile: return render(m_metafile->size().boundedTo(QSize(MaxClipboardSide, MaxClipboardSide)));
    default: return {};
    }
}
