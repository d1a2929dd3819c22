#include "faultyfilesystem.h"
#include "fileops/filecopier.h"
#include "fileops/filehousekeeping.h"
#include "platform/fileattributes.h"
#include "support/scriptedprompter.h"
#include "support/testenvironment.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTest>
#include <sys/xattr.h>

class TestFileHousekeeping : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void rename_data();
    void rename();
    void trashKeepsEveryDeletedFile();
    void deleteTakesReadOnlyFilesAndReportsFailures_data();
    void deleteTakesReadOnlyFilesAndReportsFailures();
    void attributesKeepOtherBitsAndWriteOnlyChanges();
    void attributesWithoutExtendedAttributes();
    void dotNamesAreAlwaysHidden();
    void folders();

private:
    std::unique_ptr<TestEnvironment> m_env;
    QString m_folder;
    ScriptedPrompter m_prompter;
    std::unique_ptr<FaultyFileSystem> m_files;
    std::unique_ptr<FileCopier> m_copier;
    std::unique_ptr<FileHousekeeping> m_housekeeping;
};

void TestFileHousekeeping::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_folder = m_env->makeFolder(QStringLiteral("pics"));
    m_prompter = ScriptedPrompter();
    m_files = std::make_unique<FaultyFileSystem>();
    m_copier = std::make_unique<FileCopier>(*m_files, m_prompter);
    m_housekeeping = std::make_unique<FileHousekeeping>(*m_files, m_prompter, *m_copier);
}

void TestFileHousekeeping::rename_data()
{
    QTest::addColumn<QString>("newName");
    QTest::addColumn<bool>("failRename");
    QTest::addColumn<QString>("error");
    QTest::newRow("free name") << "c.bmp" << false << "";
    QTest::newRow("no extension") << "c" << false << "";
    QTest::newRow("existing name") << "b.bmp" << false << "File Already Exists b.bmp";
    QTest::newRow("own name") << "a.bmp" << false << "File Already Exists a.bmp";
    QTest::newRow("empty") << "" << false << "No Name Provided";
    QTest::newRow("refused") << "c.bmp" << true << "Cannot Rename File";
}

void TestFileHousekeeping::rename()
{
    QFETCH(QString, newName);
    QFETCH(bool, failRename);
    QFETCH(QString, error);
    TestEnvironment::writeFile(m_folder + "/a.bmp", QByteArray("a"));
    TestEnvironment::writeFile(m_folder + "/b.bmp", QByteArray("b"));
    m_files->failRename = failRename;
    QCOMPARE(m_housekeeping->renameFile(m_folder, "a.bmp", newName), error.isEmpty());
    QCOMPARE(m_prompter.texts("error"), error.isEmpty() ? QStringList() : QStringList{error});
    QCOMPARE(QFile::exists(m_folder + "/a.bmp"), !error.isEmpty());
    QCOMPARE(QDir(m_folder).entryList(QDir::Files).size(), 2);
    if (error.isEmpty()) {
        QFile renamed(m_folder + "/" + newName);
        QVERIFY(renamed.open(QIODevice::ReadOnly));
        QCOMPARE(renamed.readAll(), QByteArray("a"));
    }
}

