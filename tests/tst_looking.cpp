// Looking never writes: a load, the scan, every page visit, selecting in the
// lists, "Sjekk", the whole-file check, F1 and "Endringer" leave every byte as
// read; the user's own action on a control writes its statement and nothing else.
#include "test_support.h"

#include "platform/line_file.h"
#include "workspace/user_events.h"
#include "platform/text8.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QDialog>
#include <QFile>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <array>

namespace {

// Statements of every page, as files write them: odd letter case, blanks,
// values the pages do not know, and lines that only look like statements.
const char *const kStatements[] = {
    "SET AUTOSTART=PROGRAMS,TASKLIST,FOLDERS", "set autostart=programs folders", "SET AUTOSTART= Folders ,WARPCENTERX",
    "SET AUTOSTART=LAUNCHPAD,,CONNECTIONS", "SET AUTOSTART=", "SET RUNWORKPLACE=C:\\OS2\\PMSHELL.EXE",
    "RESTARTOBJECTS=YES", "restartobjects=no ", "RESTARTOBJECTS=STARTUPFOLDERSONLY,REBOOTONLY",
    "SET RESTARTOBJECTS=NO", "RESTARTOBJECTS=", "RESTARTOBJECTS=pl", "SET RESTARTOBJECTS=STARTUPFOLDERSONLY,REBOOTONLY",
    "set restartobjects=rebootonly", "SET RESTARTOBJECTS=JUNK", "PROTECTONLY=NO", "protectonly=yes",
    "THREADS=512", "threads = 256", "THREADS=99999", "THREADS=abc", "threads=64", "MAXWAIT=2", "MAXWAIT=0",
    "maxwait= 9 ", "PRIORITY=absolute", "PRIORITY=Dynamic ", "PRIORITY=FOO", "TIMESLICE=33,999", "TIMESLICE=40",
    "TIMESLICE=1000,10", "TIMESLICE=x,y", "timeslice=32,248", "SHELL=C:\\OS2\\MDOS\\COMMAND.COM C:\\OS2\\MDOS",
    "DEVICE=C:\\OS2\\MDOS\\VEMM.SYS", "device=c:\\os2\\mdos\\vxms.sys /umb", "DEVICE=C:\\OS2\\MDOS\\ANSI.SYS",
    "DEVICE=C:\\OS2\\MDOS\\VCDROM.SYS", "DEVICE=C:\\OS2\\MDOS\\VW32S.SYS", "DEVICE=C:\\OS2\\BOOT\\COM.SYS",
    "DISKCACHE=D,LW", "DISKCACHE=64", "DISKCACHE=", "IFS=C:\\OS2\\HPFS.IFS /CACHE:2048", "IFS=C:\\OS2\\CDFS.IFS /Q",
    "ifs=c:\\ibmlan\\netprog\\netwksta.200 /i:c:\\ibmlan", "IFS=C:\\MFS\\MCM.IFS", "BASEDEV=IBMKBD.SYS",
    "BASEDEV=IBM1S506.ADD /A:0", "basedev=os2dasd.dmd", "BASEDEV=OS2DASD.DMD", "BASEDEV=TIMER0.SYS",
    "DEVICE=C:\\MPTN\\PROTOCOL\\SOCKETS.SYS", "RUN=C:\\TCPIP\\BIN\\CNTRL.EXE", "SET PATH=C:\\OS2;C:\\MPTN\\BIN",
    "LIBPATH=.;C:\\OS2\\DLL;C:\\TCPIP\\DLL", "CALL=C:\\IBMLAN\\NETPROG\\X.EXE", "DEVICE=C:\\MFS\\X.SYS",
    "PROTSHELL=C:\\OS2\\PMSHELL.EXE", "SET OS2_SHELL=C:\\OS2\\CMD.EXE", "COUNTRY=047,C:\\OS2\\SYSTEM\\COUNTRY.SYS",
};

// A document of 1 to 40 lines drawn from the statements above, each maybe
// commented out, indented, with a blank after it, in other letter case or
// twice; now and then an empty line or one of 8-bit bytes.
QByteArray generatedDocument(QRandomGenerator &random)
{
    const auto chance = [&random](int percent) { return static_cast<int>(random.bounded(100)) < percent; };
    QByteArray out;
    const int count = 1 + static_cast<int>(random.bounded(40));
    for (int i = 0; i < count; ++i) {
        QByteArray line = kStatements[random.bounded(static_cast<int>(std::size(kStatements)))];
        if (chance(10))
            line = chance(50) ? QByteArray() : QByteArray("REM \xE6\xF8\xE5 \x81\x9D\xFF note");
        if (chance(15))
            line = line.toLower();
        if (chance(15))
            line.prepend(chance(50) ? "REM " : "rem ");
        if (chance(8))
            line.prepend(' ');
        if (chance(8))
            line.append(' ');
        out += line + "\r\n";
        if (chance(10))
            out += line + "\r\n";
    }
    return out;
}

QByteArray exampleConfig()
{
    QFile f(QStringLiteral(OS2SETUP_EXAMPLE_DRIVE "/CONFIG.SYS"));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("no example CONFIG.SYS");
    return f.readAll();
}

QStringList split(const QByteArray &bytes)
{
    QStringList lines;
    for (const std::string &line : linefile::split(bytes.constData(), static_cast<std::size_t>(bytes.size())))
        lines << text8::toDisplay(line);
    return lines;
}

// Clicks the tab of `page`, as the user turns to it.
void visit(const WindowOnDrive &win, PageId page)
{
    QTabBar *tabs = win.get<QTabWidget>("NoteBook")->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(static_cast<int>(page)).center());
}

