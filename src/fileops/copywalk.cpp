#include "fileops/copywalk.h"

#include "tasks/stoppoller.h"
#include "fileops/filecopier.h"
#include "platform/filesystem.h"
#include "platform/prompter.h"

#include <QDir>
#include <algorithm>

QStringList runCopyWalk(const CopyWalk &walk, FileCopier &copier, Task &host)
{
    const auto selected = std::count_if(walk.entries.begin(), walk.entries.end(),
                                        [](const WalkEntry &entry) { return entry.selected; });
    QStringList arrived;
    qsizetype processed = 0;
    for (const WalkEntry &entry : walk.entries) {
        // Every entry lets messages through, so Stop can arrive at any file.
        host.letMessagesRun();
        if (host.takeStopRequest()) {
            host.setStatus(QStringLiteral("Process Halted"));
            break;
        }
        if (!entry.selected)
            continue;
        copier.ResetFileAttributes(joinPath(entry.sourceDir, namePart(entry.fileName)));
        if (copier.CopyFileWithPrompt(entry.fileName, entry.sourceDir, walk.targetDir, walk.move)
            == CopyOutcome::Copied)
            arrived.append(entry.fileName);
        ++processed;
        if (walk.showProgress)
            host.setGauge(gaugePosition(processed, selected));
    }
    return arrived;
}

QString resolveTarget(const QString &typed, const QString &sourceDir)
{
    return QDir::toNativeSeparators(QDir(sourceDir).absoluteFilePath(typed));
}

std::optional<QString> prepareTarget(const QString &typed, const QString &sourceDir,
                                     FileSystem &files, FileCopier &copier, Prompter &prompter)
{
    const QString target = resolveTarget(typed, sourceDir);
    if (files.isDirectory(target))
        return target;
    const Prompter::Button answer =
        prompter.confirm(QStringLiteral("Path does not exist ") + typed + QStringLiteral(" Create ?"),
                         {Prompter::Button::Ok, Prompter::Button::Cancel});
    if (answer != Prompter::Button::Ok)
        return std::nullopt;
    copier.EnsurePath(target);
    if (files.isDirectory(target))
        return target;
    prompter.error(QStringLiteral("Error cannot create path ") + typed);
    return std::nullopt;
}
