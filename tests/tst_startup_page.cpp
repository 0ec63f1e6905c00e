// The "Oppstart" page: "Beskyttet modus" and the STARTUP.CMD editor (the RESTARTOBJECTS group: tst_restart_objects).
#include "test_support.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

// The window showing "Oppstart".
struct OnPage : WindowOnDrive
{
    explicit OnPage(const QStringList &lines) : WindowOnDrive(lines, PageId::Oppstart) {}
    OnPage(const DriveMap &drives, const QStringList &args) : WindowOnDrive(drives, args, PageId::Oppstart) {}
    // Edit1, the line label, the hint and the selected line.
    QStringList status() const
    {
        const QStringList all = WindowOnDrive::status();
        return {all[0], all[1], all[2], all[4]};
    }
    QString memo() const { return get<QPlainTextEdit>("StartupMemo")->toPlainText(); }
    void type(const QString &text) const
    {
        get<QPlainTextEdit>("StartupMemo")->moveCursor(QTextCursor::End);
        QTest::keyClicks(get("StartupMemo"), text);
    }
    // The STARTUP.CMD panel at a glance: the box's mark and the enabled buttons.
    QString panel() const
    {
        QStringList on(isChecked("startupcmd") ? 1 : 0, "box");
        for (const QString b : {"Ny", "Slett", "Lagre"})
            if (isEnabled(b + "StartupKnapp"))
                on << b;
        return on.join(u' ');
    }
};

