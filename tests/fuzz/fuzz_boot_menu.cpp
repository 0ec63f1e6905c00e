// Fuzz target: the line of a try in OS/2's menu file. On any bytes, adding a
// try for a free key and taking it away again gives back every byte.
#include "engine/boot_menu.h"
#include "fuzz_check.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the key, the rest is the menu.
    const char wanted = bootmenu::TryKeys[data[0] % bootmenu::TryKeys.size()];
    const std::string_view menu(reinterpret_cast<const char *>(data) + 1, size - 1);

    std::size_t number = 0, after = 0;
    for (const bootmenu::MenuLine &line : bootmenu::menuLines(menu)) {
        FUZZ_CHECK(line.number > number && line.begin >= after);
        FUZZ_CHECK(line.begin <= line.keyAt && line.keyAt < line.textAt && line.textAt <= line.end);
        FUZZ_CHECK(line.end <= line.next && line.next <= menu.size());
        number = line.number;
        after = line.next;
    }

    const std::vector<std::string_view> menus = {menu};
    const QDate day(2024, 5, 17);
    for (const std::optional<char> key : {std::optional<char>(wanted), bootmenu::firstFreeKey(menus, {})}) {
        if (!key || bootmenu::keyState(*key, menus, {}) != bootmenu::KeyState::Free)
            continue;
        const std::string with = bootmenu::withTry(menu, *key, day);
        FUZZ_CHECK(bootmenu::tries(with).size() == bootmenu::tries(menu).size() + 1);
        FUZZ_CHECK(bootmenu::keyState(*key, {with}, {}) == bootmenu::KeyState::HasMenuLine);
        const std::optional<std::string> back = bootmenu::withoutTry(with, *key);
        FUZZ_CHECK(back && *back == menu);
    }
    return 0;
}
