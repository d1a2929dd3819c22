#include "app/programwindows.h"

#include "printing/printcommands.h"

namespace {
CommandServices sharedServices(TForm1 &form1, Prompter &prompter, Shell &shell, FileSystem &files,
                               ProgramWindows &windows)
{
    return {.prompter = &prompter,
            .files = &files,
            .shell = &shell,
            .state = &form1.state,
            .rename = &windows.form4,
            .copyTarget = &windows.form5,
            .properties = &windows.form8,
            .convert = &windows.form6,
            .viewer = &windows.okBottomDlg,
            .metafileWindow = &windows.form7,
            .printing = &form1.printing()};
}
} // namespace

ProgramWindows::ProgramWindows(TForm1 &form1, Prompter &prompter, Shell &shell, FileSystem &files,
                               const Volumes &volumes)
    : form2(form1.state.ThumbWidth, form1.state.ThumbHeight, form1.help(), prompter, &form1),
      form4(&form1),
      form5(prompter, &form1),
      okBottomDlg(prompter, &form1),
      form6(prompter, &form1),
      form8(&form1),
      form9(prompter, &form1),
      form10(form1.printing().printer(), form1.printing().dialogs(), form1.help(), &form1),
      form7(&form1),
      form11({.commands = sharedServices(form1, prompter, shell, files, *this), .help = &form1.help()}, &form1),
      form13(&form1),
      form14(&form1),
      form15(form1.state.MaxSizeEnabled, form1.state.MaxSizeKB, form1.help(), &form1),
      okBottomDlg1(volumes, &form1)
{
    form1.attachParts({.thumbSize = &form2,
                       .maxSize = &form15,
                       .driveInfo = &okBottomDlg1,
                       .rename = &form4,
                       .copyTarget = &form5,
                       .properties = &form8,
                       .createDirectory = &form13,
                       .chooser = &form14,
                       .convert = &form6,
                       .scan = &form9,
                       .viewer = &okBottomDlg,
                       .metafileWindow = &form7,
                       .printOptions = &form10,
                       .search = &form11});
}
