// A side file (STARTUP.CMD, AUTOEXEC.BAT) edited whole in a memo, with the box
// that shows whether it exists and its buttons "Ny", "Lagre" and "Slett".
#include "workspace/side_file_editor.h"

#include "platform/file_error.h"
#include "platform/text8.h"
#include "workspace/error_report.h"
#include "workspace/file_gate.h"
#include "workspace/question.h"
#include "workspace/status_area.h"
#include "workspace/text8_memo.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>

#include <optional>
#include <string>

SideFileEditor::SideFileEditor(const Services &services, const Panel &panel, Setup setup)
    : m_s(services)
    , m_panel(panel)
    , m_setup(std::move(setup))
    , m_placeholder(m_setup.startsWithPlaceholder && panel.memo->lineCount() > 0)
{
    // Until a file is loaded the memo's first lines stand for no file.
    m_panel.memo->setSavedLines(m_panel.memo->lines());
}

bool SideFileEditor::hasUnsavedEdits() const
{
    return m_panel.memo->hasUnsavedEdits();
}

void SideFileEditor::takeAsSaved(Lines lines)
{
    m_placeholder = false;
    m_panel.memo->setSavedLines(std::move(lines));
}

bool SideFileEditor::fileExists() const
{
    return m_s.files.isFile(m_setup.path);
}

void SideFileEditor::checkExists()
{
    const bool exists = fileExists();
    if (exists == m_panel.box->isChecked())
        return;
    // The box takes the file's mark first, then shows the file as its click does.
    m_panel.box->setChecked(exists);
    showFile();
}

void SideFileEditor::showFile()
{
    m_s.errors.guarded([this] {
        const bool exists = fileExists();
        // The box only shows whether the file exists: a user's click on it is undone.
        const bool markChanged = m_panel.box->isChecked() != exists;
        m_panel.box->setChecked(exists);
        m_panel.ny->setEnabled(!exists);
        m_panel.slett->setEnabled(exists);
        m_panel.lagre->setEnabled(m_panel.memo->lineCount() > 0);
        if (exists) {
            Lines lines = m_s.files.load(m_setup.path);
            m_panel.memo->setLines(lines);
            takeAsSaved(std::move(lines));
            // Once the mark had to change (the user's click, or the file came
            // since), "Lagre" follows the memo as loaded, not the lines the
            // load replaced.
            if (markChanged)
                m_panel.lagre->setEnabled(m_panel.memo->lineCount() > 0);
        } else
            m_s.files.refuseSpecialFile(m_setup.path);
    });
}

void SideFileEditor::newFile()
{
    m_s.errors.guarded([this] {
        m_panel.memo->setFocus();
        m_panel.memo->clear();
        if (const Lines lines = m_setup.newLines(); !lines.empty())
            m_panel.memo->setLines(lines);
        m_s.files.saveFile(m_setup.path, m_panel.memo->lines());
        m_s.status.showHint(QCoreApplication::translate("SideFileEditor", "Lagret %1").arg(m_setup.path));
        showFile();
    });
}

void SideFileEditor::saveFile()
{
    // The memo's first lines, as they came, would be a file of nonsense.
    if (m_placeholder && !hasUnsavedEdits()) {
        const Lines shown = m_panel.memo->lines();
        m_s.status.showMessage(QCoreApplication::translate("SideFileEditor", "Ikke lagret: %1 til %2 er bare plassholdere")
                             .arg(text8::toDisplay(shown.front()), text8::toDisplay(shown.back())));
        m_s.status.showHint(QCoreApplication::translate("SideFileEditor", "Skriv inn %1 i feltet, eller trykk «Ny»").arg(m_setup.path));
        return;
    }
    m_s.errors.guarded([this] {
        m_s.files.saveFile(m_setup.path, m_panel.memo->lines());
        m_s.status.showHint(QCoreApplication::translate("SideFileEditor", "Lagret %1").arg(m_setup.path));
        showFile();
    });
}

void SideFileEditor::deleteFile()
{
    m_s.errors.guarded([this] {
        // An unmounted drive shows no file: it is told, not taken for none.
        m_s.files.checkRemove(m_setup.path);
        if (!fileExists())
            return;
        if (m_setup.backupPath.isEmpty()) {
            // A delete bound to fail is reported without a question first.
            m_s.files.checkRemovable(m_setup.path);
            if (!userAgreesToDelete())
                return;
            m_s.files.removeFile(m_setup.path);
            m_s.status.showHint(QCoreApplication::translate("SideFileEditor", "Slettet %1").arg(m_setup.path));
        } else {
            deleteWithBackup();
            m_s.status.showHint(QCoreApplication::translate("SideFileEditor", "Slettet %1 – kopi i %2").arg(m_setup.path, m_setup.backupPath));
        }
        takeAsSaved({});
        m_panel.memo->clear();
        showFile();
    });
}

bool SideFileEditor::userAgreesToDelete() const
{
    const QString yes = QCoreApplication::translate("SideFileEditor", "Ja");
    const QString no = QCoreApplication::translate("SideFileEditor", "Nei");
    const Question question{QCoreApplication::translate("SideFileEditor", "Slette %1? Filen kan ikke hentes tilbake.").arg(m_setup.path),
                            QString(),
                            {{yes, QMessageBox::YesRole}, {no, QMessageBox::NoRole}},
                            no};
    return m_s.questions.ask(question) == yes;
}

void SideFileEditor::deleteWithBackup()
{
    // A delete that cannot succeed must not cost the earlier backup: check
    // first (the backup's name too: it may lead to the file itself), and put
    // the backup back should the delete fail all the same.
    m_s.files.checkWrite(m_setup.backupPath);
    m_s.files.checkRemovable(m_setup.path);
    std::optional<std::string> earlier;
    if (m_s.files.isFile(m_setup.backupPath))
        earlier = m_s.files.readBytes(m_setup.backupPath);
    // The backup is the memo as it stands, written before the file goes.
    m_s.files.saveFile(m_setup.backupPath, m_panel.memo->lines());
    try {
        m_s.files.removeFile(m_setup.path);
    } catch (const FileError &e) {
        QString message = e.message();
        try {
            if (earlier)
                m_s.files.saveFileBytes(m_setup.backupPath, *earlier);
            else
                m_s.files.removeFile(m_setup.backupPath);
        } catch (const FileError &restore) {
            message += u'\n' + restore.message();
        }
        throw FileError(message);
    }
}
