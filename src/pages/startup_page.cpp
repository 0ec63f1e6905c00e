// The "Oppstart" page: RESTARTOBJECTS, PROTECTONLY and the STARTUP.CMD editor.
#include "pages/startup_page.h"

#include "ui_startup_page.h"

#include "engine/statements.h"
#include "workspace/control_events.h"
#include "workspace/gated_document.h"
#include "workspace/input_rules.h"
#include "workspace/status_area.h"

#include <QButtonGroup>

#include <array>

namespace {

const QString kStartupCmd = QStringLiteral("C:\\STARTUP.CMD");

} // namespace

StartupPage::StartupPage(GatedDocument &doc, StatusArea &status, FileGate &files, ErrorReporter &errors,
                         const QuestionAsker &questions, QWidget *parent)
    : QWidget(parent)
    , m_doc(doc)
    , m_status(status)
    , m_ui(std::make_unique<Ui::StartupPage>())
    , m_restart(new QButtonGroup(this))
{
    m_ui->setupUi(this);
    // "Ny" writes a file that only ends the command processor; "Slett" keeps no backup.
    m_file = std::make_unique<SideFileEditor>(
        SideFileEditor::Services{files, m_status, m_doc.gate(), errors, questions},
        SideFileEditor::Panel{m_ui->startupcmd, m_ui->NyStartupKnapp, m_ui->LagreStartupKnapp, m_ui->SlettStartupKnapp,
                              m_ui->StartupMemo},
        SideFileEditor::Setup{kStartupCmd, [] { return Lines{"EXIT"}; }, QString()});
    const std::array<QRadioButton *, 5> items = {m_ui->restartgroup_0, m_ui->restartgroup_1, m_ui->restartgroup_2,
                                                 m_ui->restartgroup_3, m_ui->restartgroup_4};
    for (int i = 0; i < static_cast<int>(items.size()); ++i)
        m_restart->addButton(items[i], i);
    tabStopOnCheckedButton(m_restart);
    m_ui->LeggTilRestartKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/restart.png")));
    m_ui->NyStartupKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/new.png")));
    m_ui->LagreStartupKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/save.png")));
    m_ui->SlettStartupKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/delete.png")));

    WriteGate &gate = m_doc.gate();
    controls::onChosen(gate, m_restart, [this] { restartgroupClick(); });
    controls::onPressed(gate, m_ui->LeggTilRestartKnapp, [this] { LeggTilRestartKnappClick(); });
    controls::onToggled(gate, m_ui->protectonly, [this] { protectonlyClick(); });
    controls::onToggled(gate, m_ui->startupcmd, [this] { startupcmdClick(); });
    connect(m_ui->NyStartupKnapp, &QPushButton::clicked, this, [this] { NyStartupKnappClick(); });
    connect(m_ui->LagreStartupKnapp, &QPushButton::clicked, this, [this] { LagreStartupKnappClick(); });
    connect(m_ui->SlettStartupKnapp, &QPushButton::clicked, this, [this] { SlettStartupKnappClick(); });
    connect(m_ui->StartupMemo, &QPlainTextEdit::textChanged, this, [this] { StartupMemoChange(); });
}

StartupPage::~StartupPage() = default;

void StartupPage::checkStartupCmdExists()
{
    m_file->checkExists();
}

void StartupPage::scanRestartObjects(const IniValue &restart)
{
    m_regs.RestartObjectsLine = restart.line;
    // Without the statement the group shows OS/2's default; a value the table
    // lacks checks no item, so that nothing stands for a value it is not.
    const int item = restart.found() ? statements::restartItem(restart.value) : statements::RestartDefault;
    controls::choose(m_doc.gate(), m_restart, item);
}

void StartupPage::scanProtectOnly(const IniValue &protectOnly)
{
    m_regs.ProtectOnlyLine = protectOnly.line;
}

void StartupPage::forget()
{
    m_regs = {NoLine, NoLine};
}

void StartupPage::refresh()
{
    // The item follows the line as it stands now: edited by hand, or
    // commented out with "REM av/på" (then no item stands for it).
    const LinePos line = m_doc.lineOf(m_regs.RestartObjectsLine);
    if (line != NoLine)
        controls::choose(m_doc.gate(), m_restart, statements::restartItemOfLine(m_doc.document().line(line)));
    restartgroupClick();
}

void StartupPage::restartgroupClick()
{
    m_status.enableRemButton(false);
    const LinePos line = m_doc.lineOf(m_regs.RestartObjectsLine);
    m_status.vislinje(line);
    m_status.selectLine(line);
    m_ui->LeggTilRestartKnapp->setEnabled(line == NoLine);
    if (line != NoLine) {
        // Only the user's choice of an item writes the line.
        if (m_doc.mayWrite())
            m_doc.replaceLine(line, statements::restartStatement(m_restart->checkedId()));
        m_status.showLineInEditLine(line);
    } else {
        m_status.showTextInEditLine(QStringLiteral("(RESTARTOBJECTS=YES)"));
    }
    m_status.showHint(QStringLiteral("Ikke nødvendig, standardverdi RESTARTOBJECTS=YES"));
    m_status.showMessage(QString());
}

void StartupPage::LeggTilRestartKnappClick()
{
    restartgroupClick();
    const LinePos added = m_doc.appendLine("RESTARTOBJECTS=YES");
    if (added == NoLine)
        return;
    m_regs.RestartObjectsLine = added;
    restartgroupClick();
}

void StartupPage::protectonlyClick()
{
    const bool on = m_ui->protectonly->isChecked();
    m_doc.writeStatement(m_regs.ProtectOnlyLine, on ? "PROTECTONLY=YES" : "PROTECTONLY=NO");
    m_status.showHint(on ? QStringLiteral("Kun OS/2 sesjoner kan kjøres")
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
    m_ui->LagreStartupKnapp->setEnabled(m_ui->StartupMemo->lineCount() > 0);
    m_ui->NyStartupKnapp->setEnabled(!m_file->fileExists());
}
