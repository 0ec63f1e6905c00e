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

QString text(TOs2Form *w, const char *name)
{
    if (auto *edit = w->findChild<QLineEdit *>(QString::fromLatin1(name)))
        return edit->text();
    return widget<QLabel>(w, name)->text();
}

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
        TestDrive c;
        c.write("CONFIG.SYS", crlf(lines));
        auto w = openWindow(c.map());
        QCOMPARE(scanRegisters(w->registers()), registers);
        // Registers of the DOS and Disk pages wait for their page's refresh.
        QCOMPARE(int(w->registers().ShellLine), 0);
        QCOMPARE(int(w->registers().HpfsLine), 0);
    }

    void startUpLeavesTheRestartLineCurrent()
    {
        TestDrive c;
        c.write("CONFIG.SYS", crlf({"REM", "THREADS=256", "RESTARTOBJECTS=NO"}));
        auto w = openWindow(c.map());
        QCOMPARE(w->workspace().selectedLine(), 2);
        QCOMPARE(text(w.get(), "LinjeLabel"), QStringLiteral("Linje nr. 3"));
        QCOMPARE(text(w.get(), "Edit1"), QString());
        QVERIFY(widget<QPushButton>(w.get(), "RemKnapp")->isEnabled());

        // "Hent" scans again and selects line 0.
        c.write("CONFIG.SYS", crlf({"RESTARTOBJECTS=NO", "THREADS=256"}));
        QTest::mouseClick(widget<QPushButton>(w.get(), "OpenKnapp"), Qt::LeftButton);
        QCOMPARE(int(w->registers().ThreadsLine), 1);
        QCOMPARE(w->workspace().selectedLine(), 0);
    }

    void onlyTheFirstShowingScansAgain()
    {
        TestDrive c;
        c.write("CONFIG.SYS", crlf({"REM"}));
        c.write("STARTUP.CMD", crlf({"OLD"}));
        auto w = std::make_unique<TOs2Form>(QStringList{}, c.map());
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
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<bool>("remEnabled");
        QTest::newRow("Oppstart") << 0 << "RESTARTOBJECTS=YES" << "Ikke nødvendig, standardverdi RESTARTOBJECTS=YES" << false;
        QTest::newRow("DOS: the SHELL line") << 1 << "SHELL=C:\\OS2\\MDOS\\COMMAND.COM" << "" << true;
        QTest::newRow("Ytelse") << 2 << "" << "" << true;
        QTest::newRow("Drivere: nothing selected") << 3 << "" << "" << true;
        QTest::newRow("Grensesnitt") << 4 << "SET AUTOSTART=FOLDERS" << "" << true;
        QTest::newRow("Disk: nothing to show") << 5 << "" << "" << true;
        QTest::newRow("Nettverk") << 6 << "" << "" << true;
        QTest::newRow("Fil: the selected line") << 7 << "THREADS=256" << "Rediger C:\\CONFIG.SYS" << true;
    }
    void pageRefresh()
    {
        QFETCH(int, page);
        QFETCH(QString, edit);
        QFETCH(QString, hint);
        QFETCH(bool, remEnabled);
        TestDrive c;
        c.write("CONFIG.SYS", crlf({"RESTARTOBJECTS=YES", "SET AUTOSTART=FOLDERS", "SHELL=C:\\OS2\\MDOS\\COMMAND.COM",
                                    "THREADS=256", "DEVICE=C:\\MPTN\\PROTOCOL\\SOCKETS.SYS"}));
        auto w = openWindow(c.map());
        auto *notebook = widget<QTabWidget>(w.get(), "NoteBook");
        // Start from another page with line 3 current and the messages filled.
        notebook->setCurrentIndex(page == 7 ? 6 : 7);
        auto *list = widget<QListView>(w.get(), "ListBox");
        w->workspace().selectLine(3);
        w->workspace().showMessage("old");
        w->workspace().showHint("old");
        notebook->setCurrentIndex(page);
        QCOMPARE(text(w.get(), "Edit1"), edit);
        QCOMPARE(text(w.get(), "Label3"), hint);
        QCOMPARE(text(w.get(), "Label2"), QString());
        QCOMPARE(widget<QPushButton>(w.get(), "RemKnapp")->isEnabled(), remEnabled);
        QCOMPARE(list->model()->rowCount(), 5);
    }

    // A failed "Hent" leaves nothing that points into the empty document, so
    // lines added afterwards are never written over by a page.
    void aFailedLoadForgetsWhereStatementsStood()
    {
        WindowOnDrive win({"REM a", "REM b", "THREADS=64", "MAXWAIT=3", "SHELL=X", "DEVICE=C:\\OS2\\BOOT\\COM.SYS",
                           "IFS=C:\\OS2\\HPFS.IFS", "RUN=C:\\MPTN\\BIN\\CNTRL.EXE", "BASEDEV=IBMKBD.SYS"});
        auto *notebook = widget<QTabWidget>(win.w.get(), "NoteBook");
        notebook->setCurrentIndex(5); // the Disk and DOS registers are set by their pages
        notebook->setCurrentIndex(1);
        ErrorRecorder errors;
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
        QCOMPARE(documentLines(*win.w), added);
        notebook->setCurrentIndex(2);
        widget<QScrollBar>(win.w.get(), "Threads")->setValue(2048);
        widget<QScrollBar>(win.w.get(), "MaxWait")->setValue(7);
        for (int page : {4, 5, 3, 0, 7}) {
            notebook->setCurrentIndex(page);
            if (page == 4 || page == 5)
                QCOMPARE(text(win.w.get(), "Edit1"), QString());
        }
        QCOMPARE(documentLines(*win.w), added);
    }

    void remToggleRefreshesTheShownPage()
    {
        TestDrive c;
        c.write("CONFIG.SYS", crlf({"REM", "SET AUTOSTART=FOLDERS", "THREADS=256"}));
        auto w = openWindow(c.map());
        auto *notebook = widget<QTabWidget>(w.get(), "NoteBook");
        notebook->setCurrentIndex(7);
        w->workspace().selectLine(2);
        notebook->setCurrentIndex(6);
        notebook->setCurrentIndex(7);
        QCOMPARE(text(w.get(), "Edit1"), QStringLiteral("THREADS=256"));
        w->workspace().showHint("old");
        QTest::mouseClick(widget<QPushButton>(w.get(), "RemKnapp"), Qt::LeftButton);
        QCOMPARE(documentLines(*w).at(2), QStringLiteral("REM THREADS=256"));
        QCOMPARE(text(w.get(), "Edit1"), QStringLiteral("REM THREADS=256"));
        QCOMPARE(text(w.get(), "Label3"), QStringLiteral("Rediger C:\\CONFIG.SYS"));

        // On "Grensesnitt" the refresh shows the AUTOSTART line after the toggle.
        notebook->setCurrentIndex(4);
        w->workspace().makeCurrent(2);
        QTest::mouseClick(widget<QPushButton>(w.get(), "RemKnapp"), Qt::LeftButton);
        QCOMPARE(documentLines(*w).at(2), QStringLiteral("THREADS=256"));
        QCOMPARE(text(w.get(), "Edit1"), QStringLiteral("SET AUTOSTART=FOLDERS"));
    }
};

QTEST_MAIN(TestScan)
#include "tst_scan.moc"
