// Shell for tests: records what it was asked to open.
#pragma once

#include "platform/shell.h"

#include <QStringList>

class FakeShell : public Shell
{
public:
    bool openDocument(const QString &path) override
    {
        opened.append(path);
        return succeeds;
    }
    QStringList opened;
    bool succeeds = true;
};
