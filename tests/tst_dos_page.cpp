// The "DOS" page: the driver boxes, the SHELL field and the AUTOEXEC.BAT editor with its files.
#include "test_support.h"

#include "workspace/text8_memo.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>

namespace {

const QString kMdos = QStringLiteral("DEVICE=C:\\OS2\\MDOS\\");
const QString kNine = QStringLiteral("1\n2\n3\n4\n5\n6\n7\n8\n9\n");
const QString kUseRem = QStringLiteral("Bruk REM-knappen til å endre");

// The window on drive C with the "DOS" page shown.
struct Dos : WindowOnDrive
{
    Text8Memo *const memo;

    explicit Dos(const QStringList &config, const QStringList &files = {})
        : WindowOnDrive(config, PageId::Dos, files), memo(get<Text8Memo>("autoexecmemo"))
    {
    }
    QCheckBox *box(const QString &name) const { return get<QCheckBox>(name); }
    // The status area as the user sees it: the selected line, Edit1, the line label and Label2.
    QString status() const
    {
        return QStringLiteral("%1|%2|%3|%4").arg(selected()).arg(text("Edit1"), text("LinjeLabel"), text("Label2"));
    }
    void type(const QString &text) const { memo->moveCursor(QTextCursor::End); typeText(memo, text); }
    QString disk(const QString &name) const // a file's text, "-" when missing, "/" for a folder
    {
        return QFileInfo(c.path(name)).isDir() ? "/" : c.exists(name) ? QString::fromLatin1(c.read(name)) : "-";
    }
    // The AUTOEXEC.BAT panel: the memo, the box checked and "Ny", "Slett", "Lagre" enabled as
    // four digits, then the files AUTOEXEC.BAT and AUTOEXEC.BAK.
    QString autoexec() const
    {
        QString digits = QString::number(isChecked("autoexec"));
        for (const char *name : {"NyAutoexecKnapp", "SlettAutoexecKnapp", "LagreAutoexecKnapp"})
            digits += QString::number(isEnabled(name));
        return QStringList{memo->toPlainText(), digits, disk("AUTOEXEC.BAT"), disk("AUTOEXEC.BAK")}.join(u'|');
    }
};

} // namespace

class TestDosPage : public QObject
{
    Q_OBJECT

private slots:
    void driverBoxes_data()
    {
        QTest::addColumn<QStringList>("config");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<int>("line");
        QTest::addColumn<bool>("appended");
        QTest::newRow("active") << QStringList{kMdos + "VXMS.SYS"} << "vxmssys" << true << 0 << false;
        QTest::newRow("small name") << QStringList{"REM", kMdos + "vemm.sys /X"} << "vemmsys" << true << 1 << false;
        QTest::newRow("after a REM") << QStringList{"REM " + kMdos + "VMOUSE.SYS", kMdos + "VMOUSE.SYS"} << "vmousesys"
                                     << true << 1 << false;
        QTest::newRow("commented") << QStringList{"REM " + kMdos + "ANSI.SYS"} << "ansisys" << false << 0 << false;
        QTest::newRow("small rem") << QStringList{"rem device=c:\\vdpmi.sys"} << "vdpmisys" << false << 0 << false;
        QTest::newRow("small device") << QStringList{"device=c:\\vwin.sys"} << "vwinsys" << false << 1 << true;
        QTest::newRow("missing") << QStringList{"REM", kMdos + "VWIN.SYS"} << "vw32ssys" << false << 2 << true;
        QTest::newRow("empty document") << QStringList{} << "vcdromsys" << false << 0 << true;
    }
    void driverBoxes()
    {
        QFETCH(QStringList, config);
        QFETCH(QString, box);
        QFETCH(bool, checked);
        QFETCH(int, line);
        QFETCH(bool, appended);
        Dos dos(config);
        QCOMPARE(dos.lines(), config); // the refresh adds nothing for a box that stays unchecked
        const QString driver = box.chopped(3).toUpper() + ".SYS"; // "vw32ssys" stands for VW32S.SYS
        const QStringList expected = config + QStringList(appended ? 1 : 0, "REM " + kMdos + driver);
        for (int click = 0; click < 2; ++click) { // the second click appends nothing more
            dos.w->status().showMessage(QString());
            dos.click(box);
            QCOMPARE(dos.box(box)->isChecked(), checked);
            QCOMPARE(dos.lines(), expected);
            QCOMPARE(dos.status(), QStringLiteral("%1|%2|Linje nr. %3|%4").arg(line).arg(expected.at(line)).arg(line + 1)
                                       .arg(kUseRem));
        }
        // The REM button switches the line; its refresh re-sets the box and adds nothing.
        dos.press("RemKnapp");
        QCOMPARE(dos.box(box)->isChecked(), dos.lines().at(line).startsWith(kMdos));
        QCOMPARE(dos.lines().size(), expected.size());
        QCOMPARE(dos.errors.messages(), QStringList{});
    }

