#include "printing/printerpagesink.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>

#include <cstdio>

PrinterPageSink::PrinterPageSink(QPrinter &printer) : m_printer(printer) {}

PrinterPageSink::~PrinterPageSink()
{
    endDocument();
}

bool PrinterPageSink::beginDocument()
{
    m_failed = false;
    m_printer.setResolution(PrintDpi);
    if (m_printer.outputFormat() == QPrinter::PdfFormat && !m_printer.outputFileName().isEmpty()) {
        m_fileName = m_printer.outputFileName();
        const QFileInfo target(m_fileName);
        m_printer.setOutputFileName(target.dir().filePath(QStringLiteral(".") + target.fileName() + QStringLiteral(".part")));
    }
    if (!m_painter.begin(&m_printer)) {
        finishFile(false);
        return false;
    }
    scaleToPrintDpi();
    return true;
}

// A printer that cannot print at 300 dots per inch prints at its own
// resolution, with the page scaled so one page pixel stays 1/300 inch.
void PrinterPageSink::scaleToPrintDpi()
{
    const int actual = m_printer.resolution();
    if (actual > 0 && actual != PrintDpi)
        m_painter.scale(qreal(actual) / PrintDpi, qreal(actual) / PrintDpi);
}

bool PrinterPageSink::newPage()
{
    const bool started = m_printer.newPage();
    m_failed = m_failed || !started;
    return started;
}

void PrinterPageSink::endDocument()
{
    if (!m_painter.isActive())
        return;
    const bool written = m_painter.end();
    finishFile(written && !m_failed);
}

void PrinterPageSink::finishFile(bool complete)
{
    if (m_fileName.isEmpty())
        return;
    const QString part = m_printer.outputFileName();
    m_printer.setOutputFileName(m_fileName);
    if (!complete || std::rename(QFile::encodeName(part).constData(), QFile::encodeName(m_fileName).constData()) != 0) {
        QFile::remove(part);
        m_failed = true;
    }
    m_fileName.clear();
}

QRect PrinterPageSink::pageRect() const
{
    return m_printer.pageLayout().paintRectPixels(PrintDpi);
}
