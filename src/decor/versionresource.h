// A version resource and the 32-bit resource file (.res) that carries it.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>

enum class TVos { Windows16, Windows32 };
enum class TVft { App, Dll };

using VersionNumbers = std::array<int, 4>;

// Reads up to four dot-separated numbers; other characters are skipped and
// numbers past the fourth go into the fourth slot.
VersionNumbers parseVersionText(const QString &text);

// The nine strings in the order they are written.
inline constexpr std::array<const char *, 9> VersionStringKeys = {
    "Comments", "CompanyName", "FileDescription", "FileVersion", "InternalName",
    "LegalCopyright", "OriginalFilename", "ProductName", "ProductVersion"};

struct VersionResourceData
{
    VersionNumbers fileVersion{};
    VersionNumbers productVersion{};
    TVos os = TVos::Windows32;
    TVft type = TVft::App;
    std::array<QString, 9> strings;      // in VersionStringKeys order
    // Off: the compact layout with 8-bit text (Latin-1), byte for byte as the
    // component always wrote it. On: the Win32 layout with UTF-16 text and
    // type words, the one resource compilers and linkers read.
    bool wideText = false;
};

// Everything the version data may occupy, header included.
inline constexpr int VersionBufferSize = 2048;

struct VersionResourceResult
{
    QByteArray bytes;      // the whole .res file; empty on failure
    int dataSize = 0;      // size of the version resource proper
    QString error;
};

// Builds the file; refuses data that does not fit the buffer.
VersionResourceResult buildVersionResourceFile(const VersionResourceData &data);

// Writes the file (created or overwritten); an empty text means success.
QString writeVersionResourceFile(const QString &path, const VersionResourceData &data);
