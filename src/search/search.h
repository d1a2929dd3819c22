// The search window: finds image files below a folder and works on them.
#pragma once

#include "browse/imagelist.h"
#include "commands/commandservices.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class HelpCommands;
class ImageListView;
class ListCommands;
class Prompter;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class SearchWindowList;
class ThumbnailPipeline;

// What the search window borrows from the rest of the program.
struct SearchWindowServices
{
    CommandServices commands;
    HelpCommands *help = nullptr;
};

class TForm11 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm11(const SearchWindowServices &services, QWidget *parent = nullptr);
    ~TForm11() override;

    // Opening from the main window: an empty list and folder in the path.
    void openFor(const QString &folder);

    // The search itself (search.cpp).
    void StartButtonClick();
    void SearchButtonClick();
    void StopButtonClick();
    void ImageSet(int index, const QString &fileName);
    void ShowHint(const QString &hint);
    void Exit1Click();
    void PrintsetUp1Click();
    void About1Click();
    void Help2Click();
    void Search1Click();
    void UsingHelp1Click();
    void WhatsThis1Click();
    void WhatsThis2Click();
    bool isSearching() const { return m_searching; }

    // Runs a menu item's handler.
    void runCommand(void (TForm11::*handler)()) { (this->*handler)(); }

    // The commands on the results (search_commands.cpp).
    void Move1Click();
    void Copy1Click();
    void Rename1Click();
    void ListView1Edited(const QString &path, const QString &newText);
    void Delete1Click();
    void SelectAll1Click();
    void Properties2Click();
    void LaunchApp1Click();
    void DeleteSelected();
    void View1Click();
    void ToClipboard1Click();
    void Convert1Click();
    void Print1Click();
    void Print2Click();

    // The real path of each entry, in list order.
    QStringList resultPaths() const;
    QStringList resultCaptions() const;
    QString statusText() const;
    QAction *action(const QString &name) const;

    QFrame *Panel1 = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *FileTypeComboBox = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *PathEdit = nullptr;
    QPushButton *StartButton = nullptr, *SearchButton = nullptr, *CopyButton = nullptr,
                *MoveButton = nullptr, *DeleteButton = nullptr, *ExitButton = nullptr,
                *StopButton = nullptr;
    QFrame *Panel2 = nullptr;
    ImageListView *ListView1 = nullptr;
    QLabel *StatusPanels[3] = {};
    QProgressBar *ProgressBar1 = nullptr;
    ImageList ImageList1{QSize(50, 50)};
    QMenu *File1 = nullptr, *Image1 = nullptr, *Help1 = nullptr;
    QMenu *PopupMenu1 = nullptr, *PopupMenu2 = nullptr;

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Layout and menus (search_menus.cpp).
    void createControls();
    QFrame *createControlPanel();
    void createStatusBar();
    void createMenus();
    void connectButtons();

    void setStatus(const QString &text);
    void setGauge(int position);
    void letMessagesRun();
    void clearResults();
    bool searchTree(const QString &folder, int typeIndex, const QString &typed);
    void listResults(const std::vector<struct FoundEntry> &found);
    void finishSearch(qsizetype found);

    ListCommands commands();

    friend class SearchWindowList;
    friend class SearchResultsHost;
    SearchWindowServices m_services;
    Prompter &m_prompter;
    std::unique_ptr<SearchWindowList> m_listWindow;
    bool m_searching = false;
    bool m_placed = false;
    bool m_stopRequested = false;
    bool m_clearWhenDone = false;
    std::unique_ptr<ThumbnailPipeline> m_thumbnails;
};
