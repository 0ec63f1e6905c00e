// "os2setup --install-new" and "--restore" on temporary drives: what is
// printed, what is asked, the statuses, and the bytes of CONFIG.SYS.
#include "test_support.h"

#include "app/install_command.h"
#include "app/install_step.h"
#include "platform/config_copies.h"

#include <QDir>
#include <QProcess>
#include <QSet>
#include <QFile>
#include <QSettings>
#include <QTemporaryFile>

#include <pty.h>
#include <unistd.h>

namespace {

using Run = CommandRun;

// A drive C: with CONFIG.SYS, a data folder beside it, and the command line.
struct Setup
{
    TestDrive c;
    QTemporaryDir data;
    QTemporaryFile settingsFile;
    Setup(const QByteArray &config, const std::optional<QByteArray> &fresh)
    {
        c.write("CONFIG.SYS", config);
        if (fresh)
            c.write("CONFIG.NEW", *fresh);
        settingsFile.open();
    }
    // Runs --install-new (or --restore with `args`) with the drive given by
    // --drive; `answer` is typed on a terminal when there is one.
    Run run(const QStringList &args, const std::optional<QByteArray> &answer = {}) const
    {
        QStringList arguments{"os2setup", "--drive", "C=" + c.root()};
        arguments += args;
        const CommandLine command = parseCommandLine(arguments);
        const QSettings settings(settingsFile.fileName(), QSettings::IniFormat);
        Terminal t;
        t.out = std::tmpfile();
        t.err = std::tmpfile();
        int master = -1, slave = -1;
        if (answer) {
            if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0)
                qFatal("no pseudo-terminal");
            if (::write(master, answer->constData(), static_cast<std::size_t>(answer->size())) != answer->size())
                qFatal("cannot type the answer");
            t.in = ::fdopen(slave, "r");
        } else {
            t.in = std::tmpfile();
        }
        Run r;
        r.status = command.action == CommandLine::Action::Restore
                       ? runRestore(command, QProcessEnvironment(), settings, data.path(), t)
                       : runInstallNew(command, QProcessEnvironment(), settings, data.path(), t);
        r.out = readWhole(t.out);
        r.err = readWhole(t.err);
        for (std::FILE *f : {t.in, t.out, t.err})
            std::fclose(f);
        if (master >= 0)
            ::close(master);
        return r;
    }
};

// A real CONFIG.SYS with one more line.
QByteArray edited(const QByteArray &config)
{
    return config + "REM os2setup\r\n";
}

const QByteArray kNoLibpath = "PROTSHELL=C:\\OS2\\PMSHELL.EXE\r\n";

} // namespace

