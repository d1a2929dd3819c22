#include "search/searchtypes.h"

#include "imaging/formats.h"

#include <iterator>

namespace {
// The type box's texts, in the order of the known formats after "All".
const char *const FormatLabels[] = {
    "*.Bmp  Bmp Files", "*.Dib   Dib Files", "*.Emf   Emf Files",  "*.Gif    Gif Files",
    "*.Ico    Icon Files", "*.Jpg   Jpeg Files", "*.Pcx   Pcx Files", "*.Png   Png Files",
    "*.Tif     Tiff Files", "*.Wmf  Wmf Files",
};
} // namespace

const QList<SearchType> &searchTypes()
{
    static const QList<SearchType> types = [] {
        const auto formats = imagelib::knownFormats();
        Q_ASSERT(formats.size() == std::size(FormatLabels));
        SearchType all{QStringLiteral("*.*        All Files"), {}};
        QList<SearchType> made;
        for (size_t i = 0; i < formats.size(); ++i) {
            const QStringList patterns = imagelib::patternsOf(formats[i]);
            all.patterns.append(patterns);
            made.append({QString::fromLatin1(FormatLabels[i]), patterns});
        }
        made.prepend(all);
        return made;
    }();
    return types;
}
