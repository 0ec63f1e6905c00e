// The memos of the side files: lines in and out unchanged, and the input filter.
#include "test_support.h"

#include "platform/oem_text.h"
#include "platform/text8.h"
#include "workspace/text8_memo.h"

#include <QApplication>
#include <QClipboard>
#include <QTabWidget>
#include <QTest>

class TestMemo : public QObject
{
    Q_OBJECT

private slots:
    void linesRoundTrip_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("count");
        QTest::newRow("none") << QStringList{} << 0;
        QTest::newRow("one empty line") << QStringList{""} << 1;
        QTest::newRow("empty lines around") << QStringList{"", "EXIT", ""} << 3;
        // No-break space, euro sign and a C1 byte: loaded text is never filtered.
        QTest::newRow("any 8-bit character") << QStringList{QString::fromUtf8("a\u00A0b €\u0081 æøå\tx")} << 1;
    }
    void linesRoundTrip()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, count);
        Lines bytes;
        for (const QString &line : lines)
            bytes.push_back(text8::fromDisplay(line).value());
        Text8Memo memo;
        memo.setCharFilter(oem::nearestOemCharacter);
        memo.setLines(bytes);
        QCOMPARE(memo.lines(), bytes);
        QCOMPARE(memo.lineCount(), count);
    }

    void typedTextCountsAsLines()
    {
        Text8Memo memo;
        memo.setPlainText("EXIT");
        QCOMPARE(memo.lineCount(), 1);
        memo.setPlainText("EXIT\n");
        QCOMPARE(memo.lineCount(), 1);
        QCOMPARE(memo.lines(), Lines{"EXIT"});
        memo.addLine("REM");
        QCOMPARE(memo.lines(), (Lines{"EXIT", "REM"}));
    }

    void filterAppliesToTypingAndPasting()
    {
        Text8Memo memo;
        memo.setCharFilter(oem::nearestOemCharacter);
        memo.show();
        for (const QString &typed : {QStringLiteral("é"), QStringLiteral("ŝ"), QStringLiteral("€"), QStringLiteral("“")}) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, typed);
            QApplication::sendEvent(&memo, &press);
        }
        QCOMPARE(memo.toPlainText(), QStringLiteral("és\""));
        QApplication::clipboard()->setText(QStringLiteral("→ Š €5"));
        memo.clear();
        memo.paste();
        QCOMPARE(memo.toPlainText(), QStringLiteral(" S 5"));
    }

    // STARTUP.CMD and AUTOEXEC.BAT keep their bytes through the memo: a CR
    // that ends no line stays in its line, as in the document.
    void sideFilesKeepTheirBytes()
    {
        const QByteArray file = "@ECHO OFF\rREM cr inside\r\nREM cr before the end\r\r\nREM lf\nlast";
        const QByteArray saved = "@ECHO OFF\rREM cr inside\r\nREM cr before the end\r\r\nREM lf\r\nlast\r\n";
        WindowOnDrive win({"REM"}, PageId::Oppstart);
        win.c.write("STARTUP.CMD", file);
        win.c.write("AUTOEXEC.BAT", file);
        win.click("OpenKnapp");
        auto *memo = win.get<Text8Memo>("StartupMemo");
        QCOMPARE(memo->lineCount(), 4);
        win.click("LagreStartupKnapp");
        QCOMPARE(win.c.read("STARTUP.CMD"), saved);
        win.show(PageId::Dos);
        win.click("autoexec"); // loads the file into its memo
        win.click("LagreAutoexecKnapp");
        QCOMPARE(win.c.read("AUTOEXEC.BAT"), saved);
        // A line typed into the memo joins them unchanged.
        memo->moveCursor(QTextCursor::End);
        typeText(memo, QStringLiteral("EXIT"));
        win.click("LagreStartupKnapp");
        QCOMPARE(win.c.read("STARTUP.CMD"), saved + "EXIT\r\n");
    }
};

QTEST_MAIN(TestMemo)
#include "tst_memo.moc"
