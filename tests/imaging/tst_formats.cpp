// Every table made from the format list agrees with it, extension by
// extension: the filters, the readers, the picture kinds, the search types
// and the conversion choices.
#include "browse/filegatherer.h"
#include "convert/conversiontables.h"
#include "imagebox/imageboxrules.h"
#include "imaging/formats.h"
#include "imaging/picture/picture.h"
#include "search/searchtypes.h"

#include <QTest>

using imagelib::FormatEntry;
using imagelib::PictureClass;

class TestFormats : public QObject
{
    Q_OBJECT
private slots:
    void everyExtensionIsKnownAlike();
    void aliasesAndCase();
    void conversionChoicesInDialogOrder();
    void gatheringOrderOfAll();
};

void TestFormats::everyExtensionIsKnownAlike()
{
    for (const FormatEntry &format : imagelib::knownFormats()) {
        const int index = int(&format - imagelib::knownFormats().data());
        QCOMPARE(imageTypes().at(index), QString::fromLatin1(format.extension));
        // The search's item for the format (after "All") looks for what its filter lists.
        QCOMPARE(searchTypes().at(index + 1).patterns, imagelib::patternsOf(format));
        for (const QString &extension : imagelib::extensionsOf(format)) {
            const QString file = QStringLiteral("picture.") + extension.toUpper();
            QCOMPARE(imagelib::formatOfFile(file), &format);
            QVERIFY(searchTypes().at(0).patterns.contains(QStringLiteral("*.") + extension));
            const QString loaded = loadExtension(file);
            const RasterReader *reader = rasterReaderFor(loaded);
            switch (format.pictureClass) {
            case PictureClass::Raster:
                QVERIFY2(reader && reader->format == *format.codec, qPrintable(file));
                QCOMPARE(imagelib::formatFromFileName(file), format.codec);
                QCOMPARE(pictureFileKind(file), PictureFileKind::None);
                break;
            case PictureClass::Icon:
            case PictureClass::Metafile:
                QVERIFY2(!reader && isVectorExtension(loaded), qPrintable(file));
                QCOMPARE(pictureFileKind(file), format.pictureClass == PictureClass::Icon
                                                    ? PictureFileKind::Icon
                                                    : PictureFileKind::Metafile);
                break;
            }
        }
    }
}

void TestFormats::aliasesAndCase()
{
    QCOMPARE(QString::fromLatin1(imagelib::formatForExtension("JPEG")->extension), QString("jpg"));
    QCOMPARE(QString::fromLatin1(imagelib::formatForExtension("Jpe")->extension), QString("jpg"));
    QCOMPARE(QString::fromLatin1(imagelib::formatForExtension("tiff")->extension), QString("tif"));
    QCOMPARE(imagelib::formatForExtension("jpgx"), nullptr);
    QCOMPARE(imagelib::formatOfFile("notes.txt"), nullptr);
    QCOMPARE(imagelib::formatOfFile("no-suffix"), nullptr);
    QCOMPARE(QString(rasterReaderFor(".DIB")->name), QString("bmp"));
}

void TestFormats::conversionChoicesInDialogOrder()
{
    QStringList extensions;
    for (const ConvertFormat &format : convertFormats())
        extensions.append(format.extension);
    QCOMPARE(extensions, QStringList({".bmp", ".gif", ".jpg", ".pcx", ".png", ".tif"}));
    QCOMPARE(convertFormat(2).kind, SaveKind::Jpeg);
    QCOMPARE(convertFormat(99).kind, SaveKind::Tiff);
}

void TestFormats::gatheringOrderOfAll()
{
    QCOMPARE(allImageExtensions(),
             QStringList({"bmp", "gif", "ico", "jpg", "pcx", "png", "tif", "wmf", "emf", "dib"}));
}

QTEST_GUILESS_MAIN(TestFormats)
#include "tst_formats.moc"
