// Reads printed PDF files back with poppler's command-line tools.
#pragma once

#include <QString>

namespace pdf {
// The page count pdfinfo reports; -1 when it cannot read the file.
int pageCount(const QString &path);
// The text pdftotext finds on one page (from 1), or on all when page is 0.
QString text(const QString &path, int page = 0);
}
