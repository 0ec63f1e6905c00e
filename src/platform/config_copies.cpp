// Putting a new CONFIG.SYS in place, and the copies of CONFIG.SYS a user can
// go back to.
#include "platform/config_copies.h"

#include "platform/file_error.h"
#include "platform/line_file.h"
#include "platform/real_path.h"
#include "platform/write_guard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QUrl>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace configcopies {
namespace {

QString cannotRead()
{
    return QCoreApplication::translate("Files", "Kan ikke lese");
}

QString cannotWrite()
{
    return QCoreApplication::translate("Files", "Kan ikke skrive");
}

// The names of the folder `hostFolder` that match `pattern`, letter case aside.
QStringList entriesMatching(const QString &hostFolder, const QRegularExpression &pattern)
{
    QStringList found;
    const QStringList entries = QDir(hostFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                           | QDir::NoDotAndDotDot);
    for (const QString &entry : entries)
        if (pattern.match(entry).hasMatch())
            found << entry;
    return found;
}

// The first CONFIG.nnn that no entry of the drive's root names, in any case.
QString firstFreeNumbered(const QString &rootHost, QChar drive)
{
    static const QRegularExpression numbered(QStringLiteral("^CONFIG\\.(\\d{3})$"),
                                             QRegularExpression::CaseInsensitiveOption);
    QSet<int> taken;
    for (const QString &entry : entriesMatching(rootHost, numbered))
        taken.insert(entry.mid(7).toInt());
    for (int n = 1; n <= 999; ++n)
        if (!taken.contains(n))
            return onDrive(drive, QStringLiteral("CONFIG.%1").arg(n, 3, 10, QLatin1Char('0')));
    throw FileError(QCoreApplication::translate("Files", "Kan ikke ta vare på %1: navnene CONFIG.001 til CONFIG.999 er alle i bruk")
                        .arg(onDrive(drive, QStringLiteral("CONFIG.SYS"))));
}

// Refuses to write into `folder` unless it lies inside `dataFolder` once
// every link is followed: a link there must not send a copy elsewhere.
void checkWithin(const QString &folder, const QString &dataFolder)
{
    const std::optional<QString> real = realLocation(folder);
    const std::optional<QString> realData = realLocation(dataFolder);
    if (!real || !realData || !liesWithin(*real, *realData))
        throw FileError(QCoreApplication::translate("Files", "%1 %2: mappen fører ut av %3 (til %4)")
                            .arg(cannotWrite(), folder, dataFolder, real.value_or(folder)));
}

// Writes `bytes` as a new file in `folder`, inside `dataFolder`, named `base`
// or, when that is taken, `base` with "-2", "-3" ... after it; returns its path.
QString saveNew(const QString &folder, const QString &dataFolder, const QString &base, const std::string &bytes)
{
    checkWithin(folder, dataFolder);
    if (!QDir().mkpath(folder))
        throw FileError(QCoreApplication::translate("Files", "%1 %2: mappen kan ikke lages").arg(cannotWrite(), folder));
    checkWithin(folder, dataFolder);
    QString path = folder + u'/' + base;
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = folder + u'/' + base + QStringLiteral("-%1").arg(n);
    QSaveFile file(path);
    const qint64 size = static_cast<qint64>(bytes.size());
    errno = 0;
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), size) != size || !file.commit()) {
        const int error = errno;
        throw FileError(QStringLiteral("%1 %2: %3").arg(cannotWrite(), path, fileErrorCause(error, file.error())));
    }
    return path;
}

