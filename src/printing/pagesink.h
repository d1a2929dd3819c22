// Where printed pages go: a printer, a PDF file, or a recorder in tests.
#pragma once

#include <QRect>

class QPainter;

// Coordinates are device pixels from the top left of the printable area.
class PageSink
{
public:
    virtual ~PageSink() = default;
    // Starts a document; false when no document could be started.
    virtual bool beginDocument() = 0;
    // The painter of the current page; valid between begin and end.
    virtual QPainter &painter() = 0;
    virtual bool newPage() = 0;
    virtual void endDocument() = 0;
    // The printable area in device pixels, and the device's dots per inch.
    virtual QRect pageRect() const = 0;
    virtual int resolution() const = 0;
};
