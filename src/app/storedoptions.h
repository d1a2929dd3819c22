// The user's options, last folder and window geometry as kept between runs.
#pragma once

#include <QString>

class SettingsStore;

struct StoredOptions
{
    static constexpr int MinThumbSize = 20;
    static constexpr int MaxThumbSize = 150;
    static constexpr int MinSizeLimitKB = 50;
    static constexpr int MaxSizeLimitKB = 32000;

    int thumbWidth = 70;
    int thumbHeight = 70;
    bool showTips = false;
    bool noThumbs = false;
    bool reportView = false;
    bool noStop = false;
    bool sorted = false;
    bool keepProportions = false;
    bool cacheThumbs = true;
    bool sizeLimitEnabled = false;
    int sizeLimitKB = 100;
    QString directory;
    bool maximized = false;
    int windowWidth = 570;
    int windowHeight = 450;
};

// Reads every value in the stored order; missing or unreadable values give
// the defaults above ("Directory" defaults to firstFolder), out-of-range
// sizes are pulled into range.
StoredOptions readStoredOptions(const SettingsStore &store, const QString &firstFolder);

// Writes every value in the stored order, booleans as 1 and 0.
void writeStoredOptions(SettingsStore &store, const StoredOptions &options);
