// OS/2's recovery menu: the keys its files offer, and the line of a try.
#include "engine/boot_menu.h"

#include "platform/text8.h"

#include <QCoreApplication>

namespace bootmenu {
namespace {

constexpr char kCtrlZ = '\x1A';
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
constexpr std::size_t kDateLength = 10;

bool isAsciiAlnum(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

char upperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::size_t skipBlanks(std::string_view s, std::size_t at, std::size_t end)
{
    while (at < end && text8::isBlank(s[at]))
        ++at;
    return at;
}

// The menu line from `begin` to `end`, if the line offers a key.
std::optional<MenuLine> menuLineAt(std::string_view menu, std::size_t begin, std::size_t end)
{
    std::size_t at = skipBlanks(menu, begin, end);
    char close = 0;
    if (at < end && (menu[at] == '[' || menu[at] == '(' || menu[at] == '<')) {
        close = menu[at] == '[' ? ']' : menu[at] == '(' ? ')' : '>';
        ++at;
    }
    if (at >= end || !isAsciiAlnum(menu[at]))
        return std::nullopt;
    MenuLine line;
    line.key = upperAscii(menu[at]);
    line.begin = begin;
    line.keyAt = at++;
    line.end = end;
    if (close) {
        if (at >= end || menu[at] != close)
            return std::nullopt;
        at = skipBlanks(menu, at + 1, end);
        if (at < end && std::string_view("-=:.").find(menu[at]) != std::string_view::npos)
            at = skipBlanks(menu, at + 1, end);
    } else {
        at = skipBlanks(menu, at, end);
        if (at >= end || std::string_view("-=:).").find(menu[at]) == std::string_view::npos)
            return std::nullopt;
        at = skipBlanks(menu, at + 1, end);
    }
    line.textAt = at;
    return line;
}

std::size_t textEnd(std::string_view menu)
{
    return std::min(menu.find(kCtrlZ), menu.size());
}

// The line end a new line takes: that of `anchor` when it has one, else the
// first of the text, else CR LF.
std::string_view lineEnd(std::string_view menu, const MenuLine *anchor)
{
    if (anchor && anchor->next > anchor->end)
        return menu.substr(anchor->end, anchor->next - anchor->end);
    const std::size_t lf = menu.substr(0, textEnd(menu)).find('\n');
    if (lf != std::string_view::npos)
        return lf > 0 && menu[lf - 1] == '\r' ? "\r\n" : "\n";
    return "\r\n";
}

// The date of a try's text at `text` (blanks after it aside), when it is one
// for `key`.
std::optional<QDate> tryDate(std::string_view text, char key)
{
    while (!text.empty() && text8::isBlank(text.back()))
        text.remove_suffix(1);
    const std::string head = tryText(key, QDate(2000, 1, 1));
    const std::size_t dateAt = head.size() - 1 - kDateLength;
    if (text.size() != head.size() || text.substr(0, dateAt) != std::string_view(head).substr(0, dateAt)
        || text.back() != ')')
        return std::nullopt;
    const std::string_view date = text.substr(dateAt, kDateLength);
    for (std::size_t k = 0; k < date.size(); ++k)
        if (k == 4 || k == 7 ? date[k] != '-' : !(date[k] >= '0' && date[k] <= '9'))
            return std::nullopt;
    const QDate parsed = QDate::fromString(QLatin1String(date.data(), static_cast<qsizetype>(date.size())), kDateFormat);
    if (!parsed.isValid())
        return std::nullopt;
    return parsed;
}

} // namespace

std::vector<MenuLine> menuLines(std::string_view menu)
{
    std::vector<MenuLine> out;
    const std::size_t stop = textEnd(menu);
    std::size_t number = 1;
    for (std::size_t begin = 0; begin < stop; ++number) {
        const std::size_t lf = menu.substr(0, stop).find('\n', begin);
        const std::size_t next = lf == std::string_view::npos ? stop : lf + 1;
        std::size_t end = lf == std::string_view::npos ? stop : lf;
        if (lf != std::string_view::npos && end > begin && menu[end - 1] == '\r')
            --end;
        if (std::optional<MenuLine> line = menuLineAt(menu, begin, end)) {
            line->number = number;
            line->next = next;
            out.push_back(*line);
        }
        begin = next;
    }
    return out;
}

std::string tryText(char key, const QDate &date)
{
    const std::string name = std::string("CONFIG.") + key;
    return "Start med " + name + " (ny CONFIG.SYS fra os2setup "
           + date.toString(kDateFormat).toStdString()
           + ")";
}

std::vector<Try> tries(std::string_view menu)
{
    std::vector<Try> out;
    for (const MenuLine &line : menuLines(menu))
        if (const std::optional<QDate> date = tryDate(menu.substr(line.textAt, line.end - line.textAt), line.key))
            out.push_back({line.key, *date, line});
    return out;
}

std::optional<char> keyOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 128 || !isAsciiAlnum(static_cast<char>(u)))
        return std::nullopt;
    return upperAscii(static_cast<char>(u));
}

