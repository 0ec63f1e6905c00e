// The files of OS/2's recovery menu in \OS2\BOOT, read as bytes.
#include "platform/boot_menu_files.h"

#include "platform/file_error.h"
#include "platform/line_file.h"
#include "platform/write_guard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace menufiles {
namespace {

QString cannotRead()
{
    return QCoreApplication::translate("Files", "Kan ikke lese");
}

QString cannotUse()
{
    return QCoreApplication::translate("Files", "Kan ikke bruke");
}

QString hostOf(const DriveMap &drives, const QString &dosPath)
{
    try {
        return drives.resolve(dosPath);
    } catch (const FileError &e) {
        throw e.refusing(cannotRead());
    }
}

QString tooLarge(const QString &dosPath, qint64 size)
{
    return QCoreApplication::translate("Files", "%1 %2: filen er på %3 byte, men en menyfil kan ha høyst 64 KiB (%4 byte)")
        .arg(cannotUse(), dosPath, QString::number(size), QString::number(MaxMenuBytes));
}

} // namespace

QString bootFolder(QChar drive)
{
    return QString(drive) + QStringLiteral(":\\OS2\\BOOT");
}

QString menuFile(QChar drive, Part part)
{
    const char *name = part == Part::Top ? "ALTF1TOP.SCR" : part == Part::Middle ? "ALTF1MID.SCR" : "ALTF1BOT.SCR";
    return bootFolder(drive) + u'\\' + QLatin1String(name);
}

QString tryFile(QChar drive, char key)
{
    return bootFolder(drive) + QStringLiteral("\\CONFIG.") + QLatin1Char(key);
}

std::optional<QString> refusal(const QString &dosPath, const std::string &bytes)
{
    if (bytes.size() > MaxMenuBytes)
        return tooLarge(dosPath, static_cast<qint64>(bytes.size()));
    const std::size_t nul = bytes.find('\0');
    if (nul != std::string::npos)
        return QCoreApplication::translate("Files", "%1 %2: byte nr. %3 er en NUL-byte, så filen er ingen tekstfil")
            .arg(cannotUse(), dosPath, QString::number(nul + 1));
    return std::nullopt;
}

std::string read(const DriveMap &drives, const QString &dosPath)
{
    const QFileInfo info(hostOf(drives, dosPath));
    if (!info.exists() && !info.isSymLink())
        throw FileError(QCoreApplication::translate("Files", "%1 finnes ikke: OS/2s Alt+F1-meny har ikke den filen her").arg(dosPath));
    if (info.isFile() && info.size() > static_cast<qint64>(MaxMenuBytes))
        throw FileError(tooLarge(dosPath, info.size()));
    std::string bytes = linefile::readBytes(drives, dosPath);
    if (const std::optional<QString> why = refusal(dosPath, bytes))
        throw FileError(*why);
    return bytes;
}

std::optional<std::string> readIfPresent(const DriveMap &drives, const QString &dosPath)
{
    const QFileInfo info(hostOf(drives, dosPath));
    if (!info.exists() && !info.isSymLink())
        return std::nullopt;
    return read(drives, dosPath);
}

void replace(const WriteGuard &guard, const QString &dosPath, const std::string &expected, const std::string &bytes)
{
    const DriveMap &drives = guard.drives();
    guard.checkWrite(dosPath);
    if (const std::optional<QString> why = refusal(dosPath, bytes))
        throw FileError(*why);
    guard.checkRead(dosPath);
    if (read(drives, dosPath) != expected)
        throw FileError(QCoreApplication::translate("Files", "Kan ikke skrive %1: filen er endret siden den ble lest; prøv igjen").arg(dosPath));
    linefile::saveBytes(drives, dosPath, bytes);
    std::string back;
    try {
        guard.checkRead(dosPath);
        back = linefile::readBytes(drives, dosPath);
    } catch (const FileError &e) {
        throw FileError(QCoreApplication::translate("Files", "%1 ble skrevet, men kan ikke leses tilbake (%2)").arg(dosPath, e.message()));
    }
    if (back == bytes)
        return;
    QString undone = QCoreApplication::translate("Files", "den er skrevet tilbake slik den var");
    try {
        linefile::saveBytes(drives, dosPath, expected);
    } catch (const FileError &e) {
        undone = QCoreApplication::translate("Files", "den kunne ikke skrives tilbake slik den var: %1").arg(e.message());
    }
    throw FileError(QCoreApplication::translate("Files", "%1 ble skrevet, men det som ble lest tilbake er ikke det som ble skrevet; %2")
                        .arg(dosPath, undone));
}

QStringList folderNames(const DriveMap &drives, const QString &dosFolder)
{
    const QFileInfo info(hostOf(drives, dosFolder));
    if (!info.isDir())
        throw FileError(QStringLiteral("%1 %2: %3")
                            .arg(cannotRead(), dosFolder,
                                 info.exists() ? QCoreApplication::translate("Files", "det er en fil, ikke en mappe")
                                               : QCoreApplication::translate("Files", "mappen finnes ikke")));
    QDir dir(info.filePath());
    if (!dir.isReadable())
        throw FileError(QCoreApplication::translate("Files", "%1 %2: mappen kan ikke leses").arg(cannotRead(), dosFolder));
    return dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace menufiles
