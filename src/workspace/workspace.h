// What every page works with: the document, the status area, the line
// registers, the drives, the files the program writes and error reporting.
#pragma once

#include "engine/registers.h"
#include "platform/dos_path.h"
#include "workspace/document.h"
#include "workspace/error_report.h"
#include "workspace/question.h"
#include "workspace/write_gate.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QWidget;

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
    Workspace(Document &document, DriveMap drives, QString configFileName, StatusWidgets widgets,
              ErrorReporter &errors);

    // The document is read here; it changes only through the writes below.
    const Document &document() const { return m_doc; }
    // Tells the user's actions from the program's own; every write asks it.
    WriteGate &gate() { return m_gate; }
    bool mayWrite() const { return m_gate.mayWrite(); }
    Registers &registers() { return m_regs; }
    const DriveMap &drives() const { return m_drives; }
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
    // True when, before the user's latest change of the edit line, it showed
    // exactly the text of line `i`: only then is that change an edit of line i.
    bool editLineShowedLine(int i) const;

    // Makes line `pos` current: its number, its selection and its text in the
    // edit line. With no such line: "ikke i ...", no selection, an empty edit line.
    void makeCurrent(LinePos pos);

    // The red message line and the navy hint line.
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

    // The file that was read, by its host path; empty after a failed load.
    void setReadFile(const QString &hostPath) { m_readFile = hostPath; }
    bool hasReadFile() const { return !m_readFile.isEmpty(); }

    // Saving and deleting the files the program writes. The file that was read
    // is never written nor deleted, not even through a link. Throw FileError.
    void saveFile(const QString &dosPath, const Lines &lines) const;
    void saveFileBytes(const QString &dosPath, std::string_view bytes) const;
    void removeFile(const QString &dosPath) const;

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
    void refuseFileRead(const QString &what, const QString &dosPath) const;

    Document &m_doc;
    WriteGate m_gate;
    Registers m_regs;
    const DriveMap m_drives;
    const QString m_configFileName;
    const StatusWidgets m_w;
    ErrorReporter &m_errors;
    std::function<void()> m_refresh;
    QString m_editLineBefore;
    QString m_readFile;
    Asker m_asker = askInMessageBox;
};
