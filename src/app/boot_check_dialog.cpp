// The findings of the check of the whole file, in one small window beside the
// main one: choosing a finding makes its line current and keeps the window open.
#include "app/boot_check_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace {

using bootcheck::Kind;

constexpr int kGap = 8;

QStyle::StandardPixmap iconOf(Kind kind)
{
    switch (kind) {
    case Kind::StopsBoot:
        return QStyle::SP_MessageBoxCritical;
    case Kind::Missing:
        return QStyle::SP_MessageBoxWarning;
    case Kind::Warning:
        return QStyle::SP_MessageBoxInformation;
    case Kind::Unchecked:
        break;
    }
    return QStyle::SP_MessageBoxQuestion;
}

QColor colourOf(Kind kind, const QPalette &palette)
{
    switch (kind) {
    case Kind::StopsBoot:
        return QColor(0xA0, 0x00, 0x00);
    case Kind::Missing:
        return QColor(0x8A, 0x45, 0x00);
    case Kind::Warning:
        break;
    case Kind::Unchecked:
        return QColor(0x5A, 0x5A, 0x5A);
    }
    return palette.color(QPalette::Text);
}

// The first place for a frame of `size` that lies on `screen`: beside the
// window, else above or below the area kept clear.
std::optional<QPoint> placeFor(QSize size, const QRect &window, const QRect &keepClear, const QRect &screen)
{
    const auto clampX = [&](int x) { return std::clamp(x, screen.left(), screen.right() - size.width() + 1); };
    const auto clampY = [&](int y) { return std::clamp(y, screen.top(), screen.bottom() - size.height() + 1); };
    const QPoint candidates[] = {
        {window.right() + kGap, clampY(window.top())},
        {clampX(window.left()), window.bottom() + kGap},
        {window.left() - kGap - size.width(), clampY(window.top())},
        {clampX(window.left()), window.top() - kGap - size.height()},
        {clampX(window.center().x() - size.width() / 2), keepClear.top() - kGap - size.height()},
        {clampX(window.center().x() - size.width() / 2), keepClear.bottom() + kGap},
    };
    for (const QPoint &p : candidates)
        if (screen.contains(QRect(p, size)))
            return p;
    return std::nullopt;
}

} // namespace

