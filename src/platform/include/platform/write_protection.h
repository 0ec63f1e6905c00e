// A file's write protection lifted for one write and put back after it. Only
// OS/2's \OS2\BOOT\ALTF1BOT.SCR is written so: OS/2 ships it read-only, and a
// try of a new CONFIG.SYS adds a line to it.
#pragma once

#include "platform/dos_path.h"

#include <QString>

#include <optional>

class LiftedProtection
{
public:
    // Gives the owner write permission on `dosPath` (its real location, links
    // followed within the drive) when it lacks it; on a FAT mount that clears
    // the read-only attribute. Throws FileError naming the file when that is
    // refused: a mount read-only to everyone, root too, a file of another
    // user, a file system whose permissions cannot be changed.
    LiftedProtection(const DriveMap &drives, const QString &dosPath);
    // Puts the protection back, quietly, unless putBack() did.
    ~LiftedProtection();
    LiftedProtection(const LiftedProtection &) = delete;
    LiftedProtection &operator=(const LiftedProtection &) = delete;

    // Whether there was a protection to lift.
    bool lifted() const { return m_mode.has_value(); }
    // Gives the file at the name now (a write through a temporary file puts
    // a new one there) the permission bits the file had before. Throws
    // FileError naming it when that is refused.
    void putBack();

private:
    bool restore() const;

    const QString m_dosPath;
    QString m_host;
    std::optional<unsigned> m_mode;
};