    // The refresh sets the boxes from the document and writes nothing; only a
    // user's click on a box leads to its driver's line and may add one.
    void refreshSetsTheBoxesAndWritesNothing()
    {
        const QStringList lines{"SHELL=C:\\CMD.EXE", kMdos + "ANSI.SYS", kMdos + "VEMM.SYS", kMdos + "VCDROM.SYS", "REM VXMS.SYS"};
        Dos dos(lines);
        QCOMPARE(dos.get<QLineEdit>("shell")->text(), QStringLiteral("C:\\CMD.EXE"));
        QVERIFY(dos.box("ansisys")->isChecked() && dos.box("vemmsys")->isChecked() && !dos.box("vxmssys")->isChecked());
        QCOMPARE(dos.lines(), lines);
        QCOMPARE(dos.status(), "0|SHELL=C:\\CMD.EXE|Linje nr. 1|"); // the SHELL line is the current one

        // "Hent" on another page: the new file has ANSI.SYS commented and no VCDROM.SYS at all.
        const QStringList reloaded{kMdos + "VEMM.SYS", "REM " + kMdos + "ANSI.SYS"};
        dos.c.write("CONFIG.SYS", crlf(reloaded));
        dos.show(PageId::Ytelse);
        dos.press("OpenKnapp");
        QVERIFY(dos.box("vcdromsys")->isChecked()); // a hidden page is not refreshed
        dos.writes.clear();
        dos.show(PageId::Dos);
        QCOMPARE(dos.lines(), reloaded);
        QCOMPARE(dos.writes, QStringList{});
        QVERIFY(!dos.box("vcdromsys")->isChecked() && !dos.box("ansisys")->isChecked() && dos.box("vemmsys")->isChecked());
        // The line of the SHELL register, found in the earlier file, is the current one.
        QCOMPARE(dos.status(), "0|" + reloaded.at(0) + "|Linje nr. 1|");

        dos.click("vcdromsys");
        QCOMPARE(dos.lines(), reloaded + QStringList{"REM " + kMdos + "VCDROM.SYS"});
        QCOMPARE(dos.status(), "2|REM " + kMdos + "VCDROM.SYS|Linje nr. 3|" + kUseRem);
        dos.show(PageId::Ytelse);
        dos.show(PageId::Dos);
        QCOMPARE(dos.lines().size(), 3);
        QCOMPARE(dos.errors.messages(), QStringList{});
    }

    // A click into `shell` shows the SHELL value and makes the SHELL register's line current.
    void shellClick()
    {
        Dos dos({"REM a", "REM b"});
        auto *shell = dos.get<QLineEdit>("shell");
        const auto click = [&](const QStringList &reloaded) {
            dos.c.write("CONFIG.SYS", crlf(reloaded));
            dos.press("OpenKnapp");
            QTest::keyClicks(shell, "TYPED"); // overwritten by the click, never written anywhere
            dos.w->status().showMessage("red");
            QTest::mouseClick(shell, Qt::LeftButton);
            return shell->text() + '|' + dos.status() + (dos.lines() == reloaded ? "" : "|document changed");
        };
        QCOMPARE(click({"REM a", "REM b"}), "|0|REM a|Linje nr. 1|red"); // never found: line 0
        QCOMPARE(click({"REM", "shell=C:\\CMD.EXE /K=X"}), "C:\\CMD.EXE /K=X|1|shell=C:\\CMD.EXE /K=X|Linje nr. 2|red");
        QCOMPARE(click({"A", "REM shell=X"}), "|1|REM shell=X|Linje nr. 2|red"); // the line found last
        QCOMPARE(click({"A"}), "|-1||ikke i C:\\CONFIG.SYS|red"); // the register names no line: nothing is read
        QCOMPARE(click({}), "|-1||ikke i C:\\CONFIG.SYS|red");
        QCOMPARE(dos.errors.messages(), QStringList{});
    }

