// Thumbnails come from reduced reads; they must show the same picture as
// the whole image stretched without smoothing, the right way up and round.
#include "browse/thumbnailmaker.h"
#include "imaging/imagelibrary.h"
#include "support/testenvironment.h"

#include <QPainter>
#include <QTest>

namespace {

// Four coloured quarters and a diagonal stripe: any flip, turn or shift of
// rows or columns moves colours across the thumbnail.
QImage quarters(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int w = size.width() / 2, h = size.height() / 2;
    painter.fillRect(0, 0, w, h, QColor(200, 30, 30));
    painter.fillRect(w, 0, size.width() - w, h, QColor(30, 200, 30));
    painter.fillRect(0, h, w, size.height() - h, QColor(30, 30, 200));
    painter.fillRect(w, h, size.width() - w, size.height() - h, QColor(200, 200, 30));
    painter.setPen(QPen(QColor(20, 20, 20), 9));
    painter.drawLine(0, 0, size.width(), size.height());
    return image;
}

// The whole picture stretched over the thumbnail, white made transparent.
QImage stretchedWhole(const QImage &picture, QSize size)
{
    QImage thumbnail(size, QImage::Format_RGB32);
    thumbnail.fill(Qt::white);
    QPainter painter(&thumbnail);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(QPoint(0, 0), size), picture);
    painter.end();
    return thumbnail.convertToFormat(QImage::Format_ARGB32);
}

double meanDifference(const QImage &a, const QImage &b)
{
    qint64 total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            total += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    return double(total) / (3.0 * a.width() * a.height());
}

} // namespace

class TestReducedThumbnail : public QObject
{
    Q_OBJECT
private slots:
    void showsTheWholePictureStretched_data();
    void showsTheWholePictureStretched();
};

void TestReducedThumbnail::showsTheWholePictureStretched_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<QSize>("thumbSize");
    QTest::addColumn<double>("tolerance");
    for (const char *ext : {"bmp", "pcx", "png", "tif", "gif"}) {
        QTest::addRow("%s icon", ext) << QString::fromLatin1(ext) << QSize(803, 611) << QSize(70, 70) << 2.0;
        QTest::addRow("%s 150 x 20", ext) << QString::fromLatin1(ext) << QSize(611, 803) << QSize(150, 20) << 2.0;
    }
    // DCT scaling averages blocks, so only the colours' places are compared.
    QTest::addRow("jpg icon") << QStringLiteral("jpg") << QSize(803, 611) << QSize(70, 70) << 12.0;
}

void TestReducedThumbnail::showsTheWholePictureStretched()
{
    QFETCH(QString, extension);
    QFETCH(QSize, pictureSize);
    QFETCH(QSize, thumbSize);
    QFETCH(double, tolerance);
    TestEnvironment env;
    const QString path = env.root() + QStringLiteral("/picture.") + extension;
    const QImage picture = quarters(pictureSize);
    const imagelib::FileFormat format = *imagelib::formatFromFileName(path);
    imagelib::Result written = imagelib::Success;
    switch (format) {
    case imagelib::FileFormat::Bmp: written = imagelib::writeBmp(path, 24, picture); break;
    case imagelib::FileFormat::Pcx: written = imagelib::writePcx(path, 24, picture); break;
    case imagelib::FileFormat::Png: written = imagelib::writePng(path, 24, false, picture); break;
    case imagelib::FileFormat::Tiff: written = imagelib::writeTiff(path, imagelib::TiffCompression::None, 24, picture); break;
    case imagelib::FileFormat::Gif: written = imagelib::writeGif(path, 8, picture); break;
    case imagelib::FileFormat::Jpeg: written = imagelib::writeJpeg(path, 95, 0, 24, picture); break;
    }
    QCOMPARE(written, imagelib::Success);
    QImage whole;
    QCOMPARE(imagelib::readImage(path, format, imagelib::ReadOptions(), whole), imagelib::Success);
    const QImage thumbnail = makeThumbnail(path, {.size = thumbSize, .depth = 24, .dither = false});
    QCOMPARE(thumbnail.size(), thumbSize);
    const double difference = meanDifference(thumbnail, stretchedWhole(whole, thumbSize));
    QVERIFY2(difference <= tolerance, qPrintable(QString::number(difference)));
}

QTEST_MAIN(TestReducedThumbnail)
#include "tst_reducedthumbnail.moc"
