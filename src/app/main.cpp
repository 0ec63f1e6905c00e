// Program entry: the command line, the drive map, the drive chooser, and the
// main window on the configuration file named on the command line (or
// C:\CONFIG.SYS).
#include "app/check_command.h"
#include "app/command_line.h"
#include "app/drive_chooser.h"
#include "app/os2form.h"
#include "app/qt_translation.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char *argv[])
{
    // Parsed before the application object exists, so that --help, --version
    // and a wrong option work without a display.
    const CommandLine command = parseCommandLine(commandLineArguments(argc, argv));
    if (command.action == CommandLine::Action::Check) {
        const QSettings settings(QStringLiteral("os2setup"), QStringLiteral("os2setup"));
        return runCheck(command, QProcessEnvironment::systemEnvironment(), settings, stdout, stderr);
    }
    if (command.action != CommandLine::Action::OpenWindow)
        return finishWithoutWindow(command);

    QApplication app(argc, argv);
    setUpApplication(app);

    // ~/.config/os2setup/os2setup.conf: the folder chosen for drive C:.
    QSettings settings(QStringLiteral("os2setup"), QStringLiteral("os2setup"));
    DriveMap drives =
        assembleDriveMap(command.drives, QProcessEnvironment::systemEnvironment(), rememberedDriveC(settings));
    chooseDriveAtStart(drives, configFileFrom(command.files), command.chooseDrive, settings);

    TOs2Form Os2Form(command.files, std::move(drives));
    Os2Form.setBootDrive(command.bootDrive);
    Os2Form.show();
    return QApplication::exec();
}
