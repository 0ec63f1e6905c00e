// The "Grensesnitt" page: SET AUTOSTART from the scan and the boxes, SET RUNWORKPLACE shown on a click.
#include "test_support.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>

namespace {

const QString kHint = QStringLiteral("Oppgir grensesnittet som startes av OS/2");
const QString kWorkplace = QStringLiteral("SET RUNWORKPLACE=C:\\OS2\\PMSHELL.EXE");

struct Window : WindowOnDrive
{
    explicit Window(const QStringList &lines) : WindowOnDrive(lines, PageId::Grensesnitt) {}
    QString checked() const { return WindowOnDrive::checked({"programs", "tasklist", "folders", "Connections", "WarpCenter"}); }
};

} // namespace

class TestInterfacePage : public QObject
{
    Q_OBJECT

private slots:
    // The scan ticks a box when its keyword is a whole item of the list, in
    // any letter case, and leaves the line as it was read.
    void scan_data()
    {
        QTest::addColumn<QString>("autostart");
        QTest::addColumn<QString>("boxes");
        QTest::newRow("out of order, unknown last") << "SET AUTOSTART=FOLDERS,PROGRAMS,LAUNCHPAD" << "programs folders";
        QTest::newRow("all five backwards") << "SET AUTOSTART=WARPCENTER,CONNECTIONS,FOLDERS,TASKLIST,PROGRAMS" << "programs tasklist folders Connections WarpCenter";
        QTest::newRow("small key, blanks") << "set autostart= TASKLIST , WARPCENTER" << "tasklist WarpCenter";
        QTest::newRow("small keywords") << "SET AUTOSTART=programs,FOLDERS,LAUNCHPAD" << "programs folders";
        QTest::newRow("blanks between") << "SET AUTOSTART=PROGRAMS TASKLIST\tFolders " << "programs tasklist folders";
        QTest::newRow("a longer word is no keyword") << "SET AUTOSTART=PROGRAMS,WARPCENTERX,XFOLDERS" << "programs";
        QTest::newRow("empty") << "SET AUTOSTART=" << "";
    }
    void scan()
    {
        QFETCH(QString, autostart);
        QFETCH(QString, boxes);
        Window win({"REM", autostart, kWorkplace});
        QCOMPARE(win.checked(), boxes);
        QCOMPARE(win.lines(), (QStringList{"REM", autostart, kWorkplace}));
        QCOMPARE(win.writes, QStringList{});
        QCOMPARE(win.text("Edit1"), autostart); // shown by the page's refresh
        QCOMPARE(win.text("runworkplace"), QStringLiteral("C:\\OS2\\PMSHELL.EXE"));
    }

    void aLoadWritesNothing()
    {
        Window win({"REM", "SET AUTOSTART=TASKLIST"});
        win.c.write("CONFIG.SYS", crlf({"REM", "SET AUTOSTART=FOLDERS,PROGRAMS,LAUNCHPAD"}));
        win.writes.clear();
        win.click("OpenKnapp");
        QCOMPARE(win.checked(), QStringLiteral("programs folders"));
        QCOMPARE(win.writes, QStringList{});
        QCOMPARE(win.lines().at(1), QStringLiteral("SET AUTOSTART=FOLDERS,PROGRAMS,LAUNCHPAD"));
    }

    void clicks()
    {
        Window win({"REM", "SET AUTOSTART=PROGRAMS", kWorkplace});
        win.click("runworkplace");
        QCOMPARE(win.selected(), 2);
        QCOMPARE(win.text("LinjeLabel"), QStringLiteral("Linje nr. 3"));
        QCOMPARE(win.text("Edit1"), kWorkplace);
        QCOMPARE(win.text("Label3"), kHint);
        QTest::keyClicks(win.get<QLineEdit>("runworkplace"), "X"); // never read back
        QCOMPARE(win.writes, QStringList{});

        const QList<QPair<const char *, QString>> steps = {{"folders", "PROGRAMS,FOLDERS"}, {"WarpCenter", "PROGRAMS,FOLDERS,WARPCENTER"},
            {"programs", "FOLDERS,WARPCENTER"}, {"tasklist", "TASKLIST,FOLDERS,WARPCENTER"}, {"Connections", "TASKLIST,FOLDERS,CONNECTIONS,WARPCENTER"},
            {"WarpCenter", "TASKLIST,FOLDERS,CONNECTIONS"}, {"tasklist", "FOLDERS,CONNECTIONS"}, {"folders", "CONNECTIONS"}, {"Connections", ""}};
        for (const auto &[box, value] : steps) {
            win.click(box);
            QCOMPARE(win.lines(), (QStringList{"REM", "SET AUTOSTART=" + value, kWorkplace}));
            QCOMPARE(win.selected(), 1);
            QCOMPARE(win.text("LinjeLabel"), QStringLiteral("Linje nr. 2"));
            QCOMPARE(win.text("Edit1"), "SET AUTOSTART=" + value);
            QCOMPARE(win.text("Label3"), kHint); // the boxes leave the hint alone
        }
    }

