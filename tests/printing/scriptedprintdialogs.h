// Print dialogs for tests: answers from a script, prints go to PDF files.
#pragma once

#include "printing/printdialogs.h"

#include <QQueue>
#include <QStringList>
#include <optional>

class ScriptedPrintDialogs : public PrintDialogs
{
public:
    bool print(QPrinter &printer, QWidget *parent) override;
    bool printerSetUp(QPrinter &printer, QWidget *parent) override;
    bool chooseFont(QFont &font, QColor &color, QWidget *parent) override;
    void preview(QPrinter &printer, QWidget *parent, const std::function<void(QPrinter &)> &paint) override;
    int runModal(QDialog &dialog) override;

    QQueue<bool> printAnswers;         // cancel when empty
    QString pdfPath;                   // where an accepted print goes
    QString previewPdfPath;            // where the preview's pages go
    std::function<int(QDialog &)> modal = [](QDialog &) { return 0; };
    std::optional<QFont> fontChoice;   // cancel when empty
    QStringList calls;                 // "print", "setUp", "font", "preview", "modal"
};
