// Mount table parsing and the search for mounted OS/2 boot drives.
#include "platform/mounts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>


namespace {

// "device|mount point|type", one string per mount, so a failure shows the text.
QStringList describe(const QList<MountEntry> &mounts)
{
    QStringList out;
    for (const MountEntry &m : mounts)
        out << m.device + u'|' + m.mountPoint + u'|' + m.type;
    return out;
}

// Makes `entries` under `root`: "d:NAME" a folder, "f:NAME" a file.
bool makeTree(const QString &root, const QStringList &entries)
{
    if (!QDir().mkpath(root))
        return false;
    for (const QString &entry : entries) {
        const QString path = root + u'/' + entry.mid(2);
        if (entry.startsWith(u"d:")) {
            if (!QDir().mkpath(path))
                return false;
        } else {
            QFile f(path);
            if (!f.open(QIODevice::WriteOnly) || f.write("REM\r\n") != 5)
                return false;
        }
    }
    return true;
}

const QStringList os2Drive = {QStringLiteral("f:CONFIG.SYS"), QStringLiteral("d:OS2")};

} // namespace

class TestMounts : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("mounts");

        QTest::newRow("plain lines") << QByteArray("/dev/sda1 / ext4 rw,relatime 0 0\n"
                                                   "/dev/sda3 /mnt/os2 hpfs ro 0 0\n")
                                     << QStringList{"/dev/sda1|/|ext4", "/dev/sda3|/mnt/os2|hpfs"};
        QTest::newRow("no line end at the end")
            << QByteArray("/dev/sdb1 /media/c vfat rw 0 0") << QStringList{"/dev/sdb1|/media/c|vfat"};
        QTest::newRow("tabs and repeated blanks separate")
            << QByteArray("/dev/sdb1 \t /media/c\tvfat  rw 0 0\n") << QStringList{"/dev/sdb1|/media/c|vfat"};
        QTest::newRow("escaped blank, tab, newline, backslash")
            << QByteArray(R"(/dev/disk\040one /media/OS2\040Warp\011x\012y\134z jfs rw 0 0)")
            << QStringList{"/dev/disk one|/media/OS2 Warp\tx\ny\\z|jfs"};
        QTest::newRow("digit after an escape stays a digit")
            << QByteArray(R"(/dev/sdc1 /mnt/a\0401 vfat rw 0 0)") << QStringList{"/dev/sdc1|/mnt/a 1|vfat"};
        QTest::newRow("an escape at the very end of a field")
            << QByteArray(R"(/dev/sdc1\040 /mnt/a\040 vfat\134 rw 0 0)") << QStringList{"/dev/sdc1 |/mnt/a |vfat\\"};
        QTest::newRow("backslash without an escape is kept")
            << QByteArray(R"(/dev/sdc1 /mnt/a\b\04 vfat rw 0 0)") << QStringList{"/dev/sdc1|/mnt/a\\b\\04|vfat"};
        QTest::newRow("file names are UTF-8 bytes")
            << QByteArray("/dev/sdc1 /media/Bj\xC3\xB8rn vfat rw 0 0\n") << QStringList{"/dev/sdc1|/media/Bjørn|vfat"};
        QTest::newRow("malformed lines are skipped")
            << QByteArray("\n"
                          "   \n"
                          "/dev/sda1 /mnt/few ext4\n"
                          "/dev/sda2 relative/path ext4 rw 0 0\n"
                          "/dev/sda3 /mnt/good hpfs ro 0 0\n"
                          "garbage\n")
            << QStringList{"/dev/sda3|/mnt/good|hpfs"};
    }
    void parse()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, mounts);
        QCOMPARE(describe(parseMounts(text)), mounts);
    }

    void bootDriveLook_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("looksLikeDrive");

        QTest::newRow("upper case") << os2Drive << true;
        QTest::newRow("lower case") << QStringList{"f:config.sys", "d:os2"} << true;
        QTest::newRow("mixed case, other files beside")
            << QStringList{"f:Config.Sys", "d:Os2", "f:STARTUP.CMD", "d:PSFONTS"} << true;
        QTest::newRow("a folder config.sys beside the file CONFIG.SYS")
            << QStringList{"d:config.sys", "f:CONFIG.SYS", "d:OS2"} << true;
        QTest::newRow("no OS2") << QStringList{"f:CONFIG.SYS"} << false;
        QTest::newRow("no CONFIG.SYS") << QStringList{"d:OS2", "f:CONFIG.NEW"} << false;
        QTest::newRow("OS2 is a file") << QStringList{"f:CONFIG.SYS", "f:OS2"} << false;
        QTest::newRow("CONFIG.SYS is a folder") << QStringList{"d:CONFIG.SYS", "d:OS2"} << false;
        QTest::newRow("CONFIG.SYS only below the root")
            << QStringList{"d:OS2", "f:OS2/CONFIG.SYS"} << false;
        QTest::newRow("names that only begin alike")
            << QStringList{"f:CONFIG.SYS.OLD", "d:OS2", "f:CONFIG.SY"} << false;
        QTest::newRow("empty folder") << QStringList{} << false;
    }
    void bootDriveLook()
    {
        QFETCH(QStringList, entries);
        QFETCH(bool, looksLikeDrive);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(makeTree(dir.path(), entries));
        QCOMPARE(looksLikeOs2BootDrive(dir.path()), looksLikeDrive);
    }

    // Every mount below is a folder that looks like an OS/2 drive; only the
    // file system type decides.
    void probedTypes_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("offered");

        for (const char *local : {"hpfs", "jfs", "vfat", "msdos", "fuseblk", "ntfs", "ntfs3", "exfat", "ext4",
                                  "btrfs", "tmpfs", "overlay"})
            QTest::newRow(local) << QString::fromLatin1(local) << true;
        for (const char *skipped : {"proc", "sysfs", "devtmpfs", "devpts", "cgroup", "cgroup2", "securityfs",
                                    "debugfs", "tracefs", "mqueue", "pstore", "bpf", "autofs", "nfs", "nfs4",
                                    "cifs", "smb3", "9p", "fuse", "fuse.sshfs", "fuse.gvfsd-fuse"})
            QTest::newRow(skipped) << QString::fromLatin1(skipped) << false;
    }
    void probedTypes()
    {
        QFETCH(QString, type);
        QFETCH(bool, offered);
        QTemporaryDir dir;
        QVERIFY(makeTree(dir.path(), os2Drive));
        const QList<MountEntry> mounts{{QStringLiteral("/dev/sda5"), dir.path(), type}};
        QCOMPARE(os2DriveCandidates(mounts).size(), offered ? 1 : 0);
    }

    // The whole way from the mount table: escaped names, folders that are no
    // OS/2 drive, and a folder mounted on more than once.
    void candidatesFromMountTable_data()
    {
        QTest::addColumn<QStringList>("lines"); // "%1" is the temporary folder
        QTest::addColumn<QStringList>("candidates");

        QTest::newRow("drives among other mounts")
            << QStringList{"sysfs /sys sysfs rw 0 0", "/dev/sda2 %1/warp hpfs ro 0 0",
                           "/dev/sda3 %1/linux ext4 rw 0 0", "/dev/sdb1 %1/eCS\\040drive jfs rw 0 0"}
            << QStringList{"/dev/sda2|%1/warp|hpfs", "/dev/sdb1|%1/eCS drive|jfs"};
        QTest::newRow("a later mount hides an earlier one")
            << QStringList{"/dev/sda2 %1/warp hpfs ro 0 0", "/dev/sda9 %1/warp vfat rw 0 0"}
            << QStringList{"/dev/sda9|%1/warp|vfat"};
        QTest::newRow("hidden by a network mount")
            << QStringList{"/dev/sda2 %1/warp hpfs ro 0 0", "server:/export %1/warp nfs4 rw 0 0"}
            << QStringList{};
        QTest::newRow("network mount covered by a local one")
            << QStringList{"server:/export %1/warp nfs4 rw 0 0", "/dev/sda2 %1/warp hpfs ro 0 0"}
            << QStringList{"/dev/sda2|%1/warp|hpfs"};
        QTest::newRow("no drive") << QStringList{"/dev/sda3 %1/linux ext4 rw 0 0"} << QStringList{};
    }
    void candidatesFromMountTable()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, candidates);
        QTemporaryDir dir;
        QVERIFY(makeTree(dir.path() + QStringLiteral("/warp"), os2Drive));
        QVERIFY(makeTree(dir.path() + QStringLiteral("/eCS drive"), {"f:config.sys", "d:os2"}));
        QVERIFY(makeTree(dir.path() + QStringLiteral("/linux"), {"f:CONFIG.SYS", "d:etc"}));

        const QByteArray text = lines.join(u'\n').arg(dir.path()).toUtf8();
        QStringList expected;
        for (const QString &c : candidates)
            expected << c.arg(dir.path());
        QCOMPARE(describe(os2DriveCandidates(parseMounts(text))), expected);
    }

    // A mount table read from its file, as the program reads /proc/self/mounts;
    // a table that cannot be read (no /proc in a container) lists nothing.
    void mountTableFile()
    {
        QTemporaryDir dir;
        QFile table(dir.filePath("mounts"));
        QVERIFY(table.open(QIODevice::WriteOnly));
        table.write("/dev/sda2 /mnt/os2\\040warp hpfs ro 0 0\n/dev/sda1 / ext4 rw 0 0\n");
        table.close();
        QCOMPARE(describe(mountsFromFile(table.fileName())),
                 QStringList({"/dev/sda2|/mnt/os2 warp|hpfs", "/dev/sda1|/|ext4"}));
        QCOMPARE(mountsFromFile(dir.filePath("none")), QList<MountEntry>());
    }
};

QTEST_GUILESS_MAIN(TestMounts)
#include "tst_mounts.moc"
