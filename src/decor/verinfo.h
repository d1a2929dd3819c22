// TVersionInfo: the text of a version resource and, on request, its resource file.
#pragma once

#include "decor/versionresource.h"

#include <QObject>
#include <QString>

class Prompter;

class TVersionInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE setActive)
    Q_PROPERTY(QString ResFilename MEMBER ResFilename)
    Q_PROPERTY(QString FileVerNum READ FileVerNum WRITE setFileVerNum)
    Q_PROPERTY(QString ProdVerNum READ ProdVerNum WRITE setProdVerNum)
public:
    // Without a prompter the component is running, as in the program: Active
    // is true and writes nothing. With one it is being edited (the developer
    // tool), where switching Active on offers to write the file.
    explicit TVersionInfo(QObject *owner = nullptr, Prompter *designPrompter = nullptr);

    bool Active() const { return m_active; }
    void setActive(bool active);
    QString FileVerNum() const { return m_fileVerNum; }
    void setFileVerNum(const QString &text);
    QString ProdVerNum() const { return m_prodVerNum; }
    void setProdVerNum(const QString &text);
    VersionNumbers fileVersion() const { return m_fileVersion; }
    VersionNumbers productVersion() const { return m_productVersion; }
    // How many times a version text was parsed (unchanged texts are not).
    int parseCount() const { return m_parseCount; }

    QString ResFilename = QStringLiteral("VERSION.RES");
    TVos VFileOS = TVos::Windows32;
    TVft VFileType = TVft::App;
    QString Comments, CompanyName, FileDescription, FileVersion, InternalName, LegalCopyright,
        OriginalFilename, ProductName, ProductVersion;
    // Writes the Win32 layout with UTF-16 text instead of the compact 8-bit one.
    bool WideText = false;

    VersionResourceData resourceData() const;
    // Writes ResFilename; returns the error text, empty on success.
    QString writeResourceFile() const;

private:
    Prompter *m_designPrompter;
    bool m_active;
    QString m_fileVerNum = QStringLiteral("0.0.0.0");
    QString m_prodVerNum = QStringLiteral("0.0.0.0");
    VersionNumbers m_fileVersion{};
    VersionNumbers m_productVersion{};
    int m_parseCount = 0;
};
