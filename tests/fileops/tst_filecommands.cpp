#include "app/newstat.h"
#include "browse/fileitemmodel.h"
#include "browse/imagelistview.h"
#include "fileopswindow.h"
#include "platform/fileattributes.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {
QString headerFiles(TForm1 &form)
{
    return form.HeaderControl1->model()->headerData(1, Qt::Horizontal).toString();
}

QString status(TForm1 &form)
{
    return form.StatusBar1->panelText(1);
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Answers the target dialog with text; dressing gets its caption and label.
void typeTarget(const QString &text, QString *dressing = nullptr)
{
    whenModalShown<TForm5>([=](TForm5 &dialog) {
        if (dressing)
            *dressing = dialog.windowTitle() + "|" + dialog.Label1->text();
        dialog.Edit1->setText(text);
        dialog.Okbutton->click();
    });
}
} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT
private slots:
    void senderDecidesCopyOrMove_data();
    void senderDecidesCopyOrMove();
    void threeFilesWithTheSecondExisting();
    void moveKeepsEntriesOfFilesNotMoved();
    void copyOntoItselfIsRefused();
    void missingTarget_data();
    void missingTarget();
    void rememberPath();
    void stopInTheMiddle();
    void deleteCommand();
    void deleteWithoutTrashSaysSo();
    void renameThroughTheDialog_data();
    void renameThroughTheDialog();
    void renameInPlace_data();
    void renameInPlace();
    void keysOnTheList();
    void propertiesRoundTrip();
    void propertiesExplainWhatCannotChange();
    void createAndDeleteDirectory();
    void dropChooser_data();
    void dropChooser();
    void filesDroppedFromAnotherProgram();
    void dragAndDropCarryFileUrls();
};

void TestFileCommands::senderDecidesCopyOrMove_data()
{
    QTest::addColumn<QString>("sender");
    QTest::addColumn<bool>("move");
    for (const char *name : {"CopyButton", "Copy1", "Copy2"})
        QTest::newRow(name) << QString(name) << false;
    for (const char *name : {"MoveButton", "Move1", "Move2"})
        QTest::newRow(name) << QString(name) << true;
}

void TestFileCommands::senderDecidesCopyOrMove()
{
    QFETCH(QString, sender);
    QFETCH(bool, move);
    FileOpsWindow f;
    TForm1 &form = f.open({"a.bmp", "b.bmp", "c.bmp", "d.bmp", "e.bmp"});
    const QString out = f.env.makeFolder("out");
    QCOMPARE(headerFiles(form), QString("5 Files"));
    f.select({"b.bmp", "d.bmp"});
    QString dressing;
    typeTarget(out, &dressing);
    // Through the control itself, as a click or a menu choice.
    if (auto *button = form.findChild<QToolButton *>(sender))
        button->click();
    else
        form.findChild<QAction *>(sender)->trigger();
    QCOMPARE(dressing, QString(move ? "Move|Location to Move Files" : "Copy|Location to Copy Files"));
    QCOMPARE(filesIn(out), (QStringList{"b.bmp", "d.bmp"}));
    QCOMPARE(headerFiles(form), QString(move ? "3 Files" : "5 Files"));
    QCOMPARE(form.state.FileCount, move ? 3 : 5);
    QCOMPARE(form.ListView1->captions(), (move ? QStringList{"a.bmp", "c.bmp", "e.bmp"}
                                               : QStringList{"a.bmp", "b.bmp", "c.bmp", "d.bmp", "e.bmp"}));
    QCOMPARE(filesIn(f.folder).size(), move ? 3 : 5);
    QCOMPARE(status(form), QString("Finished Copying Files"));
    QVERIFY(!form.isBusy());
    QVERIFY(f.prompter.shown.isEmpty());
}

