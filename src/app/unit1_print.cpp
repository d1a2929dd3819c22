// Main window: print thumbnail sheets and single images, printer set-up
// and the fonts window.
#include "app/unit1.h"
#include "app/mainwindowlist.h"
#include "platform/printerpagesink.h"
#include "scan/scan.h"

#include "browse/imagelistview.h"
#include "dialogs/helpcommands.h"
#include "imagebox/imagebox.h"
#include "viewer/pic.h"
#include "viewer/pictureview.h"
#include "viewer/wmf.h"
#include "platform/prompter.h"
#include "printing/fontlist.h"
#include "printing/printcommands.h"
#include "printing/printdialogs.h"
#include "printing/printfor.h"
#include "printing/sharedprinter.h"
#include "printing/sheetprinter.h"
#include "printing/singleimage.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>


PrintCommands &TForm1::printing()
{
    if (!m_printer)
        m_printer = std::make_shared<SharedPrinter>();
    if (!m_printDialogs)
        m_printDialogs = std::make_shared<StandardPrintDialogs>();
    if (!m_printing)
        m_printing = std::make_shared<PrintCommands>(*m_printer, *m_printDialogs, m_prompter);
    return *m_printing;
}

void TForm1::PrintsetUp1Click()
{
    setStatus(QStringLiteral("Printer Set Up"));
    printing().printerSetUp(this);
}

void TForm1::PrintButtonClick()
{
    commands().printSheet();
}

void TForm1::Print2Click()
{
    commands().printImage();
}

void TForm1::Fonts1Click()
{
    PrintCommands &commands = printing();
    TForm12 fonts(commands.printer(), commands.dialogs(), help(), this);
    commands.dialogs().runModal(fonts);
}
