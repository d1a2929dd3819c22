#include "platform/printerpagesink.h"

#include "platform/filesystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

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

bool PrinterPageSink::endDocument()
{
    if (!m_painter.isActive())
        return !m_failed;
    const bool written = m_painter.end();
    return finishFile(written && !m_failed);
}

// The temporary file takes the PDF's name when complete and is removed
// otherwise. A preview writes no file, and has nothing to rename.
bool PrinterPageSink::finishFile(bool complete)
{
    m_failed = !complete;
    if (m_fileName.isEmpty())
        return complete;
    const QString part = m_printer.outputFileName();
    m_printer.setOutputFileName(m_fileName);
    m_fileName.clear();
    if (!QFile::exists(part))
        return complete;
    if (!complete || !systemFileSystem().replace(part, m_printer.outputFileName())) {
        QFile::remove(part);
        m_failed = true;
    }
    return !m_failed;
}

QRect PrinterPageSink::pageRect() const
{
    return m_printer.pageLayout().paintRectPixels(PrintDpi);
}
