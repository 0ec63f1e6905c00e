// Fuzz target: the 8-bit text conversion and upper-casing, against plain references.
#include "fuzz_check.h"
#include "platform/text8.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

unsigned char referenceUpper(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 32;
    switch (c) {
    case 0x9A: return 0x8A; // š
    case 0x9C: return 0x8C; // œ
    case 0x9E: return 0x8E; // ž
    case 0xFF: return 0x9F; // ÿ
    default: return c;
    }
}

std::size_t referenceFind(std::string_view haystack, std::string_view needle, std::size_t from)
{
    if (needle.empty())
        return std::string_view::npos;
    for (std::size_t i = from; i + needle.size() <= haystack.size(); ++i)
        if (haystack.substr(i, needle.size()) == needle)
            return i;
    return std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);

    // Every byte is one character, and comes back the same.
    const QString shown = text8::toDisplay(bytes);
    FUZZ_CHECK(static_cast<std::size_t>(shown.size()) == size);
    FUZZ_CHECK(text8::isDisplayOf(shown, bytes));
    FUZZ_CHECK(text8::fromDisplay(shown) == std::string(bytes));
    FUZZ_CHECK(text8::fromDisplayDropping(shown) == bytes);
    FUZZ_CHECK(text8::isEncodable(shown));
    if (size > 0) {
        std::string other(bytes);
        other.back() = static_cast<char>(other.back() ^ 0x20);
        FUZZ_CHECK(!text8::isDisplayOf(shown, other));
    }

    // Upper-casing, whole and in place.
    std::string upper(bytes);
    for (char &c : upper)
        c = static_cast<char>(referenceUpper(static_cast<unsigned char>(c)));
    FUZZ_CHECK(text8::upper(bytes) == upper);
    std::string inPlace(bytes);
    text8::upperInto(inPlace.data(), inPlace.size(), inPlace.data());
    FUZZ_CHECK(inPlace == upper);

    // The search: the first byte picks the needle's length, the rest is searched.
    if (size > 1) {
        const std::size_t length = data[0] % 9;
        const std::string_view rest = bytes.substr(1);
        const std::string_view needle = rest.substr(0, std::min(length, rest.size()));
        const std::string_view haystack = rest.substr(needle.size());
        const std::size_t from = data[0] / 9 % 4;
        FUZZ_CHECK(text8::find(haystack, needle, from) == referenceFind(haystack, needle, from));
        FUZZ_CHECK(text8::startsWithUpper(haystack, needle)
                   == (haystack.size() >= needle.size() && upper.substr(1 + needle.size(), needle.size()) == needle));
    }

    // The same bytes read as UTF-16 text: it has bytes exactly when every
    // character is encodable, and those bytes show as the text again.
    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * 2);
    const QString text(reinterpret_cast<const QChar *>(units.data()), static_cast<qsizetype>(units.size()));
    const std::optional<std::string> back = text8::fromDisplay(text);
    FUZZ_CHECK(back.has_value() == text8::isEncodable(text));
    if (back)
        FUZZ_CHECK(text8::toDisplay(*back) == text);
    return 0;
}
