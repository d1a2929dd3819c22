// Prompter for tests: answers from a queue and records every box shown.
#pragma once

#include "platform/prompter.h"

#include <QQueue>
#include <QStringList>

class ScriptedPrompter : public Prompter
{
public:
    struct Shown
    {
        QString kind;      // "error", "confirm", "information", "pickFolder"
        QString caption;
        QString text;
        QList<Button> buttons;
    };

    void error(const QString &text) override;
    Button confirm(const QString &text, const QList<Button> &buttons) override;
    void information(const QString &text) override;
    std::optional<QString> pickFolder(const QString &caption, const QString &start) override;

    QQueue<Button> answers;                  // for confirm; Cancel when empty
    QQueue<std::optional<QString>> folders;  // for pickFolder; cancel when empty
    QList<Shown> shown;

    QStringList texts(const QString &kind) const;
};
