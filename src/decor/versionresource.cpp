#include "decor/versionresource.h"

#include <QSaveFile>
#include <QtEndian>

VersionNumbers parseVersionText(const QString &text)
{
    VersionNumbers numbers{};
    std::size_t slot = 0;
    QString digits;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digits += c;
        } else if (c == QLatin1Char('.')) {
            numbers[slot] = digits.toInt();
            digits.clear();
            if (slot < numbers.size() - 1)
                ++slot;
        }
    }
    if (!digits.isEmpty())
        numbers[slot] = digits.toInt();
    return numbers;
}

namespace {

constexpr int ResourceStart = 12;     // the version resource proper starts here
constexpr int StringFileInfoAt = 84;
constexpr int StringTableAt = 104;
constexpr int FirstStringAt = 120;
constexpr int VarFileInfoSize = 36;
constexpr int ResHeaderSize = 32;

int align4(int offset)
{
    return (offset + 3) & ~3;
}

// Writes into a fixed buffer and remembers whether anything fell outside it.
class VersionBuffer
{
public:
    VersionBuffer() : m_bytes(VersionBufferSize, '\0') {}

    void word(int at, int value) { put(at, 2, static_cast<quint32>(value) & 0xFFFF); }
    void dword(int at, quint32 value) { put(at, 4, value); }
    // Text with its terminating zero; returns the offset after the zero.
    int text(int at, const QByteArray &value) { return raw(at, value + '\0'); }
    // Returns the offset after the bytes.
    int raw(int at, const QByteArray &value)
    {
        if (fits(at, value.size()))
            std::copy(value.begin(), value.end(), m_bytes.begin() + at);
        return at + value.size();
    }
    bool overflowed() const { return m_overflow; }
    QByteArray slice(int from, int to) const { return m_bytes.mid(from, to - from); }

private:
    bool fits(int at, int length)
    {
        if (at < 0 || at + length > m_bytes.size())
            m_overflow = true;
        return !m_overflow;
    }
    void put(int at, int length, quint32 value)
    {
        if (!fits(at, length))
            return;
        for (int i = 0; i < length; ++i)
            m_bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }

