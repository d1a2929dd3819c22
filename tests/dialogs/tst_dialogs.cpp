#include "dialogs/about.h"
#include "dialogs/contexthelp.h"
#include "dialogs/drive.h"
#include "dialogs/helpcommands.h"
#include "dialogs/helpviewer.h"
#include "dialogs/helpviewersystem.h"
#include "dialogs/maxsize.h"
#include "dialogs/tips.h"
#include "dialogs/tupdown.h"
#include "dialogs/unit2.h"
#include "fakevolumes.h"
#include "platform/paths.h"
#include "support/scriptedprompter.h"
#include "support/testenvironment.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextList>
#include <QToolButton>

namespace {
QString helpFile()
{
    return QStringLiteral(PIXMOOR_HELP_FILE);
}

// A help viewer on the shipped help file, reached as the program reaches it.
struct HelpFixture
{
    TestEnvironment env;
    ScriptedPrompter prompter;
    HelpViewerSystem system;
    HelpCommands help{system, prompter, programDirectory()};
    HelpFixture() { help.setHelpFile(helpFile()); }
    HelpViewer &viewer() { return *system.viewer(); }
};

void typeInto(QLineEdit *edit, const QString &keys)
{
    edit->setFocus();
    edit->end(false);
    QTest::keyClicks(edit, keys);
}

void clear(QLineEdit *edit)
{
    edit->setFocus();
    edit->end(false);
    while (!edit->text().isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
}
} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT
private slots:
    void thumbSizeBelowTheArrowsIsAccepted();
    void thumbSizeKeysAreFiltered();
    void thumbSizeOutOfRangeIsRefusedButCloses_data();
    void thumbSizeOutOfRangeIsRefusedButCloses();
    void thumbSizeCancelChangesNothing();
    void maxSizeFollowsTheSharedValues();
    void maxSizeEditIsPulledIntoRange_data();
    void maxSizeEditIsPulledIntoRange();
    void upDownStopsAtItsLimits();
    void aboutBoxAsDesigned();
    void tipWindowAsDesigned();
    void driveWindowShowsTheWorkingDirectory();
    void everyContextOpensItsTopic();
    void helpContentsSearchAndHistory();
    void everyTopicRendersItsMarkup();
    void searchHelpOpensBesideAPage();
    void usingHelpIsTheViewersOwn();
    void brokenHelpFileGivesAClearMessage();
    void dialogHelpOpensItsTopic();
    void f1OpensTheFocusedPartsTopic();
    void f1OnAnOpenMenuClosesItFirst();
    void helpFromAModalDialogIsUsableAboveIt();
};

void TestDialogs::thumbSizeBelowTheArrowsIsAccepted()
{
    ScriptedPrompter prompter;
    HelpFixture help;
    int width = 70, height = 70;
    TForm2 form(width, height, help.help, prompter);
    form.show();
    QCOMPARE(form.Edit1->text(), QString("70"));
    clear(form.Edit1);
    typeInto(form.Edit1, "25");
    clear(form.Edit2);
    typeInto(form.Edit2, "30");
    form.UpDown1->downButton()->click();   // the arrows stop at 40
    QCOMPARE(form.Edit1->text(), QString("40"));
    clear(form.Edit1);
    typeInto(form.Edit1, "25");
    form.OkButton->click();
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY(!form.isVisible());
    QCOMPARE(QSize(width, height), QSize(25, 30));
    QVERIFY(prompter.shown.isEmpty());
}

void TestDialogs::thumbSizeKeysAreFiltered()
{
    ScriptedPrompter prompter;
    HelpFixture help;
    int width = 150, height = 70;
    TForm2 form(width, height, help.help, prompter);
    form.show();
    typeInto(form.Edit1, "7");
    QCOMPARE(form.Edit1->text(), QString("150"));   // a fourth digit is refused
    form.Edit1->selectAll();
    QTest::keyClicks(form.Edit1, "9");
    QCOMPARE(form.Edit1->text(), QString("150"));   // so is typing over the whole text
    QTest::keyClick(form.Edit1, Qt::Key_Backspace);
    QCOMPARE(form.Edit1->text(), QString());        // Backspace passes
    typeInto(form.Edit2, "a-.");
    QCOMPARE(form.Edit2->text(), QString("70"));
    typeInto(form.Edit2, "5");
    QCOMPARE(form.Edit2->text(), QString("705"));
}

