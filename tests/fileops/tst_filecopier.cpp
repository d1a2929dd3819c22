#include "faultyfilesystem.h"
#include "fileops/copywalk.h"
#include "fileops/filecopier.h"
#include "platform/fileattributes.h"
#include "support/scriptedprompter.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <sys/xattr.h>

namespace {
QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray pattern(qint64 size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + 3);
    return bytes;
}

// Entries of folder the copy may have left behind besides the wanted ones.
QStringList strayTemporaries(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral(".pixmoor-copy-*")}, QDir::Files | QDir::Hidden);
}

class RecordingHost : public Task
{
public:
    void letMessagesRun() override
    {
        ++messagePasses;
        if (messagePasses == stopAtPass)
            stopRequested = true;
    }
    bool takeStopRequest() override { return std::exchange(stopRequested, false); }
    void setStatus(const QString &text) override { statuses.append(text); }
    void setGauge(int position) override { gauge.append(position); }
    void reportError(const QString &text) override { errors.append(text); }

    int messagePasses = 0;
    int stopAtPass = 0;
    bool stopRequested = false;
    QStringList statuses;
    QStringList errors;
    QList<int> gauge;
};
} // namespace

class TestFileCopier : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void copiesInBlocksOf5000_data();
    void copiesInBlocksOf5000();
    void moveRemovesTheSourceAfterTheCopy();
    void sourceAttributesAreReset();
    void existingTargetIsAskedAbout_data();
    void existingTargetIsAskedAbout();
    void copyOntoItselfIsRefused_data();
    void copyOntoItselfIsRefused();
    void failedCopyKeepsOldTargetAndSource_data();
    void failedCopyKeepsOldTargetAndSource();
    void vanishedSourceIsAnError();
    void ensurePathMakesEveryLevel();
    void targetCheck_data();
    void targetCheck();
    void walkCopiesSelectedWithGauge();
    void walkStopsInTheMiddle();

private:
    std::unique_ptr<TestEnvironment> m_env;
    QString m_source;
    QString m_target;
    ScriptedPrompter m_prompter;
    std::unique_ptr<FaultyFileSystem> m_files;
};

void TestFileCopier::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_source = m_env->makeFolder(QStringLiteral("source"));
    m_target = m_env->makeFolder(QStringLiteral("target"));
    m_prompter = ScriptedPrompter();
    m_files = std::make_unique<FaultyFileSystem>();
}

void TestFileCopier::copiesInBlocksOf5000_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QList<qint64>>("reads");
    QTest::newRow("12,000 bytes") << qint64(12000) << QList<qint64>{5000, 5000, 2000, 0};
    QTest::newRow("empty") << qint64(0) << QList<qint64>{0};
    QTest::newRow("exactly one block") << qint64(5000) << QList<qint64>{5000, 0};
}

void TestFileCopier::copiesInBlocksOf5000()
{
    QFETCH(qint64, size);
    QFETCH(QList<qint64>, reads);
    TestEnvironment::writeFile(m_source + "/a.bmp", pattern(size));
    FileCopier copier(*m_files, m_prompter);
    QCOMPARE(copier.CopyFileWithPrompt("a.bmp", m_source, m_target, false), CopyOutcome::Copied);
    QCOMPARE(m_files->reads, reads);
    QCOMPARE(contentOf(m_target + "/a.bmp"), pattern(size));
    QVERIFY(QFile::exists(m_source + "/a.bmp"));
    QVERIFY(m_prompter.shown.isEmpty());
    QVERIFY(strayTemporaries(m_target).isEmpty());
}

void TestFileCopier::moveRemovesTheSourceAfterTheCopy()
{
    TestEnvironment::writeFile(m_source + "/a.bmp", pattern(7000));
    FileCopier copier(*m_files, m_prompter);
    QCOMPARE(copier.CopyFileWithPrompt(m_source + "/a.bmp", m_source, m_target, true), CopyOutcome::Copied);
    QVERIFY(!QFile::exists(m_source + "/a.bmp"));
    QCOMPARE(contentOf(m_target + "/a.bmp"), pattern(7000));
}

