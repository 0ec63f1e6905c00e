// The "Oppstart" page's RESTARTOBJECTS group: the SET form OS/2 reads, the
// bare form earlier versions wrote, and "Legg til config.sys".
#include "test_support.h"

#include <QLineEdit>

namespace {

// What each item writes after "SET RESTARTOBJECTS=".
const QStringList kValues = {"NO", "STARTUPFOLDERSONLY", "REBOOTONLY", "STARTUPFOLDERSONLY,REBOOTONLY", "YES"};
const QString kHint = QStringLiteral("Ikke nødvendig, standardverdi RESTARTOBJECTS=YES");
const QString kBareHint = QStringLiteral("OS/2 leser ikke linjen uten SET; et valg skriver den om med SET foran");

// The window showing "Oppstart".
struct OnPage : WindowOnDrive
{
    explicit OnPage(const QStringList &lines) : WindowOnDrive(lines, PageId::Oppstart) {}
    explicit OnPage(const QByteArray &bytes) : WindowOnDrive(ConfigBytes(bytes), PageId::Oppstart) {}
    // Edit1, the line label, the hint and the selected line.
    QStringList status() const
    {
        const QStringList all = WindowOnDrive::status();
        return {all[0], all[1], all[2], all[4]};
    }
    // The item of the group that is checked, -1 for none.
    int checkedItem() const
    {
        for (int i = 0; i < 5; ++i)
            if (isChecked(QStringLiteral("restartgroup_%1").arg(i)))
                return i;
        return -1;
    }
};

} // namespace