void TestDialogs::thumbSizeOutOfRangeIsRefusedButCloses_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("message");
    QTest::newRow("width 200") << "200" << "70" << "Image Width Value Must Be In Range 20 To 150";
    QTest::newRow("height 10") << "70" << "10" << "Image Width Value Must Be In Range 20 To 150";
    QTest::newRow("emptied width") << "" << "70" << "'' is not a valid whole number";
}

void TestDialogs::thumbSizeOutOfRangeIsRefusedButCloses()
{
    QFETCH(QString, width);
    QFETCH(QString, height);
    ScriptedPrompter prompter;
    HelpFixture help;
    int thumbWidth = 60, thumbHeight = 80;
    TForm2 form(thumbWidth, thumbHeight, help.help, prompter);
    form.show();
    clear(form.Edit1);
    typeInto(form.Edit1, width);
    clear(form.Edit2);
    typeInto(form.Edit2, height);
    form.OkButton->click();
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(QSize(thumbWidth, thumbHeight), QSize(60, 80));
    QFETCH(QString, message);
    QCOMPARE(prompter.texts("error"), QStringList({message}));
}

void TestDialogs::thumbSizeCancelChangesNothing()
{
    ScriptedPrompter prompter;
    HelpFixture help;
    int width = 70, height = 70;
    TForm2 form(width, height, help.help, prompter);
    form.show();
    clear(form.Edit1);
    typeInto(form.Edit1, "30");
    form.CancelButton->click();
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QCOMPARE(width, 70);
    form.show();
    QCOMPARE(form.Edit1->text(), QString("70"));   // every showing starts from the size in force
}

void TestDialogs::maxSizeFollowsTheSharedValues()
{
    HelpFixture help;
    bool enabled = true;
    int kilobytes = 500;
    TForm15 form(enabled, kilobytes, help.help);
    QVERIFY(form.CheckBox1->isChecked());
    QCOMPARE(form.UpDown1->position(), 500);
    QCOMPARE(form.SizeEdit->text(), QString("500"));
    form.CheckBox1->click();
    QVERIFY(!enabled);
    form.UpDown1->upButton()->click();
    QCOMPARE(kilobytes, 501);
    typeInto(form.SizeEdit, "x");
    QCOMPARE(form.SizeEdit->text(), QString("501"));
    typeInto(form.SizeEdit, "0");
    QCOMPARE(kilobytes, 5010);   // no length limit
    QCOMPARE(form.limitKB(), 5010);

    int stored = 10;
    TForm15 low(enabled, stored, help.help);
    QCOMPARE(low.UpDown1->position(), TForm15::MinimumKB);
    QCOMPARE(stored, TForm15::MinimumKB);
}

void TestDialogs::maxSizeEditIsPulledIntoRange_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("kilobytes");
    QTest::newRow("above") << "40000" << 32000;
    QTest::newRow("below") << "7" << 50;
    QTest::newRow("too many digits") << "99999999999999999999" << 32000;
    QTest::newRow("emptied: the last number it held") << "" << 50;
}

void TestDialogs::maxSizeEditIsPulledIntoRange()
{
    QFETCH(QString, typed);
    HelpFixture help;
    bool enabled = false;
    int kilobytes = 100;
    TForm15 form(enabled, kilobytes, help.help);
    form.show();
    clear(form.SizeEdit);
    typeInto(form.SizeEdit, typed);
    form.BitBtn1->click();
    QTEST(kilobytes, "kilobytes");
    QCOMPARE(form.SizeEdit->text(), QString::number(kilobytes));
}

void TestDialogs::upDownStopsAtItsLimits()
{
    QLineEdit edit;
    TUpDown upDown(&edit);
    upDown.setRange(40, 42);
    upDown.setPosition(41);
    upDown.upButton()->click();
    upDown.upButton()->click();
    QCOMPARE(edit.text(), QString("42"));
    edit.setText("25");
    upDown.upButton()->click();
    QCOMPARE(edit.text(), QString("41"));   // steps from the typed number, pulled into range
    upDown.setPosition(-3);
    QCOMPARE(upDown.position(), 40);
}

void TestDialogs::aboutBoxAsDesigned()
{
    HelpFixture help;
    TAboutBox about(help.help);
    about.show();
    QCOMPARE(about.windowTitle(), QString("About"));
    QCOMPARE(about.ProductName->text(), QString("Pixmoor"));
    QCOMPARE(about.Version->text(), QString("Version 1.1B"));
    QCOMPARE(about.OkButton->text(), QString("&OK"));
    about.OkButton->click();
    QCOMPARE(about.result(), int(QDialog::Accepted));
    about.PopupMenu1->actions().first()->trigger();
    QCOMPARE(help.viewer().currentPage(), 32);
}

