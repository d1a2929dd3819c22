#include "browse/thumbnailmaker.h"
#include "support/testenvironment.h"

#include <QPainter>
#include <QTest>

namespace {
QString writeHalves(const TestEnvironment &env, const QString &name, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, size.width() / 2, size.height(), Qt::red);
    painter.fillRect(size.width() / 2, 0, size.width() - size.width() / 2, size.height(), Qt::blue);
    painter.end();
    const QString path = env.root() + "/" + name;
    if (!image.save(path))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

bool hasDarkPixelIn(const QImage &image, QRect area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255 && qGray(image.pixel(x, y)) < 100)
                return true;
    return false;
}

bool isTransparent(const QImage &image, QRect area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}
} // namespace

class TestThumbnailMaker : public QObject
{
    Q_OBJECT
private slots:
    void rasterIsSqueezedToTheWholeThumbnail();
    void keptProportionsMakeACentredBand();
    void oddThumbSizes();
    void iconSitsTopLeftAtOwnSize();
    void whiteBecomesTransparent();
    void unreadableFilesSayError_data();
    void unreadableFilesSayError();
    void pipelineKeepsOrderAndStopsCleanly();
};

void TestThumbnailMaker::rasterIsSqueezedToTheWholeThumbnail()
{
    TestEnvironment env;
    const QString path = writeHalves(env, "wide.bmp", QSize(640, 480));
    const QImage thumb = makeThumbnail(path, {.size = QSize(70, 70), .depth = 24, .dither = false});
    QCOMPARE(thumb.size(), QSize(70, 70));
    QCOMPARE(QColor(thumb.pixel(0, 0)), QColor(Qt::red));
    QCOMPARE(QColor(thumb.pixel(33, 69)), QColor(Qt::red));
    QCOMPARE(QColor(thumb.pixel(36, 0)), QColor(Qt::blue));
    QCOMPARE(QColor(thumb.pixel(69, 69)), QColor(Qt::blue));
}

void TestThumbnailMaker::oddThumbSizes()
{
    TestEnvironment env;
    const QString path = writeHalves(env, "pic.png", QSize(100, 100));
    const QImage thumb = makeThumbnail(path, {.size = QSize(150, 20), .depth = 24, .dither = false});
    QCOMPARE(thumb.size(), QSize(150, 20));
    QCOMPARE(QColor(thumb.pixel(149, 19)), QColor(Qt::blue));
    const QImage report = makeThumbnail(path, {.size = QSize(50, 50), .depth = 8, .dither = true});
    QCOMPARE(report.size(), QSize(50, 50));
    QCOMPARE(QColor(report.pixel(2, 2)).red(), 255);
}

void TestThumbnailMaker::iconSitsTopLeftAtOwnSize()
{
    TestEnvironment env;
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(QColor(0, 128, 0));
    const QString path = env.root() + "/green.ico";
    QVERIFY(icon.save(path, "ICO"));
    const QImage thumb = makeThumbnail(path, {.size = QSize(70, 70), .depth = 24, .dither = true});
    QCOMPARE(QColor(thumb.pixel(0, 0)), QColor(0, 128, 0));
    QCOMPARE(QColor(thumb.pixel(31, 31)), QColor(0, 128, 0));
    QVERIFY(isTransparent(thumb, QRect(32, 0, 38, 70)));
    QVERIFY(isTransparent(thumb, QRect(0, 32, 70, 38)));
}

void TestThumbnailMaker::whiteBecomesTransparent()
{
    TestEnvironment env;
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(254, 255, 255));
    const QString path = env.root() + "/white.png";
    QVERIFY(image.save(path));
    const QImage thumb = makeThumbnail(path, {.size = QSize(10, 10), .depth = 24, .dither = false});
    QCOMPARE(qAlpha(thumb.pixel(5, 5)), 0);
    QCOMPARE(qAlpha(thumb.pixel(0, 0)), 255);
}

