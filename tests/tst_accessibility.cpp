// The window for keyboard, screen reader and any desktop theme: readable fixed
// colours on a dark palette, a name for every control, Tab and the wheel, the
// line label, F1 and Qt's own texts in Norwegian.
#include "test_support.h"

#include "app/qt_translation.h"
#include "app/version.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>

#include <cmath>

namespace {

// WCAG relative luminance and contrast.
double luminance(QRgb c)
{
    const auto lin = [](int v) { return v <= 10 ? v / 3294.6 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}
double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString accessibleName(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

// The window on drive C: with `lines`, shown on `page`, active.
struct Active : WindowOnDrive
{
    explicit Active(const QStringList &lines, PageId page = PageId::Ytelse) : WindowOnDrive(lines, page), active(activate()) {}
    const bool active;
};

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void fixedColoursStayReadableOnADarkDesktop_data()
    {
        QTest::addColumn<bool>("darkFirst"); // the dark palette set before the window is made
        QTest::addColumn<PageId>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("row"); // of a list; -1: the control inside its frame
        for (bool darkFirst : {true, false}) {
            const char *when = darkFirst ? "dark before" : "dark after";
            QTest::addRow("%s: red message line", when) << darkFirst << PageId::Ytelse << "Label2" << -1;
            QTest::addRow("%s: navy hint line", when) << darkFirst << PageId::Ytelse << "Label3" << -1;
            QTest::addRow("%s: yellow edit line", when) << darkFirst << PageId::Ytelse << "Edit1" << -1;
            QTest::addRow("%s: lines of the file", when) << darkFirst << PageId::Fil << "ListBox" << 1;
            QTest::addRow("%s: installed base drivers", when) << darkFirst << PageId::Drivere << "basedevlist" << 1;
            QTest::addRow("%s: available base drivers", when) << darkFirst << PageId::Drivere << "basedevlist2" << 0;
            // Styled by a sheet rather than coloured: these must follow the window too.
            QTest::addRow("%s: automatic start item", when) << darkFirst << PageId::Oppstart << "restartgroup_1" << -1;
            QTest::addRow("%s: shell", when) << darkFirst << PageId::Dos << "shell" << -1;
        }
    }
    void fixedColoursStayReadableOnADarkDesktop()
    {
        QFETCH(bool, darkFirst);
        QFETCH(PageId, page);
        QFETCH(QString, name);
        QFETCH(int, row);
        const QPalette before = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
        QPalette dark;
        const std::pair<QPalette::ColorRole, int> greys[] = {{QPalette::Window, 53}, {QPalette::Base, 35},
                                                             {QPalette::Button, 53}, {QPalette::WindowText, 255},
                                                             {QPalette::Text, 255}, {QPalette::ButtonText, 255}};
        for (auto [role, grey] : greys)
            dark.setColor(role, QColor(grey, grey, grey));
        if (darkFirst)
            QApplication::setPalette(dark);
        WindowOnDrive win({"BASEDEV=IBM1S506.ADD", "BASEDEV=OS2DASD.DMD", "SHELL=C:\\OS2\\MDOS\\COMMAND.COM"}, page);
        if (!darkFirst)
            QApplication::setPalette(dark);
        win.w->status().showMessage(QStringLiteral("Nødvendig"));
        win.w->status().showHint(QStringLiteral("Rediger C:\\CONFIG.SYS"));
        win.w->status().showTextInEditLine(QStringLiteral("THREADS=256"));

        QWidget *control = widget<QWidget>(win.w.get(), qPrintable(name));
        QImage image;
        if (auto *view = qobject_cast<QListView *>(control)) {
            const QModelIndex index = view->model()->index(row, 0);
            QVERIFY(index.isValid() && !view->selectionModel()->isSelected(index));
            image = view->viewport()->grab(view->visualRect(index)).toImage();
        } else {
            image = control->grab(control->rect().adjusted(3, 3, -3, -3)).toImage();
        }
        // The most common colour is the background; the pixel farthest from it
        // is the text's own colour (the smoothed edges of letters lie between).
        QHash<QRgb, int> counts;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ++counts[image.pixel(x, y) | 0xff000000];
        QRgb background = counts.constBegin().key();
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            if (it.value() > counts.value(background))
                background = it.key();
        double text = 1.0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            text = std::max(text, contrast(it.key(), background));
        QVERIFY2(text >= 3.0, qPrintable(QStringLiteral("%1:1").arg(text, 0, 'f', 2)));
        // The window keeps its light look: no dark patch in it.
        QVERIFY2(luminance(background) > 0.5, qPrintable(QColor(background).name()));
    }

    void everyFocusableControlHasAName()
    {
        WindowOnDrive win({"BASEDEV=OS2DASD.DMD", "DEVICE=C:\\OS2\\BOOT\\COM.SYS"});
        auto *notebook = win.get<QTabWidget>("NoteBook");
        for (int page = 0; page < notebook->count(); ++page) {
            notebook->setCurrentIndex(page);
            int controls = 0;
            for (QWidget *w : win.w->findChildren<QWidget *>()) {
                if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(win.w.get()))
                    continue;
                ++controls;
                const QString name = accessibleName(w);
                const QString where = notebook->tabText(page) + QStringLiteral(": ") + w->objectName() + u' ' + name;
                // Named, and a mnemonic's "&" no part of what is read out.
                QVERIFY2(!name.trimmed().isEmpty() && !name.contains(u'&'), qPrintable(where));
            }
            QVERIFY(controls > 4);
        }
    }

    void tabLeavesTheMemos_data()
    {
        QTest::addColumn<PageId>("page");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<PageId>("pageAfter"); // Ctrl+Tab turns the page
        const std::tuple<PageId, const char *, PageId> memos[] = {{PageId::Oppstart, "StartupMemo", PageId::Dos},
                                                                  {PageId::Dos, "autoexecmemo", PageId::Ytelse}};
        for (auto [page, memo, next] : memos) {
            QTest::addRow("%s, Tab", memo) << page << memo << 0 << page;
            QTest::addRow("%s, Shift+Tab", memo) << page << memo << static_cast<int>(Qt::ShiftModifier) << page;
            QTest::addRow("%s, Ctrl+Tab", memo) << page << memo << static_cast<int>(Qt::ControlModifier) << next;
        }
    }
    void tabLeavesTheMemos()
    {
        QFETCH(PageId, page);
        QFETCH(QString, memo);
        QFETCH(int, modifiers);
        QFETCH(PageId, pageAfter);
        Active win({"REM"}, page);
        QVERIFY(win.active);
        win.c.write("STARTUP.CMD", "@ECHO OFF\r\nEXIT\r\n");
        win.c.write("AUTOEXEC.BAT", "@ECHO OFF\r\nPROMPT $P$G\r\n");
        win.click("OpenKnapp");
        auto *edit = qobject_cast<QPlainTextEdit *>(win.get(memo));
        edit->setFocus();
        const QString before = edit->toPlainText();
        QVERIFY(edit->hasFocus() && !before.isEmpty());
        QTest::keyClick(edit, Qt::Key_Tab, Qt::KeyboardModifiers(modifiers));
        QVERIFY(!edit->hasFocus() && QApplication::focusWidget());
        QCOMPARE(edit->toPlainText(), before);
        QCOMPARE(PageId(win.get<QTabWidget>("NoteBook")->currentIndex()), pageAfter);
    }

    void wheelChangesOnlyAFocusedControl_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("focused");
        for (const char *name : {"Threads", "MaxWait", "TimeSliceX", "TimeSliceY", "qt_tabwidget_tabbar"}) {
            QTest::addRow("%s, not focused", name) << name << false;
            QTest::addRow("%s, focused", name) << name << true;
        }
    }
    void wheelChangesOnlyAFocusedControl()
    {
        QFETCH(QString, name);
        QFETCH(bool, focused);
        Active win({"THREADS=256", "MAXWAIT=2", "TIMESLICE=32,1000"});
        QVERIFY(win.active);
        QWidget *target = win.get(name);
        auto *bar = qobject_cast<QScrollBar *>(target);
        const auto position = [&] { return bar ? bar->value() : qobject_cast<QTabBar *>(target)->currentIndex(); };
        if (bar) // midway, so that a turn either way could move it
            bar->setValue((bar->minimum() + bar->maximum()) / 2);
        (focused ? target : win.get("Edit1"))->setFocus();
        QCOMPARE(target->hasFocus(), focused);
        const int before = position();
        const QStringList document = win.lines();

        const QPointF at = QRectF(target->rect()).center();
        QWheelEvent turn(at, target->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                         false);
        QApplication::sendEvent(target, &turn);
        QCOMPARE(position() != before, focused);
        if (!focused)
            QCOMPARE(win.lines(), document);
        else if (bar) // the tooltip tells what the bar wrote (both time-slice bars the same)
            QVERIFY(win.lines().contains(bar->toolTip())
                    && win.get("TimeSliceX")->toolTip() == win.get("TimeSliceY")->toolTip());
    }