void TestFileCommands::threeFilesWithTheSecondExisting()
{
    FileOpsWindow f;
    TForm1 &form = f.open({"a.bmp", "b.bmp", "c.bmp", "d.bmp"});
    const QString out = f.env.makeFolder("out");
    TestEnvironment::writeFile(out + "/b.bmp", QByteArray("old"));
    f.select({"a.bmp", "b.bmp", "c.bmp"});
    typeTarget(out);
    f.prompter.answers.enqueue(Prompter::Button::No);
    QSignalSpy gauge(form.ProgressBar1, &QProgressBar::valueChanged);
    form.Copy1Click();
    QCOMPARE(f.prompter.texts("confirm"), QStringList{"File already exists b.bmp Overwrite ?"});
    QList<int> positions;
    for (const QList<QVariant> &change : gauge)
        positions.append(change.first().toInt());
    QCOMPARE(positions, (QList<int>{33, 67, 100, 0}));
    QCOMPARE(contentOf(out + "/b.bmp"), QByteArray("old"));
    QCOMPARE(filesIn(out), (QStringList{"a.bmp", "b.bmp", "c.bmp"}));
}

void TestFileCommands::moveKeepsEntriesOfFilesNotMoved()
{
    FileOpsWindow f;
    TForm1 &form = f.open({"a.bmp", "b.bmp", "c.bmp", "d.bmp", "e.bmp"});
    const QString out = f.env.makeFolder("out");
    TestEnvironment::writeFile(out + "/b.bmp", QByteArray("old"));
    f.files.failOpenOf = {"c.bmp"};
    f.select({"b.bmp", "c.bmp", "d.bmp"});
    typeTarget(out);
    f.prompter.answers.enqueue(Prompter::Button::No);
    form.Move1Click();
    QCOMPARE(f.prompter.texts("error"), QStringList{"Error copying file c.bmp"});
    QCOMPARE(form.ListView1->captions(), (QStringList{"a.bmp", "b.bmp", "c.bmp", "e.bmp"}));
    QCOMPARE(headerFiles(form), QString("4 Files"));
    QCOMPARE(filesIn(f.folder), (QStringList{"a.bmp", "b.bmp", "c.bmp", "e.bmp"}));
}

void TestFileCommands::copyOntoItselfIsRefused()
{
    FileOpsWindow f;
    TForm1 &form = f.open({"a.bmp", "b.bmp"}, 12000);
    f.select({"a.bmp", "b.bmp"});
    typeTarget(form.state.CurrentDir);
    form.Move1Click();
    QCOMPARE(f.prompter.texts("error"),
             (QStringList{"Cannot copy a file onto itself a.bmp", "Cannot copy a file onto itself b.bmp"}));
    QCOMPARE(contentOf(f.folder + "/a.bmp"), QByteArray(12000, 'x'));
    QCOMPARE(filesIn(f.folder), (QStringList{"a.bmp", "b.bmp"}));
    QCOMPARE(form.ListView1->count(), 2);
}

void TestFileCommands::missingTarget_data()
{
    QTest::addColumn<Prompter::Button>("answer");
    QTest::newRow("created") << Prompter::Button::Ok;
    QTest::newRow("declined") << Prompter::Button::Cancel;
}

void TestFileCommands::missingTarget()
{
    QFETCH(Prompter::Button, answer);
    FileOpsWindow f;
    TForm1 &form = f.open({"a.bmp", "b.bmp", "c.bmp"});
    f.select({"a.bmp", "c.bmp"});
    typeTarget("sub");
    f.prompter.answers.enqueue(answer);
    form.Move1Click();
    QCOMPARE(f.prompter.texts("confirm"), QStringList{"Path does not exist sub Create ?"});
    QVERIFY(!form.isBusy());
    if (answer == Prompter::Button::Ok) {
        QCOMPARE(filesIn(f.folder + "/sub"), (QStringList{"a.bmp", "c.bmp"}));
        QCOMPARE(headerFiles(form), QString("1 File"));
        QCOMPARE(status(form), QString("Finished Copying Files"));
    } else {
        QVERIFY(!QFileInfo::exists(f.folder + "/sub"));
        QCOMPARE(form.ListView1->count(), 3);
        QCOMPARE(headerFiles(form), QString("3 Files"));
        QCOMPARE(status(form), QString("No Files Copied"));
    }
}

