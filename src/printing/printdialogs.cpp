#include "printing/printdialogs.h"

#include "dialogs/dialogparts.h"

#include <QFontDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

bool StandardPrintDialogs::print(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    centreOver(&dialog, parent ? parent->window() : nullptr);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

bool StandardPrintDialogs::printerSetUp(QPrinter &printer, QWidget *parent)
{
    QPageSetupDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Printer Set Up"));
    centreOver(&dialog, parent ? parent->window() : nullptr);
    return dialog.exec() == QDialog::Accepted;
}

bool StandardPrintDialogs::chooseFont(QFont &font, QColor &color, QWidget *parent)
{
    Q_UNUSED(color);
    bool accepted = false;
    const QFont chosen = QFontDialog::getFont(&accepted, font, parent);
    if (accepted)
        font = chosen;
    return accepted;
}

void StandardPrintDialogs::preview(QPrinter &printer, QWidget *parent,
                                   const std::function<void(QPrinter &)> &paint)
{
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter *target) { paint(*target); });
    dialog.exec();
}

int StandardPrintDialogs::runModal(QDialog &dialog)
{
    return dialog.exec();
}