void TestThumbnailMaker::unreadableFilesSayError_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("metafile that is not one") << "fake.wmf" << QByteArray(200, 'x');
    QTest::newRow("damaged bitmap") << "broken.bmp" << QByteArray("BM and then nothing useful");
    QTest::newRow("empty jpeg") << "empty.jpg" << QByteArray();
    QTest::newRow("damaged icon") << "bad.ico" << QByteArray(10, '\0');
}

void TestThumbnailMaker::unreadableFilesSayError()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    TestEnvironment env;
    const QString path = env.root() + "/" + name;
    TestEnvironment::writeFile(path, content);
    for (QSize size : {QSize(70, 70), QSize(50, 50)}) {
        const QImage thumb = makeThumbnail(path, {.size = size, .depth = 24, .dither = true});
        QCOMPARE(thumb.size(), size);
        QVERIFY2(hasDarkPixelIn(thumb, QRect(0, 0, 40, 16)), "the word Error at the top left");
        QVERIFY(isTransparent(thumb, QRect(0, 30, size.width(), size.height() - 30)));
    }
}

void TestThumbnailMaker::pipelineKeepsOrderAndStopsCleanly()
{
    TestEnvironment env;
    QStringList paths;
    const QList<Qt::GlobalColor> colours{Qt::red, Qt::green, Qt::blue, Qt::yellow};
    for (int i = 0; i < 40; ++i) {
        QImage image(30 + i, 20, QImage::Format_RGB32);
        image.fill(colours[i % 4]);
        paths << env.root() + QString("/p%1.png").arg(i);
        QVERIFY(image.save(paths.last()));
        if (i == 13)
            TestEnvironment::writeFile(paths.last(), QByteArray("not a png"));
    }
    {
        ThumbnailPipeline pipeline(paths, {.size = QSize(16, 16), .depth = 24, .dither = false}, 3);
        for (int i = 0; i < 40; ++i) {
            const QImage thumb = pipeline.take(i);
            QCOMPARE(thumb.size(), QSize(16, 16));
            if (i == 13)
                QVERIFY(hasDarkPixelIn(thumb, thumb.rect()));
            else
                QCOMPARE(QColor(thumb.pixel(8, 8)), QColor(colours[i % 4]));
        }
        QVERIFY(pipeline.take(40).isNull());
    }
    ThumbnailPipeline halted(paths, {.size = QSize(16, 16), .depth = 24, .dither = false}, 2);
    QCOMPARE(halted.take(0).size(), QSize(16, 16));
}

// A 400 x 100 picture in a 70 x 70 cell: a band 70 x 17.5 across the
// middle, the rest of the cell left transparent.
void TestThumbnailMaker::keptProportionsMakeACentredBand()
{
    TestEnvironment env;
    const QString path = writeHalves(env, "wide.png", QSize(400, 100));
    ThumbnailRequest request;
    request.keepProportions = true;
    const QImage thumbnail = makeThumbnail(path, request);
    QCOMPARE(thumbnail.size(), QSize(70, 70));
    QVERIFY(isTransparent(thumbnail, QRect(0, 0, 70, 26)));
    QVERIFY(isTransparent(thumbnail, QRect(0, 45, 70, 25)));
    QCOMPARE(QColor(thumbnail.pixel(10, 35)), QColor(Qt::red));
    QCOMPARE(QColor(thumbnail.pixel(60, 35)), QColor(Qt::blue));
    QCOMPARE(QColor(thumbnail.pixel(10, 28)), QColor(Qt::red));
    QCOMPARE(QColor(thumbnail.pixel(60, 42)), QColor(Qt::blue));
    // Off, the same picture fills the cell.
    const QImage stretched = makeThumbnail(path, ThumbnailRequest{});
    QCOMPARE(QColor(stretched.pixel(10, 2)), QColor(Qt::red));
}

QTEST_MAIN(TestThumbnailMaker)
#include "tst_thumbnailmaker.moc"
