// Every button that writes, on links out of the drive and between the
// program's own files, on a drive that changed under the window, and the
// causes it tells with Qt's Norwegian translation loaded.
#include "test_support.h"

#include "app/qt_translation.h"
#include "platform/file_error.h"
#include "workspace/file_gate.h"

#include <QLabel>
#include <QProcess>
#include <QScopeGuard>

#include <sys/resource.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

Q_DECLARE_METATYPE(FileError::Kind)

namespace {

// What a side-file button's page and memo are.
struct Button
{
    PageId page;
    QString memo;
};

Button buttonOf(const QString &name)
{
    if (name.contains("Startup"))
        return {PageId::Oppstart, "StartupMemo"};
    if (name.contains("Autoexec"))
        return {PageId::Dos, "autoexecmemo"};
    return {PageId::Fil, QString()};
}

} // namespace

class TestWriteSafety : public QObject
{
    Q_OBJECT

private slots:
    // The whole program runs here with Qt's Norwegian translation, which
    // changes Qt's own texts of system errors.
    void initTestCase()
    {
        QVERIFY2(!installQtTranslation(*QCoreApplication::instance()).isEmpty(),
                 "Qt's Norwegian translation (qt6-translations-l10n) is missing");
        QVERIFY(QCoreApplication::translate("QIODevice", "No such file or directory")
                != QLatin1String("No such file or directory"));
    }

