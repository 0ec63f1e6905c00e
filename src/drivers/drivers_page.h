// The "Drivere" page: the installed device and base-device drivers, and the
// catalogue's base drivers that are not installed.
#pragma once

#include "catalogue.h"
#include "search.h"

#include <QWidget>

#include <memory>
#include <vector>

namespace Ui {
class DriversPage;
}
class Workspace;

class DriversPage : public QWidget
{
    Q_OBJECT

public:
    DriversPage(Workspace &ws, QWidget *parent = nullptr);
    ~DriversPage() override;

    // The scan's steps for this page, and the page's refresh.
    void AddDevice();
    void addbasedev();
    void refresh();

    void devicelistClick();
    void basedevlistClick();
    void basedevlist2Click();

private:
    Workspace &m_ws;
    std::unique_ptr<Ui::DriversPage> ui;
    DriverCatalogue m_catalogue;
    // The document line of each entry of devicelist and basedevlist, by row.
    std::vector<LinePos> DeviceLines;
    std::vector<LinePos> BasedevLines;
};
