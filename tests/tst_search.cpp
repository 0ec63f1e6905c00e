// Searches over the document's lines.
#include "engine/search.h"
#include "platform/text8.h"

#include <QTest>

#include <algorithm>
#include <random>

namespace {

Lines linesOf(const QStringList &display)
{
    Lines out;
    for (const QString &line : display)
        out.push_back(text8::fromDisplay(line).value());
    return out;
}

std::string bytes(const QString &s)
{
    return text8::fromDisplay(s).value();
}

// The searches as described: line by line, each line upper-cased whole.
LinePos plainFinnREM(const Lines &lines, std::string_view s1, std::string_view s2)
{
    const std::string u1 = text8::upper(s1);
    const std::string u2 = text8::upper(s2);
    for (std::size_t i = 0; i < std::min(lines.size(), MaxDocumentLines); ++i) {
        const std::string u = text8::upper(lines[i]);
        if (!u1.empty() && !u2.empty() && u.find(u1) != std::string::npos && u.find(u2) != std::string::npos)
            return static_cast<LinePos>(i);
    }
    return NoLine;
}

LinePos plainFoundDevice(const Lines &lines, std::string_view name)
{
    for (std::size_t i = 0; i < std::min(lines.size(), MaxDocumentLines); ++i)
        if (lines[i].starts_with("DEVICE=") && !name.empty() && text8::upper(lines[i]).find(name) != std::string::npos)
            return static_cast<LinePos>(i);
    return NoLine;
}

LinePos plainGetIniStr(const Lines &lines, std::string_view key)
{
    const std::string k = text8::upper(key) + '=';
    for (std::size_t i = 0; i < std::min(lines.size(), MaxDocumentLines); ++i)
        if (text8::upper(lines[i]).starts_with(k))
            return static_cast<LinePos>(i);
    return NoLine;
}

// Pieces of lines that the searches below look for, in both cases and with
// national letters (ÆØÅ æøå š Š ÿ Ÿ), and pieces they do not.
const std::vector<std::string> kPieces = {
    "REM ", "rem ", "IFS=", "ifs=", "C:\\OS2\\", "hpfs.ifs", "HPFS", "DEVICE=", "device=", "VEMM.SYS",
    "\xE6\xF8\xE5", "\xC6\xD8\xC5", "\x9A", "\x8A", "\xFF", "\x9F", "=", " ", "SET X", "set x", "-", "\xF7"};

std::string randomLine(std::mt19937 &random)
{
    std::string line;
    const int pieces = static_cast<int>(random() % 9);
    for (int i = 0; i < pieces; ++i)
        line += kPieces[random() % kPieces.size()];
    return line;
}

} // namespace

