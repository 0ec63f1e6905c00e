// The fixed parts of "os2setup --help", in the language installed.
#pragma once

#include <QString>

// How the program is called and what it does, up to "Valg:" and its line end.
QString usageHead();

// What comes after the options: where the drives come from and what the
// tasks do, from the empty line after the options to the end.
QString usageTail();
