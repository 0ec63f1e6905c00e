// The check of a whole CONFIG.SYS: every file and folder its active statements
// name, looked for as OS/2 looks for them, on small drive trees in a
// temporary folder.
#include "engine/boot_check.h"
#include "engine/statement_check.h"
#include "platform/file_error.h"
#include "platform/line_file.h"
#include "platform/text8.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using bootcheck::Kind;

// Drives C:, E: and A: as folders of one temporary folder. Names are host
// bytes, so that a test can hold names in any code page.
struct Drives
{
    QTemporaryDir dir;
    DriveMap map;

    Drives()
    {
        for (const char letter : {'A', 'C', 'E'}) {
            QDir(dir.path()).mkdir(QString(QChar::fromLatin1(letter)));
            map.setDrive(QChar::fromLatin1(letter), dir.filePath(QString(QChar::fromLatin1(letter))));
        }
    }

    QByteArray host(char letter, const QByteArray &relative) const
    {
        return QFile::encodeName(dir.path()) + '/' + letter + '/' + relative;
    }

    // A file, or a folder when `relative` ends in '/', with the folders above it.
    void add(char letter, const QByteArray &relative) const
    {
        const QByteArray path = host(letter, relative);
        for (qsizetype slash = path.indexOf('/', 1); slash > 0; slash = path.indexOf('/', slash + 1))
            ::mkdir(path.left(slash).constData(), 0755);
        if (!path.endsWith('/'))
            ::close(::open(path.constData(), O_CREAT | O_WRONLY, 0644));
    }
};

// The program's current folder set to `path` while it lives.
struct CurrentFolder
{
    const QString previous = QDir::currentPath();
    explicit CurrentFolder(const QString &path) { QDir::setCurrent(path); }
    ~CurrentFolder() { QDir::setCurrent(previous); }
};

Lines linesOf(const QList<QByteArray> &lines)
{
    Lines out;
    for (const QByteArray &line : lines)
        out.push_back(line.toStdString());
    return out;
}

QStringList describe(const Lines &lines, const bootcheck::Report &report)
{
    QStringList found;
    for (const bootcheck::Finding &f : report.findings)
        found << bootcheck::describe(f, lines);
    return found;
}

// What the check reports for `line`, booted from E:, after a LIBPATH that is
// found, without that LIBPATH's own findings.
QString findingsOf(const Drives &d, const QByteArray &line)
{
    const Lines lines = linesOf({"LIBPATH=E:\\OS2\\DLL", line});
    return describe(lines, bootcheck::checkDocument(lines, d.map, u'E')).join(u'|');
}

// A drive tree booted from E:, with C: holding the same files, so that a name
// looked for on the wrong drive is found where it should not be.
void addSystem(const Drives &d)
{
    for (const char letter : {'C', 'E'})
        for (const char *file : {"OS2/DLL/", "OS2/BOOT/IbmKbd.sys", "ROOTDRV.ADD", "OS2/OS2DRV.ADD",
                                 "TESTCFG.SYS", "SUB/SUB.SYS", "OS2/PMSHELL.EXE", "OS2/SYSTEM/COUNTRY.SYS",
                                 "OS2/KEYBOARD.DCP", "OS2/MDOS/", "OS2/X.DIR/"})
            d.add(letter, file);
    d.add('C', "ONLYC.SYS");
    d.add('C', "OS2/BOOT/ONLYC.ADD");
}

} // namespace

