// Pages that go to a QPrinter: a real printer or a PDF file. A PDF is
// written under a temporary name and takes its own name only when the whole
// document went out, so a failed run leaves no partial file behind.
#pragma once

#include "platform/pagesink.h"

#include <QPainter>
#include <QString>

class QPrinter;

class PrinterPageSink : public PageSink
{
public:
    explicit PrinterPageSink(QPrinter &printer);
    ~PrinterPageSink() override;

    bool beginDocument() override;
    QPainter &painter() override { return m_painter; }
    bool newPage() override;
    bool endDocument() override;
    QRect pageRect() const override;
    int resolution() const override { return PrintDpi; }

private:
    void scaleToPrintDpi();
    bool finishFile(bool complete);

    QPrinter &m_printer;
    QPainter m_painter;
    QString m_fileName;       // the PDF's own name while its pages go to a temporary one
    bool m_failed = false;
};
