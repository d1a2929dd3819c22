// The picture type: loading by extension and content, sizes, drawing,
// clipboard images, and thumbnails as the list shows them.
#include "metafilewriter.h"
#include "picturetesting.h"
#include "support/testenvironment.h"

#include "imaging/picture/picture.h"
#include "imaging/picture/picturethumbnail.h"

#include <QPainter>
#include <QTest>

namespace {

const QRgb Red = qRgb(255, 0, 0), Blue = qRgb(0, 0, 255);

// Metafiles whose whole frame (100 x 50 units) is filled blue, with a red
// rectangle in its top left quarter.
WmfWriter bluePicture()
{
    WmfWriter w;
    w.window(QRect(0, 0, 100, 50)).pen(5, 0, 0).select(0).brush(Blue).select(1);
    w.shape(wmfrec::Rectangle, QRect(0, 0, 100, 50)).brush(Red).select(2).shape(wmfrec::Rectangle, QRect(0, 0, 50, 25));
    return w;
}

QByteArray blueEmf()
{
    EmfWriter w(QRect(0, 0, 100, 50));
    w.select(emfrec::Stock | 8).brush(1, Blue).select(1).shape(emfrec::Rectangle, QRect(0, 0, 100, 50));
    w.brush(2, Red).select(2).shape(emfrec::Rectangle, QRect(0, 0, 50, 25));
    return w.bytes();
}

QImage iconSample()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Red);
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    return image;
}

QString writeTemp(const TestEnvironment &environment, const QString &name, const QByteArray &bytes)
{
    const QString path = environment.root() + QLatin1Char('/') + name;
    TestEnvironment::writeFile(path, bytes);
    return path;
}

} // namespace

class TestPicture : public QObject
{
    Q_OBJECT
private slots:
    void loadsByExtensionAndContent_data();
    void loadsByExtensionAndContent();
    void fileKindsByExtension();
    void failuresLeaveItEmpty_data();
    void failuresLeaveItEmpty();
    void drawsIconAtItsOwnSize();
    void drawsBitmapWithoutSmoothing();
    void clipboardImages();
    void metafileThumbnailLeavesLastRowAndColumn();
    void iconThumbnailSitsTopLeft();
};

void TestPicture::loadsByExtensionAndContent_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSize>("size");
    const int metafile = int(Picture::Kind::Metafile);
    QTest::newRow("placeable wmf") << "a.wmf" << bluePicture().placeable(QRect(0, 0, 1440, 720), 1440) << metafile << QSize(96, 48);
    QTest::newRow("plain wmf") << "b.WMF" << bluePicture().plain() << metafile << QSize(100, 50);
    // The writer's reference device has 100 pixels to the inch: 96 at 96 dpi.
    QTest::newRow("emf") << "c.emf" << blueEmf() << metafile << QSize(96, 48);
    QTest::newRow("emf content in a .wmf") << "d.wmf" << blueEmf() << metafile << QSize(96, 48);
    QTest::newRow("wmf content in a .emf") << "e.emf" << bluePicture().plain() << metafile << QSize(100, 50);
    QTest::newRow("icon") << "f.ico" << iconFile({{iconSample(), 32}}) << int(Picture::Kind::Icon) << QSize(32, 32);
}

void TestPicture::loadsByExtensionAndContent()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    QFETCH(QSize, size);
    TestEnvironment environment;
    Picture picture;
    QString error;
    QVERIFY2(picture.load(writeTemp(environment, name, bytes), &error), qPrintable(error));
    QCOMPARE(int(picture.kind()), kind);
    QCOMPARE(picture.size(), size);
    const QImage image = picture.render({40, 40});
    QCOMPARE(image.size(), QSize(40, 40));
    QVERIFY(pixelIs(image, 5, 5, Red));
}

void TestPicture::fileKindsByExtension()
{
    QCOMPARE(pictureFileKind("/a/B.ICO"), PictureFileKind::Icon);
    QCOMPARE(pictureFileKind("c.Wmf"), PictureFileKind::Metafile);
    QCOMPARE(pictureFileKind("dir.emf/d.EMF"), PictureFileKind::Metafile);
    for (const char *other : {"e.icon", "f.bmp", "g", "wmf", "h.wmf.png", "dir.ico/"})
        QCOMPARE(pictureFileKind(other), PictureFileKind::None);
}

