// A snapshot of a document's lines and which lines differ from it now.
#include "workspace/line_baseline.h"

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
    m_differs.assign(lines.size(), false);
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
    auto flag = m_differs[static_cast<std::size_t>(i)];
    if (flag == now)
        return;
    flag = now;
    m_differing += now ? 1 : -1;
}

bool LineBaseline::differs(int i) const
{
    return i >= 0 && i < count() && m_differs[static_cast<std::size_t>(i)];
}
