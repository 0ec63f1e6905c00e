// The files of OS/2's recovery menu (Alt+F1) in \OS2\BOOT of the boot drive:
// their DOS paths, and reading them as bytes within the limits of a menu.
#pragma once

#include "platform/dos_path.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <optional>
#include <string>

class WriteGuard;

namespace menufiles {

// A menu file holds at most this much: the menu is one text screen.
inline constexpr std::size_t MaxMenuBytes = 64 * 1024;

// The three files OS/2 shows, top to bottom. A try's line goes into Bottom.
enum class Part { Top, Middle, Bottom };

// "C:\OS2\BOOT"
QString bootFolder(QChar drive);
// "C:\OS2\BOOT\ALTF1TOP.SCR", "...\ALTF1MID.SCR", "...\ALTF1BOT.SCR"
QString menuFile(QChar drive, Part part);
// "C:\OS2\BOOT\CONFIG.K": the file OS/2 boots with at key K of the menu.
QString tryFile(QChar drive, char key);

// Why `bytes` are no menu file, in Norwegian, naming `dosPath`: more than
// MaxMenuBytes, or a NUL byte. Nothing when they may be one.
std::optional<QString> refusal(const QString &dosPath, const std::string &bytes);

// The bytes of the menu file `dosPath`. Throws FileError naming it when it is
// missing, is no plain file, cannot be read, or is refused by refusal(); a
// file over the limit is refused before it is read.
std::string read(const DriveMap &drives, const QString &dosPath);

// read() for a file that may be missing: nothing when it is.
std::optional<std::string> readIfPresent(const DriveMap &drives, const QString &dosPath);

// Writes `bytes` over the menu file `dosPath` through `guard`, as every write
// goes, and reads them back. Refuses, writing nothing, when the file is no
// longer `expected` (it changed since it was read) or `bytes` would be no
// menu file (refusal()). A file without write permission is refused: its
// protection is lifted first (LiftedProtection). When what is read back
// differs, `expected` is written again and FileError tells both.
void replace(const WriteGuard &guard, const QString &dosPath, const std::string &expected, const std::string &bytes);

// The names of the entries of the folder `dosFolder`, as the host file
// system spells them. Throws FileError naming it when it is missing or
// cannot be read.
QStringList folderNames(const DriveMap &drives, const QString &dosFolder);

} // namespace menufiles
