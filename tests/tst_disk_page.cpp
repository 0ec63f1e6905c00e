// The "Disk" page: boxes that follow the file systems and the cache, and clicks that show their lines.
#include "test_support.h"

#include <QCheckBox>
#include <QTabWidget>

namespace {

const QString kHpfs = QStringLiteral("IFS=C:\\OS2\\HPFS.IFS /CACHE:2048");
const QString kLan = QStringLiteral("IFS=C:\\IBMLAN\\NETPROG\\NETWKSTA.200 /I:C:\\IBMLAN /N");

struct Window : WindowOnDrive
{
    explicit Window(const QStringList &lines) : WindowOnDrive(lines, PageId::Disk) {}
    QString checked() const { return WindowOnDrive::checked({"fat", "hpfs", "cdfs", "LANFS", "MFSFS"}); }
    // The line selected and shown in the status area; -1 when Edit1 is empty, -2 when they disagree.
    int shown()
    {
        const int row = selected();
        if (text("Edit1").isEmpty())
            return -1;
        const bool same = lines().value(row) == text("Edit1") && text("LinjeLabel") == QStringLiteral("Linje nr. %1").arg(row + 1);
        return row >= 0 && same ? row : -2;
    }
};

} // namespace

class TestDiskPage : public QObject
{
    Q_OBJECT

private slots:
    void clicks_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("boxes"); // checked from the page's opening on
        QTest::addColumn<int>("opened");    // the line shown on opening (-1: none)
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("shown");     // the line shown after a click on `box`
        const QString mfs = QStringLiteral("IFS=C:\\MUGLIB\\MCM.IFS");
        QTest::newRow("HPFS active, cache first") << QStringList{"REM", "REM", "REM", "REM", "DISKCACHE=D,LW", kHpfs} << "fat hpfs" << 4 << "hpfs" << 5;
        QTest::newRow("HPFS commented") << QStringList{"REM", "REM " + kHpfs} << "" << -1 << "hpfs" << 1;
        QTest::newRow("REM and two blanks is active") << QStringList{"REM  " + kHpfs} << "hpfs" << 0 << "hpfs" << 0;
        QTest::newRow("CDFS both, REM wins") << QStringList{"IFS=C:\\OS2\\CDFS.IFS", "REM", "REM IFS=C:\\OS2\\CDFS.IFS /Q"} << "" << -1 << "cdfs" << 2;
        QTest::newRow("CDFS missing") << QStringList{kHpfs, "REM CDROM"} << "hpfs" << 0 << "cdfs" << -1;
        QTest::newRow("LAN small letters, before MFS") << QStringList{mfs, kLan.toLower()} << "LANFS MFSFS" << 1 << "LANFS" << 1;
        QTest::newRow("MFS") << QStringList{mfs} << "MFSFS" << 0 << "MFSFS" << 0;
        QTest::newRow("cache, small key") << QStringList{"REM DISKCACHE=64", "diskcache=D,LW"} << "fat" << 1 << "fat" << 1;
        QTest::newRow("cache empty") << QStringList{"DISKCACHE=", "REM  DISKCACHE=D,LW"} << "" << -1 << "fat" << -1;
        QTest::newRow("cache empty, commented below") << QStringList{"DISKCACHE=", "REM DISKCACHE=D,LW"} << "" << -1 << "fat" << 1;
    }
    void clicks()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, boxes);
        QFETCH(int, opened);
        QFETCH(QString, box);
        QFETCH(int, shown);
        Window win(lines);
        QCOMPARE(win.checked(), boxes);
        QCOMPARE(win.shown(), opened);
        const int selectedBefore = win.selected();
        const QString labelBefore = win.text("LinjeLabel");
        win.w->status().showHint("hint");
        for (int round = 0; round < 2; ++round) {
            win.click(box);
            QCOMPARE(win.checked(), boxes);
            QCOMPARE(win.lines(), lines);
            QCOMPARE(win.shown(), shown);
            // A box with nothing to show empties the edit line, and the hint says how to edit a line.
            QCOMPARE(win.text("Label2") + win.text("Label3"), shown < 0 ? lockedHint::nothing : QString());
            if (shown < 0) { // nothing to show: selection and line label stay
                QCOMPARE(win.selected(), selectedBefore);
                QCOMPARE(win.text("LinjeLabel"), labelBefore);
            }
        }
    }

    void remToggle_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("row");
        QTest::newRow("HPFS") << QStringList{"REM", "REM", "REM", "REM", "DISKCACHE=D,LW", kHpfs} << "hpfs" << 5;
        QTest::newRow("cache") << QStringList{kHpfs, "DISKCACHE=D,LW"} << "fat" << 1;
    }
    void remToggle()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, box);
        QFETCH(int, row);
        Window win(lines);
        win.click(box);
        QStringList commented = lines;
        commented[row] = "REM " + lines[row];
        for (const QStringList &expected : {commented, lines}) {
            win.press("RemKnapp");
            QCOMPARE(win.lines(), expected);
            QCOMPARE(win.checked().split(' ').contains(box), expected == lines);
            QCOMPARE(win.shown(), row);
        }
    }
};

QTEST_MAIN(TestDiskPage)
#include "tst_disk_page.moc"
