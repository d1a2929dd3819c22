// A page sink that keeps what was drawn on each page instead of printing
// it: texts with their top left corner, images with their target, and the
// bounds of every other shape, all in page pixels.
#pragma once

#include "platform/pagesink.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QPaintDevice>
#include <QPainter>
#include <QRectF>
#include <memory>

struct RecordedText
{
    QString text;
    QPointF baseline;
    QFont font;
};

struct RecordedImage
{
    QRectF target;
    QSize imageSize;
    QImage image;
};

struct RecordedPage
{
    QList<RecordedText> texts;
    QList<RecordedImage> images;
    QList<QRectF> shapes;
};

class RecordingEngine;

class RecordingPageSink : public PageSink, public QPaintDevice
{
public:
    // page: the printable size in device pixels; dpi: the device resolution.
    RecordingPageSink(QSize page, int dpi);
    ~RecordingPageSink() override;

    bool beginDocument() override;
    QPainter &painter() override { return m_painter; }
    bool newPage() override;
    bool endDocument() override;
    QRect pageRect() const override { return QRect(QPoint(0, 0), m_page); }
    int resolution() const override { return m_dpi; }

    QPaintEngine *paintEngine() const override;

    QList<RecordedPage> pages;
    int documentsBegun = 0;
    int documentsEnded = 0;
    bool failBegin = false;

    // The top of a recorded text: its baseline less the font's ascent here.
    int textTop(const RecordedText &text) const;
    int textWidth(const RecordedText &text) const;
    // The first text on page that reads exactly text; null when none.
    const RecordedText *findText(int page, const QString &text) const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize m_page;
    int m_dpi;
    std::unique_ptr<RecordingEngine> m_engine;
    QPainter m_painter;
};
