// A list of same-sized pictures that list items refer to by index.
#pragma once

#include <QPixmap>
#include <QSize>
#include <vector>

class ImageList
{
public:
    explicit ImageList(QSize size) : m_size(size) {}

    QSize size() const { return m_size; }
    // Changing the size empties the list, since its pictures no longer fit.
    void setSize(QSize size);
    void clear() { m_pictures.clear(); }
    int count() const { return int(m_pictures.size()); }
    int add(const QPixmap &picture);
    // An empty pixmap for an index the list does not hold.
    QPixmap at(int index) const;

private:
    QSize m_size;
    std::vector<QPixmap> m_pictures;
};
