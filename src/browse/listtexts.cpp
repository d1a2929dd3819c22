#include "browse/listtexts.h"

#include "tasks/stoppoller.h"

#include <QRegularExpression>

QString sizeText(qint64 bytes)
{
    if (bytes > 1024)
        return QString::number(roundHalfToEven(bytes, 1024)) + QLatin1Char('K');
    return QString::number(bytes) + QStringLiteral(" Bytes");
}

namespace {
// The long time format with its time zone part removed ("t", "tt", "ttt"...).
QString longTimeFormatWithoutZone(const QLocale &locale)
{
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.replace(zone, QStringLiteral(" "));
    return format.trimmed();
}
} // namespace

QString dateText(const QDateTime &when, const QLocale &locale)
{
    const QDateTime local = when.toLocalTime();
    QString text = locale.toString(local.date(), QLocale::ShortFormat);
    if (local.time() != QTime(0, 0))
        text += QLatin1Char(' ') + locale.toString(local.time(), longTimeFormatWithoutZone(locale));
    return text;
}

QString fileCountText(qsizetype count)
{
    return QString::number(count) + (count == 1 ? QStringLiteral(" File") : QStringLiteral(" Files"));
}
