// The built-in catalogue of OS/2 driver files and their Norwegian descriptions.
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <string_view>

namespace catalogue {

// The extensions a BASEDEV= driver may have, in the order the drivers page groups
// the installed base drivers.
extern const std::array<std::string_view, 8> DriverExtensions;

// Base-device drivers (BASEDEV=). Row n of the catalogue is index n - 1.
// Names are plain ASCII; the notes are UTF-8 and hold only characters of the
// 8-bit set, at most 50 of them.
extern const std::array<std::string_view, 14> BasedevNames;
extern const std::array<std::uint16_t, 14> BasedevRequired; // 1 required, 0 not
extern const std::array<std::string_view, 14> BasedevNotes;

// Device drivers (DEVICE=). An empty note means the row has no description;
// notes hold at most 80 characters of the 8-bit set.
extern const std::array<std::string_view, 42> DeviceNames;
extern const std::array<std::string_view, 42> DeviceNotes;

} // namespace catalogue

namespace catalogue {

// What the catalogue says of a base-device driver.
struct BasedevInfo
{
    QString note;         // its description; empty when no row has the name
    int BasedevIndex = 0; // its row of BasedevNames (from 1), 0 when none
    bool required = false;
};

// The base-device driver named exactly `name` (same bytes, same case, same
// length, nothing trimmed).
[[nodiscard]] BasedevInfo BasedevNote(std::string_view name);

// Description of the device driver `name` (raw 8-bit bytes), letter case aside:
// both sides are compared upper-cased with the 8-bit upper-casing, nothing is
// trimmed. Empty for a row without description and for an unknown name.
[[nodiscard]] QString DeviceNote(std::string_view name);

} // namespace catalogue
