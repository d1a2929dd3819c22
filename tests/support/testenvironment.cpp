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
}

TestEnvironment::~TestEnvironment()
{
    QDir::setCurrent(m_oldWorkingDirectory);
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
