// pxsheet: prints a folder's contact sheet into a PDF file, headless,
// through the main window's own File > Print Thumb command: the same list
// build, print options and sheet printer as the program.
#include "app/unit1.h"
#include "browse/filegatherer.h"
#include "browse/imagelistview.h"
#include "dialogs/tupdown.h"
#include "platform/shell.h"
#include "platform/terminalprompter.h"
#include "printing/printcommands.h"
#include "printing/printdialogs.h"
#include "printing/printfor.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

namespace {

struct SheetChoices
{
    QString pdf;
    bool header = true;
    QString headerText;
    bool footNote = true;
    QString footText;
    bool pageNumbers = true;
    bool landscape = false;
    int scale = 3;
};

// The platform's dialogs answered as the command line asks: the printer
// writes the PDF, and the print options are set before OK.
class CommandLineDialogs : public StandardPrintDialogs
{
public:
    explicit CommandLineDialogs(SheetChoices choices) : m_choices(std::move(choices)) {}

    bool print(QPrinter &printer, QWidget *) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(m_choices.pdf);
        return true;
    }
    int runModal(QDialog &dialog) override
    {
        auto *options = qobject_cast<TForm10 *>(&dialog);
        if (!options)
            return QDialog::Rejected;
        options->FormActivate();
        options->CheckBox1->setChecked(m_choices.header);
        options->HeaderEdit->setText(m_choices.headerText);
        options->CheckBox2->setChecked(m_choices.footNote);
        options->FootEdit->setText(m_choices.footText);
        options->CheckBox3->setChecked(m_choices.pageNumbers);
        if (m_choices.landscape)
            options->Image2Click();
        else
            options->Image1Click();
        options->UpDown1->setPosition(m_choices.scale);
        return QDialog::Accepted;
    }

private:
    SheetChoices m_choices;
};

int fail(const QString &text)
{
    std::fprintf(stderr, "pxsheet: %s\n", qPrintable(text));
    return 1;
}

QSize parseSize(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    return parts.size() == 2 ? QSize(parts[0].toInt(), parts[1].toInt()) : QSize();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Prints the contact sheet of FOLDER into OUT.pdf (A4, files in name order), as File > Print Thumb does."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("Folder of images."));
    parser.addPositionalArgument(QStringLiteral("OUT.pdf"), QStringLiteral("The PDF file to write."));
    const QCommandLineOption type(QStringLiteral("type"), QStringLiteral("Files listed: %1.").arg(imageTypes().join(QStringLiteral(", "))),
                                  QStringLiteral("type"), QStringLiteral("all"));
    const QCommandLineOption thumb(QStringLiteral("thumb"), QStringLiteral("Thumbnail size WxH, 20 to 150 each."),
                                   QStringLiteral("size"), QStringLiteral("70x70"));
    const QCommandLineOption scale(QStringLiteral("scale"), QStringLiteral("Scaling factor, 2 to 6."), QStringLiteral("s"),
                                   QStringLiteral("3"));
    const QCommandLineOption header(QStringLiteral("header"), QStringLiteral("Header text."), QStringLiteral("text"));
    const QCommandLineOption foot(QStringLiteral("foot"), QStringLiteral("Foot note text."), QStringLiteral("text"));
    const QCommandLineOption noPageNumbers(QStringLiteral("no-page-numbers"), QStringLiteral("Leave out page numbers."));
    const QCommandLineOption landscape(QStringLiteral("landscape"), QStringLiteral("Print landscape."));
    parser.addOptions({type, thumb, scale, header, foot, noPageNumbers, landscape});
    parser.process(application);
    if (parser.positionalArguments().size() != 2)
        parser.showHelp(2);

    const QFileInfo given(parser.positionalArguments().at(0));
    if (!given.isDir())
        return fail(QStringLiteral("%1 is not a folder").arg(given.filePath()));
    // Made absolute now: the list build changes the working directory.
    const QString folder = given.absoluteFilePath();
    const QString imageType = parser.value(type).toLower();
    if (!imageTypes().contains(imageType))
        return fail(QStringLiteral("unknown type %1 (one of %2)").arg(imageType, imageTypes().join(QStringLiteral(", "))));
    const QSize thumbSize = parseSize(parser.value(thumb));
    if (thumbSize.width() < 20 || thumbSize.width() > 150 || thumbSize.height() < 20 || thumbSize.height() > 150)
        return fail(QStringLiteral("thumbnail size %1 is not WxH with sides of 20 to 150").arg(parser.value(thumb)));
    bool scaleIsNumber = false;
    const int scaleValue = parser.value(scale).toInt(&scaleIsNumber);
    if (!scaleIsNumber || scaleValue < 2 || scaleValue > 6)
        return fail(QStringLiteral("scale %1 is not a whole number from 2 to 6").arg(parser.value(scale)));
    const QFileInfo out(parser.positionalArguments().at(1));
    if (!QFileInfo(out.absolutePath()).isDir())
        return fail(QStringLiteral("no folder %1 to write %2 into").arg(out.absolutePath(), out.fileName()));

    SheetChoices choices;
    choices.pdf = out.absoluteFilePath();
    choices.header = parser.isSet(header);
    choices.headerText = parser.value(header);
    choices.footNote = parser.isSet(foot);
    choices.footText = parser.value(foot);
    choices.pageNumbers = !parser.isSet(noPageNumbers);
    choices.landscape = parser.isSet(landscape);
    choices.scale = scaleValue;

    // The program's settings stay untouched: this run keeps its own.
    QTemporaryDir scratch;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch.path());
    TerminalPrompter prompter(QStringLiteral("pxsheet"));
    DesktopShell shell;
    TForm1 form({.prompter = &prompter, .shell = &shell, .printDialogs = std::make_shared<CommandLineDialogs>(choices)});
    TForm10 options(form.printing().printer(), form.printing().dialogs(), form.help(), &form);
    form.attachParts({.printOptions = &options});
    form.state.ThumbWidth = thumbSize.width();
    form.state.ThumbHeight = thumbSize.height();
    form.action(QStringLiteral("NoThumbs1"))->setChecked(true);   // the sheet reads its pictures itself
    form.action(QStringLiteral("Sorted1"))->setChecked(true);     // cells in name order
    form.Sorted1Click();
    form.state.CurrentDir = scratch.path();
    form.show();
    for (int pass = 0; pass < 5; ++pass)   // the first showing lists the scratch folder
        QCoreApplication::processEvents();
    form.state.ImageType = imageType;
    form.state.CurrentDir = folder;
    form.UpdateListbox();
    const int files = form.ListView1->count();
    if (files == 0) {
        form.close();
        return fail(QStringLiteral("no pictures of type %1 in %2").arg(imageType, folder));
    }
    const int messagesBefore = int(prompter.messages.size());
    form.PrintButtonClick();
    form.close();
    if (!QFileInfo::exists(choices.pdf) || prompter.messages.contains(QStringLiteral("Printing Failed")))
        return fail(QStringLiteral("the sheet could not be written to %1").arg(choices.pdf));
    std::printf("pxsheet: %d files, %d unreadable, into %s\n", files, int(prompter.messages.size()) - messagesBefore,
                qPrintable(QDir::toNativeSeparators(choices.pdf)));
    return 0;
}
