// "Will it boot?": whether every file and folder that the active statements of
// a CONFIG.SYS name is where OS/2 looks for it, and how bad it is when not.
#include "engine/boot_check.h"

#include "engine/boot_statements.h"
#include "engine/drive_tree.h"
#include "engine/statement_check.h"
#include "platform/text8.h"

#include <algorithm>
#include <string>
#include <unordered_map>

namespace bootcheck {
namespace {

using Presence = DriveTree::Presence;
using Type = DriveTree::Type;

// Of several places looked at, what to report: found anywhere wins, then a
// place outside the drive, then an unmapped drive, then nothing.
Presence best(Presence a, Presence b)
{
    constexpr Presence order[] = {Presence::Present, Presence::Outside, Presence::Unmapped, Presence::Absent};
    for (const Presence p : order)
        if (a == p || b == p)
            return p;
    return Presence::Absent;
}

class Checker
{
public:
    Checker(const DriveMap &drives, Report &report)
        : m_tree(drives)
        , m_report(report)
        , m_boot(static_cast<char>(report.bootDrive.toLatin1()))
    {
    }

    void statement(const Statement &s)
    {
        if (s.unused) {
            add(s.line, Kind::Unchecked, Reason::Unused, {}, false);
            return;
        }
        switch (s.rule->shape) {
        case Shape::Driver:
            return driver(s.line, firstWord(s.value));
        case Shape::Platform:
            return platform(s.line, firstWord(s.value));
        case Shape::File:
            return file(s.line, firstWord(s.value), s.rule->ifMissing);
        case Shape::CountryFile:
            if (const std::vector<std::string_view> fields = splitList(s.value, ','); fields.size() >= 2)
                file(s.line, firstWord(fields[1]), s.rule->ifMissing);
            return;
        case Shape::DevinfoFile:
            return devinfo(s);
        case Shape::Folder:
            return folder(s.line, firstWord(s.value), s.rule->ifMissing);
        case Shape::LibPath:
            libPath(s);
            return doubled(s);
        case Shape::SearchPath:
            for (const std::string_view entry : splitList(s.value, ';'))
                if (!isRelative(entry))
                    folder(s.line, entry, s.rule->ifMissing);
            return doubled(s);
        }
    }

    void noLibPath() { add(NoLine, Kind::StopsBoot, Reason::NoLibPath, {}, false); }

private:
    Presence look(std::string_view name, Type type)
    {
        return m_tree.find(onBootDrive(name, m_boot), type);
    }

    void file(LinePos line, std::string_view name, Kind ifMissing)
    {
        if (name.empty())
            return;
        ++m_report.checked;
        report(line, name, look(name, Type::File), ifMissing, false);
    }

    void folder(LinePos line, std::string_view name, Kind ifMissing)
    {
        if (name.empty())
            return;
        ++m_report.checked;
        report(line, name, look(name, Type::Folder), ifMissing, true);
    }

    // Where OS/2 finds a base or platform driver: the first of its folders
    // that holds it.
    Presence findDriver(std::string_view name)
    {
        ++m_report.checked;
        Presence found = Presence::Absent;
        for (const std::string_view folder : DriverFolders)
            if ((found = best(found, look(std::string(folder) + std::string(name), Type::File))) == Presence::Present)
                break;
        return found;
    }

    void driver(LinePos line, std::string_view name)
    {
        if (name.empty())
            return;
        if (namesAPath(name))
            return add(line, Kind::Unchecked, Reason::NotAFileName, name, false);
        const Presence found = findDriver(name);
        const bool disks = text8::upper(name) == "OS2DASD.DMD";
        report(line, name, found, disks ? Kind::StopsBoot : Kind::Missing, false);
    }

    // OS/2 loads the PSDs in order and uses the first that installs, so once
    // one is found a later missing one is only a warning.
    void platform(LinePos line, std::string_view name)
    {
        if (name.empty())
            return;
        if (namesAPath(name))
            return add(line, Kind::Unchecked, Reason::NotAFileName, name, false);
        const Presence found = findDriver(name);
        report(line, name, found, m_platformFound ? Kind::Warning : Kind::Missing, false);
        m_platformFound |= found == Presence::Present;
    }

    void devinfo(const Statement &s)
    {
        const std::vector<std::string_view> fields = splitList(s.value, ',');
        if (fields.size() < 3)
            return;
        const std::string device = text8::upper(fields.front());
        if (device == "KBD" || device == "SCR")
            file(s.line, firstWord(fields.back()), s.rule->ifMissing);
    }

