#include "browse/listtexts.h"

#include <QTest>

class TestListTexts : public QObject
{
    Q_OBJECT
private slots:
    void sizes_data();
    void sizes();
    void dateLeavesOutMidnight();
    void dateHasNoTimeZone();
    void fileCounts();
};

void TestListTexts::sizes_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "0 Bytes";
    QTest::newRow("1024 stays bytes") << qint64(1024) << "1024 Bytes";
    QTest::newRow("1025 rounds down to 1K") << qint64(1025) << "1K";
    QTest::newRow("1536 half to even up") << qint64(1536) << "2K";
    QTest::newRow("2048") << qint64(2048) << "2K";
    QTest::newRow("2560 half to even down") << qint64(2560) << "2K";
    QTest::newRow("3584 half to even up") << qint64(3584) << "4K";
    QTest::newRow("just over half") << qint64(2561) << "3K";
    QTest::newRow("large") << qint64(5) * 1024 * 1024 * 1024 << "5242880K";
}

void TestListTexts::sizes()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(sizeText(bytes), text);
}

void TestListTexts::dateLeavesOutMidnight()
{
    const QLocale c(QLocale::C);
    const QDateTime midnight(QDate(2024, 3, 5), QTime(0, 0), Qt::LocalTime);
    QCOMPARE(dateText(midnight, c), c.toString(QDate(2024, 3, 5), QLocale::ShortFormat));
    const QDateTime afternoon(QDate(2024, 3, 5), QTime(14, 7, 9), Qt::LocalTime);
    const QString text = dateText(afternoon, c);
    QVERIFY2(text.startsWith(c.toString(QDate(2024, 3, 5), QLocale::ShortFormat) + " "), qPrintable(text));
    QVERIFY2(text.endsWith("14:07:09"), qPrintable(text));
    const QDateTime secondPast(QDate(2024, 3, 5), QTime(0, 0, 1), Qt::LocalTime);
    QVERIFY2(dateText(secondPast, c).endsWith("00:00:01"), qPrintable(dateText(secondPast, c)));
}

void TestListTexts::dateHasNoTimeZone()
{
    const QDateTime when(QDate(2024, 7, 1), QTime(9, 30), Qt::LocalTime);
    for (const QLocale &locale : {QLocale(QLocale::C), QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::German, QLocale::Germany)}) {
        const QString text = dateText(when, locale);
        QVERIFY2(!text.contains(when.timeZoneAbbreviation()) || when.timeZoneAbbreviation().isEmpty(),
                 qPrintable(text));
        QVERIFY2(text.contains("9:30"), qPrintable(text));
        QVERIFY2(!text.endsWith(' '), qPrintable(text));
    }
}

void TestListTexts::fileCounts()
{
    QCOMPARE(fileCountText(0), QString("0 Files"));
    QCOMPARE(fileCountText(1), QString("1 File"));
    QCOMPARE(fileCountText(37), QString("37 Files"));
}

QTEST_GUILESS_MAIN(TestListTexts)
#include "tst_listtexts.moc"
