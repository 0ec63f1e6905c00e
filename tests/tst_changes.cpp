// What the user changed, before it reaches the disk: the view "Endringer",
// the modified mark, what each write says, and the questions before a close
// or a delete would lose something.
#include "test_support.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QWindow>

namespace {

const QStringList kLines{"RESTARTOBJECTS=YES", "THREADS=64", "PROTECTONLY=NO", QStringLiteral("REM æøå")};

struct Window : WindowOnDrive
{
    using WindowOnDrive::WindowOnDrive;

    // The view "Endringer" when it is open.
    QDialog *view() const { return w->findChild<QDialog *>("Endringer"); }
    QListView *list() const { return widget<QListView>(view(), "EndringerListe"); }
    QStringList rows() const
    {
        QStringList out;
        const QAbstractItemModel *model = list()->model();
        for (int r = 0; r < model->rowCount(); ++r)
            out << model->index(r, 0).data().toString();
        return out;
    }
    QString count() const { return widget<QLabel>(view(), "EndringerTall")->text(); }
    QPushButton *revert() const { return widget<QPushButton>(view(), "AngreEndringKnapp"); }
    void pickRow(int row) const { list()->setCurrentIndex(list()->model()->index(row, 0)); }
    // Types at the end of line `line`, chosen on "Fil".
    void typeInto(int line, const QString &text) const
    {
        show(PageId::Fil);
        pick("ListBox", line);
        typeText(get("Edit1"), text);
    }
    bool marked() const { return w->isWindowModified(); }
};

} // namespace

