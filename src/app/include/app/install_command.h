// "os2setup --install-new" and "os2setup --restore [N]": putting a CONFIG.SYS
// in place from the command line.
#pragma once

#include "app/command_line.h"
#include "app/install_step.h"

#include <QProcessEnvironment>

#include <cstdio>
#include <functional>

class QSettings;

// Where the answers to the question come from and where the texts go. The
// question is asked only when `in` is a terminal; otherwise only --yes says yes.
struct Terminal
{
    std::FILE *in = stdin;
    std::FILE *out = stdout;
    std::FILE *err = stderr;
};

// Prints what `proposal` changes (a unified diff) and what the check says of
// it; then, unless a finding stops the boot (--force goes past it; else
// `refused` ends the sentence "OS/2 vil ikke starte med ..., så ..."), asks
// `question` (or takes --yes) and runs `step`, printing what it returns. The
// message of a FileError from `step` is printed as it is: it says what was
// left. The statuses of runInstallNew().
int showAndRun(const CommandLine &commandLine, const installstep::Proposal &proposal, const QString &question,
               const QString &refused, const std::function<QString()> &step, const Terminal &terminal);

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
