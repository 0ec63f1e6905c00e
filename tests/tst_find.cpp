// The find bar of "Fil": Ctrl+F finds text in the lines and marks each line
// that holds it, F3 and Shift+F3 lead round them, Ctrl+G goes to a line by
// its number, Escape closes the bar; none of it writes a byte.
#include "test_support.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

namespace {

const QStringList kLines{"REM Oppsett",
                         "LIBPATH=.;C:\\OS2\\DLL",
                         "SET PATH=C:\\OS2",
                         "rem libpath=c:\\gammel",
                         "DEVICE=C:\\OS2\\BOOT\\COM.SYS",
                         "THREADS=256",
                         "SET DPATH=C:\\OS2\\SYSTEM",
                         "REM Libpath slutt"};

// The window on drive C: with kLines, active (the keys are the window's).
struct Find : WindowOnDrive
{
    explicit Find(PageId page = PageId::Fil, const QStringList &lines = kLines)
        : WindowOnDrive(lines, page), active(activate())
    {
    }
    const bool active;
    QLineEdit *field() const { return get<QLineEdit>("FinnFelt"); }
    QWidget *bar() const { return field()->parentWidget(); }
    QListView *list() const { return get<QListView>("ListBox"); }
    QString count() const { return text("FinnTall"); }
    // A key pressed where the focus is, as the keyboard sends it.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) const
    {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : w.get(), key, modifiers);
    }
    void find(const QString &text) const
    {
        key(Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(field(), text);
    }
    // The colour of row `row` of the list where no text is drawn.
    QRgb rowColour(int row) const
    {
        const QRect rect = list()->visualRect(list()->model()->index(row, 0));
        return list()->viewport()->grab().toImage().pixel(rect.right() - 3, rect.center().y()) | 0xff000000;
    }
    // Nothing of the document changed, nor is it marked as changed.
    void checkNothingWritten(const QStringList &lines = kLines) const
    {
        QCOMPARE(this->lines(), lines);
        QCOMPARE(writes, QStringList());
        QVERIFY(!w->isWindowModified());
        QVERIFY(w->unsavedFiles().isEmpty());
    }
};

const QRgb kMarked = qRgb(255, 200, 128);
const QRgb kYellow = qRgb(255, 255, 0);

} // namespace

