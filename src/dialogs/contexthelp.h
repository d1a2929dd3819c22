// F1 anywhere in the program: the help topic of the open menu's item or of
// the focused control (the nearest window part that carries a help context
// in its "helpContext" property), or the contents when there is none. Open
// menus close before the topic shows.
#pragma once

#include <QObject>

class HelpCommands;

class ContextHelp : public QObject
{
public:
    // Watches every key press of the application while it lives.
    ContextHelp(HelpCommands &help, QObject *parent);

    // The help context for F1 pressed while receiver has the keys; 0 for none.
    static int contextFor(const QObject *receiver);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    HelpCommands &m_help;
};
