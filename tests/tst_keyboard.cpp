// The window by keyboard and through a screen reader: no key that turns pages
// or moves the focus changes the file, the edit line takes typing only where
// it edits the line it shows, and what the status lines say is announced.
#include "test_support.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

// What Qt tells accessibility clients, as a screen reader's bridge gets it.
struct Heard
{
    QAccessible::Event type;
    QObject *object;
    QString text; // the inserted text of a text change
};
QList<Heard> g_heard;

void record(QAccessibleEvent *event)
{
    QString text;
    if (event->type() == QAccessible::TextUpdated)
        text = static_cast<QAccessibleTextUpdateEvent *>(event)->textInserted();
    g_heard.append({event->type(), event->object(), text});
}

// The whole configuration, its side files, on drive C:, the window active.
const QStringList kConfig{"REM first",
                          "SET AUTOSTART=FOLDERS,PROGRAMS",
                          "SET RUNWORKPLACE=C:\\OS2\\PMSHELL.EXE",
                          "SHELL=C:\\OS2\\MDOS\\COMMAND.COM",
                          "THREADS=256",
                          "MAXWAIT=3",
                          "PRIORITY=DYNAMIC",
                          "TIMESLICE=32,1000",
                          "DEVICE=C:\\OS2\\MDOS\\VEMM.SYS",
                          "BASEDEV=IBM1S506.ADD",
                          "BASEDEV=OS2DASD.DMD",
                          "IFS=C:\\OS2\\HPFS.IFS",
                          "DEVICE=C:\\OS2\\BOOT\\COM.SYS",
                          "DEVICE=C:\\MPTN\\PROTOCOL\\SOCKETS.SYS",
                          "RESTARTOBJECTS=NO"};

struct Keyboard : WindowOnDrive
{
    explicit Keyboard(PageId page = PageId::Ytelse, const QStringList &config = kConfig)
        : WindowOnDrive(config, page, {"STARTUP.CMD=@ECHO OFF|EXIT", "AUTOEXEC.BAT=@ECHO OFF|PROMPT $P$G"}),
          active(activate())
    {
    }
    const bool active;
    QLineEdit *edit() const { return get<QLineEdit>("Edit1"); }
    PageId page() const { return w->currentPage(); }
    // Every control Tab reaches from the edit line, in order, until it comes back.
    QList<QWidget *> tabRing() const
    {
        QList<QWidget *> ring;
        edit()->setFocus();
        for (int i = 0; i < 80; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *now = QApplication::focusWidget();
            if (now == edit() || ring.contains(now))
                break;
            ring << now;
        }
        return ring;
    }
};

struct Key
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int turn; // pages turned: 1 on, -1 back, 0 none
};
const Key kPageKeys[] = {{Qt::Key_PageDown, Qt::ControlModifier, 1},
                         {Qt::Key_PageUp, Qt::ControlModifier, -1},
                         {Qt::Key_Tab, Qt::ControlModifier, 1},
                         {Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, -1},
                         {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, -1}};

