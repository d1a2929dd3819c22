// Rebuilding the image list for a folder: gather, then one item per file.
#pragma once

#include "browse/filegatherer.h"

#include <QString>
#include <QStringList>

// What the build asks of the window that shows the list. Calls arrive on
// the GUI thread, in the order the build needs them.
class ListBuildHost
{
public:
    virtual ~ListBuildHost() = default;
    virtual void setStatus(const QString &text) = 0;
    virtual void letMessagesRun() = 0;
    virtual void paintPending() = 0;
    virtual void clearList() = 0;
    virtual void enterBusy() = 0;
    virtual void leaveBusy() = 0;
    // Makes the picture of entry index of fileList; not called with No Thumbs.
    virtual void makePicture(const QStringList &fileList, int index) = 0;
    virtual void addItem(const QString &caption, int imageIndex) = 0;
    virtual void setGauge(int position) = 0;
    // Returns the Stop request and clears it.
    virtual bool takeStopRequest() = 0;
    virtual void showFileCount(int count) = 0;
    virtual void fillReportColumns() = 0;
    virtual int itemCount() const = 0;
    virtual void reportError(const QString &text) = 0;
};

struct ListBuildRequest
{
    QString folder;
    QString imageType;
    SizeLimit limit;
    bool noThumbs = false;
    bool noStop = false;
    bool reportView = false;
};

// Runs one list build for request against host. Gathering order is kept;
// the host's view may sort. The closing steps (report columns, gauge reset,
// busy mode left, final status) run however the build ends.
void buildImageList(const ListBuildRequest &request, ListBuildHost &host);
