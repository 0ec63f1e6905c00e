// What tells a file or folder apart from another, and a file from its earlier self.
#pragma once

#include <QString>

#include <cstdint>

struct stat;

struct FileStamp
{
    bool valid = false; // false: nothing could be told (no such file)
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modified = 0; // nanoseconds since 1970

    // The stamp of `hostPath`, links followed; invalid when it cannot be looked at.
    static FileStamp of(const QString &hostPath);
    static FileStamp fromStat(const struct stat &st);

    // The same file or folder: the same device and inode.
    bool sameObject(const FileStamp &other) const
    {
        return valid && other.valid && device == other.device && inode == other.inode;
    }
    // The same file, neither resized nor written since.
    bool unchangedSince(const FileStamp &earlier) const
    {
        return sameObject(earlier) && size == earlier.size && modified == earlier.modified;
    }
};
