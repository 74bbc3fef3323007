#pragma once

#include <QString>
#include <QtGlobal>

// What tells one state of a file from another without reading it: whether
// it exists, its size, its modification time to the nanosecond and its
// file number (a file replaced by a new one gets a new number).
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0; // since the epoch
    quint64 device = 0;
    quint64 inode = 0;

    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const QString& path);

// The wall clock, in nanoseconds since the epoch, as file times count.
qint64 WallClockNs();
