// Putting a new CONFIG.SYS in place and finding the copies to go back to, on
// temporary drive folders: every failure leaves CONFIG.SYS as it was.
#include "test_support.h"

#include "platform/config_copies.h"
#include "platform/file_error.h"
#include "platform/write_guard.h"

#include "platform/line_file.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>


using namespace configcopies;

namespace {

// A drive C: in a temporary folder, and a data folder outside it; the gate
// every write goes through, the drive's folder as it is when made.
struct Drive : TestDrive
{
    Drive() { guard.beginRead(); }
    DriveMap drives = map();
    WriteGuard guard{drives, "C:\\CONFIG.SYS"};
    QTemporaryDir m_data;
    QString data() const { return m_data.path(); }
    QStringList entries() const { return QDir(root()).entryList(QDir::Files | QDir::NoDotAndDotDot); }
    QStringList saved() const { return QDir(savedFolder(data(), map(), u'C')).entryList(QDir::Files); }
};

std::string bytesOf(const QByteArray &b)
{
    return b.toStdString();
}

} // namespace

class TestConfigCopies : public QObject
{
    Q_OBJECT

private slots:
    void putsTheNewFileInPlaceWithTwoCopies()
    {
        Drive c;
        const QByteArray old = fixture("ecs-thinkpad.config.sys");
        QByteArray edited = old;
        edited.replace("THREADS=", "THREADS=1024\r\nREM THREADS=");
        c.write("CONFIG.SYS", old);
        // Three numbers taken already, one in small letters as FAT may show it.
        c.write("CONFIG.001", "1");
        c.write("config.002", "2");
        c.write("CONFIG.003", "3");
        const QDateTime when(QDate(2026, 12, 9), QTime(20, 15, 30));
        const Replaced done = putInPlace(c.guard, u'C', bytesOf(old), bytesOf(edited), c.data(), when);
        QCOMPARE(done.numbered, QStringLiteral("C:\\CONFIG.004"));
        QCOMPARE(c.read("CONFIG.SYS"), edited);
        QCOMPARE(c.read("CONFIG.004"), old);
        QCOMPARE(c.read("config.002"), QByteArray("2"));
        QCOMPARE(c.saved(), QStringList{"CONFIG.SYS-20261209-201530"});
        QFile saved(done.saved);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), old);
        // Again within the same second: the data folder's copy gets a name of its own.
        putInPlace(c.guard, u'C', bytesOf(edited), bytesOf(old), c.data(), when);
        QCOMPARE(c.read("CONFIG.005"), edited);
        QCOMPARE(c.saved().size(), 2);
    }

    // Each failure before the rename leaves CONFIG.SYS byte for byte as it
    // was, and no copy behind.
    void failuresChangeNothing_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("cause");
        QTest::newRow("changed since shown") << "changed" << "endret siden";
        QTest::newRow("read-only file") << "read-only" << "skrivebeskyttet";
        QTest::newRow("all numbers taken") << "numbers" << "CONFIG.999";
        QTest::newRow("CONFIG.SYS is a folder") << "folder" << "mappe";
    }
    void failuresChangeNothing()
    {
        QFETCH(QString, fault);
        QFETCH(QString, cause);
        Drive c;
        const QByteArray old = "DEVICE=C:\\OS2\\A.SYS\r\n";
        std::string shown = bytesOf(old);
        if (fault == "folder") {
            QDir(c.root()).mkdir("CONFIG.SYS");
        } else {
            c.write("CONFIG.SYS", old);
        }
        if (fault == "changed")
            shown = "DEVICE=C:\\OS2\\B.SYS\r\n";
        if (fault == "read-only")
            QFile::setPermissions(c.path("CONFIG.SYS"), QFileDevice::ReadOwner);
        if (fault == "numbers")
            for (int n = 1; n <= 999; ++n)
                c.write(QStringLiteral("CONFIG.%1").arg(n, 3, 10, QLatin1Char('0')), "x");
        const QStringList before = c.entries();
        try {
            putInPlace(c.guard, u'C', shown, "NEW\r\n", c.data());
            QFAIL("put in place");
        } catch (const FileError &e) {
            QVERIFY2(e.message().contains(cause), qPrintable(e.message()));
            QVERIFY2(e.message().contains("C:\\CONFIG.SYS"), qPrintable(e.message()));
        }
        if (fault != "folder")
            QCOMPARE(c.read("CONFIG.SYS"), old);
        QCOMPARE(c.entries(), before);
        QCOMPARE(c.saved(), QStringList{});
    }

    // A write that says it took every byte but left others on the disk is
    // caught by reading the file back, and the message names both copies.
    void aReadBackThatDiffersIsCaught()
    {
        Drive c;
        const std::string old = "DEVICE=C:\\OS2\\A.SYS\r\n", fresh = "DEVICE=C:\\OS2\\B.SYS\r\n";
        c.write("CONFIG.SYS", QByteArray::fromStdString(old));
        linefile::setWriteCallForTesting([&fresh](int fd, const char *data, unsigned long size) -> long {
            std::string bytes(data, size);
            if (bytes == fresh)
                bytes[16] = 'X';
            return static_cast<long>(::write(fd, bytes.data(), bytes.size()));
        });
        const auto restore = qScopeGuard([] { linefile::setWriteCallForTesting({}); });
        try {
            putInPlace(c.guard, u'C', old, fresh, c.data());
            QFAIL("put in place");
        } catch (const FileError &e) {
            QVERIFY2(e.message().startsWith("C:\\CONFIG.SYS ble skrevet, men det som ble lest tilbake er ikke det som ble "
                                            "skrevet. Den forrige filen er i C:\\CONFIG.001 og i ")
                         && e.message().contains(c.saved().value(0)),
                     qPrintable(e.message()));
        }
        QCOMPARE(c.read("CONFIG.001"), QByteArray::fromStdString(old));
    }

    // Every write goes through the gate of "Lagre": a drive that changed
    // since the files were read, a CONFIG.SYS that leads out of the drive or
    // onto another of the program's files, and a data folder whose copies a
    // link sends elsewhere are refused, and nothing is written anywhere.
    void theGateRefuses_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("cause");
        QTest::newRow("drive folder replaced") << "replaced" << "stasjonen C: er ikke lenger den samme";
        QTest::newRow("CONFIG.SYS a link out") << "out" << "fører ut av stasjonen C:";
        QTest::newRow("CONFIG.SYS a link to STARTUP.CMD") << "startup" << "C:\\STARTUP.CMD er samme fil";
        QTest::newRow("the data folder's copies led elsewhere") << "saved" << "mappen fører ut av";
        QTest::newRow("a CONFIG.SYS come since there was none") << "come" << "filen er kommet til siden";
    }
    void theGateRefuses()
    {
        QFETCH(QString, fault);
        QFETCH(QString, cause);
        QTemporaryDir top;
        const QString root = top.filePath("c"), outside = top.filePath("outside"), data = top.filePath("data");
        for (const QString &folder : {root, outside, data})
            QVERIFY(QDir().mkpath(folder));
        const auto write = [](const QString &path, const QByteArray &bytes) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        };
        const QByteArray old = "DEVICE=C:\\OS2\\A.SYS\r\n";
        write(outside + "/CONFIG.SYS", old);
        write(root + "/STARTUP.CMD", old);
        if (fault == "out")
            QVERIFY(QFile::link(outside + "/CONFIG.SYS", root + "/CONFIG.SYS"));
        else if (fault == "startup")
            QVERIFY(QFile::link("STARTUP.CMD", root + "/CONFIG.SYS"));
        else if (fault != "come")
            write(root + "/CONFIG.SYS", old);
        DriveMap drives;
        drives.setDrive(u'C', root);
        WriteGuard guard(drives, "C:\\CONFIG.SYS");
        guard.beginRead();
        if (fault == "replaced") {
            QVERIFY(QDir(top.path()).rename("c", "c-earlier"));
            QVERIFY(QDir().mkpath(root));
            write(root + "/CONFIG.SYS", old);
        } else if (fault == "saved") {
            QVERIFY(QDir().mkpath(data + "/backups"));
            QVERIFY(QFile::link(outside, savedFolder(data, drives, u'C')));
        } else if (fault == "come") {
            write(root + "/CONFIG.SYS", old);
        }
        const auto entries = [&] {
            QStringList all;
            for (const QString &folder : {root, outside, data})
                for (const QString &entry : QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
                    all << folder + u'/' + entry;
            return all;
        };
        const QStringList before = entries();
        try {
            putInPlace(guard, u'C', fault == "come" ? std::nullopt : std::optional<std::string>(old.toStdString()),
                       "NEW\r\n", data);
            QFAIL("put in place");
        } catch (const FileError &e) {
            QVERIFY2(e.message().startsWith("Kan ikke skrive ") && e.message().contains(cause), qPrintable(e.message()));
        }
        QCOMPARE(entries(), before);
        QFile config(root + "/CONFIG.SYS");
        QVERIFY(config.open(QIODevice::ReadOnly));
        QCOMPARE(config.readAll(), old);
    }

    // One bad copy hides none of the others: those that can be read come
    // first, newest first; the others after them, each with its cause.
    void copiesThatCannotBeReadComeLast()
    {
        Drive c;
        c.write("CONFIG.SYS", "today");
        c.write("CONFIG.002", "two");
        QVERIFY(QFile::link("NONE", c.path("CONFIG.BAK")));
        c.write("OS2/INSTALL/CONFIG.SYS", "install");
        QFile f(c.path("CONFIG.002"));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-9), QFileDevice::FileModificationTime));
        f.close();
        QStringList order;
        for (const Copy &copy : copies(c.map(), u'C', c.data()))
            order << copy.name + (copy.readable() ? QString() : QStringLiteral(": ") + copy.problem);
        QCOMPARE(order, (QStringList{"C:\\OS2\\INSTALL\\CONFIG.SYS", "C:\\CONFIG.002",
                                     "C:\\CONFIG.BAK: filen finnes ikke"}));
    }

    // A full disk and a read-only mount: real file systems mounted for the test.
    void fullOrReadOnlyDisk_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("full disk") << false;
        QTest::newRow("read-only mount") << true;
    }
    void fullOrReadOnlyDisk()
    {
        QFETCH(bool, readOnly);
        Drive c;
        TmpfsMounts mounts;
        MOUNT_OR_SKIP(mounts, c.root(), QStringLiteral("size=256k"));
        c.guard.beginRead(); // the file system mounted is the drive
        const QByteArray old(60 * 1024, 'o');
        c.write("CONFIG.SYS", old);
        if (readOnly) {
            QVERIFY(mounts.remountReadOnly(c.root()));
        } else {
            // Fill the disk but for a little: the copy fits, the new file does not.
            QFile filler(c.path("FILLER"));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            const QByteArray block(4096, 'f');
            while (filler.write(block) == block.size() && filler.flush()) {
            }
            filler.close();
            QFile::resize(c.path("FILLER"), QFileInfo(c.path("FILLER")).size() - 64 * 1024);
        }
        const QStringList before = c.entries();
        QVERIFY_THROWS_EXCEPTION(FileError,
                                 putInPlace(c.guard, u'C', bytesOf(old), std::string(100 * 1024, 'n'), c.data()));
        QCOMPARE(c.read("CONFIG.SYS"), old);
        QCOMPARE(c.entries(), before);
        QCOMPARE(c.saved(), QStringList{});
    }

    void copiesNewestFirst()
    {
        Drive c;
        c.write("CONFIG.SYS", "today");
        const auto stamp = [&c](const QString &relative, int daysAgo) {
            QFile f(c.path(relative));
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-daysAgo), QFileDevice::FileModificationTime));
        };
        c.write("config.003", "three");
        stamp("config.003", 1);
        c.write("CONFIG.BAK", "bak");
        stamp("CONFIG.BAK", 5);
        c.write("OS2/ARCHIVES/0/CONFIG.SYS", "archive 0");
        stamp("OS2/ARCHIVES/0/CONFIG.SYS", 3);
        c.write("OS2/ARCHIVES/1/CONFIG.SYS", "archive 1");
        stamp("OS2/ARCHIVES/1/CONFIG.SYS", 2);
        c.write("OS2/ARCHIVES/notes/CONFIG.SYS", "no archive");
        c.write("OS2/INSTALL/CONFIG.SYS", "install");
        stamp("OS2/INSTALL/CONFIG.SYS", 30);
        putInPlace(c.guard, u'C', "today", "new", c.data()); // today's becomes CONFIG.001 and a saved copy

        QStringList names;
        for (const Copy &copy : copies(c.map(), u'C', c.data()))
            names << (copy.kind == Copy::Kind::Saved ? QStringLiteral("saved") : copy.name);
        QCOMPARE(names.mid(2), (QStringList{"C:\\CONFIG.003", "C:\\OS2\\ARCHIVES\\1\\CONFIG.SYS",
                                            "C:\\OS2\\ARCHIVES\\0\\CONFIG.SYS", "C:\\CONFIG.BAK",
                                            "C:\\OS2\\INSTALL\\CONFIG.SYS"}));
        QCOMPARE(QSet<QString>(names.begin(), names.begin() + 2), (QSet<QString>{"C:\\CONFIG.001", "saved"}));
        for (const Copy &copy : copies(c.map(), u'C', c.data()))
            if (copy.name == "C:\\CONFIG.003")
                QCOMPARE(read(c.map(), copy), std::string("three"));
    }

    // OS/2 may keep its archives elsewhere, named in \OS2\BOOT\ARCHBASE.$$$;
    // a file that holds no plain path there leaves the default.
    void archiveFolderFromArchbase_data()
    {
        QTest::addColumn<QByteArray>("archbase");
        QTest::addColumn<QString>("found");
        QByteArray named(0xE0, '\0');
        named.replace(6, 11, "C:\\BACKUPS\0", 11);
        QTest::newRow("named") << named << "C:\\BACKUPS\\2\\CONFIG.SYS";
        QByteArray junk(0xE0, '\x01');
        QTest::newRow("no plain path") << junk << "C:\\OS2\\ARCHIVES\\2\\CONFIG.SYS";
        QTest::newRow("too short") << QByteArray("abc") << "C:\\OS2\\ARCHIVES\\2\\CONFIG.SYS";
    }
    void archiveFolderFromArchbase()
    {
        QFETCH(QByteArray, archbase);
        QFETCH(QString, found);
        Drive c;
        c.write("CONFIG.SYS", "today");
        c.write("OS2/BOOT/ARCHBASE.$$$", archbase);
        c.write("BACKUPS/2/CONFIG.SYS", "b");
        c.write("OS2/ARCHIVES/2/CONFIG.SYS", "a");
        QStringList archives;
        for (const Copy &copy : copies(c.map(), u'C', c.data()))
            if (copy.kind == Copy::Kind::Archive)
                archives << copy.name;
        QCOMPARE(archives, QStringList{found});
    }
};

QTEST_APPLESS_MAIN(TestConfigCopies)
#include "tst_config_copies.moc"
