// The command line of os2setup: its options, the file to read, and what the
// program does at start.
#pragma once

#include "platform/drive_sources.h"
#include "platform/language_choice.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

class QProcessEnvironment;
class QSettings;

struct CommandLine
{
    // What the program does. Every action but OpenWindow ends the program
    // without a window (and without a display).
    enum class Action {
        OpenWindow,  // the editor
        ShowHelp,    // `text` on standard output, status 0
        ShowVersion, // `text` on standard output, status 0
        Check,       // the check of the whole file, see runCheck()
        InstallNew,  // C:\CONFIG.NEW in place as C:\CONFIG.SYS, see runInstallNew()
        Restore,     // the copies of C:\CONFIG.SYS, or one put back, see runRestore()
        TryNew,      // C:\CONFIG.NEW as a try in OS/2's boot menu, see runTryNew()
        Tries,       // the tries in the boot menu, see runTries()
        Untry,       // a try taken out of the boot menu, see runUntry()
        Fail,        // `text` on standard error, status 2
    };

    Action action = Action::OpenWindow;
    QString text;             // what ShowHelp, ShowVersion and Fail print, ending in a newline
    QStringList files;        // the arguments that are no option, as given
    QList<DriveOption> drives; // every --drive, in the order given
    bool chooseDrive = false; // --choose-drive
    QChar bootDrive;          // --boot-drive X, upper case; null when not given
    bool yes = false;         // --yes: no question before --install-new or --restore writes
    bool force = false;       // --force: in place even when the check says OS/2 will not start
    bool inWindow = false;    // --window: --install-new, --restore or --try-new in the window (the menu's actions)
    QString key;              // --key X: the key of a try, for --try-new and --install-new; as given
    QString untry;            // --untry X: the key of the try to take away; as given
    std::optional<uilanguage::Language> language; // --language CODE; none: the locale's
};

// Parses `arguments`, the program's name first. The toolkit's own options
// (-style X, -platform X, -reverse ...) are accepted and left to the toolkit:
// they are never files and never unknown.
CommandLine parseCommandLine(const QStringList &arguments);

// The file to read: exactly one file argument names it; none or more than one
// mean C:\CONFIG.SYS.
QString configFileFrom(const QStringList &files);

// The arguments of main() as text, decoded as the toolkit decodes them.
QStringList commandLineArguments(int argc, char **argv);

// The drives as given: every --drive, then the OS2SETUP_DRIVE_X variables,
// then the folder remembered in `settings` for C:.
DriveMap drivesOf(const CommandLine &commandLine, const QProcessEnvironment &environment, const QSettings &settings);

// `line` and a line end on `to`, in the terminal's encoding.
void printLine(std::FILE *to, const QString &line);

// For every action but OpenWindow: prints `text` where it belongs and returns
// the program's exit status.
int finishWithoutWindow(const CommandLine &commandLine);
