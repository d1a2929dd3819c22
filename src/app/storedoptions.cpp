#include "app/storedoptions.h"

#include "platform/paths.h"
#include "platform/settingsstore.h"

#include <algorithm>

namespace {
const QString Main = QStringLiteral("Main");
const QString Window = QStringLiteral("Window");
constexpr int MinWindowSide = 100;
constexpr int MaxWindowSide = 16384;

bool isOne(const SettingsStore &store, const char *name)
{
    return store.readInteger(Main, QLatin1String(name), 0) == 1;
}

int clampedInteger(const SettingsStore &store, const QString &section, const char *name,
                   int fallback, int low, int high)
{
    return std::clamp(store.readInteger(section, QLatin1String(name), fallback), low, high);
}

// A bare drive such as "C:" names its root folder.
QString startFolder(const QString &stored)
{
    return stored.size() < 3 ? withTrailingSeparator(stored) : stored;
}
} // namespace

StoredOptions readStoredOptions(const SettingsStore &store, const QString &firstFolder)
{
    StoredOptions o;
    o.thumbWidth = clampedInteger(store, Main, "ThumbSizew", 70, o.MinThumbSize, o.MaxThumbSize);
    o.thumbHeight = clampedInteger(store, Main, "ThumbSizeh", 70, o.MinThumbSize, o.MaxThumbSize);
    o.showTips = store.readInteger(Main, QStringLiteral("Hints"), 0) != 0;
    o.noThumbs = isOne(store, "Thumbs");
    o.reportView = isOne(store, "List");
    o.noStop = isOne(store, "NoStop");
    o.sorted = isOne(store, "Sorted");
    o.keepProportions = isOne(store, "KeepProportions");
    o.cacheThumbs = store.readInteger(Main, QStringLiteral("ThumbCache"), 1) != 0;
    o.sizeLimitEnabled = isOne(store, "MaxSizeLimit");
    o.sizeLimitKB = clampedInteger(store, Main, "MaxSize", 100, o.MinSizeLimitKB, o.MaxSizeLimitKB);
    o.maximized = store.readString(Window, QStringLiteral("WindowState"), QStringLiteral("Normal"))
                  != QLatin1String("Normal");
    o.windowWidth = clampedInteger(store, Window, "WindowWidth", 570, MinWindowSide, MaxWindowSide);
    o.windowHeight = clampedInteger(store, Window, "WindowHeight", 450, MinWindowSide, MaxWindowSide);
    o.directory = startFolder(store.readString(Main, QStringLiteral("Directory"), firstFolder));
    return o;
}

void writeStoredOptions(SettingsStore &store, const StoredOptions &o)
{
    store.writeInteger(Main, QStringLiteral("ThumbSizew"), o.thumbWidth);
    store.writeInteger(Main, QStringLiteral("ThumbSizeh"), o.thumbHeight);
    store.writeInteger(Main, QStringLiteral("Hints"), o.showTips ? 1 : 0);
    store.writeInteger(Main, QStringLiteral("Thumbs"), o.noThumbs ? 1 : 0);
    store.writeInteger(Main, QStringLiteral("List"), o.reportView ? 1 : 0);
    store.writeInteger(Main, QStringLiteral("NoStop"), o.noStop ? 1 : 0);
    store.writeInteger(Main, QStringLiteral("Sorted"), o.sorted ? 1 : 0);
    store.writeInteger(Main, QStringLiteral("KeepProportions"), o.keepProportions ? 1 : 0);
    store.writeInteger(Main, QStringLiteral("ThumbCache"), o.cacheThumbs ? 1 : 0);
    store.writeInteger(Main, QStringLiteral("MaxSizeLimit"), o.sizeLimitEnabled ? 1 : 0);
    store.writeInteger(Main, QStringLiteral("MaxSize"), o.sizeLimitKB);
    store.writeString(Main, QStringLiteral("Directory"), o.directory);
    store.writeInteger(Window, QStringLiteral("WindowWidth"), o.windowWidth);
    store.writeInteger(Window, QStringLiteral("WindowHeight"), o.windowHeight);
    store.writeString(Window, QStringLiteral("WindowState"),
                      o.maximized ? QStringLiteral("Maximized") : QStringLiteral("Normal"));
}
