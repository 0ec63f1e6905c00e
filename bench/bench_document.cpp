// Benchmark of the document at its largest: a 65,534-line CONFIG.SYS of about
// 2.8 MB, loaded, searched and saved. Prints the median of repeated runs and the
// heap allocations of each search.
#include "bench_support.h"

#include "workspace/document.h"
#include "platform/dos_path.h"
#include "platform/line_file.h"
#include "engine/list_diff.h"
#include "engine/search.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <new>

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

using bench::kLines;
constexpr int kRuns = 21;

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
    const double ms = bench::medianMs(kRuns, [&] { found = run(); });
    char note[96];
    std::snprintf(note, sizeof note, "line %d, %ld allocations", found == NoLine ? -1 : static_cast<int>(found),
                  allocations);
    printRow(what, ms, note);
}

} // namespace

int main(int argc, char *argv[])
{
    bench::keepHeap();
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    DriveMap drives;
    drives.setDrive(u'C', dir.path());
    const QByteArray config = bench::makeConfig();
    bench::writeFile(dir.filePath("CONFIG.SYS"), config);
    std::printf("CONFIG.SYS: %d lines, %.2f MB; median of %d runs\n\n", kLines, config.size() / 1e6, kRuns);

    const double yardstick = bench::medianMs(kRuns, [&] { bench::readAndSplit(dir.filePath("CONFIG.SYS"), kLines); });
    printRow("yardstick: read the file and split it", yardstick);

    Document document;
    const double load = bench::medianMs(kRuns, [&] {
        document.setLines(linefile::load(drives, "C:\\CONFIG.SYS", MaxDocumentLines));
    });
    char ratio[32];
    std::snprintf(ratio, sizeof ratio, "%.2fx the yardstick", load / yardstick);
    printRow("load into the document (file to model)", load, ratio);

    const Lines &lines = document.lines();
    const SearchLines searchLines = document.searchLines();
    search("FinnREM(\"IFS=\", \"HPFS.IFS\")", [&] { return FinnREM(searchLines, "IFS=", "HPFS.IFS"); });
    search("FoundDevice(\"VCDROM.SYS\")", [&] { return FoundDevice(searchLines, "VCDROM.SYS"); });
    search("GetIniStr(\"SET AUTOSTART\")", [&] { return GetIniStr(searchLines, "SET AUTOSTART").line; });
    search("FinnREM(\"REM IFS=\", \"CDFS\") (no match)", [&] { return FinnREM(searchLines, "REM IFS=", "CDFS"); });
    {
        // The twelve FinnREM searches of the "Disk" page, asked together.
        const TextPair pairs[] = {
            {"REM IFS=", "HPFS"},    {"IFS=", "HPFS.IFS"}, {"REM IFS=", "HPFS.IFS"}, {"REM IFS=", "CDFS"},
            {"IFS=", "CDFS.IFS"},    {"REM IFS=", "CDFS.IFS"}, {"REM IFS=", "\\IBMLAN"}, {"IFS=", "\\IBMLAN"},
            {"REM IFS=", "\\IBMLAN"}, {"REM IFS=", "MCM.IFS"}, {"IFS=", "MCM.IFS"},  {"REM IFS=", "MCM.IFS"},
        };
        search("FinnREMAll: the 12 pairs of the \"Disk\" page", [&] { return FinnREMAll(searchLines, pairs)[1]; });
    }

    const double save = bench::medianMs(kRuns, [&] { linefile::save(drives, "C:\\CONFIG.NEW", lines); });
    printRow("save to C:\\CONFIG.NEW", save);

    {
        // Two LIBPATH lines of 1,000 items: the new one reversed (999 moves),
        // with every tenth item replaced by a new one.
        std::string before = "LIBPATH=.", after = "LIBPATH=.";
        for (int i = 1; i <= 1000; ++i)
            before += ";C:\\APPS\\PROGRAM" + std::to_string(i) + "\\DLL";
        for (int i = 1000; i >= 1; --i)
            after += (i % 10 == 0 ? ";D:\\NEW\\PROGRAM" : ";c:\\apps\\program") + std::to_string(i) + "\\dll";
        std::size_t changes = 0;
        const double items = bench::medianMs(kRuns, [&] {
            const std::optional<listdiff::ListChanges> found = listdiff::compare(before, after);
            changes = found->changes.size();
            if (listdiff::describe(*found).isEmpty())
                std::abort();
        });
        char note[96];
        std::snprintf(note, sizeof note, "%.2fx the yardstick, %zu changes", items / yardstick, changes);
        printRow("item view of two LIBPATH lines of 1,000 items", items, note);
    }
    return 0;
}
