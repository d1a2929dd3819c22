#include "browse/listbuilder.h"

#include "tasks/stoppoller.h"
#include "platform/paths.h"

#include <exception>

bool addListItems(const QStringList &fileList, bool noThumbs, bool noStop, ListItemHost &host)
{
    StopPoller poller(noStop, host);
    const int count = int(fileList.size());
    int firstScreen = 0;
    for (int i = 0; i < count;) {
        if (!noThumbs)
            host.makePicture(fileList, i);
        host.addItem(fileList.at(i), i);
        if (i == 0)
            firstScreen = host.itemsPerScreen();
        // Each item of the first screenful shows as soon as it is made, No
        // Stop or not: that is what the user waits for.
        if (i < firstScreen)
            host.showItemsNow();
        if (i > 0)
            host.setGauge(gaugePosition(i, count));
        ++i;
        if (poller.afterItem()) {
            host.setStatus(QStringLiteral("Process Halted"));
            return false;
        }
    }
    return true;
}

namespace {
void gatherAndAdd(const ListBuildRequest &request, ListBuildHost &host)
{
    const QString failure = setWorkingDirectory(request.folder);
    if (!failure.isEmpty()) {
        host.reportError(failure);
        return;
    }
    host.setStatus(QStringLiteral("Searching For Files"));
    host.letMessagesRun();
    host.paintPending();
    host.clearList();
    const QStringList fileList = gatherImageFiles(request.folder, request.imageType, request.limit);
    if (!fileList.isEmpty())
        host.enterBusy();
    host.setStatus(QStringLiteral("Creating Thumbnails"));
    addListItems(fileList, request.noThumbs, request.noStop, host);
    host.showFileCount(int(fileList.size()));
}

void closeBuild(const ListBuildRequest &request, ListBuildHost &host)
{
    if (request.reportView)
        host.fillReportColumns();
    host.setGauge(0);
    host.leaveBusy();
    host.setStatus(host.itemCount() > 0 ? QStringLiteral("Finished")
                                        : QStringLiteral("No Matching Files Found"));
    host.letMessagesRun();
}
} // namespace

void buildImageList(const ListBuildRequest &request, ListBuildHost &host)
{
    try {
        gatherAndAdd(request, host);
    } catch (const std::exception &failure) {
        host.reportError(QString::fromLocal8Bit(failure.what()));
    }
    closeBuild(request, host);
}
