// The document: its upper-cased copy in step with its lines, and the text the list shows.
#include "platform/line_file.h"
#include "platform/text8.h"
#include "workspace/document.h"

#include <QSignalSpy>
#include <QTest>

class TestDocument : public QObject
{
    Q_OBJECT

private slots:
    // Every way the lines change reaches the copy the searches read.
    void theSearchesSeeEveryChange()
    {
        Document doc;
        const auto finds = [&](std::string_view text) { return FinnREM(doc.searchLines(), text, text); };
        Lines lines(600, "REM");
        lines[300] = "ifs=c:\\os2\\hpfs.ifs";
        doc.setLines(lines);
        QCOMPARE(finds("HPFS.IFS"), static_cast<LinePos>(300));
        doc.replace(300, "REM");
        doc.replace(520, "rem diskcache=d,lw");
        QCOMPARE(finds("HPFS.IFS"), NoLine);
        QCOMPARE(GetIniStr(doc.searchLines(), "REM DISKCACHE").line, static_cast<LinePos>(520));
        QCOMPARE(doc.append("device=c:\\os2\\mdos\\vemm.sys \xE6"), static_cast<LinePos>(600));
        QCOMPARE(finds("VEMM.SYS \xC6"), static_cast<LinePos>(600));
        doc.clear();
        QCOMPARE(finds("REM"), NoLine);
        QCOMPARE(doc.upperLines().size(), static_cast<std::size_t>(0));
        QCOMPARE(doc.append("x"), static_cast<LinePos>(0));
        doc.setLines({"THREADS=64"});
        QCOMPARE(GetIniStr(doc.searchLines(), "threads").value, std::string("64"));
        for (int i = 0; i < doc.count(); ++i)
            QCOMPARE(doc.upperLines().line(static_cast<std::size_t>(i)), std::string_view(text8::upper(doc.line(i))));
    }

