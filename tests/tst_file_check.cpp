// "Sjekk": whether the driver or file that the line under edit names exists on disk.
#include "test_support.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kNoDriver = QStringLiteral("** FEIL **   finner ikke styreprogram");
const QString kNoFile = QStringLiteral("** FEIL **   finner ikke filen");
const QString kUnmapped = QStringLiteral("ikke sjekket: stasjon %1: er ikke koblet til noen mappe");
const QString kOld = QStringLiteral("forrige melding");
const QString kLong = QString(120, u'L') + "\\" + QString(120, u'M') + "\\" + QString(120, u'N');

// A temporary current folder, for the bare names; the previous one comes back after.
struct CurrentDir : TestDrive
{
    const QString previous = QDir::currentPath();
    CurrentDir() { QDir::setCurrent(root()); }
    ~CurrentDir() { QDir::setCurrent(previous); }
};

// Selects document line `row` on the "Fil" page and presses "Sjekk": Label2 shows
// `message`; the document, the selection and Edit1 stay as they were.
void checkLine(const WindowOnDrive &win, int row, const QString &message)
{
    win.show(PageId::Fil);
    win.pick("ListBox", row);
    const QStringList before = win.lines();
    const QString edit = win.text("Edit1");
    win.w->status().showMessage(kOld);
    win.press("SjekkKnapp");
    QCOMPARE(win.text("Label2"), message);
    QCOMPARE(win.lines(), before);
    QCOMPARE(win.selected(), row);
    QCOMPARE(win.text("Edit1"), edit);
}

} // namespace

