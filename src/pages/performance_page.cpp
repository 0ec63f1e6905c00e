// The "Ytelse" page: THREADS, MAXWAIT, TIMESLICE and PRIORITY.
#include "pages/performance_page.h"

#include "ui_performance_page.h"

#include "engine/statements.h"
#include "workspace/accessibility.h"
#include "workspace/control_events.h"
#include "workspace/gated_document.h"
#include "workspace/input_rules.h"
#include "workspace/status_area.h"

#include <QButtonGroup>

#include <algorithm>

PerformancePage::PerformancePage(GatedDocument &doc, StatusArea &status, QWidget *parent)
    : QWidget(parent)
    , m_doc(doc)
    , m_status(status)
    , m_ui(std::make_unique<Ui::PerformancePage>())
    , m_priority(new QButtonGroup(this))
{
    m_ui->setupUi(this);
    m_start = {m_ui->Threads->value(), m_ui->MaxWait->value(), m_ui->TimeSliceX->value(), m_ui->TimeSliceY->value()};
    m_priority->addButton(m_ui->Priority_0, 0);
    m_priority->addButton(m_ui->Priority_1, 1);
    tabStopOnCheckedButton(m_priority);
    const auto bars = {m_ui->Threads, m_ui->MaxWait, m_ui->TimeSliceX, m_ui->TimeSliceY};
    // The bars are moved by keys too: reachable with Tab, Right and End raising
    // them. A wheel moves only the bar that has the focus.
    for (QScrollBar *bar : bars) {
        bar->setFocusPolicy(Qt::StrongFocus);
        bar->setInvertedControls(false);
        wheelOnlyWithFocus(bar);
        a11y::setRole(bar, QAccessible::Slider);
    }

    WriteGate &gate = m_doc.gate();
    controls::onMoved(gate, m_ui->Threads, [this] { ThreadsChange(); });
    controls::onMoved(gate, m_ui->MaxWait, [this] { MaxWaitChange(); });
    controls::onMoved(gate, m_ui->TimeSliceX, [this] { TimeSliceXChange(); });
    controls::onMoved(gate, m_ui->TimeSliceY, [this] { TimeSliceYChange(); });
    // After the handlers, which may move the other time-slice bar too.
    for (QScrollBar *bar : bars)
        connect(bar, &QScrollBar::valueChanged, this, [this] { showStatementsInToolTips(); });
    showStatementsInToolTips();
    controls::onChosen(gate, m_priority, [this] { PriorityClick(); });
}

PerformancePage::~PerformancePage() = default;

void PerformancePage::forget()
{
    m_regs = {NoLine, NoLine, NoLine, NoLine};
}

void PerformancePage::showStatements(const IniValue &threads, const IniValue &maxWait, const IniValue &priority,
                                     const IniValue &timeSlice)
{
    m_regs = {threads.line, maxWait.line, priority.line, timeSlice.line};
    WriteGate &gate = m_doc.gate();
    const auto numberOr = [](const IniValue &v, int start) {
        return v.found() ? statements::number(v.value).value_or(start) : start;
    };
    controls::setValue(gate, m_ui->Threads, numberOr(threads, m_start.threads));
    controls::setValue(gate, m_ui->MaxWait, numberOr(maxWait, m_start.maxWait));
    // A TIMESLICE number is twice the bar's position. The bars count in steps
    // of 2 ms because a scroll bar's position was a 16-bit number (at most
    // 32767) while time slices reach 65536 ms; the bars keep those steps and
    // the even numbers they write (32 to 65534), as users know them.
    const statements::TimeSlice slice = statements::timeSlice(timeSlice.value);
    const auto half = [](const std::optional<std::string> &n, int start) {
        return n ? statements::number(*n).value_or(2 * start) / 2 : start;
    };
    controls::setValue(gate, m_ui->TimeSliceX, half(slice.min, m_start.sliceMin));
    controls::setValue(gate, m_ui->TimeSliceY, half(slice.max, m_start.sliceMax));
    // A value the group lacks checks no item; MAXWAIT then stays in sight.
    const int item = priority.found() ? statements::priorityItem(priority.value) : 0;
    controls::choose(gate, m_priority, item);
    if (item < 0) {
        m_ui->MaxWait->setVisible(true);
        m_ui->MaxWaitLAbel->setVisible(true);
    }
}

void PerformancePage::write(const std::string &statement, LinePos reg)
{
    const LinePos line = m_doc.lineOf(reg);
    m_status.vislinje(line);
    m_status.showInEditLine(statement);
    // Without the statement in the document nothing more happens: the page
    // never adds a line, and the selection stays where it was. Only the
    // user's move writes.
    if (line != NoLine && m_doc.mayWrite())
        m_doc.replaceLine(line, statement);
}

std::string PerformancePage::threads() const
{
    return "THREADS=" + std::to_string(m_ui->Threads->value());
}

std::string PerformancePage::maxWait() const
{
    return "MAXWAIT=" + std::to_string(m_ui->MaxWait->value());
}

std::string PerformancePage::timeSlice() const
{
    statements::TimeSlice written;
    if (const LinePos line = m_doc.lineOf(m_regs.TimeSliceLine); line != NoLine)
        written = statements::timeSliceOfLine(m_doc.document().line(line));
    const auto part = [](const QScrollBar *bar, const std::optional<std::string> &text) {
        if (text) {
            const int position = std::clamp(*statements::number(*text) / 2, bar->minimum(), bar->maximum());
            if (position == bar->value())
                return *text;
        }
        return std::to_string(2 * bar->value());
    };
    return statements::timeSliceStatement(part(m_ui->TimeSliceX, written.min), part(m_ui->TimeSliceY, written.max));
}

void PerformancePage::showStatementsInToolTips()
{
    m_ui->Threads->setToolTip(QString::fromStdString(threads()));
    m_ui->MaxWait->setToolTip(QString::fromStdString(maxWait()));
    const QString slice = QString::fromStdString(timeSlice());
    m_ui->TimeSliceX->setToolTip(slice);
    m_ui->TimeSliceY->setToolTip(slice);
}

void PerformancePage::ThreadsChange()
{
    write(threads(), m_regs.ThreadsLine);
}

void PerformancePage::MaxWaitChange()
{
    write(maxWait(), m_regs.MaxWaitLine);
}

void PerformancePage::TimeSliceXChange()
{
    if (m_ui->TimeSliceX->value() > m_ui->TimeSliceY->value())
        controls::setValue(m_doc.gate(), m_ui->TimeSliceY, m_ui->TimeSliceX->value());
    write(timeSlice(), m_regs.TimeSliceLine);
}

void PerformancePage::TimeSliceYChange()
{
    if (m_ui->TimeSliceY->value() < m_ui->TimeSliceX->value())
        controls::setValue(m_doc.gate(), m_ui->TimeSliceX, m_ui->TimeSliceY->value());
    write(timeSlice(), m_regs.TimeSliceLine);
}

void PerformancePage::PriorityClick()
{
    const int item = m_priority->checkedId();
    m_ui->MaxWait->setVisible(item == 0);
    m_ui->MaxWaitLAbel->setVisible(item == 0);
    if (item >= 0)
        write(std::string(statements::PriorityStatements[static_cast<std::size_t>(item)]), m_regs.PriorityLine);
}
