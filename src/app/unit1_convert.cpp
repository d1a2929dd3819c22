// Main window: converting the selected files, scanning and the scan source.
#include "app/unit1.h"
#include "app/mainwindowlist.h"

#include "app/newstat.h"
#include "browse/imagelistview.h"
#include "dialogs/helpcommands.h"
#include "convert/convert.h"
#include "convert/conversionwalk.h"
#include "convert/imageboxengine.h"
#include "imagebox/imagebox.h"
#include "scan/scan.h"
#include "viewer/pic.h"
#include "platform/paths.h"
#include "platform/prompter.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>

void TForm1::Convert1Click()
{
    commands().convert();
}

void TForm1::Acquire1Click()
{
    if (!m_scanWindow)
        return;
    m_scanWindow->setWindowTitle(QStringLiteral("Scan Image"));
    m_scanWindow->show();
    m_scanWindow->raise();
    // The scanner's dialogs belong to the scan window, which the window
    // manager then gives the focus back to when they close.
    m_scanWindow->ImageBox1->ScanImage(m_scanWindow);
    m_scanWindow->raise();
    m_scanWindow->activateWindow();
}

void TForm1::SelectTwain1Click()
{
    if (m_scanWindow)
        m_scanWindow->ImageBox1->SelectScanner(this);
}
