// The document behind its write gate: every page reads it, and only a user's
// action on a control changes it, through the one write path here.
#include "workspace/gated_document.h"

#include "workspace/status_area.h"

GatedDocument::GatedDocument(Document &doc, StatusArea &status)
    : m_doc(doc)
    , m_status(status)
{
}

void GatedDocument::replaceLine(LinePos pos, std::string text)
{
    Q_ASSERT_X(mayWrite(), "GatedDocument::replaceLine", "a write that no user's action asked for");
    const LinePos line = lineOf(pos);
    if (line == NoLine || !mayWrite())
        return;
    m_doc.replace(line, std::move(text));
    m_status.selectLine(line);
}

LinePos GatedDocument::appendLine(std::string text)
{
    Q_ASSERT_X(mayWrite(), "GatedDocument::appendLine", "a write that no user's action asked for");
    if (!mayWrite())
        return NoLine;
    return m_doc.append(std::move(text));
}

void GatedDocument::writeStatement(LinePos reg, const std::string &statement)
{
    const LinePos line = lineOf(reg);
    m_status.vislinje(line);
    if (line != NoLine) {
        if (mayWrite())
            replaceLine(line, statement);
        m_status.selectLine(line);
        m_status.showLineInEditLine(line);
    } else {
        m_status.selectLine(NoLine);
        m_status.showInEditLine(statement);
    }
}
