// Builds the image list of a folder headless, through the main window's own
// code, and reports the rate and how soon the first screenful showed: the
// figures users judge a browser by. Later runs find the thumbnail cache
// that the first one filled (a private one, in a scratch folder).
#include "app/unit1.h"
#include "browse/imagelistview.h"
#include "browse/fileitemmodel.h"
#include "browse/thumbnailcache.h"
#include "platform/shell.h"
#include "platform/terminalprompter.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <cstdio>

namespace {
// Peak resident memory of this process in MB (Linux; 0 elsewhere).
double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

QSize parseSize(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    return parts.size() == 2 ? QSize(parts[0].toInt(), parts[1].toInt()) : QSize();
}

void settle()
{
    for (int pass = 0; pass < 5; ++pass)
        QCoreApplication::processEvents();
}

// Notes when the list, emptied for the build, is first painted holding a
// screenful of items.
class FirstScreenClock : public QObject
{
public:
    explicit FirstScreenClock(const ImageListView &list) : m_list(list)
    {
        connect(list.items(), &QAbstractItemModel::modelReset, this, [this] { m_emptied = true; });
    }
    void start()
    {
        m_timer.start();
        m_seconds = -1;
        m_emptied = false;
    }
    // The time of the first full paint; the whole build's when none came.
    double seconds(double whole) const { return m_seconds >= 0 ? m_seconds : whole; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const int shown = m_list.count();
        if (event->type() == QEvent::Paint && m_emptied && m_seconds < 0 && shown > 0
            && shown >= m_list.itemsPerScreen())
            m_seconds = double(m_timer.nsecsElapsed()) / 1e9;
        return QObject::eventFilter(watched, event);
    }

private:
    const ImageListView &m_list;
    QElapsedTimer m_timer;
    double m_seconds = -1;
    bool m_emptied = false;
};
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times one list build of FOLDER with thumbnails."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("Folder of images."));
    QCommandLineOption view(QStringLiteral("view"), QStringLiteral("icon or report."), QStringLiteral("view"), QStringLiteral("icon"));
    QCommandLineOption thumb(QStringLiteral("thumb"), QStringLiteral("Thumbnail size WxH."), QStringLiteral("size"), QStringLiteral("70x70"));
    QCommandLineOption threads(QStringLiteral("threads"), QStringLiteral("Decoding threads (0: one per core)."), QStringLiteral("n"), QStringLiteral("0"));
    QCommandLineOption type(QStringLiteral("type"), QStringLiteral("Filter: bmp, jpg, ..., all."), QStringLiteral("type"), QStringLiteral("all"));
    QCommandLineOption noThumbs(QStringLiteral("no-thumbs"), QStringLiteral("List without pictures."));
    QCommandLineOption noCache(QStringLiteral("no-cache"), QStringLiteral("Neither read nor fill the thumbnail cache."));
    QCommandLineOption runs(QStringLiteral("runs"), QStringLiteral("Builds in a row (later ones find the cache filled)."),
                            QStringLiteral("n"), QStringLiteral("1"));
    parser.addOptions({view, thumb, threads, type, noThumbs, noCache, runs});
    parser.process(application);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    const QSize thumbSize = parseSize(parser.value(thumb));
    if (!thumbSize.isValid())
        parser.showHelp(2);

    QTemporaryDir scratch;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch.path());
    qputenv("XDG_CACHE_HOME", QFile::encodeName(scratch.filePath(QStringLiteral("cache"))));
    // The folder made absolute now: the list build changes the working
    // directory.
    const QFileInfo given(parser.positionalArguments().first());
    if (!given.isDir()) {
        std::fprintf(stderr, "pxbench: %s is not a folder\n", qPrintable(given.filePath()));
        return 2;
    }
    const QString folder = given.absoluteFilePath();
    TerminalPrompter prompter(QStringLiteral("pxbench"));
    DesktopShell shell;
    TForm1 form({.prompter = &prompter, .shell = &shell, .thumbnailThreads = parser.value(threads).toInt()});
    form.state.ThumbWidth = thumbSize.width();
    form.state.ThumbHeight = thumbSize.height();
    form.SetImageSize();
    form.action(QStringLiteral("NoThumbs1"))->setChecked(parser.isSet(noThumbs));
    form.action(QStringLiteral("CacheThumbnails1"))->setChecked(!parser.isSet(noCache));
    form.show();
    settle();
    // Switch the view while the list shows an empty folder, so that only
    // the timed build reads the images.
    form.state.CurrentDir = scratch.path();
    if (parser.value(view) == QLatin1String("report"))
        form.ListButton->click();
    form.state.ImageType = parser.value(type);
    form.state.CurrentDir = folder;

    FirstScreenClock clock(*form.ListView1);
    for (QAbstractItemView *listView : form.ListView1->views())
        listView->viewport()->installEventFilter(&clock);
    const int runCount = std::max(1, parser.value(runs).toInt());
    int files = 0;
    for (int run = 1; run <= runCount; ++run) {
        QElapsedTimer timer;
        timer.start();
        clock.start();
        form.UpdateListbox();
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        files = form.ListView1->count();
        std::printf("pxbench: run %d of %d, %d items a screen\n", run, runCount, form.ListView1->itemsPerScreen());
        std::printf("pxbench: first screen %.3f s\n", clock.seconds(seconds));
        std::printf("pxbench: %d files in %.2f s, %.1f files/s, peak %.0f MB\n", files, seconds,
                    seconds > 0 ? files / seconds : 0.0, peakMegabytes());
        std::fflush(stdout);
        // The next run finds every entry this one made.
        waitForCacheWrites();
    }
    form.close();
    return files > 0 ? 0 : 1;
}
