// "Will it boot?": whether every file and folder that the active statements of
// a CONFIG.SYS name is where OS/2 looks for it, and how bad it is when not.
#pragma once

#include "engine/search.h"
#include "platform/dos_path.h"

#include <QChar>
#include <QString>

#include <vector>

namespace bootcheck {

// How bad a finding is, the worst first.
enum class Kind {
    StopsBoot, // OS/2 cannot come up
    Missing,   // OS/2 shows an error at start and goes on
    Warning,   // command sessions or programs are affected, not the start
    Unchecked, // the name was not looked for
};

enum class Reason {
    NotFound,     // not where OS/2 looks for it
    NoLibPath,    // the file has no active LIBPATH statement (line NoLine)
    Unmapped,     // on a drive with no folder mapped to it
    OutsideDrive, // its real location (links resolved) lies outside its drive's folder
    NotAFileName, // a BASEDEV= or PSD= with a drive or a path, which OS/2 does not take
    Unused,       // a statement OS/2 takes once, overridden by a later line
    UnknownStatement, // a statement OS/2 does not know (`what`: its word)
    BadValue,     // a value OS/2 does not take (`what`: the value, `expected`: what it takes)
    Doubled,      // a folder named a second time in the same search list
};

struct Finding
{
    LinePos line = NoLine; // 0-based; NoLine for the file as a whole
    Kind kind = Kind::Missing;
    Reason reason = Reason::NotFound;
    QString what;        // the name looked for, as the line writes it
    bool folder = false; // a folder rather than a file
    QChar drive;         // the drive the name lies on, for OutsideDrive
    QString expected;    // for BadValue: the values OS/2 takes
};

struct Report
{
    std::vector<Finding> findings; // in line order
    int checked = 0;               // names looked for
    QChar bootDrive;
    int count(Kind kind) const;
    // Whether OS/2 would fail to come up with this file.
    bool stopsBoot() const;
    // Whether anything OS/2 loads at start is missing (the check's status 1).
    bool failed() const;
};

// The drive OS/2 boots from when it reads `file`: `given` when it is a letter
// (the option --boot-drive), else the drive of `file` ("E:\CONFIG.SYS"), else,
// for a host path, the drive of the \OS2\DLL folder on the last active LIBPATH
// of `lines`, else C:.
[[nodiscard]] QChar bootDriveOf(const QString &file, const Lines &lines, QChar given = {});

// Checks the active lines (not commented out with REM) as OS/2 reads them at
// start from `bootDrive`:
// - every line names a statement OS/2 knows, with a value it takes
//   (statement_check.h);
// - BASEDEV= and PSD= take a file name only, found in the boot drive's root,
//   \OS2\BOOT or \OS2; the first PSD found is the one OS/2 uses, so a later
//   one that is missing is only a warning; DEVICE=, IFS=, RUN=, CALL=,
//   PROTSHELL=, SHELL=, COUNTRY=
//   (its file), DEVINFO=KBD|SCR (its last field), SET RUNWORKPLACE=,
//   SET OS2_SHELL=, SET USER_INI= and SET SYSTEM_INI= name a file, and one
//   without a path lies in the boot drive's root;
// - SWAPPATH= names a folder (its first word); LIBPATH=, SET PATH= and
//   SET DPATH= a list of folders, whose relative entries are skipped, and a
//   folder named twice in one list is a warning;
// - of PROTSHELL, SET RUNWORKPLACE, LIBPATH, SWAPPATH and COUNTRY the last
//   active line counts, the earlier ones are unused.
// Throws FileError when a drive it looks on is mapped to a folder that does
// not exist.
[[nodiscard]] Report checkDocument(const Lines &lines, const DriveMap &drives, QChar bootDrive);

// One line for a finding, "Linje N: <the line> – <what>", where <what> begins
// with "stopper oppstarten: ", "finner ikke ", "OS/2 kjenner ikke ", "OS/2
// godtar ikke ", "advarsel: " or "ikke sjekket: ".
[[nodiscard]] QString describe(const Finding &finding, const Lines &lines);

// The last line: the counts and the boot drive.
[[nodiscard]] QString summary(const Report &report);

// The findings, the worst kind first, each kind in line order.
[[nodiscard]] std::vector<Finding> worstFirst(std::vector<Finding> findings);

} // namespace bootcheck