void TestPicture::failuresLeaveItEmpty_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("text named .wmf") << "a.wmf" << QByteArray("not a metafile at all, just some words");
    QTest::newRow("icon named .emf") << "b.emf" << iconFile({{iconSample(), 32}});
    QTest::newRow("metafile named .ico") << "c.ico" << blueEmf();
    QTest::newRow("raster extension") << "d.bmp" << blueEmf();
    QTest::newRow("missing file") << "" << QByteArray();
}

void TestPicture::failuresLeaveItEmpty()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    TestEnvironment environment;
    const QString path = name.isEmpty() ? environment.root() + QStringLiteral("/missing.wmf")
                                        : writeTemp(environment, name, bytes);
    Picture picture = Picture::fromBitmap(QImage(4, 4, QImage::Format_RGB32));
    QString error;
    QVERIFY(!picture.load(path, &error));
    QVERIFY(picture.isEmpty());
    QVERIFY(!error.isEmpty());
    QCOMPARE(picture.size(), QSize(0, 0));
    QVERIFY(picture.clipboardImage().isNull());
}

void TestPicture::drawsIconAtItsOwnSize()
{
    TestEnvironment environment;
    Picture picture;
    QVERIFY(picture.load(writeTemp(environment, QStringLiteral("i.ico"), iconFile({{iconSample(), 32}}))));
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, QRectF(10, 10, 80, 80));
    painter.end();
    QVERIFY(pixelIs(image, 41, 41, Red));
    QVERIFY(pixelIs(image, 43, 43, Qt::white));
    QVERIFY(pixelIs(image, 10, 10, Qt::white)); // the transparent corner
}

void TestPicture::drawsBitmapWithoutSmoothing()
{
    QImage source(2, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, Red);
    source.setPixel(1, 0, Blue);
    const QImage image = Picture::fromBitmap(source).render({10, 10});
    QCOMPARE(image.pixel(4, 5), Red | 0xff000000);
    QCOMPARE(image.pixel(5, 5), Blue | 0xff000000);
}

void TestPicture::clipboardImages()
{
    TestEnvironment environment;
    Picture metafile;
    QVERIFY(metafile.load(writeTemp(environment, QStringLiteral("m.wmf"), bluePicture().plain())));
    const QImage played = metafile.clipboardImage();
    QCOMPARE(played.size(), QSize(100, 50));
    QVERIFY(pixelIs(played, 75, 40, Blue));
    Picture icon;
    QVERIFY(icon.load(writeTemp(environment, QStringLiteral("i.ico"), iconFile({{iconSample(), 32}}))));
    QCOMPARE(icon.clipboardImage().size(), QSize(32, 32));
    QCOMPARE(qAlpha(icon.clipboardImage().pixel(0, 0)), 0);
}

void TestPicture::metafileThumbnailLeavesLastRowAndColumn()
{
    TestEnvironment environment;
    Picture picture;
    const QByteArray bytes = bluePicture().placeable(QRect(0, 0, 100, 50), 96);
    writeSeed(QStringLiteral("fuzz_wmf"), QStringLiteral("thumbnail.wmf"), bytes);
    QVERIFY(picture.load(writeTemp(environment, QStringLiteral("t.wmf"), bytes)));
    const QImage thumbnail = renderThumbnail(picture, {70, 70});
    QCOMPARE(thumbnail.size(), QSize(70, 70));
    // A 100 x 50 picture squeezed into 69 x 69: not kept in proportion.
    QVERIFY(pixelIs(thumbnail, 68, 68, Blue));
    QVERIFY(pixelIs(thumbnail, 33, 33, Red));
    QVERIFY(pixelIs(thumbnail, 36, 36, Blue));
    for (int i = 0; i < 70; ++i) {
        QVERIFY(pixelIs(thumbnail, 69, i, Qt::white));
        QVERIFY(pixelIs(thumbnail, i, 69, Qt::white));
    }
}

void TestPicture::iconThumbnailSitsTopLeft()
{
    TestEnvironment environment;
    Picture picture;
    QVERIFY(picture.load(writeTemp(environment, QStringLiteral("t.ico"), iconFile({{iconSample(), 32}}))));
    const QImage thumbnail = renderThumbnail(picture, {70, 70});
    QVERIFY(pixelIs(thumbnail, 31, 31, Red));
    QVERIFY(pixelIs(thumbnail, 32, 32, Qt::white));
    QVERIFY(pixelIs(thumbnail, 50, 10, Qt::white));
    QVERIFY(pixelIs(thumbnail, 0, 0, Qt::white)); // transparent in the icon, white in the thumbnail
}

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"
