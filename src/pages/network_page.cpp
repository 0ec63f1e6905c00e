// The "Nettverk" page: the statements that name the network products' folders.
#include "pages/network_page.h"

#include "ui_network_page.h"

#include "workspace/list_selection.h"
#include "platform/text8.h"
#include "workspace/workspace.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>
#include <vector>

NetworkPage::NetworkPage(Workspace &ws, QWidget *parent)
    : QWidget(parent)
    , m_ws(ws)
    , ui(std::make_unique<Ui::NetworkPage>())
{
    ui->setupUi(this);
    m_protokoll = {ui->ProtokollList, {}, QStringLiteral("Protokoll og nettverktjenester")};
    m_tcpip = {ui->tcpiplist, {}, QStringLiteral("TCP/IP, Transmision Control Protocol / Internet Protocol")};
    m_mobil = {ui->mobillist, {}, QStringLiteral("MFS, Mobile File Sync. Filsynkronisering på lokalnett")};
    m_lan = {ui->LANlist, {}, QStringLiteral("LAN, Local Area Network nettverktjenester")};
    listsel::onUserSelect(ui->ProtokollList, [this] { ProtokollListClick(); });
    listsel::onUserSelect(ui->tcpiplist, [this] { tcpiplistClick(); });
    listsel::onUserSelect(ui->LANlist, [this] { LANlistClick(); });
    listsel::onUserSelect(ui->mobillist, [this] { mobillistClick(); });
}

NetworkPage::~NetworkPage() = default;

void NetworkPage::AddProtokoll()
{
    for (NetList *net : {&m_protokoll, &m_lan, &m_mobil, &m_tcpip}) {
        const listsel::CodeSelection fromCode(net->list);
        net->list->clear();
        net->lines.clear();
    }
    // Search paths name every product's folders; they belong to no product.
    static constexpr std::array<std::string_view, 5> kSearchPaths = {
        "SET PATH=", "SET DPATH=", "SET HELP=", "LIBPATH=", "SET BOOKSHELF="};
    const auto add = [](NetList &net, std::string_view text, std::size_t i) {
        net.list->addItem(text8::toDisplay(text));
        net.lines.push_back(LinePos(i));
    };
    const Lines &lines = m_ws.document().lines();
    const UpperLines &upper = m_ws.document().upperLines();
    // The folders begin with ":\M" (MPTN, MFS), ":\IBM" (IBMCOM, IBMLAN)
    // or ":\TCPIP": the lines that hold one of these three are found in
    // three passes over the document, rather than line by line.
    std::vector<std::size_t> candidates;
    for (std::string_view stem : {":\\M", ":\\IBM", ":\\TCPIP"}) {
        const std::vector<std::size_t> holding = upper.linesWith(stem);
        std::vector<std::size_t> merged;
        merged.reserve(candidates.size() + holding.size());
        std::set_union(candidates.begin(), candidates.end(), holding.begin(), holding.end(),
                       std::back_inserter(merged));
        candidates = std::move(merged);
    }
    for (const std::size_t i : candidates) {
        const std::string &line = lines[i];
        if (std::any_of(kSearchPaths.begin(), kSearchPaths.end(),
                        [&](std::string_view s) { return line.find(s) != std::string::npos; }))
            continue;
        const std::string_view t = upper.line(i);
        if (t.find(":\\MPTN") != std::string_view::npos || t.find(":\\IBMCOM") != std::string_view::npos)
            add(m_protokoll, t, i);
        if (t.find(":\\TCPIP") != std::string_view::npos)
            add(m_tcpip, t, i);
        if (t.find(":\\MFS") != std::string_view::npos)
            add(m_mobil, t, i);
        if (t.find(":\\IBMLAN") != std::string_view::npos)
            add(m_lan, t, i);
    }
}

void NetworkPage::listClick(NetList &own)
{
    for (NetList *net : {&m_protokoll, &m_tcpip, &m_mobil, &m_lan})
        if (net != &own)
            listsel::clear(net->list);
    const int row = listsel::selected(own.list);
    if (row < 0 || std::size_t(row) >= own.lines.size())
        return;
    m_ws.makeCurrent(own.lines[std::size_t(row)]);
    m_ws.showHint(own.hint);
    m_ws.showMessage(QString());
}

void NetworkPage::ProtokollListClick() { listClick(m_protokoll); }
void NetworkPage::tcpiplistClick() { listClick(m_tcpip); }
void NetworkPage::LANlistClick() { listClick(m_lan); }
void NetworkPage::mobillistClick() { listClick(m_mobil); }
