// The dialogs a print command asks: the platform's print, printer set-up,
// font and preview dialogs, and this program's own modal windows. Tests
// answer them from a script instead.
#pragma once

#include <QColor>
#include <QFont>
#include <functional>

class QDialog;
class QPrinter;
class QWidget;

class PrintDialogs
{
public:
    virtual ~PrintDialogs() = default;
    // Which printer and how; false when cancelled.
    virtual bool print(QPrinter &printer, QWidget *parent) = 0;
    virtual bool printerSetUp(QPrinter &printer, QWidget *parent) = 0;
    // False when cancelled; font and colour are changed only on OK.
    virtual bool chooseFont(QFont &font, QColor &color, QWidget *parent) = 0;
    // Shows pages that paint draws on the printer it is handed; the user
    // may print them from there.
    virtual void preview(QPrinter &printer, QWidget *parent, const std::function<void(QPrinter &)> &paint) = 0;
    // Shows one of the program's windows modally; its result code.
    virtual int runModal(QDialog &dialog) = 0;
};

class StandardPrintDialogs : public PrintDialogs
{
public:
    bool print(QPrinter &printer, QWidget *parent) override;
    bool printerSetUp(QPrinter &printer, QWidget *parent) override;
    bool chooseFont(QFont &font, QColor &color, QWidget *parent) override;
    void preview(QPrinter &printer, QWidget *parent, const std::function<void(QPrinter &)> &paint) override;
    int runModal(QDialog &dialog) override;
};
