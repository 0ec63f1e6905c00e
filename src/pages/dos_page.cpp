// The "DOS" page: the DOS driver statements, SHELL and the AUTOEXEC.BAT editor.
#include "pages/dos_page.h"

#include "ui_dos_page.h"

#include "platform/line_file.h"
#include "platform/oem_text.h"
#include "platform/text8.h"
#include "workspace/control_events.h"
#include "workspace/input_rules.h"
#include "workspace/workspace.h"

#include <QSignalBlocker>

namespace {

const QString kAutoexec = QStringLiteral("C:\\AUTOEXEC.BAT");
const QString kAutoexecBackup = QStringLiteral("C:\\AUTOEXEC.BAK");

} // namespace

DosPage::DosPage(Workspace &ws, QWidget *parent)
    : QWidget(parent)
    , m_ws(ws)
    , ui(std::make_unique<Ui::DosPage>())
{
    ui->setupUi(this);
    // "Ny" brings the backup back, or makes an empty file; "Slett" keeps a
    // backup first. The memo's "1" to "9" are placeholders, never a file.
    m_file = std::make_unique<SideFileEditor>(
        m_ws,
        SideFileEditor::Panel{ui->autoexec, ui->NyAutoexecKnapp, ui->LagreAutoexecKnapp, ui->SlettAutoexecKnapp,
                              ui->autoexecmemo},
        SideFileEditor::Setup{kAutoexec,
                              [this] {
                                  return linefile::exists(m_ws.drives(), kAutoexecBackup)
                                             ? linefile::load(m_ws.drives(), kAutoexecBackup)
                                             : Lines{};
                              },
                              kAutoexecBackup, true});
    ui->autoexecmemo->setCharFilter(oem::nearestOemCharacter);
    // SHELL is shown here, not typed: the field has the button face. Set in its
    // palette rather than a style sheet, whose palette() would be the
    // application's (dark on a dark desktop), not the window's.
    QPalette face = ui->shell->palette();
    face.setBrush(QPalette::Base, face.button());
    ui->shell->setPalette(face);
    // It takes no typing: a click, Enter or Space leads to the SHELL line.
    ui->shell->setReadOnly(true);
    ui->NyAutoexecKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/new.png")));
    ui->LagreAutoexecKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/save.png")));
    ui->SlettAutoexecKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/delete.png")));

    WriteGate &gate = m_ws.gate();
    controls::onToggled(gate, ui->vemmsys, [this] { vemmsysClick(); });
    controls::onToggled(gate, ui->vxmssys, [this] { vxmssysClick(); });
    controls::onToggled(gate, ui->vdpmisys, [this] { vdpmisysClick(); });
    controls::onToggled(gate, ui->ansisys, [this] { ansisysClick(); });
    controls::onToggled(gate, ui->vmousesys, [this] { vmousesysClick(); });
    controls::onToggled(gate, ui->vcdromsys, [this] { vcdromsysClick(); });
    controls::onToggled(gate, ui->vwinsys, [this] { vwinsysClick(); });
    controls::onToggled(gate, ui->vw32ssys, [this] { vw32ssysClick(); });
    ui->shell->installEventFilter(this);
    controls::onToggled(gate, ui->autoexec, [this] { autoexecClick(); });
    connect(ui->NyAutoexecKnapp, &QPushButton::clicked, this, [this] { NyAutoexecKnappClick(); });
    connect(ui->LagreAutoexecKnapp, &QPushButton::clicked, this, [this] { LagreAutoexecKnappClick(); });
    connect(ui->SlettAutoexecKnapp, &QPushButton::clicked, this, [this] { SlettAutoexecKnappClick(); });
}

DosPage::~DosPage() = default;

Text8Memo *DosPage::autoexecMemo() const
{
    return ui->autoexecmemo;
}

bool DosPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->shell && isActivation(event))
        shellClick();
    return QWidget::eventFilter(watched, event);
}

void DosPage::checkAutoexecExists()
{
    m_file->checkExists();
}

void DosPage::refresh()
{
    const IniValue shell = GetIniStr(m_ws.document().searchLines(), "SHELL");
    ui->shell->setText(text8::toDisplay(shell.value));
    if (shell.found())
        m_ws.registers().ShellLine = shell.line;
    m_ws.showLineInEditLine(m_ws.registers().ShellLine);

    const std::pair<QCheckBox *, std::string_view> drivers[] = {
        {ui->ansisys, "ANSI.SYS"},   {ui->vxmssys, "VXMS.SYS"},     {ui->vemmsys, "VEMM.SYS"},
        {ui->vdpmisys, "VDPMI.SYS"}, {ui->vwinsys, "VWIN.SYS"},     {ui->vmousesys, "VMOUSE.SYS"},
        {ui->vw32ssys, "VW32S.SYS"}, {ui->vcdromsys, "VCDROM.SYS"},
    };
    // The boxes only show the document: their handler, which leads to the
    // driver's line and may add one, is the user's alone.
    for (const auto &[box, name] : drivers) {
        const QSignalBlocker quiet(box);
        box->setChecked(FoundDevice(m_ws.document().searchLines(), name) != NoLine);
    }
}

void DosPage::driverClick(QCheckBox *box, std::string_view name)
{
    controls::setChecked(m_ws.gate(), box, m_ws.SetDevice(name));
}

void DosPage::vemmsysClick() { driverClick(ui->vemmsys, "VEMM.SYS"); }
void DosPage::vxmssysClick() { driverClick(ui->vxmssys, "VXMS.SYS"); }
void DosPage::vdpmisysClick() { driverClick(ui->vdpmisys, "VDPMI.SYS"); }
void DosPage::ansisysClick() { driverClick(ui->ansisys, "ANSI.SYS"); }
void DosPage::vmousesysClick() { driverClick(ui->vmousesys, "VMOUSE.SYS"); }
void DosPage::vcdromsysClick() { driverClick(ui->vcdromsys, "VCDROM.SYS"); }
void DosPage::vwinsysClick() { driverClick(ui->vwinsys, "VWIN.SYS"); }
void DosPage::vw32ssysClick() { driverClick(ui->vw32ssys, "VW32S.SYS"); }

void DosPage::shellClick()
{
    ui->shell->setText(text8::toDisplay(GetIniStr(m_ws.document().searchLines(), "SHELL").value));
    // With no SHELL line ever found in this document nothing is read: the line
    // label says so and no line is selected.
    m_ws.makeCurrent(m_ws.registers().ShellLine);
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
