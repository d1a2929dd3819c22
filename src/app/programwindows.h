// The program's windows and dialogs besides the main window, made in their
// order, parented to it and handed over to it.
#pragma once

#include "app/unit1.h"
#include "convert/convert.h"
#include "dialogs/drive.h"
#include "dialogs/maxsize.h"
#include "dialogs/unit2.h"
#include "fileops/choose.h"
#include "fileops/copy.h"
#include "fileops/createdir.h"
#include "fileops/prop.h"
#include "fileops/rename.h"
#include "printing/printfor.h"
#include "scan/scan.h"
#include "search/search.h"
#include "viewer/pic.h"
#include "viewer/wmf.h"

class FileSystem;
class Prompter;
class Shell;
class Volumes;

struct ProgramWindows
{
    ProgramWindows(TForm1 &form1, Prompter &prompter, Shell &shell, FileSystem &files, const Volumes &volumes);

    TForm2 form2;
    TForm4 form4;
    TForm5 form5;
    TOKBottomDlg okBottomDlg;
    TForm6 form6;
    TForm8 form8;
    TForm9 form9;
    TForm10 form10;
    TForm7 form7;
    TForm11 form11;
    TForm13 form13;
    TForm14 form14;
    TForm15 form15;
    TOKBottomDlg1 okBottomDlg1;
};
