// The document behind its write gate: the pages that write change it only
// here, and only from a user's handler.
#include "workspace/gated_document.h"

#include "workspace/status_area.h"

GatedDocument::GatedDocument(Document &doc, StatusArea &status, const WriteGate &gate)
    : m_doc(doc)
    , m_status(status)
    , m_gate(gate)
{
}

bool GatedDocument::mayWrite() const
{
    Q_ASSERT_X(m_gate.mayWrite(), "GatedDocument", "a write that no user's action asked for");
    return m_gate.mayWrite();
}

void GatedDocument::replaceLine(LinePos pos, std::string text)
{
    const LinePos line = lineOf(pos);
    if (!mayWrite() || line == NoLine)
        return;
    m_doc.replace(line, std::move(text));
    m_status.selectLine(line);
}

LinePos GatedDocument::appendLine(std::string text)
{
    if (!mayWrite())
        return NoLine;
    return m_doc.append(std::move(text));
}

void GatedDocument::writeStatement(LinePos reg, const std::string &statement)
{
    const LinePos line = lineOf(reg);
    m_status.vislinje(line);
    if (line != NoLine) {
        replaceLine(line, statement);
        m_status.selectLine(line);
        m_status.showLineInEditLine(line);
    } else {
        m_status.selectLine(NoLine);
        m_status.showInEditLine(statement);
    }
}
