// The "Ytelse" page: THREADS, MAXWAIT, TIMESLICE and PRIORITY.
#include "pages/performance_page.h"

#include "ui_performance_page.h"

#include "engine/statements.h"
#include "workspace/accessibility.h"
#include "workspace/gated_document.h"
#include "workspace/input_rules.h"
#include "workspace/status_area.h"
#include "workspace/user_events.h"

#include <QButtonGroup>

#include <algorithm>

namespace {

constexpr std::string_view kThreads = "THREADS";
constexpr std::string_view kMaxWait = "MAXWAIT";
constexpr std::string_view kPriority = "PRIORITY";
constexpr std::string_view kTimeSlice = "TIMESLICE";

} // namespace

PerformancePage::PerformancePage(GatedDocument &doc, StatusArea &status, UserEvents &events, QWidget *parent)
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

    onMoved(events, m_ui->Threads, [this] { ThreadsChange(); });
    onMoved(events, m_ui->MaxWait, [this] { MaxWaitChange(); });
    onMoved(events, m_ui->TimeSliceX, [this] { TimeSliceXChange(); });
    onMoved(events, m_ui->TimeSliceY, [this] { TimeSliceYChange(); });
    showStatementsInToolTips();
    events.on(m_priority, &QButtonGroup::idClicked, [this] { PriorityClick(); });
}

template <typename F>
void PerformancePage::onMoved(UserEvents &events, QScrollBar *bar, F handler)
{
    // Every move of the user's comes as an action: a key, a click on an arrow
    // or beside the thumb, the wheel, and each step of a drag (the bars track
    // their thumb). The bar takes its new place only after the signal, so the
    // handler gives it that place first.
    // The moves of one drag are one step of the document's history; each key
    // or click is a step of its own.
    events.on(bar, &QAbstractSlider::actionTriggered, [this, bar, handler](int action) {
        if (action == QAbstractSlider::SliderMove)
            m_doc.joinRun(bar, m_drags);
        bar->setValue(bar->sliderPosition());
        handler();
    });
    connect(bar, &QAbstractSlider::sliderPressed, this, [this] { ++m_drags; });
}

PerformancePage::~PerformancePage() = default;

void PerformancePage::forget()
{
    m_regs = {NoLine, NoLine, NoLine, NoLine};
}

void PerformancePage::forgetFrom(LinePos first)
{
    forgetRegistersFrom(first, {&m_regs.ThreadsLine, &m_regs.MaxWaitLine, &m_regs.PriorityLine, &m_regs.TimeSliceLine});
}

std::vector<std::string_view> PerformancePage::scanKeys() const
{
    return {kThreads, kMaxWait, kPriority, kTimeSlice};
}

void PerformancePage::showFound(const Document &doc, const FoundStatements &found)
{
    m_regs = {found[kThreads].line, found[kMaxWait].line, found[kPriority].line, found[kTimeSlice].line};
    show(doc);
}

void PerformancePage::show(const Document &doc)
{
    // Each statement is read at its register's line: the line stays the
    // statement's until the next scan, also when it was commented out or
    // rewritten by hand since.
    const Lines &lines = doc.lines();
    const IniValue threads = GetIniStrAt(lines, m_regs.ThreadsLine, kThreads);
    const IniValue maxWait = GetIniStrAt(lines, m_regs.MaxWaitLine, kMaxWait);
    const IniValue priority = GetIniStrAt(lines, m_regs.PriorityLine, kPriority);
    const IniValue timeSlice = GetIniStrAt(lines, m_regs.TimeSliceLine, kTimeSlice);
    const auto numberOr = [](const IniValue &v, int start) {
        return v.found() ? statements::number(v.value).value_or(start) : start;
    };
    m_ui->Threads->setValue(numberOr(threads, m_start.threads));
    m_ui->MaxWait->setValue(numberOr(maxWait, m_start.maxWait));
    // A TIMESLICE number is twice the bar's position. The bars count in steps
    // of 2 ms because a scroll bar's position was a 16-bit number (at most
    // 32767) while time slices reach 65536 ms; the bars keep those steps and
    // the even numbers they write (32 to 65534), as users know them.
    const statements::TimeSlice slice = statements::timeSlice(timeSlice.value);
    const auto half = [](const std::optional<std::string> &n, int start) {
        return n ? statements::number(*n).value_or(2 * start) / 2 : start;
    };
    m_ui->TimeSliceX->setValue(half(slice.min, m_start.sliceMin));
    m_ui->TimeSliceY->setValue(half(slice.max, m_start.sliceMax));
    // A value the group lacks checks no item; MAXWAIT then stays in sight.
    m_item = priority.found() ? statements::priorityItem(priority.value) : 0;
    checkItem(m_priority, m_item);
    m_ui->MaxWait->setVisible(m_item != 1);
    m_ui->MaxWaitLAbel->setVisible(m_item != 1);
    showStatementsInToolTips();
}

bool PerformancePage::leadsTo(LinePos pos) const
{
    return pos != NoLine
           && (pos == m_regs.ThreadsLine || pos == m_regs.MaxWaitLine || pos == m_regs.PriorityLine
               || pos == m_regs.TimeSliceLine);
}

void PerformancePage::write(const std::string &statement, LinePos reg)
{
    const LinePos line = m_doc.lineOf(reg);
    m_status.vislinje(line);
    m_status.showInEditLine(statement);
    // Without the statement in the document nothing more happens: the page
    // never adds a line, and the selection stays where it was.
    if (line != NoLine)
        m_doc.replaceLine(line, statement);
    showStatementsInToolTips();
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
    // The bars never cross: the other one follows, and the one statement
    // written holds both as they stand after the move.
    if (m_ui->TimeSliceX->value() > m_ui->TimeSliceY->value())
        m_ui->TimeSliceY->setValue(m_ui->TimeSliceX->value());
    write(timeSlice(), m_regs.TimeSliceLine);
}

void PerformancePage::TimeSliceYChange()
{
    if (m_ui->TimeSliceY->value() < m_ui->TimeSliceX->value())
        m_ui->TimeSliceX->setValue(m_ui->TimeSliceY->value());
    write(timeSlice(), m_regs.TimeSliceLine);
}

void PerformancePage::PriorityClick()
{
    // A click on the item already checked changes nothing.
    const int item = m_priority->checkedId();
    if (item == m_item)
        return;
    m_item = item;
    m_ui->MaxWait->setVisible(item == 0);
    m_ui->MaxWaitLAbel->setVisible(item == 0);
    if (item >= 0)
        write(std::string(statements::PriorityStatements[static_cast<std::size_t>(item)]), m_regs.PriorityLine);
}