    // A click writes the ticked keywords in their order, then every other item
    // as written; a box's keyword is never written twice, whatever its letter
    // case or the separators in the line.
    void aClickKeepsTheOtherItems_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("after");
        QTest::newRow("unknown kept") << "SET AUTOSTART=FOLDERS,PROGRAMS,LAUNCHPAD" << QStringList{"folders"} << "SET AUTOSTART=PROGRAMS,LAUNCHPAD";
        QTest::newRow("down to the unknown") << "SET AUTOSTART=FOLDERS,PROGRAMS,LAUNCHPAD" << QStringList{"folders", "programs", "WarpCenter"}
                                             << "SET AUTOSTART=WARPCENTER,LAUNCHPAD";
        QTest::newRow("small and blanks") << "SET AUTOSTART=folders, PROGRAMS ,,LaunchPad,x y" << QStringList{"folders"} << "SET AUTOSTART=PROGRAMS,LaunchPad,x y";
        QTest::newRow("blanks for commas") << "SET AUTOSTART=PROGRAMS TASKLIST" << QStringList{"folders"} << "SET AUTOSTART=PROGRAMS,TASKLIST,FOLDERS";
        QTest::newRow("a longer word stays") << "SET AUTOSTART=PROGRAMS,WARPCENTERX" << QStringList{"WarpCenter"} << "SET AUTOSTART=PROGRAMS,WARPCENTER,WARPCENTERX";
        QTest::newRow("and goes back") << "SET AUTOSTART=PROGRAMS,WARPCENTERX" << QStringList{"WarpCenter", "WarpCenter"} << "SET AUTOSTART=PROGRAMS,WARPCENTERX";
        // Only the keywords are written anew: what stands between other items stays.
        QTest::newRow("a blank between others") << "SET AUTOSTART=TASKLIST,FOLDERS,WARPCENTER,WARP X" << QStringList{"programs"}
                                                << "SET AUTOSTART=PROGRAMS,TASKLIST,FOLDERS,WARPCENTER,WARP X";
        QTest::newRow("a keyword between others") << "SET AUTOSTART=A  B,FOLDERS, C ,, D" << QStringList{"folders"}
                                                  << "SET AUTOSTART=A  B,C ,, D";
        QTest::newRow("small key rewritten") << "set autostart=programs" << QStringList{"tasklist"} << "SET AUTOSTART=PROGRAMS,TASKLIST";
    }
    void aClickKeepsTheOtherItems()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, clicks);
        QFETCH(QString, after);
        Window win({"REM", line});
        for (const QString &box : clicks)
            win.click(box);
        QCOMPARE(win.lines(), (QStringList{"REM", after}));
        // The next load shows the boxes as the click left the file.
        win.c.write("CONFIG.SYS", crlf({"REM", after}));
        const QString boxes = win.checked();
        win.click("OpenKnapp");
        QCOMPARE(win.checked(), boxes);
        QCOMPARE(win.lines(), (QStringList{"REM", after}));
    }

    void withoutTheStatements()
    {
        const QStringList lines{"REM", "RESTARTOBJECTS=NO"};
        Window win(lines);
        QCOMPARE(win.selected(), 1);
        win.click("runworkplace");
        QCOMPARE(win.text("LinjeLabel"), QStringLiteral("ikke i C:\\CONFIG.SYS"));
        QCOMPARE(win.text("Label3"), kHint);
        // No line is current, so what the user then types into the edit line goes nowhere.
        QTest::keyClicks(win.get<QLineEdit>("Edit1"), "SET RUNWORKPLACE=X");
        QCOMPARE(win.lines(), lines);

        win.click("tasklist");
        win.click("WarpCenter");
        QCOMPARE(win.text("Edit1"), QStringLiteral("SET AUTOSTART=TASKLIST,WARPCENTER"));
        QCOMPARE(win.text("LinjeLabel"), QStringLiteral("ikke i C:\\CONFIG.SYS"));
        QCOMPARE(win.lines(), lines);
        win.click("runworkplace");
        QCOMPARE(win.text("Edit1"), QString());
    }
};

QTEST_MAIN(TestInterfacePage)
#include "tst_interface_page.moc"
