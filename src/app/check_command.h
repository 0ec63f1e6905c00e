// "os2setup --check": the check of the whole file from the command line.
#pragma once

#include "app/command_line.h"

#include <QProcessEnvironment>

#include <cstdio>

class QSettings;

// Reads the file the command line names (C:\CONFIG.SYS by default), with the
// drives from the options, the variables in `environment` and the folder
// remembered in `settings`, and writes one line per finding and a last line
// with the counts to `out`. Returns 0 when nothing is missing, 1 when something
// is, 2 when the file cannot be read (its message then goes to `err`).
int runCheck(const CommandLine &commandLine, const QProcessEnvironment &environment, const QSettings &settings,
             std::FILE *out, std::FILE *err);
