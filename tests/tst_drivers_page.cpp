// The "Drivere" page: the driver lists built from the document and what selecting an entry shows.
#include "engine/catalogue.h"
#include "pages/drivers_page.h"
#include "test_support.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>

namespace {

// The Warp 4 base drivers first, in their order, then those of a current installation.
const QStringList kBaseDrivers = [] {
    QStringList names = {"IBM1FLPY.ADD", "IBM2FLPY.ADD", "XDFLOPPY.FLT", "OS2CDROM.DMD", "IBMIDECD.FLT",
                         "PRINT01.SYS", "PRINT02.SYS", "IBM1S506.ADD", "OS2SCSI.DMD", "OS2DASD.DMD",
                         "OPTICAL.DMD", "IBMKBD.SYS", "OS2ASPI.DMD", "TIMER0.SYS"};
    for (std::size_t row = 14; row < catalogue::BasedevNames.size(); ++row)
        names << QString::fromLatin1(catalogue::BasedevNames[row]);
    return names;
}();

QStringList availableBut(const QStringList &installed)
{
    QStringList names = kBaseDrivers;
    names.removeIf([&](const QString &name) { return installed.contains(name); });
    return names;
}

// Device entries on lines 3, 6, 9, 14, 16; base entries on 7, 11 (.SYS), 4, 7, 13 (.ADD), 2 (.DMD).
const QStringList kDoc = {"REM DEVICE=C:\\OS2\\MDOS\\VEMM.SYS", "device=C:\\OS2\\MDOS\\VEMM.SYS", "BASEDEV=OS2DASD.DMD",
                          "DEVICE=C:\\OS2\\BOOT\\COM.SYS /P:1 /Q", "BASEDEV=IBM1S506.ADD /A:0", "basedev=IBMKBD.SYS",
                          "DEVICE=C:\\OS2\\MDOS\\VEMM.SYS", "BASEDEV=CHKDSK.SYS /F:X.ADD", "REM BASEDEV=TIMER0.SYS",
                          "DEVICE=VEMM.SYS", "BASEDEV=OS2SCSI.dmd", "BASEDEV=TIMER0.SYS", " DEVICE=C:\\X.SYS", "BASEDEV=IBM2FLPY.ADD",
                          "DEVICE=C:\\IBMCOM\\PROTMAN.OS2 /I:C:\\IBMCOM", "BASEDEV=NOEXT", "DEVICE=C:\\TCPIP\\BIN\\vdostcp.SYS"};

struct OnPage : WindowOnDrive
{
    explicit OnPage(const QByteArray &config, PageId page = PageId::Drivere) : WindowOnDrive(ConfigBytes{config}, page) {}
    QListWidget *list(const char *name) const { return get<QListWidget>(name); }
    QStringList entries(const char *name) const { return rowsOf(list(name)); }
    // The number of selected entries of devicelist, basedevlist and basedevlist2.
    qsizetype n(const char *name) const { return list(name)->selectedItems().size(); }
    QList<qsizetype> selections() const { return {n("devicelist"), n("basedevlist"), n("basedevlist2")}; }
    QLineEdit *edit() const { return get<QLineEdit>("Edit1"); }
    bool removable() const { return isEnabled("tavekkKnapp"); }
    // Selects every entry of `name` in turn and gives the document line each one shows, or
    // -100 - line when the line label or Edit1 does not show that line.
    QList<int> pickAll(const char *name) const
    {
        QList<int> at;
        for (int row = 0; row < list(name)->count(); ++row) {
            pick(name, row);
            const int line = selected();
            const bool shown = text("Edit1") == lines().value(line) && text("LinjeLabel") == QStringLiteral("Linje nr. %1").arg(line + 1);
            at << (shown ? line : -100 - line);
        }
        return at;
    }
};

} // namespace

class TestDriversPage : public QObject
{
    Q_OBJECT

private slots:
    // Right after the page opens no entry is selected, though the focused list
    // has its first entry current: the first Down selects that first entry.
    void firstDownSelectsTheFirstEntry()
    {
        OnPage p(crlf(kDoc));
        for (const char *name : {"devicelist", "basedevlist", "basedevlist2"}) {
            p.press("OpenKnapp");
            QCOMPARE(p.selections(), (QList<qsizetype>{0, 0, 0}));
            QListWidget *list = p.list(name);
            list->setFocus(Qt::TabFocusReason);
            list->selectionModel()->setCurrentIndex(list->model()->index(0, 0), QItemSelectionModel::NoUpdate);
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(list->currentRow(), 0);
            QCOMPARE(list->selectedItems().size(), 1);
            QCOMPARE(p.get<QLineEdit>("Edit1")->text(),
                     std::string_view(name) == "basedevlist2" ? "BASEDEV=" + list->item(0)->text()
                                                              : p.lines().at(std::string_view(name) == "devicelist" ? 3 : 7));
        }
    }

