// The OEM (DOS code page 850) character set, for text that DOS files must hold.
#include "platform/oem_text.h"

#include "platform/text8.h"

#include <QString>

#include <array>

namespace oem {
namespace {

// Code page 850, bytes 0x80 to 0xFF.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, // 80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5, // 88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, // 90
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, // 98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA, // A0
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, // A8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, // B0
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, // C8
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, // D0
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, // D8
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, // E0
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, // E8
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8, // F0
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0, // F8
};

bool holds(QChar c)
{
    return inCodePage850(c) && text8::isEncodable(c);
}

} // namespace

bool inCodePage850(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return true;
    for (char16_t v : kUpperHalf)
        if (v == u)
            return true;
    return false;
}

QChar nearestOemCharacter(QChar c)
{
    if (holds(c))
        return c;
    switch (c.unicode()) {
    case 0x2018: case 0x2019: case 0x201A: case 0x2039: case 0x203A:
        return u'\'';
    case 0x201C: case 0x201D: case 0x201E:
        return u'"';
    case 0x2013: case 0x2014: case 0x2212:
        return u'-';
    case 0x2022:
        return QChar(0x00B7);
    case 0x02DC:
        return u'~';
    case 0x02C6:
        return u'^';
    default:
        break;
    }
    // A letter with a mark that DOS lacks becomes the letter alone (š → s).
    const QString decomposed = QString(c).normalized(QString::NormalizationForm_KD);
    if (decomposed.isEmpty() || decomposed.at(0) == c || decomposed.at(0).unicode() < 0x20
        || !holds(decomposed.at(0)))
        return QChar();
    for (qsizetype i = 1; i < decomposed.size(); ++i)
        if (!decomposed.at(i).isMark())
            return QChar(); // several letters (a ligature): no single nearest one
    return decomposed.at(0);
}

QString fromCodePage850(std::string_view bytes)
{
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b < 0x80 ? char16_t(b) : kUpperHalf[b - 0x80]);
    }
    return text;
}

} // namespace oem
