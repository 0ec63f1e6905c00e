// "Ta i bruk CONFIG.NEW" and "Gjenopprett CONFIG.SYS", for the window and the
// command line alike.
#include "app/install_step.h"

#include "platform/file_error.h"
#include "platform/line_file.h"
#include "platform/text8.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace installstep {
namespace {

Lines linesOf(const std::string &bytes)
{
    return linefile::split(bytes.data(), bytes.size());
}

Proposal propose(const DriveMap &drives, const QString &source, std::string current, std::string proposed)
{
    Proposal p;
    p.source = source;
    p.current = std::move(current);
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

std::optional<Proposal> proposeNew(const DriveMap &drives, QString *nothing)
{
    std::string current = linefile::readBytes(drives, configSys());
    // A missing CONFIG.NEW is nothing to do; anything else there that is no
    // plain file is refused as "Hent" refuses it.
    const QFileInfo fresh(drives.resolve(configNew()));
    if (!fresh.exists() && !fresh.isSymLink()) {
        *nothing = QStringLiteral("%1 finnes ikke: det er ingenting å ta i bruk. Lagre først med «Lagre» i os2setup.")
                       .arg(configNew());
        return std::nullopt;
    }
    std::string proposed = linefile::readBytes(drives, configNew());
    if (proposed == current) {
        *nothing = QStringLiteral("%1 er lik %2 byte for byte: det er ingenting å ta i bruk.")
                       .arg(configNew(), configSys());
        return std::nullopt;
    }
    return propose(drives, configNew(), std::move(current), std::move(proposed));
}

Proposal proposeCopy(const DriveMap &drives, const configcopies::Copy &copy)
{
    return propose(drives, copy.name, linefile::readBytes(drives, configSys()), configcopies::read(drives, copy));
}

QStringList describeRows(const std::vector<linediff::Row> &rows)
{
    QStringList out;
    for (const linediff::Row &row : rows) {
        switch (row.kind) {
        case linediff::Row::Kind::Changed:
            out << QStringLiteral("Linje %1: %2 → %3")
                       .arg(row.beforeLine)
                       .arg(text8::toDisplay(row.before), text8::toDisplay(row.after));
            break;
        case linediff::Row::Kind::Added:
            out << QStringLiteral("Linje %1: + %2").arg(row.afterLine).arg(text8::toDisplay(row.after));
            break;
        case linediff::Row::Kind::Removed:
            out << QStringLiteral("Linje %1: − %2").arg(row.beforeLine).arg(text8::toDisplay(row.before));
            break;
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

QString describeCopy(const configcopies::Copy &copy, int differing)
{
    QString kind;
    switch (copy.kind) {
    case configcopies::Copy::Kind::Numbered: kind = QStringLiteral("tidligere CONFIG.SYS"); break;
    case configcopies::Copy::Kind::Saved: kind = QStringLiteral("os2setups kopi"); break;
    case configcopies::Copy::Kind::Bak: kind = QStringLiteral("reservekopi"); break;
    case configcopies::Copy::Kind::Archive: kind = QStringLiteral("OS/2s skrivebordsarkiv"); break;
    case configcopies::Copy::Kind::Install: kind = QStringLiteral("OS/2s installasjon, Alt+F1"); break;
    }
    const QString lines = differing < 0 ? QStringLiteral("kan ikke leses")
                          : differing == 0 ? QStringLiteral("lik dagens")
                          : differing == 1 ? QStringLiteral("1 linje forskjellig")
                                           : QStringLiteral("%1 linjer forskjellig").arg(differing);
    return QStringLiteral("%1  %2  (%3, %4)")
        .arg(copy.time.toString(QStringLiteral("yyyy-MM-dd HH:mm")), copy.name, kind, lines);
}

Lines todaysLines(const DriveMap &drives)
{
    return linefile::load(drives, configSys());
}

QString checkFailed(const Proposal &proposal)
{
    return QStringLiteral("Sjekken av %1 kunne ikke gjøres: %2").arg(proposal.source, proposal.checkError);
}

QString nothingChanged(const QString &error)
{
    return error + QStringLiteral(" Ingenting er endret i %1.").arg(configSys());
}

QString noCopies()
{
    return QStringLiteral("Fant ingen kopier av %1 å gå tilbake til.").arg(configSys());
}

std::optional<QString> nothingToRestore(const Proposal &proposal)
{
    if (proposal.proposed != proposal.current)
        return std::nullopt;
    return QStringLiteral("%1 er lik %2 byte for byte: det er ingenting å gjenopprette.")
        .arg(proposal.source, configSys());
}

QString putInPlace(const DriveMap &drives, const Proposal &proposal, const QString &dataFolder)
{
    const configcopies::Replaced done =
        configcopies::putInPlace(drives, BootDrive, proposal.current, proposal.proposed, dataFolder);
    return QStringLiteral("%1 er lagt på plass som %2. Den forrige %2 er kopiert til %3 og til %4. "
                          "Starter ikke OS/2 med den nye, start Linux og kjør «os2setup --restore» "
                          "(eller se README: «When OS/2 no longer boots») for å få en tidligere tilbake.")
        .arg(proposal.source, configSys(), done.numbered, done.saved);
}

QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/os2setup");
}

} // namespace installstep
