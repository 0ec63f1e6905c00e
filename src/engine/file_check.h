// "Sjekk": does the driver or file that a statement names exist on disk?
#pragma once

#include "platform/dos_path.h"

#include <QString>

#include <optional>
#include <string_view>

// The message for statement `s`, or nothing when it names neither a base driver
// ("BASEDEV=") nor a path (":\"). A base driver is looked for as it stands (a
// bare name in the current folder) and then in C:\OS2\BOOT\. Only a regular file
// counts; whatever cannot be tested counts as missing.
std::optional<QString> checkStatement(const DriveMap &drives, std::string_view s);
