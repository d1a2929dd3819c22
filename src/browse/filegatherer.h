// The image type vocabulary and the gathering of a folder's image file names.
#pragma once

#include <QString>
#include <QStringList>

struct SizeLimit
{
    bool enabled = false;
    int kilobytes = 100;
    // A file passes when the limit is off or it is strictly smaller than the limit.
    bool admits(qint64 bytes) const { return !enabled || bytes < qint64(kilobytes) * 1024; }
};

// The filters in menu order: one per extension, then "all".
const QStringList &imageTypes();

// "all" stands for these extensions, gathered in this order.
const QStringList &allImageExtensions();

// Appends to fileList the bare names of the files (not folders) in folder
// that match "*." + extension or one of the format's other extensions
// ("*.jpeg" and "*.jpe" for "jpg", "*.tiff" for "tif"), hidden
// and system files included, in the order the file system lists them,
// leaving out those the limit refuses.
void GatherFiles(QStringList &fileList, const QString &folder, const QString &extension,
                 const SizeLimit &limit);

// The names one list build shows for imageType: an empty type counts as
// "bmp", exactly "all" gathers every extension in turn, anything else is
// taken as one extension.
QStringList gatherImageFiles(const QString &folder, const QString &imageType,
                             const SizeLimit &limit);
