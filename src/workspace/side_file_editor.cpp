// A side file (STARTUP.CMD, AUTOEXEC.BAT) edited whole in a memo, with the box
// that shows whether it exists and its buttons "Ny", "Lagre" and "Slett".
#include "workspace/side_file_editor.h"

#include "platform/file_error.h"
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
{
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
        if (exists)
            m_panel.memo->setLines(linefile::load(m_ws.drives(), m_setup.path));
        else
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
        showFile();
    });
}

void SideFileEditor::saveFile()
{
    m_ws.guarded([this] {
        m_ws.saveFile(m_setup.path, m_panel.memo->lines());
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
        if (m_setup.backupPath.isEmpty())
            m_ws.removeFile(m_setup.path);
        else
            deleteWithBackup();
        m_panel.memo->clear();
        showFile();
    });
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
