// List statements compared item by item, alone and inside the line diff.
#include "engine/line_diff.h"
#include "engine/list_diff.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <numeric>
#include <random>

using namespace listdiff;

namespace {

QString changesOf(const QString &before, const QString &after)
{
    const std::optional<ListChanges> found = compare(before.toStdString(), after.toStdString());
    return found ? describe(*found) : QStringLiteral("(none)");
}

} // namespace

class TestListDiff : public QObject
{
    Q_OBJECT

private slots:
    void changes_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("changes");
        QTest::newRow("one added, one removed in its place")
            << "LIBPATH=.;D:\\GAMMEL;C:\\OS2\\DLL" << "LIBPATH=.;C:\\USR\\LIB;C:\\OS2\\DLL"
            << "LIBPATH: + C:\\USR\\LIB; − D:\\GAMMEL";
        QTest::newRow("moved to the front, as the file writes it")
            << "SET PATH=C:\\OS2;C:\\MPTN\\BIN;D:\\Tools" << "set Path = D:\\TOOLS;c:\\os2;C:\\MPTN\\BIN"
            << "set Path: ~ D:\\TOOLS (nr. 3 → 1)";
        QTest::newRow("case, blanks, empty items and a last ';' are no change")
            << "LIBPATH=.;C:\\OS2\\DLL;" << "LIBPATH = . ; c:\\os2\\dll;;"
            << "LIBPATH: ingen elementer lagt til, fjernet eller flyttet";
        QTest::newRow("an item twice: the second goes")
            << "SET DPATH=A;B;A;C" << "SET DPATH=A;B;C" << "SET DPATH: − A";
        QTest::newRow("a list reversed moves all but one")
            << "SET HELP=A;B;C;D" << "SET HELP=D;C;B;A" << "SET HELP: ~ D (nr. 4 → 1); ~ C (nr. 3 → 2); ~ B (nr. 2 → 3)";
        QTest::newRow("from nothing") << "SET BOOKSHELF=" << "SET BOOKSHELF=C:\\OS2\\BOOK"
                                      << "SET BOOKSHELF: + C:\\OS2\\BOOK";
        QTest::newRow("a SET list not named, with ';'")
            << "SET DELDIR=C:\\DELETE,512;" << "SET DELDIR=C:\\DELETE,512;D:\\DELETE,512;"
            << "SET DELDIR: + D:\\DELETE,512";
        QTest::newRow("a SET without ';' is no list") << "SET PROMPT=$p" << "SET PROMPT=$i$p" << "(none)";
        QTest::newRow("other names") << "SET PATH=A" << "SET DPATH=A" << "(none)";
        QTest::newRow("commented out") << "LIBPATH=A" << "REM LIBPATH=A;B" << "(none)";
        QTest::newRow("PATH without SET is no statement") << "PATH=A" << "PATH=A;B" << "(none)";
        QTest::newRow("an item with %1 in it") << "SET LIB=%1" << "SET LIB=%1;%2" << "SET LIB: + %2";
        QTest::newRow("Ctrl-Z at the end is not an item") << "SET INCLUDE=A" << "SET INCLUDE=A;B\x1A"
                                                         << "SET INCLUDE: + B";
    }
    void changes()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, changes);
        QCOMPARE(changesOf(before, after), changes);
    }

    void bytesForm()
    {
        const std::optional<ListChanges> found
            = compare("LIBPATH=A;\xD8L;B;C", "LIBPATH=C;A;B;NY");
        QVERIFY(found);
        QCOMPARE(describeBytes(*found), std::string("LIBPATH: ~ C (nr. 4 -> 1); - \xD8L; + NY"));
        QCOMPARE(describe(*found), QStringLiteral("LIBPATH: ~ C (nr. 4 → 1); − ØL; + NY"));
    }

    // As few moves as can be: every item that is not moved keeps its order,
    // and the kept ones are a longest run in order (checked the slow way).
    void fewestMoves()
    {
        QRandomGenerator random(1234);
        for (int round = 0; round < 300; ++round) {
            std::vector<int> order(static_cast<std::size_t>(random.bounded(1, 12)));
            std::iota(order.begin(), order.end(), 0);
            std::shuffle(order.begin(), order.end(), std::mt19937(random.generate()));
            std::string before = "LIBPATH=", after = "LIBPATH=";
            for (std::size_t k = 0; k < order.size(); ++k) {
                before += "D" + std::to_string(k) + ';';
                after += "D" + std::to_string(order[k]) + ';';
            }
            const std::optional<ListChanges> found = compare(before, after);
            QVERIFY(found);
            // The longest rising run of `order`, by the square of its length.
            std::vector<std::size_t> best(order.size(), 1);
            for (std::size_t j = 0; j < order.size(); ++j)
                for (std::size_t i = 0; i < j; ++i)
                    if (order[i] < order[j])
                        best[j] = std::max(best[j], best[i] + 1);
            const std::size_t longest = *std::max_element(best.begin(), best.end());
            QCOMPARE(found->changes.size(), order.size() - longest);
            for (const Change &c : found->changes)
                QCOMPARE(c.kind, Change::Kind::Moved);
        }
    }

    // In the line diff: an old list line pairs with the new one of its name
    // wherever it went; the unified diff says so before it begins.
    void inTheLineDiff()
    {
        const Lines before = {"LIBPATH=.;C:\\OS2\\DLL;D:\\GAMMEL", "THREADS=64", "SET PATH=C:\\OS2", "REM x"};
        const Lines after = {"THREADS=128", "SET PATH=C:\\OS2;C:\\USR\\BIN", "REM x",
                             "LIBPATH=.;C:\\USR\\LIB;C:\\OS2\\DLL"};
        const std::vector<linediff::ListRow> found = linediff::listRows(before, after);
        QCOMPARE(found.size(), std::size_t(2));
        QCOMPARE(found[0].beforeLine, std::size_t(3));
        QCOMPARE(found[0].afterLine, std::size_t(2));
        QCOMPARE(found[1].beforeLine, std::size_t(1));
        QCOMPARE(found[1].afterLine, std::size_t(4));
        const std::string diff = linediff::unified(before, after, "C:\\CONFIG.SYS", "C:\\CONFIG.NEW");
        QVERIFY2(diff.starts_with("Linje 3: SET PATH: + C:\\USR\\BIN\n"
                                  "Linje 1: LIBPATH: + C:\\USR\\LIB; - D:\\GAMMEL\n"
                                  "--- C:\\CONFIG.SYS\n+++ C:\\CONFIG.NEW\n@@ "),
                 diff.c_str());
        QVERIFY(linediff::listRows(before, before).empty());
        QVERIFY(linediff::unified(before, before, "a", "b").empty());
    }
};

QTEST_APPLESS_MAIN(TestListDiff)
#include "tst_list_diff.moc"
