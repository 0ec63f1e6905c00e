// Where paths land and what may be written there: drive letters, links that
// lead out of a drive, the program's own files, a drive that changed, and
// writes that the system takes in parts.
#include "platform/file_error.h"
#include "platform/line_file.h"
#include "platform/real_path.h"
#include "platform/write_guard.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <functional>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(FileError::Kind)

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

// The error `body` throws; nothing when it throws none.
std::optional<FileError> errorOf(const std::function<void()> &body)
{
    try {
        body();
    } catch (const FileError &e) {
        return e;
    }
    return std::nullopt;
}

// A drive C: beside a folder outside it, with links of every sort between them.
struct LinkedDrive
{
    QTemporaryDir top;
    QString root = top.filePath("c");
    QString outside = top.filePath("outside");
    DriveMap drives;

    LinkedDrive()
    {
        writeFile(root + "/OS2/BOOT/X.SYS", "x");
        writeFile(outside + "/passwd", "secret");
        // A folder beside the drive's whose name begins with the drive's folder name.
        writeFile(top.filePath("c-other/f"), "sibling");
        const QList<std::pair<QString, QString>> links = {
            {"INSIDE", "OS2"},
            {"ABSIN", root + "/OS2/BOOT/X.SYS"},
            {"DANGLEIN", "OS2/NEW.SYS"},
            {"OS2/SELF", ".."},
            {"OUT", outside + "/passwd"},
            {"UP", "../outside"},
            {"DANGLEOUT", "../outside/none"},
            {"OS2/BACK", "../.."},
            {"CHAIN", "INSIDE/BACK"},
            {"MISSINGDOTS", "NONE/../../outside/passwd"},
            {"LOOP", "LOOP"},
            {"SIBLING", top.filePath("c-other/f")},
            {"SIBLINGREL", "../c-other"},
        };
        for (const auto &[name, target] : links)
            QFile::link(target, root + u'/' + name);
        // The drive's folder may itself be reached through a link.
        QFile::link(root, top.filePath("via"));
        drives.setDrive(u'C', root);
        drives.setDrive(u'V', top.filePath("via"));
    }
};

} // namespace