// Picks a few rows of every list of the page shown, as the user looks at them.
void pickInLists(const WindowOnDrive &win, QRandomGenerator &random)
{
    for (const char *name : {"ListBox", "devicelist", "basedevlist", "basedevlist2", "ProtokollList", "tcpiplist",
                             "LANlist", "mobillist"}) {
        auto *view = win.get<QAbstractItemView>(name);
        if (!view->isVisible() || view->model()->rowCount() == 0)
            continue;
        for (int k = 0; k < 2; ++k)
            win.pick(name, static_cast<int>(random.bounded(view->model()->rowCount())));
    }
}

} // namespace

class TestLooking : public QObject
{
    Q_OBJECT

private slots:
    void everyByteStaysAsRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<quint32>("seed");
        for (const char *name : {"ecs-thinkpad.config.sys", "vbox-cid.config.sys"})
            QTest::newRow(name) << fixture(QString::fromLatin1(name)) << static_cast<quint32>(1);
        QTest::newRow("example drive") << exampleConfig() << static_cast<quint32>(2);
        QRandomGenerator random(20261209);
        for (int i = 0; i < 240; ++i)
            QTest::addRow("generated %d", i) << generatedDocument(random) << random.generate();
    }
    void everyByteStaysAsRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        const QStringList asRead = split(bytes);
        WindowOnDrive win{ConfigBytes(bytes)};
        QCOMPARE(win.lines(), asRead);
        // "Endringer" stays open through all of it, following the document.
        win.w->showChanges();

        // Every page in a random order, twice, looking into its lists; "Sjekk"
        // on what each leaves in the edit line; then a load, and again.
        std::array<PageId, PageCount> pages{};
        for (std::size_t k = 0; k < PageCount; ++k)
            pages[k] = static_cast<PageId>(k);
        for (int round = 0; round < 2; ++round) {
            std::shuffle(pages.begin(), pages.end(), random);
            for (PageId page : pages) {
                visit(win, page);
                pickInLists(win, random);
                win.press("SjekkKnapp");
            }
            win.press("OpenKnapp");
        }
        // The whole-file check and F1 look too.
        win.w->showBootCheck();
        win.w->showAbout();
        for (QDialog *dialog : win.w->findChildren<QDialog *>())
            dialog->close();

        QCOMPARE(win.lines(), asRead);
        QCOMPARE(win.writes, QStringList{});
        QCOMPARE(win.errors.messages(), QStringList{});
    }

    // Showing never runs a handler: "Hent", its scan and every page visit run
    // only their own code, and so do the refreshes that a user's action runs
    // ("REM av/på", a "Disk" box, "Angre endringen").
    void noHandlerRunsWhileTheWindowShows()
    {
        WindowOnDrive win(ConfigBytes(exampleConfig()), PageId::Fil,
                          {"STARTUP.CMD=@ECHO OFF|EXIT", "AUTOEXEC.BAT=PROMPT $P$G"});
        const auto all = [&] { return win.w->handlerRuns().all; };
        QCOMPARE(all(), 0);
        win.press("OpenKnapp");
        QCOMPARE(all(), 1); // "Hent" itself
        for (int round = 0; round < 2; ++round)
            for (std::size_t k = 0; k < PageCount; ++k)
                visit(win, static_cast<PageId>(k));
        QCOMPARE(all(), 1);
        win.show(PageId::Disk);
        win.click("hpfs");
        win.press("RemKnapp");
        win.press("RemKnapp");
        win.w->showChanges();
        auto *changes = win.w->findChild<QDialog *>("Endringer");
        auto *list = widget<QAbstractItemView>(changes, "EndringerListe");
        win.click("hpfs");
        win.press("RemKnapp");
        list->setCurrentIndex(list->model()->index(0, 0));
        widget<QAbstractButton>(changes, "AngreEndringKnapp")->click();
        QCOMPARE(all(), 7);
        QCOMPARE(win.lines(), split(exampleConfig()));
        QCOMPARE(win.w->handlerRuns().whileShowing, 0);
        QCOMPARE(win.errors.messages(), QStringList{});
    }

    // The user's own action on a control writes its statement over its line,
    // and nothing else anywhere.
    void aUserActionWritesItsStatementOnly_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<PageId>("page");
        QTest::addColumn<QString>("action"); // "click NAME", "bar NAME VALUE"
        QTest::addColumn<QString>("after");
        QTest::newRow("AUTOSTART") << "set autostart=programs Folders LAUNCHPAD" << PageId::Grensesnitt << "click tasklist"
                                   << "SET AUTOSTART=PROGRAMS,TASKLIST,FOLDERS,LAUNCHPAD";
        QTest::newRow("RESTARTOBJECTS") << "RESTARTOBJECTS=STARTUPFOLDERSONLY,REBOOTONLY" << PageId::Oppstart << "click restartgroup_2"
                                        << "SET RESTARTOBJECTS=REBOOTONLY";
        QTest::newRow("PROTECTONLY") << "protectonly=no" << PageId::Oppstart << "click protectonly" << "PROTECTONLY=YES";
        QTest::newRow("THREADS") << "THREADS=512" << PageId::Ytelse << "bar Threads 1024" << "THREADS=1024";
        QTest::newRow("MAXWAIT") << "maxwait=2" << PageId::Ytelse << "bar MaxWait 5" << "MAXWAIT=5";
        QTest::newRow("TIMESLICE max") << "TIMESLICE=33,999" << PageId::Ytelse << "bar TimeSliceY 1000" << "TIMESLICE=33,2000";
        QTest::newRow("TIMESLICE min") << "TIMESLICE=33,999" << PageId::Ytelse << "bar TimeSliceX 20" << "TIMESLICE=40,999";
        QTest::newRow("PRIORITY") << "PRIORITY=dynamic" << PageId::Ytelse << "click Priority_1" << "PRIORITY=ABSOLUTE";
    }
    void aUserActionWritesItsStatementOnly()
    {
        QFETCH(QString, line);
        QFETCH(PageId, page);
        QFETCH(QString, action);
        QFETCH(QString, after);
        const QStringList around{"REM first", "SET PATH=C:\\OS2", "THREADS=64", "TIMESLICE=32,64", "MAXWAIT=1", "PRIORITY=ABSOLUTE"};
        // The statement stands before the others of its kind, so its register names it.
        QStringList lines{around.first(), line};
        lines += around.mid(1);
        WindowOnDrive win(lines, page);
        QCOMPARE(win.lines(), lines);
        const QStringList words = action.split(u' ');
        if (words[0] == "click")
            win.click(words[1]);
        else
            win.drag(words[1], words[2].toInt());
        lines[1] = after;
        QCOMPARE(win.lines(), lines);
        QCOMPARE(win.writes.size(), 1);
    }

    // The write path itself, without the pages that ask the gate before they
    // call it: a line is appended only while a user's action may write.
    void appendingTakesTheGate()
    {
#ifndef QT_NO_DEBUG
        QSKIP("a debug build stops at the write path's assertion instead");
#endif
        WindowOnDrive win({"REM"});
        Document lines;
        lines.setLines({"REM"});
        WriteGate gate;
        UserEvents events(gate);
        GatedDocument doc(lines, win.w->status(), gate);
        QCOMPARE(doc.appendLine("REM no action"), NoLine);
        events.run([&] {
            const WriteGate::Showing showing(gate);
            QCOMPARE(doc.appendLine("REM a scan inside the action"), NoLine);
        });
        QCOMPARE(lines.count(), 1);
        events.run([&] { QCOMPARE(doc.appendLine("REM added"), static_cast<LinePos>(1)); });
        QCOMPARE(lines.line(1), std::string("REM added"));
    }
};

QTEST_MAIN(TestLooking)
#include "tst_looking.moc"