void TestFileCommands::rememberPath()
{
    FileOpsWindow f;
    TForm1 &form = f.open({"a.bmp"});
    const QString out = f.env.makeFolder("out");
    f.select({"a.bmp"});
    whenModalShown<TForm5>([&](TForm5 &dialog) {
        dialog.CheckBox1->setChecked(true);
        dialog.Edit1->setText(out);
        dialog.Okbutton->click();
    });
    form.Copy1Click();
    QString shown;
    whenModalShown<TForm5>([&](TForm5 &dialog) {
        shown = dialog.Edit1->text();
        dialog.CheckBox1->setChecked(false);
        dialog.CancelButton->click();
    });
    form.Copy1Click();
    QCOMPARE(shown, out);
    whenModalShown<TForm5>([&](TForm5 &dialog) {
        shown = dialog.Edit1->text();
        dialog.Okbutton->click();
    });
    form.Copy1Click();
    QCOMPARE(shown, QString());
    QVERIFY(!f.form5.TargetPathValid);
    QCOMPARE(f.prompter.texts("error"), QStringList{"No target path specified"});
    QVERIFY(f.prompter.texts("confirm").isEmpty());
}

void TestFileCommands::stopInTheMiddle()
{
    FileOpsWindow f;
    TForm1 &form = f.open({"a.bmp", "b.bmp", "c.bmp", "d.bmp", "e.bmp"});
    const QString out = f.env.makeFolder("out");
    form.SelectAll1Click();
    typeTarget(out);
    f.files.onOpen = [&](const QString &path) {
        if (path.endsWith("c.bmp"))
            form.StopButton->click();
    };
    form.Copy1Click();
    QCOMPARE(filesIn(out), (QStringList{"a.bmp", "b.bmp", "c.bmp"}));
    QVERIFY(!form.state.StopRequested);
    QCOMPARE(status(form), QString("Finished Copying Files"));
    QCOMPARE(form.ProgressBar1->value(), 0);
}

void TestFileCommands::deleteCommand()
{
    FileOpsWindow f;
    TForm1 &form = f.open({"a.bmp", "b.bmp", "c.bmp", "d.bmp", "e.bmp"});
    form.Delete1Click();
    QCOMPARE(f.prompter.texts("error"), QStringList{"No Files Selected"});
    f.select({"a.bmp", "b.bmp", "d.bmp"});
    form.Delete1Click();
    QCOMPARE(f.prompter.texts("confirm"), QStringList{"Confirm File Delete\n\n3 files go to the trash."});
    QCOMPARE(filesIn(f.folder).size(), 5);
    QVERIFY(QFile::setPermissions(f.folder + "/a.bmp", QFile::ReadOwner));
    f.files.failTrashOf = {"d.bmp"};   // a full trash: nothing of d.bmp is deleted
    f.prompter.answers.enqueue(Prompter::Button::Ok);
    form.Delete1Click();
    QCOMPARE(f.prompter.texts("error"), (QStringList{"No Files Selected", "Error Deleting File d.bmp"}));
    QCOMPARE(filesIn(f.folder), (QStringList{"c.bmp", "d.bmp", "e.bmp"}));
    QCOMPARE(form.ListView1->captions(), (QStringList{"c.bmp", "d.bmp", "e.bmp"}));
    QCOMPARE(headerFiles(form), QString("3 Files"));
    QCOMPARE(status(form), QString("Finished Deleting Files"));
    // Both deleted files wait in the trash, each with its restore record.
    const QString trash = f.env.trashFolder();
    QCOMPARE(filesIn(trash + "/files"), (QStringList{"a.bmp", "b.bmp"}));
    QCOMPARE(filesIn(trash + "/info"), (QStringList{"a.bmp.trashinfo", "b.bmp.trashinfo"}));
    QFile info(trash + "/info/b.bmp.trashinfo");
    QVERIFY(info.open(QIODevice::ReadOnly));
    QVERIFY(info.readAll().contains(QFile::encodeName("Path=" + f.folder + "/b.bmp")));
}

