// The "Disk" page: which file systems and which disk cache the file loads.
#pragma once

#include "search.h"

#include <QWidget>

#include <memory>

namespace Ui {
class DiskPage;
}
class Workspace;

class DiskPage : public QWidget
{
    Q_OBJECT

public:
    DiskPage(Workspace &ws, QWidget *parent = nullptr);
    ~DiskPage() override;

    void refresh();

    void hpfsClick();
    void cdfsClick();
    void fatClick();
    void LANFSClick();
    void MFSFSClick();

private:
    // The common body of the five boxes.
    void boxClick(const LinePos &reg);

    Workspace &m_ws;
    std::unique_ptr<Ui::DiskPage> ui;
};
