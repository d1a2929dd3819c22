#include "platform/settingsstore.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcSettings, "pixmoor.settings")

SettingsStore::SettingsStore()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("KVTL"))
{
}

SettingsStore::~SettingsStore()
{
    close();
}

QString SettingsStore::key(const QString &section, const QString &name) const
{
    return section + QLatin1Char('/') + name;
}

int SettingsStore::readInteger(const QString &section, const QString &name, int fallback) const
{
    const QVariant value = m_settings.value(key(section, name));
    if (!value.isValid())
        return fallback;
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : fallback;
}

QString SettingsStore::readString(const QString &section, const QString &name,
                                  const QString &fallback) const
{
    const QVariant value = m_settings.value(key(section, name));
    return value.isValid() ? value.toString() : fallback;
}

void SettingsStore::writeInteger(const QString &section, const QString &name, int value)
{
    m_settings.setValue(key(section, name), value);
    m_dirty = true;
}

void SettingsStore::writeString(const QString &section, const QString &name, const QString &value)
{
    m_settings.setValue(key(section, name), value);
    m_dirty = true;
}

bool SettingsStore::close()
{
    if (m_closed)
        return m_settings.status() != QSettings::AccessError;
    m_closed = true;
    if (!m_dirty)
        return true;
    // QSettings writes through a temporary file and a rename, so a failed
    // write leaves the old file whole. A FormatError only says the old file
    // could not be parsed; it has been replaced by a well-formed one.
    m_settings.sync();
    if (m_settings.status() == QSettings::AccessError) {
        qCWarning(lcSettings) << "could not write" << m_settings.fileName();
        return false;
    }
    return true;
}