class TestFind : public QObject
{
    Q_OBJECT

private slots:
    // From another page, by Ctrl+F or by F1's button: "Fil" turns up with the
    // bar, typing finds from the selected line on and marks every line that
    // holds the text; Escape takes bar and marks away, the line stays.
    void findsAndMarksFromAnyPage_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Ctrl+F") << "Ctrl+F";
        QTest::newRow("F1's box") << "findInFile";
        QTest::newRow("F3 with nothing to find") << "F3";
    }
    void findsAndMarksFromAnyPage()
    {
        QFETCH(QString, way);
        Find win;
        QVERIFY(win.active);
        win.pick("ListBox", 2);
        win.show(PageId::Ytelse);
        QVERIFY(win.bar()->isHidden());
        if (way == u"Ctrl+F") {
            win.key(Qt::Key_F, Qt::ControlModifier);
        } else if (way == u"F3") {
            win.key(Qt::Key_F3);
        } else {
            win.key(Qt::Key_F1);
            auto *box = win.w->findChild<QDialog *>(QStringLiteral("AboutBox"));
            QVERIFY(box && box->isVisible());
            QTest::mouseClick(widget<QPushButton>(box, "findInFile"), Qt::LeftButton);
            QVERIFY(QTest::qWaitForWindowActive(win.w.get()));
        }
        QCOMPARE(win.w->currentPage(), PageId::Fil);
        QVERIFY(win.bar()->isVisible());
        QCOMPARE(QApplication::focusWidget(), win.field());
        // The list gives the bar room and keeps its width.
        QVERIFY(win.list()->geometry().bottom() < win.bar()->geometry().top());
        QCOMPARE(win.list()->width(), win.bar()->width());
        QCOMPARE(win.selected(), 2);

        QTest::keyClicks(win.field(), "libpath");
        QCOMPARE(win.status(), (QStringList{"rem libpath=c:\\gammel", "Linje nr. 4", "", "", "3"}));
        QCOMPARE(win.count(), QStringLiteral("2 av 3"));
        QCOMPARE(win.rowColour(1), kMarked);
        QCOMPARE(win.rowColour(7), kMarked);
        QCOMPARE(win.rowColour(2), kYellow);

        win.key(Qt::Key_Escape);
        QVERIFY(win.bar()->isHidden());
        QCOMPARE(QApplication::focusWidget(), win.list());
        QCOMPARE(win.status(), (QStringList{"rem libpath=c:\\gammel", "Linje nr. 4", "", "", "3"}));
        QCOMPARE(win.rowColour(1), kYellow);
        QCOMPARE(win.list()->height(), 241);
        // Ctrl+F again: the text is still there, selected for a new one.
        win.key(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(win.field()->selectedText(), QStringLiteral("libpath"));
        QCOMPARE(win.count(), QStringLiteral("2 av 3"));
        win.checkNothingWritten();
    }

    // F3, Enter and "Neste" lead on, Shift+F3, Shift+Enter and "Forrige"
    // back, round the ends of the file, each making the line current.
    void stepsGoRoundAndMakeTheLineCurrent_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("F3") << "F3";
        QTest::newRow("Enter") << "Enter";
        QTest::newRow("buttons") << "buttons";
    }
    void stepsGoRoundAndMakeTheLineCurrent()
    {
        QFETCH(QString, how);
        Find win;
        win.find("LIBPATH");
        QCOMPARE(win.selected(), 1);
        const auto next = [&] {
            if (how == u"F3")
                win.key(Qt::Key_F3);
            else if (how == u"Enter")
                QTest::keyClick(win.field(), Qt::Key_Return);
            else
                win.press("FinnNeste");
        };
        const auto previous = [&] {
            if (how == u"F3")
                win.key(Qt::Key_F3, Qt::ShiftModifier);
            else if (how == u"Enter")
                QTest::keyClick(win.field(), Qt::Key_Return, Qt::ShiftModifier);
            else
                win.press("FinnForrige");
        };
        const QString fromTop = QStringLiteral("Søket fortsatte fra begynnelsen av filen");
        const QString fromBottom = QStringLiteral("Søket fortsatte fra slutten av filen");
        next();
        QCOMPARE(win.status(), (QStringList{"rem libpath=c:\\gammel", "Linje nr. 4", "", "", "3"}));
        QCOMPARE(win.count(), QStringLiteral("2 av 3"));
        next();
        QCOMPARE(win.status(), (QStringList{"REM Libpath slutt", "Linje nr. 8", "", "", "7"}));
        next();
        QCOMPARE(win.status(), (QStringList{"LIBPATH=.;C:\\OS2\\DLL", "Linje nr. 2", "", fromTop, "1"}));
        QCOMPARE(win.count(), QStringLiteral("1 av 3"));
        previous();
        QCOMPARE(win.status(), (QStringList{"REM Libpath slutt", "Linje nr. 8", "", fromBottom, "7"}));
        QCOMPARE(win.count(), QStringLiteral("3 av 3"));
        previous();
        QCOMPARE(win.status(), (QStringList{"rem libpath=c:\\gammel", "Linje nr. 4", "", "", "3"}));
        // The line shown is the user's to edit, as after a click.
        QVERIFY(!win.get<QLineEdit>("Edit1")->isReadOnly());
        // From a line that holds no match, the next one on.
        win.pick("ListBox", 4);
        QCOMPARE(win.count(), QStringLiteral("3 treff"));
        if (how == u"Enter")
            win.field()->setFocus();
        next();
        QCOMPARE(win.selected(), 7);
        win.checkNothingWritten();
    }

    // Letter case aside unless asked; a text no line holds says so and
    // leaves the line where it was.
    void letterCaseAndNoMatch()
    {
        Find win;
        win.find("LIBPATH");
        QCOMPARE(win.count(), QStringLiteral("1 av 3"));
        auto *matchCase = win.get<QCheckBox>("FinnStoreSmaa");
        QVERIFY(!matchCase->isChecked());
        win.click("FinnStoreSmaa");
        QVERIFY(matchCase->isChecked());
        QCOMPARE(win.count(), QStringLiteral("1 av 1"));
        QCOMPARE(win.rowColour(3), kYellow);
        win.field()->selectAll();
        QTest::keyClicks(win.field(), "Libpath");
        QCOMPARE(win.count(), QStringLiteral("1 av 1"));
        QCOMPARE(win.selected(), 7);
        win.click("FinnStoreSmaa");
        QCOMPARE(win.count(), QStringLiteral("3 av 3"));

        QTest::keyClicks(win.field(), "X");
        QCOMPARE(win.count(), QStringLiteral("Ingen treff"));
        QCOMPARE(win.selected(), 7);
        win.key(Qt::Key_F3);
        QCOMPARE(win.selected(), 7);
        // A character the file cannot hold is in no line.
        win.field()->clear();
        typeText(win.field(), QStringLiteral("→"));
        QCOMPARE(win.count(), QStringLiteral("Ingen treff"));
        win.field()->selectAll();
        QTest::keyClick(win.field(), Qt::Key_Backspace);
        QCOMPARE(win.count(), QString());
        win.checkNothingWritten();
    }

    // Ctrl+G: a line of the file becomes current; any other number is
    // refused in the message line, the selection stays.
    void goesToALineByItsNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("selected"); // -1: the selection stays
        QTest::addColumn<QString>("message");
        QTest::newRow("the fifth") << "5" << 4 << "";
        QTest::newRow("the last") << "8" << 7 << "";
        QTest::newRow("a leading nought") << "02" << 1 << "";
        QTest::newRow("nought") << "0" << -1 << "Linje 0 finnes ikke: C:\\CONFIG.SYS har linje 1 til 8";
        QTest::newRow("past the end") << "9" << -1 << "Linje 9 finnes ikke: C:\\CONFIG.SYS har linje 1 til 8";
        QTest::newRow("far past") << "999999" << -1 << "Linje 999999 finnes ikke: C:\\CONFIG.SYS har linje 1 til 8";
        QTest::newRow("letters are refused") << "abc" << -1 << "";
    }
    void goesToALineByItsNumber()
    {
        QFETCH(QString, typed);
        QFETCH(int, selected);
        QFETCH(QString, message);
        Find win(PageId::Fil);
        win.pick("ListBox", 2);
        win.show(PageId::Dos);
        win.key(Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(win.w->currentPage(), PageId::Fil);
        // The line the "DOS" page made current, which a refused number leaves.
        const int before = win.selected();
        if (selected < 0)
            selected = before;
        auto *number = win.get<QLineEdit>("LinjeFelt");
        QCOMPARE(QApplication::focusWidget(), number);
        QTest::keyClicks(number, typed);
        QTest::keyClick(number, Qt::Key_Return);
        QCOMPARE(win.selected(), selected);
        QCOMPARE(win.text("Edit1"), kLines.at(selected));
        QCOMPARE(win.text("LinjeLabel"), QStringLiteral("Linje nr. %1").arg(selected + 1));
        QCOMPARE(win.text("Label2"), message);
        QVERIFY(win.errors.messages().isEmpty());
        win.checkNothingWritten();
    }

    // The marks follow the lines as the user edits them, and a new "Hent"
    // looks again in the lines read.
    void followsEditsAndLoads()
    {
        Find win;
        win.find("libpath");
        win.pick("ListBox", 5);
        QCOMPARE(win.count(), QStringLiteral("3 treff"));
        auto *edit = win.get<QLineEdit>("Edit1");
        edit->end(false);
        QTest::keyClicks(edit, " libpath");
        QCOMPARE(win.lines().at(5), QStringLiteral("THREADS=256 libpath"));
        QCOMPARE(win.count(), QStringLiteral("3 av 4"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(win.count(), QStringLiteral("3 treff"));
        win.press("OpenKnapp");
        QCOMPARE(win.lines(), kLines);
        QCOMPARE(win.selected(), 0);
        QCOMPARE(win.count(), QStringLiteral("3 treff"));
        win.key(Qt::Key_F3);
        QCOMPARE(win.selected(), 1);
    }

    // Each control of the bar has a name to be read out and a tooltip that
    // tells its key.
    void everyControlTellsItsKey_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        QTest::newRow("field") << "FinnFelt" << "Ctrl+F";
        QTest::newRow("next") << "FinnNeste" << "F3";
        QTest::newRow("previous") << "FinnForrige" << "Shift+F3";
        QTest::newRow("letter case") << "FinnStoreSmaa" << "Alt+S";
        QTest::newRow("line number") << "LinjeFelt" << "Ctrl+G";
        QTest::newRow("close") << "FinnLukk" << "Esc";
    }
    void everyControlTellsItsKey()
    {
        QFETCH(QString, name);
        QFETCH(QString, key);
        Find win;
        win.key(Qt::Key_F, Qt::ControlModifier);
        QWidget *control = win.get(name);
        QVERIFY(control->isVisible());
        QVERIFY(control->toolTip().contains(u'(' + key) || control->toolTip().contains(u' ' + key));
        const QString spoken = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        QVERIFY2(!spoken.isEmpty() && !spoken.contains(u'&'), qPrintable(spoken));
        // The key of the letter-case box works, and "×" closes the bar.
        if (name == u"FinnStoreSmaa") {
            win.key(Qt::Key_S, Qt::AltModifier);
            QVERIFY(win.isChecked(name));
        } else if (name == u"FinnLukk") {
            win.press(name);
            QVERIFY(win.bar()->isHidden());
        }
    }
};

QTEST_MAIN(TestFind)
#include "tst_find.moc"
