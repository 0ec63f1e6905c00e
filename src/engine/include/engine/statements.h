// The rules of the statements the pages show and write, as plain functions over
// lines and values: what a value means for a control, and the line a user's
// action on that control writes.
#pragma once

#include "engine/search.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace statements {

// --- SET AUTOSTART ----------------------------------------------------------

// The keywords of the five boxes, in the order they are written.
inline constexpr std::array<std::string_view, 5> AutostartKeywords = {"PROGRAMS", "TASKLIST", "FOLDERS",
                                                                      "CONNECTIONS", "WARPCENTER"};
using AutostartTicks = std::array<bool, AutostartKeywords.size()>;

// The items of a SET AUTOSTART value: separated by commas or blanks, each
// without its blanks, as written.
[[nodiscard]] std::vector<std::string_view> autostartItems(std::string_view value);

// Which keywords are whole items of `value`, letter case aside: WARPCENTERX is
// not WARPCENTER.
[[nodiscard]] AutostartTicks autostartTicks(std::string_view value);

// The line a click on a box writes over `line`: "SET AUTOSTART=", the ticked
// keywords in their order, separated by commas, then every other item of
// `line` as written and in its order. Two other items that stood side by side
// keep the separators written between them; otherwise a comma parts them. A
// keyword a box stands for is never written twice, and never when its box is
// not ticked. Other items are kept only while `line` still begins with "SET
// AUTOSTART=".
[[nodiscard]] std::string composeAutostart(std::string_view line, const AutostartTicks &ticks);

// --- RESTARTOBJECTS ---------------------------------------------------------

// OS/2's Workplace Shell reads the setting from its environment, so only a
// line "SET RESTARTOBJECTS=" counts; the bare "RESTARTOBJECTS=" that earlier
// versions of this program wrote has no effect. The group reads each form by
// its own table and always writes the SET form. Sources: IBM's Workplace Shell
// Programming Guide, "Debugging with Useful CONFIG.SYS Statements" (SET
// RESTARTOBJECTS=NO keeps the shell from reopening or restarting objects when
// it starts), http://cyberkinetica.homeunix.net/os2tk45/wpsguide/082_L3_DebuggingwithUsefulC.html;
// Arca Noae's FAQ "How do I prevent items in my Startup folder from
// starting?" (ArcaOS ships STARTUPFOLDERSONLY,REBOOTONLY; NO stops the Startup
// folder as well), https://www.arcanoae.com/faqwd/how-do-i-prevent-items-in-my-startup-folder-from-starting/.
// STARTUPFOLDERSONLY opens only the Startup folders' objects, REBOOTONLY
// restarts objects only after a reboot (Ctrl-Alt-Del, power lost), not when
// the shell alone restarts; YES, the default, reopens everything left open.
enum class RestartForm { None, Set, Bare };

// The value each item of the radio group writes after "SET RESTARTOBJECTS=",
// by item: "Ingen", "Oppstart-mappe", "Kun ved Ctrl-Alt-Del og strømbrudd",
// "Oppstart-mappe, bare ved omstart" (what ArcaOS ships), "Åpne mapper og
// program".
inline constexpr std::array<std::string_view, 5> RestartValues = {"NO", "STARTUPFOLDERSONLY", "REBOOTONLY",
                                                                  "STARTUPFOLDERSONLY,REBOOTONLY", "YES"};
// The value each item stood for in a bare line, as earlier versions wrote it.
inline constexpr std::array<std::string_view, 5> BareRestartValues = {"PL", "REBOOTONLY", "NO", "STARTUPFOLDERSONLY",
                                                                      "YES"};
// The item that stands for a missing statement: YES, OS/2's own default.
inline constexpr int RestartDefault = 4;
// The item of ArcaOS's own value, STARTUPFOLDERSONLY,REBOOTONLY.
inline constexpr int RestartArcaOs = 3;

// The item a value names in the table of `form`: its words separated by
// commas, each once, letter case, blanks and their order aside; -1 for a value
// the table lacks (an empty one, an unknown word, a word twice).
[[nodiscard]] int restartItem(std::string_view value, RestartForm form);

