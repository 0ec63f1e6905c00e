// "Ta i bruk" and "Gjenopprett" in the window, on a drive that changed under
// it and on a CONFIG.SYS that leads elsewhere: they refuse what "Lagre"
// refuses, and write nothing.
#include "test_support.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

class TestStepSafety : public QObject
{
    Q_OBJECT

private slots:
    // "Ta i bruk" and "Gjenopprett" refuse what "Lagre" refuses, whether the
    // drive changed before the step opened or while it was open: nothing is
    // written on the drive, beside it or in the data folder.
    void theStepsRefuseWhatLagreRefuses_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("step");
        QTest::addColumn<bool>("whileOpen");
        QTest::addColumn<QString>("refusal");
        const QString changed = "C:\\CONFIG.SYS: stasjonen C: er ikke lenger den samme som da filen ble lest (avmontert?)";
        for (const char *step : {"TaIBruk", "Gjenopprett"}) {
            for (const char *change : {"unmounted", "another file system mounted", "folder replaced"}) {
                QTest::addRow("%s, %s before", step, change) << change << step << false << "Kan ikke lese " + changed;
                QTest::addRow("%s, %s while open", step, change)
                    << change << step << true << "Kan ikke skrive " + changed + ". Ingenting er endret i C:\\CONFIG.SYS.";
            }
            QTest::addRow("%s, CONFIG.SYS a link out", step)
                << "link out" << step << true << "Kan ikke skrive C:\\CONFIG.SYS: fører ut av stasjonen C:";
            QTest::addRow("%s, CONFIG.SYS a link to STARTUP.CMD", step)
                << "link to STARTUP.CMD" << step << true
                << "Kan ikke skrive C:\\CONFIG.SYS: C:\\CONFIG.SYS og C:\\STARTUP.CMD er samme fil";
        }
    }
    void theStepsRefuseWhatLagreRefuses()
    {
        QFETCH(QString, change);
        QFETCH(QString, step);
        QFETCH(bool, whileOpen);
        QFETCH(QString, refusal);
        TestDrive top;
        const QString folder = top.path("c");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QDir().mkpath(top.path("outside")));
        QVERIFY(QDir().mkpath(top.path("data")));
        TmpfsMounts mounts;
        if (change == "unmounted" || change == "another file system mounted")
            MOUNT_OR_SKIP(mounts, folder);
        const QByteArray config = crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=64"});
        const auto fill = [&] {
            top.write("c/CONFIG.SYS", config);
            top.write("c/CONFIG.NEW", crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=128"}));
            top.write("c/CONFIG.BAK", crlf({"LIBPATH=C:\\OS2\\DLL", "THREADS=32"}));
            top.write("c/OS2/DLL/X.DLL", "");
        };
        fill();
        DriveMap drives;
        drives.setDrive(u'C', folder);
        WindowOnDrive t(drives, {});
        t.w->setDataFolder(top.path("data"));
        QCOMPARE(t.errors.messages(), QStringList{});

        const auto plant = [&] {
            if (change == "unmounted") {
                QVERIFY(mounts.unmount(folder));
            } else if (change == "another file system mounted") {
                QVERIFY(mounts.mount(folder));
                fill();
            } else if (change == "folder replaced") {
                QVERIFY(QDir(top.root()).rename("c", "c-earlier"));
                fill();
            } else {
                // The same bytes as shown, elsewhere: only the gate tells them apart.
                const QString target = change == "link out" ? "outside/CONFIG.SYS" : "c/STARTUP.CMD";
                top.write(target, config);
                QVERIFY(QFile::remove(top.path("c/CONFIG.SYS")));
                QVERIFY(QFile::link(top.path(target), top.path("c/CONFIG.SYS")));
            }
        };
        const auto open = [&] {
            if (step == "TaIBruk")
                QTest::keyClick(t.w.get(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
            else
                t.w->showRestore();
            return t.w->findChild<QDialog *>(step);
        };
        QStringList before;
        if (whileOpen) {
            QDialog *dialog = open();
            QVERIFY(dialog);
            plant();
            before = snapshot(top.root());
            auto *go = widget<QPushButton>(dialog, qPrintable(step + "Knapp"));
            QVERIFY(go->isEnabled());
            QTest::mouseClick(go, Qt::LeftButton);
            const QString result = widget<QLabel>(dialog, "resultat")->text();
            QVERIFY2(result.startsWith(refusal), qPrintable(result));
            QCOMPARE(t.errors.messages(), QStringList{});
        } else {
            plant();
            before = snapshot(top.root());
            QVERIFY(!open());
            QCOMPARE(t.errors.messages(), QStringList{refusal});
        }
        QCOMPARE(snapshot(top.root()), before);
    }
};

QTEST_MAIN(TestStepSafety)
#include "tst_step_safety.moc"
