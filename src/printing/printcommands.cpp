#include "printing/printcommands.h"

#include "dialogs/dialogparts.h"
#include "imagebox/imagebox.h"
#include "imaging/picture/picture.h"
#include "viewer/pic.h"
#include "viewer/pictureview.h"
#include "viewer/wmf.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "printing/printdialogs.h"
#include "platform/printerpagesink.h"
#include "printing/printfor.h"
#include "printing/sharedprinter.h"
#include "printing/singleimage.h"
#include "printing/tempbitmap.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>

PrintCommands::PrintCommands(SharedPrinter &printer, PrintDialogs &dialogs, Prompter &prompter)
    : m_printer(printer), m_dialogs(dialogs), m_prompter(prompter)
{
}

bool PrintCommands::askPrinter(QWidget *parent)
{
    return m_dialogs.print(m_printer.printer(), parent);
}

PrintCommands::Choice PrintCommands::askOptions(QWidget *asker)
{
    if (!m_options)
        return Choice::Cancelled;
    const OpenedFrom opened(*m_options, asker);
    centreOver(m_options, asker ? asker->window() : nullptr);
    const int result = m_dialogs.runModal(*m_options);
    if (result == QDialog::Accepted)
        return Choice::Print;
    return result == TForm10::PreviewResult ? Choice::Preview : Choice::Cancelled;
}

void PrintCommands::output(Choice choice, QWidget *parent, const Document &document)
{
    if (choice == Choice::Cancelled || !m_options)
        return;
    const PrintOptions options = m_printer.ApplyPrintOptions(m_options->options());
    if (choice == Choice::Preview) {
        m_dialogs.preview(m_printer.printer(), parent, [&](QPrinter &target) {
            PrinterPageSink sink(target);
            document(sink, options);
        });
        return;
    }
    PrinterPageSink sink(m_printer.printer());
    // The printer or the file it writes may refuse: say so rather than
    // finish as if the pages had gone out.
    if (!document(sink, options))
        m_prompter.error(QStringLiteral("Printing Failed"));
}

void PrintCommands::printerSetUp(QWidget *parent)
{
    m_dialogs.printerSetUp(m_printer.printer(), parent);
}

void PrintCommands::printInWindow(QWidget *window, const std::function<void(const QString &)> &status,
                                  const std::function<void(QPainter &, int, QSize)> &draw)
{
    if (!askPrinter(window))
        return;
    const Choice choice = askOptions(window);
    output(choice, window, [&](PageSink &sink, const PrintOptions &options) {
        QCoreApplication::processEvents();
        status(QStringLiteral("printing Image"));
        return printSingleImage(sink, options,
                                [&](QPainter &painter, QSize page) { draw(painter, options.scale, page); });
    });
    status(QStringLiteral("Finished Printing"));
}

void PrintCommands::printViewerImage(TOKBottomDlg &viewer)
{
    const auto status = [&viewer](const QString &text) { viewer.StatusBar1->setText(text); };
    printInWindow(&viewer, status, [&](QPainter &painter, int scale, QSize page) {
        if (!drawImageControlPicture(painter, viewer.ImageBox1->picture(), scale, page, privateTempDirectory()))
            m_prompter.error(QStringLiteral("Error Printing File ") + viewer.windowTitle());
    });
}

void PrintCommands::printMetafileWindow(TForm7 &window)
{
    const auto status = [&window](const QString &text) { window.StatusBar1->setText(text); };
    printInWindow(&window, status, [&window](QPainter &painter, int scale, QSize page) {
        const Picture &picture = window.Image1->picture();
        drawPictureStretched(painter, picture,
                             singleImageRect(PictureSource::PictureHolder, scale, picture.size(), page));
    });
}

void PrintCommands::installWindowCommands(TOKBottomDlg &viewer, TForm7 &window)
{
    viewer.setPrintCommands([this, &viewer] { printViewerImage(viewer); },
                            [this, &viewer] { printerSetUp(&viewer); });
    window.setPrintCommands([this, &window] { printMetafileWindow(window); },
                            [this, &window] { printerSetUp(&window); });
}

bool drawImageControlPicture(QPainter &painter, const Picture &picture, int scale, QSize page,
                             const QString &tempDir)
{
    const QImage printed = roundTripThroughTempBitmap(picture.clipboardImage(), tempDir);
    if (printed.isNull())
        return false;
    painter.drawImage(singleImageRect(PictureSource::ImageControl, scale, picture.size(), page), printed);
    return true;
}

bool drawImageFile(QPainter &painter, const QString &path, int scale, QSize page, TOKBottomDlg &viewer,
                   TForm7 &metafiles, const QString &tempDir)
{
    if (pictureFileKind(path) != PictureFileKind::None) {
        if (!metafiles.loadFile(path))
            return false;
        const Picture &picture = metafiles.Image1->picture();
        drawPictureStretched(painter, picture,
                             singleImageRect(PictureSource::PictureHolder, scale, picture.size(), page));
        return true;
    }
    viewer.ImageBox1->setImageName(path);
    return drawImageControlPicture(painter, viewer.ImageBox1->picture(), scale, page, tempDir);
}
