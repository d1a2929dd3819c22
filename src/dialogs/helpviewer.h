// The help viewer window: a help file's topics with contents, a keyword
// index, full-text search, Back and Forward, and help on the viewer itself.
#pragma once

#include "dialogs/helpfile.h"

#include <QDateTime>
#include <QWidget>
#include <vector>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTextBrowser;
class QToolButton;

class HelpViewer : public QWidget
{
    Q_OBJECT
public:
    static constexpr int UsingHelpPage = -1;  // the viewer's own help
    static constexpr int MessagePage = -2;    // a message instead of a topic

    explicit HelpViewer(QWidget *parent = nullptr);

    // Reads the file unless it is the one already shown and unchanged.
    void openFile(const QString &path);
    const HelpFile &file() const { return m_file; }

    void showContents();
    // Brings the Index page forward, ready for a keyword; the page shows
    // the contents when no topic is shown yet.
    void showSearch();
    // False, with a message in the page, when the file has no such topic.
    bool showContext(int context);
    void showUsingHelp();
    void back();
    void forward();

    // The topic's context number, UsingHelpPage or MessagePage.
    int currentPage() const { return m_current; }
    QString pageTitle() const { return m_pageTitle; }
    QString pageText() const;

    QToolButton *ContentsButton = nullptr;
    QToolButton *SearchButton = nullptr;
    QToolButton *BackButton = nullptr;
    QToolButton *ForwardButton = nullptr;
    QToolButton *UsingHelpButton = nullptr;
    QTabWidget *Tabs = nullptr;
    QListWidget *ContentsList = nullptr;
    QLineEdit *IndexEdit = nullptr;
    QListWidget *IndexList = nullptr;
    QListWidget *IndexTopics = nullptr;
    QLineEdit *FindEdit = nullptr;
    QListWidget *FindResults = nullptr;
    QTextBrowser *Page = nullptr;

private:
    QWidget *createToolBar();
    QWidget *createContentsTab();
    QWidget *createIndexTab();
    QWidget *createFindTab();
    void fillLists();
    void goTo(int page);
    void display(int page);
    void showMessage(const QString &text);
    void followLink(const QUrl &link);
    void indexTyped(const QString &text);
    void indexChosen();
    void findTyped(const QString &text);
    void fillTopicList(QListWidget *list, const QList<int> &contexts);
    void updateButtons();

    HelpFile m_file;
    QString m_path;
    QDateTime m_modified;
    int m_current = MessagePage;
    QString m_pageTitle;
    std::vector<int> m_back;
    std::vector<int> m_forward;
};