KeyState keyState(char key, const std::vector<std::string_view> &menus, const QStringList &bootFolderNames)
{
    key = upperAscii(key);
    if (Os2Keys.find(key) != std::string_view::npos)
        return KeyState::Os2Key;
    if (TryKeys.find(key) == std::string_view::npos)
        return KeyState::NotATryKey;
    for (const QString &name : bootFolderNames)
        if (name.size() == 8 && name.startsWith(QLatin1String("CONFIG."), Qt::CaseInsensitive)
            && keyOf(name.back()) == key)
            return KeyState::HasFile;
    for (const std::string_view menu : menus)
        for (const MenuLine &line : menuLines(menu))
            if (line.key == key)
                return KeyState::HasMenuLine;
    return KeyState::Free;
}

std::optional<char> firstFreeKey(const std::vector<std::string_view> &menus, const QStringList &bootFolderNames)
{
    for (const char key : TryKeys)
        if (keyState(key, menus, bootFolderNames) == KeyState::Free)
            return key;
    return std::nullopt;
}

QString keyRefusal(KeyState state, QChar key, const QString &bootFolder)
{
    const std::optional<char> k = keyOf(key);
    const QString shown = k ? QString(QLatin1Char(*k)) : QString(key);
    switch (state) {
    case KeyState::Free: break;
    case KeyState::NotATryKey:
        return QCoreApplication::translate("BootMenu", "«%1» kan ikke være tast for en prøve: bruk en bokstav A–Z eller et siffer 4–9.").arg(shown);
    case KeyState::Os2Key:
        return QCoreApplication::translate("BootMenu", "Tasten %1 bruker OS/2 selv i Alt+F1-menyen (C, M, V, X, 1, 2 og 3).").arg(shown);
    case KeyState::HasFile:
        return QCoreApplication::translate("BootMenu", "Tasten %1 er i bruk: %2\\CONFIG.%1 finnes allerede.").arg(shown, bootFolder);
    case KeyState::HasMenuLine:
        return QCoreApplication::translate("BootMenu", "Tasten %1 er i bruk: Alt+F1-menyen i %2 har allerede en linje for den.")
            .arg(shown, bootFolder);
    }
    return {};
}

QString noFreeKey(const QString &bootFolder)
{
    return QCoreApplication::translate("BootMenu", "Alle tastene A–Z og 4–9 er i bruk i Alt+F1-menyen eller av en CONFIG-fil i %1. "
                          "Fjern en prøve før du legger inn en ny.")
        .arg(bootFolder);
}

std::string tryLine(std::string_view menu, char key, const QDate &date)
{
    key = upperAscii(key);
    const std::vector<MenuLine> lines = menuLines(menu);
    if (lines.empty())
        return std::string("    ") + key + " - " + tryText(key, date);
    const MenuLine &last = lines.back();
    std::string gap(menu.substr(last.keyAt + 1, last.textAt - last.keyAt - 1));
    if (gap.empty() || !text8::isBlank(gap.back()))
        gap += ' ';
    return std::string(menu.substr(last.begin, last.keyAt - last.begin)) + key + gap + tryText(key, date);
}

std::string withTry(std::string_view menu, char key, const QDate &date)
{
    const std::vector<MenuLine> lines = menuLines(menu);
    const MenuLine *anchor = lines.empty() ? nullptr : &lines.back();
    std::size_t at;
    if (anchor) {
        at = anchor->next > anchor->end ? anchor->next : anchor->begin;
    } else {
        at = textEnd(menu);
        if (at > 0 && menu[at - 1] != '\n') {
            const std::size_t lf = menu.substr(0, at).rfind('\n');
            at = lf == std::string_view::npos ? 0 : lf + 1;
        }
    }
    std::string out(menu.substr(0, at));
    out += tryLine(menu, key, date);
    out += lineEnd(menu, anchor);
    out += menu.substr(at);
    return out;
}

std::optional<std::string> withoutTry(std::string_view menu, char key)
{
    key = upperAscii(key);
    for (const Try &t : tries(menu)) {
        if (t.key != key)
            continue;
        std::string out(menu.substr(0, t.line.begin));
        out += menu.substr(t.line.next);
        return out;
    }
    return std::nullopt;
}

} // namespace bootmenu
