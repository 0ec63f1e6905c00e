// Searches over the document's lines for the statements the pages manage.
#include "engine/search.h"

#include "platform/text8.h"

#include <QtGlobal>

#include <algorithm>

namespace {

constexpr std::string_view kDevice = "DEVICE=";

// The scan never looks past position NoLine - 1, however long the list is.
std::size_t searchable(const Lines &lines)
{
    return std::min(lines.size(), MaxDocumentLines);
}

std::size_t searchable(const SearchLines &lines)
{
    return std::min({lines.lines.size(), lines.upper.size(), MaxDocumentLines});
}

bool contains(std::string_view line, std::string_view needle)
{
    return text8::find(line, needle) != std::string_view::npos;
}

} // namespace

LinePos lineIn(const Lines &lines, LinePos pos)
{
    return pos < searchable(lines) ? pos : NoLine;
}

LinePos FinnREM(const SearchLines &lines, std::string_view s1, std::string_view s2)
{
    const std::string u1 = text8::upper(s1);
    const std::string u2 = text8::upper(s2);
    const std::size_t n = searchable(lines);
    if (u1.empty() || u2.empty())
        return NoLine;
    // Each text in turn leads: the next line holding the one is checked for
    // the other. Every line skipped lacks one of the two.
    for (std::size_t from = 0;;) {
        const std::size_t a = lines.upper.nextLineWith(u1, from);
        if (a >= n)
            return NoLine;
        if (contains(lines.upper.line(a), u2))
            return static_cast<LinePos>(a);
        const std::size_t b = lines.upper.nextLineWith(u2, a + 1);
        if (b >= n)
            return NoLine;
        if (contains(lines.upper.line(b), u1))
            return static_cast<LinePos>(b);
        from = b + 1;
    }
}

LinePos FinnREM(const Lines &lines, std::string_view s1, std::string_view s2)
{
    const UpperLines upper(lines);
    return FinnREM(SearchLines{lines, upper}, s1, s2);
}

std::vector<LinePos> FinnREMAll(const SearchLines &lines, std::span<const TextPair> pairs)
{
    std::vector<LinePos> found(pairs.size(), NoLine);
    std::vector<std::string> u1(pairs.size());
    std::vector<std::string> u2(pairs.size());
    for (std::size_t p = 0; p < pairs.size(); ++p) {
        u1[p] = text8::upper(pairs[p].s1);
        u2[p] = text8::upper(pairs[p].s2);
    }
    const std::size_t n = searchable(lines);
    std::vector<bool> done(pairs.size(), false);
    for (std::size_t lead = 0; lead < pairs.size(); ++lead) {
        if (done[lead])
            continue;
        // The pairs that share this first text; an empty text is in no line.
        std::vector<std::size_t> open;
        for (std::size_t p = lead; p < pairs.size(); ++p) {
            if (!done[p] && u1[p] == u1[lead]) {
                done[p] = true;
                if (!u2[p].empty())
                    open.push_back(p);
            }
        }
        for (std::size_t line = 0; !open.empty();) {
            line = lines.upper.nextLineWith(u1[lead], line);
            if (line >= n)
                break;
            const std::string_view text = lines.upper.line(line);
            std::erase_if(open, [&](std::size_t p) {
                if (!contains(text, u2[p]))
                    return false;
                found[p] = static_cast<LinePos>(line);
                return true;
            });
            ++line;
        }
    }
    return found;
}

LinePos FoundDevice(const SearchLines &lines, std::string_view name)
{
    // The name leads; "DEVICE=" is compared as written, in capitals.
    const std::size_t n = searchable(lines);
    for (std::size_t i = lines.upper.nextLineWith(name); i < n; i = lines.upper.nextLineWith(name, i + 1)) {
        if (lines.lines[i].starts_with(kDevice))
            return static_cast<LinePos>(i);
    }
    return NoLine;
}

LinePos FoundDevice(const Lines &lines, std::string_view name)
{
    const UpperLines upper(lines);
    return FoundDevice(SearchLines{lines, upper}, name);
}

IniValue GetIniStr(const SearchLines &lines, std::string_view key)
{
    const std::string k = text8::upper(key) + '=';
    const std::size_t i = lines.upper.nextLineStartingWith(k);
    if (i >= searchable(lines))
        return IniValue{};
    return IniValue{lines.lines[i].substr(k.size()), static_cast<LinePos>(i)};
}

std::vector<IniValue> GetIniStrAll(const SearchLines &lines, std::span<const std::string_view> keys)
{
    std::vector<std::string> prefixes;
    for (std::string_view key : keys)
        prefixes.push_back(text8::upper(key) + '=');
    const std::vector<std::size_t> found = lines.upper.firstLinesStartingWith(prefixes);
    std::vector<IniValue> values(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (found[i] < searchable(lines))
            values[i] = IniValue{lines.lines[found[i]].substr(prefixes[i].size()), static_cast<LinePos>(found[i])};
    return values;
}

IniValue GetIniStrAt(const Lines &lines, LinePos pos, std::string_view key)
{
    if (pos >= lines.size() || pos == NoLine)
        return IniValue{};
    const std::string k = text8::upper(key) + '=';
    const std::string &line = lines[pos];
    if (!text8::startsWithUpper(line, k))
        return IniValue{};
    return IniValue{line.substr(k.size()), pos};
}

FoundStatements::FoundStatements(const SearchLines &lines, std::vector<std::string_view> keys)
    : m_keys(std::move(keys))
    , m_values(GetIniStrAll(lines, m_keys))
{
}

const IniValue &FoundStatements::operator[](std::string_view key) const
{
    for (std::size_t i = 0; i < m_keys.size(); ++i)
        if (m_keys[i] == key)
            return m_values[i];
    qFatal("FoundStatements: %.*s was not searched for", static_cast<int>(key.size()), key.data());
}

IniValue GetIniStr(const Lines &lines, std::string_view key)
{
    const UpperLines upper(lines);
    return GetIniStr(SearchLines{lines, upper}, key);
}

std::string FileNameOf(std::string_view s)
{
    if (const auto blank = s.find(' '); blank != std::string_view::npos)
        s = s.substr(0, blank);
    if (const auto slash = s.rfind('\\'); slash != std::string_view::npos)
        s = s.substr(slash + 1);
    return std::string(s);
}
