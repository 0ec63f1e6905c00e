// The "Disk" page: which file systems and which disk cache the file loads.
#include "pages/disk_page.h"

#include "ui_disk_page.h"

#include "workspace/workspace.h"

#include <iterator>
#include <vector>

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
    const SearchLines lines = m_ws.document().searchLines();
    Registers &regs = m_ws.registers();

    // A DISKCACHE statement with an empty value counts as missing.
    const IniValue cache = GetIniStr(lines, "DISKCACHE");
    if (!cache.value.empty()) {
        regs.DiskCacheLine = cache.line;
    } else {
        const IniValue commented = GetIniStr(lines, "REM DISKCACHE");
        regs.DiskCacheLine = commented.value.empty() ? NoLine : commented.line;
    }
    ui->fat->setChecked(regs.DiskCacheLine != NoLine && !cache.value.empty());

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
    // Three searches per file system, all answered in two passes over the
    // document: the commented statement by the first marker, any statement by
    // the second, and a commented one by the second.
    std::vector<TextPair> pairs;
    for (const FileSystem &fs : systems)
        pairs.insert(pairs.end(), {{"REM IFS=", fs.first}, {"IFS=", fs.second}, {"REM IFS=", fs.second}});
    std::vector<LinePos> found = FinnREMAll(lines, pairs);
    for (std::size_t k = 0; k < std::size(systems); ++k) {
        const FileSystem &fs = systems[k];
        const LinePos commented = found[3 * k];
        const LinePos any = found[3 * k + 1];
        const LinePos commentedSecond = found[3 * k + 2];
        fs.reg = commented != NoLine ? commented : any;
        const bool on = fs.reg != NoLine && commentedSecond == NoLine;
        if (fs.box->isChecked() == on)
            continue;
        // The box's handler runs the refresh again; what it leaves in the
        // document is what the next file systems are read from.
        fs.box->setChecked(on);
        found = FinnREMAll(lines, pairs);
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
