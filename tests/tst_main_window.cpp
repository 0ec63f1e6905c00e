// Start-up, the window frame, loading and saving the document when all goes well.
#include "test_support.h"

#include "workspace/error_report.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QWindow>

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
        QCOMPARE(win.lines().value(0), firstLine);
        QCOMPARE(errors.messages(), QStringList{});

        // The label may cut a long name short; its tooltip holds the whole text.
        w->status().vislinje(NoLine);
        QCOMPARE(widget<QLabel>(w.get(), "LinjeLabel")->toolTip(), "ikke i " + configFile);

        // Saving never writes the file that was read.
        const QByteArray readBefore = d.read("test/config.sys");
        win.press("SaveKnapp");
        QCOMPARE(c.read("CONFIG.NEW"), crlf(win.lines()));
        QCOMPARE(d.read("test/config.sys"), readBefore);
    }

    void frame()
    {
        WindowOnDrive win({"REM"});
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
        WindowOnDrive win(ConfigBytes{file});
        QCOMPARE(win.w->document().count(), lineCount);
        QCOMPARE(win.get<QListView>("ListBox")->model()->rowCount(), lineCount);
        win.press("SaveKnapp");
        QCOMPARE(win.c.read("CONFIG.NEW"), saved);
        QCOMPARE(win.errors.messages(), QStringList{});
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
        win.press("OpenKnapp");
        QCOMPARE(win.lines(), QStringList{"THREADS=256"});
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
        QByteArray many;
        for (int i = 0; i < 65536; ++i)
            many += "REM\r\n";
        WindowOnDrive win(ConfigBytes{many});
        QCOMPARE(win.w->document().count(), 0);
        const QStringList messages = win.errors.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains("65536"), qPrintable(messages.first()));
    }

    // The last line a document can hold is searched like any other, and a full
    // document takes no further line: not even before the Ctrl-Z that ends
    // it, which stays where it is.
    void aFullDocument()
    {
        QByteArray file;
        for (int i = 0; i < 65534; ++i)
            file += "REM\r\n";
        file += "THREADS=256\x1A";
        WindowOnDrive win(ConfigBytes{file});
        auto &w = win.w;
        QCOMPARE(w->document().count(), 65535);
        QCOMPARE(static_cast<int>(w->registers().ThreadsLine), 65534);
        win.drag("Threads", 2048);
        QCOMPARE(w->document().line(65534), std::string("THREADS=2048\x1A"));
        QCOMPARE(widget<QLabel>(w.get(), "LinjeLabel")->text(), QStringLiteral("Linje nr. 65535"));

        win.show(PageId::Dos);
        QTest::mouseClick(widget<QCheckBox>(w.get(), "vcdromsys"), Qt::LeftButton, {}, QPoint(8, 8));
        QCOMPARE(w->document().count(), 65535);
        win.show(PageId::Oppstart);
        win.press("LeggTilRestartKnapp");
        QCOMPARE(w->document().count(), 65535);
        QCOMPARE(w->document().line(65534), std::string("THREADS=2048\x1A"));
        QCOMPARE(win.errors.messages(), QStringList{});
    }

    void hentDiscardsEditsAndSelectsLineZero()
    {
        WindowOnDrive win({"A", "B", "C"}, PageId::Fil);
        win.pick("ListBox", 2);
        QTest::keyClicks(win.get<QLineEdit>("Edit1"), "XX");
        QCOMPARE(win.lines(), (QStringList{"A", "B", "CXX"}));
        win.press("OpenKnapp");
        QCOMPARE(win.lines(), (QStringList{"A", "B", "C"}));
        QCOMPARE(win.selected(), 0);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