BootCheckDialog::BootCheckDialog(QWidget *parent)
    : QDialog(parent)
    , m_heading(new QLabel(this))
    , m_list(new QListWidget(this))
    , m_summary(new QLabel(this))
{
    setObjectName(QStringLiteral("BootCheckDialog"));
    setWindowTitle(QCoreApplication::translate("BootCheckDialog", "Sjekk hele filen"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The window's light look, whatever the desktop's: the colours of the
    // kinds are chosen for it.
    if (parent)
        setPalette(parent->palette());

    m_heading->setObjectName(QStringLiteral("heading"));
    m_heading->setWordWrap(true);
    m_heading->setBuddy(m_list);

    m_list->setObjectName(QStringLiteral("findings"));
    m_list->setAccessibleName(QCoreApplication::translate("BootCheckDialog", "Funn"));
    const auto choose = [this](QListWidgetItem *item) {
        if (item)
            emit lineChosen(static_cast<LinePos>(item->data(Qt::UserRole).toInt()));
    };
    connect(m_list, &QListWidget::itemActivated, this, choose);
    connect(m_list, &QListWidget::itemClicked, this, choose);

    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *close = buttons->button(QDialogButtonBox::Close);
    close->setText(QCoreApplication::translate("BootCheckDialog", "Lukk"));
    // Enter on a finding goes to its line; only Escape or "Lukk" close.
    close->setAutoDefault(false);
    // The step after a good check: CONFIG.NEW in place as CONFIG.SYS.
    auto *install = buttons->addButton(QCoreApplication::translate("BootCheckDialog", "Ta i bruk CONFIG.NEW…"), QDialogButtonBox::ActionRole);
    install->setObjectName(QStringLiteral("TaIBrukFraSjekk"));
    install->setAutoDefault(false);
    install->setToolTip(QCoreApplication::translate("BootCheckDialog", "Legger C:\\CONFIG.NEW på plass som C:\\CONFIG.SYS (Ctrl+Shift+T)"));
    connect(install, &QPushButton::clicked, this, &BootCheckDialog::installRequested);
    // Ctrl+Shift+K belongs to the main window; this checks again from here.
    auto *again = buttons->addButton(QCoreApplication::translate("BootCheckDialog", "Sjekk igjen"), QDialogButtonBox::ActionRole);
    again->setObjectName(QStringLiteral("SjekkIgjen"));
    again->setAutoDefault(false);
    again->setToolTip(QCoreApplication::translate("BootCheckDialog", "Sjekker filen slik den står nå (Ctrl+Shift+K i hovedvinduet)"));
    connect(again, &QPushButton::clicked, this, &BootCheckDialog::checkRequested);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_summary);
    layout->addWidget(buttons);
    resize(620, 300);
}

void BootCheckDialog::showReport(const bootcheck::Report &report, const Lines &lines)
{
    m_heading->setText(QCoreApplication::translate("BootCheckDialog", "Oppstartsstasjon: %1:\n").arg(report.bootDrive)
                       + (report.findings.empty()
                              ? QCoreApplication::translate("BootCheckDialog", "OS/2 kjenner alle setningene og godtar verdiene, og alle filer og "
                                               "mapper som de aktive linjene nevner, er der OS/2 leter etter dem.")
                              : QCoreApplication::translate("BootCheckDialog", "Det OS/2 ikke finner eller ikke godtar, det verste først. Enter eller et klikk på "
                                               "et funn går til linjen i filen.")));
    listFindings(m_list, report, lines);
    m_list->setVisible(true);
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    m_summaryText = bootcheck::summary(report);
    m_outdated = false;
    m_summary->setText(m_summaryText);
    m_list->setFocus();
}

void BootCheckDialog::markOutdated()
{
    if (m_outdated || m_summaryText.isEmpty())
        return;
    m_outdated = true;
    m_summary->setText(m_summaryText
                       + QCoreApplication::translate("BootCheckDialog", "\nFilen er endret etter sjekken: «Sjekk igjen» sjekker den slik den står nå."));
}

void BootCheckDialog::listFindings(QListWidget *list, const bootcheck::Report &report, const Lines &lines)
{
    list->clear();
    for (const bootcheck::Finding &finding : bootcheck::worstFirst(report.findings)) {
        auto *item = new QListWidgetItem(list->style()->standardIcon(iconOf(finding.kind)),
                                         bootcheck::describe(finding, lines), list);
        item->setData(Qt::UserRole, static_cast<int>(finding.line));
        item->setForeground(colourOf(finding.kind, list->palette()));
        item->setToolTip(item->text());
    }
}

void BootCheckDialog::showNothingChecked(const QString &message)
{
    m_heading->setText(message);
    m_list->clear();
    m_list->setVisible(false);
    m_summaryText.clear();
    m_outdated = false;
    m_summary->clear();
}

void BootCheckDialog::placeClearOf(const QRect &window, const QRect &keepClear)
{
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (!screen)
        return;
    // Before the dialog is shown its frame is not known: take the main window's.
    const QWidget *main = parentWidget() ? parentWidget()->window() : this;
    const QRect inner = main->geometry();
    const QRect outerMain = main->frameGeometry();
    const QMargins frame(inner.left() - outerMain.left(), inner.top() - outerMain.top(),
                         outerMain.right() - inner.right(), outerMain.bottom() - inner.bottom());
    const QSize outer = size().grownBy(frame);
    if (const auto place = placeFor(outer, window, keepClear, screen->availableGeometry()))
        move(*place);
}
