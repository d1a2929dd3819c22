// Program entry: the application object, the windows in their order, the loop.
#include "app/unit1.h"
#include "platform/shell.h"
#include "platform/widgetprompter.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pixmoor"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pixmoor.svg")));

    WidgetPrompter prompter;
    DesktopShell shell;
    TForm1 form1(prompter, shell);
    prompter.setParent(&form1);
    form1.show();
    return QApplication::exec();
}
