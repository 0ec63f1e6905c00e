// Start-up, the window frame, loading and saving the document.
#include "test_support.h"

#include "workspace/error_report.h"
#include "platform/text8.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTabWidget>
#include <QWindow>

#include <sys/stat.h>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void startsOnTheFileNamedByASingleArgument_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("configFile");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("none") << QStringList{} << "C:\\CONFIG.SYS" << "FROM C";
        QTest::newRow("one") << QStringList{"D:\\TEST\\CONFIG.SYS"} << "D:\\TEST\\CONFIG.SYS" << "FROM D";
        QTest::newRow("two") << QStringList{"D:\\TEST\\CONFIG.SYS", "x"} << "C:\\CONFIG.SYS" << "FROM C";
    }
    void startsOnTheFileNamedByASingleArgument()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, configFile);
        QFETCH(QString, firstLine);
        TestDrive c, d;
        c.write("CONFIG.SYS", crlf({"FROM C"}));
        d.write("test/config.sys", crlf({"FROM D", "REM"}));
        DriveMap drives = c.map();
        drives.setDrive(u'D', d.root());
        WindowOnDrive win(drives, arguments);
        auto &w = win.w;
        ErrorRecorder &errors = win.errors;
        QCOMPARE(w->ConfigFileName(), configFile);
        QCOMPARE(documentLines(*w).value(0), firstLine);
        QCOMPARE(errors.messages(), QStringList{});

        // The label may cut a long name short; its tooltip holds the whole text.
        w->status().vislinje(NoLine);
        QCOMPARE(widget<QLabel>(w.get(), "LinjeLabel")->toolTip(), "ikke i " + configFile);

        // Saving never writes the file that was read.
        const QByteArray readBefore = d.read("test/config.sys");
        QTest::mouseClick(widget<QPushButton>(w.get(), "SaveKnapp"), Qt::LeftButton);
        QCOMPARE(c.read("CONFIG.NEW"), crlf(documentLines(*w)));
        QCOMPARE(d.read("test/config.sys"), readBefore);
    }

    void frame()
    {
        TestDrive c;
        c.write("CONFIG.SYS", crlf({"REM"}));
        WindowOnDrive win(c.map(), {});
        auto &w = win.w;
        QCOMPARE(w->objectName(), QStringLiteral("Os2Form"));
        QCOMPARE(w->windowHandle()->title(), QStringLiteral("OS/2 setup"));
        QCOMPARE(w->size(), QSize(634, 418));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(!(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(w->font().pixelSize(), 12);
        QVERIFY(w->font().bold());

        auto *notebook = widget<QTabWidget>(w.get(), "NoteBook");
        QStringList tabs;
        for (int i = 0; i < notebook->count(); ++i)
            tabs << notebook->tabText(i);
        QCOMPARE(tabs, (QStringList{"Oppstart", "DOS", "Ytelse", "Drivere", "Grensesnitt", "Disk", "Nettverk", "Fil"}));
        QCOMPARE(static_cast<PageId>(notebook->currentIndex()), PageId::Ytelse);
        QCOMPARE(widget<QPushButton>(w.get(), "OpenKnapp")->text(), QStringLiteral("&Hent"));
        QCOMPARE(widget<QPushButton>(w.get(), "SaveKnapp")->text(), QStringLiteral("&Lagre"));
        QCOMPARE(widget<QPushButton>(w.get(), "RemKnapp")->text(), QStringLiteral("REM av/på"));
        QCOMPARE(widget<QPushButton>(w.get(), "SjekkKnapp")->text(), QStringLiteral("Sjekk"));
        QVERIFY(!widget<QPushButton>(w.get(), "OpenKnapp")->icon().isNull());
        QVERIFY(!w->windowIcon().isNull());
        QCOMPARE(widget<QWidget>(w.get(), "Panel2")->geometry(), QRect(0, 289, 634, 80));
        QCOMPARE(widget<QWidget>(w.get(), "Panel1")->geometry(), QRect(0, 369, 634, 49));
        QCOMPARE(widget<QWidget>(w.get(), "Edit1")->geometry(), QRect(16, 8, 609, 23));
        QCOMPARE(widget<QListView>(w.get(), "ListBox")->geometry(), QRect(8, 8, 609, 241));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("three lines") << QByteArray("a\r\nb\r\nc\r\n") << 3 << QByteArray("a\r\nb\r\nc\r\n");
        QTest::newRow("no final line end") << QByteArray("a\r\nb\r\nc") << 3 << QByteArray("a\r\nb\r\nc\r\n");
        QTest::newRow("empty file") << QByteArray() << 0 << QByteArray();
        const QByteArray wide(400, 'w');
        QTest::newRow("400 characters") << wide + "\r\n" << 1 << wide + "\r\n";
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            if (b != '\n')
                all.append(static_cast<char>(b));
        QTest::newRow("every byte") << all + "\r\n" << 1 << all + "\r\n";
    }
    void roundTrip()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, lineCount);
        QFETCH(QByteArray, saved);
        TestDrive c;
        c.write("CONFIG.SYS", file);
        WindowOnDrive win(c.map(), {});
        auto &w = win.w;
        ErrorRecorder &errors = win.errors;
        QCOMPARE(w->document().count(), lineCount);
        QCOMPARE(widget<QListView>(w.get(), "ListBox")->model()->rowCount(), lineCount);
        QTest::mouseClick(widget<QPushButton>(w.get(), "SaveKnapp"), Qt::LeftButton);
        QCOMPARE(c.read("CONFIG.NEW"), saved);
        QCOMPARE(errors.messages(), QStringList{});
    }

    void failedLoadLeavesAnEmptyWorkingWindow()
    {
        TestDrive c;
        WindowOnDrive win(c.map(), {});
        auto &w = win.w;
        ErrorRecorder &errors = win.errors;
        const QStringList messages = errors.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains("C:\\CONFIG.SYS"), qPrintable(messages.first()));
        QCOMPARE(w->document().count(), 0);

        // The window goes on working: the file appears, "Hent" reads it.
        c.write("CONFIG.SYS", crlf({"THREADS=256"}));
        QTest::mouseClick(widget<QPushButton>(w.get(), "OpenKnapp"), Qt::LeftButton);
        QCOMPARE(documentLines(*w), QStringList{"THREADS=256"});
        QCOMPARE(errors.messages().size(), 1);
    }

    void aRepeatedErrorIsShownOncePerEvent()
    {
        ErrorRecorder recorder;
        QWidget window;
        ErrorReporter reporter(&window, recorder.sink());
        reporter.report("Kan ikke lese C:\\X");
        reporter.report("Kan ikke lese C:\\X");
        reporter.report("Kan ikke lese C:\\Y");
        QCOMPARE(recorder.messages(), (QStringList{"Kan ikke lese C:\\X", "Kan ikke lese C:\\Y"}));
        reporter.report("Kan ikke lese C:\\X");
        QCOMPARE(recorder.messages().size(), 3);
    }

    void tooManyLinesAreRefusedWhole()
    {
        TestDrive c;
        QByteArray many;
        for (int i = 0; i < 65536; ++i)
            many += "REM\r\n";
        c.write("CONFIG.SYS", many);
        WindowOnDrive win(c.map(), {});
        auto &w = win.w;
        ErrorRecorder &errors = win.errors;
        QCOMPARE(w->document().count(), 0);
        const QStringList messages = errors.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains("65536"), qPrintable(messages.first()));
    }

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
        auto &w = win.w;
        ErrorRecorder &errors = win.errors;
        QCOMPARE(documentLines(*w), QStringList{"NEW"});
        QTest::mouseClick(widget<QPushButton>(w.get(), "SaveKnapp"), Qt::LeftButton);
        const QStringList messages = errors.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains("C:\\CONFIG.NEW"), qPrintable(messages.first()));
        if (how == "readonly" || how == "append-only")
            QCOMPARE(c.read("CONFIG.NEW"), QByteArray("OLD\r\n"));
        QCOMPARE(documentLines(*w), QStringList{"NEW"});
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
        auto &w = win.w;
        ErrorRecorder &errors = win.errors;
        QuestionRecorder &questions = win.questions;
        questions.answer({"Ja"}); // "Slett" asks first
        widget<QTabWidget>(w.get(), "NoteBook")->setCurrentIndex(static_cast<int>(PageId::Oppstart));
        widget<QScrollBar>(w.get(), "Threads")->setValue(2048); // the document differs from the file
        QTest::mouseClick(widget<QPushButton>(w.get(), qPrintable(button)), Qt::LeftButton);
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
        auto &w = win.w;
        ErrorRecorder &errors = win.errors;
        QTest::mouseClick(widget<QPushButton>(w.get(), "SaveKnapp"), Qt::LeftButton);
        QStringList messages = errors.messages();
        QCOMPARE(messages.size(), 2);
        QVERIFY2(messages.last().contains("ingen fil er lest inn"), qPrintable(messages.last()));
        QCOMPARE(c.read("CONFIG.NEW"), QByteArray("DEVICE=C:\\OS2\\BOOT\\KEEP.SYS\r\n"));

        // A good load makes saving possible; a failed "Hent" stops it again.
        c.write("CONFIG.SYS", crlf({"REM good"}));
        QTest::mouseClick(widget<QPushButton>(w.get(), "OpenKnapp"), Qt::LeftButton);
        QTest::mouseClick(widget<QPushButton>(w.get(), "SaveKnapp"), Qt::LeftButton);
        QCOMPARE(c.read("CONFIG.NEW"), crlf({"REM good"}));
        QVERIFY(QFile::remove(c.path("CONFIG.SYS")));
        QTest::mouseClick(widget<QPushButton>(w.get(), "OpenKnapp"), Qt::LeftButton);
        QTest::mouseClick(widget<QPushButton>(w.get(), "SaveKnapp"), Qt::LeftButton);
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
        widget<QTabWidget>(w.get(), "NoteBook")->setCurrentIndex(static_cast<int>(PageId::Dos));
        QTest::mouseClick(widget<QCheckBox>(w.get(), "autoexec"), Qt::LeftButton, {}, QPoint(8, 8));
        messages = errors.messages();
        QVERIFY2(messages.size() == 3 && messages.at(2).startsWith("Kan ikke lese C:\\AUTOEXEC.BAT"),
                 qPrintable(messages.join(u'|')));
        // Nor is anything written in a pipe's place.
        typeText(widget<QWidget>(w.get(), "autoexecmemo"), "ECHO");
        QTest::mouseClick(widget<QPushButton>(w.get(), "LagreAutoexecKnapp"), Qt::LeftButton);
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
        bool mounted = false;
        const auto unmount = qScopeGuard([&] {
            if (mounted)
                QProcess::execute("umount", {c.path("small")});
        });
        if (setup == "loop") {
            QVERIFY(QFile::link(c.path("CONFIG.SYS"), c.path("CONFIG.SYS")));
        } else if (setup == "long") {
            arguments << "C:\\" + QString(300, u'X') + ".SYS";
        } else {
            QVERIFY(QDir(c.root()).mkdir("small"));
            if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=16k", "tmpfs", c.path("small")}) != 0)
                QSKIP("no small file system can be mounted here");
            mounted = true;
        }
        DriveMap drives = c.map();
        if (setup == "full") {
            drives.setDrive(u'C', c.path("small"));
            // The file takes most of the room, so its copy cannot be saved.
            c.write("small/CONFIG.SYS", crlf({"REM " + QString(10000, u'x')}));
            c.write("small/CONFIG.NEW", "OLD\r\n");
        }
        WindowOnDrive win(drives, arguments);
        auto &w = win.w;
        ErrorRecorder &errors = win.errors;
        if (setup == "full") {
            QCOMPARE(errors.messages(), QStringList{});
            QTest::mouseClick(widget<QPushButton>(w.get(), "SaveKnapp"), Qt::LeftButton);
            QCOMPARE(c.read("small/CONFIG.NEW"), QByteArray("OLD\r\n"));
        }
        const QStringList messages = errors.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(setup == "full" ? "C:\\CONFIG.NEW" : "C:\\") && messages.first().contains(cause),
                 qPrintable(messages.first()));
    }

    // The last line a document can hold is searched like any other, and a full
    // document takes no further line.
    void aFullDocument()
    {
        TestDrive c;
        QByteArray file;
        for (int i = 0; i < 65534; ++i)
            file += "REM\r\n";
        file += "THREADS=256\r\n";
        c.write("CONFIG.SYS", file);
        WindowOnDrive win(c.map(), {});
        auto &w = win.w;
        ErrorRecorder &errors = win.errors;
        QCOMPARE(w->document().count(), 65535);
        QCOMPARE(static_cast<int>(w->registers().ThreadsLine), 65534);
        widget<QScrollBar>(w.get(), "Threads")->setValue(2048);
        QCOMPARE(w->document().line(65534), std::string("THREADS=2048"));
        QCOMPARE(widget<QLabel>(w.get(), "LinjeLabel")->text(), QStringLiteral("Linje nr. 65535"));

        auto *notebook = widget<QTabWidget>(w.get(), "NoteBook");
        notebook->setCurrentIndex(static_cast<int>(PageId::Dos));
        QTest::mouseClick(widget<QCheckBox>(w.get(), "vcdromsys"), Qt::LeftButton, {}, QPoint(8, 8));
        QCOMPARE(w->document().count(), 65535);
        notebook->setCurrentIndex(static_cast<int>(PageId::Oppstart));
        QTest::mouseClick(widget<QPushButton>(w.get(), "LeggTilRestartKnapp"), Qt::LeftButton);
        QCOMPARE(w->document().count(), 65535);
        QCOMPARE(w->document().line(65534), std::string("THREADS=2048"));
        QCOMPARE(errors.messages(), QStringList{});
    }

    void hentDiscardsEditsAndSelectsLineZero()
    {
        TestDrive c;
        c.write("CONFIG.SYS", crlf({"A", "B", "C"}));
        WindowOnDrive win(c.map(), {});
        auto &w = win.w;
        auto *list = widget<QListView>(w.get(), "ListBox");
        widget<QTabWidget>(w.get(), "NoteBook")->setCurrentIndex(static_cast<int>(PageId::Fil));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(2, 0)).center());
        QTest::keyClicks(widget<QLineEdit>(w.get(), "Edit1"), "XX");
        QCOMPARE(documentLines(*w), (QStringList{"A", "B", "CXX"}));
        QTest::mouseClick(widget<QPushButton>(w.get(), "OpenKnapp"), Qt::LeftButton);
        QCOMPARE(documentLines(*w), (QStringList{"A", "B", "C"}));
        QCOMPARE(w->status().selectedLine(), 0);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