void TestFileCopier::sourceAttributesAreReset()
{
    const QString source = m_source + "/a.bmp";
    TestEnvironment::writeFile(source, 10);
    QVERIFY(m_files->writeAttributes(source, FileAttribute::ReadOnly | FileAttribute::Hidden | FileAttribute::System));
    QCOMPARE(readFileAttributes(source), quint32(FileAttribute::ReadOnly | FileAttribute::Hidden | FileAttribute::System));
    FileCopier copier(*m_files, m_prompter);
    copier.ResetFileAttributes(source);
    QCOMPARE(readFileAttributes(source), quint32(FileAttribute::Archive));
    QVERIFY(QFileInfo(source).isWritable());
    // A second reset finds nothing to change and writes nothing.
    const int writes = m_files->attributeWrites;
    copier.ResetFileAttributes(source);
    QCOMPARE(m_files->attributeWrites, writes);

    QCOMPARE(copier.CopyFileWithPrompt("a.bmp", m_source, m_target, false), CopyOutcome::Copied);
    const QString target = m_target + "/a.bmp";
    QCOMPARE(readFileAttributes(target), quint32(0));
    QCOMPARE(getxattr(QFile::encodeName(target).constData(), "user.DOSATTRIB", nullptr, 0), ssize_t(-1));
}

void TestFileCopier::existingTargetIsAskedAbout_data()
{
    QTest::addColumn<Prompter::Button>("answer");
    QTest::addColumn<bool>("move");
    QTest::addColumn<QByteArray>("targetAfter");
    QTest::addColumn<bool>("sourceAfter");
    QTest::newRow("copy, OK") << Prompter::Button::Ok << false << QByteArray("new") << true;
    QTest::newRow("copy, No") << Prompter::Button::No << false << QByteArray("old!") << true;
    QTest::newRow("move, OK") << Prompter::Button::Ok << true << QByteArray("new") << false;
    QTest::newRow("move, No") << Prompter::Button::No << true << QByteArray("old!") << true;
}

void TestFileCopier::existingTargetIsAskedAbout()
{
    QFETCH(Prompter::Button, answer);
    QFETCH(bool, move);
    QFETCH(QByteArray, targetAfter);
    QFETCH(bool, sourceAfter);
    TestEnvironment::writeFile(m_source + "/a.bmp", QByteArray("new"));
    TestEnvironment::writeFile(m_target + "/a.bmp", QByteArray("old!"));
    m_prompter.answers.enqueue(answer);
    FileCopier copier(*m_files, m_prompter);
    const CopyOutcome outcome = copier.CopyFileWithPrompt("a.bmp", m_source, m_target, move);
    QCOMPARE(outcome, answer == Prompter::Button::Ok ? CopyOutcome::Copied : CopyOutcome::Skipped);
    QCOMPARE(m_prompter.texts("confirm"), QStringList{"File already exists a.bmp Overwrite ?"});
    QCOMPARE(m_prompter.shown.first().buttons, (QList<Prompter::Button>{Prompter::Button::No, Prompter::Button::Ok}));
    QCOMPARE(contentOf(m_target + "/a.bmp"), targetAfter);
    QCOMPARE(QFile::exists(m_source + "/a.bmp"), sourceAfter);
}

void TestFileCopier::copyOntoItselfIsRefused_data()
{
    QTest::addColumn<QString>("targetSpelling");
    QTest::addColumn<bool>("move");
    QTest::newRow("same folder") << QString("source") << false;
    QTest::newRow("same folder, move") << QString("source") << true;
    QTest::newRow("another spelling") << QString("target/../source/") << true;
    QTest::newRow("symlinked folder") << QString("link") << true;
}

