#include "printing/singleimage.h"

#include "imaging/picture/picture.h"
#include "platform/pagesink.h"
#include "printing/pagetexts.h"

#include <QPainter>

QRect singleImageRect(PictureSource source, int scale, QSize size, QSize page)
{
    const int factor = source == PictureSource::PictureHolder ? scale - 1 : scale;
    const QSize printed(factor * size.width(), factor * size.height());
    const QSize room(page.width(), page.height() - SingleImageTop - SingleImageBottomReserve);
    if (room.width() < 1 || room.height() < 1 || (printed.width() <= room.width() && printed.height() <= room.height()))
        return QRect(QPoint(0, SingleImageTop), printed);
    return QRect(QPoint(0, SingleImageTop), printed.scaled(room, Qt::KeepAspectRatio));
}

bool printSingleImage(PageSink &sink, const PrintOptions &options, const SingleImageDraw &draw)
{
    if (!sink.beginDocument())
        return false;
    QPainter &painter = sink.painter();
    painter.setFont(options.font);
    painter.setPen(options.color);
    DrawPageTexts(painter, sink.pageRect().size(), options, pageText(1));
    draw(painter, sink.pageRect().size());
    return sink.endDocument();
}

void drawPictureStretched(QPainter &painter, const Picture &picture, const QRect &target)
{
    switch (picture.kind()) {
    case Picture::Kind::Bitmap:
    case Picture::Kind::Icon: painter.drawImage(target, picture.clipboardImage()); break;
    case Picture::Kind::Metafile: picture.draw(painter, target); break;
    case Picture::Kind::Empty: break;
    }
}
