// Search window: opening, the search, its results and the small commands.
#include "search/search.h"
#include "search/searchwindowlist.h"
#include "decor/decoratewindow.h"
#include "dialogs/waitcursor.h"

#include "browse/fileitemmodel.h"
#include "browse/imagelistview.h"
#include "browse/listbuilder.h"
#include "browse/listtexts.h"
#include "browse/thumbnailmaker.h"
#include "dialogs/about.h"
#include "dialogs/dialogparts.h"
#include "dialogs/helpcommands.h"
#include "platform/filesystem.h"
#include "platform/prompter.h"
#include "printing/printcommands.h"
#include "platform/paths.h"
#include "search/filesearch.h"
#include "search/searchtexts.h"
#include "search/searchtypes.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusTipEvent>

// The results as the list build sees them: one item per found file, with
// its caption, size, date and real path; Stop stays asked until a new search.
class SearchResultsHost : public ListItemHost
{
public:
    SearchResultsHost(TForm11 &form, const std::vector<FoundEntry> &found) : m_form(form), m_found(found) {}

    void letMessagesRun() override { m_form.letMessagesRun(); }
    bool takeStopRequest() override { return m_form.m_stopRequested; }
    void setStatus(const QString &text) override { m_form.setStatus(text); }
    void setGauge(int position) override { m_form.setGauge(position); }
    void reportError(const QString &text) override { m_form.m_prompter.error(text); }
    void makePicture(const QStringList &fileList, int index) override { m_form.ImageSet(index, fileList.at(index)); }
    void addItem(const QString &path, int imageIndex) override
    {
        const FoundEntry &entry = m_found[size_t(imageIndex)];
        FileItemModel *items = m_form.ListView1->items();
        items->append(entry.caption, imageIndex, {sizeText(entry.size), foundDateText(entry.lastWrite)});
        items->setPath(imageIndex, path);
    }

private:
    TForm11 &m_form;
    const std::vector<FoundEntry> &m_found;
};

TForm11::TForm11(const SearchWindowServices &services, QWidget *parent)
    : QMainWindow(parent, Qt::Window), m_services(services), m_prompter(*services.commands.prompter),
      m_listWindow(std::make_unique<SearchWindowList>(*this))
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Search"));
    resize(580, 366);
    createControls();
    createMenus();
    connectButtons();
    decorateWindow(this, captionSettingsFor(QStringLiteral("TForm11")));
}

// Hidden before the members go: hiding a shown window lays out the list,
// which draws from ImageList1.
TForm11::~TForm11()
{
    hide();
}

void TForm11::openFor(const QString &folder)
{
    clearResults();
    PathEdit->setText(withTrailingSeparator(folder));
    // Centred over the window that opened it the first time; afterwards
    // where the user put it.
    if (!std::exchange(m_placed, true))
        centreOver(this, parentWidget() ? parentWidget()->window() : nullptr);
    show();
    raise();
    activateWindow();
}

// A running search is asked to stop and empties the list when it has.
void TForm11::clearResults()
{
    if (m_searching) {
        m_stopRequested = true;
        m_clearWhenDone = true;
        return;
    }
    ListView1->items()->clear();
    ImageList1.clear();
}

void TForm11::setStatus(const QString &text)
{
    StatusPanels[0]->setText(text);
}

QString TForm11::statusText() const
{
    return StatusPanels[0]->text();
}

void TForm11::setGauge(int position)
{
    ProgressBar1->setValue(position);
}

void TForm11::letMessagesRun()
{
    QCoreApplication::processEvents();
}

