// The statements of a CONFIG.SYS that name files and folders OS/2 needs at
// start, recognised as OS/2 reads them.
#include "engine/boot_statements.h"

#include "platform/text8.h"

#include <array>

namespace bootcheck {
namespace {

using text8::isBlank;
using text8::trimmed;

constexpr std::array<Rule, 18> kRules = {{
    {"BASEDEV", false, Shape::Driver, Kind::Missing, false},
    {"DEVICE", false, Shape::File, Kind::Missing, false},
    {"IFS", false, Shape::File, Kind::Missing, false},
    {"PSD", false, Shape::Platform, Kind::Missing, false},
    {"RUN", false, Shape::File, Kind::Missing, false},
    {"CALL", false, Shape::File, Kind::Missing, false},
    {"PROTSHELL", false, Shape::File, Kind::StopsBoot, true},
    {"SHELL", false, Shape::File, Kind::Warning, false},
    {"COUNTRY", false, Shape::CountryFile, Kind::StopsBoot, true},
    {"DEVINFO", false, Shape::DevinfoFile, Kind::Missing, false},
    {"SWAPPATH", false, Shape::Folder, Kind::Missing, true},
    {"LIBPATH", false, Shape::LibPath, Kind::Warning, true},
    {"RUNWORKPLACE", true, Shape::File, Kind::StopsBoot, true},
    {"OS2_SHELL", true, Shape::File, Kind::Warning, false},
    {"USER_INI", true, Shape::File, Kind::Missing, false},
    {"SYSTEM_INI", true, Shape::File, Kind::Missing, false},
    {"PATH", true, Shape::SearchPath, Kind::Warning, false},
    {"DPATH", true, Shape::SearchPath, Kind::Warning, false},
}};

constexpr char kCtrlZ = '\x1A';

bool startsWithWord(std::string_view line, std::string_view upperWord)
{
    return text8::startsWithUpper(line, upperWord) && line.size() > upperWord.size()
           && isBlank(line[upperWord.size()]);
}

bool equalsUpper(std::string_view text, std::string_view upperText)
{
    return text.size() == upperText.size() && text8::startsWithUpper(text, upperText);
}

// The statement of one trimmed active line, if it is one of the rules.
const Rule *ruleOf(std::string_view line, std::string_view &value)
{
    bool set = false;
    if (startsWithWord(line, "SET")) {
        set = true;
        line = trimmed(line.substr(3));
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return nullptr;
    const std::string_view name = line.substr(0, equals);
    for (const Rule &rule : kRules) {
        if (rule.set == set && equalsUpper(name, rule.name)) {
            value = trimmed(line.substr(equals + 1));
            return &rule;
        }
    }
    return nullptr;
}

// Where the reading of the first `n` lines stops: at the first Ctrl-Z, the end
// of file of DOS text files. No OS/2 documentation found says how OS/2 reads
// what follows one in CONFIG.SYS; taking it as the end means that the check
// never counts on a statement OS/2 may not read (a LIBPATH there is none).
struct ReadEnd
{
    std::size_t line;   // n when there is no Ctrl-Z
    std::size_t column; // of the Ctrl-Z in that line
};
ReadEnd readEnd(const Lines &lines, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i)
        if (const std::size_t at = lines[i].find(kCtrlZ); at != std::string::npos)
            return {i, at};
    return {n, std::string::npos};
}

} // namespace

std::vector<Statement> statementsOf(const Lines &lines)
{
    std::vector<Statement> statements;
    std::array<std::size_t, kRules.size()> last{};
    const std::size_t n = std::min(lines.size(), MaxDocumentLines);
    const ReadEnd end = readEnd(lines, n);
    for (std::size_t i = 0; i < n && i <= end.line; ++i) {
        std::string_view line = lines[i];
        if (i == end.line)
            line = line.substr(0, end.column);
        line = trimmed(line);
        if (startsWithWord(line, "REM") || equalsUpper(line, "REM"))
            continue;
        std::string_view value;
        const Rule *rule = ruleOf(line, value);
        if (!rule)
            continue;
        last[static_cast<std::size_t>(rule - kRules.data())] = statements.size();
        statements.push_back({static_cast<LinePos>(i), rule, value, false});
    }
    for (std::size_t s = 0; s < statements.size(); ++s) {
        const Rule *rule = statements[s].rule;
        statements[s].unused = rule->once && last[static_cast<std::size_t>(rule - kRules.data())] != s;
    }
    return statements;
}

std::vector<std::string_view> splitList(std::string_view s, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= s.size()) {
        std::size_t end = s.find(separator, start);
        if (end == std::string_view::npos)
            end = s.size();
        const std::string_view part = trimmed(s.substr(start, end - start));
        if (!part.empty())
            parts.push_back(part);
        start = end + 1;
    }
    return parts;
}

std::string_view firstWord(std::string_view s)
{
    return s.substr(0, s.find_first_of(" \t"));
}

bool hasDriveLetter(std::string_view name)
{
    if (name.size() < 2 || name[1] != ':')
        return false;
    const auto c = static_cast<unsigned char>(text8::upper(static_cast<unsigned char>(name[0])));
    return c >= 'A' && c <= 'Z';
}

bool namesAPath(std::string_view name)
{
    return name.find_first_of(":\\/") != std::string_view::npos;
}

std::string onBootDrive(std::string_view name, char boot)
{
    if (name.size() >= 2 && name[1] == ':')
        return std::string(name);
    std::string path{boot, ':'};
    if (!name.starts_with('\\') && !name.starts_with('/'))
        path += '\\';
    path += name;
    return path;
}

bool isRelative(std::string_view entry)
{
    return !(entry.size() >= 2 && entry[1] == ':') && !entry.starts_with('\\') && !entry.starts_with('/');
}

bool isSystemDllFolder(std::string_view entry)
{
    if (hasDriveLetter(entry))
        entry.remove_prefix(2);
    while (entry.size() > 1 && (entry.back() == '\\' || entry.back() == '/'))
        entry.remove_suffix(1);
    return entry.size() == 8 && (entry[0] == '\\' || entry[0] == '/') && (entry[4] == '\\' || entry[4] == '/')
           && text8::startsWithUpper(entry.substr(1), "OS2") && text8::startsWithUpper(entry.substr(5), "DLL");
}

} // namespace bootcheck