    // Each button that writes or deletes, on a name that leads out of the
    // drive or to another of the program's files: refused by name, and not
    // a byte changes, on the drive or outside it. A link that stays on the
    // drive and leads to none of them is followed as before.
    void linksOnEveryButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("files"); // OUT stands for a folder outside the drive
        QTest::addColumn<QString>("refusal");   // empty: the step succeeds
        QTest::addColumn<QStringList>("after"); // for a step that succeeds: entries there, "!name" gone
        const QString out = "fører ut av stasjonen C:";
        const QString same = "er samme fil (gjennom en lenke)";
        const QString read = "det er filen som ble lest inn (C:\\CONFIG.SYS)";
        const auto row = [](const char *name, const char *button, const QStringList &files, const QString &refusal,
                            const QStringList &after = {}) {
            QTest::newRow(name) << QString::fromLatin1(button) << files << refusal << after;
        };
        row("Lagre: CONFIG.NEW a link out", "SaveKnapp", {"CONFIG.NEW->OUT/file"}, out);
        row("Lagre: CONFIG.NEW a dangling link out", "SaveKnapp", {"CONFIG.NEW->OUT/none"}, out);
        row("Lagre: CONFIG.NEW a link to STARTUP.CMD", "SaveKnapp", {"STARTUP.CMD=EXIT", "CONFIG.NEW->STARTUP.CMD"},
            same);
        row("Lagre: CONFIG.NEW a dangling link to autoexec.bat", "SaveKnapp", {"CONFIG.NEW->autoexec.bat"}, same);
        row("Lagre: CONFIG.NEW a link within the drive", "SaveKnapp", {"OS2/MINE.TXT=old", "CONFIG.NEW->OS2/MINE.TXT"},
            "", {"CONFIG.NEW -> OS2/MINE.TXT", "OS2/MINE.TXT: THREADS=64\r\n"});
        row("STARTUP.CMD Ny: a link out", "NyStartupKnapp", {"STARTUP.CMD->OUT/file"}, out);
        row("STARTUP.CMD Ny: a dangling link to CONFIG.NEW", "NyStartupKnapp", {"STARTUP.CMD->CONFIG.NEW"}, same);
        row("STARTUP.CMD Lagre: a dangling link out", "LagreStartupKnapp", {"STARTUP.CMD->OUT/none"}, out);
        row("STARTUP.CMD Lagre: a hard link to AUTOEXEC.BAT", "LagreStartupKnapp",
            {"AUTOEXEC.BAT=REM", "STARTUP.CMD=>AUTOEXEC.BAT"}, same);
        row("STARTUP.CMD Slett: a link to the file read", "SlettStartupKnapp", {"STARTUP.CMD->CONFIG.SYS"}, read);
        row("STARTUP.CMD Slett: a link to AUTOEXEC.BAK", "SlettStartupKnapp",
            {"AUTOEXEC.BAK=REM", "STARTUP.CMD->AUTOEXEC.BAK"}, same);
        row("AUTOEXEC.BAT Ny: a link out", "NyAutoexecKnapp", {"AUTOEXEC.BAT->OUT/file"}, out);
        row("AUTOEXEC.BAT Lagre: a dangling link to STARTUP.CMD", "LagreAutoexecKnapp", {"AUTOEXEC.BAT->STARTUP.CMD"},
            same);
        row("AUTOEXEC.BAT Lagre: a link out", "LagreAutoexecKnapp", {"AUTOEXEC.BAT->OUT/file"}, out);
        row("AUTOEXEC.BAT Slett: AUTOEXEC.BAK a link to it", "SlettAutoexecKnapp",
            {"AUTOEXEC.BAT=REM x", "AUTOEXEC.BAK->AUTOEXEC.BAT"}, same);
        row("AUTOEXEC.BAT Slett: AUTOEXEC.BAK a link out", "SlettAutoexecKnapp",
            {"AUTOEXEC.BAT=REM x", "AUTOEXEC.BAK->OUT/file"}, out);
        row("AUTOEXEC.BAT Slett: AUTOEXEC.BAK a dangling link out", "SlettAutoexecKnapp",
            {"AUTOEXEC.BAT=REM x", "AUTOEXEC.BAK->OUT/none"}, out);
        row("AUTOEXEC.BAT Slett: AUTOEXEC.BAK a hard link to CONFIG.NEW", "SlettAutoexecKnapp",
            {"CONFIG.NEW=REM", "AUTOEXEC.BAT=REM x", "AUTOEXEC.BAK=>CONFIG.NEW"}, same);
        row("AUTOEXEC.BAT Slett: a link within the drive", "SlettAutoexecKnapp",
            {"OS2/A.BAT=REM a", "AUTOEXEC.BAT->OS2/A.BAT"}, "",
            {"!AUTOEXEC.BAT", "OS2/A.BAT: REM a\r\n", "AUTOEXEC.BAK: REM a\r\n"});
    }
    void linksOnEveryButton()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, files);
        QFETCH(QString, refusal);
        QFETCH(QStringList, after);
        QTemporaryDir outside;
        QFile outsideFile(outside.filePath("file"));
        QVERIFY(outsideFile.open(QIODevice::WriteOnly) && outsideFile.write("OUTSIDE\r\n") == 9);
        outsideFile.close();
        files.replaceInStrings("->OUT/", "->" + outside.path() + u'/');

        const Button where = buttonOf(button);
        WindowOnDrive t({"THREADS=64"}, where.page, files);
        if (button.startsWith("Lagre") && !where.memo.isEmpty())
            typeText(t.get(where.memo), "REM ny");
        QVERIFY2(t.isEnabled(button), qPrintable(button)); // else the press proves nothing
        const QStringList before = snapshot(t.c.root()) + snapshot(outside.path());
        const qsizetype reported = t.errors.messages().size();
        t.press(button);
        const QStringList messages = t.errors.messages().mid(reported);
        if (refusal.isEmpty()) {
            QCOMPARE(messages, QStringList{});
            const QStringList now = snapshot(t.c.root());
            for (const QString &entry : after) {
                if (entry.startsWith(u'!'))
                    QVERIFY2(!now.join(u'\n').contains(entry.mid(1)), qPrintable(now.join(u'|')));
                else
                    QVERIFY2(now.contains(entry), qPrintable(now.join(u'|')));
            }
            QCOMPARE(snapshot(outside.path()), QStringList{"file: OUTSIDE\r\n"});
        } else {
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages.first().startsWith(button.startsWith("Slett") ? "Kan ikke " : "Kan ikke skrive C:\\")
                         && messages.first().contains(refusal),
                     qPrintable(messages.first()));
            QCOMPARE(snapshot(t.c.root()) + snapshot(outside.path()), before);
        }
    }

    // The gate itself, without the buttons that check before they call it:
    // a delete of the file read through a link, or on a drive folder that was
    // replaced, is refused and deletes nothing.
    void theFileGateRefusesADeleteItself_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<FileError::Kind>("kind");
        QTest::newRow("a link to the file read") << "link" << FileError::Kind::ProgramFile;
        QTest::newRow("the drive's folder replaced") << "folder" << FileError::Kind::DriveChanged;
    }
    void theFileGateRefusesADeleteItself()
    {
        QFETCH(QString, change);
        QFETCH(FileError::Kind, kind);
        TestDrive top;
        top.write("c/CONFIG.SYS", crlf({"THREADS=64"}));
        top.write("c/AUTOEXEC.BAT", crlf({"REM"}));
        QVERIFY(QFile::link("CONFIG.SYS", top.path("c/STARTUP.CMD")));
        DriveMap drives;
        drives.setDrive(u'C', top.path("c"));
        FileGate gate(drives, "C:\\CONFIG.SYS");
        gate.readConfigFile({});
        QString target = "C:\\STARTUP.CMD";
        if (change == "folder") {
            QVERIFY(QDir(top.root()).rename("c", "c-earlier"));
            top.write("c/AUTOEXEC.BAT", crlf({"REM"}));
            target = "C:\\AUTOEXEC.BAT";
        }
        const QStringList before = snapshot(top.root());
        try {
            gate.removeFile(target);
            QFAIL("deleted");
        } catch (const FileError &e) {
            QCOMPARE(e.kind(), kind);
            QVERIFY2(e.message().startsWith("Kan ikke slette " + target), qPrintable(e.message()));
        }
        QCOMPARE(snapshot(top.root()), before);
    }

    // The drive's folder unmounted, covered by another file system, or
    // replaced after "Hent": nothing is written or deleted there, and the
    // user is told; a new "Hent" makes the folder the drive again.
    void aDriveThatChangedIsNeverWritten_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("button");
        for (const char *change : {"unmounted", "another file system mounted", "folder replaced"})
            for (const char *button :
                 {"SaveKnapp", "LagreStartupKnapp", "SlettStartupKnapp", "NyAutoexecKnapp", "SlettAutoexecKnapp"})
                QTest::addRow("%s, %s", change, button) << QString::fromLatin1(change) << QString::fromLatin1(button);
    }
    void aDriveThatChangedIsNeverWritten()
    {
        QFETCH(QString, change);
        QFETCH(QString, button);
        TestDrive top;
        const QString folder = top.path("c");
        QVERIFY(QDir().mkpath(folder));
        TmpfsMounts mounts;
        if (change != "folder replaced")
            MOUNT_OR_SKIP(mounts, folder);
        // The files as the drive holds them; "Ny" needs AUTOEXEC.BAT missing.
        const auto fill = [&] {
            top.write("c/CONFIG.SYS", crlf({"THREADS=64"}));
            top.write("c/STARTUP.CMD", crlf({"EXIT"}));
            if (button != "NyAutoexecKnapp")
                top.write("c/AUTOEXEC.BAT", crlf({"REM x"}));
        };
        fill();
        DriveMap drives;
        drives.setDrive(u'C', folder);
        WindowOnDrive t(drives, {}, buttonOf(button).page);
        ErrorRecorder &errors = t.errors;
        QCOMPARE(errors.messages(), QStringList{});
        QVERIFY(t.isEnabled(button));

        if (change == "unmounted") {
            QVERIFY(mounts.unmount(folder));
        } else if (change == "another file system mounted") {
            QVERIFY(mounts.mount(folder));
            fill();
        } else {
            QVERIFY(QDir(top.root()).rename("c", "c-earlier"));
            fill();
        }
        const QStringList before = snapshot(folder);
        t.press(button);
        const QStringList messages = errors.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(": stasjonen C: er ikke lenger den samme som da filen ble lest (avmontert?)"),
                 qPrintable(messages.first()));
        QCOMPARE(snapshot(folder), before);

        if (button == "SaveKnapp" && change != "unmounted") {
            t.press("OpenKnapp");
            t.press("SaveKnapp");
            QCOMPARE(top.read("c/CONFIG.NEW"), crlf({"THREADS=64"}));
            QCOMPARE(errors.messages().size(), 1);
        }
    }

    // "Lagre" writes CONFIG.NEW from the lines here even when CONFIG.SYS
    // changed on disk since "Hent", and says so.
    void aFileChangedSinceItWasRead_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("told");
        QTest::newRow("unchanged") << "" << false;
        QTest::newRow("a line added") << "append" << true;
        QTest::newRow("the same size, written later") << "touch" << true;
        QTest::newRow("deleted") << "delete" << true;
    }
    void aFileChangedSinceItWasRead()
    {
        QFETCH(QString, change);
        QFETCH(bool, told);
        WindowOnDrive t({"THREADS=64", "REM"}, PageId::Fil);
        if (change == "append") {
            t.c.write("CONFIG.SYS", crlf({"THREADS=64", "REM", "REM more"}));
        } else if (change == "touch") {
            struct timespec times[2] = {{0, UTIME_OMIT}, {1000000000, 0}};
            QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(t.c.path("CONFIG.SYS")).constData(), times, 0), 0);
        } else if (change == "delete") {
            QVERIFY(QFile::remove(t.c.path("CONFIG.SYS")));
        }
        t.press("SaveKnapp");
        QCOMPARE(t.errors.messages(), QStringList{});
        QCOMPARE(t.c.read("CONFIG.NEW"), crlf({"THREADS=64", "REM"}));
        const QString message = "C:\\CONFIG.SYS er endret på disken siden den ble lest inn";
        if (told)
            QCOMPARE(t.text("Label2"), message);
        else
            QVERIFY(t.text("Label2") != message);
    }

    // The causes come from the failed call's error number: Qt's translated
    // texts of the same errors change nothing.
    void causesUnderQtsTranslation_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such file") << "" << "Kan ikke lese C:\\CONFIG.SYS: filen finnes ikke";
        QTest::newRow("a link to itself")
            << "loop" << "Kan ikke lese C:\\CONFIG.SYS: for mange symbolske lenker etter hverandre";
        QTest::newRow("a name too long") << "long" << ": navnet er for langt";
        QTest::newRow("too many open files") << "files" << "Kan ikke skrive C:\\CONFIG.NEW: for mange åpne filer";
        QTest::newRow("a full disk") << "full" << "Kan ikke skrive C:\\CONFIG.NEW: det er ikke mer plass på disken";
        QTest::newRow("a digit for a drive") << "1:" << "Kan ikke lese 1:\\CONFIG.SYS: 1: er ingen stasjon";
        QTest::newRow("a letter beyond Z") << "ä:" << "Kan ikke lese ä:\\CONFIG.SYS: ä: er ingen stasjon";
        QTest::newRow("the sign after Z") << "[:" << "Kan ikke lese [:\\CONFIG.SYS: [: er ingen stasjon";
    }
    void causesUnderQtsTranslation()
    {
        QFETCH(QString, setup);
        QFETCH(QString, message);
        TestDrive c;
        DriveMap drives = c.map();
        QStringList arguments;
        TmpfsMounts mounts;
        if (setup == "loop") {
            QVERIFY(QFile::link(c.path("CONFIG.SYS"), c.path("CONFIG.SYS")));
        } else if (setup == "long") {
            arguments << "C:\\" + QString(300, u'X') + ".SYS";
        } else if (setup.endsWith(u':')) {
            arguments << setup + "\\CONFIG.SYS";
        } else if (setup == "files") {
            c.write("CONFIG.SYS", crlf({"REM"}));
        } else if (setup == "full") {
            QVERIFY(QDir(c.root()).mkdir("small"));
            MOUNT_OR_SKIP(mounts, c.path("small"));
            drives.setDrive(u'C', c.path("small"));
            // The file takes most of the room, so its copy cannot be saved.
            c.write("small/CONFIG.SYS", crlf({"REM " + QString(40000, u'x')}));
        }
        WindowOnDrive win(drives, arguments);
        ErrorRecorder &errors = win.errors;
        if (setup == "files" || setup == "full") {
            QCOMPARE(errors.messages(), QStringList{});
            struct rlimit earlier;
            QCOMPARE(::getrlimit(RLIMIT_NOFILE, &earlier), 0);
            if (setup == "files") {
                // A save that succeeds first: what the click runs through has
                // been run once, so that nothing but the save itself wants a
                // descriptor (the sanitizers' checks do on their first run).
                win.press("SaveKnapp");
                QCOMPARE(errors.messages(), QStringList{});
                // No descriptor is free: the lowest one not open is the limit.
                int lowest = 0;
                while (::fcntl(lowest, F_GETFD) != -1)
                    ++lowest;
                struct rlimit none = earlier;
                none.rlim_cur = rlim_t(lowest);
                QCOMPARE(::setrlimit(RLIMIT_NOFILE, &none), 0);
            }
            win.press("SaveKnapp");
            QCOMPARE(::setrlimit(RLIMIT_NOFILE, &earlier), 0);
        }
        const QStringList messages = errors.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().startsWith(message) || (message.startsWith(u':') && messages.first().contains(message)),
                 qPrintable(messages.first()));
    }
};

QTEST_MAIN(TestWriteSafety)
#include "tst_write_safety.moc"
