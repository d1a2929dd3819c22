// Times the Convert command's walk (the viewer's image control reading and
// writing, as the main window runs it) over every .jpg file of a folder into
// 8-bit GIF files. Usage: pxconvertgif SOURCE TARGET; prints the seconds.
#include "convert/conversionwalk.h"
#include "convert/imageboxengine.h"
#include "imagebox/imagebox.h"
#include "platform/prompter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

#include <cstdio>

namespace {
class QuietHost : public Task
{
public:
    void letMessagesRun() override {}
    bool takeStopRequest() override { return false; }
    void setStatus(const QString &) override {}
    void setGauge(int) override {}
    void reportError(const QString &text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
};

class CountingPrompter : public Prompter
{
public:
    void error(const QString &text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); ++failures; }
    Button confirm(const QString &, const QList<Button> &) override { return Button::Yes; }
    void information(const QString &text) override { error(text); }
    std::optional<QString> pickFolder(const QString &, const QString &) override { return std::nullopt; }
    int failures = 0;
};
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: pxconvertgif SOURCE TARGET\n");
        return 2;
    }
    ConversionRequest request;
    request.sourceFolder = QDir(args[1]).absolutePath();
    request.targetText = QDir(args[2]).absolutePath();
    request.format = convertFormat(1);
    for (const QString &name : QDir(args[1]).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name))
        request.entries.append({name, true});
    CountingPrompter prompter;
    TImageBox box(&prompter);
    box.ImageWriteRes = convertDepth(2);   // 256 colours
    ImageBoxEngine engine(box);
    QuietHost host;
    QElapsedTimer timer;
    timer.start();
    const ConversionOutcome outcome = runConversion(request, engine, host, prompter);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    if (outcome.written != request.entries.size() || prompter.failures) {
        std::fprintf(stderr, "pxconvertgif: %d of %lld written\n", outcome.written, qlonglong(request.entries.size()));
        return 1;
    }
    std::printf("%.2f\n", seconds);
    return 0;
}
