// A side file (STARTUP.CMD, AUTOEXEC.BAT) edited whole in a memo, with the box
// that shows whether it exists and its buttons "Ny", "Lagre" and "Slett".
#include "workspace/side_file_editor.h"

#include "platform/file_error.h"
#include "platform/text8.h"
#include "workspace/control_events.h"
#include "workspace/text8_memo.h"
#include "workspace/workspace.h"

#include <QCheckBox>
#include <QPushButton>

#include <optional>
#include <string>

SideFileEditor::SideFileEditor(Workspace &ws, const Panel &panel, Setup setup)
    : m_ws(ws)
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
    return linefile::exists(m_ws.drives(), m_setup.path);
}

void SideFileEditor::checkExists()
{
    controls::setChecked(m_ws.gate(), m_panel.box, fileExists());
}

void SideFileEditor::showFile()
{
    m_ws.guarded([this] {
        const bool exists = fileExists();
        // A change of the box runs its handler, and so this, once more inside.
        controls::setChecked(m_ws.gate(), m_panel.box, exists);
        m_panel.ny->setEnabled(!exists);
        m_panel.slett->setEnabled(exists);
        m_panel.lagre->setEnabled(m_panel.memo->lineCount() > 0);
        if (exists) {
            Lines lines = linefile::load(m_ws.drives(), m_setup.path);
            m_panel.memo->setLines(lines);
            takeAsSaved(std::move(lines));
        } else
            linefile::refuseSpecialFile(m_ws.drives(), m_setup.path);
    });
}

void SideFileEditor::newFile()
{
    m_ws.guarded([this] {
        m_panel.memo->setFocus();
        m_panel.memo->clear();
        if (const Lines lines = m_setup.newLines(); !lines.empty())
            m_panel.memo->setLines(lines);
        m_ws.saveFile(m_setup.path, m_panel.memo->lines());
        m_ws.showHint(QStringLiteral("Lagret ") + m_setup.path);
        showFile();
    });
}

void SideFileEditor::saveFile()
{
    // The memo's first lines, as they came, would be a file of nonsense.
    if (m_placeholder && !hasUnsavedEdits()) {
        const Lines shown = m_panel.memo->lines();
        m_ws.showMessage(QStringLiteral("Ikke lagret: %1 til %2 er bare plassholdere")
                             .arg(text8::toDisplay(shown.front()), text8::toDisplay(shown.back())));
        m_ws.showHint(QStringLiteral("Skriv inn %1 i feltet, eller trykk «Ny»").arg(m_setup.path));
        return;
    }
    m_ws.guarded([this] {
        m_ws.saveFile(m_setup.path, m_panel.memo->lines());
        m_ws.showHint(QStringLiteral("Lagret ") + m_setup.path);
        showFile();
    });
}

void SideFileEditor::deleteFile()
{
    m_ws.guarded([this] {
        // An unmounted drive shows no file: it is told, not taken for none.
        m_ws.checkRemove(m_setup.path);
        if (!fileExists())
            return;
        if (m_setup.backupPath.isEmpty()) {
            // A delete bound to fail is reported without a question first.
            linefile::checkRemovable(m_ws.drives(), m_setup.path);
            if (!userAgreesToDelete())
                return;
            m_ws.removeFile(m_setup.path);
            m_ws.showHint(QStringLiteral("Slettet ") + m_setup.path);
        } else {
            deleteWithBackup();
            m_ws.showHint(QStringLiteral("Slettet %1 – kopi i %2").arg(m_setup.path, m_setup.backupPath));
        }
        takeAsSaved({});
        m_panel.memo->clear();
        showFile();
    });
}

bool SideFileEditor::userAgreesToDelete() const
{
    const Question question{QStringLiteral("Slette %1? Filen kan ikke hentes tilbake.").arg(m_setup.path),
                            QString(),
                            {{QStringLiteral("Ja"), QMessageBox::YesRole}, {QStringLiteral("Nei"), QMessageBox::NoRole}},
                            QStringLiteral("Nei")};
    return m_ws.ask(question) == QStringLiteral("Ja");
}

void SideFileEditor::deleteWithBackup()
{
    const DriveMap &drives = m_ws.drives();
    // A delete that cannot succeed must not cost the earlier backup: check
    // first (the backup's name too: it may lead to the file itself), and put
    // the backup back should the delete fail all the same.
    m_ws.checkWrite(m_setup.backupPath);
    linefile::checkRemovable(drives, m_setup.path);
    std::optional<std::string> earlier;
    if (linefile::exists(drives, m_setup.backupPath))
        earlier = linefile::readBytes(drives, m_setup.backupPath);
    // The backup is the memo as it stands, written before the file goes.
    m_ws.saveFile(m_setup.backupPath, m_panel.memo->lines());
    try {
        m_ws.removeFile(m_setup.path);
    } catch (const FileError &e) {
        QString message = e.message();
        try {
            if (earlier)
                m_ws.saveFileBytes(m_setup.backupPath, *earlier);
            else
                m_ws.removeFile(m_setup.backupPath);
        } catch (const FileError &restore) {
            message += u'\n' + restore.message();
        }
        throw FileError(message);
    }
}
