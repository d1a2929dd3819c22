// File attributes in the classic four-flag model, mapped onto the platform.
#pragma once

#include <QString>
#include <QtGlobal>

namespace FileAttribute {
enum : quint32 {
    ReadOnly = 0x01,
    Hidden = 0x02,
    System = 0x04,
    Directory = 0x10,
    Archive = 0x20,
};
}

// Attributes of the entry at path. On Unix: read-only is the missing owner
// write bit; hidden is a dot name or the hidden flag kept by file servers in
// the "user.DOSATTRIB" extended attribute, which also holds system and
// archive where the filesystem has it.
quint32 readFileAttributes(const QString &path);
