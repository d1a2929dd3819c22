// The acquire and source-selection entry points: no backend, a backend, and
// the program-wide busy flag.
#include "imagetesthelpers.h"
#include "imaging/scannerbackend.h"

#include <QTest>

using namespace imagelib;

class FakeScanner : public ScannerBackend
{
public:
    Result acquire(QObject *owner, const AcquireOptions &options, QImage &out) override
    {
        ++acquires;
        lastOptions = options;
        if (reenter) {
            QImage inner;
            innerAcquire = acquireImage(owner, options, inner);
            innerSelect = selectScanSource(owner);
        }
        if (result == Success)
            out = imagetest::gradientPicture(30, 20);
        return result;
    }
    Result selectSource(QObject *) override
    {
        ++selects;
        return Success;
    }

    Result result = Success;
    bool reenter = false;
    int acquires = 0;
    int selects = 0;
    Result innerAcquire = 0;
    Result innerSelect = 0;
    AcquireOptions lastOptions;
};

class TestScanner : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { setScannerBackend(nullptr); }
    void noBackend();
    void acquireConvertsToTheDepth_data();
    void acquireConvertsToTheDepth();
    void secondRequestWhileBusyDoesNothing();
    void failuresPassThroughAndClearTheBusyFlag();

private:
    FakeScanner *install()
    {
        auto backend = std::make_unique<FakeScanner>();
        FakeScanner *raw = backend.get();
        setScannerBackend(std::move(backend));
        return raw;
    }
};

void TestScanner::noBackend()
{
    QImage out;
    QCOMPARE(acquireImage(nullptr, AcquireOptions(), out), NoScanner);
    QVERIFY(out.isNull());
    QCOMPARE(selectScanSource(nullptr), NoScanner);
    QCOMPARE(errorText(NoScanner), QStringLiteral("No scanner is available."));
}

void TestScanner::acquireConvertsToTheDepth_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("format");
    QTest::newRow("true colour") << 24 << int(QImage::Format_RGB32);
    QTest::newRow("256 colours") << 8 << int(QImage::Format_Indexed8);
    QTest::newRow("black and white") << 1 << int(QImage::Format_Indexed8);
}

void TestScanner::acquireConvertsToTheDepth()
{
    QFETCH(int, depth);
    QFETCH(int, format);
    FakeScanner *scanner = install();
    AcquireOptions options;
    options.depth = depth;
    options.showSourceDialog = false;
    QImage out;
    QCOMPARE(acquireImage(nullptr, options, out), Success);
    QCOMPARE(int(out.format()), format);
    QCOMPARE(out.size(), QSize(30, 20));
    QCOMPARE(scanner->lastOptions.showSourceDialog, false);
}

void TestScanner::secondRequestWhileBusyDoesNothing()
{
    FakeScanner *scanner = install();
    scanner->reenter = true;
    QImage out;
    QCOMPARE(acquireImage(nullptr, AcquireOptions(), out), Success);
    QCOMPARE(scanner->innerAcquire, AlreadyRunning);
    QCOMPARE(scanner->innerSelect, AlreadyRunning);
    QVERIFY(succeeded(AlreadyRunning));
    QCOMPARE(scanner->acquires, 1);
    QCOMPARE(scanner->selects, 0);
}

void TestScanner::failuresPassThroughAndClearTheBusyFlag()
{
    FakeScanner *scanner = install();
    scanner->result = ScanCancelled;
    QImage out;
    QCOMPARE(acquireImage(nullptr, AcquireOptions(), out), ScanCancelled);
    QVERIFY(out.isNull());
    scanner->result = Success;
    QCOMPARE(acquireImage(nullptr, AcquireOptions(), out), Success);
    QCOMPARE(selectScanSource(nullptr), Success);
    AcquireOptions bad;
    bad.depth = 3;
    QCOMPARE(acquireImage(nullptr, bad, out), BadDepth);
}

QTEST_GUILESS_MAIN(TestScanner)
#include "tst_scanner.moc"
