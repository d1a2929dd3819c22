// TGradientCaption: the gradient title bar of one of the program's windows.
//
// The window manager owns the native title bar, so where the platform lets a
// window go without its frame the caption is a strip inside the window
// (ClientSideFrame) that this component paints, with the icon, the buttons the
// window's flags allow, moving, resizing and the window menu. Elsewhere (the
// offscreen platform of tests, PIXMOOR_NATIVE_FRAME=1) the window keeps its
// native frame and its caption shows in the native title.
#pragma once

#include "decor/captionlayout.h"
#include "decor/captionpainter.h"
#include "decor/captionparts.h"

#include <QObject>
#include <QPointer>

struct CaptionSettings;
class ClientSideFrame;
class Prompter;
class QPainter;
class QWidget;

enum class FrameMode { Automatic, ClientSide, Native };

// Whether top-level windows may drop the native frame on this platform.
bool clientSideFramesAvailable();

class TGradientCaption : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(int NumColors READ NumColors WRITE setNumColors)
public:
    // owner must be a top-level window; the component becomes its child.
    // A design prompter reports rejected NumColors values, as while editing.
    explicit TGradientCaption(QWidget *owner, FrameMode mode = FrameMode::Automatic,
                              Prompter *designPrompter = nullptr);
    ~TGradientCaption() override;

    TCompanyText *CompanyText() const { return m_companyText; }
    TAppNameText *AppNameText() const { return m_appNameText; }
    TCaptionText *CaptionText() const { return m_captionText; }
    QColor Color() const { return m_color; }
    void setColor(const QColor &color);
    TGradEnabled Enabled() const { return m_enabled; }
    void setEnabled(TGradEnabled enabled);
    int NumColors() const { return m_numColors; }
    void setNumColors(int numColors);

    void applySettings(const CaptionSettings &settings);

    bool IsActive() const;
    // The caption strip of the bar widget, in its coordinates; empty without one.
    QRect GetCaptionRect() const;
    // Paints the strip with the given state; returns the rectangle painted.
    QRect PaintCaption(QPainter &painter, bool active) const;
    void RefreshFrame();

    // The bar widget, or null where the window keeps its native frame.
    QWidget *captionBar() const;
    CaptionFrame frame() const;
    CaptionMetrics metrics() const;
    QFont systemCaptionFont() const { return m_captionFont; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void systemSettingsChanged();
    CaptionTextPart textPart(const TCompanyText &part) const;
    QPixmap smallIcon() const;

    QPointer<QWidget> m_window;
    Prompter *m_designPrompter;
    QFont m_captionFont;
    TAppNameText *m_appNameText;
    TCaptionText *m_captionText;
    TCompanyText *m_companyText;
    QColor m_color = Qt::black;
    TGradEnabled m_enabled = geAlways;
    int m_numColors = 64;
    ClientSideFrame *m_frame = nullptr;
};
