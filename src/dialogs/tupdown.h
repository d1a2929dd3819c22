// Up and down arrows attached to an edit: they step the number in the edit
// within a range, without wrapping. Typing into the edit moves the position
// too, pulled into the range.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

class TUpDown : public QWidget
{
    Q_OBJECT
public:
    explicit TUpDown(QLineEdit *associate, QWidget *parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int position() const { return m_position; }
    // Pulls value into the range and writes it into the edit.
    void setPosition(int value);
    void stepBy(int steps);

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

signals:
    void positionChanged(int position);

private:
    void followEdit(const QString &text);
    void movePosition(int value);

    QLineEdit *m_associate;
    QToolButton *m_up;
    QToolButton *m_down;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_position = 0;
};
