// The "Drivere" page: the installed device and base-device drivers, and the
// catalogue's base drivers that are not installed.
#include "pages/drivers_page.h"

#include "ui_drivers_page.h"

#include "engine/catalogue.h"
#include "engine/statements.h"
#include "platform/text8.h"
#include "workspace/list_selection.h"
#include "workspace/workspace.h"

DriversPage::DriversPage(Workspace &ws, QWidget *parent)
    : QWidget(parent)
    , m_ws(ws)
    , ui(std::make_unique<Ui::DriversPage>())
{
    ui->setupUi(this);
    ui->tavekkKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/remove.png")));
    ui->LeggTilKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/add.png")));
    listsel::onUserSelect(ui->devicelist, [this] { devicelistClick(); });
    listsel::onUserSelect(ui->basedevlist, [this] { basedevlistClick(); });
    listsel::onUserSelect(ui->basedevlist2, [this] { basedevlist2Click(); });
    // "ta vekk" and "legg til" have no action.
}

DriversPage::~DriversPage() = default;

void DriversPage::addEntry(QListWidget *list, const std::string &bytes)
{
    auto *item = new QListWidgetItem(text8::toDisplay(bytes), list);
    item->setData(Qt::UserRole, QByteArray::fromStdString(bytes));
}

std::string DriversPage::entryOf(const QListWidget *list, int row)
{
    return list->item(row)->data(Qt::UserRole).toByteArray().toStdString();
}

void DriversPage::AddDevice()
{
    const listsel::CodeSelection fromCode(ui->devicelist);
    ui->devicelist->clear();
    DeviceLines.clear();
    for (const statements::Entry &entry : statements::deviceEntries(m_ws.document().searchLines())) {
        addEntry(ui->devicelist, entry.text);
        DeviceLines.push_back(entry.line);
    }
}

void DriversPage::addbasedev()
{
    const listsel::CodeSelection fromCode(ui->basedevlist);
    const listsel::CodeSelection fromCode2(ui->basedevlist2);
    ui->basedevlist->clear();
    BasedevLines.clear();
    const std::vector<statements::Entry> installed = statements::basedevEntries(m_ws.document().searchLines());
    for (const statements::Entry &entry : installed) {
        addEntry(ui->basedevlist, entry.text);
        BasedevLines.push_back(entry.line);
    }
    // Without an installed entry there is nothing to select, and Edit1 stays.
    if (!installed.empty()) {
        listsel::select(ui->basedevlist, 0);
        m_ws.showInEditLine("BASEDEV=" + installed.front().text);
    }
    ui->basedevlist2->clear();
    for (std::string_view name : statements::availableBasedevs(installed))
        addEntry(ui->basedevlist2, std::string(name));
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
        m_ws.showHint(catalogue::DeviceNote(entryOf(ui->devicelist, row)));
    }
    m_ws.showMessage(QString());
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
    const catalogue::BasedevInfo driver = catalogue::BasedevNote(entryOf(ui->basedevlist, row));
    m_ws.showHint(driver.note);
    if (driver.required) {
        m_ws.showMessage(QStringLiteral("Nødvendig"));
    } else {
        m_ws.showMessage(QString());
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
    m_ws.showInEditLine("BASEDEV=" + name);
    const catalogue::BasedevInfo driver = catalogue::BasedevNote(name);
    m_ws.showHint(driver.note);
    m_ws.showMessage(driver.required ? QStringLiteral("Nødvendig") : QString());
}
