#include "printing/printerpagesink.h"

#include <QPrinter>

PrinterPageSink::PrinterPageSink(QPrinter &printer) : m_printer(printer) {}

PrinterPageSink::~PrinterPageSink()
{
    endDocument();
}

bool PrinterPageSink::beginDocument()
{
    return m_painter.begin(&m_printer);
}

bool PrinterPageSink::newPage()
{
    return m_printer.newPage();
}

void PrinterPageSink::endDocument()
{
    if (m_painter.isActive())
        m_painter.end();
}

QRect PrinterPageSink::pageRect() const
{
    return m_printer.pageLayout().paintRectPixels(m_printer.resolution());
}

int PrinterPageSink::resolution() const
{
    return m_printer.resolution();
}
