#include "decor/mainversioninfo.h"

#include "decor/verinfo.h"

TVersionInfo *createVersionInfo1(QObject *mainWindow)
{
    auto *info = new TVersionInfo(mainWindow);
    info->setObjectName(QStringLiteral("VersionInfo1"));
    info->ResFilename = QStringLiteral("new.res");
    info->setFileVerNum(QStringLiteral("0.0.0.0"));
    info->setProdVerNum(QStringLiteral("1.1"));
    info->VFileOS = TVos::Windows32;
    info->VFileType = TVft::App;
    info->Comments = QStringLiteral("Not A Lot");
    info->CompanyName = QStringLiteral("Kelvane");
    info->FileDescription = QStringLiteral("Pixmoor Executable");
    info->FileVersion = QStringLiteral("1.01b");
    info->InternalName = QStringLiteral("pixmoor");
    info->LegalCopyright = QStringLiteral("Copyright Kelvane");
    info->OriginalFilename = QStringLiteral("pixmoor");
    info->ProductName = QStringLiteral("Pixmoor");
    info->ProductVersion = QStringLiteral("1.01b");
    return info;
}
