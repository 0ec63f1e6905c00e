// The command line: options, files, the toolkit's own options, and the exits
// of the real program without a display.
#include "app/command_line.h"
#include "app/qt_translation.h"
#include "app/version.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using Action = CommandLine::Action;

namespace {

CommandLine parse(const QStringList &arguments)
{
    return parseCommandLine(QStringList{QStringLiteral("os2setup")} + arguments);
}

QString drivesOf(const CommandLine &result)
{
    QStringList out;
    for (const DriveOption &drive : result.drives)
        out << QString(drive.letter) + u'=' + drive.folder;
    return out.join(u' ');
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void opensTheWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("drives");
        QTest::addColumn<bool>("chooseDrive");
        QTest::newRow("nothing") << QStringList{} << QStringList{} << "" << false;
        QTest::newRow("one file") << QStringList{"D:\\TEST\\CONFIG.SYS"} << QStringList{"D:\\TEST\\CONFIG.SYS"} << ""
                                  << false;
        QTest::newRow("two files stay two") << QStringList{"a", "b"} << QStringList{"a", "b"} << "" << false;
        QTest::newRow("drives in order, lower case letter")
            << QStringList{"--drive", "C=/mnt/os2", "--drive=d=/mnt/d", "x"} << QStringList{"x"}
            << "C=/mnt/os2 D=/mnt/d" << false;
        QTest::newRow("relative folder made absolute")
            << QStringList{"--drive", "C=os2/../os2"} << QStringList{} << "C=" + QDir::currentPath() + "/os2" << false;
        QTest::newRow("choose drive") << QStringList{"--choose-drive"} << QStringList{} << "" << true;
        QTest::newRow("a file after --") << QStringList{"--", "-odd"} << QStringList{"-odd"} << "" << false;
        // The toolkit's options, with their values, are never files.
        QTest::newRow("toolkit options")
            << QStringList{"-style", "Fusion", "-reverse", "-platform", "offscreen", "-stylesheet", "a.qss",
                           "-widgetcount", "-qwindowgeometry", "100x100", "-session", "s1", "-display", ":1",
                           "C:\\CONFIG.SYS", "--style=Windows", "-geometry", "1x1", "-title", "t", "-name", "n"}
            << QStringList{"C:\\CONFIG.SYS"} << "" << false;
        QTest::newRow("toolkit value that looks like a file")
            << QStringList{"-platformtheme", "gtk3", "-qwindowtitle", "X", "-plugin", "evdev", "F"}
            << QStringList{"F"} << "" << false;
    }
    void opensTheWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, files);
        QFETCH(QString, drives);
        QFETCH(bool, chooseDrive);
        const CommandLine result = parse(arguments);
        QCOMPARE(result.action, Action::OpenWindow);
        QCOMPARE(result.files, files);
        QCOMPARE(drivesOf(result), drives);
        QCOMPARE(result.chooseDrive, chooseDrive);
    }

    void endsWithoutWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("text");
        QTest::newRow("-h") << QStringList{"-h"} << Action::ShowHelp << "Bruk: os2setup";
        QTest::newRow("--help among others") << QStringList{"x", "--drive", "C=/a", "--help"} << Action::ShowHelp
                                             << "Bruk: os2setup";
        QTest::newRow("help wins over version and a bad drive")
            << QStringList{"--drive", "bad", "-v", "--help"} << Action::ShowHelp << "Bruk: os2setup";
        QTest::newRow("-v") << QStringList{"-v"} << Action::ShowVersion << "os2setup " OS2SETUP_VERSION "\n";
        QTest::newRow("--version") << QStringList{"-style", "x", "--version"} << Action::ShowVersion
                                   << "os2setup " OS2SETUP_VERSION "\n";
        QTest::newRow("unknown long") << QStringList{"--bogus"} << Action::Fail << "ukjent valg «--bogus»";
        QTest::newRow("unknown short") << QStringList{"-x", "F"} << Action::Fail << "ukjent valg «-x»";
        QTest::newRow("not a toolkit option on Qt 6") << QStringList{"-sync"} << Action::Fail << "ukjent valg «-sync»";
        QTest::newRow("missing value") << QStringList{"--drive"} << Action::Fail << "«--drive» mangler en verdi";
        QTest::newRow("value where none is taken")
            << QStringList{"--choose-drive=yes"} << Action::Fail << "«--choose-drive» tar ingen verdi";
        QTest::newRow("no equals sign") << QStringList{"--drive", "C:/mnt"} << Action::Fail << "«--drive C:/mnt»";
        QTest::newRow("no folder") << QStringList{"--drive", "C="} << Action::Fail << "X=MAPPE";
        QTest::newRow("not a letter") << QStringList{"--drive", "1=/mnt"} << Action::Fail << "X=MAPPE";
        QTest::newRow("two letters") << QStringList{"--drive", "CD=/mnt"} << Action::Fail << "X=MAPPE";
        QTest::newRow("letter beyond Z") << QStringList{"--drive", "Å=/mnt"} << Action::Fail << "X=MAPPE";
        QTest::newRow("boot drive not a letter") << QStringList{"--boot-drive", "1"} << Action::Fail << "«--boot-drive 1» er ingen stasjonsbokstav";
        QTest::newRow("boot drive, two letters") << QStringList{"--boot-drive=CD"} << Action::Fail << "«--boot-drive CD»";
        QTest::newRow("a letter that upper-cases to I") << QStringList{"--drive", "ı=/mnt"} << Action::Fail << "X=MAPPE";
        QTest::newRow("a boot drive that upper-cases to I") << QStringList{"--boot-drive", "ı"} << Action::Fail << "«--boot-drive ı» er ingen stasjonsbokstav";
        QTest::newRow("--key without its task") << QStringList{"--key", "K"} << Action::Fail << "«--key» gis bare sammen";
        QTest::newRow("--key with --untry") << QStringList{"--untry", "K", "--key", "L"} << Action::Fail << "«--key» gis bare sammen";
        QTest::newRow("an empty key") << QStringList{"--try-new", "--key="} << Action::Fail << "tasten er én bokstav";
        QTest::newRow("--untry, two letters") << QStringList{"--untry", "KL"} << Action::Fail << "«--untry KL»";
        QTest::newRow("--tries in the window") << QStringList{"--window", "--tries"} << Action::Fail << "«--window» gjelder bare";
        QTest::newRow("a try and a restore") << QStringList{"--try-new", "--restore"} << Action::Fail << "kan ikke gis sammen";
    }
    void endsWithoutWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(QString, text);
        const CommandLine result = parse(arguments);
        QCOMPARE(result.action, action);
        QVERIFY2(result.text.contains(text), qPrintable(result.text));
        QVERIFY(result.text.endsWith(u'\n'));
        if (action == Action::Fail)
            QCOMPARE(result.text.count(u'\n'), 1);
    }

    void bootDrive()
    {
        QCOMPARE(parse({"--check", "--boot-drive", "e"}).bootDrive, QChar(u'E'));
        QCOMPARE(parse({"--boot-drive=A:", "x"}).bootDrive, QChar(u'A'));
        QCOMPARE(parse({"x"}).bootDrive, QChar());
    }

    // Qt's translation changes the parser's error texts, never the program's
    // own: each error is told from the arguments, in Norwegian as always.
    void errorsUnderQtsTranslation_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("text");
        QTest::newRow("missing value") << QStringList{"x", "--drive"} << "valget «--drive» mangler en verdi.";
        QTest::newRow("missing value, one dash") << QStringList{"-drive"} << "valget «-drive» mangler en verdi.";
        QTest::newRow("a toolkit option's missing value") << QStringList{"-style"} << "valget «-style» mangler en verdi.";
        QTest::newRow("value where none is taken")
            << QStringList{"--drive", "C=/a", "--check=yes"} << "valget «--check» tar ingen verdi.";
        QTest::newRow("a value that looks like an option is a value")
            << QStringList{"--drive", "--help=x", "-reverse=1"} << "valget «-reverse» tar ingen verdi.";
        QTest::newRow("after --, nothing is an option") << QStringList{"-v=1", "--", "--drive"}
                                                          << "valget «-v» tar ingen verdi.";
    }
    void errorsUnderQtsTranslation()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, text);
        QCoreApplication &app = *QCoreApplication::instance();
        QVERIFY2(!installQtTranslation(app).isEmpty(), "Qt's Norwegian translation (qt6-translations-l10n) is missing");
        const auto uninstall = qScopeGuard([&] {
            for (QTranslator *translator : app.findChildren<QTranslator *>()) {
                QCoreApplication::removeTranslator(translator);
                delete translator;
            }
        });
        // The parser's English text is not what the translation shows.
        QVERIFY(QCoreApplication::translate("QCommandLineParser", "Missing value after '%1'.")
                != QLatin1String("Missing value after '%1'."));
        const CommandLine result = parse(arguments);
        QCOMPARE(result.action, Action::Fail);
        QCOMPARE(result.text, "os2setup: " + text + " Se «os2setup --help».\n");
    }

    // --install-new and --restore with what goes with them; one task at a time.
    void installAndRestore()
    {
        const CommandLine install = parse({"--install-new", "--yes", "--force", "--drive", "C=/mnt"});
        QCOMPARE(install.action, Action::InstallNew);
        QVERIFY(install.yes && install.force && !install.inWindow);
        QCOMPARE(install.drives.size(), 1);
        const CommandLine restore = parse({"--restore", "3"});
        QCOMPARE(restore.action, Action::Restore);
        QCOMPARE(restore.files, QStringList{"3"});
        QVERIFY(!restore.yes && !restore.force);
        const CommandLine menu = parse({"--window", "--restore"});
        QCOMPARE(menu.action, Action::Restore);
        QVERIFY(menu.inWindow);
        for (const QStringList &both : {QStringList{"--check", "--install-new"}, QStringList{"--restore", "--install-new"}}) {
            const CommandLine result = parse(both);
            QCOMPARE(result.action, Action::Fail);
            QVERIFY2(result.text.contains("kan ikke gis sammen"), qPrintable(result.text));
        }
    }

    void helpNamesEveryOption()
    {
        const QString help = parse({"--help"}).text;
        for (const char *option : {"-h, --help", "-v, --version", "--check", "--drive X=MAPPE", "--boot-drive X", "--choose-drive",
                                   "--install-new", "--restore", "--yes", "--force", "--window", "--try-new", "--key X",
                                   "--tries", "--untry X"})
            QVERIFY2(help.contains(QLatin1String(option)), option);
        QVERIFY(!help.contains("-stylesheet"));
    }

    // The built program, with no display to connect to: these exits come
    // before any window system is touched.
    void programExits_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--choose-drive" << "";
        QTest::newRow("version") << QStringList{"-v"} << 0 << "os2setup " OS2SETUP_VERSION "\n" << "";
        QTest::newRow("version after toolkit options")
            << QStringList{"-platform", "xcb", "-reverse", "--version"} << 0 << "os2setup " OS2SETUP_VERSION "\n"
            << "";
        QTest::newRow("unknown option") << QStringList{"-style", "Fusion", "--nope", "F"} << 2 << ""
                                        << "os2setup: ukjent valg «--nope». Se «os2setup --help».\n";
        QTest::newRow("bad drive") << QStringList{"--drive", "C"} << 2 << "" << "«--drive C»";
        // The window wants a screen: one line, never the toolkit's abort.
        QTest::newRow("no display") << QStringList{"--drive", "C=/tmp"} << 3 << ""
                                    << "os2setup: finner ingen skjerm (DISPLAY/WAYLAND_DISPLAY er ikke satt); "
                                       "bruk --check for en sjekk uten vindu\n";
        QTest::newRow("a platform that cannot start")
            << QStringList{"-platform", "ingen-slik"} << 3 << ""
            << "os2setup: finner ingen skjerm (plattformen «ingen-slik» kunne ikke startes); bruk --check for en sjekk uten vindu\n";
    }
    void programExits()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(OS2SETUP_BINARY), arguments);
        QVERIFY(program.waitForFinished(-1));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        const QString stdOut = QString::fromUtf8(program.readAllStandardOutput());
        const QString stdErr = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitCode(), status);
        QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.contains(out), qPrintable(stdOut));
        QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.contains(err), qPrintable(stdErr));
        if (!err.isEmpty())
            QCOMPARE(stdErr.count(u'\n'), 1);
    }

    // "--check" on a copy of the example drive: nothing missing is status 0,
    // so are warnings and names not checked; a missing file or one that stops
    // the boot is 1, a file or a drive that cannot be read 2. "%1" in an
    // argument is the drive's folder.
    void checkWithoutWindow_data()
    {
        QTest::addColumn<QString>("change"); // a file removed, or a folder when it ends in '/'
        QTest::addColumn<QString>("added");  // a line added to CONFIG.SYS
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString counts = QStringLiteral("98 navn sjekket: %1 stopper oppstarten, %2 mangler, %3, %4 ikke sjekket "
                                              "(oppstartsstasjon %5:)\n");
        QTest::newRow("nothing missing") << "" << "" << QStringList{} << 0 << counts.arg("0", "0", "0 advarsler", "0", "C") << "";
        QTest::newRow("a driver removed") << "OS2/BOOT/IBMKBD.SYS" << "" << QStringList{} << 1
                                          << "Linje 22: BASEDEV=IBMKBD.SYS – finner ikke IBMKBD.SYS\n"
                                             + counts.arg("0", "1", "0 advarsler", "0", "C") << "";
        QTest::newRow("the country file removed") << "OS2/SYSTEM/COUNTRY.SYS" << "" << QStringList{} << 1
                                                  << "Linje 40: COUNTRY=047,C:\\OS2\\SYSTEM\\COUNTRY.SYS – stopper oppstarten: finner ikke C:\\OS2\\SYSTEM\\COUNTRY.SYS\n"
                                                     + counts.arg("1", "0", "0 advarsler", "0", "C") << "";
        QTest::newRow("a statement misspelt") << "" << "BASDEV=IBMKBD.SYS" << QStringList{} << 1
                                              << "Linje 129: BASDEV=IBMKBD.SYS – OS/2 kjenner ikke setningen BASDEV\n"
                                                 + counts.arg("0", "1", "0 advarsler", "0", "C") << "";
        QTest::newRow("a value OS/2 does not take") << "" << "THREADS=5000" << QStringList{} << 1
                                                    << "Linje 129: THREADS=5000 – OS/2 godtar ikke verdien 5000 (et helt tall, høyst 4095)\n"
                                                       + counts.arg("0", "1", "0 advarsler", "0", "C") << "";
        QTest::newRow("a folder twice") << "" << "SET PATH=C:\\OS2;C:\\OS2\\" << QStringList{} << 0
                                        << "Linje 129: SET PATH=C:\\OS2;C:\\OS2\\ – advarsel: mappen C:\\OS2\\ står to ganger\n"
                                           + counts.arg("0", "0", "1 advarsel", "0", "C").replace("98 navn", "100 navn") << "";
        QTest::newRow("the ArcaOS drive") << "" << "" << QStringList{"--drive", "C=" OS2SETUP_EXAMPLES "/arcaos-c"} << 0
                                          << counts.arg("0", "0", "0 advarsler", "0", "C").replace("98 navn", "102 navn") << "";
        QTest::newRow("only a warning") << "OS2/BITMAP/" << "" << QStringList{} << 0
                                        << "Linje 16: SET DPATH=C:\\OS2;C:\\OS2\\SYSTEM;C:\\MPTN;C:\\TCPIP\\BIN;C:\\IBMLAN;C:\\IBMCOM;C:\\OS2\\MDOS\\WINOS2;C:\\OS2\\INSTALL;C:\\;C:\\OS2\\BITMAP;C:\\OS2\\MDOS;C:\\OS2\\APPS;C:\\MMOS2; – advarsel: finner ikke mappen C:\\OS2\\BITMAP\n"
                                           + counts.arg("0", "0", "1 advarsel", "0", "C") << "";
        QTest::newRow("only a name not checked") << "" << "DEVICE=Q:\\X.SYS" << QStringList{} << 0
                                                 << "Linje 129: DEVICE=Q:\\X.SYS – ikke sjekket: stasjonen til Q:\\X.SYS er ikke koblet til noen mappe\n"
                                                    + counts.arg("0", "0", "0 advarsler", "1", "C").replace("98 navn", "99 navn") << "";
        QTest::newRow("host path booted from E:") << "" << "" << QStringList{"--drive", "E=%1", "--boot-drive", "E", "%1/CONFIG.SYS"}
                                                  << 0 << counts.arg("0", "0", "0 advarsler", "0", "E") << "";
        QTest::newRow("the file named, other drive unmapped") << "" << "" << QStringList{"X:\\CONFIG.SYS"} << 2 << ""
                                                              << "os2setup: X:\\CONFIG.SYS: stasjon X: er ikke koblet";
        QTest::newRow("a drive mapped to nothing") << "" << "DEVICE=D:\\X.SYS" << QStringList{"--drive", "D=%1/gone"} << 2 << ""
                                                   << "os2setup: Kan ikke sjekke D:\\: mappen %1/gone til stasjon D: finnes ikke\n";
        QTest::newRow("no CONFIG.SYS") << "CONFIG.SYS" << "" << QStringList{} << 2 << "" << "os2setup: Kan ikke lese C:\\CONFIG.SYS";
    }
    void checkWithoutWindow()
    {
        QFETCH(QString, change);
        QFETCH(QString, added);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir drive, home;
        QCOMPARE(QProcess::execute("cp", {"-R", QStringLiteral(OS2SETUP_EXAMPLE_DRIVE "/."), drive.path()}), 0);
        if (change.endsWith(u'/'))
            QVERIFY(QDir(drive.filePath(change)).removeRecursively());
        else if (!change.isEmpty())
            QVERIFY(QFile::remove(drive.filePath(change)));
        if (!added.isEmpty()) {
            QFile config(drive.filePath("CONFIG.SYS"));
            QVERIFY(config.open(QIODevice::Append));
            config.write(added.toLatin1() + "\r\n");
        }
        arguments.replaceInStrings("%1", drive.path());
        err.replace("%1", drive.path());
        QProcess program;
        QProcessEnvironment environment;
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.path());
        environment.insert("OS2SETUP_DRIVE_C", drive.path());
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(OS2SETUP_BINARY), QStringList{"--check"} + arguments);
        QVERIFY(program.waitForFinished(-1));
        const QString stdOut = QString::fromUtf8(program.readAllStandardOutput());
        const QString stdErr = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitCode(), status);
        QCOMPARE(stdOut, out);
        QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.startsWith(err), qPrintable(stdErr));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
