// The document behind its write gate: every page reads it, and only a user's
// action on a control changes it, through the one write path here.
#pragma once

#include "workspace/document.h"
#include "workspace/write_gate.h"

#include <string>

class StatusArea;

class GatedDocument
{
public:
    // A write selects its line in `status`'s list.
    GatedDocument(Document &doc, StatusArea &status);
    GatedDocument(const GatedDocument &) = delete;
    GatedDocument &operator=(const GatedDocument &) = delete;

    const Document &document() const { return m_doc; }
    // `pos` when it names a line of the document, else NoLine.
    LinePos lineOf(LinePos pos) const { return lineIn(m_doc.lines(), pos); }

    // Tells the user's actions from the program's own; every write asks it.
    WriteGate &gate() { return m_gate; }
    bool mayWrite() const { return m_gate.mayWrite(); }

    // The one write path of the document. Each changes it only while the gate
    // lets the user's action write (a debug build stops on any other call).
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

    // A control's statement: while the user's action may write, writes it over
    // line `reg`; then makes that line current. Without such a line only shows
    // the statement, with no line selected, so that neither typing nor the REM
    // toggle can reach an unrelated line.
    void writeStatement(LinePos reg, const std::string &statement);

private:
    Document &m_doc;
    StatusArea &m_status;
    WriteGate m_gate;
};
