// What the commands borrow from the rest of the program. The dialogs and
// windows are made once at start-up and shared by every window's commands.
#pragma once

class FileSystem;
class PrintCommands;
class Prompter;
class Shell;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TOKBottomDlg;
struct ProgramState;

struct CommandServices
{
    Prompter *prompter = nullptr;
    FileSystem *files = nullptr;
    Shell *shell = nullptr;
    const ProgramState *state = nullptr;   // thumb size and temporary folder
    TForm4 *rename = nullptr;
    TForm5 *copyTarget = nullptr;
    TForm8 *properties = nullptr;
    TForm6 *convert = nullptr;
    TOKBottomDlg *viewer = nullptr;
    TForm7 *metafileWindow = nullptr;
    PrintCommands *printing = nullptr;
};
