// DOS names looked up on the drives' host folders the way OS/2 would find
// them, each host folder listed once and its names kept for the next lookup.
#include "engine/drive_tree.h"

#include "platform/file_error.h"
#include "platform/oem_text.h"
#include "platform/real_path.h"
#include "platform/text8.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <dirent.h>
#include <sys/stat.h>

#include <climits>
#include <cstdlib>
#include <optional>

namespace {

bool isAscii(std::string_view s)
{
    for (const char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

QByteArray raw(std::string_view s)
{
    return QByteArray::fromRawData(s.data(), static_cast<qsizetype>(s.size()));
}

QByteArray upper(std::string_view s)
{
    QByteArray out(static_cast<qsizetype>(s.size()), Qt::Uninitialized);
    text8::upperInto(s.data(), s.size(), out.data());
    return out;
}

// The host name as text, when it is valid UTF-8 (as names on this system are).
std::optional<QString> hostText(const QByteArray &name)
{
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decode(name);
    if (decode.hasError())
        return std::nullopt;
    return text;
}

// The components of the path after its drive, with "." dropped and ".."
// taking back the one before it, never more than the root.
std::vector<std::string_view> componentsOf(std::string_view path)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find_first_of("\\/", start);
        if (end == std::string_view::npos)
            end = path.size();
        const std::string_view part = path.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    return parts;
}

} // namespace

int DriveTree::Folder::match(std::string_view name) const
{
    if (const auto it = exact.constFind(raw(name)); it != exact.cend())
        return *it;
    if (const auto it = upper.constFind(::upper(name)); it != upper.cend())
        return *it;
    if (isAscii(name) || text.isEmpty())
        return -1;
    for (const QString &asText : {oem::fromCodePage850(name), text8::toDisplay(name)})
        if (const auto it = text.constFind(asText.toCaseFolded()); it != text.cend())
            return *it;
    return -1;
}

DriveTree::DriveTree(const DriveMap &drives)
    : m_drives(drives)
{
}

DriveTree::Drive &DriveTree::drive(char letter)
{
    Drive &d = m_drivesByLetter[static_cast<std::size_t>(letter - 'A')];
    if (d.known)
        return d;
    d.known = true;
    const QString folder = m_drives.drive(QChar::fromLatin1(letter));
    if (folder.isEmpty())
        return d;
    d.root = QFile::encodeName(folder);
    struct stat st {};
    const bool exists = ::stat(d.root.constData(), &st) == 0;
    if (!exists || !S_ISDIR(st.st_mode)) {
        d.known = false; // asked again, it fails again
        const QString cause = exists ? QCoreApplication::translate("Check", "er ikke en mappe") : QCoreApplication::translate("Check", "finnes ikke");
        throw FileError(QCoreApplication::translate("Check", "Kan ikke sjekke %1:\\: mappen %2 til stasjon %1: %3")
                            .arg(QChar::fromLatin1(letter), folder, cause));
    }
    d.real = realPath(d.root);
    return d;
}

DriveTree::Folder &DriveTree::folder(const QByteArray &host)
{
    const auto [it, added] = m_folders.try_emplace(host.toStdString());
    Folder &f = it->second;
    if (!added)
        return f;
    DIR *dir = ::opendir(host.constData());
    if (!dir)
        return f;
    while (const dirent *e = ::readdir(dir)) {
        const QByteArray name(e->d_name);
        if (name == "." || name == "..")
            continue;
        const int index = static_cast<int>(f.entries.size());
        f.entries.push_back({name, e->d_type});
        f.exact.insert(name, index);
        f.upper.insert(::upper(std::string_view(name.constData(), static_cast<std::size_t>(name.size()))), index);
        if (!isAscii(std::string_view(name.constData(), static_cast<std::size_t>(name.size()))))
            if (const auto text = hostText(name))
                f.text.insert(text->toCaseFolded(), index);
    }
    ::closedir(dir);
    return f;
}

const QByteArray &DriveTree::realPath(const QByteArray &host)
{
    const auto [it, added] = m_realPaths.try_emplace(host.toStdString());
    if (added) {
        char buffer[PATH_MAX];
        if (::realpath(host.constData(), buffer))
            it->second = QByteArray(buffer);
    }
    return it->second;
}

DriveTree::Presence DriveTree::find(std::string_view dosPath, Type type)
{
    auto &answers = m_answers[type == Type::File ? 0 : 1];
    if (const auto it = answers.find(std::string(dosPath)); it != answers.end())
        return it->second;
    const Presence presence = lookUp(dosPath, type);
    answers.emplace(dosPath, presence);
    return presence;
}

DriveTree::Presence DriveTree::lookUp(std::string_view dosPath, Type type)
{
    if (dosPath.size() < 2 || dosPath[1] != ':')
        return Presence::Absent;
    const char letter = static_cast<char>(text8::upper(static_cast<unsigned char>(dosPath[0])));
    if (letter < 'A' || letter > 'Z')
        return Presence::Absent;
    const Drive &d = drive(letter);
    if (d.root.isEmpty())
        return Presence::Unmapped;

    const std::vector<std::string_view> parts = componentsOf(dosPath.substr(2));
    QByteArray host = d.root;
    unsigned char found = DT_DIR;
    for (const std::string_view part : parts) {
        Folder &f = folder(host);
        const int index = f.match(part);
        if (index < 0)
            return Presence::Absent;
        Entry &entry = f.entries[static_cast<std::size_t>(index)];
        host += '/';
        host += entry.name;
        if (entry.type == DT_UNKNOWN) {
            struct stat st {};
            if (::lstat(host.constData(), &st) != 0)
                return Presence::Absent;
            entry.type = S_ISLNK(st.st_mode)   ? DT_LNK
                         : S_ISDIR(st.st_mode) ? DT_DIR
                         : S_ISREG(st.st_mode) ? DT_REG
                                               : DT_UNKNOWN;
        }
        found = entry.type;
        if (found == DT_LNK) {
            const QByteArray &real = realPath(host);
            if (real.isEmpty())
                return Presence::Absent;
            if (!liesWithin(real, d.real))
                return Presence::Outside;
        }
    }
    if (found == DT_LNK || found == DT_UNKNOWN) {
        struct stat st {};
        if (::stat(host.constData(), &st) != 0)
            return Presence::Absent;
        found = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : DT_UNKNOWN;
    }
    return found == (type == Type::File ? DT_REG : DT_DIR) ? Presence::Present : Presence::Absent;
}
