// The main window: the notebook of pages, the status area and the button panel.
// Here it is put together; the scan and the page refresh, the buttons of the
// panel and the window's dialogs live in the other os2form_*.cpp files.
#include "app/os2form.h"

#include "ui_os2form.h"

#include "app/command_line.h"
#include "app/drive_choice.h"
#include "app/window_keys.h"
#include "pages/drivers_page.h"
#include "pages/network_page.h"
#include "platform/text8.h"
#include "workspace/accessibility.h"
#include "workspace/gated_document.h"
#include "workspace/input_rules.h"
#include "workspace/light_look.h"
#include "workspace/list_selection.h"
#include "workspace/status_area.h"
#include "workspace/text8_memo.h"

#include <QCoreApplication>
#include <QIcon>
#include <QTabBar>
#include <QValidator>

#include <climits>
#include <memory>

namespace {

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
    , m_ui(std::make_unique<Ui::TOs2Form>())
    , m_errors(new ErrorReporter(this, std::move(errorSink)))
    , m_questions(this)
    , m_files(std::move(drives), configFileFrom(arguments))
{
    // The icons live in the library; a static library's resources need a nudge.
    Q_INIT_RESOURCE(os2setup);
    a11y::install();
    m_ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                   | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // Every page places its controls at fixed points, in pixels, and nothing
    // in the window grows with it: a larger window would only add empty space
    // and a smaller one would cut controls off. So it has the one size those
    // places need, and opens at the same place each time.
    setFixedSize(634, 418);
    move(149, 98);
    applyLook();

    m_ui->ListBox->setModel(&m_document);
    m_status = std::make_unique<StatusArea>(
        m_document, m_files.ConfigFileName(),
        StatusWidgets{m_ui->ListBox, m_ui->Edit1, m_ui->Label2, m_ui->Label3, m_ui->LinjeLabel, m_ui->RemKnapp});
    m_edits = std::make_unique<GatedDocument>(m_document, *m_status, m_gate);
    createPages();
    createFindBar();
    lightLookForStyledWidgets();
    setUpKeysAndNames();

    m_ui->Edit1->setValidator(new Text8Validator(m_ui->Edit1));
    // A line may be longer than a line edit's usual limit; never cut it.
    m_ui->Edit1->setMaxLength(INT_MAX);

    // The user's own actions on the window's controls: typing and "REM
    // av/på" edit a line.
    listsel::onUserSelect(m_ui->ListBox, m_events.handler([this] { ListBoxClick(); }));
    m_events.on(m_ui->Edit1, &QLineEdit::textEdited, [this] { Edit1Change(); });
    m_events.on(m_ui->OpenKnapp, &QAbstractButton::clicked, guarded([this] { OpenKnappClick(); }));
    m_events.on(m_ui->SaveKnapp, &QAbstractButton::clicked, [this] { SaveKnappClick(); });
    m_events.on(m_ui->RemKnapp, &QAbstractButton::clicked, [this] { RemKnappClick(); });
    m_events.on(m_ui->SjekkKnapp, &QAbstractButton::clicked, guarded([this] { SjekkKnappClick(); }));
    windowkeys::onKey(this, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K), guarded([this] { showBootCheck(); }));
    // A page change runs the page refresh, which may rewrite a line: a wheel
    // turned over the tabs changes the page only while they have the focus.
    wheelOnlyWithFocus(m_ui->NoteBook->tabBar());
    windowkeys::onKey(this, QKeySequence(Qt::Key_F1), [this] { showAbout(); });

    FormCreate();
    followDocument();
    watchChanges();
    watchUndo();
    watchInstall();

    // Connected only now, so that the page the window opens on sets nothing off.
    showPage(PageId::Ytelse);
    connect(m_ui->NoteBook, &QTabWidget::currentChanged, this, [this] { NoteBookClick(); });
}

