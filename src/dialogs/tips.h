// Tip of the day window.
#pragma once

#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

class TForm16 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm16(QWidget *parent = nullptr);

    QFrame *Panel1 = nullptr;
    QLabel *iBulb = nullptr;
    QLabel *TipName = nullptr;
    QLabel *TipLabel = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QPushButton *BitBtn1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QFrame *createTipPanel();
};
