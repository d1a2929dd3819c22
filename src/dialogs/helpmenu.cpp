#include "dialogs/helpmenu.h"

#include "dialogs/about.h"
#include "dialogs/helpcommands.h"

#include <QMainWindow>
#include <QMenuBar>

QMenu *addHelpMenu(QMainWindow &window, HelpCommands &help, const char *searchCaption)
{
    QMenu *menu = window.menuBar()->addMenu(QStringLiteral("&Help"));
    menu->setObjectName(QStringLiteral("Help1"));
    const auto add = [&](const char *name, const QString &caption, auto run) {
        QAction *item = menu->addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        QObject::connect(item, &QAction::triggered, &window, run);
    };
    add("About1", QStringLiteral("&About"), [&window, &help] {
        TAboutBox about(help, &window);
        about.exec();
    });
    add("Help2", QStringLiteral("&Help"), [&help] { help.contents(); });
    add("Searchhelp1", QString::fromUtf8(searchCaption), [&help] { help.search(); });
    add("UsingHelp1", QStringLiteral("&Using Help"), [&help] { help.usingHelp(); });
    return menu;
}
