#include "platform/paths.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <sys/stat.h>

class TestPaths : public QObject
{
    Q_OBJECT
private slots:
    void privateTempFolderIsClosedToOthers();
    void looseFolderIsTightened();
    void workingDirectoryChangesAndFailsWithReason();
    void trailingSeparator();
};

void TestPaths::privateTempFolderIsClosedToOthers()
{
    TestEnvironment env;
    const QString folder = privateTempDirectory();
    QVERIFY(!folder.isEmpty());
    QVERIFY(folder.endsWith(QDir::separator()));
    QVERIFY(folder.startsWith(env.root()));
    struct stat info {};
    QCOMPARE(stat(QFile::encodeName(folder).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 0777), 0700);
    QCOMPARE(privateTempDirectory(), folder);
}

void TestPaths::looseFolderIsTightened()
{
    TestEnvironment env;
    const QString folder = privateTempDirectory();
    chmod(QFile::encodeName(folder).constData(), 0777);
    QCOMPARE(privateTempDirectory(), folder);
    struct stat info {};
    stat(QFile::encodeName(folder).constData(), &info);
    QCOMPARE(int(info.st_mode & 0777), 0700);
}

void TestPaths::workingDirectoryChangesAndFailsWithReason()
{
    TestEnvironment env;
    const QString folder = env.makeFolder("work");
    QCOMPARE(setWorkingDirectory(folder), QString());
    QCOMPARE(QFileInfo(workingDirectory()).canonicalFilePath(), QFileInfo(folder).canonicalFilePath());
    const QString reason = setWorkingDirectory(folder + "/missing");
    QVERIFY(!reason.isEmpty());
    QCOMPARE(reason, QString("No such file or directory"));
    QCOMPARE(QFileInfo(workingDirectory()).canonicalFilePath(), QFileInfo(folder).canonicalFilePath());
}

void TestPaths::trailingSeparator()
{
    QCOMPARE(withTrailingSeparator("/tmp"), QString("/tmp/"));
    QCOMPARE(withTrailingSeparator("/"), QString("/"));
    QCOMPARE(withTrailingSeparator("/a/"), QString("/a/"));
}

QTEST_GUILESS_MAIN(TestPaths)
#include "tst_paths.moc"
