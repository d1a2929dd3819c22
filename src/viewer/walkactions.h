// "Next Image" and "Previous Image" of the picture windows, which walk the
// list a picture was opened from.
#pragma once

#include <QObject>
#include <functional>

class QAction;
class QWidget;

class WalkActions : public QObject
{
public:
    // Page Down and Space step on, Page Up and Backspace back; both stay
    // off until a list to walk is handed in.
    explicit WalkActions(QWidget &window);

    // step(+1) shows the next file of the list, step(-1) the previous one.
    void setStepper(std::function<void(int)> step);

    QAction *next = nullptr;
    QAction *previous = nullptr;

private:
    std::function<void(int)> m_step;
};
