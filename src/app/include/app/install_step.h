// "Ta i bruk CONFIG.NEW" and "Gjenopprett CONFIG.SYS": what putting a file in
// place as CONFIG.SYS would change, whether OS/2 would start with it, and the
// step itself, for the window and the command line alike.
#pragma once

#include "engine/boot_check.h"
#include "engine/line_diff.h"
#include "platform/config_copies.h"

#include <QProcessEnvironment>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class WriteGuard;

namespace installstep {

// The drive OS/2 boots from, whose CONFIG.SYS is replaced.
inline constexpr QChar BootDrive = u'C';
QString configSys();
QString configNew();

// A file that could take CONFIG.SYS's place, and what that would mean.
struct Proposal
{
    QString source;        // what is put in place: "C:\CONFIG.NEW", or a copy's name
    std::string current;   // CONFIG.SYS as it is now; empty when there is none
    bool noConfigSys = false; // there is no CONFIG.SYS: nothing to keep a copy of
    std::string proposed;  // the bytes that would replace it
    Lines currentLines;
    Lines proposedLines;
    std::vector<linediff::Row> rows; // what changes, line by line
    bootcheck::Report report;        // the proposed file checked as OS/2 would boot it
    QString checkError;              // why the check could not run, when it could not

    // Findings that keep OS/2 from starting, or a check that could not run:
    // putting it in place then takes the user's "likevel".
    bool needsForce() const { return report.stopsBoot() || !checkError.isEmpty(); }
};

// Reads CONFIG.SYS and CONFIG.NEW (plain files only, as "Hent" reads). With
// no CONFIG.NEW, or one equal byte for byte to CONFIG.SYS, there is nothing
// to do: `nothing` then says why. A CONFIG.SYS that is missing is no error
// when the drive's folder holds an OS2 folder (see currentConfigSys). Throws
// FileError.
std::optional<Proposal> proposeNew(const DriveMap &drives, QString *nothing);

// The same for `bytes` read from `source` (a try of the boot menu). Throws
// FileError.
Proposal proposeBytes(const DriveMap &drives, const QString &source, std::string bytes);

// The same for a copy to go back to. Throws FileError.
Proposal proposeCopy(const DriveMap &drives, const configcopies::Copy &copy);

// The rows of the differences as the window lists them (see changerow):
// "Linje N: <before> → <after>", "Linje N: + <after>", "Linje N: − <before>",
// each text cut so that the arrow and the start of both show.
QStringList describeRows(const std::vector<linediff::Row> &rows);

// How many lines a copy differs in from today's CONFIG.SYS, for the list of
// copies; -1 when it cannot be read.
int linesDiffering(const DriveMap &drives, const configcopies::Copy &copy, const Lines &today);

// A copy as the lists show it: its date, its name, what kind of copy it is and
// how many lines it differs in ("2026-12-09 20:15  C:\CONFIG.004  (tidligere
// CONFIG.SYS, 3 linjer forskjellig)").
QString describeCopy(const configcopies::Copy &copy, int differing);

// CONFIG.SYS as it is now; nothing when it is missing on a drive whose folder
// holds an OS2 folder, where OS/2 then cannot start and recovery is needed
// most. A folder without one is refused: it may be a mount point with nothing
// mounted on it. Throws FileError.
std::optional<std::string> currentConfigSys(const DriveMap &drives);

// CONFIG.SYS as it is now, as lines (none when it is missing), for the list
// of copies. Throws FileError as currentConfigSys does.
Lines todaysLines(const DriveMap &drives);

// A copy as the lists show one that cannot be read: its name, what kind of
// copy it is and why ("C:\CONFIG.BAK  (reservekopi) kan ikke leses: ...").
QString describeUnreadable(const configcopies::Copy &copy);

// What the window and the command line both say:
// that the check of the proposed file could not run;
QString checkFailed(const Proposal &proposal);
// that a failed step left CONFIG.SYS as it was (after the error's message);
QString nothingChanged(const QString &error);
// that there is no CONFIG.SYS, so that nothing is copied first;
std::optional<QString> noConfigSysNote(const Proposal &proposal);
// when the lines are the same and only their ends differ (CR LF against LF,
// or a line end after the last line), that putting the file in place changes
// only those;
std::optional<QString> onlyLineEnds(const Proposal &proposal);
// that there is no copy to go back to;
QString noCopies();
// and, for a copy equal byte for byte to today's file, that there is nothing
// to restore (nothing for any other).
std::optional<QString> nothingToRestore(const Proposal &proposal);

// Puts the proposal in place (configcopies::putInPlace), every write through
// `guard`, and returns what to tell the user: which copies were made, and
// what to do should OS/2 then not start. Refuses, before anything is written,
// when a copy is to be made and there is no `dataFolder`. Throws FileError.
QString putInPlace(const WriteGuard &guard, const Proposal &proposal, const QString &dataFolder);

// Where the program keeps its own copies: the user's data folder for
// os2setup, $XDG_DATA_HOME/os2setup or ~/.local/share/os2setup. Without HOME
// the home folder is the one the password database gives (`passwdHome`, the
// effective user's by default); empty when that fails too.
QString dataFolder(const QProcessEnvironment &environment,
                   const std::function<QString()> &passwdHome = {});
// Why there is no data folder, naming HOME.
QString noDataFolder();

} // namespace installstep
