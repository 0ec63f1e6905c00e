// A snapshot of a document's lines and which lines differ from it now.
#include "workspace/line_baseline.h"

#include <bit>

namespace {

constexpr std::size_t kBits = 64;

} // namespace

void LineBaseline::startAnew(std::size_t lineCount)
{
    // The vectors keep their memory from one snapshot to the next.
    m_starts.clear();
    m_starts.reserve(lineCount);
    m_ends.clear();
    m_ends.reserve(lineCount);
    m_differs.assign((lineCount + kBits - 1) / kBits, 0);
    m_differing = 0;
}

void LineBaseline::assign(const Lines &lines)
{
    std::size_t size = 0;
    for (const std::string &line : lines)
        size += line.size();
    startAnew(lines.size());
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(size));
    for (const std::string &line : lines) {
        m_starts.push_back(static_cast<std::size_t>(bytes.size()));
        bytes.append(line.data(), static_cast<qsizetype>(line.size()));
        m_ends.push_back(static_cast<std::size_t>(bytes.size()));
    }
    m_bytes = std::move(bytes);
}

void LineBaseline::assign(const Lines &lines, const QByteArray &bytes, const std::vector<std::size_t> &starts)
{
    startAnew(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        m_starts.push_back(starts[i]);
        m_ends.push_back(starts[i] + lines[i].size());
    }
    m_bytes = bytes;
}

void LineBaseline::clear()
{
    m_bytes.clear();
    m_starts.clear();
    m_ends.clear();
    m_differs.clear();
    m_differing = 0;
}

std::string_view LineBaseline::line(int i) const
{
    const auto at = static_cast<std::size_t>(i);
    return std::string_view(m_bytes.constData() + m_starts[at], m_ends[at] - m_starts[at]);
}

void LineBaseline::update(int i, std::string_view text)
{
    if (i < 0 || i >= count())
        return;
    const bool now = text != line(i);
    if (now == differs(i))
        return;
    const auto at = static_cast<std::size_t>(i);
    m_differs[at / kBits] ^= static_cast<std::uint64_t>(1) << (at % kBits);
    m_differing += now ? 1 : -1;
}

bool LineBaseline::differs(int i) const
{
    if (i < 0 || i >= count())
        return false;
    const auto at = static_cast<std::size_t>(i);
    return (m_differs[at / kBits] >> (at % kBits)) & 1;
}

std::vector<int> LineBaseline::differingLines() const
{
    std::vector<int> lines;
    lines.reserve(static_cast<std::size_t>(m_differing));
    for (std::size_t w = 0; w < m_differs.size() && static_cast<int>(lines.size()) < m_differing; ++w)
        for (std::uint64_t bits = m_differs[w]; bits != 0; bits &= bits - 1)
            lines.push_back(static_cast<int>(w * kBits + static_cast<std::size_t>(std::countr_zero(bits))));
    return lines;
}
