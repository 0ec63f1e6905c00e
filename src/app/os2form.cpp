// The main window: the notebook of pages, the status area and the button panel.
#include "app/os2form.h"

#include "ui_os2form.h"

#include "app/boot_check_dialog.h"
#include "app/command_line.h"
#include "engine/boot_check.h"
#include "app/about_box.h"
#include "engine/file_check.h"
#include "pages/disk_page.h"
#include "pages/dos_page.h"
#include "pages/drivers_page.h"
#include "pages/interface_page.h"
#include "pages/network_page.h"
#include "pages/performance_page.h"
#include "pages/startup_page.h"
#include "platform/file_error.h"
#include "platform/line_file.h"
#include "platform/text8.h"
#include "workspace/control_events.h"
#include "workspace/input_rules.h"
#include "workspace/list_selection.h"
#include "workspace/text8_memo.h"

#include <QIcon>
#include <QShortcut>
#include <QStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QValidator>

#include <climits>
#include <memory>

namespace {

const QString kSaveTarget = TOs2Form::saveTarget();
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

TOs2Form::TOs2Form(const QStringList &arguments, DriveMap drives, ErrorReporter::Sink errorSink, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::TOs2Form>())
    , m_errors(new ErrorReporter(this, std::move(errorSink)))
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
        m_document, std::move(drives), configFileFrom(arguments),
        StatusWidgets{ui->ListBox, ui->Edit1, ui->Label2, ui->Label3, ui->LinjeLabel, ui->RemKnapp}, *m_errors);
    m_ws->setPageRefresh([this] { NoteBookClick(); });
    createPages();
    lightLookForStyledWidgets();

    ui->ListBox->setModel(&m_document);
    ui->Edit1->setValidator(new Text8Validator(ui->Edit1));
    // A line may be longer than a line edit's usual limit; never cut it.
    ui->Edit1->setMaxLength(INT_MAX);

    listsel::onUserSelect(ui->ListBox, [this] { ListBoxClick(); });
    // Typing and "REM av/på" are the user's own edits of a line.
    connect(ui->Edit1, &QLineEdit::textEdited, this, [this] {
        const WriteGate::UserAction user(m_ws->gate());
        Edit1Change();
    });
    connect(ui->OpenKnapp, &QPushButton::clicked, this, [this] { OpenKnappClick(); });
    connect(ui->SaveKnapp, &QPushButton::clicked, this, [this] { SaveKnappClick(); });
    controls::onPressed(m_ws->gate(), ui->RemKnapp, [this] { RemKnappClick(); });
    connect(ui->SjekkKnapp, &QPushButton::clicked, this, [this] { SjekkKnappClick(); });
    auto *bootCheck = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K), this);
    connect(bootCheck, &QShortcut::activated, this, [this] { showBootCheck(); });
    // A page change runs the page refresh, which may rewrite a line: a wheel
    // turned over the tabs changes the page only while they have the focus.
    wheelOnlyWithFocus(ui->NoteBook->tabBar());
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [this] { showAbout(); });

    FormCreate();
    watchChanges();

    // Connected only now, so that the page the window opens on sets nothing off.
    showPage(PageId::Ytelse);
    connect(ui->NoteBook, &QTabWidget::currentChanged, this, [this] { NoteBookClick(); });
}

