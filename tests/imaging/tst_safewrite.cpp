// A failed write leaves no file under the target name and keeps an old one.
#include "imagetesthelpers.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QSet>
#include <QTest>

using imagelib::FileFormat;
using namespace imagetest;

Q_DECLARE_METATYPE(imagelib::FileFormat)

class TestSafeWrite : public QObject
{
    Q_OBJECT
private slots:
    void writesReplaceOldFiles_data();
    void writesReplaceOldFiles();
    void refusedWritesKeepOldFiles_data();
    void refusedWritesKeepOldFiles();
    void missingFolder();
    void errorTexts();

private:
    TestEnvironment m_env;
};

void TestSafeWrite::writesReplaceOldFiles_data()
{
    QTest::addColumn<FileFormat>("format");
    for (FileFormat f : {FileFormat::Bmp, FileFormat::Gif, FileFormat::Jpeg, FileFormat::Pcx, FileFormat::Png, FileFormat::Tiff})
        QTest::newRow(qPrintable(extensionFor(f))) << f;
}

void TestSafeWrite::writesReplaceOldFiles()
{
    QFETCH(FileFormat, format);
    const QString folder = m_env.makeFolder(QStringLiteral("replace-") + extensionFor(format));
    const QString path = folder + QStringLiteral("/picture.") + extensionFor(format);
    QVERIFY(writeBytes(path, "old content"));
    QCOMPARE(writeAs(format, path, 8, gradientPicture(20, 10)), imagelib::Success);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("picture.") + extensionFor(format)});
    imagelib::ImageInfo info;
    QCOMPARE(imagelib::readImageInfo(path, info), imagelib::Success);
    QCOMPARE(info.width, 20);
}

void TestSafeWrite::refusedWritesKeepOldFiles_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("expected");
    QTest::newRow("gif at 24 bits") << 0 << int(imagelib::BadDepth);
    QTest::newRow("jpeg quality 0") << 1 << int(imagelib::BadArgument);
    QTest::newRow("jpeg quality 101") << 2 << int(imagelib::BadArgument);
    QTest::newRow("jpeg smoothing 101") << 3 << int(imagelib::BadArgument);
    QTest::newRow("empty picture") << 4 << int(imagelib::BadArgument);
    QTest::newRow("unknown tiff compression") << 5 << int(imagelib::BadArgument);
    QTest::newRow("bmp depth 16") << 6 << int(imagelib::BadDepth);
}

void TestSafeWrite::refusedWritesKeepOldFiles()
{
    QFETCH(int, which);
    QFETCH(int, expected);
    const QString path = m_env.root() + QStringLiteral("/kept.img");
    QVERIFY(writeBytes(path, "old content"));
    const QImage picture = gradientPicture(8, 8);
    imagelib::Result result = imagelib::Success;
    switch (which) {
    case 0: result = imagelib::writeGif(path, 24, picture); break;
    case 1: result = imagelib::writeJpeg(path, 0, 0, 24, picture); break;
    case 2: result = imagelib::writeJpeg(path, 101, 0, 24, picture); break;
    case 3: result = imagelib::writeJpeg(path, 50, 101, 24, picture); break;
    case 4: result = imagelib::writePng(path, 24, false, QImage()); break;
    case 5: result = imagelib::writeTiff(path, imagelib::TiffCompression(7), 24, picture); break;
    case 6: result = imagelib::writeBmp(path, 16, picture); break;
    }
    QCOMPARE(result, expected);
    QCOMPARE(fileBytes(path), QByteArray("old content"));
}

void TestSafeWrite::missingFolder()
{
    const QString path = m_env.root() + QStringLiteral("/no/such/folder/x.bmp");
    QCOMPARE(imagelib::writeBmp(path, 24, gradientPicture(4, 4)), imagelib::CannotWrite);
    QVERIFY(!QFile::exists(path));
}

void TestSafeWrite::errorTexts()
{
    QSet<QString> texts;
    for (int code = imagelib::ScanCancelled; code <= imagelib::CannotOpen; ++code) {
        const QString text = imagelib::errorText(code);
        QVERIFY(!text.isEmpty());
        texts.insert(text);
    }
    QCOMPARE(texts.size(), 13);
    QVERIFY(imagelib::errorText(-999).contains(QStringLiteral("-999")));
}

QTEST_GUILESS_MAIN(TestSafeWrite)
#include "tst_safewrite.moc"
