// The one printer every print command of the program starts from, and the
// font its canvas has: both outlive each command.
#pragma once

#include "printing/printoptions.h"

#include <QColor>
#include <QFont>
#include <memory>

class QPrinter;

class SharedPrinter
{
public:
    SharedPrinter();
    ~SharedPrinter();

    QPrinter &printer() { return *m_printer; }
    const QPrinter &printer() const { return *m_printer; }

    QFont canvasFont() const { return m_canvasFont; }
    QColor canvasColor() const { return m_canvasColor; }

    // Copies the chosen font's name, style and colour to the canvas at the
    // printed size and the orientation to the printer. Returns the options
    // the pages are drawn with.
    PrintOptions ApplyPrintOptions(const PrintOptions &chosen);

private:
    std::unique_ptr<QPrinter> m_printer;
    QFont m_canvasFont;
    QColor m_canvasColor = Qt::black;
};