TOs2Form::~TOs2Form()
{
    // The pages and lists refer to the document, the status area and the
    // files, which are members: take the widgets down while those still exist.
    qDeleteAll(findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
}

Registers TOs2Form::registers() const
{
    Registers all;
    static_cast<StartupRegisters &>(all) = m_startup->registers();
    static_cast<DosRegisters &>(all) = m_dos->registers();
    static_cast<PerformanceRegisters &>(all) = m_performance->registers();
    static_cast<InterfaceRegisters &>(all) = m_interface->registers();
    static_cast<DiskRegisters &>(all) = m_disk->registers();
    return all;
}

PageId TOs2Form::currentPage() const
{
    return static_cast<PageId>(m_ui->NoteBook->currentIndex());
}

void TOs2Form::showPage(PageId page)
{
    m_ui->NoteBook->setCurrentIndex(static_cast<int>(page));
}

void TOs2Form::createPages()
{
    // Each page gets what it works with, no more: the status area and the
    // window's event dispatch, which its handlers run through; the write path
    // where the page writes; the files and the error reporting where a page
    // has a side file. Every page is shown the document by the scan and the
    // refresh.
    GatedDocument &doc = *m_edits;
    StatusArea &status = *m_status;
    UserEvents &events = m_events;
    m_startup = new StartupPage(doc, status, events, m_files, *m_errors, m_questions, m_ui->startupTab);
    m_dos = new DosPage(doc, status, events, m_files, *m_errors, m_questions, m_ui->dosTab);
    m_performance = new PerformancePage(doc, status, events, m_ui->performanceTab);
    m_drivers = new DriversPage(status, events, m_ui->driversTab);
    m_interface = new InterfacePage(doc, status, events, m_ui->interfaceTab);
    m_disk = new DiskPage(status, events, *this, m_ui->diskTab);
    m_network = new NetworkPage(status, events, m_ui->networkTab);
    m_filePage = std::make_unique<FilePage>(status, m_files.ConfigFileName());
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

void TOs2Form::followDocument()
{
    // A line typed, put back with "Angre endringen", switched with "REM
    // av/på", or written by the page's own control: the bars and the group
    // show the document's values again, as the scan would. Showing writes
    // nothing, so a page's own write only finds its controls as they stand.
    const auto follow = [this] {
        if (currentPage() != PageId::Ytelse)
            return;
        const WriteGate::Showing showing(m_gate);
        m_performance->show(m_document);
    };
    connect(&m_document, &QAbstractItemModel::dataChanged, this, follow);
    connect(&m_document, &QAbstractItemModel::rowsInserted, this, follow);
    connect(&m_document, &QAbstractItemModel::rowsRemoved, this, follow);
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
    m_ui->NoteBook->tabBar()->setFont(tabFont);

    setColours(m_ui->Edit1, Qt::yellow, Qt::blue);
    // Edit1 shapes its whole text for every change and every repaint, and
    // the list every row it draws; a line of a megabyte would take a second.
    // Latin text needs no shaping: glyphs are looked up directly (kerning
    // stays).
    QFont unshaped = font();
    unshaped.setStyleStrategy(QFont::PreferNoShaping);
    m_ui->Edit1->setFont(unshaped);
    m_ui->ListBox->setFont(unshaped);
    setColours(m_ui->ListBox, Qt::yellow, Qt::blue);
    m_ui->Label2->setFont(arial(13, true));
    setColours(m_ui->Label2, QColor(), Qt::red);
    m_ui->Label3->setFont(arial(13, false));
    setColours(m_ui->Label3, QColor(), QColor(0, 0, 128));

    setWindowIcon(QIcon(QStringLiteral(":/os2setup.png")));
    m_ui->OpenKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/open.png")));
    m_ui->SaveKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/save.png")));
    m_ui->SjekkKnapp->setIcon(QIcon(QStringLiteral(":/glyphs/check.png")));
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
    windowkeys::turnPagesFromAnywhere(this, m_ui->NoteBook);
    windowkeys::enterPressesButtons(this);
    // "REM av/på" keeps its caption; Alt+R presses it all the same.
    windowkeys::pressWith(m_ui->RemKnapp, QKeySequence(Qt::ALT | Qt::Key_R));
    windowkeys::tabsBeforePage(m_ui->Edit1, m_ui->NoteBook);
    // "Hent" names the file it reads.
    const QString file = m_files.ConfigFileName();
    m_ui->OpenKnapp->setAccessibleName(QCoreApplication::translate("TOs2Form", "Hent %1").arg(file));
    m_ui->OpenKnapp->setToolTip(QCoreApplication::translate("TOs2Form", "Hent %1: leser filen på nytt (Alt+H)").arg(file));
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
        if (!noDriveMessage(m_files.drives(), m_files.ConfigFileName()))
            m_errors->guarded([this] { FormActivate(); });
    }
}
