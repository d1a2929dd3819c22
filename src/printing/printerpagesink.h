// Pages that go to a QPrinter: a real printer or a PDF file.
#pragma once

#include "printing/pagesink.h"

#include <QPainter>

class QPrinter;

class PrinterPageSink : public PageSink
{
public:
    explicit PrinterPageSink(QPrinter &printer);
    ~PrinterPageSink() override;

    bool beginDocument() override;
    QPainter &painter() override { return m_painter; }
    bool newPage() override;
    void endDocument() override;
    QRect pageRect() const override;
    int resolution() const override;

private:
    QPrinter &m_printer;
    QPainter m_painter;
};
