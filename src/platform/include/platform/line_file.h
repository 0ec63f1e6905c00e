// Text line files with CR LF line ends, read and written byte for byte.
#pragma once

#include "platform/dos_path.h"
#include "platform/file_stamp.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

using Lines = std::vector<std::string>;

namespace linefile {

// Splits file contents into lines: CR LF ends a line, so does a bare LF; a line
// end at the very end adds no empty line. Every other byte stays in its line.
// The strings of `reuse` (the lines of an earlier file) hold the first lines,
// so their memory serves again; what they held is gone.
Lines split(const char *data, std::size_t size, Lines reuse = {});

// Where each of `lines` begins in `bytes`, when they are what split() made of
// `bytes`, then bytes.size(); nothing when they are not (a line longer than
// what is left, or not followed by a line end where one must stand). Found
// from the lines' sizes alone.
std::vector<std::size_t> lineStarts(const Lines &lines, std::string_view bytes);

// Each line followed by CR LF.
std::string join(const Lines &lines);

// The bytes of `dosPath`. Only a plain file on its drive is read: a folder, a
// named pipe or a device is refused without being opened, as is a name that
// leads out of its drive (see DriveMap::resolve). Throws FileError (with the
// DOS path and the cause in Norwegian) on failure.
std::string readBytes(const DriveMap &drives, const QString &dosPath);

// Reads `dosPath` as lines, into the strings of `reuse` as split does. Throws
// FileError as readBytes does, and when the file holds more than `maxLines` lines.
Lines load(const DriveMap &drives, const QString &dosPath,
           std::size_t maxLines = std::numeric_limits<std::size_t>::max(), Lines reuse = {});

// A file as load() read it, with where it was read and its stamp then.
struct ReadFile
{
    Lines lines;
    // The bytes the lines were split from, as read.
    QByteArray bytes;
    QString hostPath;
    FileStamp stamp;
};
ReadFile read(const DriveMap &drives, const QString &dosPath,
              std::size_t maxLines = std::numeric_limits<std::size_t>::max(), Lines reuse = {});

// Writes `bytes` to `dosPath` through a temporary file that replaces the target
// only when all of it was written, so a failed save leaves the earlier file
// whole. The target is the real location (DriveMap::realPath): a link there is
// followed only within the drive, and replaced never. A file without write
// permission counts as read-only and is refused, as is anything that is not a
// plain file.
void saveBytes(const DriveMap &drives, const QString &dosPath, std::string_view bytes);

// Writes every line plus CR LF to `dosPath`, as saveBytes does.
void save(const DriveMap &drives, const QString &dosPath, const Lines &lines);

// Throws FileError when deleting `dosPath` cannot succeed as far as can be told
// beforehand: no such file, not a plain file, a read-only file or folder.
void checkRemovable(const DriveMap &drives, const QString &dosPath);

// Deletes `dosPath`, refusing what checkRemovable refuses. Throws FileError.
void remove(const DriveMap &drives, const QString &dosPath);

// Whether `dosPath` names an existing file; a folder does not count.
enum class Presence {
    File,
    NoFile,
    // The path cannot be looked at: its drive has no folder, it has no drive
    // letter A-Z, or it leads out of its drive. Nothing is known of the file.
    Unreachable,
};
Presence exists(const DriveMap &drives, const QString &dosPath);

// Throws FileError when a named pipe, a device or a socket stands at `dosPath`:
// something that is neither a file nor a folder, and must not be read.
void refuseSpecialFile(const DriveMap &drives, const QString &dosPath);

// The call that writes to a file descriptor, as write(2): the bytes written, or
// -1 with errno set. A test puts one in that writes less than asked; an empty
// one puts write(2) back.
using WriteCall = std::function<long(int fd, const char *data, unsigned long size)>;
void setWriteCallForTesting(WriteCall call);

} // namespace linefile
