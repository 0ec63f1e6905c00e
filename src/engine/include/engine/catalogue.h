// The built-in catalogue of OS/2 driver files and their Norwegian descriptions.
#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace catalogue {

// The extensions a BASEDEV= driver may have, in the order the drivers page groups
// the installed base drivers.
extern const std::array<std::string_view, 8> DriverExtensions;

// Rows 1 to 14 of the base drivers and 1 to 42 of the device drivers are the
// Warp 4 catalogue; the rows after them describe the drivers of a current
// installation.
inline constexpr std::size_t BasedevRows = 14 + 17;
inline constexpr std::size_t DeviceRows = 42 + 20;

// Base-device drivers (BASEDEV=). Row n of the catalogue is index n - 1.
// Names are plain ASCII; the notes are UTF-8 and hold only characters of the
// 8-bit set, at most 50 of them.
extern const std::array<std::string_view, BasedevRows> BasedevNames;
extern const std::array<std::uint16_t, BasedevRows> BasedevRequired; // 1 required, 0 not
extern const std::array<std::string_view, BasedevRows> BasedevNotes;

// Device drivers (DEVICE=). An empty note means the row has no description of
// its own (DeviceNote still finds one for it); notes hold at most 80
// characters of the 8-bit set.
extern const std::array<std::string_view, DeviceRows> DeviceNames;
extern const std::array<std::string_view, DeviceRows> DeviceNotes;

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
// trimmed. A row of the Warp 4 catalogue without a description of its own
// gets the one added for it. Empty for an unknown name.
[[nodiscard]] QString DeviceNote(std::string_view name);

// What the catalogue says of a platform driver (PSD=) or a file system (IFS=).
struct FileInfo
{
    QString note;      // its description; empty when no row has the name
    bool required = false; // a current installation cannot do without it
};

// The platform driver or file system named `name`, letter case aside, nothing
// trimmed.
[[nodiscard]] FileInfo PsdNote(std::string_view name);
[[nodiscard]] FileInfo IfsNote(std::string_view name);

} // namespace catalogue