void TForm11::StartButtonClick()
{
    if (m_searching)
        return;
    const QString typed = PathEdit->text();
    const int typeIndex = FileTypeComboBox->currentIndex();
    const QStringList errors = searchInputErrors(typed, typeIndex);
    for (const QString &error : errors)
        m_prompter.error(error);
    if (!errors.isEmpty())
        return;
    // Entries keep full paths: a relative one would name other files once
    // the working folder changes.
    const QString folder = withTrailingSeparator(QDir(typed).absolutePath());
    if (!m_services.commands.files->isDirectory(folder)) {
        m_prompter.error(QStringLiteral("Directory Does Not Exist ") + typed);
        return;
    }
    clearResults();
    m_searching = true;
    m_stopRequested = false;
    StartButton->setEnabled(false);
    StopButton->setEnabled(true);
    const bool walked = searchTree(folder, typeIndex, typed);
    m_searching = false;
    StartButton->setEnabled(true);
    StopButton->setEnabled(false);
    if (!walked)
        setStatus(QStringLiteral("Process Halted"));
    if (std::exchange(m_clearWhenDone, false))
        clearResults();
}

// False when Stop ended the search; what was listed by then stays.
bool TForm11::searchTree(const QString &folder, int typeIndex, const QString &typed)
{
    FileSearch search(*m_services.commands.files, [this] {
        letMessagesRun();
        return !m_stopRequested;
    });
    {
        WaitCursor hourglass;
        setStatus(QStringLiteral("Searching For Files"));
        letMessagesRun();
        search.run(folder, searchTypes().at(typeIndex).patterns);
        if (!search.stopped() && !search.failed())
            listResults(search.found());
        finishSearch(ListView1->count());
    }
    if (search.failed())
        m_prompter.error(QStringLiteral("Directory Does Not Exist ") + typed);
    return !search.stopped() && !m_stopRequested;
}

void TForm11::listResults(const std::vector<FoundEntry> &found)
{
    QStringList paths;
    paths.reserve(qsizetype(found.size()));
    for (const FoundEntry &entry : found)
        paths.append(entry.path);
    m_thumbnails = std::make_unique<ThumbnailPipeline>(paths, ThumbnailRequest{ImageList1.size(), 24, true});
    setStatus(QStringLiteral("Creating Thumbnails"));
    SearchResultsHost host(*this, found);
    addListItems(paths, false, false, host);
    m_thumbnails.reset();
}

void TForm11::finishSearch(qsizetype found)
{
    setStatus(searchFinishedText(found));
    setGauge(0);
}

// Picture i always belongs to entry i: a file that cannot be read still
// gets one, with "Error" on it.
void TForm11::ImageSet(int index, const QString &fileName)
{
    const QImage thumbnail = m_thumbnails ? m_thumbnails->take(index)
                                          : makeThumbnail(fileName, ThumbnailRequest{ImageList1.size(), 24, true});
    ImageList1.add(QPixmap::fromImage(thumbnail));
}

void TForm11::StopButtonClick()
{
    m_stopRequested = true;
}

void TForm11::SearchButtonClick()
{
    const std::optional<QString> chosen = m_prompter.pickFolder(QStringLiteral("Select Search Path"), PathEdit->text());
    PathEdit->setText(chosen ? withTrailingSeparator(*chosen) : QString());
}

bool TForm11::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TForm11::ShowHint(const QString &hint)
{
    setStatus(QStringLiteral("  ") + hint);
}

void TForm11::closeEvent(QCloseEvent *event)
{
    m_stopRequested = true;
    QMainWindow::closeEvent(event);
}

void TForm11::Exit1Click()
{
    close();
}

void TForm11::PrintsetUp1Click()
{
    setStatus(QStringLiteral("Printer Selection"));
    if (m_services.commands.printing)
        m_services.commands.printing->printerSetUp(this);
}

void TForm11::About1Click()
{
    if (!m_services.help)
        return;
    TAboutBox about(*m_services.help, this);
    about.exec();
}

void TForm11::Help2Click()
{
    if (m_services.help)
        m_services.help->contents();
}

void TForm11::Search1Click()
{
    if (m_services.help)
        m_services.help->search();
}

void TForm11::UsingHelp1Click()
{
    if (m_services.help)
        m_services.help->usingHelp();
}

void TForm11::WhatsThis2Click()
{
    if (m_services.help)
        m_services.help->context(2);
}

void TForm11::WhatsThis1Click()
{
    if (m_services.help)
        m_services.help->context(35);
}
