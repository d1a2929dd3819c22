#include "dialogs/randomsource.h"

#include <QDateTime>
#include <QRandomGenerator>

int ClockRandomSource::bounded(int highest)
{
    QRandomGenerator generator{quint32(QDateTime::currentMSecsSinceEpoch())};
    return generator.bounded(highest + 1);
}
