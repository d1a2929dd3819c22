// Answers the next modal dialog of a given type once it is on screen.
#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

template <typename Dialog>
void whenModalShown(std::function<void(Dialog &)> handle)
{
    QTimer::singleShot(0, [handle] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget()))
            handle(*dialog);
        else
            whenModalShown(handle);
    });
}
