// Plays enhanced metafile (EMF) records onto a GdiCanvas. Offsets inside a
// record count from the record's start; every one is checked against the
// record before use. EMF+ comments are skipped: dual files carry the same
// drawing as ordinary records.
#pragma once

#include "gdicanvas.h"
#include "metarecordreader.h"

#include <optional>

class EmfPlayer
{
public:
    explicit EmfPlayer(GdiCanvas &canvas) : m_canvas(canvas) {}

    // Returns false when the record was skipped as unknown or malformed.
    bool play(const MetaRecord &record);

private:
    bool playState(quint32 type, ByteView r);
    bool playMapping(quint32 type, ByteView r);
    bool playClipping(quint32 type, ByteView r);
    bool playObject(quint32 type, ByteView r);
    bool playShape(quint32 type, ByteView r);
    bool playPoly(quint32 type, ByteView r);
    bool playPath(quint32 type, ByteView r);
    bool playRegion(quint32 type, ByteView r);
    bool playText(quint32 type, ByteView r);
    bool playBitmap(quint32 type, ByteView r);

    bool selectObject(quint32 handle);
    bool createPen(const ByteView &r);
    bool extCreatePen(const ByteView &r);
    bool createBrush(const ByteView &r);
    bool createPatternBrush(const ByteView &r);
    bool createFont(const ByteView &r);
    bool polyPoly(quint32 type, const ByteView &r);
    bool extTextOut(quint32 type, const ByteView &r);
    bool smallTextOut(const ByteView &r);
    bool bitBlt(quint32 type, const ByteView &r);
    bool stretchDibits(quint32 type, const ByteView &r);
    QImage dibAt(const ByteView &r, qint64 infoField, quint32 usage, bool keepAlpha = false) const;
    std::optional<QRegion> regionData(const ByteView &r, qint64 offset, qint64 size) const;

    GdiCanvas &m_canvas;
};
