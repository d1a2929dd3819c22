// Every printed picture goes through a BMP file in the private temporary
// folder and is read back from it, so what reaches the page is exactly
// what the program's own BMP writer and reader make of it.
#pragma once

#include <QImage>
#include <QString>

// The temporary file's name.
inline constexpr const char *TempBitmapName = "$.$mp";

// image written as tempDir/$.$mp and read back; the file is deleted
// afterwards whatever happens. A null image when either step fails.
QImage roundTripThroughTempBitmap(const QImage &image, const QString &tempDir);
