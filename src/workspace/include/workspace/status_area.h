// The status area under the pages: the yellow edit line Edit1, the line label,
// the red message and navy hint lines, the REM button, and which line of the
// "Fil" page's list is selected.
#pragma once

#include "engine/search.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class Document;
class EditLineLock;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
namespace a11y {
class StatusAnnouncer;
}

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

class StatusArea
{
public:
    // The list of `widgets` must show `doc` already. `configFileName` is the
    // file read, which the line label names for a statement it lacks.
    StatusArea(const Document &doc, QString configFileName, StatusWidgets widgets);
    ~StatusArea();
    StatusArea(const StatusArea &) = delete;
    StatusArea &operator=(const StatusArea &) = delete;

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

private:
    LinePos lineOf(LinePos pos) const;
    void showHintLine();

    const Document &m_doc;
    const QString m_configFileName;
    const StatusWidgets m_w;
    QString m_pageHint;
    a11y::StatusAnnouncer *const m_announcer;
    std::unique_ptr<EditLineLock> m_lock;
};
