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
    "IDE- og SATA-disker (avløser IBM1S506.ADD)",
    "CD, DVD og andre ATAPI-enheter på IDE og SATA",
    "SATA-disker i AHCI-modus",
    "NVMe-disker (SSD på PCI Express)",
    "Logiske volumer (LVM): stasjonsbokstavene",
    "Diskkontroll av stasjonene ved oppstart",
    "Strømstyring (APM) gjennom ACPI.PSD",
    "USB 3-vertsstyrer (xHCI)",
    "USB 2-vertsstyrer (EHCI)",
    "USB 1-vertsstyrer (OHCI)",
    "USB 1-vertsstyrer (UHCI)",
    "USB-grunnlaget som alle USB-drivere trenger",
    "USB-tastatur, -mus og andre HID-enheter",
    "USB-minnepinner og -disker",
    "USB-CD- og DVD-stasjoner",
    "Disker gjennom BIOS (INT 13)",
    "ATAPI CD-ROM (IBMs eldre filter)",
};

// Device drivers, after row 42; notes of at most 80 characters.
inline constexpr std::array<std::string_view, 20> DeviceNames = {
    "USBKBD.SYS",   "USBMOUSE.SYS", "USBCOM.SYS",   "USBPRT.SYS",  "USBRESMG.SYS",
    "UNIAUD32.SYS", "UNIAUD16.SYS", "E1000E.OS2",   "R8169.OS2",   "NVETH.OS2",
    "GENM32W.OS2",  "PCNTND.OS2",   "SOCKETSK.SYS", "AFINETK.SYS", "TCPBEUI.OS2",
    "FWIP.SYS",     "GRADD.SYS",    "VMANWIN.SYS",  "VVGA.SYS",    "ANSI.SYS",
};
inline constexpr std::array<std::string_view, 20> DeviceNotes = {
    "USB-tastatur (trenger USBHID.SYS)",
    "USB-mus (trenger USBHID.SYS, POINTDD.SYS og MOUSE.SYS)",
    "USB serielle porter og modemer",
    "USB-skrivere",
    "USB-tilgang for programmer (ressursbehandler)",
    "Lyd: UNIAUD, lyddriveren for de fleste lydkort",
    "Lyd: UNIAUD, 16-bitsdelen (trenger UNIAUD32.SYS)",
    "Nettkort: Intel PRO/1000 og nyere Intel-kort (MultiMac)",
    "Nettkort: Realtek 8111, 8168 og 8169 (MultiMac)",
    "Nettkort: nVidia nForce (MultiMac)",
    "Nettkort gjennom Windows-drivere (GenMac)",
    "Nettkort: AMD PCnet, også i VirtualBox og VMware",
    "TCP/IP: 32-bits sockets",
    "TCP/IP: 32-bits Internett-protokoll",
    "Nettverk: NetBIOS over TCP/IP",
    "TCP/IP: brannmur",
    "Skjerm: GRADD, grunnlaget for skjermdriverne",
    "Skjerm: GRADD-støtte for DOS- og Win-OS/2-vinduer",
    "Skjerm: VGA i DOS-økter",
    "ANSI-skjermkoder i DOS-økter",
};

// Descriptions for the device drivers of rows 1 to 42 that have none, by
// name: their rows stay as they are.
inline constexpr std::array<std::string_view, 14> DeviceNamesWithoutNote = {
    "PROTMAN.OS2", "TESTCFG.SYS", "DOS.SYS",    "PMDD.SYS",   "VDPX.SYS",   "SSMDD.SYS",  "R0STUB.SYS",
    "MIDI.SYS",    "VCSHDD.SYS",  "SOCKETS.SYS", "AFOS2.SYS", "AFINET.SYS", "IFNDIS.SYS", "VNETAPI.OS2",
};
inline constexpr std::array<std::string_view, 14> DeviceNotesAdded = {
    "Nettverk: protokollbehandler (MPTS)",
    "Maskinvaresjekk for installasjon og drivere",
    "Støtte for DOS-økter",
    "Presentation Manager: skjermpeker",
    "DOS-utvidere (DPMI) i DOS-økter",
    "Multimedia: strømbehandler, trengs for lyd",
    "Multimedia: hjelpedriver for lyd",
    "Multimedia: MIDI",
    "Multimedia: lyd i DOS-økter",
    "TCP/IP: 16-bits sockets",
    "TCP/IP: lokale sockets",
    "TCP/IP: 16-bits Internett-protokoll",
    "TCP/IP: kobler TCP/IP til nettkortet (NDIS)",
    "Nettverk: LAN-tjenester i DOS-økter",
};

// Platform drivers (PSD=), notes of at most 50 characters.
inline constexpr std::array<std::string_view, 2> PsdNames = {"ACPI.PSD", "OS2APIC.PSD"};
inline constexpr std::array<std::uint16_t, 2> PsdRequired = {1, 0};
inline constexpr std::array<std::string_view, 2> PsdNotes = {
    "ACPI: avbrudd, flere prosessorer og strømstyring",
    "Flere prosessorer (APIC), den eldre PSD-en",
};

// Installable file systems (IFS=), notes of at most 50 characters.
inline constexpr std::array<std::string_view, 10> IfsNames = {
    "JFS.IFS",  "HPFS.IFS",     "FAT32.IFS",    "CDFS.IFS",  "UDF.IFS",
    "RAMFS.IFS", "NTFS.IFS",    "ISOFS.IFS",    "HPFS386.IFS", "NETWKSTA.200",
};
inline constexpr std::array<std::uint16_t, 10> IfsRequired = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
inline constexpr std::array<std::string_view, 10> IfsNotes = {
    "JFS-filsystemet, der ArcaOS installeres",
    "HPFS-filsystemet",
    "FAT32-stasjoner",
    "CD og DVD (ISO 9660 og Joliet)",
    "DVD og andre plater med UDF",
    "RAM-disk",
    "NTFS-stasjoner",
    "ISO-filer som stasjoner",
    "HPFS for tjenere (HPFS386)",
    "Nettstasjoner for LAN-klienten (IBM Peer)",
};

} // namespace catalogue::current