// What `line` is: a RESTARTOBJECTS statement of either form (the words in any
// letter case, from the first column), its value as written and the item that
// value names; form None and item -1 for any other line (one commented out).
struct RestartLine
{
    RestartForm form = RestartForm::None;
    std::string_view value;
    int item = -1;
};
[[nodiscard]] RestartLine restartLine(std::string_view line);

// "SET RESTARTOBJECTS=" and the value of `item` (the default for no item).
[[nodiscard]] std::string restartStatement(int item);

// --- THREADS, MAXWAIT, PRIORITY, TIMESLICE ----------------------------------

// A whole decimal number with blanks around it at most; nothing for any other
// text, or one too large for an int.
[[nodiscard]] std::optional<int> number(std::string_view text);

// The item a PRIORITY value names (0 DYNAMIC, 1 ABSOLUTE), letter case and
// blanks aside; -1 for any other value.
[[nodiscard]] int priorityItem(std::string_view value);
inline constexpr std::array<std::string_view, 2> PriorityStatements = {"PRIORITY=DYNAMIC", "PRIORITY=ABSOLUTE"};

// The two numbers of a TIMESLICE value, as written (without blanks). A value
// with one number gives it for both; a part that is no number is missing.
struct TimeSlice
{
    std::optional<std::string> min;
    std::optional<std::string> max;
};
[[nodiscard]] TimeSlice timeSlice(std::string_view value);
// The numbers of a line that is a TIMESLICE statement (the key in any letter
// case); none for any other line.
[[nodiscard]] TimeSlice timeSliceOfLine(std::string_view line);

// The statement for the two numbers given as text.
[[nodiscard]] std::string timeSliceStatement(std::string_view min, std::string_view max);

// --- Drivers ----------------------------------------------------------------

// An entry of a driver list: its text and the document line it stands for.
struct Entry
{
    std::string text;
    LinePos line = NoLine;
};

// Every active DEVICE= statement (the key in capitals, from the first column),
// as its driver's file name, in document order.
[[nodiscard]] std::vector<Entry> deviceEntries(const SearchLines &lines);

// Every active BASEDEV= statement that holds one of the catalogue's driver
// extensions (as written, in capitals), as the text after "BASEDEV=": grouped
// by extension in the catalogue's order, in document order within a group. A
// statement holding two extensions stands in both groups.
[[nodiscard]] std::vector<Entry> basedevEntries(const SearchLines &lines);

// The catalogue's base drivers that no installed entry names exactly.
[[nodiscard]] std::vector<std::string_view> availableBasedevs(const std::vector<Entry> &installed);

// --- Network ----------------------------------------------------------------

// The lines that name the network products' folders, by list, in document
// order. Search paths (SET PATH= and the like, in capitals) name every
// product's folders and stand in none.
struct NetworkLines
{
    std::vector<LinePos> protokoll; // :\MPTN, :\IBMCOM
    std::vector<LinePos> tcpip;     // :\TCPIP
    std::vector<LinePos> mobil;     // :\MFS
    std::vector<LinePos> lan;       // :\IBMLAN
};
[[nodiscard]] NetworkLines networkLines(const SearchLines &lines);

// --- Disk -------------------------------------------------------------------

// Where a file system's or the cache's statement stands, and whether it is on.
struct DiskStatement
{
    LinePos line = NoLine;
    bool on = false;
};
struct DiskState
{
    DiskStatement cache; // DISKCACHE
    DiskStatement hpfs, cdfs, lan, mfs;
};

// The Disk page's reading of the document. DISKCACHE with a value is on; else a
// "REM DISKCACHE=" with a value is its line. For a file system a line holding
// "REM IFS=" and its first marker wins over any IFS line holding its second;
// it is on only when some IFS line holds its second marker and none with
// "REM IFS=" does.
[[nodiscard]] DiskState diskState(const SearchLines &lines);

} // namespace statements
