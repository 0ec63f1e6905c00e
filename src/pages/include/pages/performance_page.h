// The "Ytelse" page: THREADS, MAXWAIT, TIMESLICE and PRIORITY.
#pragma once

#include "engine/search.h"
#include "pages/page.h"

#include <QWidget>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Ui {
class PerformancePage;
}
class GatedDocument;
class QButtonGroup;
class QScrollBar;
class StatusArea;
class UserEvents;

// Where the page's statements stood at the last scan; 0 until the first.
struct PerformanceRegisters
{
    LinePos ThreadsLine = 0;
    LinePos MaxWaitLine = 0;
    LinePos PriorityLine = 0;
    LinePos TimeSliceLine = 0;
};

// Reads: THREADS, MAXWAIT, PRIORITY, TIMESLICE (their lines at the scan, and
// the values those lines hold whenever the page shows them).
// Writes: "THREADS=", "MAXWAIT=", "PRIORITY=" and "TIMESLICE=" with the
// control's value over the statement's line, when the file has one; a
// statement the file lacks is only shown.
class PerformancePage : public QWidget, public Page
{
    Q_OBJECT

public:
    PerformancePage(GatedDocument &doc, StatusArea &status, UserEvents &events, QWidget *parent = nullptr);
    ~PerformancePage() override;

    const PerformanceRegisters &registers() const { return m_regs; }
    void forget() override;
    void forgetFrom(LinePos first) override;

    std::vector<std::string_view> scanKeys() const override;
    // The scan: the statements' lines, then show().
    void showFound(const Document &doc, const FoundStatements &found) override;
    // The bars and the group show the values of the statements' lines as they
    // read now (the start positions where a line is not the statement), as
    // the scan would; nothing is written. The page refresh, and every change
    // of the document while the page is shown, run it.
    void show(const Document &doc) override;
    // The lines of the four statements.
    bool leadsTo(LinePos pos) const override;

    // The user's handlers.
    void ThreadsChange();
    void MaxWaitChange();
    void TimeSliceXChange();
    void TimeSliceYChange();
    void PriorityClick();

private:
    // A bar's user-only signal: the handler runs with the bar at its new place.
    template <typename F>
    void onMoved(UserEvents &events, QScrollBar *bar, F handler);
    // Shows `statement` and writes it over line `reg` when there is one.
    void write(const std::string &statement, LinePos reg);
    // The statements as the bars stand; the handlers write these.
    std::string threads() const;
    std::string maxWait() const;
    // Each number comes from its bar; one the bar still stands on keeps its
    // text as the TIMESLICE line writes it (an odd number, one out of range).
    std::string timeSlice() const;
    // Each bar's tooltip tells what it writes where it stands.
    void showStatementsInToolTips();

    GatedDocument &m_doc;
    StatusArea &m_status;
    const std::unique_ptr<Ui::PerformancePage> m_ui;
    QButtonGroup *const m_priority;
    PerformanceRegisters m_regs;
    // The PRIORITY item checked as last shown or chosen; -1 for none.
    int m_item = 0;
    // How many drags of a bar have begun: the moves of one are one step.
    int m_drags = 0;
    // The bars' positions as laid out: what a bar shows when the file lacks
    // its statement.
    struct Start
    {
        int threads, maxWait, sliceMin, sliceMax;
    } m_start{};
};
