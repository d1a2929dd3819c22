// An icon file (.ico, or a cursor file laid out the same way). The 32 x 32
// image, or else the closest in size, is the one shown, and the only one
// decoded: every entry is known by its header alone.
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <memory>

class IconImage
{
public:
    struct Entry
    {
        QSize size;       // as the entry's own header gives it
        int bitCount = 0; // colour depth of the entry (32 for PNG entries)
        bool png = false;
        qint64 offset = 0;
        qint64 length = 0;
    };

    // Reads every entry's header and decodes the preferred entry that reads.
    // Entries whose header cannot be read are left out; a file without a
    // single decodable image fails.
    static std::shared_ptr<const IconImage> load(QByteArrayView bytes, QString *error);

    const QList<Entry> &entries() const { return m_entries; }
    int chosenIndex() const { return m_chosen; }
    // ARGB32, transparent where the AND mask or the alpha channel says so.
    const QImage &image() const { return m_image; }
    QSize size() const { return m_image.size(); }

private:
    static QList<int> preferenceOrder(const QList<Entry> &entries);

    QList<Entry> m_entries;
    QImage m_image;
    int m_chosen = 0;
};
