// The error of a file operation, and its cause told in Norwegian.
#include "platform/file_error.h"

#include <cerrno>
#include <cstring>

namespace {

struct Cause
{
    int code;
    const char *text;
};

// The causes a user meets, by the system's error number: the one table of them.
const Cause kCauses[] = {
    {ENOENT, "filen finnes ikke"},
    {ENOSPC, "det er ikke mer plass på disken"},
    {EDQUOT, "diskkvoten din er brukt opp"},
    {EACCES, "du har ikke tillatelse til det"},
    {EPERM, "operasjonen er ikke tillatt (filen eller mappen kan være låst)"},
    {EROFS, "filsystemet er montert bare for lesing"},
    {ELOOP, "for mange symbolske lenker etter hverandre (en lenke som peker på seg selv?)"},
    {EMLINK, "for mange lenker"},
    {ENAMETOOLONG, "navnet er for langt"},
    {EIO, "inn/ut-feil på disken"},
    {ENOTDIR, "en del av stien er ikke en mappe"},
    {EISDIR, "det er en mappe, ikke en fil"},
    {EFBIG, "filen blir for stor"},
    {ETXTBSY, "filen er i bruk"},
    {EBUSY, "filen eller enheten er i bruk"},
    {EMFILE, "for mange åpne filer"},
    {ENFILE, "for mange åpne filer i systemet"},
    {ENXIO, "enheten finnes ikke"},
    {ENODEV, "enheten finnes ikke"},
    {EXDEV, "filen ligger på et annet filsystem"},
    {ENOMEM, "ikke nok minne"},
    {ESTALE, "filen er ikke lenger tilgjengelig (nettverksstasjonen er koblet fra?)"},
};

// What Qt's own kind of error says, for a failure that left no error number.
QString causeOfKind(QFileDevice::FileError kind)
{
    switch (kind) {
    case QFileDevice::ResourceError:
        return QStringLiteral("systemet er tomt for plass, minne eller åpne filer");
    case QFileDevice::PermissionsError:
        return QStringLiteral("du har ikke tillatelse til det");
    case QFileDevice::RenameError:
        return QStringLiteral("den nye filen kunne ikke settes i stedet for den gamle");
    case QFileDevice::WriteError:
        return QStringLiteral("skrivingen mislyktes");
    case QFileDevice::ReadError:
        return QStringLiteral("lesingen mislyktes");
    default:
        return QStringLiteral("ukjent feil");
    }
}

} // namespace

QString fileErrorCause(int errorCode, QFileDevice::FileError fallback)
{
    if (errorCode == 0)
        return causeOfKind(fallback);
    for (const Cause &cause : kCauses)
        if (cause.code == errorCode)
            return QString::fromUtf8(cause.text);
    return QStringLiteral("ukjent feil (%1)").arg(QString::fromLocal8Bit(std::strerror(errorCode)));
}
