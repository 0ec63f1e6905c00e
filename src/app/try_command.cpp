// "os2setup --try-new", "--tries", "--untry X" and "--install-new --key X".
#include "app/try_command.h"

#include "app/try_step.h"
#include "platform/boot_menu_files.h"
#include "platform/file_error.h"
#include "platform/write_guard.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

int fail(const Terminal &t, const QString &message, int status = 2)
{
    printLine(t.err, QStringLiteral("os2setup: ") + message);
    return status;
}

} // namespace

int runTryNew(const CommandLine &commandLine, const QProcessEnvironment &environment, const QSettings &settings,
              const Terminal &terminal)
{
    const DriveMap drives = drivesOf(commandLine, environment, settings);
    WriteGuard guard(drives, installstep::configSys());
    guard.beginRead();
    std::optional<installstep::Proposal> proposal;
    QString nothing;
    std::optional<char> key;
    try {
        proposal = installstep::proposeNew(drives, &nothing);
    } catch (const FileError &e) {
        return fail(terminal, e.message());
    }
    if (!proposal) {
        printLine(terminal.out, nothing);
        return 0;
    }
    // The menu before the changes: without one, or without a key, there is
    // nothing to ask about.
    try {
        QString refusal;
        key = trystep::chooseKey(trystep::readMenu(drives), commandLine.key, &refusal);
        if (!key)
            return fail(terminal, trystep::nothingWritten(refusal), 1);
    } catch (const FileError &e) {
        return fail(terminal, trystep::nothingWritten(e.message()));
    }
    return showAndRun(commandLine, *proposal,
                      QCoreApplication::translate("TryCommand", "Legge %1 inn som %2, med tasten %3 i Alt+F1-menyen?")
                          .arg(proposal->source, trystep::tryFile(*key), QString(QLatin1Char(*key))),
                      QCoreApplication::translate("TryCommand", "den er ikke lagt inn som prøve"),
                      [&] { return trystep::tryNew(guard, *proposal, QString(QLatin1Char(*key))); }, terminal);
}

int runTries(const CommandLine &commandLine, const QProcessEnvironment &environment, const QSettings &settings,
             const Terminal &terminal)
{
    const DriveMap drives = drivesOf(commandLine, environment, settings);
    std::vector<trystep::TryInfo> tries;
    try {
        tries = trystep::listTries(drives);
    } catch (const FileError &e) {
        return fail(terminal, e.message());
    }
    if (tries.empty()) {
        printLine(terminal.out, trystep::noTries());
        return 0;
    }
    printLine(terminal.out, QCoreApplication::translate("TryCommand", "Prøver i Alt+F1-menyen (%1):").arg(trystep::menuFile()));
    for (const trystep::TryInfo &info : tries)
        printLine(terminal.out, QStringLiteral("  ") + trystep::describeTry(info));
    printLine(terminal.out, QCoreApplication::translate("TryCommand", "Ta en i bruk som %1 med «os2setup --install-new --key X»; fjern en med "
                                           "«os2setup --untry X».")
                                .arg(installstep::configSys()));
    return 0;
}

int runUntry(const CommandLine &commandLine, const QProcessEnvironment &environment, const QSettings &settings,
             const Terminal &terminal)
{
    const DriveMap drives = drivesOf(commandLine, environment, settings);
    WriteGuard guard(drives, installstep::configSys());
    guard.beginRead();
    try {
        printLine(terminal.out, trystep::untry(guard, commandLine.untry));
    } catch (const FileError &e) {
        return fail(terminal, e.message());
    }
    return 0;
}

int runInstallTry(const CommandLine &commandLine, const QProcessEnvironment &environment, const QSettings &settings,
                  const QString &dataFolder, const Terminal &terminal)
{
    const DriveMap drives = drivesOf(commandLine, environment, settings);
    WriteGuard guard(drives, installstep::configSys());
    guard.beginRead();
    char key = 0;
    installstep::Proposal proposal;
    try {
        // Only a try of this program's: the file of a line the user wrote is
        // never taken.
        guard.checkRead(trystep::menuFile());
        key = trystep::tryKeyIn(menufiles::read(drives, trystep::menuFile()), commandLine.key);
        proposal = trystep::proposeTry(drives, key);
    } catch (const FileError &e) {
        return fail(terminal, trystep::nothingWritten(e.message()));
    }
    if (const std::optional<QString> nothing = installstep::nothingToRestore(proposal)) {
        printLine(terminal.out, *nothing);
        return 0;
    }
    if (!installstep::noConfigSysNote(proposal) && dataFolder.isEmpty())
        return fail(terminal, installstep::noDataFolder());
    return showAndRun(commandLine, proposal,
                      QCoreApplication::translate("TryCommand", "Legge %1 på plass som %2, og ta prøven ut av Alt+F1-menyen?")
                          .arg(proposal.source, installstep::configSys()),
                      QCoreApplication::translate("TryCommand", "den er ikke lagt på plass"),
                      [&] { return trystep::takeTry(guard, proposal, key, dataFolder); }, terminal);
}