class TestRestartObjects : public QObject
{
    Q_OBJECT

private slots:
    void restartGroup_data()
    {
        QTest::addColumn<QString>("line"); // line 2 of the file
        QTest::addColumn<int>("item");     // the item the scan selects, -1 for none
        QTest::addColumn<QString>("hint"); // after the scan
        QTest::addColumn<bool>("present"); // the line is the statement
        for (int i = 0; i < 5; ++i)
            QTest::addRow("SET %s", qPrintable(kValues[i])) << "SET RESTARTOBJECTS=" + kValues[i] << i << kHint << true;
        QTest::newRow("SET, small, turned") << "set restartobjects=rebootonly, startupfoldersonly" << 3 << kHint << true;
        // The bare form as earlier versions wrote it: the old meanings.
        QTest::newRow("bare PL") << "RESTARTOBJECTS=PL" << 0 << kBareHint << true;
        QTest::newRow("bare REBOOTONLY") << "RESTARTOBJECTS=REBOOTONLY" << 1 << kBareHint << true;
        QTest::newRow("bare NO, small, blank") << "restartobjects=no " << 2 << kBareHint << true;
        QTest::newRow("bare STARTUPFOLDERSONLY") << "RESTARTOBJECTS=STARTUPFOLDERSONLY" << 3 << kBareHint << true;
        // A value no item stands for: no item, the value in the hint, the line as read.
        QTest::newRow("SET unknown") << "SET RESTARTOBJECTS=junk" << -1
                                     << "Ingen valg står for «junk»; linjen står til du velger" << true;
        QTest::newRow("bare ArcaOS value") << "RESTARTOBJECTS=STARTUPFOLDERSONLY,REBOOTONLY" << -1
                                           << "Ingen valg står for «STARTUPFOLDERSONLY,REBOOTONLY»; linjen står til du velger"
                                           << true;
        QTest::newRow("long value, cut") << "SET RESTARTOBJECTS=" + QString(40, u'X') << -1
                                         << "Ingen valg står for «" + QString(30, u'X') + "…»; linjen står til du velger" << true;
        QTest::newRow("empty value") << "SET RESTARTOBJECTS=" << -1 << "Ingen valg står for «»; linjen står til du velger"
                                     << true;
        QTest::newRow("commented: none") << "REM SET RESTARTOBJECTS=NO" << 4 << kHint << false;
    }
    void restartGroup()
    {
        QFETCH(QString, line);
        QFETCH(int, item);
        QFETCH(QString, hint);
        QFETCH(bool, present);
        OnPage p({"REM", line});
        const TestDrive &c = p.c;
        QStringList doc{"REM", line};
        // The scan and the refresh select the item, explain the line and leave it as read.
        QCOMPARE(p.checkedItem(), item);
        QCOMPARE(p.lines(), doc);
        QCOMPARE(p.writes, QStringList{});
        QCOMPARE(p.status(), present ? QStringList({line, "Linje nr. 2", hint, "1"})
                                     : QStringList({"(SET RESTARTOBJECTS=YES)", "ikke i C:\\CONFIG.SYS", hint, "-1"}));
        QCOMPARE(p.isEnabled("LeggTilRestartKnapp"), !present);
        // Each click on another item writes its value in the SET form over the
        // line; the first click on a line in another form writes even for the
        // item checked. A click on the item checked in a SET line writes nothing.
        for (int i : {item < 0 ? 4 : item, 0, 1, 2, 3, 4, 1, 1}) {
            p.writes.clear();
            const bool write = present && (p.checkedItem() != i || !doc[1].toUpper().startsWith("SET RESTARTOBJECTS="));
            p.click(QStringLiteral("restartgroup_%1").arg(i));
            QCOMPARE(p.checkedItem(), i);
            if (write)
                doc[1] = "SET RESTARTOBJECTS=" + kValues[i];
            QCOMPARE(p.lines(), doc);
            QCOMPARE(p.writes.size(), static_cast<int>(write));
            QCOMPARE(p.status(), present ? QStringList({doc[1], "Linje nr. 2", kHint, "1"})
                                         : QStringList({"(SET RESTARTOBJECTS=YES)", "ikke i C:\\CONFIG.SYS", kHint, "-1"}));
            QCOMPARE(QList<bool>({p.isEnabled("RemKnapp"), p.isEnabled("LeggTilRestartKnapp")}), QList<bool>({false, !present}));
        }
        // "Legg til config.sys" appends the chosen item's statement in the SET
        // form and makes it current.
        p.click("LeggTilRestartKnapp");
        if (!present) {
            QCOMPARE(p.lines(), doc << "SET RESTARTOBJECTS=STARTUPFOLDERSONLY");
            QCOMPARE(p.status(), QStringList({doc[2], "Linje nr. 3", kHint, "2"}));
            QVERIFY(!p.isEnabled("LeggTilRestartKnapp") && !p.isEnabled("RemKnapp"));
        }
        // "Hent": no statement selects item 4.
        c.write("CONFIG.SYS", crlf({"REM"}));
        p.click("OpenKnapp");
        QCOMPARE(p.checkedItem(), 4);
    }