class TestInstallCommand : public QObject
{
    Q_OBJECT

private slots:
    void installsWithYes()
    {
        const QByteArray old = crlf({"LIBPATH=.;C:\\OS2\\DLL;", "THREADS=64"});
        const QByteArray fresh = crlf({"LIBPATH=.;C:\\OS2\\DLL;", "THREADS=128", "MAXWAIT=2"});
        Setup s(old, fresh);
        s.c.write("OS2/DLL/X.DLL", "");
        const Run r = s.run({"--install-new", "--yes"});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains("--- C:\\CONFIG.SYS\n+++ C:\\CONFIG.NEW\n@@ -1,2 +1,3 @@\n LIBPATH=.;C:\\OS2\\DLL;\n-THREADS=64\n+THREADS=128\n+MAXWAIT=2\n"),
                 qPrintable(r.out));
        QVERIFY2(r.out.contains("C:\\CONFIG.001"), qPrintable(r.out));
        QCOMPARE(s.c.read("CONFIG.SYS"), fresh);
        QCOMPARE(s.c.read("CONFIG.001"), old);
        QCOMPARE(r.err, QString());
    }

    // Nothing to do is no failure; a refusal is 1 and a file that cannot be
    // read is 2, and none of them changes CONFIG.SYS.
    void statuses_data()
    {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QByteArray>("fresh"); // "-": no CONFIG.NEW; "/": a folder
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("answer"); // typed on a terminal; empty: no terminal
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        const QByteArray good = crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=64"});
        const QByteArray better = crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=128"});
        QTest::newRow("no CONFIG.NEW") << good << QByteArray("-") << QStringList{"--yes"} << QByteArray() << 0 << "finnes ikke";
        QTest::newRow("equal") << good << good << QStringList{"--yes"} << QByteArray() << 0 << "byte for byte";
        QTest::newRow("CONFIG.NEW a folder") << good << QByteArray("/") << QStringList{"--yes"} << QByteArray() << 2 << "mappe";
        QTest::newRow("no terminal, no --yes") << good << better << QStringList{} << QByteArray() << 1 << "--yes";
        QTest::newRow("no on the terminal") << good << better << QStringList{} << QByteArray("n\n") << 1 << "Ingenting er endret";
        QTest::newRow("Enter on the terminal") << good << better << QStringList{} << QByteArray("\n") << 1 << "Ingenting er endret";
        QTest::newRow("stops the boot") << good << kNoLibpath << QStringList{"--yes"} << QByteArray() << 1 << "--force";
        QTest::newRow("yes on the terminal") << good << better << QStringList{} << QByteArray("j\n") << 0 << "C:\\CONFIG.001";
        QTest::newRow("forced") << good << kNoLibpath << QStringList{"--yes", "--force"} << QByteArray() << 0 << "C:\\CONFIG.001";
    }
    void statuses()
    {
        QFETCH(QByteArray, config);
        QFETCH(QByteArray, fresh);
        QFETCH(QStringList, args);
        QFETCH(QByteArray, answer);
        QFETCH(int, status);
        QFETCH(QString, says);
        Setup s(config, fresh == "-" || fresh == "/" ? std::nullopt : std::optional<QByteArray>(fresh));
        if (fresh == "/")
            QVERIFY(QDir(s.c.root()).mkdir("CONFIG.NEW"));
        s.c.write("OS2/DLL/X.DLL", "");
        const Run r = s.run(QStringList{"--install-new"} + args,
                            answer.isEmpty() ? std::nullopt : std::optional<QByteArray>(answer));
        QCOMPARE(r.status, status);
        QVERIFY2((r.out + r.err).contains(says), qPrintable(r.out + r.err));
        QCOMPARE(s.c.read("CONFIG.SYS"), status == 0 && says.startsWith("C:") ? fresh : config);
        QCOMPARE(s.c.exists("CONFIG.001"), status == 0 && says.startsWith("C:"));
    }

    void aReadOnlyConfigSysStaysAsItWas()
    {
        const QByteArray old = crlf({"THREADS=64"});
        Setup s(old, crlf({"THREADS=128"}));
        QVERIFY(QFile::setPermissions(s.c.path("CONFIG.SYS"), QFileDevice::ReadOwner));
        const Run r = s.run({"--install-new", "--yes", "--force"});
        QCOMPARE(r.status, 2);
        // The cause ends its sentence before the next begins.
        QVERIFY2(r.err.contains("filen er skrivebeskyttet. Ingenting er endret i C:\\CONFIG.SYS."), qPrintable(r.err));
        QCOMPARE(s.c.read("CONFIG.SYS"), old);
        QVERIFY(!s.c.exists("CONFIG.001"));
    }

    // CONFIG.SYS that is a link to another of the program's files is not
    // written through, as "Lagre" never writes one through another.
    void aConfigSysLinkedToAnotherFileIsNotWrittenThrough()
    {
        Setup s(QByteArray(), crlf({"THREADS=128"}));
        QVERIFY(QFile::remove(s.c.path("CONFIG.SYS")));
        s.c.write("STARTUP.CMD", crlf({"THREADS=64"}));
        QVERIFY(QFile::link("STARTUP.CMD", s.c.path("CONFIG.SYS")));
        const Run r = s.run({"--install-new", "--yes", "--force"});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains("Kan ikke skrive C:\\CONFIG.SYS: C:\\CONFIG.SYS og C:\\STARTUP.CMD er samme fil"),
                 qPrintable(r.err));
        QCOMPARE(s.c.read("STARTUP.CMD"), crlf({"THREADS=64"}));
        QCOMPARE(QDir(s.c.root()).entryList(QDir::Files | QDir::System).join(u' '), "CONFIG.NEW CONFIG.SYS STARTUP.CMD");
        QVERIFY(QDir(s.data.path()).isEmpty());
    }

    // Lines that are the same with other line ends: said, not shown as an
    // empty difference.
    void onlyTheLineEndsDiffer()
    {
        Setup s("LIBPATH=C:\\OS2\\DLL\nTHREADS=64\n", crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=64"}));
        s.c.write("OS2/DLL/X.DLL", "");
        const Run r = s.run({"--install-new"});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.out.contains("bare linjeskiftene er forskjellige"), qPrintable(r.out));
    }

    // Where OS/2 cannot start at all, with no CONFIG.SYS: the copies are
    // listed and one is put in place, as is CONFIG.NEW, with nothing to copy
    // first. Only on a drive that holds OS/2: a folder without an OS2 folder
    // may be a mount point with nothing mounted.
    void recoveryWithoutConfigSys_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("os2Folder");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::addColumn<QByteArray>("configSys"); // after; empty: none
        const QByteArray copy = crlf({"LIBPATH=C:\\OS2\\DLL", "REM the copy"});
        const QByteArray fresh = crlf({"LIBPATH=C:\\OS2\\DLL", "REM new"});
        QTest::newRow("--restore lists") << QStringList{"--restore"} << true << 0 << "  1  " << QByteArray();
        QTest::newRow("--restore 1") << QStringList{"--restore", "1", "--yes"} << true << 0 << "Det fantes ingen" << copy;
        QTest::newRow("--install-new") << QStringList{"--install-new", "--yes"} << true << 0 << "Det fantes ingen" << fresh;
        for (const char *step : {"--restore", "--install-new"})
            QTest::addRow("%s, no OS2 folder", step)
                << QStringList{step, "--yes"} << false << 2 << "har ingen OS2-mappe. Er OS/2-partisjonen montert der?"
                << QByteArray();
    }
    void recoveryWithoutConfigSys()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, os2Folder);
        QFETCH(int, status);
        QFETCH(QString, says);
        QFETCH(QByteArray, configSys);
        Setup s(QByteArray(), crlf({"LIBPATH=C:\\OS2\\DLL", "REM new"}));
        QVERIFY(QFile::remove(s.c.path("CONFIG.SYS")));
        s.c.write("CONFIG.BAK", crlf({"LIBPATH=C:\\OS2\\DLL", "REM the copy"}));
        if (os2Folder)
            s.c.write("OS2/DLL/X.DLL", "");
        const Run r = s.run(args);
        QCOMPARE(r.status, status);
        QVERIFY2((r.out + r.err).contains(says), qPrintable(r.out + r.err));
        QCOMPARE(s.c.exists("CONFIG.SYS"), !configSys.isEmpty());
        QCOMPARE(s.c.read("CONFIG.SYS"), configSys);
        QVERIFY(!s.c.exists("CONFIG.001"));
        QVERIFY(QDir(s.data.path()).isEmpty());
    }

    // A copy that cannot be read hides none of the others: those that can are
    // numbered, newest first; the others follow, unnumbered, with their cause.
    void copiesThatCannotBeRead()
    {
        QTemporaryDir outside;
        Setup s(crlf({"LIBPATH=C:\\OS2\\DLL"}), std::nullopt);
        s.c.write("OS2/DLL/X.DLL", "");
        s.c.write("CONFIG.007", crlf({"LIBPATH=C:\\OS2\\DLL", "REM 7"}));
        s.c.write("OS2/ARCHIVES/2/CONFIG.SYS", crlf({"LIBPATH=C:\\OS2\\DLL", "REM archive"}));
        QVERIFY(QFile::link(outside.path() + "/x", s.c.path("CONFIG.BAK")));
        QVERIFY(QDir(s.c.root()).mkpath("OS2/INSTALL"));
        QVERIFY(QFile::link("NONE.SYS", s.c.path("OS2/INSTALL/CONFIG.SYS")));
        QVERIFY(QFile::link(outside.path(), s.c.path("OS2/ARCHIVES/3")));
        QVERIFY(QDir(s.c.root()).mkdir("CONFIG.008"));
        const Run list = s.run({"--restore"});
        QCOMPARE(list.status, 0);
        QStringList rows = list.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 9);
        QVERIFY2(rows[1].startsWith("  1  ") && rows[2].startsWith("  2  "), qPrintable(list.out));
        QVERIFY2(QSet<QString>({rows[1].section("  ", 3, 3), rows[2].section("  ", 3, 3)})
                     == QSet<QString>({"C:\\CONFIG.007", "C:\\OS2\\ARCHIVES\\2\\CONFIG.SYS"}),
                 qPrintable(list.out));
        QCOMPARE(rows[3], "Disse kan ikke leses, og kan ikke legges på plass:");
        QStringList unreadable = rows.mid(4, 4);
        unreadable.sort();
        QCOMPARE(unreadable, (QStringList{
                                 "  –  C:\\CONFIG.008  (tidligere CONFIG.SYS) kan ikke leses: det er en mappe, ikke en fil",
                                 "  –  C:\\CONFIG.BAK  (reservekopi) kan ikke leses: fører ut av stasjonen C: (til "
                                     + outside.path() + "/x)",
                                 "  –  C:\\OS2\\ARCHIVES\\3\\CONFIG.SYS  (OS/2s skrivebordsarkiv) kan ikke leses: "
                                 "fører ut av stasjonen C: (til " + outside.path() + "/CONFIG.SYS)",
                                 "  –  C:\\OS2\\INSTALL\\CONFIG.SYS  (OS/2s installasjon, Alt+F1) kan ikke leses: "
                                 "filen finnes ikke",
                             }));
        // No number leads to one that cannot be read.
        QCOMPARE(s.run({"--restore", "3", "--yes"}).status, 2);
        const Run back = s.run({"--restore", "2", "--yes"});
        QCOMPARE(back.status, 0);
        QVERIFY(s.c.exists("CONFIG.001"));
    }

    void restoreListsAndPutsBack()
    {
        const QByteArray first = edited(fixture("vbox-cid.config.sys"));
        Setup s(fixture("vbox-cid.config.sys"), first);
        QCOMPARE(s.run({"--install-new", "--yes", "--force"}).status, 0);
        const Run list = s.run({"--restore"});
        QCOMPARE(list.status, 0);
        QVERIFY2(list.out.contains("  1  ") && list.out.contains("C:\\CONFIG.001") && list.out.contains("os2setups kopi"),
                 qPrintable(list.out));
        // Back to the copy beside CONFIG.SYS: today's goes to CONFIG.002 first.
        const int row = list.out.section(u'\n', 1, 1).contains("CONFIG.001") ? 1 : 2;
        const Run back = s.run({"--restore", QString::number(row), "--yes", "--force"});
        QCOMPARE(back.status, 0);
        QCOMPARE(s.c.read("CONFIG.SYS"), fixture("vbox-cid.config.sys"));
        QCOMPARE(s.c.read("CONFIG.002"), first);
        const Run wrong = s.run({"--restore", "99", "--yes"});
        QCOMPARE(wrong.status, 2);
        QVERIFY(wrong.err.contains("ingen kopi"));
    }

    // Every kind of copy can be put back, today's CONFIG.SYS kept first.
    void restoreEachKind_data()
    {
        QTest::addColumn<QString>("where"); // where the copy lies on the drive; "saved": the data folder
        QTest::addColumn<QString>("listed");
        QTest::newRow("CONFIG.nnn") << "config.007" << "C:\\CONFIG.007";
        QTest::newRow("CONFIG.BAK") << "CONFIG.BAK" << "C:\\CONFIG.BAK";
        QTest::newRow("desktop archive") << "OS2/ARCHIVES/3/CONFIG.SYS" << "C:\\OS2\\ARCHIVES\\3\\CONFIG.SYS";
        QTest::newRow("installer's") << "OS2/INSTALL/CONFIG.SYS" << "C:\\OS2\\INSTALL\\CONFIG.SYS";
        QTest::newRow("the program's own") << "saved" << "os2setups kopi";
    }
    void restoreEachKind()
    {
        QFETCH(QString, where);
        QFETCH(QString, listed);
        const QByteArray today = fixture("ecs-thinkpad.config.sys");
        const QByteArray copy = edited(today);
        Setup s(today, std::nullopt);
        if (where == "saved") {
            const QString folder = configcopies::savedFolder(s.data.path(), s.c.map(), u'C');
            QVERIFY(QDir().mkpath(folder));
            QFile f(folder + "/CONFIG.SYS-20261201-120000");
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(copy) == copy.size());
        } else {
            s.c.write(where, copy);
        }
        const Run list = s.run({"--restore"});
        QCOMPARE(list.status, 0);
        const QStringList rows = list.out.split(u'\n').filter(listed);
        QCOMPARE(rows.size(), 1);
        QVERIFY2(rows.first().contains("1 linje forskjellig"), qPrintable(rows.first()));
        const QString number = rows.first().trimmed().section(u' ', 0, 0);
        const Run back = s.run({"--restore", number, "--yes", "--force"});
        QCOMPARE(back.status, 0);
        QCOMPARE(s.c.read("CONFIG.SYS"), copy);
        QCOMPARE(s.c.read("CONFIG.001"), today);
    }

    // The program's own copies go to the user's data folder: without HOME,
    // in the home folder the password database gives; without that either,
    // the step is refused before anything is written, naming HOME.
    void theDataFolder_data()
    {
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QString>("passwd"); // the home folder the password database gives
        QTest::addColumn<QString>("folder");
        QTest::newRow("HOME") << QStringList{"HOME=/home/kari"} << "/home/per" << "/home/kari/.local/share/os2setup";
        QTest::newRow("XDG_DATA_HOME") << QStringList{"HOME=/home/kari", "XDG_DATA_HOME=/data"} << ""
                                       << "/data/os2setup";
        QTest::newRow("a relative XDG_DATA_HOME") << QStringList{"HOME=/home/kari", "XDG_DATA_HOME=data"} << ""
                                                  << "/home/kari/.local/share/os2setup";
        QTest::newRow("no HOME") << QStringList{} << "/root" << "/root/.local/share/os2setup";
        QTest::newRow("HOME empty, home the root") << QStringList{"HOME="} << "/" << "/.local/share/os2setup";
        QTest::newRow("no HOME, no home") << QStringList{} << "" << "";
    }
    void theDataFolder()
    {
        QFETCH(QStringList, variables);
        QFETCH(QString, passwd);
        QFETCH(QString, folder);
        QProcessEnvironment environment(QProcessEnvironment::InheritFromParent);
        environment.clear();
        for (const QString &v : variables)
            environment.insert(v.section(u'=', 0, 0), v.section(u'=', 1));
        QCOMPARE(installstep::dataFolder(environment, [&passwd] { return passwd; }), folder);
    }
    void noDataFolderRefusesBeforeWriting()
    {
        Setup s(crlf({"THREADS=64"}), crlf({"THREADS=128"}));
        QStringList arguments{"os2setup", "--drive", "C=" + s.c.root(), "--install-new", "--yes", "--force"};
        Terminal t;
        t.out = std::tmpfile();
        t.err = std::tmpfile();
        t.in = std::tmpfile();
        const QSettings settings(s.settingsFile.fileName(), QSettings::IniFormat);
        QCOMPARE(runInstallNew(parseCommandLine(arguments), QProcessEnvironment(), settings, QString(), t), 2);
        const QString err = readWhole(t.err);
        for (std::FILE *f : {t.in, t.out, t.err})
            std::fclose(f);
        QVERIFY2(err.contains("miljøvariabelen HOME er ikke satt") && err.contains("Ingenting er endret"), qPrintable(err));
        QCOMPARE(QDir(s.c.root()).entryList(QDir::Files).join(u' '), "CONFIG.NEW CONFIG.SYS");
        QCOMPARE(s.c.read("CONFIG.SYS"), crlf({"THREADS=64"}));
    }

    // The built program wires the options to these steps.
    void throughTheProgram()
    {
        Setup s(crlf({"THREADS=64"}), crlf({"THREADS=128"}));
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", s.data.path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(OS2SETUP_BINARY), {"--install-new", "--yes", "--force", "--drive", "C=" + s.c.root()});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(s.c.read("CONFIG.SYS"), crlf({"THREADS=128"}));
        QVERIFY(!QDir(s.data.path() + "/.local/share/os2setup/backups").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestInstallCommand)
#include "tst_install_command.moc"
