// One of the printing windows with a scripted printer, dialogs and help.
#pragma once

#include "dialogs/helpcommands.h"
#include "printing/sharedprinter.h"
#include "recordinghelp.h"
#include "scriptedprintdialogs.h"
#include "support/scriptedprompter.h"
#include "support/testenvironment.h"

template <class Window>
struct PrintWindowFixture
{
    TestEnvironment env;
    ScriptedPrompter prompter;
    RecordingHelp helpSystem;
    HelpCommands help{helpSystem, prompter, env.root()};
    SharedPrinter printer;
    ScriptedPrintDialogs dialogs;
    Window window{printer, dialogs, help};
};
