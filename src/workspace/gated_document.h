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
    // Replaces line `pos` and selects it again; nothing when it names no line.
    void replaceLine(LinePos pos, std::string text);
    // Appends a line and returns its position; NoLine when nothing was added.
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
