#include "platform/fileattributes.h"
#include "platform/filefinder.h"
#include "platform/wildcard.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <sys/xattr.h>

class TestFileFinder : public QObject
{
    Q_OBJECT
private slots:
    void patterns_data();
    void patterns();
    void findsFilesCaseInsensitivelyWithoutFolders();
    void hiddenEntriesOnlyWhenAsked();
    void foldersWhenAsked();
    void reportsSizeTimeAndReadOnly();
    void unreadableFolderGivesNothing();
};

void TestFileFinder::patterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("matches");
    QTest::newRow("extension") << "*.bmp" << "a.bmp" << true;
    QTest::newRow("case") << "*.bmp" << "PHOTO.BMP" << true;
    QTest::newRow("longer extension") << "*.jpg" << "x.jpeg" << false;
    QTest::newRow("extension prefix") << "*.tif" << "x.tiff" << false;
    QTest::newRow("two dots") << "*.png" << "a.b.png" << true;
    QTest::newRow("star dot star, no dot") << "*.*" << "README" << true;
    QTest::newRow("question") << "a?.gif" << "ab.gif" << true;
    QTest::newRow("question needs one") << "a?.gif" << "a.gif" << false;
    QTest::newRow("brackets are literal") << "[a].bmp" << "a.bmp" << false;
    QTest::newRow("brackets match themselves") << "[a].bmp" << "[A].BMP" << true;
    QTest::newRow("star in middle") << "p*o.bmp" << "photo.bmp" << true;
    QTest::newRow("trailing star") << "pic*" << "picture.png" << true;
    QTest::newRow("non-ascii case") << "*.bmp" << "Ärger.BMP" << true;
}

void TestFileFinder::patterns()
{
    QFETCH(QString, pattern);
    QFETCH(QString, name);
    QFETCH(bool, matches);
    QCOMPARE(matchesFilePattern(pattern, name), matches);
}

namespace {
QStringList names(const std::vector<FoundFile> &found)
{
    QStringList result;
    for (const FoundFile &file : found)
        result.append(file.name);
    result.sort();
    return result;
}
} // namespace

void TestFileFinder::findsFilesCaseInsensitivelyWithoutFolders()
{
    TestEnvironment env;
    const QString folder = env.makeFolder("pics");
    TestEnvironment::writeFile(folder + "/a.bmp", 10);
    TestEnvironment::writeFile(folder + "/B.BMP", 10);
    TestEnvironment::writeFile(folder + "/c.gif", 10);
    QDir(folder).mkdir("holiday.bmp");
    QCOMPARE(names(findFiles(folder, "*.bmp", {})), QStringList({"B.BMP", "a.bmp"}));
}

void TestFileFinder::hiddenEntriesOnlyWhenAsked()
{
    TestEnvironment env;
    const QString folder = env.makeFolder("pics");
    TestEnvironment::writeFile(folder + "/.dot.bmp", 1);
    TestEnvironment::writeFile(folder + "/plain.bmp", 1);
    TestEnvironment::writeFile(folder + "/marked.bmp", 1);
    TestEnvironment::writeFile(folder + "/system.bmp", 1);
    const QByteArray marked = QFile::encodeName(folder + "/marked.bmp");
    const QByteArray system = QFile::encodeName(folder + "/system.bmp");
    const bool xattrs = setxattr(marked.constData(), "user.DOSATTRIB", "0x22", 5, 0) == 0
                        && setxattr(system.constData(), "user.DOSATTRIB", "0x4", 4, 0) == 0;

    FindOptions all;
    all.includeHidden = all.includeSystem = true;
    QCOMPARE(names(findFiles(folder, "*.bmp", all)).size(), 4);
    const QStringList visible = names(findFiles(folder, "*.bmp", {}));
    QVERIFY(!visible.contains(".dot.bmp"));
    QVERIFY(visible.contains("plain.bmp"));
    if (!xattrs)
        QSKIP("this file system keeps no user extended attributes");
    QCOMPARE(visible, QStringList({"plain.bmp"}));
    QVERIFY(readFileAttributes(folder + "/marked.bmp") & FileAttribute::Archive);
    FindOptions hiddenOnly;
    hiddenOnly.includeHidden = true;
    QVERIFY(!names(findFiles(folder, "*.bmp", hiddenOnly)).contains("system.bmp"));
}

void TestFileFinder::foldersWhenAsked()
{
    TestEnvironment env;
    const QString folder = env.makeFolder("pics");
    QDir(folder).mkdir("sub");
    TestEnvironment::writeFile(folder + "/f.txt", 1);
    FindOptions options;
    options.includeDirectories = true;
    const auto found = findFiles(folder, "*.*", options);
    QCOMPARE(names(found), QStringList({"f.txt", "sub"}));
    for (const FoundFile &entry : found)
        QCOMPARE(bool(entry.attributes & FileAttribute::Directory), entry.name == "sub");
}

void TestFileFinder::reportsSizeTimeAndReadOnly()
{
    TestEnvironment env;
    const QString path = env.makeFolder("pics") + "/r.png";
    TestEnvironment::writeFile(path, 4321);
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    const auto found = findFile(path);
    QVERIFY(found.has_value());
    QCOMPARE(found->name, QString("r.png"));
    QCOMPARE(found->size, 4321);
    QVERIFY(found->attributes & FileAttribute::ReadOnly);
    QVERIFY(qAbs(found->lastWrite.secsTo(QDateTime::currentDateTime())) < 60);
    QVERIFY(!findFile(path + ".gone").has_value());
}

void TestFileFinder::unreadableFolderGivesNothing()
{
    QVERIFY(findFiles("/no/such/folder/anywhere", "*.*", {}).empty());
}

QTEST_GUILESS_MAIN(TestFileFinder)
#include "tst_filefinder.moc"
