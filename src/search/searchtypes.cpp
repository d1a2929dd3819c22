#include "search/searchtypes.h"

const QList<SearchType> &searchTypes()
{
    static const QList<SearchType> types = {
        {QStringLiteral("*.*        All Files"),
         {QStringLiteral("*.Bmp"), QStringLiteral("*.Dib"), QStringLiteral("*.Emf"), QStringLiteral("*.gif"),
          QStringLiteral("*.ico"), QStringLiteral("*.jpg"), QStringLiteral("*.pcx"), QStringLiteral("*.png"),
          QStringLiteral("*.tif"), QStringLiteral("*.wmf")}},
        {QStringLiteral("*.Bmp  Bmp Files"), {QStringLiteral("*.Bmp")}},
        {QStringLiteral("*.Dib   Dib Files"), {QStringLiteral("*.Dib")}},
        {QStringLiteral("*.Emf   Emf Files"), {QStringLiteral("*.Emf")}},
        {QStringLiteral("*.Gif    Gif Files"), {QStringLiteral("*.gif")}},
        {QStringLiteral("*.Ico    Icon Files"), {QStringLiteral("*.ico")}},
        {QStringLiteral("*.Jpg   Jpeg Files"), {QStringLiteral("*.jpg")}},
        {QStringLiteral("*.Pcx   Pcx Files"), {QStringLiteral("*.pcx")}},
        {QStringLiteral("*.Png   Png Files"), {QStringLiteral("*.png")}},
        {QStringLiteral("*.Tif     Tiff Files"), {QStringLiteral("*.tif")}},
        {QStringLiteral("*.Wmf  Wmf Files"), {QStringLiteral("*.wmf")}},
    };
    return types;
}
