// A long random session of clicks, keys, page switches, loads and saves on a
// real CONFIG.SYS: every line that changes must be one the action is about.
#include "test_support.h"

#include "platform/text8.h"

#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTabWidget>

#include <algorithm>

namespace {

// The statements the pages write over their register's line, by key, and the
// word the line held before (a bare RESTARTOBJECTS line gets the SET form).
struct Managed
{
    const char *key;
    LinePos Registers::*reg;
    const char *word;
};
const Managed kManaged[] = {
    {"SET RESTARTOBJECTS=", &Registers::RestartObjectsLine, "RESTARTOBJECTS"},
    {"PROTECTONLY=", &Registers::ProtectOnlyLine, "PROTECTONLY"},
    {"SET AUTOSTART=", &Registers::AutostartLine, "SET AUTOSTART"},
    {"THREADS=", &Registers::ThreadsLine, "THREADS"},
    {"MAXWAIT=", &Registers::MaxWaitLine, "MAXWAIT"},
    {"TIMESLICE=", &Registers::TimeSliceLine, "TIMESLICE"},
    {"PRIORITY=", &Registers::PriorityLine, "PRIORITY"},
};

const char *const kBoxes[] = {"vemmsys", "vxmssys", "vdpmisys", "ansisys", "vmousesys", "vcdromsys", "vwinsys",
                              "vw32ssys", "hpfs", "cdfs", "LANFS", "MFSFS", "fat", "programs", "folders",
                              "tasklist", "Connections", "WarpCenter", "protectonly", "restartgroup_0",
                              "restartgroup_2", "restartgroup_4", "Priority_0", "Priority_1", "startupcmd", "autoexec"};
const char *const kBars[] = {"Threads", "MaxWait", "TimeSliceX", "TimeSliceY"};
const char *const kLists[] = {"devicelist", "basedevlist", "basedevlist2", "ProtokollList", "tcpiplist", "LANlist", "mobillist"};

class Session
{
public:
    Session()
        : m_win(QStringList{})
        , m_random(20261209)
    {
        m_file = fixture("ecs-thinkpad.config.sys");
        m_win.c.write("CONFIG.SYS", m_file);
        m_win.c.write("STARTUP.CMD", crlf({"@ECHO OFF", "EXIT"}));
        m_win.c.write("AUTOEXEC.BAT", crlf({"PROMPT $P$G"}));
        m_win.click("OpenKnapp");
        m_edit = widget<QLineEdit>(m_win.w.get(), "Edit1");
    }

    void run(int steps)
    {
        for (int step = 0; step < steps && !QTest::currentTestFailed(); ++step) {
            const Before before = capture();
            const QString action = act();
            check(before, action, step);
        }
    }

private:
    struct Before
    {
        QStringList lines;
        int selected;
        QString edit;
    };

    Before capture() const
    {
        return {m_win.lines(), m_win.selected(), m_edit->text()};
    }

    int pick(int n) { return static_cast<int>(m_random.bounded(n)); }

    // Does one random thing as a user would, and names it.
    QString act()
    {
        TOs2Form *w = m_win.w.get();
        switch (pick(12)) {
        case 0:
        case 1:
            m_win.show(static_cast<PageId>(pick(static_cast<int>(PageCount))));
            return "page";
        case 2:
        case 3: {
            const char *name = kBoxes[pick(static_cast<int>(std::size(kBoxes)))];
            m_win.show(pageOf(name));
            QTest::mouseClick(widget<QAbstractButton>(w, name), Qt::LeftButton, {}, QPoint(6, 6));
            return QStringLiteral("box %1").arg(name);
        }
        case 4: {
            m_win.show(PageId::Ytelse);
            auto *bar = widget<QScrollBar>(w, kBars[pick(4)]);
            bar->setFocus();
            QTest::keyClick(bar, pick(2) ? Qt::Key_Right : Qt::Key_PageDown);
            return "bar";
        }
        case 5: {
            m_win.show(PageId::Fil);
            auto *list = widget<QListView>(w, "ListBox");
            if (list->model()->rowCount() > 0) {
                const QModelIndex index = list->model()->index(pick(list->model()->rowCount()), 0);
                list->scrollTo(index);
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
            }
            return "line";
        }
        case 6:
        case 7:
            m_edit->end(false);
            if (pick(3) == 0)
                QTest::keyClick(m_edit, Qt::Key_Backspace);
            else
                QTest::keyClicks(m_edit, pick(2) ? " /X" : "9");
            return "type";
        case 8:
            m_win.click("RemKnapp");
            return "rem";
        case 9: {
            const int which = pick(4);
            if (which == 0) {
                const int k = pick(static_cast<int>(std::size(kLists)));
                const char *name = kLists[k];
                m_win.show(k < 3 ? PageId::Drivere : PageId::Nettverk);
                auto *list = widget<QListView>(w, name);
                if (list->model()->rowCount() > 0) {
                    const QModelIndex index = list->model()->index(pick(list->model()->rowCount()), 0);
                    list->scrollTo(index);
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
                }
                return QStringLiteral("list %1").arg(name);
            }
            if (which == 1) {
                m_win.show(PageId::Oppstart);
                m_win.click("LeggTilRestartKnapp");
                return "add restart";
            }
            m_win.click("SjekkKnapp");
            return "check";
        }
        case 10:
            if (pick(3) == 0) {
                QFile::remove(m_win.c.path("CONFIG.SYS"));
                m_win.click("OpenKnapp");
                m_win.c.write("CONFIG.SYS", m_file);
                return "failed load";
            }
            m_win.click("OpenKnapp");
            return "load";
        default:
            m_win.click("SaveKnapp");
            return "save";
        }
    }

