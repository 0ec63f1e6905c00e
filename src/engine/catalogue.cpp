// The built-in catalogue of OS/2 driver files and their descriptions (Norwegian
// source texts, translated when they are looked up).
#include "engine/catalogue.h"

#include "engine/catalogue_current.h"
#include "platform/text8.h"

#include <QCoreApplication>

namespace catalogue {
namespace {

// `a` followed by `b`.
template<typename T, std::size_t N, std::size_t M>
constexpr std::array<T, N + M> joined(const std::array<T, N> &a, const std::array<T, M> &b)
{
    std::array<T, N + M> out{};
    for (std::size_t i = 0; i < N; ++i)
        out[i] = a[i];
    for (std::size_t i = 0; i < M; ++i)
        out[N + i] = b[i];
    return out;
}

} // namespace

constexpr std::array<std::string_view, 8> DriverExtensions = {
    ".SYS", ".BID", ".VSD", ".TSD", ".ADD", ".I13", ".FLT", ".DMD",
};

constexpr std::array<std::string_view, 14> kWarp4BasedevNames = {
    "IBM1FLPY.ADD", //  1
    "IBM2FLPY.ADD", //  2
    "XDFLOPPY.FLT", //  3
    "OS2CDROM.DMD", //  4
    "IBMIDECD.FLT", //  5
    "PRINT01.SYS",  //  6
    "PRINT02.SYS",  //  7
    "IBM1S506.ADD", //  8
    "OS2SCSI.DMD",  //  9
    "OS2DASD.DMD",  // 10
    "OPTICAL.DMD",  // 11
    "IBMKBD.SYS",   // 12
    "OS2ASPI.DMD",  // 13
    "TIMER0.SYS",   // 14
};

constexpr std::array<std::uint16_t, 14> kWarp4BasedevRequired = {
    1, 0, 1, 0, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1,
};

// The texts are kept as they have always been shown, misspellings included.
constexpr std::array<std::string_view, 14> kWarp4BasedevNotes = {
    QT_TRANSLATE_NOOP("Catalogue", "Støtte for diskettsatsjon"),
    QT_TRANSLATE_NOOP("Catalogue", "Støtte for PS/2 diskettstasjon"),
    QT_TRANSLATE_NOOP("Catalogue", "Støtte for XDF disketter"),
    QT_TRANSLATE_NOOP("Catalogue", "Støtte for CD-ROM"),
    QT_TRANSLATE_NOOP("Catalogue", "Støtte for CDROM"),
    QT_TRANSLATE_NOOP("Catalogue", "Støtte for paralleport, IDE-EISA"),
    QT_TRANSLATE_NOOP("Catalogue", "Støtte for paralellport, MCA"),
    QT_TRANSLATE_NOOP("Catalogue", "Styreprogram til platelagre av typen MFM, RLL, ESD"),
    QT_TRANSLATE_NOOP("Catalogue", "Styreprogram til SCSI scannere, båndstasjoner etc."),
    QT_TRANSLATE_NOOP("Catalogue", "Enhetstyrer-transportlaget for DASD-enheter"),
    QT_TRANSLATE_NOOP("Catalogue", "Gir støtte for SCSI II optiske stasjoner"),
    QT_TRANSLATE_NOOP("Catalogue", "Styreprogram til tastatur"),
    QT_TRANSLATE_NOOP("Catalogue", "Støtte for SCSI-enheter"),
    QT_TRANSLATE_NOOP("Catalogue", "Timer"),
};

constexpr std::array<std::string_view, 42> kWarp4DeviceNames = {
    "LANPDD.OS2",   //  1
    "LANVDD.OS2",   //  2
    "LANMSGDD.OS2", //  3
    "PROTMAN.OS2",  //  4
    "TESTCFG.SYS",  //  5
    "DOS.SYS",      //  6
    "PMDD.SYS",     //  7
    "VEMM.SYS",     //  8
    "VXMS.SYS",     //  9
    "VDPMI.SYS",    // 10
    "VDPX.SYS",     // 11
    "VWIN.SYS",     // 12
    "VW32S.SYS",    // 13
    "OS2CDROM.DMD", // 14
    "VCDROM.SYS",   // 15
    "VMOUSE.SYS",   // 16
    "POINTDD.SYS",  // 17
    "MOUSE.SYS",    // 18
    "COM.SYS",      // 19
    "VCOM.SYS",     // 20
    "VSVGA.SYS",    // 21
    "ECRDRV.SYS",   // 22
    "RSMVDWO.SYS",  // 23
    "SB16D2.SYS",   // 24
    "AUDIOVDD.SYS", // 25
    "SSMDD.SYS",    // 26
    "R0STUB.SYS",   // 27
    "MIDI.SYS",     // 28
    "VCSHDD.SYS",   // 29
    "SOCKETS.SYS",  // 30
    "AFOS2.SYS",    // 31
    "AFINET.SYS",   // 32
    "IFNDIS.SYS",   // 33
    "NETBEUI.OS2",  // 34
    "RDRHELP.200",  // 35
    "NETBIOS.OS2",  // 36
    "VNETAPI.OS2",  // 37
    "vdostcp.vdd",  // 38
    "vdostcp.sys",  // 39
    "LOG.SYS",      // 40
    "NULLNDIS.OS2", // 41
    "EXTDSKDD.SYS", // 42
};

constexpr std::array<std::string_view, 42> kWarp4DeviceNotes = {
    QT_TRANSLATE_NOOP("Catalogue", "Nettverk"),
    QT_TRANSLATE_NOOP("Catalogue", "Nettverk"),
    QT_TRANSLATE_NOOP("Catalogue", "Nettverk"),
    "",
    "",
    "",
    "",
    QT_TRANSLATE_NOOP("Catalogue", "EMM, Expanded Memory Manager for DOS"),
    QT_TRANSLATE_NOOP("Catalogue", "XMS, eXtended Memory Manager for DOS"),
    QT_TRANSLATE_NOOP("Catalogue", "DPMI, Protected Mode for DOS"),
    "",
    QT_TRANSLATE_NOOP("Catalogue", "Støtte for Windows"),
    QT_TRANSLATE_NOOP("Catalogue", "Støtte for Windows 32s"),
    QT_TRANSLATE_NOOP("Catalogue", "Støtte for CD-ROM"),
    QT_TRANSLATE_NOOP("Catalogue", "Støtte for CD-ROM i DOS og Windows"),
    QT_TRANSLATE_NOOP("Catalogue", "Støtte for mus i DOS og Windows sesjoner"),
    QT_TRANSLATE_NOOP("Catalogue", "Støtte for pekerutstyr"),
    QT_TRANSLATE_NOOP("Catalogue", "Støtte for mus (trenger POINTDD.SYS for å virke skikkelig)"),
    QT_TRANSLATE_NOOP("Catalogue", "Driver til RS-232S serielle porter COM1..COM4"),
    QT_TRANSLATE_NOOP("Catalogue", "Driver til RS-232S serielle porter i DOS og Windows sesjoner"),
    QT_TRANSLATE_NOOP("Catalogue", "Skjerm driver"),
    QT_TRANSLATE_NOOP("Catalogue", "BonusPak"),
    QT_TRANSLATE_NOOP("Catalogue", "BonusPak"),
    QT_TRANSLATE_NOOP("Catalogue", "SoundBlaster driver"),
    QT_TRANSLATE_NOOP("Catalogue", "Lyddriver"),
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    QT_TRANSLATE_NOOP("Catalogue", "Nettverk driver"),
    QT_TRANSLATE_NOOP("Catalogue", "Nettverk driver"),
    QT_TRANSLATE_NOOP("Catalogue", "Nett Bios"),
    "",
    QT_TRANSLATE_NOOP("Catalogue", "TCP/IP støtte i DOS"),
    QT_TRANSLATE_NOOP("Catalogue", "TCP/IP støtte i DOS"),
    QT_TRANSLATE_NOOP("Catalogue", "Systemfeil logging ( RUN=LOGDAEM.EXE må være med i CONFIG.SYS"),
    QT_TRANSLATE_NOOP("Catalogue", "Nettverk: Null Protokoll"),
    QT_TRANSLATE_NOOP("Catalogue", "Tildeler en stasjonsbokstav til en diskettstasjon"),
};

constexpr std::array<std::string_view, BasedevRows> BasedevNames = joined(kWarp4BasedevNames, current::BasedevNames);
constexpr std::array<std::uint16_t, BasedevRows> BasedevRequired =
    joined(kWarp4BasedevRequired, current::BasedevRequired);
constexpr std::array<std::string_view, BasedevRows> BasedevNotes = joined(kWarp4BasedevNotes, current::BasedevNotes);
constexpr std::array<std::string_view, DeviceRows> DeviceNames = joined(kWarp4DeviceNames, current::DeviceNames);
constexpr std::array<std::string_view, DeviceRows> DeviceNotes = joined(kWarp4DeviceNotes, current::DeviceNotes);

namespace {

// The notes are written as UTF-8 in this file; a compiler reading or emitting
// another charset would garble ø and å.
static_assert(std::string_view("ø") == "\xC3\xB8" && std::string_view("å") == "\xC3\xA5",
              "catalogue.cpp must be compiled with UTF-8 source and execution charsets");

// Characters of a UTF-8 text: every byte that does not continue a sequence.
constexpr std::size_t charCount(std::string_view utf8)
{
    std::size_t n = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    return n;
}

// Names are compared as 8-bit bytes against lines of the file, so they must be
// ASCII, where UTF-8 and the 8-bit set agree.
template<std::size_t N>
constexpr bool namesFit(const std::array<std::string_view, N> &names)
{
    for (std::string_view name : names) {
        if (name.empty() || name.size() > 12)
            return false;
        for (char c : name)
            if (static_cast<unsigned char>(c) >= 0x80)
                return false;
    }
    return true;
}

template<std::size_t N>
constexpr bool notesFit(const std::array<std::string_view, N> &notes, std::size_t limit)
{
    for (std::string_view note : notes)
        if (charCount(note) > limit)
            return false;
    return true;
}

constexpr bool extensionsFit()
{
    for (std::string_view ext : DriverExtensions)
        if (ext.size() != 4 || ext.front() != '.')
            return false;
    return true;
}

// Every row without a note of its own has one added, and only those.
constexpr bool addedNotesFit()
{
    for (std::size_t i = 0; i < current::DeviceNamesWithoutNote.size(); ++i) {
        bool found = false;
        for (std::size_t row = 0; row < kWarp4DeviceNames.size(); ++row)
            found |= kWarp4DeviceNames[row] == current::DeviceNamesWithoutNote[i] && kWarp4DeviceNotes[row].empty();
        if (!found)
            return false;
    }
    std::size_t empty = 0;
    for (std::string_view note : kWarp4DeviceNotes)
        empty += note.empty() ? 1 : 0;
    return empty == current::DeviceNamesWithoutNote.size();
}

static_assert(extensionsFit());
static_assert(namesFit(BasedevNames));
static_assert(namesFit(DeviceNames));
static_assert(namesFit(current::PsdNames));
static_assert(namesFit(current::IfsNames));
static_assert(notesFit(BasedevNotes, 50));
static_assert(notesFit(DeviceNotes, 80));
static_assert(notesFit(current::DeviceNotesAdded, 80));
static_assert(notesFit(current::PsdNotes, 50));
static_assert(notesFit(current::IfsNotes, 50));
static_assert(addedNotesFit());

// A note in the language installed: the notes are the source texts of the
// translations, each a whole string literal, so `text` ends in a NUL.
QString translated(std::string_view text)
{
    return text.empty() ? QString() : QCoreApplication::translate("Catalogue", text.data());
}

// Equal letter case aside, with the 8-bit upper-casing on both sides.
bool equalUpper(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (text8::upper(static_cast<unsigned char>(a[i]))
            != text8::upper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

BasedevInfo BasedevNote(std::string_view name)
{
    for (std::size_t i = 0; i < BasedevNames.size(); ++i)
        if (name == BasedevNames[i])
            return {translated(BasedevNotes[i]), static_cast<int>(i) + 1, BasedevRequired[i] == 1};
    return {};
}

// The row of `names` that is `name`, letter case aside; -1 when none is.
template<std::size_t N>
int rowOf(const std::array<std::string_view, N> &names, std::string_view name)
{
    for (std::size_t i = 0; i < N; ++i)
        if (equalUpper(name, names[i]))
            return static_cast<int>(i);
    return -1;
}

QString DeviceNote(std::string_view name)
{
    const int row = rowOf(DeviceNames, name);
    if (row < 0)
        return {};
    if (!DeviceNotes[static_cast<std::size_t>(row)].empty())
        return translated(DeviceNotes[static_cast<std::size_t>(row)]);
    const int added = rowOf(current::DeviceNamesWithoutNote, name);
    return added < 0 ? QString() : translated(current::DeviceNotesAdded[static_cast<std::size_t>(added)]);
}

FileInfo PsdNote(std::string_view name)
{
    const int row = rowOf(current::PsdNames, name);
    if (row < 0)
        return {};
    return {translated(current::PsdNotes[static_cast<std::size_t>(row)]), current::PsdRequired[static_cast<std::size_t>(row)] == 1};
}

FileInfo IfsNote(std::string_view name)
{
    const int row = rowOf(current::IfsNames, name);
    if (row < 0)
        return {};
    return {translated(current::IfsNotes[static_cast<std::size_t>(row)]), current::IfsRequired[static_cast<std::size_t>(row)] == 1};
}

} // namespace catalogue
