// A write that fails half-way (the file size limit is reached) reports
// CannotWrite, leaves the old file as it was and no temporary file behind.
#include "imagetesthelpers.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace imagetest;

class TestInterruptedWrite : public QObject
{
    Q_OBJECT
private slots:
    void fileSizeLimitStopsTheWrite();

private:
    TestEnvironment m_env;
};

void TestInterruptedWrite::fileSizeLimitStopsTheWrite()
{
    const QString folder = m_env.makeFolder(QStringLiteral("limited"));
    const QString path = folder + QStringLiteral("/big.bmp");
    QVERIFY(writeBytes(path, "old content"));
    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const imagelib::Result result = imagelib::writeBmp(path, 24, gradientPicture(200, 200));
    setrlimit(RLIMIT_FSIZE, &old);
    QCOMPARE(result, imagelib::CannotWrite);
    QCOMPARE(fileBytes(path), QByteArray("old content"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("big.bmp")});
}

QTEST_GUILESS_MAIN(TestInterruptedWrite)
#include "tst_interruptedwrite.moc"
