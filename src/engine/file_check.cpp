// "Sjekk": does the driver or file that a statement names exist on disk?
#include "engine/file_check.h"

#include "platform/line_file.h"
#include "platform/text8.h"

namespace {

std::string_view upToBlank(std::string_view s)
{
    return s.substr(0, s.find(' '));
}

bool isFile(const DriveMap &drives, const QString &path)
{
    return !path.isEmpty() && linefile::exists(drives, path);
}

} // namespace

std::optional<QString> checkStatement(const DriveMap &drives, std::string_view s)
{
    static constexpr std::string_view kBasedev = "BASEDEV=";
    if (const auto at = s.find(kBasedev); at != std::string_view::npos) {
        QString name = text8::toDisplay(upToBlank(s.substr(at + kBasedev.size())));
        if (!isFile(drives, name))
            name.prepend(QStringLiteral("C:\\OS2\\BOOT\\"));
        if (isFile(drives, name))
            return name + QStringLiteral(" eksisterer");
        return QStringLiteral("** FEIL **   finner ikke styreprogram");
    }
    if (const auto at = s.find(":\\"); at != std::string_view::npos) {
        // From the drive letter in front of ":\", when there is one.
        const QString path = text8::toDisplay(upToBlank(s.substr(at == 0 ? 0 : at - 1)));
        if (isFile(drives, path))
            return path + QStringLiteral(" eksisterer");
        return QStringLiteral("** FEIL **   finner ikke filen");
    }
    return std::nullopt;
}
