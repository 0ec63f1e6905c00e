// 8-bit text of the configuration files: Windows-1252 display and 8-bit upper-casing.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <span>
#include <string_view>

namespace text8 {

// Every byte maps to one character: Windows-1252, with the five bytes it leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) shown as the C1 controls of the same
// number, so that any line read from disk survives display and editing unchanged.
QString toDisplay(std::string_view bytes);

// True when `text` is toDisplay(bytes), found without building that text.
bool isDisplayOf(const QString &text, std::string_view bytes);

// The reverse of toDisplay. Returns nothing when a character has no byte.
std::optional<std::string> fromDisplay(const QString &text);

// The reverse of toDisplay for a text that may hold characters without a byte:
// those are left out.
std::string fromDisplayDropping(const QString &text);

// True when the character has a byte in the 8-bit set.
bool isEncodable(QChar c);
bool isEncodable(const QString &text);

// The 8-bit upper-casing of Windows-1252: a-z, the accented small letters
// 0xE0-0xFE except the division sign, and š œ ž ÿ. Every other byte stays.
unsigned char upper(unsigned char c);
std::string upper(std::string_view bytes);
// upper() of `size` bytes from `src` into `dst`, which may be `src` itself.
// Runs of ASCII go 16 bytes at a time.
void upperInto(const char *src, std::size_t size, char *dst);

// Position of `needle` in `haystack` at or after `from`, byte for byte;
// std::string_view::npos when absent. An empty needle is never found. Looks at
// 64 positions at a time for the needle's first and last byte, so that a
// search runs at the speed of memory rather than byte by byte.
std::size_t find(std::string_view haystack, std::string_view needle, std::size_t from = 0);
// The first position at or after `from` where any of `needles` stands, as
// find() for each would give the least of; npos when none does. Up to four
// needles of two bytes or more that share their first byte are looked for in
// one pass over the bytes; others one after another.
std::size_t findAny(std::string_view haystack, std::span<const std::string_view> needles, std::size_t from = 0);

// A blank of the configuration files: a space or a tab.
inline bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// `s` without the blanks at its start and end.
std::string_view trimmed(std::string_view s);

// True when `text` begins with `prefixUpper`, comparing `text` upper-cased.
bool startsWithUpper(std::string_view text, std::string_view prefixUpper);

} // namespace text8
