#include "tasks/stoppoller.h"
#include "tasks/task.h"

#include <QTest>

namespace {
// Counts message passes and looks at Stop; everything else is not used by the poller.
class PollTask : public Task
{
public:
    int passes = 0;
    int looked = 0;
    bool stop = false;
    bool stopStays = false;  // a Stop that is never taken, to show it is not looked at

    void letMessagesRun() override { ++passes; }
    bool takeStopRequest() override
    {
        ++looked;
        return stopStays ? stop : std::exchange(stop, false);
    }
    void setStatus(const QString &) override {}
    void setGauge(int) override {}
    void reportError(const QString &) override {}
};
} // namespace

class TestStopPoller : public QObject
{
    Q_OBJECT
private slots:
    void halvesGoToEven_data();
    void halvesGoToEven();
    void gaugePositions();
    void messagesEveryTwentiethItem();
    void stopIsTakenOnce();
    void noStopDoesNothing();
};

void TestStopPoller::halvesGoToEven_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("rounded");
    QTest::newRow("0.5") << 1 << 2 << 0;
    QTest::newRow("1.5") << 3 << 2 << 2;
    QTest::newRow("2.5") << 5 << 2 << 2;
    QTest::newRow("3.5") << 7 << 2 << 4;
    QTest::newRow("2.49") << 249 << 100 << 2;
    QTest::newRow("2.51") << 251 << 100 << 3;
    QTest::newRow("exact") << 6 << 3 << 2;
}

void TestStopPoller::halvesGoToEven()
{
    QFETCH(int, n);
    QFETCH(int, d);
    QFETCH(int, rounded);
    QCOMPARE(roundHalfToEven(n, d), rounded);
}

void TestStopPoller::gaugePositions()
{
    QCOMPARE(gaugePosition(1, 8), 12);  // 12.5
    QCOMPARE(gaugePosition(3, 8), 38);  // 37.5
    QCOMPARE(gaugePosition(5, 8), 62);  // 62.5
    QCOMPARE(gaugePosition(1, 3), 33);
    QCOMPARE(gaugePosition(2, 3), 67);
    QCOMPARE(gaugePosition(5, 0), 0);
    QCOMPARE(gaugePosition(999999, 1000000), 100);
}

void TestStopPoller::messagesEveryTwentiethItem()
{
    PollTask task;
    StopPoller poller(false, task);
    for (int item = 1; item <= 59; ++item)
        QVERIFY(!poller.afterItem());
    QCOMPARE(task.passes, 2);
    poller.afterItem();
    QCOMPARE(task.passes, 3);
}

void TestStopPoller::stopIsTakenOnce()
{
    PollTask task;
    StopPoller poller(false, task);
    QVERIFY(!poller.afterItem());
    task.stop = true;
    QVERIFY(poller.afterItem());
    QVERIFY(!task.stop);
    QVERIFY(!poller.afterItem());
    QCOMPARE(task.looked, 3);
}

void TestStopPoller::noStopDoesNothing()
{
    PollTask task;
    task.stop = true;
    task.stopStays = true;
    StopPoller poller(true, task);
    for (int item = 0; item < 100; ++item)
        QVERIFY(!poller.afterItem());
    QCOMPARE(task.passes, 0);
    QCOMPARE(task.looked, 0);
}

QTEST_GUILESS_MAIN(TestStopPoller)
#include "tst_stoppoller.moc"
