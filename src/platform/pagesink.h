// Where printed pages go: a printer, a PDF file, or a recorder in tests.
#pragma once

#include <QRect>

class QPainter;

// Page coordinates are pixels of a printer of 300 dots per inch, the
// resolution the page layouts are made for, from the top left of the
// printable area; a device of another resolution is scaled to match.
constexpr int PrintDpi = 300;

// A size in points as pixels of such a page: printed text keeps its size
// on paper on any device.
inline int printPixels(int points) { return (points * PrintDpi + 36) / 72; }

class PageSink
{
public:
    virtual ~PageSink() = default;
    // Starts a document; false when no document could be started.
    virtual bool beginDocument() = 0;
    // The painter of the current page; valid between begin and end.
    virtual QPainter &painter() = 0;
    virtual bool newPage() = 0;
    // Ends the document; false when it did not go out whole.
    virtual bool endDocument() = 0;
    // The printable area in page pixels, and the page's dots per inch.
    virtual QRect pageRect() const = 0;
    virtual int resolution() const = 0;
};
