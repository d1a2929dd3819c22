// Viewing, the clipboard, conversion and printing on a list's selection.
#include "commands/listcommands.h"

#include "commands/listwindow.h"
#include "commands/programstate.h"
#include "convert/conversionwalk.h"
#include "convert/convert.h"
#include "convert/imageboxengine.h"
#include "imagebox/imagebox.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "printing/printcommands.h"
#include "printing/sheetprinter.h"
#include "printing/singleimage.h"
#include "viewer/pic.h"
#include "viewer/viewing.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>

namespace {
// A walk that does not let messages run: nothing else can start meanwhile.
class QuietTask : public Task
{
public:
    explicit QuietTask(Task &task) : m_task(task) {}
    void letMessagesRun() override {}
    bool takeStopRequest() override { return m_task.takeStopRequest(); }
    void setStatus(const QString &text) override { m_task.setStatus(text); }
    void setGauge(int position) override { m_task.setGauge(position); }
    void reportError(const QString &text) override { m_task.reportError(text); }

private:
    Task &m_task;
};

// The list as a sheet run sees it: every entry by its name, read afresh
// for each image, as the list may change while messages run.
class ListSheet : public SheetHost
{
public:
    explicit ListSheet(ListWindow &window) : m_window(window) {}
    int itemCount() const override { return int(m_window.selection().entries.size()); }
    QString caption(int index) const override
    {
        const QList<ListEntry> entries = m_window.selection().entries;
        return index < entries.size() ? entries[index].name : QString();
    }
    void letMessagesRun() override { m_window.letMessagesRun(); }
    bool takeStopRequest() override { return false; }
    void setStatus(const QString &text) override { m_window.setStatus(text); }
    void setGauge(int position) override { m_window.setGauge(position); }
    void reportError(const QString &text) override { m_window.reportError(text); }

private:
    ListWindow &m_window;
};
} // namespace

void ListCommands::view()
{
    const ListSelection selection = m_window.selection();
    const ListEntry *entry = selection.first();
    if (!entry || !m_services.viewer || !m_services.metafileWindow)
        return;
    // The picture windows walk the whole list from here, in its order.
    QList<ViewedFile> walk;
    for (const ListEntry &listed : selection.entries)
        walk.append({listed.path, listed.name});
    const int current = int(entry - selection.entries.constData());
    if (!viewImageFiles(walk, current, *m_services.viewer, *m_services.metafileWindow, m_prompter)) {
        m_prompter.error(QStringLiteral("Error Loading Image ") + entry->name);
        return;
    }
    if (m_style.viewStatus)
        m_window.setStatus(QStringLiteral("Viewing Image ") + entry->name);
}

void ListCommands::copyToClipboard()
{
    const ListSelection selection = m_window.selection();
    const ListEntry *entry = selection.first();
    if (!entry || !m_services.viewer || !m_services.metafileWindow)
        return;
    if (copyImageFileToClipboard(entry->path, *m_services.viewer, *m_services.metafileWindow, m_prompter))
        m_window.setStatus(QStringLiteral("Image Copied To Clipboard"));
}

