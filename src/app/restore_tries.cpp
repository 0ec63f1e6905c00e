// "Gjenopprett CONFIG.SYS": the tries in OS/2's boot menu, which can be taken
// into use as CONFIG.SYS or taken away.
#include "app/install_dialog.h"

#include "app/try_step.h"
#include "platform/file_error.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

QWidget *RestoreDialog::makeTries()
{
    auto *box = new QWidget(this);
    m_triesLabel = new QLabel(box);
    m_triesLabel->setObjectName(QStringLiteral("ProverTekst"));
    m_triesLabel->setWordWrap(true);
    m_triesLabel->setTextFormat(Qt::PlainText);
    m_tries = new QListWidget(box);
    m_tries->setObjectName(QStringLiteral("ProveListe"));
    m_tries->setAccessibleName(QCoreApplication::translate("RestoreTries", "Prøver i Alt+F1-menyen"));
    m_tries->setToolTip(QCoreApplication::translate("RestoreTries", "Prøvene os2setup har lagt inn i OS/2s Alt+F1-meny: tasten, datoen og om "
                                       "filen fortsatt er lik %1")
                            .arg(installstep::configNew()));
    m_triesLabel->setBuddy(m_tries);
    // A few rows: a menu seldom holds more than one or two tries.
    m_tries->setFixedHeight(m_tries->fontMetrics().height() * 4 + 2 * m_tries->frameWidth() + 6);
    m_takeTry = button(QCoreApplication::translate("RestoreTries", "Ta i bruk prøven"), QStringLiteral("TaIBrukProveKnapp"),
                       QCoreApplication::translate("RestoreTries", "Ta i bruk prøven"),
                       QCoreApplication::translate("RestoreTries", "Legger prøven på plass som %1 etter en kopi av dagens, og tar den ut av "
                                      "Alt+F1-menyen")
                           .arg(installstep::configSys()));
    m_removeTry = button(QCoreApplication::translate("RestoreTries", "Fjern prøven"), QStringLiteral("FjernProveKnapp"),
                         QCoreApplication::translate("RestoreTries", "Fjern prøven"),
                         QCoreApplication::translate("RestoreTries", "Tar prøvens linje ut av %1 og sletter filen dens; %2 endres ikke")
                             .arg(trystep::menuFile(), installstep::configSys()));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_takeTry);
    buttons->addWidget(m_removeTry);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_triesLabel);
    layout->addWidget(m_tries);
    layout->addLayout(buttons);

    connect(m_tries, &QListWidget::currentRowChanged, this, &RestoreDialog::chooseTry);
    connect(m_takeTry, &QPushButton::clicked, this, &RestoreDialog::takeTry);
    connect(m_removeTry, &QPushButton::clicked, this, &RestoreDialog::removeTry);
    loadTries();
    return box;
}

void RestoreDialog::loadTries()
{
    const QSignalBlocker blocker(m_tries);
    m_tries->clear();
    m_tryKeys.clear();
    m_tryHasFile.clear();
    try {
        for (const trystep::TryInfo &info : trystep::listTries(m_drives)) {
            m_tries->addItem(trystep::describeTry(info));
            m_tryKeys.push_back(info.key);
            m_tryHasFile.push_back(info.hasFile);
        }
        m_triesLabel->setText(m_tryKeys.empty() ? trystep::noTries()
                                                : QCoreApplication::translate("RestoreTries", "Prøver i Alt+F1-menyen (%1); velg en for å se "
                                                                 "hva den endrer:")
                                                      .arg(trystep::menuFile()));
    } catch (const FileError &e) {
        m_triesLabel->setText(QCoreApplication::translate("RestoreTries", "Prøver i Alt+F1-menyen: %1").arg(e.message()));
    }
    m_tries->setEnabled(!m_tryKeys.empty());
    if (m_tryKey && std::find(m_tryKeys.begin(), m_tryKeys.end(), m_tryKey) == m_tryKeys.end()) {
        m_tryKey = 0;
        m_proposal.reset();
        m_view->clear();
    }
    enableSteps();
}

void RestoreDialog::chooseTry(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_tryKeys.size())
        return;
    // A try chosen: no copy is.
    {
        const QSignalBlocker blocker(m_list);
        m_list->setCurrentRow(-1);
    }
    m_proposal.reset();
    m_view->clear();
    m_view->setForceText(QCoreApplication::translate("RestoreTries", "Ta i bruk likevel"));
    m_result->hide();
    m_tryKey = static_cast<char>(m_tryKeys[static_cast<std::size_t>(row)]);
    if (m_tryHasFile[static_cast<std::size_t>(row)]) {
        try {
            m_proposal = trystep::proposeTry(m_drives, m_tryKey);
            m_view->present(*m_proposal);
            if (const std::optional<QString> nothing = installstep::nothingToRestore(*m_proposal)) {
                tell(*nothing, false);
                m_proposal.reset();
            }
        } catch (const FileError &e) {
            tell(e.message(), true);
        }
    } else {
        tell(QCoreApplication::translate("RestoreTries", "%1 finnes ikke, så prøven kan bare fjernes.").arg(trystep::tryFile(m_tryKey)), true);
    }
    enableSteps();
}

void RestoreDialog::enableSteps()
{
    const bool may = m_proposal && m_view->mayGoOn();
    m_go->setEnabled(may && !m_tryKey);
    if (m_takeTry) {
        m_takeTry->setEnabled(may && m_tryKey);
        m_removeTry->setEnabled(m_tryKey != 0);
    }
}

void RestoreDialog::takeTry()
{
    if (!m_proposal || !m_tryKey)
        return;
    const char key = m_tryKey;
    const installstep::Proposal proposal = *m_proposal;
    if (run([&] { return trystep::takeTry(m_guard, proposal, key, m_dataFolder); }, true)) {
        m_proposal.reset();
        loadTries();
    }
    enableSteps();
}

void RestoreDialog::removeTry()
{
    if (!m_tryKey)
        return;
    const char key = m_tryKey;
    if (run([&] { return trystep::untry(m_guard, QString(QLatin1Char(key))); }, false))
        loadTries();
    enableSteps();
}
