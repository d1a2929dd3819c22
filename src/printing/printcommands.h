// The steps every print command shares (print dialog, options dialog,
// ApplyPrintOptions, printer or preview) and the print commands of the
// image viewer and the metafile window.
#pragma once

#include "printing/printfor.h"
#include "printing/printoptions.h"

#include <QPointer>
#include <functional>

class PageSink;
class PrintDialogs;
class Prompter;
class QPainter;
class QWidget;
class SharedPrinter;
class TForm7;
class TOKBottomDlg;

class PrintCommands
{
public:
    enum class Choice { Cancelled, Print, Preview };
    // Draws a whole document on a page sink with the applied options; false
    // when the printer failed.
    using Document = std::function<bool(PageSink &, const PrintOptions &)>;

    PrintCommands(SharedPrinter &printer, PrintDialogs &dialogs, Prompter &prompter);

    SharedPrinter &printer() { return m_printer; }
    PrintDialogs &dialogs() { return m_dialogs; }
    void setOptionsDialog(TForm10 *dialog) { m_options = dialog; }
    TForm10 *optionsDialog() const { return m_options; }

    // The platform's print dialog; false when cancelled.
    bool askPrinter(QWidget *parent);
    // The print options dialog, shown modally over the window that asks.
    Choice askOptions(QWidget *asker);
    // ApplyPrintOptions, then the document on the printer or in the preview.
    void output(Choice choice, QWidget *parent, const Document &document);
    // The printer set-up dialog and nothing else.
    void printerSetUp(QWidget *parent);

    // The image viewer's Print: its picture at the scaling factor.
    void printViewerImage(TOKBottomDlg &viewer);
    // The metafile window's Print: its picture one factor smaller.
    void printMetafileWindow(TForm7 &window);
    // Enables both windows' Print and Printer Set Up items.
    void installWindowCommands(TOKBottomDlg &viewer, TForm7 &window);

private:
    void printInWindow(QWidget *window, const std::function<void(const QString &)> &status,
                       const std::function<void(QPainter &, int, QSize)> &draw);

    SharedPrinter &m_printer;
    PrintDialogs &m_dialogs;
    Prompter &m_prompter;
    QPointer<TForm10> m_options;
};

// A picture from the image control printed at factor s through the
// temporary bitmap; false (nothing drawn) when the round trip fails.
bool drawImageControlPicture(QPainter &painter, const class Picture &picture, int scale, QSize page,
                             const QString &tempDir);
// One image file as the single-image print draws it: icons and metafiles
// through the metafile window, everything else through the viewer's image
// control; false when the file could not be loaded or drawn.
bool drawImageFile(QPainter &painter, const QString &path, int scale, QSize page, TOKBottomDlg &viewer,
                   TForm7 &metafiles, const QString &tempDir);
