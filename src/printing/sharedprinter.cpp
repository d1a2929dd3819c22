#include "printing/sharedprinter.h"

#include "platform/pagesink.h"

#include <QFontDatabase>
#include <QPageLayout>
#include <QPrinter>

SharedPrinter::SharedPrinter()
    : m_printer(std::make_unique<QPrinter>(QPrinter::PrinterResolution)),
      m_canvasFont(printTextFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont)))
{
    m_printer->setResolution(PrintDpi);
}

SharedPrinter::~SharedPrinter() = default;

PrintOptions SharedPrinter::ApplyPrintOptions(const PrintOptions &chosen)
{
    m_canvasFont = printTextFont(chosen.font);
    m_canvasColor = chosen.color;
    m_printer->setPageOrientation(chosen.portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
    PrintOptions applied = chosen;
    applied.font = m_canvasFont;
    applied.color = m_canvasColor;
    return applied;
}
