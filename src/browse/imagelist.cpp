#include "browse/imagelist.h"

void ImageList::setSize(QSize size)
{
    m_size = size;
    m_pictures.clear();
}

int ImageList::add(const QPixmap &picture)
{
    m_pictures.push_back(picture);
    return count() - 1;
}

QPixmap ImageList::at(int index) const
{
    if (index < 0 || index >= count())
        return {};
    return m_pictures[size_t(index)];
}
