// Prints every file of a list as a thumbnail sheet: equal cells with the
// file name under each, page after page, each page with its page texts.
#pragma once

#include "printing/cellimage.h"
#include "printing/printoptions.h"
#include "tasks/task.h"

#include <QString>

class PageSink;
class Prompter;

// The list and the window a sheet run reports to.
class SheetHost : public Task
{
public:
    // Read afresh for every image: the list may change while messages run.
    virtual int itemCount() const = 0;
    virtual QString caption(int index) const = 0;
};

struct SheetRequest
{
    PrintOptions options;   // font already as ApplyPrintOptions made it
    QSize thumbSize{70, 70};
    QString folder;         // captions are file names in this folder
    QString tempDir;        // for the temporary bitmap
    bool keepProportions = false;  // cells keep each picture's proportions
};

// Runs the document on sink: false when the printer failed. An image
// that cannot be made is reported through prompter and printed as "Error".
bool printThumbnailSheet(PageSink &sink, const SheetRequest &request, SheetHost &host, Prompter &prompter);

// The caption's file name: what follows its last separator or drive colon.
QString fileNamePart(const QString &caption);
