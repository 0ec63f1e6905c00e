// The "DOS" page: the DOS driver statements, SHELL and the AUTOEXEC.BAT editor.
#include "pages/dos_page.h"

#include "ui_dos_page.h"

#include "platform/oem_text.h"
#include "platform/text8.h"
#include "workspace/file_gate.h"
#include "workspace/gated_document.h"
#include "workspace/input_rules.h"
#include "workspace/status_area.h"
#include "workspace/user_events.h"

#include <QCoreApplication>


namespace {

const QString kAutoexec = QStringLiteral("C:\\AUTOEXEC.BAT");
const QString kAutoexecBackup = QStringLiteral("C:\\AUTOEXEC.BAK");

} // namespace

DosPage::DosPage(GatedDocument &doc, StatusArea &status, UserEvents &events, FileGate &files, ErrorReporter &errors,
                 const QuestionAsker &questions, QWidget *parent)
    : QWidget(parent)
    , m_doc(doc)
    , m_status(status)
    , m_ui(std::make_unique<Ui::DosPage>())
{
    m_ui->setupUi(this);
    // "Ny" brings the backup back, or makes an empty file; "Slett" keeps a
    // backup first. The memo's "1" to "9" are placeholders, never a file.
    m_file = std::make_unique<SideFileEditor>(
        SideFileEditor::Services{files, m_status, errors, questions},
        SideFileEditor::Panel{m_ui->autoexec, m_ui->NyAutoexecKnapp, m_ui->LagreAutoexecKnapp, m_ui->SlettAutoexecKnapp,
                              m_ui->autoexecmemo},
        SideFileEditor::Setup{kAutoexec,
                              [&files] { return files.isFile(kAutoexecBackup) ? files.load(kAutoexecBackup) : Lines{}; },
                              kAutoexecBackup, true});
    m_ui->autoexecmemo->setCharFilter(oem::nearestOemCharacter);
    // SHELL is shown here, not typed: the field has the button face. Set in its
    // palette rather than a style sheet, whose palette() would be the
    // application's (dark on a dark desktop), not the window's.
    QPalette face = m_ui->shell->palette();
    face.setBrush(QPalette::Base, face.button());
    m_ui->shell->setPalette(face);
    // It takes no typing: a click, Enter or Space leads to the SHELL line.
    m_ui->shell->setReadOnly(true);
    m_ui->NyAutoexecKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/new.png")));
    m_ui->LagreAutoexecKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/save.png")));
    m_ui->SlettAutoexecKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/delete.png")));

    events.on(m_ui->vemmsys, &QAbstractButton::clicked, [this] { vemmsysClick(); });
    events.on(m_ui->vxmssys, &QAbstractButton::clicked, [this] { vxmssysClick(); });
    events.on(m_ui->vdpmisys, &QAbstractButton::clicked, [this] { vdpmisysClick(); });
    events.on(m_ui->ansisys, &QAbstractButton::clicked, [this] { ansisysClick(); });
    events.on(m_ui->vmousesys, &QAbstractButton::clicked, [this] { vmousesysClick(); });
    events.on(m_ui->vcdromsys, &QAbstractButton::clicked, [this] { vcdromsysClick(); });
    events.on(m_ui->vwinsys, &QAbstractButton::clicked, [this] { vwinsysClick(); });
    events.on(m_ui->vw32ssys, &QAbstractButton::clicked, [this] { vw32ssysClick(); });
    // A click, Enter or Space on "Kommandotolk" (eventFilter).
    m_shellClick = events.handler([this] { shellClick(); });
    m_ui->shell->installEventFilter(this);
    events.on(m_ui->autoexec, &QAbstractButton::clicked, [this] { autoexecClick(); });
    events.on(m_ui->NyAutoexecKnapp, &QAbstractButton::clicked, [this] { NyAutoexecKnappClick(); });
    events.on(m_ui->LagreAutoexecKnapp, &QAbstractButton::clicked, [this] { LagreAutoexecKnappClick(); });
    events.on(m_ui->SlettAutoexecKnapp, &QAbstractButton::clicked, [this] { SlettAutoexecKnappClick(); });
}

DosPage::~DosPage() = default;

Text8Memo *DosPage::autoexecMemo() const
{
    return m_ui->autoexecmemo;
}

bool DosPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->shell && isActivation(event))
        m_shellClick();
    return QWidget::eventFilter(watched, event);
}