    // OS/2 cannot come up without an \OS2\DLL folder on the LIBPATH, on any
    // drive (a boot medium in A: may name C:\OS2\DLL); other folders only
    // matter to the programs that load from them.
    void libPath(const Statement &s)
    {
        struct Entry
        {
            std::string_view name;
            Presence found;
            bool system;
        };
        std::vector<Entry> entries;
        bool systemFound = false;
        bool systemUnchecked = false;
        for (const std::string_view name : splitList(s.value, ';')) {
            if (isRelative(name))
                continue;
            ++m_report.checked;
            const Entry entry{name, look(name, Type::Folder), isSystemDllFolder(name)};
            systemFound |= entry.system && entry.found == Presence::Present;
            systemUnchecked |= entry.system && entry.found != Presence::Present && entry.found != Presence::Absent;
            entries.push_back(entry);
        }
        const bool stops = !systemFound && !systemUnchecked;
        bool named = false;
        for (const Entry &entry : entries) {
            named |= entry.system;
            report(s.line, entry.name, entry.found, entry.system && stops ? Kind::StopsBoot : Kind::Warning, true);
        }
        if (stops && !named)
            add(s.line, Kind::StopsBoot, Reason::NotFound, "\\OS2\\DLL", true);
    }

    // A folder named again in the same list: OS/2 looks in it twice, and the
    // second entry was likely meant to be another folder. Letter case and a
    // closing backslash aside; each folder is reported once.
    void doubled(const Statement &s)
    {
        std::unordered_map<std::string, int> seen;
        for (const std::string_view entry : splitList(s.value, ';')) {
            std::string_view folder = entry;
            while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/')
                   && !(folder.size() == 3 && folder[1] == ':'))
                folder.remove_suffix(1);
            if (++seen[text8::upper(folder)] == 2)
                add(s.line, Kind::Warning, Reason::Doubled, entry, true);
        }
    }

    void report(LinePos line, std::string_view name, Presence found, Kind ifMissing, bool folder)
    {
        switch (found) {
        case Presence::Present:
            return;
        case Presence::Absent:
            return add(line, ifMissing, Reason::NotFound, name, folder);
        case Presence::Unmapped:
            return add(line, Kind::Unchecked, Reason::Unmapped, name, folder);
        case Presence::Outside:
            return add(line, Kind::Unchecked, Reason::OutsideDrive, name, folder);
        }
    }

    void add(LinePos line, Kind kind, Reason reason, std::string_view name, bool folder)
    {
        const QChar drive = QChar::fromLatin1(onBootDrive(name, m_boot).front()).toUpper();
        m_report.findings.push_back({line, kind, reason, text8::toDisplay(name), folder, drive, {}});
    }

    DriveTree m_tree;
    Report &m_report;
    const char m_boot;
    bool m_platformFound = false;
};

// NoLine, the file as a whole, sorts first.
int sortLine(const Finding &f)
{
    return f.line == NoLine ? -1 : static_cast<int>(f.line);
}

} // namespace

int Report::count(Kind kind) const
{
    return static_cast<int>(
        std::count_if(findings.begin(), findings.end(), [kind](const Finding &f) { return f.kind == kind; }));
}

bool Report::stopsBoot() const
{
    return count(Kind::StopsBoot) > 0;
}

bool Report::failed() const
{
    return stopsBoot() || count(Kind::Missing) > 0;
}

QChar bootDriveOf(const QString &file, const Lines &lines, QChar given)
{
    if (const QChar drive = DriveMap::letter(given); !drive.isNull())
        return drive;
    if (file.size() >= 2 && file.at(1) == u':')
        if (const QChar drive = DriveMap::letter(file.at(0)); !drive.isNull())
            return drive;
    const std::vector<Statement> statements = statementsOf(lines);
    for (auto s = statements.rbegin(); s != statements.rend(); ++s) {
        if (s->rule->shape != Shape::LibPath)
            continue;
        for (const std::string_view entry : splitList(s->value, ';'))
            if (hasDriveLetter(entry) && isSystemDllFolder(entry))
                return QChar::fromLatin1(static_cast<char>(text8::upper(static_cast<unsigned char>(entry.front()))));
        break;
    }
    return u'C';
}

Report checkDocument(const Lines &lines, const DriveMap &drives, QChar bootDrive)
{
    Report report;
    report.bootDrive = bootDrive.toUpper();
    Checker check(drives, report);
    const std::vector<Statement> statements = statementsOf(lines);
    if (std::none_of(statements.begin(), statements.end(),
                     [](const Statement &s) { return s.rule->shape == Shape::LibPath; }))
        check.noLibPath();
    for (const Statement &s : statements)
        check.statement(s);
    checkStatements(lines, report.findings);
    std::stable_sort(report.findings.begin(), report.findings.end(),
                     [](const Finding &a, const Finding &b) { return sortLine(a) < sortLine(b); });
    return report;
}

} // namespace bootcheck
