// What follows undo and redo: the modified mark follows the saved state, a
// load starts the history anew, the pages forget lines gone for good,
// "Endringer" and F1's box follow, and the text fields keep their own undo.
#include "test_support.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QStringList &kConfig = kUndoConfig;

} // namespace

class UndoStateTest : public QObject
{
    Q_OBJECT

private slots:
    // Undo after "Lagre" marks the window modified again, redo back to the
    // saved lines clears the mark; no file is written.
    void theModifiedMarkFollowsTheSavedState();

    // "Hent" starts the history anew: nothing to undo after it.
    void hentClearsTheHistory();

    // A line that an undo took away is gone for good once a new line takes its
    // place: "Legg til config.sys" undone, a DOS driver's line added in its
    // place, and the RESTARTOBJECTS group must not write over that line.
    void aPageForgetsALineThatWasTakenAway();

    // "Endringer", open beside the window, follows an undo that takes an
    // added line away and a redo that brings it back; F1's rows undo and redo
    // as the keys do, each enabled only with a step to take.
    void theChangesViewAndF1FollowUndo();

    // The memos and any other text field keep their own undo; the yellow
    // line's keys and its context menu's "Angre" undo the document.
    void textFieldsKeepTheirOwnUndo();
};

void UndoStateTest::theModifiedMarkFollowsTheSavedState()
{
    WindowOnDrive win(kConfig, PageId::Fil);
    QVERIFY(win.activate());
    pickAndFocus(win, 3);
    QTest::keyClicks(win.get("Edit1"), "0");
    win.press("SaveKnapp");
    QVERIFY(!win.w->isWindowModified());
    const QByteArray saved = win.c.read("CONFIG.NEW");
    pressKey(win.w.get(), kUndo);
    QVERIFY(win.w->isWindowModified());
    QCOMPARE(win.w->unsavedFiles(), QStringList{TOs2Form::saveTarget()});
    pressKey(win.w.get(), kRedo);
    QVERIFY(!win.w->isWindowModified());
    // Typing after the save starts a step of its own: one undo is back at the save.
    QTest::keyClicks(win.get("Edit1"), "1");
    QVERIFY(win.w->isWindowModified());
    pressKey(win.w.get(), kUndo);
    QVERIFY(!win.w->isWindowModified());
    QCOMPARE(win.c.read("CONFIG.NEW"), saved);
}

void UndoStateTest::hentClearsTheHistory()
{
    WindowOnDrive win(kConfig, PageId::Fil);
    QVERIFY(win.activate());
    const QList<QByteArray> read = documentBytes(*win.w);
    pickAndFocus(win, 3);
    QTest::keyClicks(win.get("Edit1"), "0");
    win.pick("ListBox", 8);
    win.press("RemKnapp");
    win.press("OpenKnapp");
    QCOMPARE(documentBytes(*win.w), read);
    pressKey(win.w.get(), kUndo);
    QCOMPARE(documentBytes(*win.w), read);
    QCOMPARE(win.text("Label3"), QStringLiteral("Ingenting å angre"));
    QVERIFY(!win.w->canUndo() && !win.w->canRedo());
}

void UndoStateTest::aPageForgetsALineThatWasTakenAway()
{
    WindowOnDrive win(kConfig, PageId::Oppstart);
    QVERIFY(win.activate());
    win.press("LeggTilRestartKnapp");
    pressKey(win.w.get(), kUndo);
    QVERIFY(win.isEnabled("LeggTilRestartKnapp"));
    win.show(PageId::Dos);
    win.click("vemmsys");
    const QList<QByteArray> withDriver = documentBytes(*win.w);
    QCOMPARE(withDriver.last(), QByteArray("REM DEVICE=C:\\OS2\\MDOS\\VEMM.SYS"));
    win.show(PageId::Oppstart);
    win.click("restartgroup_2");
    QCOMPARE(documentBytes(*win.w), withDriver);
    QVERIFY(win.isEnabled("LeggTilRestartKnapp"));
    // Redo has nothing left to bring back, and the line added stays.
    pressKey(win.w.get(), kRedo);
    QCOMPARE(documentBytes(*win.w), withDriver);
}

