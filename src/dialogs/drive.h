// Drive information window: path, size, free and used space and the kind
// of the volume that holds the working directory.
#pragma once

#include <QDialog>

class QLabel;
class QMenu;
class QPushButton;
class Volumes;

class TOKBottomDlg1 : public QDialog
{
    Q_OBJECT
public:
    explicit TOKBottomDlg1(const Volumes &volumes, QWidget *parent = nullptr);

    // Fills the labels; runs every time the window is shown.
    void FormActivate();
    void CloseWindow1Click();

    QLabel *Path = nullptr;
    QLabel *Size = nullptr;
    QLabel *Free = nullptr;
    QLabel *Used = nullptr;
    QLabel *Removable = nullptr;
    QPushButton *OKBtn = nullptr;
    QMenu *PopupMenu1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createPopupMenu();

    const Volumes &m_volumes;
};
