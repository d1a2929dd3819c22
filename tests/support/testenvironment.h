// Per-test isolation: settings, runtime folder and files in a temporary directory.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();

    QString root() const { return m_dir.path(); }
    // The settings file the store writes to in this environment.
    QString settingsFile() const;
    // The desktop's trash of this environment's home.
    QString trashFolder() const;
    // A fresh empty folder under the root.
    QString makeFolder(const QString &name) const;
    // Writes a file of the given size (bytes of 'x') or content.
    static void writeFile(const QString &path, qint64 size);
    static void writeFile(const QString &path, const QByteArray &content);

private:
    QTemporaryDir m_dir;
    QString m_oldWorkingDirectory;
    QByteArray m_oldHome = qgetenv("HOME");
};
