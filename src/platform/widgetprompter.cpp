#include "platform/widgetprompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <map>

WidgetPrompter::WidgetPrompter(QWidget *parent) : m_parent(parent) {}

namespace {
QMessageBox::ButtonRole roleOf(Prompter::Button button)
{
    switch (button) {
    case Prompter::Button::Ok:
    case Prompter::Button::Yes:
    case Prompter::Button::YesToAll:
    case Prompter::Button::All:
        return QMessageBox::AcceptRole;
    case Prompter::Button::No:
    case Prompter::Button::NoToAll:
        return QMessageBox::NoRole;
    case Prompter::Button::Cancel:
    case Prompter::Button::Abort:
        return QMessageBox::RejectRole;
    case Prompter::Button::Retry:
    case Prompter::Button::Ignore:
        return QMessageBox::ActionRole;
    }
    return QMessageBox::ActionRole;
}

void showSimpleBox(QWidget *parent, QMessageBox::Icon icon, const QString &caption,
                   const QString &text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}
} // namespace

// The boxes belong to the window the user works in, which Qt centres them on.
QWidget *WidgetPrompter::owner() const
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    return m_parent;
}

void WidgetPrompter::error(const QString &text)
{
    showSimpleBox(owner(), QMessageBox::Critical, QStringLiteral("Error"), text);
}

void WidgetPrompter::information(const QString &text)
{
    showSimpleBox(owner(), QMessageBox::Information, QStringLiteral("Information"), text);
}

Prompter::Button WidgetPrompter::confirm(const QString &text, const QList<Button> &buttons)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text,
                    QMessageBox::NoButton, owner());
    std::map<QAbstractButton *, Button> chosen;
    for (Button button : buttons)
        chosen[box.addButton(buttonText(button), roleOf(button))] = button;
    box.exec();
    const auto hit = chosen.find(box.clickedButton());
    if (hit != chosen.end())
        return hit->second;
    // Closed from the title bar: the cancelling answer if there is one.
    for (Button button : {Button::Cancel, Button::No, Button::Abort})
        if (buttons.contains(button))
            return button;
    return buttons.isEmpty() ? Button::Cancel : buttons.last();
}

std::optional<QString> WidgetPrompter::pickFolder(const QString &caption, const QString &start)
{
    const QString folder = QFileDialog::getExistingDirectory(owner(), caption, start);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}
