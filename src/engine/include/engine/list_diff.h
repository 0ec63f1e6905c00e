// The items of a list statement (LIBPATH, SET PATH and the other SET lists of
// folders or files separated by ';') compared one by one: which items a
// changed line adds, removes or moves.
#pragma once

#include <QString>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace listdiff {

// An active "LIBPATH=" or "SET <name>=" line.
struct ListStatement
{
    std::string name;       // as written, blanks inside folded to one: "LIBPATH", "SET Path"
    std::string key;        // `name` upper-cased, for pairing an old line with its new one
    std::string_view value; // after "=", pointing into the line
    bool knownList;         // a statement that is a list even with one item (LIBPATH, SET PATH ...)
};

// The statement of `line`, when it is "LIBPATH=" or "SET <name>=" and not
// commented out. A Ctrl-Z and what follows it are not part of the value.
[[nodiscard]] std::optional<ListStatement> listStatement(std::string_view line);

// The items of a list value: split at ';', each without the blanks around it,
// empty items left out.
[[nodiscard]] std::vector<std::string_view> items(std::string_view value);

// One item that a list gained, lost or that moved. Places count the items of
// a list from 1.
struct Change
{
    enum class Kind { Added, Removed, Moved };
    Kind kind;
    std::string item;     // as written: in the new line when added or moved, in the old when removed
    std::size_t from = 0; // its place in the old list (removed, moved)
    std::size_t to = 0;   // its place in the new list (added, moved)
};

struct ListChanges
{
    std::string name; // the new line's name, as written
    // In list order: at each stretch between two items that kept their
    // place, first what the new list has there (added and moved items), then
    // what the old list lost there. Empty when both hold the same items in
    // the same order, letter case and blanks aside.
    std::vector<Change> changes;
};

// The item changes from `before` to `after`, when both are the same list
// statement (the same name, letter case aside) and it is a list: a known
// list statement, or a SET whose old or new value holds a ';'. Items are
// compared without regard to letter case, as OS/2 names files. An item that
// stands twice pairs its first place with the first, and so on. Of the items
// both lists hold, as few as can be count as moved: the others keep their
// order. Takes time in proportion to n log n for n items.
[[nodiscard]] std::optional<ListChanges> compare(std::string_view before, std::string_view after);

// The changes as the window shows them, items through the 8-bit display:
// "LIBPATH: + C:\USR\LIB; − D:\GAMMEL; ~ C:\OS2\DLL (nr. 5 → 2)"; for a
// list that kept its items, "LIBPATH: ingen elementer lagt til, fjernet eller
// flyttet".
[[nodiscard]] QString describe(const ListChanges &changes);

// The same as bytes, for a text written as bytes: the items as in the file,
// everything else ASCII ("-" for "−", "->" for "→").
[[nodiscard]] std::string describeBytes(const ListChanges &changes);

} // namespace listdiff
