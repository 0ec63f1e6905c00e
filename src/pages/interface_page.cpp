// The "Grensesnitt" page: SET AUTOSTART and SET RUNWORKPLACE.
#include "pages/interface_page.h"

#include "ui_interface_page.h"

#include "engine/statements.h"
#include "platform/text8.h"
#include "workspace/control_events.h"
#include "workspace/gated_document.h"
#include "workspace/input_rules.h"
#include "workspace/status_area.h"

InterfacePage::InterfacePage(GatedDocument &doc, StatusArea &status, QWidget *parent)
    : QWidget(parent)
    , m_doc(doc)
    , m_status(status)
    , m_ui(std::make_unique<Ui::InterfacePage>())
{
    m_ui->setupUi(this);
    for (QCheckBox *box : autostartBoxes())
        controls::onToggled(m_doc.gate(), box, [this] { programsClick(); });
    // The field takes no typing: a click, Enter or Space leads to the line,
    // which is edited in the edit line.
    m_ui->runworkplace->setReadOnly(true);
    m_ui->runworkplace->installEventFilter(this);
}

InterfacePage::~InterfacePage() = default;

bool InterfacePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->runworkplace && isActivation(event))
        runworkplaceClick();
    return QWidget::eventFilter(watched, event);
}

std::array<QCheckBox *, 5> InterfacePage::autostartBoxes() const
{
    // In the order of statements::AutostartKeywords.
    return {m_ui->programs, m_ui->tasklist, m_ui->folders, m_ui->Connections, m_ui->WarpCenter};
}

void InterfacePage::scanAutostart(const IniValue &autostart)
{
    m_regs.AutostartLine = autostart.line;
    // A box that changes runs programsClick, which writes nothing now: the
    // line stays as read.
    const statements::AutostartTicks ticks = statements::autostartTicks(autostart.value);
    const auto boxes = autostartBoxes();
    for (std::size_t k = 0; k < boxes.size(); ++k)
        controls::setChecked(m_doc.gate(), boxes[k], ticks[k]);
}

void InterfacePage::scanRunWorkplace(const IniValue &runWorkplace)
{
    m_ui->runworkplace->setText(text8::toDisplay(runWorkplace.value));
    m_regs.RunWorkplaceLine = runWorkplace.line;
}

void InterfacePage::forget()
{
    m_regs = {NoLine, NoLine};
}

void InterfacePage::refresh()
{
    m_status.showLineInEditLine(m_regs.AutostartLine);
    m_status.showMessage(QString());
    m_status.showHint(QString());
}

void InterfacePage::programsClick()
{
    statements::AutostartTicks ticks{};
    const auto boxes = autostartBoxes();
    for (std::size_t k = 0; k < boxes.size(); ++k)
        ticks[k] = boxes[k]->isChecked();
    const LinePos line = m_doc.lineOf(m_regs.AutostartLine);
    const std::string_view current = line == NoLine ? std::string_view() : m_doc.document().line(line);
    m_doc.writeStatement(m_regs.AutostartLine, statements::composeAutostart(current, ticks));
}

void InterfacePage::runworkplaceClick()
{
    m_status.makeCurrent(m_regs.RunWorkplaceLine);
    m_status.showHint(QStringLiteral("Oppgir grensesnittet som startes av OS/2"));
}
