#include "browse/filegatherer.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QTest>

class TestGatherFiles : public QObject
{
    Q_OBJECT
private slots:
    void allGathersExtensionByExtension();
    void emptyTypeMeansBmp();
    void sizeLimitBoundary();
    void foldersNamedLikeImagesNeverListed();
    void hiddenFilesAreGathered();
    void literalExtensionOnly();
};

void TestGatherFiles::allGathersExtensionByExtension()
{
    TestEnvironment env;
    const QString folder = env.makeFolder("pics");
    for (const char *name : {"a.bmp", "b.gif", "c.bmp", "d.dib", "e.EMF", "f.ico", "g.txt"})
        TestEnvironment::writeFile(folder + "/" + name, 10);
    const QStringList found = gatherImageFiles(folder, "all", {});
    QCOMPARE(found.size(), 6);
    // Within one extension the file system decides; across them the fixed order does.
    QCOMPARE(QSet<QString>(found.begin(), found.begin() + 2), QSet<QString>({"a.bmp", "c.bmp"}));
    QCOMPARE(found.mid(2), QStringList({"b.gif", "f.ico", "e.EMF", "d.dib"}));
}

void TestGatherFiles::emptyTypeMeansBmp()
{
    TestEnvironment env;
    const QString folder = env.makeFolder("pics");
    TestEnvironment::writeFile(folder + "/a.bmp", 1);
    TestEnvironment::writeFile(folder + "/b.png", 1);
    QCOMPARE(gatherImageFiles(folder, "", {}), QStringList({"a.bmp"}));
    QCOMPARE(gatherImageFiles(folder, "png", {}), QStringList({"b.png"}));
}

void TestGatherFiles::sizeLimitBoundary()
{
    TestEnvironment env;
    const QString folder = env.makeFolder("pics");
    TestEnvironment::writeFile(folder + "/under.bmp", 61439);
    TestEnvironment::writeFile(folder + "/exact.bmp", 61440);
    QCOMPARE(gatherImageFiles(folder, "bmp", {true, 60}), QStringList({"under.bmp"}));
    QCOMPARE(gatherImageFiles(folder, "bmp", {false, 60}).size(), 2);
}

void TestGatherFiles::foldersNamedLikeImagesNeverListed()
{
    TestEnvironment env;
    const QString folder = env.makeFolder("pics");
    QDir(folder).mkdir("holiday.bmp");
    QDir(folder).mkdir("album.jpg");
    TestEnvironment::writeFile(folder + "/real.bmp", 5);
    QCOMPARE(gatherImageFiles(folder, "all", {}), QStringList({"real.bmp"}));
}

void TestGatherFiles::hiddenFilesAreGathered()
{
    TestEnvironment env;
    const QString folder = env.makeFolder("pics");
    TestEnvironment::writeFile(folder + "/.secret.bmp", 5);
    QCOMPARE(gatherImageFiles(folder, "bmp", {}), QStringList({".secret.bmp"}));
}

void TestGatherFiles::literalExtensionOnly()
{
    TestEnvironment env;
    const QString folder = env.makeFolder("pics");
    TestEnvironment::writeFile(folder + "/x.jpeg", 5);
    TestEnvironment::writeFile(folder + "/y.JPG", 5);
    TestEnvironment::writeFile(folder + "/z.jpe", 5);
    TestEnvironment::writeFile(folder + "/w.jpgx", 5);
    TestEnvironment::writeFile(folder + "/v.tiff", 5);
    QStringList jpegs = gatherImageFiles(folder, "jpg", {});
    jpegs.sort();
    QCOMPARE(jpegs, QStringList({"x.jpeg", "y.JPG", "z.jpe"}));
    // .tiff is a TIFF file's other extension, as .jpeg and .jpe are JPEG's.
    QCOMPARE(gatherImageFiles(folder, "tif", {}), QStringList({"v.tiff"}));
    QCOMPARE(gatherImageFiles(folder, "all", {}).size(), 4);
}

QTEST_GUILESS_MAIN(TestGatherFiles)
#include "tst_gatherfiles.moc"
