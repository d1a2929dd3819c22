// Search window: view, clipboard, conversion and printing of the results.
#include "search/search.h"
#include "search/searchwalkhost.h"
#include "search/waitcursor.h"

#include "app/programstate.h"
#include "browse/fileitemmodel.h"
#include "browse/imagelistview.h"
#include "imaging/convert/conversionwalk.h"
#include "imaging/convert/convert.h"
#include "imaging/convert/imageboxengine.h"
#include "imaging/imagebox/imagebox.h"
#include "imaging/viewer/pic.h"
#include "imaging/viewer/pictureview.h"
#include "imaging/viewer/viewing.h"
#include "imaging/viewer/wmf.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "printing/printcommands.h"
#include "printing/sheetprinter.h"
#include "printing/singleimage.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>

namespace {
// The results as a sheet run sees them: every entry, by its real path.
class SearchSheetHost : public SheetHost
{
public:
    std::function<QStringList()> paths;
    std::function<void(const QString &)> status;
    QProgressBar *gauge = nullptr;

    int itemCount() const override { return int(paths().size()); }
    QString caption(int index) const override { return paths().value(index); }
    void setStatus(const QString &text) override { status(text); }
    void setProgress(int position) override { gauge->setValue(position); }
    void letMessagesRun() override { QCoreApplication::processEvents(); }
};
} // namespace

void TForm11::View1Click()
{
    const QString path = firstSelectedPath();
    if (path.isEmpty() || !m_services.viewer || !m_services.metafileWindow)
        return;
    if (!viewImageFile(path, *m_services.viewer, *m_services.metafileWindow))
        m_prompter.error(QStringLiteral("Error Loading Image ") + path);
}

void TForm11::ToClipboard1Click()
{
    const QString path = firstSelectedPath();
    if (path.isEmpty() || !m_services.viewer || !m_services.metafileWindow)
        return;
    if (copyImageFileToClipboard(path, *m_services.viewer, *m_services.metafileWindow, m_prompter))
        setStatus(QStringLiteral("Image Copied To Clipboard"));
}

void TForm11::Convert1Click()
{
    TForm6 *dialog = m_services.convert;
    const QList<int> selected = selectedRows();
    if (!dialog || !m_services.viewer || selected.isEmpty() || m_searching)
        return;
    const QString current = workingDirectory();
    dialog->Edit1->setText(QDir::toNativeSeparators(current));
    if (!runDialog(dialog))
        return;
    if (dialog->Edit1->text().isEmpty()) {
        m_prompter.error(QStringLiteral("You Have Not Specified A Target Directory For The Converted Images"));
        return;
    }
    ConversionRequest request;
    const QStringList paths = resultPaths();
    for (int row = 0; row < paths.size(); ++row)
        request.entries.append({paths[row], selected.contains(row)});
    request.sourceFolder = current;
    request.targetText = dialog->Edit1->text();
    request.format = dialog->chosenFormat();
    request.tempFolder = tempFolder();
    TImageBox *engineBox = m_services.viewer->ImageBox1;
    engineBox->ImageWriteRes = dialog->chosenDepth();
    setStatus(QStringLiteral("Converting Files"));
    letMessagesRun();
    {
        WaitCursor hourglass;
        ImageBoxEngine engine(*engineBox);
        SearchWalkHost host([this](const QString &text) { setStatus(text); }, ProgressBar1, false);
        runConversion(request, engine, host, m_prompter);
    }
    engineBox->ImageWriteRes = TSaveResolution::sAutoMatic;
    setStatus(QStringLiteral("Finished Converting Files"));
    setGauge(0);
}

void TForm11::Print1Click()
{
    PrintCommands *commands = m_services.printing;
    if (!commands || m_searching)
        return;
    setStatus(QStringLiteral("Printer Selection"));
    if (!commands->askPrinter(this))
        return;
    const PrintCommands::Choice choice = commands->askOptions(this);
    commands->output(choice, this, [this](PageSink &sink, const PrintOptions &options) {
        letMessagesRun();
        setStatus(QStringLiteral("Printing Images Page 1"));
        SearchSheetHost host;
        host.paths = [this] { return resultPaths(); };
        host.status = [this](const QString &text) { setStatus(text); };
        host.gauge = ProgressBar1;
        const ProgramState *state = m_services.state;
        const SheetRequest request{options, state ? QSize(state->ThumbWidth, state->ThumbHeight) : QSize(70, 70),
                                   QString(), tempFolder()};
        bool printed = false;
        {
            WaitCursor hourglass;
            printed = printThumbnailSheet(sink, request, host, m_prompter);
        }
        setGauge(0);
        setStatus(QStringLiteral("Finished Printing Images"));
        return printed;
    });
}

void TForm11::Print2Click()
{
    PrintCommands *commands = m_services.printing;
    const QString path = firstSelectedPath();
    if (!commands || path.isEmpty())
        return;
    setStatus(QStringLiteral("Printer Selection"));
    if (!commands->askPrinter(this))
        return;
    setStatus(QStringLiteral("Print Options"));
    const PrintCommands::Choice choice = commands->askOptions(this);
    commands->output(choice, this, [this, &path](PageSink &sink, const PrintOptions &options) {
        setStatus(QStringLiteral("Printing Image"));
        WaitCursor hourglass;
        return printSingleImage(sink, options, [&](QPainter &painter, QSize page) {
            if (!drawImage(painter, path, options.scale, page))
                m_prompter.error(QStringLiteral("Error Printing File ") + path);
        });
    });
    setStatus(QStringLiteral("Finished Printing"));
}

bool TForm11::drawImage(QPainter &painter, const QString &path, int scale, QSize page)
{
    return m_services.viewer && m_services.metafileWindow
           && drawImageFile(painter, path, scale, page, *m_services.viewer, *m_services.metafileWindow, tempFolder());
}

// The program's temporary folder, or the private one when none is set.
QString TForm11::tempFolder() const
{
    const QString chosen = m_services.state ? m_services.state->WindowsDir : QString();
    return chosen.isEmpty() ? privateTempDirectory() : chosen;
}