void TestFileCopier::copyOntoItselfIsRefused()
{
    QFETCH(QString, targetSpelling);
    QFETCH(bool, move);
    QVERIFY(QFile::link(m_source, m_env->root() + "/link"));
    TestEnvironment::writeFile(m_source + "/a.bmp", pattern(12000));
    m_prompter.answers.enqueue(Prompter::Button::Ok);
    FileCopier copier(*m_files, m_prompter);
    const CopyOutcome outcome =
        copier.CopyFileWithPrompt("a.bmp", m_source, m_env->root() + "/" + targetSpelling, move);
    QCOMPARE(outcome, CopyOutcome::Skipped);
    QCOMPARE(m_prompter.texts("error"), QStringList{"Cannot copy a file onto itself a.bmp"});
    QVERIFY(m_prompter.texts("confirm").isEmpty());
    QCOMPARE(contentOf(m_source + "/a.bmp"), pattern(12000));
    QCOMPARE(m_files->writes, 0);
    QVERIFY(strayTemporaries(m_source).isEmpty());
}

void TestFileCopier::failedCopyKeepsOldTargetAndSource_data()
{
    QTest::addColumn<int>("failWrite");
    QTest::addColumn<bool>("failSync");
    QTest::addColumn<bool>("failReplace");
    QTest::addColumn<bool>("targetExists");
    QTest::newRow("disk full on the second write, overwriting") << 2 << false << false << true;
    QTest::newRow("disk full on the first write, new target") << 1 << false << false << false;
    QTest::newRow("flush fails") << 0 << true << false << true;
    QTest::newRow("replacing fails") << 0 << false << true << true;
}

void TestFileCopier::failedCopyKeepsOldTargetAndSource()
{
    QFETCH(int, failWrite);
    QFETCH(bool, failSync);
    QFETCH(bool, failReplace);
    QFETCH(bool, targetExists);
    TestEnvironment::writeFile(m_source + "/a.bmp", pattern(12000));
    if (targetExists)
        TestEnvironment::writeFile(m_target + "/a.bmp", QByteArray("the old picture"));
    m_files->failWriteNumber = failWrite;
    m_files->failSync = failSync;
    m_files->failReplace = failReplace;
    m_prompter.answers.enqueue(Prompter::Button::Ok);
    FileCopier copier(*m_files, m_prompter);
    QCOMPARE(copier.CopyFileWithPrompt("a.bmp", m_source, m_target, true), CopyOutcome::Failed);
    QCOMPARE(m_prompter.texts("error"), QStringList{"Error copying file a.bmp"});
    QCOMPARE(contentOf(m_source + "/a.bmp"), pattern(12000));
    if (targetExists)
        QCOMPARE(contentOf(m_target + "/a.bmp"), QByteArray("the old picture"));
    else
        QVERIFY(!QFile::exists(m_target + "/a.bmp"));
    QVERIFY(strayTemporaries(m_target).isEmpty());
}

