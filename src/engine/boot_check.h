// "Will it boot?": whether every file and folder that the active statements of
// a CONFIG.SYS name exists on the mapped drives.
#pragma once

#include "engine/search.h"
#include "platform/dos_path.h"

#include <QString>

#include <string>
#include <vector>

namespace bootcheck {

enum class Kind {
    Missing,   // a file or folder OS/2 needs at start is not there
    Warning,   // a folder of a search path (SET PATH, SET DPATH) is not there
    Unchecked, // the name is on a drive with no folder mapped to it
};

struct Finding
{
    LinePos line = NoLine; // 0-based
    Kind kind = Kind::Missing;
    QString what; // the name looked for, as the line writes it
    bool folder = false; // a folder (of a search path) rather than a file
};

struct Report
{
    std::vector<Finding> findings;
    int checked = 0; // names looked for
    int count(Kind kind) const;
};

// Checks every line that is not commented out with REM and whose statement
// names a file: BASEDEV=, DEVICE=, IFS=, RUN=, CALL=, PROTSHELL=, SHELL=,
// SET RUNWORKPLACE=, SET OS2_SHELL= (the name before the first blank), and each
// folder of LIBPATH= and, as warnings, of SET PATH= and SET DPATH=. Keys are
// matched without regard to case, as are the names on the drives; ".." never
// leaves a drive. A name without a drive is looked for on the boot drive C:,
// and a bare BASEDEV= name also in C:\OS2\BOOT, where OS/2 loads base drivers.
[[nodiscard]] Report checkDocument(const Lines &lines, const DriveMap &drives);

// One line for a finding: "Linje N: <the line> – finner ikke <what>", marked
// as a warning or as unchecked where it is one.
[[nodiscard]] QString describe(const Finding &finding, const Lines &lines);

// The last line: the counts.
[[nodiscard]] QString summary(const Report &report);

} // namespace bootcheck
