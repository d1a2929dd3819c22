// Orders list items by caption the way people read them.
#pragma once

#include <QCollator>
#include <QSortFilterProxyModel>

// Letters compare alphabetically first, without regard to case; case only
// breaks ties, and the locale decides the alphabet.
class CaptionSorter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit CaptionSorter(QObject *parent = nullptr);

    int compareCaptions(const QString &left, const QString &right) const;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    QCollator m_ignoringCase;
    QCollator m_withCase;
};
