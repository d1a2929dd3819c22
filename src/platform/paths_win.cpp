#include "platform/paths.h"

#include <QDir>
#include <QStandardPaths>

// The per-user temporary folder on Windows is already private to the user.
QString privateTempDirectory()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation)
                           + QStringLiteral("/Pixmoor");
    if (!QDir().mkpath(folder))
        return {};
    return withTrailingSeparator(QDir::toNativeSeparators(folder));
}
