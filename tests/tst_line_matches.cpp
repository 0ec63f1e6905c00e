// Finding a text in the document's lines: which lines hold it, with and
// without letter case, kept in step as lines change, and the way round.
#include "engine/line_matches.h"
#include "platform/text8.h"

#include <QTest>

#include <random>

Q_DECLARE_METATYPE(LineMatches::Case)

namespace {

// The lines that hold `text` as described: each line taken whole, upper-cased
// both where letter case is aside.
std::vector<LinePos> plainFind(const Lines &lines, const std::string &text, LineMatches::Case letterCase)
{
    std::vector<LinePos> found;
    const bool ignore = letterCase == LineMatches::Case::Ignore;
    const std::string needle = ignore ? text8::upper(text) : text;
    for (std::size_t i = 0; i < std::min(lines.size(), MaxDocumentLines); ++i) {
        const std::string line = ignore ? text8::upper(lines[i]) : lines[i];
        if (!needle.empty() && line.find(needle) != std::string::npos)
            found.push_back(static_cast<LinePos>(i));
    }
    return found;
}

std::vector<LinePos> found(const Lines &lines, const std::string &text, LineMatches::Case letterCase)
{
    const UpperLines upper(lines);
    LineMatches matches;
    matches.find(SearchLines{lines, upper}, text, letterCase);
    return matches.lines();
}

} // namespace

