#include "browse/thumbnailcache.h"
#include "browse/thumbnailmaker.h"
#include "support/testenvironment.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QTest>
#include <QUrl>

#include <sys/stat.h>

namespace {
const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);

// The entry's name as the standard defines it, worked out here apart from
// the code under test: MD5 of file:// and the percent-encoded path.
QString standardEntryName(const QString &path)
{
    const QByteArray uri = "file://" + QUrl::toPercentEncoding(QFileInfo(path).canonicalFilePath(), "/");
    return QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex()) + ".png";
}

QString standardUri(const QString &path)
{
    return QString::fromLatin1("file://" + QUrl::toPercentEncoding(QFileInfo(path).canonicalFilePath(), "/"));
}

QString writePicture(const QString &path, QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    if (!image.save(path))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// An entry as another program writes it, with only the required keys.
void writeForeignEntry(const QString &entry, const QString &file, QSize size, QRgb colour,
                       const QString &mtime = {})
{
    QDir().mkpath(QFileInfo(entry).path());
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    image.setText("Thumb::URI", standardUri(file));
    image.setText("Thumb::MTime",
                  mtime.isEmpty() ? QString::number(QFileInfo(file).lastModified().toSecsSinceEpoch()) : mtime);
    QVERIFY(image.save(entry, "png"));
}

int permissionsOf(const QString &path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

struct CacheFixture
{
    TestEnvironment env;
    QString root = env.root() + "/cache/thumbnails";
    QString pictures = env.makeFolder("my pictures");
    ThumbnailRequest request;

    CacheFixture() { request.cache.emplace(root); }
    QString normalEntry(const QString &file) const { return root + "/normal/" + standardEntryName(file); }
    QImage thumbnail(const QString &file)
    {
        const QImage made = makeThumbnail(file, request);
        waitForCacheWrites();
        return made;
    }
};
} // namespace

class TestThumbnailCache : public QObject
{
    Q_OBJECT
private slots:
    void entryWrittenFollowsTheStandard();
    void entryOfAnotherProgramIsUsed();
    void largeCellsUseLargeEntries();
    void unsoundEntriesAreIgnoredAndReplaced_data();
    void unsoundEntriesAreIgnoredAndReplaced();
    void linkedEntryIsNeitherReadNorFollowed();
    void unreadableFilesAreRecordedAsFailures();
    void unwritableCacheStillMakesThumbnails();
    void entriesAreDrawnByTheirFilesKind();
    void cachedThumbnailLooksLikeTheMadeOne();
    void filesInsideTheCacheAreNotCached();
};

void TestThumbnailCache::entryWrittenFollowsTheStandard()
{
    CacheFixture f;
    const QString file = writePicture(f.pictures + "/wide one.png", QSize(300, 200), Red);
    const QImage thumbnail = f.thumbnail(file);
    QCOMPARE(thumbnail.pixel(35, 35), Red);

    const QString entry = f.normalEntry(file);
    QVERIFY2(QFileInfo::exists(entry), qPrintable(entry));
    QCOMPARE(permissionsOf(entry), 0600);
    QCOMPARE(permissionsOf(f.root), 0700);
    QCOMPARE(permissionsOf(f.root + "/normal"), 0700);
    QImageReader reader(entry);
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage image = reader.read();
    QCOMPARE(image.width(), 128);
    QVERIFY(qAbs(image.height() - 85) <= 1);   // as evenly as the reduced read allows
    QCOMPARE(image.pixel(64, 40), Red);
    QCOMPARE(image.text("Thumb::URI"), standardUri(file));
    QVERIFY(image.text("Thumb::URI").contains("my%20pictures/wide%20one.png"));
    QCOMPARE(image.text("Thumb::MTime"), QString::number(QFileInfo(file).lastModified().toSecsSinceEpoch()));
    QCOMPARE(image.text("Thumb::Size"), QString::number(QFileInfo(file).size()));
    QCOMPARE(image.text("Thumb::Mimetype"), QString("image/png"));
    QCOMPARE(image.text("Thumb::Image::Width"), QString("300"));
    QCOMPARE(image.text("Thumb::Image::Height"), QString("200"));
    QCOMPARE(image.text("Software"), QString("Pixmoor"));
    // Nothing half written is left behind.
    QCOMPARE(QDir(f.root + "/normal").entryList(QDir::Files), QStringList(standardEntryName(file)));
}

void TestThumbnailCache::entryOfAnotherProgramIsUsed()
{
    CacheFixture f;
    const QString file = writePicture(f.pictures + "/a.png", QSize(300, 300), Red);
    writeForeignEntry(f.normalEntry(file), file, QSize(128, 128), Blue);
    QCOMPARE(f.thumbnail(file).pixel(35, 35), Blue);
}

void TestThumbnailCache::largeCellsUseLargeEntries()
{
    CacheFixture f;
    const QString file = writePicture(f.pictures + "/a.png", QSize(600, 600), Red);
    f.request.size = QSize(150, 150);
    writeForeignEntry(f.normalEntry(file), file, QSize(128, 128), Blue);
    QCOMPARE(f.thumbnail(file).pixel(75, 75), Red);
    const QImage large(f.root + "/large/" + standardEntryName(file));
    QCOMPARE(large.size(), QSize(256, 256));
    // A large entry of another program is taken in turn.
    writeForeignEntry(f.root + "/large/" + standardEntryName(file), file, QSize(256, 256), Blue);
    QCOMPARE(f.thumbnail(file).pixel(75, 75), Blue);
}

void TestThumbnailCache::unsoundEntriesAreIgnoredAndReplaced_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("stale modification time") << "stale";
    QTest::newRow("another file's URI") << "uri";
    QTest::newRow("other size recorded") << "size";
    QTest::newRow("no text chunks") << "untagged";
    QTest::newRow("truncated") << "truncated";
    QTest::newRow("not a PNG") << "garbage";
    QTest::newRow("too large") << "huge";
}