PageId turned(PageId page, int by)
{
    return static_cast<PageId>((static_cast<int>(page) + by + static_cast<int>(PageCount)) % static_cast<int>(PageCount));
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Offscreen Qt tells no one unless its accessibility is switched on.
        if (QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
            platform->setActive(true);
        QAccessible::installUpdateHandler(record);
    }
    void init() { g_heard.clear(); }

    // Every control of every page, each page key pressed on it: the page turns
    // and not a byte changes. Tab walks the page as the eye does: the buttons,
    // the edit line, the tabs, then the page, and back round.
    void pageAndTabKeysNeverWrite_data()
    {
        QTest::addColumn<PageId>("page");
        for (int p = 0; p < static_cast<int>(PageCount); ++p)
            QTest::addRow("%d", p) << static_cast<PageId>(p);
    }
    void pageAndTabKeysNeverWrite()
    {
        QFETCH(PageId, page);
        Keyboard win(page);
        QVERIFY(win.active);
        win.show(page);
        const QList<QWidget *> ring = win.tabRing();
        QVERIFY(ring.size() > 2);
        QCOMPARE(ring.first(), win.get("qt_tabwidget_tabbar"));
        QCOMPARE(ring.last(), win.get("SjekkKnapp"));
        QVERIFY(ring.indexOf(win.get("OpenKnapp")) > 0);
        for (QWidget *control : ring) {
            for (const Key &key : kPageKeys) {
                win.show(page);
                control->setFocus();
                QTest::keyClick(control, key.key, key.modifiers);
                QCOMPARE(win.page(), turned(page, key.turn));
            }
            win.show(page);
            control->setFocus();
            QTest::keyClick(control, Qt::Key_Tab, Qt::ShiftModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(win.lines(), kConfig);
        QCOMPARE(win.writes, QStringList());
    }

    // The keys of a bar still move it, and so write its statement.
    void aBarMovesWithItsOwnKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("written");
        QTest::newRow("Right") << static_cast<int>(Qt::Key_Right) << "THREADS=320";
        QTest::newRow("Left") << static_cast<int>(Qt::Key_Left) << "THREADS=192";
        QTest::newRow("Page Up") << static_cast<int>(Qt::Key_PageUp) << "THREADS=768";
        QTest::newRow("Page Down") << static_cast<int>(Qt::Key_PageDown) << "THREADS=64";
        QTest::newRow("End") << static_cast<int>(Qt::Key_End) << "THREADS=4095";
        QTest::newRow("Home") << static_cast<int>(Qt::Key_Home) << "THREADS=64";
    }
    void aBarMovesWithItsOwnKeys()
    {
        QFETCH(int, key);
        QFETCH(QString, written);
        Keyboard win;
        auto *bar = win.get<QScrollBar>("Threads");
        bar->setFocus();
        QTest::keyClick(bar, static_cast<Qt::Key>(key));
        QCOMPARE(win.lines().at(4), written);
        // The bar reads out as a slider with its statement.
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(bar);
        QCOMPARE(iface->role(), QAccessible::Slider);
        QCOMPARE(iface->text(QAccessible::Value), written);
        QVERIFY(iface->valueInterface());
        // A screen reader moves it as the user.
        iface->valueInterface()->setCurrentValue(2048);
        QCOMPARE(win.lines().at(4), QStringLiteral("THREADS=2048"));
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("THREADS=2048"));
    }

    void aFocusedBarShowsIt()
    {
        Keyboard win;
        QVERIFY(win.active);
        auto *bar = win.get<QScrollBar>("TimeSliceX");
        win.edit()->setFocus();
        const QImage plain = bar->grab().toImage();
        bar->setFocus();
        QVERIFY(bar->hasFocus());
        const QImage focused = bar->grab().toImage();
        int differ = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x)
                differ += plain.pixel(x, y) != focused.pixel(x, y);
        // A frame round the bar, not a speck.
        QVERIFY2(differ > plain.width(), qPrintable(QString::number(differ)));
    }

    // Where the edit line shows what is not the selected line, it takes no
    // typing, its text is grey and the hint says how to edit the statement;
    // once the selected line is shown again, typing edits it.
    void theEditLineRefusesTypingItCannotKeep_data()
    {
        QTest::addColumn<PageId>("page");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("hint");
        QTest::newRow("after Hent") << PageId::Fil << "RESTARTOBJECTS=NO" << QString("Rediger C:\\CONFIG.SYS");
        QTest::newRow("Grensesnitt") << PageId::Grensesnitt << "SET AUTOSTART=FOLDERS,PROGRAMS" << lockedHint::elsewhere;
        QTest::newRow("DOS") << PageId::Dos << "SHELL=C:\\OS2\\MDOS\\COMMAND.COM" << lockedHint::elsewhere;
        QTest::newRow("Ytelse, nothing") << PageId::Ytelse << "" << lockedHint::nothing;
        QTest::newRow("Ytelse, a statement the file lacks") << PageId::Ytelse << "MAXWAIT=4" << lockedHint::missing;
    }
    void theEditLineRefusesTypingItCannotKeep()
    {
        QFETCH(PageId, page);
        QFETCH(QString, shown);
        QFETCH(QString, hint);
        QStringList config = kConfig;
        if (shown.startsWith("MAXWAIT"))
            config.removeAt(5);
        Keyboard win(PageId::Fil, config);
        win.pick("ListBox", 3);
        win.show(page);
        if (shown.startsWith("MAXWAIT"))
            win.drag("MaxWait", 4);
        else
            win.click("OpenKnapp");
        QLineEdit *edit = win.edit();
        QCOMPARE(edit->text(), shown);
        QVERIFY(win.selected() != -1 || shown.isEmpty() || shown.startsWith("MAXWAIT"));
        QVERIFY(edit->isReadOnly());
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(105, 105, 105));
        QCOMPARE(win.text("Label3"), hint);
        QCOMPARE(edit->accessibleDescription(), page == PageId::Fil ? lockedHint::elsewhere : hint);
        edit->setFocus();
        edit->end(false);
        QTest::keyClicks(edit, "Z");
        QCOMPARE(edit->text(), shown);
        QCOMPARE(win.lines(), config);

        // The selected line shown: blue, the user's, and typing edits it.
        win.show(PageId::Fil);
        win.pick("ListBox", 2);
        QVERIFY(!edit->isReadOnly());
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(Qt::blue));
        QCOMPARE(edit->accessibleDescription(), QString());
        edit->end(false);
        QTest::keyClicks(edit, "Z");
        QCOMPARE(win.lines().at(2), config.at(2) + "Z");
    }

    // The SHELL and SET RUNWORKPLACE fields take no typing; a key that acts
    // on them leads to their line, as a click does.
    void aFieldLeadsToItsLine_data()
    {
        QTest::addColumn<PageId>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("line");
        for (int key : {static_cast<int>(Qt::Key_Return), static_cast<int>(Qt::Key_Enter), static_cast<int>(Qt::Key_Space)}) {
            QTest::addRow("shell, key %x", key) << PageId::Dos << "shell" << key << 3;
            QTest::addRow("runworkplace, key %x", key) << PageId::Grensesnitt << "runworkplace" << key << 2;
        }
    }
    void aFieldLeadsToItsLine()
    {
        QFETCH(PageId, page);
        QFETCH(QString, field);
        QFETCH(int, key);
        QFETCH(int, line);
        Keyboard win(page);
        auto *edit = win.get<QLineEdit>(field);
        const QString value = edit->text();
        edit->setFocus();
        QTest::keyClicks(edit, "X");
        QCOMPARE(edit->text(), value);
        QTest::keyClick(edit, static_cast<Qt::Key>(key));
        QCOMPARE(win.selected(), line);
        QCOMPARE(win.text("Edit1"), kConfig.at(line));
        QVERIFY(!win.edit()->isReadOnly());
        QCOMPARE(win.lines(), kConfig);
    }

    void enterPressesAButtonAndAltRToggles()
    {
        Keyboard win(PageId::Fil);
        QVERIFY(win.active);
        win.get("SaveKnapp")->setFocus();
        QTest::keyClick(win.get("SaveKnapp"), Qt::Key_Return);
        QVERIFY(win.c.exists("CONFIG.NEW"));
        win.pick("ListBox", 0);
        QTest::keyClick(win.edit(), Qt::Key_R, Qt::AltModifier);
        QCOMPARE(win.lines().at(0), QStringLiteral("first"));
        // Disabled, as on "Oppstart", it presses nothing.
        win.show(PageId::Oppstart);
        QVERIFY(!win.isEnabled("RemKnapp"));
        QTest::keyClick(win.edit(), Qt::Key_R, Qt::AltModifier);
        QCOMPARE(win.lines().at(0), QStringLiteral("first"));
    }

    void buttonsSayWhatTheyWrite_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key"); // named in the tooltip
        QTest::newRow("Hent") << "OpenKnapp" << "Hent C:\\CONFIG.SYS" << "Alt+H";
        QTest::newRow("Lagre") << "SaveKnapp" << "Lagre CONFIG.NEW" << "Alt+L";
        QTest::newRow("REM") << "RemKnapp" << "REM av/på" << "Alt+R";
        QTest::newRow("Sjekk, whole file") << "SjekkKnapp" << "Sjekk linjen" << "Ctrl+Shift+K";
        QTest::newRow("Sjekk, about") << "SjekkKnapp" << "Sjekk linjen" << "F1";
        for (const char *file : {"STARTUP.CMD", "AUTOEXEC.BAT"})
            for (const char *verb : {"Ny", "Lagre", "Slett"})
                QTest::addRow("%s %s", verb, file)
                    << QString("%1%2Knapp").arg(verb, file[0] == 'S' ? "Startup" : "Autoexec")
                    << QString("%1 %2").arg(verb, file) << "";
    }
    void buttonsSayWhatTheyWrite()
    {
        QFETCH(QString, button);
        QFETCH(QString, name);
        QFETCH(QString, key);
        Keyboard win;
        QWidget *b = win.get(button);
        QCOMPARE(QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name), name);
        QVERIFY2(b->toolTip().startsWith(name) && b->toolTip().contains(key), qPrintable(b->toolTip()));
        QCOMPARE(QAccessible::queryAccessibleInterface(win.w.get())->role(), QAccessible::Window);
    }

    // Each new text of the status lines reaches a screen reader as a change of
    // text and name of a live line, once per handler chain.
    void statusLinesAreAnnounced_data()
    {
        QTest::addColumn<PageId>("page");
        QTest::addColumn<QString>("act"); // a control clicked, or "list:row"
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("Fil") << PageId::Ytelse << "" << "Label3" << "Rediger C:\\CONFIG.SYS";
        QTest::newRow("REM on nothing") << PageId::Fil << "RemKnapp" << "Label2" << "FEIL";
        QTest::newRow("a driver box") << PageId::Dos << "vemmsys" << "Label2" << "Bruk REM-knappen til å endre";
        QTest::newRow("Sjekk") << PageId::Dos << "SjekkKnapp" << "Label2" << "";
        QTest::newRow("a needed driver") << PageId::Drivere << "basedevlist:1" << "Label2" << "Nødvendig";
        // "Hent" makes line 1 the selected one after the refresh showed the SHELL line.
        QTest::newRow("how to edit") << PageId::Dos << "OpenKnapp" << "Label3" << lockedHint::elsewhere;
    }
    void statusLinesAreAnnounced()
    {
        QFETCH(PageId, page);
        QFETCH(QString, act);
        QFETCH(QString, line);
        QFETCH(QString, text);
        if (!QAccessible::isActive())
            QSKIP("Qt's accessibility cannot be switched on here");
        Keyboard win(page);
        auto *label = win.get<QLabel>(line);
        QApplication::processEvents();
        g_heard.clear();
        if (act.contains(u':'))
            win.pick(act.section(u':', 0, 0), act.section(u':', 1).toInt());
        else if (act == u"RemKnapp") {
            win.w->status().clearEditLine();
            win.press(act);
        } else if (!act.isEmpty())
            win.click(act);
        else
            win.show(page == PageId::Fil ? PageId::Grensesnitt : PageId::Fil);
        QApplication::processEvents();
        if (text.isEmpty()) // "Sjekk": whatever it answers
            text = label->text();
        QVERIFY(!text.isEmpty());
        QCOMPARE(label->text(), text);
        int changes = 0, names = 0;
        for (const Heard &h : std::as_const(g_heard)) {
            if (h.object != label)
                continue;
            changes += h.type == QAccessible::TextUpdated && h.text == text;
            names += h.type == QAccessible::NameChanged;
        }
        QCOMPARE(changes, 1);
        QVERIFY(names >= 1);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label);
        QCOMPARE(iface->role(), line == u"Label2" ? QAccessible::Notification : QAccessible::StatusBar);
        QVERIFY(iface->textInterface());
        QCOMPARE(iface->text(QAccessible::Name), text);
    }

    // The find bar's count is announced once for what a run of keys found,
    // and again for each step.
    void theFindCountIsAnnounced()
    {
        if (!QAccessible::isActive())
            QSKIP("Qt's accessibility cannot be switched on here");
        Keyboard win(PageId::Fil);
        QTest::keyClick(win.edit(), Qt::Key_F, Qt::ControlModifier);
        auto *count = win.get<QLabel>("FinnTall");
        QApplication::processEvents();
        for (const QString &text : {QStringLiteral("1 av 3"), QStringLiteral("2 av 3")}) {
            g_heard.clear();
            if (text.startsWith(u'1'))
                QTest::keyClicks(win.get("FinnFelt"), "device");
            else
                QTest::keyClick(win.get("FinnFelt"), Qt::Key_F3);
            QApplication::processEvents();
            QCOMPARE(count->text(), text);
            int changes = 0, names = 0;
            for (const Heard &h : std::as_const(g_heard)) {
                changes += h.object == count && h.type == QAccessible::TextUpdated && h.text == text;
                names += h.object == count && h.type == QAccessible::NameChanged;
            }
            QCOMPARE(changes, 1);
            QVERIFY(names >= 1);
            QCOMPARE(QAccessible::queryAccessibleInterface(count)->text(QAccessible::Name), text);
        }
    }

    // The "Fil" list, hidden behind another page, tells no one of the rows
    // that pages select in it.
    void theHiddenListIsQuiet()
    {
        if (!QAccessible::isActive())
            QSKIP("Qt's accessibility cannot be switched on here");
        Keyboard win(PageId::Ytelse, crlfLines());
        auto *list = win.get<QListView>("ListBox");
        g_heard.clear();
        win.show(PageId::Dos);
        for (const char *box : {"vemmsys", "ansisys", "vcdromsys"})
            win.click(box);
        win.w->status().selectLine(7);
        for (const Heard &h : std::as_const(g_heard))
            QVERIFY2(h.object != list || (h.type != QAccessible::Focus && h.type != QAccessible::SelectionAdd
                                          && h.type != QAccessible::Selection),
                     qPrintable(QString::number(h.type, 16)));
        // Shown and used, it tells.
        win.show(PageId::Fil);
        list->setFocus();
        g_heard.clear();
        QTest::keyClick(list, Qt::Key_Down);
        const bool told = std::any_of(g_heard.cbegin(), g_heard.cend(), [&](const Heard &h) {
            return h.object == list && h.type == QAccessible::Focus;
        });
        QVERIFY(told);
    }

    // Boxes opened on the window keep its light look on a dark desktop.
    void dialogsKeepTheLightLook()
    {
        const QPalette before = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
        QPalette dark(QColor(40, 40, 40));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        QApplication::setPalette(dark);
        Keyboard win;
        QMessageBox question(QMessageBox::Question, "?", "?", QMessageBox::Yes | QMessageBox::No, win.w.get());
        QTest::keyClick(win.edit(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(win.edit(), Qt::Key_F1);
        question.show();
        const QList<QWidget *> dialogs{&question, win.w->findChild<QWidget *>("AboutBox"),
                                       win.w->findChild<QWidget *>("BootCheckDialog")};
        for (QWidget *dialog : dialogs) {
            QVERIFY2(dialog && dialog->isVisible(), dialog ? qPrintable(dialog->objectName()) : "missing");
            QCOMPARE(dialog->palette().color(QPalette::Window), win.w->palette().color(QPalette::Window));
            QCOMPARE(dialog->palette().color(QPalette::Base), win.w->palette().color(QPalette::Base));
        }
    }

private:
    static QStringList crlfLines()
    {
        QStringList lines = kConfig;
        for (int i = 0; i < 20; ++i)
            lines << QStringLiteral("REM %1").arg(i);
        return lines;
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
