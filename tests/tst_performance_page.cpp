// The "Ytelse" page: THREADS, MAXWAIT, TIMESLICE and PRIORITY written from its controls.
#include "test_support.h"

#include <QListView>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>

namespace {

struct Window : WindowOnDrive
{
    explicit Window(const QStringList &lines) : WindowOnDrive(lines, PageId::Ytelse) {}
    QScrollBar *bar(const QString &name) { return widget<QScrollBar>(w.get(), qPrintable(name)); }
    // A click on the arrow at the end (+1) or the start (-1) of a bar: one small step.
    void arrow(QScrollBar *b, int direction) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(direction > 0 ? b->width() - 4 : 4, 8)); }
};

} // namespace

class TestPerformancePage : public QObject
{
    Q_OBJECT

private slots:
    void typicalEditThenRemAndReload()
    {
        QStringList lines{"REM 0", "REM 1", "REM 2", "REM 3", "REM 4", "REM 5", "REM 6", "REM 7", "REM 8", "REM 9", "THREADS=512"};
        Window win(lines);
        // The bar stands on the file's number; one step up from there.
        QCOMPARE(win.bar("Threads")->value(), 512);
        win.arrow(win.bar("Threads"), +1);
        lines[10] = "THREADS=576";
        QCOMPARE(win.lines(), lines);
        QCOMPARE(win.text("LinjeLabel"), QStringLiteral("Linje nr. 11"));
        QCOMPARE(win.text("Edit1"), lines[10]);
        QCOMPARE(win.selected(), 10);
        win.show(PageId::Fil);
        QCOMPARE(win.get<QListView>("ListBox")->model()->index(10, 0).data().toString(), lines[10]);
        win.click("SaveKnapp");
        QCOMPARE(win.c.read("CONFIG.NEW"), crlf(lines));

        // Commented out since the scan, the line is still the statement's: the next change revives it.
        win.click("RemKnapp");
        QCOMPARE(win.lines().at(10), QStringLiteral("REM THREADS=576"));
        win.show(PageId::Ytelse);
        win.drag("Threads", 2048);
        QCOMPARE(win.lines().at(10), QStringLiteral("THREADS=2048"));
        // A load scans again; the bars show the file once more and write nothing.
        win.writes.clear();
        win.click("OpenKnapp");
        QCOMPARE(win.lines().at(10), QStringLiteral("THREADS=512"));
        QCOMPARE(win.bar("Threads")->value(), 512);
        QCOMPARE(win.writes, QStringList{});
    }

    void keysMoveTheBars()
    {
        // A keyboard user tabs to a bar; Right and End raise it, Left and Home lower it.
        Window win({"THREADS=512"});
        QScrollBar *threads = win.bar("Threads");
        QVERIFY2(threads->focusPolicy() & Qt::TabFocus, "the bar cannot get the keyboard focus");
        threads->setFocus();
        for (const auto &[key, value] : {std::pair{Qt::Key_Right, 576}, {Qt::Key_Left, 512}, {Qt::Key_End, 4095}, {Qt::Key_Home, 64}}) {
            QTest::keyClick(threads, key);
            QCOMPARE(win.lines(), QStringList{QStringLiteral("THREADS=%1").arg(value)});
        }
    }

