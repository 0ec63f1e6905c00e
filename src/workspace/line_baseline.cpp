// A snapshot of a document's lines and which lines differ from it now.
#include "workspace/line_baseline.h"

#include <bit>

namespace {

constexpr std::size_t kBits = 64;

} // namespace

void LineBaseline::assign(const Lines &lines)
{
    std::size_t size = 0;
    for (const std::string &line : lines)
        size += line.size();
    // The buffers keep their memory from one snapshot to the next.
    m_bytes.clear();
    m_bytes.reserve(size);
    m_ends.clear();
    m_ends.reserve(lines.size());
    for (const std::string &line : lines) {
        m_bytes += line;
        m_ends.push_back(m_bytes.size());
    }
    m_differs.assign((lines.size() + kBits - 1) / kBits, 0);
    m_differing = 0;
}

void LineBaseline::clear()
{
    m_bytes.clear();
    m_ends.clear();
    m_differs.clear();
    m_differing = 0;
}

std::string_view LineBaseline::line(int i) const
{
    const auto at = static_cast<std::size_t>(i);
    const std::size_t begin = at == 0 ? 0 : m_ends[at - 1];
    return std::string_view(m_bytes).substr(begin, m_ends[at] - begin);
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