    void autoexecButtons()
    {
        Dos dos({"REM"});
        QCOMPARE(dos.autoexec(), kNine + "|0111|-|-");
        dos.press("SlettAutoexecKnapp"); // no AUTOEXEC.BAT: nothing at all
        QCOMPARE(dos.autoexec(), kNine + "|0111|-|-");
        dos.press("NyAutoexecKnapp"); // no backup: an empty file
        QCOMPARE(dos.autoexec(), "|1010||-");
        dos.type("X"); // typing does not enable "Lagre"; the box reloads the file over it
        dos.click("autoexec");
        QCOMPARE(dos.autoexec(), "|1010||-");
        dos.type("SET A=1"); // "Slett" saves the memo as it stands to the backup
        dos.press("SlettAutoexecKnapp");
        QCOMPARE(dos.autoexec(), "|0100|-|SET A=1\r\n");
        dos.type("DIR"); // without a file the box loads nothing, and "Lagre" follows the memo
        dos.click("autoexec");
        QCOMPARE(dos.autoexec(), "DIR|0101|-|SET A=1\r\n");
        dos.press("NyAutoexecKnapp");
        QCOMPARE(dos.autoexec(), "SET A=1\n|1011|SET A=1\r\n|SET A=1\r\n");
        QVERIFY(dos.memo->hasFocus());
        dos.type("X"); // a later scan loads nothing while the file's existence stays
        dos.press("OpenKnapp");
        QCOMPARE(dos.autoexec(), "SET A=1\nX|1011|SET A=1\r\n|SET A=1\r\n");
        QFile::remove(dos.c.path("AUTOEXEC.BAT"));
        dos.press("OpenKnapp");
        QCOMPARE(dos.autoexec(), "SET A=1\nX|0101|-|SET A=1\r\n");
        dos.press("LagreAutoexecKnapp");
        QCOMPARE(dos.autoexec(), "SET A=1\nX\n|1011|SET A=1\r\nX\r\n|SET A=1\r\n");
        QCOMPARE(dos.errors.messages(), QStringList{});
    }