class TestSearch : public QObject
{
    Q_OBJECT

private slots:
    void finnRem_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("s1");
        QTest::addColumn<QString>("s2");
        QTest::addColumn<int>("found");
        const QStringList hpfs{"IFS=C:\\OS2\\HPFS.IFS", "REM IFS=C:\\OS2\\HPFS.IFS"};
        QTest::newRow("empty document") << QStringList{} << "REM " << "X" << static_cast<int>(NoLine);
        QTest::newRow("commented, lower case") << QStringList{"x", "rem ifs=c:\\os2\\hpfs.ifs /cache:64"}
                                               << "REM IFS=" << "HPFS" << 1;
        QTest::newRow("first of active and commented") << hpfs << "IFS=" << "HPFS.IFS" << 0;
        QTest::newRow("commented one only") << hpfs << "REM IFS=" << "HPFS" << 1;
        QTest::newRow("order and overlap do not matter") << QStringList{"HPFS.IFS REM IFS="} << "REM IFS=" << "HPFS" << 0;
        QTest::newRow("both texts needed") << QStringList{"REM IFS=C:\\OS2\\CDFS.IFS"} << "REM IFS=" << "HPFS" << static_cast<int>(NoLine);
        QTest::newRow("national letters") << QStringList{"rem sti=c:\\bøker"} << "REM " << "BØKER" << 0;
        QTest::newRow("empty text never found") << QStringList{"REM X"} << "REM " << "" << static_cast<int>(NoLine);
    }
    void finnRem()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, s1);
        QFETCH(QString, s2);
        QFETCH(int, found);
        QCOMPARE(static_cast<int>(FinnREM(linesOf(lines), bytes(s1), bytes(s2))), found);
    }

    void foundDevice_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("active");
        QTest::newRow("active, name in small letters") << "DEVICE=C:\\OS2\\MDOS\\vemm.sys" << true;
        QTest::newRow("name among the options") << "DEVICE=C:\\X.SYS /D:VEMM.SYS" << true;
        QTest::newRow("small key") << "device=C:\\OS2\\MDOS\\VEMM.SYS" << false;
        QTest::newRow("blank in front") << " DEVICE=C:\\OS2\\MDOS\\VEMM.SYS" << false;
        QTest::newRow("commented") << "REM DEVICE=C:\\OS2\\MDOS\\VEMM.SYS" << false;
        QTest::newRow("another driver") << "DEVICE=C:\\OS2\\MDOS\\VXMS.SYS" << false;
    }
    void foundDevice()
    {
        QFETCH(QString, line);
        QFETCH(bool, active);
        const Lines lines = linesOf({"REM", line});
        QCOMPARE(FoundDevice(lines, "VEMM.SYS"), active ? static_cast<LinePos>(1) : NoLine);
    }

    void getIniStr_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("found");
        QTest::newRow("first of two") << QStringList{"THREADS=64", "THREADS=128"} << "THREADS" << "64" << 0;
        QTest::newRow("key without regard to case, value as written")
            << QStringList{"REM", "set autostart=programs,tasklist"} << "SET AUTOSTART" << "programs,tasklist" << 1;
        QTest::newRow("empty value is still found") << QStringList{"THREADS="} << "THREADS" << "" << 0;
        QTest::newRow("blanks around the sign") << QStringList{"THREADS = 256"} << "THREADS" << "" << static_cast<int>(NoLine);
        QTest::newRow("blank in front") << QStringList{" THREADS=256"} << "THREADS" << "" << static_cast<int>(NoLine);
        QTest::newRow("commented") << QStringList{"REM THREADS=256"} << "THREADS" << "" << static_cast<int>(NoLine);
        QTest::newRow("asked for with REM") << QStringList{"rem diskcache=D,LW"} << "REM DISKCACHE" << "D,LW" << 0;
        QTest::newRow("REM with two blanks") << QStringList{"REM  DISKCACHE=D"} << "REM DISKCACHE" << "" << static_cast<int>(NoLine);
        QTest::newRow("further signs kept, nothing trimmed") << QStringList{"SET X= a=b "} << "SET X" << " a=b " << 0;
        QTest::newRow("longer key does not match") << QStringList{"THREADSX=1"} << "THREADS" << "" << static_cast<int>(NoLine);
        QTest::newRow("empty document") << QStringList{} << "SHELL" << "" << static_cast<int>(NoLine);
    }
    void getIniStr()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(int, found);
        const IniValue v = GetIniStr(linesOf(lines), bytes(key));
        QCOMPARE(text8::toDisplay(v.value), value);
        QCOMPARE(static_cast<int>(v.line), found);
    }

    void fileNameOf_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("path and options") << "C:\\OS2\\BOOT\\IBM1S506.ADD /A:0" << "IBM1S506.ADD";
        QTest::newRow("bare name") << "ANSI.SYS" << "ANSI.SYS";
        QTest::newRow("blank inside a folder name") << "C:\\DIR WITH\\X.SYS" << "DIR";
        QTest::newRow("letter case kept") << "c:\\os2\\mdos\\vemm.sys" << "vemm.sys";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("ends in backslash") << "C:\\OS2\\" << "";
    }
    void fileNameOf()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(text8::toDisplay(FileNameOf(bytes(in))), out);
    }

    // The upper-cased copy follows every change of the lines (the last ones
    // taken away too), across its runs
    // of 256 lines, and every search over it finds what a plain walk over
    // the upper-cased lines finds.
    void theCopyFollowsTheLinesAndSearchesAgree()
    {
        std::mt19937 random(20240607);
        Lines lines;
        UpperLines upper;
        const auto check = [&](const char *step) {
            QCOMPARE(upper.size(), lines.size());
            for (std::size_t i = 0; i < lines.size(); ++i)
                QVERIFY2(upper.line(i) == text8::upper(lines[i]), step);
            const SearchLines both{lines, upper};
            for (int q = 0; q < 12; ++q) {
                const std::string &a = kPieces[random() % kPieces.size()];
                const std::string &b = kPieces[random() % kPieces.size()];
                QVERIFY2(FinnREM(both, a, b) == plainFinnREM(lines, a, b), step);
                QVERIFY2(FoundDevice(both, text8::upper(a)) == plainFoundDevice(lines, text8::upper(a)), step);
                QVERIFY2(GetIniStr(both, a).line == plainGetIniStr(lines, a), step);
                const std::string u = text8::upper(a + b);
                std::vector<std::size_t> holding;
                for (std::size_t i = 0; i < lines.size(); ++i)
                    if (text8::upper(lines[i]).find(u) != std::string::npos)
                        holding.push_back(i);
                QVERIFY2(upper.linesWith(u) == holding, step);
                // Together with a needle that shares its first byte, in one pass.
                const std::string other = u.substr(0, 1) + text8::upper(b);
                const std::string_view needlePair[] = {u, other};
                std::vector<std::size_t> holdingEither;
                for (std::size_t i = 0; i < lines.size(); ++i) {
                    const std::string up = text8::upper(lines[i]);
                    if (up.find(u) != std::string::npos || (other.size() > 1 && up.find(other) != std::string::npos))
                        holdingEither.push_back(i);
                }
                if (other.size() > 1)
                    QVERIFY2(upper.linesWithAny(needlePair) == holdingEither, step);
            }
        };
        for (int round = 0; round < 40; ++round) {
            switch (random() % 7) {
            case 0: // a new document of up to 700 lines
                lines.resize(random() % 700);
                for (std::string &line : lines)
                    line = randomLine(random);
                upper.assign(lines);
                check("assign");
                break;
            case 1:
                lines.clear();
                upper.clear();
                check("clear");
                break;
            case 2:
            case 3:
                for (int n = static_cast<int>(random() % 300); n > 0; --n) {
                    lines.push_back(randomLine(random));
                    upper.append(lines.back());
                }
                check("append");
                break;
            case 4: // the last lines taken away (an undo), across runs
                for (int n = static_cast<int>(random() % 300); n > 0 && !lines.empty(); --n)
                    lines.pop_back();
                upper.removeLast(upper.size() - lines.size());
                check("removeLast");
                break;
            default:
                for (int n = static_cast<int>(random() % 50); n > 0 && !lines.empty(); --n) {
                    const std::size_t i = random() % lines.size();
                    lines[i] = randomLine(random);
                    upper.replace(i, lines[i]);
                }
                check("replace");
            }
        }
    }

    // Each search over many questions answers each as its single search does.
    void questionsAskedTogetherGetTheSingleAnswers()
    {
        std::mt19937 random(7);
        Lines lines(900);
        for (std::string &line : lines)
            line = randomLine(random);
        const UpperLines upper(lines);
        const SearchLines both{lines, upper};
        std::vector<std::string> texts(kPieces.begin(), kPieces.end());
        texts.push_back(std::string());
        std::vector<TextPair> pairs;
        std::vector<std::string_view> keys;
        for (const std::string &a : texts) {
            keys.push_back(a);
            for (const std::string &b : texts)
                pairs.push_back({a, b});
        }
        const std::vector<LinePos> found = FinnREMAll(both, pairs);
        QCOMPARE(found.size(), pairs.size());
        for (std::size_t p = 0; p < pairs.size(); ++p)
            QCOMPARE(found[p], plainFinnREM(lines, pairs[p].s1, pairs[p].s2));
        const std::vector<IniValue> values = GetIniStrAll(both, keys);
        QCOMPARE(values.size(), keys.size());
        for (std::size_t k = 0; k < keys.size(); ++k) {
            const IniValue one = GetIniStr(both, keys[k]);
            QCOMPARE(values[k].line, one.line);
            QCOMPARE(values[k].value, one.value);
        }
    }

    // A text found only where it runs from one line into the next is in
    // neither; a text at the very end of a line, or of a line longer than
    // any block, is found.
    void linesEndWhereTheyEnd()
    {
        Lines lines = {"REM A", "B IFS=X", std::string(100000, 'x') + "rem ifs=tail", "DEVICE=", "\xF8"};
        const UpperLines upper(lines);
        const SearchLines both{lines, upper};
        QCOMPARE(FinnREM(both, "A\nB", "REM"), NoLine);
        QCOMPARE(FinnREM(both, "REM A", "A"), static_cast<LinePos>(0));
        QCOMPARE(FinnREM(both, "IFS=TAIL", "REM IFS"), static_cast<LinePos>(2));
        QCOMPARE(FinnREM(both, "S=X", "B"), static_cast<LinePos>(1));
        QCOMPARE(GetIniStr(both, "DEVICE").line, static_cast<LinePos>(3));
        QCOMPARE(upper.nextLineStartingWith("DEVICE=\n\xD8"), lines.size());
        QCOMPARE(FinnREM(both, "\xD8", "\xF8"), static_cast<LinePos>(4));
        QCOMPARE(FoundDevice(both, "=\n"), NoLine);
    }

    // Lines at position NoLine and after are never found, also by the
    // searches that answer many questions at once.
    void noPositionAtOrPastNoLine()
    {
        Lines lines(static_cast<std::size_t>(NoLine) + 3, "REM");
        lines[NoLine] = "DEVICE=C:\\VEMM.SYS";
        lines[NoLine + 1] = "THREADS=1";
        const UpperLines upper(lines);
        const SearchLines both{lines, upper};
        QCOMPARE(FoundDevice(both, "VEMM.SYS"), NoLine);
        QCOMPARE(GetIniStr(both, "THREADS").line, NoLine);
        const std::string_view keys[] = {"THREADS"};
        QCOMPARE(GetIniStrAll(both, keys).front().line, NoLine);
        const TextPair pairs[] = {{"DEVICE=", "VEMM"}};
        QCOMPARE(FinnREMAll(both, pairs).front(), NoLine);
        lines[NoLine - 1] = "THREADS=2";
        const UpperLines again(lines);
        QCOMPARE(GetIniStr(SearchLines{lines, again}, "THREADS").value, std::string("2"));
    }

    void positionsPastTheEndNameNoLine()
    {
        const Lines lines = linesOf({"a", "b"});
        QCOMPARE(lineIn(lines, 1), static_cast<LinePos>(1));
        QCOMPARE(lineIn(lines, 2), NoLine);
        QCOMPARE(lineIn({}, 0), NoLine);
        QCOMPARE(lineIn(lines, NoLine), NoLine);
    }
};

QTEST_APPLESS_MAIN(TestSearch)
#include "tst_search.moc"
