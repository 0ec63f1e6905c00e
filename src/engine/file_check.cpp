// "Sjekk": does the driver or file that a statement names exist on disk?
#include "engine/file_check.h"

#include "engine/drive_tree.h"
#include "platform/file_error.h"
#include "platform/text8.h"

#include <string>

namespace {

using Presence = DriveTree::Presence;

std::string_view upToBlank(std::string_view s)
{
    return s.substr(0, s.find(' '));
}

// Where the file `dosPath` is on its drive; a path without a drive lies on
// `bootDrive`, from its root, as OS/2 reads it at start. Throws FileError when
// its drive's folder is not there.
Presence lookUp(DriveTree &tree, char bootDrive, std::string_view dosPath)
{
    if (dosPath.empty())
        return Presence::Absent;
    std::string path(dosPath);
    if (path.size() < 2 || path[1] != ':')
        path.insert(0, path.starts_with('\\') ? std::string{bootDrive, ':'} : std::string{bootDrive, ':', '\\'});
    return tree.find(path, DriveTree::Type::File);
}

QString found(std::string_view path)
{
    return text8::toDisplay(path) + QStringLiteral(" eksisterer");
}

// As the check of the whole file tells a name on a drive without a folder.
QString unmapped(std::string_view name)
{
    return QStringLiteral("ikke sjekket: stasjonen til %1 er ikke koblet til noen mappe").arg(text8::toDisplay(name));
}

std::optional<QString> check(DriveTree &tree, char boot, std::string_view s)
{
    static constexpr std::string_view kBasedev = "BASEDEV=";
    if (const auto at = s.find(kBasedev); at != std::string_view::npos) {
        const std::string_view name = upToBlank(s.substr(at + kBasedev.size()));
        if (name.find_first_of(":\\/") != std::string_view::npos) {
            const Presence where = lookUp(tree, boot, name);
            if (where == Presence::Present)
                return found(name);
            if (where == Presence::Unmapped)
                return unmapped(name);
        } else if (!name.empty()) {
            for (const std::string_view folder : {"\\", "\\OS2\\BOOT\\", "\\OS2\\"}) {
                const std::string path = std::string{boot, ':'} + std::string(folder) + std::string(name);
                const Presence where = lookUp(tree, boot, path);
                if (where == Presence::Present)
                    return found(path);
                // The three places lie on the one boot drive.
                if (where == Presence::Unmapped)
                    return unmapped(name);
            }
        }
        return QStringLiteral("** FEIL **   finner ikke styreprogram");
    }
    if (const auto at = s.find(":\\"); at != std::string_view::npos) {
        // From the drive letter in front of ":\", when there is one.
        const std::string_view path = upToBlank(s.substr(at == 0 ? 0 : at - 1));
        if (path.size() >= 2 && path[1] == ':') {
            const Presence where = lookUp(tree, boot, path);
            if (where == Presence::Present)
                return found(path);
            if (where == Presence::Unmapped)
                return unmapped(path);
        }
        return QStringLiteral("** FEIL **   finner ikke filen");
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> checkStatement(const DriveMap &drives, QChar bootDrive, std::string_view s)
{
    DriveTree tree(drives);
    try {
        return check(tree, bootDrive.toUpper().toLatin1(), s);
    } catch (const FileError &e) {
        // A drive whose folder is not there: nothing on it was looked at.
        return e.message();
    }
}
