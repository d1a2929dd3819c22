#include "search/searchtexts.h"

#include "browse/listtexts.h"

QStringList searchInputErrors(const QString &path, int typeIndex)
{
    QStringList errors;
    if (path.size() <= 1)
        errors.append(QStringLiteral("Search Path Incorrect"));
    if (typeIndex < 0)
        errors.append(QStringLiteral("No File Type Selected"));
    return errors;
}

QString foundDateText(const QDateTime &lastWrite)
{
    if (!lastWrite.isValid())
        return {};
    QDateTime when = lastWrite;
    const QTime time = when.time();
    when.setTime(QTime(time.hour(), time.minute(), time.second() - time.second() % 2));
    return dateText(when);
}

QString searchFinishedText(qsizetype found)
{
    if (found == 0)
        return QStringLiteral("No Files Found");
    return QStringLiteral("Finished, Found %1 Files").arg(found);
}
