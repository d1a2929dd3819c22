#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

TestEnvironment::TestEnvironment() : m_oldWorkingDirectory(QDir::currentPath())
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY2(m_dir.isValid(), "no temporary directory");
    const QString config = m_dir.filePath(QStringLiteral("config"));
    QDir().mkpath(config);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);
    const QString runtime = m_dir.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                       | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    // The desktop's trash and data folders of the test's own home.
    const QString home = m_dir.filePath(QStringLiteral("home"));
    QDir().mkpath(home);
    qputenv("HOME", QFile::encodeName(home));
}

TestEnvironment::~TestEnvironment()
{
    QDir::setCurrent(m_oldWorkingDirectory);
    // A newer environment made before this one went keeps its own home.
    if (qgetenv("HOME") == QFile::encodeName(m_dir.filePath(QStringLiteral("home"))))
        qputenv("HOME", m_oldHome);
}

QString TestEnvironment::trashFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash");
}

QString TestEnvironment::settingsFile() const
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("KVTL")).fileName();
}

QString TestEnvironment::makeFolder(const QString &name) const
{
    const QString path = m_dir.filePath(name);
    QDir().mkpath(path);
    return path;
}

void TestEnvironment::writeFile(const QString &path, qint64 size)
{
    writeFile(path, QByteArray(size, 'x'));
}

void TestEnvironment::writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(content), content.size());
}
