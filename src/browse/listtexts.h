// The texts the list shows for sizes, dates and file counts.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// "2K" for 2,560 bytes (kilobytes rounded, halves to even) above 1024 bytes,
// "1024 Bytes" and "0 Bytes" up to it.
QString sizeText(qint64 bytes);

// Short date, a blank and the long time without a time zone; the time is
// left out at exactly midnight.
QString dateText(const QDateTime &when, const QLocale &locale = QLocale::system());

// "0 Files", "1 File", "37 Files".
QString fileCountText(qsizetype count);
