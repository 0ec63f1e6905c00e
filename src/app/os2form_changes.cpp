// The main window's account of what the user changed: the view "Endringer",
// the modified mark in the title, what each write and "Hent" say in the status
// area, and the question before unsaved changes would be closed away.
#include "app/os2form.h"

#include "app/changes_dialog.h"
#include "app/window_keys.h"
#include "pages/dos_page.h"
#include "pages/startup_page.h"
#include "workspace/changes_model.h"
#include "workspace/gated_document.h"
#include "workspace/status_area.h"
#include "workspace/text8_memo.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace {

// "A og B", "A og B og C": the names joined as one sentence.
QString joinedWithAnd(const QStringList &names, const char *pair)
{
    QString all = names.value(0);
    for (qsizetype i = 1; i < names.size(); ++i)
        all = QCoreApplication::translate("TOs2Form", pair).arg(all, names[i]);
    return all;
}

} // namespace

void TOs2Form::watchChanges()
{
    connect(&m_document, &Document::modifiedChanged, this, &TOs2Form::showModifiedMark);
    for (SideFileEditor *file : {&m_startup->sideFile(), &m_dos->sideFile()})
        connect(file->memo(), &Text8Memo::unsavedChanged, this, &TOs2Form::showModifiedMark);
    windowkeys::onKey(this, QKeySequence(Qt::CTRL | Qt::Key_D), [this] { showChanges(); });
    showModifiedMark();
}

QStringList TOs2Form::unsavedFiles() const
{
    QStringList files;
    if (m_document.isModified())
        files << saveTarget();
    return files + unsavedSideFiles();
}

QStringList TOs2Form::unsavedSideFiles() const
{
    QStringList files;
    for (const SideFileEditor *file : {&m_startup->sideFile(), &m_dos->sideFile()})
        if (file->hasUnsavedEdits())
            files << file->path();
    return files;
}

void TOs2Form::showModifiedMark()
{
    // The title holds Qt's placeholder "[*]": the mark shows while this is on.
    setWindowModified(!unsavedFiles().isEmpty());
}

void TOs2Form::tellSaved()
{
    const int changed = m_document.changedCount(), added = m_document.addedCount();
    m_status->showHint(QCoreApplication::translate("TOs2Form", "Lagret %1 – %2")
                           .arg(saveTarget(), changed + added == 0
                                                  ? QCoreApplication::translate("TOs2Form", "ingen endringer")
                                                  : changesSummary(changed, added)));
}

void TOs2Form::tellDiscarded(int changed, int added, const QStringList &sideFiles)
{
    const int all = changed + added;
    QStringList parts;
    if (all > 0)
        parts << (all == 1 ? QCoreApplication::translate("TOs2Form", "1 endring: %1")
                           : QCoreApplication::translate("TOs2Form", "%1 endringer: %2").arg(all))
                     .arg(changesSummary(changed, added));
    if (!sideFiles.isEmpty())
        parts << QCoreApplication::translate("TOs2Form", "endringene i %1")
                     .arg(joinedWithAnd(sideFiles, QT_TRANSLATE_NOOP("TOs2Form", "%1 og %2")));
    if (parts.isEmpty())
        return;
    m_status->showHint(QCoreApplication::translate("TOs2Form", "Forkastet %1")
                           .arg(joinedWithAnd(parts, QT_TRANSLATE_NOOP("TOs2Form", "%1, og %2"))));
}

void TOs2Form::showChanges()
{
    if (!m_changes) {
        m_changes = new ChangesDialog(m_document, this);
        m_changes->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_changes, &ChangesDialog::lineChosen, this, &TOs2Form::goToLine);
        m_events.on(m_changes.data(), &ChangesDialog::revertRequested, [this](LinePos line) { revertLine(line); });
    }
    m_changes->show();
    m_changes->raise();
    m_changes->activateWindow();
}

void TOs2Form::revertLine(LinePos line)
{
    if (!m_document.isChanged(line))
        return;
    // The user's own change of the line, through the one write path; the page
    // refresh then shows the page as the line now reads, as after "REM av/på".
    m_edits->replaceText(line, std::string(m_document.asRead().line(line)));
    m_status->vislinje(line);
    NoteBookClick();
}

bool TOs2Form::saveAll()
{
    // Each write reports its own failure.
    if (m_document.isModified())
        SaveKnappClick();
    if (m_startup->sideFile().hasUnsavedEdits())
        m_startup->LagreStartupKnappClick();
    if (m_dos->sideFile().hasUnsavedEdits())
        m_dos->LagreAutoexecKnappClick();
    return unsavedFiles().isEmpty();
}

void TOs2Form::closeEvent(QCloseEvent *event)
{
    const QStringList unsaved = unsavedFiles();
    if (unsaved.isEmpty()) {
        event->accept();
        return;
    }
    const QString save = QCoreApplication::translate("TOs2Form", "Lagre"),
                  discard = QCoreApplication::translate("TOs2Form", "Forkast"),
                  cancel = QCoreApplication::translate("TOs2Form", "Avbryt");
    const Question question{QCoreApplication::translate("TOs2Form", "Lagre endringene før du avslutter?"),
                            QCoreApplication::translate("TOs2Form", "Dette er ikke lagret og går tapt om du "
                                                                    "forkaster det:\n%1")
                                .arg(unsaved.join(u'\n')),
                            {{save, QMessageBox::AcceptRole},
                             {discard, QMessageBox::DestructiveRole},
                             {cancel, QMessageBox::RejectRole}},
                            cancel};
    const QString answer = m_questions.ask(question);
    if (answer == save) {
        // The window stays open unless every write succeeded.
        if (!saveAll()) {
            event->ignore();
            return;
        }
    } else if (answer != discard) {
        event->ignore();
        return;
    }
    event->accept();
}
