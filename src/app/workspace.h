// What every page works with: the document, the status area, the line registers
// and the drives.
#pragma once

#include "document.h"
#include "dos_path.h"
#include "registers.h"

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
              QWidget *window);

    Document &doc;
    Registers regs;
    const DriveMap drives;
    const QString ConfigFileName;
    // The page refresh of the window; pages run it through NoteBookClick().
    std::function<void()> refresh;

    QWidget *window() const { return m_window; }

    // `pos` when it names a line of the document, else NoLine.
    LinePos lineOf(LinePos pos) const;

    // The line label: "Linje nr. " and pos + 1, or "ikke i " and the file name.
    void vislinje(LinePos pos);

    // The selected line of the "Fil" page, -1 when none. Selecting from code
    // never runs the list's click handler; NoLine or a position past the end
    // leaves no line selected.
    int selectedLine() const;
    void selectLine(LinePos pos);

    // The edit line. Text set here never reaches the document.
    void setEdit1(std::string_view bytes);
    void setEdit1Text(const QString &text);
    // The text of line `pos`, or the empty text when it names no line.
    void setEdit1ToLine(LinePos pos);
    std::string edit1() const;
    // The bytes of the edit line; nothing when a character has no byte.
    std::optional<std::string> edit1Bytes() const;
    // True when, before the user's latest change of the edit line, it showed
    // exactly the text of line `i`: only then is that change an edit of line i.
    bool edit1ShowedLine(int i) const;

    // Makes line `pos` current: its number, its selection and its text in Edit1.
    // With no such line: "ikke i ...", no selection and an empty Edit1.
    void makeCurrent(LinePos pos);

    void setLabel2(const QString &text);
    void setLabel3(const QString &text);
    void enableRem(bool on);

    // Replaces line `pos` and selects it again; nothing when it names no line.
    void replaceLine(LinePos pos, std::string text);

    // Writes a freshly composed statement over line `reg` and makes it current;
    // without such a line only shows the statement, with no line selected, so
    // that neither typing nor the REM toggle can reach an unrelated line.
    void writeStatement(LinePos reg, const std::string &statement);

    void NoteBookClick();

    // The file that was read, by its host path; empty after a failed load.
    void setReadFile(const QString &hostPath) { m_readFile = hostPath; }
    bool hasReadFile() const { return !m_readFile.isEmpty(); }

    // Saving and deleting the files the program writes. The file that was read
    // is never written nor deleted, not even through a link. Throw FileError.
    void saveFile(const QString &dosPath, const Lines &lines) const;
    void saveFileBytes(const QString &dosPath, std::string_view bytes) const;
    void removeFile(const QString &dosPath) const;

    // The driver statement of `name` (capitals) for the DOS page's boxes: shows
    // the active DEVICE= line, else a line holding "REM " and the name, else an
    // appended "REM DEVICE=C:\OS2\MDOS\" line. True when an active line exists.
    bool SetDevice(std::string_view name);

private:
    void refuseFileRead(const QString &what, const QString &dosPath) const;

    StatusWidgets m_w;
    QWidget *m_window;
    QString m_edit1Before;
    QString m_readFile;
};
