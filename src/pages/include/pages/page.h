// The pages of the notebook, named by the place of their tab, what each page
// offers the window, and the one call a page makes back to the window.
#pragma once

#include "engine/search.h"

#include <cstddef>
#include <initializer_list>
#include <string_view>
#include <vector>

class Document;

enum class PageId {
    Oppstart,
    Dos,
    Ytelse,
    Drivere,
    Grensesnitt,
    Disk,
    Nettverk,
    Fil,
};
inline constexpr std::size_t PageCount = static_cast<std::size_t>(PageId::Fil) + 1;

// A page has two kinds of code. Its show functions set its controls from the
// document and write nothing; no handler runs while they set a control. Its
// handlers hang on signals that only the user sets off, and write through the
// window's one write path.
class Page
{
public:
    virtual ~Page() = default;

    // The statements the page reads at the scan: keys that the window's one
    // search looks for (GetIniStr), and hands back by key to showFound().
    virtual std::vector<std::string_view> scanKeys() const { return {}; }
    // The page's step of the scan, after every load: what the search found,
    // and the page's own lists or files, into its controls and registers.
    virtual void showFound(const Document &, const FoundStatements &) {}
    // The page refresh, after the window has emptied the status area: the
    // page shows the document as it reads now, and what the status area shows
    // on it.
    virtual void show(const Document &) {}
    // Whether one of the page's controls leads to line `pos`: after "REM
    // av/på" has switched such a line, it stays the current line, so that a
    // second press switches it back.
    virtual bool leadsTo(LinePos) const { return false; }
    // After a failed load: the page's registers at NoLine and its lists empty,
    // so that nothing found in the earlier document points into the new one.
    virtual void forget() {}
    // Lines from `first` on are gone for good (an undo took them away, and a
    // new line takes the place of the first): registers there point at none.
    virtual void forgetFrom(LinePos) {}
};

// Each of `registers` that points at line `first` or after points at none.
inline void forgetRegistersFrom(LinePos first, std::initializer_list<LinePos *> registers)
{
    for (LinePos *reg : registers)
        if (*reg != NoLine && *reg >= first)
            *reg = NoLine;
}

// The page refresh as a page starts it (the "Disk" page's boxes do): the
// window's NoteBookClick, which runs the refresh of the page shown.
class PageRefresh
{
public:
    virtual void NoteBookClick() = 0;

protected:
    ~PageRefresh() = default;
};
