// "Sjekk": does the driver or file that a statement names exist on disk?
#include "engine/file_check.h"

#include "engine/boot_statements.h"
#include "engine/drive_tree.h"
#include "platform/file_error.h"
#include "platform/text8.h"

#include <string>

#include <QCoreApplication>

namespace {

std::string_view upToBlank(std::string_view s)
{
    return s.substr(0, s.find(' '));
}

enum class Where {
    Found,
    Missing,    // not there, not a file, or leading out of its drive
    Unmapped,   // on a drive without a folder
    Unreadable, // on a drive whose folder is not there or is no folder
};

// Where the file `dosPath` is on its drive; a path without a drive lies on
// `bootDrive`, from its root, as OS/2 reads it at start. `drive` receives the
// letter of the drive looked on.
Where lookUp(DriveTree &tree, char bootDrive, std::string_view dosPath, char &drive)
{
    if (dosPath.empty())
        return Where::Missing;
    const std::string path = bootcheck::onBootDrive(dosPath, bootDrive);
    drive = static_cast<char>(text8::upper(static_cast<unsigned char>(path[0])));
    try {
        switch (tree.find(path, DriveTree::Type::File)) {
        case DriveTree::Presence::Present:
            return Where::Found;
        case DriveTree::Presence::Unmapped:
            return Where::Unmapped;
        case DriveTree::Presence::Absent:
        case DriveTree::Presence::Outside:
            break;
        }
        return Where::Missing;
    } catch (const FileError &) {
        return Where::Unreadable;
    }
}

// What "Sjekk" says of `path` once it has looked: that it exists; on a drive
// it could not look on, that it was not checked, in the words of the check of
// the whole file, short enough for the message line; nothing when it is not
// there.
std::optional<QString> answer(DriveTree &tree, char bootDrive, std::string_view path)
{
    char drive = bootDrive;
    const Where where = lookUp(tree, bootDrive, path, drive);
    const QChar letter = QChar::fromLatin1(drive);
    switch (where) {
    case Where::Found:
        return QCoreApplication::translate("Check", "%1 eksisterer").arg(text8::toDisplay(path));
    case Where::Unmapped:
        return QCoreApplication::translate("Check", "ikke sjekket: stasjon %1: er ikke koblet til noen mappe").arg(letter);
    case Where::Unreadable:
        return QCoreApplication::translate("Check", "ikke sjekket: mappen til stasjon %1: kan ikke leses").arg(letter);
    case Where::Missing:
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> checkStatement(const DriveMap &drives, QChar bootDrive, std::string_view s)
{
    DriveTree tree(drives);
    const char boot = bootDrive.toUpper().toLatin1();
    static constexpr std::string_view kBasedev = "BASEDEV=";
    static constexpr std::string_view kPsd = "PSD=";
    std::size_t at = s.find(kBasedev);
    std::size_t nameAt = at + kBasedev.size();
    if (at == std::string_view::npos) {
        // A platform driver is looked for where base drivers are: a PSD= that
        // begins the line or follows a blank ("REM PSD=").
        at = s.find(kPsd);
        while (at != std::string_view::npos && at > 0 && !text8::isBlank(s[at - 1]))
            at = s.find(kPsd, at + 1);
        nameAt = at + kPsd.size();
    }
    if (at != std::string_view::npos) {
        const std::string_view name = upToBlank(s.substr(nameAt));
        if (bootcheck::namesAPath(name)) {
            if (const auto message = answer(tree, boot, name))
                return message;
        } else if (!name.empty()) {
            // The three places lie on the one boot drive, so a drive that
            // cannot be looked on ends the search.
            for (const std::string_view folder : bootcheck::DriverFolders)
                if (const auto message = answer(tree, boot, std::string{boot, ':'} + std::string(folder) + std::string(name)))
                    return message;
        }
        return QCoreApplication::translate("Check", "** FEIL **   finner ikke styreprogram");
    }
    if (const auto at = s.find(":\\"); at != std::string_view::npos) {
        // From the drive letter in front of ":\", when there is one.
        const std::string_view path = upToBlank(s.substr(at == 0 ? 0 : at - 1));
        if (path.size() >= 2 && path[1] == ':')
            if (const auto message = answer(tree, boot, path))
                return message;
        return QCoreApplication::translate("Check", "** FEIL **   finner ikke filen");
    }
    return std::nullopt;
}
