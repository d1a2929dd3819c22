#include "printing/sheetprinter.h"

#include "tasks/stoppoller.h"
#include "platform/prompter.h"
#include "platform/pagesink.h"
#include "printing/pagetexts.h"
#include "printing/sheetlayout.h"

#include <QDir>
#include <QFontMetrics>
#include <QPainter>

namespace {
class SheetRun
{
public:
    SheetRun(PageSink &sink, const SheetRequest &request, SheetHost &host, Prompter &prompter)
        : m_sink(sink), m_request(request), m_host(host), m_prompter(prompter),
          m_cellSize(request.thumbSize * request.options.scale),
          m_layout(m_cellSize, sink.pageRect().size())
    {
    }

    // False when the printer refused a new page.
    bool run()
    {
        QPainter &painter = m_sink.painter();
        painter.setFont(m_request.options.font);
        painter.setPen(m_request.options.color);
        drawTexts();
        const int count = m_host.itemCount();
        for (int i = 0; i < count; ++i) {
            m_host.letMessagesRun();
            if (i >= m_host.itemCount())
                break;
            printItem(m_host.caption(i));
            if (m_layout.advance() && !nextPage())
                return false;
            m_host.setGauge(gaugePosition(i, count));
        }
        return true;
    }

private:
    void drawTexts()
    {
        DrawPageTexts(m_sink.painter(), m_sink.pageRect().size(), m_request.options, pageText(m_page));
    }

    void printItem(const QString &caption)
    {
        const CellImageRequest cellRequest{m_cellSize, m_request.thumbSize, m_request.tempDir,
                                           m_request.keepProportions};
        QImage image = prepareCellImage(QDir(m_request.folder).filePath(caption), cellRequest);
        if (image.isNull()) {
            m_prompter.error(QStringLiteral("Error Creating Thumb Nail For ") + caption);
            image = errorCellImage(m_cellSize, QFont());
        }
        QPainter &painter = m_sink.painter();
        painter.drawImage(m_layout.cell(), image);
        const QPoint name = m_layout.namePosition();
        // A name wider than its cell and the gap would run into the next one.
        const QString shown = QFontMetrics(painter.font(), painter.device())
                                  .elidedText(fileNamePart(caption), Qt::ElideMiddle, m_layout.nameWidth());
        drawTextAt(painter, name.x(), name.y(), shown);
    }

    bool nextPage()
    {
        if (!m_sink.newPage())
            return false;
        ++m_page;
        m_host.setStatus(QStringLiteral("Printing Images Page ") + QString::number(m_page));
        m_host.letMessagesRun();
        drawTexts();
        return true;
    }

    PageSink &m_sink;
    const SheetRequest &m_request;
    SheetHost &m_host;
    Prompter &m_prompter;
    QSize m_cellSize;
    SheetLayout m_layout;
    int m_page = 1;
};
} // namespace

QString fileNamePart(const QString &caption)
{
    const qsizetype cut = std::max({caption.lastIndexOf(QLatin1Char('\\')), caption.lastIndexOf(QLatin1Char('/')),
                                    caption.lastIndexOf(QLatin1Char(':'))});
    return caption.mid(cut + 1);
}

bool printThumbnailSheet(PageSink &sink, const SheetRequest &request, SheetHost &host, Prompter &prompter)
{
    if (!sink.beginDocument())
        return false;
    const bool complete = SheetRun(sink, request, host, prompter).run();
    return sink.endDocument() && complete;
}
