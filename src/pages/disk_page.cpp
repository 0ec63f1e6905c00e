// The "Disk" page: which file systems and which disk cache the file loads.
#include "pages/disk_page.h"

#include "ui_disk_page.h"

#include "engine/statements.h"
#include "workspace/document.h"
#include "workspace/status_area.h"
#include "workspace/user_events.h"

#include <utility>

DiskPage::DiskPage(StatusArea &status, UserEvents &events, PageRefresh &refresh, QWidget *parent)
    : QWidget(parent)
    , m_status(status)
    , m_pageRefresh(refresh)
    , m_ui(std::make_unique<Ui::DiskPage>())
{
    m_ui->setupUi(this);
    events.on(m_ui->hpfs, &QAbstractButton::clicked, [this] { hpfsClick(); });
    events.on(m_ui->cdfs, &QAbstractButton::clicked, [this] { cdfsClick(); });
    events.on(m_ui->fat, &QAbstractButton::clicked, [this] { fatClick(); });
    events.on(m_ui->LANFS, &QAbstractButton::clicked, [this] { LANFSClick(); });
    events.on(m_ui->MFSFS, &QAbstractButton::clicked, [this] { MFSFSClick(); });
}

DiskPage::~DiskPage() = default;

void DiskPage::show(const Document &doc)
{
    const statements::DiskState state = statements::diskState(doc.searchLines());
    m_regs = {state.cache.line, state.hpfs.line, state.cdfs.line, state.lan.line, state.mfs.line};
    const std::pair<QCheckBox *, statements::DiskStatement> boxes[] = {
        {m_ui->fat, state.cache}, {m_ui->hpfs, state.hpfs},  {m_ui->cdfs, state.cdfs},
        {m_ui->LANFS, state.lan}, {m_ui->MFSFS, state.mfs},
    };
    // A box that changes leads to its statement's line, so that after "REM
    // av/på" (or a user's click, which the refresh puts back) that line stays
    // current and a second press switches it back. The first box in this
    // order that changed and has a line is the one shown.
    LinePos shown = NoLine;
    for (const auto &[box, statement] : boxes) {
        if (box->isChecked() != statement.on && shown == NoLine)
            shown = lineIn(doc.lines(), statement.line);
        box->setChecked(statement.on);
    }
    if (shown != NoLine)
        m_status.makeCurrent(shown);
}

void DiskPage::forget()
{
    m_regs = {NoLine, NoLine, NoLine, NoLine, NoLine};
}

void DiskPage::forgetFrom(LinePos first)
{
    forgetRegistersFrom(first, {&m_regs.DiskCacheLine, &m_regs.HpfsLine, &m_regs.CdfsLine, &m_regs.LanIfsLine, &m_regs.MfsLine});
}

void DiskPage::boxClick(LinePos DiskRegisters::*reg)
{
    // A click does not change what the document says: the page refresh puts
    // every box back to the document's state and finds every statement again;
    // only then is the box's register read, and its statement shown for "REM
    // av/på". With no line for it, the status area stays as the refresh left it.
    m_pageRefresh.NoteBookClick();
    if (const LinePos line = m_regs.*reg; line != NoLine)
        m_status.makeCurrent(line);
}

void DiskPage::hpfsClick() { boxClick(&DiskRegisters::HpfsLine); }
void DiskPage::cdfsClick() { boxClick(&DiskRegisters::CdfsLine); }
void DiskPage::fatClick() { boxClick(&DiskRegisters::DiskCacheLine); }
void DiskPage::LANFSClick() { boxClick(&DiskRegisters::LanIfsLine); }
void DiskPage::MFSFSClick() { boxClick(&DiskRegisters::MfsLine); }
