// Prints font names, each once in a plain font and once in its own face.
#pragma once

#include <QStringList>

class PageSink;

constexpr int FontListPointSize = 12;
constexpr int FontSampleColumn = 500;   // least left of the second column
constexpr int FontLineSpacing = 15;     // added to the height of each line

// False when the printer failed. plainFamily names the first
// column's font.
bool printFontList(PageSink &sink, const QStringList &families, const QString &plainFamily);
