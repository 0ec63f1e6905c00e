// The OEM (DOS code page 850) character set, for text that DOS files must hold.
#pragma once

#include <QChar>
#include <QString>

#include <string_view>

namespace oem {

// True when code page 850 has the character (and so DOS can show it).
bool inCodePage850(QChar c);

// What a typed character becomes in a DOS text: the character itself when code
// page 850 and the 8-bit set both hold it, else its nearest such form (a letter
// without its accent, straight quotes for curly ones, a hyphen for a dash), else
// a null QChar: the character is refused.
QChar nearestOemCharacter(QChar c);

// `bytes` read as code page 850, the code page OS/2 writes file names in.
QString fromCodePage850(std::string_view bytes);

} // namespace oem
