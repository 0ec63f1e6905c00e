// "Prøv ved neste oppstart": a try of a new CONFIG.SYS in OS/2's boot menu.
#include "app/try_step.h"

#include "engine/boot_menu.h"
#include "platform/boot_menu_files.h"
#include "platform/file_error.h"
#include "platform/line_file.h"
#include "platform/text8.h"
#include "platform/write_guard.h"
#include "platform/write_protection.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace trystep {
namespace {

constexpr QChar kDrive = installstep::BootDrive;

QString ended(const QString &text)
{
    const bool done = text.endsWith(u'.') || text.endsWith(u'!') || text.endsWith(u'?');
    return done ? text : text + u'.';
}

QString keyText(char key)
{
    return QString(QLatin1Char(key));
}

// Whether anything stands at `dosPath`: a file, a folder, a link.
bool present(const DriveMap &drives, const QString &dosPath)
{
    const QFileInfo info(drives.resolve(dosPath));
    return info.exists() || info.isSymLink();
}

// A failure after which a file is left as it was not: its message tells
// what is left, and is not followed by "nothing changed".
struct PartlyDone : FileError
{
    using FileError::FileError;
};

// Deletes the try's file that tryNew() has just written, after `error`; what
// stands in the way is told with it.
[[noreturn]] void takeFileBack(const WriteGuard &guard, const QString &file, const FileError &error)
{
    try {
        guard.checkRemove(file);
        linefile::remove(guard.drives(), file);
    } catch (const FileError &e) {
        throw PartlyDone(QCoreApplication::translate("TryStep", "%1 %2 ble skrevet, men kan ikke slettes igjen: %3 Uten en linje i menyen "
                                        "brukes den ikke; slett den selv.")
                             .arg(ended(error.message()), file, ended(e.message())));
    }
    throw error;
}

} // namespace

QString menuFile()
{
    return menufiles::menuFile(kDrive, menufiles::Part::Bottom);
}

QString tryFile(char key)
{
    return menufiles::tryFile(kDrive, key);
}

Menu readMenu(const DriveMap &drives)
{
    Menu menu;
    menu.names = menufiles::folderNames(drives, menufiles::bootFolder(kDrive));
    menu.bottom = menufiles::read(drives, menuFile());
    menu.top = menufiles::readIfPresent(drives, menufiles::menuFile(kDrive, menufiles::Part::Top)).value_or("");
    menu.middle = menufiles::readIfPresent(drives, menufiles::menuFile(kDrive, menufiles::Part::Middle)).value_or("");
    return menu;
}

std::optional<char> chooseKey(const Menu &menu, const QString &wanted, QString *refusal)
{
    const std::vector<std::string_view> texts{menu.top, menu.middle, menu.bottom};
    const QString folder = menufiles::bootFolder(kDrive);
    if (wanted.isEmpty()) {
        const std::optional<char> key = bootmenu::firstFreeKey(texts, menu.names);
        if (!key)
            *refusal = bootmenu::noFreeKey(folder);
        return key;
    }
    const std::optional<char> key = wanted.size() == 1 ? bootmenu::keyOf(wanted.front()) : std::nullopt;
    const bootmenu::KeyState state = key ? bootmenu::keyState(*key, texts, menu.names) : bootmenu::KeyState::NotATryKey;
    if (state == bootmenu::KeyState::Free)
        return key;
    *refusal = wanted.size() == 1 ? bootmenu::keyRefusal(state, wanted.front(), folder)
                                  : QCoreApplication::translate("TryStep", "«%1» kan ikke være tast for en prøve: bruk én bokstav A–Z eller "
                                                   "ett siffer 4–9.")
                                        .arg(wanted);
    return std::nullopt;
}

std::vector<TryInfo> listTries(const DriveMap &drives)
{
    const std::string menu = menufiles::read(drives, menuFile());
    std::optional<std::string> fresh;
    QString freshProblem;
    try {
        if (present(drives, installstep::configNew()))
            fresh = linefile::readBytes(drives, installstep::configNew());
        else
            freshProblem = QCoreApplication::translate("TryStep", "%1 finnes ikke").arg(installstep::configNew());
    } catch (const FileError &e) {
        freshProblem = e.message();
    }
    std::vector<TryInfo> out;
    for (const bootmenu::Try &t : bootmenu::tries(menu)) {
        TryInfo info{t.key, t.date, tryFile(t.key), false, QString()};
        try {
            if (!present(drives, info.file)) {
                info.state = QCoreApplication::translate("TryStep", "filen mangler");
            } else {
                const std::string bytes = linefile::readBytes(drives, info.file);
                info.hasFile = true;
                info.state = !fresh ? freshProblem
                             : bytes == *fresh ? QCoreApplication::translate("TryStep", "lik %1").arg(installstep::configNew())
                                               : QCoreApplication::translate("TryStep", "ikke lik %1").arg(installstep::configNew());
            }
        } catch (const FileError &e) {
            info.state = QCoreApplication::translate("TryStep", "kan ikke leses: %1").arg(e.message());
        }
        out.push_back(info);
    }
    return out;
}

