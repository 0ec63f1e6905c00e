// What tells a file or folder apart from another, and a file from its earlier self.
#include "platform/file_stamp.h"

#include <QFile>

#include <sys/stat.h>

FileStamp FileStamp::fromStat(const struct stat &st)
{
    FileStamp stamp;
    stamp.valid = true;
    stamp.device = static_cast<std::uint64_t>(st.st_dev);
    stamp.inode = static_cast<std::uint64_t>(st.st_ino);
    stamp.size = static_cast<std::int64_t>(st.st_size);
    stamp.modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return stamp;
}

FileStamp FileStamp::of(const QString &hostPath)
{
    struct stat st;
    if (hostPath.isEmpty() || ::stat(QFile::encodeName(hostPath).constData(), &st) != 0)
        return {};
    return fromStat(st);
}
