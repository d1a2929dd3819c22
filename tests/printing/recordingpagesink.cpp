#include "recordingpagesink.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPolygonF>

class RecordingEngine : public QPaintEngine
{
public:
    explicit RecordingEngine(RecordingPageSink &sink) : QPaintEngine(AllFeatures), m_sink(sink) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
    }

    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        page().texts.append({item.text(), m_transform.map(p), item.font()});
    }
    void drawImage(const QRectF &r, const QImage &image, const QRectF &, Qt::ImageConversionFlags) override
    {
        page().images.append({m_transform.mapRect(r), image.size(), image});
    }
    void drawPixmap(const QRectF &r, const QPixmap &pixmap, const QRectF &) override
    {
        page().images.append({m_transform.mapRect(r), pixmap.size(), pixmap.toImage()});
    }
    void drawPath(const QPainterPath &path) override { shape(path.boundingRect()); }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override
    {
        shape(QPolygonF(QList<QPointF>(points, points + count)).boundingRect());
    }
    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            shape(rects[i]);
    }
    void drawLines(const QLineF *lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            shape(QRectF(lines[i].p1(), lines[i].p2()).normalized());
    }
    void drawEllipse(const QRectF &r) override { shape(r); }
    void drawPoints(const QPointF *points, int count) override
    {
        for (int i = 0; i < count; ++i)
            shape(QRectF(points[i], QSizeF(0, 0)));
    }

private:
    RecordedPage &page() { return m_sink.pages.last(); }
    void shape(const QRectF &bounds) { page().shapes.append(m_transform.mapRect(bounds)); }

    RecordingPageSink &m_sink;
    QTransform m_transform;
};

RecordingPageSink::RecordingPageSink(QSize page, int dpi)
    : m_page(page), m_dpi(dpi), m_engine(std::make_unique<RecordingEngine>(*this))
{
}

RecordingPageSink::~RecordingPageSink()
{
    endDocument();
}

QPaintEngine *RecordingPageSink::paintEngine() const
{
    return m_engine.get();
}

bool RecordingPageSink::beginDocument()
{
    if (failBegin)
        return false;
    ++documentsBegun;
    pages.append(RecordedPage());
    return m_painter.begin(this);
}

bool RecordingPageSink::newPage()
{
    pages.append(RecordedPage());
    return true;
}

bool RecordingPageSink::endDocument()
{
    if (!m_painter.isActive())
        return true;
    m_painter.end();
    ++documentsEnded;
    return true;
}

int RecordingPageSink::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return m_page.width();
    case PdmHeight: return m_page.height();
    case PdmWidthMM: return m_page.width() * 254 / (10 * m_dpi);
    case PdmHeightMM: return m_page.height() * 254 / (10 * m_dpi);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return m_dpi;
    case PdmDepth: return 32;
    case PdmNumColors: return INT_MAX;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
    }
    return 0;
}

int RecordingPageSink::textTop(const RecordedText &text) const
{
    return qRound(text.baseline.y()) - QFontMetrics(text.font, this).ascent();
}

int RecordingPageSink::textWidth(const RecordedText &text) const
{
    return QFontMetrics(text.font, this).horizontalAdvance(text.text);
}

const RecordedText *RecordingPageSink::findText(int page, const QString &text) const
{
    if (page < 0 || page >= pages.size())
        return nullptr;
    for (const RecordedText &recorded : pages[page].texts)
        if (recorded.text == text)
            return &recorded;
    return nullptr;
}
