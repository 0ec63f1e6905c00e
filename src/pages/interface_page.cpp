// The "Grensesnitt" page: SET AUTOSTART and SET RUNWORKPLACE.
#include "pages/interface_page.h"

#include "ui_interface_page.h"

#include "engine/statements.h"
#include "platform/text8.h"
#include "workspace/control_events.h"
#include "workspace/input_rules.h"
#include "workspace/workspace.h"

InterfacePage::InterfacePage(Workspace &ws, QWidget *parent)
    : QWidget(parent)
    , m_ws(ws)
    , ui(std::make_unique<Ui::InterfacePage>())
{
    ui->setupUi(this);
    for (QCheckBox *box : {ui->programs, ui->folders, ui->Connections, ui->WarpCenter, ui->tasklist})
        controls::onToggled(m_ws.gate(), box, [this] { programsClick(); });
    // The field takes no typing: a click, Enter or Space leads to the line,
    // which is edited in the edit line.
    ui->runworkplace->setReadOnly(true);
    ui->runworkplace->installEventFilter(this);
}

InterfacePage::~InterfacePage() = default;

bool InterfacePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->runworkplace && isActivation(event))
        runworkplaceClick();
    return QWidget::eventFilter(watched, event);
}

std::array<QCheckBox *, 5> InterfacePage::autostartBoxes() const
{
    // In the order of statements::AutostartKeywords.
    return {ui->programs, ui->tasklist, ui->folders, ui->Connections, ui->WarpCenter};
}

void InterfacePage::setAutostart(const std::string &value)
{
    // A box that changes runs programsClick, which writes nothing now: the
    // line stays as read.
    const statements::AutostartTicks ticks = statements::autostartTicks(value);
    const auto boxes = autostartBoxes();
    for (std::size_t k = 0; k < boxes.size(); ++k)
        controls::setChecked(m_ws.gate(), boxes[k], ticks[k]);
}

void InterfacePage::setRunWorkplace(const std::string &value)
{
    ui->runworkplace->setText(text8::toDisplay(value));
}

void InterfacePage::refresh()
{
    m_ws.showLineInEditLine(m_ws.registers().AutostartLine);
    m_ws.showMessage(QString());
    m_ws.showHint(QString());
}

void InterfacePage::programsClick()
{
    statements::AutostartTicks ticks{};
    const auto boxes = autostartBoxes();
    for (std::size_t k = 0; k < boxes.size(); ++k)
        ticks[k] = boxes[k]->isChecked();
    const LinePos line = m_ws.lineOf(m_ws.registers().AutostartLine);
    const std::string_view current = line == NoLine ? std::string_view() : m_ws.document().line(line);
    m_ws.writeStatement(m_ws.registers().AutostartLine, statements::composeAutostart(current, ticks));
}

void InterfacePage::runworkplaceClick()
{
    m_ws.makeCurrent(m_ws.registers().RunWorkplaceLine);
    m_ws.showHint(QStringLiteral("Oppgir grensesnittet som startes av OS/2"));
}
