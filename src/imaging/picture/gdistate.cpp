#include "gdistate.h"

namespace gdi {

ObjectTable::ObjectTable(int capacity) : m_capacity(qBound(0, capacity, MaxObjects))
{
}

// Slots below m_next have been handed out; those given back wait in
// m_freed. Every slot is looked at a bounded number of times, however many
// objects a file creates and deletes.
int ObjectTable::addAtLowestFree(const Object &object)
{
    while (!m_freed.empty() && m_objects.contains(quint32(*m_freed.begin())))
        m_freed.erase(m_freed.begin());   // taken again by an explicit index
    int slot = -1;
    if (!m_freed.empty()) {
        slot = *m_freed.begin();
        m_freed.erase(m_freed.begin());
    } else {
        while (m_next < m_capacity && m_objects.contains(quint32(m_next)))
            ++m_next;
        if (m_next == m_capacity)
            return -1;
        slot = m_next++;
    }
    m_objects.insert(quint32(slot), std::make_shared<const Object>(object));
    return slot;
}

bool ObjectTable::put(quint32 index, const Object &object)
{
    if (index >= quint32(m_capacity))
        return false;
    m_objects.insert(index, std::make_shared<const Object>(object));
    return true;
}

const Object *ObjectTable::find(quint32 index) const
{
    const auto it = m_objects.constFind(index);
    return it == m_objects.constEnd() ? nullptr : it->get();
}

void ObjectTable::remove(quint32 index)
{
    if (m_objects.remove(index) && index < quint32(m_next))
        m_freed.insert(int(index));
}

QRegion boundedRegion(const QRegion &region)
{
    return region.rectCount() > MaxRegionRectangles ? QRegion(region.boundingRect()) : region;
}

namespace {
QRegion unionOf(const QList<QRect> &rects, qsizetype from, qsizetype to)
{
    if (to - from == 1)
        return QRegion(rects[from]);
    const qsizetype middle = from + (to - from) / 2;
    return unionOf(rects, from, middle).united(unionOf(rects, middle, to));
}
} // namespace

QRegion regionOfRects(const QList<QRect> &rects)
{
    if (rects.isEmpty())
        return {};
    if (rects.size() > MaxRegionRectangles) {
        QRect bounds;
        for (const QRect &rect : rects)
            if (rect.isValid())
                bounds |= rect;
        return bounds;
    }
    return boundedRegion(unionOf(rects, 0, rects.size()));
}

QColor colorRef(quint32 value)
{
    return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

namespace {

Object brushObject(int style, QColor color)
{
    Object object;
    object.kind = Object::Kind::Brush;
    object.brush.style = style;
    object.brush.color = color;
    return object;
}

Object penObject(int style, QColor color)
{
    Object object;
    object.kind = Object::Kind::Pen;
    object.pen.style = style;
    object.pen.color = color;
    return object;
}

Object fontObject(const QString &face, qint32 height, qint32 weight)
{
    Object object;
    object.kind = Object::Kind::Font;
    object.font.height = height;
    object.font.weight = weight;
    object.font.face = face;
    return object;
}

} // namespace

std::optional<Object> stockObject(quint32 index)
{
    switch (index & ~StockObjectFlag) {
    case 0: return brushObject(BsSolid, Qt::white);
    case 1: return brushObject(BsSolid, QColor(192, 192, 192));
    case 2: return brushObject(BsSolid, QColor(128, 128, 128));
    case 3: return brushObject(BsSolid, QColor(64, 64, 64));
    case 4: return brushObject(BsSolid, Qt::black);
    case 5: return brushObject(BsNull, Qt::white);
    case 6: return penObject(PsSolid, Qt::white);
    case 7: return penObject(PsSolid, Qt::black);
    case 8: return penObject(PsNull, Qt::black);
    // Only the system font is bold; the GUI font is 8 points at 96 dpi.
    case 10: case 11: case 16: return fontObject(QStringLiteral("Courier New"), 16, 400);
    case 12: return fontObject(QStringLiteral("Arial"), 16, 400);
    case 13: case 14: return fontObject(QStringLiteral("Arial"), 16, 700);
    case 17: return fontObject(QStringLiteral("Arial"), -11, 400);
    case 18: return brushObject(BsSolid, Qt::white);
    case 19: return penObject(PsSolid, Qt::black);
    case 15: {
        Object palette;
        palette.kind = Object::Kind::Palette;
        return palette;
    }
    default: return std::nullopt;
    }
}

} // namespace gdi
