#pragma once
// What the eleven files of a set look like on disk (existence, size, change time, file
// identity), to notice that another program rewrote them since this one read them.

#include <QString>

#include <vector>

struct SetDiskState {
    struct File {
        bool exists = false;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        quint64 inode = 0;
        bool operator==(const File&) const = default;
    };
    std::vector<File> files; // ".set", ".sdx", then the nine bitmaps
    bool operator==(const SetDiskState&) const = default;
};

SetDiskState ReadSetDiskState(const QString& setPath);
