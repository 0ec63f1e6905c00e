// The differences between two versions of a file, line by line.
#include "engine/line_diff.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

namespace linediff {
namespace {

enum class Op : std::uint8_t { Same, Removed, Added };

// A shortest edit of `a` into `b` (Myers' algorithm) after the lines both
// share at their start and end. Beyond kMaxEdits the middle is replaced
// whole: such a pair has hardly a line in common, and the search would cost
// time and memory by the square of the edits.
constexpr std::ptrdiff_t kMaxEdits = 2000;

std::vector<Op> middleScript(const std::string *a, std::ptrdiff_t n, const std::string *b, std::ptrdiff_t m)
{
    std::vector<Op> ops;
    const std::ptrdiff_t max = n + m;
    const std::ptrdiff_t offset = max + 1;
    std::vector<std::ptrdiff_t> v(static_cast<std::size_t>(2 * max + 3), 0);
    // The furthest x on each diagonal at the start of every round d, for
    // the diagonals -d-1 .. d+1 that round reads.
    std::vector<std::vector<std::ptrdiff_t>> trace;
    std::ptrdiff_t found = -1;
    for (std::ptrdiff_t d = 0; d <= max && d <= kMaxEdits; ++d) {
        trace.emplace_back(v.begin() + (offset - d - 1), v.begin() + (offset + d + 2));
        for (std::ptrdiff_t k = -d; k <= d; k += 2) {
            std::ptrdiff_t x = (k == -d || (k != d && v[offset + k - 1] < v[offset + k + 1])) ? v[offset + k + 1]
                                                                                          : v[offset + k - 1] + 1;
            std::ptrdiff_t y = x - k;
            while (x < n && y < m && a[x] == b[y]) {
                ++x;
                ++y;
            }
            v[offset + k] = x;
            if (x >= n && y >= m) {
                found = d;
                break;
            }
        }
        if (found >= 0)
            break;
    }
    if (found < 0) {
        ops.assign(static_cast<std::size_t>(n), Op::Removed);
        ops.insert(ops.end(), static_cast<std::size_t>(m), Op::Added);
        return ops;
    }
    // Back from the end, one round at a time; the script comes out reversed.
    std::ptrdiff_t x = n, y = m;
    for (std::ptrdiff_t d = found; d >= 0; --d) {
        const std::vector<std::ptrdiff_t> &w = trace[static_cast<std::size_t>(d)];
        const auto at = [&w, d](std::ptrdiff_t k) { return w[static_cast<std::size_t>(k + d + 1)]; };
        const std::ptrdiff_t k = x - y;
        const std::ptrdiff_t prevK = (k == -d || (k != d && at(k - 1) < at(k + 1))) ? k + 1 : k - 1;
        const std::ptrdiff_t prevX = at(prevK);
        const std::ptrdiff_t prevY = prevX - prevK;
        while (x > prevX && y > prevY) {
            ops.push_back(Op::Same);
            --x;
            --y;
        }
        if (d > 0) {
            ops.push_back(x == prevX ? Op::Added : Op::Removed);
            x = prevX;
            y = prevY;
        }
    }
    std::reverse(ops.begin(), ops.end());
    return ops;
}

std::vector<Op> script(const Lines &a, const Lines &b)
{
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    std::vector<Op> ops(head, Op::Same);
    const std::vector<Op> middle = middleScript(a.data() + head, static_cast<std::ptrdiff_t>(a.size() - head - tail),
                                                b.data() + head, static_cast<std::ptrdiff_t>(b.size() - head - tail));
    ops.insert(ops.end(), middle.begin(), middle.end());
    ops.insert(ops.end(), tail, Op::Same);
    return ops;
}

} // namespace

std::vector<Row> rows(const Lines &before, const Lines &after)
{
    const std::vector<Op> ops = script(before, after);
    std::vector<Row> out;
    std::size_t i = 0, j = 0, k = 0;
    while (k < ops.size()) {
        if (ops[k] == Op::Same) {
            ++i;
            ++j;
            ++k;
            continue;
        }
        // A run of removed and added lines between two shared ones: the
        // first removed pairs with the first added as a changed line, and so on.
        std::vector<std::size_t> removed, added;
        for (; k < ops.size() && ops[k] != Op::Same; ++k) {
            if (ops[k] == Op::Removed)
                removed.push_back(i++);
            else
                added.push_back(j++);
        }
        const std::size_t pairs = std::min(removed.size(), added.size());
        for (std::size_t p = 0; p < pairs; ++p)
            out.push_back({Row::Kind::Changed, removed[p] + 1, added[p] + 1, before[removed[p]], after[added[p]]});
        for (std::size_t p = pairs; p < removed.size(); ++p)
            out.push_back({Row::Kind::Removed, removed[p] + 1, 0, before[removed[p]], {}});
        for (std::size_t p = pairs; p < added.size(); ++p)
            out.push_back({Row::Kind::Added, 0, added[p] + 1, {}, after[added[p]]});
    }
    return out;
}

Counts count(const std::vector<Row> &rows)
{
    Counts c;
    for (const Row &row : rows) {
        switch (row.kind) {
        case Row::Kind::Changed: ++c.changed; break;
        case Row::Kind::Added: ++c.added; break;
        case Row::Kind::Removed: ++c.removed; break;
        }
    }
    return c;
}

namespace {

std::vector<ListRow> listRowsOf(const Lines &before, const Lines &after, const std::vector<Op> &ops)
{
    // The removed list statements by name, in file order; each added one takes
    // the first of its name not yet taken.
    std::unordered_map<std::string, std::vector<std::size_t>> removed;
    std::vector<std::size_t> added;
    for (std::size_t k = 0, i = 0, j = 0; k < ops.size(); ++k) {
        if (ops[k] == Op::Removed) {
            if (const auto s = listdiff::listStatement(before[i]))
                removed[s->key].push_back(i);
        } else if (ops[k] == Op::Added) {
            added.push_back(j);
        }
        i += ops[k] != Op::Added;
        j += ops[k] != Op::Removed;
    }
    std::unordered_map<std::string, std::size_t> taken;
    std::vector<ListRow> out;
    for (const std::size_t j : added) {
        const auto s = listdiff::listStatement(after[j]);
        if (!s)
            continue;
        const auto found = removed.find(s->key);
        if (found == removed.end() || taken[s->key] == found->second.size())
            continue;
        const std::size_t i = found->second[taken[s->key]++];
        if (auto changes = listdiff::compare(before[i], after[j]))
            out.push_back({i + 1, j + 1, std::move(*changes)});
    }
    return out;
}

} // namespace

std::vector<ListRow> listRows(const Lines &before, const Lines &after)
{
    return listRowsOf(before, after, script(before, after));
}

std::string unified(const Lines &before, const Lines &after, const std::string &beforeName,
                    const std::string &afterName, std::size_t context)
{
    const std::vector<Op> ops = script(before, after);
    std::string notes;
    for (const ListRow &row : listRowsOf(before, after, ops))
        notes += "Linje " + std::to_string(row.beforeLine) + ": " + listdiff::describeBytes(row.changes) + '\n';
    // Where each op stands in the two files.
    std::vector<std::size_t> atBefore(ops.size() + 1), atAfter(ops.size() + 1);
    for (std::size_t k = 0, i = 0, j = 0; k <= ops.size(); ++k) {
        atBefore[k] = i;
        atAfter[k] = j;
        if (k < ops.size()) {
            i += ops[k] != Op::Added;
            j += ops[k] != Op::Removed;
        }
    }
    std::string out;
    std::size_t k = 0;
    while (k < ops.size()) {
        if (ops[k] == Op::Same) {
            ++k;
            continue;
        }
        // A hunk: from `context` shared lines before this change to
        // `context` after the last change that lies within 2 * context of
        // the one before it.
        const std::size_t start = k > context ? k - context : 0;
        std::size_t end = k;
        while (true) {
            while (end < ops.size() && ops[end] != Op::Same)
                ++end;
            std::size_t next = end;
            while (next < ops.size() && ops[next] == Op::Same)
                ++next;
            if (next < ops.size() && next - end <= 2 * context) {
                end = next;
                continue;
            }
            end = std::min(ops.size(), end + context);
            break;
        }
        if (out.empty())
            out = notes + "--- " + beforeName + "\n+++ " + afterName + "\n";
        const auto range = [](std::size_t from, std::size_t to) {
            const std::size_t length = to - from;
            return std::to_string(length == 0 ? from : from + 1) + ',' + std::to_string(length);
        };
        out += "@@ -" + range(atBefore[start], atBefore[end]) + " +" + range(atAfter[start], atAfter[end]) + " @@\n";
        for (std::size_t e = start; e < end; ++e) {
            switch (ops[e]) {
            case Op::Same: out += ' ' + before[atBefore[e]]; break;
            case Op::Removed: out += '-' + before[atBefore[e]]; break;
            case Op::Added: out += '+' + after[atAfter[e]]; break;
            }
            out += '\n';
        }
        k = end;
    }
    return out;
}

} // namespace linediff
