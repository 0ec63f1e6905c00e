// The document behind its write gate: the pages that write change it only
// here, and only from a user's handler.
#include "workspace/gated_document.h"

#include "workspace/status_area.h"

namespace {

constexpr char kEndOfFile = '\x1A';

// Where the mark that ends the file begins in `line`, the last line: its
// first Ctrl-Z when nothing but Ctrl-Z follows; npos otherwise.
std::size_t trailingMarkIn(const std::string &line)
{
    const std::size_t at = line.find(kEndOfFile);
    if (at == std::string::npos || line.find_first_not_of(kEndOfFile, at) != std::string::npos)
        return std::string::npos;
    return at;
}

} // namespace

GatedDocument::GatedDocument(Document &doc, StatusArea &status, const WriteGate &gate)
    : m_doc(doc)
    , m_status(status)
    , m_gate(gate)
    , m_history(doc)
{
}

void GatedDocument::put(int line, std::string text)
{
    m_history.willReplace(line);
    m_doc.replace(line, std::move(text));
}

LinePos GatedDocument::add(std::string text)
{
    m_history.willAppend();
    return m_doc.append(std::move(text));
}

std::optional<EditHistory::Done> GatedDocument::undo()
{
    if (!mayWrite())
        return std::nullopt;
    return m_history.undo();
}

std::optional<EditHistory::Done> GatedDocument::redo()
{
    if (!mayWrite())
        return std::nullopt;
    return m_history.redo();
}

bool GatedDocument::mayWrite() const
{
    Q_ASSERT_X(m_gate.mayWrite(), "GatedDocument", "a write that no user's action asked for");
    return m_gate.mayWrite();
}

void GatedDocument::replaceLine(LinePos pos, std::string text)
{
    const LinePos line = lineOf(pos);
    if (line != NoLine && text.find(kEndOfFile) == std::string::npos)
        if (const std::size_t mark = m_doc.line(line).find(kEndOfFile); mark != std::string::npos)
            text += m_doc.line(line).substr(mark);
    replaceText(pos, std::move(text));
}

void GatedDocument::replaceText(LinePos pos, std::string text)
{
    const LinePos line = lineOf(pos);
    if (!mayWrite() || line == NoLine)
        return;
    put(line, std::move(text));
    m_history.setFocus(line);
    m_status.selectLine(line);
}

LinePos GatedDocument::appendLine(std::string text)
{
    if (!mayWrite())
        return NoLine;
    const int last = m_doc.count() - 1;
    const std::size_t mark = last >= 0 ? trailingMarkIn(m_doc.line(last)) : std::string::npos;
    if (mark == std::string::npos) {
        const LinePos at = add(std::move(text));
        m_history.setFocus(at);
        return at;
    }
    // The text before the mark stays in its line; the new line, then the
    // mark, follow. Room for both first, so that the mark is never lost.
    const std::size_t added = mark == 0 ? 1 : 2;
    if (m_doc.lines().size() + added > MaxDocumentLines)
        return NoLine;
    std::string markLine = m_doc.line(last).substr(mark);
    LinePos at;
    if (mark == 0) {
        put(last, std::move(text));
        at = static_cast<LinePos>(last);
    } else {
        put(last, m_doc.line(last).substr(0, mark));
        at = add(std::move(text));
    }
    add(std::move(markLine));
    m_history.setFocus(at);
    return at;
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
