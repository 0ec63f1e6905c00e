// The "Grensesnitt" page: SET AUTOSTART and SET RUNWORKPLACE.
#include "pages/interface_page.h"

#include "ui_interface_page.h"

#include "engine/statements.h"
#include "platform/text8.h"
#include "workspace/gated_document.h"
#include "workspace/input_rules.h"
#include "workspace/status_area.h"
#include "workspace/user_events.h"

#include <QCoreApplication>

namespace {

constexpr std::string_view kAutostart = "SET AUTOSTART";
constexpr std::string_view kRunWorkplace = "SET RUNWORKPLACE";

} // namespace

InterfacePage::InterfacePage(GatedDocument &doc, StatusArea &status, UserEvents &events, QWidget *parent)
    : QWidget(parent)
    , m_doc(doc)
    , m_status(status)
    , m_ui(std::make_unique<Ui::InterfacePage>())
{
    m_ui->setupUi(this);
    for (QCheckBox *box : autostartBoxes())
        events.on(box, &QAbstractButton::clicked, [this] { programsClick(); });
    // The field takes no typing: a click, Enter or Space leads to the line,
    // which is edited in the edit line.
    m_ui->runworkplace->setReadOnly(true);
    m_runworkplaceClick = events.handler([this] { runworkplaceClick(); });
    m_ui->runworkplace->installEventFilter(this);
}

InterfacePage::~InterfacePage() = default;

bool InterfacePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->runworkplace && isActivation(event))
        m_runworkplaceClick();
    return QWidget::eventFilter(watched, event);
}

std::array<QCheckBox *, 5> InterfacePage::autostartBoxes() const
{
    // In the order of statements::AutostartKeywords.
    return {m_ui->programs, m_ui->tasklist, m_ui->folders, m_ui->Connections, m_ui->WarpCenter};
}

std::vector<std::string_view> InterfacePage::scanKeys() const
{
    return {kAutostart, kRunWorkplace};
}

void InterfacePage::showFound(const Document &, const FoundStatements &found)
{
    const IniValue &autostart = found[kAutostart];
    const IniValue &runWorkplace = found[kRunWorkplace];
    m_regs = {autostart.line, runWorkplace.line};
    // The boxes show the value; the line stays as it was read.
    const statements::AutostartTicks ticks = statements::autostartTicks(autostart.value);
    const auto boxes = autostartBoxes();
    for (std::size_t k = 0; k < boxes.size(); ++k)
        boxes[k]->setChecked(ticks[k]);
    m_ui->runworkplace->setText(text8::toDisplay(runWorkplace.value));
}

void InterfacePage::show(const Document &doc)
{
    // The yellow line, its number and the list's selection name the SET
    // AUTOSTART line; without one the yellow line stays empty.
    if (lineIn(doc.lines(), m_regs.AutostartLine) != NoLine)
        m_status.makeCurrent(m_regs.AutostartLine);
    m_status.showMessage(QString());
    m_status.showHint(QString());
}

bool InterfacePage::leadsTo(LinePos pos) const
{
    return pos != NoLine && (pos == m_regs.AutostartLine || pos == m_regs.RunWorkplaceLine);
}

void InterfacePage::forget()
{
    m_regs = {NoLine, NoLine};
}

void InterfacePage::forgetFrom(LinePos first)
{
    forgetRegistersFrom(first, {&m_regs.AutostartLine, &m_regs.RunWorkplaceLine});
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
    m_status.showHint(QCoreApplication::translate("InterfacePage", "Oppgir grensesnittet som startes av OS/2"));
}
