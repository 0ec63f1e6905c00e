// The findings of the check of the whole file, in a small window beside the
// main one: choosing a finding makes its line current.
#include "app/boot_check_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

BootCheckDialog::BootCheckDialog(const bootcheck::Report &report, const Lines &lines, QWidget *parent)
    : QDialog(parent)
    , m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("BootCheckDialog"));
    setWindowTitle(QStringLiteral("Sjekk hele filen"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *heading = new QLabel(this);
    heading->setWordWrap(true);
    heading->setText(report.findings.empty()
                         ? QStringLiteral("Alle filer og mapper som de aktive linjene nevner, finnes.")
                         : QStringLiteral("Filer og mapper som de aktive linjene nevner, men som ikke finnes. "
                                          "Velg en linje for å gå til den:"));
    heading->setBuddy(m_list);

    m_list->setObjectName(QStringLiteral("findings"));
    m_list->setAccessibleName(QStringLiteral("Funn"));
    for (const bootcheck::Finding &finding : report.findings) {
        auto *item = new QListWidgetItem(bootcheck::describe(finding, lines), m_list);
        item->setData(Qt::UserRole, int(finding.line));
        item->setToolTip(item->text());
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    const auto choose = [this](QListWidgetItem *item) {
        if (item)
            emit lineChosen(static_cast<LinePos>(item->data(Qt::UserRole).toInt()));
    };
    connect(m_list, &QListWidget::itemActivated, this, choose);
    connect(m_list, &QListWidget::itemClicked, this, choose);

    auto *summary = new QLabel(bootcheck::summary(report), this);
    summary->setObjectName(QStringLiteral("summary"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Lukk"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_list, 1);
    layout->addWidget(summary);
    layout->addWidget(buttons);
    resize(620, 300);
    m_list->setFocus();
}
