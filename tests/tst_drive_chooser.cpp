// The drive chooser, when it asks, and a start with --drive.
#include "test_support.h"

#include "app/command_line.h"
#include "app/drive_chooser.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
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
        out << QStringList{item->text(0), item->text(1), item->text(2)}.join(u'|');
    }
    return out;
}

bool okEnabled(DriveChooser &chooser)
{
    return widget<QDialogButtonBox>(&chooser, "buttons")->button(QDialogButtonBox::Ok)->isEnabled();
}

} // namespace

class TestDriveChooser : public QObject
{
    Q_OBJECT

private slots:
    void offersTheMountsAndTheCurrentFolder()
    {
        TestDrive os2;
        os2.write("CONFIG.SYS", crlf({"REM"}));
        os2.write("OS2/x", "");
        const QList<MountEntry> mounts{{"/dev/sda2", os2.root(), "jfs"}, {"/dev/sdb1", "/mnt/b", "hpfs"}};

        DriveChooser first(mounts);
        QCOMPARE(rows(first), QStringList({os2.root() + "|/dev/sda2|jfs", "/mnt/b|/dev/sdb1|hpfs"}));
        QCOMPARE(first.folder(), os2.root());
        QVERIFY(okEnabled(first));
        QVERIFY(widget<QLabel>(&first, "note")->text().isEmpty());

        DriveChooser known(mounts, "/mnt/b");
        QCOMPARE(known.folder(), QStringLiteral("/mnt/b"));
        QCOMPARE(rows(known).size(), 2);

        // A folder C: has now that is no mount of an OS/2 drive comes last.
        DriveChooser other(mounts, "/srv/copy");
        QCOMPARE(rows(other).size(), 3);
        QCOMPARE(other.folder(), QStringLiteral("/srv/copy"));
        QVERIFY(widget<QLabel>(&other, "note")->text().contains("CONFIG.SYS"));
    }

    void browsing()
    {
        DriveChooser chooser({});
        QCOMPARE(chooser.folder(), QString());
        QVERIFY(!okEnabled(chooser));
        QVERIFY(widget<QLabel>(&chooser, "note")->text().contains("Bla gjennom"));

        QString answer;
        QString asked;
        chooser.setFolderPicker([&](QWidget *, const QString &start) {
            asked = start;
            return answer;
        });
        chooser.browse(); // cancelled
        QCOMPARE(rows(chooser), QStringList());
        QVERIFY(!okEnabled(chooser));

        answer = "/mnt/os2/";
        QTest::mouseClick(widget<QPushButton>(&chooser, "browseButton"), Qt::LeftButton);
        QCOMPARE(chooser.folder(), QStringLiteral("/mnt/os2"));
        QVERIFY(okEnabled(chooser));
        chooser.browse(); // the same folder again: no second row
        QCOMPARE(rows(chooser), QStringList{"/mnt/os2||"});
        QCOMPARE(asked, QStringLiteral("/mnt/os2"));
    }

    void whenItAsks_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<DriveMap::Origin>("origin");
        QTest::addColumn<QString>("configFile");
        QTest::addColumn<bool>("forced");
        QTest::addColumn<bool>("asks");
        using O = DriveMap::Origin;
        const QString here = QDir::tempPath();
        QTest::newRow("C: unmapped") << "" << O::None << "C:\\CONFIG.SYS" << false << true;
        QTest::newRow("c: unmapped, lower case") << "" << O::None << "c:\\config.sys" << false << true;
        QTest::newRow("C: by option") << here << O::Option << "C:\\CONFIG.SYS" << false << false;
        QTest::newRow("C: by variable") << here << O::Variable << "C:\\CONFIG.SYS" << false << false;
        QTest::newRow("C: remembered") << here << O::Remembered << "C:\\CONFIG.SYS" << false << false;
        QTest::newRow("C: remembered, gone") << "/no/such/os2" << O::Remembered << "C:\\CONFIG.SYS" << false << true;
        QTest::newRow("forced") << here << O::Option << "C:\\CONFIG.SYS" << true << true;
        QTest::newRow("file on D:") << "" << O::None << "D:\\TEST\\CONFIG.SYS" << false << false;
        QTest::newRow("host file") << "" << O::None << "/tmp/CONFIG.SYS" << false << false;
    }
    void whenItAsks()
    {
        QFETCH(QString, folder);
        QFETCH(DriveMap::Origin, origin);
        QFETCH(QString, configFile);
        QFETCH(bool, forced);
        QFETCH(bool, asks);
        DriveMap drives;
        if (!folder.isEmpty())
            drives.setDrive(u'C', folder, origin);
        QCOMPARE(wantsDriveChooser(drives, configFile, forced), asks);
    }

    // Offscreen, as in every test, the chooser never shows: the window opens
    // on the unmapped drive with its error and an empty document.
    void noChooserOffscreen()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
        TestDrive config;
        QSettings settings(config.path("os2setup.conf"), QSettings::IniFormat);
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
        chooseDriveAtStart(drives, "C:\\CONFIG.SYS", true, settings);
        QVERIFY(!dialogShown);
        QCOMPARE(drives.origin(u'C'), DriveMap::Origin::None);
        QVERIFY(settings.allKeys().isEmpty());

        ErrorRecorder errors;
        auto w = openWindow(drives);
        QCOMPARE(documentLines(*w), QStringList());
        const QStringList messages = errors.messages();
        QVERIFY(!messages.isEmpty());
        QVERIFY2(messages.first().startsWith("C:\\CONFIG.SYS: stasjon C: er ikke koblet til noen mappe."),
                 qPrintable(messages.first()));
        for (const char *way : {"--drive C=MAPPE", "--choose-drive", "OS2SETUP_DRIVE_C"})
            QVERIFY2(messages.first().contains(QLatin1String(way)), way);
        QVERIFY(!dialogShown);
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

        ErrorRecorder errors;
        auto w = openWindow(drives, command.files);
        QCOMPARE(documentLines(*w), QStringList({"REM FRA MAPPEN", "THREADS=256"}));
        QTest::mouseClick(widget<QPushButton>(w.get(), "SaveKnapp"), Qt::LeftButton);
        QCOMPARE(c.read("CONFIG.NEW"), crlf({"REM FRA MAPPEN", "THREADS=256"}));
        QCOMPARE(errors.messages(), QStringList());
    }
};

QTEST_MAIN(TestDriveChooser)
#include "tst_drive_chooser.moc"
