// "Prøv ved neste oppstart" in the window: the button of "Ta i bruk", F1's
// row, and the tries in "Gjenopprett", taken into use or away.
#include "test_support.h"

#include "app/install_dialog.h"
#include "app/try_step.h"
#include "platform/write_guard.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

const QByteArray kMenu = "Other ways to start:\r\n   C - Start a command line\r\n   V - Reset the display\r\n";
const QStringList kConfig{"LIBPATH=C:\\OS2\\DLL", "THREADS=64"};
const QStringList kFresh{"LIBPATH=C:\\OS2\\DLL", "THREADS=128"};

// A drive C: with CONFIG.SYS, CONFIG.NEW, a copy and OS/2's menu file,
// read-only as OS/2 ships it.
struct Drive
{
    TestDrive c;
    QTemporaryDir data;
    DriveMap drives = c.map();
    WriteGuard guard{drives, "C:\\CONFIG.SYS"};
    explicit Drive(bool menu = true)
    {
        c.write("CONFIG.SYS", crlf(kConfig));
        c.write("CONFIG.NEW", crlf(kFresh));
        c.write("CONFIG.BAK", crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=32"}));
        c.write("OS2/DLL/X.DLL", "");
        c.write("OS2/BOOT/IBMKBD.SYS", "");
        if (menu) {
            c.write("OS2/BOOT/ALTF1BOT.SCR", kMenu);
            QFile::setPermissions(c.path("OS2/BOOT/ALTF1BOT.SCR"), QFileDevice::ReadOwner);
        }
        guard.beginRead();
    }
    installstep::Proposal fresh() const
    {
        QString nothing;
        return *installstep::proposeNew(drives, &nothing);
    }
};

} // namespace

class TestTryDialog : public QObject
{
    Q_OBJECT

private slots:
    // "Prøv ved neste oppstart" adds the try, says what to press, and leaves
    // CONFIG.SYS; "Ta i bruk" may follow. A failure says why, and the button
    // stays for another go.
    void tryFromTaIBruk()
    {
        Drive d(false);
        InstallDialog dialog(d.guard, d.fresh(), d.data.path(), nullptr);
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        QString told;
        connect(&dialog, &StepDialog::menuChanged, this, [&told](const QString &m) { told = m; });
        auto *tryIt = widget<QPushButton>(&dialog, "ProvKnapp");
        auto *result = widget<QLabel>(&dialog, "resultat");
        QVERIFY(!tryIt->accessibleName().isEmpty() && tryIt->toolTip().contains("Alt+F1"));
        QTest::mouseClick(tryIt, Qt::LeftButton);
        QCOMPARE(result->text(), "C:\\OS2\\BOOT\\ALTF1BOT.SCR finnes ikke: OS/2s Alt+F1-meny har ikke den filen her. "
                                 "Ingenting er endret.");
        QVERIFY(tryIt->isEnabled() && told.isEmpty());

        d.c.write("OS2/BOOT/ALTF1BOT.SCR", kMenu);
        QTest::mouseClick(tryIt, Qt::LeftButton);
        QVERIFY2(result->text().contains("trykk Alt+F1 mens den lille hvite boksen med «OS/2» står øverst til venstre "
                                         "på skjermen, og trykk så A"),
                 qPrintable(result->text()));
        QCOMPARE(told, result->text());
        QCOMPARE(d.c.read("OS2/BOOT/CONFIG.A"), crlf(kFresh));
        QCOMPARE(d.c.read("CONFIG.SYS"), crlf(kConfig));
        QVERIFY(!tryIt->isEnabled());
        QVERIFY(widget<QPushButton>(&dialog, "TaIBrukKnapp")->isEnabled());
    }

    // Findings that stop the boot keep the try back too, until the box is ticked.
    void findingsThatStopTheBootWantTheBox()
    {
        Drive d;
        d.c.write("CONFIG.NEW", crlf({"PROTSHELL=C:\\OS2\\PMSHELL.EXE"}));
        InstallDialog dialog(d.guard, d.fresh(), d.data.path(), nullptr);
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        auto *tryIt = widget<QPushButton>(&dialog, "ProvKnapp");
        QVERIFY(!tryIt->isEnabled());
        widget<QAbstractButton>(&dialog, "LikevelBoks")->click();
        QVERIFY(tryIt->isEnabled());
    }

