// The "Disk" page: which file systems and which disk cache the file loads.
#include "pages/disk_page.h"

#include "ui_disk_page.h"

#include "engine/statements.h"
#include "workspace/control_events.h"
#include "workspace/gated_document.h"
#include "workspace/status_area.h"

#include <utility>

DiskPage::DiskPage(GatedDocument &doc, StatusArea &status, PageRefresh &refresh, QWidget *parent)
    : QWidget(parent)
    , m_doc(doc)
    , m_status(status)
    , m_pageRefresh(refresh)
    , m_ui(std::make_unique<Ui::DiskPage>())
{
    m_ui->setupUi(this);
    WriteGate &gate = m_doc.gate();
    controls::onToggled(gate, m_ui->hpfs, [this] { hpfsClick(); });
    controls::onToggled(gate, m_ui->cdfs, [this] { cdfsClick(); });
    controls::onToggled(gate, m_ui->fat, [this] { fatClick(); });
    controls::onToggled(gate, m_ui->LANFS, [this] { LANFSClick(); });
    controls::onToggled(gate, m_ui->MFSFS, [this] { MFSFSClick(); });
}

DiskPage::~DiskPage() = default;

void DiskPage::refresh()
{
    const statements::DiskState state = statements::diskState(m_doc.document().searchLines());
    m_regs = {state.cache.line, state.hpfs.line, state.cdfs.line, state.lan.line, state.mfs.line};
    // This refresh re-enters itself: a box that changes runs its handler,
    // boxClick(), which runs the page refresh, and so this, before it shows
    // its statement. The boxes never write, so every run reads the same
    // state; a nested run finds the boxes set before it already right, so
    // the nesting is at most one level per box, and the first box to change
    // is the one shown last.
    const std::pair<QCheckBox *, bool> boxes[] = {
        {m_ui->fat, state.cache.on}, {m_ui->hpfs, state.hpfs.on},  {m_ui->cdfs, state.cdfs.on},
        {m_ui->LANFS, state.lan.on}, {m_ui->MFSFS, state.mfs.on},
    };
    for (const auto &[box, on] : boxes)
        controls::setChecked(m_doc.gate(), box, on);
}

void DiskPage::forget()
{
    m_regs = {NoLine, NoLine, NoLine, NoLine, NoLine};
}

void DiskPage::boxClick(LinePos DiskRegisters::*reg)
{
    // A click does not change what the document says: the page refresh puts
    // every box back to the document's state (running this handler once more
    // inside it) and finds every statement again; only then is the box's
    // register read, and its statement shown for "REM av/på".
    m_pageRefresh.NoteBookClick();
    const LinePos line = m_doc.lineOf(m_regs.*reg);
    if (line != NoLine)
        m_status.makeCurrent(line);
}

void DiskPage::hpfsClick() { boxClick(&DiskRegisters::HpfsLine); }
void DiskPage::cdfsClick() { boxClick(&DiskRegisters::CdfsLine); }
void DiskPage::fatClick() { boxClick(&DiskRegisters::DiskCacheLine); }
void DiskPage::LANFSClick() { boxClick(&DiskRegisters::LanIfsLine); }
void DiskPage::MFSFSClick() { boxClick(&DiskRegisters::MfsLine); }
