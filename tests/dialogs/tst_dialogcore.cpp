#include "dialogs/drivedetails.h"
#include "dialogs/helpcommands.h"
#include "dialogs/helpsystem.h"
#include "dialogs/randomsource.h"
#include "dialogs/thumbsizeentry.h"
#include "dialogs/tiptexts.h"
#include "fakevolumes.h"
#include "platform/paths.h"
#include "support/scriptedprompter.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QSet>
#include <QTest>

namespace {
// Answers the numbers it was given, in turn.
class ScriptedRandom : public RandomSource
{
public:
    int bounded(int highest) override
    {
        asked = highest;
        return numbers.isEmpty() ? 0 : numbers.takeFirst();
    }
    QList<int> numbers;
    int asked = -1;
};

// Records each call with the working directory it was made in.
class RecordingHelpSystem : public HelpSystem
{
public:
    void showContents(const QString &file) override { record("contents " + file); }
    void showSearch(const QString &file) override { record("search " + file); }
    void showContext(const QString &file, int context) override
    {
        record(QString("context %1 %2").arg(file).arg(context));
    }
    void showUsingHelp() override { record("using"); }
    void record(const QString &call)
    {
        calls.append(call);
        folders.append(QDir(workingDirectory()).canonicalPath());
    }
    QStringList calls;
    QStringList folders;
};
} // namespace

class TestDialogCore : public QObject
{
    Q_OBJECT
private slots:
    void tipsNeverEmptyAndAllReachable();
    void zeroCountsAsTipOne();
    void clockRandomStaysInRange();
    void driveArithmetic_data();
    void driveArithmetic();
    void unreadableDrive();
    void digitKeys_data();
    void digitKeys();
    void thumbSizeReading_data();
    void thumbSizeReading();
    void helpCallsRunInProgramDirAndReturn();
    void usingHelpKeepsTheFolder();
    void missingProgramDirIsReportedAndNotCalled();
};

void TestDialogCore::tipsNeverEmptyAndAllReachable()
{
    ScriptedRandom random;
    QSet<QString> seen;
    for (int drawn = 0; drawn <= TipCount; ++drawn) {
        random.numbers = {drawn};
        const QString text = tipText(chooseTipNumber(random));
        QVERIFY(!text.trimmed().isEmpty());
        seen.insert(text);
    }
    QCOMPARE(random.asked, TipCount);
    QCOMPARE(seen.size(), TipCount);
    QVERIFY(tipText(0).isEmpty());
    QVERIFY(tipText(TipCount + 1).isEmpty());
    QCOMPARE(tipText(23), QString("Resize the display ratio by draging on the header control"));
}

void TestDialogCore::zeroCountsAsTipOne()
{
    ScriptedRandom random;
    random.numbers = {0, 1, -5, 99};
    QCOMPARE(chooseTipNumber(random), 1);
    QCOMPARE(chooseTipNumber(random), 1);
    QCOMPARE(chooseTipNumber(random), 1);         // a stray source still gives a tip
    QCOMPARE(chooseTipNumber(random), TipCount);
}

void TestDialogCore::clockRandomStaysInRange()
{
    ClockRandomSource random;
    QSet<int> seen;
    for (int i = 0; i < 3000; ++i) {
        const int drawn = random.bounded(TipCount);
        QVERIFY(drawn >= 0 && drawn <= TipCount);
        seen.insert(drawn);
        if (seen.size() == TipCount + 1)
            break;
        QTest::qWait(0);
    }
    QVERIFY(seen.size() > 1);
}

void TestDialogCore::driveArithmetic_data()
{
    QTest::addColumn<quint64>("total");
    QTest::addColumn<quint64>("free");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("freeText");
    QTest::addColumn<QString>("used");
    QTest::newRow("one megabyte") << quint64(1048576) << quint64(524288) << "1024 KBytes" << "512 KBytes" << "512 KBytes";
    QTest::newRow("rounded down") << quint64(2047) << quint64(1023) << "1 KBytes" << "0 KBytes" << "1 KBytes";
    QTest::newRow("beyond 4 GB") << quint64(8) * 1024 * 1024 * 1024 * 1024 << quint64(5000000000)
                                 << "8589934592 KBytes" << "4882812 KBytes" << "8585051780 KBytes";
    QTest::newRow("free above size") << quint64(4096) << quint64(8192) << "4 KBytes" << "4 KBytes" << "0 KBytes";
}

void TestDialogCore::driveArithmetic()
{
    QFETCH(quint64, total);
    QFETCH(quint64, free);
    FakeVolumes volumes;
    volumes.totalBytes = total;
    volumes.freeBytes = free;
    volumes.type = DriveType::Removable;
    const DriveDetails details = driveDetails("/media/stick", volumes);
    QCOMPARE(details.path, QString("/media/stick"));
    QTEST(details.size, "size");
    QTEST(details.free, "freeText");
    QTEST(details.used, "used");
    QCOMPARE(details.type, QString("Removable"));
}

