// The "Nettverk" page: the statements that name the network products' folders.
#include "pages/network_page.h"

#include "ui_network_page.h"

#include "engine/statements.h"
#include "platform/text8.h"
#include "workspace/document.h"
#include "workspace/list_selection.h"
#include "workspace/status_area.h"
#include "workspace/user_events.h"

#include <QCoreApplication>

#include <algorithm>

#include <utility>

NetworkPage::NetworkPage(StatusArea &status, UserEvents &events, QWidget *parent)
    : QWidget(parent)
    , m_status(status)
    , m_ui(std::make_unique<Ui::NetworkPage>())
{
    m_ui->setupUi(this);
    m_protokoll = {m_ui->ProtokollList, {}, QCoreApplication::translate("NetworkPage", "Protokoll og nettverktjenester")};
    m_tcpip = {m_ui->tcpiplist, {}, QCoreApplication::translate("NetworkPage", "TCP/IP, Transmision Control Protocol / Internet Protocol")};
    m_mobil = {m_ui->mobillist, {}, QCoreApplication::translate("NetworkPage", "MFS, Mobile File Sync. Filsynkronisering på lokalnett")};
    m_lan = {m_ui->LANlist, {}, QCoreApplication::translate("NetworkPage", "LAN, Local Area Network nettverktjenester")};
    listsel::onUserSelect(m_ui->ProtokollList, events.handler([this] { ProtokollListClick(); }));
    listsel::onUserSelect(m_ui->tcpiplist, events.handler([this] { tcpiplistClick(); }));
    listsel::onUserSelect(m_ui->LANlist, events.handler([this] { LANlistClick(); }));
    listsel::onUserSelect(m_ui->mobillist, events.handler([this] { mobillistClick(); }));
}

NetworkPage::~NetworkPage() = default;

void NetworkPage::showFound(const Document &doc, const FoundStatements &)
{
    AddProtokoll(doc.searchLines());
}

void NetworkPage::forget()
{
    const Lines none;
    const UpperLines upper(none);
    AddProtokoll({none, upper});
}

bool NetworkPage::leadsTo(LinePos pos) const
{
    for (const NetList *net : {&m_protokoll, &m_tcpip, &m_mobil, &m_lan})
        if (pos != NoLine && std::find(net->lines.begin(), net->lines.end(), pos) != net->lines.end())
            return true;
    return false;
}

void NetworkPage::AddProtokoll(const SearchLines &lines)
{
    const statements::NetworkLines found = statements::networkLines(lines);
    const UpperLines &upper = lines.upper;
    const std::pair<NetList *, const std::vector<LinePos> *> lists[] = {
        {&m_protokoll, &found.protokoll}, {&m_lan, &found.lan}, {&m_mobil, &found.mobil}, {&m_tcpip, &found.tcpip}};
    for (const auto &[net, lines] : lists) {
        const listsel::CodeSelection fromCode(net->list);
        net->list->clear();
        net->lines = *lines;
        // An entry is the whole line upper-cased.
        for (const LinePos line : *lines)
            net->list->addItem(text8::toDisplay(upper.line(line)));
    }
}

void NetworkPage::listClick(NetList &own)
{
    for (NetList *net : {&m_protokoll, &m_tcpip, &m_mobil, &m_lan})
        if (net != &own)
            listsel::clear(net->list);
    const int row = listsel::selected(own.list);
    if (row < 0 || static_cast<std::size_t>(row) >= own.lines.size())
        return;
    m_status.makeCurrent(own.lines[static_cast<std::size_t>(row)]);
    m_status.showHint(own.hint);
    m_status.showMessage(QString());
}

void NetworkPage::ProtokollListClick() { listClick(m_protokoll); }
void NetworkPage::tcpiplistClick() { listClick(m_tcpip); }
void NetworkPage::LANlistClick() { listClick(m_lan); }
void NetworkPage::mobillistClick() { listClick(m_mobil); }