class TestBootCheck : public QObject
{
    Q_OBJECT

private slots:
    void bootDrive_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("boot");
        QTest::newRow("the file's drive") << "E:\\CONFIG.SYS" << "LIBPATH=C:\\OS2\\DLL" << "" << "E";
        QTest::newRow("small letter") << "a:\\config.new" << "" << "" << "A";
        QTest::newRow("--boot-drive wins") << "E:\\CONFIG.SYS" << "" << "d" << "D";
        QTest::newRow("host path: LIBPATH's \\OS2\\DLL")
            << "/tmp/config.sys" << "LIBPATH=.;A:\\;e:\\os2\\dll\\;C:\\OS2\\DLL" << "" << "E";
        QTest::newRow("host path: the last LIBPATH") << "config.sys" << "LIBPATH=E:\\OS2\\DLL|LIBPATH=A:\\OS2\\DLL"
                                                     << "" << "A";
        QTest::newRow("host path: REM LIBPATH counts not") << "config.sys"
                                                           << "LIBPATH=E:\\OS2\\DLL|REM LIBPATH=A:\\OS2\\DLL" << "" << "E";
        QTest::newRow("host path, no drive named") << "config.sys" << "LIBPATH=.;\\OS2\\DLL" << "" << "C";
        // Characters that upper-case to a letter A-Z are no drive letters.
        QTest::newRow("ı given, and a file on ſ:") << "ſ:\\CONFIG.SYS" << "LIBPATH=E:\\OS2\\DLL" << "ı" << "E";
    }
    void bootDrive()
    {
        QFETCH(QString, file);
        QFETCH(QString, lines);
        QFETCH(QString, given);
        QFETCH(QString, boot);
        Lines bytes;
        for (const QString &line : lines.split(u'|', Qt::SkipEmptyParts))
            bytes.push_back(line.toStdString());
        QCOMPARE(bootcheck::bootDriveOf(file, bytes, given.isEmpty() ? QChar() : given.at(0)), boot.at(0));
    }

    // Where OS/2 looks for each statement's names, booted from E:.
    void searchRules_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("finding");
        const QString none;
        QTest::newRow("BASEDEV in \\OS2\\BOOT") << QByteArray("BASEDEV=IBMKBD.SYS") << none;
        QTest::newRow("BASEDEV in the root") << QByteArray("BASEDEV=rootdrv.add /V") << none;
        QTest::newRow("BASEDEV in \\OS2") << QByteArray("BASEDEV=OS2DRV.ADD") << none;
        QTest::newRow("BASEDEV on C: only") << QByteArray("BASEDEV=ONLYC.ADD") << "Linje 2: BASEDEV=ONLYC.ADD – finner ikke ONLYC.ADD";
        QTest::newRow("BASEDEV with a path") << QByteArray("BASEDEV=E:\\OS2\\BOOT\\IBMKBD.SYS") << "Linje 2: BASEDEV=E:\\OS2\\BOOT\\IBMKBD.SYS – ikke sjekket: BASEDEV tar bare et filnavn";
        QTest::newRow("BASEDEV OS2DASD.DMD") << QByteArray("BASEDEV=OS2DASD.DMD") << "Linje 2: BASEDEV=OS2DASD.DMD – stopper oppstarten: finner ikke OS2DASD.DMD";
        QTest::newRow("basedev os2dasd.dmd, small") << QByteArray("basedev=os2dasd.dmd") << "Linje 2: basedev=os2dasd.dmd – stopper oppstarten: finner ikke os2dasd.dmd";
        QTest::newRow("DEVICE without a path: root") << QByteArray("DEVICE=TESTCFG.SYS") << none;
        QTest::newRow("DEVICE relative: from the root") << QByteArray("DEVICE=SUB\\SUB.SYS") << none;
        QTest::newRow("DEVICE from the boot root") << QByteArray("DEVICE=\\OS2\\BOOT\\IBMKBD.SYS") << none;
        QTest::newRow("DEVICE on C: only") << QByteArray("DEVICE=ONLYC.SYS") << "Linje 2: DEVICE=ONLYC.SYS – finner ikke ONLYC.SYS";
        QTest::newRow("DEVICE with its drive") << QByteArray("DEVICE=C:\\ONLYC.SYS") << none;
        QTest::newRow("DEVICE a folder") << QByteArray("DEVICE=E:\\OS2\\X.DIR") << "Linje 2: DEVICE=E:\\OS2\\X.DIR – finner ikke E:\\OS2\\X.DIR";
        QTest::newRow(".. stays on the drive") << QByteArray("IFS=E:\\..\\..\\OS2\\.\\PMSHELL.EXE") << none;
        QTest::newRow("PSD") << QByteArray("PSD=ACPI.PSD") << "Linje 2: PSD=ACPI.PSD – finner ikke ACPI.PSD";
        QTest::newRow("CALL") << QByteArray("CALL=ONLYC.SYS /Q") << "Linje 2: CALL=ONLYC.SYS /Q – finner ikke ONLYC.SYS";
        QTest::newRow("PROTSHELL") << QByteArray("PROTSHELL=\\OS2\\PMSHELL2.EXE") << "Linje 2: PROTSHELL=\\OS2\\PMSHELL2.EXE – stopper oppstarten: finner ikke \\OS2\\PMSHELL2.EXE";
        QTest::newRow("RUNWORKPLACE") << QByteArray("SET RUNWORKPLACE=E:\\OS2\\WPS.EXE") << "Linje 2: SET RUNWORKPLACE=E:\\OS2\\WPS.EXE – stopper oppstarten: finner ikke E:\\OS2\\WPS.EXE";
        QTest::newRow("SHELL") << QByteArray("SHELL=\\OS2\\MDOS\\COMMAND.COM \\OS2\\MDOS") << "Linje 2: SHELL=\\OS2\\MDOS\\COMMAND.COM \\OS2\\MDOS – advarsel: finner ikke \\OS2\\MDOS\\COMMAND.COM";
        QTest::newRow("OS2_SHELL") << QByteArray("SET OS2_SHELL=CMD.EXE") << "Linje 2: SET OS2_SHELL=CMD.EXE – advarsel: finner ikke CMD.EXE";
        QTest::newRow("COUNTRY: its file") << QByteArray("COUNTRY=047,\\OS2\\SYSTEM\\COUNTRY.SYS") << none;
        QTest::newRow("COUNTRY missing") << QByteArray("COUNTRY=047,COUNTRY.SYS") << "Linje 2: COUNTRY=047,COUNTRY.SYS – stopper oppstarten: finner ikke COUNTRY.SYS";
        QTest::newRow("DEVINFO KBD: last field") << QByteArray("DEVINFO=KBD,NO,E:\\OS2\\KEYBOARD.DCP") << none;
        QTest::newRow("DEVINFO SCR missing") << QByteArray("DEVINFO=SCR,VGA,E:\\OS2\\BOOT\\VIOTBL.DCP") << "Linje 2: DEVINFO=SCR,VGA,E:\\OS2\\BOOT\\VIOTBL.DCP – finner ikke E:\\OS2\\BOOT\\VIOTBL.DCP";
        QTest::newRow("DEVINFO LPT1 unchecked") << QByteArray("DEVINFO=LPT1,4201,NOPE.DCP") << none;
        QTest::newRow("SWAPPATH: first word") << QByteArray("SWAPPATH=E:\\OS2\\MDOS 2048 4096") << none;
        QTest::newRow("SWAPPATH missing") << QByteArray("SWAPPATH=E:\\SWAP 2048") << "Linje 2: SWAPPATH=E:\\SWAP 2048 – finner ikke mappen E:\\SWAP";
        QTest::newRow("USER_INI") << QByteArray("SET USER_INI=E:\\OS2\\OS2.INI") << "Linje 2: SET USER_INI=E:\\OS2\\OS2.INI – finner ikke E:\\OS2\\OS2.INI";
        QTest::newRow("SYSTEM_INI") << QByteArray("SET SYSTEM_INI=OS2SYS.INI") << "Linje 2: SET SYSTEM_INI=OS2SYS.INI – finner ikke OS2SYS.INI";
        QTest::newRow("PATH: relative skipped, missing a warning") << QByteArray("SET PATH=.;OS2;E:\\OS2;\\GONE") << "Linje 2: SET PATH=.;OS2;E:\\OS2;\\GONE – advarsel: finner ikke mappen \\GONE";
        QTest::newRow("DPATH") << QByteArray("SET DPATH=C:\\GONE") << "Linje 2: SET DPATH=C:\\GONE – advarsel: finner ikke mappen C:\\GONE";
        QTest::newRow("PATH: a folder twice") << QByteArray("SET PATH=E:\\OS2;e:\\os2\\;E:\\OS2\\MDOS;E:\\OS2") << "Linje 2: SET PATH=E:\\OS2;e:\\os2\\;E:\\OS2\\MDOS;E:\\OS2 – advarsel: mappen e:\\os2\\ står to ganger";
        QTest::newRow("DPATH: a root twice, a drive alone once") << QByteArray("SET DPATH=E:;E:\\;E:\\") << "Linje 2: SET DPATH=E:;E:\\;E:\\ – advarsel: mappen E:\\ står to ganger";
        QTest::newRow("other SET") << QByteArray("SET HELP=C:\\NOPE") << none;
    }
    void searchRules()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, finding);
        Drives d;
        addSystem(d);
        // A name in the program's current folder is nowhere near the boot.
        const CurrentFolder current(d.dir.path());
        d.add('C', "../ONLYC.ADD");
        QCOMPARE(findingsOf(d, line), finding);
    }

    // LIBPATH: relative entries are skipped; without an \OS2\DLL on any
    // drive OS/2 cannot come up; other folders are warnings.
    void libPath_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("findings");
        QTest::newRow("relative entries") << QByteArray("LIBPATH=.;.\\DLL;..\\DLL;DLL;\\OS2\\DLL;") << QStringList{};
        QTest::newRow("\\OS2\\DLL on another drive") << QByteArray("LIBPATH=A:\\GONE;C:\\OS2\\DLL") << QStringList{"advarsel: finner ikke mappen A:\\GONE"};
        QTest::newRow("no \\OS2\\DLL there") << QByteArray("LIBPATH=A:\\OS2\\DLL;E:\\OS2") << QStringList{"stopper oppstarten: finner ikke mappen A:\\OS2\\DLL"};
        QTest::newRow("none named") << QByteArray("LIBPATH=E:\\OS2;E:\\GONE") << QStringList{"advarsel: finner ikke mappen E:\\GONE", "stopper oppstarten: finner ikke mappen \\OS2\\DLL"};
        QTest::newRow("one found is enough") << QByteArray("LIBPATH=A:\\OS2\\DLL;E:\\OS2\\DLL\\") << QStringList{"advarsel: finner ikke mappen A:\\OS2\\DLL"};
        QTest::newRow("unmapped: not known") << QByteArray("LIBPATH=Q:\\OS2\\DLL") << QStringList{"ikke sjekket: stasjonen til mappen Q:\\OS2\\DLL er ikke koblet til noen mappe"};
        QTest::newRow("unmapped, and missing elsewhere: a warning") << QByteArray("LIBPATH=Q:\\OS2\\DLL;A:\\OS2\\DLL") << QStringList{"ikke sjekket: stasjonen til mappen Q:\\OS2\\DLL er ikke koblet til noen mappe", "advarsel: finner ikke mappen A:\\OS2\\DLL"};
        QTest::newRow("a folder twice") << QByteArray("LIBPATH=.;E:\\OS2\\DLL;C:\\OS2\\DLL;e:\\os2\\dll\\;.") << QStringList{"advarsel: mappen e:\\os2\\dll\\ står to ganger", "advarsel: mappen . står to ganger"};
    }
    void libPath()
    {
        QFETCH(QByteArray, line);
        QFETCH(QStringList, findings);
        Drives d;
        d.add('C', "OS2/DLL/");
        d.add('E', "OS2/DLL/");
        d.add('A', "OS2/");
        const Lines lines = linesOf({line});
        QStringList found;
        for (const QString &f : describe(lines, bootcheck::checkDocument(lines, d.map, u'E')))
            found << f.section(QStringLiteral(" – "), 1);
        QCOMPARE(found, findings);
    }

    // How OS/2 reads a line: SET and its name apart by any blanks, keys in
    // any case, REM, and the Ctrl-Z that ends a file.
    void statementShapes_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("name");
        QTest::newRow("two blanks after SET") << QByteArray("SET  PATH=E:\\GONE") << "mappen E:\\GONE";
        QTest::newRow("a tab after SET") << QByteArray("set\tdpath=E:\\GONE") << "mappen E:\\GONE";
        QTest::newRow("blanks in front") << QByteArray("  \tDEVICE=E:\\GONE.SYS") << "E:\\GONE.SYS";
        QTest::newRow("small key") << QByteArray("device=e:\\gone.sys /P") << "e:\\gone.sys";
        QTest::newRow("Ctrl-Z ends the file") << QByteArray("DEVICE=E:\\GONE.SYS\x1A") << "E:\\GONE.SYS";
        QTest::newRow("Ctrl-Z after the found name") << QByteArray("DEVICE=E:\\TESTCFG.SYS\x1A") << "";
        QTest::newRow("REM") << QByteArray("REM DEVICE=E:\\GONE.SYS") << "";
        QTest::newRow("small rem with a tab") << QByteArray("  rem\tDEVICE=E:\\GONE.SYS") << "";
        QTest::newRow("SETPATH is no SET") << QByteArray("SETPATH=E:\\GONE") << "";
        QTest::newRow("REMARK is no remark") << QByteArray("REMARK=1") << "";
    }
    void statementShapes()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, name);
        Drives d;
        addSystem(d);
        QCOMPARE(findingsOf(d, line).section(QStringLiteral("finner ikke "), 1), name);
    }

    // The check stops reading at the first Ctrl-Z, on its line and for the
    // lines after it: what follows is neither checked nor counted on.
    void nothingAfterACtrlZ_data()
    {
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<QString>("findings");
        QTest::newRow("a line after the mark")
            << QList<QByteArray>{"LIBPATH=E:\\OS2\\DLL", "\x1A", "DEVICE=E:\\GONE.SYS"} << "";
        QTest::newRow("the rest of its line, and the next")
            << QList<QByteArray>{"LIBPATH=E:\\OS2\\DLL", "DEVICE=E:\\TESTCFG.SYS\x1A /X", "DEVICE=E:\\GONE.SYS"} << "";
        QTest::newRow("a LIBPATH after the mark is none")
            << QList<QByteArray>{"\x1A", "LIBPATH=E:\\OS2\\DLL"} << "Linje 0: – stopper oppstarten: ingen LIBPATH";
        QTest::newRow("a line before the mark is read")
            << QList<QByteArray>{"LIBPATH=E:\\OS2\\DLL", "DEVICE=E:\\GONE.SYS", "\x1A"}
            << "Linje 2: DEVICE=E:\\GONE.SYS – finner ikke E:\\GONE.SYS";
    }
    void nothingAfterACtrlZ()
    {
        QFETCH(QList<QByteArray>, lines);
        QFETCH(QString, findings);
        Drives d;
        addSystem(d);
        const Lines document = linesOf(lines);
        QCOMPARE(describe(document, bootcheck::checkDocument(document, d.map, u'E')).join(u'|'), findings);
    }

    // Names are code page 850 bytes; a host name is bytes too, UTF-8 text on
    // this system. Either matches, letter case aside.
    void codePages_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("host");
        QTest::addColumn<bool>("found");
        QTest::newRow("850 Å, UTF-8 host å") << QByteArray("BL\x8F.SYS") << QByteArray("bl\xC3\xA5.sys") << true;
        QTest::newRow("1252 Å, UTF-8 host å") << QByteArray("BL\xC5.SYS") << QByteArray("bl\xC3\xA5.sys") << true;
        QTest::newRow("the same bytes") << QByteArray("BL\x86.SYS") << QByteArray("BL\x86.SYS") << true;
        QTest::newRow("the same bytes, other case") << QByteArray("bl\x86.sys") << QByteArray("BL\x86.SYS") << true;
        QTest::newRow("850 å is not æ") << QByteArray("BL\x86.SYS") << QByteArray("bl\xC3\xA6.sys") << false;
    }
    void codePages()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, host);
        QFETCH(bool, found);
        Drives d;
        d.add('E', "OS2/DLL/");
        d.add('E', "OS2/" + host);
        QCOMPARE(findingsOf(d, "DEVICE=E:\\OS2\\" + name).isEmpty(), found);
    }

    // Drives: unmapped, mapped to nothing, not a letter, links out of them.
    void drives()
    {
        Drives d;
        addSystem(d);
        QTemporaryDir outside;
        QFile(outside.filePath("SECRET.SYS")).open(QIODevice::WriteOnly);
        QVERIFY(QFile::link(outside.path(), QString::fromLocal8Bit(d.host('E', "OUT"))));
        QVERIFY(QFile::link(outside.filePath("SECRET.SYS"), QString::fromLocal8Bit(d.host('E', "S.SYS"))));
        QVERIFY(QFile::link(QString::fromLocal8Bit(d.host('E', "OS2/PMSHELL.EXE")), QString::fromLocal8Bit(d.host('E', "IN.SYS"))));
        QVERIFY(QDir(d.dir.path()).mkpath("1:/ETC"));
        QFile(d.dir.filePath("1:/ETC/X.SYS")).open(QIODevice::WriteOnly);
        {
            const CurrentFolder current(d.dir.path());
            QCOMPARE(findingsOf(d, "DEVICE=1:\\ETC\\X.SYS"), "Linje 2: DEVICE=1:\\ETC\\X.SYS – finner ikke 1:\\ETC\\X.SYS");
        }
        QCOMPARE(findingsOf(d, "DEVICE=E:\\OUT\\SECRET.SYS"), "Linje 2: DEVICE=E:\\OUT\\SECRET.SYS – ikke sjekket: E:\\OUT\\SECRET.SYS fører ut av stasjonen E:");
        QCOMPARE(findingsOf(d, "DEVICE=S.SYS"), "Linje 2: DEVICE=S.SYS – ikke sjekket: S.SYS fører ut av stasjonen E:");
        QCOMPARE(findingsOf(d, "DEVICE=IN.SYS"), "");
        QCOMPARE(findingsOf(d, "DEVICE=Q:\\X.SYS"), "Linje 2: DEVICE=Q:\\X.SYS – ikke sjekket: stasjonen til Q:\\X.SYS er ikke koblet til noen mappe");

        d.map.setDrive(u'Q', d.dir.filePath("gone"));
        const Lines lines = linesOf({"LIBPATH=E:\\OS2\\DLL", "DEVICE=Q:\\X.SYS"});
        try {
            (void)bootcheck::checkDocument(lines, d.map, u'E');
            QFAIL("no error for a drive mapped to nothing");
        } catch (const FileError &e) {
            QCOMPARE(e.message(), "Kan ikke sjekke Q:\\: mappen " + d.dir.filePath("gone") + " til stasjon Q: finnes ikke");
        }
    }

    // Of the statements OS/2 takes once, the last active line counts.
    void duplicates()
    {
        Drives d;
        addSystem(d);
        const Lines lines = linesOf({"PROTSHELL=GONE.EXE", "LIBPATH=E:\\GONE", "PROTSHELL=\\OS2\\PMSHELL.EXE",
                                     "REM PROTSHELL=GONE.EXE", "LIBPATH=E:\\OS2\\DLL", "DEVICE=GONE.SYS",
                                     "DEVICE=GONE.SYS", "COUNTRY=047,GONE.SYS", "country=047,\\OS2\\SYSTEM\\COUNTRY.SYS"});
        const bootcheck::Report report = bootcheck::checkDocument(lines, d.map, u'E');
        QStringList found;
        for (const QString &f : describe(lines, report))
            found << f.section(QStringLiteral(" – "), 1);
        const QString unused = QStringLiteral("ikke sjekket: ubrukt: en senere linje gjelder");
        QCOMPARE(found, (QStringList{unused, unused, "finner ikke GONE.SYS", "finner ikke GONE.SYS", unused}));
        QCOMPARE(report.checked, 5);
    }

    // The kinds: what stops the boot, what fails the check, the worst first.
    void kinds()
    {
        Drives d;
        addSystem(d);
        const Lines lines = linesOf({"SET PATH=E:\\GONE", "DEVICE=Q:\\X.SYS", "DEVICE=GONE.SYS", "PROTSHELL=GONE.EXE"});
        bootcheck::Report report = bootcheck::checkDocument(lines, d.map, u'E');
        QList<int> kinds;
        for (const bootcheck::Finding &f : bootcheck::worstFirst(report.findings))
            kinds << static_cast<int>(f.kind) * 100 + (f.line == NoLine ? 99 : f.line);
        QCOMPARE(kinds, (QList<int>{99, 3, 102, 200, 301}));
        QCOMPARE(bootcheck::describe(report.findings.front(), lines), "Linje 0: – stopper oppstarten: ingen LIBPATH");
        QCOMPARE(bootcheck::summary(report), "4 navn sjekket: 2 stopper oppstarten, 1 mangler, 1 advarsel, 1 ikke sjekket (oppstartsstasjon E:)");
        QVERIFY(report.stopsBoot() && report.failed());
        std::erase_if(report.findings, [](const bootcheck::Finding &f) { return f.kind == Kind::StopsBoot; });
        QVERIFY(!report.stopsBoot() && report.failed());
        std::erase_if(report.findings, [](const bootcheck::Finding &f) { return f.kind == Kind::Missing; });
        QVERIFY(!report.failed());
    }

    // The statements OS/2 knows and the values it takes, each rule with a
    // line it refuses and one it takes. Neither kind of finding stops the
    // boot: OS/2 shows the line and goes on.
    void statementRules_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("finding");
        const QString none;
        QTest::newRow("BASDEV") << QByteArray("BASDEV=IBMKBD.SYS") << "OS/2 kjenner ikke setningen BASDEV";
        QTest::newRow("DEVCE, small") << QByteArray("devce=E:\\TESTCFG.SYS") << "OS/2 kjenner ikke setningen devce";
        QTest::newRow("SETPATH") << QByteArray("SETPATH=E:\\OS2") << "OS/2 kjenner ikke setningen SETPATH";
        QTest::newRow("a word alone") << QByteArray("  PAUSEONERRORS") << "OS/2 kjenner ikke setningen PAUSEONERRORS";
        QTest::newRow("no word before =") << QByteArray(" =YES") << "OS/2 kjenner ikke setningen";
        QTest::newRow("known, with blanks around =") << QByteArray("\tPROTECTONLY = NO") << none;
        QTest::newRow("later kernels") << QByteArray("SUPPRESSPOPUPS=C") << none;
        QTest::newRow("LVM") << QByteArray("reservedriveletter=R") << none;
        QTest::newRow("DOS support") << QByteArray("LASTDRIVE=Z") << none;
        QTest::newRow("SET of anything") << QByteArray("SET RESTARTOBJECTS=STARTUPFOLDERSONLY,REBOOTONLY") << none;
        QTest::newRow("the bare form earlier versions wrote") << QByteArray("RESTARTOBJECTS=YES") << none;
        QTest::newRow("REM of anything") << QByteArray("REM BASDEV=X") << none;
        QTest::newRow("Ctrl-Z and blanks") << QByteArray(" \x1A\x1A ") << none;
        QTest::newRow("REM and Ctrl-Z") << QByteArray("REM\x1A") << none;
        QTest::newRow("THREADS too many") << QByteArray("THREADS=4096") << "OS/2 godtar ikke verdien 4096 (et helt tall, høyst 4095)";
        QTest::newRow("THREADS most") << QByteArray("THREADS=4095") << none;
        QTest::newRow("THREADS no number") << QByteArray("THREADS=1024K") << "OS/2 godtar ikke verdien 1024K (et helt tall, høyst 4095)";
        QTest::newRow("THREADS empty") << QByteArray("THREADS=") << "OS/2 godtar ikke en tom verdi (et helt tall, høyst 4095)";
        QTest::newRow("MAXWAIT 0") << QByteArray("MAXWAIT=0") << "OS/2 godtar ikke verdien 0 (et helt antall sekunder, minst 1)";
        QTest::newRow("MAXWAIT 1") << QByteArray("maxwait = 1") << none;
        QTest::newRow("TIMESLICE under 32") << QByteArray("TIMESLICE=31,248") << "OS/2 godtar ikke verdien 31,248 (minst 32, og en andre verdi minst like stor og under 65536)";
        QTest::newRow("TIMESLICE max under min") << QByteArray("TIMESLICE=64,32") << "OS/2 godtar ikke verdien 64,32 (minst 32, og en andre verdi minst like stor og under 65536)";
        QTest::newRow("TIMESLICE max 65536") << QByteArray("TIMESLICE=32,65536") << "OS/2 godtar ikke verdien 32,65536 (minst 32, og en andre verdi minst like stor og under 65536)";
        QTest::newRow("TIMESLICE widest") << QByteArray("TIMESLICE=32,65535") << none;
        QTest::newRow("TIMESLICE one number") << QByteArray("TIMESLICE=32") << none;
        QTest::newRow("PRIORITY other word") << QByteArray("PRIORITY=FAST") << "OS/2 godtar ikke verdien FAST (ABSOLUTE eller DYNAMIC)";
        QTest::newRow("PRIORITY small") << QByteArray("priority=absolute") << none;
        QTest::newRow("VIRTUALADDRESSLIMIT 511") << QByteArray("VIRTUALADDRESSLIMIT=511") << "OS/2 godtar ikke verdien 511 (et helt tall fra 512 til 3072)";
        QTest::newRow("VIRTUALADDRESSLIMIT 3073") << QByteArray("VIRTUALADDRESSLIMIT=3073") << "OS/2 godtar ikke verdien 3073 (et helt tall fra 512 til 3072)";
        QTest::newRow("VIRTUALADDRESSLIMIT 512") << QByteArray("VIRTUALADDRESSLIMIT=512") << none;
        QTest::newRow("VIRTUALADDRESSLIMIT 3072") << QByteArray("VIRTUALADDRESSLIMIT=3072") << none;
        QTest::newRow("CLOCKSCALE 3") << QByteArray("CLOCKSCALE=3") << "OS/2 godtar ikke verdien 3 (1, 2 eller 4)";
        QTest::newRow("CLOCKSCALE 4") << QByteArray("CLOCKSCALE=4") << none;
        QTest::newRow("BUFFERS 101") << QByteArray("BUFFERS=101") << "OS/2 godtar ikke verdien 101 (et helt tall fra 1 til 100)";
        QTest::newRow("BUFFERS 0") << QByteArray("BUFFERS=0") << "OS/2 godtar ikke verdien 0 (et helt tall fra 1 til 100)";
        QTest::newRow("BUFFERS 100") << QByteArray("BUFFERS=100") << none;
        QTest::newRow("BREAK YES") << QByteArray("BREAK=YES") << "OS/2 godtar ikke verdien YES (ON eller OFF)";
        QTest::newRow("BREAK off") << QByteArray("break=off") << none;
        QTest::newRow("AUTOFAIL 1") << QByteArray("AUTOFAIL=1") << "OS/2 godtar ikke verdien 1 (YES eller NO)";
        QTest::newRow("AUTOFAIL YES") << QByteArray("AUTOFAIL=YES") << none;
    }
    void statementRules()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, finding);
        Drives d;
        addSystem(d);
        const Lines lines = linesOf({"LIBPATH=E:\\OS2\\DLL", line});
        const bootcheck::Report report = bootcheck::checkDocument(lines, d.map, u'E');
        QCOMPARE(describe(lines, report).join(u'|').section(QStringLiteral(" – "), 1), finding);
        QVERIFY(!report.stopsBoot());
        QCOMPARE(report.failed(), !finding.isEmpty());
    }

    // PSD= takes a file name only, looked for where base drivers are; of
    // several the first found is the one OS/2 uses.
    void platformDrivers_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QStringList>("findings");
        QTest::newRow("in \\OS2\\BOOT") << QByteArrayList{"PSD=ACPI.PSD /VW"} << QStringList{};
        QTest::newRow("in the root, small") << QByteArrayList{"psd=rootpsd.psd"} << QStringList{};
        QTest::newRow("in \\OS2") << QByteArrayList{"PSD=OS2PSD.PSD"} << QStringList{};
        QTest::newRow("missing") << QByteArrayList{"PSD=GONE.PSD"} << QStringList{"finner ikke GONE.PSD"};
        QTest::newRow("with a path") << QByteArrayList{"PSD=E:\\OS2\\BOOT\\ACPI.PSD"} << QStringList{"ikke sjekket: PSD tar bare et filnavn"};
        QTest::newRow("a later one missing") << QByteArrayList{"PSD=ACPI.PSD", "PSD=GONE.PSD"} << QStringList{"advarsel: finner ikke GONE.PSD"};
        QTest::newRow("both missing") << QByteArrayList{"PSD=GONE.PSD", "PSD=OTHER.PSD"} << QStringList{"finner ikke GONE.PSD", "finner ikke OTHER.PSD"};
        QTest::newRow("a path, then missing") << QByteArrayList{"PSD=E:\\ACPI.PSD", "PSD=GONE.PSD"} << QStringList{"ikke sjekket: PSD tar bare et filnavn", "finner ikke GONE.PSD"};
    }
    void platformDrivers()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(QStringList, findings);
        Drives d;
        d.add('E', "OS2/DLL/");
        d.add('E', "OS2/BOOT/ACPI.PSD");
        d.add('E', "ROOTPSD.PSD");
        d.add('E', "OS2/OS2PSD.PSD");
        d.add('C', "OS2/BOOT/GONE.PSD");
        const Lines file = linesOf(QList<QByteArray>{"LIBPATH=E:\\OS2\\DLL"} + lines);
        QStringList found;
        for (const QString &f : describe(file, bootcheck::checkDocument(file, d.map, u'E')))
            found << f.section(QStringLiteral(" – "), 1);
        QCOMPARE(found, findings);
    }

    // A real CONFIG.SYS with every file it names in place gives no finding,
    // booted from C: and, with its drive letters changed, from another drive.
    // The eComStation file names C:\EMX\BIN twice in its PATH.
    void realWorld_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<char>("boot");
        QTest::addColumn<int>("named");
        QTest::addColumn<QStringList>("remaining");
        const QStringList emx = {"advarsel: mappen C:\\EMX\\BIN står to ganger"};
        QTest::newRow("eComStation from C:") << "ecs-thinkpad.config.sys" << 'C' << 171 << emx;
        QTest::newRow("eComStation from E:") << "ecs-thinkpad.config.sys" << 'E' << 171 << QStringList{QString(emx[0]).replace("C:", "E:")};
        QTest::newRow("boot medium from C:") << "vbox-cid.config.sys" << 'C' << 52 << QStringList{};
        QTest::newRow("boot medium from A:") << "vbox-cid.config.sys" << 'A' << 52 << QStringList{};
        QTest::newRow("ArcaOS in VirtualBox") << "arcaos-vbox.config.sys" << 'C' << 79 << QStringList{};
        QTest::newRow("ArcaOS in VirtualBox from D:") << "arcaos-vbox.config.sys" << 'D' << 79 << QStringList{};
    }
    void realWorld()
    {
        QFETCH(QString, fixture);
        QFETCH(char, boot);
        QFETCH(int, named);
        QFETCH(QStringList, remaining);
        QFile file(QStringLiteral(OS2SETUP_TEST_DATA "/") + fixture);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        if (boot != 'C')
            bytes.replace("C:\\", QByteArray(1, boot) + ":\\").replace("c:\\", QByteArray(1, boot) + ":\\");
        const Lines lines = linefile::split(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        Drives d;
        d.map.setDrive(u'S', d.dir.filePath("C")); // the installation CD
        d.map.setDrive(u'D', d.dir.filePath("E"));
        d.map.setDrive(u'C', boot == 'C' ? d.dir.filePath("C") : QString());
        // Each missing name put where an installation keeps it: base and
        // platform drivers in \OS2\BOOT, other names without a path in the root.
        const bootcheck::Report empty = bootcheck::checkDocument(lines, d.map, QChar::fromLatin1(boot));
        QCOMPARE(empty.checked, named);
        for (const bootcheck::Finding &f : empty.findings) {
            QVERIFY(f.kind != Kind::Unchecked && f.line != NoLine);
            QCOMPARE(f.reason == bootcheck::Reason::NotFound, f.reason != bootcheck::Reason::Doubled);
            if (f.reason != bootcheck::Reason::NotFound)
                continue;
            QByteArray name = text8::fromDisplay(f.what).value().c_str();
            const bool driver = lines[f.line].starts_with("BASEDEV=") || lines[f.line].starts_with("PSD=");
            if (name.size() < 2 || name.at(1) != ':')
                name = QByteArray(1, boot) + (driver ? ":\\OS2\\BOOT\\" : name.startsWith('\\') ? ":" : ":\\") + name;
            const char drive = name.at(0) == 'S' ? 'C' : name.at(0) == 'D' ? 'E' : name.at(0);
            d.add(drive, name.mid(3).replace('\\', '/') + (f.folder ? "/" : ""));
        }
        QStringList found;
        for (const QString &f : describe(lines, bootcheck::checkDocument(lines, d.map, QChar::fromLatin1(boot))))
            found << f.section(QStringLiteral(" – "), 1);
        QCOMPARE(found, remaining);
    }

    // The ArcaOS example drive: --check of it finds everything where an
    // ArcaOS installation keeps it, ACPI.PSD in \OS2\BOOT.
    void currentInstallation()
    {
        DriveMap drives;
        drives.setDrive(u'C', QStringLiteral(OS2SETUP_EXAMPLES "/arcaos-c"));
        const Lines lines = linefile::load(drives, QStringLiteral("C:\\CONFIG.SYS"), MaxDocumentLines);
        QVERIFY(QFile::exists(QStringLiteral(OS2SETUP_EXAMPLES "/arcaos-c/OS2/BOOT/ACPI.PSD")));
        QVERIFY(!QFile::exists(QStringLiteral(OS2SETUP_EXAMPLES "/arcaos-c/ACPI.PSD")));
        const bootcheck::Report report = bootcheck::checkDocument(lines, drives, u'C');
        QCOMPARE(describe(lines, report), QStringList());
        QVERIFY(report.checked > 100);
    }

    // A one-character slip in any statement word of a current file is found:
    // every letter of every active line's word left out in turn.
    void typos_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("ArcaOS example drive") << QStringLiteral(OS2SETUP_EXAMPLES "/arcaos-c/CONFIG.SYS");
        QTest::newRow("ArcaOS in VirtualBox") << QStringLiteral(OS2SETUP_TEST_DATA "/arcaos-vbox.config.sys");
        QTest::newRow("eComStation") << QStringLiteral(OS2SETUP_TEST_DATA "/ecs-thinkpad.config.sys");
    }
    void typos()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        Lines lines = linefile::split(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        std::vector<bootcheck::Finding> findings;
        bootcheck::checkStatements(lines, findings);
        QCOMPARE(findings.size(), std::size_t(0));
        int tried = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string line = lines[i];
            const std::string_view word = bootcheck::statementWord(line);
            const std::size_t at = word.empty() ? 0 : static_cast<std::size_t>(word.data() - line.data());
            for (std::size_t k = 0; k < word.size(); ++k) {
                lines[i] = line.substr(0, at + k) + line.substr(at + k + 1);
                findings.clear();
                bootcheck::checkStatements(lines, findings);
                QVERIFY2(findings.size() == 1 && findings[0].line == i
                             && findings[0].reason == bootcheck::Reason::UnknownStatement,
                         lines[i].c_str());
                ++tried;
            }
            lines[i] = line;
        }
        QVERIFY(tried > 200);
    }
};

QTEST_GUILESS_MAIN(TestBootCheck)
#include "tst_boot_check.moc"