void TestDialogs::tipWindowAsDesigned()
{
    TForm16 tips;
    QCOMPARE(tips.windowTitle(), QString("Tip Of The Day"));
    QCOMPARE(tips.size(), QSize(284, 202));
    QVERIFY(tips.CheckBox1->isChecked());
    QCOMPARE(tips.CheckBox1->text(), QString("&Show Tips At Start Up"));
    QVERIFY(tips.TipLabel->wordWrap());
    QCOMPARE(tips.TipLabel->size(), QSize(209, 65));
}

void TestDialogs::driveWindowShowsTheWorkingDirectory()
{
    TestEnvironment env;
    const QString folder = env.makeFolder("pics");
    setWorkingDirectory(folder);
    FakeVolumes volumes;
    volumes.totalBytes = 1048576;
    volumes.freeBytes = 524288;
    volumes.type = DriveType::CdRom;
    TOKBottomDlg1 drive(volumes);
    drive.show();
    QCOMPARE(drive.windowTitle(), QString("Drive Information"));
    QCOMPARE(drive.Path->text(), workingDirectory());
    QCOMPARE(volumes.asked, workingDirectory());
    QCOMPARE(drive.Size->text(), QString("1024 KBytes"));
    QCOMPARE(drive.Free->text(), QString("512 KBytes"));
    QCOMPARE(drive.Used->text(), QString("512 KBytes"));
    QCOMPARE(drive.Removable->text(), QString("CD-Rom"));
    volumes.freeBytes = 0;
    drive.hide();
    drive.show();   // filled again on every showing
    QCOMPARE(drive.Used->text(), QString("1024 KBytes"));
    QCOMPARE(drive.PopupMenu1->actions().first()->shortcut(), QKeySequence("Ctrl+C"));
    drive.PopupMenu1->actions().first()->trigger();
    QVERIFY(!drive.isVisible());
}

void TestDialogs::everyContextOpensItsTopic()
{
    HelpFixture help;
    QList<int> contexts{1, 2};
    for (int c = 4; c <= 12; ++c)
        contexts.append(c);
    for (int c = 14; c <= 38; ++c)
        contexts.append(c);
    contexts << 101 << 102;
    for (int context : contexts) {
        QVERIFY(help.help.context(context));
        QCOMPARE(help.viewer().currentPage(), context);
        QCOMPARE(help.viewer().pageTitle(), help.viewer().file().topic(context)->title);
        QVERIFY(help.viewer().pageText().size() > 60);
    }
    QVERIFY(help.viewer().isVisible());
    help.help.context(13);
    QCOMPARE(help.viewer().currentPage(), int(HelpViewer::MessagePage));
    QCOMPARE(help.viewer().pageText(), QString("Help\nThe help file has no topic for help context 13."));
}

void TestDialogs::helpContentsSearchAndHistory()
{
    HelpFixture help;
    help.help.contents();
    HelpViewer &viewer = help.viewer();
    QCOMPARE(viewer.currentPage(), 0);
    QCOMPARE(viewer.windowTitle(), QString("Pixmoor Help"));
    QCOMPARE(viewer.ContentsList->count(), viewer.file().topics().size());
    QVERIFY(!viewer.BackButton->isEnabled());

    help.help.search();
    QCOMPARE(viewer.Tabs->currentIndex(), 1);
    QTest::keyClicks(viewer.IndexEdit, "maximum s");
    QCOMPARE(viewer.IndexList->currentItem()->text(), QString("maximum size"));
    QTest::keyClick(viewer.IndexEdit, Qt::Key_Return);
    QCOMPARE(viewer.currentPage(), 38);

    viewer.FindEdit->setText("ctrl+f4");
    QVERIFY(viewer.FindResults->count() >= 1);
    QTest::keyClick(viewer.FindEdit, Qt::Key_Return);
    QCOMPARE(viewer.currentPage(), 27);

    viewer.BackButton->click();
    QCOMPARE(viewer.currentPage(), 38);
    viewer.BackButton->click();
    QCOMPARE(viewer.currentPage(), 0);
    QVERIFY(!viewer.BackButton->isEnabled());
    viewer.ForwardButton->click();
    QCOMPARE(viewer.currentPage(), 38);
    emit viewer.Page->anchorClicked(QUrl("topic:14"));
    QCOMPARE(viewer.currentPage(), 14);
    QVERIFY(!viewer.ForwardButton->isEnabled());   // a new page ends the way forward
}

