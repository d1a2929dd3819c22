// State the main window keeps for the whole run and the other windows share.
#pragma once

#include <QString>

struct ProgramState
{
    QString CurrentDir;   // folder whose images are listed
    QString StartDir;     // folder to open on first activation
    QString ProgramDir;   // folder of the program file, trailing separator
    QString WindowsDir;   // private temporary folder, trailing separator
    int ThumbWidth = 70;
    int ThumbHeight = 70;
    QString ImageType;    // active filter; empty counts as "bmp"
    int FileCount = 0;    // files of the last list build
    bool StopRequested = false;
    bool PrintBusy = false;
    bool FirstActivation = true;
    bool MaxSizeEnabled = false;
    int MaxSizeKB = 100;
    // The View menu's options; their check items keep them up to date.
    bool NoStop = false;
    bool NoThumbs = false;
    bool ShowTips = true;
    bool Sorted = true;
    bool KeepProportions = false;
    bool CacheThumbs = true;
};