class TestChanges : public QObject
{
    Q_OBJECT

private slots:
    // Every way of changing a line gives its row, in the window's text
    // display; the view follows changes made while it is open.
    void aRowPerKindOfChange_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("openFirst");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("count");
        const auto both = [](const char *name, const QString &action, const QString &row, const QString &count) {
            QTest::addRow("%s, view opened after", name) << action << false << row << count;
            QTest::addRow("%s, view open", name) << action << true << row << count;
        };
        both("page control", "protectonly", "Linje 3: PROTECTONLY=NO → PROTECTONLY=YES", "1 linje endret");
        both("Edit1 typing", "type", "Linje 2: THREADS=64 → THREADS=648", "1 linje endret");
        both("REM toggle", "rem", QStringLiteral("Linje 4: REM æøå → æøå"), "1 linje endret");
        both("appended driver", "vcdromsys", "Linje 5: + REM DEVICE=C:\\OS2\\MDOS\\VCDROM.SYS", "1 linje lagt til");
    }
    void aRowPerKindOfChange()
    {
        QFETCH(QString, action);
        QFETCH(bool, openFirst);
        QFETCH(QString, row);
        QFETCH(QString, count);
        Window win(kLines);
        if (openFirst) {
            win.w->showChanges();
            QCOMPARE(win.rows(), QStringList());
            QCOMPARE(win.count(), "Ingen endringer");
        }
        QVERIFY(!win.marked());
        if (action == "protectonly") {
            win.show(PageId::Oppstart);
            win.click("protectonly");
        } else if (action == "type") {
            win.typeInto(1, "8");
        } else if (action == "rem") {
            win.show(PageId::Fil);
            win.pick("ListBox", 3);
            win.press("RemKnapp");
        } else {
            win.show(PageId::Dos);
            win.click(action);
        }
        win.w->showChanges();
        QCOMPARE(win.rows(), QStringList{row});
        QCOMPARE(win.count(), count);
        QVERIFY(win.marked());
        // Only a changed line can be put back; an added one stays.
        win.pickRow(0);
        QCOMPARE(win.revert()->isEnabled(), !row.contains(" + "));
        QCOMPARE(win.errors.messages(), QStringList());
    }

    // A changed list statement also says which items came, went or moved,
    // in the field below and in the row's tooltip; another line has none.
    void itemsOfAListStatement()
    {
        Window win({"LIBPATH=.;C:\\OS2\\DLL;C:\\MPTN\\DLL", "THREADS=64"});
        win.show(PageId::Fil);
        win.pick("ListBox", 0);
        QLineEdit *edit = win.get<QLineEdit>("Edit1");
        edit->selectAll();
        typeText(edit, "LIBPATH=.;C:\\MPTN\\DLL;C:\\OS2\\DLL;D:\\NY");
        win.typeInto(1, "8");
        win.w->showChanges();
        auto *items = widget<QLineEdit>(win.view(), "EndringElementer");
        win.pickRow(0);
        const QString expected = "LIBPATH: ~ C:\\MPTN\\DLL (nr. 3 → 2); + D:\\NY";
        QCOMPARE(items->text(), expected);
        QVERIFY(items->isEnabled());
        QVERIFY(win.list()->model()->index(0, 0).data(Qt::ToolTipRole).toString().endsWith(u'\n' + expected));
        win.pickRow(1);
        QCOMPARE(items->text(), QString());
        QVERIFY(!items->isEnabled());
    }

    // One view, from Ctrl+D or F1; Enter and a double click lead to a line;
    // "Angre endringen" puts a line back through the page, and "Lagre" then
    // writes the file as read, byte for byte.
    void revertThenSaveWritesTheFileRead()
    {
        const QByteArray read = crlf(kLines);
        Window win(ConfigBytes(read), PageId::Oppstart);
        win.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(win.w.get()));
        QTest::keyClick(win.w.get(), Qt::Key_D, Qt::ControlModifier);
        QPointer<QDialog> view = win.view();
        QVERIFY(view && view->isVisible());
        QVERIFY(!win.revert()->isEnabled());

        win.click("restartgroup_2");
        win.click("protectonly");
        win.typeInto(1, "0");
        QCOMPARE(win.rows(), (QStringList{"Linje 1: RESTARTOBJECTS=YES → SET RESTARTOBJECTS=REBOOTONLY", "Linje 2: THREADS=64 → THREADS=640",
                                          "Linje 3: PROTECTONLY=NO → PROTECTONLY=YES"}));
        QCOMPARE(win.count(), "3 linjer endret");

        // Enter and a double click make the row's line current; the view stays.
        QTest::keyClick(win.list(), Qt::Key_Down);
        QTest::keyClick(win.list(), Qt::Key_Return);
        QCOMPARE(win.status(), (QStringList{"SET RESTARTOBJECTS=REBOOTONLY", "Linje nr. 1", "", "", "0"}));
        const QRect third = win.list()->visualRect(win.list()->model()->index(2, 0));
        // A double click is a click, then the double click event.
        QTest::mouseClick(win.list()->viewport(), Qt::LeftButton, {}, third.center());
        QCOMPARE(win.selected(), 0);
        QTest::mouseDClick(win.list()->viewport(), Qt::LeftButton, {}, third.center());
        QCOMPARE(win.status(), (QStringList{"PROTECTONLY=YES", "Linje nr. 3", "", "", "2"}));
        QVERIFY(view->isVisible());

        // Ctrl+D again, and the row of the F1 box, raise the same view.
        win.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(win.w.get()));
        QTest::keyClick(win.w.get(), Qt::Key_D, Qt::ControlModifier);
        QTRY_VERIFY(view->isActiveWindow());
        win.w->showAbout();
        QTest::mouseClick(widget<QPushButton>(win.w.get(), "showChanges"), Qt::LeftButton);
        QCOMPARE(win.w->findChildren<QDialog *>("Endringer").size(), 1);

        // Back on "Oppstart", "Angre endringen" on RESTARTOBJECTS: the page follows.
        win.show(PageId::Oppstart);
        win.pickRow(0);
        win.revert()->click();
        QCOMPARE(win.lines().value(0), "RESTARTOBJECTS=YES");
        QVERIFY(win.isChecked("restartgroup_4"));
        QCOMPARE(win.text("Edit1"), "RESTARTOBJECTS=YES");
        QCOMPARE(win.count(), "2 linjer endret");
        for (int left = 2; left > 0; --left) {
            win.pickRow(0);
            win.revert()->click();
        }
        QCOMPARE(win.count(), "Ingen endringer");
        QVERIFY(!win.revert()->isEnabled());
        QVERIFY(!win.marked());
        win.press("SaveKnapp");
        QCOMPARE(win.c.read("CONFIG.NEW"), read);
        QCOMPARE(win.text("Label3"), QStringLiteral("Lagret C:\\CONFIG.NEW – ingen endringer"));
        QCOMPARE(win.errors.messages(), QStringList());
    }

    // A long changed line: its row as drawn shows the line number, the arrow
    // and the start of both texts, and Tab from the list reaches the whole
    // of both, before and now.
    void aLongChangedLine()
    {
        const QString path = "SET PATH=C:\\OS2;C:\\OS2\\SYSTEM;" + QString(300, u'X');
        Window win({"REM", path}, PageId::Fil);
        win.typeInto(1, ";D:\\NEW");
        win.w->showChanges();
        QVERIFY(QTest::qWaitForWindowExposed(win.view()));
        QListView *list = win.list();
        const QModelIndex row = list->model()->index(0, 0);
        // As drawn: cut as the view cuts it to its row, of which the part
        // inside the view shows.
        const QFontMetrics metrics = list->fontMetrics();
        const QString drawn = metrics.elidedText(
            metrics.elidedText(row.data().toString(), list->textElideMode(), list->visualRect(row).width()),
            Qt::ElideRight, list->viewport()->width());
        QVERIFY2(drawn.startsWith("Linje 2: SET PATH=C:\\OS2") && drawn.contains(" → SET PATH=C:\\OS2"),
                 qPrintable(drawn));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Tab);
        auto *before = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(before);
        QCOMPARE(before->objectName(), "EndringFoer");
        QCOMPARE(before->text(), path);
        QTest::keyClick(before, Qt::Key_Tab);
        auto *now = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(now);
        QCOMPARE(now->objectName(), "EndringNaa");
        QCOMPARE(now->text(), path + ";D:\\NEW");
        // It follows the line as it is typed.
        win.typeInto(1, "2");
        QCOMPARE(now->text(), path + ";D:\\NEW2");
    }

    // The "Ytelse" controls show the document's values after every change that
    // none of them made, as the scan would: a line put back, typed or switched;
    // the next step of a bar goes on from there.
    void ytelseFollowsEveryOtherChange_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("threads"); // the bar after the change
        QTest::addColumn<QString>("next"); // the line after one more step
        QTest::newRow("Angre endringen") << "revert" << 1024 << "THREADS=1088";
        QTest::newRow("typed in the yellow line") << "type" << 2048 << "THREADS=2112";
        // Commented out, the line is no THREADS statement: the bar shows the start position.
        QTest::newRow("REM av/på") << "rem" << 1024 << "THREADS=1088";
        QTest::newRow("REM av/på twice") << "rem twice" << 1088 << "THREADS=1152";
    }
    void ytelseFollowsEveryOtherChange()
    {
        QFETCH(QString, change);
        QFETCH(int, threads);
        QFETCH(QString, next);
        Window win(QStringList{"THREADS=1024", "TIMESLICE=32,248", "PRIORITY=DYNAMIC", "MAXWAIT=3"}, PageId::Ytelse);
        auto *bar = win.get<QScrollBar>("Threads");
        const auto step = [&] {
            bar->setFocus();
            QTest::keyClick(bar, Qt::Key_Right);
        };
        step();
        QCOMPARE(win.lines().at(0), "THREADS=1088");
        if (change == "revert") {
            win.w->showChanges();
            win.pickRow(0);
            win.revert()->click();
            QCOMPARE(win.lines().at(0), "THREADS=1024");
        } else if (change == "type") {
            auto *edit = win.get<QLineEdit>("Edit1");
            edit->end(false);
            for (int i = 0; i < 4; ++i)
                QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClicks(edit, "2048");
        } else {
            win.press("RemKnapp");
            QCOMPARE(win.lines().at(0), "REM THREADS=1088");
            if (change == "rem twice")
                win.press("RemKnapp");
        }
        QCOMPARE(bar->value(), threads);
        QCOMPARE(bar->toolTip(), QStringLiteral("THREADS=%1").arg(threads));
        step();
        QCOMPARE(win.lines().at(0), next);

        // The other bars and the group follow a put-back line too.
        win.click("Priority_1");
        win.drag("TimeSliceY", 1000);
        QVERIFY(!win.get("MaxWait")->isVisible());
        QCOMPARE(win.lines().mid(1, 2), (QStringList{"TIMESLICE=32,2000", "PRIORITY=ABSOLUTE"}));
        win.w->showChanges();
        for (const int row : {2, 1}) { // PRIORITY, then TIMESLICE
            win.pickRow(row);
            win.revert()->click();
        }
        QCOMPARE(win.lines().mid(1, 2), (QStringList{"TIMESLICE=32,248", "PRIORITY=DYNAMIC"}));
        QVERIFY(win.isChecked("Priority_0") && win.get("MaxWait")->isVisible());
        QCOMPARE(win.get<QScrollBar>("TimeSliceY")->value(), 124);
        QCOMPARE(win.errors.messages(), QStringList());
    }

    // The mark in the title and the status area follow the document and the
    // memos: on with a change, off once saved (or back as read), and "Hent"
    // tells what it threw away.
    void theModifiedMarkAndWhatIsSaid()
    {
        Window win(kLines, PageId::Fil, {"STARTUP.CMD=EXIT"});
        QCOMPARE(win.w->windowHandle()->title(), "OS/2 setup");
        for (int line : {0, 1, 2})
            win.typeInto(line, "9");
        win.show(PageId::Dos);
        win.click("vcdromsys");
        QCOMPARE(win.w->windowHandle()->title(), "OS/2 setup*");
        win.press("SaveKnapp");
        QCOMPARE(win.text("Label3"), QStringLiteral("Lagret C:\\CONFIG.NEW – 3 linjer endret, 1 lagt til"));
        QVERIFY(!win.marked());
        // Against what was saved: a keystroke marks, taking it back unmarks.
        win.typeInto(3, "x");
        QVERIFY(win.marked());
        QTest::keyClick(win.get("Edit1"), Qt::Key_Backspace);
        QVERIFY(!win.marked());
        // A memo likewise, against its file.
        auto *memo = win.get<QPlainTextEdit>("StartupMemo");
        typeText(memo, "REM ");
        QVERIFY(win.marked());
        QCOMPARE(win.w->unsavedFiles(), QStringList{"C:\\STARTUP.CMD"});
        win.show(PageId::Oppstart);
        win.press("LagreStartupKnapp");
        QCOMPARE(win.text("Label3"), "Lagret C:\\STARTUP.CMD");
        QVERIFY(!win.marked());
        // "Hent" discards without asking, and says how much.
        win.typeInto(1, "1");
        win.press("OpenKnapp");
        QCOMPARE(win.text("Label3"), QStringLiteral("Forkastet 4 endringer: 3 linjer endret, 1 lagt til"));
        QVERIFY(!win.marked());
        QCOMPARE(win.lines(), kLines);
        win.press("SaveKnapp");
        QCOMPARE(win.text("Label3"), QStringLiteral("Lagret C:\\CONFIG.NEW – ingen endringer"));
        // "Hent" reads STARTUP.CMD again too: a memo's edits go, and are named.
        const QString startup = memo->toPlainText();
        typeText(memo, "REM ");
        win.press("OpenKnapp");
        QCOMPARE(win.text("Label3"), QStringLiteral("Forkastet endringene i C:\\STARTUP.CMD"));
        QCOMPARE(memo->toPlainText(), startup);
        typeText(memo, "REM ");
        win.typeInto(1, "1");
        win.press("OpenKnapp");
        QCOMPARE(win.text("Label3"),
                 QStringLiteral("Forkastet 1 endring: 1 linje endret, og endringene i C:\\STARTUP.CMD"));
        QVERIFY(!win.marked());
        QVERIFY(win.questions.asked().empty());
    }

    // Closing with unsaved changes asks once, naming each file; "Lagre"
    // closes only when every write succeeded.
    void theCloseQuestion_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("files"); // on the drive besides these
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("written");
        QTest::newRow("Lagre") << "Lagre" << QStringList{} << true << true;
        QTest::newRow("Forkast") << "Forkast" << QStringList{} << true << false;
        QTest::newRow("Avbryt") << "Avbryt" << QStringList{} << false << false;
        QTest::newRow("Lagre, CONFIG.NEW fails") << "Lagre" << QStringList{"CONFIG.NEW/"} << false << true;
    }
    void theCloseQuestion()
    {
        QFETCH(QString, answer);
        QFETCH(QStringList, files);
        QFETCH(bool, closes);
        QFETCH(bool, written);
        Window win(kLines, PageId::Fil, files + QStringList{"STARTUP.CMD=EXIT", "AUTOEXEC.BAT=ECHO"});
        win.typeInto(1, "8");
        typeText(win.get("StartupMemo"), "REM ");
        typeText(win.get("autoexecmemo"), "@");
        win.questions.answer({answer});
        QCOMPARE(win.w->close(), closes);
        QCOMPARE(win.questions.asked().size(), static_cast<std::size_t>(1));
        const Question &q = win.questions.asked().front();
        QCOMPARE(q.text, "Lagre endringene før du avslutter?");
        for (const char *file : {"C:\\CONFIG.NEW", "C:\\STARTUP.CMD", "C:\\AUTOEXEC.BAT"})
            QVERIFY2(q.details.contains(file), qPrintable(q.details));
        QStringList buttons;
        for (const Question::Button &b : q.buttons)
            buttons << b.text;
        QCOMPARE(buttons, (QStringList{"Lagre", "Forkast", "Avbryt"}));
        QCOMPARE(q.safeAnswer, "Avbryt");
        QCOMPARE(win.w->isVisible(), !closes);

        const bool configFails = files.contains("CONFIG.NEW/");
        QCOMPARE(win.c.read("CONFIG.NEW"), written && !configFails ? crlf({kLines[0], "THREADS=648", kLines[2], kLines[3]})
                                                                   : QByteArray());
        QCOMPARE(win.c.read("STARTUP.CMD"), written ? crlf({"REM EXIT"}) : crlf({"EXIT"}));
        QCOMPARE(win.c.read("AUTOEXEC.BAT"), written ? crlf({"@ECHO"}) : crlf({"ECHO"}));
        const QStringList messages = win.errors.messages();
        QCOMPARE(messages.size(), configFails ? 1 : 0);
        if (configFails) {
            QVERIFY2(messages.first().contains("C:\\CONFIG.NEW"), qPrintable(messages.first()));
            // What is still unsaved is asked about again, and only that.
            QVERIFY(!win.w->close());
            QCOMPARE(win.questions.asked().back().details.count("C:\\"), 1);
        }
    }

    // Nothing unsaved, nothing asked: the memo's placeholders "1" to "9"
    // included, which "Lagre" on "DOS" refuses to write.
    void placeholdersAreNeitherWrittenNorUnsaved()
    {
        Window win({"REM"}, PageId::Dos);
        win.press("LagreAutoexecKnapp");
        QVERIFY(!win.c.exists("AUTOEXEC.BAT"));
        QCOMPARE(win.text("Label2"), "Ikke lagret: 1 til 9 er bare plassholdere");
        QCOMPARE(win.text("Label3"), QStringLiteral("Skriv inn C:\\AUTOEXEC.BAT i feltet, eller trykk «Ny»"));
        QVERIFY(!win.marked());
        // Touched, they are the user's text.
        typeText(win.get("autoexecmemo"), "0");
        QVERIFY(win.marked());
        win.press("LagreAutoexecKnapp");
        QCOMPARE(win.c.read("AUTOEXEC.BAT"), crlf({"01", "2", "3", "4", "5", "6", "7", "8", "9"}));
        QCOMPARE(win.text("Label3"), "Lagret C:\\AUTOEXEC.BAT");
        QVERIFY(win.w->close());
        QVERIFY(win.questions.asked().empty());
    }

    // Every write of a side file says what it did; only a delete without
    // backup asks first, with "Nei" as its safe answer.
    void sideFileWrites_data()
    {
        QTest::addColumn<PageId>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("left"); // the files then on the drive, besides CONFIG.SYS
        QTest::newRow("Slett STARTUP.CMD, Ja") << PageId::Oppstart << "SlettStartupKnapp" << "Ja"
                                               << "Slette C:\\STARTUP.CMD? Filen kan ikke hentes tilbake."
                                               << "Slettet C:\\STARTUP.CMD" << "AUTOEXEC.BAT";
        QTest::newRow("Slett STARTUP.CMD, Nei") << PageId::Oppstart << "SlettStartupKnapp" << "Nei"
                                                << "Slette C:\\STARTUP.CMD? Filen kan ikke hentes tilbake."
                                                // Nothing written, nothing said: the yellow line's own hint.
                                                << lockedHint::missing
                                                << "AUTOEXEC.BAT STARTUP.CMD";
        QTest::newRow("Lagre STARTUP.CMD") << PageId::Oppstart << "LagreStartupKnapp" << "" << ""
                                           << "Lagret C:\\STARTUP.CMD" << "AUTOEXEC.BAT STARTUP.CMD";
        QTest::newRow("Slett AUTOEXEC.BAT") << PageId::Dos << "SlettAutoexecKnapp" << "" << ""
                                            << QStringLiteral("Slettet C:\\AUTOEXEC.BAT – kopi i C:\\AUTOEXEC.BAK")
                                            << "AUTOEXEC.BAK STARTUP.CMD";
        QTest::newRow("Ny AUTOEXEC.BAT") << PageId::Dos << "NyAutoexecKnapp" << "" << "" << "Lagret C:\\AUTOEXEC.BAT"
                                         << "AUTOEXEC.BAT STARTUP.CMD";
    }
    void sideFileWrites()
    {
        QFETCH(PageId, page);
        QFETCH(QString, button);
        QFETCH(QString, answer);
        QFETCH(QString, asked);
        QFETCH(QString, hint);
        QFETCH(QString, left);
        Window win({"REM"}, page, {"STARTUP.CMD=EXIT", "AUTOEXEC.BAT=ECHO"});
        if (button == "NyAutoexecKnapp") {
            QFile::remove(win.c.path("AUTOEXEC.BAT"));
            win.click("autoexec");
        }
        if (!answer.isEmpty())
            win.questions.answer({answer});
        win.w->status().showHint(QString());
        win.press(button);
        QStringList askedTexts;
        for (const Question &q : win.questions.asked())
            askedTexts << q.text + " [" + q.safeAnswer + "]";
        QCOMPARE(askedTexts, asked.isEmpty() ? QStringList() : QStringList{asked + " [Nei]"});
        QCOMPARE(win.text("Label3"), hint);
        QStringList files = QDir(win.c.root()).entryList(QDir::Files);
        files.removeOne("CONFIG.SYS");
        QCOMPARE(files.join(u' '), left);
        QCOMPARE(win.errors.messages(), QStringList());
    }
};

QTEST_MAIN(TestChanges)
#include "tst_changes.moc"
