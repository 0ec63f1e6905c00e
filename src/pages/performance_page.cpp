// The "Ytelse" page: THREADS, MAXWAIT, TIMESLICE and PRIORITY.
#include "pages/performance_page.h"

#include "ui_performance_page.h"

#include "engine/statements.h"
#include "workspace/accessibility.h"
#include "workspace/control_events.h"
#include "workspace/input_rules.h"
#include "platform/text8.h"
#include "workspace/workspace.h"

#include <QButtonGroup>

#include <algorithm>

PerformancePage::PerformancePage(Workspace &ws, QWidget *parent)
    : QWidget(parent)
    , m_ws(ws)
    , ui(std::make_unique<Ui::PerformancePage>())
    , m_priority(new QButtonGroup(this))
{
    ui->setupUi(this);
    m_start = {ui->Threads->value(), ui->MaxWait->value(), ui->TimeSliceX->value(), ui->TimeSliceY->value()};
    m_priority->addButton(ui->Priority_0, 0);
    m_priority->addButton(ui->Priority_1, 1);
    tabStopOnCheckedButton(m_priority);
    const auto bars = {ui->Threads, ui->MaxWait, ui->TimeSliceX, ui->TimeSliceY};
    // The bars are moved by keys too: reachable with Tab, Right and End raising
    // them. A wheel moves only the bar that has the focus.
    for (QScrollBar *bar : bars) {
        bar->setFocusPolicy(Qt::StrongFocus);
        bar->setInvertedControls(false);
        wheelOnlyWithFocus(bar);
        a11y::setRole(bar, QAccessible::Slider);
    }

    WriteGate &gate = m_ws.gate();
    controls::onMoved(gate, ui->Threads, [this] { ThreadsChange(); });
    controls::onMoved(gate, ui->MaxWait, [this] { MaxWaitChange(); });
    controls::onMoved(gate, ui->TimeSliceX, [this] { TimeSliceXChange(); });
    controls::onMoved(gate, ui->TimeSliceY, [this] { TimeSliceYChange(); });
    // After the handlers, which may move the other time-slice bar too.
    for (QScrollBar *bar : bars)
        connect(bar, &QScrollBar::valueChanged, this, [this] { showStatementsInToolTips(); });
    showStatementsInToolTips();
    controls::onChosen(gate, m_priority, [this] { PriorityClick(); });
}

PerformancePage::~PerformancePage() = default;

void PerformancePage::showStatements(const IniValue &threads, const IniValue &maxWait, const IniValue &priority,
                                     const IniValue &timeSlice)
{
    WriteGate &gate = m_ws.gate();
    const auto numberOr = [](const IniValue &v, int start) {
        return v.found() ? statements::number(v.value).value_or(start) : start;
    };
    controls::setValue(gate, ui->Threads, numberOr(threads, m_start.threads));
    controls::setValue(gate, ui->MaxWait, numberOr(maxWait, m_start.maxWait));
    // A TIMESLICE number is twice the bar's position.
    const statements::TimeSlice slice = statements::timeSlice(timeSlice.value);
    const auto half = [](const std::optional<std::string> &n, int start) {
        return n ? statements::number(*n).value_or(2 * start) / 2 : start;
    };
    controls::setValue(gate, ui->TimeSliceX, half(slice.min, m_start.sliceMin));
    controls::setValue(gate, ui->TimeSliceY, half(slice.max, m_start.sliceMax));
    // A value the group lacks checks no item; MAXWAIT then stays in sight.
    const int item = priority.found() ? statements::priorityItem(priority.value) : 0;
    controls::choose(gate, m_priority, item);
    if (item < 0) {
        ui->MaxWait->setVisible(true);
        ui->MaxWaitLAbel->setVisible(true);
    }
}

void PerformancePage::write(const std::string &statement, LinePos reg)
{
    const LinePos line = m_ws.lineOf(reg);
    m_ws.vislinje(line);
    m_ws.showInEditLine(statement);
    // Without the statement in the document nothing more happens: the page
    // never adds a line, and the selection stays where it was. Only the
    // user's move writes.
    if (line != NoLine && m_ws.mayWrite())
        m_ws.replaceLine(line, statement);
}

std::string PerformancePage::threads() const
{
    return "THREADS=" + std::to_string(ui->Threads->value());
}

std::string PerformancePage::maxWait() const
{
    return "MAXWAIT=" + std::to_string(ui->MaxWait->value());
}

std::string PerformancePage::timeSlice() const
{
    static constexpr std::string_view kKey = "TIMESLICE=";
    statements::TimeSlice written;
    if (const LinePos line = m_ws.lineOf(m_ws.registers().TimeSliceLine); line != NoLine) {
        const std::string_view text = m_ws.document().line(line);
        if (text8::startsWithUpper(text, kKey))
            written = statements::timeSlice(text.substr(kKey.size()));
    }
    const auto part = [](const QScrollBar *bar, const std::optional<std::string> &text) {
        if (text) {
            const int position = std::clamp(*statements::number(*text) / 2, bar->minimum(), bar->maximum());
            if (position == bar->value())
                return *text;
        }
        return std::to_string(2 * bar->value());
    };
    return statements::timeSliceStatement(part(ui->TimeSliceX, written.min), part(ui->TimeSliceY, written.max));
}

void PerformancePage::showStatementsInToolTips()
{
    ui->Threads->setToolTip(QString::fromStdString(threads()));
    ui->MaxWait->setToolTip(QString::fromStdString(maxWait()));
    const QString slice = QString::fromStdString(timeSlice());
    ui->TimeSliceX->setToolTip(slice);
    ui->TimeSliceY->setToolTip(slice);
}

void PerformancePage::ThreadsChange()
{
    write(threads(), m_ws.registers().ThreadsLine);
}

void PerformancePage::MaxWaitChange()
{
    write(maxWait(), m_ws.registers().MaxWaitLine);
}

void PerformancePage::TimeSliceXChange()
{
    if (ui->TimeSliceX->value() > ui->TimeSliceY->value())
        controls::setValue(m_ws.gate(), ui->TimeSliceY, ui->TimeSliceX->value());
    write(timeSlice(), m_ws.registers().TimeSliceLine);
}

void PerformancePage::TimeSliceYChange()
{
    if (ui->TimeSliceY->value() < ui->TimeSliceX->value())
        controls::setValue(m_ws.gate(), ui->TimeSliceX, ui->TimeSliceY->value());
    write(timeSlice(), m_ws.registers().TimeSliceLine);
}

void PerformancePage::PriorityClick()
{
    const int item = m_priority->checkedId();
    ui->MaxWait->setVisible(item == 0);
    ui->MaxWaitLAbel->setVisible(item == 0);
    if (item >= 0)
        write(std::string(statements::PriorityStatements[std::size_t(item)]), m_ws.registers().PriorityLine);
}
