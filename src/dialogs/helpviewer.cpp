#include "dialogs/helpviewer.h"
#include "decor/decoratewindow.h"

#include "dialogs/helphtml.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int ContextRole = Qt::UserRole;

QToolButton *textButton(QWidget *parent, const char *name, const char *caption)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromUtf8(caption));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

QString usingHelpPage()
{
    QFile page(QStringLiteral(":/dialogs/usinghelp.html"));
    return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}
} // namespace

// The page lives in a static library, whose resources must be named.
static void loadViewerResources()
{
    Q_INIT_RESOURCE(dialogs);
}

HelpViewer::HelpViewer(QWidget *parent) : QWidget(parent, Qt::Window)
{
    loadViewerResources();
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Pixmoor Help"));
    // Help left open does not keep the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(760, 540);

    Tabs = new QTabWidget(this);
    Tabs->addTab(createContentsTab(), QStringLiteral("&Contents"));
    Tabs->addTab(createIndexTab(), QStringLiteral("&Index"));
    Tabs->addTab(createFindTab(), QStringLiteral("&Find"));
    Page = new QTextBrowser(this);
    Page->setObjectName(QStringLiteral("Page"));
    Page->setOpenLinks(false);
    connect(Page, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);

    auto *splitter = new QSplitter(this);
    splitter->addWidget(Tabs);
    splitter->addWidget(Page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 520});
    auto *column = new QVBoxLayout(this);
    column->addWidget(createToolBar());
    column->addWidget(splitter, 1);
    updateButtons();
    decorateWindow(this, captionSettingsFor(QStringLiteral("HelpViewer")));
}

QWidget *HelpViewer::createToolBar()
{
    auto *bar = new QWidget(this);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    ContentsButton = textButton(bar, "ContentsButton", "C&ontents");
    SearchButton = textButton(bar, "SearchButton", "&Search");
    BackButton = textButton(bar, "BackButton", "&Back");
    ForwardButton = textButton(bar, "ForwardButton", "Forwa&rd");
    UsingHelpButton = textButton(bar, "UsingHelpButton", "&Using Help");
    for (QToolButton *button : {ContentsButton, SearchButton, BackButton, ForwardButton, UsingHelpButton})
        row->addWidget(button);
    row->addStretch(1);
    connect(ContentsButton, &QToolButton::clicked, this, &HelpViewer::showContents);
    connect(SearchButton, &QToolButton::clicked, this, &HelpViewer::showSearch);
    connect(BackButton, &QToolButton::clicked, this, &HelpViewer::back);
    connect(ForwardButton, &QToolButton::clicked, this, &HelpViewer::forward);
    connect(UsingHelpButton, &QToolButton::clicked, this, &HelpViewer::showUsingHelp);
    return bar;
}

QWidget *HelpViewer::createContentsTab()
{
    ContentsList = new QListWidget(this);
    ContentsList->setObjectName(QStringLiteral("ContentsList"));
    connect(ContentsList, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { goTo(item->data(ContextRole).toInt()); });
    connect(ContentsList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { goTo(item->data(ContextRole).toInt()); });
    return ContentsList;
}

QWidget *HelpViewer::createIndexTab()
{
    auto *tab = new QWidget(this);
    IndexEdit = new QLineEdit(tab);
    IndexEdit->setObjectName(QStringLiteral("IndexEdit"));
    IndexEdit->setPlaceholderText(QStringLiteral("Type a keyword"));
    IndexList = new QListWidget(tab);
    IndexList->setObjectName(QStringLiteral("IndexList"));
    IndexTopics = new QListWidget(tab);
    IndexTopics->setObjectName(QStringLiteral("IndexTopics"));
    auto *column = new QVBoxLayout(tab);
    column->addWidget(IndexEdit);
    column->addWidget(IndexList, 3);
    column->addWidget(new QLabel(QStringLiteral("Topics found:"), tab));
    column->addWidget(IndexTopics, 1);
    connect(IndexEdit, &QLineEdit::textEdited, this, &HelpViewer::indexTyped);
    connect(IndexEdit, &QLineEdit::returnPressed, this, &HelpViewer::indexChosen);
    connect(IndexList, &QListWidget::itemActivated, this, &HelpViewer::indexChosen);
    connect(IndexTopics, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { goTo(item->data(ContextRole).toInt()); });
    return tab;
}

QWidget *HelpViewer::createFindTab()
{
    auto *tab = new QWidget(this);
    FindEdit = new QLineEdit(tab);
    FindEdit->setObjectName(QStringLiteral("FindEdit"));
    FindEdit->setPlaceholderText(QStringLiteral("Words to find"));
    FindResults = new QListWidget(tab);
    FindResults->setObjectName(QStringLiteral("FindResults"));
    auto *column = new QVBoxLayout(tab);
    column->addWidget(FindEdit);
    column->addWidget(FindResults, 1);
    connect(FindEdit, &QLineEdit::textChanged, this, &HelpViewer::findTyped);
    connect(FindEdit, &QLineEdit::returnPressed, this, [this] {
        if (FindResults->count() > 0)
            goTo(FindResults->item(0)->data(ContextRole).toInt());
    });
    connect(FindResults, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { goTo(item->data(ContextRole).toInt()); });
    return tab;
}

