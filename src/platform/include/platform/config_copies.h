// Putting a new CONFIG.SYS in place, and the copies of CONFIG.SYS a user can
// go back to: OS/2's own (CONFIG.nnn, the desktop archives, the installer's)
// and the program's (in the user's data folder).
#pragma once

#include "platform/dos_path.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <string>
#include <vector>

class WriteGuard;

namespace configcopies {

// A copy of CONFIG.SYS that can be put back.
struct Copy
{
    enum class Kind {
        Numbered, // CONFIG.nnn beside CONFIG.SYS, as OS/2 names a replaced one
        Saved,    // a copy the program made in the user's data folder
        Bak,      // CONFIG.BAK beside CONFIG.SYS
        Archive,  // the CONFIG.SYS of a desktop archive (\OS2\ARCHIVES\n)
        Install,  // \OS2\INSTALL\CONFIG.SYS, which OS/2 falls back to at Alt+F1
    };
    Kind kind = Kind::Numbered;
    QString name;     // what the user is shown: its DOS path, or its host path
    QString dosPath;  // empty for a copy outside the drive
    QString hostPath;
    QDateTime time;   // when it was last written
    QString problem;  // why it cannot be read, in Norwegian; empty when it can

    bool readable() const { return problem.isEmpty(); }
};

// The DOS path of CONFIG.SYS, CONFIG.NEW and the like on `drive`.
QString onDrive(QChar drive, const QString &name);

// Where the program keeps its copies of the CONFIG.SYS of `drive`: a folder
// of its own below `dataFolder` for each drive's host folder.
QString savedFolder(const QString &dataFolder, const DriveMap &drives, QChar drive);

// Every copy of `drive`'s CONFIG.SYS there is: first those that can be read,
// newest first, then those that cannot, each with its `problem`. Anything that
// stands at a copy's name counts, a link that leads out of the drive or
// nowhere too, so that one bad copy never hides the others. Without a
// `dataFolder` the program's own copies are not looked for. Throws FileError
// when the drive has no folder.
std::vector<Copy> copies(const DriveMap &drives, QChar drive, const QString &dataFolder);

// The bytes of a copy. Throws FileError.
std::string read(const DriveMap &drives, const Copy &copy);

// What putInPlace() made of the CONFIG.SYS it replaced; both empty when
// there was none.
struct Replaced
{
    QString numbered; // its copy beside it, "C:\CONFIG.004"
    QString saved;    // its copy in the user's data folder (a host path)
};

// Puts `bytes` in place as `drive`'s CONFIG.SYS: copies the CONFIG.SYS there
// is to the first free CONFIG.nnn (001-999) beside it and into the user's data
// folder, then replaces it through a temporary file in the same folder,
// flushed to disk and renamed over it, and reads it back. Every write and
// read goes through `guard` first, as "Lagre" does: a drive that changed
// since the file was read, a name that leads out of the drive or onto
// another of the program's files, are refused; the copy in the data folder
// must land inside `dataFolder`. Refuses, changing nothing, when CONFIG.SYS is
// no longer `shownBytes` (it changed since the user was shown what would
// change; nothing shown means there was no CONFIG.SYS, and then one that has
// appeared since is refused), is read-only, or cannot be copied; any failure
// before the rename leaves it as it was, and takes back the copies made. A
// read-back that differs throws a FileError naming the copies.
Replaced putInPlace(const WriteGuard &guard, QChar drive, const std::optional<std::string> &shownBytes,
                    const std::string &bytes, const QString &dataFolder,
                    const QDateTime &now = QDateTime::currentDateTime());

} // namespace configcopies
