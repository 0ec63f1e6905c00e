// UDisks2 over D-Bus: the OS/2 partitions it knows and mounting one, against a
// fake UDisks2 on a private bus.
#include "fake_udisks.h"

#include <QTest>

namespace {

QStringList describe(const QList<Partition> &partitions)
{
    QStringList out;
    for (const Partition &p : partitions)
        out << QStringList{p.device, p.type, p.label, p.uuid, QString::number(p.size), p.mountPoints.join(u',')}.join(u'|');
    return out;
}

const QString kNotAllowed = QStringLiteral("org.freedesktop.UDisks2.Error.NotAuthorizedCanObtain");

} // namespace

class TestUDisks : public QObject
{
    Q_OBJECT

private slots:
    // Only hpfs, jfs and vfat, mounted or not, in the order of their devices.
    void listsTheOs2Partitions()
    {
        FakeUDisks fake({
            {"sdc1", "vfat", "", "AB12-CD34", 500'000'000, "", "", ""},
            {"sda1", "ext4", "debian", "e0e0", 10'000'000'000, "/", "", ""},
            {"sdb1", "jfs", "ECS", "0b5e-4a11", 8'000'000'000, "", "/media/u/ECS", ""},
            {"sda2", "hpfs", "WARP4", "1C2B-3A4D", 2'147'483'648, "/media/u/WARP4", "", ""},
            {"sda3", "swap", "", "5w4p", 1'000, "", "", ""},
        });
        QVERIFY2(fake.failure().isEmpty(), qPrintable(fake.failure()));
        UDisks udisks = fake.udisks();
        QCOMPARE(describe(udisks.partitions()), QStringList({
                                                    "/dev/sda2|hpfs|WARP4|1C2B-3A4D|2147483648|/media/u/WARP4",
                                                    "/dev/sdb1|jfs|ECS|0b5e-4a11|8000000000|",
                                                    "/dev/sdc1|vfat||AB12-CD34|500000000|",
                                                }));
        QCOMPARE(udisks.problem(), QString());
        QCOMPARE(udisks.partitionWithUuid("0b5e-4a11").value().device, QStringLiteral("/dev/sdb1"));
        QVERIFY(!udisks.partitionWithUuid("e0e0")); // not a file system of OS/2
        QVERIFY(!udisks.partitionWithUuid(""));
    }

    // A mount answers with its folder, or a Norwegian cause taken from the
    // error's name; waiting for it or not gives the same.
    void mount_data()
    {
        QTest::addColumn<QString>("refuse");
        QTest::addColumn<QString>("error");
        QTest::newRow("mounted") << "" << "";
        QTest::newRow("not allowed") << kNotAllowed
                                     << "Kan ikke montere /dev/sdb1: du har ikke tillatelse til å montere den.";
        QTest::newRow("password not given") << "org.freedesktop.UDisks2.Error.NotAuthorizedDismissed"
                                            << "Kan ikke montere /dev/sdb1: spørsmålet om passord ble avbrutt.";
        QTest::newRow("busy") << "org.freedesktop.UDisks2.Error.DeviceBusy"
                              << "Kan ikke montere /dev/sdb1: enheten er i bruk.";
        QTest::newRow("any other") << "org.freedesktop.UDisks2.Error.Failed"
                                   << "Kan ikke montere /dev/sdb1: ukjent feil "
                                      "(org.freedesktop.UDisks2.Error.Failed: refused by the test).";
    }
    void mount()
    {
        QFETCH(QString, refuse);
        QFETCH(QString, error);
        FakeUDisks fake({{"sdb1", "jfs", "ECS", "0b5e-4a11", 8'000, "", "/media/u/ECS", refuse}});
        QVERIFY2(fake.failure().isEmpty(), qPrintable(fake.failure()));
        UDisks udisks = fake.udisks();
        const Partition partition = udisks.partitions().value(0);
        QVERIFY(!partition.isMounted());
        const QString folder = error.isEmpty() ? QStringLiteral("/media/u/ECS") : QString();

        const MountResult result = udisks.mount(partition);
        QCOMPARE(result.error, error);
        QCOMPARE(result.mountPoint, folder);
        QCOMPARE(udisks.partitions().value(0).mountPoints, error.isEmpty() ? QStringList{folder} : QStringList());

        QObject context;
        std::optional<MountResult> later;
        udisks.mountLater(partition, &context, [&](const MountResult &r) { later = r; });
        QTRY_VERIFY(later.has_value());
        QCOMPARE(later->error, error);
        QCOMPARE(later->mountPoint, folder);
        QCOMPARE(fake.mountCalls("sdb1"), 2);
    }

    void withoutUDisks_data()
    {
        QTest::addColumn<bool>("bus");
        QTest::addColumn<QString>("cause");
        QTest::newRow("no bus") << false << "ingen forbindelse til systembussen (D-Bus)";
        QTest::newRow("a bus without UDisks2") << true << "tjenesten UDisks2 kjører ikke";
    }
    void withoutUDisks()
    {
        QFETCH(bool, bus);
        QFETCH(QString, cause);
        std::optional<FakeUDisks> fake;
        if (bus) {
            fake.emplace();
            QVERIFY2(fake->failure().isEmpty(), qPrintable(fake->failure()));
        }
        UDisks udisks(bus ? fake->bus() : QDBusConnection(QStringLiteral("no such connection")));
        QVERIFY(udisks.partitions().isEmpty());
        QCOMPARE(udisks.problem(), cause);
        Partition partition;
        partition.object = QStringLiteral("/org/freedesktop/UDisks2/block_devices/sdb1");
        partition.device = QStringLiteral("/dev/sdb1");
        QCOMPARE(udisks.mount(partition).error, QStringLiteral("Kan ikke montere /dev/sdb1: %1.").arg(cause));
    }
};

QTEST_GUILESS_MAIN(TestUDisks)
#include "tst_udisks.moc"
