// Benchmark of undo and redo on the largest document: a keystroke in Edit1
// with a history of many steps behind it, the undo and redo of a line's
// change, and of a line added at the end. Each figure on 65,534 lines is set
// against the same on 100 lines, measured in the same rounds, so that a busy
// machine slows both alike; it prints the median over the rounds of each ratio.
#include "bench_support.h"

#include "app/os2form.h"
#include "workspace/status_area.h"

#include <QApplication>
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
// The steps in the history before anything is timed.
constexpr int kSteps = 1000;

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "bench_undo: %s\n", what);
    std::exit(1);
}

struct Window
{
    QTemporaryDir dir;
    std::unique_ptr<TOs2Form> w;
    LinePos threads = NoLine;

    Window(int lineCount, PageId page)
    {
        bench::writeFile(dir.filePath("CONFIG.SYS"), bench::makeConfig(lineCount, bench::Filler::FewDrivers));
        DriveMap drives;
        drives.setDrive(u'C', dir.path());
        w = std::make_unique<TOs2Form>(QStringList{}, drives,
                                       [](QWidget *, const QString &message) { fail(qPrintable(message)); });
        w->show();
        QCoreApplication::processEvents();
        // "REM av/på" pressed on line after line: a long history, all over the file.
        auto *rem = w->findChild<QPushButton *>(QStringLiteral("RemKnapp"));
        w->showPage(PageId::Fil);
        for (int i = 0; i < kSteps; ++i) {
            w->status().makeCurrent(static_cast<LinePos>((i * 7919) % (lineCount - 8)));
            rem->click();
        }
        if (!w->canUndo())
            fail("no history");
        w->showPage(page);
        QCoreApplication::processEvents();
        threads = static_cast<LinePos>(lineCount - 8);
        if (w->document().line(threads).rfind("THREADS=", 0) != 0)
            fail("no THREADS line");
    }
};

// Milliseconds until the window has caught up with `work`.
double timeOf(const std::function<void()> &work)
{
    QElapsedTimer t;
    t.start();
    work();
    QCoreApplication::processEvents();
    return bench::msSince(t);
}

void key(TOs2Form &w, int code, const QString &text)
{
    auto *edit = w.findChild<QLineEdit *>(QStringLiteral("Edit1"));
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QCoreApplication::sendEvent(edit, &press);
    QCoreApplication::sendEvent(edit, &release);
}

// One block of runs of a figure on one window: the median.
using Block = std::function<double(Window &)>;

// "X" typed at the end of the THREADS line, and Backspace: a step pushed,
// then joined and dropped again.
double keystrokes(Window &win)
{
    std::vector<double> times;
    win.w->status().makeCurrent(win.threads);
    const std::string before = win.w->document().line(win.threads);
    for (int i = 0; i < kRuns; ++i) {
        times.push_back(timeOf([&] { key(*win.w, Qt::Key_X, QStringLiteral("X")); }));
        times.push_back(timeOf([&] { key(*win.w, Qt::Key_Backspace, QString()); }));
    }
    if (win.w->document().line(win.threads) != before)
        fail("the keystrokes did not reach the line, or stayed");
    return bench::median(times);
}

// The step on top undone and made again, with the page refresh after each.
double undoRedo(Window &win)
{
    std::vector<double> times;
    const Lines before = win.w->document().lines();
    for (int i = 0; i < kRuns; ++i) {
        times.push_back(timeOf([&] { win.w->undoEdit(); }));
        times.push_back(timeOf([&] { win.w->redoEdit(); }));
    }
    if (win.w->document().lines() != before)
        fail("undo and redo did not bring the document back");
    return bench::median(times);
}

struct Figure
{
    const char *what;
    Window &small;
    Window &big;
    Block block;
    std::vector<double> smallMs = {}, bigMs = {}, ratios = {};
};

} // namespace

int main(int argc, char **argv)
{
    bench::keepHeap();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    Window typingSmall(100, PageId::Fil), typingBig(bench::kLines, PageId::Fil);
    Window remSmall(100, PageId::Fil), remBig(bench::kLines, PageId::Fil);
    // "Legg til config.sys" pressed once: its step adds the last line, which
    // each undo takes away and each redo brings back.
    Window addSmall(100, PageId::Oppstart), addBig(bench::kLines, PageId::Oppstart);
    for (Window *win : {&addSmall, &addBig}) {
        win->w->findChild<QPushButton *>(QStringLiteral("LeggTilRestartKnapp"))->click();
        if (win->w->document().lines().back().rfind("RESTARTOBJECTS=", 0) != 0)
            fail("no line added");
    }

    std::printf("%d steps in the history; %d rounds of %d runs, medians\n\n", kSteps, kRounds, kRuns);
    std::vector<Figure> figures{{"keystroke in Edit1", typingSmall, typingBig, keystrokes},
                                {"undo or redo of \"REM av/på\"", remSmall, remBig, undoRedo},
                                {"undo or redo of a line added", addSmall, addBig, undoRedo}};
    for (int r = 0; r < kRounds; ++r)
        for (Figure &f : figures) {
            f.smallMs.push_back(f.block(f.small));
            f.bigMs.push_back(f.block(f.big));
            f.ratios.push_back(f.bigMs.back() / f.smallMs.back());
        }
    for (Figure &f : figures)
        std::printf("%-34s 100 lines %7.3f ms, 65,534 lines %7.3f ms: %5.2fx\n", f.what, bench::median(f.smallMs),
                    bench::median(f.bigMs), bench::median(f.ratios));
    return 0;
}
