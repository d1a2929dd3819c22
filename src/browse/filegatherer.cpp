#include "browse/filegatherer.h"

#include "imaging/formats.h"
#include "platform/filefinder.h"

#include <algorithm>
#include <vector>

const QStringList &imageTypes()
{
    static const QStringList types = [] {
        QStringList made;
        for (const imagelib::FormatEntry &format : imagelib::knownFormats())
            made.append(QString::fromLatin1(format.extension));
        made.append(QStringLiteral("all"));
        return made;
    }();
    return types;
}

const QStringList &allImageExtensions()
{
    static const QStringList extensions = [] {
        std::vector<const imagelib::FormatEntry *> formats;
        for (const imagelib::FormatEntry &format : imagelib::knownFormats())
            formats.push_back(&format);
        std::sort(formats.begin(), formats.end(),
                  [](const auto *a, const auto *b) { return a->gatherRank < b->gatherRank; });
        QStringList made;
        for (const imagelib::FormatEntry *format : formats)
            made.append(QString::fromLatin1(format->extension));
        return made;
    }();
    return extensions;
}

namespace {
// A format's files also come under its other extensions (.jpeg and .jpe
// for JPEG); its filter lists them too.
QStringList patternsFor(const QString &extension)
{
    const imagelib::FormatEntry *format = imagelib::formatForExtension(extension);
    return format ? imagelib::patternsOf(*format) : QStringList{QStringLiteral("*.") + extension};
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
