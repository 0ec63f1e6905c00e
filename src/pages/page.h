// The pages of the notebook, named by the place of their tab, what each page
// offers the window, and the one call a page makes back to the window.
#pragma once

#include <cstddef>

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

// The window's page refresh empties the status area and enables the REM
// button, then runs the refresh of the page shown; "Ytelse" and "Nettverk"
// have nothing to read from the document.
class Page
{
public:
    virtual ~Page() = default;
    virtual void refresh() {}
    // After a failed load: the page's registers at NoLine and its lists empty,
    // so that nothing found in the earlier document points into the new one.
    virtual void forget() {}
};

// The page refresh as a page starts it (the "Disk" page's boxes do): the
// window's NoteBookClick, which runs the refresh of the page shown.
class PageRefresh
{
public:
    virtual void NoteBookClick() = 0;

protected:
    ~PageRefresh() = default;
};
