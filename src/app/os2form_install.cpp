// The main window's last step: putting C:\CONFIG.NEW in place as C:\CONFIG.SYS,
// and going back to a CONFIG.SYS that booted.
#include "app/os2form.h"

#include "app/drive_choice.h"
#include "app/install_dialog.h"
#include "app/window_keys.h"
#include "platform/file_error.h"
#include "workspace/status_area.h"

#include <QCoreApplication>
#include <QFileInfo>


void TOs2Form::watchInstall()
{
    m_dataFolder = installstep::dataFolder(QProcessEnvironment::systemEnvironment());
    windowkeys::onKey(this, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), guarded([this] { showInstall(); }));
}

bool TOs2Form::tellNoDrive()
{
    // The window's own way to a drive, not the command line's.
    const std::optional<QString> message = noDriveMessage(m_files.drives(), installstep::configSys());
    if (message)
        m_errors->report(*message);
    return message.has_value();
}

bool TOs2Form::stepReplacesShownFile() const
{
    const QString config = installstep::configSys();
    if (m_files.isConfigFile(config))
        return true;
    // A CONFIG.SYS that is missing is the window's file by its name.
    try {
        const DriveMap &drives = m_files.drives();
        return QFileInfo(drives.resolve(m_files.ConfigFileName())).absoluteFilePath()
               == QFileInfo(drives.resolve(config)).absoluteFilePath();
    } catch (const FileError &) {
        return false;
    }
}

bool TOs2Form::keepEditsBefore(const QString &step)
{
    const QStringList unsaved = unsavedFiles();
    if (unsaved.isEmpty() || !stepReplacesShownFile())
        return true;
    const QString save = QCoreApplication::translate("TOs2Form", "Lagre"),
                  discard = QCoreApplication::translate("TOs2Form", "Forkast"),
                  cancel = QCoreApplication::translate("TOs2Form", "Avbryt");
    const QString answer = m_questions.ask(
        {//: %1 is the step: "tar i bruk" or "gjenoppretter" and the file
         QCoreApplication::translate("TOs2Form", "Lagre endringene før du %1?").arg(step),
         QCoreApplication::translate("TOs2Form", "Etterpå leses %1 inn på nytt. Dette er ikke lagret og går tapt om du "
                                                 "forkaster det:\n%2")
             .arg(installstep::configSys(), unsaved.join(u'\n')),
         {{save, QMessageBox::AcceptRole}, {discard, QMessageBox::DestructiveRole}, {cancel, QMessageBox::RejectRole}},
         cancel});
    if (answer == save)
        return saveAll();
    return answer == discard;
}

void TOs2Form::showInstall()
{
    openInstall(false);
}

void TOs2Form::showTry()
{
    openInstall(true);
}

void TOs2Form::openInstall(bool forTry)
{
    if (tellNoDrive())
        return;
    if (stepReplacesShownFile()) {
        //: The step in "Lagre endringene før du %1?"
        if (!keepEditsBefore(QCoreApplication::translate("TOs2Form", "tar i bruk %1").arg(installstep::configNew())))
            return;
    } else if (m_document.isModified()) {
        // What is put in place is CONFIG.NEW on the disk: edits not saved
        // there stay in the window, but are not part of it.
        const QString save = QCoreApplication::translate("TOs2Form", "Lagre"),
                      proceed = QCoreApplication::translate("TOs2Form", "Fortsett"),
                      cancel = QCoreApplication::translate("TOs2Form", "Avbryt");
        const QString answer = m_questions.ask(
            {QCoreApplication::translate("TOs2Form", "Dokumentet har endringer som ikke er lagret i %1.").arg(saveTarget()),
             QCoreApplication::translate("TOs2Form", "«Lagre» skriver dem til %1 først. «Fortsett» tar i bruk %1 slik "
                                                     "den er på disken; endringene blir stående her.")
                 .arg(saveTarget()),
             {{save, QMessageBox::AcceptRole}, {proceed, QMessageBox::DestructiveRole}, {cancel, QMessageBox::RejectRole}},
             cancel});
        if (answer == cancel)
            return;
        if (answer == save) {
            SaveKnappClick();
            if (m_document.isModified())
                return; // the save failed, and said why
        }
    }
    std::optional<installstep::Proposal> proposal;
    QString nothing;
    try {
        // Not on a drive that is no longer the one read: what it holds now
        // would be shown, and could not be written.
        m_files.guard().checkRead(installstep::configSys());
        proposal = installstep::proposeNew(m_files.drives(), &nothing);
    } catch (const FileError &e) {
        m_errors->report(e.message());
        return;
    }
    if (!proposal) {
        m_status->showHint(nothing);
        return;
    }
    auto *dialog = new InstallDialog(m_files.guard(), std::move(*proposal), m_dataFolder, this);
    openStep(dialog);
    if (forTry)
        dialog->focusTry();
}

void TOs2Form::showRestore()
{
    //: The step in "Lagre endringene før du %1?"
    if (tellNoDrive()
        || !keepEditsBefore(QCoreApplication::translate("TOs2Form", "gjenoppretter %1").arg(installstep::configSys())))
        return;
    try {
        m_files.guard().checkRead(installstep::configSys());
    } catch (const FileError &e) {
        m_errors->report(e.message());
        return;
    }
    openStep(new RestoreDialog(m_files.guard(), m_dataFolder, this));
}

void TOs2Form::openStep(StepDialog *dialog)
{
    connect(dialog, &StepDialog::putInPlace, this,
            [this](const QString &message) { m_errors->guarded([&] { afterPutInPlace(message); }); });
    // A try in the boot menu leaves CONFIG.SYS, and so the window's file, as it was.
    connect(dialog, &StepDialog::menuChanged, this,
            [this](const QString &message) { m_status->showHint(QString(message).replace(u'\n', u' ')); });
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
