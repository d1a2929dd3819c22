// The main window's VersionInfo1 with the program's version texts.
#pragma once

class QObject;
class TVersionInfo;

TVersionInfo *createVersionInfo1(QObject *mainWindow);
