#include "printing/pagetexts.h"

#include "platform/pagesink.h"
#include "printing/printoptions.h"

#include <QFontMetrics>
#include <QPainter>

QFont printTextFont(const QFont &chosen)
{
    QFont font = chosen;
    font.setPixelSize(printPixels(PrintTextPointSize));
    return font;
}

QString pageText(int pageNumber)
{
    return QStringLiteral("Page ") + QString::number(pageNumber);
}

void drawTextAt(QPainter &painter, int x, int y, const QString &text)
{
    const QFontMetrics metrics(painter.font(), painter.device());
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
}

int centredTextX(const QPainter &painter, int pageWidth, const QString &text)
{
    const QFontMetrics metrics(painter.font(), painter.device());
    return pageWidth / 2 - metrics.horizontalAdvance(text) / 2;
}

void DrawPageTexts(QPainter &painter, QSize page, const PrintOptions &options, const QString &pageText)
{
    const auto centred = [&](int y, const QString &text) {
        drawTextAt(painter, centredTextX(painter, page.width(), text), y, text);
    };
    if (options.header)
        centred(0, options.headerText);
    if (options.footNote)
        centred(page.height() - 150, options.footText);
    if (options.pageNumber)
        centred(page.height() - 50, pageText);
}