class TestLineMatches : public QObject
{
    Q_OBJECT

private slots:
    void findsTheLinesThatHoldTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<LineMatches::Case>("letterCase");
        QTest::addColumn<QList<int>>("lines");
        const auto ignore = LineMatches::Case::Ignore, match = LineMatches::Case::Match;
        QTest::newRow("letter case aside") << "libpath" << ignore << QList<int>{1, 3};
        QTest::newRow("letter case as written") << "LIBPATH" << match << QList<int>{1};
        QTest::newRow("national letters aside") << "kjøre" << ignore << QList<int>{4, 5};
        QTest::newRow("national letters as written") << "KJØRE" << match << QList<int>{5};
        QTest::newRow("twice in a line counts once") << "os2" << ignore << QList<int>{1, 2, 3};
        QTest::newRow("none") << "VCDROM" << ignore << QList<int>{};
        QTest::newRow("empty text") << "" << ignore << QList<int>{};
        QTest::newRow("a line end is in no line") << "LIBPATH=.\n" << ignore << QList<int>{};
        QTest::newRow("small letters as written") << "rem" << match << QList<int>{0, 3};
    }
    void findsTheLinesThatHoldTheText()
    {
        QFETCH(QString, text);
        QFETCH(LineMatches::Case, letterCase);
        QFETCH(QList<int>, lines);
        const Lines doc{"rem", "LIBPATH=.;C:\\OS2\\DLL;C:\\OS2\\MDOS", "SET PATH=C:\\OS2", "rem libpath=c:\\os2",
                        text8::fromDisplay("REM kjøre").value(), text8::fromDisplay("REM KJØRE").value()};
        const std::vector<LinePos> got = found(doc, text8::fromDisplay(text).value(), letterCase);
        QCOMPARE(QList<int>(got.begin(), got.end()), lines);
    }

    // Random lines, texts and edits: the matches, kept in step line by line
    // and found anew, are always those of the plain search.
    void followsEveryChangeAsAFreshSearch()
    {
        std::mt19937 random(33);
        const std::vector<std::string> pieces{"REM ", "rem ", "DEVICE=", "device=", "\xE6\xF8", "\xC6\xD8", "X",
                                              "x",    "=",    "\xFF",    "\x9F",    "C:\\",   ";"};
        const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
        const auto makeLine = [&] {
            std::string line;
            for (std::size_t k = pick(5); k > 0; --k)
                line += pieces[pick(pieces.size())];
            return line;
        };
        for (int round = 0; round < 40; ++round) {
            Lines lines(pick(600));
            for (std::string &line : lines)
                line = makeLine();
            UpperLines upper(lines);
            const std::string text = pieces[pick(pieces.size())] + (pick(2) ? pieces[pick(pieces.size())] : "");
            const auto letterCase = pick(2) ? LineMatches::Case::Match : LineMatches::Case::Ignore;
            LineMatches matches;
            matches.find(SearchLines{lines, upper}, text, letterCase);
            QVERIFY(matches.lines() == plainFind(lines, text, letterCase));
            for (int edit = 0; edit < 50; ++edit) {
                if (lines.empty() || pick(4) == 0) {
                    lines.push_back(makeLine());
                    upper.append(lines.back());
                    matches.lineChanged(SearchLines{lines, upper}, static_cast<LinePos>(lines.size() - 1));
                } else {
                    const std::size_t i = pick(lines.size());
                    lines[i] = makeLine();
                    upper.replace(i, lines[i]);
                    matches.lineChanged(SearchLines{lines, upper}, static_cast<LinePos>(i));
                }
                QVERIFY2(matches.lines() == plainFind(lines, text, letterCase),
                         qPrintable(QStringLiteral("round %1, edit %2").arg(round).arg(edit)));
            }
            // Fewer lines than before (a new load): none past the end stays.
            lines.resize(lines.size() / 2);
            upper.assign(lines);
            matches.refind(SearchLines{lines, upper});
            QVERIFY(matches.lines() == plainFind(lines, text, letterCase));
        }
    }

    // From a line, the next and the one before go round the ends.
    void stepsGoRoundTheEnds_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("next");
        QTest::addColumn<bool>("nextWrapped");
        QTest::addColumn<int>("previous");
        QTest::addColumn<bool>("previousWrapped");
        QTest::addColumn<int>("atOrAfter");
        // The matches are lines 2, 5 and 9 of twelve.
        QTest::newRow("no line selected") << -1 << 2 << false << 9 << false << 2;
        QTest::newRow("before the first") << 0 << 2 << false << 9 << true << 2;
        QTest::newRow("on the first") << 2 << 5 << false << 9 << true << 2;
        QTest::newRow("between") << 6 << 9 << false << 5 << false << 9;
        QTest::newRow("on the last") << 9 << 2 << true << 5 << false << 9;
        QTest::newRow("after the last") << 11 << 2 << true << 9 << false << 2;
    }
    void stepsGoRoundTheEnds()
    {
        QFETCH(int, from);
        QFETCH(int, next);
        QFETCH(bool, nextWrapped);
        QFETCH(int, previous);
        QFETCH(bool, previousWrapped);
        QFETCH(int, atOrAfter);
        Lines lines(12, "REM");
        for (std::size_t i : {2, 5, 9})
            lines[i] = "LIBPATH=.";
        const UpperLines upper(lines);
        LineMatches matches;
        matches.find(SearchLines{lines, upper}, "libpath", LineMatches::Case::Ignore);
        QCOMPARE(int(matches.next(from).line), next);
        QCOMPARE(matches.next(from).wrapped, nextWrapped);
        QCOMPARE(int(matches.previous(from).line), previous);
        QCOMPARE(matches.previous(from).wrapped, previousWrapped);
        QCOMPARE(int(matches.atOrAfter(from).line), atOrAfter);
        QCOMPARE(matches.indexOf(from), from == 2 ? 0 : from == 9 ? 2 : -1);

        // One match: the way round leads back to it; none: nowhere.
        matches.find(SearchLines{lines, upper}, "LIBPATH=.", LineMatches::Case::Match);
        lines[2] = lines[9] = "REM";
        const UpperLines fewer(lines);
        matches.refind(SearchLines{lines, fewer});
        QCOMPARE(int(matches.next(5).line), 5);
        QVERIFY(matches.next(5).wrapped);
        matches.find(SearchLines{lines, fewer}, "VCDROM", LineMatches::Case::Ignore);
        QCOMPARE(matches.next(from).line, NoLine);
        QCOMPARE(matches.previous(from).line, NoLine);
        QCOMPARE(matches.atOrAfter(from).line, NoLine);
    }
};

QTEST_APPLESS_MAIN(TestLineMatches)
#include "tst_line_matches.moc"
