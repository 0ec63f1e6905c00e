// The lines of the document that hold a text the user looks for.
#include "engine/line_matches.h"

#include "platform/text8.h"

#include <algorithm>

namespace {

std::size_t searchable(const SearchLines &lines)
{
    return std::min({lines.lines.size(), lines.upper.size(), MaxDocumentLines});
}

} // namespace

bool LineMatches::holds(const SearchLines &lines, std::size_t pos) const
{
    // A line holds the text as written only if it holds it letter case aside:
    // the upper-cased copy answers both, and the line itself the finer question.
    if (text8::find(lines.upper.line(pos), m_upper) == std::string_view::npos)
        return false;
    return m_case == Case::Ignore || text8::find(lines.lines[pos], m_text) != std::string_view::npos;
}

void LineMatches::find(const SearchLines &lines, std::string text, Case letterCase)
{
    m_text = std::move(text);
    m_upper = text8::upper(m_text);
    m_case = letterCase;
    m_lines.clear();
    // A line ends at its line end: no line holds one.
    if (m_text.empty() || m_text.find('\n') != std::string::npos)
        return;
    const std::size_t n = searchable(lines);
    for (std::size_t i = lines.upper.nextLineWith(m_upper); i < n; i = lines.upper.nextLineWith(m_upper, i + 1))
        if (m_case == Case::Ignore || text8::find(lines.lines[i], m_text) != std::string_view::npos)
            m_lines.push_back(static_cast<LinePos>(i));
}

void LineMatches::lineChanged(const SearchLines &lines, LinePos pos)
{
    const std::size_t n = searchable(lines);
    while (!m_lines.empty() && m_lines.back() >= n)
        m_lines.pop_back();
    if (pos >= n || m_text.empty() || m_text.find('\n') != std::string::npos)
        return;
    const auto at = std::lower_bound(m_lines.begin(), m_lines.end(), pos);
    const bool listed = at != m_lines.end() && *at == pos;
    const bool holdsNow = holds(lines, pos);
    if (holdsNow && !listed)
        m_lines.insert(at, pos);
    else if (!holdsNow && listed)
        m_lines.erase(at);
}

int LineMatches::indexOf(int pos) const
{
    if (pos < 0 || pos >= static_cast<int>(NoLine))
        return -1;
    const auto at = std::lower_bound(m_lines.begin(), m_lines.end(), static_cast<LinePos>(pos));
    return at != m_lines.end() && *at == pos ? static_cast<int>(at - m_lines.begin()) : -1;
}

LineMatches::Step LineMatches::next(int from) const
{
    if (m_lines.empty())
        return {};
    const auto after = from < 0 ? m_lines.begin()
                                : std::upper_bound(m_lines.begin(), m_lines.end(), static_cast<std::size_t>(from),
                                                   [](std::size_t f, LinePos line) { return f < line; });
    if (after == m_lines.end())
        return {m_lines.front(), true};
    return {*after, false};
}

LineMatches::Step LineMatches::previous(int from) const
{
    if (m_lines.empty())
        return {};
    if (from < 0)
        return {m_lines.back(), false};
    const auto at = std::lower_bound(m_lines.begin(), m_lines.end(), static_cast<std::size_t>(from),
                                     [](LinePos line, std::size_t f) { return line < f; });
    if (at == m_lines.begin())
        return {m_lines.back(), true};
    return {*(at - 1), false};
}

LineMatches::Step LineMatches::atOrAfter(int from) const
{
    if (contains(from))
        return {static_cast<LinePos>(from), false};
    return next(from);
}
