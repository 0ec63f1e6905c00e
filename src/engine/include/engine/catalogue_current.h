// The rows of the driver catalogue for the drivers of a current installation
// (ArcaOS 5, eComStation 2): read by catalogue.cpp only.
//
// The names are those an ArcaOS installation loads or offers: the boot
// drivers that the log tool of the ACPI, USB and AHCI drivers (testlog.cmd
// 2.9 by David Azarewicz, http://88watts.net) reads from \OS2\BOOT (ACPI.PSD, APM.ADD,
// OS2AHCI.ADD, DANIS506.ADD and the USB stack, USBD, USBUHCD, USBOHCD,
// USBEHCD, USBHID, USBCOM, USBKBD, USBPRT, USBMSD.ADD), the MultiMac network
// drivers it reads from \IBMCOM\MACS (E1000E, R8169, NVETH) and UNIAUD from
// \MMOS2; the file systems and the rest from the CONFIG.SYS of current
// installations (the eComStation file under tests/data among them).
#pragma once

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <string_view>

namespace catalogue::current {

// Base-device drivers, after row 14 of the catalogue; notes of at most 50
// characters. Required: every installation of today loads it.
inline constexpr std::array<std::string_view, 17> BasedevNames = {
    "DANIS506.ADD", "DANIATAP.FLT", "OS2AHCI.ADD", "NVME.ADD",    "OS2LVM.DMD",  "CHKDSK.SYS",
    "APM.ADD",      "USBXHCD.SYS",  "USBEHCD.SYS", "USBOHCD.SYS", "USBUHCD.SYS", "USBD.SYS",
    "USBHID.SYS",   "USBMSD.ADD",   "USBCDROM.ADD", "IBMINT13.I13", "IBMATAPI.FLT",
};
inline constexpr std::array<std::uint16_t, 17> BasedevRequired = {
    0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
};
inline constexpr std::array<std::string_view, 17> BasedevNotes = {
    QT_TRANSLATE_NOOP("Catalogue", "IDE- og SATA-disker (avløser IBM1S506.ADD)"),
    QT_TRANSLATE_NOOP("Catalogue", "CD, DVD og andre ATAPI-enheter på IDE og SATA"),
    QT_TRANSLATE_NOOP("Catalogue", "SATA-disker i AHCI-modus"),
    QT_TRANSLATE_NOOP("Catalogue", "NVMe-disker (SSD på PCI Express)"),
    QT_TRANSLATE_NOOP("Catalogue", "Logiske volumer (LVM): stasjonsbokstavene"),
    QT_TRANSLATE_NOOP("Catalogue", "Diskkontroll av stasjonene ved oppstart"),
    QT_TRANSLATE_NOOP("Catalogue", "Strømstyring (APM) gjennom ACPI.PSD"),
    QT_TRANSLATE_NOOP("Catalogue", "USB 3-vertsstyrer (xHCI)"),
    QT_TRANSLATE_NOOP("Catalogue", "USB 2-vertsstyrer (EHCI)"),
    QT_TRANSLATE_NOOP("Catalogue", "USB 1-vertsstyrer (OHCI)"),
    QT_TRANSLATE_NOOP("Catalogue", "USB 1-vertsstyrer (UHCI)"),
    QT_TRANSLATE_NOOP("Catalogue", "USB-grunnlaget som alle USB-drivere trenger"),
    QT_TRANSLATE_NOOP("Catalogue", "USB-tastatur, -mus og andre HID-enheter"),
    QT_TRANSLATE_NOOP("Catalogue", "USB-minnepinner og -disker"),
    QT_TRANSLATE_NOOP("Catalogue", "USB-CD- og DVD-stasjoner"),
    QT_TRANSLATE_NOOP("Catalogue", "Disker gjennom BIOS (INT 13)"),
    QT_TRANSLATE_NOOP("Catalogue", "ATAPI CD-ROM (IBMs eldre filter)"),
};

// Device drivers, after row 42; notes of at most 80 characters.
inline constexpr std::array<std::string_view, 20> DeviceNames = {
    "USBKBD.SYS",   "USBMOUSE.SYS", "USBCOM.SYS",   "USBPRT.SYS",  "USBRESMG.SYS",
    "UNIAUD32.SYS", "UNIAUD16.SYS", "E1000E.OS2",   "R8169.OS2",   "NVETH.OS2",
    "GENM32W.OS2",  "PCNTND.OS2",   "SOCKETSK.SYS", "AFINETK.SYS", "TCPBEUI.OS2",
    "FWIP.SYS",     "GRADD.SYS",    "VMANWIN.SYS",  "VVGA.SYS",    "ANSI.SYS",
};
inline constexpr std::array<std::string_view, 20> DeviceNotes = {
    QT_TRANSLATE_NOOP("Catalogue", "USB-tastatur (trenger USBHID.SYS)"),
    QT_TRANSLATE_NOOP("Catalogue", "USB-mus (trenger USBHID.SYS, POINTDD.SYS og MOUSE.SYS)"),
    QT_TRANSLATE_NOOP("Catalogue", "USB serielle porter og modemer"),
    QT_TRANSLATE_NOOP("Catalogue", "USB-skrivere"),
    QT_TRANSLATE_NOOP("Catalogue", "USB-tilgang for programmer (ressursbehandler)"),
    QT_TRANSLATE_NOOP("Catalogue", "Lyd: UNIAUD, lyddriveren for de fleste lydkort"),
    QT_TRANSLATE_NOOP("Catalogue", "Lyd: UNIAUD, 16-bitsdelen (trenger UNIAUD32.SYS)"),
    QT_TRANSLATE_NOOP("Catalogue", "Nettkort: Intel PRO/1000 og nyere Intel-kort (MultiMac)"),
    QT_TRANSLATE_NOOP("Catalogue", "Nettkort: Realtek 8111, 8168 og 8169 (MultiMac)"),
    QT_TRANSLATE_NOOP("Catalogue", "Nettkort: nVidia nForce (MultiMac)"),
    QT_TRANSLATE_NOOP("Catalogue", "Nettkort gjennom Windows-drivere (GenMac)"),
    QT_TRANSLATE_NOOP("Catalogue", "Nettkort: AMD PCnet, også i VirtualBox og VMware"),
    QT_TRANSLATE_NOOP("Catalogue", "TCP/IP: 32-bits sockets"),
    QT_TRANSLATE_NOOP("Catalogue", "TCP/IP: 32-bits Internett-protokoll"),
    QT_TRANSLATE_NOOP("Catalogue", "Nettverk: NetBIOS over TCP/IP"),
    QT_TRANSLATE_NOOP("Catalogue", "TCP/IP: brannmur"),
    QT_TRANSLATE_NOOP("Catalogue", "Skjerm: GRADD, grunnlaget for skjermdriverne"),
    QT_TRANSLATE_NOOP("Catalogue", "Skjerm: GRADD-støtte for DOS- og Win-OS/2-vinduer"),
    QT_TRANSLATE_NOOP("Catalogue", "Skjerm: VGA i DOS-økter"),
    QT_TRANSLATE_NOOP("Catalogue", "ANSI-skjermkoder i DOS-økter"),
};

// Descriptions for the device drivers of rows 1 to 42 that have none, by
// name: their rows stay as they are.
inline constexpr std::array<std::string_view, 14> DeviceNamesWithoutNote = {
    "PROTMAN.OS2", "TESTCFG.SYS", "DOS.SYS",    "PMDD.SYS",   "VDPX.SYS",   "SSMDD.SYS",  "R0STUB.SYS",
    "MIDI.SYS",    "VCSHDD.SYS",  "SOCKETS.SYS", "AFOS2.SYS", "AFINET.SYS", "IFNDIS.SYS", "VNETAPI.OS2",
};
inline constexpr std::array<std::string_view, 14> DeviceNotesAdded = {
    QT_TRANSLATE_NOOP("Catalogue", "Nettverk: protokollbehandler (MPTS)"),
    QT_TRANSLATE_NOOP("Catalogue", "Maskinvaresjekk for installasjon og drivere"),
    QT_TRANSLATE_NOOP("Catalogue", "Støtte for DOS-økter"),
    QT_TRANSLATE_NOOP("Catalogue", "Presentation Manager: skjermpeker"),
    QT_TRANSLATE_NOOP("Catalogue", "DOS-utvidere (DPMI) i DOS-økter"),
    QT_TRANSLATE_NOOP("Catalogue", "Multimedia: strømbehandler, trengs for lyd"),
    QT_TRANSLATE_NOOP("Catalogue", "Multimedia: hjelpedriver for lyd"),
    QT_TRANSLATE_NOOP("Catalogue", "Multimedia: MIDI"),
    QT_TRANSLATE_NOOP("Catalogue", "Multimedia: lyd i DOS-økter"),
    QT_TRANSLATE_NOOP("Catalogue", "TCP/IP: 16-bits sockets"),
    QT_TRANSLATE_NOOP("Catalogue", "TCP/IP: lokale sockets"),
    QT_TRANSLATE_NOOP("Catalogue", "TCP/IP: 16-bits Internett-protokoll"),
    QT_TRANSLATE_NOOP("Catalogue", "TCP/IP: kobler TCP/IP til nettkortet (NDIS)"),
    QT_TRANSLATE_NOOP("Catalogue", "Nettverk: LAN-tjenester i DOS-økter"),
};

// Platform drivers (PSD=), notes of at most 50 characters.
inline constexpr std::array<std::string_view, 2> PsdNames = {"ACPI.PSD", "OS2APIC.PSD"};
inline constexpr std::array<std::uint16_t, 2> PsdRequired = {1, 0};
inline constexpr std::array<std::string_view, 2> PsdNotes = {
    QT_TRANSLATE_NOOP("Catalogue", "ACPI: avbrudd, flere prosessorer og strømstyring"),
    QT_TRANSLATE_NOOP("Catalogue", "Flere prosessorer (APIC), den eldre PSD-en"),
};

// Installable file systems (IFS=), notes of at most 50 characters.
inline constexpr std::array<std::string_view, 10> IfsNames = {
    "JFS.IFS",  "HPFS.IFS",     "FAT32.IFS",    "CDFS.IFS",  "UDF.IFS",
    "RAMFS.IFS", "NTFS.IFS",    "ISOFS.IFS",    "HPFS386.IFS", "NETWKSTA.200",
};
inline constexpr std::array<std::uint16_t, 10> IfsRequired = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
inline constexpr std::array<std::string_view, 10> IfsNotes = {
    QT_TRANSLATE_NOOP("Catalogue", "JFS-filsystemet, der ArcaOS installeres"),
    QT_TRANSLATE_NOOP("Catalogue", "HPFS-filsystemet"),
    QT_TRANSLATE_NOOP("Catalogue", "FAT32-stasjoner"),
    QT_TRANSLATE_NOOP("Catalogue", "CD og DVD (ISO 9660 og Joliet)"),
    QT_TRANSLATE_NOOP("Catalogue", "DVD og andre plater med UDF"),
    QT_TRANSLATE_NOOP("Catalogue", "RAM-disk"),
    QT_TRANSLATE_NOOP("Catalogue", "NTFS-stasjoner"),
    QT_TRANSLATE_NOOP("Catalogue", "ISO-filer som stasjoner"),
    QT_TRANSLATE_NOOP("Catalogue", "HPFS for tjenere (HPFS386)"),
    QT_TRANSLATE_NOOP("Catalogue", "Nettstasjoner for LAN-klienten (IBM Peer)"),
};

} // namespace catalogue::current
