// The image control: painting, the text overlay, clipboard and printing.
#include "imagebox/imagebox.h"

#include "platform/pagesink.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

void TImageBox::setFlag(bool &flag, bool on)
{
    if (flag == on)
        return;
    flag = on;
    update();
}

void TImageBox::setAutoSize(bool on)
{
    m_autoSize = on;
    pictureChanged();
}

void TImageBox::setStretch(bool on)
{
    if (on)
        m_stretchRatio = false;
    setFlag(m_stretch, on);
}

void TImageBox::setStretchRatio(bool on)
{
    if (on)
        m_stretch = false;
    setFlag(m_stretchRatio, on);
}

void TImageBox::setCenter(bool on) { setFlag(m_center, on); }
void TImageBox::setTextShadow(bool on) { setFlag(m_textShadow, on); }
void TImageBox::setTextTransParent(bool on) { setFlag(m_textTransparent, on); }

void TImageBox::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void TImageBox::setText(const QString &text)
{
    if (m_text != text) {
        m_text = text;
        update();
    }
}

void TImageBox::setTextLeft(int left)
{
    if (m_textLeft != left) {
        m_textLeft = left;
        update();
    }
}

void TImageBox::setTextTop(int top)
{
    if (m_textTop != top) {
        m_textTop = top;
        update();
    }
}

void TImageBox::setTextRotate(int degrees)
{
    if (m_textRotate != degrees) {
        m_textRotate = degrees;
        update();
    }
}

void TImageBox::pictureChanged()
{
    if (m_autoSize && m_picture.width() >= 1 && m_picture.height() >= 1)
        resize(m_picture.size());
    // A bitmap that covers the whole control needs no background erased.
    setAttribute(Qt::WA_OpaquePaintEvent,
                 m_picture.kind() == Picture::Kind::Bitmap && m_picture.size() == size());
    update();
}

bool TImageBox::usesFrameworkPath() const
{
    const QString &type = m_info.typeCode;
    return type == QLatin1String("ICO") || type == QLatin1String("WMF")
           || type == QLatin1String("EMF") || !UsePalette
           || m_picture.kind() != Picture::Kind::Bitmap;
}

void TImageBox::drawPicture(QPainter &painter)
{
    if (m_picture.isEmpty())
        return;
    const QSize own = m_picture.size();
    QRect target;
    if (usesFrameworkPath())
        target = m_stretch ? rect() : naturalRect(size(), own, m_center);
    else if (m_stretchRatio)
        target = stretchRatioRect(size(), own);
    else
        target = m_stretch ? rect() : naturalRect(size(), own, m_center);
    m_picture.draw(painter, target);
}

void TImageBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    drawPicture(painter);
    if (!m_text.isEmpty())
        drawTextOverlay(painter);
    emit OnPaint();
}

void TImageBox::drawTextOverlay(QPainter &painter)
{
    painter.save();
    painter.setFont(font());
    painter.setBackgroundMode(m_textTransparent ? Qt::TransparentMode : Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    const int ascent = painter.fontMetrics().ascent();
    // Windows-style escapement: counter-clockwise about the text's top left.
    const auto drawAt = [&](int x, int y, const QColor &colour) {
        painter.save();
        painter.translate(x, y);
        painter.rotate(-m_textRotate);
        painter.setPen(colour);
        painter.drawText(QPoint(0, ascent), m_text);
        painter.restore();
    };
    if (m_textShadow)
        drawAt(m_textLeft + 2, m_textTop + 2, TextShadowColor);
    drawAt(m_textLeft, m_textTop, palette().color(QPalette::WindowText));
    painter.restore();
}

void TImageBox::CopyToClipboard()
{
    if (!m_picture.isEmpty())
        QGuiApplication::clipboard()->setImage(m_picture.clipboardImage());
}

void TImageBox::CutToClipboard()
{
    CopyToClipboard();
    m_picture = {};
    m_info = {};
    pictureChanged();
}

void TImageBox::PasteFromClipboard()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasImage())
        return;
    setPicture(Picture::fromBitmap(qvariant_cast<QImage>(data->imageData())));
}

void TImageBox::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    const int key = event->key();
    const bool ctrl = mods == Qt::ControlModifier, shift = mods == Qt::ShiftModifier;
    if ((ctrl && key == Qt::Key_C) || (ctrl && key == Qt::Key_Insert))
        CopyToClipboard();
    else if ((ctrl && key == Qt::Key_X) || (shift && key == Qt::Key_Delete))
        CutToClipboard();
    else if ((ctrl && key == Qt::Key_V) || (shift && key == Qt::Key_Insert))
        PasteFromClipboard();
    else
        QWidget::keyPressEvent(event);
}

void TImageBox::PrintImage(PageSink &sink, int x, int y, int width, int height)
{
    if (m_picture.isEmpty() || m_picture.width() < 1 || m_picture.height() < 1)
        return;
    if (width < 1 || height < 1) {
        width = m_picture.width();
        height = m_picture.height();
    }
    if (!sink.beginDocument())
        return;
    if (m_picture.kind() == Picture::Kind::Bitmap)
        sink.painter().drawImage(QRect(x, y, width, height), m_picture.bitmap());
    else
        // Icons and metafiles take width and height as the right and bottom edges.
        m_picture.draw(sink.painter(), QRect(QPoint(x, y), QPoint(width - 1, height - 1)));
    sink.endDocument();
}
