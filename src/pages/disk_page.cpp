// The "Disk" page: which file systems and which disk cache the file loads.
#include "pages/disk_page.h"

#include "ui_disk_page.h"

#include "engine/statements.h"
#include "workspace/control_events.h"
#include "workspace/workspace.h"

#include <utility>

DiskPage::DiskPage(Workspace &ws, QWidget *parent)
    : QWidget(parent)
    , m_ws(ws)
    , ui(std::make_unique<Ui::DiskPage>())
{
    ui->setupUi(this);
    WriteGate &gate = m_ws.gate();
    controls::onToggled(gate, ui->hpfs, [this] { hpfsClick(); });
    controls::onToggled(gate, ui->cdfs, [this] { cdfsClick(); });
    controls::onToggled(gate, ui->fat, [this] { fatClick(); });
    controls::onToggled(gate, ui->LANFS, [this] { LANFSClick(); });
    controls::onToggled(gate, ui->MFSFS, [this] { MFSFSClick(); });
}

DiskPage::~DiskPage() = default;

void DiskPage::refresh()
{
    const statements::DiskState state = statements::diskState(m_ws.document().searchLines());
    Registers &regs = m_ws.registers();
    regs.DiskCacheLine = state.cache.line;
    regs.HpfsLine = state.hpfs.line;
    regs.CdfsLine = state.cdfs.line;
    regs.LanIfsLine = state.lan.line;
    regs.MfsLine = state.mfs.line;
    // A box that changes runs its handler, which runs this refresh again and
    // then shows its statement: the page never writes, so every run reads the
    // same state, and the first box to change is the one shown last.
    const std::pair<QCheckBox *, bool> boxes[] = {
        {ui->fat, state.cache.on}, {ui->hpfs, state.hpfs.on},  {ui->cdfs, state.cdfs.on},
        {ui->LANFS, state.lan.on}, {ui->MFSFS, state.mfs.on},
    };
    for (const auto &[box, on] : boxes)
        controls::setChecked(m_ws.gate(), box, on);
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
