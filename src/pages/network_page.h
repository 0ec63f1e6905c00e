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
class Document;
class QListWidget;
class StatusArea;

class NetworkPage : public QWidget, public Page
{
    Q_OBJECT

public:
    NetworkPage(const Document &doc, StatusArea &status, QWidget *parent = nullptr);
    ~NetworkPage() override;

    // The scan's step for this page.
    void AddProtokoll();
    void forget() override { AddProtokoll(); }

    void ProtokollListClick();
    void tcpiplistClick();
    void LANlistClick();
    void mobillistClick();

private:
    struct NetList
    {
        QListWidget *list;
        std::vector<LinePos> lines;
        QString hint;
    };
    // The common body of the four lists' handlers.
    void listClick(NetList &own);

    const Document &m_doc;
    StatusArea &m_status;
    const std::unique_ptr<Ui::NetworkPage> m_ui;
    NetList m_protokoll, m_tcpip, m_mobil, m_lan;
};
