#include "printing/fontlistprinter.h"

#include "platform/pagesink.h"
#include "printing/pagetexts.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {
QFont listFont(const QString &family)
{
    QFont font(family);
    font.setPixelSize(printPixels(FontListPointSize));
    return font;
}

// Where the samples start: 500, or further right when a plain name would
// otherwise run into its sample, as it does on printers of many dots per inch.
int sampleColumn(const QPainter &painter, const QStringList &families, const QString &plainFamily)
{
    const QFontMetrics plain(listFont(plainFamily), painter.device());
    int widest = 0;
    for (const QString &family : families)
        widest = std::max(widest, plain.horizontalAdvance(family));
    return std::max(FontSampleColumn, widest + plain.averageCharWidth() * 2);
}
} // namespace

bool printFontList(PageSink &sink, const QStringList &families, const QString &plainFamily)
{
    if (!sink.beginDocument())
        return false;
    QPainter &painter = sink.painter();
    painter.setPen(Qt::black);
    const int column = sampleColumn(painter, families, plainFamily);
    const int pageHeight = sink.pageRect().height();
    int y = 0;
    bool printed = true;
    for (const QString &family : families) {
        painter.setFont(listFont(plainFamily));
        drawTextAt(painter, 0, y, family);
        painter.setFont(listFont(family));
        drawTextAt(painter, column, y, family);
        y += QFontMetrics(painter.font(), painter.device()).height() + FontLineSpacing;
        // A line whose top is still on the page is printed there, even
        // when its bottom runs off.
        if (y > pageHeight) {
            if (!sink.newPage()) {
                printed = false;
                break;
            }
            y = 0;
        }
    }
    return sink.endDocument() && printed;
}
