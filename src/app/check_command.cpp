// "os2setup --check": the check of the whole file from the command line.
#include "app/check_command.h"

#include "engine/boot_check.h"
#include "platform/file_error.h"
#include "platform/line_file.h"

#include <QSettings>

int runCheck(const CommandLine &commandLine, const QProcessEnvironment &environment, const QSettings &settings,
             std::FILE *out, std::FILE *err)
{
    const DriveMap drives = drivesOf(commandLine, environment, settings);
    const QString file = configFileFrom(commandLine.files);
    Lines lines;
    bootcheck::Report report;
    try {
        lines = linefile::load(drives, file, MaxDocumentLines);
        report = bootcheck::checkDocument(lines, drives, bootcheck::bootDriveOf(file, lines, commandLine.bootDrive));
    } catch (const FileError &e) {
        printLine(err, QStringLiteral("os2setup: ") + e.message());
        return 2;
    }
    for (const bootcheck::Finding &finding : report.findings)
        printLine(out, bootcheck::describe(finding, lines));
    printLine(out, bootcheck::summary(report));
    std::fflush(out);
    return report.failed() ? 1 : 0;
}
