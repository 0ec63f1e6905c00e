// The main window: the notebook of pages, the status area and the button panel.
#include "os2form.h"

#include "ui_os2form.h"

#include "disk_page.h"
#include "dos_page.h"
#include "drivers_page.h"
#include "error_report.h"
#include "file_check.h"
#include "interface_page.h"
#include "network_page.h"
#include "performance_page.h"
#include "startup_page.h"
#include "text8_memo.h"
#include "line_file.h"
#include "list_selection.h"
#include "text8.h"

#include <QIcon>
#include <QTabBar>
#include <QValidator>

#include <climits>

namespace {

const QString kDefaultConfig = QStringLiteral("C:\\CONFIG.SYS");
const QString kSaveTarget = QStringLiteral("C:\\CONFIG.NEW");
constexpr std::string_view kRem = "REM ";

// Refuses any character that the 8-bit set cannot hold, typed or pasted.
class Text8Validator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return text8::isEncodable(input) ? Acceptable : Invalid;
    }
};

QFont arial(int pixels, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void setColours(QWidget *w, const QColor &base, const QColor &text)
{
    QPalette p = w->palette();
    if (base.isValid())
        p.setColor(QPalette::Base, base);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::WindowText, text);
    w->setPalette(p);
}

} // namespace

TOs2Form::TOs2Form(const QStringList &arguments, DriveMap drives, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::TOs2Form>())
{
    // The icons live in the library; a static library's resources need a nudge.
    Q_INIT_RESOURCE(os2setup);
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                   | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(634, 418);
    move(149, 98);
    applyLook();

    m_ws = std::make_unique<Workspace>(
        m_document, std::move(drives), configFileNameFrom(arguments),
        StatusWidgets{ui->ListBox, ui->Edit1, ui->Label2, ui->Label3, ui->LinjeLabel, ui->RemKnapp}, this);
    m_ws->refresh = [this] { NoteBookClick(); };
    createPages();

    ui->ListBox->setModel(&m_document);
    ui->Edit1->setValidator(new Text8Validator(ui->Edit1));
    // A line may be longer than a line edit's usual limit; never cut it.
    ui->Edit1->setMaxLength(INT_MAX);

    listsel::onUserSelect(ui->ListBox, this, [this] { ListBoxClick(); });
    connect(ui->Edit1, &QLineEdit::textEdited, this, [this] { Edit1Change(); });
    connect(ui->OpenKnapp, &QPushButton::clicked, this, [this] { OpenKnappClick(); });
    connect(ui->SaveKnapp, &QPushButton::clicked, this, [this] { SaveKnappClick(); });
    connect(ui->RemKnapp, &QPushButton::clicked, this, [this] { RemKnappClick(); });
    connect(ui->SjekkKnapp, &QPushButton::clicked, this, [this] { SjekkKnappClick(); });

    FormCreate();

    // Connected only now, so that the page the window opens on sets nothing off.
    ui->NoteBook->setCurrentIndex(2);
    connect(ui->NoteBook, &QTabWidget::currentChanged, this, [this] { NoteBookClick(); });
}

TOs2Form::~TOs2Form()
{
    // The pages and lists refer to the document and the workspace, which are
    // members: take the widgets down while those still exist.
    qDeleteAll(findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
}

QString TOs2Form::configFileNameFrom(const QStringList &arguments)
{
    return arguments.size() == 1 ? arguments.first() : kDefaultConfig;
}

void TOs2Form::createPages()
{
    m_startup = new StartupPage(*m_ws, ui->startupTab);
    m_dos = new DosPage(*m_ws, ui->dosTab);
    new PerformancePage(*m_ws, ui->performanceTab); // nothing outside the page calls it
    m_drivers = new DriversPage(*m_ws, ui->driversTab);
    m_interface = new InterfacePage(*m_ws, ui->interfaceTab);
    m_disk = new DiskPage(*m_ws, ui->diskTab);
    m_network = new NetworkPage(*m_ws, ui->networkTab);
    // One handler serves both memos: a change of either re-checks STARTUP.CMD.
    connect(m_dos->autoexecMemo(), &QPlainTextEdit::textChanged, m_startup, [this] { m_startup->StartupMemoChange(); });
}

void TOs2Form::applyLook()
{
    setFont(arial(12, true));
    QFont tabFont(QStringLiteral("MS Sans Serif"));
    tabFont.setPixelSize(11);
    tabFont.setBold(false);
    ui->NoteBook->tabBar()->setFont(tabFont);

    setColours(ui->Edit1, Qt::yellow, Qt::blue);
    setColours(ui->ListBox, Qt::yellow, Qt::blue);
    ui->Label2->setFont(arial(13, true));
    setColours(ui->Label2, QColor(), Qt::red);
    ui->Label3->setFont(arial(13, false));
    setColours(ui->Label3, QColor(), QColor(0, 0, 128));

    setWindowIcon(QIcon(QStringLiteral(":/os2setup.png")));
    ui->OpenKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/open.png")));
    ui->SaveKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/save.png")));
    ui->SjekkKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/check.png")));
}

void TOs2Form::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The window's first activation scans the document once more; later
    // activations (switching applications) do not.
    if (!m_shown) {
        m_shown = true;
        FormActivate();
    }
}

void TOs2Form::FormCreate()
{
    OpenKnappClick();
}

