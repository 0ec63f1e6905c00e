// The pages of the notebook, named by the place of their tab, and what each
// page offers the window's page refresh.
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
};
