// Target names of converted and saved files.
#include "convert/conversiontables.h"

#include <QTest>

class TestConversionTables : public QObject
{
    Q_OBJECT
private slots:
    void extensionIsReplaced_data();
    void extensionIsReplaced();
};

void TestConversionTables::extensionIsReplaced_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "a.bmp" << "a.gif";
    QTest::newRow("upper case") << "PHOTO.JPG" << "PHOTO.gif";
    QTest::newRow("two dots") << "a.b.tiff" << "a.b.gif";
    QTest::newRow("none") << "readme" << "readme.gif";
    QTest::newRow("dot in folder only") << "/tmp/x.d/shot" << "/tmp/x.d/shot.gif";
    QTest::newRow("dot in folder and name") << "/tmp/x.d/shot.png" << "/tmp/x.d/shot.gif";
    QTest::newRow("same") << "z.gif" << "z.gif";
}

void TestConversionTables::extensionIsReplaced()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(withExtension(name, QStringLiteral(".gif")), expected);
}

QTEST_GUILESS_MAIN(TestConversionTables)
#include "tst_conversiontables.moc"
