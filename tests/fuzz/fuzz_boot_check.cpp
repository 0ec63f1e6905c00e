// Fuzz target: the whole-file check over a small drive, on any file contents.
#include "fuzz_check.h"
#include "engine/boot_check.h"
#include "platform/line_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>

namespace {

struct Drive
{
    QTemporaryDir top;
    DriveMap drives;

    Drive()
    {
        const QString c = top.filePath("c");
        QDir().mkpath(c + "/OS2/BOOT");
        QDir().mkpath(c + "/OS2/DLL");
        QFile(c + "/OS2/BOOT/IBMKBD.SYS").open(QIODevice::WriteOnly);
        QFile(c + "/OS2/PMSHELL.EXE").open(QIODevice::WriteOnly);
        QFile::link("../..", c + "/OS2/UP");
        QFile::link("/etc/passwd", c + "/OUT");
        drives.setDrive(u'C', c);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const Drive drive;
    const Lines lines = linefile::split(reinterpret_cast<const char *>(data), size);
    const bootcheck::Report report = bootcheck::checkDocument(lines, drive.drives, u'C');
    // The report's verdicts agree with its findings.
    const auto any = [&report](auto &&test) { return std::any_of(report.findings.begin(), report.findings.end(), test); };
    FUZZ_CHECK(report.stopsBoot() == any([](const bootcheck::Finding &f) { return f.kind == bootcheck::Kind::StopsBoot; }));
    FUZZ_CHECK(report.failed() == any([](const bootcheck::Finding &f) {
                   return f.kind == bootcheck::Kind::StopsBoot || f.kind == bootcheck::Kind::Missing;
               }));
    for (const bootcheck::Finding &finding : report.findings) {
        // A finding on the file as a whole (no LIBPATH) has no line.
        FUZZ_CHECK(finding.line == NoLine || static_cast<std::size_t>(finding.line) < lines.size());
        FUZZ_CHECK(!bootcheck::describe(finding, lines).isEmpty());
    }
    // In line order, the file as a whole first.
    FUZZ_CHECK(std::is_sorted(report.findings.begin(), report.findings.end(),
                              [](const bootcheck::Finding &a, const bootcheck::Finding &b) {
                                  return (a.line == NoLine ? -1 : int(a.line)) < (b.line == NoLine ? -1 : int(b.line));
                              }));
    FUZZ_CHECK(!bootcheck::summary(report).isEmpty());
    return 0;
}
