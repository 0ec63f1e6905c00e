// The statements of a CONFIG.SYS that name files and folders OS/2 needs at
// start, recognised as OS/2 reads them.
#pragma once

#include "engine/boot_check.h"
#include "platform/line_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace bootcheck {

// What the value of a statement names.
enum class Shape {
    Driver,      // BASEDEV=: a file name, looked for in three folders
    Platform,    // PSD=: a file name, looked for as BASEDEV; the first found counts
    File,        // a file, the value up to its first blank
    CountryFile, // COUNTRY=nnn,FILE
    DevinfoFile, // DEVINFO=KBD|SCR,...,FILE
    Folder,      // a folder, the value up to its first blank
    LibPath,     // folders separated by ';'
    SearchPath,  // folders separated by ';', for programs only
};

struct Rule
{
    std::string_view name; // upper case, without SET and "="
    bool set;              // written "SET <name>="
    Shape shape;
    Kind ifMissing;
    bool once; // OS/2 takes only the last active one
};

struct Statement
{
    LinePos line;
    const Rule *rule;
    std::string_view value; // after "=", without the blanks around it
    bool unused;            // a `once` statement that a later line overrides
};

// The statements of the active lines of `lines`, in line order. They point
// into `lines`. Reading stops at the first Ctrl-Z: nothing after it counts.
std::vector<Statement> statementsOf(const Lines &lines);

// `s` split at `separator`, each part without the blanks around it, empty
// parts left out.
std::vector<std::string_view> splitList(std::string_view s, char separator);

// `s` up to its first blank or tab.
std::string_view firstWord(std::string_view s);

// True when `name` begins with a drive letter A-Z and ":".
bool hasDriveLetter(std::string_view name);

// Where BASEDEV= drivers and PSD= platform drivers are loaded from, in this
// order, on the boot drive. IBM names the root and \OS2 for both (OS/2
// Command Reference, BASEDEV; OS/2 for SMP V2.11 Reference, "Platform
// Specific Drivers",
// https://komh.github.io/os2books/smp/006_L1_PlatformSpecificDriv.html);
// installations since Warp 4 keep them in \OS2\BOOT, and ArcaOS keeps
// ACPI.PSD there (Arca Noae's log tool reads it from \OS2\BOOT\ACPI.PSD).
inline constexpr std::string_view DriverFolders[] = {"\\", "\\OS2\\BOOT\\", "\\OS2\\"};

// True when a BASEDEV= or PSD= value names more than a file name: a drive or a
// folder, which OS/2 does not accept there.
bool namesAPath(std::string_view name);

// The DOS path of `name` as OS/2 reads it at start: a name without a drive
// lies on the boot drive `boot`, from its root.
std::string onBootDrive(std::string_view name, char boot);

// True when the folder `entry` of a search list is relative ("." or ".\DLL"):
// neither a drive nor the root of one.
bool isRelative(std::string_view entry);

// True when `entry` names the \OS2\DLL folder of some drive.
bool isSystemDllFolder(std::string_view entry);

} // namespace bootcheck
