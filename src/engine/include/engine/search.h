// Searches over the document's lines for the statements the pages manage.
#pragma once

#include "engine/upper_lines.h"
#include "platform/line_file.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A 0-based line position. NoLine means "no such line"; a document therefore
// holds at most 65,535 lines.
using LinePos = std::uint16_t;
inline constexpr LinePos NoLine = 0xFFFF;
inline constexpr std::size_t MaxDocumentLines = NoLine;

// `pos` when it names a line of `lines`, else NoLine: a register left over from a
// longer document names no line.
[[nodiscard]] LinePos lineIn(const Lines &lines, LinePos pos);

// The lines to search and their upper-cased copy, which the owner of both (the
// document) keeps in step. The searches read the copy, so that none upper-cases
// a line. Each search also takes plain lines, and then makes the copy itself.
struct SearchLines
{
    const Lines &lines;
    const UpperLines &upper;
};

// The first line that contains both texts, letter case aside; NoLine when none.
// Used with "REM " in `s1` to find a statement that is commented out.
[[nodiscard]] LinePos FinnREM(const SearchLines &lines, std::string_view s1, std::string_view s2);
[[nodiscard]] LinePos FinnREM(const Lines &lines, std::string_view s1, std::string_view s2);

// FinnREM for each pair of texts, with the same results, answered together: the
// lines holding a first text are looked for once for all pairs that share it.
struct TextPair
{
    std::string_view s1;
    std::string_view s2;
};
[[nodiscard]] std::vector<LinePos> FinnREMAll(const SearchLines &lines, std::span<const TextPair> pairs);

// The first active driver statement for `name`: a line that begins exactly with
// "DEVICE=" and holds `name` (given in capitals) anywhere, letter case aside.
[[nodiscard]] LinePos FoundDevice(const SearchLines &lines, std::string_view name);
[[nodiscard]] LinePos FoundDevice(const Lines &lines, std::string_view name);

// The first line that begins with `key` and "=", letter case aside, and the text
// after that "=" as written. `line` is NoLine and `value` empty when there is none.
struct IniValue
{
    std::string value;
    LinePos line = NoLine;
    bool found() const { return line != NoLine; }
};
[[nodiscard]] IniValue GetIniStr(const SearchLines &lines, std::string_view key);
[[nodiscard]] IniValue GetIniStr(const Lines &lines, std::string_view key);
// GetIniStr for each key, with the same results, all found in one pass.
[[nodiscard]] std::vector<IniValue> GetIniStrAll(const SearchLines &lines, std::span<const std::string_view> keys);
// GetIniStr's test on one line: line `pos` and its value when that line begins
// with `key` and "=", letter case aside; else nothing found.
[[nodiscard]] IniValue GetIniStrAt(const Lines &lines, LinePos pos, std::string_view key);

// What one pass of GetIniStr found for a set of keys, each asked for by its
// key: the scan searches once for the statements of every page and hands each
// page what it asked for.
class FoundStatements
{
public:
    FoundStatements(const SearchLines &lines, std::vector<std::string_view> keys);
    // What was found for `key`; asking for a key that was not searched for is
    // a fault of the program, which stops it.
    [[nodiscard]] const IniValue &operator[](std::string_view key) const;

private:
    std::vector<std::string_view> m_keys;
    std::vector<IniValue> m_values;
};

// The driver file name in a statement's argument: the text before the first
// blank, after its last backslash.
[[nodiscard]] std::string FileNameOf(std::string_view s);