void TOs2Form::OpenKnappClick()
{
    m_document.clear();
    try {
        m_ws->setReadFile(QString());
        Lines lines = linefile::load(m_ws->drives, m_ws->ConfigFileName, MaxDocumentLines);
        m_ws->setReadFile(m_ws->drives.resolve(m_ws->ConfigFileName));
        m_document.setLines(std::move(lines));
    } catch (const FileError &e) {
        // The scan is skipped: nothing found in the earlier document may point
        // into this one, or lines added now would be written over later.
        forgetStatements();
        errors::report(this, e.message());
        return;
    }
    FormActivate();
    m_ws->selectLine(0);
}

void TOs2Form::forgetStatements()
{
    m_ws->regs = Registers::none();
    m_drivers->AddDevice();
    m_drivers->addbasedev();
    m_network->AddProtokoll();
}

void TOs2Form::SaveKnappClick()
{
    errors::guarded(this, [this] {
        // After a failed load the document is empty: saving it would leave a
        // CONFIG.NEW that cannot boot.
        if (!m_ws->hasReadFile())
            throw FileError(QStringLiteral("Kan ikke skrive %1: ingen fil er lest inn (%2 kunne ikke leses), "
                                           "så det er ingenting å lagre")
                                .arg(kSaveTarget, m_ws->ConfigFileName));
        m_ws->saveFile(kSaveTarget, m_document.lines());
    });
}

void TOs2Form::ListBoxClick()
{
    const int i = m_ws->selectedLine();
    if (i < 0)
        return;
    m_ws->vislinje(static_cast<LinePos>(i));
    m_ws->setEdit1ToLine(static_cast<LinePos>(i));
    m_ws->setLabel2(QString());
    m_ws->setLabel3(QString());
}

void TOs2Form::Edit1Change()
{
    // Connected to the user's own edits only: text set by a page never gets here.
    const int i = m_ws->selectedLine();
    if (i < 0 || i >= m_document.count())
        return;
    // A keystroke edits the selected line only when the edit line showed that
    // line: after a page showed another statement there, typing changes nothing.
    if (!m_ws->edit1ShowedLine(i))
        return;
    const std::optional<std::string> text = m_ws->edit1Bytes();
    if (!text)
        return;
    m_document.replace(i, *text);
    m_ws->selectLine(static_cast<LinePos>(i));
}

void TOs2Form::RemKnappClick()
{
    const int i = m_ws->selectedLine();
    if (i < 0 || i >= int(NoLine))
        return;
    std::string t = m_ws->edit1();
    if (t.empty() || t == kRem) {
        m_ws->setLabel2(QStringLiteral("FEIL"));
        return;
    }
    // Edit1 may show a statement that is not the selected line (a page showing
    // what it would write); toggling would put that text over the line.
    if (t != m_document.line(i))
        return;
    if (t.compare(0, kRem.size(), kRem) == 0)
        t.erase(0, kRem.size());
    else
        t.insert(0, kRem);
    m_ws->setEdit1(t);
    m_document.replace(i, m_ws->edit1());
    m_ws->selectLine(static_cast<LinePos>(i));
    NoteBookClick();
}

void TOs2Form::FormActivate()
{
    const Lines &lines = m_document.lines();
    Registers &regs = m_ws->regs;

    m_startup->checkStartupCmdExists();                                 // 1
    m_dos->checkAutoexecExists();                                       // 2
    const IniValue autostart = GetIniStr(lines, "SET AUTOSTART");       // 3
    regs.AutostartLine = autostart.line;
    m_interface->setAutostart(autostart.value);                         // 4
    const IniValue workplace = GetIniStr(lines, "SET RUNWORKPLACE");    // 5
    m_interface->setRunWorkplace(workplace.value);
    regs.RunWorkplaceLine = workplace.line;
    regs.ThreadsLine = GetIniStr(lines, "THREADS").line;                // 6
    regs.MaxWaitLine = GetIniStr(lines, "MAXWAIT").line;
    regs.PriorityLine = GetIniStr(lines, "PRIORITY").line;
    regs.TimeSliceLine = GetIniStr(lines, "TIMESLICE").line;
    m_drivers->AddDevice();                                             // 7
    m_drivers->addbasedev();                                            // 8
    m_network->AddProtokoll();                                          // 9
    m_startup->startupcmdClick();                                       // 10
    const IniValue restart = GetIniStr(lines, "RESTARTOBJECTS");        // 11
    regs.RestartObjectsLine = restart.line;
    m_startup->selectRestartItem(restart.value);
    regs.ProtectOnlyLine = GetIniStr(lines, "PROTECTONLY").line;        // 12
    m_startup->restartgroupClick();                                     // 13
    NoteBookClick();                                                    // 14
}

void TOs2Form::NoteBookClick()
{
    m_ws->enableRem(true);
    m_ws->setEdit1Text(QString());
    m_ws->setLabel2(QString());
    m_ws->setLabel3(QString());
    switch (ui->NoteBook->currentIndex()) {
    case 0: m_startup->restartgroupClick(); break;
    case 1: m_dos->refresh(); break;
    case 3: m_drivers->refresh(); break;
    case 4: m_interface->refresh(); break;
    case 5: m_disk->refresh(); break;
    case 7: refreshFilePage(); break;
    default: break; // "Ytelse" and "Nettverk" show nothing from the document
    }
}

void TOs2Form::refreshFilePage()
{
    const int i = m_ws->selectedLine();
    if (m_document.isLine(i))
        m_ws->setEdit1ToLine(static_cast<LinePos>(i));
    m_ws->setLabel3(QStringLiteral("Rediger ") + m_ws->ConfigFileName);
}

void TOs2Form::SjekkKnappClick()
{
    if (const auto message = checkStatement(m_ws->drives, m_ws->edit1()))
        m_ws->setLabel2(*message);
}