void UndoStateTest::theChangesViewAndF1FollowUndo()
{
    WindowOnDrive win(kConfig, PageId::Oppstart);
    QVERIFY(win.activate());
    win.press("LeggTilRestartKnapp");
    win.w->showChanges();
    auto *rows = win.w->findChild<QAbstractItemView *>("EndringerListe");
    QCOMPARE(rows->model()->rowCount(), 1);
    QVERIFY(win.activate());
    pressKey(win.w.get(), kUndo);
    QCOMPARE(rows->model()->rowCount(), 0);
    pressKey(win.w.get(), kRedo);
    QCOMPARE(rows->model()->rowCount(), 1);
    QCOMPARE(rows->model()->index(0, 0).data().toString(), "Linje 10: + " + win.lines().last());

    const auto f1 = [&](const char *row) {
        win.w->showAbout();
        auto *button = win.w->findChild<QDialog *>("AboutBox")->findChild<QPushButton *>(row);
        const bool enabled = button->isEnabled();
        if (enabled)
            button->click();
        else
            win.w->findChild<QDialog *>("AboutBox")->close();
        return enabled;
    };
    const QList<QByteArray> added = documentBytes(*win.w);
    QVERIFY(!f1("redoEdit"));
    QVERIFY(f1("undoEdit"));
    QCOMPARE(documentBytes(*win.w), kConfig.join('\n').toLatin1().split('\n'));
    QVERIFY(!f1("undoEdit"));
    QVERIFY(f1("redoEdit"));
    QCOMPARE(documentBytes(*win.w), added);
}

void UndoStateTest::textFieldsKeepTheirOwnUndo()
{
    WindowOnDrive win(kConfig, PageId::Fil, {"STARTUP.CMD=@ECHO OFF|EXIT"});
    QVERIFY(win.activate());
    pickAndFocus(win, 3);
    QTest::keyClicks(win.get("Edit1"), "0");
    const QList<QByteArray> typed = documentBytes(*win.w);

    // A line edit of the window's that types text of its own, as a find field does.
    auto *field = new QLineEdit(win.get("ListBox")->parentWidget());
    field->show();
    field->setFocus();
    QTest::keyClicks(field, "ab");
    pressKey(win.w.get(), kUndo);
    QCOMPARE(field->text(), QString());
    pressKey(win.w.get(), kRedoY);
    QCOMPARE(field->text(), QStringLiteral("ab"));
    QCOMPARE(documentBytes(*win.w), typed);

    win.show(PageId::Oppstart);
    auto *memo = win.get<QPlainTextEdit>("StartupMemo");
    const QString memoText = memo->toPlainText();
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo, "X");
    pressKey(win.w.get(), kUndo);
    QCOMPARE(memo->toPlainText(), memoText);
    pressKey(win.w.get(), kRedoY);
    QCOMPARE(memo->toPlainText(), memoText + "X");
    pressKey(win.w.get(), kRedo);
    QCOMPARE(documentBytes(*win.w), typed);

    // The yellow line's own context menu undoes the document.
    win.show(PageId::Fil);
    win.pick("ListBox", 3);
    auto *edit = win.get<QLineEdit>("Edit1");
    emit edit->customContextMenuRequested(QPoint(4, 4));
    auto *menu = edit->findChild<QMenu *>();
    QVERIFY(menu);
    const QList<QAction *> rows = menu->actions();
    QVERIFY(!rows.isEmpty());
    QAction *undo = rows.first();
    QVERIFY(undo->isEnabled());
    undo->trigger();
    QCOMPARE(documentBytes(*win.w)[3], QByteArray("THREADS=256"));
    menu->close();
}

QTEST_MAIN(UndoStateTest)
#include "tst_undo_state.moc"
