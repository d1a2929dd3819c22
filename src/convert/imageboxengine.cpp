#include "convert/imageboxengine.h"

#include "imagebox/imagebox.h"

#include <QFileInfo>

ConversionEngine::LoadResult ImageBoxEngine::load(const QString &path)
{
    if (!m_box.setImageName(path))
        return LoadResult::Failed;
    if (!m_box.picture().isEmpty())
        return LoadResult::Loaded;
    // The control reports a file its reader refused; a missing file or one
    // that no reader takes it passes over in silence.
    const bool reported = QFileInfo(path).isFile() && rasterReaderFor(loadExtension(path));
    return reported ? LoadResult::FailedReported : LoadResult::Failed;
}

bool ImageBoxEngine::write(SaveKind kind, const QString &path)
{
    switch (kind) {
    case SaveKind::Bmp: return m_box.SaveBmpFile(path);
    case SaveKind::Gif: return m_box.SaveGifFile(path);
    case SaveKind::Jpeg: return m_box.SaveJPegFile(path);
    case SaveKind::Pcx: return m_box.SavePcxFile(path);
    case SaveKind::Png: return m_box.SavePngFile(path);
    case SaveKind::Tiff: return m_box.SaveTifFile(path);
    }
    return false;
}
