// Program entry: the application object, the windows in their order, the loop.
#include "app/programwindows.h"
#include "platform/filesystem.h"
#include "platform/shell.h"
#include "platform/volumes.h"
#include "platform/widgetprompter.h"
#include "scan/sanebackend.h"
#include "imaging/scannerbackend.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pixmoor"));
    // The icons live in the main window's library; register them before the
    // first window asks for its icon.
    Q_INIT_RESOURCE(resources);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pixmoor.svg")));

    WidgetPrompter prompter;
    DesktopShell shell;
    TForm1 form1({.prompter = &prompter, .shell = &shell});
    prompter.setParent(&form1);
    SystemVolumes volumes;
    ProgramWindows windows(form1, prompter, shell, systemFileSystem(), volumes);
    imagelib::setScannerBackend(std::make_unique<SaneScannerBackend>());
    if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1)
        form1.openAtStart(arguments.at(1));
    form1.show();
    return QApplication::exec();
}
