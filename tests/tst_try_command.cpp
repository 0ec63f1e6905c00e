// "os2setup --try-new", "--tries", "--untry" and "--install-new --key" on
// temporary drives: the bytes and modes they leave, and every refusal
// leaving every file as it was.
#include "test_support.h"

#include "app/try_command.h"
#include "platform/line_file.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryFile>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using Run = CommandRun;

unsigned modeOf(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

const QByteArray kMenu = "\r\n   Other ways to start:\r\n\r\n     C - Start a command line\r\n"
                         "     V - Reset the primary display to VGA\r\n\r\n   Press Enter to go on.\r\n";

// A drive C: whose CONFIG.SYS boots, a CONFIG.NEW that differs from it, and
// OS/2's menu file, read-only as OS/2 ships it.
struct Setup
{
    TestDrive c;
    QTemporaryDir data;
    QTemporaryFile settingsFile;
    const QByteArray config = crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=64"});
    const QByteArray fresh = crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=128"});
    Setup()
    {
        c.write("CONFIG.SYS", config);
        c.write("CONFIG.NEW", fresh);
        c.write("OS2/DLL/X.DLL", "");
        c.write("OS2/BOOT/ALTF1BOT.SCR", kMenu);
        QFile::setPermissions(menu(), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        settingsFile.open();
    }
    QString menu() const { return c.path("OS2/BOOT/ALTF1BOT.SCR"); }
    Run run(const QStringList &args) const
    {
        const CommandLine command = parseCommandLine(QStringList{"os2setup", "--drive", "C=" + c.root()} + args);
        const QSettings settings(settingsFile.fileName(), QSettings::IniFormat);
        Terminal t{std::tmpfile(), std::tmpfile(), std::tmpfile()};
        Run r;
        using Action = CommandLine::Action;
        switch (command.action) {
        case Action::TryNew: r.status = runTryNew(command, {}, settings, t); break;
        case Action::Tries: r.status = runTries(command, {}, settings, t); break;
        case Action::Untry: r.status = runUntry(command, {}, settings, t); break;
        case Action::InstallNew: r.status = runInstallTry(command, {}, settings, data.path(), t); break;
        default: qFatal("not a try's action: %s", qPrintable(command.text));
        }
        r.out = readWhole(t.out);
        r.err = readWhole(t.err);
        for (std::FILE *f : {t.in, t.out, t.err})
            std::fclose(f);
        return r;
    }
};

} // namespace

class TestTryCommand : public QObject
{
    Q_OBJECT

private slots:
    // On a copy of the example drive, through the built program: the try
    // leaves CONFIG.SYS as it was, adds one file equal to CONFIG.NEW and one
    // menu line; taking it away gives back every byte and the menu's mode.
    void tryAndTakeAwayThroughTheProgram()
    {
        QTemporaryDir drive, home;
        QCOMPARE(QProcess::execute("cp", {"-R", QStringLiteral(OS2SETUP_EXAMPLE_DRIVE "/."), drive.path()}), 0);
        const QString menu = drive.filePath("OS2/BOOT/ALTF1BOT.SCR");
        QVERIFY(QFile::setPermissions(menu, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        QFile config(drive.filePath("CONFIG.SYS"));
        QVERIFY(config.open(QIODevice::ReadOnly));
        const QByteArray fresh = config.readAll() + "REM prøve\r\n";
        QFile newFile(drive.filePath("CONFIG.NEW"));
        QVERIFY(newFile.open(QIODevice::WriteOnly) && newFile.write(fresh) == fresh.size());
        newFile.close();
        const QStringList before = snapshot(drive.path());
        const auto run = [&](const QStringList &args) {
            QProcess program;
            QProcessEnvironment environment;
            environment.insert("HOME", home.path());
            environment.insert("OS2SETUP_DRIVE_C", drive.path());
            program.setProcessEnvironment(environment);
            program.start(QStringLiteral(OS2SETUP_BINARY), args);
            program.waitForFinished(-1);
            return Run{program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
                       QString::fromUtf8(program.readAllStandardError())};
        };

        const Run tried = run({"--try-new", "--yes"});
        QCOMPARE(tried.status, 0);
        QVERIFY2(tried.out.contains("trykk Alt+F1 mens den lille hvite boksen med «OS/2» står øverst til venstre på "
                                    "skjermen, og trykk så A"),
                 qPrintable(tried.out));
        QStringList after = snapshot(drive.path());
        QStringList added;
        for (const QString &entry : after)
            if (!before.contains(entry))
                added << entry.section(u':', 0, 0);
        QCOMPARE(added, (QStringList{"OS2/BOOT/ALTF1BOT.SCR", "OS2/BOOT/CONFIG.A"}));
        QCOMPARE(after.size(), before.size() + 1);
        QVERIFY(after.contains("OS2/BOOT/CONFIG.A: " + QString::fromLatin1(fresh)));
        // One line more, every other byte as it was.
        QFile m(menu);
        QVERIFY(m.open(QIODevice::ReadOnly));
        const QByteArray withLine = m.readAll();
        const QByteArray line = "     A - Start med CONFIG.A (ny CONFIG.SYS fra os2setup "
                                + QDate::currentDate().toString(Qt::ISODate).toLatin1() + ")\r\n";
        const qsizetype at = withLine.indexOf(line);
        QVERIFY2(at > 0, withLine.constData());
        QCOMPARE(QByteArray(withLine).remove(at, line.size()), before.filter("ALTF1BOT.SCR").value(0).section(": ", 1).toLatin1());
        QCOMPARE(modeOf(menu), 0444u);

        const Run listed = run({"--tries"});
        QCOMPARE(listed.status, 0);
        QVERIFY2(listed.out.contains("  A  " + QDate::currentDate().toString(Qt::ISODate)
                                     + "  C:\\OS2\\BOOT\\CONFIG.A  (lik C:\\CONFIG.NEW)"),
                 qPrintable(listed.out));

        const Run untried = run({"--untry", "a"});
        QCOMPARE(untried.status, 0);
        QCOMPARE(snapshot(drive.path()), before);
        QCOMPARE(modeOf(menu), 0444u);
    }

    // Every refusal and failure tells its cause, naming the file, and leaves
    // every file, and the menu's mode, as it was.
    void failuresLeaveEveryFile_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("cause");
        const QStringList tryNew{"--try-new", "--yes"};
        QTest::newRow("no boot folder") << "no boot folder" << tryNew << 2 << "Kan ikke lese C:\\OS2\\BOOT: mappen finnes ikke";
        QTest::newRow("no menu file") << "no menu" << tryNew << 2 << "C:\\OS2\\BOOT\\ALTF1BOT.SCR finnes ikke";
        QTest::newRow("a NUL in the menu") << "NUL" << tryNew << 2 << "C:\\OS2\\BOOT\\ALTF1BOT.SCR: byte nr. 3 er en NUL-byte";
        QTest::newRow("a NUL in the top of the menu") << "NUL on top" << tryNew << 2 << "C:\\OS2\\BOOT\\ALTF1TOP.SCR: byte nr.";
        QTest::newRow("a menu over 64 KiB") << "64 KiB" << tryNew << 2 << "C:\\OS2\\BOOT\\ALTF1BOT.SCR: filen er på 65537 byte";
        QTest::newRow("a menu the line takes past 64 KiB")
            << "nearly 64 KiB" << tryNew << 2 << "Kan ikke legge en linje til C:\\OS2\\BOOT\\ALTF1BOT.SCR: filen blir da på";
        QTest::newRow("every key taken") << "every key" << tryNew << 1 << "Alle tastene A–Z og 4–9 er i bruk";
        QTest::newRow("a key whose file is there in small letters")
            << "config.k" << QStringList{"--try-new", "--yes", "--key", "K"} << 1 << "C:\\OS2\\BOOT\\CONFIG.K finnes allerede";
        QTest::newRow("a key of OS/2's") << "" << QStringList{"--try-new", "--yes", "--key", "x"} << 1 << "Tasten X bruker OS/2 selv";
        QTest::newRow("a key a line of the user's offers")
            << "user's K" << QStringList{"--try-new", "--yes", "--key", "k"} << 1 << "Tasten K er i bruk";
        QTest::newRow("the menu a link out of the drive") << "link out" << tryNew << 2 << "C:\\OS2\\BOOT\\ALTF1BOT.SCR";
        QTest::newRow("the menu's write fails after the try's file")
            << "menu write fails" << tryNew << 2 << "Kan ikke skrive C:\\OS2\\BOOT\\ALTF1BOT.SCR: det er ikke mer plass";
        QTest::newRow("the menu reads back otherwise")
            << "menu altered" << tryNew << 2 << "C:\\OS2\\BOOT\\ALTF1BOT.SCR ble skrevet, men det som ble lest tilbake";
        QTest::newRow("untry, the try's file read-only")
            << "a try, read-only" << QStringList{"--untry", "A"} << 2
            << "Kan ikke slette C:\\OS2\\BOOT\\CONFIG.A: filen er skrivebeskyttet";
        QTest::newRow("untry, the menu's write fails")
            << "a try, menu write fails" << QStringList{"--untry", "A"} << 2 << "det er ikke mer plass";
        QTest::newRow("untry a line of OS/2's") << "" << QStringList{"--untry", "V"} << 2
                                                << "Linjen for tasten V i C:\\OS2\\BOOT\\ALTF1BOT.SCR er ikke lagt inn av os2setup";
        QTest::newRow("untry a key with no try") << "" << QStringList{"--untry", "Q"} << 2
                                                 << "C:\\OS2\\BOOT\\ALTF1BOT.SCR har ingen prøve med tasten Q";
        QTest::newRow("a line of the user's as CONFIG.SYS")
            << "user's K" << QStringList{"--install-new", "--key", "K", "--yes"} << 2 << "er ikke lagt inn av os2setup";
        QTest::newRow("untry without a menu") << "no menu" << QStringList{"--untry", "A"} << 2 << "ALTF1BOT.SCR finnes ikke";
    }
    void failuresLeaveEveryFile()
    {
        QFETCH(QString, change);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, cause);
        Setup s;
        QTemporaryFile outside;
        if (change == "no boot folder") {
            QVERIFY(QDir(s.c.path("OS2/BOOT")).removeRecursively());
        } else if (change == "no menu") {
            QVERIFY(QFile::remove(s.menu()));
        } else if (change == "NUL" || change == "64 KiB" || change == "nearly 64 KiB" || change == "user's K"
                   || change == "link out") {
            QVERIFY(QFile::remove(s.menu()));
            const QByteArray bytes = change == "NUL"            ? QByteArray("  \0 V - x\r\n", 11)
                                     : change == "64 KiB"       ? QByteArray(64 * 1024 + 1, 'x')
                                     : change == "nearly 64 KiB" ? "  V - x\r\n" + QByteArray(64 * 1024 - 20, ' ')
                                                                 : kMenu + "  K - Mine\r\n";
            if (change == "link out") {
                QVERIFY(outside.open());
                QVERIFY(QFile::link(outside.fileName(), s.menu()));
            } else {
                s.c.write("OS2/BOOT/ALTF1BOT.SCR", bytes);
            }
        } else if (change == "NUL on top") {
            s.c.write("OS2/BOOT/ALTF1TOP.SCR", QByteArray("top\0", 4));
        } else if (change == "every key") {
            for (const char key : std::string_view("ABDEFGHIJKLNOPQRSTUWYZ456789"))
                s.c.write(QStringLiteral("OS2/BOOT/CONFIG.%1").arg(QLatin1Char(key)), "x");
        } else if (change == "config.k") {
            s.c.write("OS2/BOOT/config.k", "mine");
        }
        if (change.startsWith("a try"))
            QCOMPARE(s.run({"--try-new", "--yes"}).status, 0);
        if (change == "a try, read-only")
            QVERIFY(QFile::setPermissions(s.c.path("OS2/BOOT/CONFIG.A"), QFileDevice::ReadOwner));
        // The write seam: the try's own file goes through; the menu's write
        // fails, or what it writes with the try's line is not what was given.
        linefile::setWriteCallForTesting([&](int fd, const char *data, unsigned long size) -> long {
            std::string bytes(data, size);
            if (change.endsWith("menu write fails") && bytes.find("Other ways") != std::string::npos) {
                errno = ENOSPC;
                return -1;
            }
            if (change == "menu altered" && bytes.find("Start med") != std::string::npos)
                bytes[0] = 'X';
            return static_cast<long>(::write(fd, bytes.data(), size));
        });
        const auto restore = qScopeGuard([] { linefile::setWriteCallForTesting({}); });
        const QStringList before = snapshot(s.c.root());
        const unsigned mode = modeOf(s.menu());
        const Run r = s.run(args);
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(cause) && r.err.trimmed().endsWith("Ingenting er endret."), qPrintable(r.err));
        QCOMPARE(snapshot(s.c.root()), before);
        QCOMPARE(modeOf(s.menu()), mode);
    }

    // A menu that reads back otherwise and cannot be written back as it was
    // may offer the try's line: its file then stays, and the message says so.
    void aMenuThatCannotBeWrittenBack()
    {
        Setup s;
        int menuWrites = 0;
        linefile::setWriteCallForTesting([&](int fd, const char *data, unsigned long size) -> long {
            std::string bytes(data, size);
            if (bytes.find("Other ways") != std::string::npos && ++menuWrites == 2) {
                errno = ENOSPC;
                return -1;
            }
            if (bytes.find("Start med") != std::string::npos)
                bytes[0] = 'X';
            return static_cast<long>(::write(fd, bytes.data(), size));
        });
        const auto restore = qScopeGuard([] { linefile::setWriteCallForTesting({}); });
        const Run r = s.run({"--try-new", "--yes"});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains("den kunne ikke skrives tilbake") && r.err.contains("C:\\OS2\\BOOT\\CONFIG.A er latt stå")
                     && !r.err.contains("Ingenting er endret"),
                 qPrintable(r.err));
        QCOMPARE(s.c.read("OS2/BOOT/CONFIG.A"), s.fresh);
    }

    // Where the menu's write protection cannot be lifted, not even by root
    // (a read-only mount), nothing is written: not the try's file either.
    // Neither is a try taken away there.
    void aProtectionThatCannotBeLifted()
    {
        Setup s;
        QCOMPARE(s.run({"--try-new", "--yes", "--key", "K"}).status, 0);
        TmpfsMounts mounts;
        if (!mounts.bindReadOnly(s.menu()))
            SKIP_UNLESS_CI("no file can be mounted read-only here");
        const QStringList before = snapshot(s.c.root());
        for (const QStringList &args : {QStringList{"--try-new", "--yes"}, QStringList{"--untry", "K"}}) {
            const Run r = s.run(args);
            QCOMPARE(r.status, 2);
            QVERIFY2(r.err.contains("Kan ikke skrive C:\\OS2\\BOOT\\ALTF1BOT.SCR: filen er skrivebeskyttet, og "
                                    "skrivebeskyttelsen kan ikke tas av for å skrive den (filsystemet er montert bare "
                                    "for lesing)"),
                     qPrintable(r.err));
            QCOMPARE(snapshot(s.c.root()), before);
            QCOMPARE(modeOf(s.menu()), 0444u);
        }
    }

    // A boot folder that may not be written, with a menu that may: the try's
    // file is refused, and nothing else is written.
    void aFolderThatMayNotBeWritten()
    {
        Setup s;
        TmpfsMounts mounts;
        MOUNT_OR_SKIP(mounts, s.c.path("OS2/BOOT"));
        s.c.write("OS2/BOOT/ALTF1BOT.SCR", kMenu);
        QVERIFY(mounts.remountReadOnly(s.c.path("OS2/BOOT")));
        const QStringList before = snapshot(s.c.root());
        const Run r = s.run({"--try-new", "--yes"});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains("Kan ikke skrive C:\\OS2\\BOOT\\CONFIG.A: filsystemet er montert bare for lesing. "
                                "Ingenting er endret."),
                 qPrintable(r.err));
        QCOMPARE(snapshot(s.c.root()), before);
    }

    // The menu ends as read-only as it began, whatever its mode; taking the
    // try away gives back its bytes.
    void theModeEndsAsItBegan_data()
    {
        QTest::addColumn<unsigned>("mode");
        for (const unsigned mode : {0444u, 0400u, 0440u, 0644u, 0600u})
            QTest::addRow("%o", mode) << mode;
    }
    void theModeEndsAsItBegan()
    {
        QFETCH(unsigned, mode);
        Setup s;
        QCOMPARE(::chmod(QFile::encodeName(s.menu()).constData(), mode), 0);
        QCOMPARE(s.run({"--try-new", "--yes"}).status, 0);
        QCOMPARE(modeOf(s.menu()), mode);
        QVERIFY(s.c.read("OS2/BOOT/ALTF1BOT.SCR") != kMenu);
        QCOMPARE(s.run({"--untry", "A"}).status, 0);
        QCOMPARE(modeOf(s.menu()), mode);
        QCOMPARE(s.c.read("OS2/BOOT/ALTF1BOT.SCR"), kMenu);
    }

    // A try taken as CONFIG.SYS, after the usual copy, leaves the menu: its
    // line and its file.
    void aTryTakenIntoUse()
    {
        Setup s;
        QCOMPARE(s.run({"--try-new", "--yes"}).status, 0);
        const QByteArray tried = s.c.read("OS2/BOOT/CONFIG.A");
        QCOMPARE(tried, s.fresh);
        const Run r = s.run({"--install-new", "--key", "a", "--yes"});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains("+THREADS=128") && r.out.contains("Prøven A er tatt ut av Alt+F1-menyen"), qPrintable(r.out));
        QCOMPARE(s.c.read("CONFIG.SYS"), tried);
        QCOMPARE(s.c.read("CONFIG.001"), s.config);
        QVERIFY(!s.c.exists("OS2/BOOT/CONFIG.A"));
        QCOMPARE(s.c.read("OS2/BOOT/ALTF1BOT.SCR"), kMenu);
        QCOMPARE(modeOf(s.menu()), 0444u);
        QCOMPARE(s.run({"--tries"}).out, "Alt+F1-menyen (C:\\OS2\\BOOT\\ALTF1BOT.SCR) har ingen prøver fra os2setup.\n");
    }

    // The list tells whether a try still equals CONFIG.NEW; a try whose file
    // is gone is still taken away, line and all.
    void theList()
    {
        Setup s;
        QCOMPARE(s.run({"--try-new", "--yes", "--key", "4"}).status, 0);
        s.c.write("CONFIG.NEW", crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=256"}));
        QCOMPARE(s.run({"--try-new", "--yes"}).status, 0);
        const QString day = QDate::currentDate().toString(Qt::ISODate);
        QCOMPARE(s.run({"--tries"}).out.split(u'\n').mid(1, 2),
                 (QStringList{"  4  " + day + "  C:\\OS2\\BOOT\\CONFIG.4  (ikke lik C:\\CONFIG.NEW)",
                              "  A  " + day + "  C:\\OS2\\BOOT\\CONFIG.A  (lik C:\\CONFIG.NEW)"}));
        QVERIFY(QFile::remove(s.c.path("OS2/BOOT/CONFIG.4")));
        QVERIFY(s.run({"--tries"}).out.contains("CONFIG.4  (filen mangler)"));
        const Run r = s.run({"--untry", "4"});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains("C:\\OS2\\BOOT\\CONFIG.4 fantes ikke"), qPrintable(r.out));
        QCOMPARE(s.run({"--untry", "A"}).status, 0);
        QCOMPARE(s.c.read("OS2/BOOT/ALTF1BOT.SCR"), kMenu);
    }
};

QTEST_MAIN(TestTryCommand)
#include "tst_try_command.moc"