    // F1's row opens "Ta i bruk" with the try's button in focus; the window
    // tells the result, and reads nothing again.
    void fromF1()
    {
        WindowOnDrive win(kConfig, PageId::Fil,
                          {"CONFIG.NEW=" + kFresh.join(u'|'), "OS2/DLL/X.DLL=", "OS2/BOOT/ALTF1BOT.SCR=   C - Start"});
        win.w->showAbout();
        QTest::mouseClick(win.get<QPushButton>("tryNew"), Qt::LeftButton);
        auto *dialog = win.w->findChild<InstallDialog *>("TaIBruk");
        QVERIFY(dialog);
        auto *tryIt = widget<QPushButton>(dialog, "ProvKnapp");
        QCOMPARE(dialog->focusWidget(), tryIt);
        QTest::mouseClick(tryIt, Qt::LeftButton);
        QVERIFY2(win.text("Label3").contains("trykk så A i menyen"), qPrintable(win.text("Label3")));
        QCOMPARE(win.c.read("OS2/BOOT/ALTF1BOT.SCR"), crlf({"   C - Start", "   A - Start med CONFIG.A (ny CONFIG.SYS "
                                                                            "fra os2setup "
                                                                            + QDate::currentDate().toString(Qt::ISODate)
                                                                            + ")"}));
        QCOMPARE(win.lines(), kConfig);
        QCOMPARE(win.errors.messages(), QStringList());
    }

    // "Gjenopprett" lists the tries below the copies; one chosen shows what
    // it changes, and is taken into use (the menu then as before) or away.
    void triesInGjenopprett()
    {
        Drive d;
        trystep::tryNew(d.guard, d.fresh(), "K");
        RestoreDialog dialog(d.guard, d.data.path(), nullptr);
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        auto *tries = widget<QListWidget>(&dialog, "ProveListe");
        auto *copies = widget<QListWidget>(&dialog, "KopiListe");
        auto *restore = widget<QPushButton>(&dialog, "GjenopprettKnapp");
        auto *take = widget<QPushButton>(&dialog, "TaIBrukProveKnapp");
        auto *remove = widget<QPushButton>(&dialog, "FjernProveKnapp");
        QCOMPARE(rowsOf(tries), QStringList{"K  " + QDate::currentDate().toString(Qt::ISODate)
                                            + "  C:\\OS2\\BOOT\\CONFIG.K  (lik C:\\CONFIG.NEW)"});
        QCOMPARE(copies->currentRow(), 0);
        QVERIFY(restore->isEnabled() && !take->isEnabled() && !remove->isEnabled());

        tries->setCurrentRow(0);
        QCOMPARE(copies->currentRow(), -1);
        QCOMPARE(rowsOf(widget<QListWidget>(&dialog, "GjenopprettEndringer")),
                 QStringList{"Linje 2: THREADS=64 → THREADS=128"});
        QVERIFY(!restore->isEnabled() && take->isEnabled() && remove->isEnabled());
        copies->setCurrentRow(0);
        QCOMPARE(tries->currentRow(), -1);
        QVERIFY(restore->isEnabled() && !take->isEnabled() && !remove->isEnabled());

        tries->setCurrentRow(0);
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(d.c.read("OS2/BOOT/ALTF1BOT.SCR"), kMenu);
        QVERIFY(!d.c.exists("OS2/BOOT/CONFIG.K"));
        QCOMPARE(tries->count(), 0);
        QCOMPARE(widget<QLabel>(&dialog, "ProverTekst")->text(), trystep::noTries());
        QVERIFY(!take->isEnabled() && !remove->isEnabled());

        trystep::tryNew(d.guard, d.fresh(), "K");
        RestoreDialog again(d.guard, d.data.path(), nullptr);
        again.setAttribute(Qt::WA_DeleteOnClose, false);
        QString placed;
        connect(&again, &StepDialog::putInPlace, this, [&placed](const QString &m) { placed = m; });
        widget<QListWidget>(&again, "ProveListe")->setCurrentRow(0);
        QTest::mouseClick(widget<QPushButton>(&again, "TaIBrukProveKnapp"), Qt::LeftButton);
        QVERIFY2(placed.contains("C:\\CONFIG.001") && placed.contains("Prøven K er tatt ut"), qPrintable(placed));
        QCOMPARE(d.c.read("CONFIG.SYS"), crlf(kFresh));
        QCOMPARE(d.c.read("CONFIG.001"), crlf(kConfig));
        QCOMPARE(d.c.read("OS2/BOOT/ALTF1BOT.SCR"), kMenu);
        QVERIFY(!d.c.exists("OS2/BOOT/CONFIG.K"));
        QCOMPARE(widget<QListWidget>(&again, "ProveListe")->count(), 0);
    }

    // Without a menu the copies are there as ever, and the list of tries says
    // why it is empty.
    void noMenu()
    {
        Drive d(false);
        RestoreDialog dialog(d.guard, d.data.path(), nullptr);
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        QCOMPARE(widget<QLabel>(&dialog, "ProverTekst")->text(),
                 "Prøver i Alt+F1-menyen: C:\\OS2\\BOOT\\ALTF1BOT.SCR finnes ikke: OS/2s Alt+F1-meny har ikke den filen her");
        QVERIFY(!widget<QListWidget>(&dialog, "ProveListe")->isEnabled());
        QVERIFY(widget<QPushButton>(&dialog, "GjenopprettKnapp")->isEnabled());
    }
};

QTEST_MAIN(TestTryDialog)
#include "tst_try_dialog.moc"
