// The differences between two versions of a file, line by line: which lines
// one changes, adds or removes, shown as rows or as a unified diff.
#pragma once

#include "engine/list_diff.h"
#include "platform/line_file.h"

#include <cstddef>
#include <string>
#include <vector>

namespace linediff {

// One row of the differences. Lines are numbered from 1 in their own file;
// 0 where the row has no line there (an added line has none before, a removed
// one none after).
struct Row
{
    enum class Kind { Changed, Added, Removed };
    Kind kind;
    std::size_t beforeLine = 0;
    std::size_t afterLine = 0;
    std::string before;
    std::string after;
};

// The rows that turn `before` into `after`, in file order: a shortest edit
// of whole lines, where a removed line followed by an added one at the same
// place is one changed line. Lines equal byte for byte are never listed.
[[nodiscard]] std::vector<Row> rows(const Lines &before, const Lines &after);

struct Counts
{
    int changed = 0;
    int added = 0;
    int removed = 0;
    int total() const { return changed + added + removed; }
};
[[nodiscard]] Counts count(const std::vector<Row> &rows);

// A list statement (LIBPATH, SET PATH ...) that the edit changes, item by
// item. Lines are numbered from 1 in their own file.
struct ListRow
{
    std::size_t beforeLine = 0;
    std::size_t afterLine = 0;
    listdiff::ListChanges changes;
};

// The list statements among the lines the edit of rows() removes and adds,
// each old one paired with the first new one of the same name after those
// already paired (wherever in the file it went), in the order of the new
// file. Lines that stay as they are are never listed.
[[nodiscard]] std::vector<ListRow> listRows(const Lines &before, const Lines &after);

// The differences as a unified diff ("--- name", "+++ name", "@@ ... @@"
// hunks with `context` lines around each change), lines ended by "\n"; empty
// when the two are equal. Lines are written as their bytes. Before the diff,
// where tools that apply a diff take no notice of it, one line for each of
// listRows(): "Linje 12: LIBPATH: + C:\USR\LIB; - D:\GAMMEL", numbered in
// the first file, as listdiff::describeBytes() writes it.
[[nodiscard]] std::string unified(const Lines &before, const Lines &after, const std::string &beforeName,
                                  const std::string &afterName, std::size_t context = 3);

} // namespace linediff