// Each topic as the viewer shows it: no markup is left in the text, every
// item line became a list item and every heading line a heading.
void TestDialogs::everyTopicRendersItsMarkup()
{
    HelpFixture help;
    help.help.contents();
    HelpViewer &viewer = help.viewer();
    QCOMPARE(viewer.file().topics().size(), 45);
    for (const HelpTopic &topic : viewer.file().topics()) {
        const QString where = QString("topic %1: ").arg(topic.context);
        QVERIFY(viewer.showContext(topic.context));
        const QString text = viewer.pageText();
        QVERIFY2(!text.contains("=="), qPrintable(where + text));
        QVERIFY2(!text.contains("[[") && !text.contains("]]"), qPrintable(where + text));
        for (const QString &line : text.split('\n'))
            QVERIFY2(!line.trimmed().startsWith("- "), qPrintable(where + line));

        int itemLines = 0, headingLines = 0;
        for (const QString &line : topic.body.split('\n')) {
            itemLines += line.trimmed().startsWith("- ") ? 1 : 0;
            headingLines += line.trimmed().startsWith("== ") ? 1 : 0;
        }
        int items = 0, headings = 0;
        for (QTextBlock block = viewer.Page->document()->begin(); block.isValid(); block = block.next()) {
            items += block.textList() ? 1 : 0;
            headings += block.blockFormat().headingLevel() == 3 ? 1 : 0;
        }
        QCOMPARE(items, itemLines);
        QCOMPARE(headings, headingLines);
    }
    // Two that used to show their markup: the contents' headings and links,
    // the speed bar's list after its opening sentence.
    QVERIFY(viewer.showContext(0));
    QVERIFY(viewer.pageText().contains("\nThe main window\nThe Main Window\nSpeed Bar\n"));
    QVERIFY(viewer.showContext(4));
    QVERIFY(viewer.pageText().contains("From left to right:\nMove File and Copy File:"));
}

void TestDialogs::searchHelpOpensBesideAPage()
{
    HelpFixture help;
    help.help.search();
    HelpViewer &viewer = help.viewer();
    QCOMPARE(viewer.Tabs->currentIndex(), 1);
    QCOMPARE(viewer.focusWidget(), viewer.IndexEdit);
    QCOMPARE(viewer.currentPage(), 0);
    QVERIFY(viewer.pageText().contains("Directory List"));
    QVERIFY(!viewer.BackButton->isEnabled());

    // A topic being read stays while the index is searched.
    help.help.context(14);
    viewer.Tabs->setCurrentIndex(0);
    help.help.search();
    QCOMPARE(viewer.Tabs->currentIndex(), 1);
    QCOMPARE(viewer.currentPage(), 14);
    QVERIFY(viewer.pageText().startsWith("Thumb Size"));
    viewer.BackButton->click();
    QCOMPARE(viewer.currentPage(), 0);
}

void TestDialogs::usingHelpIsTheViewersOwn()
{
    TestEnvironment env;
    HelpFixture help;
    const QString before = env.makeFolder("here");
    setWorkingDirectory(before);
    help.help.usingHelp();
    QCOMPARE(help.viewer().currentPage(), int(HelpViewer::UsingHelpPage));
    QVERIFY(help.viewer().pageText().contains("Back"));
    QVERIFY(help.viewer().pageText().contains("Find"));
    QCOMPARE(workingDirectory(), QDir::toNativeSeparators(QDir(before).absolutePath()));
}

void TestDialogs::brokenHelpFileGivesAClearMessage()
{
    HelpFixture help;
    help.help.setHelpFile(help.env.root() + "/Kelvane.hlp");
    help.help.contents();
    QVERIFY(help.viewer().pageText().contains("The help file " + help.env.root() + "/Kelvane.hlp could not be opened"));
    QVERIFY(!help.viewer().ContentsButton->isEnabled());

    TestEnvironment::writeFile(help.env.root() + "/Kelvane.hlp", QByteArray("?_\x03\0garbage", 11));
    help.help.context(14);
    QCOMPARE(help.viewer().currentPage(), int(HelpViewer::MessagePage));
    QVERIFY(help.viewer().pageText().contains("is damaged: it is not a text file."));
}