void TestFileCommands::deleteWithoutTrashSaysSo()
{
    FileOpsWindow f;
    TForm1 &form = f.open({"a.bmp", "b.bmp"});
    f.files.noTrash = true;
    f.select({"b.bmp"});
    form.Delete1Click();   // Cancel: nothing happens
    QCOMPARE(f.prompter.texts("confirm"),
             QStringList{"Confirm File Delete\n\nb.bmp will be deleted for good: there is no trash on its volume."});
    QCOMPARE(filesIn(f.folder), (QStringList{"a.bmp", "b.bmp"}));
    f.prompter.answers.enqueue(Prompter::Button::Ok);
    form.Delete1Click();
    QCOMPARE(filesIn(f.folder), QStringList{"a.bmp"});
    QVERIFY(!QDir(f.env.trashFolder()).exists());
    QCOMPARE(form.ListView1->captions(), QStringList{"a.bmp"});
}

void TestFileCommands::renameThroughTheDialog_data()
{
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("error");
    QTest::newRow("free") << "ba.bmp" << "";
    QTest::newRow("existing") << "c.bmp" << "File Already Exists c.bmp";
    QTest::newRow("own name") << "b.bmp" << "File Already Exists b.bmp";
    QTest::newRow("empty") << "" << "No Name Provided";
}

void TestFileCommands::renameThroughTheDialog()
{
    QFETCH(QString, newName);
    QFETCH(QString, error);
    FileOpsWindow f;
    TForm1 &form = f.open({"a.bmp", "b.bmp", "c.bmp"});
    f.select({"b.bmp", "c.bmp"});
    QString offered;
    f.form4.Edit1->setText("left over");
    whenModalShown<TForm4>([&](TForm4 &dialog) {
        offered = dialog.Label2->text() + "|" + dialog.Edit1->text();
        dialog.Edit1->setText(newName);
        dialog.OkButton->click();
    });
    form.Rename1Click();
    QCOMPARE(offered, QString("b.bmp|"));
    QCOMPARE(f.prompter.texts("error"), error.isEmpty() ? QStringList() : QStringList{error});
    const QString shownAs = error.isEmpty() ? newName : QString("b.bmp");
    QCOMPARE(form.ListView1->captions(), (QStringList{"a.bmp", shownAs, "c.bmp"}));
    QVERIFY(QFile::exists(f.folder + "/" + shownAs));
    QCOMPARE(status(form), QString(error.isEmpty() ? "File Renamed" : "Rename File"));
}

// As through the dialog, except that an edit committing the name as it was
// is no rename at all: nothing to report.
void TestFileCommands::renameInPlace_data()
{
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("error");
    QTest::newRow("free") << "ba.bmp" << "";
    QTest::newRow("existing") << "c.bmp" << "File Already Exists c.bmp";
    QTest::newRow("own name") << "b.bmp" << "";
    QTest::newRow("empty") << "" << "No Name Provided";
}