void TestThumbnailCache::unsoundEntriesAreIgnoredAndReplaced()
{
    QFETCH(QString, fault);
    CacheFixture f;
    const QString file = writePicture(f.pictures + "/a.png", QSize(300, 300), Red);
    const QString entry = f.normalEntry(file);
    writeForeignEntry(entry, file, QSize(128, 128), Blue, fault == "stale" ? "12345" : QString());
    QImage image(entry);
    if (fault == "uri")
        image.setText("Thumb::URI", standardUri(f.pictures + "/b.png"));
    if (fault == "size")
        image.setText("Thumb::Size", "1");
    if (fault == "untagged") {
        QImage bare(128, 128, QImage::Format_RGB32);
        bare.fill(Blue);
        image = bare;
    }
    if (fault == "huge")
        image = image.scaled(2000, 2000);
    image.save(entry, "png");
    QFile bytes(entry);
    QVERIFY(bytes.open(QIODevice::ReadWrite));
    if (fault == "truncated")
        bytes.resize(bytes.size() * 2 / 3);
    if (fault == "garbage") {
        bytes.resize(0);
        bytes.write(QByteArray(500, 'x'));
    }
    bytes.close();

    QCOMPARE(f.thumbnail(file).pixel(35, 35), Red);
    // The entry made afresh is sound.
    const QImage replaced(entry);
    QCOMPARE(replaced.pixel(10, 10), Red);
    QCOMPARE(replaced.text("Thumb::URI"), standardUri(file));
}

void TestThumbnailCache::linkedEntryIsNeitherReadNorFollowed()
{
    CacheFixture f;
    const QString file = writePicture(f.pictures + "/a.png", QSize(300, 300), Red);
    const QString elsewhere = f.env.root() + "/elsewhere.png";
    writeForeignEntry(elsewhere, file, QSize(128, 128), Blue);
    const QByteArray before = [&] { QFile in(elsewhere); in.open(QIODevice::ReadOnly); return in.readAll(); }();
    QDir().mkpath(f.root + "/normal");
    QVERIFY(QFile::link(elsewhere, f.normalEntry(file)));

    QCOMPARE(f.thumbnail(file).pixel(35, 35), Red);
    QFile after(elsewhere);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), before);
    QVERIFY(!QFileInfo(f.normalEntry(file)).isSymLink());
}