void TestDialogs::dialogHelpOpensItsTopic()
{
    ScriptedPrompter prompter;
    HelpFixture help;
    int width = 70, height = 70;
    TForm2 thumbs(width, height, help.help, prompter);
    thumbs.BitBtn1->click();
    QCOMPARE(help.viewer().currentPage(), 14);
    bool enabled = false;
    int kilobytes = 100;
    TForm15 maxSize(enabled, kilobytes, help.help);
    maxSize.PopupMenu1->actions().first()->trigger();
    QCOMPARE(help.viewer().currentPage(), 38);
    thumbs.PopupMenu1->actions().first()->trigger();
    QCOMPARE(help.viewer().currentPage(), 14);
}

void TestDialogs::f1OpensTheFocusedPartsTopic()
{
    HelpFixture help;
    ContextHelp contextHelp(help.help, nullptr);
    bool enabled = false;
    int kilobytes = 100;
    TForm15 maxSize(enabled, kilobytes, help.help);
    QCOMPARE(ContextHelp::contextFor(maxSize.SizeEdit), 38);
    maxSize.show();
    QTest::keyClick(maxSize.SizeEdit, Qt::Key_F1);
    QCOMPARE(help.viewer().currentPage(), 38);

    QMenu menu;
    QAction *item = menu.addAction("item");
    item->setProperty("helpContext", 24);
    menu.menuAction()->setProperty("helpContext", 22);
    QCOMPARE(ContextHelp::contextFor(&menu), 22);
    menu.setActiveAction(item);
    QCOMPARE(ContextHelp::contextFor(&menu), 24);

    QWidget plain;
    QCOMPARE(ContextHelp::contextFor(&plain), 0);
    plain.show();
    QTest::keyClick(&plain, Qt::Key_F1);
    QCOMPARE(help.viewer().currentPage(), 0);   // nothing known: the contents
}

// The viewer opened from inside a modal dialog answers clicks while the
// dialog stays open, and outlives the dialog when it closes.
void TestDialogs::helpFromAModalDialogIsUsableAboveIt()
{
    HelpFixture help;
    ContextHelp contextHelp(help.help, nullptr);
    auto about = std::make_unique<TAboutBox>(help.help);
    about->setWindowModality(Qt::ApplicationModal);
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about.get()));
    QCOMPARE(QApplication::activeModalWidget(), about.get());
    QTest::keyClick(about->OkButton, Qt::Key_F1);
    HelpViewer &viewer = help.viewer();
    QVERIFY(viewer.isVisible());
    QVERIFY(viewer.isWindow());
    QCOMPARE(viewer.parentWidget(), about.get());
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    viewer.Tabs->setCurrentIndex(0);
    QTest::mouseClick(viewer.Tabs->tabBar(), Qt::LeftButton, {}, viewer.Tabs->tabBar()->tabRect(1).center());
    QCOMPARE(viewer.Tabs->currentIndex(), 1);

    about->close();
    about.reset();
    QVERIFY(help.system.viewer());
    QVERIFY(viewer.isVisible());
    QVERIFY(!viewer.parentWidget());
}

void TestDialogs::f1OnAnOpenMenuClosesItFirst()
{
    HelpFixture help;
    ContextHelp contextHelp(help.help, nullptr);
    QWidget window;
    window.resize(300, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The help window is open already: showing it again activates nothing
    // new, which would close the menu on its own.
    help.help.contents();
    QVERIFY(QTest::qWaitForWindowActive(&help.viewer()));

    QMenu menu(&window);
    menu.menuAction()->setProperty("helpContext", 22);
    QAction *item = menu.addAction("item");
    item->setProperty("helpContext", 24);
    menu.popup(window.mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    menu.setActiveAction(item);
    QTest::keyClick(&menu, Qt::Key_F1);
    QVERIFY(!menu.isVisible());
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    QCOMPARE(help.viewer().currentPage(), 24);

    // From a submenu: it and the menu it came from close.
    QMenu *sub = menu.addMenu("more");
    QAction *inner = sub->addAction("inner");
    inner->setProperty("helpContext", 38);
    menu.popup(window.mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    menu.setActiveAction(sub->menuAction());
    QTest::keyClick(&menu, Qt::Key_Right);
    QVERIFY(QTest::qWaitForWindowExposed(sub));
    QCOMPARE(QApplication::activePopupWidget(), sub);
    sub->setActiveAction(inner);
    QTest::keyClick(sub, Qt::Key_F1);
    QVERIFY(!sub->isVisible());
    QVERIFY(!menu.isVisible());
    QCOMPARE(help.viewer().currentPage(), 38);
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
