// Benchmarks of the list build on large folders, run on the offscreen platform.
#include "app/unit1.h"
#include "browse/imagelistview.h"
#include "platform/shell.h"
#include "platform/widgetprompter.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

namespace {
void makeFolder(const QString &folder, int files)
{
    QDir().mkpath(folder);
    const QByteArray content(2048, 'x');
    for (int i = 0; i < files; ++i) {
        QFile file(QStringLiteral("%1/picture%2.bmp").arg(folder).arg(i, 6, 10, QLatin1Char('0')));
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
    }
}

double millisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Times a list build with No Thumbs on (gather and insert), then the report columns."));
    parser.addHelpOption();
    QCommandLineOption filesOption(QStringLiteral("files"), QStringLiteral("Files in the folder."),
                                   QStringLiteral("n"), QStringLiteral("10000"));
    QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Repetitions."),
                                  QStringLiteral("n"), QStringLiteral("3"));
    parser.addOptions({filesOption, runsOption});
    parser.process(application);
    const int files = parser.value(filesOption).toInt();
    const int runs = parser.value(runsOption).toInt();

    QTemporaryDir scratch;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch.filePath(QStringLiteral("config")));
    const QString folder = scratch.filePath(QStringLiteral("pictures"));
    makeFolder(folder, files);

    WidgetPrompter prompter;
    DesktopShell shell;
    TForm1 form(prompter, shell);
    form.action(QStringLiteral("NoThumbs1"))->setChecked(true);
    form.show();
    // Let the first activation open its start folder before timing.
    for (int pass = 0; pass < 5; ++pass)
        QCoreApplication::processEvents();
    form.state.CurrentDir = folder;

    std::printf("files: %d\n", files);
    for (int run = 1; run <= runs; ++run) {
        form.action(QStringLiteral("List1"))->setChecked(false);
        form.ListView1->setViewStyle(ImageListView::ViewStyle::Icon);
        const double build = millisecondsOf([&] { form.UpdateListbox(); });
        const double report = millisecondsOf([&] { form.SetListView(); });
        std::printf("run %d: gather + insert %.1f ms (%d items), sizes + dates %.1f ms\n", run,
                    build, form.ListView1->count(), report);
    }
    form.close();
    return 0;
}
