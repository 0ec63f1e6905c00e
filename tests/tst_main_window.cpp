// Start-up, the window frame, loading and saving the document.
#include "test_support.h"

#include "error_report.h"
#include "text8.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>

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
        ErrorRecorder errors;
        auto w = openWindow(drives, arguments);
        QCOMPARE(w->ConfigFileName(), configFile);
        QCOMPARE(documentLines(*w).value(0), firstLine);
        QCOMPARE(errors.messages(), QStringList{});

        w->workspace().vislinje(NoLine);
        QCOMPARE(widget<QLabel>(w.get(), "LinjeLabel")->text(), "ikke i " + configFile);

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
        auto w = openWindow(c.map());
        QCOMPARE(w->objectName(), QStringLiteral("Os2Form"));
        QCOMPARE(w->windowTitle(), QStringLiteral("OS/2 setup"));
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
        QCOMPARE(notebook->currentIndex(), 2);
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
                all.append(char(b));
        QTest::newRow("every byte") << all + "\r\n" << 1 << all + "\r\n";
    }
    void roundTrip()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, lineCount);
        QFETCH(QByteArray, saved);
        TestDrive c;
        c.write("CONFIG.SYS", file);
        ErrorRecorder errors;
        auto w = openWindow(c.map());
        QCOMPARE(w->document().count(), lineCount);
        QCOMPARE(widget<QListView>(w.get(), "ListBox")->model()->rowCount(), lineCount);
        QTest::mouseClick(widget<QPushButton>(w.get(), "SaveKnapp"), Qt::LeftButton);
        QCOMPARE(c.read("CONFIG.NEW"), saved);
        QCOMPARE(errors.messages(), QStringList{});
    }

    void failedLoadLeavesAnEmptyWorkingWindow()
    {
        TestDrive c;
        ErrorRecorder errors;
        auto w = openWindow(c.map());
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
        errors::report(nullptr, "Kan ikke lese C:\\X");
        errors::report(nullptr, "Kan ikke lese C:\\X");
        errors::report(nullptr, "Kan ikke lese C:\\Y");
        QCOMPARE(recorder.messages(), (QStringList{"Kan ikke lese C:\\X", "Kan ikke lese C:\\Y"}));
        errors::report(nullptr, "Kan ikke lese C:\\X");
        QCOMPARE(recorder.messages().size(), 3);
    }

    void tooManyLinesAreRefusedWhole()
    {
        TestDrive c;
        QByteArray many;
        for (int i = 0; i < 65536; ++i)
            many += "REM\r\n";
        c.write("CONFIG.SYS", many);
        ErrorRecorder errors;
        auto w = openWindow(c.map());
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
        } else {
            // Drive C names a folder that is not there; the file is read by its host path.
            drives.setDrive(u'C', c.path("gone"));
        }
        ErrorRecorder errors;
        auto w = openWindow(drives, how == "nodrive" ? QStringList{c.path("CONFIG.SYS")} : QStringList{});
        QCOMPARE(documentLines(*w), QStringList{"NEW"});
        QTest::mouseClick(widget<QPushButton>(w.get(), "SaveKnapp"), Qt::LeftButton);
        const QStringList messages = errors.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains("C:\\CONFIG.NEW"), qPrintable(messages.first()));
        if (how == "readonly")
            QCOMPARE(c.read("CONFIG.NEW"), QByteArray("OLD\r\n"));
        QCOMPARE(documentLines(*w), QStringList{"NEW"});
    }

    void hentDiscardsEditsAndSelectsLineZero()
    {
        TestDrive c;
        c.write("CONFIG.SYS", crlf({"A", "B", "C"}));
        auto w = openWindow(c.map());
        auto *list = widget<QListView>(w.get(), "ListBox");
        widget<QTabWidget>(w.get(), "NoteBook")->setCurrentIndex(7);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(2, 0)).center());
        QTest::keyClicks(widget<QLineEdit>(w.get(), "Edit1"), "XX");
        QCOMPARE(documentLines(*w), (QStringList{"A", "B", "CXX"}));
        QTest::mouseClick(widget<QPushButton>(w.get(), "OpenKnapp"), Qt::LeftButton);
        QCOMPARE(documentLines(*w), (QStringList{"A", "B", "C"}));
        QCOMPARE(w->workspace().selectedLine(), 0);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
