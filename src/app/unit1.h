// Main browser window: folder tree, image list, menus and status bar.
#pragma once

#include "app/programstate.h"
#include "browse/imagelist.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
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
struct StoredOptions;

class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    // Creating the window runs FormCreate: the stored settings are read.
    TForm1(Prompter &prompter, Shell &shell, QWidget *parent = nullptr);
    ~TForm1() override;

    ProgramState state;

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

    // The list.
    void UpdateListbox();
    void SetListView();
    void change();
    void SetImageSize();
    void SizeEnable();
    void selectFilter(const QString &imageType);
    void List1Click();
    void ListButtonClick();
    void Sorted1Click();

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

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    friend class MainWindowListHost;

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
    std::function<void()> handler(const QString &name);
    // False for a command whose handler is not part of the program yet.
    bool isBound(const QObject *command) const;
    void attachPopup(QWidget *widget, QMenu *menu);

    // Settings.
    void applyStoredOptions(const StoredOptions &options);
    StoredOptions currentOptions() const;
    void applyWindowGeometry(const StoredOptions &options);

    void setStatus(const QString &text);
    void setGauge(int position);
    void setFileCountText(const QString &text);
    void setControlEnabled(QWidget *control, bool enabled);
    bool isIconView() const;
    void setReportView(bool report);
    void letMessagesRun();

    Prompter &m_prompter;
    Shell &m_shell;
    QStandardItemModel *m_headerSections = nullptr;
    QButtonGroup *m_filterButtons = nullptr;
    QButtonGroup *m_viewButtons = nullptr;
    QActionGroup *m_filterItems = nullptr;
    std::map<QString, std::function<void()>> m_handlers;
    bool m_busy = false;
    bool m_building = false;
    bool m_rebuildPending = false;
    bool m_closeRequested = false;
    bool m_settingsSaved = false;
};
