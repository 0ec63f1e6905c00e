// The "Disk" page: which file systems and which disk cache the file loads.
#pragma once

#include "engine/search.h"
#include "pages/page.h"

#include <QWidget>

#include <memory>

namespace Ui {
class DiskPage;
}
class StatusArea;
class UserEvents;

// Where the page's statements stood at its last refresh; 0 until the first.
struct DiskRegisters
{
    LinePos DiskCacheLine = 0;
    LinePos HpfsLine = 0;
    LinePos CdfsLine = 0;
    LinePos LanIfsLine = 0;
    LinePos MfsLine = 0;
};

// Reads, at each refresh: DISKCACHE (or "REM DISKCACHE") and the IFS lines of
// HPFS, CDFS, the LAN requester and MFS, active or commented out.
// Writes nothing: a box leads to its line, which "REM av/på" switches.
class DiskPage : public QWidget, public Page
{
    Q_OBJECT

public:
    // A box's handler runs the window's page refresh through `refresh`.
    DiskPage(StatusArea &status, UserEvents &events, PageRefresh &refresh, QWidget *parent = nullptr);
    ~DiskPage() override;

    const DiskRegisters &registers() const { return m_regs; }

    // The page refresh: the registers and the boxes from the document; the
    // first box, in the order fat, hpfs, cdfs, LANFS, MFSFS, that changed and
    // whose statement has a line leads to that line.
    void show(const Document &doc) override;
    void forget() override;
    void forgetFrom(LinePos first) override;

    // The user's handlers.
    void hpfsClick();
    void cdfsClick();
    void fatClick();
    void LANFSClick();
    void MFSFSClick();

private:
    // The common body of the five boxes; `reg` names the box's register, which
    // is read after the refresh has found its statement again.
    void boxClick(LinePos DiskRegisters::*reg);

    StatusArea &m_status;
    PageRefresh &m_pageRefresh;
    const std::unique_ptr<Ui::DiskPage> m_ui;
    DiskRegisters m_regs;
};
