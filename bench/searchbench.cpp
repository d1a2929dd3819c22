// Times a search of a generated tree: pxsearchbench [files] [per-folder].
// Every file is a small bitmap, so each one costs a real thumbnail.
#include "commands/programstate.h"
#include "browse/imagelistview.h"
#include "platform/filesystem.h"
#include "platform/prompter.h"
#include "search/search.h"

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdio>

namespace {
class SilentPrompter : public Prompter
{
public:
    void error(const QString &text) override { std::fprintf(stderr, "error: %s\n", qPrintable(text)); }
    Button confirm(const QString &, const QList<Button> &) override { return Button::Cancel; }
    void information(const QString &) override {}
    std::optional<QString> pickFolder(const QString &, const QString &) override { return std::nullopt; }
};

// Folders of perFolder files each, nested two levels deep.
void makeTree(const QString &root, int files, int perFolder)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "BMP");
    }
    for (int i = 0; i < files; ++i) {
        const int folder = i / perFolder;
        const QString path = QStringLiteral("%1/g%2/f%3").arg(root).arg(folder / 10).arg(folder);
        if (i % perFolder == 0)
            QDir().mkpath(path);
        QFile file(QStringLiteral("%1/img%2.bmp").arg(path).arg(i));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const int files = argc > 1 ? std::atoi(argv[1]) : 20000;
    const int perFolder = argc > 2 ? std::atoi(argv[2]) : 100;
    QTemporaryDir dir;
    makeTree(dir.path(), files, perFolder);
    SilentPrompter prompter;
    ProgramState state;
    TForm11 window({.commands = {.prompter = &prompter, .files = &systemFileSystem(), .state = &state}});
    window.PathEdit->setText(dir.path());
    window.FileTypeComboBox->setCurrentIndex(1);
    QElapsedTimer timer;
    timer.start();
    window.StartButtonClick();
    const double seconds = timer.nsecsElapsed() / 1e9;
    const int found = window.ListView1->count();
    std::printf("searched %d files in %.2f s: %.0f files/s (%s)\n", found, seconds, found / seconds,
                qPrintable(window.statusText()));
    return found == files ? 0 : 1;
}
