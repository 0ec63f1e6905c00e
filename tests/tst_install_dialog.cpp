// "Ta i bruk CONFIG.NEW" and "Gjenopprett CONFIG.SYS" in the window: what
// they show, the box that goes past findings that stop the boot, and the
// bytes they leave on the drive.
#include "test_support.h"

#include "app/install_dialog.h"
#include "platform/write_guard.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

// A drive C: whose CONFIG.SYS and LIBPATH folder are there, a data folder,
// and the gate of the writes.
struct Drive
{
    TestDrive c;
    QTemporaryDir data;
    DriveMap drives = c.map();
    WriteGuard guard{drives, "C:\\CONFIG.SYS"};
    explicit Drive(const QStringList &config)
    {
        c.write("CONFIG.SYS", crlf(config));
        c.write("OS2/DLL/X.DLL", "");
        guard.beginRead();
    }
};

} // namespace

class TestInstallDialog : public QObject
{
    Q_OBJECT

private slots:
    void showsTheChangesAndPutsTheFileInPlace()
    {
        Drive d({"LIBPATH=C:\\OS2\\DLL", "THREADS=64", "REM gone"});
        d.c.write("CONFIG.NEW", crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=128", "MAXWAIT=2"}));
        const DriveMap &drives = d.drives;
        QString nothing;
        std::optional<installstep::Proposal> proposal = installstep::proposeNew(drives, &nothing);
        QVERIFY(proposal);
        InstallDialog dialog(d.guard, *proposal, d.data.path(), nullptr);
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        QCOMPARE(dialog.objectName(), QStringLiteral("TaIBruk"));
        QCOMPARE(rowsOf(widget<QListWidget>(&dialog, "TaIBrukEndringer")),
                 (QStringList{"Linje 2: THREADS=64 → THREADS=128", "Linje 3: REM gone → MAXWAIT=2"}));
        QCOMPARE(widget<QListWidget>(&dialog, "TaIBrukFunn")->count(), 0);
        QVERIFY(!widget<QCheckBox>(&dialog, "LikevelBoks")->isVisibleTo(&dialog));
        QString told;
        connect(&dialog, &StepDialog::putInPlace, this, [&told](const QString &m) { told = m; });
        auto *go = widget<QPushButton>(&dialog, "TaIBrukKnapp");
        QVERIFY(go->isEnabled());
        QTest::mouseClick(go, Qt::LeftButton);
        QCOMPARE(d.c.read("CONFIG.SYS"), crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=128", "MAXWAIT=2"}));
        QCOMPARE(d.c.read("CONFIG.001"), crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=64", "REM gone"}));
        QVERIFY2(told.contains("C:\\CONFIG.001") && told.contains("--restore"), qPrintable(told));
        QCOMPARE(widget<QLabel>(&dialog, "resultat")->text(), told);
        QVERIFY(!go->isEnabled()); // once is enough
    }

    // Findings that stop the boot keep the button off until the box is ticked.
    void findingsThatStopTheBootWantTheBox()
    {
        Drive d({"LIBPATH=C:\\OS2\\DLL"});
        d.c.write("CONFIG.NEW", crlf({"PROTSHELL=C:\\OS2\\PMSHELL.EXE"}));
        const DriveMap &drives = d.drives;
        QString nothing;
        InstallDialog dialog(d.guard, *installstep::proposeNew(drives, &nothing), d.data.path(), nullptr);
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        dialog.show();
        auto *go = widget<QPushButton>(&dialog, "TaIBrukKnapp");
        auto *box = widget<QCheckBox>(&dialog, "LikevelBoks");
        QVERIFY(box->isVisible());
        QVERIFY(!go->isEnabled());
        QVERIFY(rowsOf(widget<QListWidget>(&dialog, "TaIBrukFunn")).join('\n').contains("stopper oppstarten"));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QVERIFY(go->isEnabled());
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QVERIFY(!go->isEnabled());
        QCOMPARE(d.c.read("CONFIG.SYS"), crlf({"LIBPATH=C:\\OS2\\DLL"}));
    }

    // A failure tells its cause in the dialog and leaves CONFIG.SYS whole.
    void aFailureIsToldAndChangesNothing()
    {
        Drive d({"LIBPATH=C:\\OS2\\DLL", "THREADS=64"});
        d.c.write("CONFIG.NEW", crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=128"}));
        const DriveMap &drives = d.drives;
        QString nothing;
        InstallDialog dialog(d.guard, *installstep::proposeNew(drives, &nothing), d.data.path(), nullptr);
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        // Changed after the differences were shown.
        d.c.write("CONFIG.SYS", crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=256"}));
        QTest::mouseClick(widget<QPushButton>(&dialog, "TaIBrukKnapp"), Qt::LeftButton);
        QVERIFY(widget<QLabel>(&dialog, "resultat")->text().contains("endret siden"));
        QCOMPARE(d.c.read("CONFIG.SYS"), crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=256"}));
        QVERIFY(!d.c.exists("CONFIG.001"));
    }

    void restoresTheCopyChosen()
    {
        Drive d({"LIBPATH=C:\\OS2\\DLL", "THREADS=64"});
        d.c.write("CONFIG.BAK", crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=32"}));
        d.c.write("OS2/INSTALL/CONFIG.SYS", crlf({"LIBPATH=C:\\OS2\\DLL"}));
        QFile install(d.c.path("OS2/INSTALL/CONFIG.SYS"));
        QVERIFY(install.open(QIODevice::ReadWrite));
        QVERIFY(install.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
        install.close();
        RestoreDialog dialog(d.guard, d.data.path(), nullptr);
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        QCOMPARE(dialog.objectName(), QStringLiteral("Gjenopprett"));
        const QStringList copies = rowsOf(widget<QListWidget>(&dialog, "KopiListe"));
        QCOMPARE(copies.size(), 2);
        QVERIFY2(copies[0].contains("C:\\CONFIG.BAK") && copies[0].contains("1 linje forskjellig"), qPrintable(copies[0]));
        QVERIFY2(copies[1].contains("C:\\OS2\\INSTALL\\CONFIG.SYS"), qPrintable(copies[1]));
        // The newest is chosen at once and shows what it changes.
        QCOMPARE(rowsOf(widget<QListWidget>(&dialog, "GjenopprettEndringer")),
                 QStringList{"Linje 2: THREADS=64 → THREADS=32"});
        widget<QListWidget>(&dialog, "KopiListe")->setCurrentRow(1);
        QVERIFY(widget<QPushButton>(&dialog, "GjenopprettKnapp")->isEnabled());
        QCOMPARE(rowsOf(widget<QListWidget>(&dialog, "GjenopprettEndringer")), QStringList{"Linje 2: − THREADS=64"});
        QTest::mouseClick(widget<QPushButton>(&dialog, "GjenopprettKnapp"), Qt::LeftButton);
        QCOMPARE(d.c.read("CONFIG.SYS"), crlf({"LIBPATH=C:\\OS2\\DLL"}));
        QCOMPARE(d.c.read("CONFIG.001"), crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=64"}));
        // A copy equal to today's has nothing to put back.
        RestoreDialog again(d.guard, d.data.path(), nullptr);
        again.setAttribute(Qt::WA_DeleteOnClose, false);
        auto *list = widget<QListWidget>(&again, "KopiListe");
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text().contains("lik dagens"))
                list->setCurrentRow(i);
        QVERIFY(widget<QLabel>(&again, "resultat")->text().contains("ingenting å gjenopprette"));
        QVERIFY(!widget<QPushButton>(&again, "GjenopprettKnapp")->isEnabled());
    }

    // In the window: Ctrl+Shift+T first offers to save edits not yet in
    // CONFIG.NEW; the step then reads the new CONFIG.SYS back as "Hent" does.
    void fromTheWindow_data()
    {
        QTest::addColumn<QString>("answer"); // to the question about unsaved edits
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("configNew"); // what CONFIG.NEW holds then; "-" none
        QTest::newRow("save first") << "Lagre" << true << "LIBPATH=C:\\OS2\\DLL|THREADS=128";
        QTest::newRow("go on without") << "Fortsett" << true << "LIBPATH=C:\\OS2\\DLL|THREADS=96";
        QTest::newRow("cancel") << "Avbryt" << false << "LIBPATH=C:\\OS2\\DLL|THREADS=96";
    }
    void fromTheWindow()
    {
        QFETCH(QString, answer);
        QFETCH(bool, opened);
        QFETCH(QString, configNew);
        WindowOnDrive win({"LIBPATH=C:\\OS2\\DLL", "THREADS=64"}, PageId::Fil, {"CONFIG.NEW=LIBPATH=C:\\OS2\\DLL|THREADS=96"});
        win.c.write("OS2/DLL/X.DLL", "");
        win.pick("ListBox", 1);
        QLineEdit *edit = win.get<QLineEdit>("Edit1");
        edit->end(false);
        edit->backspace();
        edit->backspace();
        QTest::keyClicks(edit, "128");
        win.questions.answer({answer});
        QTest::keyClick(win.w.get(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(win.questions.asked().size(), static_cast<std::size_t>(1));
        QCOMPARE(win.c.read("CONFIG.NEW"), crlf(configNew.split('|')));
        auto *dialog = win.w->findChild<InstallDialog *>("TaIBruk");
        QCOMPARE(dialog != nullptr, opened);
        if (!opened)
            return;
        QTest::mouseClick(widget<QPushButton>(dialog, "TaIBrukKnapp"), Qt::LeftButton);
        QCOMPARE(win.c.read("CONFIG.SYS"), crlf(configNew.split('|')));
        // Read again from the new CONFIG.SYS: no edits left, and the status says where the old one went.
        QCOMPARE(win.lines(), configNew.split('|'));
        QVERIFY(!win.w->isWindowModified());
        QVERIFY2(win.text("Label3").contains("C:\\CONFIG.001"), qPrintable(win.text("Label3")));
        QCOMPARE(win.c.read("CONFIG.001"), crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=64"}));
    }

    // F1's rows and the check's button lead to the dialogs; with nothing to
    // put in place the status area says so and no dialog opens.
    void waysIn()
    {
        WindowOnDrive win({"LIBPATH=C:\\OS2\\DLL"}, PageId::Ytelse);
        QTest::keyClick(win.w.get(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!win.w->findChild<InstallDialog *>());
        QVERIFY2(win.text("Label3").contains("C:\\CONFIG.NEW finnes ikke"), qPrintable(win.text("Label3")));
        win.c.write("CONFIG.NEW", crlf({"LIBPATH=C:\\OS2\\DLL"}));
        QTest::keyClick(win.w.get(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY2(win.text("Label3").contains("byte for byte"), qPrintable(win.text("Label3")));
        win.c.write("CONFIG.NEW", crlf({"LIBPATH=C:\\OS2\\DLL", "REM new"}));

        win.w->showAbout();
        QTest::mouseClick(win.get<QPushButton>("installNew"), Qt::LeftButton);
        QVERIFY(win.w->findChild<InstallDialog *>("TaIBruk"));
        win.w->findChild<InstallDialog *>("TaIBruk")->close();
        QCoreApplication::processEvents();

        win.w->showAbout();
        QTest::mouseClick(win.get<QPushButton>("restoreConfig"), Qt::LeftButton);
        QVERIFY(win.w->findChild<RestoreDialog *>("Gjenopprett"));
        win.w->findChild<RestoreDialog *>("Gjenopprett")->close();
        QCoreApplication::processEvents();

        win.w->showBootCheck();
        QTest::mouseClick(win.get<QPushButton>("TaIBrukFraSjekk"), Qt::LeftButton);
        QVERIFY(win.w->findChild<InstallDialog *>("TaIBruk"));
        QCOMPARE(win.errors.messages(), QStringList{});
    }
};

QTEST_MAIN(TestInstallDialog)
#include "tst_install_dialog.moc"
