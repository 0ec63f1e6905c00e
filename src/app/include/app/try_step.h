// "Prøv ved neste oppstart": a new CONFIG.SYS tried once from OS/2's boot
// menu (Alt+F1) as \OS2\BOOT\CONFIG.<key> with a line for it in
// ALTF1BOT.SCR; the tries this program made, and taking one away or into
// use. For the window and the command line alike.
#pragma once

#include "app/install_step.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class LiftedProtection;
class WriteGuard;

namespace trystep {

// "C:\OS2\BOOT\ALTF1BOT.SCR", where a try's line goes.
QString menuFile();
// "C:\OS2\BOOT\CONFIG.K"
QString tryFile(char key);

// The menu as it is on the boot drive: the bytes of its files (the top and
// middle ones empty where missing) and the names in \OS2\BOOT.
struct Menu
{
    std::string top;
    std::string middle;
    std::string bottom;
    QStringList names;
};
// Throws FileError naming the file or folder: \OS2\BOOT or ALTF1BOT.SCR
// missing, a menu file with a NUL byte or over 64 KiB, one that cannot be
// read.
Menu readMenu(const DriveMap &drives);

// The key a new try takes: `wanted` (one letter or digit, as the user gave
// it) when it is free, the first free one when `wanted` is empty. Nothing,
// with `refusal` saying why, when that key is taken or there is none.
std::optional<char> chooseKey(const Menu &menu, const QString &wanted, QString *refusal);

// A try this program made, as the lists show it.
struct TryInfo
{
    char key = 0;
    QDate date;
    QString file;     // "C:\OS2\BOOT\CONFIG.K"
    bool hasFile = false;
    QString state;    // "lik C:\CONFIG.NEW", "filen mangler" ...
};
// The tries in ALTF1BOT.SCR, in file order, each compared with CONFIG.NEW.
// Throws FileError as readMenu does for ALTF1BOT.SCR.
std::vector<TryInfo> listTries(const DriveMap &drives);
// "K  2024-05-17  C:\OS2\BOOT\CONFIG.K  (lik C:\CONFIG.NEW)"
QString describeTry(const TryInfo &info);
// That ALTF1BOT.SCR holds no try of this program's.
QString noTries();

// What to press at the next boot to start with the try `key`.
QString howToBoot(char key);

// Writes the proposal's bytes as \OS2\BOOT\CONFIG.<key>, reads them back,
// then adds the try's line to ALTF1BOT.SCR (its write protection lifted for
// the write and put back), every write through `guard`; CONFIG.SYS is not
// touched. The key: see chooseKey(). Any failure leaves every file as it
// was, and throws FileError whose message says so. Returns what was done
// and howToBoot().
QString tryNew(const WriteGuard &guard, const installstep::Proposal &proposal, const QString &key = {},
               const QDate &today = QDate::currentDate());

// The key of the try `wanted` (as the user gave it) in `menu`, the bytes of
// ALTF1BOT.SCR. Throws FileError: no letter or digit, no try with that key,
// or a line for it that the user or OS/2 wrote, which is never changed.
char tryKeyIn(const std::string &menu, const QString &wanted);

// Taking a try away: its line first, then its file, so that the menu never
// offers a key whose file is gone.
class Removal
{
public:
    // Reads ALTF1BOT.SCR, finds the try with `key` among the lines this
    // program added, and makes sure that its line and its file can go (the
    // file's protection is lifted until finish()). Throws FileError: no such
    // try (a line the user or OS/2 wrote stays), the menu as readMenu, a file
    // that may not be written or deleted, a protection that cannot be lifted.
    Removal(const WriteGuard &guard, const QString &key);
    ~Removal();
    Removal(const Removal &) = delete;
    Removal &operator=(const Removal &) = delete;

    char key() const { return m_key; }
    // Takes the line out of ALTF1BOT.SCR, every other byte as it was, then
    // deletes CONFIG.<key>. Throws FileError when the line could not be taken
    // out (the menu is then as it was); a file that cannot be deleted after
    // that is told in the message returned.
    QString finish();

private:
    const WriteGuard &m_guard;
    char m_key = 0;
    std::string m_menu;
    std::string m_without;
    bool m_hasFile = false;
    std::unique_ptr<LiftedProtection> m_lift;
};

// --untry and "Fjern prøven": Removal and finish(); a failure says that
// nothing changed.
QString untry(const WriteGuard &guard, const QString &key);

// What taking the try `key` into use would change. Throws FileError.
installstep::Proposal proposeTry(const DriveMap &drives, char key);

// Puts the try in place as CONFIG.SYS (installstep::putInPlace, with its
// copies), then takes it out of the menu. Checks first that it can go; a
// failure before CONFIG.SYS is written throws, saying that nothing changed;
// one after it is told in the message returned.
QString takeTry(const WriteGuard &guard, const installstep::Proposal &proposal, char key, const QString &dataFolder);

// `error`, ended as a sentence, and that nothing was changed.
QString nothingWritten(const QString &error);

} // namespace trystep
