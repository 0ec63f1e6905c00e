// 8-bit text of the configuration files: Windows-1252 display and 8-bit upper-casing.
#include "platform/text8.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The character a byte shows as.
constexpr char16_t charOf(unsigned char b)
{
    return b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : static_cast<char16_t>(b);
}

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
    for (unsigned char b : bytes)
        *dst++ = QChar(charOf(b));
    return out;
}

bool isDisplayOf(const QString &text, std::string_view bytes)
{
    if (static_cast<std::size_t>(text.size()) != bytes.size())
        return false;
    const QChar *c = text.constData();
    for (unsigned char b : bytes)
        if (c++->unicode() != charOf(b))
            return false;
    return true;
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
    upperInto(out.data(), out.size(), out.data());
    return out;
}

void upperInto(const char *src, std::size_t size, char *dst)
{
    std::size_t i = 0;
#if defined(__SSE2__)
    // A block of 16 ASCII bytes: a-z lose 32. A block with any byte of 0x80 or
    // more (national letters) goes through the table below.
    const __m128i beforeA = _mm_set1_epi8('a' - 1);
    const __m128i afterZ = _mm_set1_epi8('z' + 1);
    const __m128i caseBit = _mm_set1_epi8(0x20);
    for (; i + 16 <= size; i += 16) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + i));
        if (_mm_movemask_epi8(v) != 0) {
            for (std::size_t k = i; k < i + 16; ++k)
                dst[k] = static_cast<char>(kUpper[static_cast<unsigned char>(src[k])]);
            continue;
        }
        // Signed comparisons hold for bytes below 0x80.
        const __m128i small = _mm_and_si128(_mm_cmpgt_epi8(v, beforeA), _mm_cmplt_epi8(v, afterZ));
        v = _mm_sub_epi8(v, _mm_and_si128(small, caseBit));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + i), v);
    }
#endif
    for (; i < size; ++i)
        dst[i] = static_cast<char>(kUpper[static_cast<unsigned char>(src[i])]);
}

#if defined(__SSE2__)
namespace {

// The bits of a byte mask of 16 positions, one per position.
std::uint64_t bits(__m128i m)
{
    return static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(m)));
}

// Moves `i` on in blocks of 64 positions while a block fits below `end` (the
// first position a match can no longer start at, plus one), asking
// `candidates` for four blocks of 16 at once and `compare` only for the
// blocks that hold a candidate. Returns the first hit, or npos with `i` at
// the first position not yet looked at.
template <typename Candidates, typename Compare>
std::size_t scanBlocksOf64(std::size_t &i, std::size_t end, const Candidates &candidates, const Compare &compare)
{
    for (; i + 64 <= end; i += 64) {
        const __m128i c0 = candidates(i);
        const __m128i c1 = candidates(i + 16);
        const __m128i c2 = candidates(i + 32);
        const __m128i c3 = candidates(i + 48);
        if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(c0, c1), _mm_or_si128(c2, c3))) == 0)
            continue;
        const std::uint64_t mask = bits(c0) | bits(c1) << 16 | bits(c2) << 32 | bits(c3) << 48;
        if (const std::size_t hit = compare(i, mask); hit != std::string_view::npos)
            return hit;
    }
    return std::string_view::npos;
}

} // namespace
#endif

std::size_t find(std::string_view haystack, std::string_view needle, std::size_t from)
{
    const std::size_t n = needle.size();
    const std::size_t size = haystack.size();
    if (n == 0 || from > size || n > size - from)
        return std::string_view::npos;
    const char *const h = haystack.data();
    if (n == 1) {
        const void *hit = std::memchr(h + from, needle[0], size - from);
        return hit ? static_cast<std::size_t>(static_cast<const char *>(hit) - h) : std::string_view::npos;
    }
    std::size_t i = from;
#if defined(__SSE2__)
    // Candidates are the positions where both the first and the last byte of
    // the needle stand; only those are compared in full. Four blocks of 16
    // positions are tried together, since most of the time none of them is one.
    const __m128i first = _mm_set1_epi8(needle.front());
    const __m128i last = _mm_set1_epi8(needle.back());
    const auto candidates = [&](std::size_t at) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(h + at));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(h + at + n - 1));
        return _mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last));
    };
    const auto compare = [&](std::size_t at, std::uint64_t mask) -> std::size_t {
        for (; mask != 0; mask &= mask - 1) {
            const std::size_t hit = at + static_cast<std::size_t>(std::countr_zero(mask));
            if (std::memcmp(h + hit + 1, needle.data() + 1, n - 2) == 0)
                return hit;
        }
        return std::string_view::npos;
    };
    if (const std::size_t hit = scanBlocksOf64(i, size - (n - 1), candidates, compare); hit != std::string_view::npos)
        return hit;
    for (; i + n - 1 + 16 <= size; i += 16) {
        if (const std::size_t hit = compare(i, bits(candidates(i))); hit != std::string_view::npos)
            return hit;
    }
#endif
    return haystack.find(needle, i);
}

std::size_t findAny(std::string_view haystack, std::span<const std::string_view> needles, std::size_t from)
{
    const std::size_t size = haystack.size();
    std::size_t longest = 0;
    bool usable = !needles.empty() && needles.size() <= 4;
    for (std::string_view needle : needles) {
        longest = std::max(longest, needle.size());
        usable = usable && needle.size() >= 2 && needle.front() == needles.front().front();
    }
    const auto leastOfEach = [&](std::size_t at) {
        std::size_t best = std::string_view::npos;
        for (std::string_view needle : needles)
            best = std::min(best, find(haystack, needle, at));
        return best;
    };
    if (!usable || from > size)
        return leastOfEach(from);
    std::size_t i = from;
#if defined(__SSE2__)
    // As find(), for needles that share their first byte: the positions where
    // that byte stands and, for some needle, its last byte too; only those
    // are compared in full, in order. Four blocks of 16 positions at a time.
    const char *const h = haystack.data();
    const std::size_t count = needles.size();
    const __m128i first = _mm_set1_epi8(needles.front().front());
    __m128i last[4];
    for (std::size_t k = 0; k < count; ++k)
        last[k] = _mm_set1_epi8(needles[k].back());
    const auto candidates = [&](std::size_t at) {
        __m128i any = _mm_setzero_si128();
        for (std::size_t k = 0; k < count; ++k) {
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(h + at + needles[k].size() - 1));
            any = _mm_or_si128(any, _mm_cmpeq_epi8(b, last[k]));
        }
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(h + at));
        return _mm_and_si128(any, _mm_cmpeq_epi8(a, first));
    };
    const auto compare = [&](std::size_t at, std::uint64_t mask) -> std::size_t {
        for (; mask != 0; mask &= mask - 1) {
            const std::size_t hit = at + static_cast<std::size_t>(std::countr_zero(mask));
            for (std::string_view needle : needles)
                if (std::memcmp(h + hit, needle.data(), needle.size()) == 0)
                    return hit;
        }
        return std::string_view::npos;
    };
    if (longest <= size)
        if (const std::size_t hit = scanBlocksOf64(i, size - (longest - 1), candidates, compare);
            hit != std::string_view::npos)
            return hit;
#endif
    return leastOfEach(i);
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

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace text8
