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
class Document;
class QListWidget;
class StatusArea;

class DriversPage : public QWidget, public Page
{
    Q_OBJECT

public:
    DriversPage(const Document &doc, StatusArea &status, QWidget *parent = nullptr);
    ~DriversPage() override;

    // The scan's steps for this page, and the page's refresh.
    void AddDevice();
    void addbasedev();
    void refresh() override;
    void forget() override;

    void devicelistClick();
    void basedevlistClick();
    void basedevlist2Click();

private:
    // Adds an entry shown through the 8-bit display, keeping its bytes.
    static void addEntry(QListWidget *list, const std::string &bytes);
    static std::string entryOf(const QListWidget *list, int row);

    const Document &m_doc;
    StatusArea &m_status;
    const std::unique_ptr<Ui::DriversPage> m_ui;
    // The document line of each entry of devicelist and basedevlist, by row.
    std::vector<LinePos> DeviceLines;
    std::vector<LinePos> BasedevLines;
};
