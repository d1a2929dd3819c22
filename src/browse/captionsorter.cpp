#include "browse/captionsorter.h"

CaptionSorter::CaptionSorter(QObject *parent) : QSortFilterProxyModel(parent)
{
    m_ignoringCase.setCaseSensitivity(Qt::CaseInsensitive);
    m_withCase.setCaseSensitivity(Qt::CaseSensitive);
}

int CaptionSorter::compareCaptions(const QString &left, const QString &right) const
{
    const int letters = m_ignoringCase.compare(left, right);
    if (letters != 0)
        return letters;
    return m_withCase.compare(left, right);
}

bool CaptionSorter::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    return compareCaptions(left.data().toString(), right.data().toString()) < 0;
}