TOs2Form::~TOs2Form()
{
    // The pages and lists refer to the document and the workspace, which are
    // members: take the widgets down while those still exist.
    qDeleteAll(findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
}

PageId TOs2Form::currentPage() const
{
    return static_cast<PageId>(ui->NoteBook->currentIndex());
}

void TOs2Form::showPage(PageId page)
{
    ui->NoteBook->setCurrentIndex(static_cast<int>(page));
}

void TOs2Form::createPages()
{
    m_startup = new StartupPage(*m_ws, ui->startupTab);
    m_dos = new DosPage(*m_ws, ui->dosTab);
    m_performance = new PerformancePage(*m_ws, ui->performanceTab);
    m_drivers = new DriversPage(*m_ws, ui->driversTab);
    m_interface = new InterfacePage(*m_ws, ui->interfaceTab);
    m_disk = new DiskPage(*m_ws, ui->diskTab);
    m_network = new NetworkPage(*m_ws, ui->networkTab);
    m_filePage = std::make_unique<FilePage>(*m_ws);
    const auto place = [this](PageId id, Page *page) { m_pages[static_cast<std::size_t>(id)] = page; };
    place(PageId::Oppstart, m_startup);
    place(PageId::Dos, m_dos);
    place(PageId::Ytelse, m_performance);
    place(PageId::Drivere, m_drivers);
    place(PageId::Grensesnitt, m_interface);
    place(PageId::Disk, m_disk);
    place(PageId::Nettverk, m_network);
    place(PageId::Fil, m_filePage.get());
    // One handler serves both memos: a change of either re-checks STARTUP.CMD.
    connect(m_dos->autoexecMemo(), &QPlainTextEdit::textChanged, m_startup, [this] { m_startup->StartupMemoChange(); });
}

void TOs2Form::applyLook()
{
    // The fixed colours below were chosen for a light window; on a dark
    // desktop palette navy and blue text would be unreadable. The window keeps
    // the light palette of the Fusion style, whatever the application's is.
    if (const std::unique_ptr<QStyle> fusion{QStyleFactory::create(QStringLiteral("Fusion"))})
        setPalette(fusion->standardPalette());
    setFont(arial(12, true));
    QFont tabFont(QStringLiteral("MS Sans Serif"));
    tabFont.setPixelSize(11);
    tabFont.setBold(false);
    ui->NoteBook->tabBar()->setFont(tabFont);

    setColours(ui->Edit1, Qt::yellow, Qt::blue);
    // Edit1 shapes its whole text for every change and every repaint, and
    // the list every row it draws; a line of a megabyte would take a second.
    // Latin text needs no shaping: glyphs are looked up directly (kerning
    // stays).
    QFont unshaped = font();
    unshaped.setStyleStrategy(QFont::PreferNoShaping);
    ui->Edit1->setFont(unshaped);
    ui->ListBox->setFont(unshaped);
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

void TOs2Form::lightLookForStyledWidgets()
{
    // A widget with a style sheet (and what it holds) takes the application's
    // palette, not its parent's: on a dark desktop "Automatisk oppstart" would
    // be white on the light page. Each gets the window's palette before it is
    // first polished; its sheet then sets its own colours on top.
    for (QWidget *w : findChildren<QWidget *>())
        if (w->testAttribute(Qt::WA_StyleSheet))
            w->setPalette(palette());
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
    // The document is emptied first and filled once the file is read, in the
    // memory of its earlier lines; a failed read leaves it empty. Edits are
    // discarded without a question; the status area tells how many.
    const int changed = m_document.changedCount(), added = m_document.addedCount();
    try {
        m_ws->setReadFile(QString());
        Lines lines = linefile::load(m_ws->drives(), m_ws->ConfigFileName(), MaxDocumentLines, m_document.takeLines());
        m_ws->setReadFile(m_ws->drives().resolve(m_ws->ConfigFileName()));
        m_document.setLines(std::move(lines));
    } catch (const FileError &e) {
        // The scan is skipped: nothing found in the earlier document may point
        // into this one, or lines added now would be written over later.
        forgetStatements();
        m_ws->reportError(e.message());
        tellDiscarded(changed, added);
        return;
    }
    FormActivate();
    m_ws->selectLine(0);
    tellDiscarded(changed, added);
}

void TOs2Form::forgetStatements()
{
    m_ws->registers() = Registers::none();
    m_drivers->AddDevice();
    m_drivers->addbasedev();
    m_network->AddProtokoll();
}

void TOs2Form::SaveKnappClick()
{
    m_ws->guarded([this] {
        // After a failed load the document is empty: saving it would leave a
        // CONFIG.NEW that cannot boot.
        if (!m_ws->hasReadFile())
            throw FileError(QStringLiteral("Kan ikke skrive %1: ingen fil er lest inn (%2 kunne ikke leses), "
                                           "så det er ingenting å lagre")
                                .arg(kSaveTarget, m_ws->ConfigFileName()));
        m_ws->saveFile(kSaveTarget, m_document.lines());
        m_document.markSaved();
        tellSaved();
    });
}

void TOs2Form::ListBoxClick()
{
    const int i = m_ws->selectedLine();
    if (i < 0)
        return;
    m_ws->vislinje(static_cast<LinePos>(i));
    m_ws->showLineInEditLine(static_cast<LinePos>(i));
    m_ws->showMessage(QString());
    m_ws->showHint(QString());
}

void TOs2Form::Edit1Change()
{
    // Connected to the user's own edits only: text set by a page never gets here.
    const int i = m_ws->selectedLine();
    if (i < 0 || i >= m_document.count())
        return;
    // A keystroke edits the selected line only when the edit line showed that
    // line: after a page showed another statement there, typing changes nothing.
    if (!m_ws->editLineShowedLine(i))
        return;
    std::optional<std::string> text = m_ws->editLineBytes();
    if (!text)
        return;
    m_ws->replaceLine(static_cast<LinePos>(i), std::move(*text));
}

void TOs2Form::RemKnappClick()
{
    const int i = m_ws->selectedLine();
    if (i < 0 || i >= int(NoLine))
        return;
    std::optional<std::string> shown = m_ws->editLineBytes();
    if (!shown)
        return;
    std::string t = std::move(*shown);
    if (t.empty() || t == kRem) {
        m_ws->showMessage(QStringLiteral("FEIL"));
        return;
    }
    // The edit line may show a statement that is not the selected line (a page
    // showing what it would write); toggling would put that text over the line.
    if (!m_document.isLine(i) || t != m_document.line(i))
        return;
    if (t.compare(0, kRem.size(), kRem) == 0)
        t.erase(0, kRem.size());
    else
        t.insert(0, kRem);
    // The page refresh empties Edit1 and shows what the page shows (on "Fil"
    // the line toggled), so the toggled text is not put there first: for a
    // long line that would cost as much as the rest together.
    m_ws->replaceLine(static_cast<LinePos>(i), std::move(t));
    NoteBookClick();
}

void TOs2Form::FormActivate()
{
    // The scan reads the document into the pages and writes nothing, whatever
    // the handlers it sets off would write for a user.
    const WriteGate::Looking looking(m_ws->gate());
    Registers &regs = m_ws->registers();
    // The statements of the scan, all found in one pass over the document.
    // Nothing that runs in between writes, so a search made later would find
    // the same lines and values.
    static constexpr std::string_view kKeys[] = {"SET AUTOSTART", "SET RUNWORKPLACE", "THREADS", "MAXWAIT",
                                                 "PRIORITY",      "TIMESLICE",        "RESTARTOBJECTS", "PROTECTONLY"};
    const std::vector<IniValue> found = GetIniStrAll(m_document.searchLines(), kKeys);
    const IniValue &autostart = found[0];
    const IniValue &workplace = found[1];
    const IniValue &restart = found[6];

    // Whether the side files exist; a change of a box loads its file.
    m_startup->checkStartupCmdExists();
    m_dos->checkAutoexecExists();
    // SET AUTOSTART: its line, then the boxes.
    regs.AutostartLine = autostart.line;
    m_interface->setAutostart(autostart.value);
    // SET RUNWORKPLACE: its value into the field, then its line.
    m_interface->setRunWorkplace(workplace.value);
    regs.RunWorkplaceLine = workplace.line;
    // The lines of the "Ytelse" statements, then their values into the bars.
    regs.ThreadsLine = found[2].line;
    regs.MaxWaitLine = found[3].line;
    regs.PriorityLine = found[4].line;
    regs.TimeSliceLine = found[5].line;
    m_performance->showStatements(found[2], found[3], found[4], found[5]);
    // The lists of the "Drivere" and "Nettverk" pages.
    m_drivers->AddDevice();
    m_drivers->addbasedev();
    m_network->AddProtokoll();
    // STARTUP.CMD into its memo.
    m_startup->startupcmdClick();
    // RESTARTOBJECTS: its line, and the item its value stands for.
    regs.RestartObjectsLine = restart.line;
    m_startup->selectRestartItem(restart.value);
    // PROTECTONLY: only its line; the box is the user's.
    regs.ProtectOnlyLine = found[7].line;
    // The RESTARTOBJECTS line made current, as the item's handler shows it.
    m_startup->restartgroupClick();
    // The page shown follows the document.
    NoteBookClick();
}

void TOs2Form::NoteBookClick()
{
    // A refresh only reads: what its control changes set off writes nothing.
    const WriteGate::Looking looking(m_ws->gate());
    m_ws->enableRemButton(true);
    m_ws->clearEditLine();
    m_ws->showMessage(QString());
    m_ws->showHint(QString());
    m_pages[static_cast<std::size_t>(currentPage())]->refresh();
}

void TOs2Form::FilePage::refresh()
{
    const int i = m_ws.selectedLine();
    if (m_ws.document().isLine(i))
        m_ws.showLineInEditLine(static_cast<LinePos>(i));
    m_ws.showHint(QStringLiteral("Rediger ") + m_ws.ConfigFileName());
}

void TOs2Form::showAbout()
{
    if (!m_about) {
        m_about = new AboutBox(*m_ws, this);
        m_about->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_about, &AboutBox::checkRequested, this, [this] { showBootCheck(); });
        connect(m_about, &AboutBox::changesRequested, this, [this] { showChanges(); });
    }
    m_about->open();
    m_about->raise();
    m_about->activateWindow();
}

void TOs2Form::SjekkKnappClick()
{
    const std::optional<std::string> shown = m_ws->editLineBytes();
    if (!shown)
        return;
    if (const auto message = checkStatement(m_ws->drives(), *shown))
        m_ws->showMessage(*message);
}

void TOs2Form::showBootCheck()
{
    const bootcheck::Report report = bootcheck::checkDocument(m_document.lines(), m_ws->drives());
    auto *dialog = new BootCheckDialog(report, m_document.lines(), this);
    // A finding's line becomes current as if the user clicked it on "Fil".
    connect(dialog, &BootCheckDialog::lineChosen, this, [this](LinePos line) {
        if (!m_document.isLine(line))
            return;
        m_ws->selectLine(line);
        ListBoxClick();
    });
    dialog->show();
}
