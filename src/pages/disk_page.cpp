// The "Disk" page: which file systems and which disk cache the file loads.
#include "pages/disk_page.h"

#include "ui_disk_page.h"

#include "workspace/workspace.h"

DiskPage::DiskPage(Workspace &ws, QWidget *parent)
    : QWidget(parent)
    , m_ws(ws)
    , ui(std::make_unique<Ui::DiskPage>())
{
    ui->setupUi(this);
    connect(ui->hpfs, &QCheckBox::toggled, this, [this] { hpfsClick(); });
    connect(ui->cdfs, &QCheckBox::toggled, this, [this] { cdfsClick(); });
    connect(ui->fat, &QCheckBox::toggled, this, [this] { fatClick(); });
    connect(ui->LANFS, &QCheckBox::toggled, this, [this] { LANFSClick(); });
    connect(ui->MFSFS, &QCheckBox::toggled, this, [this] { MFSFSClick(); });
}

DiskPage::~DiskPage() = default;

void DiskPage::refresh()
{
    const Lines &lines = m_ws.document().lines();
    Registers &regs = m_ws.registers();

    // A DISKCACHE statement with an empty value counts as missing.
    const IniValue cache = GetIniStr(lines, "DISKCACHE");
    if (!cache.value.empty()) {
        regs.DiskCacheLine = cache.line;
    } else {
        const IniValue commented = GetIniStr(lines, "REM DISKCACHE");
        regs.DiskCacheLine = commented.value.empty() ? NoLine : commented.line;
    }
    ui->fat->setChecked(regs.DiskCacheLine != NoLine && !GetIniStr(lines, "DISKCACHE").value.empty());

    // A commented "REM IFS=" statement wins over an active one.
    struct FileSystem
    {
        QCheckBox *box;
        LinePos &reg;
        const char *first;
        const char *second;
    };
    const FileSystem systems[] = {
        {ui->hpfs, regs.HpfsLine, "HPFS", "HPFS.IFS"},
        {ui->cdfs, regs.CdfsLine, "CDFS", "CDFS.IFS"},
        {ui->LANFS, regs.LanIfsLine, "\\IBMLAN", "\\IBMLAN"},
        {ui->MFSFS, regs.MfsLine, "MCM.IFS", "MCM.IFS"},
    };
    for (const FileSystem &fs : systems) {
        fs.reg = FinnREM(lines, "REM IFS=", fs.first);
        if (fs.reg == NoLine)
            fs.reg = FinnREM(lines, "IFS=", fs.second);
        fs.box->setChecked(fs.reg != NoLine && FinnREM(lines, "REM IFS=", fs.second) == NoLine);
    }
}

void DiskPage::boxClick(LinePos Registers::*reg)
{
    // The refresh puts every box back to the document's state (running this
    // handler once more inside it) and finds every statement again; only then
    // is the box's register read, and its statement shown.
    m_ws.NoteBookClick();
    const LinePos line = m_ws.lineOf(m_ws.registers().*reg);
    if (line != NoLine)
        m_ws.makeCurrent(line);
}

void DiskPage::hpfsClick() { boxClick(&Registers::HpfsLine); }
void DiskPage::cdfsClick() { boxClick(&Registers::CdfsLine); }
void DiskPage::fatClick() { boxClick(&Registers::DiskCacheLine); }
void DiskPage::LANFSClick() { boxClick(&Registers::LanIfsLine); }
void DiskPage::MFSFSClick() { boxClick(&Registers::MfsLine); }
