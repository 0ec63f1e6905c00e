// The memos of the side files: lines in and out unchanged, and the input filter.
#include "oem_text.h"
#include "text8.h"
#include "text8_memo.h"

#include <QApplication>
#include <QClipboard>
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
};

QTEST_MAIN(TestMemo)
#include "tst_memo.moc"
