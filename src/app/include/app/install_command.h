// "os2setup --install-new" and "os2setup --restore [N]": putting a CONFIG.SYS
// in place from the command line.
#pragma once

#include "app/command_line.h"

#include <QProcessEnvironment>

#include <cstdio>

class QSettings;

// Where the answers to the question come from and where the texts go. The
// question is asked only when `in` is a terminal; otherwise only --yes says yes.
struct Terminal
{
    std::FILE *in = stdin;
    std::FILE *out = stdout;
    std::FILE *err = stderr;
};

// --install-new: prints what C:\CONFIG.NEW changes in C:\CONFIG.SYS as a
// unified diff and the check of C:\CONFIG.NEW, then, unless a finding stops
// the boot (--force puts it in place all the same), asks (or takes --yes) and
// puts it in place after copies of the old one. Returns 0 when done or when
// there is nothing to do, 1 when refused (the check, a "no"), 2 when a file
// cannot be read or written. `dataFolder` holds the program's own copies.
int runInstallNew(const CommandLine &commandLine, const QProcessEnvironment &environment, const QSettings &settings,
                  const QString &dataFolder, const Terminal &terminal = {});

// --restore: without a number lists the copies of C:\CONFIG.SYS to go back
// to, newest first; with one (the single file argument) puts that copy in
// place as --install-new puts C:\CONFIG.NEW. The same statuses.
int runRestore(const CommandLine &commandLine, const QProcessEnvironment &environment, const QSettings &settings,
               const QString &dataFolder, const Terminal &terminal = {});
