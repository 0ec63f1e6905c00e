// Text line files with CR LF line ends, read and written byte for byte.
#include "platform/line_file.h"

#include "platform/file_error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace linefile {
namespace {

QString cannotRead()
{
    return QCoreApplication::translate("Files", "Kan ikke lese");
}

QString cannotWrite()
{
    return QCoreApplication::translate("Files", "Kan ikke skrive");
}

QString cannotDelete()
{
    return QCoreApplication::translate("Files", "Kan ikke slette");
}

QString isAFolder()
{
    return QCoreApplication::translate("Files", "det er en mappe, ikke en fil");
}

QString notPlain()
{
    return QCoreApplication::translate("Files", "det er ikke en vanlig fil (men et rør, en enhet eller lignende)");
}

WriteCall &writeCall()
{
    static WriteCall call;
    return call;
}

[[noreturn]] void fail(const QString &what, const QString &dosPath, const QString &cause)
{
    throw FileError(QStringLiteral("%1 %2: %3").arg(what, dosPath, cause));
}

// The host path of `dosPath`, named as it is or (`real`) with its links
// followed. A path the drive map refuses is refused for `what`, by name.
QString hostOf(const QString &what, const DriveMap &drives, const QString &dosPath, bool real = false)
{
    try {
        return real ? drives.realPath(dosPath) : drives.resolve(dosPath);
    } catch (const FileError &e) {
        throw e.refusing(what);
    }
}

// The cause of a call on `hostPath` that failed with `errorCode`: what the file
// system shows when that says more than the number, else the number's own cause.
QString causeOf(const QString &hostPath, int errorCode, QFileDevice::FileError fallback = QFileDevice::NoError)
{
    const QFileInfo info(hostPath);
    if (info.isDir())
        return isAFolder();
    if (!info.exists() && !info.isSymLink() && !info.absoluteDir().exists())
        return QCoreApplication::translate("Files", "mappen %1 finnes ikke").arg(QDir::toNativeSeparators(info.absolutePath()));
    return fileErrorCause(errorCode, fallback);
}

// A named pipe, a device or a socket is no file of lines: opening one for
// reading may wait for ever, and writing over one is never wanted.
void refuseNonPlain(const QString &what, const QString &dosPath, const QFileInfo &info)
{
    if (info.isDir())
        fail(what, dosPath, isAFolder());
    if (info.exists() && !info.isFile())
        fail(what, dosPath, notPlain());
}

bool isReadOnly(const QFileInfo &info)
{
    return info.isFile() && !(info.permissions() & QFileDevice::WriteOwner);
}

// Closes a file descriptor when it goes.
struct Descriptor
{
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

Lines split(const char *data, std::size_t size, Lines reuse)
{
    // Each line goes into a string of `reuse` while there are any: their
    // memory is taken over instead of freed and allocated anew.
    std::size_t count = 0;
    std::size_t start = 0;
    while (start < size) {
        const void *hit = std::memchr(data + start, '\n', size - start);
        const std::size_t lf = hit ? static_cast<std::size_t>(static_cast<const char *>(hit) - data) : size;
        std::size_t end = lf;
        if (hit && end > start && data[end - 1] == '\r')
            --end;
        if (count < reuse.size())
            reuse[count].assign(data + start, end - start);
        else
            reuse.emplace_back(data + start, end - start);
        ++count;
        start = lf + 1;
    }
    reuse.resize(count);
    return reuse;
}

std::vector<std::size_t> lineStarts(const Lines &lines, std::string_view bytes)
{
    std::vector<std::size_t> starts;
    starts.reserve(lines.size() + 1);
    std::size_t at = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        starts.push_back(at);
        const std::size_t end = at + lines[i].size();
        if (end > bytes.size())
            return {};
        // A line end follows every line but perhaps the last: LF, or CR LF.
        if (end == bytes.size())
            at = end;
        else if (bytes[end] == '\n')
            at = end + 1;
        else if (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n')
            at = end + 2;
        else
            return {};
        if (end == bytes.size() && i + 1 < lines.size())
            return {};
    }
    if (at != bytes.size())
        return {};
    starts.push_back(at);
    return starts;
}

std::string join(const Lines &lines)
{
    std::size_t total = 0;
    for (const std::string &line : lines)
        total += line.size() + 2;
    std::string out;
    out.reserve(total);
    for (const std::string &line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

namespace {

// The bytes of `dosPath`; its host path and stamp as read into `read`, when given.
QByteArray readAll(const DriveMap &drives, const QString &dosPath, ReadFile *read)
{
    const QString host = hostOf(cannotRead(), drives, dosPath);
    refuseNonPlain(cannotRead(), dosPath, QFileInfo(host));
    // Without waiting: should a pipe have taken the file's place since, it is
    // opened without a writer and refused below.
    const Descriptor file{::open(QFile::encodeName(host).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)};
    if (file.fd < 0) {
        const int error = errno;
        fail(cannotRead(), dosPath, causeOf(host, error));
    }
    struct stat st;
    if (::fstat(file.fd, &st) != 0) {
        const int error = errno;
        fail(cannotRead(), dosPath, fileErrorCause(error));
    }
    if (S_ISDIR(st.st_mode))
        fail(cannotRead(), dosPath, isAFolder());
    if (!S_ISREG(st.st_mode))
        fail(cannotRead(), dosPath, notPlain());

    QByteArray data(static_cast<qsizetype>(st.st_size) + 1, Qt::Uninitialized);
    qsizetype used = 0;
    for (;;) {
        if (used == data.size())
            data.resize(data.size() * 2);
        const ssize_t n = ::read(file.fd, data.data() + used, static_cast<std::size_t>(data.size() - used));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            fail(cannotRead(), dosPath, fileErrorCause(error));
        }
        if (n == 0)
            break;
        used += n;
    }
    data.truncate(used);
    if (read) {
        read->hostPath = host;
        read->stamp = FileStamp::fromStat(st);
    }
    return data;
}

} // namespace

std::string readBytes(const DriveMap &drives, const QString &dosPath)
{
    return readAll(drives, dosPath, nullptr).toStdString();
}

ReadFile read(const DriveMap &drives, const QString &dosPath, std::size_t maxLines, Lines reuse)
{
    // Split from the bytes as read: a copy of a large file costs a third of
    // the splitting.
    ReadFile file;
    file.bytes = readAll(drives, dosPath, &file);
    file.lines = split(file.bytes.constData(), static_cast<std::size_t>(file.bytes.size()), std::move(reuse));
    if (file.lines.size() > maxLines)
        fail(cannotRead(), dosPath,
             QCoreApplication::translate("Files", "filen har %1 linjer, men høyst %2 kan redigeres").arg(file.lines.size()).arg(maxLines));
    return file;
}

Lines load(const DriveMap &drives, const QString &dosPath, std::size_t maxLines, Lines reuse)
{
    return read(drives, dosPath, maxLines, std::move(reuse)).lines;
}

void setWriteCallForTesting(WriteCall call)
{
    writeCall() = std::move(call);
}

void saveBytes(const DriveMap &drives, const QString &dosPath, std::string_view bytes)
{
    // The real location: QSaveFile would follow a link at the target wherever
    // it leads; this one has been checked to stay on the drive.
    const QString host = hostOf(cannotWrite(), drives, dosPath, true);
    const QFileInfo info(host);
    refuseNonPlain(cannotWrite(), dosPath, info);
    if (isReadOnly(info))
        fail(cannotWrite(), dosPath, QCoreApplication::translate("Files", "filen er skrivebeskyttet"));
    QSaveFile file(host);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int error = errno;
        fail(cannotWrite(), dosPath, causeOf(host, error, file.error()));
    }
    // Straight to the temporary file's descriptor, so that the error number of
    // a failed write is the write's own. A write may take only part of the
    // bytes (a disk that fills up); the next one then fails with the real
    // cause, which the first does not report.
    const WriteCall &call = writeCall();
    const char *at = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const long written = call ? call(file.handle(), at, left) : static_cast<long>(::write(file.handle(), at, left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const int error = written < 0 ? errno : 0;
            file.cancelWriting();
            fail(cannotWrite(), dosPath, fileErrorCause(error, QFileDevice::WriteError));
        }
        at += written;
        left -= static_cast<std::size_t>(written);
    }
    errno = 0;
    if (!file.commit()) {
        const int error = errno;
        fail(cannotWrite(), dosPath, fileErrorCause(error, file.error()));
    }
}

void save(const DriveMap &drives, const QString &dosPath, const Lines &lines)
{
    saveBytes(drives, dosPath, join(lines));
}

namespace {

// The host path of `dosPath` once it is known that it can be deleted.
QString removableHost(const DriveMap &drives, const QString &dosPath)
{
    const QString host = hostOf(cannotDelete(), drives, dosPath);
    const QFileInfo info(host);
    refuseNonPlain(cannotDelete(), dosPath, info);
    if (!info.exists() && !info.isSymLink())
        fail(cannotDelete(), dosPath, causeOf(host, ENOENT));
    if (isReadOnly(info))
        fail(cannotDelete(), dosPath, QCoreApplication::translate("Files", "filen er skrivebeskyttet"));
    if (!QFileInfo(info.absolutePath()).isWritable())
        fail(cannotDelete(), dosPath, QCoreApplication::translate("Files", "mappen %1 er skrivebeskyttet").arg(QDir::toNativeSeparators(info.absolutePath())));
    return host;
}

} // namespace

void checkRemovable(const DriveMap &drives, const QString &dosPath)
{
    removableHost(drives, dosPath);
}

void remove(const DriveMap &drives, const QString &dosPath)
{
    const QString host = removableHost(drives, dosPath);
    // The name goes, not what a link at it leads to.
    if (::unlink(QFile::encodeName(host).constData()) != 0) {
        const int error = errno;
        fail(cannotDelete(), dosPath, causeOf(host, error));
    }
}

void refuseSpecialFile(const DriveMap &drives, const QString &dosPath)
{
    const QFileInfo info(hostOf(cannotRead(), drives, dosPath));
    if (!info.isDir())
        refuseNonPlain(cannotRead(), dosPath, info);
}

Presence exists(const DriveMap &drives, const QString &dosPath)
{
    try {
        return QFileInfo(drives.resolve(dosPath)).isFile() ? Presence::File : Presence::NoFile;
    } catch (const FileError &e) {
        return e.isUnreachable() ? Presence::Unreachable : Presence::NoFile;
    }
}

} // namespace linefile
