// Lets only digits, Backspace and Return reach an edit, and no digit once
// the edit holds maxLength characters (0: no limit).
#pragma once

#include <QObject>

class QLineEdit;

class DigitKeyFilter : public QObject
{
public:
    DigitKeyFilter(QLineEdit *edit, int maxLength);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_edit;
    int m_maxLength;
};
