// The main window's last step: putting C:\CONFIG.NEW in place as C:\CONFIG.SYS,
// and going back to a CONFIG.SYS that booted.
#include "app/os2form.h"

#include "app/install_dialog.h"
#include "app/window_keys.h"
#include "platform/file_error.h"
#include "workspace/status_area.h"


void TOs2Form::watchInstall()
{
    m_dataFolder = installstep::dataFolder(QProcessEnvironment::systemEnvironment());
    windowkeys::onKey(this, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), guarded([this] { showInstall(); }));
}

void TOs2Form::showInstall()
{
    // What is put in place is CONFIG.NEW on the disk: edits not saved there
    // would be left behind without a word.
    if (m_document.isModified()) {
        const QString answer = m_questions.ask(
            {QStringLiteral("Dokumentet har endringer som ikke er lagret i %1.").arg(saveTarget()),
             QStringLiteral("«Lagre» skriver dem til %1 først. «Fortsett» tar i bruk %1 slik den er på disken.")
                 .arg(saveTarget()),
             {{QStringLiteral("Lagre"), QMessageBox::AcceptRole},
              {QStringLiteral("Fortsett"), QMessageBox::DestructiveRole},
              {QStringLiteral("Avbryt"), QMessageBox::RejectRole}},
             QStringLiteral("Avbryt")});
        if (answer == QLatin1String("Avbryt"))
            return;
        if (answer == QLatin1String("Lagre")) {
            SaveKnappClick();
            if (m_document.isModified())
                return; // the save failed, and said why
        }
    }
    std::optional<installstep::Proposal> proposal;
    QString nothing;
    try {
        proposal = installstep::proposeNew(m_files.drives(), &nothing);
    } catch (const FileError &e) {
        m_errors->report(e.message());
        return;
    }
    if (!proposal) {
        m_status->showHint(nothing);
        return;
    }
    openStep(new InstallDialog(m_files.guard(), std::move(*proposal), m_dataFolder, this));
}

void TOs2Form::showRestore()
{
    openStep(new RestoreDialog(m_files.guard(), m_dataFolder, this));
}

void TOs2Form::openStep(StepDialog *dialog)
{
    connect(dialog, &StepDialog::putInPlace, this,
            [this](const QString &message) { m_errors->guarded([&] { afterPutInPlace(message); }); });
    dialog->open();
}

void TOs2Form::afterPutInPlace(const QString &message)
{
    // The file shown is read again when it is the CONFIG.SYS just replaced;
    // not when it lies on no drive the window can reach.
    if (m_files.isConfigFile(installstep::configSys()))
        OpenKnappClick();
    m_status->showHint(message);
}
