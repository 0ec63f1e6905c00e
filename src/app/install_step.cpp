// "Ta i bruk CONFIG.NEW" and "Gjenopprett CONFIG.SYS", for the window and the
// command line alike.
#include "app/install_step.h"

#include "platform/file_error.h"
#include "platform/line_file.h"
#include "platform/text8.h"
#include "platform/write_guard.h"
#include "workspace/changes_model.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <pwd.h>
#include <unistd.h>

namespace installstep {
namespace {

Lines linesOf(const std::string &bytes)
{
    return linefile::split(bytes.data(), bytes.size());
}

Proposal propose(const DriveMap &drives, const QString &source, std::optional<std::string> current,
                 std::string proposed)
{
    Proposal p;
    p.source = source;
    p.noConfigSys = !current;
    p.current = std::move(current).value_or(std::string());
    p.proposed = std::move(proposed);
    p.currentLines = linesOf(p.current);
    p.proposedLines = linesOf(p.proposed);
    p.rows = linediff::rows(p.currentLines, p.proposedLines);
    try {
        p.report = bootcheck::checkDocument(p.proposedLines, drives, BootDrive);
    } catch (const FileError &e) {
        p.checkError = e.message();
    }
    return p;
}

} // namespace

QString configSys()
{
    return configcopies::onDrive(BootDrive, QStringLiteral("CONFIG.SYS"));
}

QString configNew()
{
    return configcopies::onDrive(BootDrive, QStringLiteral("CONFIG.NEW"));
}

std::optional<std::string> currentConfigSys(const DriveMap &drives)
{
    // A name that is there in any form (a link that leads nowhere too) is read,
    // and refused as "Hent" refuses it.
    const QFileInfo info(drives.resolve(configSys()));
    if (info.exists() || info.isSymLink())
        return linefile::readBytes(drives, configSys());
    const QString os2 = configcopies::onDrive(BootDrive, QStringLiteral("OS2"));
    if (!QFileInfo(drives.resolve(os2)).isDir())
        throw FileError(QCoreApplication::translate("InstallStep", "Kan ikke lese %1: filen finnes ikke, og %2: (%3) har ingen OS2-mappe. "
                                       "Er OS/2-partisjonen montert der?")
                            .arg(configSys(), BootDrive, QDir::toNativeSeparators(drives.drive(BootDrive))));
    return std::nullopt;
}

std::optional<Proposal> proposeNew(const DriveMap &drives, QString *nothing)
{
    std::optional<std::string> current = currentConfigSys(drives);
    // A missing CONFIG.NEW is nothing to do; anything else there that is no
    // plain file is refused as "Hent" refuses it.
    const QFileInfo fresh(drives.resolve(configNew()));
    if (!fresh.exists() && !fresh.isSymLink()) {
        *nothing = QCoreApplication::translate("InstallStep", "%1 finnes ikke: det er ingenting å ta i bruk. Lagre først med «Lagre» i os2setup.")
                       .arg(configNew());
        return std::nullopt;
    }
    std::string proposed = linefile::readBytes(drives, configNew());
    if (proposed == current) {
        *nothing = QCoreApplication::translate("InstallStep", "%1 er lik %2 byte for byte: det er ingenting å ta i bruk.")
                       .arg(configNew(), configSys());
        return std::nullopt;
    }
    return propose(drives, configNew(), std::move(current), std::move(proposed));
}

Proposal proposeBytes(const DriveMap &drives, const QString &source, std::string bytes)
{
    return propose(drives, source, currentConfigSys(drives), std::move(bytes));
}

Proposal proposeCopy(const DriveMap &drives, const configcopies::Copy &copy)
{
    return propose(drives, copy.name, currentConfigSys(drives), configcopies::read(drives, copy));
}

QStringList describeRows(const std::vector<linediff::Row> &rows)
{
    QStringList out;
    for (const linediff::Row &row : rows) {
        switch (row.kind) {
        case linediff::Row::Kind::Changed: out << changerow::changed(row.beforeLine, row.before, row.after); break;
        case linediff::Row::Kind::Added: out << changerow::added(row.afterLine, row.after); break;
        case linediff::Row::Kind::Removed: out << changerow::removed(row.beforeLine, row.before); break;
        }
    }
    return out;
}

int linesDiffering(const DriveMap &drives, const configcopies::Copy &copy, const Lines &today)
{
    try {
        return linediff::count(linediff::rows(today, linesOf(configcopies::read(drives, copy)))).total();
    } catch (const FileError &) {
        return -1;
    }
}

namespace {

QString kindOf(const configcopies::Copy &copy)
{
    switch (copy.kind) {
    case configcopies::Copy::Kind::Numbered: return QCoreApplication::translate("InstallStep", "tidligere CONFIG.SYS");
    case configcopies::Copy::Kind::Saved: return QCoreApplication::translate("InstallStep", "os2setups kopi");
    case configcopies::Copy::Kind::Bak: return QCoreApplication::translate("InstallStep", "reservekopi");
    case configcopies::Copy::Kind::Archive: return QCoreApplication::translate("InstallStep", "OS/2s skrivebordsarkiv");
    case configcopies::Copy::Kind::Install: return QCoreApplication::translate("InstallStep", "OS/2s installasjon, Alt+F1");
    }
    return QString();
}

} // namespace

QString describeUnreadable(const configcopies::Copy &copy)
{
    return QCoreApplication::translate("InstallStep", "%1  (%2) kan ikke leses: %3").arg(copy.name, kindOf(copy), copy.problem);
}

QString describeCopy(const configcopies::Copy &copy, int differing)
{
    const QString kind = kindOf(copy);
    const QString lines = differing < 0 ? QCoreApplication::translate("InstallStep", "kan ikke leses")
                          : differing == 0 ? QCoreApplication::translate("InstallStep", "lik dagens")
                          : differing == 1 ? QCoreApplication::translate("InstallStep", "1 linje forskjellig")
                                           : QCoreApplication::translate("InstallStep", "%1 linjer forskjellig").arg(differing);
    return QStringLiteral("%1  %2  (%3, %4)")
        .arg(copy.time.toString(QStringLiteral("yyyy-MM-dd HH:mm")), copy.name, kind, lines);
}

Lines todaysLines(const DriveMap &drives)
{
    const std::optional<std::string> bytes = currentConfigSys(drives);
    return bytes ? linesOf(*bytes) : Lines{};
}

QString checkFailed(const Proposal &proposal)
{
    return QCoreApplication::translate("InstallStep", "Sjekken av %1 kunne ikke gjøres: %2").arg(proposal.source, proposal.checkError);
}

QString nothingChanged(const QString &error)
{
    // The error's cause ends its own sentence.
    const bool ended = error.endsWith(u'.') || error.endsWith(u'!') || error.endsWith(u'?');
    return error + (ended ? QString() : QStringLiteral(".")) + QCoreApplication::translate("InstallStep", " Ingenting er endret i %1.").arg(configSys());
}

std::optional<QString> noConfigSysNote(const Proposal &proposal)
{
    if (!proposal.noConfigSys)
        return std::nullopt;
    return QCoreApplication::translate("InstallStep", "%1 finnes ikke: %2 legges på plass som den, og det er ingen gammel fil å ta kopi av.")
        .arg(configSys(), proposal.source);
}

std::optional<QString> onlyLineEnds(const Proposal &proposal)
{
    if (!proposal.rows.empty() || proposal.proposed == proposal.current || proposal.noConfigSys)
        return std::nullopt;
    return QCoreApplication::translate("InstallStep", "Linjene i %1 og %2 er like; bare linjeskiftene er forskjellige (CR LF eller bare LF, "
                          "eller et linjeskift etter siste linje).")
        .arg(proposal.source, configSys());
}

QString noCopies()
{
    return QCoreApplication::translate("InstallStep", "Fant ingen kopier av %1 å gå tilbake til.").arg(configSys());
}

std::optional<QString> nothingToRestore(const Proposal &proposal)
{
    if (proposal.noConfigSys || proposal.proposed != proposal.current)
        return std::nullopt;
    return QCoreApplication::translate("InstallStep", "%1 er lik %2 byte for byte: det er ingenting å gjenopprette.")
        .arg(proposal.source, configSys());
}

QString putInPlace(const WriteGuard &guard, const Proposal &proposal, const QString &dataFolder)
{
    if (!proposal.noConfigSys && dataFolder.isEmpty())
        throw FileError(noDataFolder());
    const configcopies::Replaced done = configcopies::putInPlace(
        guard, BootDrive, proposal.noConfigSys ? std::nullopt : std::optional<std::string>(proposal.current),
        proposal.proposed, dataFolder);
    const QString placed = done.numbered.isEmpty()
                               ? QCoreApplication::translate("InstallStep", "%1 er lagt på plass som %2. Det fantes ingen %2 fra før, så ingen "
                                                "kopi er tatt.")
                                     .arg(proposal.source, configSys())
                               : QCoreApplication::translate("InstallStep", "%1 er lagt på plass som %2. Den forrige %2 er kopiert til %3 og til %4.")
                                     .arg(proposal.source, configSys(), done.numbered, done.saved);
    return placed + QCoreApplication::translate("InstallStep", " Starter ikke OS/2 med den nye, start Linux og kjør «os2setup --restore» "
                                   "(eller se README: «When OS/2 no longer boots») for å få en tidligere tilbake.");
}

namespace {

QString homeFromPasswordDatabase()
{
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 16384));
    struct passwd entry;
    struct passwd *found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_dir)
        return QString();
    return QFile::decodeName(found->pw_dir);
}

} // namespace

QString dataFolder(const QProcessEnvironment &environment, const std::function<QString()> &passwdHome)
{
    // As the XDG base directories have it: a relative path there is ignored.
    const QString xdg = environment.value(QStringLiteral("XDG_DATA_HOME"));
    if (QDir::isAbsolutePath(xdg))
        return QDir(xdg).filePath(QStringLiteral("os2setup"));
    QString home = environment.value(QStringLiteral("HOME"));
    if (!QDir::isAbsolutePath(home))
        home = passwdHome ? passwdHome() : homeFromPasswordDatabase();
    if (!QDir::isAbsolutePath(home))
        return QString();
    return QDir(home).filePath(QStringLiteral(".local/share/os2setup"));
}

QString noDataFolder()
{
    return QCoreApplication::translate("InstallStep", "Kan ikke ta vare på en kopi av %1: miljøvariabelen HOME er ikke satt, og hjemmemappen din "
                          "står ikke i passordbasen. Sett HOME til hjemmemappen din og prøv igjen.")
        .arg(configSys());
}

} // namespace installstep
