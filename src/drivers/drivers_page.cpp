// The "Drivere" page: the installed device and base-device drivers, and the
// catalogue's base drivers that are not installed.
#include "drivers_page.h"

#include "ui_drivers_page.h"

#include "list_selection.h"
#include "text8.h"
#include "workspace.h"

#include <algorithm>

namespace {

std::string entryOf(const QListWidget *list, int row)
{
    return text8::fromDisplay(list->item(row)->text()).value_or(std::string());
}

} // namespace

DriversPage::DriversPage(Workspace &ws, QWidget *parent)
    : QWidget(parent)
    , m_ws(ws)
    , ui(std::make_unique<Ui::DriversPage>())
{
    ui->setupUi(this);
    ui->tavekkKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/remove.png")));
    ui->LeggTilKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/add.png")));
    listsel::onUserSelect(ui->devicelist, this, [this] { devicelistClick(); });
    listsel::onUserSelect(ui->basedevlist, this, [this] { basedevlistClick(); });
    listsel::onUserSelect(ui->basedevlist2, this, [this] { basedevlist2Click(); });
    // "ta vekk" and "legg til" have no action.
}

DriversPage::~DriversPage() = default;

void DriversPage::AddDevice()
{
    const listsel::CodeSelection fromCode;
    ui->devicelist->clear();
    DeviceLines.clear();
    const Lines &lines = m_ws.doc.lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].compare(0, 7, "DEVICE=") != 0)
            continue;
        ui->devicelist->addItem(text8::toDisplay(FileNameOf(std::string_view(lines[i]).substr(7))));
        DeviceLines.push_back(LinePos(i));
    }
}

void DriversPage::addbasedev()
{
    const listsel::CodeSelection fromCode;
    ui->basedevlist->clear();
    BasedevLines.clear();
    const Lines &lines = m_ws.doc.lines();
    std::vector<std::string> installed;
    for (std::string_view extension : catalogue::DriverExtensions) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string &line = lines[i];
            if (line.compare(0, 8, "BASEDEV=") != 0 || line.find(extension) == std::string::npos)
                continue;
            installed.push_back(line.substr(8));
            ui->basedevlist->addItem(text8::toDisplay(installed.back()));
            BasedevLines.push_back(LinePos(i));
        }
    }
    // Without an installed entry there is nothing to select, and Edit1 stays.
    if (!installed.empty()) {
        listsel::select(ui->basedevlist, 0);
        m_ws.setEdit1("BASEDEV=" + installed.front());
    }
    ui->basedevlist2->clear();
    for (std::string_view name : catalogue::BasedevNames)
        if (std::find(installed.begin(), installed.end(), name) == installed.end())
            ui->basedevlist2->addItem(text8::toDisplay(name));
}

void DriversPage::refresh()
{
    ui->devicelist->setFocus();
    devicelistClick();
}

void DriversPage::devicelistClick()
{
    listsel::clear(ui->basedevlist);
    listsel::clear(ui->basedevlist2);
    const int row = listsel::selected(ui->devicelist);
    // With no entry selected (the refresh right after a scan) no line is shown.
    if (row >= 0 && std::size_t(row) < DeviceLines.size()) {
        m_ws.makeCurrent(DeviceLines[std::size_t(row)]);
        m_ws.setLabel3(DriverCatalogue::DeviceNote(entryOf(ui->devicelist, row)));
    }
    m_ws.setLabel2(QString());
}

void DriversPage::basedevlistClick()
{
    listsel::clear(ui->devicelist);
    listsel::clear(ui->basedevlist2);
    ui->tavekkKnapp->setEnabled(false);
    const int row = listsel::selected(ui->basedevlist);
    if (row < 0 || std::size_t(row) >= BasedevLines.size())
        return;
    m_ws.makeCurrent(BasedevLines[std::size_t(row)]);
    m_ws.setLabel3(m_catalogue.BasedevNote(entryOf(ui->basedevlist, row)));
    if (m_catalogue.isRequired()) {
        m_ws.setLabel2(QStringLiteral("Nødvendig"));
    } else {
        m_ws.setLabel2(QString());
        ui->tavekkKnapp->setEnabled(true);
    }
}

void DriversPage::basedevlist2Click()
{
    listsel::clear(ui->basedevlist);
    listsel::clear(ui->devicelist);
    m_ws.selectLine(NoLine);
    const int row = listsel::selected(ui->basedevlist2);
    if (row < 0)
        return;
    const std::string name = entryOf(ui->basedevlist2, row);
    m_ws.vislinje(NoLine);
    m_ws.setEdit1("BASEDEV=" + name);
    m_ws.setLabel3(m_catalogue.BasedevNote(name));
    m_ws.setLabel2(m_catalogue.isRequired() ? QStringLiteral("Nødvendig") : QString());
}
