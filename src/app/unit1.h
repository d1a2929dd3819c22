// Main browser window: folder tree, image list, menus and status bar.
#pragma once

#include "commands/programstate.h"
#include "browse/imagelist.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class TDirTree;
class ImageListView;
class Prompter;
class QActionGroup;
class QButtonGroup;
class QFrame;
class QHeaderView;
class QMenu;
class QProgressBar;
class QStandardItemModel;
class QToolButton;
class Shell;
class TAStatusBar;
class TForm7;
class ThumbnailPipeline;
class TOKBottomDlg;
class HelpCommands;
class HelpViewerSystem;
class RandomSource;
class TForm15;
class TForm2;
class TOKBottomDlg1;
class FileSystem;
class QDialog;
class QUrl;
class TForm4;
class TForm5;
class TForm8;
class TForm13;
class TForm14;
class PrintCommands;
class PrintDialogs;
class SharedPrinter;
class TForm10;
class TForm6;
class TForm9;
struct StoredOptions;
class HotKeyBackend;
class QImage;
class ScreenGrabber;
class TSysHotKey;
class ListCommands;
class MainWindowList;
struct CommandServices;

class TForm11;

// What the main window works with besides its own controls. Empty fields
// take the machine's own: file system, hot keys, screen, print dialogs, clock.
struct MainWindowServices
{
    Prompter *prompter = nullptr;
    Shell *shell = nullptr;
    FileSystem *files = nullptr;
    HotKeyBackend *hotKeys = nullptr;
    ScreenGrabber *grabber = nullptr;
    std::shared_ptr<PrintDialogs> printDialogs = nullptr;
    std::shared_ptr<RandomSource> tipRandom = nullptr;
    int thumbnailThreads = 0;   // threads decoding thumbnails ahead of the list; 0: one per core
};

// The program's other windows and dialogs. They belong to the main window,
// so they are made after it and handed over once; a missing one leaves its
// commands doing nothing.
struct MainWindowParts
{
    TForm2 *thumbSize = nullptr;
    TForm15 *maxSize = nullptr;
    TOKBottomDlg1 *driveInfo = nullptr;
    TForm4 *rename = nullptr;
    TForm5 *copyTarget = nullptr;
    TForm8 *properties = nullptr;
    TForm13 *createDirectory = nullptr;
    TForm14 *chooser = nullptr;
    TForm6 *convert = nullptr;
    TForm9 *scan = nullptr;
    TOKBottomDlg *viewer = nullptr;
    TForm7 *metafileWindow = nullptr;
    TForm10 *printOptions = nullptr;
    TForm11 *search = nullptr;
};

