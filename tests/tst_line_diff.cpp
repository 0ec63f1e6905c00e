// The line differences between two files: rows for the window, a unified diff
// for the command line.
#include "engine/line_diff.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <sstream>

using namespace linediff;

namespace {

Lines linesOf(const QString &text)
{
    Lines lines;
    if (text.isEmpty())
        return lines;
    for (const QString &line : text.split(u'|'))
        lines.push_back(line.toStdString());
    return lines;
}

// Row by row: "~3:a>b" changed (line 3 before), "+2:c" added (line 2 after), "-1:d" removed.
QString describe(const std::vector<Row> &rows)
{
    QStringList out;
    for (const Row &row : rows) {
        switch (row.kind) {
        case Row::Kind::Changed:
            out << QStringLiteral("~%1:%2>%3").arg(row.beforeLine).arg(QString::fromStdString(row.before), QString::fromStdString(row.after));
            break;
        case Row::Kind::Added: out << QStringLiteral("+%1:%2").arg(row.afterLine).arg(QString::fromStdString(row.after)); break;
        case Row::Kind::Removed: out << QStringLiteral("-%1:%2").arg(row.beforeLine).arg(QString::fromStdString(row.before)); break;
        }
    }
    return out.join(u' ');
}

// The length of a longest common subsequence, the slow and sure way.
std::size_t lcs(const Lines &a, const Lines &b)
{
    std::vector<std::vector<std::size_t>> t(a.size() + 1, std::vector<std::size_t>(b.size() + 1, 0));
    for (std::size_t i = 1; i <= a.size(); ++i)
        for (std::size_t j = 1; j <= b.size(); ++j)
            t[i][j] = a[i - 1] == b[j - 1] ? t[i - 1][j - 1] + 1 : std::max(t[i - 1][j], t[i][j - 1]);
    return t[a.size()][b.size()];
}

// Applies a unified diff to `lines`, checking every context and removed line.
bool apply(const std::string &diff, Lines lines, const Lines &expected)
{
    std::istringstream in(diff);
    std::string line;
    std::getline(in, line); // ---
    std::getline(in, line); // +++
    long shift = 0;
    std::size_t at = 0;
    while (std::getline(in, line)) {
        if (line.rfind("@@ -", 0) == 0) {
            long from = std::stol(line.substr(4));
            const long length = std::stol(line.substr(line.find(',') + 1));
            at = static_cast<std::size_t>(length == 0 ? from : from - 1) + static_cast<std::size_t>(shift);
            continue;
        }
        const char mark = line.empty() ? '?' : line[0];
        const std::string text = line.substr(1);
        if (mark == ' ') {
            if (at >= lines.size() || lines[at] != text)
                return false;
            ++at;
        } else if (mark == '-') {
            if (at >= lines.size() || lines[at] != text)
                return false;
            lines.erase(lines.begin() + static_cast<long>(at));
            --shift;
        } else if (mark == '+') {
            lines.insert(lines.begin() + static_cast<long>(at), text);
            ++at;
            ++shift;
        } else {
            return false;
        }
    }
    return lines == expected;
}

} // namespace

class TestLineDiff : public QObject
{
    Q_OBJECT

private slots:
    void rows_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("rows");
        QTest::newRow("equal") << "a|b" << "a|b" << "";
        QTest::newRow("one changed") << "a|b|c" << "a|B|c" << "~2:b>B";
        QTest::newRow("added at the end") << "a|b" << "a|b|c" << "+3:c";
        QTest::newRow("removed in the middle") << "a|b|c" << "a|c" << "-2:b";
        QTest::newRow("from nothing") << "" << "a|b" << "+1:a +2:b";
        QTest::newRow("to nothing") << "a" << "" << "-1:a";
        QTest::newRow("two changed, one more added") << "a|x|y|z" << "a|X|Y|n|z" << "~2:x>X ~3:y>Y +4:n";
        QTest::newRow("moved line") << "a|b|c|d" << "b|c|d|a" << "-1:a +4:a";
        QTest::newRow("blank differs") << "THREADS=64" << "THREADS=64 " << "~1:THREADS=64>THREADS=64 ";
    }
    void rows()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, rows);
        QCOMPARE(describe(linediff::rows(linesOf(before), linesOf(after))), rows);
    }

    // On random pairs the edit is a shortest one, and the unified diff turns
    // the first file into the second.
    void randomPairs()
    {
        QRandomGenerator random(4711);
        for (int round = 0; round < 400; ++round) {
            Lines a, b;
            const auto fill = [&random](Lines &l) {
                const int n = static_cast<int>(random.bounded(12));
                for (int i = 0; i < n; ++i)
                    l.push_back(std::string(1, static_cast<char>('a' + random.bounded(4))));
            };
            fill(a);
            fill(b);
            const std::vector<Row> found = linediff::rows(a, b);
            const Counts c = count(found);
            QCOMPARE(static_cast<std::size_t>(c.changed + c.removed), a.size() - lcs(a, b));
            QCOMPARE(static_cast<std::size_t>(c.changed + c.added), b.size() - lcs(a, b));
            const std::string diff = unified(a, b, "a", "b", static_cast<std::size_t>(random.bounded(4)));
            QCOMPARE(diff.empty(), a == b);
            if (!diff.empty())
                QVERIFY2(apply(diff, a, b), diff.c_str());
        }
    }

    void unifiedText()
    {
        const Lines before = linesOf("1|2|3|4|5|6|7|8|9|10|11|12");
        Lines after = before;
        after[1] = "two";
        after.push_back("13");
        QCOMPARE(QString::fromStdString(unified(before, after, "C:\\CONFIG.SYS", "C:\\CONFIG.NEW", 2)),
                 QStringLiteral("--- C:\\CONFIG.SYS\n+++ C:\\CONFIG.NEW\n"
                                "@@ -1,4 +1,4 @@\n 1\n-2\n+two\n 3\n 4\n"
                                "@@ -11,2 +11,3 @@\n 11\n 12\n+13\n"));
    }

    // A pair with hardly a line in common and more edits than the search
    // takes on: the middle is replaced whole, and still correctly.
    void manyEdits()
    {
        Lines a, b;
        for (int i = 0; i < 3000; ++i) {
            a.push_back("a" + std::to_string(i));
            b.push_back("b" + std::to_string(i));
        }
        a.insert(a.begin(), "same");
        b.insert(b.begin(), "same");
        const Counts c = count(linediff::rows(a, b));
        QCOMPARE(c.changed, 3000);
        QVERIFY(apply(unified(a, b, "a", "b"), a, b));
    }
};

QTEST_APPLESS_MAIN(TestLineDiff)
#include "tst_line_diff.moc"
