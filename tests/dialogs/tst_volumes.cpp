#include "platform/volumes.h"
#include "support/testenvironment.h"

#include <QTest>

namespace {
const QByteArray MountInfo =
    "22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw\n"
    "25 22 0:21 / /proc rw - proc proc rw\n"
    "30 22 0:25 / /tmp rw shared:5 - tmpfs tmpfs rw\n"
    "31 22 8:17 / /media/stick rw shared:7 - vfat /dev/sdb1 rw\n"
    "32 22 11:0 / /media/cd\\040rom ro - iso9660 /dev/sr0 ro\n"
    "33 22 0:40 / /home/me/share rw - cifs //server/share rw\n"
    "34 22 0:41 / /home/me/share/inner rw - nfs4 server:/x rw\n"
    "bad line\n"
    "35 22 0:42 / /media/stick rw shared:9 - exfat /dev/sdc1 rw\n";
}

class TestVolumes : public QObject
{
    Q_OBJECT
private slots:
    void mountHoldingPath_data();
    void mountHoldingPath();
    void driveTypes_data();
    void driveTypes();
    void typeTexts();
    void systemVolumesAnswerForTheTestFolder();
};

void TestVolumes::mountHoldingPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("mountPoint");
    QTest::addColumn<QString>("filesystem");
    QTest::newRow("root") << "/usr/share" << "/" << "ext4";
    QTest::newRow("tmp itself") << "/tmp" << "/tmp" << "tmpfs";
    QTest::newRow("not a prefix match") << "/tmpfiles/x" << "/" << "ext4";
    QTest::newRow("escaped blank") << "/media/cd rom/pics" << "/media/cd rom" << "iso9660";
    QTest::newRow("deepest wins") << "/home/me/share/inner/a" << "/home/me/share/inner" << "nfs4";
    QTest::newRow("network") << "/home/me/share/b" << "/home/me/share" << "cifs";
    QTest::newRow("later mount hides earlier") << "/media/stick/dcim" << "/media/stick" << "exfat";
}

void TestVolumes::mountHoldingPath()
{
    QFETCH(QString, path);
    const std::optional<MountEntry> mount = mountHolding(MountInfo, path);
    QVERIFY(mount);
    QTEST(mount->mountPoint, "mountPoint");
    QTEST(mount->filesystem, "filesystem");
    QVERIFY(!mountHolding(MountInfo, "relative/path"));
    QVERIFY(!mountHolding(QByteArray(), "/x"));
}

void TestVolumes::driveTypes_data()
{
    QTest::addColumn<QString>("filesystem");
    QTest::addColumn<bool>("removable");
    QTest::addColumn<int>("type");
    QTest::newRow("ext4") << "ext4" << false << int(DriveType::Fixed);
    QTest::newRow("usb stick") << "vfat" << true << int(DriveType::Removable);
    QTest::newRow("tmpfs") << "tmpfs" << false << int(DriveType::RamDisk);
    QTest::newRow("ramfs") << "ramfs" << false << int(DriveType::RamDisk);
    QTest::newRow("cd") << "iso9660" << true << int(DriveType::CdRom);
    QTest::newRow("nfs") << "nfs" << false << int(DriveType::Remote);
    QTest::newRow("sshfs") << "fuse.sshfs" << false << int(DriveType::Remote);
    QTest::newRow("proc") << "proc" << false << int(DriveType::Unknown);
}

void TestVolumes::driveTypes()
{
    QFETCH(QString, filesystem);
    QFETCH(bool, removable);
    QTEST(int(driveTypeOfMount(MountEntry{"/x", filesystem, "/dev/x"}, removable)), "type");
}

void TestVolumes::typeTexts()
{
    QCOMPARE(driveTypeText(DriveType::Unknown), QString("Don't Know"));
    QCOMPARE(driveTypeText(DriveType::NoRootDirectory), QString("Don't Know"));
    QCOMPARE(driveTypeText(DriveType::Removable), QString("Removable"));
    QCOMPARE(driveTypeText(DriveType::Fixed), QString("Fixed"));
    QCOMPARE(driveTypeText(DriveType::Remote), QString("Network"));
    QCOMPARE(driveTypeText(DriveType::CdRom), QString("CD-Rom"));
    QCOMPARE(driveTypeText(DriveType::RamDisk), QString("Ram Disk"));
}

void TestVolumes::systemVolumesAnswerForTheTestFolder()
{
    TestEnvironment env;
    SystemVolumes volumes;
    const std::optional<VolumeSpace> space = volumes.space(env.root());
    QVERIFY(space);
    QVERIFY(space->totalBytes > 0);
    QVERIFY(space->freeBytes <= space->totalBytes);
    QVERIFY(!volumes.space(env.root() + "/missing"));
    QCOMPARE(volumes.driveType(env.root() + "/missing"), DriveType::NoRootDirectory);
    QVERIFY(volumes.driveType(env.root()) != DriveType::NoRootDirectory);
}

QTEST_GUILESS_MAIN(TestVolumes)
#include "tst_volumes.moc"
