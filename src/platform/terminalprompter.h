// A prompter for command-line tools: every message goes to the terminal,
// every question is answered No and no folder is picked. A tool never opens
// a box that nobody may see (the offscreen platform shows none).
#pragma once

#include "platform/prompter.h"

#include <QStringList>

class TerminalPrompter : public Prompter
{
public:
    // prefix starts every line written, e.g. "pxsheet".
    explicit TerminalPrompter(QString prefix) : m_prefix(std::move(prefix)) {}

    void error(const QString &text) override;
    Button confirm(const QString &text, const QList<Button> &buttons) override;
    void information(const QString &text) override;
    std::optional<QString> pickFolder(const QString &caption, const QString &start) override;

    // Every text written, in order.
    QStringList messages;

private:
    void report(const QString &text);

    QString m_prefix;
};
