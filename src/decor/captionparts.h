// The three text parts of a gradient caption: company, application name, window caption.
#pragma once

#include "decor/captionfonts.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPointer>

// One text of the bar. An invalid colour stands for the platform's caption
// text colour of that state, looked up when the bar is painted.
class TCompanyText : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QColor ColorActive READ ColorActive WRITE setColorActive)
    Q_PROPERTY(QColor ColorInactive READ ColorInactive WRITE setColorInactive)
    Q_PROPERTY(QFont Font READ Font WRITE setFont)
    Q_PROPERTY(int FontKind READ fontKindValue)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
public:
    // captionFont is the owner's system caption font; it outlives the part.
    TCompanyText(const QFont &captionFont, QObject *owner);

    virtual QString Caption() const { return m_caption; }
    virtual void setCaption(const QString &caption);
    QColor ColorActive() const { return m_colorActive; }
    void setColorActive(const QColor &color);
    QColor ColorInactive() const { return m_colorInactive; }
    void setColorInactive(const QColor &color);
    QFont Font() const { return m_font; }
    // Copies the font; an auto-height part then takes the caption's height,
    // any other becomes custom.
    void setFont(const QFont &font);
    TFontKind FontKind() const { return m_fontKind; }
    void setFontKind(TFontKind kind);
    bool Visible() const { return m_visible; }
    void setVisible(bool visible);

    // Derives Font again from the caption font after that font changed.
    void ApplyFontKind();

signals:
    void changed();

protected:
    QString m_caption;

private:
    int fontKindValue() const { return m_fontKind; }

    const QFont &m_captionFont;
    QColor m_colorActive;
    QColor m_colorInactive;
    QFont m_font;
    TFontKind m_fontKind = fkSystem;
    bool m_visible = true;
};

class TAppNameText : public TCompanyText
{
    Q_OBJECT
public:
    using TCompanyText::TCompanyText;
};

// The window caption: reading and writing go to the window's title.
class TCaptionText : public TCompanyText
{
    Q_OBJECT
public:
    TCaptionText(const QFont &captionFont, QObject *window, QObject *owner);

    QString Caption() const override;
    void setCaption(const QString &caption) override;
    // Takes the window's current title as the stored text.
    void refreshFromWindow();

private:
    QPointer<QObject> m_window;
};
