// A snapshot of a document's lines (as read, or as last saved) and which lines
// of the document differ from it now, kept up to date line by line.
#pragma once

#include "platform/line_file.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The document only replaces and appends lines, so its changes against a
// snapshot are found line by line: a line of the snapshot whose bytes differ
// now, and the lines past its end. The snapshot is one buffer of bytes and
// where each line stands in it: the file's bytes as read, shared rather than
// copied, or the lines packed. Each replaced line is compared once, when it is
// replaced.
class LineBaseline
{
public:
    // Takes `lines` as the snapshot; nothing differs from it.
    void assign(const Lines &lines);
    // The same for `lines` split from `bytes`, each beginning where `starts`
    // says (linefile::lineStarts): the snapshot shares those bytes.
    void assign(const Lines &lines, const QByteArray &bytes, const std::vector<std::size_t> &starts);
    void clear();

    // The number of lines of the snapshot, and line `i` of it (i < count()).
    int count() const { return static_cast<int>(m_ends.size()); }
    std::string_view line(int i) const;

    // Line `i` of the document is now `text`: records whether it differs.
    // Lines past the snapshot's end are not recorded; they are all added.
    void update(int i, std::string_view text);

    // Whether line `i` of the snapshot differs now (false past its end), and
    // how many do.
    bool differs(int i) const;
    int differing() const { return m_differing; }
    // The lines of the snapshot that differ now, ascending; found a word of
    // 64 lines at a time, so a document of few changes is passed over fast.
    std::vector<int> differingLines() const;
    // Whether a document of `lineCount` lines differs from the snapshot.
    bool isDifferent(int lineCount) const { return m_differing > 0 || lineCount != count(); }

private:
    void startAnew(std::size_t lineCount);

    QByteArray m_bytes;
    std::vector<std::size_t> m_starts;
    std::vector<std::size_t> m_ends;
    // One bit per line: whether it differs.
    std::vector<std::uint64_t> m_differs;
    int m_differing = 0;
};
