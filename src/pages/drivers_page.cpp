// The "Drivere" page: the installed device and base-device drivers, and the
// catalogue's base drivers that are not installed.
#include "pages/drivers_page.h"

#include "ui_drivers_page.h"

#include "engine/catalogue.h"
#include "platform/text8.h"
#include "workspace/list_selection.h"
#include "workspace/workspace.h"

#include <algorithm>

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

std::vector<std::size_t> DriversPage::linesBeginningWith(std::string_view key) const
{
    // The upper-cased copy finds the candidates; the key itself is compared
    // as written, in capitals.
    const Lines &lines = m_ws.document().lines();
    const UpperLines &upper = m_ws.document().upperLines();
    std::vector<std::size_t> found;
    for (std::size_t i = upper.nextLineStartingWith(key); i < lines.size(); i = upper.nextLineStartingWith(key, i + 1))
        if (lines[i].starts_with(key))
            found.push_back(i);
    return found;
}

void DriversPage::AddDevice()
{
    const listsel::CodeSelection fromCode(ui->devicelist);
    ui->devicelist->clear();
    DeviceLines.clear();
    const Lines &lines = m_ws.document().lines();
    for (std::size_t i : linesBeginningWith("DEVICE=")) {
        addEntry(ui->devicelist, FileNameOf(std::string_view(lines[i]).substr(7)));
        DeviceLines.push_back(LinePos(i));
    }
}

void DriversPage::addbasedev()
{
    const listsel::CodeSelection fromCode(ui->basedevlist);
    const listsel::CodeSelection fromCode2(ui->basedevlist2);
    ui->basedevlist->clear();
    BasedevLines.clear();
    const Lines &lines = m_ws.document().lines();
    // The BASEDEV= lines, found once; the list takes them by extension.
    const std::vector<std::size_t> basedevs = linesBeginningWith("BASEDEV=");
    std::vector<std::string> installed;
    for (std::string_view extension : catalogue::DriverExtensions) {
        for (std::size_t i : basedevs) {
            const std::string &line = lines[i];
            if (line.find(extension) == std::string::npos)
                continue;
            installed.push_back(line.substr(8));
            addEntry(ui->basedevlist, installed.back());
            BasedevLines.push_back(LinePos(i));
        }
    }
    // Without an installed entry there is nothing to select, and Edit1 stays.
    if (!installed.empty()) {
        listsel::select(ui->basedevlist, 0);
        m_ws.showInEditLine("BASEDEV=" + installed.front());
    }
    ui->basedevlist2->clear();
    for (std::string_view name : catalogue::BasedevNames)
        if (std::find(installed.begin(), installed.end(), name) == installed.end())
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
