// The "Oppstart" page: RESTARTOBJECTS, PROTECTONLY and the STARTUP.CMD editor.
#include "pages/startup_page.h"

#include "ui_startup_page.h"

#include "engine/statements.h"
#include "workspace/control_events.h"
#include "workspace/input_rules.h"
#include "workspace/workspace.h"

#include <QButtonGroup>

#include <array>

namespace {

const QString kStartupCmd = QStringLiteral("C:\\STARTUP.CMD");

} // namespace

StartupPage::StartupPage(Workspace &ws, QWidget *parent)
    : QWidget(parent)
    , m_ws(ws)
    , ui(std::make_unique<Ui::StartupPage>())
    , m_restart(new QButtonGroup(this))
{
    ui->setupUi(this);
    // "Ny" writes a file that only ends the command processor; "Slett" keeps no backup.
    m_file = std::make_unique<SideFileEditor>(
        m_ws,
        SideFileEditor::Panel{ui->startupcmd, ui->NyStartupKnapp, ui->LagreStartupKnapp, ui->SlettStartupKnapp,
                              ui->StartupMemo},
        SideFileEditor::Setup{kStartupCmd, [] { return Lines{"EXIT"}; }, QString()});
    const std::array<QRadioButton *, 5> items = {ui->restartgroup_0, ui->restartgroup_1, ui->restartgroup_2,
                                                 ui->restartgroup_3, ui->restartgroup_4};
    for (int i = 0; i < int(items.size()); ++i)
        m_restart->addButton(items[i], i);
    tabStopOnCheckedButton(m_restart);
    ui->LeggTilRestartKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/restart.png")));
    ui->NyStartupKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/new.png")));
    ui->LagreStartupKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/save.png")));
    ui->SlettStartupKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/delete.png")));

    WriteGate &gate = m_ws.gate();
    controls::onChosen(gate, m_restart, [this] { restartgroupClick(); });
    controls::onPressed(gate, ui->LeggTilRestartKnapp, [this] { LeggTilRestartKnappClick(); });
    controls::onToggled(gate, ui->protectonly, [this] { protectonlyClick(); });
    controls::onToggled(gate, ui->startupcmd, [this] { startupcmdClick(); });
    connect(ui->NyStartupKnapp, &QPushButton::clicked, this, [this] { NyStartupKnappClick(); });
    connect(ui->LagreStartupKnapp, &QPushButton::clicked, this, [this] { LagreStartupKnappClick(); });
    connect(ui->SlettStartupKnapp, &QPushButton::clicked, this, [this] { SlettStartupKnappClick(); });
    connect(ui->StartupMemo, &QPlainTextEdit::textChanged, this, [this] { StartupMemoChange(); });
}

StartupPage::~StartupPage() = default;

void StartupPage::checkStartupCmdExists()
{
    m_file->checkExists();
}

void StartupPage::selectRestartItem(const std::string &value)
{
    // Without the statement the group shows OS/2's default; a value the table
    // lacks checks no item, so that nothing stands for a value it is not.
    const int item = m_ws.registers().RestartObjectsLine == NoLine ? statements::RestartDefault
                                                                   : statements::restartItem(value);
    controls::choose(m_ws.gate(), m_restart, item);
}

void StartupPage::refresh()
{
    // The item follows the line as it stands now: edited by hand, or
    // commented out with "REM av/på" (then no item stands for it).
    const LinePos line = m_ws.lineOf(m_ws.registers().RestartObjectsLine);
    if (line != NoLine)
        controls::choose(m_ws.gate(), m_restart, statements::restartItemOfLine(m_ws.document().line(line)));
    restartgroupClick();
}

void StartupPage::restartgroupClick()
{
    m_ws.enableRemButton(false);
    const LinePos line = m_ws.lineOf(m_ws.registers().RestartObjectsLine);
    m_ws.vislinje(line);
    m_ws.selectLine(line);
    ui->LeggTilRestartKnapp->setEnabled(line == NoLine);
    if (line != NoLine) {
        // Only the user's choice of an item writes the line.
        if (m_ws.mayWrite())
            m_ws.replaceLine(line, statements::restartStatement(m_restart->checkedId()));
        m_ws.showLineInEditLine(line);
    } else {
        m_ws.showTextInEditLine(QStringLiteral("(RESTARTOBJECTS=YES)"));
    }
    m_ws.showHint(QStringLiteral("Ikke nødvendig, standardverdi RESTARTOBJECTS=YES"));
    m_ws.showMessage(QString());
}

void StartupPage::LeggTilRestartKnappClick()
{
    restartgroupClick();
    const LinePos added = m_ws.appendLine("RESTARTOBJECTS=YES");
    if (added == NoLine)
        return;
    m_ws.registers().RestartObjectsLine = added;
    restartgroupClick();
}

void StartupPage::protectonlyClick()
{
    const bool on = ui->protectonly->isChecked();
    m_ws.writeStatement(m_ws.registers().ProtectOnlyLine, on ? "PROTECTONLY=YES" : "PROTECTONLY=NO");
    m_ws.showHint(on ? QStringLiteral("Kun OS/2 sesjoner kan kjøres")
                      : QStringLiteral("OS/2, DOS og Windows sesjoner kan kjøres"));
}

void StartupPage::startupcmdClick()
{
    m_file->showFile();
}

void StartupPage::NyStartupKnappClick()
{
    m_file->newFile();
}

void StartupPage::LagreStartupKnappClick()
{
    m_file->saveFile();
}

void StartupPage::SlettStartupKnappClick()
{
    m_file->deleteFile();
}

void StartupPage::StartupMemoChange()
{
    ui->LagreStartupKnapp->setEnabled(ui->StartupMemo->lineCount() > 0);
    ui->NyStartupKnapp->setEnabled(!m_file->fileExists());
}
