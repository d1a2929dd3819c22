// The program's help calls. The application names its help file without a
// folder, so every call but "Using Help" runs with the program's folder as
// the working directory and puts the previous one back afterwards.
#pragma once

#include <QString>
#include <functional>

class HelpSystem;
class Prompter;

class HelpCommands
{
public:
    static constexpr const char *DefaultHelpFile = "Kelvane.hlp";

    HelpCommands(HelpSystem &system, Prompter &prompter, const QString &programDir);

    // The file the calls name; the bare DefaultHelpFile unless changed.
    void setHelpFile(const QString &helpFile) { m_helpFile = helpFile; }
    QString helpFile() const { return m_helpFile; }

    // Each returns false when the working directory could not be switched;
    // the reason has then been reported and the help was not called.
    bool contents();
    bool search();
    bool context(int context);
    void usingHelp();

private:
    bool callInProgramDir(const std::function<void()> &call);

    HelpSystem &m_system;
    Prompter &m_prompter;
    QString m_programDir;
    QString m_helpFile;
};