void TestDialogCore::unreadableDrive()
{
    FakeVolumes volumes;
    volumes.readable = false;
    volumes.type = DriveType::NoRootDirectory;
    const DriveDetails details = driveDetails("/gone", volumes);
    QCOMPARE(details.size, QString("Not Available"));
    QCOMPARE(details.used, QString("Not Available"));
    QCOMPARE(details.type, QString("Don't Know"));
}

void TestDialogCore::digitKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("held");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<bool>("passes");
    QTest::newRow("digit") << "7" << 2 << 3 << true;
    QTest::newRow("fourth digit") << "7" << 3 << 3 << false;
    QTest::newRow("backspace when full") << "\b" << 3 << 3 << true;
    QTest::newRow("return when full") << "\r" << 3 << 3 << true;
    QTest::newRow("letter") << "a" << 0 << 3 << false;
    QTest::newRow("minus") << "-" << 0 << 3 << false;
    QTest::newRow("blank") << " " << 0 << 3 << false;
    QTest::newRow("control key") << "\x16" << 0 << 3 << false;
    QTest::newRow("no limit") << "9" << 12 << 0 << true;
    QTest::newRow("letter no limit") << "x" << 1 << 0 << false;
}

void TestDialogCore::digitKeys()
{
    QFETCH(QString, key);
    QFETCH(int, held);
    QFETCH(int, maxLength);
    QTEST(digitKeyPasses(key, held, maxLength), "passes");
}

void TestDialogCore::thumbSizeReading_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("error");
    const QString range = "Image Width Value Must Be In Range 20 To 150";
    QTest::newRow("below the arrows") << "25" << "30" << QSize(25, 30) << QString();
    QTest::newRow("limits") << "20" << "150" << QSize(20, 150) << QString();
    QTest::newRow("width too big") << "200" << "70" << QSize() << range;
    QTest::newRow("height too small") << "70" << "19" << QSize() << range;
    QTest::newRow("zero") << "0" << "70" << QSize() << range;
    QTest::newRow("empty width") << "" << "70" << QSize() << "'' is not a valid whole number";
    QTest::newRow("empty height") << "70" << "" << QSize() << "'' is not a valid whole number";
    QTest::newRow("pasted text") << "7x" << "70" << QSize() << "'7x' is not a valid whole number";
}

void TestDialogCore::thumbSizeReading()
{
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QSize, size);
    const ThumbSizeReading reading = readThumbSize(width, height);
    QCOMPARE(reading.size.value_or(QSize()), size);
    QTEST(reading.error, "error");
}

void TestDialogCore::helpCallsRunInProgramDirAndReturn()
{
    TestEnvironment env;
    const QString programDir = env.makeFolder("program");
    const QString before = env.makeFolder("pictures");
    QCOMPARE(setWorkingDirectory(before), QString());
    RecordingHelpSystem system;
    ScriptedPrompter prompter;
    HelpCommands help(system, prompter, programDir);
    QVERIFY(help.contents());
    QVERIFY(help.search());
    QVERIFY(help.context(38));
    QCOMPARE(system.calls, QStringList({"contents Kelvane.hlp", "search Kelvane.hlp", "context Kelvane.hlp 38"}));
    const QString program = QDir(programDir).canonicalPath();
    QCOMPARE(system.folders, QStringList({program, program, program}));
    QCOMPARE(QDir(workingDirectory()).canonicalPath(), QDir(before).canonicalPath());
    QVERIFY(prompter.shown.isEmpty());
}

void TestDialogCore::usingHelpKeepsTheFolder()
{
    TestEnvironment env;
    const QString before = env.makeFolder("pictures");
    setWorkingDirectory(before);
    RecordingHelpSystem system;
    ScriptedPrompter prompter;
    HelpCommands help(system, prompter, env.makeFolder("program"));
    help.usingHelp();
    QCOMPARE(system.folders, QStringList({QDir(before).canonicalPath()}));
}

void TestDialogCore::missingProgramDirIsReportedAndNotCalled()
{
    TestEnvironment env;
    const QString before = env.makeFolder("pictures");
    setWorkingDirectory(before);
    RecordingHelpSystem system;
    ScriptedPrompter prompter;
    HelpCommands help(system, prompter, env.root() + "/gone");
    QVERIFY(!help.context(14));
    QVERIFY(system.calls.isEmpty());
    QCOMPARE(prompter.texts("error").size(), 1);
    QVERIFY(prompter.texts("error").first().startsWith("Cannot change to the program folder " + env.root() + "/gone"));
    QCOMPARE(QDir(workingDirectory()).canonicalPath(), QDir(before).canonicalPath());
}

QTEST_GUILESS_MAIN(TestDialogCore)
#include "tst_dialogcore.moc"
