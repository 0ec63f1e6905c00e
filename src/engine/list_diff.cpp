// The items of a list statement compared one by one.
#include "engine/list_diff.h"

#include "platform/text8.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <unordered_map>

namespace listdiff {
namespace {

using text8::isBlank;
using text8::trimmed;

// The SET statements of OS/2 and its programs whose value is a list of
// folders or files even when it holds one item. Any other SET is taken for a
// list only when a value holds a ';'.
constexpr std::array<std::string_view, 10> kKnownSetLists = {
    "PATH", "DPATH", "HELP", "BOOKSHELF", "CLASSPATH", "INCLUDE", "LIB", "GLOSSARY", "SOMIR", "LOCPATH",
};

bool startsWithWord(std::string_view line, std::string_view upperWord)
{
    return text8::startsWithUpper(line, upperWord) && line.size() > upperWord.size()
           && isBlank(line[upperWord.size()]);
}

// `s` with every run of blanks made one space.
std::string foldBlanks(std::string_view s)
{
    std::string out;
    for (const char c : s) {
        if (!isBlank(c))
            out += c;
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    return out;
}

// The longest run of `sequence` that rises (strictly), as a mark per element.
// Patience sorting: n log n.
std::vector<bool> longestRise(const std::vector<std::size_t> &sequence)
{
    std::vector<std::size_t> tails;    // index into `sequence` of the last element of each run length
    std::vector<std::size_t> previous(sequence.size());
    for (std::size_t k = 0; k < sequence.size(); ++k) {
        const auto at = std::lower_bound(tails.begin(), tails.end(), sequence[k],
                                         [&sequence](std::size_t t, std::size_t value) { return sequence[t] < value; });
        previous[k] = at == tails.begin() ? sequence.size() : *(at - 1);
        if (at == tails.end())
            tails.push_back(k);
        else
            *at = k;
    }
    std::vector<bool> kept(sequence.size(), false);
    for (std::size_t k = tails.empty() ? sequence.size() : tails.back(); k < sequence.size(); k = previous[k])
        kept[k] = true;
    return kept;
}

const char *const kSameItems = "ingen elementer lagt til, fjernet eller flyttet";

} // namespace

std::optional<ListStatement> listStatement(std::string_view line)
{
    line = trimmed(line.substr(0, line.find('\x1A')));
    std::string_view rest = line;
    const bool set = startsWithWord(rest, "SET");
    if (set)
        rest = trimmed(rest.substr(3));
    const std::size_t equals = rest.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view variable = trimmed(rest.substr(0, equals));
    if (variable.empty())
        return std::nullopt;
    const std::string upperVariable = text8::upper(variable);
    if (!set && upperVariable != "LIBPATH")
        return std::nullopt;
    ListStatement s;
    s.name = foldBlanks(set ? line.substr(0, 3) : std::string_view{});
    if (set)
        s.name += ' ';
    s.name += foldBlanks(variable);
    s.key = text8::upper(s.name);
    s.value = trimmed(rest.substr(equals + 1));
    s.knownList = !set || std::find(kKnownSetLists.begin(), kKnownSetLists.end(), upperVariable) != kKnownSetLists.end();
    return s;
}

std::vector<std::string_view> items(std::string_view value)
{
    std::vector<std::string_view> out;
    std::size_t start = 0;
    while (start <= value.size()) {
        std::size_t end = value.find(';', start);
        if (end == std::string_view::npos)
            end = value.size();
        const std::string_view item = trimmed(value.substr(start, end - start));
        if (!item.empty())
            out.push_back(item);
        start = end + 1;
    }
    return out;
}

std::optional<ListChanges> compare(std::string_view before, std::string_view after)
{
    const std::optional<ListStatement> old = listStatement(before);
    const std::optional<ListStatement> now = listStatement(after);
    if (!old || !now || old->key != now->key)
        return std::nullopt;
    if (!now->knownList && old->value.find(';') == std::string_view::npos
        && now->value.find(';') == std::string_view::npos)
        return std::nullopt;

    const std::vector<std::string_view> a = items(old->value);
    const std::vector<std::string_view> b = items(now->value);
    // The old places of each item, letter case aside, taken in order by the
    // new list's items.
    std::vector<std::string> upperA(a.size());
    std::unordered_map<std::string_view, std::vector<std::size_t>> places;
    places.reserve(a.size());
    for (std::size_t i = a.size(); i-- > 0;) {
        upperA[i] = text8::upper(a[i]);
        places[upperA[i]].push_back(i); // last place first: taken from the back
    }
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::vector<std::size_t> oldOf(b.size(), kNone);
    std::vector<bool> kept(a.size(), false);
    std::vector<std::size_t> matchedOld, matchedNew;
    for (std::size_t j = 0; j < b.size(); ++j) {
        const auto found = places.find(text8::upper(b[j]));
        if (found == places.end() || found->second.empty())
            continue;
        oldOf[j] = found->second.back();
        found->second.pop_back();
        kept[oldOf[j]] = true;
        matchedOld.push_back(oldOf[j]);
        matchedNew.push_back(j);
    }
    // The pairs that keep their order stay; the others moved.
    const std::vector<bool> stays = longestRise(matchedOld);
    std::vector<bool> anchor(b.size(), false);
    for (std::size_t k = 0; k < matchedNew.size(); ++k)
        anchor[matchedNew[k]] = stays[k];

    ListChanges result;
    result.name = now->name;
    std::size_t i = 0; // the next old item not yet passed
    // What the old list lost before its item `upTo`, after what the new list
    // has in the same stretch.
    const auto lost = [&](std::size_t upTo) {
        for (; i < upTo; ++i)
            if (!kept[i])
                result.changes.push_back({Change::Kind::Removed, std::string(a[i]), i + 1, 0});
    };
    for (std::size_t j = 0; j < b.size(); ++j) {
        if (anchor[j]) {
            lost(oldOf[j]);
            i = oldOf[j] + 1;
        } else if (oldOf[j] == kNone) {
            result.changes.push_back({Change::Kind::Added, std::string(b[j]), 0, j + 1});
        } else {
            result.changes.push_back({Change::Kind::Moved, std::string(b[j]), oldOf[j] + 1, j + 1});
        }
    }
    lost(a.size());
    return result;
}

QString describe(const ListChanges &changes)
{
    QString out = text8::toDisplay(changes.name) + QStringLiteral(": ");
    if (changes.changes.empty())
        return out + QLatin1String(kSameItems);
    QStringList parts;
    for (const Change &c : changes.changes) {
        const QString item = text8::toDisplay(c.item);
        switch (c.kind) {
        case Change::Kind::Added: parts << QStringLiteral("+ ") + item; break;
        case Change::Kind::Removed: parts << QStringLiteral("− ") + item; break;
        case Change::Kind::Moved: parts << QStringLiteral("~ %1 (nr. %2 → %3)").arg(item, QString::number(c.from), QString::number(c.to)); break;
        }
    }
    return out + parts.join(QStringLiteral("; "));
}

std::string describeBytes(const ListChanges &changes)
{
    std::string out = changes.name + ": ";
    if (changes.changes.empty())
        return out + kSameItems;
    for (std::size_t k = 0; k < changes.changes.size(); ++k) {
        const Change &c = changes.changes[k];
        if (k > 0)
            out += "; ";
        switch (c.kind) {
        case Change::Kind::Added: out += "+ " + c.item; break;
        case Change::Kind::Removed: out += "- " + c.item; break;
        case Change::Kind::Moved:
            out += "~ " + c.item + " (nr. " + std::to_string(c.from) + " -> " + std::to_string(c.to) + ")";
            break;
        }
    }
    return out;
}

} // namespace listdiff
