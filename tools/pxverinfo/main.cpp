// pxverinfo: stands in for editing TVersionInfo at design time. Sets the
// component's properties from options and writes its resource file.
#include "decor/verinfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

struct StringOption
{
    const char *name;
    QString TVersionInfo::*field;
};

const StringOption StringOptions[] = {
    {"comments", &TVersionInfo::Comments},
    {"company-name", &TVersionInfo::CompanyName},
    {"file-description", &TVersionInfo::FileDescription},
    {"file-version", &TVersionInfo::FileVersion},
    {"internal-name", &TVersionInfo::InternalName},
    {"legal-copyright", &TVersionInfo::LegalCopyright},
    {"original-filename", &TVersionInfo::OriginalFilename},
    {"product-name", &TVersionInfo::ProductName},
    {"product-version", &TVersionInfo::ProductVersion},
};

void addOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral("Writes a version resource (.res) file."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("write"), QStringLiteral("Resource file to write."), QStringLiteral("file")});
    parser.addOption({QStringLiteral("file-ver-num"), QStringLiteral("File version numbers, e.g. 1.2.3.4."),
                      QStringLiteral("version")});
    parser.addOption({QStringLiteral("prod-ver-num"), QStringLiteral("Product version numbers."),
                      QStringLiteral("version")});
    parser.addOption({QStringLiteral("os"), QStringLiteral("Target system: windows16 or windows32."),
                      QStringLiteral("os"), QStringLiteral("windows32")});
    parser.addOption({QStringLiteral("type"), QStringLiteral("File type: app or dll."), QStringLiteral("type"),
                      QStringLiteral("app")});
    parser.addOption({QStringLiteral("wide"),
                      QStringLiteral("Win32 layout with UTF-16 text, as resource compilers read it.")});
    for (const StringOption &option : StringOptions)
        parser.addOption({QString::fromLatin1(option.name), QStringLiteral("Version string."),
                          QStringLiteral("text")});
}

// Fills the component from the options; returns an error text for bad values.
QString applyOptions(const QCommandLineParser &parser, TVersionInfo &info)
{
    info.ResFilename = parser.value(QStringLiteral("write"));
    if (parser.isSet(QStringLiteral("file-ver-num")))
        info.setFileVerNum(parser.value(QStringLiteral("file-ver-num")));
    if (parser.isSet(QStringLiteral("prod-ver-num")))
        info.setProdVerNum(parser.value(QStringLiteral("prod-ver-num")));
    const QString os = parser.value(QStringLiteral("os")).toLower();
    if (os != QLatin1String("windows16") && os != QLatin1String("windows32"))
        return QStringLiteral("--os must be windows16 or windows32");
    info.VFileOS = os == QLatin1String("windows16") ? TVos::Windows16 : TVos::Windows32;
    const QString type = parser.value(QStringLiteral("type")).toLower();
    if (type != QLatin1String("app") && type != QLatin1String("dll"))
        return QStringLiteral("--type must be app or dll");
    info.VFileType = type == QLatin1String("app") ? TVft::App : TVft::Dll;
    info.WideText = parser.isSet(QStringLiteral("wide"));
    for (const StringOption &option : StringOptions)
        info.*option.field = parser.value(QString::fromLatin1(option.name));
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pxverinfo"));
    QCommandLineParser parser;
    addOptions(parser);
    parser.process(app);
    if (!parser.isSet(QStringLiteral("write"))) {
        std::fprintf(stderr, "pxverinfo: --write FILE is required\n");
        return 2;
    }
    TVersionInfo info;
    QString error = applyOptions(parser, info);
    if (error.isEmpty())
        error = info.writeResourceFile();
    if (!error.isEmpty()) {
        std::fprintf(stderr, "pxverinfo: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
