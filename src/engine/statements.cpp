// The rules of the statements the pages show and write.
#include "engine/statements.h"

#include "engine/catalogue.h"
#include "platform/text8.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <utility>

namespace statements {
namespace {

using text8::trimmed;

// The index of `word` in `table`, letter case and blanks around it aside; -1
// when the table lacks it.
template <std::size_t N>
int indexOf(const std::array<std::string_view, N> &table, std::string_view word)
{
    const std::string upper = text8::upper(trimmed(word));
    for (std::size_t i = 0; i < N; ++i)
        if (upper == table[i])
            return static_cast<int>(i);
    return -1;
}

constexpr std::string_view kAutostartKey = "SET AUTOSTART=";
constexpr std::string_view kRestartKey = "RESTARTOBJECTS=";
constexpr std::string_view kSetRestartKey = "SET RESTARTOBJECTS=";
constexpr std::string_view kTimeSliceKey = "TIMESLICE=";

} // namespace

std::vector<std::string_view> autostartItems(std::string_view value)
{
    std::vector<std::string_view> items;
    std::size_t start = 0;
    while (start < value.size()) {
        const std::size_t end = std::min(value.find_first_of(", \t", start), value.size());
        if (end > start)
            items.push_back(value.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

AutostartTicks autostartTicks(std::string_view value)
{
    AutostartTicks ticks{};
    for (std::string_view item : autostartItems(value))
        if (const int k = indexOf(AutostartKeywords, item); k >= 0)
            ticks[static_cast<std::size_t>(k)] = true;
    return ticks;
}

std::string composeAutostart(std::string_view line, const AutostartTicks &ticks)
{
    std::string text(kAutostartKey);
    bool empty = true;
    for (std::size_t k = 0; k < AutostartKeywords.size(); ++k) {
        if (!ticks[k])
            continue;
        if (!empty)
            text += ',';
        text += AutostartKeywords[k];
        empty = false;
    }
    if (!text8::startsWithUpper(line, kAutostartKey))
        return text;
    // The other items follow as written: between two of them that stood side
    // by side the separators stay as they were (blanks, several commas);
    // where a keyword stood between them, or after the keywords, one comma.
    const std::string_view value = line.substr(kAutostartKey.size());
    bool afterKept = false;
    std::size_t keptEnd = 0;
    std::size_t start = 0;
    while (start < value.size()) {
        const std::size_t end = std::min(value.find_first_of(", \t", start), value.size());
        if (end > start) {
            const std::string_view item = value.substr(start, end - start);
            if (indexOf(AutostartKeywords, item) >= 0) {
                afterKept = false;
            } else {
                if (afterKept)
                    text += value.substr(keptEnd, start - keptEnd);
                else if (!empty)
                    text += ',';
                text += item;
                empty = false;
                afterKept = true;
                keptEnd = end;
            }
        }
        start = end + 1;
    }
    return text;
}

int restartItem(std::string_view value, RestartForm form)
{
    if (form == RestartForm::None)
        return -1;
    // The words as a sorted list, so that their order does not count.
    const auto wordsOf = [](std::string_view text) {
        std::vector<std::string> words;
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t end = std::min(text.find(',', start), text.size());
            words.push_back(text8::upper(trimmed(text.substr(start, end - start))));
            start = end + 1;
        }
        std::sort(words.begin(), words.end());
        return words;
    };
    const std::vector<std::string> words = wordsOf(value);
    const auto &table = form == RestartForm::Set ? RestartValues : BareRestartValues;
    for (std::size_t i = 0; i < table.size(); ++i)
        if (wordsOf(table[i]) == words)
            return static_cast<int>(i);
    return -1;
}

RestartLine restartLine(std::string_view line)
{
    for (const auto &[key, form] : {std::pair{kSetRestartKey, RestartForm::Set}, std::pair{kRestartKey, RestartForm::Bare}})
        if (text8::startsWithUpper(line, key)) {
            const std::string_view value = line.substr(key.size());
            return RestartLine{form, value, restartItem(value, form)};
        }
    return RestartLine{};
}

std::string restartStatement(int item)
{
    const std::size_t k = item >= 0 && item < static_cast<int>(RestartValues.size()) ? static_cast<std::size_t>(item)
                                                                                     : RestartDefault;
    return std::string(kSetRestartKey) + std::string(RestartValues[k]);
}

std::optional<int> number(std::string_view text)
{
    text = trimmed(text);
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || text.front() == '-')
        return std::nullopt;
    return n;
}

int priorityItem(std::string_view value)
{
    static constexpr std::array<std::string_view, 2> kValues = {"DYNAMIC", "ABSOLUTE"};
    return indexOf(kValues, value);
}

TimeSlice timeSlice(std::string_view value)
{
    const std::size_t comma = value.find(',');
    const auto part = [](std::string_view text) -> std::optional<std::string> {
        if (!number(text))
            return std::nullopt;
        return std::string(trimmed(text));
    };
    TimeSlice slice;
    slice.min = part(value.substr(0, comma));
    slice.max = comma == std::string_view::npos ? slice.min : part(value.substr(comma + 1));
    return slice;
}

TimeSlice timeSliceOfLine(std::string_view line)
{
    return text8::startsWithUpper(line, kTimeSliceKey) ? timeSlice(line.substr(kTimeSliceKey.size())) : TimeSlice{};
}

std::string timeSliceStatement(std::string_view min, std::string_view max)
{
    return std::string(kTimeSliceKey) + std::string(min) + ',' + std::string(max);
}

namespace {

// The lines that begin with `key` (capitals, compared as written), in order.
std::vector<std::size_t> linesBeginningWith(const SearchLines &lines, std::string_view key)
{
    // The upper-cased copy finds the candidates; the key itself is compared
    // as written, in capitals.
    std::vector<std::size_t> found;
    for (std::size_t i = lines.upper.nextLineStartingWith(key); i < lines.lines.size();
         i = lines.upper.nextLineStartingWith(key, i + 1))
        if (lines.lines[i].starts_with(key))
            found.push_back(i);
    return found;
}

} // namespace

std::vector<Entry> deviceEntries(const SearchLines &lines)
{
    static constexpr std::string_view kKey = "DEVICE=";
    std::vector<Entry> entries;
    for (const std::size_t i : linesBeginningWith(lines, kKey))
        entries.push_back({FileNameOf(std::string_view(lines.lines[i]).substr(kKey.size())), static_cast<LinePos>(i)});
    return entries;
}

std::vector<Entry> basedevEntries(const SearchLines &lines)
{
    static constexpr std::string_view kKey = "BASEDEV=";
    const std::vector<std::size_t> basedevs = linesBeginningWith(lines, kKey);
    std::vector<Entry> entries;
    for (std::string_view extension : catalogue::DriverExtensions)
        for (const std::size_t i : basedevs)
            if (lines.lines[i].find(extension) != std::string::npos)
                entries.push_back({lines.lines[i].substr(kKey.size()), static_cast<LinePos>(i)});
    return entries;
}

std::vector<std::string_view> availableBasedevs(const std::vector<Entry> &installed)
{
    std::vector<std::string_view> available;
    for (std::string_view name : catalogue::BasedevNames)
        if (std::none_of(installed.begin(), installed.end(), [name](const Entry &e) { return e.text == name; }))
            available.push_back(name);
    return available;
}

NetworkLines networkLines(const SearchLines &lines)
{
    static constexpr std::array<std::string_view, 5> kSearchPaths = {"SET PATH=", "SET DPATH=", "SET HELP=",
                                                                     "LIBPATH=", "SET BOOKSHELF="};
    // The folders begin with ":\M" (MPTN, MFS), ":\IBM" (IBMCOM, IBMLAN) or
    // ":\TCPIP": the lines holding one of these three are found in one pass
    // over the document, rather than line by line.
    static constexpr std::array<std::string_view, 3> kStems = {":\\M", ":\\IBM", ":\\TCPIP"};
    const std::vector<std::size_t> candidates = lines.upper.linesWithAny(kStems);
    NetworkLines found;
    for (const std::size_t i : candidates) {
        const std::string &line = lines.lines[i];
        if (std::any_of(kSearchPaths.begin(), kSearchPaths.end(),
                        [&](std::string_view s) { return line.find(s) != std::string::npos; }))
            continue;
        const std::string_view t = lines.upper.line(i);
        const auto holds = [t](std::string_view folder) { return t.find(folder) != std::string_view::npos; };
        if (holds(":\\MPTN") || holds(":\\IBMCOM"))
            found.protokoll.push_back(static_cast<LinePos>(i));
        if (holds(":\\TCPIP"))
            found.tcpip.push_back(static_cast<LinePos>(i));
        if (holds(":\\MFS"))
            found.mobil.push_back(static_cast<LinePos>(i));
        if (holds(":\\IBMLAN"))
            found.lan.push_back(static_cast<LinePos>(i));
    }
    return found;
}

DiskState diskState(const SearchLines &lines)
{
    DiskState state;
    // A DISKCACHE statement with an empty value counts as missing.
    const IniValue cache = GetIniStr(lines, "DISKCACHE");
    if (!cache.value.empty()) {
        state.cache = {cache.line, true};
    } else {
        const IniValue commented = GetIniStr(lines, "REM DISKCACHE");
        state.cache.line = commented.value.empty() ? NoLine : commented.line;
    }

    struct FileSystem
    {
        DiskStatement &statement;
        std::string_view first;
        std::string_view second;
    };
    const FileSystem systems[] = {
        {state.hpfs, "HPFS", "HPFS.IFS"},
        {state.cdfs, "CDFS", "CDFS.IFS"},
        {state.lan, "\\IBMLAN", "\\IBMLAN"},
        {state.mfs, "MCM.IFS", "MCM.IFS"},
    };
    // Three searches per file system, all answered in two passes over the
    // document: the commented statement by the first marker, any statement by
    // the second, and a commented one by the second.
    std::vector<TextPair> pairs;
    for (const FileSystem &fs : systems)
        pairs.insert(pairs.end(), {{"REM IFS=", fs.first}, {"IFS=", fs.second}, {"REM IFS=", fs.second}});
    const std::vector<LinePos> found = FinnREMAll(lines, pairs);
    for (std::size_t k = 0; k < std::size(systems); ++k) {
        const LinePos commented = found[3 * k];
        const LinePos any = found[3 * k + 1];
        const LinePos commentedSecond = found[3 * k + 2];
        DiskStatement &s = systems[k].statement;
        s.line = commented != NoLine ? commented : any;
        s.on = s.line != NoLine && commentedSecond == NoLine;
    }
    return state;
}

} // namespace statements
