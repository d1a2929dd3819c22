// Prompter that shows the platform's message boxes and folder picker.
#pragma once

#include "platform/prompter.h"

#include <QPointer>
#include <QWidget>

class WidgetPrompter : public Prompter
{
public:
    explicit WidgetPrompter(QWidget *parent = nullptr);
    // The window the boxes are centred on when no window of the program is active.
    void setParent(QWidget *parent) { m_parent = parent; }

    void error(const QString &text) override;
    Button confirm(const QString &text, const QList<Button> &buttons) override;
    void information(const QString &text) override;
    std::optional<QString> pickFolder(const QString &caption, const QString &start) override;

private:
    QWidget *owner() const;

    QPointer<QWidget> m_parent;
};
