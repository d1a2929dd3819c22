// Rebuilding the image list for a folder: gather, then one item per file.
#pragma once

#include "browse/filegatherer.h"
#include "tasks/task.h"

#include <QString>
#include <QStringList>

// What adding items asks of the window that shows the list. Calls arrive
// on the GUI thread, in the order the build needs them.
class ListItemHost : public Task
{
public:
    // Makes the picture of entry index of fileList; not called with No Thumbs.
    virtual void makePicture(const QStringList &fileList, int index) = 0;
    virtual void addItem(const QString &caption, int imageIndex) = 0;
    // Items that fill the list's first screen, asked once the first is in;
    // each of them is shown at once. 0 when the list is not shown.
    virtual int itemsPerScreen() const { return 0; }
    // Lets messages run and shows the list as it stands, not waiting for
    // the next screen refresh.
    virtual void showItemsNow() { letMessagesRun(); }
};

// What a whole build asks besides: the list cleared, busy mode, the counts.
class ListBuildHost : public ListItemHost
{
public:
    virtual void paintPending() = 0;
    virtual void clearList() = 0;
    virtual void enterBusy() = 0;
    virtual void leaveBusy() = 0;
    virtual void showFileCount(int count) = 0;
    virtual void fillReportColumns() = 0;
    virtual int itemCount() const = 0;
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

// Adds one item per file of fileList, in order, each with its picture
// unless noThumbs, until done or Stop (polled unless noStop). False when
// Stop ended it, after "Process Halted" was shown.
bool addListItems(const QStringList &fileList, bool noThumbs, bool noStop, ListItemHost &host);
