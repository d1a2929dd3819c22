// The developer tool's render command: a PNG of the requested size, and a
// non-zero status with the reason when something is wrong.
#include "metafilewriter.h"
#include "support/testenvironment.h"

#include "../../../tools/pximgrender.h"

#include <QImage>
#include <QTest>

class TestPximgRender : public QObject
{
    Q_OBJECT
private slots:
    void rendersMetafileFillingTheBitmap();
    void rendersIconTopLeft();
    void failures_data();
    void failures();
};

void TestPximgRender::rendersMetafileFillingTheBitmap()
{
    TestEnvironment environment;
    EmfWriter w(QRect(0, 0, 10, 10));
    w.select(emfrec::Stock | 8).brush(1, qRgb(0, 0, 255)).select(1).shape(emfrec::Rectangle, QRect(0, 0, 10, 10));
    const QString in = environment.root() + QStringLiteral("/a.emf");
    const QString out = environment.root() + QStringLiteral("/a.png");
    TestEnvironment::writeFile(in, w.bytes());
    QCOMPARE(runRenderCommand({in, out, QStringLiteral("--size"), QStringLiteral("60x30")}), 0);
    const QImage image(out);
    QCOMPARE(image.size(), QSize(60, 30));
    QCOMPARE(image.pixel(59, 29) & 0xffffff, 0x0000ffu);
}

void TestPximgRender::rendersIconTopLeft()
{
    TestEnvironment environment;
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(qRgb(255, 0, 0));
    const QString in = environment.root() + QStringLiteral("/i.ico");
    const QString out = environment.root() + QStringLiteral("/i.png");
    TestEnvironment::writeFile(in, iconFile({{icon, 24}}));
    QCOMPARE(runRenderCommand({QStringLiteral("--size"), QStringLiteral("70x70"), in, out}), 0);
    const QImage image(out);
    QCOMPARE(image.size(), QSize(70, 70));
    QCOMPARE(image.pixel(31, 31) & 0xffffff, 0xff0000u);
    QCOMPARE(image.pixel(40, 40) & 0xffffff, 0xffffffu);
}

void TestPximgRender::failures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("writeBadFile");
    QTest::newRow("not a metafile") << QStringList{QStringLiteral("%1/bad.wmf"), QStringLiteral("%1/o.png"), QStringLiteral("--size"), QStringLiteral("10x10")} << true;
    QTest::newRow("missing input") << QStringList{QStringLiteral("%1/none.emf"), QStringLiteral("%1/o.png"), QStringLiteral("--size"), QStringLiteral("10x10")} << false;
    QTest::newRow("bad size") << QStringList{QStringLiteral("%1/bad.wmf"), QStringLiteral("%1/o.png"), QStringLiteral("--size"), QStringLiteral("10by10")} << true;
    QTest::newRow("zero size") << QStringList{QStringLiteral("%1/bad.wmf"), QStringLiteral("%1/o.png"), QStringLiteral("--size"), QStringLiteral("0x10")} << true;
    QTest::newRow("size without value") << QStringList{QStringLiteral("%1/bad.wmf"), QStringLiteral("%1/o.png"), QStringLiteral("--size")} << true;
    QTest::newRow("one file") << QStringList{QStringLiteral("%1/bad.wmf")} << true;
}

void TestPximgRender::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, writeBadFile);
    TestEnvironment environment;
    for (QString &argument : arguments)
        argument.replace(QLatin1String("%1"), environment.root());
    if (writeBadFile)
        TestEnvironment::writeFile(environment.root() + QStringLiteral("/bad.wmf"), QByteArray("plain text"));
    QVERIFY(runRenderCommand(arguments) != 0);
    QVERIFY(!QFile::exists(environment.root() + QStringLiteral("/o.png")));
}

QTEST_MAIN(TestPximgRender)
#include "tst_pximgrender.moc"
