#include "decor/captionparts.h"

#include <QVariant>

TCompanyText::TCompanyText(const QFont &captionFont, QObject *owner)
    : QObject(owner), m_captionFont(captionFont), m_font(captionFont)
{
}

void TCompanyText::setCaption(const QString &caption)
{
    m_caption = caption;
    emit changed();
}

void TCompanyText::setColorActive(const QColor &color)
{
    m_colorActive = color;
    emit changed();
}

void TCompanyText::setColorInactive(const QColor &color)
{
    m_colorInactive = color;
    emit changed();
}

void TCompanyText::setFont(const QFont &font)
{
    m_font = font;
    if (m_fontKind == fkAutoHeight)
        AdjustFontHeight(m_font, m_captionFont);
    else
        m_fontKind = fkCustom;
    emit changed();
}

void TCompanyText::setFontKind(TFontKind kind)
{
    m_fontKind = kind;
    ApplyFontKind();
}

void TCompanyText::setVisible(bool visible)
{
    m_visible = visible;
    emit changed();
}

void TCompanyText::ApplyFontKind()
{
    m_font = fontOfKind(m_fontKind, m_font, m_captionFont);
    emit changed();
}

TCaptionText::TCaptionText(const QFont &captionFont, QObject *window, QObject *owner)
    : TCompanyText(captionFont, owner), m_window(window)
{
    refreshFromWindow();
}

QString TCaptionText::Caption() const
{
    return m_window ? m_window->property("windowTitle").toString() : m_caption;
}

void TCaptionText::setCaption(const QString &caption)
{
    if (m_window)
        m_window->setProperty("windowTitle", caption);
    TCompanyText::setCaption(caption);
}

void TCaptionText::refreshFromWindow()
{
    if (m_window)
        m_caption = m_window->property("windowTitle").toString();
}
