// The error of a file operation, and its cause told in the user's language.
#include "platform/file_error.h"

#include <cerrno>
#include <cstring>

#include <QCoreApplication>

namespace {

struct Cause
{
    int code;
    const char *text;
};

// The causes a user meets, by the system's error number: the one table of them.
const Cause kCauses[] = {
    {ENOENT, QT_TRANSLATE_NOOP("Files", "filen finnes ikke")},
    {ENOSPC, QT_TRANSLATE_NOOP("Files", "det er ikke mer plass på disken")},
    {EDQUOT, QT_TRANSLATE_NOOP("Files", "diskkvoten din er brukt opp")},
    {EACCES, QT_TRANSLATE_NOOP("Files", "du har ikke tillatelse til det")},
    {EPERM, QT_TRANSLATE_NOOP("Files", "operasjonen er ikke tillatt (filen eller mappen kan være låst)")},
    {EROFS, QT_TRANSLATE_NOOP("Files", "filsystemet er montert bare for lesing")},
    {ELOOP, QT_TRANSLATE_NOOP("Files", "for mange symbolske lenker etter hverandre (en lenke som peker på seg selv?)")},
    {EMLINK, QT_TRANSLATE_NOOP("Files", "for mange lenker")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("Files", "navnet er for langt")},
    {EIO, QT_TRANSLATE_NOOP("Files", "inn/ut-feil på disken")},
    {ENOTDIR, QT_TRANSLATE_NOOP("Files", "en del av stien er ikke en mappe")},
    {EISDIR, QT_TRANSLATE_NOOP("Files", "det er en mappe, ikke en fil")},
    {EFBIG, QT_TRANSLATE_NOOP("Files", "filen blir for stor")},
    {ETXTBSY, QT_TRANSLATE_NOOP("Files", "filen er i bruk")},
    {EBUSY, QT_TRANSLATE_NOOP("Files", "filen eller enheten er i bruk")},
    {EMFILE, QT_TRANSLATE_NOOP("Files", "for mange åpne filer")},
    {ENFILE, QT_TRANSLATE_NOOP("Files", "for mange åpne filer i systemet")},
    {ENXIO, QT_TRANSLATE_NOOP("Files", "enheten finnes ikke")},
    {ENODEV, QT_TRANSLATE_NOOP("Files", "enheten finnes ikke")},
    {EXDEV, QT_TRANSLATE_NOOP("Files", "filen ligger på et annet filsystem")},
    {ENOMEM, QT_TRANSLATE_NOOP("Files", "ikke nok minne")},
    {ESTALE, QT_TRANSLATE_NOOP("Files", "filen er ikke lenger tilgjengelig (nettverksstasjonen er koblet fra?)")},
};

// What Qt's own kind of error says, for a failure that left no error number.
QString causeOfKind(QFileDevice::FileError kind)
{
    switch (kind) {
    case QFileDevice::ResourceError:
        return QCoreApplication::translate("Files", "systemet er tomt for plass, minne eller åpne filer");
    case QFileDevice::PermissionsError:
        return QCoreApplication::translate("Files", "du har ikke tillatelse til det");
    case QFileDevice::RenameError:
        return QCoreApplication::translate("Files", "den nye filen kunne ikke settes i stedet for den gamle");
    case QFileDevice::WriteError:
        return QCoreApplication::translate("Files", "skrivingen mislyktes");
    case QFileDevice::ReadError:
        return QCoreApplication::translate("Files", "lesingen mislyktes");
    default:
        return QCoreApplication::translate("Files", "ukjent feil");
    }
}

} // namespace

QString fileErrorCause(int errorCode, QFileDevice::FileError fallback)
{
    if (errorCode == 0)
        return causeOfKind(fallback);
    for (const Cause &cause : kCauses)
        if (cause.code == errorCode)
            return QCoreApplication::translate("Files", cause.text);
    return QCoreApplication::translate("Files", "ukjent feil (%1)").arg(QString::fromLocal8Bit(std::strerror(errorCode)));
}
