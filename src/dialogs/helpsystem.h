// The help system the help commands call: it shows a help file's contents,
// its search window, the topic of a context number, or help on itself.
#pragma once

#include <QString>

class HelpSystem
{
public:
    virtual ~HelpSystem() = default;
    // helpFile may be a bare name; it is found from the working directory.
    virtual void showContents(const QString &helpFile) = 0;
    virtual void showSearch(const QString &helpFile) = 0;
    virtual void showContext(const QString &helpFile, int context) = 0;
    virtual void showUsingHelp() = 0;
};
