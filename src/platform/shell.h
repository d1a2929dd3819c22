// Hands files and folders to the desktop: open with the associated program.
#pragma once

#include <QString>

class Shell
{
public:
    virtual ~Shell() = default;
    // Opens path with the program the desktop associates with it. False when
    // the desktop knows no such program or could not start it.
    virtual bool openDocument(const QString &path) = 0;
};

class DesktopShell : public Shell
{
public:
    bool openDocument(const QString &path) override;
};