void DosPage::showFound(const Document &, const FoundStatements &)
{
    m_driverLine = NoLine;
    m_file->checkExists();
}

void DosPage::show(const Document &doc)
{
    const IniValue shell = GetIniStr(doc.searchLines(), "SHELL");
    m_ui->shell->setText(text8::toDisplay(shell.value));
    // ShellLine keeps the line where SHELL was last found: commented out
    // since, it is still the statement's.
    if (shell.found())
        m_regs.ShellLine = shell.line;
    // The SHELL line is the current one, the yellow line, its number and the
    // list's selection alike; with none ever found the yellow line is empty.
    if (lineIn(doc.lines(), m_regs.ShellLine) != NoLine)
        m_status.makeCurrent(m_regs.ShellLine);

    const std::pair<QCheckBox *, std::string_view> drivers[] = {
        {m_ui->ansisys, "ANSI.SYS"},   {m_ui->vxmssys, "VXMS.SYS"},     {m_ui->vemmsys, "VEMM.SYS"},
        {m_ui->vdpmisys, "VDPMI.SYS"}, {m_ui->vwinsys, "VWIN.SYS"},     {m_ui->vmousesys, "VMOUSE.SYS"},
        {m_ui->vw32ssys, "VW32S.SYS"}, {m_ui->vcdromsys, "VCDROM.SYS"},
    };
    // The boxes only show the document: their handler, which leads to the
    // driver's line and may add one, is the user's alone.
    for (const auto &[box, name] : drivers)
        box->setChecked(FoundDevice(doc.searchLines(), name) != NoLine);
}

bool DosPage::leadsTo(LinePos pos) const
{
    return pos != NoLine && (pos == m_regs.ShellLine || pos == m_driverLine);
}

void DosPage::forget()
{
    m_regs.ShellLine = NoLine;
    m_driverLine = NoLine;
}

void DosPage::forgetFrom(LinePos first)
{
    forgetRegistersFrom(first, {&m_regs.ShellLine, &m_driverLine});
}

void DosPage::driverClick(QCheckBox *box, std::string_view name)
{
    // The box goes back to what the document says; the click only led to the line.
    box->setChecked(SetDevice(name));
}

bool DosPage::SetDevice(std::string_view name)
{
    m_status.showMessage(QCoreApplication::translate("DosPage", "Bruk REM-knappen til å endre"));
    const SearchLines lines = m_doc.document().searchLines();
    LinePos line = FoundDevice(lines, name);
    const bool active = line != NoLine;
    if (!active) {
        line = FinnREM(lines, "REM ", name);
        if (line == NoLine)
            line = m_doc.appendLine("REM DEVICE=C:\\OS2\\MDOS\\" + std::string(name));
    }
    m_driverLine = line;
    m_status.makeCurrent(line);
    return active;
}

void DosPage::vemmsysClick() { driverClick(m_ui->vemmsys, "VEMM.SYS"); }
void DosPage::vxmssysClick() { driverClick(m_ui->vxmssys, "VXMS.SYS"); }
void DosPage::vdpmisysClick() { driverClick(m_ui->vdpmisys, "VDPMI.SYS"); }
void DosPage::ansisysClick() { driverClick(m_ui->ansisys, "ANSI.SYS"); }
void DosPage::vmousesysClick() { driverClick(m_ui->vmousesys, "VMOUSE.SYS"); }
void DosPage::vcdromsysClick() { driverClick(m_ui->vcdromsys, "VCDROM.SYS"); }
void DosPage::vwinsysClick() { driverClick(m_ui->vwinsys, "VWIN.SYS"); }
void DosPage::vw32ssysClick() { driverClick(m_ui->vw32ssys, "VW32S.SYS"); }

void DosPage::shellClick()
{
    m_ui->shell->setText(text8::toDisplay(GetIniStr(m_doc.document().searchLines(), "SHELL").value));
    // With no SHELL line ever found in this document nothing is read: the line
    // label says so and no line is selected.
    m_status.makeCurrent(m_regs.ShellLine);
}

void DosPage::autoexecClick()
{
    m_file->showFile();
}

void DosPage::NyAutoexecKnappClick()
{
    m_file->newFile();
}

void DosPage::LagreAutoexecKnappClick()
{
    m_file->saveFile();
}

void DosPage::SlettAutoexecKnappClick()
{
    m_file->deleteFile();
}
