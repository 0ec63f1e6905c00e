// The "Disk" page: which file systems and which disk cache the file loads.
#pragma once

#include "engine/registers.h"
#include "pages/page.h"

#include <QWidget>

#include <memory>

namespace Ui {
class DiskPage;
}
class Workspace;

class DiskPage : public QWidget, public Page
{
    Q_OBJECT

public:
    explicit DiskPage(Workspace &ws, QWidget *parent = nullptr);
    ~DiskPage() override;

    void refresh() override;

    void hpfsClick();
    void cdfsClick();
    void fatClick();
    void LANFSClick();
    void MFSFSClick();

private:
    // The common body of the five boxes; `reg` names the box's register, which
    // is read after the refresh has found its statement again.
    void boxClick(LinePos Registers::*reg);

    Workspace &m_ws;
    const std::unique_ptr<Ui::DiskPage> ui;
};
