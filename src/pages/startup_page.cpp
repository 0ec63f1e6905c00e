// The "Oppstart" page: RESTARTOBJECTS, PROTECTONLY and the STARTUP.CMD editor.
#include "pages/startup_page.h"

#include "ui_startup_page.h"

#include "engine/statements.h"
#include "workspace/gated_document.h"
#include "workspace/input_rules.h"
#include "workspace/status_area.h"
#include "workspace/user_events.h"

#include <QButtonGroup>

#include <array>

namespace {

const QString kStartupCmd = QStringLiteral("C:\\STARTUP.CMD");
constexpr std::string_view kRestartObjects = "RESTARTOBJECTS";
constexpr std::string_view kProtectOnly = "PROTECTONLY";

} // namespace

StartupPage::StartupPage(GatedDocument &doc, StatusArea &status, UserEvents &events, FileGate &files,
                         ErrorReporter &errors, const QuestionAsker &questions, QWidget *parent)
    : QWidget(parent)
    , m_doc(doc)
    , m_status(status)
    , m_ui(std::make_unique<Ui::StartupPage>())
    , m_restart(new QButtonGroup(this))
{
    m_ui->setupUi(this);
    // "Ny" writes a file that only ends the command processor; "Slett" keeps no backup.
    m_file = std::make_unique<SideFileEditor>(
        SideFileEditor::Services{files, m_status, errors, questions},
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

    events.on(m_restart, &QButtonGroup::idClicked, [this] { restartgroupClick(); });
    events.on(m_ui->LeggTilRestartKnapp, &QAbstractButton::clicked, [this] { LeggTilRestartKnappClick(); });
    events.on(m_ui->protectonly, &QAbstractButton::clicked, [this] { protectonlyClick(); });
    events.on(m_ui->startupcmd, &QAbstractButton::clicked, [this] { startupcmdClick(); });
    events.on(m_ui->NyStartupKnapp, &QAbstractButton::clicked, [this] { NyStartupKnappClick(); });
    events.on(m_ui->LagreStartupKnapp, &QAbstractButton::clicked, [this] { LagreStartupKnappClick(); });
    events.on(m_ui->SlettStartupKnapp, &QAbstractButton::clicked, [this] { SlettStartupKnappClick(); });
    // The buttons follow the memo whoever changes it, a load included; this
    // writes nothing.
    connect(m_ui->StartupMemo, &QPlainTextEdit::textChanged, this, [this] { StartupMemoChange(); });
}

StartupPage::~StartupPage() = default;

std::vector<std::string_view> StartupPage::scanKeys() const
{
    return {kRestartObjects, kProtectOnly};
}

void StartupPage::showFound(const Document &, const FoundStatements &found)
{
    // STARTUP.CMD is read again at every scan, so unsaved edits of the memo go.
    m_file->showFile();
    const IniValue &restart = found[kRestartObjects];
    m_regs = {restart.line, found[kProtectOnly].line};
    // Without the statement the group shows OS/2's default; a value the table
    // lacks checks no item, so that nothing stands for a value it is not.
    showItem(restart.found() ? statements::restartItem(restart.value) : statements::RestartDefault);
    showRestartLine();
}

void StartupPage::show(const Document &doc)
{
    // The item follows the line as it stands now: edited by hand, or
    // commented out with "REM av/på" (then no item stands for it).
    const LinePos line = lineIn(doc.lines(), m_regs.RestartObjectsLine);
    if (line != NoLine)
        showItem(statements::restartItemOfLine(doc.line(line)));
    showRestartLine();
}

void StartupPage::forget()
{
    m_regs = {NoLine, NoLine};
}

void StartupPage::forgetFrom(LinePos first)
{
    forgetRegistersFrom(first, {&m_regs.RestartObjectsLine, &m_regs.ProtectOnlyLine});
}

void StartupPage::showItem(int item)
{
    checkItem(m_restart, item);
    m_item = item;
}

void StartupPage::showRestartLine()
{
    m_status.enableRemButton(false);
    const LinePos line = m_doc.lineOf(m_regs.RestartObjectsLine);
    m_status.vislinje(line);
    m_status.selectLine(line);
    m_ui->LeggTilRestartKnapp->setEnabled(line == NoLine);
    if (line != NoLine)
        m_status.showLineInEditLine(line);
    else
        m_status.showTextInEditLine(QStringLiteral("(RESTARTOBJECTS=YES)"));
    m_status.showHint(QStringLiteral("Ikke nødvendig, standardverdi RESTARTOBJECTS=YES"));
    m_status.showMessage(QString());
}

void StartupPage::restartgroupClick()
{
    // A click on the item already checked changes nothing.
    const int item = m_restart->checkedId();
    if (item == m_item)
        return;
    m_item = item;
    if (const LinePos line = m_doc.lineOf(m_regs.RestartObjectsLine); line != NoLine)
        m_doc.replaceLine(line, statements::restartStatement(item));
    showRestartLine();
}

void StartupPage::LeggTilRestartKnappClick()
{
    // The statement of the item checked, as the last line; from then on the
    // group writes over it.
    const LinePos added = m_doc.appendLine(statements::restartStatement(m_restart->checkedId()));
    if (added != NoLine)
        m_regs.RestartObjectsLine = added;
    showRestartLine();
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
