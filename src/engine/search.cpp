// Searches over the document's lines for the statements the pages manage.
#include "engine/search.h"

#include "platform/text8.h"

#include <algorithm>

namespace {

// The scan never looks past position NoLine - 1, however long the list is.
std::size_t searchable(const Lines &lines)
{
    return std::min(lines.size(), MaxDocumentLines);
}

} // namespace

LinePos lineIn(const Lines &lines, LinePos pos)
{
    return pos < searchable(lines) ? pos : NoLine;
}

LinePos FinnREM(const Lines &lines, std::string_view s1, std::string_view s2)
{
    const std::string u1 = text8::upper(s1);
    const std::string u2 = text8::upper(s2);
    const std::size_t n = searchable(lines);
    for (std::size_t i = 0; i < n; ++i) {
        const std::string &line = lines[i];
        if (text8::findUpper(line, u1) != std::string_view::npos
            && text8::findUpper(line, u2) != std::string_view::npos)
            return static_cast<LinePos>(i);
    }
    return NoLine;
}

LinePos FoundDevice(const Lines &lines, std::string_view name)
{
    const std::size_t n = searchable(lines);
    for (std::size_t i = 0; i < n; ++i) {
        const std::string &line = lines[i];
        if (line.compare(0, 7, "DEVICE=") == 0 && text8::findUpper(line, name) != std::string_view::npos)
            return static_cast<LinePos>(i);
    }
    return NoLine;
}

IniValue GetIniStr(const Lines &lines, std::string_view key)
{
    const std::string k = text8::upper(key) + '=';
    const std::size_t n = searchable(lines);
    for (std::size_t i = 0; i < n; ++i) {
        const std::string &line = lines[i];
        if (text8::startsWithUpper(line, k))
            return IniValue{line.substr(k.size()), static_cast<LinePos>(i)};
    }
    return IniValue{};
}

std::string FileNameOf(std::string_view s)
{
    if (const auto blank = s.find(' '); blank != std::string_view::npos)
        s = s.substr(0, blank);
    if (const auto slash = s.rfind('\\'); slash != std::string_view::npos)
        s = s.substr(slash + 1);
    return std::string(s);
}
