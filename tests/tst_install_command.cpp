// "os2setup --install-new" and "--restore" on temporary drives: what is
// printed, what is asked, the statuses, and the bytes of CONFIG.SYS.
#include "test_support.h"

#include "app/install_command.h"
#include "platform/config_copies.h"

#include <QDir>
#include <QProcess>
#include <QFile>
#include <QSettings>
#include <QTemporaryFile>

#include <pty.h>
#include <unistd.h>

namespace {

// What a run printed, and its status.
struct Run
{
    int status = -1;
    QString out;
    QString err;
};

QString readAll(std::FILE *f)
{
    std::rewind(f);
    QByteArray bytes;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, f))
        bytes.append(buffer, static_cast<qsizetype>(n));
    return QString::fromLocal8Bit(bytes);
}

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
        r.out = readAll(t.out);
        r.err = readAll(t.err);
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
        QVERIFY2(r.err.contains("skrivebeskyttet") && r.err.contains("Ingenting er endret"), qPrintable(r.err));
        QCOMPARE(s.c.read("CONFIG.SYS"), old);
        QVERIFY(!s.c.exists("CONFIG.001"));
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
