#include "platform/terminalprompter.h"

#include <cstdio>

void TerminalPrompter::error(const QString &text)
{
    report(text);
}

Prompter::Button TerminalPrompter::confirm(const QString &text, const QList<Button> &)
{
    report(text);
    return Button::No;
}

void TerminalPrompter::information(const QString &text)
{
    report(text);
}

std::optional<QString> TerminalPrompter::pickFolder(const QString &, const QString &)
{
    return std::nullopt;
}

void TerminalPrompter::report(const QString &text)
{
    messages.append(text);
    std::fprintf(stderr, "%s: %s\n", qPrintable(m_prefix), qPrintable(text));
}
