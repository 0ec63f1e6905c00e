// "os2setup --install-new" and "os2setup --restore [N]".
#include "app/install_command.h"

#include "app/install_step.h"
#include "platform/file_error.h"
#include "platform/line_file.h"
#include "platform/write_guard.h"

#include <QCoreApplication>
#include <QSettings>

#include <algorithm>

#include <unistd.h>

namespace {

int fail(const Terminal &t, const QString &message)
{
    printLine(t.err, QStringLiteral("os2setup: ") + message);
    return 2;
}

// The answer to the question: --yes, else a "j" typed on a terminal.
bool confirmed(const CommandLine &commandLine, const Terminal &t, const QString &question)
{
    if (commandLine.yes)
        return true;
    if (!::isatty(::fileno(t.in))) {
        printLine(t.err, QCoreApplication::translate("InstallCommand", "os2setup: %1 Ingen terminal å spørre på: gi --yes for å svare ja.").arg(question));
        return false;
    }
    std::fputs((question + QCoreApplication::translate("InstallCommand", " [j/N] ")).toLocal8Bit().constData(), t.out);
    std::fflush(t.out);
    char answer[16] = {};
    if (!std::fgets(answer, sizeof answer, t.in))
        return false;
    const QString word = QString::fromLocal8Bit(answer).trimmed().toLower();
    return word == u"j" || word == u"ja" || word == u"y" || word == u"yes";
}

} // namespace

int showAndRun(const CommandLine &commandLine, const installstep::Proposal &p, const QString &question,
               const QString &refused, const std::function<QString()> &step, const Terminal &t)
{
    if (const std::optional<QString> note = installstep::noConfigSysNote(p))
        printLine(t.out, *note);
    const std::string diff = linediff::unified(p.currentLines, p.proposedLines, installstep::configSys().toStdString(),
                                               p.source.toLocal8Bit().toStdString());
    std::fwrite(diff.data(), 1, diff.size(), t.out);
    if (const std::optional<QString> note = installstep::onlyLineEnds(p))
        printLine(t.out, *note);
    if (!p.checkError.isEmpty())
        printLine(t.out, installstep::checkFailed(p));
    for (const bootcheck::Finding &finding : bootcheck::worstFirst(p.report.findings))
        printLine(t.out, bootcheck::describe(finding, p.proposedLines));
    if (p.checkError.isEmpty())
        printLine(t.out, bootcheck::summary(p.report));
    std::fflush(t.out);
    if (p.needsForce() && !commandLine.force) {
        printLine(t.err, QCoreApplication::translate("InstallCommand", "os2setup: OS/2 vil ikke starte med %1 (se over), så %2. "
                                        "Gi --force for å gjøre det likevel.")
                             .arg(p.source, refused));
        return 1;
    }
    if (!confirmed(commandLine, t, question)) {
        printLine(t.out, QCoreApplication::translate("InstallCommand", "Ingenting er endret."));
        return 1;
    }
    try {
        printLine(t.out, step());
    } catch (const FileError &e) {
        return fail(t, e.message());
    }
    return 0;
}

namespace {

// Puts the proposal in place as CONFIG.SYS, after what showAndRun() shows and asks.
int putInPlace(const CommandLine &commandLine, const WriteGuard &guard, const installstep::Proposal &p,
               const QString &dataFolder, const Terminal &t)
{
    return showAndRun(commandLine, p, QCoreApplication::translate("InstallCommand", "Legge %1 på plass som %2?").arg(p.source, installstep::configSys()),
                      QCoreApplication::translate("InstallCommand", "den er ikke lagt på plass"),
                      [&] {
                          try {
                              return installstep::putInPlace(guard, p, dataFolder);
                          } catch (const FileError &e) {
                              throw FileError(installstep::nothingChanged(e.message()));
                          }
                      },
                      t);
}

} // namespace

