// The words and values of a CONFIG.SYS as OS/2 reads them at start: a
// statement it does not know, a value it does not take.
#pragma once

#include "engine/boot_check.h"

#include <string_view>
#include <vector>

namespace bootcheck {

// The statement word of an active line: the text up to its first "=", blank or
// tab, after the blanks and the Ctrl-Z characters that may end a file. Empty for a blank line, a line of
// Ctrl-Z characters, and a REM line.
[[nodiscard]] std::string_view statementWord(std::string_view line);

// Whether OS/2 or its DOS support takes `word` (any letter case) as the start
// of a CONFIG.SYS line.
[[nodiscard]] bool isKnownStatement(std::string_view word);

// Appends, in line order, a finding for every active line whose statement OS/2
// does not know (Reason::UnknownStatement) and for every value OS/2 does not
// take (Reason::BadValue), both of Kind::Missing: OS/2 shows the line at start
// and goes on with its default.
void checkStatements(const Lines &lines, std::vector<Finding> &findings);

} // namespace bootcheck
