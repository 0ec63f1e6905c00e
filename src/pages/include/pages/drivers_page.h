// The "Drivere" page: the installed device and base-device drivers, and the
// catalogue's base drivers that are not installed.
#pragma once

#include "engine/search.h"
#include "pages/page.h"

#include <QWidget>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Ui {
class DriversPage;
}
class QListWidget;
class StatusArea;
class UserEvents;

// Reads, at the scan: every active DEVICE= and BASEDEV= line.
// Writes nothing: an entry leads to its line.
class DriversPage : public QWidget, public Page
{
    Q_OBJECT

public:
    DriversPage(StatusArea &status, UserEvents &events, QWidget *parent = nullptr);
    ~DriversPage() override;

    // The scan: the lists filled anew (AddDevice, addbasedev), the first
    // installed base driver selected.
    void showFound(const Document &doc, const FoundStatements &found) override;
    // The page refresh: the device list takes the focus and its entry, if
    // one is selected, is shown.
    void show(const Document &doc) override;
    // The lines of the installed entries.
    bool leadsTo(LinePos pos) const override;
    void forget() override;

    // The user's handlers (devicelistClick() is the refresh's step too).
    void devicelistClick();
    void basedevlistClick();
    void basedevlist2Click();

private:
    void AddDevice(const SearchLines &lines);
    void addbasedev(const SearchLines &lines);
    // Adds an entry shown through the 8-bit display, keeping its bytes.
    static void addEntry(QListWidget *list, const std::string &bytes);
    static std::string entryOf(const QListWidget *list, int row);

    StatusArea &m_status;
    const std::unique_ptr<Ui::DriversPage> m_ui;
    // The document line of each entry of devicelist and basedevlist, by row.
    std::vector<LinePos> DeviceLines;
    std::vector<LinePos> BasedevLines;
};
