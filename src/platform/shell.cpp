#include "platform/shell.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopShell::openDocument(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
