#include "dialogs/helpcommands.h"

#include "dialogs/helpsystem.h"
#include "platform/paths.h"
#include "platform/prompter.h"

namespace {
// Puts the remembered working directory back however the call ends.
class WorkingDirectoryRestorer
{
public:
    WorkingDirectoryRestorer(QString folder, Prompter &prompter)
        : m_folder(std::move(folder)), m_prompter(prompter)
    {
    }
    ~WorkingDirectoryRestorer()
    {
        const QString failure = setWorkingDirectory(m_folder);
        if (!failure.isEmpty())
            m_prompter.error(QStringLiteral("Cannot return to the folder ") + m_folder +
                             QStringLiteral(": ") + failure);
    }
    WorkingDirectoryRestorer(const WorkingDirectoryRestorer &) = delete;
    WorkingDirectoryRestorer &operator=(const WorkingDirectoryRestorer &) = delete;

private:
    QString m_folder;
    Prompter &m_prompter;
};
} // namespace

HelpCommands::HelpCommands(HelpSystem &system, Prompter &prompter, const QString &programDir)
    : m_system(system), m_prompter(prompter), m_programDir(programDir),
      m_helpFile(QString::fromLatin1(DefaultHelpFile))
{
}

bool HelpCommands::contents()
{
    return callInProgramDir([this] { m_system.showContents(m_helpFile); });
}

bool HelpCommands::search()
{
    return callInProgramDir([this] { m_system.showSearch(m_helpFile); });
}

bool HelpCommands::context(int context)
{
    return callInProgramDir([this, context] { m_system.showContext(m_helpFile, context); });
}

void HelpCommands::usingHelp()
{
    m_system.showUsingHelp();
}

bool HelpCommands::callInProgramDir(const std::function<void()> &call)
{
    const QString remembered = workingDirectory();
    const QString failure = setWorkingDirectory(m_programDir);
    if (!failure.isEmpty()) {
        m_prompter.error(QStringLiteral("Cannot change to the program folder ") + m_programDir +
                         QStringLiteral(": ") + failure);
        return false;
    }
    const WorkingDirectoryRestorer restorer(remembered, m_prompter);
    call();
    return true;
}
