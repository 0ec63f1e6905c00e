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
    void scan_data()
    {
        QTest::addColumn<QString>("autostart");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QString>("after");
        QTest::newRow("out of order, unknown kept last") << "SET AUTOSTART=FOLDERS,PROGRAMS,LAUNCHPAD" << "programs folders" << "SET AUTOSTART=PROGRAMS,FOLDERS,LAUNCHPAD";
        QTest::newRow("all five backwards") << "SET AUTOSTART=WARPCENTER,CONNECTIONS,FOLDERS,TASKLIST,PROGRAMS" << "programs tasklist folders Connections WarpCenter"
                                            << "SET AUTOSTART=PROGRAMS,TASKLIST,FOLDERS,CONNECTIONS,WARPCENTER";
        QTest::newRow("small key, blanks") << "set autostart= TASKLIST , WARPCENTER" << "tasklist WarpCenter" << "SET AUTOSTART=TASKLIST,WARPCENTER";
        QTest::newRow("small value checks nothing") << "set autostart=programs,tasklist" << "" << "set autostart=programs,tasklist";
    }
    void scan()
    {
        QFETCH(QString, autostart);
        QFETCH(QString, boxes);
        QFETCH(QString, after);
        Window win({"REM", autostart, kWorkplace});
        QCOMPARE(win.checked(), boxes);
        QCOMPARE(win.lines(), (QStringList{"REM", after, kWorkplace}));
        QCOMPARE(win.text("Edit1"), after); // shown by the page's refresh
        QCOMPARE(win.text("runworkplace"), QStringLiteral("C:\\OS2\\PMSHELL.EXE"));
    }

    void scanWritesOncePerChangedBox()
    {
        Window win({"REM", "SET AUTOSTART=TASKLIST"});
        win.c.write("CONFIG.SYS", crlf({"REM", "SET AUTOSTART=FOLDERS,PROGRAMS,LAUNCHPAD"}));
        win.writes.clear();
        win.click("OpenKnapp");
        QCOMPARE(win.writes, (QStringList{"1:SET AUTOSTART=PROGRAMS,TASKLIST,LAUNCHPAD", "1:SET AUTOSTART=PROGRAMS,LAUNCHPAD",
                                          "1:SET AUTOSTART=PROGRAMS,FOLDERS,LAUNCHPAD"}));
        // With the boxes already as the file says, the line keeps its own text.
        win.writes.clear();
        win.click("OpenKnapp");
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

    // Keywords no box stands for stay after the boxes' ones, as written; a box's
    // keyword is never written twice, whatever its letter case in the line.
    void keywordsWithoutABoxStay()
    {
        Window win({"REM", "SET AUTOSTART=FOLDERS,PROGRAMS,LAUNCHPAD"});
        win.click("folders");
        QCOMPARE(win.lines().at(1), QStringLiteral("SET AUTOSTART=PROGRAMS,LAUNCHPAD"));
        win.click("programs");
        QCOMPARE(win.lines().at(1), QStringLiteral("SET AUTOSTART=LAUNCHPAD"));
        win.click("WarpCenter");
        QCOMPARE(win.lines().at(1), QStringLiteral("SET AUTOSTART=WARPCENTER,LAUNCHPAD"));

        Window mixed({"REM", "SET AUTOSTART=folders, PROGRAMS ,,LaunchPad,x y"});
        QCOMPARE(mixed.checked(), QStringLiteral("programs"));
        QCOMPARE(mixed.lines().at(1), QStringLiteral("SET AUTOSTART=PROGRAMS,LaunchPad,x y"));
        mixed.click("folders");
        QCOMPARE(mixed.lines().at(1), QStringLiteral("SET AUTOSTART=PROGRAMS,FOLDERS,LaunchPad,x y"));
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
