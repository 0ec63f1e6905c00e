// 8-bit text of the configuration files: Windows-1252 display and 8-bit upper-casing.
#include "platform/text8.h"

#include <array>

namespace text8 {
namespace {

// Windows-1252 0x80-0x9F; the unassigned bytes keep their C1 code points.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::array<unsigned char, 256> makeUpperTable()
{
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[i] = static_cast<unsigned char>(i);
    for (int c = 'a'; c <= 'z'; ++c)
        t[c] = static_cast<unsigned char>(c - 32);
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7)
            t[c] = static_cast<unsigned char>(c - 32);
    t[0x9A] = 0x8A; // š Š
    t[0x9C] = 0x8C; // œ Œ
    t[0x9E] = 0x8E; // ž Ž
    t[0xFF] = 0x9F; // ÿ Ÿ
    return t;
}
constexpr std::array<unsigned char, 256> kUpper = makeUpperTable();

std::optional<unsigned char> byteOf(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<unsigned char>(u);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == u)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

} // namespace

QString toDisplay(std::string_view bytes)
{
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar *dst = out.data();
    for (unsigned char b : bytes) {
        char16_t u = b;
        if (b >= 0x80 && b < 0xA0)
            u = kHigh[b - 0x80];
        *dst++ = QChar(u);
    }
    return out;
}

std::optional<std::string> fromDisplay(const QString &text)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        auto b = byteOf(c.unicode());
        if (!b)
            return std::nullopt;
        out.push_back(static_cast<char>(*b));
    }
    return out;
}

std::string fromDisplayDropping(const QString &text)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text)
        if (const auto b = byteOf(c.unicode()))
            out.push_back(static_cast<char>(*b));
    return out;
}

bool isEncodable(QChar c)
{
    return byteOf(c.unicode()).has_value();
}

bool isEncodable(const QString &text)
{
    for (QChar c : text)
        if (!isEncodable(c))
            return false;
    return true;
}

unsigned char upper(unsigned char c)
{
    return kUpper[c];
}

std::string upper(std::string_view bytes)
{
    std::string out(bytes);
    for (char &c : out)
        c = static_cast<char>(kUpper[static_cast<unsigned char>(c)]);
    return out;
}

std::size_t findUpper(std::string_view haystack, std::string_view needleUpper)
{
    const std::size_t n = needleUpper.size();
    if (n == 0 || n > haystack.size())
        return std::string_view::npos;
    const auto first = static_cast<unsigned char>(needleUpper[0]);
    for (std::size_t i = 0; i + n <= haystack.size(); ++i) {
        if (kUpper[static_cast<unsigned char>(haystack[i])] != first)
            continue;
        std::size_t k = 1;
        while (k < n && kUpper[static_cast<unsigned char>(haystack[i + k])]
                            == static_cast<unsigned char>(needleUpper[k]))
            ++k;
        if (k == n)
            return i;
    }
    return std::string_view::npos;
}

bool startsWithUpper(std::string_view text, std::string_view prefixUpper)
{
    if (text.size() < prefixUpper.size())
        return false;
    for (std::size_t i = 0; i < prefixUpper.size(); ++i)
        if (kUpper[static_cast<unsigned char>(text[i])] != static_cast<unsigned char>(prefixUpper[i]))
            return false;
    return true;
}

} // namespace text8
