// The main window: the notebook of pages, the status area and the button panel.
#include "app/os2form.h"

#include "ui_os2form.h"

#include "app/boot_check_dialog.h"
#include "app/command_line.h"
#include "app/window_keys.h"
#include "engine/boot_check.h"
#include "app/about_box.h"
#include "app/drive_choice.h"
#include "app/drive_chooser.h"
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
#include "workspace/accessibility.h"
#include "workspace/control_events.h"
#include "workspace/input_rules.h"
#include "workspace/light_look.h"
#include "workspace/list_selection.h"
#include "workspace/text8_memo.h"

#include <QIcon>
#include <QShortcut>
#include <QTabBar>
#include <QValidator>

#include <climits>
#include <memory>
#include <optional>

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
    a11y::install();
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
    setUpKeysAndNames();

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
    watchInstall();

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
    setPalette(lightPalette());
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

void TOs2Form::setUpKeysAndNames()
{
    keepLightLookInDialogs(this);
    a11y::setRole(this, QAccessible::Window);
    windowkeys::turnPagesFromAnywhere(this, ui->NoteBook);
    windowkeys::enterPressesButtons(this);
    // "REM av/på" keeps its caption; Alt+R presses it all the same.
    windowkeys::pressWith(ui->RemKnapp, QKeySequence(Qt::ALT | Qt::Key_R));
    windowkeys::tabsBeforePage(ui->Edit1, ui->NoteBook);
    // "Hent" names the file it reads.
    const QString fetch = QStringLiteral("Hent ") + m_ws->ConfigFileName();
    ui->OpenKnapp->setAccessibleName(fetch);
    ui->OpenKnapp->setToolTip(fetch + QStringLiteral(": leser filen på nytt (Alt+H)"));
}

void TOs2Form::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The window's first activation scans the document once more; later
    // activations (switching applications) do not.
    if (!m_shown) {
        m_shown = true;
        // Without a folder for C: the side files cannot be read either: the
        // load's one message has said so.
        if (!noDriveMessage(m_ws->drives(), m_ws->ConfigFileName()))
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
        m_ws->beginRead();
        FileStamp read;
        Lines lines = linefile::load(m_ws->drives(), m_ws->ConfigFileName(), MaxDocumentLines, m_document.takeLines(),
                                     &read);
        m_ws->setReadFile(read);
        m_document.setLines(std::move(lines));
    } catch (const FileError &e) {
        // The scan is skipped: nothing found in the earlier document may point
        // into this one, or lines added now would be written over later.
        forgetStatements();
        const std::optional<QString> noDrive = noDriveMessage(m_ws->drives(), m_ws->ConfigFileName());
        m_ws->reportError(noDrive.value_or(e.message()));
        tellDiscarded(changed, added);
        if (noDrive)
            m_ws->showHint(QStringLiteral("Stasjon C: har ingen mappe – trykk F1 og «Velg OS/2-stasjonen…»"));
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
        // Saved all the same: the lines here are what the user edited.
        if (m_ws->readFileChanged())
            m_ws->showMessage(QStringLiteral("%1 er endret på disken siden den ble lest inn")
                                  .arg(m_ws->ConfigFileName()));
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
    // line; otherwise the edit line is read-only and no keystroke gets here.
    if (!m_ws->editLineShowsSelectedLine())
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
    if (!m_ws->editLineShowsSelectedLine() || !m_document.isLine(i) || t != m_document.line(i))
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
        connect(m_about, &AboutBox::driveChoiceRequested, this, [this] { chooseDrive(); });
        connect(m_about, &AboutBox::changesRequested, this, [this] { showChanges(); });
        connect(m_about, &AboutBox::installRequested, this, [this] { showInstall(); });
        connect(m_about, &AboutBox::restoreRequested, this, [this] { showRestore(); });
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
    if (const auto message = checkStatement(m_ws->drives(), bootDrive(), *shown))
        m_ws->showMessage(*message);
}

QChar TOs2Form::bootDrive() const
{
    return bootcheck::bootDriveOf(m_ws->ConfigFileName(), m_document.lines(), m_bootDrive);
}

void TOs2Form::showBootCheck()
{
    // One dialog: a second Ctrl+Shift+K checks again and raises it.
    const bool first = !m_bootCheck;
    if (first) {
        m_bootCheck = new BootCheckDialog(this);
        connect(m_bootCheck, &BootCheckDialog::installRequested, this, [this] { showInstall(); });
        // A finding's line becomes current as if the user clicked it on "Fil".
        connect(m_bootCheck, &BootCheckDialog::lineChosen, this, [this](LinePos line) {
            if (!m_document.isLine(line))
                return;
            m_ws->selectLine(line);
            ListBoxClick();
        });
    }
    if (!m_ws->hasReadFile()) {
        m_bootCheck->showNothingChecked(QStringLiteral("Ingen fil er lest inn"));
    } else {
        try {
            m_bootCheck->showReport(bootcheck::checkDocument(m_document.lines(), m_ws->drives(), bootDrive()),
                                    m_document.lines());
        } catch (const FileError &e) {
            m_bootCheck->showNothingChecked(e.message());
        }
    }
    if (first)
        m_bootCheck->placeClearOf(frameGeometry(), QRect(ui->Edit1->mapToGlobal(QPoint()), ui->Edit1->size()));
    m_bootCheck->show();
    m_bootCheck->raise();
    m_bootCheck->activateWindow();
}

void TOs2Form::chooseDrive()
{
    if (!m_driveChoice) {
        m_ownDriveChoice = DriveChoice::forThisUser();
        m_driveChoice = m_ownDriveChoice.get();
    }
    DriveChooser *chooser = m_driveChoice->chooser(m_ws->drives(), {}, this).release();
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    chooser->setPalette(palette());
    connect(chooser, &QDialog::accepted, this, [this, chooser] {
        DriveMap drives = m_ws->drives();
        m_driveChoice->take(*chooser, drives);
        m_ws->setDrives(std::move(drives));
        OpenKnappClick();
    });
    chooser->open();
}
