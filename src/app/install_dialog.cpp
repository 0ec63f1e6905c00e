// "Ta i bruk CONFIG.NEW" and "Gjenopprett CONFIG.SYS" in the window.
#include "app/install_dialog.h"

#include "app/try_step.h"
#include "platform/file_error.h"
#include "platform/write_guard.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

StepDialog::StepDialog(const WriteGuard &guard, QString dataFolder, const QString &buttonText,
                       const QString &buttonName, QWidget *parent)
    : QDialog(parent)
    , m_guard(guard)
    , m_drives(guard.drives())
    , m_dataFolder(std::move(dataFolder))
    , m_go(new QPushButton(buttonText, this))
    , m_result(wrappedLabel(QString(), this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    if (parent)
        setPalette(parent->palette());
    m_go->setObjectName(buttonName);
    // Enter never puts a file in place: the button is pressed on purpose.
    m_go->setAutoDefault(false);
    m_result->setObjectName(QStringLiteral("resultat"));
    m_result->hide();
    resize(680, 460);
}

bool StepDialog::go(const installstep::Proposal &proposal)
{
    const bool done = run(
        [&] {
            try {
                return installstep::putInPlace(m_guard, proposal, m_dataFolder);
            } catch (const FileError &e) {
                throw FileError(installstep::nothingChanged(e.message()));
            }
        },
        true);
    if (done)
        m_go->setEnabled(false);
    return done;
}

bool StepDialog::run(const std::function<QString()> &step, bool replaced)
{
    QString message;
    try {
        message = step();
    } catch (const FileError &e) {
        tell(e.message(), true);
        return false;
    }
    tell(message, false);
    if (replaced)
        emit putInPlace(message);
    else
        emit menuChanged(message);
    return true;
}

QPushButton *StepDialog::button(const QString &text, const QString &name, const QString &accessibleName,
                                const QString &toolTip)
{
    auto *b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setAccessibleName(accessibleName);
    b->setToolTip(toolTip);
    b->setAutoDefault(false);
    return b;
}

void StepDialog::layOut(std::initializer_list<std::pair<QWidget *, int>> parts,
                        std::initializer_list<QPushButton *> more)
{
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(m_go, QDialogButtonBox::ActionRole);
    for (QPushButton *b : more)
        buttons->addButton(b, QDialogButtonBox::ActionRole);
    buttons->addButton(QCoreApplication::translate("InstallDialog", "Lukk"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    for (const auto &[widget, stretch] : parts)
        layout->addWidget(widget, stretch);
    layout->addWidget(m_result);
    layout->addWidget(buttons);
}

void StepDialog::tell(const QString &text, bool error)
{
    m_result->setText(text);
    QPalette p = m_result->palette();
    p.setColor(QPalette::WindowText, error ? QColor(0xA0, 0x00, 0x00) : QColor(0, 0, 128));
    m_result->setPalette(p);
    m_result->show();
}

InstallDialog::InstallDialog(const WriteGuard &guard, installstep::Proposal proposal, const QString &dataFolder,
                             QWidget *parent)
    : StepDialog(guard, dataFolder, QCoreApplication::translate("InstallDialog", "Ta i bruk"), QStringLiteral("TaIBrukKnapp"), parent)
    , m_proposal(std::move(proposal))
    , m_view(new ProposalView(QStringLiteral("TaIBrukEndringer"), QStringLiteral("TaIBrukFunn"),
                              QStringLiteral("LikevelBoks"), QCoreApplication::translate("InstallDialog", "Ta i bruk eller prøv likevel"), this))
    , m_try(button(QCoreApplication::translate("InstallDialog", "Prøv ved neste oppstart"), QStringLiteral("ProvKnapp"),
                   QCoreApplication::translate("InstallDialog", "Prøv ved neste oppstart"),
                   QCoreApplication::translate("InstallDialog", "Legger %1 inn som en prøve i OS/2s Alt+F1-meny (%2), uten å endre %3: "
                                  "neste oppstart kan starte med den én gang")
                       .arg(m_proposal.source, trystep::menuFile(), installstep::configSys())))
{
    setObjectName(QStringLiteral("TaIBruk"));
    setWindowTitle(QCoreApplication::translate("InstallDialog", "Ta i bruk CONFIG.NEW"));
    auto *intro = wrappedLabel(QCoreApplication::translate("InstallDialog", "Legger %1 på plass som %2. Den gamle %2 kopieres først til neste "
                                              "ledige CONFIG.nnn ved siden av og til din datamappe.")
                                   .arg(m_proposal.source, installstep::configSys()),
                               this);
    m_view->present(m_proposal);
    // Each button once: after CONFIG.NEW is in place a try of it is no
    // use, and after a try it may still be put in place.
    const auto update = [this] {
        m_go->setEnabled(m_view->mayGoOn() && !m_placed);
        m_try->setEnabled(m_view->mayGoOn() && !m_placed && !m_tried);
    };
    connect(m_view, &ProposalView::mayGoOnChanged, this, update);
    update();
    connect(m_go, &QPushButton::clicked, this, [this, update] {
        m_placed = go(m_proposal);
        update();
    });
    connect(m_try, &QPushButton::clicked, this, [this, update] {
        m_tried = run([this] { return trystep::tryNew(m_guard, m_proposal); }, false);
        update();
    });

    layOut({{intro, 0}, {m_view, 1}}, {m_try});
}

void InstallDialog::focusTry()
{
    m_try->setFocus();
}

RestoreDialog::RestoreDialog(const WriteGuard &guard, const QString &dataFolder, QWidget *parent)
    : StepDialog(guard, dataFolder, QCoreApplication::translate("InstallDialog", "Gjenopprett"), QStringLiteral("GjenopprettKnapp"), parent)
    , m_list(new QListWidget(this))
    , m_view(new ProposalView(QStringLiteral("GjenopprettEndringer"), QStringLiteral("GjenopprettFunn"),
                              QStringLiteral("GjenopprettLikevelBoks"), QCoreApplication::translate("InstallDialog", "Gjenopprett likevel"), this))
{
    setObjectName(QStringLiteral("Gjenopprett"));
    setWindowTitle(QCoreApplication::translate("InstallDialog", "Gjenopprett CONFIG.SYS"));
    m_list->setObjectName(QStringLiteral("KopiListe"));
    m_list->setAccessibleName(QCoreApplication::translate("InstallDialog", "Kopier av CONFIG.SYS"));
    auto *intro = wrappedLabel(QCoreApplication::translate("InstallDialog", "Kopiene av %1, nyeste først. Velg en for å se hva den endrer; "
                                              "«Gjenopprett» legger den på plass etter en kopi av dagens.")
                                   .arg(installstep::configSys()),
                               this);
    intro->setBuddy(m_list);
    try {
        m_copies = configcopies::copies(m_drives, installstep::BootDrive, m_dataFolder);
        const Lines today = installstep::todaysLines(m_drives);
        for (const configcopies::Copy &copy : m_copies)
            m_list->addItem(copy.readable()
                                ? installstep::describeCopy(copy, installstep::linesDiffering(m_drives, copy, today))
                                : installstep::describeUnreadable(copy));
        if (m_copies.empty() || !m_copies.front().readable())
            tell(installstep::noCopies(), false);
    } catch (const FileError &e) {
        tell(e.message(), true);
    }
    QWidget *tries = makeTries();
    m_go->setEnabled(false);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) { choose(row); });
    connect(m_view, &ProposalView::mayGoOnChanged, this, &RestoreDialog::enableSteps);
    connect(m_go, &QPushButton::clicked, this, [this] {
        if (m_proposal && !m_tryKey && go(*m_proposal))
            m_proposal.reset();
        enableSteps();
    });

    layOut({{intro, 0}, {m_list, 1}, {tries, 0}, {m_view, 2}});
    resize(700, 600);
    if (!m_copies.empty() && m_copies.front().readable())
        m_list->setCurrentRow(0);
}

void RestoreDialog::choose(int row)
{
    m_proposal.reset();
    m_view->clear();
    m_view->setForceText(QCoreApplication::translate("InstallDialog", "Gjenopprett likevel"));
    enableSteps();
    if (row < 0 || static_cast<std::size_t>(row) >= m_copies.size())
        return;
    // A copy chosen: no try is.
    m_tryKey = 0;
    {
        const QSignalBlocker blocker(m_tries);
        m_tries->setCurrentRow(-1);
    }
    enableSteps();
    const configcopies::Copy &copy = m_copies[static_cast<std::size_t>(row)];
    if (!copy.readable()) {
        tell(installstep::describeUnreadable(copy), true);
        return;
    }
    try {
        m_proposal = installstep::proposeCopy(m_drives, copy);
        m_result->hide();
        m_view->present(*m_proposal);
        if (const std::optional<QString> nothing = installstep::nothingToRestore(*m_proposal)) {
            tell(*nothing, false);
            m_proposal.reset();
        }
        enableSteps();
    } catch (const FileError &e) {
        tell(e.message(), true);
    }
}