    // OS/2 reads the SET line; a bare line beside it has no effect, says so,
    // and stays as it is whatever the user chooses.
    void bothForms_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("set"); // the SET line
        QTest::addColumn<int>("bare");
        QTest::newRow("bare first") << QStringList{"RESTARTOBJECTS=PL", "REM", "SET RESTARTOBJECTS=STARTUPFOLDERSONLY,REBOOTONLY"} << 2 << 0;
        QTest::newRow("SET first") << QStringList{"set restartobjects=startupfoldersonly,rebootonly", "REM", "RESTARTOBJECTS=PL"} << 0 << 2;
    }
    void bothForms()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, set);
        QFETCH(int, bare);
        OnPage p(lines);
        const QString noEffect = QStringLiteral("Linje nr. %1 (uten SET) virker ikke; OS/2 leser denne linjen").arg(bare + 1);
        QCOMPARE(p.checkedItem(), 3);
        QCOMPARE(p.status(), QStringList({lines[set], QStringLiteral("Linje nr. %1").arg(set + 1), noEffect, QString::number(set)}));
        QVERIFY(!p.isEnabled("LeggTilRestartKnapp"));
        QCOMPARE(p.writes, QStringList{});
        p.click("restartgroup_0");
        lines[set] = "SET RESTARTOBJECTS=NO";
        QCOMPARE(p.lines(), lines);
        QCOMPARE(p.status()[2], noEffect);
        // Once the bare line is no RESTARTOBJECTS statement, the hint leaves it.
        p.show(PageId::Fil);
        p.pick("ListBox", bare);
        p.click("RemKnapp");
        p.show(PageId::Oppstart);
        QCOMPARE(p.status()[2], kHint);
        QCOMPARE(p.checkedItem(), 0);
    }

    // A click on a bare line rewrites that line, in its place, in the SET form;
    // every other byte of the file stays, and the added line is not offered.
    void bareLineRewrittenInPlace()
    {
        const QByteArray before = "REM a\r\nrestartobjects=rebootonly\r\nTHREADS=64\r\n";
        OnPage p(before);
        QCOMPARE(p.checkedItem(), 1);
        p.click("restartgroup_1");
        QCOMPARE(p.lines(), (QStringList{"REM a", "SET RESTARTOBJECTS=STARTUPFOLDERSONLY", "THREADS=64"}));
        QCOMPARE(p.writes, QStringList{"1:SET RESTARTOBJECTS=STARTUPFOLDERSONLY"});
        QVERIFY(!p.isEnabled("LeggTilRestartKnapp"));
        p.click("SaveKnapp");
        QCOMPARE(p.c.read("CONFIG.NEW"), QByteArray("REM a\r\nSET RESTARTOBJECTS=STARTUPFOLDERSONLY\r\nTHREADS=64\r\n"));
        QCOMPARE(p.c.read("CONFIG.SYS"), before);
    }

    // The CONFIG.SYS of current installations: ArcaOS's own value selects
    // the fourth item, and looking writes nothing.
    void currentInstallations_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::newRow("ArcaOS") << "arcaos-vbox.config.sys";
        QTest::newRow("eComStation") << "ecs-thinkpad.config.sys";
    }
    void currentInstallations()
    {
        QFETCH(QString, fixture);
        const QByteArray bytes = ::fixture(fixture);
        OnPage p(bytes);
        QCOMPARE(p.checkedItem(), 3);
        QCOMPARE(p.text("restartgroup_3"), "Oppstart-mappe, bare ved omstart");
        QCOMPARE(p.text("Edit1"), "SET RESTARTOBJECTS=STARTUPFOLDERSONLY,REBOOTONLY");
        QVERIFY(!p.isEnabled("LeggTilRestartKnapp"));
        QCOMPARE(p.writes, QStringList{});
        QCOMPARE(p.c.read("CONFIG.SYS"), bytes);
    }

    // A RESTARTOBJECTS line the user commented out stays so when the page is
    // shown again; the group then checks no item. Edited by hand, the line's
    // new value selects its item.
    void theLineAsTheUserLeftIt()
    {
        OnPage p({"REM", "RESTARTOBJECTS=NO"});
        p.show(PageId::Fil);
        p.pick("ListBox", 1);
        p.click("RemKnapp");
        p.show(PageId::Oppstart);
        QCOMPARE(p.lines(), (QStringList{"REM", "REM RESTARTOBJECTS=NO"}));
        QCOMPARE(p.checkedItem(), -1);
        p.show(PageId::Fil);
        p.pick("ListBox", 1);
        p.click("RemKnapp");
        QLineEdit *edit = p.get<QLineEdit>("Edit1");
        edit->end(false);
        edit->backspace();
        edit->backspace();
        QTest::keyClicks(edit, "PL");
        p.show(PageId::Oppstart);
        QCOMPARE(p.lines(), (QStringList{"REM", "RESTARTOBJECTS=PL"}));
        QCOMPARE(p.checkedItem(), 0);
    }

};

QTEST_MAIN(TestRestartObjects)
#include "tst_restart_objects.moc"