void TestThumbnailCache::unreadableFilesAreRecordedAsFailures()
{
    CacheFixture f;
    const QString bad = f.pictures + "/bad.jpg";
    TestEnvironment::writeFile(bad, QByteArray::fromHex("ffd8ffe0") + " not really a JPEG");
    const QImage first = f.thumbnail(bad);
    const QString failure = f.root + "/fail/pixmoor/" + standardEntryName(bad);
    QVERIFY(QFileInfo::exists(failure));
    QCOMPARE(QImage(failure).text("Thumb::URI"), standardUri(bad));
    QVERIFY(!QFileInfo::exists(f.normalEntry(bad)));

    // A failure recorded for a sound file stands until the file changes:
    // the cell says "Error" as the first attempt did.
    const QString good = writePicture(f.pictures + "/good.png", QSize(100, 100), Red);
    writeForeignEntry(f.root + "/fail/pixmoor/" + standardEntryName(good), good, QSize(1, 1), Blue);
    QCOMPARE(f.thumbnail(good), first);
    QVERIFY(!QFileInfo::exists(f.normalEntry(good)));
}

void TestThumbnailCache::unwritableCacheStillMakesThumbnails()
{
    CacheFixture f;
    const QString file = writePicture(f.pictures + "/a.png", QSize(300, 300), Red);
    // A file where the cache's parent folder should be: no folder can be
    // made there, even by root.
    const QString blocker = f.env.root() + "/blocked";
    TestEnvironment::writeFile(blocker, 3);
    f.request.cache.emplace(blocker + "/thumbnails");
    ThumbnailRequest plain = f.request;
    plain.cache.reset();
    QCOMPARE(f.thumbnail(file), makeThumbnail(file, plain));
    QVERIFY(QFileInfo(blocker).isFile());
}

void TestThumbnailCache::entriesAreDrawnByTheirFilesKind()
{
    CacheFixture f;
    // An icon keeps its own size at the top left; a metafile fills the cell
    // less one pixel at the right and bottom.
    const QString icon = f.pictures + "/i.ico";
    TestEnvironment::writeFile(icon, QByteArray("not read: the entry stands in"));
    writeForeignEntry(f.normalEntry(icon), icon, QSize(16, 16), Blue);
    const QImage iconThumb = f.thumbnail(icon);
    QCOMPARE(iconThumb.pixel(15, 15), Blue);
    QCOMPARE(qAlpha(iconThumb.pixel(16, 16)), 0);

    const QString metafile = f.pictures + "/m.wmf";
    TestEnvironment::writeFile(metafile, QByteArray("not read either"));
    writeForeignEntry(f.normalEntry(metafile), metafile, QSize(128, 128), Blue);
    const QImage metaThumb = f.thumbnail(metafile);
    QCOMPARE(metaThumb.pixel(68, 68), Blue);
    QCOMPARE(qAlpha(metaThumb.pixel(69, 30)), 0);
    QCOMPARE(qAlpha(metaThumb.pixel(30, 69)), 0);
}

void TestThumbnailCache::cachedThumbnailLooksLikeTheMadeOne()
{
    CacheFixture f;
    QImage picture(800, 600, QImage::Format_RGB32);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            picture.setPixel(x, y, qRgb(x * 255 / 799, y * 255 / 599, 128));
    const QString file = f.pictures + "/ramp.png";
    QVERIFY(picture.save(file));
    const QImage made = f.thumbnail(file);
    const QImage cached = f.thumbnail(file);
    QVERIFY(QFileInfo::exists(f.normalEntry(file)));
    int worst = 0;
    for (int y = 0; y < made.height(); ++y)
        for (int x = 0; x < made.width(); ++x)
            worst = std::max({worst, std::abs(qRed(made.pixel(x, y)) - qRed(cached.pixel(x, y))),
                              std::abs(qGreen(made.pixel(x, y)) - qGreen(cached.pixel(x, y)))});
    // One step of the 128-pixel entry spans about two of the ramp's 255 levels.
    QVERIFY2(worst <= 8, qPrintable(QString::number(worst)));
}

void TestThumbnailCache::filesInsideTheCacheAreNotCached()
{
    CacheFixture f;
    const QString file = writePicture(f.pictures + "/a.png", QSize(300, 300), Red);
    f.thumbnail(file);
    const QString entry = f.normalEntry(file);
    QVERIFY(QFileInfo::exists(entry));
    const ThumbnailCache cache(f.root);
    QVERIFY(!cache.identify(entry).has_value());
    QVERIFY(cache.identify(file).has_value());
    f.thumbnail(entry);
    QCOMPARE(QDir(f.root + "/normal").entryList(QDir::Files).size(), 1);
}

QTEST_MAIN(TestThumbnailCache)
#include "tst_thumbnailcache.moc"
