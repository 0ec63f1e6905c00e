// The "Oppstart" page: RESTARTOBJECTS, PROTECTONLY and the STARTUP.CMD editor.
#include "startup_page.h"

#include "ui_startup_page.h"

#include "error_report.h"
#include "line_file.h"
#include "text8.h"
#include "workspace.h"

#include <QButtonGroup>

#include <array>

namespace {

const QString kStartupCmd = QStringLiteral("C:\\STARTUP.CMD");

// The value each item of the radio group stands for, by item.
constexpr std::array<const char *, 5> kRestartValues = {"PL", "REBOOTONLY", "NO", "STARTUPFOLDERSONLY", "YES"};
constexpr int kRestartDefault = 4;

} // namespace

StartupPage::StartupPage(Workspace &ws, QWidget *parent)
    : QWidget(parent)
    , m_ws(ws)
    , ui(std::make_unique<Ui::StartupPage>())
    , m_restart(new QButtonGroup(this))
{
    ui->setupUi(this);
    m_file = {kStartupCmd, ui->startupcmd, ui->NyStartupKnapp, ui->LagreStartupKnapp, ui->SlettStartupKnapp,
              ui->StartupMemo};
    const std::array<QRadioButton *, 5> items = {ui->restartgroup_0, ui->restartgroup_1, ui->restartgroup_2,
                                                 ui->restartgroup_3, ui->restartgroup_4};
    for (int i = 0; i < int(items.size()); ++i)
        m_restart->addButton(items[i], i);
    ui->LeggTilRestartKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/restart.png")));
    ui->NyStartupKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/new.png")));
    ui->LagreStartupKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/save.png")));
    ui->SlettStartupKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/delete.png")));

    connect(m_restart, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            restartgroupClick();
    });
    connect(ui->LeggTilRestartKnapp, &QPushButton::clicked, this, [this] { LeggTilRestartKnappClick(); });
    connect(ui->protectonly, &QCheckBox::toggled, this, [this] { protectonlyClick(); });
    connect(ui->startupcmd, &QCheckBox::toggled, this, [this] { startupcmdClick(); });
    connect(ui->NyStartupKnapp, &QPushButton::clicked, this, [this] { NyStartupKnappClick(); });
    connect(ui->LagreStartupKnapp, &QPushButton::clicked, this, [this] { LagreStartupKnappClick(); });
    connect(ui->SlettStartupKnapp, &QPushButton::clicked, this, [this] { SlettStartupKnappClick(); });
    connect(ui->StartupMemo, &QPlainTextEdit::textChanged, this, [this] { StartupMemoChange(); });
}

StartupPage::~StartupPage() = default;

void StartupPage::checkStartupCmdExists()
{
    ui->startupcmd->setChecked(linefile::exists(m_ws.drives, kStartupCmd));
}

void StartupPage::selectRestartItem(const std::string &value)
{
    int item = -1;
    if (m_ws.regs.RestartObjectsLine == NoLine) {
        item = kRestartDefault;
    } else {
        // Letter case aside: "restartobjects=no" means NO, and must not turn
        // into the YES of the item left selected when the line is rewritten.
        const std::string upper = text8::upper(value);
        for (int i = 0; i < int(kRestartValues.size()); ++i)
            if (upper == kRestartValues[i])
                item = i;
    }
    // Any other value leaves the item that was selected.
    if (item >= 0)
        m_restart->button(item)->setChecked(true);
}

void StartupPage::restartgroupClick()
{
    m_ws.enableRem(false);
    const LinePos line = m_ws.lineOf(m_ws.regs.RestartObjectsLine);
    m_ws.vislinje(line);
    m_ws.selectLine(line);
    ui->LeggTilRestartKnapp->setEnabled(line == NoLine);
    const int item = m_restart->checkedId();
    const std::string value = kRestartValues[std::size_t(item < 0 ? kRestartDefault : item)];
    if (line != NoLine) {
        m_ws.doc.replace(line, "RESTARTOBJECTS=" + value);
        m_ws.setEdit1ToLine(line);
    } else {
        m_ws.setEdit1Text(QStringLiteral("(RESTARTOBJECTS=YES)"));
    }
    m_ws.setLabel3(QStringLiteral("Ikke nødvendig, standardverdi RESTARTOBJECTS=YES"));
    m_ws.setLabel2(QString());
}

void StartupPage::LeggTilRestartKnappClick()
{
    restartgroupClick();
    m_ws.regs.RestartObjectsLine = m_ws.doc.append("RESTARTOBJECTS=YES");
    restartgroupClick();
}

void StartupPage::protectonlyClick()
{
    const bool on = ui->protectonly->isChecked();
    m_ws.writeStatement(m_ws.regs.ProtectOnlyLine, on ? "PROTECTONLY=YES" : "PROTECTONLY=NO");
    m_ws.setLabel3(on ? QStringLiteral("Kun OS/2 sesjoner kan kjøres")
                      : QStringLiteral("OS/2, DOS og Windows sesjoner kan kjøres"));
}

void StartupPage::startupcmdClick()
{
    errors::guarded(m_ws.window(), [this] { showSideFile(m_ws.drives, m_file); });
}

void StartupPage::NyStartupKnappClick()
{
    errors::guarded(m_ws.window(), [this] {
        ui->StartupMemo->setFocus();
        ui->StartupMemo->clear();
        ui->StartupMemo->addLine("EXIT");
        m_ws.saveFile(kStartupCmd, ui->StartupMemo->lines());
        startupcmdClick();
    });
}

void StartupPage::LagreStartupKnappClick()
{
    errors::guarded(m_ws.window(), [this] {
        m_ws.saveFile(kStartupCmd, ui->StartupMemo->lines());
        startupcmdClick();
    });
}

void StartupPage::SlettStartupKnappClick()
{
    errors::guarded(m_ws.window(), [this] {
        if (!linefile::exists(m_ws.drives, kStartupCmd))
            return;
        m_ws.removeFile(kStartupCmd);
        ui->StartupMemo->clear();
        startupcmdClick();
    });
}

void StartupPage::StartupMemoChange()
{
    ui->LagreStartupKnapp->setEnabled(ui->StartupMemo->lineCount() > 0);
    ui->NyStartupKnapp->setEnabled(!linefile::exists(m_ws.drives, kStartupCmd));
}
