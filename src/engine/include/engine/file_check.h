// "Sjekk": does the driver or file that a statement names exist on disk?
#pragma once

#include "platform/dos_path.h"

#include <QChar>
#include <QString>

#include <optional>
#include <string_view>

// The message for statement `s`, or nothing when it names neither a base driver
// ("BASEDEV="), a platform driver ("PSD=" at the start or after a blank) nor a
// path (":\"). A bare base or platform driver name is looked for where OS/2
// loads it from: the root of `bootDrive`, its \OS2\BOOT and its \OS2, and
// the message names the place it was found; a driver written with a path, and
// the path of case ":\", are looked for as written (a path without a drive on
// `bootDrive`). Only a regular file inside its drive's folder counts. A name on
// a drive without a folder, or whose folder cannot be read, is "ikke sjekket",
// as the check of the whole file says; a name that leads out of its drive
// counts as missing.
std::optional<QString> checkStatement(const DriveMap &drives, QChar bootDrive, std::string_view s);
