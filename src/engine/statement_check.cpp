// The words and values of a CONFIG.SYS as OS/2 reads them at start: a
// statement it does not know, a value it does not take.
//
// OS/2 shows a line it cannot read at start and, with PAUSEONERROR=YES (the
// default), waits for Enter before it goes on; a value it does not take is
// shown the same way and the default used instead. Neither stops the boot.
#include "engine/statement_check.h"

#include "engine/statements.h"
#include "platform/text8.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace bootcheck {
namespace {

using text8::isBlank;

constexpr char kCtrlZ = '\x1A';

// The statements OS/2 and its DOS support take, in upper case and in sorted
// order. From IBM's OS/2 Command Reference (the statements listed in "OS/2
// Config.Sys Statements", http://www.jrtinfo.com/Help/Os2Cfg.php); CALL, DOS,
// FILES and the DOS statements from the Config.sys Documentation Project
// (EDM2, http://www.edm2.com/index.php/CONFIG.SYS_-_DOS_Commands); PSD from
// IBM's OS/2 for SMP V2.11 Reference ("Platform Specific Drivers",
// https://komh.github.io/os2books/smp/006_L1_PlatformSpecificDriv.html);
// VIRTUALADDRESSLIMIT from IBM's OS/2 Warp Server for SMP addendum
// (https://www.os2.kr/komh/os2books/smpadd-19970312/043_L2_VIRTUALADDRESSLIMITP.html);
// CLOCKSCALE from EDM2's "CONFIG.SYS - Commands"
// (http://www.edm2.com/index.php/CONFIG.SYS_-_Commands); the statements of
// later kernels (EARLYMEMINIT, PROCESSES, SHELLHANDLESINC, SUPPRESSPOPUPS,
// RESERVEDRIVELETTER, DUMPPROCESS, TRAPDUMP, REIPL, NDWTIMER, SXFAKEHWFPU,
// DLLBASING, VME, I13PAGES) as the files of current installations and the
// same pages name them. Where no source at hand settles a name, taking it is
// the conservative reading: a name taken wrongly costs a finding missed, a
// name missed costs a false alarm. RESTARTOBJECTS is the bare form earlier
// versions of this program wrote; OS/2 reads the setting as SET
// RESTARTOBJECTS, and the bare line is shown as having no effect where the
// setting is edited.
constexpr std::array<std::string_view, 54> kStatements = {
    "AUTOFAIL",         "BASEDEV",          "BREAK",        "BUFFERS",          "CACHE",
    "CALL",             "CLOCKSCALE",       "CODEPAGE",     "COUNTRY",          "DEVICE",
    "DEVINFO",          "DISKCACHE",        "DLLBASING",    "DOS",              "DUMPPROCESS",
    "EARLYMEMINIT",     "FCBS",             "FILES",        "I13PAGES",         "IFS",
    "IOPL",             "LASTDRIVE",        "LIBPATH",      "LOG",              "MAXWAIT",
    "MEMMAN",           "NDWTIMER",         "PAUSEONERROR", "PRINTMONBUFSIZE",  "PRIORITY",
    "PRIORITY_DISK_IO", "PROCESSES",        "PROTECTONLY",  "PROTSHELL",        "PSD",
    "REIPL",            "REM",              "RESERVEDRIVELETTER", "RESTARTOBJECTS", "RMSIZE",
    "RUN",              "SET",              "SHELL",        "SHELLHANDLESINC",  "SUPPRESSPOPUPS",
    "SWAPPATH",         "SXFAKEHWFPU",      "THREADS",      "TIMESLICE",        "TRACE",
    "TRACEBUF",         "TRAPDUMP",         "VIRTUALADDRESSLIMIT", "VME",
};

constexpr auto kSorted = [] {
    auto names = kStatements;
    std::sort(names.begin(), names.end());
    return names;
}();

constexpr std::size_t kLongest = [] {
    std::size_t n = 0;
    for (const std::string_view name : kStatements)
        n = std::max(n, name.size());
    return n;
}();

bool isNumberIn(std::string_view value, int min, int max)
{
    const std::optional<int> n = statements::number(value);
    return n && *n >= min && *n <= max;
}

bool isOneOf(std::string_view value, std::initializer_list<std::string_view> words)
{
    const std::string upper = text8::upper(text8::trimmed(value));
    return std::find(words.begin(), words.end(), upper) != words.end();
}

// "x" or "x,y": x at least 32, y at least x and under 65536.
bool isTimeSlice(std::string_view value)
{
    const std::size_t comma = value.find(',');
    const std::optional<int> min = statements::number(value.substr(0, comma));
    if (!min || *min < 32 || *min > 65535)
        return false;
    if (comma == std::string_view::npos)
        return true;
    const std::optional<int> max = statements::number(value.substr(comma + 1));
    return max && *max >= *min && *max <= 65535;
}

struct ValueRule
{
    std::string_view name;
    bool (*accepts)(std::string_view value);
    const char *expected; // what OS/2 takes, in the words of a finding (a source text)
};

// The values OS/2 takes, with where each rule comes from.
constexpr ValueRule kValueRules[] = {
    // IBM Control Program Guide, "About Program Execution Control": "a
    // system-wide maximum of 4095 threads"
    // (https://www.os2.kr/komh/os2books/os2tk45/cp3/077_L2_AboutProgramExecutio.html).
    // No source at hand gives the smallest value, so none is checked.
    {"THREADS", [](std::string_view v) { return isNumberIn(v, 0, 4095); }, QT_TRANSLATE_NOOP("Check", "et helt tall, høyst 4095")},
    // A number of seconds (IBM's Command Reference); no source at hand gives
    // its largest value, so only a whole number of at least 1 is asked for.
    {"MAXWAIT", [](std::string_view v) { return isNumberIn(v, 1, 2147483647); }, QT_TRANSLATE_NOOP("Check", "et helt antall sekunder, minst 1")},
    // IBM Control Program Guide, "Altering the Size of the Time Slice"
    // (https://komh.github.io/os2books/os2tk45/cp3/093_L3_AlteringtheSizeofthe.html).
    {"TIMESLICE", isTimeSlice, QT_TRANSLATE_NOOP("Check", "minst 32, og en andre verdi minst like stor og under 65536")},
    // IBM Control Program Guide, "Dynamic Priority Alteration"
    // (https://komh.github.io/os2books/os2tk45/cp3/092_L3_DynamicPriorityAlter.html).
    {"PRIORITY", [](std::string_view v) { return isOneOf(v, {"ABSOLUTE", "DYNAMIC"}); }, QT_TRANSLATE_NOOP("Check", "ABSOLUTE eller DYNAMIC")},
    // IBM OS/2 Warp Server for SMP addendum, "VIRTUALADDRESSLIMIT": a value
    // outside 512-3072 gives an error message and the default 2048.
    {"VIRTUALADDRESSLIMIT", [](std::string_view v) { return isNumberIn(v, 512, 3072); }, QT_TRANSLATE_NOOP("Check", "et helt tall fra 512 til 3072")},
    // EDM2, "CONFIG.SYS - Commands": CLOCKSCALE takes 1, 2 and 4.
    {"CLOCKSCALE", [](std::string_view v) { return isOneOf(v, {"1", "2", "4"}); }, QT_TRANSLATE_NOOP("Check", "1, 2 eller 4")},
    // EDM2, "CONFIG.SYS - DOS Commands": BUFFERS from 1 to 100, BREAK ON or OFF.
    {"BUFFERS", [](std::string_view v) { return isNumberIn(v, 1, 100); }, QT_TRANSLATE_NOOP("Check", "et helt tall fra 1 til 100")},
    {"BREAK", [](std::string_view v) { return isOneOf(v, {"ON", "OFF"}); }, QT_TRANSLATE_NOOP("Check", "ON eller OFF")},
    // IBM's Command Reference ("AUTOFAIL", http://www.jrtinfo.com/Help/Os2Cfg.php).
    {"AUTOFAIL", [](std::string_view v) { return isOneOf(v, {"YES", "NO"}); }, QT_TRANSLATE_NOOP("Check", "YES eller NO")},
};

bool equalsUpper(std::string_view text, std::string_view upperText)
{
    return text.size() == upperText.size() && text8::startsWithUpper(text, upperText);
}

bool isRemark(std::string_view line)
{
    return text8::startsWithUpper(line, "REM") && (line.size() == 3 || isBlank(line[3]));
}

// `line` without the blanks and Ctrl-Z characters around it.
std::string_view stripped(std::string_view line)
{
    const auto skip = [](char c) { return isBlank(c) || c == kCtrlZ; };
    while (!line.empty() && skip(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && skip(line.back()))
        line.remove_suffix(1);
    return line;
}

} // namespace

std::string_view statementWord(std::string_view line)
{
    line = stripped(line);
    if (line.empty() || isRemark(line))
        return {};
    return line.substr(0, line.find_first_of("= \t"));
}

bool isKnownStatement(std::string_view word)
{
    if (word.empty() || word.size() > kLongest)
        return false;
    char buffer[kLongest];
    text8::upperInto(word.data(), word.size(), buffer);
    return std::binary_search(kSorted.begin(), kSorted.end(), std::string_view(buffer, word.size()));
}

void checkStatements(const Lines &lines, std::vector<Finding> &findings)
{
    const std::size_t n = std::min(lines.size(), MaxDocumentLines);
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view line = stripped(lines[i]);
        const std::string_view word = statementWord(line);
        if (word.empty()) {
            // A line that begins with "=" names no statement at all.
            if (!line.empty() && line.front() == '=')
                findings.push_back({static_cast<LinePos>(i), Kind::Missing, Reason::UnknownStatement, {}, false, {}, {}});
            continue;
        }
        if (!isKnownStatement(word)) {
            findings.push_back({static_cast<LinePos>(i), Kind::Missing, Reason::UnknownStatement,
                                text8::toDisplay(word), false, {}, {}});
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view value = text8::trimmed(line.substr(equals + 1));
        for (const ValueRule &rule : kValueRules) {
            if (!equalsUpper(word, rule.name))
                continue;
            if (!rule.accepts(value))
                findings.push_back({static_cast<LinePos>(i), Kind::Missing, Reason::BadValue, text8::toDisplay(value),
                                    false, {}, QCoreApplication::translate("Check", rule.expected)});
            break;
        }
    }
}

} // namespace bootcheck
