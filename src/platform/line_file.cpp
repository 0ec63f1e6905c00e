// Text line files with CR LF line ends, read and written byte for byte.
#include "platform/line_file.h"

#include "platform/file_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>
#include <filesystem>
#include <system_error>

namespace linefile {
namespace {

const QString kRead = QStringLiteral("Kan ikke lese");
const QString kWrite = QStringLiteral("Kan ikke skrive");
const QString kDelete = QStringLiteral("Kan ikke slette");

[[noreturn]] void fail(const QString &what, const QString &dosPath, const QString &cause)
{
    throw FileError(QStringLiteral("%1 %2: %3").arg(what, dosPath, cause));
}

// The cause of a failed operation on `hostPath`: what the file system shows
// when that says more than the error number, else the number's own cause.
QString causeOf(const QString &hostPath, const QString &systemCause)
{
    const QFileInfo info(hostPath);
    if (info.isDir())
        return QStringLiteral("det er en mappe, ikke en fil");
    if (!info.exists() && !info.isSymLink() && !info.absoluteDir().exists())
        return QStringLiteral("mappen %1 finnes ikke").arg(QDir::toNativeSeparators(info.absolutePath()));
    return fileErrorCause(systemCause);
}

// A named pipe, a device or a socket is no file of lines: opening one for
// reading may wait for ever, and writing over one is never wanted.
void refuseNonPlain(const QString &what, const QString &dosPath, const QFileInfo &info)
{
    if (info.isDir())
        fail(what, dosPath, QStringLiteral("det er en mappe, ikke en fil"));
    if (info.exists() && !info.isFile())
        fail(what, dosPath, QStringLiteral("det er ikke en vanlig fil (men et rør, en enhet eller lignende)"));
}

bool isReadOnly(const QFileInfo &info)
{
    return info.isFile() && !(info.permissions() & QFileDevice::WriteOwner);
}

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

QByteArray readAll(const DriveMap &drives, const QString &dosPath)
{
    const QString host = drives.resolve(dosPath);
    refuseNonPlain(kRead, dosPath, QFileInfo(host));
    QFile file(host);
    if (!file.open(QIODevice::ReadOnly))
        fail(kRead, dosPath, causeOf(host, file.errorString()));
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(kRead, dosPath, fileErrorCause(file.errorString()));
    return data;
}

} // namespace

std::string readBytes(const DriveMap &drives, const QString &dosPath)
{
    return readAll(drives, dosPath).toStdString();
}

Lines load(const DriveMap &drives, const QString &dosPath, std::size_t maxLines, Lines reuse)
{
    // Split from the bytes as read: a copy of a large file costs a third of
    // the splitting.
    const QByteArray data = readAll(drives, dosPath);
    Lines lines = split(data.constData(), static_cast<std::size_t>(data.size()), std::move(reuse));
    if (lines.size() > maxLines)
        fail(kRead, dosPath,
             QStringLiteral("filen har %1 linjer, men høyst %2 kan redigeres").arg(lines.size()).arg(maxLines));
    return lines;
}

void saveBytes(const DriveMap &drives, const QString &dosPath, std::string_view bytes)
{
    const QString host = drives.resolve(dosPath);
    const QFileInfo info(host);
    refuseNonPlain(kWrite, dosPath, info);
    if (isReadOnly(info))
        fail(kWrite, dosPath, QStringLiteral("filen er skrivebeskyttet"));
    QSaveFile file(host);
    // Unbuffered, so that every failed write is seen here: a buffered one that
    // fails only when flushed at commit (a full disk) still lets the commit
    // replace the earlier file with a short one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(kWrite, dosPath, causeOf(host, file.errorString()));
    // A write may take only part of the bytes (a disk that fills up); the next
    // one then fails with the real cause, which the first does not report.
    const char *at = bytes.data();
    qint64 left = static_cast<qint64>(bytes.size());
    while (left > 0) {
        const qint64 written = file.write(at, left);
        if (written <= 0) {
            const QString cause = fileErrorCause(file.errorString());
            file.cancelWriting();
            fail(kWrite, dosPath, cause);
        }
        at += written;
        left -= written;
    }
    if (!file.commit())
        fail(kWrite, dosPath, fileErrorCause(file.errorString()));
}

void save(const DriveMap &drives, const QString &dosPath, const Lines &lines)
{
    saveBytes(drives, dosPath, join(lines));
}

namespace {

// The host path of `dosPath` once it is known that it can be deleted.
QString removableHost(const DriveMap &drives, const QString &dosPath)
{
    const QString host = drives.resolve(dosPath);
    const QFileInfo info(host);
    refuseNonPlain(kDelete, dosPath, info);
    if (!info.exists() && !info.isSymLink())
        fail(kDelete, dosPath, causeOf(host, QString::fromLocal8Bit(std::strerror(ENOENT))));
    if (isReadOnly(info))
        fail(kDelete, dosPath, QStringLiteral("filen er skrivebeskyttet"));
    if (!QFileInfo(info.absolutePath()).isWritable())
        fail(kDelete, dosPath, QStringLiteral("mappen %1 er skrivebeskyttet").arg(QDir::toNativeSeparators(info.absolutePath())));
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
    QFile file(host);
    if (!file.remove())
        fail(kDelete, dosPath, causeOf(host, file.errorString()));
}

void refuseSpecialFile(const DriveMap &drives, const QString &dosPath)
{
    const QFileInfo info(drives.resolve(dosPath));
    if (!info.isDir())
        refuseNonPlain(kRead, dosPath, info);
}

bool exists(const DriveMap &drives, const QString &dosPath)
{
    try {
        return QFileInfo(drives.resolve(dosPath)).isFile();
    } catch (const FileError &) {
        return false;
    }
}

bool isSameFile(const QString &hostA, const QString &hostB)
{
    if (hostA.isEmpty() || hostB.isEmpty())
        return false;
    std::error_code error;
    const bool same = std::filesystem::equivalent(std::filesystem::path(QFile::encodeName(hostA).toStdString()),
                                                  std::filesystem::path(QFile::encodeName(hostB).toStdString()), error);
    return !error && same;
}

} // namespace linefile
