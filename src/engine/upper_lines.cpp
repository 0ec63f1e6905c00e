// The lines of a document upper-cased, laid out for the searches.
#include "engine/upper_lines.h"

#include "platform/text8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

void UpperLines::addLine(Run &run, std::string_view line)
{
    // A last line read without a line end gets one before the next line.
    if (!run.ends.empty() && run.ends.back() == run.text.size()) {
        run.text.push_back('\n');
        run.starts.back() = run.text.size();
    }
    const std::size_t at = run.text.size();
    run.text.resize(at + line.size() + 1);
    text8::upperInto(line.data(), line.size(), run.text.data() + at);
    run.text.back() = '\n';
    run.ends.push_back(at + line.size());
    run.starts.push_back(run.text.size());
}

void UpperLines::assign(const Lines &lines)
{
    // The runs and their memory are used again: loading a file of about the
    // same size once more allocates next to nothing.
    m_runs.resize((lines.size() + kRunLines - 1) / kRunLines);
    for (std::size_t first = 0; first < lines.size(); first += kRunLines) {
        const std::size_t last = std::min(lines.size(), first + kRunLines);
        Run &run = m_runs[first / kRunLines];
        run.starts.clear();
        run.ends.clear();
        std::size_t bytes = 0;
        for (std::size_t i = first; i < last; ++i)
            bytes += lines[i].size() + 1;
        // Copied first and upper-cased in one go: one long run is faster than
        // many short lines.
        run.text.resize(bytes);
        run.starts.reserve(last - first + 1);
        run.ends.reserve(last - first);
        char *out = run.text.data();
        for (std::size_t i = first; i < last; ++i) {
            run.starts.push_back(static_cast<std::size_t>(out - run.text.data()));
            std::memcpy(out, lines[i].data(), lines[i].size());
            out += lines[i].size();
            run.ends.push_back(static_cast<std::size_t>(out - run.text.data()));
            *out++ = '\n';
        }
        run.starts.push_back(bytes);
        text8::upperInto(run.text.data(), bytes, run.text.data());
    }
    m_size = lines.size();
}

void UpperLines::assign(const Lines &lines, std::string_view bytes, const std::vector<std::size_t> &starts)
{
    m_runs.resize((lines.size() + kRunLines - 1) / kRunLines);
    for (std::size_t first = 0; first < lines.size(); first += kRunLines) {
        const std::size_t last = std::min(lines.size(), first + kRunLines);
        Run &run = m_runs[first / kRunLines];
        // The bytes from the run's first line to the next run's: one copy.
        const std::size_t base = starts[first];
        const std::size_t size = starts[last] - base;
        run.text.resize(size);
        text8::upperInto(bytes.data() + base, size, run.text.data());
        run.starts.clear();
        run.ends.clear();
        run.starts.reserve(last - first + 1);
        run.ends.reserve(last - first);
        for (std::size_t i = first; i < last; ++i) {
            run.starts.push_back(starts[i] - base);
            run.ends.push_back(starts[i] - base + lines[i].size());
        }
        run.starts.push_back(size);
    }
    m_size = lines.size();
}

void UpperLines::replace(std::size_t i, std::string_view line)
{
    if (i >= m_size)
        return;
    Run &run = m_runs[i / kRunLines];
    const std::size_t k = i % kRunLines;
    const std::size_t start = run.starts[k];
    const std::size_t oldSize = run.ends[k] - start;
    run.text.replace(start, oldSize, line);
    text8::upperInto(run.text.data() + start, line.size(), run.text.data() + start);
    const std::ptrdiff_t delta = static_cast<std::ptrdiff_t>(line.size()) - static_cast<std::ptrdiff_t>(oldSize);
    const auto shift = [delta](std::size_t &at) {
        at = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(at) + delta);
    };
    for (std::size_t j = k + 1; j < run.starts.size(); ++j)
        shift(run.starts[j]);
    for (std::size_t j = k; j < run.ends.size(); ++j)
        shift(run.ends[j]);
}

void UpperLines::append(std::string_view line)
{
    const std::size_t r = m_size / kRunLines;
    if (r == m_runs.size())
        m_runs.emplace_back();
    Run &run = m_runs[r];
    if (m_size % kRunLines == 0) {
        run.text.clear();
        run.starts.assign(1, 0);
        run.ends.clear();
    }
    addLine(run, line);
    ++m_size;
}

void UpperLines::removeLast(std::size_t n)
{
    for (n = std::min(n, m_size); n > 0; --n) {
        --m_size;
        Run &run = m_runs[m_size / kRunLines];
        // The run ends where its last line began; the runs after it are kept
        // for later use, as clear() keeps them.
        const std::size_t k = m_size % kRunLines;
        run.text.resize(run.starts[k]);
        run.starts.resize(k + 1);
        run.ends.resize(k);
    }
}

std::string_view UpperLines::line(std::size_t i) const
{
    return m_runs[i / kRunLines].line(i % kRunLines);
}

template <typename Next, typename Found>
void UpperLines::eachLineWithHit(Next &&next, std::size_t from, Found &&found) const
{
    for (std::size_t r = from / kRunLines, k = from % kRunLines; r < runsUsed(); ++r, k = 0) {
        const Run &run = m_runs[r];
        if (k >= run.count())
            continue;
        std::size_t at = run.starts[k];
        for (auto hit = next(run.text, at); hit.first != std::string_view::npos; hit = next(run.text, at)) {
            // The line that holds the hit; a hit that runs past the line's end
            // (the needle holds a line feed) does not count. The search goes
            // on from the next line: no later hit adds anything to this one.
            const auto after =
                std::upper_bound(run.starts.begin() + static_cast<std::ptrdiff_t>(k), run.starts.end(), hit.first);
            const std::size_t line = static_cast<std::size_t>(after - run.starts.begin()) - 1;
            if (hit.first + hit.second <= run.ends[line] && !found(r * kRunLines + line))
                return;
            at = *after;
            k = line + 1;
        }
    }
}

