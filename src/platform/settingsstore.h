// Per-user settings store: sections of named integer and string values.
#pragma once

#include <QSettings>
#include <QString>

// Opens the user's "KVTL" store for one read or write pass. Values are kept
// in sections ("Main", "Window"); integers that are missing or unreadable
// yield the caller's default. Writes reach the disk on close(), atomically.
class SettingsStore
{
public:
    SettingsStore();
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    int readInteger(const QString &section, const QString &name, int fallback) const;
    QString readString(const QString &section, const QString &name, const QString &fallback) const;
    void writeInteger(const QString &section, const QString &name, int value);
    void writeString(const QString &section, const QString &name, const QString &value);

    // Flushes pending writes. False when the file could not be written; the
    // old file is then left as it was. Safe to call more than once.
    bool close();

private:
    QString key(const QString &section, const QString &name) const;

    QSettings m_settings;
    bool m_dirty = false;
    bool m_closed = false;
};
