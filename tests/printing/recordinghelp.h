// A help system that only notes what it was asked to show.
#pragma once

#include "dialogs/helpsystem.h"

#include <QList>
#include <QStringList>

class RecordingHelp : public HelpSystem
{
public:
    void showContents(const QString &) override { calls.append(QStringLiteral("contents")); }
    void showSearch(const QString &) override { calls.append(QStringLiteral("search")); }
    void showContext(const QString &, int context) override
    {
        contexts.append(context);
        calls.append(QStringLiteral("context %1").arg(context));
    }
    void showUsingHelp() override { calls.append(QStringLiteral("using")); }

    QList<int> contexts;
    QStringList calls;
};
