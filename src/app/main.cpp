// Program entry: the command line, the drive map, the drive chooser, and the
// main window on the configuration file named on the command line (or
// C:\CONFIG.SYS).
#include "app/check_command.h"
#include "app/command_line.h"
#include "app/display_guard.h"
#include "app/drive_choice.h"
#include "app/install_command.h"
#include "app/install_step.h"
#include "app/os2form.h"
#include "app/qt_translation.h"
#include "app/try_command.h"

#include <QApplication>
#include <QSettings>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

// Every task that ends without a window: the check, the steps and the tries
// on the terminal, the help, the version and a wrong command line.
int runWithoutWindow(const CommandLine &command, const QProcessEnvironment &environment)
{
    using Action = CommandLine::Action;
    const QSettings settings(QStringLiteral("os2setup"), QStringLiteral("os2setup"));
    switch (command.action) {
    case Action::Check: return runCheck(command, environment, settings, stdout, stderr);
    case Action::TryNew: return runTryNew(command, environment, settings);
    case Action::Tries: return runTries(command, environment, settings);
    case Action::Untry: return runUntry(command, environment, settings);
    case Action::InstallNew:
        if (!command.key.isEmpty())
            return runInstallTry(command, environment, settings, installstep::dataFolder(environment));
        return runInstallNew(command, environment, settings, installstep::dataFolder(environment));
    case Action::Restore: return runRestore(command, environment, settings, installstep::dataFolder(environment));
    default: return finishWithoutWindow(command);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // Parsed before the application object exists, so that --help, --version
    // and a wrong option work without a display.
    const QStringList arguments = commandLineArguments(argc, argv);
    const CommandLine command = parseCommandLine(arguments);
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const uilanguage::Language language = command.language.value_or(uilanguage::fromEnvironment(environment));
    using Action = CommandLine::Action;
    const bool step = command.action == Action::InstallNew || command.action == Action::Restore
                      || command.action == Action::TryNew;
    if (command.action != Action::OpenWindow && !(step && command.inWindow)) {
        // Translations need an application object, one without a display;
        // the command line is read again so that its texts come in the
        // language chosen.
        QCoreApplication core(argc, argv);
        installTranslations(core, language);
        return runWithoutWindow(parseCommandLine(arguments), environment);
    }
    if (missingDisplay(environment, arguments)) {
        QCoreApplication core(argc, argv);
        installTranslations(core, language);
        std::fprintf(stderr, "%s\n", missingDisplay(environment, arguments)->toLocal8Bit().constData());
        return NoDisplayStatus;
    }

    std::optional<PlatformStartGuard> guard(std::in_place, environment, arguments, language);
    QApplication app(argc, argv);
    guard.reset();
    setUpApplication(app, language);

    // ~/.config/os2setup/os2setup.conf keeps the folder (and partition) chosen for C:.
    const std::unique_ptr<DriveChoice> choice = DriveChoice::forThisUser();
    DriveMap drives = drivesOf(command, environment, choice->settings());
    chooseDriveAtStart(drives, configFileFrom(command.files), command.chooseDrive, *choice);

    TOs2Form Os2Form(command.files, std::move(drives));
    Os2Form.setBootDrive(command.bootDrive);
    Os2Form.setDriveChoice(choice.get());
    Os2Form.show();
    // The menu's actions "Ta i bruk CONFIG.NEW", "Gjenopprett CONFIG.SYS" and
    // "Prøv ved neste oppstart".
    if (step)
        QTimer::singleShot(0, &Os2Form, [&Os2Form, &command] {
            if (command.action == Action::InstallNew)
                Os2Form.showInstall();
            else if (command.action == Action::TryNew)
                Os2Form.showTry();
            else
                Os2Form.showRestore();
        });
    return QApplication::exec();
}
