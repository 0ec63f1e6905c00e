// Benchmark of the window at work on the largest document: a keystroke in
// Edit1 (on its last line too, and with "Endringer" open), opening "Endringer", the "Disk" page
// refresh, "Hent", a line of 1 MB, and the check of the whole file. Runs in rounds;
// each round times a block of runs of the yardstick (reading and splitting the
// same file) and of every figure, so that a busy machine slows yardstick and
// figure alike, and prints the median over the rounds of each figure's ratio,
// by the clock and by processor time.
#include "bench_support.h"

#include "app/os2form.h"
#include "engine/boot_check.h"
#include "workspace/status_area.h"

#include <QApplication>
#include <QDir>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kRounds = 9;
constexpr int kRuns = 7;
constexpr int kHugeRuns = 5;
constexpr std::size_t kHugeLineBytes = 1 << 20;

struct Drive
{
    QTemporaryDir dir;
    QString config() const { return dir.filePath("CONFIG.SYS"); }
    DriveMap map() const
    {
        DriveMap drives;
        drives.setDrive(u'C', dir.path());
        return drives;
    }
};

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "bench_window: %s\n", what);
    std::exit(1);
}

std::unique_ptr<TOs2Form> openWindow(const Drive &drive, PageId page)
{
    auto w = std::make_unique<TOs2Form>(QStringList{}, drive.map(), [](QWidget *, const QString &message) {
        fail(qPrintable(message));
    });
    w->show();
    QCoreApplication::processEvents();
    w->showPage(page);
    QCoreApplication::processEvents();
    return w;
}

// One run: milliseconds by the clock and of processor time.
struct Time
{
    double wall;
    double cpu;
};
using Times = std::vector<Time>;

// Runs `work` and the events it leaves behind (layout, painting): the time
// until the window has caught up.
Time timeOf(const std::function<void()> &work)
{
    const double cpu = bench::cpuMs();
    QElapsedTimer t;
    t.start();
    work();
    QCoreApplication::processEvents();
    return {bench::msSince(t), bench::cpuMs() - cpu};
}

Time median(const Times &times)
{
    std::vector<double> wall, cpu;
    for (const Time &t : times) {
        wall.push_back(t.wall);
        cpu.push_back(t.cpu);
    }
    return {bench::median(wall), bench::median(cpu)};
}

// One key pressed and released in Edit1, as the keyboard sends it.
void key(TOs2Form &w, int code, const QString &text)
{
    auto *edit = w.findChild<QLineEdit *>(QStringLiteral("Edit1"));
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QCoreApplication::sendEvent(edit, &press);
    QCoreApplication::sendEvent(edit, &release);
}

// Times "X" typed at the end of line `pos` and Backspace that takes it back,
// and checks that both reached the document.
void typeAndErase(TOs2Form &w, LinePos pos, Times &times)
{
    const std::string before = w.document().line(pos);
    times.push_back(timeOf([&] { key(w, Qt::Key_X, QStringLiteral("X")); }));
    if (w.document().line(pos) != before + 'X')
        fail("the keystroke did not reach the line");
    times.push_back(timeOf([&] { key(w, Qt::Key_Backspace, QString()); }));
    if (w.document().line(pos) != before)
        fail("Backspace did not reach the line");
}

// A figure: what it is, what it is set against, one block of its runs, and
// the median of each block.
struct Figure
{
    const char *what;
    const Figure *against;
    std::function<void(Times &)> block;
    Times medians = {};
    std::vector<double> wallRatios = {};
    std::vector<double> cpuRatios = {};
};

std::function<void(Times &)> repeated(const std::function<void()> &work)
{
    return [work](Times &times) {
        for (int i = 0; i < kRuns; ++i)
            times.push_back(timeOf(work));
    };
}

// Runs the figures in rounds, each figure's block after the one it is set against.
void runRounds(const std::vector<Figure *> &figures, int rounds)
{
    for (int r = 0; r < rounds; ++r) {
        for (Figure *f : figures) {
            Times times;
            f->block(times);
            f->medians.push_back(median(times));
        }
        for (Figure *f : figures) {
            if (!f->against)
                continue;
            f->wallRatios.push_back(f->medians.back().wall / f->against->medians.back().wall);
            f->cpuRatios.push_back(f->medians.back().cpu / f->against->medians.back().cpu);
        }
    }
}

void print(const Figure &f, const char *against = nullptr)
{
    const Time t = median(f.medians);
    if (!f.against) {
        std::printf("%-40s %9.3f ms\n", f.what, t.wall);
        return;
    }
    std::printf("%-40s %9.3f ms  %5.2fx %s (processor time: %.2fx)\n", f.what, t.wall,
                bench::median(f.wallRatios), against, bench::median(f.cpuRatios));
}

} // namespace

