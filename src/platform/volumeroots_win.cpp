#include "platform/volumeroots.h"

#include "platform/paths.h"

#include <QDir>

QStringList volumeRoots()
{
    QStringList roots;
    for (const QFileInfo &drive : QDir::drives())
        roots.append(withTrailingSeparator(QDir::toNativeSeparators(drive.absoluteFilePath())));
    return roots;
}
