// The find bar of the "Fil" page: a text to find in the document, the way
// from one line that holds it to the next, and a line to go to by number.
#pragma once

#include "engine/line_matches.h"

#include <QWidget>

class Document;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class StatusArea;
namespace a11y {
class StatusAnnouncer;
}

// Every line of the document that holds the text is marked in the list (its
// painting asks the matches, so a search of all 65,534 lines changes no row);
// F3 and Shift+F3 (and the buttons) lead to the next or the one before. The
// bar only reads: the line it leads to is made current by whoever listens to
// lineChosen(), as a click on the line would, and nothing it does writes.
class FindBar : public QWidget
{
    Q_OBJECT

public:
    // `list` shows `doc`; its rows are marked while the bar is shown.
    // `fileName` is the file read, which a message about a line number names.
    FindBar(const Document &doc, StatusArea &status, QListView *list, QString fileName, QWidget *parent);

    // Tab goes from `before` through the bar's controls, then on as it went.
    void followInTabOrder(QWidget *before);

    // The text field in focus, its text selected; the line number field.
    void focusFind();
    void focusLineNumber();

    // The next or the one before of the lines that hold the text, round the
    // end of the document; from the selected line, or from the top when none
    // is. Nothing happens while no line holds it.
    void findNext();
    void findPrevious();

    const LineMatches &matches() const { return m_matches; }

signals:
    // The user's way leads to line `line`.
    void lineChosen(LinePos line);
    // Escape or "×": the bar wants to close.
    void closeRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    // The text or the letter case changed: look again, and lead to the first
    // line that holds the text from the selected one on.
    void search();
    void follow(const QModelIndex &first, const QModelIndex &last);
    // Leads to `to`; on a way round the end, says so.
    void step(LineMatches::Step to, bool forward);
    void goToLineNumber();
    // "3 av 17": where the selected line stands among the matches.
    void showCount();
    void repaintList();

    const Document &m_doc;
    StatusArea &m_status;
    QListView *const m_list;
    const QString m_fileName;
    LineMatches m_matches;
    QLineEdit *m_field = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QLabel *m_count = nullptr;
    QLineEdit *m_lineNumber = nullptr;
    QPushButton *m_close = nullptr;
    a11y::StatusAnnouncer *m_announcer = nullptr;
};
