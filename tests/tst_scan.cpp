// The settings scan after every load and at the first showing, and the refresh
// of the page the user selects.
#include "test_support.h"

#include "workspace/text8_memo.h"

#include <QLabel>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

namespace {

QList<int> scanRegisters(const Registers &r)
{
    return {r.AutostartLine, r.RunWorkplaceLine, r.ThreadsLine, r.MaxWaitLine,
            r.PriorityLine,  r.TimeSliceLine,    r.RestartObjectsLine, r.ProtectOnlyLine};
}

constexpr int No = NoLine;

} // namespace

class TestScan : public QObject
{
    Q_OBJECT

private slots:
    void registersFollowTheDocument_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QList<int>>("registers"); // AUTOSTART RUNWORKPLACE THREADS MAXWAIT PRIORITY TIMESLICE RESTARTOBJECTS PROTECTONLY
        QTest::newRow("all present") << QStringList{"REM", "SET AUTOSTART=FOLDERS", "SET RUNWORKPLACE=C:\\OS2\\PMSHELL.EXE",
                                                    "THREADS=256", "MAXWAIT=3", "PRIORITY=DYNAMIC", "TIMESLICE=32,248",
                                                    "RESTARTOBJECTS=YES", "PROTECTONLY=NO"}
                                     << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
        QTest::newRow("none present") << QStringList{"REM THREADS=256", "THREADS = 256", " MAXWAIT=3", "PRIORITY_DISK_IO=YES"}
                                      << QList<int>{No, No, No, No, No, No, No, No};
        QTest::newRow("small letters, first of two") << QStringList{"threads=64", "Threads=128", "set autostart=", "protectonly=yes"}
                                                     << QList<int>{2, No, 0, No, No, No, No, 3};
        QTest::newRow("empty document") << QStringList{} << QList<int>{No, No, No, No, No, No, No, No};
    }
    void registersFollowTheDocument()
    {
        QFETCH(QStringList, lines);
        QFETCH(QList<int>, registers);
        WindowOnDrive win(lines);
        QCOMPARE(scanRegisters(win.w->registers()), registers);
        // Registers of the DOS and Disk pages wait for their page's refresh.
        QCOMPARE(static_cast<int>(win.w->registers().ShellLine), 0);
        QCOMPARE(static_cast<int>(win.w->registers().HpfsLine), 0);
    }

    void startUpLeavesTheRestartLineCurrent()
    {
        WindowOnDrive win({"REM", "THREADS=256", "RESTARTOBJECTS=NO"});
        QCOMPARE(win.selected(), 2);
        QCOMPARE(win.text("LinjeLabel"), QStringLiteral("Linje nr. 3"));
        QCOMPARE(win.text("Edit1"), QString());
        QVERIFY(win.isEnabled("RemKnapp"));

        // "Hent" scans again and selects line 0.
        win.c.write("CONFIG.SYS", crlf({"RESTARTOBJECTS=NO", "THREADS=256"}));
        win.press("OpenKnapp");
        QCOMPARE(static_cast<int>(win.w->registers().ThreadsLine), 1);
        QCOMPARE(win.selected(), 0);
    }

    void onlyTheFirstShowingScansAgain()
    {
        WindowOnDrive win({"REM"}, {}, {"STARTUP.CMD=OLD"}, WindowOnDrive::Show::Later);
        const TestDrive &c = win.c;
        auto &w = win.w;
        auto *memo = widget<Text8Memo>(w.get(), "StartupMemo");
        QCOMPARE(memo->lines(), Lines{"OLD"});
        c.write("STARTUP.CMD", crlf({"SHOWN"}));
        w->show();
        QCOMPARE(memo->lines(), Lines{"SHOWN"});
        c.write("STARTUP.CMD", crlf({"LATER"}));
        w->hide();
        w->show();
        w->activateWindow();
        QCOMPARE(memo->lines(), Lines{"SHOWN"});
    }

    void pageRefresh_data()
    {
        QTest::addColumn<PageId>("page");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<bool>("remEnabled");
        QTest::newRow("Oppstart") << PageId::Oppstart << "SET RESTARTOBJECTS=YES" << "Ikke nødvendig, standardverdi RESTARTOBJECTS=YES" << false;
        QTest::newRow("DOS: the SHELL line") << PageId::Dos << "SHELL=C:\\OS2\\MDOS\\COMMAND.COM" << "" << true;
        QTest::newRow("Ytelse") << PageId::Ytelse << "" << lockedHint::nothing << true;
        QTest::newRow("Drivere: nothing selected") << PageId::Drivere << "" << lockedHint::nothing << true;
        QTest::newRow("Grensesnitt") << PageId::Grensesnitt << "SET AUTOSTART=FOLDERS" << "" << true;
        QTest::newRow("Disk: nothing to show") << PageId::Disk << "" << lockedHint::nothing << true;
        QTest::newRow("Nettverk") << PageId::Nettverk << "" << lockedHint::nothing << true;
        QTest::newRow("Fil: the selected line") << PageId::Fil << "THREADS=256" << "Rediger C:\\CONFIG.SYS" << true;
    }
    void pageRefresh()
    {
        QFETCH(PageId, page);
        QFETCH(QString, edit);
        QFETCH(QString, hint);
        QFETCH(bool, remEnabled);
        // Start from another page with line 3 current and the messages filled.
        WindowOnDrive win({"SET RESTARTOBJECTS=YES", "SET AUTOSTART=FOLDERS", "SHELL=C:\\OS2\\MDOS\\COMMAND.COM", "THREADS=256",
                           "DEVICE=C:\\MPTN\\PROTOCOL\\SOCKETS.SYS"},
                          page == PageId::Fil ? PageId::Nettverk : PageId::Fil);
        win.w->status().selectLine(3);
        win.w->status().showMessage("old");
        win.w->status().showHint("old");
        win.show(page);
        QCOMPARE(win.text("Edit1"), edit);
        QCOMPARE(win.text("Label3"), hint);
        QCOMPARE(win.text("Label2"), QString());
        QCOMPARE(win.isEnabled("RemKnapp"), remEnabled);
        QCOMPARE(win.get<QListView>("ListBox")->model()->rowCount(), 5);
        // A line a page shows is the current one: the line label and the list's selection name it too.
        if (!edit.isEmpty() && page != PageId::Fil) {
            QCOMPARE(win.lines().value(win.selected()), edit);
            QCOMPARE(win.text("LinjeLabel"), QStringLiteral("Linje nr. %1").arg(win.selected() + 1));
        }
    }

    // A failed "Hent" leaves nothing that points into the empty document, so
    // lines added afterwards are never written over by a page.
    void aFailedLoadForgetsWhereStatementsStood()
    {
        WindowOnDrive win({"REM a", "REM b", "THREADS=64", "MAXWAIT=3", "SHELL=X", "DEVICE=C:\\OS2\\BOOT\\COM.SYS",
                           "IFS=C:\\OS2\\HPFS.IFS", "RUN=C:\\MPTN\\BIN\\CNTRL.EXE", "BASEDEV=IBMKBD.SYS"});
        win.show(PageId::Disk); // the Disk and DOS registers are set by their pages
        win.show(PageId::Dos);
        ErrorRecorder &errors = win.errors;
        QFile::remove(win.c.path("CONFIG.SYS"));
        win.click("OpenKnapp");
        QCOMPARE(errors.messages().size(), 1);
        QCOMPARE(win.w->document().count(), 0);
        const Registers &r = win.w->registers();
        QCOMPARE((QList<int>{r.AutostartLine, r.RunWorkplaceLine, r.RestartObjectsLine, r.ProtectOnlyLine, r.ThreadsLine,
                             r.MaxWaitLine, r.PriorityLine, r.TimeSliceLine, r.ShellLine, r.DiskCacheLine, r.HpfsLine,
                             r.CdfsLine, r.LanIfsLine, r.MfsLine}),
                 QList<int>(14, No));
        for (const char *list : {"devicelist", "basedevlist", "ProtokollList", "tcpiplist", "LANlist", "mobillist"})
            QCOMPARE(widget<QAbstractItemView>(win.w.get(), list)->model()->rowCount(), 0);

        QStringList added;
        for (const char *box : {"vemmsys", "vxmssys", "vdpmisys", "ansisys"})
            win.click(box);
        for (const char *name : {"VEMM", "VXMS", "VDPMI", "ANSI"})
            added << QStringLiteral("REM DEVICE=C:\\OS2\\MDOS\\%1.SYS").arg(name);
        QCOMPARE(win.lines(), added);
        win.show(PageId::Ytelse);
        win.drag("Threads", 2048);
        win.drag("MaxWait", 7);
        for (PageId page : {PageId::Grensesnitt, PageId::Disk, PageId::Drivere, PageId::Oppstart, PageId::Fil}) {
            win.show(page);
            if (page == PageId::Grensesnitt || page == PageId::Disk)
                QCOMPARE(win.text("Edit1"), QString());
        }
        QCOMPARE(win.lines(), added);
    }

    // Wherever a control led to a line, "REM av/på" switches it and leaves it
    // the current line, so that a second press switches it back.
    void remTwiceUndoesItself_data()
    {
        QTest::addColumn<PageId>("page");
        QTest::addColumn<QString>("action"); // "click NAME", "pick LIST ROW", "drag BAR VALUE"
        QTest::addColumn<int>("line");
        QTest::newRow("DOS, a driver") << PageId::Dos << "click vemmsys" << 4;
        QTest::newRow("DOS, Kommandotolk") << PageId::Dos << "click shell" << 3;
        QTest::newRow("Grensesnitt, the field") << PageId::Grensesnitt << "click runworkplace" << 2;
        QTest::newRow("Grensesnitt, a box") << PageId::Grensesnitt << "click tasklist" << 1;
        QTest::newRow("Ytelse") << PageId::Ytelse << "drag Threads 1088" << 5;
        QTest::newRow("Disk") << PageId::Disk << "click hpfs" << 6;
        QTest::newRow("Drivere, a device") << PageId::Drivere << "pick devicelist 1" << 7;
        QTest::newRow("Drivere, a base driver") << PageId::Drivere << "pick basedevlist 0" << 8;
        QTest::newRow("Nettverk") << PageId::Nettverk << "pick ProtokollList 0" << 7;
        QTest::newRow("Fil") << PageId::Fil << "pick ListBox 5" << 5;
    }
    void remTwiceUndoesItself()
    {
        QFETCH(PageId, page);
        QFETCH(QString, action);
        QFETCH(int, line);
        WindowOnDrive win({"REM", "SET AUTOSTART=FOLDERS", "SET RUNWORKPLACE=C:\\OS2\\PMSHELL.EXE",
                           "SHELL=C:\\OS2\\MDOS\\COMMAND.COM", "DEVICE=C:\\OS2\\MDOS\\VEMM.SYS", "THREADS=256",
                           "IFS=C:\\OS2\\HPFS.IFS", "DEVICE=C:\\MPTN\\PROTOCOL\\SOCKETS.SYS", "BASEDEV=IBMKBD.SYS"},
                          page);
        const QStringList words = action.split(u' ');
        if (words[0] == "click")
            win.click(words[1]);
        else if (words[0] == "pick")
            win.pick(words[1], words[2].toInt());
        else
            win.drag(words[1], words[2].toInt());
        const QString before = win.lines().at(line);
        const auto current = [&] {
            return QStringList{QString::number(win.selected()), win.text("Edit1"), win.text("LinjeLabel")};
        };
        const QString number = QStringLiteral("Linje nr. %1").arg(line + 1);
        QCOMPARE(current(), (QStringList{QString::number(line), before, number}));
        win.press("RemKnapp");
        QCOMPARE(win.lines().at(line), "REM " + before);
        QCOMPARE(current(), (QStringList{QString::number(line), "REM " + before, number}));
        win.press("RemKnapp");
        QCOMPARE(win.lines().at(line), before);
        QCOMPARE(current(), (QStringList{QString::number(line), before, number}));
    }

    void remToggleRefreshesTheShownPage()
    {
        WindowOnDrive win({"REM", "SET AUTOSTART=FOLDERS", "THREADS=256"}, PageId::Fil);
        win.w->status().selectLine(2);
        win.show(PageId::Nettverk);
        win.show(PageId::Fil);
        QCOMPARE(win.text("Edit1"), QStringLiteral("THREADS=256"));
        win.w->status().showHint("old");
        win.press("RemKnapp");
        QCOMPARE(win.lines().at(2), QStringLiteral("REM THREADS=256"));
        QCOMPARE(win.text("Edit1"), QStringLiteral("REM THREADS=256"));
        QCOMPARE(win.text("Label3"), QStringLiteral("Rediger C:\\CONFIG.SYS"));

        // On "Grensesnitt" the refresh shows the AUTOSTART line after the toggle.
        win.show(PageId::Grensesnitt);
        win.w->status().makeCurrent(2);
        win.press("RemKnapp");
        QCOMPARE(win.lines().at(2), QStringLiteral("THREADS=256"));
        QCOMPARE(win.text("Edit1"), QStringLiteral("SET AUTOSTART=FOLDERS"));
    }
};

QTEST_MAIN(TestScan)
#include "tst_scan.moc"
