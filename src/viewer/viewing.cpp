#include "viewer/viewing.h"

#include "imagebox/imagebox.h"
#include "imaging/picture/picture.h"
#include "viewer/pic.h"
#include "viewer/walkactions.h"
#include "viewer/wmf.h"
#include "platform/prompter.h"

#include <memory>

bool viewImageFile(const QString &path, const QString &shownName, TOKBottomDlg &viewer, TForm7 &metafiles)
{
    const bool metafile = pictureFileKind(path) == PictureFileKind::Metafile;
    QWidget &other = metafile ? static_cast<QWidget &>(viewer) : static_cast<QWidget &>(metafiles);
    if (other.isVisible())
        other.close();
    const bool loaded = metafile ? metafiles.loadFile(path) : viewer.ImageBox1->setImageName(path);
    if (!loaded)
        return false;
    if (metafile)
        metafiles.showFileName(shownName);
    else
        viewer.showFileName(shownName);
    QWidget &shown = metafile ? static_cast<QWidget &>(metafiles) : static_cast<QWidget &>(viewer);
    shown.show();
    shown.raise();
    return true;
}

namespace {
class PictureWalk
{
public:
    PictureWalk(QList<ViewedFile> entries, int current, TOKBottomDlg &viewer, TForm7 &metafiles, Prompter &prompter)
        : m_entries(std::move(entries)), m_current(current), m_viewer(viewer), m_metafiles(metafiles),
          m_prompter(prompter)
    {
    }

    bool showCurrent()
    {
        const ViewedFile &entry = m_entries.at(m_current);
        return viewImageFile(entry.path, entry.name, m_viewer, m_metafiles);
    }

    // Nothing happens past either end of the list.
    void step(int delta)
    {
        const int target = m_current + delta;
        if (target < 0 || target >= m_entries.size())
            return;
        m_current = target;
        if (!showCurrent())
            m_prompter.error(QStringLiteral("Error Loading Image ") + m_entries.at(m_current).name);
    }

private:
    QList<ViewedFile> m_entries;
    int m_current;
    TOKBottomDlg &m_viewer;
    TForm7 &m_metafiles;
    Prompter &m_prompter;
};
} // namespace

bool viewImageFiles(QList<ViewedFile> entries, int current, TOKBottomDlg &viewer, TForm7 &metafiles,
                    Prompter &prompter)
{
    if (current < 0 || current >= entries.size())
        return false;
    auto walk = std::make_shared<PictureWalk>(std::move(entries), current, viewer, metafiles, prompter);
    const auto step = [walk](int delta) { walk->step(delta); };
    viewer.walkActions()->setStepper(step);
    metafiles.walkActions()->setStepper(step);
    return walk->showCurrent();
}

bool copyImageFileToClipboard(const QString &path, TOKBottomDlg &viewer, TForm7 &metafiles, Prompter &prompter)
{
    const bool metafile = pictureFileKind(path) == PictureFileKind::Metafile;
    TImageBox *box = viewer.ImageBox1;
    if (!(metafile ? metafiles.loadFile(path) : box->setImageName(path))) {
        prompter.error(QStringLiteral("Error Loading Image"));
        return false;
    }
    if (metafile) {
        metafiles.ToClipboard1Click();
        return true;
    }
    // Claiming a copy of a picture that could not be read would be wrong.
    if (box->picture().isEmpty())
        return false;
    box->CopyToClipboard();
    return true;
}
