// Main window: converting the selected files, scanning and the scan source.
#include "app/unit1.h"
#include "app/mainwindowwalkhost.h"

#include "app/newstat.h"
#include "browse/imagelistview.h"
#include "dialogs/helpcommands.h"
#include "imaging/convert/convert.h"
#include "imaging/convert/conversionwalk.h"
#include "imaging/convert/imageboxengine.h"
#include "imaging/imagebox/imagebox.h"
#include "imaging/scan/scan.h"
#include "imaging/viewer/pic.h"
#include "platform/paths.h"
#include "platform/prompter.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>

void TForm1::setImagingWindows(TForm6 *convert, TForm9 *scan)
{
    m_convertDialog = convert;
    m_scanWindow = scan;
    if (convert)
        connect(convert, &FileOpsDialog::helpRequested, this, [this](int context) {
            if (m_help)
                m_help->context(context);
        });
    if (scan && m_help)
        scan->setHelp(*m_help);
}

void TForm1::Convert1Click()
{
    if (!m_convertDialog || !OKBottomDlg || !enterCurrentDir())
        return;
    const QStringList selected = ListView1->selectedCaptions();
    if (selected.isEmpty())
        return;
    const QString source = workingDirectory();
    if (!m_convertDialog->CheckBox1->isChecked())
        m_convertDialog->Edit1->setText(QDir::toNativeSeparators(source));
    if (!runDialog(m_convertDialog))
        return;
    if (m_convertDialog->Edit1->text().isEmpty()) {
        m_prompter.error(QStringLiteral("You Have Not Specified A Target Directory For The Converted Images"));
        return;
    }
    ConversionRequest request;
    for (const QString &caption : ListView1->captions())
        request.entries.append({caption, selected.contains(caption)});
    request.sourceFolder = source;
    request.targetText = m_convertDialog->Edit1->text();
    request.format = m_convertDialog->chosenFormat();
    request.tempFolder = state.WindowsDir.isEmpty() ? privateTempDirectory() : state.WindowsDir;
    runConversionWalk(request);
}

void TForm1::runConversionWalk(const ConversionRequest &request)
{
    TImageBox *engineBox = OKBottomDlg->ImageBox1;
    engineBox->ImageWriteRes = m_convertDialog->chosenDepth();
    setStatus(QStringLiteral("Converting Files"));
    letMessagesRun();
    disablewindow();
    m_converting = true;
    ImageBoxEngine engine(*engineBox);
    MainWindowWalkHost host(*this);
    runConversion(request, engine, host, m_prompter);
    m_converting = false;
    setStatus(QStringLiteral("Finished Converting Files"));
    setGauge(0);
    engineBox->ImageWriteRes = TSaveResolution::sAutoMatic;
    enablewindow();
    if (std::exchange(m_closeRequested, false))
        close();
}

void TForm1::Acquire1Click()
{
    if (!m_scanWindow)
        return;
    m_scanWindow->setWindowTitle(QStringLiteral("Scan Image"));
    m_scanWindow->show();
    m_scanWindow->raise();
    m_scanWindow->ImageBox1->ScanImage(this);
}

void TForm1::SelectTwain1Click()
{
    if (m_scanWindow)
        m_scanWindow->ImageBox1->SelectScanner(this);
}
