// Bitmap transfers of GdiCanvas: source raster operations onto the device
// and the pattern-only operations that need no bitmap.
#include "gdicanvas.h"

#include <QPainter>

namespace {

// PATCOPY and SRCCOPY need no entry: they are the default fill and copy.
constexpr quint32 SrcPaint = 0x00EE0086, SrcAnd = 0x008800C6, SrcInvert = 0x00660046,
                  SrcErase = 0x00440328, NotSrcCopy = 0x00330008, NotSrcErase = 0x001100A6,
                  MergePaint = 0x00BB0226, PatInvert = 0x005A0049,
                  DstInvert = 0x00550009, Blackness = 0x00000042, Whiteness = 0x00FF0062, DstNop = 0x00AA0029;

// A ternary raster operation uses the source when its result changes with S.
bool usesSource(quint32 rop)
{
    const quint32 code = (rop >> 16) & 0xff;
    return ((code >> 2) ^ code) & 0x33;
}

QPainter::CompositionMode sourceComposition(quint32 rop)
{
    switch (rop) {
    case SrcPaint: return QPainter::RasterOp_SourceOrDestination;
    case SrcAnd: return QPainter::RasterOp_SourceAndDestination;
    case SrcInvert: return QPainter::RasterOp_SourceXorDestination;
    case SrcErase: return QPainter::RasterOp_SourceAndNotDestination;
    case NotSrcCopy: return QPainter::RasterOp_NotSource;
    case NotSrcErase: return QPainter::RasterOp_NotSourceAndNotDestination;
    case MergePaint: return QPainter::RasterOp_NotSourceOrDestination;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

} // namespace

void GdiCanvas::blit(const Blit &blit)
{
    const QRectF dest = blit.dest.normalized();
    if (dest.isEmpty() || !reasonable(m_toDevice.mapRect(dest)))
        return;
    if (blit.source.isNull() || (!blit.alphaBlend && !usesSource(blit.rop))) {
        blitPattern(dest, blit.rop);
        return;
    }
    const QRectF source = blit.sourceRect.normalized();
    // Extents of opposite signs mirror the bitmap.
    const bool mirrorX = (blit.dest.width() < 0) != (blit.sourceRect.width() < 0);
    const bool mirrorY = (blit.dest.height() < 0) != (blit.sourceRect.height() < 0);
    QTransform mirror;
    if (mirrorX || mirrorY)
        mirror = QTransform(mirrorX ? -1 : 1, 0, 0, mirrorY ? -1 : 1, mirrorX ? dest.left() + dest.right() : 0,
                            mirrorY ? dest.top() + dest.bottom() : 0);
    m_painter.save();
    m_painter.setTransform(mirror * m_toDevice);
    if (blit.alphaBlend)
        m_painter.setOpacity(qBound(0, blit.constantAlpha, 255) / 255.0);
    else
        m_painter.setCompositionMode(sourceComposition(blit.rop));
    m_painter.drawImage(dest, blit.source, source);
    m_painter.restore();
}

void GdiCanvas::blitPattern(const QRectF &dest, quint32 rop)
{
    if (rop == DstNop)
        return;
    m_painter.save();
    m_painter.setTransform(m_toDevice);
    m_painter.setBackgroundMode(m_state.backgroundMode == gdi::Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    m_painter.setBackground(m_state.backgroundColor);
    switch (rop) {
    case Blackness: m_painter.fillRect(dest, Qt::black); break;
    case Whiteness: m_painter.fillRect(dest, Qt::white); break;
    case DstInvert:
        m_painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        m_painter.fillRect(dest, Qt::black);
        break;
    case PatInvert:
        m_painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        m_painter.fillRect(dest, brushFor(m_state.brush));
        break;
    default:
        if (m_state.brush.style != gdi::BsNull)
            m_painter.fillRect(dest, brushFor(m_state.brush));
        break;
    }
    m_painter.restore();
}
