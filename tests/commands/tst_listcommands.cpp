// The commands on a list's selection, driven without a main window: a list
// of bare names in a folder (as the main window shows) and a list of full
// paths (as the search window shows), each with its window's style.
#include "browse/fileitemmodel.h"
#include "browse/imagelist.h"
#include "browse/imagelistview.h"
#include "commands/listcommands.h"
#include "commands/listwindow.h"
#include "fileops/copy.h"
#include "fileops/rename.h"
#include "platform/filesystem.h"
#include "support/fakeshell.h"
#include "support/modaldialog.h"
#include "support/scriptedprompter.h"
#include "support/testenvironment.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace {
// A list window that records what the commands ask of it.
class TestListWindow : public ListWindow
{
public:
    ImageList large{QSize(32, 32)}, small{QSize(16, 16)};
    ImageListView view{&large, &small};
    QString folder;          // empty: the items carry full paths
    QStringList statuses;
    QStringList busy;        // "enter" and "leave" in order
    int messagePasses = 0;

    void letMessagesRun() override { ++messagePasses; }
    bool takeStopRequest() override { return false; }
    void setStatus(const QString &text) override { statuses.append(text); }
    void setGauge(int) override {}
    void reportError(const QString &text) override { statuses.append("error " + text); }
    QWidget *widget() override { return &view; }
    ImageListView &list() override { return view; }
    ListSelection selection() const override { return listSelection(view, folder); }
    void enterBusy(BusyKind) override { busy.append("enter"); }
    void leaveBusy(BusyKind) override { busy.append("leave"); }
    void deleteSelected() override { view.removeSelected(); }

    void add(const QString &caption, const QString &path = QString())
    {
        const int row = view.items()->rowCount();
        view.items()->append(caption, -1);
        if (!path.isEmpty())
            view.items()->setPath(row, path);
    }
    void select(const QStringList &captions)
    {
        QAbstractItemView *shown = view.activeView();
        shown->clearSelection();
        for (int row = 0; row < shown->model()->rowCount(); ++row) {
            const QModelIndex index = shown->model()->index(row, 0);
            if (captions.contains(index.data().toString()))
                shown->selectionModel()->select(index, QItemSelectionModel::Select);
        }
    }
};

ListCommandStyle searchStyle()
{
    ListCommandStyle style;
    style.copyFinished = "Operation Completed";
    style.clearCopyTarget = true;
    style.deleteFinished = "Finished";
    style.propertiesSet = "File Attributes Changed";
    return style;
}

ListCommandStyle mainStyle()
{
    ListCommandStyle style;
    style.copyFinished = "Finished Copying Files";
    style.noFilesCopied = "No Files Copied";
    style.deleteFinished = "Finished Deleting Files";
    style.renameAsking = "Rename File";
    style.editRenamed = "File Renamed";
    style.launchStatus = "Checking File Association";
    return style;
}


QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}
} // namespace

class TestListCommands : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void selectionOfNamesAndOfPaths();
    void moveFromSeveralFoldersKeepsWhatStayed();
    void copyWithoutTargetSaysSoInTheMainStyle();
    void deleteNamesTheFileAsTheListDoes();
    void renameKeepsEachListsCaptions();
    void launchFailureIsReported();

private:
    std::unique_ptr<TestEnvironment> m_environment;
    ScriptedPrompter m_prompter;
    FakeShell m_shell;
    TForm5 m_copyTarget{m_prompter};
    TForm4 m_rename;

    CommandServices services()
    {
        return {.prompter = &m_prompter,
                .files = &systemFileSystem(),
                .shell = &m_shell,
                .rename = &m_rename,
                .copyTarget = &m_copyTarget};
    }
};

void TestListCommands::init()
{
    m_environment = std::make_unique<TestEnvironment>();
    m_prompter.shown.clear();
    m_prompter.answers.clear();
    m_shell.opened.clear();
    m_shell.succeeds = true;
}