    void autoexecTakesOnlyCodePage850()
    {
        Dos dos({"REM"}, {"AUTOEXEC.BAT="});
        QCOMPARE(dos.autoexec(), "|1011||-"); // the empty file replaced "1" to "9"
        dos.type(QStringLiteral("éŝ€aŸžœ’—Æø½")); // kept, its nearest form, or refused
        QCOMPARE(dos.memo->toPlainText(), QStringLiteral("ésaYz'-Æø½"));
        QGuiApplication::clipboard()->setText(QStringLiteral("\nŝ€é\nœ’x"));
        QTest::keySequence(dos.memo, QKeySequence::Paste);
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("ŝ€"));
        QCoreApplication::sendEvent(dos.memo, &composed);
        dos.press("LagreAutoexecKnapp");
        QCOMPARE(dos.autoexec(), QStringLiteral("ésaYz'-Æø½\nsé\n'xs\n|1011|ésaYz'-Æø½\r\nsé\r\n'xs\r\n|-"));
    }

    // A key that types a character beyond 16 bits (an emoji) brings both of its halves in one event.
    void autoexecRefusesAKeyBeyond16Bits()
    {
        Dos dos({"REM"}, {"AUTOEXEC.BAT="});
        QKeyEvent emoji(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("😀"));
        QCoreApplication::sendEvent(dos.memo, &emoji);
        QCOMPARE(dos.memo->toPlainText(), QString());
    }

    // Each failure is reported once and skips the rest of its handler: the panel stays as it was.
    void autoexecFailures_data()
    {
        QTest::addColumn<QStringList>("files"); // "gone": the folder of drive C vanishes after the start
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("state"); // afterwards; an unsaved "B" is typed before the button
        const QStringList readOnly{"AUTOEXEC.BAT!=A"};
        const QString rdOnly = ": filen er skrivebeskyttet";
        QTest::newRow("Slett: backup a folder") << QStringList{"AUTOEXEC.BAT=A", "AUTOEXEC.BAK/"} << "Slett"
                                                << "Kan ikke skrive C:\\AUTOEXEC.BAK" << "A\nB|1011|A\r\n|/";
        // A delete that cannot succeed is found out before the backup is written.
        QTest::newRow("Slett: read-only") << readOnly << "Slett" << "Kan ikke slette C:\\AUTOEXEC.BAT" + rdOnly
                                          << "A\nB|1011|A\r\n|-";
        QTest::newRow("Lagre: read-only") << readOnly << "Lagre" << "Kan ikke skrive C:\\AUTOEXEC.BAT" + rdOnly
                                          << "A\nB|1011|A\r\n|-";
        // A folder is no file: nothing is loaded from it, and nothing can be saved in its place.
        QTest::newRow("Lagre: a folder in the way") << QStringList{"AUTOEXEC.BAT/"} << "Lagre"
                                                    << "Kan ikke skrive C:\\AUTOEXEC.BAT" << kNine + "B|0111|/|-";
        QTest::newRow("Ny: folders in the way") << QStringList{"AUTOEXEC.BAT/", "AUTOEXEC.BAK/"} << "Ny"
                                              << "Kan ikke skrive C:\\AUTOEXEC.BAT" << "|0111|/|/";
        QTest::newRow("Ny: no drive folder") << QStringList{"gone"} << "Ny" << "Kan ikke skrive C:\\AUTOEXEC.BAT"
                                             << "|0111|-|-";
    }
    void autoexecFailures()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, button);
        QFETCH(QString, message);
        QFETCH(QString, state);
        const bool gone = files.removeAll("gone") > 0;
        Dos dos({"REM"}, files);
        if (gone)
            QVERIFY(QDir(dos.c.root()).removeRecursively());
        dos.type("B");
        dos.press(button + "AutoexecKnapp");
        const QStringList messages = dos.errors.messages();
        QVERIFY2(messages.size() == 1 && messages.first().startsWith(message), qPrintable(messages.join(u'|')));
        QCOMPARE(dos.autoexec(), state);
        QCOMPARE(QFileInfo::exists(dos.c.root()), !gone);
    }

    // A delete that fails although nothing could tell beforehand (an immutable
    // file) puts the earlier backup back: "Slett" then changes no file.
    void aFailedDeleteKeepsTheEarlierBackup_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("backup");
        QTest::newRow("earlier backup") << QStringList{"AUTOEXEC.BAT=A", "AUTOEXEC.BAK=OLD"} << "OLD\r\n";
        QTest::newRow("no earlier backup") << QStringList{"AUTOEXEC.BAT=A"} << "-";
    }
    void aFailedDeleteKeepsTheEarlierBackup()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, backup);
        Dos dos({"REM"}, files);
        if (QProcess::execute("chattr", {"+i", dos.c.path("AUTOEXEC.BAT")}) != 0)
            QSKIP("this file system takes no immutable attribute");
        const auto undo = qScopeGuard([&] { QProcess::execute("chattr", {"-i", dos.c.path("AUTOEXEC.BAT")}); });
        dos.type("B");
        dos.press("SlettAutoexecKnapp");
        const QStringList messages = dos.errors.messages();
        QVERIFY2(messages.size() == 1 && messages.first().startsWith("Kan ikke slette C:\\AUTOEXEC.BAT"),
                 qPrintable(messages.join(u'|')));
        QCOMPARE(dos.autoexec(), "A\nB|1011|A\r\n|" + backup);
    }
};

QTEST_MAIN(TestDosPage)
#include "tst_dos_page.moc"
