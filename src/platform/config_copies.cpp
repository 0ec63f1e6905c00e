// Putting a new CONFIG.SYS in place, and the copies of CONFIG.SYS a user can
// go back to.
#include "platform/config_copies.h"

#include "platform/file_error.h"
#include "platform/line_file.h"

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

const QString kWrite = QStringLiteral("Kan ikke skrive");

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
    throw FileError(QStringLiteral("Kan ikke ta vare på %1: navnene CONFIG.001 til CONFIG.999 er alle i bruk")
                        .arg(onDrive(drive, QStringLiteral("CONFIG.SYS"))));
}

// Writes `bytes` as a new file in `folder`, named `base` or, when that is
// taken, `base` with "-2", "-3" ... after it; returns its path.
QString saveNew(const QString &folder, const QString &base, const std::string &bytes)
{
    if (!QDir().mkpath(folder))
        throw FileError(QStringLiteral("%1 %2: mappen kan ikke lages").arg(kWrite, folder));
    QString path = folder + u'/' + base;
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = folder + u'/' + base + QStringLiteral("-%1").arg(n);
    QSaveFile file(path);
    const qint64 size = static_cast<qint64>(bytes.size());
    errno = 0;
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), size) != size || !file.commit()) {
        const int error = errno;
        throw FileError(QStringLiteral("%1 %2: %3").arg(kWrite, path, fileErrorCause(error, file.error())));
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

void addIfFile(std::vector<Copy> &out, Copy::Kind kind, const QString &dosPath, const QString &hostPath)
{
    const QFileInfo info(hostPath);
    if (!info.isFile())
        return;
    out.push_back({kind, dosPath.isEmpty() ? hostPath : dosPath, dosPath, hostPath, info.lastModified()});
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
        addIfFile(out, Copy::Kind::Numbered, onDrive(drive, entry.toUpper()), root + u'/' + entry);

    const QString saved = savedFolder(dataFolder, drives, drive);
    for (const QString &entry : QDir(saved).entryList(QDir::Files))
        addIfFile(out, Copy::Kind::Saved, QString(), saved + u'/' + entry);

    const QString bak = onDrive(drive, QStringLiteral("CONFIG.BAK"));
    addIfFile(out, Copy::Kind::Bak, bak, drives.resolve(bak));

    const QString base = archiveBase(drives, drive);
    try {
        const QString baseHost = drives.resolve(base);
        static const QRegularExpression number(QStringLiteral("^\\d+$"));
        for (const QString &entry : entriesMatching(baseHost, number)) {
            const QString dos = base + u'\\' + entry + QStringLiteral("\\CONFIG.SYS");
            addIfFile(out, Copy::Kind::Archive, dos, drives.resolve(dos));
        }
    } catch (const FileError &) {
        // An archive folder on a drive without a folder: no archives to offer.
    }

    const QString install = onDrive(drive, QStringLiteral("OS2\\INSTALL\\CONFIG.SYS"));
    addIfFile(out, Copy::Kind::Install, install, drives.resolve(install));

    std::stable_sort(out.begin(), out.end(), [](const Copy &a, const Copy &b) { return a.time > b.time; });
    return out;
}

std::string read(const DriveMap &drives, const Copy &copy)
{
    if (!copy.dosPath.isEmpty())
        return linefile::readBytes(drives, copy.dosPath);
    QFile file(copy.hostPath);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        const int error = errno;
        throw FileError(QStringLiteral("Kan ikke lese %1: %2").arg(copy.hostPath, fileErrorCause(error, file.error())));
    }
    return file.readAll().toStdString();
}

Replaced putInPlace(const DriveMap &drives, QChar drive, const std::string &shownBytes, const std::string &bytes,
                    const QString &dataFolder, const QDateTime &now)
{
    const QString config = onDrive(drive, QStringLiteral("CONFIG.SYS"));
    const QString configHost = drives.resolve(config);
    // What the user was shown is what is replaced.
    const std::string current = linefile::readBytes(drives, config);
    if (current != shownBytes)
        throw FileError(QStringLiteral("%1 %2: filen er endret siden forskjellene ble vist; se dem på nytt")
                            .arg(kWrite, config));
    if (!(QFileInfo(configHost).permissions() & QFileDevice::WriteOwner))
        throw FileError(QStringLiteral("%1 %2: filen er skrivebeskyttet").arg(kWrite, config));

    const QString folder = QFileInfo(configHost).absolutePath();
    Replaced done;
    done.numbered = firstFreeNumbered(folder, drive);
    try {
        linefile::saveBytes(drives, done.numbered, current);
        done.saved = saveNew(savedFolder(dataFolder, drives, drive),
                             QStringLiteral("CONFIG.SYS-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss")), current);
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

    std::string back;
    try {
        back = linefile::readBytes(drives, config);
    } catch (const FileError &e) {
        throw FileError(QStringLiteral("%1 ble skrevet, men kan ikke leses tilbake (%2). Den forrige filen er i %3 og i %4")
                            .arg(config, e.message(), done.numbered, done.saved));
    }
    if (back != bytes)
        throw FileError(QStringLiteral("%1 ble skrevet, men det som ble lest tilbake er ikke det som ble skrevet. "
                                       "Den forrige filen er i %2 og i %3")
                            .arg(config, done.numbered, done.saved));
    return done;
}

} // namespace configcopies
