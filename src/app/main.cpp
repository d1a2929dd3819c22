// Program entry: the application object, the windows in their order, the loop.
#include "app/unit1.h"
#include "dialogs/drive.h"
#include "dialogs/maxsize.h"
#include "dialogs/unit2.h"
#include "fileops/choose.h"
#include "fileops/copy.h"
#include "fileops/createdir.h"
#include "fileops/prop.h"
#include "fileops/rename.h"
#include "convert/convert.h"
#include "scan/sanebackend.h"
#include "scan/scan.h"
#include "viewer/pic.h"
#include "viewer/wmf.h"
#include "platform/volumes.h"
#include "platform/filesystem.h"
#include "platform/shell.h"
#include "platform/widgetprompter.h"
#include "printing/printcommands.h"
#include "printing/printfor.h"
#include "search/search.h"

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
    TForm2 form2(form1.state.ThumbWidth, form1.state.ThumbHeight, form1.help(), prompter, &form1);
    TForm4 form4(&form1);
    TForm5 form5(prompter, &form1);
    TOKBottomDlg okBottomDlg(prompter, &form1);
    TForm6 form6(prompter, &form1);
    TForm8 form8(&form1);
    TForm9 form9(prompter, &form1);
    TForm10 form10(form1.printing().printer(), form1.printing().dialogs(), form1.help(), &form1);
    TForm7 form7(&form1);
    const CommandServices shared{.prompter = &prompter,
                                 .files = &systemFileSystem(),
                                 .shell = &shell,
                                 .state = &form1.state,
                                 .rename = &form4,
                                 .copyTarget = &form5,
                                 .properties = &form8,
                                 .convert = &form6,
                                 .viewer = &okBottomDlg,
                                 .metafileWindow = &form7,
                                 .printing = &form1.printing()};
    TForm11 form11({.commands = shared, .help = &form1.help()}, &form1);
    TForm13 form13(&form1);
    TForm14 form14(&form1);
    TForm15 form15(form1.state.MaxSizeEnabled, form1.state.MaxSizeKB, form1.help(), &form1);
    SystemVolumes volumes;
    TOKBottomDlg1 okBottomDlg1(volumes, &form1);
    form1.attachParts({.thumbSize = &form2,
                       .maxSize = &form15,
                       .driveInfo = &okBottomDlg1,
                       .rename = &form4,
                       .copyTarget = &form5,
                       .properties = &form8,
                       .createDirectory = &form13,
                       .chooser = &form14,
                       .convert = &form6,
                       .scan = &form9,
                       .viewer = &okBottomDlg,
                       .metafileWindow = &form7,
                       .printOptions = &form10,
                       .search = &form11});
    imagelib::setScannerBackend(std::make_unique<SaneScannerBackend>());
    if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1)
        form1.openAtStart(arguments.at(1));
    form1.show();
    return QApplication::exec();
}
