#include "decor/verinfo.h"

#include "platform/prompter.h"

TVersionInfo::TVersionInfo(QObject *owner, Prompter *designPrompter)
    : QObject(owner), m_designPrompter(designPrompter), m_active(designPrompter == nullptr)
{
}

void TVersionInfo::setActive(bool active)
{
    if (!m_designPrompter || active == m_active)
        return;
    m_active = active;
    if (!active || ResFilename.size() <= 4)
        return;
    const auto answer = m_designPrompter->confirm(QStringLiteral("Write ") + ResFilename + QStringLiteral(" file now?"),
                                                  {Prompter::Button::Yes, Prompter::Button::No});
    if (answer != Prompter::Button::Yes)
        return;
    const QString error = writeResourceFile();
    if (!error.isEmpty())
        m_designPrompter->error(error);
}

void TVersionInfo::setFileVerNum(const QString &text)
{
    if (text == m_fileVerNum)
        return;
    m_fileVerNum = text;
    m_fileVersion = parseVersionText(text);
    ++m_parseCount;
}

void TVersionInfo::setProdVerNum(const QString &text)
{
    if (text == m_prodVerNum)
        return;
    m_prodVerNum = text;
    m_productVersion = parseVersionText(text);
    ++m_parseCount;
}

VersionResourceData TVersionInfo::resourceData() const
{
    VersionResourceData data;
    data.fileVersion = m_fileVersion;
    data.productVersion = m_productVersion;
    data.os = VFileOS;
    data.type = VFileType;
    data.wideText = WideText;
    const QString *values[] = {&Comments, &CompanyName, &FileDescription, &FileVersion, &InternalName,
                               &LegalCopyright, &OriginalFilename, &ProductName, &ProductVersion};
    for (std::size_t i = 0; i < data.strings.size(); ++i)
        data.strings[i] = *values[i];
    return data;
}

QString TVersionInfo::writeResourceFile() const
{
    return writeVersionResourceFile(ResFilename, resourceData());
}