void TestFileCommands::renameInPlace()
{
    QFETCH(QString, newName);
    QFETCH(QString, error);
    FileOpsWindow f;
    TForm1 &form = f.open({"a.bmp", "b.bmp", "c.bmp"});
    QAbstractItemView *view = form.ListView1->activeView();
    const QModelIndex b = view->model()->index(1, 0);
    QVERIFY(view->model()->flags(b) & Qt::ItemIsEditable);
    QVERIFY(view->editTriggers() & QAbstractItemView::EditKeyPressed);
    // What the editor does when the user confirms: the decision follows.
    QVERIFY(!view->model()->setData(b, newName, Qt::EditRole));
    QTRY_COMPARE(f.prompter.texts("error"), error.isEmpty() ? QStringList() : QStringList{error});
    const QString shownAs = error.isEmpty() ? newName : QString("b.bmp");
    QTRY_COMPARE(form.ListView1->captions(), (QStringList{"a.bmp", shownAs, "c.bmp"}));
    QVERIFY(QFile::exists(f.folder + "/" + shownAs));
}

// Ctrl+C on the list is the Copy command, not a copy of the caption as
// text; an edit starts with the name selected without its extension, and
// committing it unchanged renames nothing and says nothing.
void TestFileCommands::keysOnTheList()
{
    FileOpsWindow f;
    TForm1 &form = f.open({"a.bmp", "b.bmp"});
    form.state.FirstActivation = false;   // stays on the folder opened
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    f.select({"a.bmp"});
    QAbstractItemView *view = form.ListView1->activeView();
    view->setFocus();
    QString asked;
    whenModalShown<TForm5>([&](TForm5 &dialog) {
        asked = dialog.windowTitle();
        dialog.reject();
    });
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QTRY_COMPARE(asked, QString("Copy"));

    const QModelIndex a = view->model()->index(0, 0);
    view->setCurrentIndex(a);
    view->edit(a);
    QLineEdit *editor = nullptr;
    QTRY_VERIFY((editor = view->findChild<QLineEdit *>()) != nullptr);
    QTRY_COMPARE(editor->selectedText(), QString("a"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::qWait(50);   // a rename would be decided in a queued call
    QVERIFY(f.prompter.shown.isEmpty());
    QCOMPARE(form.ListView1->captions(), (QStringList{"a.bmp", "b.bmp"}));
    QCOMPARE(filesIn(f.folder), (QStringList{"a.bmp", "b.bmp"}));
    QVERIFY(status(form) != QString("File Renamed"));
}

void TestFileCommands::propertiesRoundTrip()
{
    FileOpsWindow f;
    TForm1 &form = f.open({"a.bmp", "b.bmp"}, 12345);
    const QString path = f.folder + "/a.bmp";
    QVERIFY(f.files.writeAttributes(path, FileAttribute::ReadOnly | FileAttribute::Archive));
    const int writesBefore = f.files.attributeWrites;
    f.select({"a.bmp"});
    QStringList seen;
    whenModalShown<TForm8>([&](TForm8 &dialog) {
        seen = {dialog.FileLabel->text(), dialog.SizeLabel->text(), dialog.DirLabel->text()};
        for (QCheckBox *box : {dialog.readonly, dialog.archive, dialog.system, dialog.hidden})
            seen.append(box->isChecked() ? "on" : "off");
        dialog.readonly->setChecked(false);
        dialog.BitBtn1->click();
    });
    form.Properties2Click();
    QCOMPARE(seen, (QStringList{"a.bmp", "12345", form.state.CurrentDir, "on", "on", "off", "off"}));
    QCOMPARE(readFileAttributes(path), quint32(FileAttribute::Archive));
    QCOMPARE(f.files.attributeWrites, writesBefore + 1);
    QCOMPARE(status(form), QString("File Attributes Set"));

    form.StatusBar1->setPanelText(1, QString());
    whenModalShown<TForm8>([](TForm8 &dialog) { dialog.BitBtn1->click(); });
    form.Properties2Click();
    QCOMPARE(f.files.attributeWrites, writesBefore + 1);
    QCOMPARE(status(form), QString("File Attributes Set"));

    whenModalShown<TForm8>([](TForm8 &dialog) {
        dialog.system->setChecked(true);
        dialog.BitBtn2->click();
    });
    form.Properties2Click();
    QCOMPARE(readFileAttributes(path), quint32(FileAttribute::Archive));
}

void TestFileCommands::propertiesExplainWhatCannotChange()
{
    FileOpsWindow f;
    TForm1 &form = f.open({"a.bmp"});
    f.files.noExtendedAttributes = true;
    f.select({"a.bmp"});
    QStringList seen;
    whenModalShown<TForm8>([&](TForm8 &dialog) {
        for (QCheckBox *box : {dialog.readonly, dialog.archive, dialog.system, dialog.hidden})
            seen.append(QString(box->isEnabled() ? "enabled" : "disabled") + ":" + box->toolTip());
        dialog.BitBtn2->click();
    });
    form.Properties2Click();
    const QString why = "disabled:This file system cannot store the flag";
    QCOMPARE(seen, (QStringList{"enabled:Read Only File Property", why, why, why}));
}

void TestFileCommands::createAndDeleteDirectory()
{
    FileOpsWindow f;
    TForm1 &form = f.open({"a.bmp"});
    QTreeWidgetItem *pics = form.DirTree1->currentItem();
    const QString current = form.state.CurrentDir;
    auto createNamed = [&](const QString &name) {
        whenModalShown<TForm13>([name, current](TForm13 &dialog) {
            if (dialog.PathLabel->text() == current && dialog.PathEdit->text().isEmpty())
                dialog.PathEdit->setText(name);
            dialog.OkButton->click();
        });
        form.CreateDirectory1Click();
    };
    createNamed("new");
    QVERIFY(QFileInfo(f.folder + "/new").isDir());
    QCOMPARE(pics->childCount(), 1);
    QCOMPARE(pics->child(0)->text(0), QString("new"));
    QVERIFY(pics->isExpanded());
    QCOMPARE(status(form), QString("Directory Created"));
    QCOMPARE(form.state.CurrentDir, current);
    createNamed("new");
    createNamed("");
    QCOMPARE(f.prompter.texts("error"),
             (QStringList{"Cannot Create Directory " + current + "new", "No Directory Name Specified"}));
    QCOMPARE(pics->childCount(), 1);

    form.DirTree1->setCurrentItem(pics->child(0));
    QCOMPARE(form.state.CurrentDir, TDirTree::NodePath(pics->child(0)));
    TestEnvironment::writeFile(f.folder + "/new/x.bmp", 1);
    f.prompter.answers.enqueue(Prompter::Button::Ok);
    form.Delete3Click();
    QCOMPARE(f.prompter.texts("error").last(), QString("Directory Is Not Empty"));
    QCOMPARE(pics->childCount(), 1);
    QVERIFY(QFile::remove(f.folder + "/new/x.bmp"));
    form.Delete3Click();
    QCOMPARE(f.prompter.texts("confirm"), (QStringList{"Confirm Directory Delete", "Confirm Directory Delete"}));
    QCOMPARE(pics->childCount(), 1);
    f.prompter.answers.enqueue(Prompter::Button::Ok);
    form.Delete3Click();
    QVERIFY(!QFileInfo::exists(f.folder + "/new"));
    QCOMPARE(pics->childCount(), 0);
    QCOMPARE(form.state.CurrentDir, TDirTree::NodePath(form.DirTree1->currentItem()));
    QCOMPARE(form.StatusBar1->panelText(0), form.state.CurrentDir);
}

void TestFileCommands::dropChooser_data()
{
    QTest::addColumn<QString>("choice");
    QTest::newRow("copy") << "CopyButton";
    QTest::newRow("move") << "MoveButton";
    QTest::newRow("cancel") << "BitBtn1";
}

void TestFileCommands::dropChooser()
{
    QFETCH(QString, choice);
    FileOpsWindow f;
    TForm1 &form = f.open({"a.bmp", "b.bmp", "c.bmp"});
    const QString out = f.env.makeFolder("out");
    f.select({"a.bmp", "c.bmp"});
    whenModalShown<TForm14>([choice](TForm14 &dialog) {
        dialog.findChild<QPushButton *>(choice)->click();
    });
    QList<bool> stopEnabled;
    f.files.onOpen = [&](const QString &) { stopEnabled.append(form.StopButton->isEnabled()); };
    const QString before = form.state.CurrentDir;
    form.DirTreeDragDrop(out + "/", {}, true);
    QVERIFY(!form.state.PrintBusy);
    QVERIFY(!form.isBusy());
    QCOMPARE(form.state.CurrentDir, before);
    if (choice == "BitBtn1") {
        QVERIFY(filesIn(out).isEmpty());
        QCOMPARE(form.ListView1->count(), 3);
        return;
    }
    QCOMPARE(stopEnabled, (QList<bool>{false, false}));
    QCOMPARE(filesIn(out), (QStringList{"a.bmp", "c.bmp"}));
    QCOMPARE(status(form), QString("Finished File Operation"));
    const bool move = choice == "MoveButton";
    QCOMPARE(form.ListView1->captions(), (move ? QStringList{"b.bmp"} : QStringList{"a.bmp", "b.bmp", "c.bmp"}));
    QCOMPARE(headerFiles(form), QString(move ? "1 File" : "3 Files"));
    QCOMPARE(filesIn(f.folder).size(), move ? 1 : 3);
}

void TestFileCommands::filesDroppedFromAnotherProgram()
{
    FileOpsWindow f;
    TForm1 &form = f.open({"a.bmp"});
    const QString elsewhere = f.folderWith("elsewhere", {"x.png", "y.bmp"});
    const QString out = f.env.makeFolder("out");
    whenModalShown<TForm14>([](TForm14 &dialog) { dialog.MoveButton->click(); });
    form.DirTreeDragDrop(out + "/", {QUrl::fromLocalFile(elsewhere + "/x.png"), QUrl("https://example.org/z.bmp")},
                         false);
    QCOMPARE(filesIn(out), QStringList{"x.png"});
    QCOMPARE(filesIn(elsewhere), QStringList{"y.bmp"});
    QCOMPARE(form.ListView1->captions(), QStringList{"a.bmp"});
}

void TestFileCommands::dragAndDropCarryFileUrls()
{
    FileOpsWindow f;
    TForm1 &form = f.open({"a.bmp", "b.bmp"});
    form.state.FirstActivation = false;  // keeps the folder when the window shows
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QAbstractItemView *view = form.ListView1->activeView();
    f.select({"b.bmp"});
    std::unique_ptr<QMimeData> offered(view->model()->mimeData(view->selectionModel()->selectedIndexes()));
    QCOMPARE(offered->urls(), QList<QUrl>{QUrl::fromLocalFile(form.state.CurrentDir + "b.bmp")});

    QTreeWidgetItem *pics = form.DirTree1->currentItem();
    const QPoint at = form.DirTree1->visualItemRect(pics).center();
    QSignalSpy dropped(form.DirTree1, &TDirTree::filesDropped);
    QDragEnterEvent enter(at, Qt::CopyAction, offered.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.DirTree1->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDragMoveEvent move(at, Qt::CopyAction, offered.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.DirTree1->viewport(), &move);
    QCOMPARE(form.DirTree1->dropTarget(), pics);
    QDropEvent drop(at, Qt::CopyAction, offered.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.DirTree1->viewport(), &drop);
    QCOMPARE(dropped.size(), 1);
    QCOMPARE(dropped.first().at(0).toString(), TDirTree::NodePath(pics));
    QVERIFY(!form.DirTree1->dropTarget());
    // The drop is handled once the event is over: the chooser asks then.
    whenModalShown<TForm14>([](TForm14 &dialog) { dialog.BitBtn1->click(); });
    QTRY_VERIFY(!f.form14.isVisible() && f.prompter.shown.isEmpty());
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