    void statements_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("moves"); // "Bar position", or "Bar +" / "Bar -" for a click on an arrow
        QTest::addColumn<int>("row");           // -1: the statement is not in the document
        QTest::addColumn<QString>("statement");
        QTest::newRow("small key, first of two") << QStringList{"REM", "threads=512", "THREADS=256"} << QStringList{"Threads 2048"} << 1 << "THREADS=2048";
        QTest::newRow("MAXWAIT") << QStringList{"MAXWAIT=3", "REM"} << QStringList{"MaxWait +"} << 0 << "MAXWAIT=4";
        QTest::newRow("MAXWAIT missing") << QStringList{"THREADS=512", "RESTARTOBJECTS=NO"} << QStringList{"MaxWait 5"} << -1 << "MAXWAIT=5";
        QTest::newRow("start positions") << QStringList{"REM", "THREADS=512"} << QStringList{"TimeSliceX +", "TimeSliceX -"} << -1 << "TIMESLICE=64,65534";
        QTest::newRow("the file's other number stays") << QStringList{"REM", "TIMESLICE=33,248"} << QStringList{"TimeSliceY 1000"} << 1 << "TIMESLICE=33,2000";
        QTest::newRow("one number stands for both") << QStringList{"TIMESLICE=40"} << QStringList{"TimeSliceY 100"} << 0 << "TIMESLICE=40,200";
        QTest::newRow("out of the bar's range, kept") << QStringList{"TIMESLICE=10, 65534"} << QStringList{"TimeSliceX 20"} << 0 << "TIMESLICE=40,65534";
        QTest::newRow("Y below X pulls X") << QStringList{"TIMESLICE=64,248"} << QStringList{"TimeSliceY 20"} << 0 << "TIMESLICE=40,40";
        QTest::newRow("X above Y pushes Y") << QStringList{"TIMESLICE=32,248"} << QStringList{"TimeSliceY 1000", "TimeSliceX 1500"} << 0 << "TIMESLICE=3000,3000";
        QTest::newRow("Y under a raised X") << QStringList{"RESTARTOBJECTS=YES"} << QStringList{"TimeSliceX 5000", "TimeSliceY 16"} << -1 << "TIMESLICE=32,32";
        QTest::newRow("apart") << QStringList{"TIMESLICE=32,248"} << QStringList{"TimeSliceX 100", "TimeSliceY 200"} << 0 << "TIMESLICE=200,400";
    }
    void statements()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, moves);
        QFETCH(int, row);
        QFETCH(QString, statement);
        Window win(lines);
        const int selectedBefore = win.selected();
        for (const QString &move : moves) {
            const QString name = move.section(' ', 0, 0), arg = move.section(' ', 1);
            if (arg == "+" || arg == "-")
                win.arrow(win.bar(name), arg == "+" ? +1 : -1);
            else
                win.drag(name, arg.toInt());
        }
        QCOMPARE(win.text("Edit1"), statement);
        if (row >= 0)
            lines[row] = statement;
        QCOMPARE(win.lines(), lines);
        QCOMPARE(win.text("LinjeLabel"), row < 0 ? QStringLiteral("ikke i C:\\CONFIG.SYS") : QStringLiteral("Linje nr. %1").arg(row + 1));
        QCOMPARE(win.selected(), row < 0 ? selectedBefore : row);
        // Every TIMESLICE written on the way, by nested handlers too, has the bars in order.
        for (const QString &written : std::as_const(win.writes)) {
            const QStringList n = written.section("TIMESLICE=", 1).split(',');
            QVERIFY2(n.size() != 2 || n[0].toInt() <= n[1].toInt(), qPrintable(written));
        }
    }

    void priority()
    {
        Window win({"priority=dynamic", "MAXWAIT=3"});
        QWidget *maxWait = win.bar("MaxWait"), *caption = win.get<QWidget>("MaxWaitLAbel");
        QVERIFY(win.isChecked("Priority_0"));
        win.click("Priority_0"); // the item already selected: nothing happens
        QCOMPARE(win.writes, QStringList{});
        QCOMPARE(win.bar("MaxWait")->value(), 3);
        win.drag("MaxWait", 7);
        win.click("Priority_1");
        QVERIFY(!maxWait->isVisible() && !caption->isVisible());
        QCOMPARE(win.lines(), (QStringList{"PRIORITY=ABSOLUTE", "MAXWAIT=7"}));
        QCOMPARE(win.text("Edit1"), QStringLiteral("PRIORITY=ABSOLUTE"));
        QCOMPARE(win.selected(), 0);
        win.writes.clear();
        win.click("Priority_1");
        QCOMPARE(win.writes, QStringList{});
        win.click("Priority_0");
        QVERIFY(maxWait->isVisible() && caption->isVisible());
        QCOMPARE(win.bar("MaxWait")->value(), 7);
        QCOMPARE(win.lines(), (QStringList{"PRIORITY=DYNAMIC", "MAXWAIT=7"}));
    }
};

QTEST_MAIN(TestPerformancePage)
#include "tst_performance_page.moc"
