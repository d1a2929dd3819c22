#include "app/newstat.h"

#include <QPainter>
#include <qdrawutil.h>

namespace {
constexpr int BarHeight = 19;
constexpr int PanelGap = 2;
} // namespace

TAStatusBar::TAStatusBar(QWidget *parent) : QWidget(parent)
{
    setFixedHeight(BarHeight);
}

void TAStatusBar::setPanelWidths(const std::vector<int> &widths)
{
    m_widths = widths;
    while (m_texts.size() < qsizetype(widths.size()))
        m_texts.append(QString());
    update();
}

void TAStatusBar::setPanelWidth(int panel, int width)
{
    if (panel < 0 || panel >= panelCount())
        return;
    m_widths[size_t(panel)] = width;
    update();
}

int TAStatusBar::panelWidth(int panel) const
{
    return panel >= 0 && panel < panelCount() ? m_widths[size_t(panel)] : 0;
}

QString TAStatusBar::panelText(int panel) const
{
    return panel >= 0 && panel < m_texts.size() ? m_texts[panel] : QString();
}

void TAStatusBar::setPanelText(int panel, const QString &text)
{
    if (panel < 0 || panel >= m_texts.size() || m_texts[panel] == text)
        return;
    m_texts[panel] = text;
    update(panelRect(panel));
}

QSize TAStatusBar::sizeHint() const
{
    int width = 0;
    for (int w : m_widths)
        width += w;
    return {width, BarHeight};
}

QRect TAStatusBar::panelRect(int panel) const
{
    int left = 0;
    for (int i = 0; i < panel; ++i)
        left += m_widths[size_t(i)];
    const bool last = panel == panelCount() - 1;
    const int width = last ? std::max(0, this->width() - left) : m_widths[size_t(panel)];
    return QRect(left, 0, width - PanelGap, height()).adjusted(0, 2, 0, 0);
}

void TAStatusBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (int panel = 0; panel < panelCount(); ++panel) {
        const QRect box = panelRect(panel);
        qDrawShadePanel(&painter, box, palette(), true, 1);
        painter.drawText(box.adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                         m_texts[panel]);
    }
}
