// Main window: taking over the program's other windows and dialogs.
#include "app/unit1.h"

#include "convert/convert.h"
#include "dialogs/drive.h"
#include "dialogs/helpcommands.h"
#include "dialogs/maxsize.h"
#include "dialogs/unit2.h"
#include "fileops/choose.h"
#include "fileops/copy.h"
#include "fileops/createdir.h"
#include "fileops/prop.h"
#include "fileops/rename.h"
#include "platform/printerpagesink.h"
#include "printing/printcommands.h"
#include "printing/printdialogs.h"
#include "printing/printfor.h"
#include "printing/sharedprinter.h"
#include "scan/scan.h"
#include "search/search.h"
#include "viewer/pic.h"
#include "viewer/wmf.h"

void TForm1::attachParts(const MainWindowParts &parts)
{
    m_thumbSizeDialog = parts.thumbSize;
    m_maxSizeDialog = parts.maxSize;
    m_driveDialog = parts.driveInfo;
    m_renameDialog = parts.rename;
    m_copyTargetDialog = parts.copyTarget;
    m_propertiesDialog = parts.properties;
    m_createDirectoryDialog = parts.createDirectory;
    m_chooserDialog = parts.chooser;
    m_convertDialog = parts.convert;
    m_scanWindow = parts.scan;
    OKBottomDlg = parts.viewer;
    Form7 = parts.metafileWindow;
    m_searchWindow = parts.search;
    // The file dialogs' Help buttons open their topics.
    for (FileOpsDialog *dialog : std::initializer_list<FileOpsDialog *>{
             parts.rename, parts.copyTarget, parts.properties, parts.createDirectory, parts.chooser, parts.convert})
        if (dialog)
            connect(dialog, &FileOpsDialog::helpRequested, this, [this](int context) { m_help->context(context); });
    printing().setOptionsDialog(parts.printOptions);
    if (OKBottomDlg && Form7)
        printing().installWindowCommands(*OKBottomDlg, *Form7);
    if (OKBottomDlg)
        OKBottomDlg->setHelp(*m_help);
    if (Form7)
        Form7->setHelp(*m_help);
    if (m_scanWindow) {
        m_scanWindow->setHelp(*m_help);
        m_scanWindow->setPrinting(
            [this](QWidget *parent) -> std::unique_ptr<PageSink> {
                PrintCommands &commands = printing();
                if (!commands.dialogs().print(commands.printer().printer(), parent))
                    return nullptr;
                return std::make_unique<PrinterPageSink>(commands.printer().printer());
            },
            [this](QWidget *parent) { printing().printerSetUp(parent); });
    }
}
