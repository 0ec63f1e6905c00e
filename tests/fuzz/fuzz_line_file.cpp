// Fuzz target: splitting file contents into lines and joining them, against a
// plain reference.
#include "fuzz_check.h"
#include "platform/line_file.h"

#include <cstdint>

namespace {

// CR LF or a bare LF ends a line; a line end at the very end adds no line.
Lines referenceSplit(std::string_view bytes)
{
    Lines lines;
    std::string line;
    for (const char c : bytes) {
        if (c != '\n') {
            line += c;
            continue;
        }
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        line.clear();
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const char *bytes = reinterpret_cast<const char *>(data);
    const Lines expected = referenceSplit(std::string_view(bytes, size));

    FUZZ_CHECK(linefile::split(bytes, size) == expected);
    // Into the strings of an earlier file, shorter or longer: nothing of it stays.
    const Lines earlier = size > 0 ? Lines(data[0] % 7, std::string(data[0] % 50, '#')) : Lines{};
    FUZZ_CHECK(linefile::split(bytes, size, earlier) == expected);

    std::string joined;
    for (const std::string &line : expected)
        joined += line + "\r\n";
    FUZZ_CHECK(linefile::join(expected) == joined);
    // What is written reads back as the same lines.
    FUZZ_CHECK(linefile::split(joined.data(), joined.size()) == expected);
    return 0;
}