class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    // Creating the window runs FormCreate: the stored settings are read.
    explicit TForm1(const MainWindowServices &services, QWidget *parent = nullptr);
    ~TForm1() override;

    ProgramState state;

    // Hands over the other windows and dialogs (unit1_parts.cpp).
    void attachParts(const MainWindowParts &parts);
    // The folder or image file given on the command line: this run starts
    // there (a file's folder with the file selected) instead of the stored
    // folder. What cannot be opened is said in the status bar once shown.
    void openAtStart(const QString &argument);
    // F5: the current folder read again, its tree node and its list.
    void rereadFolder();

    // Handlers of this window.
    void FormCreate();
    void FormActivate();
    void FormClose();
    void Exit1Click();
    void Refresh1Click();
    void SelectAll1Click();
    void LaunchApp1Click();
    void StopButtonClick();
    void DirTree1DirChange(const QString &folder);

    // Busy mode and hints.
    void disablewindow();
    void enablewindow();
    void ShowHint(const QString &hint);
    // True while a long loop runs inside busy mode.
    bool isBusy() const { return m_busy; }

    // Viewing and the clipboard.
    void ViewButtonClick();
    void ToClipboard1Click();

    // The list.
    void UpdateListbox();
    void ImageSet(int index);
    void SetListView();
    void change();
    void SetImageSize();
    void SizeEnable();
    void selectFilter(const QString &imageType);
    void List1Click();
    void ListButtonClick();
    void Sorted1Click();
    // The thumbnails keep each picture's proportions, or fill their cells.
    void KeepProportions1Click();

    // Components, named as in the window design.
    QFrame *Panel2 = nullptr;
    QFrame *Panel1 = nullptr;
    QHeaderView *HeaderControl1 = nullptr;
    QFrame *LeftPanel = nullptr;
    QFrame *CenterPanel = nullptr;
    QFrame *RightPanel = nullptr;
    TDirTree *DirTree1 = nullptr;
    ImageListView *ListView1 = nullptr;
    TAStatusBar *StatusBar1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    ImageList ImageList1;
    ImageList ImageList2;

    // The viewer and the metafile window, as attached.
    TOKBottomDlg *OKBottomDlg = nullptr;
    TForm7 *Form7 = nullptr;

    QToolButton *MoveButton = nullptr, *CopyButton = nullptr, *DeleteButton = nullptr,
                *RenameButton = nullptr, *SearchButton = nullptr, *PrintButton = nullptr,
                *PrintSetUpButton = nullptr, *ViewButton = nullptr, *ClipBoardButton = nullptr,
                *ThumbSizeButton = nullptr, *HelpButton = nullptr, *StopButton = nullptr,
                *ExitButton = nullptr;
    QToolButton *ListButton = nullptr, *IcoButton = nullptr;

    QMenu *File1 = nullptr, *Image1 = nullptr, *Settings1 = nullptr, *View3 = nullptr,
          *Help1 = nullptr;
    QMenu *PopupMenu1 = nullptr, *PopupMenu2 = nullptr, *PopupMenu4 = nullptr,
          *PopupMenu5 = nullptr, *PopupMenu6 = nullptr, *PopupMenu7 = nullptr;

    QAction *action(const QString &name) const;
    QToolButton *filterButton(const QString &imageType) const;
    // Runs a menu item's handler unless a long loop is running.
    void runCommand(void (TForm1::*handler)());

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    friend class MainWindowListHost;
    friend class MainWindowList;

    // Layout (unit1_layout.cpp).
    void createControls();
    QFrame *createSpeedBar();
    QFrame *createFilterBar();
    void createHeaderControl();
    QWidget *createBody();
    void createStatusBar();

    // Menus (unit1_menus.cpp).
    void createMainMenu();
    void createPopupMenus();
    void bindHandlers();
    void attachPopup(QWidget *widget, QMenu *menu);

    // Settings.
    void applyStoredOptions(const StoredOptions &options);
    StoredOptions currentOptions() const;
    void applyWindowGeometry(const StoredOptions &options);

    void setStatus(const QString &text);
    void setGauge(int position);
    void setFileCountText(const QString &text);
    bool isIconView() const;
    void setReportView(bool report);
    void letMessagesRun();

    // Thumbnails and the commands on the list (unit1_view.cpp).
    void startThumbnails(const QStringList &fileList);
    ListCommands commands();
    CommandServices commandServices();

    Prompter &m_prompter;
    Shell &m_shell;
    int m_thumbnailThreads = 0;
    QString m_selectAtStart;     // file name to select after the first list build
    QString m_startProblem;      // why the command line's argument was not opened
    std::unique_ptr<ThumbnailPipeline> m_thumbnails;
    QStandardItemModel *m_headerSections = nullptr;
    QButtonGroup *m_filterButtons = nullptr;
    QButtonGroup *m_viewButtons = nullptr;
    QActionGroup *m_filterItems = nullptr;
    std::unique_ptr<MainWindowList> m_listWindow;
    bool m_busy = false;
    bool m_building = false;
    bool m_rebuildPending = false;
    bool m_closeRequested = false;
    bool m_settingsSaved = false;

    // ---- Drive details, display ratio, auxiliary dialogs, tips and help ----
    // (unit1_ratio.cpp and unit1_dialogs.cpp)
