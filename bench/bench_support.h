// What the benchmark programs share: the generated CONFIG.SYS, timing by
// median, and the yardstick that every figure is measured against.
#pragma once

#include "platform/line_file.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace bench {

// Keeps freed memory in the process. Otherwise glibc hands large blocks back
// to the system and maps them again on the next allocation, and on a virtual
// machine those page faults cost more than the work measured, and vary with
// what the heap held before. Set before anything is allocated, so yardstick
// and figures are measured alike.
inline void keepHeap()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
}

// The largest document the program takes.
inline constexpr int kLines = 65534;

// What fills a generated CONFIG.SYS between its head and its tail.
enum class Filler {
    // Every tenth line a DEVICE=, a BASEDEV= or a network statement, so that
    // the lists of the "Drivere" and "Nettverk" pages get thousands of entries.
    ManyDrivers,
    // Those statements commented out: the lists hold the few dozen drivers of
    // a real machine, which stand at the head of the file.
    FewDrivers,
};

// A CONFIG.SYS of `lineCount` lines: filler, then the statements that the
// pages look for, at its very end, so that every search walks all of it.
inline QByteArray makeConfig(int lineCount = kLines, Filler kind = Filler::ManyDrivers)
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
    static const char *const quietFiller[] = {
        "REM ---------------------------------------------------------------",
        "REM Oppsett for maskinen pa kontoret, endret av systemansvarlig",
        "SET DELDIR=C:\\DELETE,512;D:\\DELETE,512;",
        "REM DEVICE=C:\\OS2\\BOOT\\COM.SYS (COM1,3F8,4) (COM2,2F8,3)",
        "REM BASEDEV=IBM1S506.ADD /A:0 /U:0 /!DM /A:1 /U:0 /ATAPI",
        "SET PATH=C:\\OS2;C:\\OS2\\SYSTEM;C:\\MPTN\\BIN;C:\\TCPIP\\BIN;C:\\",
        "REM RUN=C:\\OS2\\APPS\\CNTRL.EXE",
        "REM DEVICE=C:\\OS2\\MDOS\\VEMM.SYS",
        "SET KEYS=ON",
        "REM",
    };
    // The drivers and network programs of one machine, none of them a
    // statement that a search of the pages looks for.
    static const char *const head[] = {
        "BASEDEV=IBMKBD.SYS", "BASEDEV=IBM1FLPY.ADD", "BASEDEV=IBM1S506.ADD /A:0 /U:0", "BASEDEV=IBMATAPI.FLT",
        "BASEDEV=OS2DASD.DMD", "BASEDEV=OS2CDROM.DMD", "BASEDEV=OS2SCSI.DMD", "BASEDEV=IBMINT13.I13",
        "DEVICE=C:\\OS2\\BOOT\\TESTCFG.SYS", "DEVICE=C:\\OS2\\BOOT\\DOS.SYS", "DEVICE=C:\\OS2\\BOOT\\PMDD.SYS",
        "DEVICE=C:\\OS2\\BOOT\\COM.SYS", "DEVICE=C:\\OS2\\BOOT\\POINTDD.SYS", "DEVICE=C:\\OS2\\BOOT\\MOUSE.SYS",
        "DEVICE=C:\\OS2\\BOOT\\OS2CDROM.DMD /Q", "DEVICE=C:\\OS2\\MDOS\\VXMS.SYS /UMB",
        "DEVICE=C:\\OS2\\MDOS\\VDPMI.SYS", "DEVICE=C:\\OS2\\MDOS\\VMOUSE.SYS",
        "DEVICE=C:\\IBMCOM\\PROTOCOL\\LANPDD.OS2", "DEVICE=C:\\IBMCOM\\PROTOCOL\\LANVDD.OS2",
        "DEVICE=C:\\IBMCOM\\LANMSGDD.OS2 /I:C:\\IBMCOM", "DEVICE=C:\\IBMCOM\\PROTMAN.OS2 /I:C:\\IBMCOM",
        "DEVICE=C:\\MPTN\\PROTOCOL\\SOCKETSK.SYS", "DEVICE=C:\\MPTN\\PROTOCOL\\AFOS2.SYS",
        "DEVICE=C:\\MPTN\\PROTOCOL\\AFINET.SYS", "DEVICE=C:\\TCPIP\\BIN\\VDOSTCP.VDD",
        "DEVICE=C:\\IBMLAN\\NETPROG\\RDRHELP.200", "RUN=C:\\MPTN\\BIN\\CNTRL.EXE", "RUN=C:\\IBMCOM\\LANMSGEX.EXE",
        "CALL=C:\\OS2\\CMD.EXE /Q /C C:\\TCPIP\\BIN\\TCPSTART.CMD",
    };
    static const char *const tail[] = {
        "THREADS=1024", "MAXWAIT=3", "PRIORITY=DYNAMIC", "TIMESLICE=64,65534",
        "SET AUTOSTART=PROGRAMS,TASKLIST,FOLDERS", "IFS=C:\\OS2\\HPFS.IFS /CACHE:2048 /CRECL:4",
        "DEVICE=C:\\OS2\\MDOS\\VCDROM.SYS", "SHELL=C:\\OS2\\MDOS\\COMMAND.COM C:\\OS2\\MDOS",
    };
    const bool few = kind == Filler::FewDrivers;
    const int headCount = few ? static_cast<int>(std::size(head)) : 0;
    const int tailCount = static_cast<int>(std::size(tail));
    QByteArray out;
    for (int i = 0; i < headCount; ++i) {
        out += head[i];
        out += "\r\n";
    }
    for (int i = 0; i < lineCount - headCount - tailCount; ++i) {
        out += (few ? quietFiller : filler)[i % std::size(filler)];
        out += "\r\n";
    }
    for (const char *line : tail) {
        out += line;
        out += "\r\n";
    }
    return out;
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

// Milliseconds since `t` started.
inline double msSince(const QElapsedTimer &t)
{
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// Processor time of this process in milliseconds: unlike the time on the
// clock it leaves out the time other programs had the processor, which on a
// busy machine falls more often into a long run than into a short one.
inline double cpuMs()
{
    return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

inline double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

template <typename F>
double medianMs(int runs, F &&run)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        run();
        times.push_back(msSince(t));
    }
    return median(std::move(times));
}

// The yardstick: reading the file at `path` and splitting it into lines.
inline void readAndSplit(const QString &path, std::size_t expectedLines)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        std::abort();
    const QByteArray data = f.readAll();
    const Lines lines = linefile::split(data.constData(), static_cast<std::size_t>(data.size()));
    if (lines.size() != expectedLines)
        std::abort();
}

} // namespace bench
