// What the drive information window shows about the volume of a folder.
#pragma once

#include <QString>

class Volumes;

struct DriveDetails
{
    QString path;
    QString size;
    QString free;
    QString used;
    QString type;
};

// Sizes in kilobytes (bytes / 1024, rounded down) followed by " KBytes";
// "Not Available" when the volume cannot be asked.
DriveDetails driveDetails(const QString &folder, const Volumes &volumes);