// The same name deleted twice keeps both files, each with the record that
// says where it came from (escaped as a URL path).
void TestFileHousekeeping::trashKeepsEveryDeletedFile()
{
    const QString path = m_folder + "/my pic.bmp";
    TestEnvironment::writeFile(path, QByteArray("first"));
    QCOMPARE(m_housekeeping->deleteFiles(m_folder, {"my pic.bmp"}), QStringList{"my pic.bmp"});
    TestEnvironment::writeFile(path, QByteArray("second"));
    QCOMPARE(m_housekeeping->deleteFiles(m_folder, {"my pic.bmp"}), QStringList{"my pic.bmp"});
    const QString trash = m_env->trashFolder();
    QCOMPARE(QDir(trash + "/files").entryList(QDir::Files, QDir::Name), (QStringList{"my pic.1.bmp", "my pic.bmp"}));
    QFile second(trash + "/files/my pic.1.bmp");
    QVERIFY(second.open(QIODevice::ReadOnly));
    QCOMPARE(second.readAll(), QByteArray("second"));
    QFile record(trash + "/info/my pic.1.bmp.trashinfo");
    QVERIFY(record.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = record.readAll().split('\n');
    QCOMPARE(lines.value(0), QByteArray("[Trash Info]"));
    QCOMPARE(lines.value(1), "Path=" + QFile::encodeName(m_folder).toPercentEncoding("/") + "/my%20pic.bmp");
    QVERIFY(QDateTime::fromString(QString::fromLatin1(lines.value(2).mid(13)), Qt::ISODate).isValid());
    QVERIFY(lines.value(2).startsWith("DeletionDate="));
    QVERIFY(m_prompter.shown.isEmpty());
}

void TestFileHousekeeping::deleteTakesReadOnlyFilesAndReportsFailures_data()
{
    QTest::addColumn<bool>("trash");
    QTest::newRow("into the trash") << true;
    QTest::newRow("for good, without a trash") << false;
}

// A file the trash (or the removal) refuses stays, and says so; the others go.
void TestFileHousekeeping::deleteTakesReadOnlyFilesAndReportsFailures()
{
    QFETCH(bool, trash);
    for (const char *name : {"a.bmp", "b.bmp", "c.bmp"})
        TestEnvironment::writeFile(m_folder + "/" + name, 10);
    QVERIFY(m_files->writeAttributes(m_folder + "/a.bmp", FileAttribute::ReadOnly | FileAttribute::Hidden));
    m_files->noTrash = !trash;
    (trash ? m_files->failTrashOf : m_files->failRemoveOf) = {"b.bmp"};
    const QStringList gone = m_housekeeping->deleteFiles(m_folder, {"a.bmp", "b.bmp", "c.bmp", "vanished.bmp"});
    QCOMPARE(m_prompter.texts("error"), (QStringList{"Error Deleting File b.bmp", "Error Deleting File vanished.bmp"}));
    // Only the file that is still there keeps its entry.
    QCOMPARE(gone, (QStringList{"a.bmp", "c.bmp", "vanished.bmp"}));
    QCOMPARE(QDir(m_folder).entryList(QDir::Files), QStringList{"b.bmp"});
    const QString trashed = m_env->trashFolder() + "/files";
    QCOMPARE(QDir(trashed).entryList(QDir::Files, QDir::Name), (trash ? QStringList{"a.bmp", "c.bmp"} : QStringList()));
}

void TestFileHousekeeping::attributesKeepOtherBitsAndWriteOnlyChanges()
{
    const QString path = m_folder + "/a.bmp";
    TestEnvironment::writeFile(path, 12345);
    // A flag this program does not show (0x80) stays as it is.
    QCOMPARE(setxattr(QFile::encodeName(path).constData(), "user.DOSATTRIB", "0xa4", 5, 0), 0);
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
    const std::optional<FileProperties> read = m_housekeeping->readProperties(path);
    QVERIFY(read);
    QCOMPARE(read->size, 12345);
    QCOMPARE(read->attributes, quint32(FileAttribute::ReadOnly | FileAttribute::System | FileAttribute::Archive));
    QCOMPARE(read->support.changeable, quint32(FileAttribute::ReadOnly | FileAttribute::Hidden
                                               | FileAttribute::System | FileAttribute::Archive));

    QVERIFY(!m_housekeeping->applyAttributes(path, read->attributes, read->attributes));
    QCOMPARE(m_files->attributeWrites, 0);

    QVERIFY(m_housekeeping->applyAttributes(path, read->attributes, FileAttribute::System | FileAttribute::Archive));
    QCOMPARE(m_files->attributeWrites, 1);
    QCOMPARE(readFileAttributes(path), quint32(FileAttribute::System | FileAttribute::Archive));
    QVERIFY(QFileInfo(path).permissions() & QFile::WriteOwner);
    char stored[16] = {};
    QVERIFY(getxattr(QFile::encodeName(path).constData(), "user.DOSATTRIB", stored, sizeof(stored) - 1) > 0);
    QCOMPARE(QByteArray(stored), QByteArray("0xa4"));

    QVERIFY(m_housekeeping->applyAttributes(path, readFileAttributes(path), FileAttribute::ReadOnly | FileAttribute::Hidden));
    QCOMPARE(readFileAttributes(path), quint32(FileAttribute::ReadOnly | FileAttribute::Hidden));
    QVERIFY(getxattr(QFile::encodeName(path).constData(), "user.DOSATTRIB", stored, sizeof(stored) - 1) > 0);
    QCOMPARE(QByteArray(stored), QByteArray("0x82"));
}

void TestFileHousekeeping::attributesWithoutExtendedAttributes()
{
    const QString path = m_folder + "/a.bmp";
    TestEnvironment::writeFile(path, 1);
    m_files->noExtendedAttributes = true;
    const std::optional<FileProperties> read = m_housekeeping->readProperties(path);
    QVERIFY(read);
    QCOMPARE(read->support.changeable, quint32(FileAttribute::ReadOnly));
    QVERIFY(!read->support.archiveReason.isEmpty());
    QVERIFY(!m_housekeeping->readProperties(m_folder + "/missing.bmp"));
}

void TestFileHousekeeping::dotNamesAreAlwaysHidden()
{
    const QString path = m_folder + "/.secret.bmp";
    TestEnvironment::writeFile(path, 1);
    const AttributeSupport support = systemFileSystem().attributeSupport(path);
    QVERIFY(!(support.changeable & FileAttribute::Hidden));
    QCOMPARE(support.hiddenReason, QString("A name starting with a dot always hides the file"));
    QVERIFY(support.changeable & FileAttribute::Archive);
}

void TestFileHousekeeping::folders()
{
    QVERIFY(!m_housekeeping->createDirectory(m_folder, ""));
    QVERIFY(m_housekeeping->createDirectory(m_folder, "new"));
    QVERIFY(QFileInfo(m_folder + "/new").isDir());
    QVERIFY(!m_housekeeping->createDirectory(m_folder, "new"));
    QVERIFY(!m_housekeeping->createDirectory(m_folder, "missing/deeper"));
    TestEnvironment::writeFile(m_folder + "/new/a.bmp", 1);
    QVERIFY(!m_housekeeping->removeDirectory(m_folder + "/new"));
    QVERIFY(QFile::remove(m_folder + "/new/a.bmp"));
    QVERIFY(m_housekeeping->removeDirectory(m_folder + "/new/"));
    QVERIFY(!QFileInfo::exists(m_folder + "/new"));
    QCOMPARE(m_prompter.texts("error"),
             (QStringList{"No Directory Name Specified", "Cannot Create Directory " + m_folder + "/new",
                          "Cannot Create Directory " + m_folder + "/missing/deeper", "Directory Is Not Empty"}));
}

QTEST_GUILESS_MAIN(TestFileHousekeeping)
#include "tst_filehousekeeping.moc"
