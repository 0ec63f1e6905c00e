// "os2setup --check": the check of the whole file from the command line.
#pragma once

#include "app/command_line.h"

#include <QProcessEnvironment>

#include <cstdio>

class QSettings;

// Reads the file the command line names (C:\CONFIG.SYS by default), with the
// drives from the options, the variables in `environment` and the folder
// remembered in `settings`, checks it as booted from the drive that
// bootcheck::bootDriveOf() gives (--boot-drive first), and writes one line per
// finding, in line order, and a last line with the counts to `out`. Returns 1
// when a finding stops the boot or a file is missing, 2 when the file or a
// drive cannot be read (its message then goes to `err`), else 0 (warnings and
// names not checked included).
int runCheck(const CommandLine &commandLine, const QProcessEnvironment &environment, const QSettings &settings,
             std::FILE *out, std::FILE *err);
