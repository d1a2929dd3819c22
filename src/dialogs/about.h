// About box: the product name and its version.
#pragma once

#include <QDialog>

class HelpCommands;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(HelpCommands &help, QWidget *parent = nullptr);

    void OKButtonClick();
    void WhatsThis1Click();

    QFrame *Panel1 = nullptr;
    QLabel *ProgramIcon = nullptr;
    QLabel *ProductName = nullptr;
    QLabel *Version = nullptr;
    QPushButton *OkButton = nullptr;
    QMenu *PopupMenu1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QFrame *createPanel();

    HelpCommands &m_help;
};
