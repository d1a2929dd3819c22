// Volumes for tests: one volume of a chosen size and kind.
#pragma once

#include "platform/volumes.h"

class FakeVolumes : public Volumes
{
public:
    std::optional<VolumeSpace> space(const QString &path) const override
    {
        asked = path;
        return readable ? std::optional<VolumeSpace>(VolumeSpace{totalBytes, freeBytes}) : std::nullopt;
    }
    DriveType driveType(const QString &) const override { return type; }

    quint64 totalBytes = 0;
    quint64 freeBytes = 0;
    bool readable = true;
    DriveType type = DriveType::Fixed;
    mutable QString asked;
};
