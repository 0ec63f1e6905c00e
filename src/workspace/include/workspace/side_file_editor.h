// A side file (STARTUP.CMD, AUTOEXEC.BAT) edited whole in a memo, with the box
// that shows whether it exists and its buttons "Ny", "Lagre" and "Slett".
#pragma once

#include "platform/line_file.h"

#include <QString>

#include <functional>

class ErrorReporter;
class FileGate;
class QCheckBox;
class QPushButton;
class QuestionAsker;
class StatusArea;
class Text8Memo;

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
        // When not empty, "Slett" first saves the memo as this backup;
        // without one "Slett" asks first, for the file is then gone for good.
        QString backupPath;
        // The memo's lines at first are placeholders, never written as the file.
        bool startsWithPlaceholder = false;
    };

    // What the editor works with, all the window's: the files, the status
    // area for what each step tells, the reporting of a failed step, and the
    // question before a delete.
    struct Services
    {
        FileGate &files;
        StatusArea &status;
        ErrorReporter &errors;
        const QuestionAsker &questions;
    };

    SideFileEditor(const Services &services, const Panel &panel, Setup setup);

    bool fileExists() const;
    const QString &path() const { return m_setup.path; }
    // Whether the memo differs from the file as last loaded or saved.
    bool hasUnsavedEdits() const;
    Text8Memo *memo() const { return m_panel.memo; }
    // A scan's step for AUTOEXEC.BAT: showFile() only when the box's mark no
    // longer says whether the file exists (at the first scan that finds the
    // file, or once it came or went), so that a later scan keeps the memo's
    // unsaved lines while nothing changed on disk.
    void checkExists();

    // Each runs through the window's error reporting: a file error skips
    // the rest of the step and is reported.
    // Sets the box from the file's existence, enables "Ny" without the file,
    // "Slett" with it and "Lagre" when the memo holds a line (counted before
    // any load), then loads the file into the memo when it exists. The box's
    // handler, the scan for STARTUP.CMD and each button end with it.
    void showFile();
    // Fills the memo as set up, saves it as the file, and shows the file.
    void newFile();
    // Saves the memo as the file, and shows the file. The placeholder lines,
    // untouched, are not saved: the status area says so.
    void saveFile();
    // Deletes the file (after the backup, when there is one, or else once
    // the user said yes), empties the memo, and shows that the file is gone.
    // Nothing when there is no file; a drive that is no longer the one read
    // is refused first, as a name that leads to another of the program's
    // files is (FileGate::checkRemove).
    void deleteFile();

private:
    void deleteWithBackup();
    bool userAgreesToDelete() const;
    // The memo now holds the file's lines as on disk (none once it is gone).
    void takeAsSaved(Lines lines);

    const Services m_s;
    const Panel m_panel;
    const Setup m_setup;
    bool m_placeholder;
};
