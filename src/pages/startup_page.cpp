// The "Oppstart" page: RESTARTOBJECTS, PROTECTONLY and the STARTUP.CMD editor.
#include "pages/startup_page.h"

#include "ui_startup_page.h"

#include "engine/statements.h"
#include "platform/text8.h"
#include "workspace/gated_document.h"
#include "workspace/input_rules.h"
#include "workspace/status_area.h"
#include "workspace/user_events.h"

#include <QButtonGroup>
#include <QCoreApplication>

#include <array>

namespace {

const QString kStartupCmd = QStringLiteral("C:\\STARTUP.CMD");
constexpr std::string_view kSetRestartObjects = "SET RESTARTOBJECTS";
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
    return {kSetRestartObjects, kRestartObjects, kProtectOnly};
}

void StartupPage::showFound(const Document &doc, const FoundStatements &found)
{
    // STARTUP.CMD is read again at every scan, so unsaved edits of the memo go.
    m_file->showFile();
    // OS/2 takes the SET line; a bare line counts only without one.
    const IniValue &set = found[kSetRestartObjects];
    const IniValue &bare = found[kRestartObjects];
    m_regs = {set.found() ? set.line : bare.line, found[kProtectOnly].line, set.found() ? bare.line : NoLine};
    // Without the statement the group shows OS/2's default; a value the table
    // lacks checks no item, so that nothing stands for a value it is not.
    const LinePos line = lineIn(doc.lines(), m_regs.RestartObjectsLine);
    showItem(line != NoLine ? statements::restartLine(doc.line(line)).item : statements::RestartDefault);
    showRestartLine();
}

void StartupPage::show(const Document &doc)
{
    // The item follows the line as it stands now: edited by hand, or
    // commented out with "REM av/på" (then no item stands for it).
    const LinePos line = lineIn(doc.lines(), m_regs.RestartObjectsLine);
    if (line != NoLine)
        showItem(statements::restartLine(doc.line(line)).item);
    showRestartLine();
}

void StartupPage::forget()
{
    m_regs = {NoLine, NoLine, NoLine};
}

void StartupPage::forgetFrom(LinePos first)
{
    forgetRegistersFrom(first, {&m_regs.RestartObjectsLine, &m_regs.BareRestartObjectsLine, &m_regs.ProtectOnlyLine});
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
        m_status.showTextInEditLine(QStringLiteral("(SET RESTARTOBJECTS=YES)"));
    m_status.showHint(restartHint(line));
    m_status.showMessage(QString());
}

QString StartupPage::restartHint(LinePos line) const
{
    using statements::RestartForm;
    const Document &doc = m_doc.document();
    const statements::RestartLine restart =
        line != NoLine ? statements::restartLine(doc.line(line)) : statements::RestartLine{};
    if (restart.form != RestartForm::None && restart.item < 0) {
        // The value as written, cut short enough for the hint line.
        constexpr std::size_t shown = 30;
        QString value = text8::toDisplay(restart.value.substr(0, shown));
        if (restart.value.size() > shown)
            value += u'…';
        return QCoreApplication::translate("StartupPage", "Ingen valg står for «%1»; linjen står til du velger").arg(value);
    }
    if (restart.form == RestartForm::Bare)
        return QCoreApplication::translate("StartupPage", "OS/2 leser ikke linjen uten SET; et valg skriver den om med SET foran");
    if (const LinePos bare = m_doc.lineOf(m_regs.BareRestartObjectsLine);
        bare != NoLine && statements::restartLine(doc.line(bare)).form == RestartForm::Bare)
        return QCoreApplication::translate("StartupPage", "Linje nr. %1 (uten SET) virker ikke; OS/2 leser denne linjen").arg(bare + 1);
    return QCoreApplication::translate("StartupPage", "Ikke nødvendig, standardverdi RESTARTOBJECTS=YES");
}

void StartupPage::restartgroupClick()
{
    // A click on the item already checked changes nothing, but on a bare
    // line, which OS/2 does not read: the user acted on it, so it gets its
    // SET form.
    const int item = m_restart->checkedId();
    const LinePos line = m_doc.lineOf(m_regs.RestartObjectsLine);
    const bool bare = line != NoLine
                      && statements::restartLine(m_doc.document().line(line)).form == statements::RestartForm::Bare;
    if (item == m_item && !bare)
        return;
    m_item = item;
    if (line != NoLine)
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
    m_status.showHint(on ? QCoreApplication::translate("StartupPage", "Kun OS/2 sesjoner kan kjøres")
                      : QCoreApplication::translate("StartupPage", "OS/2, DOS og Windows sesjoner kan kjøres"));
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
