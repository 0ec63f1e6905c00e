// "os2setup --check": the check of the whole file from the command line.
#include "app/check_command.h"

#include "engine/boot_check.h"
#include "platform/drive_sources.h"
#include "platform/file_error.h"
#include "platform/line_file.h"

#include <QSettings>

namespace {

void print(std::FILE *to, const QString &line)
{
    std::fputs((line + u'\n').toLocal8Bit().constData(), to);
}

} // namespace

int runCheck(const CommandLine &commandLine, const QProcessEnvironment &environment, const QSettings &settings,
             std::FILE *out, std::FILE *err)
{
    const DriveMap drives = assembleDriveMap(commandLine.drives, environment, rememberedDriveC(settings));
    const QString file = configFileFrom(commandLine.files);
    Lines lines;
    try {
        lines = linefile::load(drives, file, MaxDocumentLines);
    } catch (const FileError &e) {
        print(err, QStringLiteral("os2setup: ") + e.message());
        return 2;
    }
    const QChar bootDrive = bootcheck::bootDriveOf(file, lines, commandLine.bootDrive);
    bootcheck::Report report;
    try {
        report = bootcheck::checkDocument(lines, drives, bootDrive);
    } catch (const FileError &e) {
        print(err, QStringLiteral("os2setup: ") + e.message());
        return 2;
    }
    for (const bootcheck::Finding &finding : report.findings)
        print(out, bootcheck::describe(finding, lines));
    print(out, bootcheck::summary(report));
    std::fflush(out);
    return report.failed() ? 1 : 0;
}