    void tabEntersARadioGroupOnItsCheckedItem_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("checkFromCode"); // -1: as the scan left it
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("forward"); // Tab, else Shift+Tab
        for (bool forward : {true, false}) {
            const char *key = forward ? "Tab" : "Shift+Tab";
            QTest::addRow("NO, %s", key) << "RESTARTOBJECTS=NO" << "restartgroup_" << -1 << 2 << forward;
            QTest::addRow("STARTUPFOLDERSONLY, %s", key)
                << "RESTARTOBJECTS=STARTUPFOLDERSONLY" << "restartgroup_" << -1 << 3 << forward;
            QTest::addRow("no RESTARTOBJECTS, %s", key) << "REM" << "restartgroup_" << -1 << 4 << forward;
            QTest::addRow("PRIORITY ABSOLUTE, %s", key) << "REM" << "Priority_" << 1 << 1 << forward;
        }
    }
    void tabEntersARadioGroupOnItsCheckedItem()
    {
        QFETCH(QString, line);
        QFETCH(QString, group);
        QFETCH(int, checkFromCode);
        QFETCH(int, expected);
        QFETCH(bool, forward);
        Active win({line}, group == u"Priority_" ? PageId::Ytelse : PageId::Oppstart);
        QList<QWidget *> buttons;
        for (int i = 0; i < (group == u"Priority_" ? 2 : 5); ++i)
            buttons << win.get(group + QString::number(i));
        if (checkFromCode >= 0)
            qobject_cast<QRadioButton *>(buttons[checkFromCode])->setChecked(true);
        win.get("Edit1")->setFocus();
        QVERIFY(win.active && win.get("Edit1")->hasFocus());
        // Round the ring until the focus is in the group.
        for (int i = 0; i < 60 && !buttons.contains(QApplication::focusWidget()); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, forward ? Qt::NoModifier : Qt::ShiftModifier);
        QCOMPARE(buttons.indexOf(QApplication::focusWidget()), expected);
    }

    void lineLabelCutsALongNameOnTheLeft_data()
    {
        QTest::addColumn<QString>("file"); // on the command line
        QTest::addColumn<int>("pos");
        QTest::addColumn<QString>("whole");
        QTest::addColumn<QString>("shown");
        QTest::newRow("the usual file") << "C:\\CONFIG.SYS" << static_cast<int>(NoLine) << "ikke i C:\\CONFIG.SYS"
                                        << "ikke i C:\\CONFIG.SYS";
        QTest::newRow("the highest line") << "C:\\CONFIG.SYS" << 65534 << "Linje nr. 65535" << "Linje nr. 65535";
        QTest::newRow("a file in folders") << "C:\\TEST\\DIR\\CONFIG.SYS" << static_cast<int>(NoLine)
                                           << "ikke i C:\\TEST\\DIR\\CONFIG.SYS" << "…EST\\DIR\\CONFIG.SYS";
    }
    void lineLabelCutsALongNameOnTheLeft()
    {
        QFETCH(QString, file);
        QFETCH(int, pos);
        QFETCH(QString, whole);
        QFETCH(QString, shown);
        TestDrive c;
        c.write("CONFIG.SYS", "REM\r\n");
        c.write("TEST/DIR/CONFIG.SYS", "REM\r\n");
        WindowOnDrive win(c.map(), {file});
        auto *label = win.get<QLabel>("LinjeLabel");
        const QString family = QFontInfo(label->font()).family();
        if (family != u"Arial" && family != u"Liberation Sans")
            SKIP_WITHOUT_INSTALLED("Arial or a font with its metrics (Liberation Sans)");
        win.w->status().vislinje(static_cast<LinePos>(pos));
        QCOMPARE(label->text(), shown);
        QVERIFY(label->fontMetrics().horizontalAdvance(shown) <= label->contentsRect().width());
        QCOMPARE(label->toolTip(), whole);
        QCOMPARE(accessibleName(label), whole);
    }

    void f1TellsAboutTheProgram_data()
    {
        QTest::addColumn<int>("origin");
        QTest::addColumn<PageId>("page");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("how");
        using O = DriveMap::Origin;
        QTest::newRow("option, in a memo") << static_cast<int>(O::Option) << PageId::Oppstart << "StartupMemo" << "valget --drive";
        QTest::newRow("variable, on a bar") << static_cast<int>(O::Variable) << PageId::Ytelse << "Threads"
                                            << "miljøvariabelen OS2SETUP_DRIVE_C";
        QTest::newRow("chooser, in the file") << static_cast<int>(O::Remembered) << PageId::Fil << "ListBox" << "valgt i stasjonsvelgeren";
        QTest::newRow("option, in the edit line") << static_cast<int>(O::Option) << PageId::Dos << "Edit1" << "valget --drive";
        QTest::newRow("no drive C:") << static_cast<int>(O::None) << PageId::Grensesnitt << "runworkplace" << "ikke koblet";
    }
    void f1TellsAboutTheProgram()
    {
        QFETCH(int, origin);
        QFETCH(PageId, page);
        QFETCH(QString, focused);
        QFETCH(QString, how);
        TestDrive c;
        c.write("CONFIG.SYS", crlf({"REM"}));
        const bool mapped = DriveMap::Origin(origin) != DriveMap::Origin::None;
        DriveMap drives;
        if (mapped)
            drives.setDrive(u'C', c.root(), DriveMap::Origin(origin));
        WindowOnDrive win(drives, {}, page); // without drive C: the load fails
        const auto &w = win.w;
        QVERIFY(win.activate());
        QWidget *control = win.get(focused);
        control->setFocus();
        QVERIFY(control->hasFocus());

        for (int press = 0; press < 2; ++press) // a second F1 opens no second box
            QTest::keyClick(control, Qt::Key_F1);
        const QList<QDialog *> boxes = w->findChildren<QDialog *>(QStringLiteral("AboutBox"));
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0]->isVisible());
        QCOMPARE(boxes[0]->windowTitle(), QStringLiteral("Om os2setup"));
        QStringList texts;
        for (const QLabel *label : boxes[0]->findChildren<QLabel *>())
            texts << label->text();
        QVERIFY2(texts.contains(mapped ? c.root() + " (" + how + ")" : how), qPrintable(texts.join(u'\n')));
        for (const char *fact : {OS2SETUP_VERSION, "GPL-3.0-or-later", "C:\\CONFIG.SYS", "C:\\CONFIG.NEW",
                                 "C:\\STARTUP.CMD", "C:\\AUTOEXEC.BAT", "C:\\AUTOEXEC.BAK"})
            QVERIFY2(texts.join(u'\n').contains(QLatin1String(fact)), fact);
        QCOMPARE(win.errors.messages().isEmpty(), mapped);
    }

    // Last: the translation stays installed for the rest of the program.
    void qtsOwnTextsAreNorwegian()
    {
        const QDir folder(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (folder.entryList({"qtbase_nb.qm", "qtbase_nn.qm"}).isEmpty())
            SKIP_WITHOUT_INSTALLED("Qt's Norwegian translation (qt6-translations-l10n)");
        QVERIFY(!installQtTranslation(*qApp).isEmpty());
        WindowOnDrive win({"REM"});
        const std::unique_ptr<QMenu> menu(win.get<QLineEdit>("Edit1")->createStandardContextMenu());
        QStringList texts;
        for (const QAction *action : menu->actions())
            texts << action->text();
        QVERIFY(texts.join(QString()).size() > 20);
        for (const char *english : {"Undo", "Select All", "Copy"})
            QVERIFY2(!texts.join(u'|').contains(QLatin1String(english)), qPrintable(texts.join(u'|')));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
