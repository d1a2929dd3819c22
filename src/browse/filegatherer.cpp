#include "browse/filegatherer.h"

#include "platform/filefinder.h"

const QStringList &imageTypes()
{
    static const QStringList types{
        QStringLiteral("bmp"), QStringLiteral("dib"), QStringLiteral("emf"),
        QStringLiteral("gif"), QStringLiteral("ico"), QStringLiteral("jpg"),
        QStringLiteral("pcx"), QStringLiteral("png"), QStringLiteral("tif"),
        QStringLiteral("wmf"), QStringLiteral("all")};
    return types;
}

const QStringList &allImageExtensions()
{
    static const QStringList extensions{
        QStringLiteral("bmp"), QStringLiteral("gif"), QStringLiteral("ico"),
        QStringLiteral("jpg"), QStringLiteral("pcx"), QStringLiteral("png"),
        QStringLiteral("tif"), QStringLiteral("wmf"), QStringLiteral("emf"),
        QStringLiteral("dib")};
    return extensions;
}

namespace {
// JPEG files also come named .jpeg and .jpe; the "jpg" filter lists them too.
QStringList patternsFor(const QString &extension)
{
    QStringList patterns{QStringLiteral("*.") + extension};
    if (extension.compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0)
        patterns << QStringLiteral("*.jpeg") << QStringLiteral("*.jpe");
    return patterns;
}
} // namespace

void GatherFiles(QStringList &fileList, const QString &folder, const QString &extension,
                 const SizeLimit &limit)
{
    FindOptions options;
    options.includeHidden = true;
    options.includeSystem = true;
    for (const FoundFile &found : findFiles(folder, patternsFor(extension), options))
        if (limit.admits(found.size))
            fileList.append(found.name);
}

QStringList gatherImageFiles(const QString &folder, const QString &imageType,
                             const SizeLimit &limit)
{
    QStringList fileList;
    if (imageType == QLatin1String("all")) {
        for (const QString &extension : allImageExtensions())
            GatherFiles(fileList, folder, extension, limit);
    } else {
        GatherFiles(fileList, folder, imageType.isEmpty() ? QStringLiteral("bmp") : imageType,
                    limit);
    }
    return fileList;
}