template <typename Found>
void UpperLines::eachLineWith(std::string_view needle, std::size_t from, Found &&found) const
{
    if (needle.empty())
        return;
    eachLineWithHit(
        [needle](const std::string &text, std::size_t at) {
            return std::pair(text8::find(text, needle, at), needle.size());
        },
        from, found);
}

std::size_t UpperLines::nextLineWith(std::string_view needle, std::size_t from) const
{
    std::size_t first = m_size;
    eachLineWith(needle, from, [&](std::size_t line) {
        first = line;
        return false;
    });
    return first;
}

std::vector<std::size_t> UpperLines::linesWith(std::string_view needle) const
{
    std::vector<std::size_t> lines;
    eachLineWith(needle, 0, [&](std::size_t line) {
        lines.push_back(line);
        return true;
    });
    return lines;
}

std::vector<std::size_t> UpperLines::linesWithAny(std::span<const std::string_view> needles) const
{
    std::vector<std::size_t> lines;
    const auto next = [needles](const std::string &text, std::size_t at) {
        const std::size_t hit = text8::findAny(text, needles, at);
        std::size_t length = 0;
        if (hit != std::string_view::npos)
            for (std::string_view needle : needles)
                if (std::string_view(text).substr(hit).starts_with(needle)) {
                    length = needle.size();
                    break;
                }
        return std::pair(hit, length);
    };
    eachLineWithHit(next, 0, [&](std::size_t line) {
        lines.push_back(line);
        return true;
    });
    return lines;
}

namespace {

// The first eight bytes of a text (fewer when it is shorter) as one word, and
// which of them count: a line whose head differs is passed by after one
// comparison of words.
struct Head
{
    std::uint64_t word = 0;
    std::uint64_t mask = 0;

    explicit Head(std::string_view text)
    {
        static constexpr unsigned char kAll[8] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
        const std::size_t n = std::min<std::size_t>(text.size(), 8);
        std::memcpy(&word, text.data(), n);
        std::memcpy(&mask, kAll, n);
    }
};

// The eight bytes of `text` from `at`, as far as there are any.
std::uint64_t wordAt(const std::string &text, std::size_t at)
{
    std::uint64_t word = 0;
    if (at + 8 <= text.size())
        std::memcpy(&word, text.data() + at, 8);
    else
        std::memcpy(&word, text.data() + at, text.size() - at);
    return word;
}

} // namespace

std::size_t UpperLines::nextLineStartingWith(std::string_view prefix, std::size_t from) const
{
    if (prefix.empty())
        return std::min(from, m_size);
    // Line by line: only the head of each line is read, which is less than a
    // search through all bytes would read.
    const Head head(prefix);
    for (std::size_t r = from / kRunLines, k = from % kRunLines; r < runsUsed(); ++r, k = 0) {
        const Run &run = m_runs[r];
        for (const std::size_t count = run.count(); k < count; ++k) {
            if ((wordAt(run.text, run.starts[k]) & head.mask) == head.word && run.line(k).starts_with(prefix))
                return r * kRunLines + k;
        }
    }
    return m_size;
}

std::vector<std::size_t> UpperLines::firstLinesStartingWith(std::span<const std::string> prefixes) const
{
    std::vector<std::size_t> found(prefixes.size(), m_size);
    // The prefixes by their first byte, with the head of each: a line is
    // compared only with the prefixes that begin with its own first byte. A
    // prefix once found gets a head that no line has.
    std::vector<std::size_t> order;
    for (std::size_t p = 0; p < prefixes.size(); ++p) {
        if (prefixes[p].empty())
            found[p] = 0; // every line begins with it; without lines, 0 is size()
        else
            order.push_back(p);
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return static_cast<unsigned char>(prefixes[a].front()) < static_cast<unsigned char>(prefixes[b].front());
    });
    std::array<std::size_t, 257> bucket{}; // the prefixes with first byte c are order[bucket[c], bucket[c + 1])
    for (std::size_t p : order)
        ++bucket[static_cast<unsigned char>(prefixes[p].front()) + 1];
    for (std::size_t c = 1; c < bucket.size(); ++c)
        bucket[c] += bucket[c - 1];
    std::vector<Head> heads;
    for (std::size_t p : order)
        heads.emplace_back(prefixes[p]);
    std::size_t left = order.size();
    for (std::size_t r = 0; r < runsUsed() && left > 0; ++r) {
        const Run &run = m_runs[r];
        for (std::size_t k = 0; k < run.count(); ++k) {
            const std::uint64_t head = wordAt(run.text, run.starts[k]);
            const auto first = static_cast<unsigned char>(run.text[run.starts[k]]);
            for (std::size_t o = bucket[first]; o < bucket[first + 1]; ++o) {
                const std::size_t p = order[o];
                if ((head & heads[o].mask) != heads[o].word || !run.line(k).starts_with(prefixes[p]))
                    continue;
                found[p] = r * kRunLines + k;
                heads[o].mask = 0;
                heads[o].word = 1;
                --left;
            }
        }
    }
    return found;
}