    // Lines split from the bytes as read share them: the lines as read and
    // the upper-cased copy come from those bytes, whatever ends the lines,
    // and follow every later change as the lines' own copies do. Bytes the
    // lines were not split from are not taken.
    void theBytesAsReadServeTheCopies_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("fromBytes"); // false: other bytes than the lines came from
        QByteArray many;
        for (int i = 0; i < 700; ++i)
            many += (i % 3 ? "rem line " : "ifs=c:\\os2\\hpfs.ifs ") + QByteArray::number(i) + (i % 2 ? "\r\n" : "\n");
        QTest::newRow("CR LF") << QByteArray("THREADS=64\r\nrem x\r\n") << true;
        QTest::newRow("LF, no end at the end") << QByteArray("a\nthreads=1\nb") << true;
        QTest::newRow("bare CR kept, empty lines") << QByteArray("A\r\r\n\r\n\nB\r") << true;
        QTest::newRow("Ctrl-Z last, 8-bit") << QByteArray("set x=\xE6\r\n\x1A") << true;
        QTest::newRow("several runs") << many << true;
        QTest::newRow("not these bytes") << QByteArray("THREADS=64\r\nrem x\r\n") << false;
    }
    void theBytesAsReadServeTheCopies()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, fromBytes);
        const Lines lines = linefile::split(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        Document doc, plain;
        doc.setLines(lines, fromBytes ? bytes : bytes + "more\r\n");
        plain.setLines(lines);
        const auto agree = [&](const char *step) {
            QVERIFY2(doc.lines() == plain.lines(), step);
            for (int i = 0; i < doc.count(); ++i)
                QVERIFY2(doc.upperLines().line(static_cast<std::size_t>(i)) == text8::upper(doc.line(i)), step);
            for (int i = 0; i < plain.asRead().count(); ++i)
                QVERIFY2(doc.asRead().line(i) == plain.asRead().line(i), step);
            QVERIFY2(doc.asRead().count() == plain.asRead().count() && doc.changedCount() == plain.changedCount(), step);
            for (std::string_view key : {"THREADS", "REM", "SET X", "IFS"})
                QVERIFY2(GetIniStr(doc.searchLines(), key).line == GetIniStr(plain.searchLines(), key).line, step);
            for (std::string_view text : {"HPFS.IFS", "LINE 6", "\r", "A\r", "\xC6"})
                QVERIFY2(FinnREM(doc.searchLines(), text, text) == FinnREM(plain.searchLines(), text, text), step);
        };
        agree("as read");
        // Each line rewritten longer and shorter, the last one of each run too; lines added after.
        for (int i = 0; i < doc.count(); i += (i % 256 == 255 ? 1 : 37)) {
            for (const std::string &text : {doc.line(i) + " /longer \xE6", std::string("x")}) {
                doc.replace(i, text);
                plain.replace(i, text);
            }
        }
        doc.replace(0, lines.empty() ? "" : lines[0]);
        plain.replace(0, lines.empty() ? "" : lines[0]);
        for (const char *added : {"threads=2", "", "ifs=c:\\os2\\hpfs.ifs"}) {
            doc.append(added);
            plain.append(added);
        }
        agree("changed");
    }

    // Changes count against the lines as read, line by line; whether the
    // document is modified, against the lines last saved (before a save, read).
    void changesAgainstReadAndSaved()
    {
        Document doc;
        QSignalSpy marks(&doc, &Document::modifiedChanged);
        doc.setLines({"A", "", "REM \xE6"});
        const auto state = [&] {
            return QStringLiteral("%1 %2 %3").arg(doc.changedCount()).arg(doc.addedCount()).arg(doc.isModified());
        };
        QCOMPARE(state(), "0 0 0");
        doc.replace(2, "REM \xE6"); // the same bytes
        doc.replace(1, "");
        QCOMPARE(state(), "0 0 0");
        doc.replace(0, "A2");
        doc.replace(2, "REM \xC6");
        QCOMPARE(state(), "2 0 1");
        QVERIFY(doc.isChanged(0) && !doc.isChanged(1) && doc.isChanged(2));
        doc.replace(0, "A");
        doc.append("B");
        QCOMPARE(state(), "1 1 1");
        QVERIFY(doc.isAdded(3) && !doc.isChanged(3) && !doc.isAdded(2));
        QCOMPARE(doc.asRead().line(2), std::string_view("REM \xE6"));
        doc.markSaved();
        QCOMPARE(state(), "1 1 0");
        doc.replace(2, "REM \xE6"); // back as read, but no longer as saved
        QCOMPARE(state(), "0 1 1");
        doc.replace(2, "REM \xC6");
        QCOMPARE(state(), "1 1 0");
        doc.append("C");
        QCOMPARE(state(), "1 2 1");
        // An undo takes lines away from the end; a line that comes back in
        // the place of a saved one is compared with it like any other.
        doc.markSaved();
        doc.removeLast(1);
        QCOMPARE(state(), "1 1 1");
        doc.append("D");
        QCOMPARE(state(), "1 2 1");
        doc.removeLast(1);
        doc.append("C");
        QCOMPARE(state(), "1 2 0");
        doc.removeLast(99);
        QCOMPARE(doc.count(), 0);
        doc.setLines({"X"});
        QCOMPARE(state(), "0 0 0");
        QCOMPARE(doc.takeLines().size(), static_cast<std::size_t>(1));
        QCOMPARE(doc.asRead().count(), 0);
        QCOMPARE(marks.size(), 10);
        for (int i = 0; i < marks.size(); ++i)
            QCOMPARE(marks.at(i).at(0).toBool(), i % 2 == 0);

        // The changed lines are found in words of 64: across their edges too.
        doc.setLines(Lines(200, "REM"));
        for (int i : {199, 0, 64, 63, 130})
            doc.replace(i, "X");
        doc.replace(130, "REM");
        QCOMPARE(doc.asRead().differingLines(), (std::vector<int>{0, 63, 64, 199}));
    }

    // The list shows a long line cut after ShownBytes bytes, ending in "…";
    // the document keeps every byte, and gives them all as the line's edit text.
    void longLinesAreShownCut_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("just fits") << static_cast<int>(Document::ShownBytes);
        QTest::newRow("one more") << static_cast<int>(Document::ShownBytes) + 1;
        QTest::newRow("a megabyte") << (1 << 20);
    }
    void longLinesAreShownCut()
    {
        QFETCH(int, size);
        std::string line(static_cast<std::size_t>(size), '\x80');
        line.back() = 'Z';
        Document doc;
        doc.setLines({line});
        const QString shown = doc.index(0).data().toString();
        QCOMPARE(doc.line(0), line);
        QCOMPARE(doc.index(0).data(Qt::EditRole).toString(), text8::toDisplay(line));
        if (static_cast<std::size_t>(size) <= Document::ShownBytes) {
            QCOMPARE(shown, text8::toDisplay(line));
            return;
        }
        QCOMPARE(shown.size(), static_cast<qsizetype>(Document::ShownBytes) + 1);
        QVERIFY(shown.endsWith(QChar(0x2026)));
        QCOMPARE(shown.chopped(1), text8::toDisplay(line).left(static_cast<qsizetype>(Document::ShownBytes)));
    }
};

QTEST_APPLESS_MAIN(TestDocument)
#include "tst_document.moc"
