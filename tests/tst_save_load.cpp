// Loading and saving that fail, or must not happen: the earlier CONFIG.NEW
// kept, the file read never written, only plain files read, and the causes
// told in Norwegian.
#include "test_support.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QScrollBar>

#include <sys/stat.h>

class TestSaveLoad : public QObject
{
    Q_OBJECT

private slots:
    void failedSaveKeepsTheEarlierFile_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("read-only earlier file") << "readonly";
        QTest::newRow("target is a folder") << "folder";
        QTest::newRow("drive folder missing") << "nodrive";
        QTest::newRow("final rename fails") << "append-only";
    }
    void failedSaveKeepsTheEarlierFile()
    {
        QFETCH(QString, how);
        TestDrive c;
        c.write("CONFIG.SYS", crlf({"NEW"}));
        DriveMap drives = c.map();
        if (how == "readonly") {
            c.write("CONFIG.NEW", "OLD\r\n");
            QFile::setPermissions(c.path("CONFIG.NEW"), QFileDevice::ReadOwner);
        } else if (how == "folder") {
            QDir(c.root()).mkdir("CONFIG.NEW");
        } else if (how == "append-only") {
            // In an append-only folder a file can be created but not renamed
            // over another, so the save fails at its very last step.
            c.write("CONFIG.NEW", "OLD\r\n");
            if (QProcess::execute("chattr", {"+a", c.root()}) != 0)
                QSKIP("this file system takes no append-only attribute");
        } else {
            // Drive C names a folder that is not there; the file is read by its host path.
            drives.setDrive(u'C', c.path("gone"));
        }
        const auto undo = qScopeGuard([&] {
            if (how == "append-only")
                QProcess::execute("chattr", {"-a", c.root()});
        });
        WindowOnDrive win(drives, how == "nodrive" ? QStringList{c.path("CONFIG.SYS")} : QStringList{});
        ErrorRecorder &errors = win.errors;
        QCOMPARE(win.lines(), QStringList{"NEW"});
        win.press("SaveKnapp");
        const QStringList messages = errors.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains("C:\\CONFIG.NEW"), qPrintable(messages.first()));
        if (how == "readonly" || how == "append-only")
            QCOMPARE(c.read("CONFIG.NEW"), QByteArray("OLD\r\n"));
        QCOMPARE(win.lines(), QStringList{"NEW"});
    }

    // "Lagre" never writes the file that was read: not when that is
    // CONFIG.NEW itself, nor through a link, nor through a side file's button.
    void theFileReadIsNeverWritten_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("button");
        QTest::newRow("CONFIG.NEW read") << "" << "C:\\CONFIG.NEW" << "SaveKnapp";
        QTest::newRow("same, small letters") << "" << "c:\\config.new" << "SaveKnapp";
        QTest::newRow("CONFIG.NEW a link to CONFIG.SYS") << "symlink" << "" << "SaveKnapp";
        QTest::newRow("CONFIG.NEW a hard link to CONFIG.SYS") << "hardlink" << "" << "SaveKnapp";
        QTest::newRow("STARTUP.CMD read, its own Lagre") << "" << "C:\\STARTUP.CMD" << "LagreStartupKnapp";
        QTest::newRow("STARTUP.CMD read, its own Slett") << "" << "C:\\STARTUP.CMD" << "SlettStartupKnapp";
    }
    void theFileReadIsNeverWritten()
    {
        QFETCH(QString, setup);
        QFETCH(QString, argument);
        QFETCH(QString, button);
        TestDrive c;
        const QByteArray original = crlf({"THREADS=64", "REM kept"});
        c.write("CONFIG.SYS", original);
        c.write("CONFIG.NEW", original);
        c.write("STARTUP.CMD", original);
        if (setup == "symlink") {
            QFile::remove(c.path("CONFIG.NEW"));
            QVERIFY(QFile::link(c.path("CONFIG.SYS"), c.path("CONFIG.NEW")));
        } else if (setup == "hardlink") {
            QFile::remove(c.path("CONFIG.NEW"));
            QCOMPARE(QProcess::execute("ln", {c.path("CONFIG.SYS"), c.path("CONFIG.NEW")}), 0);
        }
        WindowOnDrive win(c.map(), argument.isEmpty() ? QStringList{} : QStringList{argument});
        ErrorRecorder &errors = win.errors;
        QuestionRecorder &questions = win.questions;
        questions.answer({"Ja"}); // "Slett" asks first
        win.show(PageId::Oppstart);
        win.drag("Threads", 2048); // the document differs from the file
        win.press(button);
        const QStringList messages = errors.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains("filen som ble lest inn"), qPrintable(messages.first()));
        for (const char *file : {"CONFIG.SYS", "CONFIG.NEW", "STARTUP.CMD"})
            QCOMPARE(c.read(file), original);
    }

    void saveAfterAFailedLoadWritesNothing()
    {
        TestDrive c;
        c.write("CONFIG.NEW", "DEVICE=C:\\OS2\\BOOT\\KEEP.SYS\r\n");
        WindowOnDrive win(c.map(), {});
        ErrorRecorder &errors = win.errors;
        win.press("SaveKnapp");
        QStringList messages = errors.messages();
        QCOMPARE(messages.size(), 2);
        QVERIFY2(messages.last().contains("ingen fil er lest inn"), qPrintable(messages.last()));
        QCOMPARE(c.read("CONFIG.NEW"), QByteArray("DEVICE=C:\\OS2\\BOOT\\KEEP.SYS\r\n"));

        // A good load makes saving possible; a failed "Hent" stops it again.
        c.write("CONFIG.SYS", crlf({"REM good"}));
        win.press("OpenKnapp");
        win.press("SaveKnapp");
        QCOMPARE(c.read("CONFIG.NEW"), crlf({"REM good"}));
        QVERIFY(QFile::remove(c.path("CONFIG.SYS")));
        win.press("OpenKnapp");
        win.press("SaveKnapp");
        QCOMPARE(c.read("CONFIG.NEW"), crlf({"REM good"}));
        QCOMPARE(errors.messages().size(), 4);
    }

    // A named pipe would make the program wait for ever before its window
    // appears: it is refused, with a message naming it, and never opened.
    void onlyPlainFilesAreRead()
    {
        TestDrive c;
        QCOMPARE(::mkfifo(QFile::encodeName(c.path("CONFIG.SYS")).constData(), 0644), 0);
        QCOMPARE(::mkfifo(QFile::encodeName(c.path("STARTUP.CMD")).constData(), 0644), 0);
        QCOMPARE(::mkfifo(QFile::encodeName(c.path("AUTOEXEC.BAT")).constData(), 0644), 0);
        WindowOnDrive win(c.map(), {});
        auto &w = win.w;
        ErrorRecorder &errors = win.errors;
        QStringList messages = errors.messages();
        QCOMPARE(messages.size(), 2);
        QVERIFY2(messages.at(0).startsWith("Kan ikke lese C:\\CONFIG.SYS") && messages.at(0).contains("ikke en vanlig fil"),
                 qPrintable(messages.at(0)));
        QVERIFY2(messages.at(1).startsWith("Kan ikke lese C:\\STARTUP.CMD"), qPrintable(messages.at(1)));
        win.show(PageId::Dos);
        QTest::mouseClick(widget<QCheckBox>(w.get(), "autoexec"), Qt::LeftButton, {}, QPoint(8, 8));
        messages = errors.messages();
        QVERIFY2(messages.size() == 3 && messages.at(2).startsWith("Kan ikke lese C:\\AUTOEXEC.BAT"),
                 qPrintable(messages.join(u'|')));
        // Nor is anything written in a pipe's place.
        typeText(widget<QWidget>(w.get(), "autoexecmemo"), "ECHO");
        win.press("LagreAutoexecKnapp");
        messages = errors.messages();
        QVERIFY2(messages.size() == 4 && messages.at(3).startsWith("Kan ikke skrive C:\\AUTOEXEC.BAT"),
                 qPrintable(messages.join(u'|')));
        QVERIFY(QFileInfo(c.path("AUTOEXEC.BAT")).isFile() == false && QFileInfo::exists(c.path("AUTOEXEC.BAT")));
    }

    void errorCausesAreTold_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("cause");
        QTest::newRow("a link to itself") << "loop" << "symbolske lenker";
        QTest::newRow("a name too long") << "long" << "navnet er for langt";
        QTest::newRow("a full disk") << "full" << "ikke mer plass på disken";
    }
    void errorCausesAreTold()
    {
        QFETCH(QString, setup);
        QFETCH(QString, cause);
        TestDrive c;
        QStringList arguments;
        TmpfsMounts mounts;
        if (setup == "loop") {
            QVERIFY(QFile::link(c.path("CONFIG.SYS"), c.path("CONFIG.SYS")));
        } else if (setup == "long") {
            arguments << "C:\\" + QString(300, u'X') + ".SYS";
        } else {
            QVERIFY(QDir(c.root()).mkdir("small"));
            MOUNT_OR_SKIP(mounts, c.path("small"), QStringLiteral("size=16k"));
        }
        DriveMap drives = c.map();
        if (setup == "full") {
            drives.setDrive(u'C', c.path("small"));
            // The file takes most of the room, so its copy cannot be saved.
            c.write("small/CONFIG.SYS", crlf({"REM " + QString(10000, u'x')}));
            c.write("small/CONFIG.NEW", "OLD\r\n");
        }
        WindowOnDrive win(drives, arguments);
        ErrorRecorder &errors = win.errors;
        if (setup == "full") {
            QCOMPARE(errors.messages(), QStringList{});
            win.press("SaveKnapp");
            QCOMPARE(c.read("small/CONFIG.NEW"), QByteArray("OLD\r\n"));
        }
        const QStringList messages = errors.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(setup == "full" ? "C:\\CONFIG.NEW" : "C:\\") && messages.first().contains(cause),
                 qPrintable(messages.first()));
    }

    // A Ctrl-Z ends a DOS text file: a line added to a file that ends with one
    // goes before it, and no write drops or moves one otherwise. "Lagre"
    // then writes the bytes shown.
    void aCtrlZStaysWhereOs2StopsReading_data()
    {
        QTest::addColumn<QByteArray>("read");
        QTest::addColumn<PageId>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QByteArray>("saved");
        const PageId start = PageId::Oppstart, dos = PageId::Dos;
        QTest::newRow("Legg til, the mark on a line of its own")
            << QByteArray("THREADS=64\r\n\x1A") << start << "LeggTilRestartKnapp"
            << QByteArray("THREADS=64\r\nSET RESTARTOBJECTS=YES\r\n\x1A\r\n");
        QTest::newRow("Legg til, the mark ending the last line")
            << QByteArray("THREADS=64\x1A") << start << "LeggTilRestartKnapp"
            << QByteArray("THREADS=64\r\nSET RESTARTOBJECTS=YES\r\n\x1A\r\n");
        QTest::newRow("Legg til, two marks") << QByteArray("REM\r\n\x1A\x1A") << start << "LeggTilRestartKnapp"
                                             << QByteArray("REM\r\nSET RESTARTOBJECTS=YES\r\n\x1A\x1A\r\n");
        QTest::newRow("a DOS driver's line") << QByteArray("REM\r\n\x1A\r\n") << dos << "vcdromsys"
                                             << QByteArray("REM\r\nREM DEVICE=C:\\OS2\\MDOS\\VCDROM.SYS\r\n\x1A\r\n");
        QTest::newRow("no mark") << QByteArray("REM\r\n") << start << "LeggTilRestartKnapp"
                                 << QByteArray("REM\r\nSET RESTARTOBJECTS=YES\r\n");
        // Lines follow the mark here: nothing moves, the new line goes last.
        QTest::newRow("a mark inside the file")
            << QByteArray("REM\r\n\x1A\r\nREM after\r\n") << start << "LeggTilRestartKnapp"
            << QByteArray("REM\r\n\x1A\r\nREM after\r\nSET RESTARTOBJECTS=YES\r\n");
        QTest::newRow("a statement written over the mark's line")
            << QByteArray("PROTECTONLY=NO\x1A\r\nREM after\r\n") << start << "protectonly"
            << QByteArray("PROTECTONLY=YES\x1A\r\nREM after\r\n");
    }
    void aCtrlZStaysWhereOs2StopsReading()
    {
        QFETCH(QByteArray, read);
        QFETCH(PageId, page);
        QFETCH(QString, control);
        QFETCH(QByteArray, saved);
        WindowOnDrive win{ConfigBytes(read), page};
        if (control.endsWith("Knapp"))
            win.press(control);
        else
            win.click(control);
        win.press("SaveKnapp");
        QCOMPARE(win.c.read("CONFIG.NEW"), saved);
        QCOMPARE(win.errors.messages(), QStringList{});
    }
};

QTEST_MAIN(TestSaveLoad)
#include "tst_save_load.moc"
