// Main window: the tree/list ratio (centre panel drag and header divider)
// and the header's two commands, drive details and explore.
#include "app/unit1.h"

#include "app/newstat.h"
#include "dialogs/drive.h"
#include "platform/shell.h"

#include <QFrame>
#include <QHeaderView>
#include <QMouseEvent>
#include <QProgressBar>
#include <algorithm>

namespace {
constexpr int EdgeMargin = 20;

// Hands the centre panel's mouse to the window's drag handlers.
class CenterPanelMouse : public QObject
{
public:
    CenterPanelMouse(TForm1 &form, QWidget *panel) : QObject(panel), m_form(form)
    {
        panel->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            m_form.CenterPanelMouseDown(mouse->button(), int(mouse->position().x()));
            return true;
        }
        case QEvent::MouseMove:
            m_form.CenterPanelMouseMove(int(static_cast<QMouseEvent *>(event)->position().x()));
            return true;
        case QEvent::MouseButtonRelease:
            m_form.CenterPanelMouseUp();
            return true;
        default:
            return false;
        }
    }

private:
    TForm1 &m_form;
};
} // namespace

void TForm1::setUpDisplayRatio()
{
    SplitterBar = new QFrame(CenterPanel->parentWidget());
    SplitterBar->setObjectName(QStringLiteral("SplitterBar"));
    SplitterBar->setFrameStyle(QFrame::Box | QFrame::Plain);
    SplitterBar->setLineWidth(1);
    SplitterBar->setAutoFillBackground(true);
    QPalette black = SplitterBar->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, Qt::black);
    SplitterBar->setPalette(black);
    SplitterBar->setCursor(Qt::SplitHCursor);
    SplitterBar->hide();
    m_dragging = false;
    new CenterPanelMouse(*this, CenterPanel);
    // A narrow list must not widen the window: the tree takes what the drag gives it.
    RightPanel->setMinimumWidth(1);

    HeaderControl1->setSectionsClickable(true);
    connect(HeaderControl1, &QHeaderView::sectionClicked, this, &TForm1::HeaderControl1SectionClick);
    connect(HeaderControl1, &QHeaderView::sectionResized, this, [this](int section, int, int width) {
        if (section == 0 && !m_settingHeader)
            HeaderControl1SectionResize(width);
    });
}

void TForm1::HeaderControl1SectionClick(int section)
{
    if (section == 0) {
        setStatus(QStringLiteral("Drive Details"));
        if (m_driveDialog)
            m_driveDialog->exec();
    } else if (section == 1) {
        setStatus(QStringLiteral("Exploring Directory"));
        if (!state.CurrentDir.isEmpty())
            m_shell.openDocument(state.CurrentDir);
        setStatus(QStringLiteral("Exploring Directory"));
    }
}

void TForm1::Explore1Click()
{
    setStatus(QStringLiteral("Exploring Directory"));
    // A folder the desktop cannot show is not reported.
    if (!state.CurrentDir.isEmpty())
        m_shell.openDocument(state.CurrentDir);
}

void TForm1::HeaderControl1SectionResize(int width)
{
    // Kept within the drag's limits, so the list never pushes the window wider.
    const int bounded = std::max(lowestBarLeft() - 1, std::min(width, highestBarLeft() - 1));
    const int treeWidth = std::max(bounded, 1);
    applyTreeWidth(treeWidth);
    if (treeWidth != width)
        setFirstHeaderSection(treeWidth);
}

void TForm1::CenterPanelMouseDown(Qt::MouseButton button, int)
{
    if (button != Qt::LeftButton)
        return;
    m_dragging = true;
    SplitterBar->setGeometry(CenterPanel->geometry());
    SplitterBar->raise();
    SplitterBar->show();
}

void TForm1::CenterPanelMouseMove(int x)
{
    if (!m_dragging)
        return;
    const int wanted = CenterPanel->x() + x;
    const int lowest = lowestBarLeft();
    const int highest = highestBarLeft();
    const int left = wanted < lowest ? lowest : (wanted > highest ? highest : wanted);
    SplitterBar->move(left, SplitterBar->y());
    repaint();
}

void TForm1::CenterPanelMouseUp()
{
    if (!m_dragging)
        return;
    m_dragging = false;
    SplitterBar->hide();
    const int width = SplitterBar->x() - 1;
    applyTreeWidth(width);
    setFirstHeaderSection(width);
    repaint();
}

int TForm1::lowestBarLeft() const
{
    return LeftPanel->x() + EdgeMargin;
}

int TForm1::highestBarLeft() const
{
    return RightPanel->x() + RightPanel->width() - EdgeMargin;
}

void TForm1::applyTreeWidth(int width)
{
    LeftPanel->setFixedWidth(width);
    StatusBar1->setPanelWidth(0, width);
    ProgressBar1->move(StatusBar1->panelWidth(0) + StatusBar1->panelWidth(1) + 4, ProgressBar1->y());
    setStatus(QStringLiteral("Adjusted Display Ratio"));
}

void TForm1::setFirstHeaderSection(int width)
{
    m_settingHeader = true;
    HeaderControl1->resizeSection(0, width);
    m_settingHeader = false;
}