QStringList entries(const TestDrive &c) { return QDir(c.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

} // namespace

class TestStartupPage : public QObject
{
    Q_OBJECT

private slots:
    void protectOnly_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("line"); // the PROTECTONLY line, -1 for none
        QTest::newRow("any value, small key") << QStringList{"REM", "protectonly=maybe", "RESTARTOBJECTS=NO"} << 1;
        QTest::newRow("none: nothing written") << QStringList{"REM PROTECTONLY=NO", "RESTARTOBJECTS=NO"} << -1;
    }
    void protectOnly()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, line);
        OnPage p(lines);
        QStringList doc = p.lines();
        // The box is the user's alone: the document never ticks it.
        for (bool on : {true, false}) {
            p.click("protectonly");
            QCOMPARE(p.isChecked("protectonly"), on);
            const QString statement = on ? "PROTECTONLY=YES" : "PROTECTONLY=NO";
            if (line >= 0)
                doc[line] = statement;
            QCOMPARE(p.lines(), doc);
            QCOMPARE(p.status(), QStringList({statement, line < 0 ? "ikke i C:\\CONFIG.SYS" : QStringLiteral("Linje nr. %1").arg(line + 1),
                                              on ? "Kun OS/2 sesjoner kan kjøres" : "OS/2, DOS og Windows sesjoner kan kjøres",
                                              QString::number(line)}));
        }
    }

    void startupCmdPanel()
    {
        OnPage p({"REM"});
        const TestDrive &c = p.c;
        ErrorRecorder &errors = p.errors;
        p.click("startupcmd"); // the box shows whether the file exists: a click cannot tick it
        p.type("junk");
        QCOMPARE(p.panel(), "Ny Lagre");
        p.click("NyStartupKnapp");
        QCOMPARE(c.read("STARTUP.CMD"), crlf({"EXIT"}));
        QCOMPARE(p.memo(), "EXIT\n");
        QCOMPARE(p.panel(), "box Slett Lagre");
        QCOMPARE(p.w->focusWidget(), p.get("StartupMemo"));
        p.type("REM saved");
        p.click("LagreStartupKnapp");
        QCOMPARE(c.read("STARTUP.CMD"), crlf({"EXIT", "REM saved"}));
        // A box click and every scan load the file over unsaved edits; neither memo enables "Ny" now.
        for (const char *reload : {"startupcmd", "OpenKnapp"}) {
            p.type("REM unsaved");
            typeText(p.get("autoexecmemo"), "A");
            p.click(reload);
            QCOMPARE(p.memo(), "EXIT\nREM saved\n");
            QCOMPARE(p.panel(), "box Slett Lagre");
        }
        p.questions.answer({"Ja"});
        p.click("SlettStartupKnapp");
        QCOMPARE(entries(c), QStringList{"CONFIG.SYS"}); // no backup
        QCOMPARE(p.memo(), "");
        QCOMPARE(p.panel(), "Ny");
        p.type("REM anew");
        p.click("LagreStartupKnapp");
        QCOMPARE(c.read("STARTUP.CMD"), crlf({"REM anew"}));
        // Gone behind the page's back: "Slett" does nothing at all, a change of either memo
        // enables "Ny", the next scan unticks the box and keeps the memo.
        QFile::remove(c.path("STARTUP.CMD"));
        p.click("SlettStartupKnapp");
        QCOMPARE(p.panel(), "box Slett Lagre");
        typeText(p.get("autoexecmemo"), "B");
        QCOMPARE(p.panel(), "box Ny Slett Lagre");
        p.click("OpenKnapp");
        QCOMPARE(p.panel(), "Ny Lagre");
        QCOMPARE(p.memo(), "REM anew\n");
        QCOMPARE(errors.messages(), QStringList());
    }

    void savesTheFileByteForByte()
    {
        TestDrive c;
        c.write("CONFIG.SYS", crlf({"REM"}));
        const QByteArray bytes = "@ECHO OFF\r\nREM Jos\xA0 M\xF8ller \x81\x9D\r\n\tEXIT\r\n";
        c.write("STARTUP.CMD", bytes);
        OnPage p(c.map(), {});
        p.click("LagreStartupKnapp");
        QCOMPARE(c.read("STARTUP.CMD"), bytes);
    }

    void fileFailures_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("cause"); // in each message
        QTest::addColumn<QString>("memo");  // after typing and a click on each button
        QTest::newRow("read-only file") << "read-only" << "skrivebeskyttet" << "EXIT\nREM typed";
        QTest::newRow("a folder") << "folder" << "mappe" << "EXIT\n";
        QTest::newRow("no drive folder") << "no drive" << "finnes ikke" << "EXIT\n";
    }
    void fileFailures()
    {
        QFETCH(QString, kind);
        QFETCH(QString, cause);
        QFETCH(QString, memo);
        TestDrive c;
        c.write("CONFIG.SYS", crlf({"restartobjects=NO"}));
        if (kind == "read-only") {
            c.write("STARTUP.CMD", crlf({"EXIT"}));
            QVERIFY(QFile::setPermissions(c.path("STARTUP.CMD"), QFileDevice::ReadOwner));
        } else if (kind == "folder") {
            QVERIFY(QDir(c.root()).mkdir("STARTUP.CMD"));
        }
        DriveMap drives;
        drives.setDrive(u'C', kind == "no drive" ? c.path("missing") : c.root());
        OnPage p(drives, {c.path("CONFIG.SYS")});
        ErrorRecorder &errors = p.errors;
        // A folder is no file: nothing fails to load, the box stays unticked.
        const qsizetype atStart = errors.messages().size();
        QCOMPARE(atStart, 0);
        QCOMPARE(p.lines(), QStringList{"restartobjects=NO"});
        // Each failure skips the rest of its handler: no reload after a save, no clearing after a delete.
        p.type("REM typed");
        for (const char *button : {"LagreStartupKnapp", "SlettStartupKnapp", "NyStartupKnapp"}) {
            p.click(button);
            errors.messages(); // each click is an event of its own
        }
        const QStringList messages = errors.messages().mid(atStart);
        QCOMPARE(messages.size(), 2);
        for (const QString &m : messages)
            QVERIFY2(m.contains("C:\\STARTUP.CMD") && m.contains(cause), qPrintable(m));
        const bool there = kind != "no drive";
        const bool file = kind == "read-only";
        QCOMPARE(entries(c), there ? QStringList({"CONFIG.SYS", "STARTUP.CMD"}) : QStringList({"CONFIG.SYS"}));
        QCOMPARE(c.read("STARTUP.CMD"), kind == "read-only" ? crlf({"EXIT"}) : QByteArray());
        QCOMPARE(p.memo(), memo);
        QCOMPARE(p.panel(), file ? "box Slett Lagre" : "Ny Lagre");
    }
};

QTEST_MAIN(TestStartupPage)
#include "tst_startup_page.moc"
