#include "scriptedprintdialogs.h"

#include <QPrinter>

namespace {
void toPdf(QPrinter &printer, const QString &path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}
} // namespace

bool ScriptedPrintDialogs::print(QPrinter &printer, QWidget *)
{
    calls.append(QStringLiteral("print"));
    const bool accepted = !printAnswers.isEmpty() && printAnswers.dequeue();
    if (accepted)
        toPdf(printer, pdfPath);
    return accepted;
}

bool ScriptedPrintDialogs::printerSetUp(QPrinter &, QWidget *)
{
    calls.append(QStringLiteral("setUp"));
    return true;
}

bool ScriptedPrintDialogs::chooseFont(QFont &font, QColor &, QWidget *)
{
    calls.append(QStringLiteral("font"));
    if (!fontChoice)
        return false;
    font = *fontChoice;
    return true;
}

void ScriptedPrintDialogs::preview(QPrinter &printer, QWidget *, const std::function<void(QPrinter &)> &paint)
{
    calls.append(QStringLiteral("preview"));
    toPdf(printer, previewPdfPath);
    paint(printer);
}

int ScriptedPrintDialogs::runModal(QDialog &dialog)
{
    calls.append(QStringLiteral("modal"));
    return modal(dialog);
}
