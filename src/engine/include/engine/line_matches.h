// The lines of the document that hold a text the user looks for, and the way
// from one of them to the next.
#pragma once

#include "engine/search.h"

#include <string>
#include <string_view>
#include <vector>

// Every line that holds a text, letter case aside (the 8-bit upper-casing of
// the searches) unless asked otherwise, in order. A line counts once however
// often it holds the text. Kept in step with the document line by line, so
// that a changed line costs one look at that line, not a new search.
class LineMatches
{
public:
    enum class Case { Ignore, Match };

    // Finds every line of `lines` that holds `text` (bytes as the file holds
    // them). An empty text is in no line.
    void find(const SearchLines &lines, std::string text, Case letterCase);
    // The same text looked for again in `lines`, after they were replaced.
    void refind(const SearchLines &lines) { find(lines, std::move(m_text), m_case); }
    // Line `pos` was replaced or added: whether it holds the text now. Lines
    // past the end of `lines` are dropped.
    void lineChanged(const SearchLines &lines, LinePos pos);

    const std::string &text() const { return m_text; }
    Case letterCase() const { return m_case; }
    const std::vector<LinePos> &lines() const { return m_lines; }
    int count() const { return static_cast<int>(m_lines.size()); }
    bool contains(int pos) const { return indexOf(pos) >= 0; }
    // The place of line `pos` among the matches, from 0; -1 when it holds none.
    int indexOf(int pos) const;

    // A match to go to, and whether the way there went round the end (or, going
    // back, the start) of the document.
    struct Step
    {
        LinePos line = NoLine;
        bool wrapped = false;
    };
    // The first match after line `from`, round from the last line to the
    // first; from -1 (no line) the first match. NoLine when there is none.
    Step next(int from) const;
    // The last match before line `from`, round from the first line to the
    // last; from -1 the last match.
    Step previous(int from) const;
    // Line `from` itself when it holds the text, else next(from).
    Step atOrAfter(int from) const;

private:
    bool holds(const SearchLines &lines, std::size_t pos) const;

    std::string m_text;
    std::string m_upper;
    Case m_case = Case::Ignore;
    std::vector<LinePos> m_lines;
};
