// "Ta i bruk CONFIG.NEW" and "Gjenopprett CONFIG.SYS" in the window: what
// they show, the box that goes past findings that stop the boot, and the
// bytes they leave on the drive.
#include "test_support.h"

#include "app/install_dialog.h"
#include "platform/write_guard.h"

#include <QCheckBox>
#include <QDir>
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

    // A long changed line keeps its arrow and the start of both texts in its
    // row; the fields below hold both whole.
    void aLongChangedLine()
    {
        const QString path = "SET PATH=C:\\OS2;C:\\OS2\\SYSTEM;" + QString(300, u'X');
        Drive d({"LIBPATH=C:\\OS2\\DLL", path});
        d.c.write("CONFIG.NEW", crlf({"LIBPATH=C:\\OS2\\DLL", path + ";D:\\NEW"}));
        QString nothing;
        InstallDialog dialog(d.guard, *installstep::proposeNew(d.drives, &nothing), d.data.path(), nullptr);
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *list = widget<QListWidget>(&dialog, "TaIBrukEndringer");
        const QModelIndex row = list->model()->index(0, 0);
        // As drawn: cut as the view cuts it to its row, of which the part
        // inside the view shows.
        const QFontMetrics metrics = list->fontMetrics();
        const QString drawn = metrics.elidedText(
            metrics.elidedText(row.data().toString(), list->textElideMode(), list->visualRect(row).width()),
            Qt::ElideRight, list->viewport()->width());
        QVERIFY2(drawn.startsWith("Linje 2: SET PATH=C:\\OS2") && drawn.contains(" → SET PATH=C:\\OS2"),
                 qPrintable(drawn));
        QCOMPARE(widget<QLineEdit>(&dialog, "TaIBrukEndringerFoer")->text(), path);
        QCOMPARE(widget<QLineEdit>(&dialog, "TaIBrukEndringerNaa")->text(), path + ";D:\\NEW");
    }

    // A list statement moved elsewhere in the file is still compared item by
    // item, on its removed row and on its added one.
    void itemsOfAMovedListStatement()
    {
        Drive d({"LIBPATH=C:\\OS2\\DLL;C:\\A", "THREADS=64"});
        d.c.write("CONFIG.NEW", crlf({"THREADS=64", "LIBPATH=C:\\A;C:\\OS2\\DLL;C:\\B"}));
        QString nothing;
        InstallDialog dialog(d.guard, *installstep::proposeNew(d.drives, &nothing), d.data.path(), nullptr);
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        auto *list = widget<QListWidget>(&dialog, "TaIBrukEndringer");
        QCOMPARE(rowsOf(list), (QStringList{"Linje 1: − LIBPATH=C:\\OS2\\DLL;C:\\A", "Linje 2: + LIBPATH=C:\\A;C:\\OS2\\DLL;C:\\B"}));
        for (int row : {0, 1}) {
            list->setCurrentRow(row);
            QCOMPARE(widget<QLineEdit>(&dialog, "TaIBrukEndringerElementer")->text(),
                     "LIBPATH: ~ C:\\A (nr. 2 → 1); + C:\\B");
        }
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

    // In the window, either step asks before it reads the window's file
    // again over unsaved edits, as closing does, naming what would go:
    // "Lagre" writes them first, "Forkast" lets the step throw them away,
    // "Avbryt" stays. Once CONFIG.SYS is replaced it is read again as "Hent"
    // reads it.
    void fromTheWindow_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("configNew"); // what CONFIG.NEW holds then
        QTest::addColumn<QString>("after");     // CONFIG.SYS after the step; empty: no dialog
        for (const char *step : {"TaIBruk", "Gjenopprett"}) {
            const QString put = QString::fromLatin1(step) == "TaIBruk" ? "LIBPATH=C:\\OS2\\DLL|THREADS=96"
                                                                        : "LIBPATH=C:\\OS2\\DLL|THREADS=32";
            QTest::addRow("%s, Lagre", step) << step << "Lagre" << "LIBPATH=C:\\OS2\\DLL|THREADS=128"
                                             << (QString::fromLatin1(step) == "TaIBruk" ? "LIBPATH=C:\\OS2\\DLL|THREADS=128"
                                                                                        : put);
            QTest::addRow("%s, Forkast", step) << step << "Forkast" << "LIBPATH=C:\\OS2\\DLL|THREADS=96" << put;
            QTest::addRow("%s, Avbryt", step) << step << "Avbryt" << "LIBPATH=C:\\OS2\\DLL|THREADS=96" << "";
        }
    }
    void fromTheWindow()
    {
        QFETCH(QString, step);
        QFETCH(QString, answer);
        QFETCH(QString, configNew);
        QFETCH(QString, after);
        WindowOnDrive win({"LIBPATH=C:\\OS2\\DLL", "THREADS=64"}, PageId::Fil,
                          {"CONFIG.NEW=LIBPATH=C:\\OS2\\DLL|THREADS=96", "CONFIG.BAK=LIBPATH=C:\\OS2\\DLL|THREADS=32",
                           "STARTUP.CMD=EXIT"});
        win.c.write("OS2/DLL/X.DLL", "");
        win.pick("ListBox", 1);
        QLineEdit *edit = win.get<QLineEdit>("Edit1");
        edit->end(false);
        edit->backspace();
        edit->backspace();
        QTest::keyClicks(edit, "128");
        typeText(win.get("StartupMemo"), "REM ");
        win.questions.answer({answer});
        if (step == "TaIBruk")
            QTest::keyClick(win.w.get(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        else
            win.w->showRestore();
        QCOMPARE(win.questions.asked().size(), static_cast<std::size_t>(1));
        const Question &q = win.questions.asked().front();
        QCOMPARE(q.text, step == "TaIBruk" ? "Lagre endringene før du tar i bruk C:\\CONFIG.NEW?"
                                           : "Lagre endringene før du gjenoppretter C:\\CONFIG.SYS?");
        QVERIFY2(q.details.contains("C:\\CONFIG.NEW\nC:\\STARTUP.CMD"), qPrintable(q.details));
        QStringList buttons;
        for (const Question::Button &b : q.buttons)
            buttons << b.text;
        QCOMPARE(buttons, (QStringList{"Lagre", "Forkast", "Avbryt"}));
        QCOMPARE(q.safeAnswer, "Avbryt");
        QCOMPARE(win.c.read("CONFIG.NEW"), crlf(configNew.split('|')));
        QCOMPARE(win.c.read("STARTUP.CMD"), answer == "Lagre" ? crlf({"REM EXIT"}) : crlf({"EXIT"}));
        auto *dialog = win.w->findChild<QDialog *>(step);
        QCOMPARE(dialog != nullptr, !after.isEmpty());
        if (!dialog) {
            QCOMPARE(win.lines().value(1), "THREADS=128");
            QVERIFY(win.w->isWindowModified());
            return;
        }
        if (step == "Gjenopprett") // the copy beside CONFIG.SYS, not the one "Lagre" may have made
            for (int i = 0; i < widget<QListWidget>(dialog, "KopiListe")->count(); ++i)
                if (widget<QListWidget>(dialog, "KopiListe")->item(i)->text().contains("CONFIG.BAK"))
                    widget<QListWidget>(dialog, "KopiListe")->setCurrentRow(i);
        QTest::mouseClick(widget<QPushButton>(dialog, qPrintable(step + "Knapp")), Qt::LeftButton);
        QCOMPARE(win.c.read("CONFIG.SYS"), crlf(after.split('|')));
        // Read again from the new CONFIG.SYS: no edits left, and the status says where the old one went.
        QCOMPARE(win.lines(), after.split('|'));
        QVERIFY(!win.w->isWindowModified());
        QVERIFY2(win.text("Label3").contains("C:\\CONFIG.001"), qPrintable(win.text("Label3")));
        QCOMPARE(win.c.read("CONFIG.001"), crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=64"}));
    }

    // Where the window's file is another than CONFIG.SYS, nothing of it is
    // read again: "Gjenopprett" asks nothing, and "Ta i bruk" asks only
    // whether CONFIG.NEW should hold the edits first.
    void anotherFileIsNotReadAgain()
    {
        TestDrive c;
        c.write("CONFIG.SYS", crlf({"LIBPATH=C:\\OS2\\DLL"}));
        c.write("CONFIG.BAK", crlf({"LIBPATH=C:\\OS2\\DLL", "REM bak"}));
        c.write("CONFIG.NEW", crlf({"LIBPATH=C:\\OS2\\DLL", "REM new"}));
        c.write("OS2/OTHER.SYS", crlf({"THREADS=64"}));
        WindowOnDrive win(c.map(), {"C:\\OS2\\OTHER.SYS"}, PageId::Fil);
        win.pick("ListBox", 0);
        QTest::keyClicks(win.get<QLineEdit>("Edit1"), "0");
        QCOMPARE(win.lines(), QStringList{"THREADS=640"});
        win.w->showRestore();
        QVERIFY(win.questions.asked().empty());
        QVERIFY(win.w->findChild<RestoreDialog *>("Gjenopprett"));
        win.w->findChild<RestoreDialog *>("Gjenopprett")->close();
        QCoreApplication::processEvents();
        win.questions.answer({"Avbryt"});
        win.w->showInstall();
        QCOMPARE(win.questions.asked().size(), static_cast<std::size_t>(1));
        QCOMPARE(win.questions.asked().front().buttons.at(1).text, "Fortsett");
    }

    // With CONFIG.SYS missing the window cannot read its file, and
    // "Gjenopprett" is how OS/2 gets one back: the copy is put in place with
    // nothing to copy first, and read.
    void restoreOntoAMissingConfigSys()
    {
        TestDrive c;
        c.write("OS2/DLL/X.DLL", "");
        c.write("CONFIG.BAK", crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=32"}));
        WindowOnDrive win(c.map(), {}, PageId::Fil);
        QCOMPARE(win.errors.messages(), QStringList{"Kan ikke lese C:\\CONFIG.SYS: filen finnes ikke"});
        win.w->showRestore();
        auto *dialog = win.w->findChild<RestoreDialog *>("Gjenopprett");
        QVERIFY(dialog);
        QCOMPARE(rowsOf(widget<QListWidget>(dialog, "KopiListe")).size(), 1);
        QVERIFY2(widget<QLabel>(dialog, "GjenopprettEndringerTall")->text().startsWith("C:\\CONFIG.SYS finnes ikke"),
                 qPrintable(widget<QLabel>(dialog, "GjenopprettEndringerTall")->text()));
        QCOMPARE(rowsOf(widget<QListWidget>(dialog, "GjenopprettEndringer")),
                 (QStringList{"Linje 1: + LIBPATH=C:\\OS2\\DLL", "Linje 2: + THREADS=32"}));
        QTest::mouseClick(widget<QPushButton>(dialog, "GjenopprettKnapp"), Qt::LeftButton);
        QVERIFY2(widget<QLabel>(dialog, "resultat")->text().contains("Det fantes ingen C:\\CONFIG.SYS fra før"),
                 qPrintable(widget<QLabel>(dialog, "resultat")->text()));
        QCOMPARE(c.read("CONFIG.SYS"), crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=32"}));
        QCOMPARE(win.lines(), (QStringList{"LIBPATH=C:\\OS2\\DLL", "THREADS=32"}));
        QCOMPARE(QDir(c.root()).entryList(QDir::Files).join(u' '), "CONFIG.BAK CONFIG.SYS");
        QCOMPARE(win.errors.messages().size(), 1);
    }

    // A copy that cannot be read is listed after the others with its cause,
    // and cannot be put in place; the others still can.
    void aCopyThatCannotBeReadHidesNoOther()
    {
        QTemporaryDir outside;
        Drive d({"LIBPATH=C:\\OS2\\DLL"});
        d.c.write("CONFIG.007", crlf({"LIBPATH=C:\\OS2\\DLL", "REM 7"}));
        QVERIFY(QFile::link(outside.path() + "/x", d.c.path("CONFIG.BAK")));
        RestoreDialog dialog(d.guard, d.data.path(), nullptr);
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        auto *list = widget<QListWidget>(&dialog, "KopiListe");
        const QStringList rows = rowsOf(list);
        QCOMPARE(rows.size(), 2);
        QVERIFY2(rows[0].contains("C:\\CONFIG.007"), qPrintable(rows[0]));
        QCOMPARE(rows[1], "C:\\CONFIG.BAK  (reservekopi) kan ikke leses: fører ut av stasjonen C: (til " + outside.path()
                              + "/x)");
        auto *go = widget<QPushButton>(&dialog, "GjenopprettKnapp");
        QVERIFY(go->isEnabled());
        list->setCurrentRow(1);
        QVERIFY(!go->isEnabled());
        QCOMPARE(widget<QLabel>(&dialog, "resultat")->text(), rows[1]);
        list->setCurrentRow(0);
        QTest::mouseClick(go, Qt::LeftButton);
        QCOMPARE(d.c.read("CONFIG.SYS"), crlf({"LIBPATH=C:\\OS2\\DLL", "REM 7"}));
    }

    // Without a folder for C: the window tells its own way to one (F1 and
    // "Velg OS/2-stasjonen…"), not the command line's.
    void noDriveTellsTheWindowsWay()
    {
        WindowOnDrive win(DriveMap{}, {});
        QCOMPARE(win.errors.messages().size(), 1);
        QTest::keyClick(win.w.get(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(win.errors.messages().size(), 2);
        win.w->showRestore();
        const QStringList messages = win.errors.messages().mid(1);
        QCOMPARE(messages.size(), 2);
        for (const QString &m : messages)
            QVERIFY2(m.contains("trykk F1 og «Velg OS/2-stasjonen…»") && !m.contains("--drive"), qPrintable(m));
        QVERIFY(!win.w->findChild<QDialog *>("TaIBruk") && !win.w->findChild<QDialog *>("Gjenopprett"));
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
        // The same lines with other line ends: put in place, and said so.
        win.c.write("CONFIG.NEW", "LIBPATH=C:\\OS2\\DLL\n");
        QTest::keyClick(win.w.get(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(win.w->findChild<InstallDialog *>("TaIBruk"));
        QVERIFY2(widget<QLabel>(win.w.get(), "TaIBrukEndringerTall")->text().contains("bare linjeskiftene"),
                 qPrintable(widget<QLabel>(win.w.get(), "TaIBrukEndringerTall")->text()));
        win.w->findChild<InstallDialog *>("TaIBruk")->close();
        QCoreApplication::processEvents();
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
