// The check of a whole CONFIG.SYS: every file and folder its active statements
// name, looked for on a temporary drive C.
#include "engine/boot_check.h"
#include "platform/text8.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Drive C with a few drivers, programs and folders, in mixed letter case.
struct Drive
{
    QTemporaryDir dir;
    DriveMap drives;

    Drive()
    {
        for (const char *file : {"OS2/Boot/IbmKbd.sys", "OS2/Boot/COM.SYS", "os2/hpfs.ifs", "OS2/PMSHELL.EXE",
                                 "OS2/CMD.EXE", "OS2/MDOS/COMMAND.COM", "ROOTDRV.ADD", "MPTN/BIN/CNTRL.EXE",
                                 "OS2/DLL/x.dll", "TCPIP/BIN/X.EXE", "OS2/MDOS/VEMM.SYS/inside"}) {
            const QString path = dir.filePath(QString::fromLatin1(file));
            QDir().mkpath(QFileInfo(path).absolutePath());
            QFile f(path);
            if (!f.open(QIODevice::WriteOnly))
                qFatal("cannot write %s", file);
        }
        drives.setDrive(u'C', dir.path());
    }
};

Lines linesOf(const QStringList &lines)
{
    Lines out;
    for (const QString &line : lines)
        out.push_back(text8::fromDisplay(line).value());
    return out;
}

} // namespace

class TestBootCheck : public QObject
{
    Q_OBJECT

private slots:
    // One line at a time: what the check reports for it ("" for nothing).
    void statements_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("finding");
        const QString missing = QStringLiteral("Linje 1: %1 – finner ikke %2");
        QTest::newRow("base driver in OS2\\BOOT, other case") << "BASEDEV=IBMKBD.SYS" << "";
        QTest::newRow("base driver in the root") << "BASEDEV=rootdrv.add /V" << "";
        QTest::newRow("base driver missing") << "BASEDEV=IBM1S506.ADD /A:0" << missing.arg("BASEDEV=IBM1S506.ADD /A:0", "IBM1S506.ADD");
        QTest::newRow("device with parameters") << "DEVICE=C:\\OS2\\BOOT\\COM.SYS (COM1,3F8,4)" << "";
        QTest::newRow("device missing") << "DEVICE=C:\\OS2\\BOOT\\MOUSE.SYS" << missing.arg("DEVICE=C:\\OS2\\BOOT\\MOUSE.SYS", "C:\\OS2\\BOOT\\MOUSE.SYS");
        QTest::newRow("device is a folder") << "DEVICE=C:\\OS2\\MDOS\\VEMM.SYS" << missing.arg("DEVICE=C:\\OS2\\MDOS\\VEMM.SYS", "C:\\OS2\\MDOS\\VEMM.SYS");
        QTest::newRow("device without drive") << "DEVICE=\\OS2\\BOOT\\COM.SYS" << "";
        QTest::newRow("small key, small name") << "ifs=c:\\os2\\HPFS.IFS /CACHE:2048" << "";
        QTest::newRow("run") << "RUN=C:\\MPTN\\BIN\\CNTRL.EXE" << "";
        QTest::newRow("call missing") << "CALL=C:\\OS2\\NOPE.EXE" << missing.arg("CALL=C:\\OS2\\NOPE.EXE", "C:\\OS2\\NOPE.EXE");
        QTest::newRow("protshell") << "PROTSHELL=C:\\OS2\\PMSHELL.EXE" << "";
        QTest::newRow("shell") << "SHELL=C:\\OS2\\MDOS\\COMMAND.COM C:\\OS2\\MDOS" << "";
        QTest::newRow("runworkplace missing") << "SET RUNWORKPLACE=C:\\OS2\\WPS.EXE" << missing.arg("SET RUNWORKPLACE=C:\\OS2\\WPS.EXE", "C:\\OS2\\WPS.EXE");
        QTest::newRow("os2_shell") << "SET OS2_SHELL=C:\\OS2\\CMD.EXE" << "";
        QTest::newRow("REM skipped") << "REM DEVICE=C:\\NOPE.SYS" << "";
        QTest::newRow("small rem skipped") << "  rem\tBASEDEV=NOPE.ADD" << "";
        QTest::newRow("REMARK is no remark") << "REMARK=1" << "";
        QTest::newRow(".. never leaves the drive") << "DEVICE=C:\\..\\..\\OS2\\BOOT\\COM.SYS" << "";
        QTest::newRow("unmapped drive") << "DEVICE=Q:\\DRV\\X.SYS" << "Linje 1: DEVICE=Q:\\DRV\\X.SYS – ikke sjekket: stasjonen til Q:\\DRV\\X.SYS er ikke koblet til noen mappe";
        QTest::newRow("libpath") << "LIBPATH=.;C:\\OS2\\DLL;c:\\os2\\;C:\\GONE;" << missing.arg("LIBPATH=.;C:\\OS2\\DLL;c:\\os2\\;C:\\GONE;", "mappen C:\\GONE");
        QTest::newRow("path: a warning") << "SET PATH=C:\\OS2;C:\\TCPIP\\BIN;D:\\TOOLS;C:\\GONE" << "Linje 1: SET PATH=C:\\OS2;C:\\TCPIP\\BIN;D:\\TOOLS;C:\\GONE – ikke sjekket: stasjonen til mappen D:\\TOOLS er ikke koblet til noen mappe|Linje 1: SET PATH=C:\\OS2;C:\\TCPIP\\BIN;D:\\TOOLS;C:\\GONE – advarsel: finner ikke mappen C:\\GONE";
        QTest::newRow("dpath: a warning") << "SET DPATH=C:\\NOPE" << "Linje 1: SET DPATH=C:\\NOPE – advarsel: finner ikke mappen C:\\NOPE";
        QTest::newRow("other statements") << "SET HELP=C:\\NOPE" << "";
    }
    void statements()
    {
        QFETCH(QString, line);
        QFETCH(QString, finding);
        Drive c;
        const Lines lines = linesOf({line});
        const bootcheck::Report report = bootcheck::checkDocument(lines, c.drives);
        QStringList found;
        for (const bootcheck::Finding &f : report.findings)
            found << bootcheck::describe(f, lines);
        QCOMPARE(found.join(u'|'), finding);
    }

    void countsAndLines()
    {
        Drive c;
        const Lines lines = linesOf({"REM", "BASEDEV=NOPE.ADD", "SET PATH=C:\\GONE", "DEVICE=Q:\\X.SYS",
                                     "DEVICE=C:\\OS2\\BOOT\\COM.SYS", "RUN=C:\\NOPE.EXE"});
        const bootcheck::Report report = bootcheck::checkDocument(lines, c.drives);
        QCOMPARE(report.checked, 5);
        QCOMPARE(report.count(bootcheck::Kind::Missing), 2);
        QCOMPARE(report.count(bootcheck::Kind::Warning), 1);
        QCOMPARE(report.count(bootcheck::Kind::Unchecked), 1);
        QList<int> rows;
        for (const bootcheck::Finding &f : report.findings)
            rows << f.line;
        QCOMPARE(rows, (QList<int>{1, 2, 3, 5}));
        QCOMPARE(bootcheck::summary(report), QStringLiteral("5 navn sjekket: 2 mangler, 1 advarsel, 1 ikke sjekket"));
    }
};

QTEST_GUILESS_MAIN(TestBootCheck)
#include "tst_boot_check.moc"
