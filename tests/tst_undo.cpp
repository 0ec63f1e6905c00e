// Undo and redo of the user's changes: every kind of change goes back byte
// for byte and comes again, and a long random walk never strays from a model
// of the lines.
#include "test_support.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <functional>
#include <random>

namespace {

const QStringList &kConfig = kUndoConfig;

using Action = std::function<void(WindowOnDrive &)>;

} // namespace

Q_DECLARE_METATYPE(Action)

class UndoTest : public QObject
{
    Q_OBJECT

private slots:
    // One action of the user's is one step: undone, the document is byte for
    // byte as before it, the line it changed is current and the hint line
    // tells what was undone; redone (with either key), byte for byte as after
    // it. No file is written.
    void eachChangeGoesBackAndComesAgain_data()
    {
        QTest::addColumn<QStringList>("config");
        QTest::addColumn<PageId>("page");
        QTest::addColumn<Action>("setup");
        QTest::addColumn<Action>("act");
        QTest::addColumn<int>("line");
        const Action none = [](WindowOnDrive &) {};
        QTest::newRow("a run of keystrokes, Backspace among them")
            << kConfig << PageId::Fil << none << Action([](WindowOnDrive &win) {
                   pickAndFocus(win, 3);
                   QTest::keyClicks(win.get("Edit1"), "9");
                   QTest::keyClick(win.get("Edit1"), Qt::Key_Backspace);
                   QTest::keyClick(win.get("Edit1"), Qt::Key_Backspace);
                   QTest::keyClicks(win.get("Edit1"), "12");
               })
            << 3;
        QTest::newRow("REM av/på") << kConfig << PageId::Fil << none << Action([](WindowOnDrive &win) {
            win.pick("ListBox", 8);
            win.press("RemKnapp");
        }) << 8;
        QTest::newRow("a bar's key") << kConfig << PageId::Ytelse << none << Action([](WindowOnDrive &win) {
            win.get("Threads")->setFocus();
            QTest::keyClick(win.get("Threads"), Qt::Key_Right);
        }) << 3;
        QTest::newRow("one drag of a bar, both bars moved")
            << kConfig << PageId::Ytelse << none << Action([](WindowOnDrive &win) {
                   auto *bar = win.get<QScrollBar>("TimeSliceX");
                   bar->setSliderDown(true);
                   for (int value : {100, 300, 600})
                       bar->setSliderPosition(value);
                   bar->setSliderDown(false);
               })
            << 6;
        QTest::newRow("PRIORITY") << kConfig << PageId::Ytelse << none
                                  << Action([](WindowOnDrive &win) { win.click("Priority_1"); }) << 5;
        QTest::newRow("Beskyttet modus") << kConfig << PageId::Oppstart << none
                                         << Action([](WindowOnDrive &win) { win.click("protectonly"); }) << 7;
        QTest::newRow("Legg til config.sys")
            << kConfig << PageId::Oppstart << none
            << Action([](WindowOnDrive &win) { win.press("LeggTilRestartKnapp"); }) << 9;
        // The new line goes before the mark that ends the file, which moves down.
        QTest::newRow("Legg til config.sys, a Ctrl-Z at the end")
            << (kConfig + QStringList{"IFS=C:\\OS2\\CDFS.IFS\x1A"}) << PageId::Oppstart << none
            << Action([](WindowOnDrive &win) { win.press("LeggTilRestartKnapp"); }) << 10;
        QTest::newRow("a DOS driver's box adds its line")
            << kConfig << PageId::Dos << none << Action([](WindowOnDrive &win) { win.click("vemmsys"); }) << 9;
        QTest::newRow("an AUTOSTART box") << kConfig << PageId::Grensesnitt << none
                                          << Action([](WindowOnDrive &win) { win.click("tasklist"); }) << 1;
        QTest::newRow("Angre endringen")
            << kConfig << PageId::Fil << Action([](WindowOnDrive &win) {
                   pickAndFocus(win, 4);
                   QTest::keyClicks(win.get("Edit1"), "0");
                   win.w->showChanges();
               })
            << Action([](WindowOnDrive &win) {
                   auto *changes = win.w->findChild<QWidget *>("Endringer");
                   win.pick("EndringerListe", 0);
                   QTest::mouseClick(changes->findChild<QPushButton *>("AngreEndringKnapp"), Qt::LeftButton);
                   changes->close();
                   QVERIFY(win.activate());
               })
            << 4;
    }
    void eachChangeGoesBackAndComesAgain()
    {
        QFETCH(QStringList, config);
        QFETCH(PageId, page);
        QFETCH(Action, setup);
        QFETCH(Action, act);
        QFETCH(int, line);
        WindowOnDrive win(config, page);
        QVERIFY(win.activate());
        setup(win);
        const QList<QByteArray> before = documentBytes(*win.w);
        act(win);
        const QList<QByteArray> after = documentBytes(*win.w);
        QVERIFY(after != before);
        const QStringList files = snapshot(win.c.root());

        pressKey(win.w.get(), kUndo);
        QCOMPARE(documentBytes(*win.w), before);
        // An appended line is gone: the line before it is current.
        const int shown = std::min(line, static_cast<int>(before.size()) - 1);
        QCOMPARE(win.selected(), shown);
        QCOMPARE(win.text("Edit1"), QString::fromLatin1(before[shown]));
        QVERIFY2(win.text("Label3").startsWith(QStringLiteral("Angret: Linje %1: ").arg(line + 1)),
                 qPrintable(win.text("Label3")));

        pressKey(win.w.get(), kRedo);
        QCOMPARE(documentBytes(*win.w), after);
        QCOMPARE(win.selected(), line);
        QCOMPARE(win.text("Edit1"), QString::fromLatin1(after[line]));
        QVERIFY2(win.text("Label3").startsWith(QStringLiteral("Gjort om: Linje %1: ").arg(line + 1)),
                 qPrintable(win.text("Label3")));
        pressKey(win.w.get(), kUndo);
        pressKey(win.w.get(), kRedoY);
        QCOMPARE(documentBytes(*win.w), after);
        pressKey(win.w.get(), kRedoY);
        QCOMPARE(documentBytes(*win.w), after);
        QCOMPARE(win.text("Label3"), QStringLiteral("Ingenting å gjøre om"));
        QCOMPARE(snapshot(win.c.root()), files);
        QCOMPARE(win.w->handlerRuns().whileShowing, 0);
    }

