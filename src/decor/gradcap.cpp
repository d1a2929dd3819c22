#include "decor/gradcap.h"

#include "decor/captionsettings.h"
#include "decor/captionbar.h"
#include "decor/clientsideframe.h"
#include "platform/prompter.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QWidget>
#include <stdexcept>

bool clientSideFramesAvailable()
{
    if (qEnvironmentVariable("PIXMOOR_NATIVE_FRAME") == QLatin1String("1"))
        return false;
    // Platforms without a window system to move and size windows keep the native frame.
    static const QStringList headless = {QStringLiteral("offscreen"), QStringLiteral("minimal"),
                                         QStringLiteral("minimalegl"), QStringLiteral("linuxfb"),
                                         QStringLiteral("eglfs"), QStringLiteral("vnc")};
    return !headless.contains(QGuiApplication::platformName());
}

TGradientCaption::TGradientCaption(QWidget *owner, FrameMode mode, Prompter *designPrompter)
    : QObject(owner), m_window(owner), m_designPrompter(designPrompter), m_captionFont(GetSystemCaptionFont()),
      m_appNameText(new TAppNameText(m_captionFont, this)),
      m_captionText(new TCaptionText(m_captionFont, owner, this)),
      m_companyText(new TCompanyText(m_captionFont, this))
{
    if (!owner || !owner->isWindow())
        throw std::invalid_argument("TGradientCaption needs a top-level window as its owner");
    setObjectName(QStringLiteral("GradientCaption1"));
    for (TCompanyText *part : {static_cast<TCompanyText *>(m_appNameText),
                               static_cast<TCompanyText *>(m_captionText), m_companyText})
        connect(part, &TCompanyText::changed, this, &TGradientCaption::RefreshFrame);
    const bool clientSide = mode == FrameMode::ClientSide
                            || (mode == FrameMode::Automatic && clientSideFramesAvailable());
    if (clientSide)
        m_frame = new ClientSideFrame(owner, *this);
    owner->installEventFilter(this);
}

TGradientCaption::~TGradientCaption()
{
    // The window goes back to its native frame unless it is being destroyed itself.
    delete m_frame;
}

void TGradientCaption::setColor(const QColor &color)
{
    m_color = color;
    RefreshFrame();
}

void TGradientCaption::setEnabled(TGradEnabled enabled)
{
    m_enabled = enabled;
    RefreshFrame();
}

void TGradientCaption::setNumColors(int numColors)
{
    if (numColors < 1) {
        if (m_designPrompter)
            m_designPrompter->error(QStringLiteral("The number of colors must be at least 1"));
        return;
    }
    if (numColors > 256) {
        if (m_designPrompter)
            m_designPrompter->error(QStringLiteral("The highest number of gradient colors possible is 256"));
        numColors = 256;
    }
    m_numColors = numColors;
    RefreshFrame();
}

void TGradientCaption::applySettings(const CaptionSettings &settings)
{
    m_color = settings.color;
    m_enabled = settings.enabled;
    setNumColors(settings.numColors);
    m_appNameText->setCaption(settings.appName);
    m_appNameText->setFontKind(fkSystemB);
    m_companyText->setFont(settings.companyFont);
    m_companyText->setFontKind(settings.companyFontKind);
    m_captionText->setFont(settings.captionFont);
    m_captionText->setFontKind(settings.captionFontKind);
}

bool TGradientCaption::IsActive() const
{
    return m_window && m_window->isActiveWindow();
}

CaptionFrame TGradientCaption::frame() const
{
    CaptionFrame f;
    if (!m_window)
        return f;
    const Qt::WindowFlags flags = m_window->windowFlags();
    const bool resizable = m_window->minimumSize() != m_window->maximumSize();
    const bool tool = m_window->windowType() == Qt::Tool;
    const bool dialog = qobject_cast<QDialog *>(m_window) != nullptr;
    if (tool)
        f.style = resizable ? TBorderStyle::SizeToolWin : TBorderStyle::ToolWindow;
    else if (dialog)
        f.style = resizable ? TBorderStyle::Sizeable : TBorderStyle::Dialog;
    else
        f.style = resizable ? TBorderStyle::Sizeable : TBorderStyle::Single;
    f.minimized = m_window->isMinimized();
    f.systemMenu = flags.testFlag(Qt::WindowSystemMenuHint);
    f.helpButton = flags.testFlag(Qt::WindowContextHelpButtonHint);
    f.minMaxButtons = flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    return f;
}

CaptionMetrics TGradientCaption::metrics() const
{
    // The strip fills its bar from edge to edge; the buttons are as wide as the bar is high.
    const int bar = ClientSideFrame::barHeight(m_captionFont, frame().style);
    CaptionMetrics m;
    m.frameX = m.frameY = m.dialogFrameX = m.dialogFrameY = 0;
    m.captionHeight = m.smallCaptionHeight = bar + 1;
    m.buttonWidth = m.smallButtonWidth = bar;
    m.smallIcon = qMin(16, bar - 2);
    return m;
}

QRect TGradientCaption::GetCaptionRect() const
{
    const QWidget *bar = captionBar();
    return bar ? ::GetCaptionRect(bar->size(), frame(), metrics()) : QRect();
}

CaptionTextPart TGradientCaption::textPart(const TCompanyText &part) const
{
    return {part.Caption(), part.Font(), part.ColorActive(), part.ColorInactive(), part.Visible()};
}

QPixmap TGradientCaption::smallIcon() const
{
    QIcon icon = m_window->windowIcon();
    if (icon.isNull())
        icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = m_window->style()->standardIcon(QStyle::SP_TitleBarMenuButton);
    const int side = metrics().smallIcon;
    return icon.pixmap(QSize(side, side));
}

QRect TGradientCaption::PaintCaption(QPainter &painter, bool active) const
{
    if (!m_window || frame().style == TBorderStyle::None)
        return {};
    m_captionText->refreshFromWindow();
    CaptionScene scene;
    scene.rect = GetCaptionRect();
    scene.active = active;
    scene.enabled = m_enabled;
    scene.color = m_color;
    scene.numColors = m_numColors;
    scene.colors = systemCaptionColors(QApplication::palette());
    scene.smallIcon = metrics().smallIcon;
    if (showsCaptionIcon(frame()))
        scene.icon = smallIcon();
    scene.company = textPart(*m_companyText);
    scene.application = textPart(*m_appNameText);
    scene.caption = textPart(*m_captionText);
    return ::PaintCaption(painter, scene);
}

void TGradientCaption::RefreshFrame()
{
    if (QWidget *bar = captionBar())
        bar->update();
}

QWidget *TGradientCaption::captionBar() const
{
    return m_frame ? m_frame->bar() : nullptr;
}

void TGradientCaption::systemSettingsChanged()
{
    m_captionFont = GetSystemCaptionFont();
    m_appNameText->ApplyFontKind();
    m_captionText->ApplyFontKind();
    m_companyText->ApplyFontKind();
    RefreshFrame();
}

bool TGradientCaption::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::ApplicationPaletteChange:
    case QEvent::ApplicationFontChange:
    case QEvent::ThemeChange:
        systemSettingsChanged();
        break;
    case QEvent::ActivationChange:
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
        RefreshFrame();
        break;
    default:
        break;
    }
    return false;
}
