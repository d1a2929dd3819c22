// Plays Windows metafile (WMF) records onto a GdiCanvas. Parameters are
// 16-bit words stored in reverse order of the GDI call's arguments. A record
// too short for what it claims is skipped; playing goes on with the next.
#pragma once

#include "gdicanvas.h"
#include "metarecordreader.h"

class WmfPlayer
{
public:
    explicit WmfPlayer(GdiCanvas &canvas) : m_canvas(canvas) {}

    // Returns false when the record was skipped as unknown or malformed.
    bool play(const MetaRecord &record);

private:
    bool playState(quint16 function, ByteView p);
    bool playMapping(quint16 function, ByteView p);
    bool playClipping(quint16 function, ByteView p);
    bool playObject(quint16 function, ByteView p);
    bool playShape(quint16 function, ByteView p);
    bool playPoly(quint16 function, ByteView p);
    bool playRegion(quint16 function, ByteView p);
    bool playText(quint16 function, ByteView p);
    bool playBitmap(quint16 function, ByteView p);

    bool createObject(const gdi::Object &object);
    bool createPen(const ByteView &p);
    bool createBrush(const ByteView &p);
    bool createFont(const ByteView &p);
    bool createPatternBrush(const ByteView &p);
    bool createRegion(const ByteView &p);
    bool textOut(const ByteView &p);
    bool extTextOut(const ByteView &p);
    bool polyPolygon(const ByteView &p);
    bool blitWithDib(quint16 function, const ByteView &p);
    bool setDibToDevice(const ByteView &p);
    QRegion regionAt(quint16 index) const;

    GdiCanvas &m_canvas;
};
