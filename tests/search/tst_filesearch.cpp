// The walk of a search and its texts on generated trees.
#include "platform/fileattributes.h"
#include "platform/filesystem.h"
#include "search/filesearch.h"
#include "search/searchtexts.h"
#include "search/searchtypes.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestFileSearch : public QObject
{
    Q_OBJECT

private:
    static QStringList paths(const FileSearch &search)
    {
        QStringList result;
        for (const FoundEntry &entry : search.found())
            result.append(entry.path);
        return result;
    }

private slots:
    void folderFilesComeBeforeSubFolders()
    {
        TestEnvironment env;
        const QString root = env.makeFolder("Pics");
        QDir(root).mkpath("Old");
        TestEnvironment::writeFile(root + "/Old/B.bmp", 10);
        TestEnvironment::writeFile(root + "/A.BMP", 10);
        FileSearch search(systemFileSystem(), {});
        QVERIFY(search.run(root, {"*.Bmp"}));
        QCOMPARE(paths(search), QStringList({root + "/A.BMP", root + "/Old/B.bmp"}));
        QCOMPARE(search.found().at(0).caption, (root + "/A.BMP").toLower());
        QCOMPARE(search.found().at(1).caption, (root + "/old/b.bmp").toLower());
    }

    void onlyTheSearchedFolderFailingFailsTheSearch()
    {
        TestEnvironment env;
        const QString root = env.makeFolder("Pics");
        FileSearch missing(systemFileSystem(), {});
        QVERIFY(!missing.run(root + "/gone", {"*.bmp"}));
        QVERIFY(missing.failed());
        QVERIFY(missing.found().empty());
        // A sub-folder that vanishes after it was listed is passed over.
        QDir(root).mkpath("Sub");
        TestEnvironment::writeFile(root + "/a.bmp", 10);
        int folders = 0;
        FileSearch walk(systemFileSystem(), [&] {
            if (++folders == 2)
                QDir(root + "/Sub").removeRecursively();
            return true;
        });
        QVERIFY(walk.run(root, {"*.bmp"}));
        QVERIFY(!walk.failed());
        QCOMPARE(paths(walk), QStringList({root + "/a.bmp"}));
    }

    void dottedFoldersAreNeverEntered()
    {
        TestEnvironment env;
        const QString root = env.makeFolder("pics");
        QDir(root).mkpath("old.pics");
        QDir(root).mkpath("new");
        TestEnvironment::writeFile(root + "/old.pics/c.bmp", 10);
        TestEnvironment::writeFile(root + "/new/d.bmp", 10);
        FileSearch search(systemFileSystem(), {});
        search.run(root, {"*.Bmp"});
        QCOMPARE(paths(search), QStringList({root + "/new/d.bmp"}));
    }

    void hiddenFilesAreFound()
    {
        TestEnvironment env;
        const QString root = env.makeFolder("pics");
        TestEnvironment::writeFile(root + "/.secret.bmp", 10);
        FileSearch search(systemFileSystem(), {});
        search.run(root, {"*.Bmp"});
        QCOMPARE(paths(search), QStringList({root + "/.secret.bmp"}));
    }

    void allFilesWalksOncePerPattern()
    {
        TestEnvironment env;
        const QString root = env.makeFolder("pics");
        QDir(root).mkpath("sub");
        TestEnvironment::writeFile(root + "/sub/a.gif", 10);
        TestEnvironment::writeFile(root + "/b.gif", 10);
        TestEnvironment::writeFile(root + "/sub/c.bmp", 10);
        TestEnvironment::writeFile(root + "/d.jpeg", 10);
        TestEnvironment::writeFile(root + "/e.txt", 10);
        TestEnvironment::writeFile(root + "/sub/f.tiff", 10);
        FileSearch search(systemFileSystem(), {});
        search.run(root, searchTypes().at(0).patterns);
        QCOMPARE(paths(search), QStringList({root + "/sub/c.bmp", root + "/b.gif", root + "/sub/a.gif",
                                             root + "/d.jpeg", root + "/sub/f.tiff"}));
    }

    void linkLoopsEnd()
    {
        TestEnvironment env;
        const QString root = env.makeFolder("pics");
        QDir(root).mkpath("sub");
        TestEnvironment::writeFile(root + "/sub/a.bmp", 10);
        QVERIFY(QFile::link(root, root + "/sub/back"));
        FileSearch search(systemFileSystem(), {});
        search.run(root, {"*.bmp"});
        QCOMPARE(paths(search), QStringList({root + "/sub/a.bmp"}));
    }

    void stopEndsTheWalk()
    {
        TestEnvironment env;
        const QString root = env.makeFolder("pics");
        QDir(root).mkpath("a/b");
        TestEnvironment::writeFile(root + "/a/b/x.bmp", 10);
        int folders = 0;
        FileSearch search(systemFileSystem(), [&folders] { return ++folders < 2; });
        QVERIFY(!search.run(root, {"*.bmp"}));
        QVERIFY(search.stopped());
        QVERIFY(search.found().empty());
    }

    void typeItemsAreSorted()
    {
        QStringList texts;
        for (const SearchType &type : searchTypes())
            texts.append(type.text);
        QCOMPARE(texts.size(), 11);
        QStringList sorted = texts;
        sorted.sort();
        QCOMPARE(texts, sorted);
    }

    void inputErrors_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("errors");
        QTest::newRow("both") << "" << -1 << QStringList{"Search Path Incorrect", "No File Type Selected"};
        QTest::newRow("one character") << "/" << 1 << QStringList{"Search Path Incorrect"};
        QTest::newRow("no type") << "/tmp" << -1 << QStringList{"No File Type Selected"};
        QTest::newRow("valid") << "/tmp" << 0 << QStringList{};
    }
    void inputErrors()
    {
        QFETCH(QString, path);
        QFETCH(int, type);
        QFETCH(QStringList, errors);
        QCOMPARE(searchInputErrors(path, type), errors);
    }

    void dateTexts()
    {
        QCOMPARE(foundDateText(QDateTime()), QString());
        const QDateTime odd(QDate(2001, 2, 3), QTime(4, 5, 7));
        QCOMPARE(foundDateText(odd), foundDateText(QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6))));
        QVERIFY(!foundDateText(odd).isEmpty());
    }

    void finishedTexts()
    {
        QCOMPARE(searchFinishedText(0), QString("No Files Found"));
        QCOMPARE(searchFinishedText(1), QString("Finished, Found 1 Files"));
    }
};

QTEST_GUILESS_MAIN(TestFileSearch)
#include "tst_filesearch.moc"
