// Fuzz target: list statements compared item by item. On any pair of lines,
// the changes account for every item of both lists exactly once.
#include "engine/list_diff.h"
#include "fuzz_check.h"
#include "platform/text8.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Two lines, split at the first LF.
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const std::size_t lf = bytes.find('\n');
    if (lf == std::string_view::npos)
        return 0;
    const std::string_view before = bytes.substr(0, lf), after = bytes.substr(lf + 1);
    const std::optional<listdiff::ListChanges> found = listdiff::compare(before, after);
    if (!found)
        return 0;
    const auto a = listdiff::items(listdiff::listStatement(before)->value);
    const auto b = listdiff::items(listdiff::listStatement(after)->value);

    // Every new place is added, moved, or kept in order; every old place is
    // removed, moved, or kept; kept items pair equal items in rising order.
    std::vector<int> newUse(b.size(), 0), oldUse(a.size(), 0);
    for (const listdiff::Change &c : found->changes) {
        if (c.kind != listdiff::Change::Kind::Removed) {
            FUZZ_CHECK(c.to >= 1 && c.to <= b.size() && c.item == b[c.to - 1]);
            ++newUse[c.to - 1];
        }
        if (c.kind != listdiff::Change::Kind::Added) {
            FUZZ_CHECK(c.from >= 1 && c.from <= a.size());
            ++oldUse[c.from - 1];
            if (c.kind == listdiff::Change::Kind::Removed)
                FUZZ_CHECK(c.item == a[c.from - 1]);
            else
                FUZZ_CHECK(text8::upper(a[c.from - 1]) == text8::upper(b[c.to - 1]));
        }
    }
    // The items left over on both sides are the same, in the same order.
    std::vector<std::string> keptOld, keptNew;
    for (std::size_t i = 0; i < a.size(); ++i) {
        FUZZ_CHECK(oldUse[i] <= 1);
        if (!oldUse[i])
            keptOld.push_back(text8::upper(a[i]));
    }
    for (std::size_t j = 0; j < b.size(); ++j) {
        FUZZ_CHECK(newUse[j] <= 1);
        if (!newUse[j])
            keptNew.push_back(text8::upper(b[j]));
    }
    FUZZ_CHECK(keptOld == keptNew);
    // Nothing is added that was also removed: such a pair would have been kept or moved.
    std::map<std::string, int> added, removed;
    for (const listdiff::Change &c : found->changes) {
        if (c.kind == listdiff::Change::Kind::Added)
            ++added[text8::upper(c.item)];
        else if (c.kind == listdiff::Change::Kind::Removed)
            ++removed[text8::upper(c.item)];
    }
    for (const auto &[item, n] : added)
        FUZZ_CHECK(!removed.count(item));
    FUZZ_CHECK(!listdiff::describe(*found).isEmpty() && !listdiff::describeBytes(*found).empty());
    return 0;
}
