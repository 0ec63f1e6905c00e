// The main window's last step: putting C:\CONFIG.NEW in place as C:\CONFIG.SYS,
// and going back to a CONFIG.SYS that booted.
#include "app/os2form.h"

#include "app/install_dialog.h"
#include "platform/file_error.h"
#include "platform/file_stamp.h"

#include <QShortcut>

void TOs2Form::watchInstall()
{
    m_dataFolder = installstep::dataFolder();
    auto *install = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), this);
    install->setContext(Qt::WindowShortcut);
    connect(install, &QShortcut::activated, this, [this] { showInstall(); });
}

void TOs2Form::showInstall()
{
    // What is put in place is CONFIG.NEW on the disk: edits not saved there
    // would be left behind without a word.
    if (m_document.isModified()) {
        const QString answer = m_ws->ask(
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
        proposal = installstep::proposeNew(m_ws->drives(), &nothing);
    } catch (const FileError &e) {
        m_ws->reportError(e.message());
        return;
    }
    if (!proposal) {
        m_ws->showHint(nothing);
        return;
    }
    auto *dialog = new InstallDialog(m_ws->drives(), std::move(*proposal), m_dataFolder, this);
    connect(dialog, &StepDialog::putInPlace, this, &TOs2Form::afterPutInPlace);
    dialog->open();
}

void TOs2Form::showRestore()
{
    auto *dialog = new RestoreDialog(m_ws->drives(), m_dataFolder, this);
    connect(dialog, &StepDialog::putInPlace, this, &TOs2Form::afterPutInPlace);
    dialog->open();
}

void TOs2Form::afterPutInPlace(const QString &message)
{
    // The file shown is read again when it is the CONFIG.SYS just replaced.
    try {
        const FileStamp shown = FileStamp::of(m_ws->drives().resolve(m_ws->ConfigFileName()));
        const FileStamp replaced = FileStamp::of(m_ws->drives().resolve(installstep::configSys()));
        if (shown.sameObject(replaced))
            OpenKnappClick();
    } catch (const FileError &) {
        // The window's file lies on no drive it can reach: nothing to read again.
    }
    m_ws->showHint(message);
}