QString describeTry(const TryInfo &info)
{
    return QStringLiteral("%1  %2  %3  (%4)")
        .arg(keyText(info.key), info.date.toString(QStringLiteral("yyyy-MM-dd")), info.file, info.state);
}

QString noTries()
{
    return QCoreApplication::translate("TryStep", "Alt+F1-menyen (%1) har ingen prøver fra os2setup.").arg(menuFile());
}

QString howToBoot(char key)
{
    return QCoreApplication::translate("TryStep", "Ved neste oppstart: trykk Alt+F1 mens den lille hvite boksen med «OS/2» står øverst til "
                          "venstre på skjermen, og trykk så %1 i menyen som kommer opp. OS/2 starter da én gang med "
                          "%2; neste vanlige oppstart bruker %3 som før.")
        .arg(keyText(key), tryFile(key), installstep::configSys());
}

QString nothingWritten(const QString &error)
{
    return ended(error) + QCoreApplication::translate("TryStep", " Ingenting er endret.");
}

QString tryNew(const WriteGuard &guard, const installstep::Proposal &proposal, const QString &wanted,
               const QDate &today)
{
    const DriveMap &drives = guard.drives();
    const QString menu = menuFile();
    try {
        guard.checkRead(menu);
        const Menu current = readMenu(drives);
        QString refusal;
        const std::optional<char> key = chooseKey(current, wanted, &refusal);
        if (!key)
            throw FileError(refusal);
        const QString file = tryFile(*key);
        const std::string added = bootmenu::withTry(current.bottom, *key, today);
        if (added.size() > menufiles::MaxMenuBytes)
            throw FileError(QCoreApplication::translate("TryStep", "Kan ikke legge en linje til %1: filen blir da på %2 byte, men en menyfil "
                                           "kan ha høyst 64 KiB")
                                .arg(menu)
                                .arg(added.size()));
        guard.checkWrite(file);
        guard.checkWrite(menu);
        if (present(drives, file))
            throw FileError(bootmenu::keyRefusal(bootmenu::KeyState::HasFile, QLatin1Char(*key),
                                                 menufiles::bootFolder(kDrive)));
        LiftedProtection lift(drives, menu);

        linefile::saveBytes(drives, file, proposal.proposed);
        try {
            guard.checkRead(file);
            if (linefile::readBytes(drives, file) != proposal.proposed)
                throw FileError(QCoreApplication::translate("TryStep", "%1 ble skrevet, men det som ble lest tilbake er ikke det som ble "
                                               "skrevet")
                                    .arg(file));
            menufiles::replace(guard, menu, current.bottom, added);
        } catch (const FileError &e) {
            // The file goes again only while the menu offers no line for it.
            bool menuAsItWas = false;
            try {
                menuAsItWas = menufiles::read(drives, menu) == current.bottom;
            } catch (const FileError &) {
            }
            if (!menuAsItWas)
                throw PartlyDone(QCoreApplication::translate("TryStep", "%1 %2 er latt stå, siden %3 kan ha fått linjen for den.")
                                     .arg(ended(e.message()), file, menu));
            takeFileBack(guard, file, e);
        }
        QString warning;
        try {
            lift.putBack();
        } catch (const FileError &e) {
            warning = u' ' + ended(e.message());
        }
        const std::string line = bootmenu::tryLine(current.bottom, *key, today);
        return QCoreApplication::translate("TryStep", "%1 er lagt inn som %2, og Alt+F1-menyen (%3) har fått linjen «%4». %5 er ikke endret.")
                   .arg(proposal.source, file, menu, text8::toDisplay(line).trimmed(), installstep::configSys())
               + warning + u'\n' + howToBoot(*key)
               + QCoreApplication::translate("TryStep", "\nVirker den, ta den i bruk med «Gjenopprett CONFIG.SYS…» eller «os2setup "
                                "--install-new --key %1»; fjern den med «Fjern prøven» der eller «os2setup --untry "
                                "%1».")
                     .arg(keyText(*key));
    } catch (const PartlyDone &) {
        throw;
    } catch (const FileError &e) {
        throw FileError(nothingWritten(e.message()));
    }
}

