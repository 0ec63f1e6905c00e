// What putting a file in place as CONFIG.SYS would change, and what the
// check says of it.
#include "app/proposal_view.h"

#include "app/boot_check_dialog.h"
#include "app/change_detail.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

QString countText(const installstep::Proposal &p)
{
    const linediff::Counts c = linediff::count(p.rows);
    QString before = installstep::noConfigSysNote(p).value_or(QString());
    if (!before.isEmpty())
        before += u' ';
    if (c.total() == 0)
        return before + installstep::onlyLineEnds(p).value_or(QCoreApplication::translate("ProposalView", "Ingen linjer er forskjellige."));
    const auto lines = [](int n) { return n == 1 ? QCoreApplication::translate("ProposalView", "1 linje") : QCoreApplication::translate("ProposalView", "%1 linjer").arg(n); };
    return before
           + QCoreApplication::translate("ProposalView", "%1 endret, %2 lagt til, %3 fjernet:").arg(lines(c.changed)).arg(c.added).arg(c.removed);
}

} // namespace

QLabel *wrappedLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

ProposalView::ProposalView(const QString &changesName, const QString &findingsName, const QString &forceName,
                           const QString &forceText, QWidget *parent)
    : QWidget(parent)
    , m_count(wrappedLabel(QString(), this))
    , m_changes(new QListWidget(this))
    , m_detail(new ChangeDetail(changesName, this))
    , m_checked(wrappedLabel(QString(), this))
    , m_findings(new QListWidget(this))
    , m_force(new QCheckBox(forceText, this))
{
    m_changes->setObjectName(changesName);
    m_changes->setAccessibleName(QCoreApplication::translate("ProposalView", "Endringer i CONFIG.SYS"));
    m_count->setObjectName(changesName + QStringLiteral("Tall"));
    m_count->setBuddy(m_changes);
    m_findings->setObjectName(findingsName);
    m_findings->setAccessibleName(QCoreApplication::translate("ProposalView", "Funn i sjekken"));
    m_checked->setBuddy(m_findings);
    m_force->setObjectName(forceName);
    m_force->setAccessibleDescription(
        QCoreApplication::translate("ProposalView", "Sjekken sier at OS/2 ikke vil starte med filen; kryss av for å gjøre det likevel"));
    connect(m_force, &QCheckBox::toggled, this, &ProposalView::mayGoOnChanged);
    // The whole of the chosen row's line, which the row shows only the start of.
    connect(m_changes, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0 || static_cast<std::size_t>(row) >= m_rows.size()) {
            m_detail->clear();
            return;
        }
        const linediff::Row &r = m_rows[static_cast<std::size_t>(row)];
        using Kind = linediff::Row::Kind;
        // A list statement's items as paired over the whole file: an old line
        // may have its new one elsewhere.
        const listdiff::ListChanges *items = nullptr;
        for (const linediff::ListRow &list : m_lists)
            if ((r.kind == Kind::Added || list.beforeLine == r.beforeLine)
                && (r.kind == Kind::Removed || list.afterLine == r.afterLine))
                items = &list.changes;
        m_detail->showTexts(r.kind == Kind::Added ? std::nullopt : std::optional<std::string>(r.before),
                            r.kind == Kind::Removed ? std::nullopt : std::optional<std::string>(r.after), items);
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_count);
    layout->addWidget(m_changes, 2);
    layout->addWidget(m_detail);
    layout->addWidget(m_checked);
    layout->addWidget(m_findings, 1);
    layout->addWidget(m_force);
    clear();
}

void ProposalView::present(const installstep::Proposal &p)
{
    m_count->setText(countText(p));
    m_rows = p.rows;
    m_lists = linediff::listRows(p.currentLines, p.proposedLines);
    m_changes->clear();
    m_changes->addItems(installstep::describeRows(p.rows));
    m_changes->setCurrentRow(m_rows.empty() ? -1 : 0);
    if (p.checkError.isEmpty()) {
        m_checked->setText(QCoreApplication::translate("ProposalView", "Sjekken av %1: %2").arg(p.source, bootcheck::summary(p.report)));
        BootCheckDialog::listFindings(m_findings, p.report, p.proposedLines);
    } else {
        m_checked->setText(installstep::checkFailed(p));
        m_findings->clear();
    }
    m_needsForce = p.needsForce();
    m_force->setChecked(false);
    m_force->setVisible(m_needsForce);
    emit mayGoOnChanged();
}

void ProposalView::clear()
{
    m_count->clear();
    m_rows.clear();
    m_lists.clear();
    m_changes->clear();
    m_detail->clear();
    m_checked->clear();
    m_findings->clear();
    m_needsForce = false;
    m_force->setChecked(false);
    m_force->hide();
}

void ProposalView::setForceText(const QString &text)
{
    m_force->setText(text);
}

bool ProposalView::mayGoOn() const
{
    return !m_needsForce || m_force->isChecked();
}