void TestListCommands::selectionOfNamesAndOfPaths()
{
    TestListWindow names;
    names.folder = "/pictures";
    names.add("b.bmp");
    names.add("a.bmp");
    names.view.setSorted(true);
    names.select({"b.bmp"});
    const ListSelection byName = names.selection();
    QCOMPARE(byName.entries.size(), 2);
    QCOMPARE(byName.entries[0].caption, QString("a.bmp"));   // in the order shown
    QCOMPARE(byName.entries[0].row, 1);                      // row of the items
    QCOMPARE(byName.first()->path, QString("/pictures/b.bmp"));
    QCOMPARE(byName.first()->name, QString("b.bmp"));

    TestListWindow paths;
    paths.add("/one/x.png", "/One/X.png");
    paths.add("/two/y.png", "/Two/Y.png");
    paths.select({"/one/x.png", "/two/y.png"});
    const ListSelection byPath = paths.selection();
    QVERIFY(byPath.folder.isEmpty());
    QCOMPARE(byPath.selected().size(), 2);
    QCOMPARE(byPath.first()->name, QString("/One/X.png"));    // messages name the real path
    QCOMPARE(byPath.withPath("/Two/Y.png")->caption, QString("/two/y.png"));
    QCOMPARE(byPath.withCaption("/nowhere"), nullptr);
    QCOMPARE(folderPart("/Two/Y.png"), QString("/Two/"));
}

void TestListCommands::moveFromSeveralFoldersKeepsWhatStayed()
{
    const QString one = m_environment->makeFolder("one"), two = m_environment->makeFolder("two"), out = m_environment->makeFolder("out");
    TestEnvironment::writeFile(one + "/a.bmp", QByteArray("a"));
    TestEnvironment::writeFile(two + "/b.bmp", QByteArray("b"));
    TestEnvironment::writeFile(two + "/c.bmp", QByteArray("c"));
    TestEnvironment::writeFile(out + "/b.bmp", QByteArray("old"));
    TestListWindow window;
    for (const QString &path : {one + "/a.bmp", two + "/b.bmp", two + "/c.bmp"})
        window.add(path.toLower(), path);
    window.select({(one + "/a.bmp").toLower(), (two + "/b.bmp").toLower()});
    m_copyTarget.Edit1->setText("left from before");
    QString offered = "not asked";
    whenModalShown<TForm5>([&](TForm5 &dialog) {
        offered = dialog.windowTitle() + "|" + dialog.Edit1->text();
        dialog.Edit1->setText(out);
        dialog.Okbutton->click();
    });
    m_prompter.answers.enqueue(Prompter::Button::No);   // keep the old b.bmp
    ListCommands(services(), window, searchStyle()).copyOrMove(true);

    QCOMPARE(offered, QString("Move|"));
    QCOMPARE(m_prompter.texts("confirm"), QStringList{"File already exists " + two + "/b.bmp Overwrite ?"});
    QCOMPARE(filesIn(out), (QStringList{"a.bmp", "b.bmp"}));
    QCOMPARE(filesIn(one), QStringList());
    QCOMPARE(window.view.captions(), (QStringList{(two + "/b.bmp").toLower(), (two + "/c.bmp").toLower()}));
    QCOMPARE(window.busy, (QStringList{"enter", "leave"}));
    QCOMPARE(window.statuses.first(), QString("Copying Files"));
    QCOMPARE(window.statuses.last(), QString("Operation Completed"));
}

void TestListCommands::copyWithoutTargetSaysSoInTheMainStyle()
{
    const QString folder = m_environment->makeFolder("pictures");
    TestEnvironment::writeFile(folder + "/a.bmp", 10);
    TestListWindow window;
    window.folder = folder;
    window.add("a.bmp");
    window.select({"a.bmp"});
    whenModalShown<TForm5>([&](TForm5 &dialog) {
        dialog.Edit1->setText("new folder");
        dialog.Okbutton->click();
    });
    // "Path does not exist ... Create ?" answered Cancel.
    ListCommands(services(), window, mainStyle()).copyOrMove(false);
    QCOMPARE(m_prompter.texts("confirm"), QStringList{"Path does not exist new folder Create ?"});
    QCOMPARE(window.statuses, QStringList{"No Files Copied"});
    QVERIFY(window.busy.isEmpty());
    QCOMPARE(window.view.count(), 1);
}