class TestFileSafety : public QObject
{
    Q_OBJECT

private slots:
    // A drive is a letter A-Z: the characters next to the letters in ASCII,
    // digits and letters beyond Z are none, and are refused by name.
    void drivesAreLettersAToZ_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<FileError::Kind>("kind");
        for (const char *path : {"1:\\..\\..\\etc\\passwd", "@:\\X", "[:\\X", "`:\\X", "{:\\X"})
            QTest::newRow(path) << QString::fromLatin1(path) << FileError::Kind::NotADrive;
        QTest::newRow("ä:") << QStringLiteral("ä:\\X") << FileError::Kind::NotADrive;
        QTest::newRow("Å:") << QStringLiteral("Å:\\X") << FileError::Kind::NotADrive;
        QTest::newRow("a: is a drive") << "a:\\X" << FileError::Kind::Unmapped;
        QTest::newRow("Z: is a drive") << "Z:\\X" << FileError::Kind::Unmapped;
    }
    void drivesAreLettersAToZ()
    {
        QFETCH(QString, path);
        QFETCH(FileError::Kind, kind);
        const DriveMap drives;
        const std::optional<FileError> e = errorOf([&] { drives.resolve(path); });
        QVERIFY(e);
        QCOMPARE(e->kind(), kind);
        QCOMPARE(linefile::exists(drives, path), linefile::Presence::Unreachable);
        const std::optional<FileError> read = errorOf([&] { linefile::load(drives, path); });
        QVERIFY(read);
        QCOMPARE(read->kind(), kind);
        if (kind == FileError::Kind::NotADrive)
            QCOMPARE(read->message(), "Kan ikke lese " + path + ": " + path.left(2)
                                          + " er ingen stasjon (en stasjon er en bokstav fra A til Z)");
    }

    // Where each name really lands, links followed: on the drive (the path
    // below its folder), out of it, or nowhere (links in a circle).
    void realLocationsStayOnTheDrive_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("lands"); // "out", "loop", or the place below the drive's folder
        QTest::newRow("plain") << "C:\\OS2\\BOOT\\X.SYS" << "OS2/BOOT/X.SYS";
        QTest::newRow("a folder link inside") << "C:\\inside\\boot\\x.sys" << "OS2/BOOT/X.SYS";
        QTest::newRow("an absolute link inside") << "C:\\ABSIN" << "OS2/BOOT/X.SYS";
        QTest::newRow("a dangling link inside") << "C:\\DANGLEIN" << "OS2/NEW.SYS";
        QTest::newRow("a link to the root") << "C:\\OS2\\SELF\\OS2\\BOOT" << "OS2/BOOT";
        QTest::newRow("dots never climb") << "C:\\..\\..\\OS2\\..\\..\\OS2" << "OS2";
        QTest::newRow("a new name in a linked folder") << "C:\\INSIDE\\NEW.SYS" << "OS2/NEW.SYS";
        QTest::newRow("the drive reached through a link") << "V:\\OS2\\BOOT\\X.SYS" << "OS2/BOOT/X.SYS";
        QTest::newRow("a link out") << "C:\\OUT" << "out";
        QTest::newRow("a relative link out") << "C:\\UP\\PASSWD" << "out";
        QTest::newRow("a dangling link out") << "C:\\DANGLEOUT" << "out";
        QTest::newRow("a new name below a link out") << "C:\\UP\\NEW.TXT" << "out";
        QTest::newRow("a link up from a folder") << "C:\\OS2\\BACK\\outside\\passwd" << "out";
        QTest::newRow("a chain of links out") << "C:\\CHAIN\\outside" << "out";
        QTest::newRow("dots in a link past a missing name") << "C:\\MISSINGDOTS" << "out";
        QTest::newRow("through the drive's own link, out") << "V:\\UP" << "out";
        QTest::newRow("a link to itself") << "C:\\LOOP" << "loop";
        QTest::newRow("a link to a folder beside, named like the drive's") << "C:\\SIBLING" << "out";
        QTest::newRow("a relative link there, and a name below it") << "C:\\SIBLINGREL\\F" << "out";
    }
    void realLocationsStayOnTheDrive()
    {
        QFETCH(QString, path);
        QFETCH(QString, lands);
        LinkedDrive c;
        const std::optional<FileError> resolveError = errorOf([&] { c.drives.resolve(path); });
        QString real;
        const std::optional<FileError> realError = errorOf([&] { real = c.drives.realPath(path); });
        if (lands == "out") {
            QVERIFY(resolveError && realError);
            QCOMPARE(resolveError->kind(), FileError::Kind::OutsideDrive);
            QVERIFY2(resolveError->message().startsWith(path + ": fører ut av stasjonen " + path.left(2)),
                     qPrintable(resolveError->message()));
            QCOMPARE(linefile::exists(c.drives, path), linefile::Presence::Unreachable);
            // Refused by name for reading and writing alike, and nothing written.
            const std::optional<FileError> read = errorOf([&] { linefile::readBytes(c.drives, path); });
            QVERIFY(read && read->message().startsWith("Kan ikke lese " + path + ": fører ut av stasjonen"));
            const std::optional<FileError> write = errorOf([&] { linefile::save(c.drives, path, {"x"}); });
            QVERIFY(write && write->kind() == FileError::Kind::OutsideDrive);
            QCOMPARE(readFile(c.outside + "/passwd"), QByteArray("secret"));
            QCOMPARE(QDir(c.outside).entryList(QDir::Files), QStringList{"passwd"});
        } else if (lands == "loop") {
            QVERIFY(!resolveError);
            QVERIFY(realError && realError->message().contains("symbolske lenker"));
        } else {
            const FileError none{QString()};
            QVERIFY2(!resolveError && !realError,
                     qPrintable((resolveError ? resolveError : realError).value_or(none).message()));
            QCOMPARE(real, QFileInfo(c.root).canonicalFilePath() + u'/' + lands);
        }
    }

    // The walk agrees with the system wherever the system finds the file.
    void realLocationAgreesWithTheSystem()
    {
        LinkedDrive c;
        for (const QString &name : QDir(c.root).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            const QString host = c.root + u'/' + name;
            if (!QFileInfo::exists(host))
                continue;
            const QString canonical = QFileInfo(host).canonicalFilePath();
            QCOMPARE(realLocation(host).value_or("loop"), canonical);
        }
    }

    // A write lands whole however the system takes it in parts, and a failure
    // after a part keeps the earlier file, with the cause of the failed call.
    void writesInParts_data()
    {
        QTest::addColumn<QList<int>>("steps"); // bytes taken per call; -errno fails
        QTest::addColumn<QString>("cause");    // empty: the write succeeds
        QTest::newRow("one short write, then the rest") << QList<int>{3} << "";
        QTest::newRow("a byte at a time") << QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1} << "";
        QTest::newRow("interrupted, then the rest") << QList<int>{-EINTR, 5} << "";
        QTest::newRow("a part, then a full disk") << QList<int>{4, -ENOSPC} << "det er ikke mer plass på disken";
        QTest::newRow("a part, then the quota") << QList<int>{4, -EDQUOT} << "diskkvoten din er brukt opp";
        QTest::newRow("an input/output error") << QList<int>{-EIO} << "inn/ut-feil på disken";
        QTest::newRow("nothing taken, no error") << QList<int>{0} << "skrivingen mislyktes";
    }
    void writesInParts()
    {
        QFETCH(QList<int>, steps);
        QFETCH(QString, cause);
        QTemporaryDir dir;
        DriveMap drives;
        drives.setDrive(u'C', dir.path());
        writeFile(dir.filePath("OUT.TXT"), "earlier\r\n");
        qsizetype step = 0;
        // Each call takes what its step says, at most what it is given; the
        // calls after the steps take everything.
        linefile::setWriteCallForTesting([&](int fd, const char *data, unsigned long size) -> long {
            const int take = step < steps.size() ? steps.at(step++) : static_cast<int>(size);
            if (take < 0) {
                errno = -take;
                return -1;
            }
            return static_cast<long>(::write(fd, data, std::min<unsigned long>(size, static_cast<unsigned>(take))));
        });
        const auto restore = qScopeGuard([] { linefile::setWriteCallForTesting({}); });
        const std::optional<FileError> e =
            errorOf([&] { linefile::save(drives, "C:\\OUT.TXT", {"first line", "second"}); });
        if (cause.isEmpty()) {
            QVERIFY2(!e, qPrintable(e ? e->message() : QString()));
            QCOMPARE(readFile(dir.filePath("OUT.TXT")), QByteArray("first line\r\nsecond\r\n"));
        } else {
            QVERIFY(e);
            QCOMPARE(e->message(), "Kan ikke skrive C:\\OUT.TXT: " + cause);
            QCOMPARE(readFile(dir.filePath("OUT.TXT")), QByteArray("earlier\r\n"));
        }
        QCOMPARE(step, steps.size());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"OUT.TXT"});
    }

    // The program's own files are never written through one another, and the
    // file read is told apart by what it is, also after it was replaced.
    void programFilesStayApart_data()
    {
        QTest::addColumn<QString>("setup"); // "NAME->TARGET" symbolic, "NAME=>OTHER" hard
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("refusal"); // empty: allowed
        QTest::newRow("plain files") << "" << "C:\\STARTUP.CMD" << "";
        QTest::newRow("the other one's link leads here")
            << "AUTOEXEC.BAK->AUTOEXEC.BAT" << "C:\\AUTOEXEC.BAT" << "C:\\AUTOEXEC.BAT og C:\\AUTOEXEC.BAK er samme fil";
        QTest::newRow("a link to the file read") << "CONFIG.NEW->CONFIG.SYS" << "C:\\CONFIG.NEW"
                                                 << "det er filen som ble lest inn (C:\\CONFIG.SYS)";
        QTest::newRow("a hard link to the file read, which was then renamed")
            << "CONFIG.NEW=>CONFIG.SYS;CONFIG.SYS~" << "C:\\CONFIG.NEW" << "det er filen som ble lest inn";
        QTest::newRow("a link to a file that is none of them") << "CONFIG.NEW->OS2/OTHER.TXT" << "C:\\CONFIG.NEW" << "";
    }
    void programFilesStayApart()
    {
        QFETCH(QString, setup);
        QFETCH(QString, target);
        QFETCH(QString, refusal);
        QTemporaryDir dir;
        DriveMap drives;
        drives.setDrive(u'C', dir.path());
        for (const char *name : {"CONFIG.SYS", "STARTUP.CMD", "AUTOEXEC.BAT", "OS2/OTHER.TXT"})
            writeFile(dir.filePath(name), name);
        WriteGuard guard(drives, "C:\\CONFIG.SYS");
        guard.beginRead();
        guard.setRead(linefile::read(drives, "C:\\CONFIG.SYS", 100).stamp);
        for (const QString &link : setup.split(u';', Qt::SkipEmptyParts)) {
            if (link.contains("->")) {
                QFile::remove(dir.filePath(link.section("->", 0, 0)));
                QVERIFY(QFile::link(link.section("->", 1), dir.filePath(link.section("->", 0, 0))));
            } else if (link.contains("=>")) {
                QFile::remove(dir.filePath(link.section("=>", 0, 0)));
                QCOMPARE(::link(QFile::encodeName(dir.filePath(link.section("=>", 1))).constData(),
                                QFile::encodeName(dir.filePath(link.section("=>", 0, 0))).constData()),
                         0);
            } else { // the file read moves away, and another takes its name
                QVERIFY(QFile::rename(dir.filePath("CONFIG.SYS"), dir.filePath(link)));
                writeFile(dir.filePath("CONFIG.SYS"), "another");
            }
        }
        for (const auto &check : {&WriteGuard::checkWrite, &WriteGuard::checkRemove}) {
            const std::optional<FileError> e = errorOf([&] { (guard.*check)(target); });
            if (refusal.isEmpty()) {
                QVERIFY2(!e, qPrintable(e ? e->message() : QString()));
            } else {
                QVERIFY(e);
                QCOMPARE(e->kind(), FileError::Kind::ProgramFile);
                QVERIFY2(e->message().contains(target + ": ") && e->message().contains(refusal), qPrintable(e->message()));
            }
        }
    }

    // Whether the file read is still as it was read, and whether its drive's
    // folder is still the same folder.
    void changesSinceTheRead_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("fileChanged");
        QTest::addColumn<bool>("driveChanged");
        QTest::newRow("nothing") << "" << false << false;
        QTest::newRow("a line added") << "append" << true << false;
        QTest::newRow("the same size, written later") << "touch" << true << false;
        QTest::newRow("replaced by another file") << "replace" << true << false;
        QTest::newRow("deleted") << "delete" << true << false;
        QTest::newRow("the drive's folder replaced") << "folder" << true << true;
        QTest::newRow("the drive's folder gone") << "nofolder" << true << true;
    }
    void changesSinceTheRead()
    {
        QFETCH(QString, change);
        QFETCH(bool, fileChanged);
        QFETCH(bool, driveChanged);
        QTemporaryDir top;
        const QString root = top.filePath("c");
        writeFile(root + "/CONFIG.SYS", "REM\r\n");
        DriveMap drives;
        drives.setDrive(u'C', root);
        WriteGuard guard(drives, "C:\\CONFIG.SYS");
        guard.beginRead();
        guard.setRead(linefile::read(drives, "C:\\CONFIG.SYS", 100).stamp);
        QVERIFY(guard.hasRead());

        const QString file = root + "/CONFIG.SYS";
        if (change == "append") {
            writeFile(file, "REM\r\nREM\r\n");
        } else if (change == "touch") {
            struct timespec times[2] = {{0, UTIME_OMIT}, {1000000000, 0}};
            QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(file).constData(), times, 0), 0);
        } else if (change == "replace") {
            writeFile(file + ".TMP", "REM\r\n");
            QVERIFY(::rename(QFile::encodeName(file + ".TMP").constData(), QFile::encodeName(file).constData()) == 0);
        } else if (change == "delete") {
            QVERIFY(QFile::remove(file));
        } else if (change == "folder") {
            QVERIFY(QDir(top.path()).rename("c", "c-earlier"));
            writeFile(file, "REM\r\n");
        } else if (change == "nofolder") {
            QVERIFY(QDir(root).removeRecursively());
        }
        QCOMPARE(guard.readFileChanged(), fileChanged);
        const std::optional<FileError> e = errorOf([&] { guard.checkWrite("C:\\CONFIG.NEW"); });
        QCOMPARE(e && e->kind() == FileError::Kind::DriveChanged, driveChanged);
        if (driveChanged)
            QCOMPARE(e->message(), "Kan ikke skrive C:\\CONFIG.NEW: stasjonen C: er ikke lenger den samme som da "
                                   "filen ble lest (avmontert?)");
        else
            QVERIFY2(!e, qPrintable(e ? e->message() : QString()));
    }
};

QTEST_GUILESS_MAIN(TestFileSafety)
#include "tst_file_safety.moc"
