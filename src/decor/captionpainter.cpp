#include "decor/captionpainter.h"

#include "decor/captionlayout.h"
#include "decor/gradientbands.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

SystemCaptionColors systemCaptionColors(const QPalette &palette)
{
    return {palette.color(QPalette::Active, QPalette::Highlight),
            palette.color(QPalette::Inactive, QPalette::Dark),
            palette.color(QPalette::Active, QPalette::HighlightedText),
            palette.color(QPalette::Inactive, QPalette::Light)};
}

int captionPartWidth(const CaptionTextPart &part)
{
    return QFontMetrics(part.font).horizontalAdvance(part.text) + 3;
}

namespace {

void paintBackground(QPainter &painter, const CaptionScene &scene)
{
    const QColor base = scene.active ? scene.colors.active : scene.colors.inactive;
    const bool gradient = scene.enabled == geAlways || (scene.enabled == geWhenActive && scene.active);
    if (gradient)
        DrawGradient(painter, scene.color, base, scene.rect, scene.numColors);
    else
        painter.fillRect(scene.rect, base);
}

// Draws one part from left; returns where the next part starts.
int drawPart(QPainter &painter, const CaptionTextPart &part, const CaptionScene &scene, int left)
{
    left += 3;
    QColor color = scene.active ? part.colorActive : part.colorInactive;
    if (!color.isValid())
        color = scene.active ? scene.colors.activeText : scene.colors.inactiveText;
    const QFontMetrics metrics(part.font);
    const QRect r(QPoint(left, scene.rect.top()), QPoint(scene.rect.right(), scene.rect.bottom()));
    painter.setPen(color);
    painter.setFont(part.font);
    painter.drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     metrics.elidedText(part.text, Qt::ElideRight, qMax(0, r.width())));
    return left + metrics.horizontalAdvance(part.text);
}

} // namespace

QRect PaintCaption(QPainter &painter, const CaptionScene &scene)
{
    if (scene.rect.isEmpty())
        return {};
    painter.save();
    painter.setClipRect(scene.rect);
    paintBackground(painter, scene);
    int left = scene.rect.left();
    if (!scene.icon.isNull()) {
        left += 1;
        const QRect iconRect(left + 1, scene.rect.top() + 1, scene.smallIcon, scene.smallIcon);
        painter.drawPixmap(iconRect, scene.icon);
        left += scene.smallIcon + 1;
    }
    const CaptionWidths widths{captionPartWidth(scene.company), captionPartWidth(scene.application),
                               captionPartWidth(scene.caption)};
    const int available = scene.rect.left() + scene.rect.width() - left;
    const CaptionTextLayout layout = layoutCaptionTexts(widths, available, scene.newShell);
    left += layout.indent;
    if (layout.showCompany && !scene.company.text.isEmpty() && scene.company.visible)
        left = drawPart(painter, scene.company, scene, left);
    if (layout.showApplication && !scene.application.text.isEmpty() && scene.application.visible)
        left = drawPart(painter, scene.application, scene, left);
    if (scene.caption.visible)
        drawPart(painter, scene.caption, scene, left);
    painter.restore();
    return scene.rect;
}
