// A Windows metafile held in memory: an enhanced metafile (EMF), a
// placeable Windows metafile (WMF with the 22-byte header giving its bounds
// and resolution) or a plain Windows metafile (its extent taken from its
// window records). Loading checks the header and walks every record once,
// so a file that loads can be played without surprises about its framing.
#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <QString>
#include <memory>

class QPainter;

class Metafile
{
public:
    enum class Format { Emf, PlaceableWmf, PlainWmf };

    // Sizes beyond this many pixels at 96 dpi are refused as absurd.
    static constexpr int MaxSide = 65535;

    static std::shared_ptr<const Metafile> load(const QByteArray &bytes, QString *error);

    Format format() const { return m_format; }
    // The picture's size in pixels at 96 dots per inch.
    QSize size() const { return m_size; }
    int recordCount() const { return m_recordCount; }

    // Plays the metafile stretched into target on painter.
    void play(QPainter &painter, const QRectF &target) const;

private:
    bool readEmfHeader(QString *error);
    bool readPlaceableHeader(QString *error);
    bool readWmfHeader(qint64 offset, QString *error);
    bool findWindowExtent(QString *error);
    bool checkRecords(QString *error);
    bool checkSize(QString *error);
    void playEmf(QPainter &painter, const QRectF &target) const;
    void playWmf(QPainter &painter, const QRectF &target) const;

    QByteArray m_bytes;
    Format m_format = Format::Emf;
    qint64 m_recordsOffset = 0;
    QRectF m_frame; // metafile device units
    qreal m_unitsPerMmX = 96 / 25.4;
    qreal m_unitsPerMmY = 96 / 25.4;
    int m_objectCount = 0;
    int m_recordCount = 0;
    QSizeF m_pixelSize; // at 96 dpi, before the range check
    QSize m_size;
};