// Flushes the folder's own entries (the rename) to disk, where that works.
void syncFolder(const QString &hostFolder)
{
    const int fd = ::open(QFile::encodeName(hostFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The archive folder OS/2 names in \OS2\BOOT\ARCHBASE.$$$ (a path of up to
// 200 bytes, ended by a NUL, at offset 6), when it holds a plain DOS path;
// else OS/2's default, \OS2\ARCHIVES.
QString archiveBase(const DriveMap &drives, QChar drive)
{
    const QString fallback = onDrive(drive, QStringLiteral("OS2\\ARCHIVES"));
    const QString file = onDrive(drive, QStringLiteral("OS2\\BOOT\\ARCHBASE.$$$"));
    if (linefile::exists(drives, file) != linefile::Presence::File)
        return fallback;
    std::string bytes;
    try {
        bytes = linefile::readBytes(drives, file);
    } catch (const FileError &) {
        return fallback;
    }
    if (bytes.size() <= 6)
        return fallback;
    const std::string path = bytes.substr(6, std::min<std::size_t>(bytes.find('\0', 6), 206) - 6);
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z]:\\\\[!-~]*$"));
    const QString text = QString::fromLatin1(path.data(), static_cast<qsizetype>(path.size()));
    return plain.match(text).hasMatch() ? text : fallback;
}

// `message` without the name it begins with ("Kan ikke lese C:\X: ", "C:\X: "):
// the cause alone, for a list that names the copy already.
QString causeIn(const QString &message, const QString &name)
{
    for (const QString &prefix : {cannotRead() + u' ' + name + QStringLiteral(": "), name + QStringLiteral(": ")})
        if (message.startsWith(prefix))
            return message.mid(prefix.size());
    return message;
}

// Reads `copy` once to know whether it can be put back; its time as the file
// system shows it.
void addChecked(std::vector<Copy> &out, const DriveMap &drives, Copy copy)
{
    copy.time = QFileInfo(copy.hostPath).lastModified();
    try {
        read(drives, copy);
    } catch (const FileError &e) {
        copy.problem = causeIn(e.message(), copy.name);
    }
    out.push_back(std::move(copy));
}

// The copy at `dosPath`, when anything stands there: a file, a folder, a link
// that leads nowhere, or one that leads out of the drive.
void addOnDrive(std::vector<Copy> &out, Copy::Kind kind, const DriveMap &drives, const QString &dosPath)
{
    Copy copy{kind, dosPath, dosPath, QString(), {}, QString()};
    try {
        copy.hostPath = drives.resolve(dosPath);
    } catch (const FileError &e) {
        // A drive without a folder says nothing of what may be there.
        if (e.kind() == FileError::Kind::OutsideDrive) {
            copy.problem = causeIn(e.message(), dosPath);
            out.push_back(std::move(copy));
        }
        return;
    }
    const QFileInfo info(copy.hostPath);
    if (info.exists() || info.isSymLink())
        addChecked(out, drives, std::move(copy));
}

} // namespace

QString onDrive(QChar drive, const QString &name)
{
    return QString(drive) + QStringLiteral(":\\") + name;
}

QString savedFolder(const QString &dataFolder, const DriveMap &drives, QChar drive)
{
    // The drive's folder, written so that it is one name: /mnt/os2 -> %2Fmnt%2Fos2.
    const QString root = QFileInfo(drives.resolve(onDrive(drive, QString()))).canonicalFilePath();
    return dataFolder + QStringLiteral("/backups/") + QString::fromLatin1(QUrl::toPercentEncoding(root));
}

std::vector<Copy> copies(const DriveMap &drives, QChar drive, const QString &dataFolder)
{
    std::vector<Copy> out;
    const QString root = drives.resolve(onDrive(drive, QString()));
    static const QRegularExpression numbered(QStringLiteral("^CONFIG\\.\\d{3}$"),
                                             QRegularExpression::CaseInsensitiveOption);
    for (const QString &entry : entriesMatching(root, numbered))
        addOnDrive(out, Copy::Kind::Numbered, drives, onDrive(drive, entry.toUpper()));

    if (!dataFolder.isEmpty()) {
        const QString saved = savedFolder(dataFolder, drives, drive);
        for (const QString &entry : QDir(saved).entryList(QDir::Files | QDir::System | QDir::Hidden))
            addChecked(out, drives, {Copy::Kind::Saved, saved + u'/' + entry, QString(), saved + u'/' + entry, {}, {}});
    }

    addOnDrive(out, Copy::Kind::Bak, drives, onDrive(drive, QStringLiteral("CONFIG.BAK")));

    const QString base = archiveBase(drives, drive);
    try {
        const QString baseHost = drives.resolve(base);
        static const QRegularExpression number(QStringLiteral("^\\d+$"));
        for (const QString &entry : entriesMatching(baseHost, number))
            addOnDrive(out, Copy::Kind::Archive, drives, base + u'\\' + entry + QStringLiteral("\\CONFIG.SYS"));
    } catch (const FileError &e) {
        // The folder of the archives leads out of the drive: what lies there
        // cannot be offered, but is told. On a drive without a folder nothing
        // is known of it.
        if (e.kind() == FileError::Kind::OutsideDrive)
            out.push_back({Copy::Kind::Archive, base, base, QString(), {}, causeIn(e.message(), base)});
    }

    addOnDrive(out, Copy::Kind::Install, drives, onDrive(drive, QStringLiteral("OS2\\INSTALL\\CONFIG.SYS")));

    // Those that can be put back first, newest first; the others after them,
    // as found, so that the numbers of the first never depend on them.
    std::stable_sort(out.begin(), out.end(), [](const Copy &a, const Copy &b) {
        if (a.readable() != b.readable())
            return a.readable();
        return a.readable() && a.time > b.time;
    });
    return out;
}

std::string read(const DriveMap &drives, const Copy &copy)
{
    if (!copy.dosPath.isEmpty())
        return linefile::readBytes(drives, copy.dosPath);
    // A pipe would keep the read waiting: only a plain file is opened.
    const QFileInfo info(copy.hostPath);
    if (info.exists() && !info.isFile())
        throw FileError(QCoreApplication::translate("Files", "Kan ikke lese %1: det er ikke en vanlig fil").arg(copy.hostPath));
    QFile file(copy.hostPath);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        const int error = errno;
        throw FileError(QCoreApplication::translate("Files", "Kan ikke lese %1: %2").arg(copy.hostPath, fileErrorCause(error, file.error())));
    }
    return file.readAll().toStdString();
}

namespace {

// Reads `config` back after it was written, and compares it with `bytes`.
void readBack(const WriteGuard &guard, const QString &config, const std::string &bytes, const Replaced &done)
{
    const QString earlier = done.numbered.isEmpty()
                                ? QCoreApplication::translate("Files", "Det fantes ingen %1 fra før").arg(config)
                                : QCoreApplication::translate("Files", "Den forrige filen er i %1 og i %2").arg(done.numbered, done.saved);
    std::string back;
    try {
        guard.checkRead(config);
        back = linefile::readBytes(guard.drives(), config);
    } catch (const FileError &e) {
        throw FileError(QCoreApplication::translate("Files", "%1 ble skrevet, men kan ikke leses tilbake (%2). %3.").arg(config, e.message(), earlier));
    }
    if (back != bytes)
        throw FileError(QCoreApplication::translate("Files", "%1 ble skrevet, men det som ble lest tilbake er ikke det som ble skrevet. %2.")
                            .arg(config, earlier));
}

} // namespace

Replaced putInPlace(const WriteGuard &guard, QChar drive, const std::optional<std::string> &shownBytes,
                    const std::string &bytes, const QString &dataFolder, const QDateTime &now)
{
    const DriveMap &drives = guard.drives();
    const QString config = onDrive(drive, QStringLiteral("CONFIG.SYS"));
    guard.checkReplace(config);
    const QString configHost = drives.resolve(config);
    const QString folder = QFileInfo(configHost).absolutePath();
    if (!shownBytes) {
        // There was none to keep a copy of; one that has come since was not
        // shown, and is not written over.
        const QFileInfo info(configHost);
        if (info.exists() || info.isSymLink())
            throw FileError(QCoreApplication::translate("Files", "%1 %2: filen er kommet til siden forskjellene ble vist; se dem på nytt")
                                .arg(cannotWrite(), config));
        linefile::saveBytes(drives, config, bytes);
        syncFolder(folder);
        readBack(guard, config, bytes, {});
        return {};
    }

    // What the user was shown is what is replaced.
    guard.checkRead(config);
    const std::string current = linefile::readBytes(drives, config);
    if (current != *shownBytes)
        throw FileError(QCoreApplication::translate("Files", "%1 %2: filen er endret siden forskjellene ble vist; se dem på nytt")
                            .arg(cannotWrite(), config));
    if (!(QFileInfo(configHost).permissions() & QFileDevice::WriteOwner))
        throw FileError(QCoreApplication::translate("Files", "%1 %2: filen er skrivebeskyttet").arg(cannotWrite(), config));
    if (dataFolder.isEmpty())
        throw FileError(QCoreApplication::translate("Files", "Kan ikke ta vare på %1: det er ingen mappe å legge kopien i").arg(config));

    Replaced done;
    done.numbered = firstFreeNumbered(folder, drive);
    guard.checkWrite(done.numbered);
    const QString savedIn = savedFolder(dataFolder, drives, drive);
    checkWithin(savedIn, dataFolder);
    try {
        linefile::saveBytes(drives, done.numbered, current);
        done.saved = saveNew(savedIn, dataFolder,
                             QStringLiteral("CONFIG.SYS-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss")), current);
        guard.checkReplace(config);
        linefile::saveBytes(drives, config, bytes);
    } catch (const FileError &) {
        // CONFIG.SYS is as it was: the copies of it go again.
        if (linefile::exists(drives, done.numbered) == linefile::Presence::File
            && linefile::readBytes(drives, done.numbered) == current)
            QFile::remove(drives.resolve(done.numbered));
        if (!done.saved.isEmpty())
            QFile::remove(done.saved);
        throw;
    }
    syncFolder(folder);
    readBack(guard, config, bytes, done);
    return done;
}

} // namespace configcopies
