// The "Ytelse" page: THREADS, MAXWAIT, TIMESLICE and PRIORITY.
#pragma once

#include "engine/search.h"
#include "pages/page.h"

#include <QWidget>

#include <memory>
#include <string>

namespace Ui {
class PerformancePage;
}
class GatedDocument;
class QButtonGroup;
class StatusArea;

// Where the page's statements stood at the last scan; 0 until the first.
struct PerformanceRegisters
{
    LinePos ThreadsLine = 0;
    LinePos MaxWaitLine = 0;
    LinePos PriorityLine = 0;
    LinePos TimeSliceLine = 0;
};

class PerformancePage : public QWidget, public Page
{
    Q_OBJECT

public:
    PerformancePage(GatedDocument &doc, StatusArea &status, QWidget *parent = nullptr);
    ~PerformancePage() override;

    const PerformanceRegisters &registers() const { return m_regs; }
    void forget() override;

    // The scan's step for this page: the statements' lines, then the bars and
    // the group show their values (the start positions where the file lacks
    // one); nothing is written.
    void showStatements(const IniValue &threads, const IniValue &maxWait, const IniValue &priority,
                        const IniValue &timeSlice);

    void ThreadsChange();
    void MaxWaitChange();
    void TimeSliceXChange();
    void TimeSliceYChange();
    void PriorityClick();

private:
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
    // The bars' positions as laid out: what a bar shows when the file lacks
    // its statement.
    struct Start
    {
        int threads, maxWait, sliceMin, sliceMax;
    } m_start{};
};
