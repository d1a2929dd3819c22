// The pximg developer tool: info, convert, and its exit status and messages.
#include "imagetesthelpers.h"
#include "support/testenvironment.h"

#include <QProcess>
#include <QTest>

using namespace imagetest;

class TestPximg : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void info();
    void convert_data();
    void convert();
    void inputExtensions_data();
    void inputExtensions();
    void failures_data();
    void failures();

private:
    int run(const QStringList &arguments, QString *output = nullptr, QString *error = nullptr);
    QString m_source;
    TestEnvironment m_env;
};

int TestPximg::run(const QStringList &arguments, QString *output, QString *error)
{
    QProcess process;
    process.start(QStringLiteral(PXIMG_PATH), arguments);
    if (!process.waitForFinished(60000))
        return -1;
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput());
    if (error)
        *error = QString::fromLocal8Bit(process.readAllStandardError());
    return process.exitCode();
}

void TestPximg::initTestCase()
{
    m_source = m_env.root() + QStringLiteral("/source.png");
    QCOMPARE(imagelib::writePng(m_source, 24, false, gradientPicture(33, 17)), imagelib::Success);
}

void TestPximg::info()
{
    QString output;
    QCOMPARE(run({QStringLiteral("info"), m_source}, &output), 0);
    QVERIFY(output.contains(QStringLiteral("type: PNG")));
    QVERIFY(output.contains(QStringLiteral("width: 33")));
    QVERIFY(output.contains(QStringLiteral("height: 17")));
    QVERIFY(output.contains(QStringLiteral("bits per pixel: 24")));
}

void TestPximg::convert_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<int>("bits");
    QTest::newRow("bmp 4") << QStringList{"--format", "bmp", "--depth", "4", "--dither"} << "bmp" << 4;
    QTest::newRow("gif 8") << QStringList{"--format", "gif", "--depth", "8"} << "gif" << 8;
    QTest::newRow("jpg grey") << QStringList{"--format", "jpg", "--depth", "gray", "--quality", "60", "--smooth", "10"} << "jpg" << 8;
    QTest::newRow("jpg colour") << QStringList{"--format", "jpg", "--depth", "24"} << "jpg" << 24;
    QTest::newRow("pcx 1") << QStringList{"--format", "pcx", "--depth", "1"} << "pcx" << 1;
    QTest::newRow("png grey") << QStringList{"--format", "png", "--depth", "gray", "--interlace"} << "png" << 8;
    QTest::newRow("tif ccitt") << QStringList{"--format", "tif", "--depth", "1", "--tiff", "ccitt"} << "tif" << 1;
    QTest::newRow("tif packbits vga") << QStringList{"--format", "tif", "--depth", "0", "--tiff", "packbits"} << "tif" << 4;
}

void TestPximg::convert()
{
    QFETCH(QStringList, options);
    QFETCH(QString, extension);
    QFETCH(int, bits);
    const QString out = m_env.root() + QStringLiteral("/out.") + extension;
    QString error;
    QCOMPARE(run(QStringList{QStringLiteral("convert"), m_source, out} + options, nullptr, &error), 0);
    imagelib::ImageInfo info;
    QCOMPARE(imagelib::readImageInfo(out, info), imagelib::Success);
    QCOMPARE(QSize(info.width, info.height), QSize(33, 17));
    QCOMPARE(info.bitsPerPixel, bits);
}

void TestPximg::inputExtensions_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"a.jpeg", "a.JPE", "a.dib", "a.tiff", "a.Pcx", "a.gif"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestPximg::inputExtensions()
{
    QFETCH(QString, name);
    const QString path = m_env.root() + QLatin1Char('/') + name;
    QCOMPARE(writeAs(*imagelib::formatFromFileName(path), path, 8, gradientPicture(12, 12)), imagelib::Success);
    QCOMPARE(run({QStringLiteral("convert"), path, m_env.root() + QStringLiteral("/back.png"), QStringLiteral("--format"),
                  QStringLiteral("png"), QStringLiteral("--depth"), QStringLiteral("24")}), 0);
}

void TestPximg::failures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing input") << QStringList{"convert", "/no/such.bmp", "x.png", "--format", "png", "--depth", "24"}
                                   << 1 << imagelib::errorText(imagelib::CannotOpen);
    QTest::newRow("gif at 24 bits") << QStringList{"convert", "SOURCE", "x.gif", "--format", "gif", "--depth", "24"}
                                    << 1 << imagelib::errorText(imagelib::BadDepth);
    QTest::newRow("quality 0") << QStringList{"convert", "SOURCE", "x.jpg", "--format", "jpg", "--depth", "24", "--quality", "0"}
                               << 1 << imagelib::errorText(imagelib::BadArgument);
    QTest::newRow("damaged input") << QStringList{"info", "DAMAGED"} << 1 << imagelib::errorText(imagelib::BadFormat);
    QTest::newRow("depth 2") << QStringList{"convert", "SOURCE", "x.png", "--format", "png", "--depth", "2"} << 2 << "usage";
    QTest::newRow("unknown format") << QStringList{"convert", "SOURCE", "x.png", "--format", "xyz", "--depth", "8"} << 2 << "usage";
    QTest::newRow("no command") << QStringList{} << 2 << "usage";
}

void TestPximg::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    const QString damaged = m_env.root() + QStringLiteral("/damaged.png");
    writeBytes(damaged, "not a picture at all");
    for (QString &a : arguments) {
        a.replace(QStringLiteral("SOURCE"), m_source).replace(QStringLiteral("DAMAGED"), damaged);
        if (a.startsWith(QStringLiteral("x.")))
            a = m_env.root() + QLatin1Char('/') + a;
    }
    QString error;
    QCOMPARE(run(arguments, nullptr, &error), status);
    QVERIFY2(error.contains(message), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestPximg)
#include "tst_pximg.moc"
