// The "Ytelse" page: THREADS, MAXWAIT, TIMESLICE and PRIORITY.
#include "pages/performance_page.h"

#include "ui_performance_page.h"

#include "workspace/input_rules.h"
#include "workspace/workspace.h"

#include <QButtonGroup>

PerformancePage::PerformancePage(Workspace &ws, QWidget *parent)
    : QWidget(parent)
    , m_ws(ws)
    , ui(std::make_unique<Ui::PerformancePage>())
    , m_priority(new QButtonGroup(this))
{
    ui->setupUi(this);
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
    }

    connect(ui->Threads, &QScrollBar::valueChanged, this, [this] { ThreadsChange(); });
    connect(ui->MaxWait, &QScrollBar::valueChanged, this, [this] { MaxWaitChange(); });
    connect(ui->TimeSliceX, &QScrollBar::valueChanged, this, [this] { TimeSliceXChange(); });
    connect(ui->TimeSliceY, &QScrollBar::valueChanged, this, [this] { TimeSliceYChange(); });
    // After the handlers, which may move the other time-slice bar too.
    for (QScrollBar *bar : bars)
        connect(bar, &QScrollBar::valueChanged, this, [this] { showStatementsInToolTips(); });
    showStatementsInToolTips();
    connect(m_priority, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            PriorityClick();
    });
}

PerformancePage::~PerformancePage() = default;

void PerformancePage::write(const std::string &statement, LinePos reg)
{
    const LinePos line = m_ws.lineOf(reg);
    m_ws.vislinje(line);
    m_ws.showInEditLine(statement);
    // Without the statement in the document nothing more happens: the page
    // never adds a line, and the selection stays where it was.
    if (line != NoLine)
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
    return "TIMESLICE=" + std::to_string(2 * ui->TimeSliceX->value()) + ','
           + std::to_string(2 * ui->TimeSliceY->value());
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
        ui->TimeSliceY->setValue(ui->TimeSliceX->value());
    write(timeSlice(), m_ws.registers().TimeSliceLine);
}

void PerformancePage::TimeSliceYChange()
{
    if (ui->TimeSliceY->value() < ui->TimeSliceX->value())
        ui->TimeSliceX->setValue(ui->TimeSliceY->value());
    write(timeSlice(), m_ws.registers().TimeSliceLine);
}

void PerformancePage::PriorityClick()
{
    const int item = m_priority->checkedId();
    ui->MaxWait->setVisible(item == 0);
    ui->MaxWaitLAbel->setVisible(item == 0);
    if (item == 0)
        write("PRIORITY=DYNAMIC", m_ws.registers().PriorityLine);
    else if (item == 1)
        write("PRIORITY=ABSOLUTE", m_ws.registers().PriorityLine);
}