int main(int argc, char *argv[])
{
    bench::keepHeap();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Arguments name the figures to run, for a profiler: key, changes, disk,
    // hent, hent-many, check, huge. None runs them all.
    const QStringList only = app.arguments().mid(1);
    const auto wanted = [&](const char *name) { return only.isEmpty() || only.contains(QLatin1String(name)); };

    // A file with the drivers of one machine at its head; the file of
    // bench_document, with thousands of drivers, for one more "Hent".
    Drive big, small, huge, manyDrivers;
    const QByteArray config = bench::makeConfig(bench::kLines, bench::Filler::FewDrivers);
    bench::writeFile(big.config(), config);
    bench::writeFile(small.config(), bench::makeConfig(100, bench::Filler::FewDrivers));
    bench::writeFile(manyDrivers.config(), bench::makeConfig(bench::kLines, bench::Filler::ManyDrivers));
    // The large file with one line of 1 MB in its middle.
    const LinePos hugePos = bench::kLines / 2;
    {
        Lines lines = linefile::split(config.constData(), static_cast<std::size_t>(config.size()));
        std::string &line = lines[hugePos];
        line = "SET PATH=";
        while (line.size() < kHugeLineBytes)
            line += "C:\\OS2;C:\\OS2\\SYSTEM;C:\\MPTN\\BIN;C:\\TCPIP\\BIN;";
        bench::writeFile(huge.config(), QByteArray::fromStdString(linefile::join(lines)));
    }
    std::printf("CONFIG.SYS: %d lines, %.2f MB; %d rounds of %d runs, medians\n\n", bench::kLines,
                config.size() / 1e6, kRounds, kRuns);

    // Each window on the page where its work is done. The keystrokes go to
    // the line THREADS=, near the end of both files.
    const auto keyWindow = openWindow(big, PageId::Fil);
    const auto smallWindow = openWindow(small, PageId::Fil);
    const auto viewWindow = openWindow(big, PageId::Fil);
    const auto lastWindow = openWindow(big, PageId::Fil);
    const auto diskWindow = openWindow(big, PageId::Disk);
    const auto hentWindow = openWindow(big, PageId::Fil);
    const LinePos bigThreads = static_cast<LinePos>(bench::kLines - 8);
    const LinePos smallThreads = static_cast<LinePos>(100 - 8);
    const LinePos bigLast = static_cast<LinePos>(bench::kLines - 1);
    keyWindow->status().makeCurrent(bigThreads);
    lastWindow->status().makeCurrent(bigLast);
    smallWindow->status().makeCurrent(smallThreads);
    viewWindow->status().makeCurrent(bigThreads);
    QCoreApplication::processEvents();

    Figure yard{"yardstick: read the file and split it", nullptr,
                repeated([&] { bench::readAndSplit(big.config(), bench::kLines); })};
    Figure keySmall{"keystroke in Edit1, 100 lines", &yard, [&](Times &t) {
                        for (int i = 0; i < kRuns; ++i)
                            typeAndErase(*smallWindow, smallThreads, t);
                    }};
    Figure keyBig{"keystroke in Edit1, 65,534 lines", &keySmall, [&](Times &t) {
                      for (int i = 0; i < kRuns; ++i)
                          typeAndErase(*keyWindow, bigThreads, t);
                  }};
    // The last line: the list must not lay out every row again for it.
    Figure keyLast{"... on the last line", &keyBig, [&](Times &t) {
                       for (int i = 0; i < kRuns; ++i)
                           typeAndErase(*lastWindow, bigLast, t);
                   }};
    // "Endringer" open beside the window: each keystroke adds the line's row
    // and each Backspace takes it away again.
    Figure keyView{"... with \"Endringer\" open", &keyBig, [&](Times &t) {
                       viewWindow->showChanges();
                       for (int i = 0; i < kRuns; ++i)
                           typeAndErase(*viewWindow, bigThreads, t);
                   }};
    // Opening the view, and closing it again untimed: on 100 lines it is the
    // cost of making a window; on the whole document it should be no more.
    const auto opening = [](TOs2Form &w) {
        return [&w](Times &t) {
            for (int i = 0; i < kRuns; ++i) {
                t.push_back(timeOf([&] { w.showChanges(); }));
                if (auto *view = w.findChild<QDialog *>(QStringLiteral("Endringer")))
                    view->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
        };
    };
    // Each with one changed line, so that opening looks at every line.
    const auto withAChange = [](const Drive &drive, LinePos line) {
        auto w = openWindow(drive, PageId::Fil);
        w->status().makeCurrent(line);
        key(*w, Qt::Key_X, QStringLiteral("X"));
        return w;
    };
    const auto changedSmall = withAChange(small, smallThreads);
    const auto changedBig = withAChange(big, bigThreads);
    Figure openSmall{"opening \"Endringer\", 100 lines", &keySmall, opening(*changedSmall)};
    Figure openBig{"opening \"Endringer\", 65,534 lines", &openSmall, opening(*changedBig)};
    Figure disk{"\"Disk\" page refresh", &yard, repeated([&] { diskWindow->NoteBookClick(); })};
    Figure hent{"\"Hent\": load, scan, list on \"Fil\"", &yard, repeated([&] { hentWindow->OpenKnappClick(); })};

    std::vector<Figure *> figures{&yard};
    if (wanted("key") || wanted("changes"))
        figures.insert(figures.end(), {&keySmall, &keyBig, &keyLast});
    if (wanted("changes"))
        figures.insert(figures.end(), {&keyView, &openSmall, &openBig});
    if (wanted("disk"))
        figures.push_back(&disk);
    if (wanted("hent"))
        figures.push_back(&hent);
    runRounds(figures, kRounds);
    print(yard);
    if (wanted("key") || wanted("changes")) {
        print(keySmall, "the yardstick");
        print(keyBig, "the keystroke on 100 lines");
        print(keyLast, "the keystroke on another line");
    }
    if (wanted("changes")) {
        print(keyView, "the keystroke without it");
        print(openSmall, "the keystroke on 100 lines");
        print(openBig, "the same on 100 lines");
    }
    if (wanted("disk"))
        print(disk, "the yardstick");
    if (wanted("hent"))
        print(hent, "the yardstick");

    // "Hent" of the file of bench_document: a DEVICE=, BASEDEV= or network
    // statement in every tenth line, so the lists of "Drivere" and "Nettverk"
    // get 6,553 entries each. Those lists are QListWidgets; filling them is
    // the most of it.
    if (wanted("hent-many")) {
        const auto manyWindow = openWindow(manyDrivers, PageId::Fil);
        Figure manyYard{"yardstick of that file", nullptr,
                        repeated([&] { bench::readAndSplit(manyDrivers.config(), bench::kLines); })};
        Figure manyHent{"\"Hent\", file of bench_document", &manyYard,
                        repeated([&] { manyWindow->OpenKnappClick(); })};
        runRounds({&manyYard, &manyHent}, 3);
        print(manyHent, "its yardstick");
    }

    // "os2setup --check" of the file of bench_document, about 52,000 names,
    // on a drive whose host names are all in lower case, as a drive copied
    // from FAT or mounted without case folding has them: reading the file,
    // then the check.
    if (wanted("check")) {
        for (const char *name : {"os2/boot/com.sys", "os2/boot/ibm1s506.add", "os2/system/", "mptn/bin/cntrl.exe",
                                 "tcpip/bin/", "os2/hpfs.ifs", "os2/mdos/vcdrom.sys", "os2/mdos/command.com"}) {
            const QString path = manyDrivers.dir.filePath(QString::fromLatin1(name));
            QDir().mkpath(QFileInfo(path).path());
            if (!path.endsWith(u'/'))
                bench::writeFile(path, {});
        }
        const DriveMap drives = manyDrivers.map();
        Figure checkYard{"yardstick of that file", nullptr,
                         repeated([&] { bench::readAndSplit(manyDrivers.config(), bench::kLines); })};
        Figure check{"check, file of bench_document", &checkYard, repeated([&] {
                         const Lines lines = linefile::load(drives, "C:\\CONFIG.SYS", MaxDocumentLines);
                         const bootcheck::Report report = bootcheck::checkDocument(lines, drives, u'C');
                         // Only the file's missing LIBPATH.
                         if (report.findings.size() != 1 || report.checked < 50000)
                             fail("the check found what the drive holds missing");
                     })};
        runRounds({&checkYard, &check}, 3);
        print(checkYard);
        print(check, "its yardstick");
    }

    // The line of 1 MB: selecting it from another line, a keystroke at its
    // end and back, "REM av/på" on and off. Times by the clock; each must
    // stay short.
    if (!wanted("huge"))
        return 0;
    const auto hugeWindow = openWindow(huge, PageId::Fil);
    if (hugeWindow->document().line(hugePos).size() < kHugeLineBytes)
        fail("no line of 1 MB");
    Times select, keyHuge, rem;
    // A press of the button, as the user's action.
    auto *remButton = hugeWindow->findChild<QPushButton *>(QStringLiteral("RemKnapp"));
    const auto pressRem = [&] { remButton->click(); };
    for (int r = 0; r < kHugeRuns; ++r) {
        hugeWindow->status().makeCurrent(0);
        QCoreApplication::processEvents();
        select.push_back(timeOf([&] { hugeWindow->status().makeCurrent(hugePos); }));
        typeAndErase(*hugeWindow, hugePos, keyHuge);
        rem.push_back(timeOf(pressRem));
        if (hugeWindow->document().line(hugePos).compare(0, 13, "REM SET PATH=") != 0)
            fail("REM av/på did not comment the line out");
        rem.push_back(timeOf(pressRem));
        if (hugeWindow->document().line(hugePos).compare(0, 9, "SET PATH=") != 0)
            fail("REM av/på did not take REM away");
    }
    std::printf("\nA line of %.2f MB among them (medians of %d runs):\n", kHugeLineBytes / 1e6, kHugeRuns);
    for (const auto &[what, times] : {std::pair<const char *, const Times &>{"selecting it", select},
                                      {"a keystroke in Edit1", keyHuge},
                                      {"\"REM av/på\"", rem}}) {
        const Time t = median(times);
        std::printf("%-40s %9.3f ms  (processor time %.3f ms)\n", what, t.wall, t.cpu);
    }
    return 0;
}
