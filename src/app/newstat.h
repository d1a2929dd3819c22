// Status bar of fixed-width text panels that can hold child controls.
#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

// Panels are counted from 0 here; the last panel takes what width is left.
class TAStatusBar : public QWidget
{
    Q_OBJECT
public:
    explicit TAStatusBar(QWidget *parent = nullptr);

    void setPanelWidths(const std::vector<int> &widths);
    void setPanelWidth(int panel, int width);
    int panelWidth(int panel) const;
    int panelCount() const { return int(m_widths.size()); }
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString &text);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect panelRect(int panel) const;

    std::vector<int> m_widths;
    QStringList m_texts;
};
