// The "Nettverk" page: the statements that name the network products' folders.
#pragma once

#include "engine/search.h"
#include "pages/page.h"

#include <QWidget>

#include <memory>
#include <vector>

namespace Ui {
class NetworkPage;
}
class QListWidget;
class StatusArea;
class UserEvents;

// Reads, at the scan: every line that names the folders of MPTS, TCP/IP, the
// LAN requester or Mobile File Sync.
// Writes nothing: an entry leads to its line.
class NetworkPage : public QWidget, public Page
{
    Q_OBJECT

public:
    NetworkPage(StatusArea &status, UserEvents &events, QWidget *parent = nullptr);
    ~NetworkPage() override;

    // The scan: the four lists filled anew (AddProtokoll).
    void showFound(const Document &doc, const FoundStatements &found) override;
    // The lines of the lists' entries.
    bool leadsTo(LinePos pos) const override;
    void forget() override;

    // The user's handlers.
    void ProtokollListClick();
    void tcpiplistClick();
    void LANlistClick();
    void mobillistClick();

private:
    void AddProtokoll(const SearchLines &lines);

    struct NetList
    {
        QListWidget *list;
        std::vector<LinePos> lines;
        QString hint;
    };
    // The common body of the four lists' handlers.
    void listClick(NetList &own);

    StatusArea &m_status;
    const std::unique_ptr<Ui::NetworkPage> m_ui;
    NetList m_protokoll, m_tcpip, m_mobil, m_lan;
};
