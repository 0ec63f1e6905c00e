// The document behind its write gate: the pages that write change it only
// here, and only from a user's handler.
#pragma once

#include "workspace/document.h"
#include "workspace/write_gate.h"

#include <string>

class StatusArea;

class GatedDocument
{
public:
    // A write selects its line in `status`'s list; `gate` tells whether a
    // user's action is being handled.
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

private:
    bool mayWrite() const;

    Document &m_doc;
    StatusArea &m_status;
    const WriteGate &m_gate;
};
