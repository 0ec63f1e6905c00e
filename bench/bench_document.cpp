// Benchmark of the document at its largest: a 65,534-line CONFIG.SYS of about
// 2.5 MB, loaded, searched and saved. Prints the median of repeated runs and the
// heap allocations of each search.
#include "workspace/document.h"
#include "platform/dos_path.h"
#include "platform/line_file.h"
#include "engine/search.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <new>
#include <vector>

namespace {
std::atomic<long> s_allocations{0};
}

void *operator new(std::size_t size)
{
    ++s_allocations;
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }

namespace {

constexpr int kLines = 65534;
constexpr int kRuns = 21;

QByteArray makeConfig()
{
    static const char *const filler[] = {
        "REM ---------------------------------------------------------------",
        "REM Oppsett for maskinen pa kontoret, endret av systemansvarlig",
        "SET DELDIR=C:\\DELETE,512;D:\\DELETE,512;",
        "DEVICE=C:\\OS2\\BOOT\\COM.SYS (COM1,3F8,4) (COM2,2F8,3)",
        "BASEDEV=IBM1S506.ADD /A:0 /U:0 /!DM /A:1 /U:0 /ATAPI",
        "SET PATH=C:\\OS2;C:\\OS2\\SYSTEM;C:\\MPTN\\BIN;C:\\TCPIP\\BIN;C:\\",
        "RUN=C:\\MPTN\\BIN\\CNTRL.EXE",
        "REM DEVICE=C:\\OS2\\MDOS\\VEMM.SYS",
        "SET KEYS=ON",
        "REM",
    };
    static const char *const tail[] = {
        "THREADS=1024", "MAXWAIT=3", "PRIORITY=DYNAMIC", "TIMESLICE=64,65534",
        "SET AUTOSTART=PROGRAMS,TASKLIST,FOLDERS", "IFS=C:\\OS2\\HPFS.IFS /CACHE:2048 /CRECL:4",
        "DEVICE=C:\\OS2\\MDOS\\VCDROM.SYS", "SHELL=C:\\OS2\\MDOS\\COMMAND.COM C:\\OS2\\MDOS",
    };
    const int tailCount = int(std::size(tail));
    QByteArray out;
    for (int i = 0; i < kLines - tailCount; ++i) {
        out += filler[i % std::size(filler)];
        out += "\r\n";
    }
    for (const char *line : tail) {
        out += line;
        out += "\r\n";
    }
    return out;
}

double medianMs(const std::function<void()> &run)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer t;
        t.start();
        run();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void printRow(const char *what, double ms, const char *note = "")
{
    std::printf("%-44s %9.3f ms  %s\n", what, ms, note);
}

void search(const char *what, const std::function<LinePos()> &run)
{
    LinePos found = NoLine;
    const long before = s_allocations;
    found = run();
    const long allocations = s_allocations - before;
    const double ms = medianMs([&] { found = run(); });
    char note[96];
    std::snprintf(note, sizeof note, "line %d, %ld allocations", found == NoLine ? -1 : int(found), allocations);
    printRow(what, ms, note);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    DriveMap drives;
    drives.setDrive(u'C', dir.path());
    const QByteArray config = makeConfig();
    {
        QFile f(dir.filePath("CONFIG.SYS"));
        if (!f.open(QIODevice::WriteOnly) || f.write(config) != config.size())
            return 1;
    }
    std::printf("CONFIG.SYS: %d lines, %.2f MB; median of %d runs\n\n", kLines, config.size() / 1e6, kRuns);

    const double yardstick = medianMs([&] {
        QFile f(dir.filePath("CONFIG.SYS"));
        if (!f.open(QIODevice::ReadOnly))
            std::abort();
        const QByteArray data = f.readAll();
        const Lines lines = linefile::split(data.constData(), std::size_t(data.size()));
        if (lines.size() != kLines)
            std::abort();
    });
    printRow("yardstick: read the file and split it", yardstick);

    Document document;
    const double load = medianMs([&] {
        document.setLines(linefile::load(drives, "C:\\CONFIG.SYS", MaxDocumentLines));
    });
    char ratio[32];
    std::snprintf(ratio, sizeof ratio, "%.2fx the yardstick", load / yardstick);
    printRow("load into the document (file to model)", load, ratio);

    const Lines &lines = document.lines();
    search("FinnREM(\"IFS=\", \"HPFS.IFS\")", [&] { return FinnREM(lines, "IFS=", "HPFS.IFS"); });
    search("FoundDevice(\"VCDROM.SYS\")", [&] { return FoundDevice(lines, "VCDROM.SYS"); });
    search("GetIniStr(\"SET AUTOSTART\")", [&] { return GetIniStr(lines, "SET AUTOSTART").line; });
    search("FinnREM(\"REM IFS=\", \"CDFS\") (no match)", [&] { return FinnREM(lines, "REM IFS=", "CDFS"); });

    const double save = medianMs([&] { linefile::save(drives, "C:\\CONFIG.NEW", lines); });
    printRow("save to C:\\CONFIG.NEW", save);
    return 0;
}