void ListCommands::convert()
{
    TForm6 *dialog = m_services.convert;
    const ListSelection selection = m_window.selection();
    if (!dialog || !m_services.viewer || !selection.hasSelection())
        return;
    // A list of full paths has no folder of its own: relative targets count
    // from the working folder, as they do when typed anywhere else.
    const QString source = selection.folder.isEmpty() ? workingDirectory()
                                                      : QDir::toNativeSeparators(QDir::cleanPath(selection.folder));
    if (!m_style.keepTypedConvertTarget || !dialog->CheckBox1->isChecked())
        dialog->Edit1->setText(QDir::toNativeSeparators(source));
    {
        const OpenedFrom opened(*dialog, m_window.widget());
        if (dialog->exec() != QDialog::Accepted)
            return;
    }
    if (dialog->Edit1->text().isEmpty()) {
        m_prompter.error(QStringLiteral("You Have Not Specified A Target Directory For The Converted Images"));
        return;
    }
    ConversionRequest request;
    for (const ListEntry &entry : selection.entries)
        request.entries.append({entry.name, entry.selected});
    request.sourceFolder = source;
    request.targetText = dialog->Edit1->text();
    request.format = dialog->chosenFormat();
    request.tempFolder = tempFolder();
    TImageBox *engineBox = m_services.viewer->ImageBox1;
    engineBox->ImageWriteRes = dialog->chosenDepth();
    m_window.setStatus(QStringLiteral("Converting Files"));
    m_window.letMessagesRun();
    {
        const BusyScope busy(m_window, BusyKind::Conversion);
        ImageBoxEngine engine(*engineBox);
        QuietTask quiet(m_window);
        runConversion(request, engine, m_style.messagesDuringConversion ? static_cast<Task &>(m_window) : quiet,
                      m_prompter);
        engineBox->ImageWriteRes = TSaveResolution::sAutoMatic;
        m_window.setStatus(QStringLiteral("Finished Converting Files"));
        m_window.setGauge(0);
    }
}

void ListCommands::printSheet()
{
    PrintCommands *commands = m_services.printing;
    if (!commands)
        return;
    QWidget *parent = m_window.widget();
    m_window.setStatus(QStringLiteral("Printer Selection"));
    if (!commands->askPrinter(parent))
        return;
    const PrintCommands::Choice choice = commands->askOptions(parent);
    commands->output(choice, parent, [this](PageSink &sink, const PrintOptions &options) {
        m_window.letMessagesRun();
        m_window.setStatus(QStringLiteral("Printing Images Page 1"));
        bool printed = false;
        {
            const BusyScope busy(m_window, BusyKind::SheetPrint);
            ListSheet sheet(m_window);
            const SheetRequest request{options, thumbSize(), m_window.selection().folder, tempFolder(),
                                       m_services.state && m_services.state->KeepProportions};
            printed = printThumbnailSheet(sink, request, sheet, m_prompter);
        }
        m_window.setGauge(0);
        m_window.setStatus(QStringLiteral("Finished Printing Images"));
        return printed;
    });
}

void ListCommands::printImage()
{
    PrintCommands *commands = m_services.printing;
    const ListSelection selection = m_window.selection();
    if (!commands || !selection.hasSelection())
        return;
    const ListEntry entry = *selection.first();
    QWidget *parent = m_window.widget();
    m_window.setStatus(QStringLiteral("Printer Selection"));
    if (!commands->askPrinter(parent))
        return;
    if (!m_style.printOptionsStatus.isEmpty())
        m_window.setStatus(m_style.printOptionsStatus);
    const PrintCommands::Choice choice = commands->askOptions(parent);
    commands->output(choice, parent, [this, &entry](PageSink &sink, const PrintOptions &options) {
        const BusyScope busy(m_window, BusyKind::ImagePrint);
        m_window.setStatus(QStringLiteral("Printing Image"));
        return printSingleImage(sink, options, [&](QPainter &painter, QSize page) {
            if (!drawImage(painter, entry.path, options.scale, page))
                m_prompter.error(QStringLiteral("Error Printing File ") + entry.name);
        });
    });
    m_window.setStatus(QStringLiteral("Finished Printing"));
}

bool ListCommands::drawImage(QPainter &painter, const QString &path, int scale, QSize page) const
{
    return m_services.viewer && m_services.metafileWindow
           && drawImageFile(painter, path, scale, page, *m_services.viewer, *m_services.metafileWindow, tempFolder());
}

// The program's temporary folder, or the private one when none is set.
QString ListCommands::tempFolder() const
{
    const QString chosen = m_services.state ? m_services.state->WindowsDir : QString();
    return chosen.isEmpty() ? privateTempDirectory() : chosen;
}

QSize ListCommands::thumbSize() const
{
    return m_services.state ? QSize(m_services.state->ThumbWidth, m_services.state->ThumbHeight) : QSize(70, 70);
}
