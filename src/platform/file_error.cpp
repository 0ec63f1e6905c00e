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

// The causes a user meets, by the system's error number.
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
};

} // namespace

QString fileErrorCause(const QString &systemText)
{
    // Qt reports the system's own text for the error number; match it back.
    for (const Cause &cause : kCauses)
        if (systemText == QString::fromLocal8Bit(std::strerror(cause.code)))
            return QString::fromUtf8(cause.text);
    if (systemText.isEmpty() || systemText == QLatin1String("Unknown error"))
        return QStringLiteral("ukjent feil");
    return QStringLiteral("ukjent feil (%1)").arg(systemText);
}
