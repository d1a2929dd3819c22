// The Convert command's walk: every selected file of the list read and
// written again in one format into one target folder.
#pragma once

#include "tasks/task.h"
#include "convert/conversiontables.h"

#include <QList>
#include <QSize>
#include <QString>

class Prompter;

struct ConvertEntry
{
    QString caption;   // bare file name in the source folder
    bool selected = false;
};

struct ConversionRequest
{
    QList<ConvertEntry> entries;
    QString sourceFolder;
    QString targetText;   // as typed; relative names count from sourceFolder
    ConvertFormat format;
    QString tempFolder;   // where icons and metafiles are rendered first
};

// Reads and writes the pictures: the viewer's image control.
class ConversionEngine
{
public:
    enum class LoadResult { Loaded, FailedReported, Failed };
    virtual ~ConversionEngine() = default;
    // FailedReported: the user has been told why already.
    virtual LoadResult load(const QString &path) = 0;
    // Writes the picture held to path; the engine reports its own failures.
    virtual bool write(SaveKind kind, const QString &path) = 0;
};

struct ConversionOutcome
{
    int written = 0;
    bool halted = false;
    bool pathFailed = false;
};

// Sizes icons and metafiles are rendered at before they are converted.
inline constexpr QSize IconRenderSize{32, 32};
inline constexpr QSize MetafileRenderSize{300, 300};
// The rendering's temporary file in ConversionRequest::tempFolder.
inline constexpr char RenderedFileName[] = "$.bmp";

// Runs the walk. A target folder that cannot be entered is reported before
// any file is touched. A file that cannot be read is reported and not
// written; the walk goes on with the next one. The working directory is
// the source folder afterwards.
ConversionOutcome runConversion(const ConversionRequest &request, ConversionEngine &engine,
                                Task &host, Prompter &prompter);
