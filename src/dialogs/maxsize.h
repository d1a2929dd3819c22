// Maximum size dialog: the file size limit of the list build.
#pragma once

#include <QDialog>

class HelpCommands;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TUpDown;

// The limit in force is this dialog's controls: on while CheckBox1 is
// checked, UpDown1's position in kilobytes. The dialog keeps the shared
// values the list build and the settings read in step with them.
class TForm15 : public QDialog
{
    Q_OBJECT
public:
    static constexpr int MinimumKB = 50;
    static constexpr int MaximumKB = 32000;

    TForm15(bool &maxSizeEnabled, int &maxSizeKB, HelpCommands &help, QWidget *parent = nullptr);

    void FormCreate();
    void WhatsThis1Click();

    bool limitEnabled() const;
    int limitKB() const;

    QLabel *Label1 = nullptr;
    QLineEdit *SizeEdit = nullptr;
    TUpDown *UpDown1 = nullptr;
    QLabel *Label2 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QMenu *PopupMenu1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void createControls();
    void keepSharedValuesInStep();

    bool &m_maxSizeEnabled;
    int &m_maxSizeKB;
    HelpCommands &m_help;
};
