#include "platform/paths.h"
#include <QFileInfo>
#include <QStandardPaths>

#include <QCoreApplication>
#include <QDir>
#include <filesystem>
#include <system_error>

QString withTrailingSeparator(const QString &folder)
{
    const QChar separator = QDir::separator();
    if (folder.endsWith(separator) || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + separator;
}

QString programDirectory()
{
    return withTrailingSeparator(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
}

QString workingDirectory()
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

QString setWorkingDirectory(const QString &folder)
{
    std::error_code error;
    std::filesystem::current_path(std::filesystem::path(folder.toStdU16String()), error);
    if (!error)
        return {};
    QString text = QString::fromLocal8Bit(error.message());
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text.isEmpty() ? QStringLiteral("Cannot open folder") : text;
}

QString picturesDirectory()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}
