#include "support/scriptedprompter.h"

void ScriptedPrompter::error(const QString &text)
{
    shown.append({QStringLiteral("error"), QStringLiteral("Error"), text, {Button::Ok}});
}

Prompter::Button ScriptedPrompter::confirm(const QString &text, const QList<Button> &buttons)
{
    shown.append({QStringLiteral("confirm"), QStringLiteral("Confirm"), text, buttons});
    return answers.isEmpty() ? Button::Cancel : answers.dequeue();
}

void ScriptedPrompter::information(const QString &text)
{
    shown.append({QStringLiteral("information"), QStringLiteral("Information"), text, {Button::Ok}});
}

std::optional<QString> ScriptedPrompter::pickFolder(const QString &caption, const QString &start)
{
    shown.append({QStringLiteral("pickFolder"), caption, start, {}});
    return folders.isEmpty() ? std::nullopt : folders.dequeue();
}

QStringList ScriptedPrompter::texts(const QString &kind) const
{
    QStringList result;
    for (const Shown &box : shown)
        if (box.kind == kind)
            result.append(box.text);
    return result;
}