    // Keystrokes, Backspace, "REM av/på", "Legg til config.sys", other lines
    // picked, undo and redo, 2,000 in all, seeded: after each the document
    // is the model's state, a list of the lines per step, where a run of
    // keystrokes on one line makes one step and a run typed and erased
    // again leaves none.
    void aRandomWalkKeepsToTheModel();
};

void UndoTest::aRandomWalkKeepsToTheModel()
{
    WindowOnDrive win(kConfig, PageId::Fil);
    QVERIFY(win.activate());
    std::mt19937 random(3303);
    std::vector<QList<QByteArray>> states{documentBytes(*win.w)};
    std::size_t at = 0;
    int runLine = -1; // the line of the keystrokes that the step on top holds
    const auto pushed = [&](const QList<QByteArray> &now) {
        states.resize(at + 1);
        states.push_back(now);
        ++at;
    };
    const auto edited = [&](const QList<QByteArray> &now) {
        if (now != states[at])
            pushed(now);
        runLine = -1;
    };
    const auto typed = [&](int line, const QList<QByteArray> &now) {
        if (runLine != line) {
            pushed(now);
            runLine = line;
            return;
        }
        states[at] = now;
        if (now == states[at - 1]) {
            states.pop_back();
            --at;
            runLine = -1;
        }
    };
    auto *edit = win.get<QLineEdit>("Edit1");
    for (int step = 0; step < 2000; ++step) {
        const int line = win.selected();
        const QByteArray text = line >= 0 ? states[at].value(line) : QByteArray();
        const unsigned op = random() % 16;
        if (op < 5 && line >= 0) {
            const char c = static_cast<char>('A' + random() % 26);
            edit->setFocus();
            QTest::keyClick(edit, c);
            QList<QByteArray> now = states[at];
            now[line] += c;
            typed(line, now);
        } else if (op < 7 && !text.isEmpty()) {
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Backspace);
            QList<QByteArray> now = states[at];
            now[line].chop(1);
            typed(line, now);
        } else if (op < 8 && line >= 0) {
            win.press("RemKnapp");
            QList<QByteArray> now = states[at];
            if (text.startsWith("REM "))
                now[line].remove(0, 4);
            else if (!text.isEmpty() && text != "REM ")
                now[line].prepend("REM ");
            edited(now);
        } else if (op < 9) {
            win.show(PageId::Oppstart);
            if (win.isEnabled("LeggTilRestartKnapp")) {
                win.press("LeggTilRestartKnapp");
                const QList<QByteArray> now = documentBytes(*win.w);
                QCOMPARE(now.mid(0, states[at].size()), states[at]);
                QCOMPARE(now.size(), states[at].size() + 1);
                QVERIFY(now.last().contains("RESTARTOBJECTS="));
                edited(now);
            }
            win.show(PageId::Fil);
        } else if (op < 11) {
            win.pick("ListBox", (std::max(line, 0) + 1 + static_cast<int>(random() % 8)) % states[at].size());
            runLine = -1;
        } else if (op < 14) {
            pressKey(win.w.get(), kUndo);
            if (at > 0)
                --at;
            runLine = -1;
        } else {
            pressKey(win.w.get(), random() % 2 ? kRedo : kRedoY);
            if (at + 1 < states.size())
                ++at;
            runLine = -1;
        }
        QVERIFY2(documentBytes(*win.w) == states[at], qPrintable(QStringLiteral("step %1, op %2").arg(step).arg(op)));
    }
    QVERIFY2(states.size() > 20, "the walk made too few steps to undo");
    QCOMPARE(win.w->handlerRuns().whileShowing, 0);
}

QTEST_MAIN(UndoTest)
#include "tst_undo.moc"
