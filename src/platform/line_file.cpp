// Text line files with CR LF line ends, read and written byte for byte.
#include "line_file.h"

#include "file_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

namespace linefile {
namespace {

[[noreturn]] void fail(const QString &what, const QString &dosPath, const QString &cause)
{
    throw FileError(QStringLiteral("%1 %2: %3").arg(what, dosPath, cause));
}

// A cause in the user's language for the common cases, else the system's own.
QString causeOf(const QString &hostPath, const QString &systemCause, bool writing)
{
    const QFileInfo info(hostPath);
    if (info.isDir())
        return QStringLiteral("det er en mappe, ikke en fil");
    if (!info.exists()) {
        if (!info.absoluteDir().exists())
            return QStringLiteral("mappen %1 finnes ikke").arg(QDir::toNativeSeparators(info.absolutePath()));
        if (!writing)
            return QStringLiteral("filen finnes ikke");
    }
    return systemCause;
}

bool isReadOnly(const QString &hostPath)
{
    const QFileInfo info(hostPath);
    return info.isFile() && !(info.permissions() & QFileDevice::WriteOwner);
}

} // namespace

Lines split(const char *data, std::size_t size)
{
    Lines lines;
    std::size_t start = 0;
    while (start < size) {
        const void *hit = std::memchr(data + start, '\n', size - start);
        const std::size_t lf = hit ? static_cast<std::size_t>(static_cast<const char *>(hit) - data) : size;
        std::size_t end = lf;
        if (hit && end > start && data[end - 1] == '\r')
            --end;
        lines.emplace_back(data + start, end - start);
        start = lf + 1;
    }
    return lines;
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

Lines load(const DriveMap &drives, const QString &dosPath, std::size_t maxLines)
{
    const QString host = drives.resolve(dosPath);
    QFile file(host);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("Kan ikke lese"), dosPath, causeOf(host, file.errorString(), false));
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(QStringLiteral("Kan ikke lese"), dosPath, file.errorString());
    Lines lines = split(data.constData(), static_cast<std::size_t>(data.size()));
    if (lines.size() > maxLines)
        fail(QStringLiteral("Kan ikke lese"), dosPath,
             QStringLiteral("filen har %1 linjer, men høyst %2 kan redigeres")
                 .arg(lines.size())
                 .arg(maxLines));
    return lines;
}

void save(const DriveMap &drives, const QString &dosPath, const Lines &lines)
{
    const QString host = drives.resolve(dosPath);
    if (isReadOnly(host))
        fail(QStringLiteral("Kan ikke skrive"), dosPath, QStringLiteral("filen er skrivebeskyttet"));
    QSaveFile file(host);
    if (!file.open(QIODevice::WriteOnly))
        fail(QStringLiteral("Kan ikke skrive"), dosPath, causeOf(host, file.errorString(), true));
    const std::string bytes = join(lines);
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        const QString cause = file.errorString();
        file.cancelWriting();
        fail(QStringLiteral("Kan ikke skrive"), dosPath, cause);
    }
    if (!file.commit())
        fail(QStringLiteral("Kan ikke skrive"), dosPath, file.errorString());
}

void remove(const DriveMap &drives, const QString &dosPath)
{
    const QString host = drives.resolve(dosPath);
    if (isReadOnly(host))
        fail(QStringLiteral("Kan ikke slette"), dosPath, QStringLiteral("filen er skrivebeskyttet"));
    QFile file(host);
    if (!file.remove())
        fail(QStringLiteral("Kan ikke slette"), dosPath, causeOf(host, file.errorString(), false));
}

bool exists(const DriveMap &drives, const QString &dosPath)
{
    try {
        return QFileInfo(drives.resolve(dosPath)).isFile();
    } catch (const FileError &) {
        return false;
    }
}

} // namespace linefile