    void lists()
    {
        OnPage p(crlf(kDoc));
        QCOMPARE(p.entries("devicelist"), (QStringList{"COM.SYS", "VEMM.SYS", "VEMM.SYS", "PROTMAN.OS2", "vdostcp.SYS"}));
        QCOMPARE(p.pickAll("devicelist"), (QList<int>{3, 6, 9, 14, 16}));
        const QStringList installed = {"CHKDSK.SYS /F:X.ADD", "TIMER0.SYS", "IBM1S506.ADD /A:0", "CHKDSK.SYS /F:X.ADD", "IBM2FLPY.ADD", "OS2DASD.DMD"};
        QCOMPARE(p.entries("basedevlist"), installed);
        QCOMPARE(p.pickAll("basedevlist"), (QList<int>{7, 11, 4, 7, 13, 2}));
        QCOMPARE(p.entries("basedevlist2"), availableBut(installed));
    }

    void selectingAnEntry_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("before"); // installed entry selected first: 1 required, 4 not
        QTest::addColumn<QStringList>("status");
        QTest::addColumn<bool>("removable");
        const QString notIn = QStringLiteral("ikke i C:\\CONFIG.SYS");
        QTest::newRow("device") << "devicelist" << 1 << 1 << QStringList{kDoc[6], "Linje nr. 7", "EMM, Expanded Memory Manager for DOS", "", "6"} << false;
        QTest::newRow("device in small letters") << "devicelist" << 4 << 4 << QStringList{kDoc[16], "Linje nr. 17", "TCP/IP støtte i DOS", "", "16"} << true;
        QTest::newRow("device with an added description") << "devicelist" << 3 << 1 << QStringList{kDoc[14], "Linje nr. 15", "Nettverk: protokollbehandler (MPTS)", "", "14"} << false;
        QTest::newRow("required") << "basedevlist" << 1 << 4 << QStringList{kDoc[11], "Linje nr. 12", "Timer", "Nødvendig", "11"} << false;
        QTest::newRow("with parameters") << "basedevlist" << 2 << 1 << QStringList{kDoc[4], "Linje nr. 5", "", "", "4"} << true;
        QTest::newRow("not required") << "basedevlist" << 4 << 1 << QStringList{kDoc[13], "Linje nr. 14", "Støtte for PS/2 diskettstasjon", "", "13"} << true;
        QTest::newRow("available, required") << "basedevlist2" << 9 << 4 << QStringList{"BASEDEV=IBMKBD.SYS", notIn, "Styreprogram til tastatur", "Nødvendig", "-1"} << true;
        QTest::newRow("available, not required") << "basedevlist2" << 2 << 1 << QStringList{"BASEDEV=OS2CDROM.DMD", notIn, "Støtte for CD-ROM", "", "-1"} << false;
        QTest::newRow("available, installed with parameters") << "basedevlist2" << 6 << 4 << QStringList{"BASEDEV=IBM1S506.ADD", notIn, "Styreprogram til platelagre av typen MFM, RLL, ESD", "Nødvendig", "-1"} << true;
    }
    void selectingAnEntry()
    {
        QFETCH(QString, list);
        QFETCH(int, row);
        QFETCH(int, before);
        QFETCH(QStringList, status);
        QFETCH(bool, removable);
        OnPage p(crlf(kDoc));
        p.pick("basedevlist", before);
        p.pick(list, row);
        QCOMPARE(p.status(), status);
        QCOMPARE(p.removable(), removable);
        const QStringList lists = {"devicelist", "basedevlist", "basedevlist2"};
        QCOMPARE(p.selections(), (QList<qsizetype>{lists[0] == list, lists[1] == list, lists[2] == list}));

        // Nothing on the page writes the document; with an available driver shown no document
        // line is selected, so neither the REM button nor typing changes one.
        p.press("tavekkKnapp");
        p.press("LeggTilKnapp");
        QCOMPARE(p.status(), status);
        if (list == lists[2]) {
            p.press("RemKnapp");
            typeText(p.edit(), "X");
        }
        QCOMPARE(p.lines(), kDoc);
    }

    void refreshAndScan()
    {
        OnPage p(crlf(kDoc), PageId::Ytelse);
        p.w->status().makeCurrent(8);
        // The scan leaves the first installed entry selected; opening the page clears it and,
        // with no device entry selected, leaves the current line as it was.
        QCOMPARE(p.selections(), (QList<qsizetype>{0, 1, 0}));
        p.show(PageId::Drivere);
        QCOMPARE(QApplication::focusWidget(), p.list("devicelist"));
        QCOMPARE(p.selections(), (QList<qsizetype>{0, 0, 0}));
        QCOMPARE(p.status(), (QStringList{"", "Linje nr. 9", lockedHint::nothing, "", "8"}));
        p.w->status().showTextInEditLine("EDIT");
        p.w->status().showMessage("RED");
        p.w->status().showHint("HINT");
        auto *page = p.get<DriversPage>("DriversPage");
        page->devicelistClick();
        QCOMPARE(p.status(), (QStringList{"EDIT", "Linje nr. 9", "HINT", "", "8"}));

        // A selected device entry is shown again whenever the page is opened.
        p.pick("devicelist", 1);
        p.show(PageId::Fil);
        p.show(PageId::Drivere);
        QCOMPARE(p.status(), (QStringList{kDoc[6], "Linje nr. 7", "EMM, Expanded Memory Manager for DOS", "", "6"}));

        // "Hent" scans anew, also past a file without installed base entries; "ta vekk" keeps
        // the state that the last installed entry gave it.
        p.pick("basedevlist", 1);
        p.c.write("CONFIG.SYS", crlf({"DEVICE=C:\\OS2\\BOOT\\COM.SYS", "basedev=TIMER0.SYS"}));
        p.press("OpenKnapp");
        QCOMPARE(p.entries("devicelist"), QStringList{"COM.SYS"});
        QCOMPARE(p.entries("basedevlist") + p.entries("basedevlist2"), kBaseDrivers);
        QCOMPARE(p.text("Label2"), QString());
        QCOMPARE(p.selections(), (QList<qsizetype>{0, 0, 0}));
        QVERIFY(!p.removable());
        // Seen from another page: a scan selects the first installed base entry, when there is one.
        p.show(PageId::Ytelse);
        p.press("OpenKnapp");
        QCOMPARE(p.selections(), (QList<qsizetype>{0, 0, 0}));
        p.c.write("CONFIG.SYS", crlf({"DEVICE=C:\\OS2\\BOOT\\COM.SYS", "BASEDEV=OS2DASD.DMD /V", "BASEDEV=IBMKBD.SYS"}));
        p.press("OpenKnapp");
        QCOMPARE(p.selections(), (QList<qsizetype>{0, 1, 0}));
        QCOMPARE(p.list("basedevlist")->selectedItems().first()->text(), QStringLiteral("IBMKBD.SYS"));
    }

    void everyEntryKeepsItsLine()
    {
        QStringList config;
        QList<int> deviceAt, installedAt;
        for (int i = 0; i < 90; ++i) {
            deviceAt << config.size();
            config << QStringLiteral("DEVICE=C:\\D\\DRV%1.SYS /N:%1").arg(i) << QStringLiteral("REM DEVICE=C:\\X.SYS");
            if (i % 2) {
                installedAt << config.size();
                config << QStringLiteral("BASEDEV=B%1.ADD").arg(i);
            }
        }
        OnPage p(crlf(config));
        QCOMPARE(p.list("devicelist")->item(89)->text(), QStringLiteral("DRV89.SYS"));
        QCOMPARE(p.pickAll("devicelist"), deviceAt);
        QCOMPARE(p.pickAll("basedevlist"), installedAt);
    }

    void realFile()
    {
        OnPage p(fixture("ecs-thinkpad.config.sys"));
        const QStringList doc = p.lines();
        QList<int> deviceAt, baseAt;
        for (int i = 0; i < doc.size(); ++i) {
            if (doc[i].startsWith("DEVICE="))
                deviceAt << i;
            else if (doc[i].startsWith("BASEDEV="))
                baseAt << i;
        }
        QCOMPARE(p.pickAll("devicelist"), deviceAt);
        QList<int> installedAt = p.pickAll("basedevlist");
        std::sort(installedAt.begin(), installedAt.end());
        QCOMPARE(installedAt, baseAt);
        QCOMPARE(p.entries("basedevlist").mid(12), (QStringList{"DANIS506.ADD /!BIOS", "IBM1FLPY.ADD", "USBMSD.ADD /REMOVABLES:8 /FLOPPIES:1",
                                                                "DANIATAP.FLT", "OS2DASD.DMD", "OS2LVM.DMD"}));
        QCOMPARE(p.entries("basedevlist2"), availableBut({"IBMKBD.SYS", "TIMER0.SYS", "PRINT01.SYS", "IBM1FLPY.ADD", "OS2DASD.DMD",
                                                             "CHKDSK.SYS", "USBUHCD.SYS", "USBEHCD.SYS", "USBD.SYS",
                                                             "USBHID.SYS", "DANIATAP.FLT", "OS2LVM.DMD"}));
    }
};

QTEST_MAIN(TestDriversPage)
#include "tst_drivers_page.moc"
