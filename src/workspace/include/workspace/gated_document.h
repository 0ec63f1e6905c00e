// The document behind its write gate: the pages that write change it only
// here, and only from a user's handler.
#pragma once

#include "workspace/document.h"
#include "workspace/edit_history.h"
#include "workspace/write_gate.h"

#include <optional>

#include <string>

class StatusArea;

class GatedDocument
{
public:
    // A write selects its line in `status`'s list; `gate` tells whether a
    // user's action is being handled. Every write is kept in the history, one
    // step per action: the window tells when an action ends (endAction).
    GatedDocument(Document &doc, StatusArea &status, const WriteGate &gate);
    GatedDocument(const GatedDocument &) = delete;
    GatedDocument &operator=(const GatedDocument &) = delete;

    const Document &document() const { return m_doc; }
    // `pos` when it names a line of the document, else NoLine.
    LinePos lineOf(LinePos pos) const { return lineIn(m_doc.lines(), pos); }

    // The one write path of the document. Each changes it only while a user's
    // handler runs and the window is not showing the document; any other call
    // is a fault of the program (a debug build stops on it) and writes nothing.
    // A Ctrl-Z ends a DOS text file, and OS/2 is taken to read no further
    // (see bootcheck::statementsOf): no write moves or drops one unasked.
    // Replaces line `pos` with a statement and selects it again; nothing when
    // it names no line. A Ctrl-Z in the line, and what follows it there, stay
    // after the statement.
    void replaceLine(LinePos pos, std::string text);
    // Replaces line `pos` with exactly `text`, the user's own (typed, toggled
    // or put back as read), and selects it again.
    void replaceText(LinePos pos, std::string text);
    // Appends a line and returns its position; NoLine when nothing was added.
    // Where the last line ends the file with a Ctrl-Z (nothing but Ctrl-Z
    // from the first on), the line goes before the mark, which moves down
    // into a line of its own.
    LinePos appendLine(std::string text);

    // A control's statement: writes it over line `reg`, then makes that line
    // current. Without such a line only shows the statement, with no line
    // selected, so that neither typing nor the REM toggle can reach an
    // unrelated line.
    void writeStatement(LinePos reg, const std::string &statement);

    // The history of the writes. An undo or redo writes too, and only while
    // a user's action may: each changes the document back or forward by one
    // step and tells which line to show; nothing when there is no step.
    const EditHistory &history() const { return m_history; }
    EditHistory &history() { return m_history; }
    std::optional<EditHistory::Done> undo();
    std::optional<EditHistory::Done> redo();
    // The writes of this action join the step of the action before when that
    // one was of the same run of `source`'s: keystrokes on one line, the moves
    // of one drag of a bar.
    void joinRun(const void *source, int run = 0) { m_history.joinRun(source, run); }
    // The user's action has ended: its writes become one step.
    void endAction() { m_history.endAction(); }

private:
    bool mayWrite() const;
    // Every change of the document, kept in the history first.
    void put(int line, std::string text);
    LinePos add(std::string text);

    Document &m_doc;
    StatusArea &m_status;
    const WriteGate &m_gate;
    EditHistory m_history;
};
