// The Help menu of the picture windows: About, Help, Search Help and Using
// Help, each through the program's help commands.
#pragma once

class HelpCommands;
class QMainWindow;
class QMenu;

// searchCaption as the window spells it ("&Search Help", "&Search help").
QMenu *addHelpMenu(QMainWindow &window, HelpCommands &help, const char *searchCaption);