    static PageId pageOf(const char *name)
    {
        const std::string_view n(name);
        if (n.size() > 3 && n.substr(n.size() - 3) == "sys")
            return PageId::Dos;
        if (n == "autoexec")
            return PageId::Dos;
        if (n == "hpfs" || n == "cdfs" || n == "LANFS" || n == "MFSFS" || n == "fat")
            return PageId::Disk;
        if (n.substr(0, 8) == "Priority")
            return PageId::Ytelse;
        if (n == "protectonly" || n == "startupcmd" || n.substr(0, 7) == "restart")
            return PageId::Oppstart;
        return PageId::Grensesnitt;
    }

    // Every change to the document must be one the action is about.
    void check(const Before &before, const QString &action, int step)
    {
        const QString where = QStringLiteral("step %1: %2").arg(step).arg(action);
        const QStringList after = m_win.lines();
        const Registers &regs = m_win.w->registers();
        QStringList from = before.lines;
        if (action == "load" || action == "failed load") {
            from.clear();
            if (action == "load")
                for (const std::string &line : linefile::split(m_file.constData(), static_cast<std::size_t>(m_file.size())))
                    from << text8::toDisplay(line);
        }
        QVERIFY2(after.size() >= from.size(), qPrintable(where + ": lines went missing"));
        for (int row = 0; row < after.size(); ++row) {
            const QString &now = after[row];
            if (row >= from.size()) {
                QVERIFY2(now.startsWith("REM DEVICE=C:\\OS2\\MDOS\\") || now.startsWith("SET RESTARTOBJECTS="),
                         qPrintable(QStringLiteral("%1: appended line %2: %3").arg(where).arg(row).arg(now)));
                continue;
            }
            const QString &was = from[row];
            if (now == was)
                continue;
            bool allowed = false;
            for (const Managed &m : kManaged)
                if (now.startsWith(QLatin1String(m.key)) && regs.*m.reg == row
                    && was.toUpper().contains(QLatin1String(m.word)))
                    allowed = true;
            if (action == "type" && row == before.selected && was == before.edit && now == m_edit->text())
                allowed = true;
            if (action == "rem" && row == before.selected && (now == "REM " + was || was == "REM " + now))
                allowed = true;
            QVERIFY2(allowed, qPrintable(QStringLiteral("%1: line %2 \"%3\" became \"%4\"").arg(where).arg(row).arg(was, now)));
        }
        // The file read is never written; a save writes exactly the document.
        QCOMPARE(m_win.c.read("CONFIG.SYS"), m_file);
        const bool saved = m_win.w->files().hasReadFile();
        if (action == "save" && saved)
            QCOMPARE(m_win.c.read("CONFIG.NEW"), crlf(after));
        // Only a failed load, and a save after it, report an error.
        const QStringList messages = m_win.errors.messages();
        QStringList expected;
        if (action == "failed load")
            expected << "Kan ikke lese C:\\CONFIG.SYS: filen finnes ikke";
        else if (action == "save" && !saved)
            expected << "Kan ikke skrive C:\\CONFIG.NEW: ingen fil er lest inn";
        for (qsizetype i = 0; i < std::max(messages.size() - m_seen, expected.size()); ++i)
            QVERIFY2(i < expected.size() && m_seen + i < messages.size() && messages[m_seen + i].startsWith(expected[i]),
                     qPrintable(where + ": " + messages.mid(m_seen).join(u'|')));
        m_seen = messages.size();
    }

    WindowOnDrive m_win;
    QRandomGenerator m_random;
    QByteArray m_file;
    QLineEdit *m_edit = nullptr;
    qsizetype m_seen = 0; // error messages checked so far
};

} // namespace

class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void longRandomSessionTouchesOnlyTheLinesActedOn()
    {
        Session session;
        session.run(1500);
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
