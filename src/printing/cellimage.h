// The picture printed in one cell of a thumbnail sheet, made afresh from
// the file: raster images read at reduced size and sized to the cell,
// metafiles rendered at the cell size, icons at the thumbnail size less 15
// each way.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

struct CellImageRequest
{
    QSize cell;        // the thumbnail size times the scaling factor
    QSize thumbSize;   // ThumbWidth x ThumbHeight
    QString tempDir;   // where the temporary bitmap goes
    bool keepProportions = false;   // raster pictures and metafiles keep theirs, centred in the cell
};

// The picture of the file at path, or a null image when it cannot be made.
QImage prepareCellImage(const QString &path, const CellImageRequest &request);

// What a failed cell shows: the word "Error" at the top left of a white
// cell-sized bitmap, in font.
QImage errorCellImage(QSize cell, const QFont &font);