void TestFileCopier::vanishedSourceIsAnError()
{
    FileCopier copier(*m_files, m_prompter);
    QCOMPARE(copier.CopyFileWithPrompt("gone.bmp", m_source, m_target, true), CopyOutcome::Failed);
    QCOMPARE(m_prompter.texts("error"), QStringList{"Error copying file gone.bmp"});
    QVERIFY(QDir(m_target).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void TestFileCopier::ensurePathMakesEveryLevel()
{
    FileCopier copier(*m_files, m_prompter);
    copier.EnsurePath(m_target + "/one/two/three/");
    QVERIFY(QFileInfo(m_target + "/one/two/three").isDir());
    copier.EnsurePath(m_target + "/one/two/three");
    QVERIFY(m_prompter.shown.isEmpty());
}

void TestFileCopier::targetCheck_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Prompter::Button>("answer");
    QTest::addColumn<bool>("blockWithFile");
    QTest::addColumn<QString>("expected");   // relative to the source; empty: nothing to copy
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("existing") << "../target" << Prompter::Button::Ok << false << "../target" << QStringList{};
    QTest::newRow("relative, created") << "sub" << Prompter::Button::Ok << false << "sub"
                                       << QStringList{"Path does not exist sub Create ?"};
    QTest::newRow("declined") << "sub" << Prompter::Button::Cancel << false << ""
                              << QStringList{"Path does not exist sub Create ?"};
    QTest::newRow("cannot be created") << "sub/deeper" << Prompter::Button::Ok << true << ""
                                       << QStringList{"Path does not exist sub/deeper Create ?",
                                                      "Error cannot create path sub/deeper"};
}

void TestFileCopier::targetCheck()
{
    QFETCH(QString, typed);
    QFETCH(Prompter::Button, answer);
    QFETCH(bool, blockWithFile);
    QFETCH(QString, expected);
    QFETCH(QStringList, boxes);
    if (blockWithFile)
        TestEnvironment::writeFile(m_source + "/sub", 1);
    m_prompter.answers.enqueue(answer);
    FileCopier copier(*m_files, m_prompter);
    const std::optional<QString> target = prepareTarget(typed, m_source, *m_files, copier, m_prompter);
    QStringList shown;
    for (const auto &box : m_prompter.shown)
        shown.append(box.text);
    QCOMPARE(shown, boxes);
    if (expected.isEmpty()) {
        QVERIFY(!target);
        QVERIFY(!QFileInfo(m_source + "/sub").isDir());
    } else {
        QVERIFY(target);
        QCOMPARE(QDir::cleanPath(*target), QDir::cleanPath(m_source + "/" + expected));
        QVERIFY(QFileInfo(*target).isDir());
    }
}

void TestFileCopier::walkCopiesSelectedWithGauge()
{
    CopyWalk walk;
    for (const char *name : {"a.bmp", "b.bmp", "c.bmp", "d.bmp", "e.bmp"}) {
        TestEnvironment::writeFile(m_source + "/" + name, 100);
        walk.entries.append({name, m_source, QByteArray("bcd").contains(name[0])});
    }
    TestEnvironment::writeFile(m_target + "/c.bmp", QByteArray("kept"));
    m_prompter.answers.enqueue(Prompter::Button::No);
    walk.targetDir = m_target;
    walk.move = true;
    RecordingHost host;
    FileCopier copier(*m_files, m_prompter);
    QCOMPARE(runCopyWalk(walk, copier, host), (QStringList{"b.bmp", "d.bmp"}));
    QCOMPARE(host.gauge, (QList<int>{33, 67, 100}));
    QCOMPARE(host.messagePasses, 5);
    QCOMPARE(contentOf(m_target + "/c.bmp"), QByteArray("kept"));
    QVERIFY(QFile::exists(m_source + "/c.bmp"));
    QVERIFY(!QFile::exists(m_source + "/b.bmp"));
    QVERIFY(QFile::exists(m_source + "/a.bmp"));
}

void TestFileCopier::walkStopsInTheMiddle()
{
    CopyWalk walk;
    for (const char *name : {"a.bmp", "b.bmp", "c.bmp", "d.bmp"}) {
        TestEnvironment::writeFile(m_source + "/" + name, 100);
        walk.entries.append({name, m_source, true});
    }
    walk.targetDir = m_target;
    RecordingHost host;
    host.stopAtPass = 3;
    FileCopier copier(*m_files, m_prompter);
    QCOMPARE(runCopyWalk(walk, copier, host), (QStringList{"a.bmp", "b.bmp"}));
    QCOMPARE(host.statuses, QStringList{"Process Halted"});
    QCOMPARE(host.gauge, (QList<int>{25, 50}));
    QVERIFY(!QFile::exists(m_target + "/c.bmp"));
    QVERIFY(!host.stopRequested);
}

QTEST_GUILESS_MAIN(TestFileCopier)
#include "tst_filecopier.moc"
