// The "Drivere" page: the installed device and base-device drivers, and the
// catalogue's base drivers that are not installed.
#include "pages/drivers_page.h"

#include "ui_drivers_page.h"

#include "engine/catalogue.h"
#include "engine/statements.h"
#include "platform/text8.h"
#include "workspace/document.h"
#include "workspace/list_selection.h"
#include "workspace/status_area.h"
#include "workspace/user_events.h"

#include <QCoreApplication>

#include <algorithm>

DriversPage::DriversPage(StatusArea &status, UserEvents &events, QWidget *parent)
    : QWidget(parent)
    , m_status(status)
    , m_ui(std::make_unique<Ui::DriversPage>())
{
    m_ui->setupUi(this);
    m_ui->tavekkKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/remove.png")));
    m_ui->LeggTilKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/add.png")));
    listsel::onUserSelect(m_ui->devicelist, events.handler([this] { devicelistClick(); }));
    listsel::onUserSelect(m_ui->basedevlist, events.handler([this] { basedevlistClick(); }));
    listsel::onUserSelect(m_ui->basedevlist2, events.handler([this] { basedevlist2Click(); }));
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

void DriversPage::showFound(const Document &doc, const FoundStatements &)
{
    AddDevice(doc.searchLines());
    addbasedev(doc.searchLines());
}

void DriversPage::AddDevice(const SearchLines &lines)
{
    const listsel::CodeSelection fromCode(m_ui->devicelist);
    m_ui->devicelist->clear();
    DeviceLines.clear();
    for (const statements::Entry &entry : statements::deviceEntries(lines)) {
        addEntry(m_ui->devicelist, entry.text);
        DeviceLines.push_back(entry.line);
    }
}

void DriversPage::addbasedev(const SearchLines &lines)
{
    const listsel::CodeSelection fromCode(m_ui->basedevlist);
    const listsel::CodeSelection fromCode2(m_ui->basedevlist2);
    m_ui->basedevlist->clear();
    BasedevLines.clear();
    const std::vector<statements::Entry> installed = statements::basedevEntries(lines);
    for (const statements::Entry &entry : installed) {
        addEntry(m_ui->basedevlist, entry.text);
        BasedevLines.push_back(entry.line);
    }
    // The first installed entry is selected until the page is opened; the
    // status area is the refresh's, which follows the scan.
    if (!installed.empty())
        listsel::select(m_ui->basedevlist, 0);
    m_ui->basedevlist2->clear();
    for (std::string_view name : statements::availableBasedevs(installed))
        addEntry(m_ui->basedevlist2, std::string(name));
}

void DriversPage::forget()
{
    const Lines none;
    const UpperLines upper(none);
    AddDevice({none, upper});
    addbasedev({none, upper});
}

void DriversPage::show(const Document &)
{
    m_ui->devicelist->setFocus();
    devicelistClick();
}

bool DriversPage::leadsTo(LinePos pos) const
{
    return pos != NoLine
           && (std::find(DeviceLines.begin(), DeviceLines.end(), pos) != DeviceLines.end()
               || std::find(BasedevLines.begin(), BasedevLines.end(), pos) != BasedevLines.end());
}

void DriversPage::devicelistClick()
{
    listsel::clear(m_ui->basedevlist);
    listsel::clear(m_ui->basedevlist2);
    const int row = listsel::selected(m_ui->devicelist);
    // With no entry selected (the refresh right after a scan) no line is shown.
    if (row >= 0 && static_cast<std::size_t>(row) < DeviceLines.size()) {
        m_status.makeCurrent(DeviceLines[static_cast<std::size_t>(row)]);
        m_status.showHint(catalogue::DeviceNote(entryOf(m_ui->devicelist, row)));
    }
    m_status.showMessage(QString());
}

void DriversPage::basedevlistClick()
{
    listsel::clear(m_ui->devicelist);
    listsel::clear(m_ui->basedevlist2);
    m_ui->tavekkKnapp->setEnabled(false);
    const int row = listsel::selected(m_ui->basedevlist);
    if (row < 0 || static_cast<std::size_t>(row) >= BasedevLines.size())
        return;
    m_status.makeCurrent(BasedevLines[static_cast<std::size_t>(row)]);
    const catalogue::BasedevInfo driver = catalogue::BasedevNote(entryOf(m_ui->basedevlist, row));
    m_status.showHint(driver.note);
    if (driver.required) {
        m_status.showMessage(QCoreApplication::translate("DriversPage", "Nødvendig"));
    } else {
        m_status.showMessage(QString());
        m_ui->tavekkKnapp->setEnabled(true);
    }
}

void DriversPage::basedevlist2Click()
{
    listsel::clear(m_ui->basedevlist);
    listsel::clear(m_ui->devicelist);
    m_status.selectLine(NoLine);
    const int row = listsel::selected(m_ui->basedevlist2);
    if (row < 0)
        return;
    const std::string name = entryOf(m_ui->basedevlist2, row);
    m_status.vislinje(NoLine);
    m_status.showInEditLine("BASEDEV=" + name);
    const catalogue::BasedevInfo driver = catalogue::BasedevNote(name);
    m_status.showHint(driver.note);
    m_status.showMessage(driver.required ? QCoreApplication::translate("DriversPage", "Nødvendig") : QString());
}
