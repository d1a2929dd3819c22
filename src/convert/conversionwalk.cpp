// The Convert command's walk over the list.
#include "convert/conversionwalk.h"

#include "tasks/stoppoller.h"
#include "imaging/imagelibrary.h"
#include "imaging/picture/picture.h"
#include "platform/paths.h"
#include "platform/prompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <algorithm>

Q_LOGGING_CATEGORY(lcConvert, "pixmoor.convert")

namespace {

// The picture stretched over a bitmap of size. An icon is drawn at its own
// size first, so a larger icon is scaled down rather than cut off.
QImage renderStretched(const Picture &picture, QSize size)
{
    if (picture.kind() != Picture::Kind::Icon)
        return picture.render(size);
    return picture.render(picture.size()).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

class ConversionWalk
{
public:
    ConversionWalk(const ConversionRequest &request, ConversionEngine &engine, Prompter &prompter)
        : m_request(request), m_engine(engine), m_prompter(prompter),
          m_source(QDir(request.sourceFolder)),
          m_target(QDir(m_source.absoluteFilePath(QDir::fromNativeSeparators(request.targetText))))
    {
    }

    bool targetAccessible() const
    {
        const bool entered = setWorkingDirectory(m_target.path()).isEmpty();
        const bool back = setWorkingDirectory(m_request.sourceFolder).isEmpty();
        return entered && back;
    }

    bool convert(const QString &caption)
    {
        const PictureFileKind kind = pictureFileKind(caption);
        const ConversionEngine::LoadResult loaded = kind != PictureFileKind::None
                                                        ? loadRendered(caption, kind)
                                                        : m_engine.load(m_source.filePath(caption));
        if (loaded != ConversionEngine::LoadResult::Loaded) {
            // Writing now would store the previous file's picture, or an
            // empty one, under this file's new name.
            if (loaded == ConversionEngine::LoadResult::Failed)
                m_prompter.error(QStringLiteral("Error Reading File ") + caption);
            return false;
        }
        // A caption may be a full path; the new file goes into the target by name.
        const QString targetName = withExtension(QFileInfo(caption).fileName(), m_request.format.extension);
        const QString targetPath = m_target.filePath(targetName);
        if (QFileInfo::exists(targetPath) && !overwriteConfirmed(targetName))
            return false;
        return m_engine.write(m_request.format.kind, targetPath);
    }

private:
    ConversionEngine::LoadResult loadRendered(const QString &caption, PictureFileKind kind)
    {
        Picture picture;
        QString why;
        if (!picture.load(m_source.filePath(caption), &why)) {
            qCInfo(lcConvert) << "cannot load" << caption << why;
            return ConversionEngine::LoadResult::Failed;
        }
        const QSize size = kind == PictureFileKind::Icon ? IconRenderSize : MetafileRenderSize;
        const QString rendered = m_request.tempFolder + QLatin1String(RenderedFileName);
        if (m_request.tempFolder.isEmpty()
            || !imagelib::succeeded(imagelib::writeBmp(rendered, 24, renderStretched(picture, size))))
            return ConversionEngine::LoadResult::Failed;
        const ConversionEngine::LoadResult result = m_engine.load(rendered);
        QFile::remove(rendered);
        return result;
    }

    bool overwriteConfirmed(const QString &targetName)
    {
        const QString question = QStringLiteral("File Already Exists ") + targetName + QStringLiteral(" ,Overwrite ?");
        return m_prompter.confirm(question, {Prompter::Button::Yes, Prompter::Button::No})
               == Prompter::Button::Yes;
    }

    const ConversionRequest &m_request;
    ConversionEngine &m_engine;
    Prompter &m_prompter;
    QDir m_source;
    QDir m_target;
};

} // namespace

ConversionOutcome runConversion(const ConversionRequest &request, ConversionEngine &engine,
                                Task &host, Prompter &prompter)
{
    ConversionOutcome outcome;
    ConversionWalk walk(request, engine, prompter);
    if (!walk.targetAccessible()) {
        prompter.error(QStringLiteral("Error Cannot Access Path ") + request.targetText);
        outcome.pathFailed = true;
        return outcome;
    }
    const auto selectedCount =
        std::count_if(request.entries.begin(), request.entries.end(), [](const ConvertEntry &e) { return e.selected; });
    int handled = 0;
    for (const ConvertEntry &entry : request.entries) {
        if (entry.selected) {
            outcome.written += walk.convert(entry.caption) ? 1 : 0;
            ++handled;
        }
        host.letMessagesRun();
        if (host.takeStopRequest()) {
            host.setStatus(QStringLiteral("Conversion Halted"));
            outcome.halted = true;
            break;
        }
        if (selectedCount > 0)
            host.setGauge(gaugePosition(handled, selectedCount));
    }
    return outcome;
}
