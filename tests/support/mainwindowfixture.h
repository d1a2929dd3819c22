// A main window in its own settings and folders, with scripted prompts.
#pragma once

#include "app/unit1.h"
#include "support/fakeshell.h"
#include "support/scriptedprompter.h"
#include "support/testenvironment.h"

#include <memory>

struct MainWindowFixture
{
    TestEnvironment env;
    ScriptedPrompter prompter;
    FakeShell shell;
    std::unique_ptr<TForm1> form;

    // Creates the window, which reads the stored settings; services not
    // given are the scripted prompter, the fake shell and the machine's own.
    TForm1 &create(MainWindowServices services = {})
    {
        services.prompter = &prompter;
        services.shell = &shell;
        form = std::make_unique<TForm1>(services);
        return *form;
    }
    // A folder holding the named files, each of the given size.
    QString folderWith(const QString &name, const QStringList &files, qint64 size = 10) const
    {
        const QString folder = env.makeFolder(name);
        for (const QString &file : files)
            TestEnvironment::writeFile(folder + "/" + file, size);
        return folder;
    }
};
