// The lines of a document upper-cased, laid out for the searches.
#pragma once

#include "platform/line_file.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The 8-bit upper-cased copy of a list of lines, which its owner keeps in step
// with the lines. Consecutive lines share one run of bytes (each line followed
// by a line feed), so that a search looks at long runs rather than line by
// line; a run holds a fixed number of lines, so that changing a line rewrites
// only its own run.
class UpperLines
{
public:
    UpperLines() = default;
    explicit UpperLines(const Lines &lines) { assign(lines); }

    void assign(const Lines &lines);
    // The same for `lines` split from `bytes`, each beginning where `starts`
    // says (linefile::lineStarts): each run is one copy of the bytes it
    // covers, line ends included, upper-cased in one go.
    void assign(const Lines &lines, std::string_view bytes, const std::vector<std::size_t> &starts);
    // Keeps the memory, for the lines that come next.
    void clear() { m_size = 0; }
    void replace(std::size_t i, std::string_view line);
    void append(std::string_view line);
    // Drops the last `n` lines (all of them when there are fewer).
    void removeLast(std::size_t n);

    std::size_t size() const { return m_size; }
    // Line i upper-cased; valid until the next change.
    std::string_view line(std::size_t i) const;

    // The first line at or after `from` that contains `needle` (compared as
    // given: pass it upper-cased); size() when none. An empty needle is in no line.
    std::size_t nextLineWith(std::string_view needle, std::size_t from = 0) const;
    // Every line that contains `needle`, in order.
    std::vector<std::size_t> linesWith(std::string_view needle) const;
    // Every line that contains any of `needles`, in order, found in one pass.
    std::vector<std::size_t> linesWithAny(std::span<const std::string_view> needles) const;
    // The first line at or after `from` that begins with `prefix`; size() when none.
    std::size_t nextLineStartingWith(std::string_view prefix, std::size_t from = 0) const;
    // For each prefix the first line that begins with it, all found in one
    // pass; size() for a prefix that begins no line.
    std::vector<std::size_t> firstLinesStartingWith(std::span<const std::string> prefixes) const;

private:
    static constexpr std::size_t kRunLines = 256;

    struct Run
    {
        std::string text;                // each line upper-cased, then its line end
        std::vector<std::size_t> starts; // where each line begins, then text.size()
        std::vector<std::size_t> ends;   // where each line ends (its line end follows)
        std::size_t count() const { return ends.size(); }
        std::string_view line(std::size_t k) const
        {
            return std::string_view(text).substr(starts[k], ends[k] - starts[k]);
        }
    };

    static void addLine(Run &run, std::string_view line);
    // Calls `found` with each line at or after `from` that contains `needle`,
    // in order, until it returns false.
    template <typename Found>
    void eachLineWith(std::string_view needle, std::size_t from, Found &&found) const;
    // The same for the hits that `next(text, at)` gives: (position, length)
    // of the next hit at or after `at`, or npos.
    template <typename Next, typename Found>
    void eachLineWithHit(Next &&next, std::size_t from, Found &&found) const;
    // The runs that hold lines; those after them are kept for later use.
    std::size_t runsUsed() const { return (m_size + kRunLines - 1) / kRunLines; }

    std::vector<Run> m_runs;
    std::size_t m_size = 0;
};
