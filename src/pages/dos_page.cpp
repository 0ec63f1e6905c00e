// The "DOS" page: the DOS driver statements, SHELL and the AUTOEXEC.BAT editor.
#include "dos_page.h"

#include "ui_dos_page.h"

#include "error_report.h"
#include "file_error.h"
#include "line_file.h"
#include "oem_text.h"
#include "text8.h"
#include "workspace.h"

#include <QMouseEvent>

#include <optional>
#include <string>

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
    m_file = {kAutoexec, ui->autoexec, ui->NyAutoexecKnapp, ui->LagreAutoexecKnapp, ui->SlettAutoexecKnapp,
              ui->autoexecmemo};
    ui->autoexecmemo->setCharFilter(oem::nearestOemCharacter);
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
    ui->autoexec->setChecked(linefile::exists(m_ws.drives, kAutoexec));
}

void DosPage::refresh()
{
    const IniValue shell = GetIniStr(m_ws.doc.lines(), "SHELL");
    ui->shell->setText(text8::toDisplay(shell.value));
    if (shell.found())
        m_ws.regs.ShellLine = shell.line;
    m_ws.setEdit1ToLine(m_ws.regs.ShellLine);

    const std::pair<QCheckBox *, std::string_view> drivers[] = {
        {ui->ansisys, "ANSI.SYS"},   {ui->vxmssys, "VXMS.SYS"},     {ui->vemmsys, "VEMM.SYS"},
        {ui->vdpmisys, "VDPMI.SYS"}, {ui->vwinsys, "VWIN.SYS"},     {ui->vmousesys, "VMOUSE.SYS"},
        {ui->vw32ssys, "VW32S.SYS"}, {ui->vcdromsys, "VCDROM.SYS"},
    };
    for (const auto &[box, name] : drivers)
        box->setChecked(FoundDevice(m_ws.doc.lines(), name) != NoLine);
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
    ui->shell->setText(text8::toDisplay(GetIniStr(m_ws.doc.lines(), "SHELL").value));
    // With no SHELL line ever found in this document nothing is read: the line
    // label says so and no line is selected.
    m_ws.makeCurrent(m_ws.regs.ShellLine);
}

void DosPage::autoexecClick()
{
    errors::guarded(m_ws.window(), [this] { showSideFile(m_ws.drives, m_file); });
}

void DosPage::NyAutoexecKnappClick()
{
    errors::guarded(m_ws.window(), [this] {
        ui->autoexecmemo->setFocus();
        ui->autoexecmemo->clear();
        if (linefile::exists(m_ws.drives, kAutoexecBackup))
            ui->autoexecmemo->setLines(linefile::load(m_ws.drives, kAutoexecBackup));
        m_ws.saveFile(kAutoexec, ui->autoexecmemo->lines());
        autoexecClick();
    });
}

void DosPage::LagreAutoexecKnappClick()
{
    errors::guarded(m_ws.window(), [this] {
        m_ws.saveFile(kAutoexec, ui->autoexecmemo->lines());
        autoexecClick();
    });
}

void DosPage::SlettAutoexecKnappClick()
{
    errors::guarded(m_ws.window(), [this] {
        if (!linefile::exists(m_ws.drives, kAutoexec))
            return;
        // A delete that cannot succeed must not cost the earlier backup: check
        // first, and put the backup back should the delete fail all the same.
        linefile::checkRemovable(m_ws.drives, kAutoexec);
        std::optional<std::string> earlier;
        if (linefile::exists(m_ws.drives, kAutoexecBackup))
            earlier = linefile::readBytes(m_ws.drives, kAutoexecBackup);
        // The backup is the memo as it stands, written before the file goes.
        m_ws.saveFile(kAutoexecBackup, ui->autoexecmemo->lines());
        try {
            m_ws.removeFile(kAutoexec);
        } catch (const FileError &e) {
            QString message = e.message();
            try {
                if (earlier)
                    m_ws.saveFileBytes(kAutoexecBackup, *earlier);
                else
                    m_ws.removeFile(kAutoexecBackup);
            } catch (const FileError &restore) {
                message += u'\n' + restore.message();
            }
            throw FileError(message);
        }
        ui->autoexecmemo->clear();
        autoexecClick();
    });
}
