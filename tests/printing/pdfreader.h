// Reads printed PDF files back with poppler's command-line tools.
#pragma once

#include <QList>
#include <QRectF>
#include <QString>

namespace pdf {
// A word as pdftotext -bbox places it, in points from the page's top left.
struct Word
{
    int page = 0;   // from 1
    QString text;
    QRectF box;
};
// A picture as pdfimages -list gives it: its pixels and how densely they
// are printed, so its size on paper.
struct Image
{
    int page = 0;
    QSize pixels;
    double xPpi = 0, yPpi = 0;
    double widthMm() const { return xPpi > 0 ? pixels.width() / xPpi * 25.4 : 0; }
    double heightMm() const { return yPpi > 0 ? pixels.height() / yPpi * 25.4 : 0; }
};
QList<Word> words(const QString &path);
QList<Image> images(const QString &path);

// The page count pdfinfo reports; -1 when it cannot read the file.
int pageCount(const QString &path);
// The text pdftotext finds on one page (from 1), or on all when page is 0.
QString text(const QString &path, int page = 0);
}
