// Text line files with CR LF line ends, read and written byte for byte.
#pragma once

#include "dos_path.h"

#include <QString>

#include <cstddef>
#include <limits>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

namespace linefile {

// Splits file contents into lines: CR LF ends a line, so does a bare LF; a line
// end at the very end adds no empty line. Every other byte stays in its line.
Lines split(const char *data, std::size_t size);

// Each line followed by CR LF.
std::string join(const Lines &lines);

// Reads `dosPath`. Throws FileError (with the DOS path and the cause) when the
// file cannot be read or holds more than `maxLines` lines.
Lines load(const DriveMap &drives, const QString &dosPath,
           std::size_t maxLines = std::numeric_limits<std::size_t>::max());

// Writes every line plus CR LF to `dosPath` through a temporary file that replaces
// the target only when all of it was written, so a failed save leaves the earlier
// file whole. A file without write permission counts as read-only and is refused.
void save(const DriveMap &drives, const QString &dosPath, const Lines &lines);

// Deletes `dosPath`, refusing a read-only file. Throws FileError on failure.
void remove(const DriveMap &drives, const QString &dosPath);

// True when `dosPath` names an existing file; a folder does not count, and a
// path that cannot be resolved (an unmapped drive) names no file.
bool exists(const DriveMap &drives, const QString &dosPath);

} // namespace linefile