    QByteArray m_bytes;
    bool m_overflow = false;
};

quint32 versionDword(int high, int low)
{
    return (static_cast<quint32>(high & 0xFFFF) << 16) | static_cast<quint32>(low & 0xFFFF);
}

// The 52 bytes of fixed file information.
QByteArray fixedFileInfo(const VersionResourceData &data)
{
    const quint32 fields[13] = {0xFEEF04BD,
                                0x00010000,
                                versionDword(data.fileVersion[0], data.fileVersion[1]),
                                versionDword(data.fileVersion[2], data.fileVersion[3]),
                                versionDword(data.productVersion[0], data.productVersion[1]),
                                versionDword(data.productVersion[2], data.productVersion[3]),
                                0,
                                0,
                                data.os == TVos::Windows16 ? 1u : 4u,
                                data.type == TVft::App ? 1u : 2u,
                                0,
                                0,
                                0};
    QByteArray bytes(sizeof fields, '\0');
    for (int i = 0; i < 13; ++i)
        qToLittleEndian<quint32>(fields[i], reinterpret_cast<uchar *>(bytes.data()) + 4 * i);
    return bytes;
}

void writeFixedPart(VersionBuffer &b, const VersionResourceData &data)
{
    b.word(14, 52);
    b.text(16, "VS_VERSION_INFO");
    b.raw(32, fixedFileInfo(data));
    b.text(StringFileInfoAt + 4, "StringFileInfo");
    b.text(StringTableAt + 4, "040904E4");
}

// Writes the nine string blocks; returns the offset just after the last value's zero.
int writeStrings(VersionBuffer &b, const VersionResourceData &data)
{
    int s = FirstStringAt;
    int end = s;
    for (std::size_t i = 0; i < VersionStringKeys.size(); ++i) {
        const int valueAt = align4(b.text(s + 4, VersionStringKeys[i]));
        const QByteArray value = data.strings[i].toLatin1();
        end = b.text(valueAt, value);
        b.word(s, end - s);
        b.word(s + 2, value.size() + 1);
        s = align4(end);
    }
    return end;
}

int writeVarFileInfo(VersionBuffer &b, int e)
{
    b.word(e, VarFileInfoSize);
    b.text(e + 4, "VarFileInfo");
    b.word(e + 16, 20);
    b.word(e + 18, 4);
    b.text(e + 20, "Translation");
    b.word(e + 32, 0x0409);
    b.word(e + 34, 0x04E4);
    return e + VarFileInfoSize;
}

QByteArray resourceHeader(quint32 dataSize, int type, int name, int memoryFlags, int language)
{
    QByteArray header(ResHeaderSize, '\0');
    auto *p = reinterpret_cast<uchar *>(header.data());
    qToLittleEndian<quint32>(dataSize, p);
    qToLittleEndian<quint32>(ResHeaderSize, p + 4);
    qToLittleEndian<quint16>(0xFFFF, p + 8);
    qToLittleEndian<quint16>(type, p + 10);
    qToLittleEndian<quint16>(0xFFFF, p + 12);
    qToLittleEndian<quint16>(name, p + 14);
    qToLittleEndian<quint16>(memoryFlags, p + 20);
    qToLittleEndian<quint16>(language, p + 22);
    return header;
}

// The compact layout into the fixed buffer; returns the bytes from offset 12 and the total t.
QByteArray compactVersionData(const VersionResourceData &data, int *total)
{
    VersionBuffer b;
    writeFixedPart(b, data);
    const int lastZeroEnd = writeStrings(b, data);
    // The block lengths count exactly to the last string's terminating zero.
    b.word(StringTableAt, lastZeroEnd - StringTableAt);
    b.word(StringFileInfoAt, lastZeroEnd - StringFileInfoAt);
    const int t = writeVarFileInfo(b, align4(lastZeroEnd));
    b.word(ResourceStart, t - ResourceStart);
    *total = t;
    return b.overflowed() ? QByteArray() : b.slice(ResourceStart, t);
}

void padTo4(QByteArray &bytes)
{
    bytes.append((4 - bytes.size() % 4) % 4, '\0');
}

QByteArray utf16z(const QString &text)
{
    QByteArray bytes;
    for (const QChar c : text + QChar(0)) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

// One Win32 version block: length, value length, type, UTF-16 key, value, children.
QByteArray wideBlock(const QString &key, const QByteArray &value, int valueLength, bool text,
                     const QList<QByteArray> &children = {})
{
    QByteArray block(6, '\0');
    block += utf16z(key);
    padTo4(block);
    block += value;
    for (const QByteArray &child : children) {
        padTo4(block);
        block += child;
    }
    auto *p = reinterpret_cast<uchar *>(block.data());
    qToLittleEndian<quint16>(block.size(), p);
    qToLittleEndian<quint16>(valueLength, p + 2);
    qToLittleEndian<quint16>(text ? 1 : 0, p + 4);
    return block;
}

QByteArray wideVersionData(const VersionResourceData &data)
{
    QList<QByteArray> strings;
    for (std::size_t i = 0; i < VersionStringKeys.size(); ++i)
        strings.append(wideBlock(QString::fromLatin1(VersionStringKeys[i]), utf16z(data.strings[i]),
                                 data.strings[i].size() + 1, true));
    const QByteArray table = wideBlock(QStringLiteral("040904E4"), {}, 0, true, strings);
    const QByteArray translation("\x09\x04\xE4\x04", 4);
    const QByteArray var = wideBlock(QStringLiteral("Translation"), translation, 4, false);
    return wideBlock(QStringLiteral("VS_VERSION_INFO"), fixedFileInfo(data), 52, false,
                     {wideBlock(QStringLiteral("StringFileInfo"), {}, 0, true, {table}),
                      wideBlock(QStringLiteral("VarFileInfo"), {}, 0, true, {var})});
}

} // namespace

VersionResourceResult buildVersionResourceFile(const VersionResourceData &data)
{
    int total = 0;
    QByteArray versionData;
    if (data.wideText) {
        versionData = wideVersionData(data);
        total = ResourceStart + versionData.size();
    } else {
        versionData = compactVersionData(data, &total);
    }
    VersionResourceResult result;
    if (total > VersionBufferSize || versionData.isEmpty()) {
        result.error = QStringLiteral("The version information needs %1 bytes, more than the %2 bytes it may take.")
                           .arg(total)
                           .arg(VersionBufferSize);
        return result;
    }
    result.dataSize = versionData.size();
    result.bytes = resourceHeader(0, 0, 0, 0, 0) + resourceHeader(result.dataSize, 16, 1, 0x0030, 0x0409)
                   + versionData;
    return result;
}

QString writeVersionResourceFile(const QString &path, const VersionResourceData &data)
{
    const VersionResourceResult built = buildVersionResourceFile(data);
    if (!built.error.isEmpty())
        return built.error;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(built.bytes) != built.bytes.size() || !file.commit())
        return QStringLiteral("I/O error writing %1: %2").arg(path, file.errorString());
    return {};
}
