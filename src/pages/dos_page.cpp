// The "DOS" page: the DOS driver statements, SHELL and the AUTOEXEC.BAT editor.
#include "pages/dos_page.h"

#include "ui_dos_page.h"

#include "platform/line_file.h"
#include "platform/oem_text.h"
#include "platform/text8.h"
#include "workspace/workspace.h"

#include <QMouseEvent>

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
    // "Ny" brings the backup back, or makes an empty file; "Slett" keeps a backup first.
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
                              kAutoexecBackup});
    ui->autoexecmemo->setCharFilter(oem::nearestOemCharacter);
    // SHELL is shown here, not typed: the field has the button face. Set in its
    // palette rather than a style sheet, whose palette() would be the
    // application's (dark on a dark desktop), not the window's.
    QPalette face = ui->shell->palette();
    face.setBrush(QPalette::Base, face.button());
    ui->shell->setPalette(face);
    ui->NyAutoexecKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/new.png")));
    ui->LagreAutoexecKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/save.png")));
    ui->SlettAutoexecKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/delete.png")));

    connect(ui->vemmsys, &QCheckBox::toggled, this, [this] { vemmsysClick(); });
    connect(ui->vxmssys, &QCheckBox::toggled, this, [this] { vxmssysClick(); });
    connect(ui->vdpmisys, &QCheckBox::toggled, this, [this] { vdpmisysClick(); });
    connect(ui->ansisys, &QCheckBox::toggled, this, [this] { ansisysClick(); });
    connect(ui->vmousesys, &QCheckBox::toggled, this, [this] { vmousesysClick(); });
    connect(ui->vcdromsys, &QCheckBox::toggled, this, [this] { vcdromsysClick(); });
    connect(ui->vwinsys, &QCheckBox::toggled, this, [this] { vwinsysClick(); });
    connect(ui->vw32ssys, &QCheckBox::toggled, this, [this] { vw32ssysClick(); });
    ui->shell->installEventFilter(this);
    connect(ui->autoexec, &QCheckBox::toggled, this, [this] { autoexecClick(); });
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
    if (watched == ui->shell && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
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
    for (const auto &[box, name] : drivers)
        box->setChecked(FoundDevice(m_ws.document().searchLines(), name) != NoLine);
}

void DosPage::driverClick(QCheckBox *box, std::string_view name)
{
    box->setChecked(m_ws.SetDevice(name));
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
