// "os2setup --try-new", "--tries", "--untry X" and "--install-new --key X":
// a new CONFIG.SYS tried from OS/2's boot menu, from the command line.
#pragma once

#include "app/install_command.h"

#include <QProcessEnvironment>

class QSettings;

// --try-new [--key X]: shows and checks C:\CONFIG.NEW as --install-new does,
// then, unless a finding stops the boot (--force), asks (or takes --yes) and
// adds it as a try (trystep::tryNew), telling what to press at the next boot.
// The statuses of runInstallNew(); a key that is taken, or none free, is
// refused (1) before anything is shown.
int runTryNew(const CommandLine &commandLine, const QProcessEnvironment &environment, const QSettings &settings,
              const Terminal &terminal = {});

// --tries: the tries in the boot menu, each with its key, its date and
// whether it still equals C:\CONFIG.NEW. 0, or 2 when the menu cannot be read.
int runTries(const CommandLine &commandLine, const QProcessEnvironment &environment, const QSettings &settings,
             const Terminal &terminal = {});

// --untry X: takes the try X out of the menu, its line and then its file.
// 0 when done, 2 when refused or a file cannot be read or written.
int runUntry(const CommandLine &commandLine, const QProcessEnvironment &environment, const QSettings &settings,
             const Terminal &terminal = {});

// --install-new --key X: puts the try X in place as C:\CONFIG.SYS as
// --install-new puts C:\CONFIG.NEW, then takes it out of the menu.
int runInstallTry(const CommandLine &commandLine, const QProcessEnvironment &environment, const QSettings &settings,
                  const QString &dataFolder, const Terminal &terminal = {});