void HelpViewer::openFile(const QString &path)
{
    const QDateTime modified = QFileInfo(path).lastModified();
    if (path == m_path && modified == m_modified && m_file.isValid())
        return;
    m_path = path;
    m_modified = modified;
    m_file = HelpFile::load(path);
    m_back.clear();
    m_forward.clear();
    m_current = MessagePage;
    setWindowTitle(m_file.title().isEmpty() ? QStringLiteral("Pixmoor Help") : m_file.title());
    fillLists();
    if (!m_file.isValid())
        showMessage(m_file.error());
    updateButtons();
}

void HelpViewer::fillLists()
{
    ContentsList->clear();
    QList<int> contexts;
    for (const HelpTopic &topic : m_file.topics())
        contexts.append(topic.context);
    fillTopicList(ContentsList, contexts);
    IndexList->clear();
    IndexList->addItems(m_file.indexEntries());
    IndexTopics->clear();
    FindResults->clear();
    findTyped(FindEdit->text());
}

void HelpViewer::fillTopicList(QListWidget *list, const QList<int> &contexts)
{
    list->clear();
    for (int context : contexts) {
        if (const HelpTopic *topic = m_file.topic(context)) {
            auto *item = new QListWidgetItem(topic->title, list);
            item->setData(ContextRole, context);
        }
    }
}

void HelpViewer::showContents()
{
    Tabs->setCurrentIndex(0);
    if (const HelpTopic *contents = m_file.contentsTopic())
        goTo(contents->context);
    else
        showMessage(m_file.error());
}

void HelpViewer::showSearch()
{
    if (!m_file.isValid()) {
        showMessage(m_file.error());
    } else if (m_current == MessagePage) {
        // Nothing shown yet: the contents beside the index, not an empty page.
        if (const HelpTopic *contents = m_file.contentsTopic())
            goTo(contents->context);
    }
    Tabs->setCurrentIndex(1);
    IndexEdit->setFocus();
    IndexEdit->selectAll();
}

bool HelpViewer::showContext(int context)
{
    if (!m_file.isValid()) {
        showMessage(m_file.error());
        return false;
    }
    if (!m_file.topic(context)) {
        showMessage(QStringLiteral("The help file has no topic for help context %1.").arg(context));
        return false;
    }
    goTo(context);
    return true;
}

void HelpViewer::showUsingHelp()
{
    goTo(UsingHelpPage);
}

void HelpViewer::goTo(int page)
{
    if (page != m_current && m_current != MessagePage) {
        m_back.push_back(m_current);
        m_forward.clear();
    }
    display(page);
}

void HelpViewer::back()
{
    if (m_back.empty())
        return;
    if (m_current != MessagePage)
        m_forward.push_back(m_current);
    const int page = m_back.back();
    m_back.pop_back();
    display(page);
}

void HelpViewer::forward()
{
    if (m_forward.empty())
        return;
    if (m_current != MessagePage)
        m_back.push_back(m_current);
    const int page = m_forward.back();
    m_forward.pop_back();
    display(page);
}

void HelpViewer::display(int page)
{
    const HelpTopic *topic = m_file.topic(page);
    if (page == UsingHelpPage) {
        Page->setHtml(usingHelpPage());
        m_pageTitle = QStringLiteral("Using Help");
    } else if (topic) {
        Page->setHtml(topicHtml(*topic, m_file));
        m_pageTitle = topic->title;
        for (int row = 0; row < ContentsList->count(); ++row)
            if (ContentsList->item(row)->data(ContextRole).toInt() == page)
                ContentsList->setCurrentRow(row);
    } else {
        return;
    }
    m_current = page;
    updateButtons();
}

void HelpViewer::showMessage(const QString &text)
{
    m_pageTitle = QStringLiteral("Help");
    Page->setHtml(QStringLiteral("<h2>Help</h2><p>%1</p>").arg(text.toHtmlEscaped()));
    m_current = MessagePage;
    updateButtons();
}

QString HelpViewer::pageText() const
{
    return Page->toPlainText();
}

void HelpViewer::followLink(const QUrl &link)
{
    if (link.scheme() == QLatin1String("topic"))
        showContext(link.path().toInt());
}

void HelpViewer::indexTyped(const QString &text)
{
    for (int row = 0; row < IndexList->count(); ++row) {
        if (IndexList->item(row)->text().startsWith(text, Qt::CaseInsensitive)) {
            IndexList->setCurrentRow(row);
            IndexList->scrollToItem(IndexList->item(row), QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

void HelpViewer::indexChosen()
{
    const QListWidgetItem *entry = IndexList->currentItem();
    if (!entry)
        return;
    const QList<int> contexts = m_file.topicsForIndexEntry(entry->text());
    fillTopicList(IndexTopics, contexts);
    if (contexts.size() == 1)
        goTo(contexts.first());
}

void HelpViewer::findTyped(const QString &text)
{
    fillTopicList(FindResults, m_file.search(text));
}

void HelpViewer::updateButtons()
{
    BackButton->setEnabled(!m_back.empty());
    ForwardButton->setEnabled(!m_forward.empty());
    const bool usable = m_file.isValid();
    ContentsButton->setEnabled(usable);
    SearchButton->setEnabled(usable);
}
