// An icon file (.ico, or a cursor file laid out the same way) with all its
// images decoded. The 32 x 32 image, or else the closest in size, is the one
// shown.
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QList>
#include <QString>
#include <memory>

class IconImage
{
public:
    struct Entry
    {
        QImage image;     // ARGB32, transparent where the AND mask says so
        int bitCount = 0; // colour depth of the entry (32 for PNG entries)
        bool png = false;
    };

    // Decodes every image of the file. Entries that cannot be decoded are
    // left out; a file without a single decodable image fails.
    static std::shared_ptr<const IconImage> load(QByteArrayView bytes, QString *error);

    const QList<Entry> &entries() const { return m_entries; }
    int chosenIndex() const { return m_chosen; }
    const QImage &image() const { return m_entries.at(m_chosen).image; }
    QSize size() const { return image().size(); }

private:
    static int chooseEntry(const QList<Entry> &entries);

    QList<Entry> m_entries;
    int m_chosen = 0;
};
