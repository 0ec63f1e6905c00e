// The status area: selecting lines, editing them in Edit1, the REM toggle, and
// the DOS driver statement operation.
#include "test_support.h"

#include "platform/text8.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QWindow>

namespace {

// The window showing "Fil".
struct Window : WindowOnDrive
{
    QListView *const list;
    QLineEdit *const edit;

    explicit Window(const QStringList &lines)
        : WindowOnDrive(lines, PageId::Fil), list(get<QListView>("ListBox")), edit(get<QLineEdit>("Edit1"))
    {
    }
};

} // namespace

class TestLineView : public QObject
{
    Q_OBJECT

private slots:
    void selectingALineShowsIt()
    {
        Window win({"REM first", "THREADS=256", "MAXWAIT=3"});
        win.w->status().showMessage("old message");
        win.w->status().showHint("old hint");
        win.pick("ListBox", 0);
        QCOMPARE(win.text("LinjeLabel"), QStringLiteral("Linje nr. 1"));
        QCOMPARE(win.edit->text(), QStringLiteral("REM first"));
        QCOMPARE(win.text("Label2"), QString());
        QCOMPARE(win.text("Label3"), QString());

        QTest::keyClick(win.list, Qt::Key_Down);
        QTest::keyClick(win.list, Qt::Key_Down);
        QCOMPARE(win.text("LinjeLabel"), QStringLiteral("Linje nr. 3"));
        QCOMPARE(win.edit->text(), QStringLiteral("MAXWAIT=3"));
    }

    void typingWritesTheSelectedLine()
    {
        QStringList lines;
        for (int i = 0; i < 8; ++i)
            lines << QStringLiteral("LINE%1").arg(i);
        Window win(lines);
        win.pick("ListBox", 5);
        win.edit->end(false);
        QTest::keyClicks(win.edit, "X");
        QCOMPARE(win.lines().at(5), QStringLiteral("LINE5X"));
        QCOMPARE(win.selected(), 5);
        QCOMPARE(win.text("LinjeLabel"), QStringLiteral("Linje nr. 6"));

        // Characters the file cannot hold are refused; the 8-bit ones are taken.
        typeText(win.edit, QStringLiteral("→"));
        typeText(win.edit, QStringLiteral("ø"));
        QCOMPARE(win.lines().at(5), QStringLiteral("LINE5Xø"));

        // Text set by the program never reaches the document.
        win.w->status().showTextInEditLine("SET BY CODE");
        QCOMPARE(win.lines().at(5), QStringLiteral("LINE5Xø"));

        // Without a selected line typing changes nothing.
        win.pick("ListBox", 5, Qt::ControlModifier);
        QCOMPARE(win.selected(), -1);
        QTest::keyClicks(win.edit, "Z");
        QCOMPARE(win.lines(), (QStringList(lines.mid(0, 5)) << "LINE5Xø" << lines.mid(6)));
    }