void TestListCommands::deleteNamesTheFileAsTheListDoes()
{
    const QString folder = m_environment->makeFolder("pictures");
    TestEnvironment::writeFile(folder + "/a.bmp", 10);
    TestEnvironment::writeFile(folder + "/b.bmp", 10);
    TestListWindow window;
    window.add("a.bmp", folder + "/a.bmp");
    window.add("b.bmp", folder + "/b.bmp");
    window.add("gone.bmp", folder + "/gone.bmp");   // removed behind the list's back
    window.select({"a.bmp", "gone.bmp"});
    m_prompter.answers.enqueue(Prompter::Button::Ok);
    ListCommands(services(), window, searchStyle()).deleteFiles();
    QCOMPARE(m_prompter.texts("confirm"), QStringList{"Confirm File Delete\n\n2 files go to the trash."});
    QCOMPARE(m_prompter.texts("error"), QStringList{"Error Deleting File " + folder + "/gone.bmp"});
    QCOMPARE(filesIn(folder), QStringList{"b.bmp"});
    QCOMPARE(window.view.captions(), QStringList{"b.bmp"});
    QCOMPARE(window.statuses, (QStringList{"Deleting Files", "Finished"}));

    window.select({});
    ListCommands(services(), window, searchStyle()).deleteFiles();
    QCOMPARE(m_prompter.texts("error").last(), QString("No Files Selected"));
}

void TestListCommands::renameKeepsEachListsCaptions()
{
    const QString folder = m_environment->makeFolder("Pictures"), other = m_environment->makeFolder("Other");
    TestEnvironment::writeFile(folder + "/a.bmp", 10);
    TestEnvironment::writeFile(folder + "/b.bmp", 10);

    // A list of names: the caption is the new name, Rename's dialog offers the name.
    TestListWindow names;
    names.folder = folder;
    names.add("a.bmp");
    names.select({"a.bmp"});
    QString offered;
    whenModalShown<TForm4>([&](TForm4 &dialog) {
        offered = dialog.Label2->text();
        dialog.Edit1->setText("c.bmp");
        dialog.OkButton->click();
    });
    ListCommands(services(), names, mainStyle()).rename();
    QCOMPARE(offered, QString("a.bmp"));
    QCOMPARE(names.view.captions(), QStringList{"c.bmp"});
    QCOMPARE(names.statuses, (QStringList{"Rename File", "File Renamed"}));

    // A list of paths: a bare name stays in the entry's folder, a full path
    // moves the file, and the entry follows it either way.
    TestListWindow paths;
    paths.add((folder + "/b.bmp").toLower(), folder + "/b.bmp");
    ListCommands commands(services(), paths, searchStyle());
    QVERIFY(commands.renameInPlace(*paths.selection().withPath(folder + "/b.bmp"), "d.bmp"));
    QCOMPARE(paths.view.captions(), QStringList{(folder + "/d.bmp").toLower()});
    QCOMPARE(paths.view.items()->path(0), folder + "/d.bmp");
    QVERIFY(commands.renameInPlace(*paths.selection().withPath(folder + "/d.bmp"), other + "/e.bmp"));
    QCOMPARE(paths.view.captions(), QStringList{other + "/e.bmp"});
    QCOMPARE(filesIn(other), QStringList{"e.bmp"});
    QVERIFY(paths.statuses.isEmpty());   // the search window says nothing after an edit

    // A name that exists already is refused and the entry stays.
    QVERIFY(!commands.renameInPlace(*paths.selection().withPath(other + "/e.bmp"), "e.bmp"));
    QCOMPARE(m_prompter.texts("error"), QStringList{"File Already Exists e.bmp"});
    QCOMPARE(paths.view.items()->path(0), other + "/e.bmp");
}

void TestListCommands::launchFailureIsReported()
{
    TestListWindow window;
    window.add("x.wmf", "/pictures/x.wmf");
    window.select({"x.wmf"});
    m_shell.succeeds = false;
    ListCommands(services(), window, mainStyle()).launch();
    QCOMPARE(m_shell.opened, QStringList{"/pictures/x.wmf"});
    QCOMPARE(window.statuses, QStringList{"Checking File Association"});
    QCOMPARE(m_prompter.texts("error"), QStringList{"No application is associated with /pictures/x.wmf"});
}

QTEST_MAIN(TestListCommands)
#include "tst_listcommands.moc"
