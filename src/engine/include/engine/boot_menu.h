// OS/2's recovery menu (Alt+F1 at the start of the boot): the keys its text
// files offer, and the one line this program adds to \OS2\BOOT\ALTF1BOT.SCR
// for a try of a new CONFIG.SYS kept as \OS2\BOOT\CONFIG.<key>. Pure
// functions over the files' bytes.
//
// OS/2 shows ALTF1TOP.SCR, ALTF1MID.SCR and ALTF1BOT.SCR of \OS2\BOOT one
// after the other as the menu's text, and waits for a key; the key of a
// letter or digit that OS/2 does not use itself (C, M, V, X, 1, 2, 3) boots
// with \OS2\BOOT\CONFIG.<key> in place of CONFIG.SYS. The text is only shown:
// which key starts which file is OS/2's own rule, not read from the text, so
// a menu line is a convention ("  L - LAN configuration", "[Z] Mine"), and the
// one added here copies the shape of the file's last one. Sources (more in
// the README, "Try it from the boot menu"): D. Casey, "Multiple Boot
// Configurations", VOICE Newsletter 8/1998,
// http://www.os2voice.org/VNL/past_issues/VNL0898H/vnewsf2.htm (the keys OS/2
// keeps, ALTF1BOT.SCR read-only); D. Kuminov, "Alt-F1 – что и как?", OS/2 FAQ,
// http://osfree.org./doku/doku.php?do=export_xhtml&id=ru%3Aos2faq%3Aos2gen%3Aos2gen.009
// (the three files shown in order, which keys OS/2 takes).
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bootmenu {

// The keys a try may take, in the order they are handed out.
inline constexpr std::string_view TryKeys = "ABCDEFGHIJKLMNOPQRSTUVWXYZ456789";
// The keys of the menu that OS/2 keeps for itself.
inline constexpr std::string_view Os2Keys = "CMVX123";

// A line of a menu file that offers a key: after blanks, a letter or digit,
// either in brackets ("[Z]", "(Z)", "<Z>") or followed, after blanks, by one
// of "-", "=", ":", ")", "." ("C - ...", "2) ..."). "ESC - ..." and
// "F2 - ..." offer no key of this kind. The text of a menu file ends at its
// first Ctrl-Z; lines end at LF (CR LF or LF).
struct MenuLine
{
    char key = 0;            // upper case
    std::size_t number = 0;  // counted from 1
    std::size_t begin = 0;   // its first byte
    std::size_t keyAt = 0;   // its key
    std::size_t textAt = 0;  // its text, after the key, bracket, separator and blanks
    std::size_t end = 0;     // after its last byte, before its line end
    std::size_t next = 0;    // after its line end; `end` when it has none
};
[[nodiscard]] std::vector<MenuLine> menuLines(std::string_view menu);

// The text of the line this program adds for a try with `key`, after the key
// and separator: "Start med CONFIG.K (ny CONFIG.SYS fra os2setup 2024-05-17)".
// ASCII only, so that it reads the same in every code page OS/2 may show it
// in.
[[nodiscard]] std::string tryText(char key, const QDate &date);

// A try this program added: a menu line whose text is exactly tryText() of
// its own key and a valid date (blanks after it aside).
struct Try
{
    char key = 0;
    QDate date;
    MenuLine line;
};
[[nodiscard]] std::vector<Try> tries(std::string_view menu);

// `c` as a key a try may take (a letter in either case or a digit, upper
// case); nothing for any other character.
[[nodiscard]] std::optional<char> keyOf(QChar c);

enum class KeyState {
    Free,
    NotATryKey,  // not A-Z or 4-9
    Os2Key,      // one OS/2 uses itself
    HasFile,     // a CONFIG.<key> in the boot folder, in any letter case
    HasMenuLine, // a line of one of the menu files offers it
};
// Whether a try may take `key`, given the bytes of the menu files there are
// and the names in \OS2\BOOT.
[[nodiscard]] KeyState keyState(char key, const std::vector<std::string_view> &menus,
                                const QStringList &bootFolderNames);
// The first key of TryKeys that is Free; nothing when every one is taken.
[[nodiscard]] std::optional<char> firstFreeKey(const std::vector<std::string_view> &menus,
                                               const QStringList &bootFolderNames);

// Why `key` cannot be used (for any state but Free), in Norwegian;
// `bootFolder` is the DOS path of \OS2\BOOT ("C:\OS2\BOOT").
[[nodiscard]] QString keyRefusal(KeyState state, QChar key, const QString &bootFolder);
// That every key is taken.
[[nodiscard]] QString noFreeKey(const QString &bootFolder);

// The whole line (without its line end) that withTry() adds: the blanks,
// brackets and separator of the file's last menu line around `key`, then
// tryText(); "    K - " and tryText() in a file without menu lines.
[[nodiscard]] std::string tryLine(std::string_view menu, char key, const QDate &date);

// `menu` with tryLine() added, followed by the line end the file uses (that
// of its last menu line, else its first, else CR LF): right after the last
// menu line, else at the end of the text (before a Ctrl-Z). The line always
// starts a line and carries its own line end: in a file whose last line has
// none, it goes in front of that line. Every other byte stays as it was.
[[nodiscard]] std::string withTry(std::string_view menu, char key, const QDate &date);

// `menu` without the first try with `key` and its line end, every other byte
// as it was; nothing when no try has that key. withoutTry(withTry(m, k, d), k)
// is `m` again for a key that m offers no line for.
[[nodiscard]] std::optional<std::string> withoutTry(std::string_view menu, char key);

} // namespace bootmenu
