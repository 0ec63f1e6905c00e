// A side file (STARTUP.CMD, AUTOEXEC.BAT) edited whole in a memo, with the box
// that shows whether it exists and its buttons "Ny", "Lagre" and "Slett".
#pragma once

#include "platform/line_file.h"

#include <QString>

#include <functional>

class QCheckBox;
class QPushButton;
class Text8Memo;
class Workspace;

class SideFileEditor
{
public:
    struct Panel
    {
        QCheckBox *box = nullptr;
        QPushButton *ny = nullptr;
        QPushButton *lagre = nullptr;
        QPushButton *slett = nullptr;
        Text8Memo *memo = nullptr;
    };
    struct Setup
    {
        QString path;
        // What "Ny" puts into the emptied memo before saving it as the file;
        // may throw FileError (a backup that cannot be read).
        std::function<Lines()> newLines;
        // When not empty, "Slett" first saves the memo as this backup.
        QString backupPath;
    };

    SideFileEditor(Workspace &ws, const Panel &panel, Setup setup);

    bool fileExists() const;
    // The scan's step: the box shows whether the file exists; a change of the
    // box runs its handler, and so showFile().
    void checkExists();

    // Each runs through the workspace's error reporting: a file error skips
    // the rest of the step and is reported.
    // Sets the box from the file's existence, enables "Ny" without the file,
    // "Slett" with it and "Lagre" when the memo holds a line (counted before
    // any load), then loads the file into the memo when it exists.
    void showFile();
    // Fills the memo as set up, saves it as the file, and shows the file.
    void newFile();
    // Saves the memo as the file, and shows the file.
    void saveFile();
    // Deletes the file (after the backup, when there is one), empties the
    // memo, and shows that the file is gone. Nothing when there is no file;
    // a drive that is no longer the one read is refused first, as a name that
    // leads to another of the program's files is (Workspace::checkRemove).
    void deleteFile();

private:
    void deleteWithBackup();

    Workspace &m_ws;
    const Panel m_panel;
    const Setup m_setup;
};