int runInstallNew(const CommandLine &commandLine, const QProcessEnvironment &environment, const QSettings &settings,
                  const QString &dataFolder, const Terminal &terminal)
{
    const DriveMap drives = drivesOf(commandLine, environment, settings);
    // The drives as they are when the files are read: the step writes on them
    // only while they are still the same.
    WriteGuard guard(drives, installstep::configSys());
    guard.beginRead();
    std::optional<installstep::Proposal> proposal;
    QString nothing;
    try {
        proposal = installstep::proposeNew(drives, &nothing);
    } catch (const FileError &e) {
        return fail(terminal, e.message());
    }
    if (!proposal) {
        printLine(terminal.out, nothing);
        return 0;
    }
    return putInPlace(commandLine, guard, *proposal, dataFolder, terminal);
}

int runRestore(const CommandLine &commandLine, const QProcessEnvironment &environment, const QSettings &settings,
               const QString &dataFolder, const Terminal &terminal)
{
    if (commandLine.files.size() > 1)
        return fail(terminal, QCoreApplication::translate("InstallCommand", "«--restore» tar ett nummer fra listen, ikke flere."));
    const DriveMap drives = drivesOf(commandLine, environment, settings);
    WriteGuard guard(drives, installstep::configSys());
    guard.beginRead();
    std::vector<configcopies::Copy> copies;
    std::optional<std::string> today;
    try {
        copies = configcopies::copies(drives, installstep::BootDrive, dataFolder);
        today = installstep::currentConfigSys(drives);
    } catch (const FileError &e) {
        return fail(terminal, e.message());
    }
    // The copies that can be read come first and are numbered; the others are
    // told after them, with no number.
    const auto readable = static_cast<std::size_t>(
        std::count_if(copies.begin(), copies.end(), [](const configcopies::Copy &c) { return c.readable(); }));
    if (commandLine.files.isEmpty()) {
        if (!today)
            printLine(terminal.out, QCoreApplication::translate("InstallCommand", "%1 finnes ikke; en kopi kan legges på plass der.")
                                        .arg(installstep::configSys()));
        if (readable == 0) {
            printLine(terminal.out, installstep::noCopies());
        } else {
            printLine(terminal.out, QCoreApplication::translate("InstallCommand", "Kopier av %1, nyeste først:").arg(installstep::configSys()));
            const Lines todaysLines = today ? linefile::split(today->data(), today->size()) : Lines{};
            for (std::size_t i = 0; i < readable; ++i)
                printLine(terminal.out,
                          QStringLiteral("%1  %2")
                              .arg(i + 1, 3)
                              .arg(installstep::describeCopy(copies[i],
                                                             installstep::linesDiffering(drives, copies[i], todaysLines))));
        }
        if (readable < copies.size()) {
            printLine(terminal.out, QCoreApplication::translate("InstallCommand", "Disse kan ikke leses, og kan ikke legges på plass:"));
            for (std::size_t i = readable; i < copies.size(); ++i)
                printLine(terminal.out, QStringLiteral("  –  ") + installstep::describeUnreadable(copies[i]));
        }
        if (readable > 0)
            printLine(terminal.out, QCoreApplication::translate("InstallCommand", "Legg en av dem på plass med «os2setup --restore N»."));
        return 0;
    }
    bool isNumber = false;
    const int n = commandLine.files.first().toInt(&isNumber);
    if (!isNumber || n < 1 || static_cast<std::size_t>(n) > readable)
        return fail(terminal, QCoreApplication::translate("InstallCommand", "«--restore %1»: det er ingen kopi med det nummeret (se «os2setup --restore»).")
                                  .arg(commandLine.files.first()));
    installstep::Proposal proposal;
    try {
        proposal = installstep::proposeCopy(drives, copies[static_cast<std::size_t>(n - 1)]);
    } catch (const FileError &e) {
        return fail(terminal, e.message());
    }
    if (const std::optional<QString> nothing = installstep::nothingToRestore(proposal)) {
        printLine(terminal.out, *nothing);
        return 0;
    }
    return putInPlace(commandLine, guard, proposal, dataFolder, terminal);
}
