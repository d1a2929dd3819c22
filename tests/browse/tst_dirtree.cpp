#include "browse/dirtree.h"
#include "platform/paths.h"
#include "support/scriptedprompter.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

class TestDirTree : public QObject
{
    Q_OBJECT
private slots:
    void nestedStartFolderIsReportedOnce();
    void siblingNamesAreNotConfused();
    void exactCaseWinsOverOtherCase();
    void hiddenFoldersOnlyWhenAsked();
    void collapseDropsChildrenExpandRereadsSorted();
    void missingComponentStopsAtDeepestFolder();
    void invalidPathIsReportedAndTreeStaysUsable();
    void bareNameIsTakenInWorkingDirectory();
    void openFlagsExcludeEachOther();
    void longNamesScrollInsteadOfEliding();

private:
    static QTreeWidgetItem *selectedFolder(TDirTree &tree) { return tree.currentItem(); }
    static QString canonical(const QString &path) { return QFileInfo(path).canonicalFilePath(); }
};

void TestDirTree::nestedStartFolderIsReportedOnce()
{
    TestEnvironment env;
    const QString images = env.makeFolder("Data/Images");
    env.makeFolder("Data/Images/Deeper");
    ScriptedPrompter prompter;
    TDirTree tree(prompter);
    tree.fill();
    QSignalSpy changes(&tree, &TDirTree::OnDirChange);
    tree.SetDirectory(images);
    QCOMPARE(changes.size(), 1);
    const QString reported = changes.first().first().toString();
    QVERIFY(reported.endsWith(QDir::separator()));
    QCOMPARE(canonical(reported), canonical(images));
    QCOMPARE(canonical(TDirTree::NodePath(selectedFolder(tree))), canonical(images));
    QVERIFY(selectedFolder(tree)->isExpanded());
    QVERIFY(selectedFolder(tree)->parent()->isExpanded());
    QCOMPARE(selectedFolder(tree)->child(0)->text(0), QString("Deeper"));
    QCOMPARE(canonical(workingDirectory()), canonical(images));
    QVERIFY(prompter.shown.isEmpty());
}

void TestDirTree::siblingNamesAreNotConfused()
{
    TestEnvironment env;
    env.makeFolder("AllImages");
    const QString images = env.makeFolder("Images");
    ScriptedPrompter prompter;
    TDirTree tree(prompter);
    tree.fill();
    tree.SetDirectory(images);
    QCOMPARE(selectedFolder(tree)->text(0), QString("Images"));
}

void TestDirTree::exactCaseWinsOverOtherCase()
{
    TestEnvironment env;
    env.makeFolder("photos");
    const QString upper = env.makeFolder("Photos");
    ScriptedPrompter prompter;
    TDirTree tree(prompter);
    tree.fill();
    tree.SetDirectory(upper);
    QCOMPARE(selectedFolder(tree)->text(0), QString("Photos"));
}

void TestDirTree::hiddenFoldersOnlyWhenAsked()
{
    TestEnvironment env;
    const QString root = env.makeFolder("top");
    env.makeFolder("top/.hidden");
    env.makeFolder("top/shown");
    ScriptedPrompter prompter;
    TDirTree tree(prompter);
    tree.fill();
    tree.SetDirectory(root);
    QTreeWidgetItem *top = selectedFolder(tree);
    QCOMPARE(top->childCount(), 1);
    QCOMPARE(top->child(0)->text(0), QString("shown"));

    TDirTree withHidden(prompter);
    withHidden.setDirectoryAttr(TDirTree::daHidden);
    withHidden.fill();
    withHidden.SetDirectory(root);
    QCOMPARE(selectedFolder(withHidden)->childCount(), 2);
}