class TestFileCheck : public QObject
{
    Q_OBJECT

private slots:
    void check_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("message");
        const QString boot = QStringLiteral("C:\\OS2\\BOOT\\");
        QTest::newRow("in OS2\\BOOT") << "BASEDEV=IBMKBD.SYS" << boot + "IBMKBD.SYS eksisterer";
        QTest::newRow("in the root") << "BASEDEV=ROOTDRV.ADD" << "C:\\ROOTDRV.ADD eksisterer";
        QTest::newRow("in OS2") << "BASEDEV=os2drv.add /V" << "C:\\OS2\\os2drv.add eksisterer";
        QTest::newRow("the current folder counts not") << "BASEDEV=LOCAL.SYS" << kNoDriver;
        QTest::newRow("folder in current folder") << "BASEDEV=DIRDRV.SYS" << boot + "DIRDRV.SYS eksisterer";
        QTest::newRow("parameters") << "BASEDEV=IBM1S506.ADD /A:0 /U:0" << boot + "IBM1S506.ADD eksisterer";
        QTest::newRow("REM, name as written") << "REM BASEDEV=ibmkbd.sys" << boot + "ibmkbd.sys eksisterer";
        QTest::newRow("8-bit name") << "BASEDEV=blå.sys" << boot + "blå.sys eksisterer";
        QTest::newRow("folder in OS2\\BOOT") << "BASEDEV=SUBDIR.SYS" << kNoDriver;
        QTest::newRow("missing driver") << "BASEDEV=OS2SCSI.DMD" << kNoDriver;
        QTest::newRow("PSD in OS2\\BOOT") << "PSD=ACPI.PSD /VW" << boot + "ACPI.PSD eksisterer";
        QTest::newRow("REM psd, small") << "REM PSD=acpi.psd" << boot + "acpi.psd eksisterer";
        QTest::newRow("PSD missing") << "PSD=OS2APIC.PSD" << kNoDriver;
        QTest::newRow("XPSD= is no PSD") << "SET XPSD=ACPI.PSD" << kOld;
        QTest::newRow("driver with its path") << "BASEDEV=C:\\OS2\\BOOT\\COM.SYS" << boot + "COM.SYS eksisterer";
        QTest::newRow("a driver path is tried as a driver only") << "BASEDEV=C:\\OS2\\COM.SYS" << kNoDriver;
        QTest::newRow("path with parameters") << "DEVICE=C:\\OS2\\BOOT\\COM.SYS COM1(3F8,4)" << boot + "COM.SYS eksisterer";
        QTest::newRow("path alone, lower case") << "c:\\os2\\boot\\com.sys" << "c:\\os2\\boot\\com.sys eksisterer";
        QTest::newRow("small basedev= is no driver") << "basedev=C:\\OS2\\BOOT\\COM.SYS" << boot + "COM.SYS eksisterer";
        QTest::newRow("first path counts") << "IFS=C:\\OS2\\HPFS.IFS /I:C:\\OS2\\BOOT\\COM.SYS" << kNoFile;
        QTest::newRow("search path") << "SET PATH=C:\\OS2\\BOOT;C:\\OS2" << kNoFile;
        QTest::newRow("folder") << "DEVICE=C:\\OS2\\BOOT" << kNoFile;
        QTest::newRow("unmapped drive") << "DEVICE=Q:\\OS2\\BOOT\\COM.SYS" << kUnmapped.arg(QChar(u'Q'));
        QTest::newRow("driver on an unmapped drive") << "BASEDEV=q:\\OS2\\BOOT\\COM.SYS" << kUnmapped.arg(QChar(u'Q'));
        QTest::newRow("not a drive letter") << "DEVICE=1:\\LOCAL.SYS" << kNoFile;
        QTest::newRow("a link out of the drive") << "DEVICE=C:\\OUT.SYS" << kNoFile;
        QTest::newRow("long line") << "REM " + QString(300, u'x') + " BASEDEV=IBMKBD.SYS /P" << boot + "IBMKBD.SYS eksisterer";
        QTest::newRow("long path") << "DEVICE=C:\\" + kLong + "\\A.SYS /P" << "C:\\" + kLong + "\\A.SYS eksisterer";
        QTest::newRow("neither") << "DEVICE=C:/OS2/BOOT/COM.SYS" << kOld;
        QTest::newRow("empty") << "" << kOld;
    }
    void check()
    {
        QFETCH(QString, line);
        QFETCH(QString, message);
        CurrentDir cwd;
        cwd.write("LOCAL.SYS", "x");
        cwd.write("1:/LOCAL.SYS", "x");
        cwd.write("DIRDRV.SYS/X", "x");
        TestDrive c;
        for (const QString name : {"IBMKBD.SYS", "IBM1S506.ADD", "COM.SYS", "DIRDRV.SYS", "BLÅ.SYS", "SUBDIR.SYS/X", "ACPI.PSD"})
            c.write("OS2/BOOT/" + name, "x");
        c.write("ROOTDRV.ADD", "x");
        c.write("OS2/OS2DRV.ADD", "x");
        QVERIFY(QFile::link(cwd.path("LOCAL.SYS"), c.path("OUT.SYS")));
        c.write(QString(kLong).replace(u'\\', u'/') + "/A.SYS", "x");
        c.write("CONFIG.SYS", crlf({"REM top", line}));
        WindowOnDrive win(c.map(), {});
        checkLine(win, 1, message);
        QCOMPARE(win.errors.messages(), QStringList());
    }

    // A drive the program cannot look at is not taken for a missing file: as
    // the check of the whole file, "Sjekk" tells that nothing was checked.
    void unreachableDrives_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("message");
        QTest::newRow("bare driver, boot drive unmapped") << "BASEDEV=IBMKBD.SYS" << kUnmapped.arg(QChar(u'Q'));
        QTest::newRow("drive folder gone") << "DEVICE=D:\\OS2\\X.SYS"
                                           << "ikke sjekket: mappen til stasjon D: kan ikke leses";
        QTest::newRow("drive folder a file") << "DEVICE=E:\\OS2\\X.SYS"
                                             << "ikke sjekket: mappen til stasjon E: kan ikke leses";
    }
    void unreachableDrives()
    {
        QFETCH(QString, line);
        QFETCH(QString, message);
        TestDrive c;
        c.write("OS2/BOOT/IBMKBD.SYS", "x");
        c.write("A-FILE", "x");
        DriveMap drives = c.map();
        drives.setDrive(u'D', c.path("gone"));
        drives.setDrive(u'E', c.path("A-FILE"));
        c.write("CONFIG.SYS", crlf({"REM top", line}));
        WindowOnDrive win(drives, {});
        win.w->setBootDrive(u'Q');
        checkLine(win, 1, message);
        QCOMPARE(win.errors.messages(), QStringList());
        // Short enough for the message line, in the window's own font.
        auto *label = win.get<QLabel>("Label2");
        const QString family = QFontInfo(label->font()).family();
        if (family != u"Arial" && family != u"Liberation Sans")
            SKIP_WITHOUT_INSTALLED("Arial or a font with its metrics (Liberation Sans)");
        QVERIFY(label->fontMetrics().horizontalAdvance(message) <= label->contentsRect().width());
    }

    // The example drive, only read: its installed base drivers lie in OS2\BOOT, the
    // commented-out one does not.
    void exampleDrive()
    {
        CurrentDir cwd;
        DriveMap drives;
        drives.setDrive(u'C', QStringLiteral(OS2SETUP_EXAMPLE_DRIVE));
        WindowOnDrive win(drives, {});
        const QStringList lines = win.lines();
        int drivers = 0;
        for (int row = 0; row < lines.size(); ++row) {
            if (lines[row].startsWith("BASEDEV=")) {
                ++drivers;
                checkLine(win, row, "C:\\OS2\\BOOT\\" + lines[row].mid(8).section(u' ', 0, 0) + " eksisterer");
            } else if (lines[row].startsWith("REM BASEDEV=")) {
                checkLine(win, row, kNoDriver);
            }
        }
        QCOMPARE(drivers, 11);
    }

    // Booted from the drive of the file read: "Sjekk" and the whole-file
    // check look for a bare driver name on E:, not on C:.
    void bootDriveOfTheFileRead()
    {
        TestDrive c, e;
        c.write("OS2/BOOT/ONLYC.ADD", "x");
        e.write("OS2/BOOT/IBMKBD.SYS", "x");
        e.write("OS2/DLL/X.DLL", "x");
        e.write("CONFIG.SYS", crlf({"LIBPATH=E:\\OS2\\DLL", "BASEDEV=IBMKBD.SYS", "BASEDEV=ONLYC.ADD"}));
        DriveMap drives = c.map();
        drives.setDrive(u'E', e.root());
        WindowOnDrive win(drives, {"E:\\CONFIG.SYS"});
        auto &w = win.w;
        ErrorRecorder &errors = win.errors;
        checkLine(win, 1, "E:\\OS2\\BOOT\\IBMKBD.SYS eksisterer");
        checkLine(win, 2, kNoDriver);
        w->showBootCheck();
        auto *dialog = w->findChild<QDialog *>("BootCheckDialog");
        QCOMPARE(widget<QListWidget>(dialog, "findings")->item(0)->text(),
                 QStringLiteral("Linje 3: BASEDEV=ONLYC.ADD – finner ikke ONLYC.ADD"));
        QVERIFY(widget<QLabel>(dialog, "heading")->text().startsWith("Oppstartsstasjon: E:\n"));
        QVERIFY(widget<QLabel>(dialog, "summary")->text().endsWith("(oppstartsstasjon E:)"));
        QCOMPARE(errors.messages(), QStringList());
    }

    // Ctrl+Shift+K lists what the whole file names but OS/2 would not find,
    // the worst first; Enter on a finding makes its line current, as a click
    // on "Fil" does, and keeps the one dialog open beside the yellow line.
    void wholeFileFromTheKeyboard()
    {
        WindowOnDrive win({"REM", "DEVICE=C:\\OS2\\BOOT\\COM.SYS", "SET PATH=C:\\GONE", "BASEDEV=NOPE.ADD", "RUN=C:\\GONE.EXE"});
        win.c.write("OS2/BOOT/COM.SYS", "x");
        win.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(win.w.get()));
        win.w->status().showHint("old hint");
        QTest::keyClick(win.w.get(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
        QPointer<QDialog> dialog = win.w->findChild<QDialog *>("BootCheckDialog");
        QVERIFY(dialog && dialog->isVisible());
        auto *findings = widget<QListWidget>(dialog, "findings");
        QCOMPARE(rowsOf(findings), (QStringList{"Linje 0: – stopper oppstarten: ingen LIBPATH",
                                                "Linje 4: BASEDEV=NOPE.ADD – finner ikke NOPE.ADD",
                                                "Linje 5: RUN=C:\\GONE.EXE – finner ikke C:\\GONE.EXE",
                                                "Linje 3: SET PATH=C:\\GONE – advarsel: finner ikke mappen C:\\GONE"}));
        // Each kind has its own colour and icon.
        QVERIFY(findings->item(0)->foreground() != findings->item(1)->foreground());
        QVERIFY(findings->item(1)->foreground() != findings->item(3)->foreground());
        QVERIFY(findings->item(0)->icon().cacheKey() != findings->item(1)->icon().cacheKey());
        QCOMPARE(widget<QLabel>(dialog, "summary")->text(),
                 QStringLiteral("4 navn sjekket: 1 stopper oppstarten, 2 mangler, 1 advarsel, 0 ikke sjekket (oppstartsstasjon C:)"));
        const auto *edit1 = widget<QLineEdit>(win.w.get(), "Edit1");
        QVERIFY(!dialog->frameGeometry().intersects(QRect(edit1->mapToGlobal(QPoint()), edit1->size())));

        QTest::keyClick(findings, Qt::Key_Down);
        QTest::keyClick(findings, Qt::Key_Return);
        QCOMPARE(win.selected(), 3);
        QCOMPARE(win.text("Edit1"), QStringLiteral("BASEDEV=NOPE.ADD"));
        QCOMPARE(win.text("LinjeLabel"), QStringLiteral("Linje nr. 4"));
        QCOMPARE(win.text("Label3"), QString());
        QVERIFY(dialog && dialog->isVisible());

        // A second Ctrl+Shift+K checks again in the same dialog.
        win.c.write("OS2/BOOT/NOPE.ADD", "x");
        win.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(win.w.get()));
        QTest::keyClick(win.w.get(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(win.w->findChildren<QDialog *>("BootCheckDialog"), QList<QDialog *>{dialog.data()});
        QCOMPARE(findings->count(), 3);
        const auto *summary = widget<QLabel>(dialog, "summary");
        const QString checked = summary->text();
        // After an edit the rows may no longer hold, and the dialog says so
        // until "Sjekk igjen" checks the document as it now stands.
        win.show(PageId::Fil);
        win.pick("ListBox", 4);
        typeText(win.get("Edit1"), "X");
        QCOMPARE(summary->text(), checked + "\nFilen er endret etter sjekken: «Sjekk igjen» sjekker den slik den står nå.");
        QTest::mouseClick(widget<QPushButton>(dialog, "SjekkIgjen"), Qt::LeftButton);
        QCOMPARE(summary->text(), checked);
        QCOMPARE(findings->item(1)->text(), QStringLiteral("Linje 5: RUN=C:\\GONE.EXEX – finner ikke C:\\GONE.EXEX"));
        QTest::keyClick(findings, Qt::Key_Escape);
        QTRY_VERIFY(dialog.isNull());

        // The same findings from the line for it in the F1 box.
        win.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(win.w.get()));
        QTest::keyClick(win.w.get(), Qt::Key_F1);
        QPointer<QDialog> about = win.w->findChild<QDialog *>("AboutBox");
        QVERIFY(about && about->isVisible());
        QTest::mouseClick(widget<QPushButton>(about, "checkWholeFile"), Qt::LeftButton);
        QTRY_VERIFY(about.isNull() || !about->isVisible());
        dialog = win.w->findChild<QDialog *>("BootCheckDialog");
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(widget<QListWidget>(dialog, "findings")->count(), 3);
    }

    // Without a file read, nothing is checked, and the dialog says so.
    void wholeFileWithNothingRead()
    {
        TestDrive c;
        WindowOnDrive win(c.map(), {});
        auto &w = win.w;
        ErrorRecorder &errors = win.errors;
        QCOMPARE(errors.messages().size(), 1);
        w->showBootCheck();
        auto *dialog = w->findChild<QDialog *>("BootCheckDialog");
        QCOMPARE(widget<QLabel>(dialog, "heading")->text(), QStringLiteral("Ingen fil er lest inn"));
        QVERIFY(widget<QListWidget>(dialog, "findings")->isHidden());
        QCOMPARE(widget<QLabel>(dialog, "summary")->text(), QString());
    }
};

QTEST_MAIN(TestFileCheck)
#include "tst_file_check.moc"
