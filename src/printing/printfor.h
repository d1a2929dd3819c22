// Print options dialog: page texts, font, orientation and scaling factor.
#pragma once

#include "printing/printoptions.h"

#include <QDialog>

class HelpCommands;
class PrintDialogs;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class SharedPrinter;
class TUpDown;

// One instance lives for the whole run, so everything but the two texts
// keeps its value from one print command to the next.
class TForm10 : public QDialog
{
    Q_OBJECT
public:
    // The result of Pre&view: print to the preview instead of the printer.
    static constexpr int PreviewResult = 2;

    TForm10(SharedPrinter &printer, PrintDialogs &dialogs, HelpCommands &help, QWidget *parent = nullptr);

    void FormActivate();
    void CheckBox1Click();
    void CheckBox2Click();
    void FontButtonClick();
    void Image1Click();
    void Image2Click();
    void WhatsThis1Click();

    // The options as the controls hold them; the font at its chosen size.
    PrintOptions options() const;
    QFont dialogFont() const { return m_font; }
    QColor dialogColor() const { return m_color; }

    QCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr, *CheckBox3 = nullptr;
    QLineEdit *HeaderEdit = nullptr, *FootEdit = nullptr, *FontEdit = nullptr, *ScaleEdit = nullptr;
    QPushButton *FontButton = nullptr;
    QFrame *Panel1 = nullptr, *Panel2 = nullptr;
    QLabel *Image1 = nullptr, *Image2 = nullptr, *OrientEdit = nullptr;
    TUpDown *UpDown1 = nullptr;
    QPushButton *OkButton = nullptr, *CancelButton = nullptr, *BitBtn2 = nullptr, *PreviewButton = nullptr;
    QMenu *PopupMenu1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    QWidget *createTextsBox();
    QWidget *createOrientationBox();
    QWidget *createScaleBox();
    QWidget *createButtons();
    void createPopupMenu();
    static void followCheckBox(QCheckBox *box, QLineEdit *edit);

    SharedPrinter &m_printer;
    PrintDialogs &m_dialogs;
    HelpCommands &m_help;
    QFont m_font;    // what the font dialog holds
    QColor m_color;
};