void TestDirTree::collapseDropsChildrenExpandRereadsSorted()
{
    TestEnvironment env;
    const QString root = env.makeFolder("top");
    for (const char *name : {"b", "C", "a"})
        env.makeFolder(QString("top/") + name);
    ScriptedPrompter prompter;
    TDirTree tree(prompter);
    tree.fill();
    tree.SetDirectory(root);
    QTreeWidgetItem *top = selectedFolder(tree);
    QSignalSpy changes(&tree, &TDirTree::OnDirChange);
    tree.collapseItem(top);
    QCOMPARE(top->childCount(), 0);
    QCOMPARE(changes.size(), 1);
    QVERIFY(top->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator);
    env.makeFolder("top/b2");
    tree.expandItem(top);
    QStringList names;
    for (int i = 0; i < top->childCount(); ++i)
        names << top->child(i)->text(0);
    QCOMPARE(names, QStringList({"a", "b", "b2", "C"}));
}

void TestDirTree::missingComponentStopsAtDeepestFolder()
{
    TestEnvironment env;
    const QString kept = env.makeFolder("kept");
    const QString gone = env.makeFolder("kept/gone");
    ScriptedPrompter prompter;
    TDirTree tree(prompter);
    tree.fill();
    QVERIFY(setWorkingDirectory(gone).isEmpty());
    QVERIFY(QDir(gone).removeRecursively());
    QSignalSpy changes(&tree, &TDirTree::OnDirChange);
    tree.SetDirectory(gone);
    QCOMPARE(changes.size(), 1);
    QVERIFY(selectedFolder(tree));
    QCOMPARE(prompter.texts("error"), QStringList({"Invalid directory name !"}));
}

void TestDirTree::invalidPathIsReportedAndTreeStaysUsable()
{
    TestEnvironment env;
    const QString good = env.makeFolder("good");
    ScriptedPrompter prompter;
    TDirTree tree(prompter);
    tree.fill();
    tree.SetDirectory(good);
    tree.SetDirectory(env.root() + "/no/such/folder");
    QCOMPARE(prompter.texts("error"), QStringList({"Invalid directory name !"}));
    QCOMPARE(canonical(TDirTree::NodePath(selectedFolder(tree))), canonical(good));
    QCOMPARE(canonical(tree.directory()), canonical(good));
}

void TestDirTree::bareNameIsTakenInWorkingDirectory()
{
    TestEnvironment env;
    const QString parent = env.makeFolder("parent");
    const QString child = env.makeFolder("parent/child");
    ScriptedPrompter prompter;
    TDirTree tree(prompter);
    tree.fill();
    tree.SetDirectory(parent);
    tree.SetDirectory("child");
    QCOMPARE(canonical(tree.directory()), canonical(child));
}

void TestDirTree::openFlagsExcludeEachOther()
{
    ScriptedPrompter prompter;
    TDirTree tree(prompter);
    QVERIFY(tree.OpenCurrentDir());
    QVERIFY(!tree.OpenCurrentDrv());
    tree.setOpenCurrentDrv(true);
    QVERIFY(!tree.OpenCurrentDir());
    tree.setOpenCurrentDir(true);
    QVERIFY(!tree.OpenCurrentDrv());
}

void TestDirTree::longNamesScrollInsteadOfEliding()
{
    TestEnvironment env;
    const QString longName = QString("A long folder name that passes the panel").repeated(2);
    const QString deep = env.makeFolder("One/Two/Three/" + longName);
    ScriptedPrompter prompter;
    TDirTree tree(prompter);
    tree.resize(160, 300);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    tree.fill();
    tree.SetDirectory(deep);
    QTreeWidgetItem *item = selectedFolder(tree);
    QCOMPARE(item->text(0), longName);
    QCoreApplication::processEvents();
    const QRect shown = tree.visualItemRect(item);
    QVERIFY2(shown.width() >= tree.fontMetrics().horizontalAdvance(longName),
             qPrintable(QString("the name has %1 pixels").arg(shown.width())));
    QVERIFY(tree.horizontalScrollBar()->isVisible());
    QVERIFY(tree.horizontalScrollBar()->maximum() > 0);
    QCOMPARE(tree.textElideMode(), Qt::ElideNone);
}

QTEST_MAIN(TestDirTree)
#include "tst_dirtree.moc"
