// What every page works with: the document, the status area, the line
// registers, the drives, the files the program writes and error reporting.
#pragma once

#include "engine/registers.h"
#include "platform/dos_path.h"
#include "workspace/accessibility.h"
#include "platform/write_guard.h"
#include "workspace/document.h"
#include "workspace/error_report.h"
#include "workspace/question.h"
#include "workspace/write_gate.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QWidget;
class EditLineLock;

// The controls of the status area and the "Fil" page's list, as the window made them.
struct StatusWidgets
{
    QListView *ListBox = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *LinjeLabel = nullptr;
    QPushButton *RemKnapp = nullptr;
};

class Workspace
{
public:
    // Shows the document in the list of `widgets`.
    Workspace(Document &document, DriveMap drives, QString configFileName, StatusWidgets widgets,
              ErrorReporter &errors);
    ~Workspace();

    // The document is read here; it changes only through the writes below.
    const Document &document() const { return m_doc; }
    // Tells the user's actions from the program's own; every write asks it.
    WriteGate &gate() { return m_gate; }
    bool mayWrite() const { return m_gate.mayWrite(); }
    Registers &registers() { return m_regs; }
    const DriveMap &drives() const { return m_drives; }
    // The drives of every later read and write, after the user chose C: anew.
    void setDrives(DriveMap drives) { m_drives = std::move(drives); }
    // The file that is read, as named on the command line or C:\CONFIG.SYS.
    const QString &ConfigFileName() const { return m_configFileName; }

    // The page refresh of the window, which pages run through NoteBookClick().
    void setPageRefresh(std::function<void()> refresh) { m_refresh = std::move(refresh); }
    void NoteBookClick();

    // `pos` when it names a line of the document, else NoLine.
    LinePos lineOf(LinePos pos) const;

    // The line label: "Linje nr. " and pos + 1, or "ikke i " and the file name.
    // A text too long for the label is cut on the left; its tooltip holds it whole.
    void vislinje(LinePos pos);

    // The selected line of the "Fil" page, -1 when none. Selecting from code
    // never runs the list's click handler; NoLine or a position past the end
    // leaves no line selected.
    int selectedLine() const;
    void selectLine(LinePos pos);

    // The edit line. Text shown here by the program never reaches the document.
    void showInEditLine(std::string_view bytes);
    void showTextInEditLine(const QString &text);
    // The text of line `pos`; the edit line is emptied when it names no line.
    void showLineInEditLine(LinePos pos);
    void clearEditLine() { showTextInEditLine(QString()); }
    // The bytes of the edit line; nothing when a character has no byte.
    std::optional<std::string> editLineBytes() const;
    // True while the edit line shows the selected line's own text: only then
    // can the user type there, and a keystroke edits that line. Judged by the
    // state from before the keystroke.
    bool editLineShowsSelectedLine() const;

    // Makes line `pos` current: its number, its selection and its text in the
    // edit line. With no such line: "ikke i ...", no selection, an empty edit line.
    void makeCurrent(LinePos pos);

    // The red message line and the navy hint line; a screen reader is told
    // of each new text. While the edit line is locked and a page gives no
    // hint, the hint line says how to edit the statement shown.
    void showMessage(const QString &text);
    void showHint(const QString &text);
    void enableRemButton(bool on);

    // The one write path of the document. Each changes it only while the gate
    // lets the user's action write (a debug build stops on any other call).
    // Replaces line `pos` and selects it again; nothing when it names no line.
    void replaceLine(LinePos pos, std::string text);
    // Appends a line and returns its position; NoLine when nothing was added.
    LinePos appendLine(std::string text);

    // A control's statement: while the user's action may write, writes it over
    // line `reg`; then makes that line current. Without such a line only shows
    // the statement, with no line selected, so that neither typing nor the REM
    // toggle can reach an unrelated line.
    void writeStatement(LinePos reg, const std::string &statement);

    // The driver statement of `name` (capitals) for the DOS page's boxes: shows
    // the active DEVICE= line, else a line holding "REM " and the name, else an
    // appended "REM DEVICE=C:\OS2\MDOS\" line (only a user's action appends
    // it). True when an active line exists.
    bool SetDevice(std::string_view name);

    // "Hent": beginRead() before the file is read (it remembers the drives'
    // folders as they are), setReadFile() with its stamp once it was read.
    void beginRead() { m_guard.beginRead(); }
    void setReadFile(const FileStamp &stamp) { m_guard.setRead(stamp); }
    bool hasReadFile() const { return m_guard.hasRead(); }
    // True when the file read has changed on disk since it was read.
    bool readFileChanged() const { return m_guard.readFileChanged(); }

    // Saving and deleting the files the program writes, on their drive as it
    // was when the file was read. The file that was read is never written nor
    // deleted, not even through a link, nor is one of these files through
    // another's name (see WriteGuard). Throw FileError.
    void saveFile(const QString &dosPath, const Lines &lines) const;
    void saveFileBytes(const QString &dosPath, std::string_view bytes) const;
    void removeFile(const QString &dosPath) const;
    // The same refusals alone, for a step that must know before it begins.
    void checkWrite(const QString &dosPath) const { m_guard.checkWrite(dosPath); }
    void checkRemove(const QString &dosPath) const { m_guard.checkRemove(dosPath); }

    // Runs `body`; a file error skips the rest of it and is reported once the
    // event has been handled.
    template <typename F>
    void guarded(F &&body)
    {
        m_errors.guarded(std::forward<F>(body));
    }
    void reportError(const QString &message) { m_errors.report(message); }

    // Asks the user on the window and returns the text of the button chosen;
    // a message box unless another asker is set (tests answer through one).
    QString ask(const Question &question) const;
    void setAsker(Asker asker) { m_asker = std::move(asker); }

private:
    void showHintLine();

    Document &m_doc;
    WriteGate m_gate;
    Registers m_regs;
    DriveMap m_drives;
    const QString m_configFileName;
    const StatusWidgets m_w;
    ErrorReporter &m_errors;
    std::function<void()> m_refresh;
    QString m_pageHint;
    a11y::StatusAnnouncer *const m_announcer;
    std::unique_ptr<EditLineLock> m_lock;
    WriteGuard m_guard;
    Asker m_asker = askInMessageBox;
};
