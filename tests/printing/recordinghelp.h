// A help system that only notes the context numbers asked for.
#pragma once

#include "dialogs/helpsystem.h"

#include <QList>

class RecordingHelp : public HelpSystem
{
public:
    void showContents(const QString &) override {}
    void showSearch(const QString &) override {}
    void showContext(const QString &, int context) override { contexts.append(context); }
    void showUsingHelp() override {}

    QList<int> contexts;
};
