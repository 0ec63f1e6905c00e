// "Sjekk": does the driver or file that a statement names exist on disk?
#include "engine/file_check.h"

#include "engine/drive_tree.h"
#include "platform/file_error.h"
#include "platform/text8.h"

#include <string>

namespace {

std::string_view upToBlank(std::string_view s)
{
    return s.substr(0, s.find(' '));
}

// Whether the file `dosPath` is on its drive; a path without a drive lies on
// `bootDrive`, from its root, as OS/2 reads it at start.
bool isFile(DriveTree &tree, char bootDrive, std::string_view dosPath)
{
    if (dosPath.empty())
        return false;
    std::string path(dosPath);
    if (path.size() < 2 || path[1] != ':')
        path.insert(0, path.starts_with('\\') ? std::string{bootDrive, ':'} : std::string{bootDrive, ':', '\\'});
    try {
        return tree.find(path, DriveTree::Type::File) == DriveTree::Presence::Present;
    } catch (const FileError &) {
        return false;
    }
}

} // namespace

std::optional<QString> checkStatement(const DriveMap &drives, QChar bootDrive, std::string_view s)
{
    DriveTree tree(drives);
    const char boot = bootDrive.toUpper().toLatin1();
    static constexpr std::string_view kBasedev = "BASEDEV=";
    if (const auto at = s.find(kBasedev); at != std::string_view::npos) {
        const std::string_view name = upToBlank(s.substr(at + kBasedev.size()));
        if (name.find_first_of(":\\/") != std::string_view::npos) {
            if (isFile(tree, boot, name))
                return text8::toDisplay(name) + QStringLiteral(" eksisterer");
        } else if (!name.empty()) {
            for (const std::string_view folder : {"\\", "\\OS2\\BOOT\\", "\\OS2\\"}) {
                const std::string path = std::string{boot, ':'} + std::string(folder) + std::string(name);
                if (isFile(tree, boot, path))
                    return text8::toDisplay(path) + QStringLiteral(" eksisterer");
            }
        }
        return QStringLiteral("** FEIL **   finner ikke styreprogram");
    }
    if (const auto at = s.find(":\\"); at != std::string_view::npos) {
        // From the drive letter in front of ":\", when there is one.
        const std::string_view path = upToBlank(s.substr(at == 0 ? 0 : at - 1));
        if (path.size() >= 2 && path[1] == ':' && isFile(tree, boot, path))
            return text8::toDisplay(path) + QStringLiteral(" eksisterer");
        return QStringLiteral("** FEIL **   finner ikke filen");
    }
    return std::nullopt;
}
