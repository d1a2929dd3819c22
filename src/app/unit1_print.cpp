// Main window: print thumbnail sheets and single images, printer set-up
// and the fonts window.
#include "app/unit1.h"
#include "printing/printerpagesink.h"
#include "imaging/scan/scan.h"

#include "browse/imagelistview.h"
#include "dialogs/helpcommands.h"
#include "imaging/imagebox/imagebox.h"
#include "imaging/viewer/pic.h"
#include "imaging/viewer/pictureview.h"
#include "imaging/viewer/wmf.h"
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

namespace {
// The list and status bar of the main window as a sheet run sees them.
class MainWindowSheetHost : public SheetHost
{
public:
    std::function<QStringList()> captions;
    std::function<void(const QString &)> status;
    std::function<void(int)> gauge;
    std::function<void()> messages;

    int itemCount() const override { return int(captions().size()); }
    QString caption(int index) const override { return captions().value(index); }
    void setStatus(const QString &text) override { status(text); }
    void setProgress(int position) override { gauge(position); }
    void letMessagesRun() override { messages(); }
};

// The sheet's marks of a print run: PrintBusy and the hourglass, undone
// however the run ends.
class PrintRunMarks
{
public:
    explicit PrintRunMarks(bool &printBusy) : m_printBusy(printBusy)
    {
        m_printBusy = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~PrintRunMarks()
    {
        m_printBusy = false;
        QApplication::restoreOverrideCursor();
    }
    PrintRunMarks(const PrintRunMarks &) = delete;
    PrintRunMarks &operator=(const PrintRunMarks &) = delete;

private:
    bool &m_printBusy;
};

} // namespace

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

void TForm1::setPrintDialogs(std::shared_ptr<PrintDialogs> dialogs)
{
    const QPointer<TForm10> options = m_printing ? m_printing->optionsDialog() : nullptr;
    m_printing.reset();
    m_printDialogs = std::move(dialogs);
    printing().setOptionsDialog(options);
}

void TForm1::setPrintOptionsDialog(TForm10 *dialog)
{
    printing().setOptionsDialog(dialog);
}

void TForm1::installWindowPrinting()
{
    if (OKBottomDlg && Form7)
        printing().installWindowCommands(*OKBottomDlg, *Form7);
    if (m_scanWindow)
        m_scanWindow->setPrinting(
            [this](QWidget *parent) -> std::unique_ptr<PageSink> {
                PrintCommands &commands = printing();
                if (!commands.dialogs().print(commands.printer().printer(), parent))
                    return nullptr;
                return std::make_unique<PrinterPageSink>(commands.printer().printer());
            },
            [this](QWidget *parent) { printing().printerSetUp(parent); });
}

void TForm1::PrintsetUp1Click()
{
    setStatus(QStringLiteral("Printer Set Up"));
    printing().printerSetUp(this);
}

void TForm1::PrintButtonClick()
{
    setStatus(QStringLiteral("Printer Selection"));
    PrintCommands &commands = printing();
    if (!commands.askPrinter(this))
        return;
    const PrintCommands::Choice choice = commands.askOptions(this);
    commands.output(choice, this, [this](PageSink &sink, const PrintOptions &options) {
        return printSheet(sink, options);
    });
}

bool TForm1::printSheet(PageSink &sink, const PrintOptions &options)
{
    letMessagesRun();
    setStatus(QStringLiteral("Printing Images Page 1"));
    bool printed = false;
    {
        const PrintRunMarks marks(state.PrintBusy);
        MainWindowSheetHost host;
        host.captions = [this] { return ListView1->captions(); };
        host.status = [this](const QString &text) { setStatus(text); };
        host.gauge = [this](int position) { setGauge(position); };
        host.messages = [this] { letMessagesRun(); };
        const SheetRequest request{options, QSize(state.ThumbWidth, state.ThumbHeight), state.CurrentDir,
                                   state.WindowsDir};
        printed = printThumbnailSheet(sink, request, host, m_prompter);
    }
    setGauge(0);
    setStatus(QStringLiteral("Finished Printing Images"));
    return printed;
}

void TForm1::Print2Click()
{
    if (!enterCurrentDir())
        return;
    const QString caption = firstSelectedCaption();
    if (caption.isEmpty())
        return;
    setStatus(QStringLiteral("Printer Selection"));
    PrintCommands &commands = printing();
    if (!commands.askPrinter(this))
        return;
    const PrintCommands::Choice choice = commands.askOptions(this);
    commands.output(choice, this, [this, &caption](PageSink &sink, const PrintOptions &options) {
        return printSelectedImage(sink, options, caption);
    });
    enablewindow();
    setStatus(QStringLiteral("Finished Printing"));
    state.PrintBusy = false;
}

bool TForm1::printSelectedImage(PageSink &sink, const PrintOptions &options, const QString &caption)
{
    state.PrintBusy = true;
    letMessagesRun();
    disablewindow();
    setStatus(QStringLiteral("Printing Image"));
    return printSingleImage(sink, options, [&](QPainter &painter, QSize page) {
        if (!drawSelectedImage(painter, caption, options.scale, page))
            m_prompter.error(QStringLiteral("Error Printing File ") + caption);
    });
}

bool TForm1::drawSelectedImage(QPainter &painter, const QString &caption, int scale, QSize page)
{
    return OKBottomDlg && Form7
           && drawImageFile(painter, caption, scale, page, *OKBottomDlg, *Form7, state.WindowsDir);
}

void TForm1::Fonts1Click()
{
    PrintCommands &commands = printing();
    TForm12 fonts(commands.printer(), commands.dialogs(), help(), this);
    commands.dialogs().runModal(fonts);
}