public:
    HelpCommands &help() { return *m_help; }

    void HeaderControl1SectionClick(int section);
    void HeaderControl1SectionResize(int width);
    void Explore1Click();
    void CenterPanelMouseDown(Qt::MouseButton button, int x);
    void CenterPanelMouseMove(int x);
    void CenterPanelMouseUp();
    void ThumbSize1Click();
    void MaximumSize1Click();
    void showTipOfTheDay();
    void About1Click();
    void Help2Click();
    void Search1Click();
    void UsingHelp1Click();
    void WhatsThis1Click();
    void WhatsThis2Click();
    void WhatsThis4Click();
    void WhatsThis5Click();
    void WhatsThis6Click();
    void WhatsThis7Click();

    QFrame *SplitterBar = nullptr;

private:
    void setUpDisplayRatio();
    void setUpHelp();
    void applyTreeWidth(int width);
    void setFirstHeaderSection(int width);
    int lowestBarLeft() const;
    int highestBarLeft() const;

    QPointer<TForm2> m_thumbSizeDialog;
    QPointer<TForm15> m_maxSizeDialog;
    QPointer<TOKBottomDlg1> m_driveDialog;
    std::shared_ptr<HelpViewerSystem> m_helpSystem;
    std::shared_ptr<HelpCommands> m_help;
    std::shared_ptr<RandomSource> m_tipRandom;
    bool m_dragging = false;
    bool m_settingHeader = false;

    // ---- File management: copy, move, drag and drop, delete, rename, ----
    // ---- properties and folders (unit1_files.cpp and unit1_drag.cpp) ----
public:
    void Copy1Click();
    void Move1Click();
    void DirTreeDragDrop(const QString &targetFolder, const QList<QUrl> &droppedFiles, bool fromThisProgram);
    void Delete1Click();
    void Rename1Click();
    void ListView1Edited(const QString &oldCaption, QString &newText);
    void Properties2Click();
    void CreateDirectory1Click();
    void Delete3Click();
    void DeleteSelected();

private:
    void setUpFileCommands();
    bool runDialog(QDialog *dialog, int *result = nullptr);

    QPointer<TForm4> m_renameDialog;
    QPointer<TForm5> m_copyTargetDialog;
    QPointer<TForm8> m_propertiesDialog;
    QPointer<TForm13> m_createDirectoryDialog;
    QPointer<TForm14> m_chooserDialog;
    FileSystem *m_files = nullptr;

    // ---- Conversion, scanning and the scan source (unit1_convert.cpp) ----
public:
    void Convert1Click();
    void Acquire1Click();
    void SelectTwain1Click();

private:
    QPointer<TForm6> m_convertDialog;
    QPointer<TForm9> m_scanWindow;
    bool m_converting = false;

    // ---- Printing: print options, thumbnail sheets, single images, ----
    // ---- printer set-up and the fonts window (unit1_print.cpp) ----
public:
    // The printer and the print steps every print command of the program shares.
    PrintCommands &printing();

    void PrintButtonClick();
    void Print2Click();
    void PrintsetUp1Click();
    void Fonts1Click();

private:
    std::shared_ptr<SharedPrinter> m_printer;
    std::shared_ptr<PrintDialogs> m_printDialogs;
    std::shared_ptr<PrintCommands> m_printing;

    // ---- Screen, window and client-area capture (unit1_capture.cpp) ----
public:
    void ScreenCapture1Click();
    void WindowCapture1Click();
    void ClientCapture1Click();
    void SysHotKey1HotKey(QObject *sender, int index);
    void SysHotKey2HotKey(QObject *sender, int index);
    void SysHotKey3HotKey(QObject *sender, int index);

    TSysHotKey *SysHotKey1 = nullptr;
    TSysHotKey *SysHotKey2 = nullptr;
    TSysHotKey *SysHotKey3 = nullptr;

private:
    void createHotKeys(HotKeyBackend &backend);
    void switchHotKeysOff();
    void armCapture(TSysHotKey &hotKey, const QString &status, const QString &prompt);
    void hideForCapture();
    void comeBackFromCapture();
    void captureForegroundWindow(bool clientArea);
    void showCapture(const QImage &picture);

    ScreenGrabber *m_grabber = nullptr;
    QList<QPointer<QWidget>> m_hiddenForCapture;
    bool m_waitingForCapture = false;

    // ---- Search window (unit1_search.cpp) ----
public:
    void Search2Click();

private:
    QPointer<TForm11> m_searchWindow;
};
