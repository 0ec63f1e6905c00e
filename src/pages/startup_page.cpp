// The "Oppstart" page: RESTARTOBJECTS, PROTECTONLY and the STARTUP.CMD editor.
#include "pages/startup_page.h"

#include "ui_startup_page.h"

#include "platform/text8.h"
#include "workspace/input_rules.h"
#include "workspace/workspace.h"

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
    // "Ny" writes a file that only ends the command processor; "Slett" keeps no backup.
    m_file = std::make_unique<SideFileEditor>(
        m_ws,
        SideFileEditor::Panel{ui->startupcmd, ui->NyStartupKnapp, ui->LagreStartupKnapp, ui->SlettStartupKnapp,
                              ui->StartupMemo},
        SideFileEditor::Setup{kStartupCmd, [] { return Lines{"EXIT"}; }, QString()});
    const std::array<QRadioButton *, 5> items = {ui->restartgroup_0, ui->restartgroup_1, ui->restartgroup_2,
                                                 ui->restartgroup_3, ui->restartgroup_4};
    for (int i = 0; i < int(items.size()); ++i)
        m_restart->addButton(items[i], i);
    tabStopOnCheckedButton(m_restart);
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
    m_file->checkExists();
}

void StartupPage::selectRestartItem(const std::string &value)
{
    int item = -1;
    if (m_ws.registers().RestartObjectsLine == NoLine) {
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
    m_ws.enableRemButton(false);
    const LinePos line = m_ws.lineOf(m_ws.registers().RestartObjectsLine);
    m_ws.vislinje(line);
    m_ws.selectLine(line);
    ui->LeggTilRestartKnapp->setEnabled(line == NoLine);
    const int item = m_restart->checkedId();
    const std::string value = kRestartValues[std::size_t(item < 0 ? kRestartDefault : item)];
    if (line != NoLine) {
        m_ws.document().replace(line, "RESTARTOBJECTS=" + value);
        m_ws.showLineInEditLine(line);
    } else {
        m_ws.showTextInEditLine(QStringLiteral("(RESTARTOBJECTS=YES)"));
    }
    m_ws.showHint(QStringLiteral("Ikke nødvendig, standardverdi RESTARTOBJECTS=YES"));
    m_ws.showMessage(QString());
}

void StartupPage::LeggTilRestartKnappClick()
{
    restartgroupClick();
    m_ws.registers().RestartObjectsLine = m_ws.document().append("RESTARTOBJECTS=YES");
    restartgroupClick();
}

void StartupPage::protectonlyClick()
{
    const bool on = ui->protectonly->isChecked();
    m_ws.writeStatement(m_ws.registers().ProtectOnlyLine, on ? "PROTECTONLY=YES" : "PROTECTONLY=NO");
    m_ws.showHint(on ? QStringLiteral("Kun OS/2 sesjoner kan kjøres")
                      : QStringLiteral("OS/2, DOS og Windows sesjoner kan kjøres"));
}

void StartupPage::startupcmdClick()
{
    m_file->showFile();
}

void StartupPage::NyStartupKnappClick()
{
    m_file->newFile();
}

void StartupPage::LagreStartupKnappClick()
{
    m_file->saveFile();
}

void StartupPage::SlettStartupKnappClick()
{
    m_file->deleteFile();
}

void StartupPage::StartupMemoChange()
{
    ui->LagreStartupKnapp->setEnabled(ui->StartupMemo->lineCount() > 0);
    ui->NyStartupKnapp->setEnabled(!m_file->fileExists());
}
