// The drive chooser: what it offers, mounting a partition through UDisks2 (a
// fake one on a private bus), when it asks at start, and choosing the drive
// from the window.
#include "fake_udisks.h"
#include "test_support.h"

#include "app/command_line.h"
#include "app/drive_choice.h"
#include "app/drive_chooser.h"
#include "platform/drive_sources.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QTreeWidget>

namespace {

QStringList rows(DriveChooser &chooser)
{
    QStringList out;
    auto *list = widget<QTreeWidget>(&chooser, "driveList");
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = list->topLevelItem(i);
        QStringList columns;
        for (int c = 0; c < list->columnCount(); ++c)
            columns << item->text(c);
        out << columns.join(u'|');
    }
    return out;
}

QPushButton *okButton(DriveChooser &chooser)
{
    return widget<QDialogButtonBox>(&chooser, "buttons")->button(QDialogButtonBox::Ok);
}

QString note(DriveChooser &chooser)
{
    return widget<QLabel>(&chooser, "note")->text();
}

void selectRow(DriveChooser &chooser, int row)
{
    auto *list = widget<QTreeWidget>(&chooser, "driveList");
    const QRect cell = list->visualItemRect(list->topLevelItem(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
}

// A folder that looks like an OS/2 boot drive.
void makeOs2Drive(const TestDrive &drive, const QByteArray &config = crlf({"REM"}))
{
    drive.write("CONFIG.SYS", config);
    drive.write("OS2/INSTALL/x", "");
}

// The settings file of a test, in its own folder.
std::unique_ptr<QSettings> settingsIn(const TestDrive &folder)
{
    return std::make_unique<QSettings>(folder.path("os2setup.conf"), QSettings::IniFormat);
}

} // namespace

class TestDriveChooser : public QObject
{
    Q_OBJECT

private slots:
    void offersTheMountsAndTheCurrentFolder()
    {
        TestDrive os2;
        makeOs2Drive(os2);
        const QList<MountEntry> mounts{{"/dev/sda2", os2.root(), "jfs"}, {"/dev/sdb1", "/mnt/b", "hpfs"}};

        DriveChooser first(mounts);
        QCOMPARE(rows(first), QStringList({os2.root() + "|/dev/sda2|||jfs", "/mnt/b|/dev/sdb1|||hpfs"}));
        QCOMPARE(first.folder(), os2.root());
        QVERIFY(okButton(first)->isEnabled());
        QCOMPARE(note(first), QString());

        // The folder C: has now comes first, selected and marked, in the folder column.
        DriveChooser known(mounts, "/mnt/b");
        QCOMPARE(rows(known), QStringList({"/mnt/b (nå valgt)|/dev/sdb1|||hpfs", os2.root() + "|/dev/sda2|||jfs"}));
        QCOMPARE(known.folder(), QStringLiteral("/mnt/b"));
        DriveChooser other(mounts, "/srv/copy");
        QCOMPARE(rows(other).size(), 3);
        QCOMPARE(rows(other).first(), QStringLiteral("/srv/copy (nå valgt)||||"));
        QCOMPARE(other.folder(), QStringLiteral("/srv/copy"));
        QVERIFY(note(other).contains("CONFIG.SYS"));
    }

    // What a keyboard and a screen reader meet: a named list with its first
    // row selected, Tab in the order of the eye, Enter on OK after browsing.
    void keyboard()
    {
        DriveChooser chooser({{"/dev/sda2", "/mnt/a", "hpfs"}});
        chooser.setFolderPicker([](QWidget *, const QString &) { return QStringLiteral("/mnt/picked"); });
        chooser.show();
        QVERIFY(QTest::qWaitForWindowActive(&chooser));
        auto *list = widget<QTreeWidget>(&chooser, "driveList");
        QVERIFY(!list->accessibleName().isEmpty());
        QVERIFY(list->topLevelItem(0)->isSelected());
        QVERIFY(!chooser.windowIcon().isNull());

        QStringList order;
        for (int i = 0; i < 4; ++i) {
            order << QApplication::focusWidget()->objectName() + QApplication::focusWidget()->property("text").toString();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, QStringList({"driveList", "browseButtonBla gjennom…", "OK", "Avbryt"}));

        auto *browse = widget<QPushButton>(&chooser, "browseButton");
        browse->setFocus();
        QTest::keyClick(browse, Qt::Key_Space);
        QCOMPARE(chooser.folder(), QStringLiteral("/mnt/picked"));
        browse->setFocus();
        QTest::keyClick(browse, Qt::Key_Return);
        QCOMPARE(chooser.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(chooser.folder(), QStringLiteral("/mnt/picked"));
    }

    void browsing()
    {
        DriveChooser chooser({});
        QCOMPARE(chooser.folder(), QString());
        QVERIFY(!okButton(chooser)->isEnabled());
        QVERIFY(note(chooser).contains("Bla gjennom"));

        QString answer;
        QString asked;
        chooser.setFolderPicker([&](QWidget *, const QString &start) {
            asked = start;
            return answer;
        });
        chooser.browse(); // cancelled
        QCOMPARE(rows(chooser), QStringList());
        QVERIFY(!okButton(chooser)->isEnabled());

        answer = "/mnt/os2/";
        QTest::mouseClick(widget<QPushButton>(&chooser, "browseButton"), Qt::LeftButton);
        QCOMPARE(chooser.folder(), QStringLiteral("/mnt/os2"));
        QVERIFY(okButton(chooser)->isEnabled());
        chooser.browse(); // the same folder again: no second row
        QCOMPARE(rows(chooser), QStringList{"/mnt/os2||||"});
        QCOMPARE(asked, QStringLiteral("/mnt/os2"));
        QCOMPARE(chooser.partitionUuid(), QString());
    }

    // An hpfs partition mounted, a jfs one not: "OK" on the second mounts it,
    // and the chooser closes on its folder once it holds CONFIG.SYS and OS2;
    // a mount refused stays in the chooser with its cause.
    void mountsAPartition_data()
    {
        QTest::addColumn<QString>("refuse");
        QTest::addColumn<bool>("os2Drive");
        QTest::addColumn<QString>("told");
        QTest::newRow("mounted") << "" << true << "";
        QTest::newRow("mounted, no OS/2 drive") << "" << false << "har ikke både CONFIG.SYS og mappen OS2";
        QTest::newRow("refused") << "org.freedesktop.UDisks2.Error.NotAuthorizedCanObtain" << true
                                 << "Kan ikke montere /dev/sdb1: du har ikke tillatelse til å montere den.";
    }
    void mountsAPartition()
    {
        QFETCH(QString, refuse);
        QFETCH(bool, os2Drive);
        QFETCH(QString, told);
        TestDrive warp;
        TestDrive ecs;
        makeOs2Drive(warp);
        if (os2Drive)
            makeOs2Drive(ecs);
        FakeUDisks fake({{"sda2", "hpfs", "WARP4", "1C2B-3A4D", 2'147'483'648, warp.root(), "", ""},
                         {"sdb1", "jfs", "ECS", "0b5e-4a11", 8'000'000'000, "", ecs.root(), refuse}});
        QVERIFY2(fake.failure().isEmpty(), qPrintable(fake.failure()));
        UDisks udisks = fake.udisks();

        DriveChooser chooser({{"/dev/sda2", warp.root(), "hpfs"}});
        chooser.offerPartitions(&udisks);
        QCOMPARE(rows(chooser), QStringList({warp.root() + "|/dev/sda2|WARP4|2,1 GB|hpfs",
                                             "ikke montert|/dev/sdb1|ECS|8,0 GB|jfs"}));
        QCOMPARE(chooser.partitionUuid(), QStringLiteral("1C2B-3A4D"));
        chooser.show();
        selectRow(chooser, 1);
        QCOMPARE(chooser.folder(), QString());
        QVERIFY(okButton(chooser)->isEnabled());
        QVERIFY2(note(chooser).contains("monterer /dev/sdb1"), qPrintable(note(chooser)));

        QTest::mouseClick(okButton(chooser), Qt::LeftButton);
        QTRY_COMPARE(fake.mountCalls("sdb1"), 1);
        QTRY_VERIFY(okButton(chooser)->isEnabled());
        QCOMPARE(chooser.result(), static_cast<int>(told.isEmpty() ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(chooser.isVisible(), !told.isEmpty());
        QVERIFY2(note(chooser).contains(told), qPrintable(note(chooser)));
        QCOMPARE(chooser.folder(), refuse.isEmpty() ? ecs.root() : QString());
        QCOMPARE(chooser.partitionUuid(), QStringLiteral("0b5e-4a11"));
    }

    // No bus, or no UDisks2 on it: the mounts as ever, and why nothing can be mounted.
    void withoutUDisks()
    {
        FakeUDisks bare;
        QVERIFY2(bare.failure().isEmpty(), qPrintable(bare.failure()));
        for (UDisks udisks : {UDisks(QDBusConnection(QStringLiteral("no such connection"))), bare.udisks()}) {
            DriveChooser chooser({{"/dev/sda2", "/mnt/a", "hpfs"}});
            chooser.offerPartitions(&udisks);
            QCOMPARE(rows(chooser), QStringList{"/mnt/a|/dev/sda2|||hpfs"});
            QVERIFY(okButton(chooser)->isEnabled());
            QVERIFY2(note(chooser).contains("Kan ikke montere partisjoner herfra: " + udisks.problem() + "."),
                     qPrintable(note(chooser)));
        }
    }

    void whenItAsks_data()
    {
        QTest::addColumn<QString>("folder"); // under a temporary folder: "empty", "warp", "nothing"
        QTest::addColumn<DriveMap::Origin>("origin");
        QTest::addColumn<QString>("configFile");
        QTest::addColumn<bool>("forced");
        QTest::addColumn<QString>("reason"); // "-": it does not ask; %1 is the folder
        using O = DriveMap::Origin;
        QTest::newRow("C: unmapped") << "" << O::None << "C:\\CONFIG.SYS" << false << "";
        QTest::newRow("c: unmapped, lower case") << "" << O::None << "c:\\config.sys" << false << "";
        QTest::newRow("C: by option") << "empty" << O::Option << "C:\\CONFIG.SYS" << false << "-";
        QTest::newRow("C: by variable") << "empty" << O::Variable << "C:\\CONFIG.SYS" << false << "-";
        QTest::newRow("C: remembered") << "warp" << O::Remembered << "C:\\CONFIG.SYS" << false << "-";
        QTest::newRow("C: remembered, gone") << "nothing" << O::Remembered << "C:\\CONFIG.SYS" << false
                                             << "%1 finnes ikke – er partisjonen montert?";
        QTest::newRow("C: remembered, empty") << "empty" << O::Remembered << "C:\\CONFIG.SYS" << false
                                              << "%1 er tom – er partisjonen montert?";
        QTest::newRow("C: remembered, no such file") << "warp" << O::Remembered << "C:\\TEST\\CONFIG.SYS" << false
                                                     << "%1 har ingen CONFIG.SYS";
        QTest::newRow("forced") << "warp" << O::Option << "C:\\CONFIG.SYS" << true << "";
        QTest::newRow("file on D:") << "" << O::None << "D:\\TEST\\CONFIG.SYS" << false << "-";
        QTest::newRow("host file") << "" << O::None << "/tmp/CONFIG.SYS" << false << "-";
    }
    void whenItAsks()
    {
        QFETCH(QString, folder);
        QFETCH(DriveMap::Origin, origin);
        QFETCH(QString, configFile);
        QFETCH(bool, forced);
        QFETCH(QString, reason);
        TestDrive base;
        QDir(base.root()).mkdir("empty");
        base.write("warp/CONFIG.SYS", crlf({"REM"}));
        base.write("warp/OS2/x", "");
        DriveMap drives;
        if (!folder.isEmpty())
            drives.setDrive(u'C', base.path(folder), origin);
        const std::optional<QString> asked = driveChooserReason(drives, configFile, forced);
        QCOMPARE(asked.value_or("-"), QString(reason).replace("%1", base.path(folder)));
    }

    // At start a remembered partition is mounted before anything is read, and
    // C: follows it to where it is mounted now.
    void rememberedPartitionAtStart_data()
    {
        QTest::addColumn<bool>("mounted");
        QTest::addColumn<QString>("refuse");
        QTest::addColumn<int>("mountCalls");
        QTest::addColumn<QString>("reason"); // "-": no chooser
        QTest::newRow("not mounted: mounted now") << false << "" << 1 << "-";
        QTest::newRow("mounted elsewhere already") << true << "" << 0 << "-";
        QTest::newRow("mount refused: the chooser, and why")
            << false << "org.freedesktop.UDisks2.Error.NotAuthorizedDismissed" << 1
            << "Kan ikke montere /dev/sdb1: spørsmålet om passord ble avbrutt.\n"
               "/mnt/os2-gone finnes ikke – er partisjonen montert?";
    }
    void rememberedPartitionAtStart()
    {
        QFETCH(bool, mounted);
        QFETCH(QString, refuse);
        QFETCH(int, mountCalls);
        QFETCH(QString, reason);
        TestDrive ecs;
        makeOs2Drive(ecs);
        TestDrive config;
        FakeUDisks fake({{"sdb1", "jfs", "ECS", "0b5e-4a11", 8'000, mounted ? ecs.root() : "", ecs.root(), refuse}});
        QVERIFY2(fake.failure().isEmpty(), qPrintable(fake.failure()));
        auto settings = settingsIn(config);
        rememberDriveC(*settings, "/mnt/os2-gone", "0b5e-4a11");
        DriveChoice choice(std::move(settings), fake.udisks(), [] { return QList<MountEntry>(); });

        DriveMap drives = assembleDriveMap({}, {}, rememberedDriveC(choice.settings()));
        const std::optional<QString> asked = choice.prepareAtStart(drives, "C:\\CONFIG.SYS", false);
        QCOMPARE(asked.value_or("-"), reason);
        QCOMPARE(fake.mountCalls("sdb1"), mountCalls);
        const QString folder = reason == u"-" ? ecs.root() : QStringLiteral("/mnt/os2-gone");
        QCOMPARE(drives.drive(u'C'), folder);
        QCOMPARE(rememberedDriveC(choice.settings()), folder);
        QCOMPARE(rememberedPartitionC(choice.settings()), QStringLiteral("0b5e-4a11"));
    }

    // Offscreen, as in every test, the chooser never shows at start: the
    // window opens on the unmapped drive with one message, which tells how
    // to choose the drive from the window; F1's "Velg OS/2-stasjonen…" then
    // mounts the partition chosen and reads its CONFIG.SYS.
    void noDriveThenChooseFromTheWindow()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
        TestDrive config;
        TestDrive ecs;
        makeOs2Drive(ecs, crlf({"REM FRA PARTISJONEN", "THREADS=256"}));
        ecs.write("STARTUP.CMD", crlf({"EXIT"}));
        FakeUDisks fake({{"sdb1", "jfs", "ECS", "0b5e-4a11", 8'000, "", ecs.root(), ""}});
        QVERIFY2(fake.failure().isEmpty(), qPrintable(fake.failure()));
        DriveChoice choice(settingsIn(config), fake.udisks(), [] { return QList<MountEntry>(); });
        bool dialogShown = false;
        QTimer watchdog;
        connect(&watchdog, &QTimer::timeout, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                dialogShown = true;
                modal->close();
            }
        });
        watchdog.start(10);
        DriveMap drives;
        chooseDriveAtStart(drives, "C:\\CONFIG.SYS", true, choice);
        watchdog.stop();
        QVERIFY(!dialogShown);
        QCOMPARE(drives.origin(u'C'), DriveMap::Origin::None);
        QCOMPARE(rememberedDriveC(choice.settings()), QString());

        WindowOnDrive win(drives, {});
        auto &w = win.w;
        ErrorRecorder &errors = win.errors;
        w->setDriveChoice(&choice);
        QCOMPARE(win.lines(), QStringList());
        const QStringList messages = errors.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().startsWith("C:\\CONFIG.SYS: stasjon C: er ikke koblet til noen mappe."),
                 qPrintable(messages.first()));
        for (const char *way : {"F1", "«Velg OS/2-stasjonen…»", "os2setup --choose-drive"})
            QVERIFY2(messages.first().contains(QString::fromUtf8(way)), way);
        QVERIFY(widget<QLabel>(w.get(), "Label3")->text().contains(QStringLiteral("Velg OS/2-stasjonen")));

        QTest::keyClick(w.get(), Qt::Key_F1);
        win.press("VelgStasjonKnapp");
        auto *chooser = widget<DriveChooser>(w.get(), "DriveChooser");
        QTRY_VERIFY(chooser->isVisible());
        QCOMPARE(rows(*chooser), QStringList{"ikke montert|/dev/sdb1|ECS|8,0 kB|jfs"});
        QTest::mouseClick(okButton(*chooser), Qt::LeftButton);
        QTRY_COMPARE(win.lines(), QStringList({"REM FRA PARTISJONEN", "THREADS=256"}));
        QCOMPARE(w->files().drives().drive(u'C'), ecs.root());
        QCOMPARE(rememberedDriveC(choice.settings()), ecs.root());
        QCOMPARE(rememberedPartitionC(choice.settings()), QStringLiteral("0b5e-4a11"));
        QCOMPARE(widget<QPlainTextEdit>(w.get(), "StartupMemo")->toPlainText(), QStringLiteral("EXIT\n"));
        // Every later write goes to the drive chosen.
        win.press("SaveKnapp");
        QCOMPARE(ecs.read("CONFIG.NEW"), crlf({"REM FRA PARTISJONEN", "THREADS=256"}));
        QCOMPARE(errors.messages(), messages);
        // F1's box tells of the drive chosen, not of the one it first showed.
        w->showAbout();
        QStringList texts;
        for (QDialog *box : w->findChildren<QDialog *>("AboutBox"))
            if (box->isVisible())
                for (const QLabel *label : box->findChildren<QLabel *>())
                    texts << label->text();
        QVERIFY2(texts.contains(ecs.root() + " (valgt i stasjonsvelgeren)"), qPrintable(texts.join(u'\n')));
    }

    // F1's box opens on "Lukk": Enter closes it and starts nothing else.
    void f1BoxClosesOnEnter()
    {
        WindowOnDrive win({"REM"});
        QTest::keyClick(win.w.get(), Qt::Key_F1);
        auto *box = widget<QDialog>(win.w.get(), "AboutBox");
        QVERIFY(QTest::qWaitForWindowActive(box));
        QVERIFY(box->focusWidget());
        QCOMPARE(box->focusWidget()->property("text").toString(), QStringLiteral("Lukk"));
        QTest::keyClick(box->focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!box->isVisible());
        QCOMPARE(win.w->findChildren<DriveChooser *>().size(), 0);
        QCOMPARE(win.w->findChildren<QDialog *>().size(), 1); // the box, closed: no check window
    }

    // --drive C=FOLDER reads FOLDER's CONFIG.SYS, and "Lagre" writes CONFIG.NEW there.
    void driveOptionReadsAndSavesThere()
    {
        TestDrive c;
        c.write("config.sys", crlf({"REM FRA MAPPEN", "THREADS=256"}));
        const CommandLine command = parseCommandLine({"os2setup", "--drive", "C=" + c.root()});
        QCOMPARE(command.action, CommandLine::Action::OpenWindow);
        QProcessEnvironment environment;
        environment.insert("OS2SETUP_DRIVE_C", "/no/such/folder");
        const DriveMap drives = assembleDriveMap(command.drives, environment, "/nor/this");

        WindowOnDrive win(drives, command.files);
        ErrorRecorder &errors = win.errors;
        QCOMPARE(win.lines(), QStringList({"REM FRA MAPPEN", "THREADS=256"}));
        win.press("SaveKnapp");
        QCOMPARE(c.read("CONFIG.NEW"), crlf({"REM FRA MAPPEN", "THREADS=256"}));
        QCOMPARE(errors.messages(), QStringList());
    }
};

QTEST_MAIN(TestDriveChooser)
#include "tst_drive_chooser.moc"
