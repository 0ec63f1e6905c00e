// The "Nettverk" page: which lines its four lists take, and what selecting an entry shows.
#include "test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

namespace {

// The lists by their letters in the table below, P T M L, and their hints.
const char *const kLists[] = {"ProtokollList", "tcpiplist", "mobillist", "LANlist"};
const QString kHints[] = {QStringLiteral("Protokoll og nettverktjenester"),
                          QStringLiteral("TCP/IP, Transmision Control Protocol / Internet Protocol"),
                          QStringLiteral("MFS, Mobile File Sync. Filsynkronisering på lokalnett"),
                          QStringLiteral("LAN, Local Area Network nettverktjenester")};

struct Window : WindowOnDrive
{
    explicit Window(const QByteArray &config) : WindowOnDrive(ConfigBytes{config}, PageId::Nettverk) {}
    QListWidget *list(int k) const { return get<QListWidget>(kLists[k]); }
    QStringList entries(int k) const
    {
        QStringList out;
        for (const QListWidgetItem *item : list(k)->findItems(QString(), Qt::MatchContains))
            out << item->text();
        return out;
    }
    // Clicks entry `row` of list k: document line `pos` must be shown with the list's hint.
    void select(int k, int row, int pos) const
    {
        w->status().showMessage("old message");
        pick(kLists[k], row);
        QCOMPARE(status(), (QStringList{lines().value(pos), QStringLiteral("Linje nr. %1").arg(pos + 1), kHints[k], QString(),
                                        QString::number(pos)}));
        for (int other = 0; other < 4; ++other)
            QCOMPARE(list(other)->selectedItems().size(), static_cast<int>(other == k));
    }
};

} // namespace

class TestNetworkPage : public QObject
{
    Q_OBJECT

private slots:
    // A list that gets the focus has its first entry current but not selected:
    // the first Down selects that entry and shows its line.
    void firstDownSelectsTheFirstEntry()
    {
        Window win(crlf({"REM", "RUN=C:\\MPTN\\BIN\\CNTRL.EXE", "SET ETC=C:\\MPTN\\ETC", "DEVICE=C:\\TCPIP\\BIN\\VDOSTCP.SYS",
                         "CALL=C:\\TCPIP\\X.EXE", "IFS=C:\\MFS\\MCM.IFS", "RUN=C:\\MFS\\Y.EXE", "IFS=C:\\IBMLAN\\NETPROG\\N.200",
                         "RUN=C:\\IBMLAN\\Z.EXE"}));
        const int firstLines[] = {1, 3, 5, 7};
        for (int k = 0; k < 4; ++k) {
            QListWidget *list = win.list(k);
            list->setFocus(Qt::TabFocusReason);
            list->selectionModel()->setCurrentIndex(list->model()->index(0, 0), QItemSelectionModel::NoUpdate);
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(list->currentRow(), 0);
            QCOMPARE(list->selectedItems().size(), 1);
            QCOMPARE(win.selected(), firstLines[k]);
            QCOMPARE(win.text("Label3"), kHints[k]);
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(win.selected(), firstLines[k] + 1);
        }
    }

    void classification_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("lists");
        QTest::newRow("sockets") << "DEVICE=C:\\MPTN\\PROTOCOL\\SOCKETS.SYS" << "P";
        QTest::newRow("ibmcom twice, one entry") << "DEVICE=C:\\IBMCOM\\PROTMAN.OS2 /I:C:\\IBMCOM" << "P";
        QTest::newRow("lower case, drive D") << "device=d:\\mptn\\protocol\\afos2.sys" << "P";
        QTest::newRow("REM, 8-bit letters") << "rem c:\\mfs\\blå.ini" << "M";
        QTest::newRow("MFSDATA") << "SET MFSDATA=C:\\MFSDATA" << "M";
        QTest::newRow("ibmlan") << "IFS=C:\\IBMLAN\\NETPROG\\NETWKSTA.200 /I:C:\\IBMLAN /N" << "L";
        QTest::newRow("two lists") << "SET NLSPATH=C:\\MPTN\\MSG\\NLS\\%N;C:\\TCPIP\\msg\\ENUS850\\%N;" << "PT";
        QTest::newRow("lower-case search path") << "set path=c:\\mptn\\bin;c:\\tcpip\\bin;c:\\mfs;c:\\ibmlan\\netprog" << "PTML";
        QTest::newRow("SET  PATH with two blanks") << "SET  PATH=C:\\MPTN\\BIN" << "P";
        QTest::newRow("LIBPATH") << "  LIBPATH=.;C:\\MPTN\\DLL;C:\\TCPIP\\DLL;C:\\IBMLAN\\NETLIB;C:\\MFS" << "";
        QTest::newRow("REM SET PATH") << "REM SET PATH=C:\\MPTN\\BIN;C:\\TCPIP\\BIN" << "";
        QTest::newRow("SET DPATH") << "SET DPATH=C:\\IBMCOM;C:\\IBMLAN" << "";
        QTest::newRow("SET HELP") << "SET HELP=C:\\TCPIP\\HELP" << "";
        QTest::newRow("SET BOOKSHELF") << "SET BOOKSHELF=C:\\IBMLAN\\BOOK;C:\\MFS" << "";
        QTest::newRow("no drive, other folder") << "DEVICE=\\MPTN\\SOCKETS.SYS C:\\OS2\\TCPIP.SYS" << "";
    }
    void classification()
    {
        QFETCH(QString, line);
        QFETCH(QString, lists);
        const QStringList doc{"REM top", line, "THREADS=256"};
        Window win(crlf(doc));
        for (int k = 0; k < 4; ++k) {
            const bool in = lists.contains(QLatin1Char("PTML"[k]));
            QCOMPARE(win.entries(k), in ? QStringList{line.toUpper()} : QStringList());
            if (in)
                win.select(k, 0, 1);
        }
        QCOMPARE(win.lines(), doc);
    }

    // Every entry keeps its own line, however many a list holds.
    void manyEntries()
    {
        QStringList doc;
        for (int i = 0; i < 40; ++i)
            doc << QStringLiteral("RUN=C:\\TCPIP\\BIN\\P%1.EXE").arg(i) << QStringLiteral("REM %1").arg(i);
        Window win(crlf(doc << "DEVICE=C:\\MPTN\\PROTOCOL\\AFINET.SYS"));
        QCOMPARE(win.entries(1).size(), 40);
        win.select(1, 37, 74);
        win.select(0, 0, 80);
    }

    void realConfigFile()
    {
        Window win(fixture("ecs-thinkpad.config.sys"));
        QCOMPARE(win.entries(1), (QStringList{"DEVICE=C:\\TCPIP\\BIN\\VDOSTCP.SYS",
                                              "SET NLSPATH=C:\\MPTN\\MSG\\NLS\\%N;C:\\TCPIP\\MSG\\ENUS850\\%N;",
                                              "SET CLASSPATH=C:\\OS2\\JAVAAPPS\\LVMGUI.ZIP;C:\\TCPIP\\JAVA;"}));
        QCOMPARE(win.entries(0).size(), 22);
        QCOMPARE(win.entries(3).size(), 7);
        win.select(1, 2, 91);
    }
};

QTEST_MAIN(TestNetworkPage)
#include "tst_network_page.moc"
