// A picture that holds nothing, a bitmap, an icon or a metafile.
#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <memory>

class QPainter;
class IconImage;
class Metafile;

// What a file's extension makes of it: ".ico" an icon, ".wmf" and ".emf"
// a metafile (its content then decides which kind), anything else neither.
enum class PictureFileKind { None, Icon, Metafile };
PictureFileKind pictureFileKind(const QString &path);

class Picture
{
public:
    enum class Kind { Empty, Bitmap, Icon, Metafile };

    Picture() = default;
    static Picture fromBitmap(const QImage &image);

    // Loads an icon (.ico) or a metafile (.wmf, .emf: the content decides
    // between enhanced, placeable and plain Windows metafiles) by the
    // extension of path. On failure returns false, leaves the picture empty
    // and puts a reason in *error when given.
    bool load(const QString &path, QString *error = nullptr);

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::Empty; }
    int width() const;
    int height() const;
    QSize size() const { return {width(), height()}; }

    // The bitmap of a Bitmap picture; a null image for the other kinds.
    QImage bitmap() const { return m_bitmap; }

    // Draws the picture stretched into target: a bitmap by dropping or
    // repeating pixels (no smoothing), an icon at its own size at target's
    // top left corner, a metafile played into target. Metafile text needs
    // a QGuiApplication for its fonts; without one the text is left out.
    void draw(QPainter &painter, const QRectF &target) const;

    // The picture drawn as draw() does into a white bitmap of size.
    QImage render(QSize size) const;

    // What goes to the clipboard: the bitmap, the icon's image, or the
    // metafile played at its own size.
    QImage clipboardImage() const;

private:
    Kind m_kind = Kind::Empty;
    QImage m_bitmap;
    std::shared_ptr<const IconImage> m_icon;
    std::shared_ptr<const Metafile> m_metafile;
};
