// Benchmark of the find bar on the largest document: the search alone, the
// keystroke in the find field that completes a text until its first match is
// shown, one that marks every line, F3 among those marks, and a page of the
// list painted with every row marked. Runs in rounds; each round times the
// yardstick (reading and splitting the same file) and every figure, and
// prints the median over the rounds of each figure's ratio to it.
#include "bench_support.h"

#include "app/os2form.h"
#include "engine/line_matches.h"
#include "workspace/status_area.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kRounds = 9;
constexpr int kRuns = 7;
// The first match must be shown within this.
constexpr double kFirstMatchMs = 20.0;

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "bench_find: %s\n", what);
    std::exit(1);
}

// `work` and the events it leaves behind (layout, painting), in milliseconds.
double timeOf(const std::function<void()> &work)
{
    QElapsedTimer t;
    t.start();
    work();
    QCoreApplication::processEvents();
    return bench::msSince(t);
}

void key(QWidget *target, int code, const QString &text = {})
{
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
}

struct Figure
{
    const char *what;
    // Runs once before each timed run, untimed.
    std::function<void()> prepare;
    std::function<void()> run;
    // Checks the run's result; a figure of work not done means nothing.
    std::function<bool()> done;
    std::vector<double> medians = {};
    std::vector<double> ratios = {};
};

double block(Figure &f)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        if (f.prepare)
            f.prepare();
        QCoreApplication::processEvents();
        times.push_back(timeOf(f.run));
        if (f.done && !f.done())
            fail(f.what);
    }
    return bench::median(std::move(times));
}

} // namespace

int main(int argc, char *argv[])
{
    bench::keepHeap();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("CONFIG.SYS"));
    bench::writeFile(file, bench::makeConfig(bench::kLines, bench::Filler::FewDrivers));
    DriveMap drives;
    drives.setDrive(u'C', dir.path());
    TOs2Form w({}, drives, [](QWidget *, const QString &message) { fail(qPrintable(message)); });
    w.show();
    QCoreApplication::processEvents();
    w.showFind();
    QCoreApplication::processEvents();
    auto *field = w.findChild<QLineEdit *>(QStringLiteral("FinnFelt"));
    auto *list = w.findChild<QListView *>(QStringLiteral("ListBox"));
    if (!field || !list)
        fail("no find bar");

    const int vcdrom = bench::kLines - 2;
    LineMatches matches;
    const SearchLines lines = w.document().searchLines();
    // The last character of a text typed: the text before it is set untimed.
    const auto typedLast = [&](const char *before, int code, const char *last) {
        return Figure{nullptr,
                      [&, before] {
                          w.status().makeCurrent(0);
                          field->setText(QString::fromLatin1(before));
                      },
                      [&, code, last] { key(field, code, QString::fromLatin1(last)); }};
    };
    Figure yard{"yardstick: read the file and split it", {}, [&] { bench::readAndSplit(file, bench::kLines); }};
    Figure search{"search alone: \"vcdrom\", one line at the end", {},
                  [&] { matches.find(lines, "vcdrom", LineMatches::Case::Ignore); },
                  [&] { return matches.count() == 1; }};
    Figure searchAll{"search alone: \"e\", every line", {},
                     [&] { matches.find(lines, "e", LineMatches::Case::Ignore); },
                     [&] { return matches.count() > bench::kLines - 100; }};
    Figure first = typedLast("VCDRO", Qt::Key_M, "M");
    first.what = "\"M\" completes \"VCDROM\": first match shown";
    first.done = [&] { return w.status().selectedLine() == vcdrom; };
    Figure every = typedLast("", Qt::Key_E, "E");
    every.what = "\"E\": every line marked, the first shown";
    every.done = [&] { return w.status().selectedLine() == 0; };
    Figure step{"F3 among those marks", {}, [&] { w.findNext(); }};
    Figure page{"Page Down in the list, every row marked", [&] { list->setFocus(); },
                [&] { key(list, Qt::Key_PageDown); }};

    std::printf("CONFIG.SYS: %d lines; %d rounds of %d runs, medians\n\n", bench::kLines, kRounds, kRuns);
    std::vector<Figure *> figures{&search, &searchAll, &first, &every, &step, &page};
    for (int r = 0; r < kRounds; ++r) {
        const double yardstick = block(yard);
        yard.medians.push_back(yardstick);
        // F3 and the page run among the marks that "E" left.
        for (Figure *f : figures) {
            const double ms = block(*f);
            f->medians.push_back(ms);
            f->ratios.push_back(ms / yardstick);
        }
    }
    std::printf("%-46s %9.3f ms\n", yard.what, bench::median(yard.medians));
    for (const Figure *f : figures)
        std::printf("%-46s %9.3f ms  %5.2fx the yardstick\n", f->what, bench::median(f->medians),
                    bench::median(f->ratios));
    const double firstMs = bench::median(first.medians);
    std::printf("\nfirst match within %.0f ms: %s\n", kFirstMatchMs, firstMs < kFirstMatchMs ? "yes" : "NO");
    return 0;
}
