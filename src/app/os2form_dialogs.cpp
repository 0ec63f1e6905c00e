// The main window's own dialogs: "Om os2setup" (F1), the check of the whole
// file (Ctrl+Shift+K) and the drive chooser.
#include "app/os2form.h"

#include "ui_os2form.h"

#include "app/about_box.h"
#include "app/boot_check_dialog.h"
#include "app/drive_choice.h"
#include "app/drive_chooser.h"
#include "engine/boot_check.h"
#include "platform/file_error.h"
#include "workspace/status_area.h"

#include <QCoreApplication>

void TOs2Form::showAbout()
{
    if (!m_about) {
        m_about = new AboutBox(m_files, this);
        m_about->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_about, &AboutBox::checkRequested, this, guarded([this] { showBootCheck(); }));
        connect(m_about, &AboutBox::driveChoiceRequested, this, [this] { chooseDrive(); });
        connect(m_about, &AboutBox::changesRequested, this, [this] { showChanges(); });
        connect(m_about, &AboutBox::undoRequested, this, [this] { undoEdit(); });
        connect(m_about, &AboutBox::redoRequested, this, [this] { redoEdit(); });
        connect(m_about, &AboutBox::installRequested, this, guarded([this] { showInstall(); }));
        connect(m_about, &AboutBox::restoreRequested, this, guarded([this] { showRestore(); }));
        connect(m_about, &AboutBox::tryRequested, this, guarded([this] { showTry(); }));
        connect(m_about, &AboutBox::findRequested, this, [this] { showFind(); });
        connect(m_about, &AboutBox::goToLineRequested, this, [this] { showGoToLine(); });
    }
    m_about->setUndoState(canUndo(), canRedo());
    m_about->open();
    m_about->raise();
    m_about->activateWindow();
}

void TOs2Form::goToLine(LinePos line)
{
    // The line becomes current as if the user clicked it on "Fil".
    if (!m_document.isLine(line))
        return;
    m_status->selectLine(line);
    ListBoxClick();
}

void TOs2Form::showBootCheck()
{
    // One dialog: a second Ctrl+Shift+K checks again and raises it.
    const bool first = !m_bootCheck;
    if (first) {
        m_bootCheck = new BootCheckDialog(this);
        connect(m_bootCheck, &BootCheckDialog::installRequested, this, guarded([this] { showInstall(); }));
        connect(m_bootCheck, &BootCheckDialog::checkRequested, this, guarded([this] { showBootCheck(); }));
        // Rows found on the document as it was: a change of it, or another
        // "Hent", says that they may no longer hold.
        const auto outdated = [dialog = m_bootCheck.data()] { dialog->markOutdated(); };
        connect(&m_document, &QAbstractItemModel::dataChanged, m_bootCheck, outdated);
        connect(&m_document, &QAbstractItemModel::rowsInserted, m_bootCheck, outdated);
        connect(&m_document, &QAbstractItemModel::rowsRemoved, m_bootCheck, outdated);
        connect(&m_document, &QAbstractItemModel::modelReset, m_bootCheck, outdated);
        connect(m_bootCheck, &BootCheckDialog::lineChosen, this, &TOs2Form::goToLine);
    }
    if (!m_files.hasReadFile()) {
        m_bootCheck->showNothingChecked(QCoreApplication::translate("TOs2Form", "Ingen fil er lest inn"));
    } else {
        try {
            m_bootCheck->showReport(bootcheck::checkDocument(m_document.lines(), m_files.drives(), bootDrive()),
                                    m_document.lines());
        } catch (const FileError &e) {
            m_bootCheck->showNothingChecked(e.message());
        }
    }
    if (first)
        m_bootCheck->placeClearOf(frameGeometry(),
                                  QRect(m_ui->Edit1->mapToGlobal(QPoint()), m_ui->Edit1->size()));
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
    DriveChooser *chooser = m_driveChoice->chooser(m_files.drives(), {}, this).release();
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    chooser->setPalette(palette());
    connect(chooser, &QDialog::accepted, this, guarded([this, chooser] {
                DriveMap drives = m_files.drives();
                m_driveChoice->take(*chooser, drives);
                m_files.setDrives(std::move(drives));
                OpenKnappClick();
            }));
    chooser->open();
}