char tryKeyIn(const std::string &menu, const QString &wanted)
{
    const std::optional<char> key = wanted.size() == 1 ? bootmenu::keyOf(wanted.front()) : std::nullopt;
    if (!key)
        throw FileError(QCoreApplication::translate("TryStep", "«%1» er ingen tast i Alt+F1-menyen: bruk én bokstav eller ett siffer").arg(wanted));
    for (const bootmenu::Try &t : bootmenu::tries(menu))
        if (t.key == *key)
            return *key;
    bool offered = false;
    for (const bootmenu::MenuLine &line : bootmenu::menuLines(menu))
        offered = offered || line.key == *key;
    throw FileError(offered ? QCoreApplication::translate("TryStep", "Linjen for tasten %1 i %2 er ikke lagt inn av os2setup, og blir ikke endret")
                                  .arg(keyText(*key), menuFile())
                            : QCoreApplication::translate("TryStep", "%1 har ingen prøve med tasten %2").arg(menuFile(), keyText(*key)));
}

Removal::Removal(const WriteGuard &guard, const QString &wanted)
    : m_guard(guard)
{
    const DriveMap &drives = guard.drives();
    const QString menu = menuFile();
    guard.checkRead(menu);
    m_menu = menufiles::read(drives, menu);
    m_key = tryKeyIn(m_menu, wanted);
    m_without = bootmenu::withoutTry(m_menu, m_key).value();
    const QString file = tryFile(m_key);
    guard.checkWrite(menu);
    m_hasFile = present(drives, file);
    if (m_hasFile) {
        guard.checkRemove(file);
        linefile::checkRemovable(drives, file);
    }
    m_lift = std::make_unique<LiftedProtection>(drives, menu);
}

Removal::~Removal() = default;

QString Removal::finish()
{
    const QString menu = menuFile(), file = tryFile(m_key);
    menufiles::replace(m_guard, menu, m_menu, m_without);
    QString warning;
    try {
        m_lift->putBack();
    } catch (const FileError &e) {
        warning = u' ' + ended(e.message());
    }
    const QString taken = QCoreApplication::translate("TryStep", "Prøven %1 er tatt ut av Alt+F1-menyen (%2).").arg(keyText(m_key), menu);
    if (!m_hasFile)
        return taken + warning + QCoreApplication::translate("TryStep", " %1 fantes ikke.").arg(file);
    try {
        m_guard.checkRemove(file);
        linefile::remove(m_guard.drives(), file);
    } catch (const FileError &e) {
        return taken + warning
               + QCoreApplication::translate("TryStep", " Men %1 kan ikke slettes: %2 Slett den selv; uten linjen i menyen brukes den ikke.")
                     .arg(file, ended(e.message()));
    }
    return taken + warning + QCoreApplication::translate("TryStep", " %1 er slettet.").arg(file);
}

QString untry(const WriteGuard &guard, const QString &key)
{
    try {
        Removal removal(guard, key);
        return removal.finish();
    } catch (const FileError &e) {
        throw FileError(nothingWritten(e.message()));
    }
}

installstep::Proposal proposeTry(const DriveMap &drives, char key)
{
    return installstep::proposeBytes(drives, tryFile(key), linefile::readBytes(drives, tryFile(key)));
}

QString takeTry(const WriteGuard &guard, const installstep::Proposal &proposal, char key, const QString &dataFolder)
{
    std::optional<Removal> removal;
    QString placed;
    try {
        removal.emplace(guard, QString(QLatin1Char(key)));
        placed = installstep::putInPlace(guard, proposal, dataFolder);
    } catch (const FileError &e) {
        throw FileError(installstep::nothingChanged(e.message()));
    }
    try {
        return placed + u' ' + removal->finish();
    } catch (const FileError &e) {
        return placed
               + QCoreApplication::translate("TryStep", " Men prøven %1 er ikke tatt ut av Alt+F1-menyen: %2 Fjern den med «os2setup --untry %1».")
                     .arg(keyText(key), ended(e.message()));
    }
}

} // namespace trystep