    // A keystroke edits the selected line only when the edit line showed that
    // line; text a page put there (another statement, one the file lacks) is
    // never written over the selected line: the edit line takes no typing then.
    void typingReachesOnlyTheLineShown()
    {
        const QStringList lines{"REM first", "SET AUTOSTART=FOLDERS", "SHELL=C:\\OS2\\MDOS\\COMMAND.COM",
                                "RESTARTOBJECTS=NO", "IFS=C:\\OS2\\HPFS.IFS", "REM DEVICE=C:\\OS2\\MDOS\\ANSI.SYS"};
        Window win(lines);
        QLineEdit *edit = win.edit;
        const auto typeAndCheck = [&](const char *step, int selected, const QString &shown) {
            QCOMPARE(edit->text(), shown);
            QCOMPARE(win.selected(), selected);
            QVERIFY2(edit->isReadOnly(), step);
            QTest::keyClicks(edit, "Z");
            QVERIFY2(win.lines() == lines, step);
            QCOMPARE(edit->text(), shown);
            QCOMPARE(win.selected(), selected);
        };
        // "Hent" on "Fil": the scan shows RESTARTOBJECTS, then line 0 is selected.
        win.click("OpenKnapp");
        typeAndCheck("after Hent", 0, lines[3]);
        // "Grensesnitt" and "DOS" make the line they show the current one, which typing then edits.
        win.show(PageId::Grensesnitt);
        QCOMPARE(win.selected(), 1);
        QCOMPARE(edit->text(), lines[1]);
        QVERIFY(!edit->isReadOnly());
        win.show(PageId::Dos);
        QCOMPARE(win.selected(), 2);
        QCOMPARE(edit->text(), lines[2]);
        QVERIFY(!edit->isReadOnly());
        win.show(PageId::Ytelse);
        win.drag("Threads", 1088);
        typeAndCheck("Ytelse shows a statement the file lacks", 2, "THREADS=1088");
        QTest::keyClicks(edit, "ZZ");
        QCOMPARE(win.lines(), lines);

        // Selecting a line again makes typing edit it: a DOS box, a Disk box, the list.
        QStringList expected = lines;
        win.show(PageId::Dos);
        win.click("ansisys");
        edit->end(false);
        QTest::keyClicks(edit, " /X");
        expected[5] += " /X";
        QCOMPARE(win.lines(), expected);
        win.show(PageId::Disk);
        win.click("hpfs");
        edit->end(false);
        QTest::keyClicks(edit, " /C");
        expected[4] += " /C";
        QCOMPARE(win.lines(), expected);
        win.show(PageId::Fil);
        win.list->setFocus();
        QTest::keyClick(win.list, Qt::Key_Up);
        QCOMPARE(edit->text(), expected[3]);
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Backspace);
        expected[3] = "RESTARTOBJECTS=";
        QCOMPARE(win.lines(), expected);
    }

    void aVeryLongLineIsEditedWhole()
    {
        const QString longLine = "SET PATH=" + QString(40000, u'A') + ";C:\\END";
        Window win({"REM", longLine});
        win.pick("ListBox", 1);
        QLineEdit *edit = win.edit;
        QCOMPARE(edit->text(), longLine);
        edit->end(false);
        QTest::keyClicks(edit, ";D:\\");
        QCOMPARE(win.lines().at(1), longLine + ";D:\\");
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(win.lines().at(1), longLine);
        win.click("SaveKnapp");
        QCOMPARE(win.c.read("CONFIG.NEW"), crlf({"REM", longLine}));
    }

    // A line of a megabyte: the list shows it cut, but what the list shows
    // never reaches the document. Selecting it shows it whole in Edit1, typing
    // and "REM av/på" edit it whole, and the file saved holds every byte.
    void aLineOfAMegabyte()
    {
        std::string line = "SET PATH=";
        while (line.size() < (1 << 20))
            line += "C:\\OS2;\xE6\xF8\xE5\x80;";
        WindowOnDrive win(ConfigBytes{QByteArray::fromStdString("REM\r\n" + line + "\r\nREM end\r\n")}, PageId::Fil);
        const QString listed = win.get<QListView>("ListBox")->model()->index(1, 0).data().toString();
        QVERIFY(listed.size() < 5000);
        QVERIFY(listed.endsWith(QChar(0x2026)));

        win.pick("ListBox", 1);
        auto *edit = win.get<QLineEdit>("Edit1");
        QCOMPARE(edit->text(), text8::toDisplay(line));
        edit->end(false);
        QTest::keyClicks(edit, "X");
        QCOMPARE(win.w->document().line(1), line + "X");
        win.press("RemKnapp");
        QCOMPARE(win.w->document().line(1), "REM " + line + "X");
        QCOMPARE(edit->text(), text8::toDisplay("REM " + line + "X"));
        win.press("SaveKnapp");
        QCOMPARE(win.c.read("CONFIG.NEW"), QByteArray::fromStdString("REM\r\nREM " + line + "X\r\nREM end\r\n"));
    }

    // Typing repaints the line's row on screen; typing in the last line,
    // whose width every row takes, makes the list as wide as that line, and
    // erasing makes it narrow again.
    void theListFollowsTyping()
    {
        Window win({"REM a", "REM b", "REM c"});
        QListView *list = win.list;
        QLineEdit *edit = win.edit;
        const auto rowRect = [&](int row) { return list->visualRect(list->model()->index(row, 0)); };
        const auto onScreen = [&](int row) {
            QCoreApplication::processEvents();
            const QRect rect(list->viewport()->mapTo(win.w.get(), rowRect(row).topLeft()), rowRect(row).size());
            return win.w->windowHandle()->screen()->grabWindow(win.w->winId(), rect.x(), rect.y(), rect.width(),
                                                                  rect.height()).toImage();
        };
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowRect(1).center());
        const QImage before = onScreen(1);
        edit->end(false);
        QTest::keyClicks(edit, "WWWW");
        QVERIFY(onScreen(1) != before);

        QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowRect(2).center());
        edit->end(false);
        QTest::keyClicks(edit, QString(120, u'W'));
        QCoreApplication::processEvents();
        QVERIFY(list->horizontalScrollBar()->maximum() > 0);
        // And as narrow again once the line is short, the rows where they were.
        const QRect first = rowRect(2);
        for (int i = 0; i < 120; ++i)
            QTest::keyClick(edit, Qt::Key_Backspace);
        QCoreApplication::processEvents();
        QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(rowRect(2).top(), first.top());
        QCOMPARE(rowRect(2).height(), first.height());
        QCOMPARE(win.lines().at(2), "REM c");
    }

    // The list places, finds and scrolls to its rows by their number: every
    // row the keys or a page reach is in sight, and a click there picks it.
    void rowsArePlacedByTheirNumber()
    {
        QStringList lines;
        for (int i = 0; i < 3000; ++i)
            lines << QStringLiteral("REM %1").arg(i);
        Window win(lines);
        QListView *list = win.list;
        const auto inSight = [&](int row) {
            const QRect rect = list->visualRect(list->model()->index(row, 0));
            return list->viewport()->rect().contains(rect.topLeft()) && rect.height() > 0
                   && list->indexAt(rect.center()).row() == row;
        };
        win.w->status().makeCurrent(2500);
        QVERIFY(inSight(2500));
        QVERIFY(!inSight(0));
        list->setFocus();
        int last = 2500;
        for (const auto &[key, moved] : {std::pair{Qt::Key_Down, 1}, {Qt::Key_Up, -1}, {Qt::Key_End, 499}, {Qt::Key_Home, -2999}}) {
            QTest::keyClick(list, key);
            QCOMPARE(win.selected(), last + moved);
            last += moved;
            QVERIFY(inSight(last));
            QCOMPARE(win.edit->text(), lines[last]);
        }
        QTest::keyClick(list, Qt::Key_PageDown);
        const int page = win.selected();
        QVERIFY2(page > 1 && inSight(page), qPrintable(QString::number(page)));
        QTest::keyClick(list, Qt::Key_PageUp);
        QCOMPARE(win.selected(), 0);
        // The bar scrolls by rows; the last row can be brought to the bottom.
        QScrollBar *bar = list->verticalScrollBar();
        bar->setValue(bar->maximum());
        QCoreApplication::processEvents();
        QVERIFY(inSight(2999));
        const QRect lastRow = list->visualRect(list->model()->index(2999, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, lastRow.center());
        QCOMPARE(win.selected(), 2999);
        QCOMPARE(win.text("LinjeLabel"), QStringLiteral("Linje nr. 3000"));
    }

    void remToggle_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("toggled");
        QTest::newRow("comment out") << "DEVICE=C:\\OS2\\MDOS\\VEMM.SYS" << "REM DEVICE=C:\\OS2\\MDOS\\VEMM.SYS";
        QTest::newRow("back in") << "REM DEVICE=C:\\OS2\\MDOS\\VEMM.SYS" << "DEVICE=C:\\OS2\\MDOS\\VEMM.SYS";
        QTest::newRow("small rem is no prefix") << "rem DEVICE=X" << "REM rem DEVICE=X";
        QTest::newRow("REMARK") << "REMARK" << "REM REMARK";
        QTest::newRow("one prefix per press, blanks stay") << "REM  X" << " X";
        QTest::newRow("REM X") << "REM X" << "X";
        QTest::newRow("REM REM X") << "REM REM X" << "REM X";
    }
    void remToggle()
    {
        QFETCH(QString, line);
        QFETCH(QString, toggled);
        Window win({"REM top", line, "REM bottom"});
        win.pick("ListBox", 1);
        win.press("RemKnapp");
        QCOMPARE(win.lines(), (QStringList{"REM top", toggled, "REM bottom"}));
        QCOMPARE(win.selected(), 1);
        QCOMPARE(win.text("Label2"), QString());
        win.pick("ListBox", 1);
        win.press("RemKnapp");
        QCOMPARE(win.lines().at(1), toggled.startsWith("REM ") ? toggled.mid(4) : "REM " + toggled);
    }

    void remToggleRefusals()
    {
        Window win({"REM ", "THREADS=256", "MAXWAIT=3"});

        // Exactly "REM ": an error, nothing changes.
        win.pick("ListBox", 0);
        win.press("RemKnapp");
        QCOMPARE(win.text("Label2"), QStringLiteral("FEIL"));
        QCOMPARE(win.lines().at(0), QStringLiteral("REM "));

        // An empty edit line: the same.
        win.pick("ListBox", 1);
        win.edit->clear();
        win.press("RemKnapp");
        QCOMPARE(win.text("Label2"), QStringLiteral("FEIL"));
        QCOMPARE(win.lines().at(1), QStringLiteral("THREADS=256"));

        // Edit1 showing another statement than the selected line: nothing, silently.
        win.pick("ListBox", 2);
        win.w->status().showTextInEditLine("THREADS=1024");
        win.press("RemKnapp");
        QCOMPARE(win.lines(), (QStringList{"REM ", "THREADS=256", "MAXWAIT=3"}));
        QCOMPARE(win.text("Label2"), QString());

        // No selected line: nothing, silently.
        win.pick("ListBox", 2, Qt::ControlModifier);
        win.w->status().showTextInEditLine("MAXWAIT=3");
        win.press("RemKnapp");
        QCOMPARE(win.lines(), (QStringList{"REM ", "THREADS=256", "MAXWAIT=3"}));
        QCOMPARE(win.text("Label2"), QString());
    }

    void lineLabel_data()
    {
        QTest::addColumn<int>("pos");
        QTest::addColumn<QString>("text");
        QTest::newRow("no line") << static_cast<int>(NoLine) << "ikke i C:\\CONFIG.SYS";
        QTest::newRow("first") << 0 << "Linje nr. 1";
        QTest::newRow("last possible") << 65534 << "Linje nr. 65535";
    }
    void lineLabel()
    {
        QFETCH(int, pos);
        QFETCH(QString, text);
        Window win({"REM"});
        win.w->status().vislinje(static_cast<LinePos>(pos));
        QCOMPARE(win.text("LinjeLabel"), text);
    }

    void setDevice_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("active");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("appended");
        QTest::newRow("active") << QStringList{"REM", "DEVICE=C:\\OS2\\MDOS\\VCDROM.SYS"} << true << 1 << false;
        QTest::newRow("commented") << QStringList{"rem device=c:\\os2\\mdos\\vcdrom.sys", "X"} << false << 0 << false;
        QTest::newRow("missing") << QStringList{"REM", "X"} << false << 2 << true;
        QTest::newRow("small key, no REM") << QStringList{"device=c:\\os2\\mdos\\vcdrom.sys"} << false << 1 << true;
        QTest::newRow("empty document") << QStringList{} << false << 0 << true;
    }
    void setDevice()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, active);
        QFETCH(int, current);
        QFETCH(bool, appended);
        Window win(lines);
        QStringList expected = lines;
        // The page refresh sets the box and appends nothing.
        win.show(PageId::Dos);
        QCOMPARE(win.isChecked("vcdromsys"), active);
        QCOMPARE(win.lines(), expected);
        if (appended)
            expected << "REM DEVICE=C:\\OS2\\MDOS\\VCDROM.SYS";
        // The user's click on the box leads to the line, adding it once.
        for (int call = 0; call < 2; ++call) {
            win.click("vcdromsys");
            QCOMPARE(win.isChecked("vcdromsys"), active);
            QCOMPARE(win.lines(), expected);
            QCOMPARE(win.selected(), current);
            QCOMPARE(win.edit->text(), expected.at(current));
            QCOMPARE(win.text("LinjeLabel"), QStringLiteral("Linje nr. %1").arg(current + 1));
            QCOMPARE(win.text("Label2"), QStringLiteral("Bruk REM-knappen til å endre"));
        }
    }
};

QTEST_MAIN(TestLineView)
#include "tst_line_view.moc"
