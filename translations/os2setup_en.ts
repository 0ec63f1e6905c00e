<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nb_NO">
<context>
    <name>AboutBox</name>
    <message>
        <source>Om os2setup</source>
        <translation>About os2setup</translation>
    </message>
    <message>
        <source>OS/2 setup – rediger CONFIG.SYS for OS/2</source>
        <translation>OS/2 setup – edit CONFIG.SYS for OS/2</translation>
    </message>
    <message>
        <source>Versjon:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Lisens:</source>
        <translation>Licence:</translation>
    </message>
    <message>
        <source>GPL-3.0-or-later (GNU General Public License, versjon 3 eller senere)</source>
        <translation>GPL-3.0-or-later (GNU General Public License, version 3 or later)</translation>
    </message>
    <message>
        <source>Stasjon C:</source>
        <translation>Drive C:</translation>
    </message>
    <message>
        <source>Velg OS/2-stasjonen…</source>
        <translation>Choose the OS/2 drive…</translation>
    </message>
    <message>
        <source>Velger mappen eller partisjonen som er stasjon C:, og leser CONFIG.SYS derfra</source>
        <translation>Chooses the folder or partition that is drive C:, and reads CONFIG.SYS from there</translation>
    </message>
    <message>
        <source>Leser:</source>
        <translation>Reads:</translation>
    </message>
    <message>
        <source>Skriver:</source>
        <translation>Writes:</translation>
    </message>
    <message>
        <source>C:\CONFIG.NEW med «Lagre»
C:\STARTUP.CMD med knappene på «Oppstart»
C:\AUTOEXEC.BAT og C:\AUTOEXEC.BAK med knappene på «DOS»</source>
        <translation>C:\CONFIG.NEW with “Save”
C:\STARTUP.CMD with the buttons on “Startup”
C:\AUTOEXEC.BAT and C:\AUTOEXEC.BAK with the buttons on “DOS”</translation>
    </message>
    <message>
        <source>Vil den starte?</source>
        <translation>Will it boot?</translation>
    </message>
    <message>
        <source>Sjekk hele filen… (Ctrl+Shift+K)</source>
        <translation>Check the whole file… (Ctrl+Shift+K)</translation>
    </message>
    <message>
        <source>Ser etter hver fil og mappe som de aktive linjene nevner, og viser det som mangler</source>
        <translation>Looks for every file and folder that the active lines name, and shows what is missing</translation>
    </message>
    <message>
        <source>Hva er endret?</source>
        <translation>What has changed?</translation>
    </message>
    <message>
        <source>Endringer… (Ctrl+D)</source>
        <translation>Changes… (Ctrl+D)</translation>
    </message>
    <message>
        <source>Viser hver linje som er endret eller lagt til siden filen ble lest inn</source>
        <translation>Shows every line changed or added since the file was read</translation>
    </message>
    <message>
        <source>Oppstartsfilen:</source>
        <translation>Boot file:</translation>
    </message>
    <message>
        <source>Ta i bruk CONFIG.NEW… (Ctrl+Shift+T)</source>
        <translation>Install CONFIG.NEW… (Ctrl+Shift+T)</translation>
    </message>
    <message>
        <source>Viser hva C:\CONFIG.NEW endrer og om OS/2 vil starte med den, og legger den på plass som C:\CONFIG.SYS etter en kopi av den gamle</source>
        <translation>Shows what C:\CONFIG.NEW changes and whether OS/2 will boot with it, and puts it in place as C:\CONFIG.SYS after a copy of the old one</translation>
    </message>
    <message>
        <source>Prøv ved neste oppstart…</source>
        <translation>Try at next boot…</translation>
    </message>
    <message>
        <source>Legger C:\CONFIG.NEW inn som en prøve i OS/2s Alt+F1-meny, så neste oppstart kan starte med den én gang; C:\CONFIG.SYS endres ikke</source>
        <translation>Adds C:\CONFIG.NEW as a trial to OS/2&apos;s Alt+F1 menu, so that the next boot can start with it once; C:\CONFIG.SYS is not changed</translation>
    </message>
    <message>
        <source>Gjenopprett CONFIG.SYS…</source>
        <translation>Restore CONFIG.SYS…</translation>
    </message>
    <message>
        <source>Legger en tidligere CONFIG.SYS på plass igjen: CONFIG.nnn, en kopi fra os2setup, OS/2s arkiv eller installasjon</source>
        <translation>Puts an earlier CONFIG.SYS back in place: CONFIG.nnn, a copy made by os2setup, OS/2&apos;s archive or installation</translation>
    </message>
    <message>
        <source>Lukk</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>valget --drive</source>
        <translation>the option --drive</translation>
    </message>
    <message>
        <source>miljøvariabelen %1</source>
        <translation>the environment variable %1</translation>
    </message>
    <message>
        <source>valgt i stasjonsvelgeren</source>
        <translation>chosen in the drive chooser</translation>
    </message>
    <message>
        <source>ikke koblet</source>
        <translation>not mapped</translation>
    </message>
    <message>
        <source>Angre en endring:</source>
        <translation>Undo a change:</translation>
    </message>
    <message>
        <source>Angre (Ctrl+Z)</source>
        <translation>Undo (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Angrer den siste endringen av CONFIG.SYS, ett steg om gangen (Ctrl+Z)</source>
        <translation>Undoes the last change to CONFIG.SYS, one step at a time (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Gjør om (Ctrl+Shift+Z, Ctrl+Y)</source>
        <translation>Redo (Ctrl+Shift+Z, Ctrl+Y)</translation>
    </message>
    <message>
        <source>Gjør om det siste steget som ble angret (Ctrl+Shift+Z eller Ctrl+Y)</source>
        <translation>Redoes the last step that was undone (Ctrl+Shift+Z or Ctrl+Y)</translation>
    </message>
    <message>
        <source>Finn:</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>Finn i filen… (Ctrl+F)</source>
        <translation>Find in the file… (Ctrl+F)</translation>
    </message>
    <message>
        <source>Finner tekst i linjene på «Fil» og merker hver linje som har den</source>
        <translation>Finds text in the lines on “File” and marks every line that contains it</translation>
    </message>
    <message>
        <source>F3, Shift+F3:</source>
        <translation>F3, Shift+F3:</translation>
    </message>
    <message>
        <source>neste og forrige linje med teksten</source>
        <translation>next and previous line with the text</translation>
    </message>
    <message>
        <source>Gå til linje… (Ctrl+G)</source>
        <translation>Go to line… (Ctrl+G)</translation>
    </message>
    <message>
        <source>Gjør linjen med nummeret du skriver, til gjeldende linje</source>
        <translation>Makes the line with the number you type the current line</translation>
    </message>
    <message>
        <source>Esc:</source>
        <translation>Esc:</translation>
    </message>
    <message>
        <source>lukker søket; den valgte linjen blir stående</source>
        <translation>closes the search; the selected line stays selected</translation>
    </message>
</context>
<context>
    <name>BootCheckDialog</name>
    <message>
        <source>Sjekk hele filen</source>
        <translation>Check the whole file</translation>
    </message>
    <message>
        <source>Funn</source>
        <translation>Findings</translation>
    </message>
    <message>
        <source>Lukk</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Ta i bruk CONFIG.NEW…</source>
        <translation>Install CONFIG.NEW…</translation>
    </message>
    <message>
        <source>Legger C:\CONFIG.NEW på plass som C:\CONFIG.SYS (Ctrl+Shift+T)</source>
        <translation>Puts C:\CONFIG.NEW in place as C:\CONFIG.SYS (Ctrl+Shift+T)</translation>
    </message>
    <message>
        <source>Sjekk igjen</source>
        <translation>Check again</translation>
    </message>
    <message>
        <source>Sjekker filen slik den står nå (Ctrl+Shift+K i hovedvinduet)</source>
        <translation>Checks the file as it is now (Ctrl+Shift+K in the main window)</translation>
    </message>
    <message>
        <source>Oppstartsstasjon: %1:
</source>
        <translation>Boot drive: %1:
</translation>
    </message>
    <message>
        <source>OS/2 kjenner alle setningene og godtar verdiene, og alle filer og mapper som de aktive linjene nevner, er der OS/2 leter etter dem.</source>
        <translation>OS/2 knows every statement and accepts the values, and every file and folder that the active lines name is where OS/2 looks for it.</translation>
    </message>
    <message>
        <source>Det OS/2 ikke finner eller ikke godtar, det verste først. Enter eller et klikk på et funn går til linjen i filen.</source>
        <translation>What OS/2 cannot find or does not accept, worst first. Enter or a click on a finding goes to its line in the file.</translation>
    </message>
    <message>
        <source>
Filen er endret etter sjekken: «Sjekk igjen» sjekker den slik den står nå.</source>
        <translation>
The file has changed since the check: “Check again” checks it as it is now.</translation>
    </message>
</context>
<context>
    <name>BootMenu</name>
    <message>
        <source>«%1» kan ikke være tast for en prøve: bruk en bokstav A–Z eller et siffer 4–9.</source>
        <translation>“%1” cannot be the key of a trial: use a letter A–Z or a digit 4–9.</translation>
    </message>
    <message>
        <source>Tasten %1 bruker OS/2 selv i Alt+F1-menyen (C, M, V, X, 1, 2 og 3).</source>
        <translation>OS/2 itself uses the key %1 in the Alt+F1 menu (C, M, V, X, 1, 2 and 3).</translation>
    </message>
    <message>
        <source>Tasten %1 er i bruk: %2\CONFIG.%1 finnes allerede.</source>
        <translation>The key %1 is taken: %2\CONFIG.%1 exists already.</translation>
    </message>
    <message>
        <source>Tasten %1 er i bruk: Alt+F1-menyen i %2 har allerede en linje for den.</source>
        <translation>The key %1 is taken: the Alt+F1 menu in %2 already has a line for it.</translation>
    </message>
    <message>
        <source>Alle tastene A–Z og 4–9 er i bruk i Alt+F1-menyen eller av en CONFIG-fil i %1. Fjern en prøve før du legger inn en ny.</source>
        <translation>All the keys A–Z and 4–9 are taken in the Alt+F1 menu or by a CONFIG file in %1. Remove a trial before you add a new one.</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Støtte for diskettsatsjon</source>
        <translation>Diskette drive support</translation>
    </message>
    <message>
        <source>Støtte for PS/2 diskettstasjon</source>
        <translation>PS/2 diskette drive support</translation>
    </message>
    <message>
        <source>Støtte for XDF disketter</source>
        <translation>XDF diskette support</translation>
    </message>
    <message>
        <source>Støtte for CD-ROM</source>
        <translation>CD-ROM support</translation>
    </message>
    <message>
        <source>Støtte for CDROM</source>
        <translation>CD-ROM support</translation>
    </message>
    <message>
        <source>Støtte for paralleport, IDE-EISA</source>
        <translation>Parallel port support, IDE-EISA</translation>
    </message>
    <message>
        <source>Støtte for paralellport, MCA</source>
        <translation>Parallel port support, MCA</translation>
    </message>
    <message>
        <source>Styreprogram til platelagre av typen MFM, RLL, ESD</source>
        <translation>Driver for MFM, RLL and ESDI hard disks</translation>
    </message>
    <message>
        <source>Styreprogram til SCSI scannere, båndstasjoner etc.</source>
        <translation>Driver for SCSI scanners, tape drives etc.</translation>
    </message>
    <message>
        <source>Enhetstyrer-transportlaget for DASD-enheter</source>
        <translation>Device manager transport layer for DASD devices</translation>
    </message>
    <message>
        <source>Gir støtte for SCSI II optiske stasjoner</source>
        <translation>Support for SCSI II optical drives</translation>
    </message>
    <message>
        <source>Styreprogram til tastatur</source>
        <translation>Keyboard driver</translation>
    </message>
    <message>
        <source>Støtte for SCSI-enheter</source>
        <translation>SCSI device support</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Nettverk</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>EMM, Expanded Memory Manager for DOS</source>
        <translation>EMM, Expanded Memory Manager for DOS</translation>
    </message>
    <message>
        <source>XMS, eXtended Memory Manager for DOS</source>
        <translation>XMS, eXtended Memory Manager for DOS</translation>
    </message>
    <message>
        <source>DPMI, Protected Mode for DOS</source>
        <translation>DPMI, Protected Mode for DOS</translation>
    </message>
    <message>
        <source>Støtte for Windows</source>
        <translation>Windows support</translation>
    </message>
    <message>
        <source>Støtte for Windows 32s</source>
        <translation>Win32s support</translation>
    </message>
    <message>
        <source>Støtte for CD-ROM i DOS og Windows</source>
        <translation>CD-ROM support in DOS and Windows</translation>
    </message>
    <message>
        <source>Støtte for mus i DOS og Windows sesjoner</source>
        <translation>Mouse support in DOS and Windows sessions</translation>
    </message>
    <message>
        <source>Støtte for pekerutstyr</source>
        <translation>Pointing device support</translation>
    </message>
    <message>
        <source>Støtte for mus (trenger POINTDD.SYS for å virke skikkelig)</source>
        <translation>Mouse support (needs POINTDD.SYS to work properly)</translation>
    </message>
    <message>
        <source>Driver til RS-232S serielle porter COM1..COM4</source>
        <translation>Driver for RS-232 serial ports COM1..COM4</translation>
    </message>
    <message>
        <source>Driver til RS-232S serielle porter i DOS og Windows sesjoner</source>
        <translation>Driver for RS-232 serial ports in DOS and Windows sessions</translation>
    </message>
    <message>
        <source>Skjerm driver</source>
        <translation>Display driver</translation>
    </message>
    <message>
        <source>BonusPak</source>
        <translation>BonusPak</translation>
    </message>
    <message>
        <source>SoundBlaster driver</source>
        <translation>Sound Blaster driver</translation>
    </message>
    <message>
        <source>Lyddriver</source>
        <translation>Audio driver</translation>
    </message>
    <message>
        <source>Nettverk driver</source>
        <translation>Network driver</translation>
    </message>
    <message>
        <source>Nett Bios</source>
        <translation>NetBIOS</translation>
    </message>
    <message>
        <source>TCP/IP støtte i DOS</source>
        <translation>TCP/IP support in DOS</translation>
    </message>
    <message>
        <source>Systemfeil logging ( RUN=LOGDAEM.EXE må være med i CONFIG.SYS</source>
        <translation>System error logging (RUN=LOGDAEM.EXE must be in CONFIG.SYS)</translation>
    </message>
    <message>
        <source>Nettverk: Null Protokoll</source>
        <translation>Network: null protocol</translation>
    </message>
    <message>
        <source>Tildeler en stasjonsbokstav til en diskettstasjon</source>
        <translation>Assigns a drive letter to a diskette drive</translation>
    </message>
    <message>
        <source>IDE- og SATA-disker (avløser IBM1S506.ADD)</source>
        <translation>IDE and SATA disks (replaces IBM1S506.ADD)</translation>
    </message>
    <message>
        <source>CD, DVD og andre ATAPI-enheter på IDE og SATA</source>
        <translation>CD, DVD and other ATAPI devices on IDE and SATA</translation>
    </message>
    <message>
        <source>SATA-disker i AHCI-modus</source>
        <translation>SATA disks in AHCI mode</translation>
    </message>
    <message>
        <source>NVMe-disker (SSD på PCI Express)</source>
        <translation>NVMe disks (SSD on PCI Express)</translation>
    </message>
    <message>
        <source>Logiske volumer (LVM): stasjonsbokstavene</source>
        <translation>Logical volumes (LVM): the drive letters</translation>
    </message>
    <message>
        <source>Diskkontroll av stasjonene ved oppstart</source>
        <translation>Disk check of the drives at boot</translation>
    </message>
    <message>
        <source>Strømstyring (APM) gjennom ACPI.PSD</source>
        <translation>Power management (APM) through ACPI.PSD</translation>
    </message>
    <message>
        <source>USB 3-vertsstyrer (xHCI)</source>
        <translation>USB 3 host controller (xHCI)</translation>
    </message>
    <message>
        <source>USB 2-vertsstyrer (EHCI)</source>
        <translation>USB 2 host controller (EHCI)</translation>
    </message>
    <message>
        <source>USB 1-vertsstyrer (OHCI)</source>
        <translation>USB 1 host controller (OHCI)</translation>
    </message>
    <message>
        <source>USB 1-vertsstyrer (UHCI)</source>
        <translation>USB 1 host controller (UHCI)</translation>
    </message>
    <message>
        <source>USB-grunnlaget som alle USB-drivere trenger</source>
        <translation>The USB base every USB driver needs</translation>
    </message>
    <message>
        <source>USB-tastatur, -mus og andre HID-enheter</source>
        <translation>USB keyboard, mouse and other HID devices</translation>
    </message>
    <message>
        <source>USB-minnepinner og -disker</source>
        <translation>USB memory sticks and disks</translation>
    </message>
    <message>
        <source>USB-CD- og DVD-stasjoner</source>
        <translation>USB CD and DVD drives</translation>
    </message>
    <message>
        <source>Disker gjennom BIOS (INT 13)</source>
        <translation>Disks through the BIOS (INT 13)</translation>
    </message>
    <message>
        <source>ATAPI CD-ROM (IBMs eldre filter)</source>
        <translation>ATAPI CD-ROM (IBM&apos;s older filter)</translation>
    </message>
    <message>
        <source>USB-tastatur (trenger USBHID.SYS)</source>
        <translation>USB keyboard (needs USBHID.SYS)</translation>
    </message>
    <message>
        <source>USB-mus (trenger USBHID.SYS, POINTDD.SYS og MOUSE.SYS)</source>
        <translation>USB mouse (needs USBHID.SYS, POINTDD.SYS and MOUSE.SYS)</translation>
    </message>
    <message>
        <source>USB serielle porter og modemer</source>
        <translation>USB serial ports and modems</translation>
    </message>
    <message>
        <source>USB-skrivere</source>
        <translation>USB printers</translation>
    </message>
    <message>
        <source>USB-tilgang for programmer (ressursbehandler)</source>
        <translation>USB access for programs (resource manager)</translation>
    </message>
    <message>
        <source>Lyd: UNIAUD, lyddriveren for de fleste lydkort</source>
        <translation>Audio: UNIAUD, the audio driver for most sound cards</translation>
    </message>
    <message>
        <source>Lyd: UNIAUD, 16-bitsdelen (trenger UNIAUD32.SYS)</source>
        <translation>Audio: UNIAUD, the 16-bit part (needs UNIAUD32.SYS)</translation>
    </message>
    <message>
        <source>Nettkort: Intel PRO/1000 og nyere Intel-kort (MultiMac)</source>
        <translation>Network card: Intel PRO/1000 and newer Intel cards (MultiMac)</translation>
    </message>
    <message>
        <source>Nettkort: Realtek 8111, 8168 og 8169 (MultiMac)</source>
        <translation>Network card: Realtek 8111, 8168 and 8169 (MultiMac)</translation>
    </message>
    <message>
        <source>Nettkort: nVidia nForce (MultiMac)</source>
        <translation>Network card: nVidia nForce (MultiMac)</translation>
    </message>
    <message>
        <source>Nettkort gjennom Windows-drivere (GenMac)</source>
        <translation>Network cards through Windows drivers (GenMac)</translation>
    </message>
    <message>
        <source>Nettkort: AMD PCnet, også i VirtualBox og VMware</source>
        <translation>Network card: AMD PCnet, also in VirtualBox and VMware</translation>
    </message>
    <message>
        <source>TCP/IP: 32-bits sockets</source>
        <translation>TCP/IP: 32-bit sockets</translation>
    </message>
    <message>
        <source>TCP/IP: 32-bits Internett-protokoll</source>
        <translation>TCP/IP: 32-bit Internet protocol</translation>
    </message>
    <message>
        <source>Nettverk: NetBIOS over TCP/IP</source>
        <translation>Network: NetBIOS over TCP/IP</translation>
    </message>
    <message>
        <source>TCP/IP: brannmur</source>
        <translation>TCP/IP: firewall</translation>
    </message>
    <message>
        <source>Skjerm: GRADD, grunnlaget for skjermdriverne</source>
        <translation>Display: GRADD, the base of the display drivers</translation>
    </message>
    <message>
        <source>Skjerm: GRADD-støtte for DOS- og Win-OS/2-vinduer</source>
        <translation>Display: GRADD support for DOS and Win-OS/2 windows</translation>
    </message>
    <message>
        <source>Skjerm: VGA i DOS-økter</source>
        <translation>Display: VGA in DOS sessions</translation>
    </message>
    <message>
        <source>ANSI-skjermkoder i DOS-økter</source>
        <translation>ANSI screen codes in DOS sessions</translation>
    </message>
    <message>
        <source>Nettverk: protokollbehandler (MPTS)</source>
        <translation>Network: protocol manager (MPTS)</translation>
    </message>
    <message>
        <source>Maskinvaresjekk for installasjon og drivere</source>
        <translation>Hardware check for installation and drivers</translation>
    </message>
    <message>
        <source>Støtte for DOS-økter</source>
        <translation>DOS session support</translation>
    </message>
    <message>
        <source>Presentation Manager: skjermpeker</source>
        <translation>Presentation Manager: mouse pointer</translation>
    </message>
    <message>
        <source>DOS-utvidere (DPMI) i DOS-økter</source>
        <translation>DOS extenders (DPMI) in DOS sessions</translation>
    </message>
    <message>
        <source>Multimedia: strømbehandler, trengs for lyd</source>
        <translation>Multimedia: stream handler, needed for audio</translation>
    </message>
    <message>
        <source>Multimedia: hjelpedriver for lyd</source>
        <translation>Multimedia: audio helper driver</translation>
    </message>
    <message>
        <source>Multimedia: MIDI</source>
        <translation>Multimedia: MIDI</translation>
    </message>
    <message>
        <source>Multimedia: lyd i DOS-økter</source>
        <translation>Multimedia: audio in DOS sessions</translation>
    </message>
    <message>
        <source>TCP/IP: 16-bits sockets</source>
        <translation>TCP/IP: 16-bit sockets</translation>
    </message>
    <message>
        <source>TCP/IP: lokale sockets</source>
        <translation>TCP/IP: local sockets</translation>
    </message>
    <message>
        <source>TCP/IP: 16-bits Internett-protokoll</source>
        <translation>TCP/IP: 16-bit Internet protocol</translation>
    </message>
    <message>
        <source>TCP/IP: kobler TCP/IP til nettkortet (NDIS)</source>
        <translation>TCP/IP: connects TCP/IP to the network card (NDIS)</translation>
    </message>
    <message>
        <source>Nettverk: LAN-tjenester i DOS-økter</source>
        <translation>Network: LAN services in DOS sessions</translation>
    </message>
    <message>
        <source>ACPI: avbrudd, flere prosessorer og strømstyring</source>
        <translation>ACPI: interrupts, multiple processors and power management</translation>
    </message>
    <message>
        <source>Flere prosessorer (APIC), den eldre PSD-en</source>
        <translation>Multiple processors (APIC), the older PSD</translation>
    </message>
    <message>
        <source>JFS-filsystemet, der ArcaOS installeres</source>
        <translation>The JFS file system, where ArcaOS is installed</translation>
    </message>
    <message>
        <source>HPFS-filsystemet</source>
        <translation>The HPFS file system</translation>
    </message>
    <message>
        <source>FAT32-stasjoner</source>
        <translation>FAT32 drives</translation>
    </message>
    <message>
        <source>CD og DVD (ISO 9660 og Joliet)</source>
        <translation>CD and DVD (ISO 9660 and Joliet)</translation>
    </message>
    <message>
        <source>DVD og andre plater med UDF</source>
        <translation>DVD and other discs with UDF</translation>
    </message>
    <message>
        <source>RAM-disk</source>
        <translation>RAM disk</translation>
    </message>
    <message>
        <source>NTFS-stasjoner</source>
        <translation>NTFS drives</translation>
    </message>
    <message>
        <source>ISO-filer som stasjoner</source>
        <translation>ISO files as drives</translation>
    </message>
    <message>
        <source>HPFS for tjenere (HPFS386)</source>
        <translation>HPFS for servers (HPFS386)</translation>
    </message>
    <message>
        <source>Nettstasjoner for LAN-klienten (IBM Peer)</source>
        <translation>Network drives for the LAN client (IBM Peer)</translation>
    </message>
</context>
<context>
    <name>ChangeDetail</name>
    <message>
        <source>Linjen før</source>
        <translation>The line before</translation>
    </message>
    <message>
        <source>Linjen nå</source>
        <translation>The line now</translation>
    </message>
    <message>
        <source>Elementer lagt til, fjernet eller flyttet</source>
        <translation>Items added, removed or moved</translation>
    </message>
    <message>
        <source>For LIBPATH, SET PATH og andre lister med «;»: elementene endringen legger til (+), fjerner (−) eller flytter (~), i listens rekkefølge</source>
        <translation>For LIBPATH, SET PATH and other lists with “;”: the items the change adds (+), removes (−) or moves (~), in the list&apos;s order</translation>
    </message>
    <message>
        <source>&amp;Før:</source>
        <translation>&amp;Before:</translation>
    </message>
    <message>
        <source>&amp;Nå:</source>
        <translation>&amp;Now:</translation>
    </message>
    <message>
        <source>&amp;Elementer:</source>
        <translation>&amp;Items:</translation>
    </message>
</context>
<context>
    <name>ChangesDialog</name>
    <message>
        <source>&amp;Angre endringen</source>
        <translation>&amp;Undo the change</translation>
    </message>
    <message>
        <source>Endringer</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>Setter linjen tilbake slik den var i filen som ble lest inn</source>
        <translation>Puts the line back as it was in the file that was read</translation>
    </message>
    <message>
        <source>Lukk</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ChangesModel</name>
    <message>
        <source>Ingen endringer</source>
        <translation>No changes</translation>
    </message>
    <message>
        <source>%1 linje lagt til</source>
        <translation>%1 line added</translation>
    </message>
    <message>
        <source>%1 linjer lagt til</source>
        <translation>%1 lines added</translation>
    </message>
    <message>
        <source>%1 linje endret</source>
        <translation>%1 line changed</translation>
    </message>
    <message>
        <source>%1 linjer endret</source>
        <translation>%1 lines changed</translation>
    </message>
    <message>
        <source>%1 linje endret, %2 lagt til</source>
        <translation>%1 line changed, %2 added</translation>
    </message>
    <message>
        <source>%1 linjer endret, %2 lagt til</source>
        <translation>%1 lines changed, %2 added</translation>
    </message>
    <message>
        <source>Linje %1: %2 → %3</source>
        <translation>Line %1: %2 → %3</translation>
    </message>
    <message>
        <source>Linje %1: + %2</source>
        <translation>Line %1: + %2</translation>
    </message>
    <message>
        <source>Linje %1: − %2</source>
        <translation>Line %1: − %2</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>mappen %1</source>
        <translation>the folder %1</translation>
    </message>
    <message>
        <source>Linje %1: %2 – </source>
        <translation>Line %1: %2 – </translation>
    </message>
    <message>
        <source>Linje 0: – </source>
        <translation>Line 0: – </translation>
    </message>
    <message>
        <source>stopper oppstarten: ingen LIBPATH</source>
        <translation>stops the boot: no LIBPATH</translation>
    </message>
    <message>
        <source>ikke sjekket: stasjonen til %1 er ikke koblet til noen mappe</source>
        <translation>not checked: the drive of %1 is not mapped to a folder</translation>
    </message>
    <message>
        <source>ikke sjekket: %1 fører ut av stasjonen %2:</source>
        <translation>not checked: %1 leads out of drive %2:</translation>
    </message>
    <message>
        <source>ikke sjekket: %1 tar bare et filnavn</source>
        <translation>not checked: %1 takes only a file name</translation>
    </message>
    <message>
        <source>ikke sjekket: ubrukt: en senere linje gjelder</source>
        <translation>not checked: unused: a later line applies</translation>
    </message>
    <message>
        <source>OS/2 kjenner ikke setningen</source>
        <translation>OS/2 does not know the statement</translation>
    </message>
    <message>
        <source>OS/2 kjenner ikke setningen %1</source>
        <translation>OS/2 does not know the statement %1</translation>
    </message>
    <message>
        <source>OS/2 godtar ikke en tom verdi (%1)</source>
        <translation>OS/2 does not accept an empty value (%1)</translation>
    </message>
    <message>
        <source>OS/2 godtar ikke verdien %1 (%2)</source>
        <translation>OS/2 does not accept the value %1 (%2)</translation>
    </message>
    <message>
        <source>advarsel: %1 står to ganger</source>
        <translation>warning: %1 appears twice</translation>
    </message>
    <message>
        <source>stopper oppstarten: finner ikke %1</source>
        <translation>stops the boot: cannot find %1</translation>
    </message>
    <message>
        <source>advarsel: finner ikke %1</source>
        <translation>warning: cannot find %1</translation>
    </message>
    <message>
        <source>finner ikke %1</source>
        <translation>cannot find %1</translation>
    </message>
    <message>
        <source>%1 navn sjekket: %2 stopper oppstarten, %3 mangler, %4 %5, %6 ikke sjekket (oppstartsstasjon %7:)</source>
        <translation>%1 names checked: %2 stop the boot, %3 missing, %4 %5, %6 not checked (boot drive %7:)</translation>
    </message>
    <message>
        <source>advarsel</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>advarsler</source>
        <translation>warnings</translation>
    </message>
    <message>
        <source>er ikke en mappe</source>
        <translation>is not a folder</translation>
    </message>
    <message>
        <source>finnes ikke</source>
        <translation>does not exist</translation>
    </message>
    <message>
        <source>Kan ikke sjekke %1:\: mappen %2 til stasjon %1: %3</source>
        <translation>Cannot check %1:\: the folder %2 of drive %1: %3</translation>
    </message>
    <message>
        <source>%1 eksisterer</source>
        <translation>%1 exists</translation>
    </message>
    <message>
        <source>ikke sjekket: stasjon %1: er ikke koblet til noen mappe</source>
        <translation>not checked: drive %1: is not mapped to a folder</translation>
    </message>
    <message>
        <source>ikke sjekket: mappen til stasjon %1: kan ikke leses</source>
        <translation>not checked: the folder of drive %1: cannot be read</translation>
    </message>
    <message>
        <source>** FEIL **   finner ikke styreprogram</source>
        <translation>** ERROR **   cannot find the driver</translation>
    </message>
    <message>
        <source>** FEIL **   finner ikke filen</source>
        <translation>** ERROR **   cannot find the file</translation>
    </message>
    <message>
        <source>et helt tall, høyst 4095</source>
        <translation>a whole number, at most 4095</translation>
    </message>
    <message>
        <source>et helt antall sekunder, minst 1</source>
        <translation>a whole number of seconds, at least 1</translation>
    </message>
    <message>
        <source>minst 32, og en andre verdi minst like stor og under 65536</source>
        <translation>at least 32, and a second value at least as large and below 65536</translation>
    </message>
    <message>
        <source>ABSOLUTE eller DYNAMIC</source>
        <translation>ABSOLUTE or DYNAMIC</translation>
    </message>
    <message>
        <source>et helt tall fra 512 til 3072</source>
        <translation>a whole number from 512 to 3072</translation>
    </message>
    <message>
        <source>1, 2 eller 4</source>
        <translation>1, 2 or 4</translation>
    </message>
    <message>
        <source>et helt tall fra 1 til 100</source>
        <translation>a whole number from 1 to 100</translation>
    </message>
    <message>
        <source>ON eller OFF</source>
        <translation>ON or OFF</translation>
    </message>
    <message>
        <source>YES eller NO</source>
        <translation>YES or NO</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 Se «os2setup --help».</source>
        <translation>%1 See “os2setup --help”.</translation>
    </message>
    <message>
        <source>«%1» kan ikke gis sammen med «--check», «--install-new», «--restore», «--try-new», «--tries» eller «--untry».</source>
        <translation>“%1” cannot be given together with “--check”, “--install-new”, “--restore”, “--try-new”, “--tries” or “--untry”.</translation>
    </message>
    <message>
        <source>«%1 %2»: tasten er én bokstav A–Z eller ett siffer 4–9.</source>
        <translation>“%1 %2”: the key is one letter A–Z or one digit 4–9.</translation>
    </message>
    <message>
        <source>«--key» gis bare sammen med «--try-new» eller «--install-new».</source>
        <translation>“--key” goes only with “--try-new” or “--install-new”.</translation>
    </message>
    <message>
        <source>«--window» gjelder bare «--install-new», «--restore» og «--try-new», uten «--key».</source>
        <translation>“--window” applies only to “--install-new”, “--restore” and “--try-new”, without “--key”.</translation>
    </message>
    <message>
        <source>Vis denne hjelpen og avslutt.</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>Vis versjonen og avslutt.</source>
        <translation>Show the version and exit.</translation>
    </message>
    <message>
        <source>Sjekk at alt filen nevner, finnes på stasjonene, og avslutt.</source>
        <translation>Check that everything the file names exists on the drives, and exit.</translation>
    </message>
    <message>
        <source>Ta C:\CONFIG.NEW i bruk som C:\CONFIG.SYS, etter en kopi av den gamle, og avslutt.</source>
        <translation>Put C:\CONFIG.NEW in use as C:\CONFIG.SYS, after a copy of the old one, and exit.</translation>
    </message>
    <message>
        <source>List kopiene av C:\CONFIG.SYS å gå tilbake til; med et nummer N: legg kopi N på plass. Avslutt så.</source>
        <translation>List the copies of C:\CONFIG.SYS to go back to; with a number N: put copy N in place. Then exit.</translation>
    </message>
    <message>
        <source>Legg C:\CONFIG.NEW inn som en prøve i OS/2s Alt+F1-meny, og avslutt; C:\CONFIG.SYS endres ikke.</source>
        <translation>Add C:\CONFIG.NEW as a trial to OS/2&apos;s Alt+F1 menu, and exit; C:\CONFIG.SYS is not changed.</translation>
    </message>
    <message>
        <source>Tasten til prøven: for --try-new den den skal få (ellers første ledige), for --install-new prøven som tas i bruk i stedet for C:\CONFIG.NEW.</source>
        <translation>The key of the trial: for --try-new the one it is to get (else the first free one), for --install-new the trial to put in use instead of C:\CONFIG.NEW.</translation>
    </message>
    <message>
        <source>List prøvene i Alt+F1-menyen, og avslutt.</source>
        <translation>List the trials in the Alt+F1 menu, and exit.</translation>
    </message>
    <message>
        <source>Fjern prøven med tasten X fra Alt+F1-menyen (linjen og filen), og avslutt.</source>
        <translation>Remove the trial with the key X from the Alt+F1 menu (the line and the file), and exit.</translation>
    </message>
    <message>
        <source>Gjør --install-new, --restore eller --try-new i vinduet i stedet for her.</source>
        <translation>Do --install-new, --restore or --try-new in the window instead of here.</translation>
    </message>
    <message>
        <source>Ikke spør før --install-new, --restore eller --try-new skriver.</source>
        <translation>Do not ask before --install-new, --restore or --try-new writes.</translation>
    </message>
    <message>
        <source>Ta i bruk også når sjekken sier at OS/2 ikke vil starte med filen.</source>
        <translation>Put in use even when the check says that OS/2 will not boot with the file.</translation>
    </message>
    <message>
        <source>X=MAPPE</source>
        <translation>X=FOLDER</translation>
    </message>
    <message>
        <source>Stasjon X: er mappen MAPPE. Kan gis for flere stasjoner.</source>
        <translation>Drive X: is the folder FOLDER. Can be given for several drives.</translation>
    </message>
    <message>
        <source>«--drive %1» er ikke på formen X=MAPPE (en bokstav fra A til Z, =, mappen).</source>
        <translation>“--drive %1” is not of the form X=FOLDER (a letter from A to Z, =, the folder).</translation>
    </message>
    <message>
        <source>Sjekk filen som om OS/2 starter fra stasjon X:.</source>
        <translation>Check the file as if OS/2 boots from drive X:.</translation>
    </message>
    <message>
        <source>«--boot-drive %1» er ingen stasjonsbokstav (en bokstav fra A til Z).</source>
        <translation>“--boot-drive %1” is no drive letter (a letter from A to Z).</translation>
    </message>
    <message>
        <source>Spør etter mappen til stasjon C: ved start, også når den er kjent.</source>
        <translation>Ask for the folder of drive C: at start, also when it is known.</translation>
    </message>
    <message>
        <source>KODE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>Språket: KODE er nb (norsk), en (engelsk) eller de (tysk). Uten valget: språket til miljøet (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).</source>
        <translation>The language: CODE is nb (Norwegian), en (English) or de (German). Without the option: the language of the environment (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).</translation>
    </message>
    <message>
        <source>«--language %1»: språket er nb, en eller de.</source>
        <translation>“--language %1”: the language is nb, en or de.</translation>
    </message>
    <message>
        <source>ukjent valg «%1».</source>
        <translation>unknown option “%1”.</translation>
    </message>
    <message>
        <source>valget «%1» mangler en verdi.</source>
        <translation>the option “%1” is missing a value.</translation>
    </message>
    <message>
        <source>valget «%1» tar ingen verdi.</source>
        <translation>the option “%1” takes no value.</translation>
    </message>
    <message>
        <source>kommandolinjen kan ikke tolkes.</source>
        <translation>the command line cannot be read.</translation>
    </message>
    <message>
        <source>Bruk: os2setup [VALG] [FIL]
      os2setup --check [VALG] [FIL]
      os2setup --install-new [--yes] [--force] [VALG]
      os2setup --restore [N] [--yes] [--force] [VALG]
      os2setup --try-new [--key X] [--yes] [--force] [VALG]
      os2setup --tries | --untry X | --install-new --key X [VALG]
</source>
        <translation>Usage: os2setup [OPTIONS] [FILE]
       os2setup --check [OPTIONS] [FILE]
       os2setup --install-new [--yes] [--force] [OPTIONS]
       os2setup --restore [N] [--yes] [--force] [OPTIONS]
       os2setup --try-new [--key X] [--yes] [--force] [OPTIONS]
       os2setup --tries | --untry X | --install-new --key X [OPTIONS]
</translation>
    </message>
    <message>
        <source>Redigerer CONFIG.SYS, oppstartsfilen til OS/2. FIL er filen som leses, som
DOS-sti (&apos;D:\TEST\CONFIG.SYS&apos;) eller som sti på denne maskinen; uten FIL,
eller med flere, leses C:\CONFIG.SYS. «Lagre» skriver C:\CONFIG.NEW.
</source>
        <translation>Edits CONFIG.SYS, the boot file of OS/2. FILE is the file to read, as a DOS
path (&apos;D:\TEST\CONFIG.SYS&apos;) or as a path on this machine; without FILE, or
with more than one, C:\CONFIG.SYS is read. “Save” writes C:\CONFIG.NEW.
</translation>
    </message>
    <message>
        <source>Valg:
</source>
        <translation>Options:
</translation>
    </message>
    <message>
        <source>Stasjon C: får mappen sin fra --drive C=MAPPE, ellers fra miljøvariabelen
OS2SETUP_DRIVE_C, ellers fra mappen som ble valgt i stasjonsvelgeren. Andre
stasjoner: fra --drive, ellers fra OS2SETUP_DRIVE_X (X er bokstaven).
Qt-valg som -style STIL og -platform NAVN tas også imot.
</source>
        <translation>Drive C: gets its folder from --drive C=FOLDER, else from the environment
variable OS2SETUP_DRIVE_C, else from the folder chosen in the drive chooser.
Other drives: from --drive, else from OS2SETUP_DRIVE_X (X is the letter).
Qt options such as -style STYLE and -platform NAME are accepted too.
</translation>
    </message>
    <message>
        <source>--check åpner intet vindu: det skriver én linje for hver fil eller mappe som en
aktiv linje nevner, men som ikke er der OS/2 leter, og en siste linje med
antallene. Hver linje sier hvor ille det er: «stopper oppstarten», «finner
ikke», «advarsel» eller «ikke sjekket». Navn uten stasjon ligger på
oppstartsstasjonen: den fra --boot-drive, ellers stasjonen til FIL, ellers
stasjonen til \OS2\DLL på LIBPATH, ellers C:.
Status 0: ingenting mangler (advarsler går an); 1: noe stopper oppstarten
eller mangler; 2: filen eller en stasjon kan ikke leses.
</source>
        <translation>--check opens no window: it writes one line for each file or folder that an
active line names but that is not where OS/2 looks, and a last line with the
counts. Each line says how bad it is: “stops the boot”, “cannot find”,
“warning” or “not checked”. Names without a drive lie on the boot drive: the
one from --boot-drive, else the drive of FILE, else the drive of \OS2\DLL on
LIBPATH, else C:.
Status 0: nothing is missing (warnings are fine); 1: something stops the boot
or is missing; 2: the file or a drive cannot be read.
</translation>
    </message>
    <message>
        <source>--install-new viser hva C:\CONFIG.NEW endrer i C:\CONFIG.SYS (som en unified
diff) og sjekker den nye filen. Stopper noe oppstarten, avvises den uten
--force. Etter et ja (eller --yes) kopieres C:\CONFIG.SYS til første ledige
C:\CONFIG.nnn og til ~/.local/share/os2setup, og C:\CONFIG.NEW legges på plass.
--restore lister kopiene å gå tilbake til, nyeste først (CONFIG.nnn, kopiene
i ~/.local/share/os2setup, CONFIG.BAK, OS/2s skrivebordsarkiver og
\OS2\INSTALL\CONFIG.SYS); «--restore N» legger kopi N på plass på samme måte.
Status 0: gjort, eller ingenting å gjøre; 1: avvist (sjekken, eller nei til
spørsmålet); 2: en fil kan ikke leses eller skrives.
</source>
        <translation>--install-new shows what C:\CONFIG.NEW changes in C:\CONFIG.SYS (as a unified
diff) and checks the new file. If something stops the boot, it is refused
without --force. After a yes (or --yes) C:\CONFIG.SYS is copied to the first
free C:\CONFIG.nnn and to ~/.local/share/os2setup, and C:\CONFIG.NEW is put in
place. --restore lists the copies to go back to, newest first (CONFIG.nnn, the
copies in ~/.local/share/os2setup, CONFIG.BAK, OS/2&apos;s desktop archives and
\OS2\INSTALL\CONFIG.SYS); “--restore N” puts copy N in place the same way.
Status 0: done, or nothing to do; 1: refused (the check, or no to the
question); 2: a file cannot be read or written.
</translation>
    </message>
    <message>
        <source>--try-new viser og sjekker C:\CONFIG.NEW som --install-new, men lar
C:\CONFIG.SYS være: den kopieres til C:\OS2\BOOT\CONFIG.X og får en linje i
Alt+F1-menyen (C:\OS2\BOOT\ALTF1BOT.SCR). Ved neste oppstart: trykk Alt+F1
mens den lille hvite OS/2-boksen står øverst til venstre, og så X; OS/2
starter da én gang med prøven. X er første ledige av A–Z og 4–9 (OS/2 bruker
C, M, V, X, 1, 2 og 3 selv), eller den fra --key. --tries lister prøvene og om
de er like C:\CONFIG.NEW; «--install-new --key X» tar prøve X i bruk som
C:\CONFIG.SYS og fjerner den fra menyen; «--untry X» fjerner den (linjen, så
filen). Linjer og filer som ikke er lagt inn av os2setup, endres aldri.
ALTF1BOT.SCR er skrivebeskyttet fra OS/2: beskyttelsen tas av bare mens
linjen skrives, og settes på igjen. Samme statuser som over.
</source>
        <translation>--try-new shows and checks C:\CONFIG.NEW like --install-new, but leaves
C:\CONFIG.SYS alone: it is copied to C:\OS2\BOOT\CONFIG.X and gets a line in
the Alt+F1 menu (C:\OS2\BOOT\ALTF1BOT.SCR). At the next boot: press Alt+F1
while the small white OS/2 box is in the top left corner, then X; OS/2 then
boots once with the trial. X is the first free one of A–Z and 4–9 (OS/2 uses
C, M, V, X, 1, 2 and 3 itself), or the one from --key. --tries lists the
trials and whether they equal C:\CONFIG.NEW; “--install-new --key X” puts
trial X in use as C:\CONFIG.SYS and removes it from the menu; “--untry X”
removes it (the line, then the file). Lines and files not added by os2setup
are never changed. ALTF1BOT.SCR is write-protected by OS/2: the protection is
lifted only while the line is written, and set again. The same statuses as
above.
</translation>
    </message>
</context>
<context>
    <name>DiskPage</name>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Installerte filsystem</source>
        <translation>Installed file systems</translation>
    </message>
    <message>
        <source>HPFS, High Performance File System</source>
        <translation>HPFS, High Performance File System</translation>
    </message>
    <message>
        <source>CDFS, CD-rom File System</source>
        <translation>CDFS, CD-ROM File System</translation>
    </message>
    <message>
        <source>LAN, Local Area Network</source>
        <translation>LAN, Local Area Network</translation>
    </message>
    <message>
        <source>MFS, Mobile File Sync (mobilt kontor)</source>
        <translation>MFS, Mobile File Sync (mobile office)</translation>
    </message>
    <message>
        <source>Hurtigbuffer til platelager (FAT)</source>
        <translation>Disk cache (FAT)</translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>os2setup: finner ingen skjerm (%1); bruk --check for en sjekk uten vindu</source>
        <translation>os2setup: no display found (%1); use --check for a check without a window</translation>
    </message>
    <message>
        <source>DISPLAY/WAYLAND_DISPLAY er ikke satt</source>
        <translation>DISPLAY/WAYLAND_DISPLAY is not set</translation>
    </message>
    <message>
        <source>plattformen «%1» kunne ikke startes</source>
        <translation>the platform “%1” could not be started</translation>
    </message>
    <message>
        <source>DISPLAY=%1 svarer ikke</source>
        <translation>DISPLAY=%1 does not answer</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY=%1 svarer ikke</source>
        <translation>WAYLAND_DISPLAY=%1 does not answer</translation>
    </message>
    <message>
        <source>plattformen kunne ikke startes</source>
        <translation>the platform could not be started</translation>
    </message>
</context>
<context>
    <name>DosPage</name>
    <message>
        <source>DOS</source>
        <translation>DOS</translation>
    </message>
    <message>
        <source>Expanded memory</source>
        <translation>Expanded memory</translation>
    </message>
    <message>
        <source>Extended memory</source>
        <translation>Extended memory</translation>
    </message>
    <message>
        <source>DOS protected mode memory</source>
        <translation>DOS protected mode memory</translation>
    </message>
    <message>
        <source>Utvidet støtte for skjerm og tastbord</source>
        <translation>Extended display and keyboard support</translation>
    </message>
    <message>
        <source>Støtte for mus</source>
        <translation>Mouse support</translation>
    </message>
    <message>
        <source>CD-ROM</source>
        <translation>CD-ROM</translation>
    </message>
    <message>
        <source>Windows støtte</source>
        <translation>Windows support</translation>
    </message>
    <message>
        <source>Windows 32s</source>
        <translation>Windows 32s</translation>
    </message>
    <message>
        <source>Kommandotolk</source>
        <translation>DOS shell</translation>
    </message>
    <message>
        <source>AUTOEXEC.BAT</source>
        <translation>AUTOEXEC.BAT</translation>
    </message>
    <message>
        <source>Ny AUTOEXEC.BAT: lager C:\AUTOEXEC.BAT, fra C:\AUTOEXEC.BAK når den finnes</source>
        <translation>New AUTOEXEC.BAT: creates C:\AUTOEXEC.BAT, from C:\AUTOEXEC.BAK when it exists</translation>
    </message>
    <message>
        <source>Ny AUTOEXEC.BAT</source>
        <translation>New AUTOEXEC.BAT</translation>
    </message>
    <message>
        <source>Ny</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Lagre AUTOEXEC.BAT: skriver teksten til C:\AUTOEXEC.BAT</source>
        <translation>Save AUTOEXEC.BAT: writes the text to C:\AUTOEXEC.BAT</translation>
    </message>
    <message>
        <source>Lagre AUTOEXEC.BAT</source>
        <translation>Save AUTOEXEC.BAT</translation>
    </message>
    <message>
        <source>Lagre</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Slett AUTOEXEC.BAT: sletter C:\AUTOEXEC.BAT etter en kopi i C:\AUTOEXEC.BAK</source>
        <translation>Delete AUTOEXEC.BAT: deletes C:\AUTOEXEC.BAT after a copy in C:\AUTOEXEC.BAK</translation>
    </message>
    <message>
        <source>Slett AUTOEXEC.BAT</source>
        <translation>Delete AUTOEXEC.BAT</translation>
    </message>
    <message>
        <source>Slett</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Bruk REM-knappen til å endre</source>
        <translation>Use the REM button to change it</translation>
    </message>
</context>
<context>
    <name>DriveChoice</name>
    <message>
        <source>%1 finnes ikke – er partisjonen montert?</source>
        <translation>%1 does not exist – is the partition mounted?</translation>
    </message>
    <message>
        <source>%1 er tom – er partisjonen montert?</source>
        <translation>%1 is empty – is the partition mounted?</translation>
    </message>
    <message>
        <source>%1 har ingen %2</source>
        <translation>%1 has no %2</translation>
    </message>
    <message>
        <source>%1: stasjon C: er ikke koblet til noen mappe. Velg mappen her fra vinduet: trykk F1 og «Velg OS/2-stasjonen…». Eller start programmet med os2setup --choose-drive.</source>
        <translation>%1: drive C: is not mapped to a folder. Choose the folder from the window here: press F1 and “Choose the OS/2 drive…”. Or start the program with os2setup --choose-drive.</translation>
    </message>
</context>
<context>
    <name>DriveChooser</name>
    <message>
        <source>Velg mappen som er stasjon C:</source>
        <translation>Choose the folder that is drive C:</translation>
    </message>
    <message>
        <source>Bla gjennom…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>Velg OS/2-stasjonen C:</source>
        <translation>Choose the OS/2 drive C:</translation>
    </message>
    <message>
        <source>Hvilken mappe er OS/2-stasjonen C:? Programmet leser CONFIG.SYS derfra og lagrer CONFIG.NEW der. Valget huskes til neste gang.</source>
        <translation>Which folder is the OS/2 drive C:? The program reads CONFIG.SYS from there and saves CONFIG.NEW there. The choice is remembered for next time.</translation>
    </message>
    <message>
        <source>OS/2-stasjoner</source>
        <translation>OS/2 drives</translation>
    </message>
    <message>
        <source>Mappe</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Enhet</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Navn</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Størrelse</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Filsystem</source>
        <translation>File system</translation>
    </message>
    <message>
        <source> (nå valgt)</source>
        <translation> (chosen now)</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Monterer %1 …</source>
        <translation>Mounting %1 …</translation>
    </message>
    <message>
        <source>ikke montert</source>
        <translation>not mounted</translation>
    </message>
    <message>
        <source>«OK» monterer den</source>
        <translation>“OK” mounts it</translation>
    </message>
    <message>
        <source>Fant ikke noe montert filsystem med CONFIG.SYS og mappen OS2 øverst. Monter OS/2-partisjonen, eller velg mappen med «Bla gjennom…».</source>
        <translation>Found no mounted file system with CONFIG.SYS and the folder OS2 at the top. Mount the OS/2 partition, or choose the folder with “Browse…”.</translation>
    </message>
    <message>
        <source>%1 har ikke både CONFIG.SYS og mappen OS2.</source>
        <translation>%1 does not have both CONFIG.SYS and the folder OS2.</translation>
    </message>
    <message>
        <source>«OK» monterer %1 og ser etter CONFIG.SYS der.</source>
        <translation>“OK” mounts %1 and looks for CONFIG.SYS there.</translation>
    </message>
    <message>
        <source>Kan ikke montere partisjoner herfra: %1.</source>
        <translation>Cannot mount partitions from here: %1.</translation>
    </message>
</context>
<context>
    <name>DriversPage</name>
    <message>
        <source>Drivere</source>
        <translation>Drivers</translation>
    </message>
    <message>
        <source>Driverne i DEVICE=-linjene i CONFIG.SYS</source>
        <translation>The drivers in the DEVICE= lines of CONFIG.SYS</translation>
    </message>
    <message>
        <source>Basis styreprogram</source>
        <translation>Base device drivers</translation>
    </message>
    <message>
        <source>Innstallert</source>
        <translation>Installed</translation>
    </message>
    <message>
        <source>Basisstyreprogrammene i BASEDEV=-linjene i CONFIG.SYS</source>
        <translation>The base device drivers in the BASEDEV= lines of CONFIG.SYS</translation>
    </message>
    <message>
        <source>Installerte basisstyreprogram</source>
        <translation>Installed base device drivers</translation>
    </message>
    <message>
        <source>ta vekk</source>
        <translation>remove</translation>
    </message>
    <message>
        <source>legg til</source>
        <translation>add</translation>
    </message>
    <message>
        <source>Tilgjengelig</source>
        <translation>Available</translation>
    </message>
    <message>
        <source>Kjente basisstyreprogram som ikke står i CONFIG.SYS</source>
        <translation>Known base device drivers that are not in CONFIG.SYS</translation>
    </message>
    <message>
        <source>Tilgjengelige basisstyreprogram</source>
        <translation>Available base device drivers</translation>
    </message>
    <message>
        <source>Nødvendig</source>
        <translation>Required</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>Linje %1: + %2</source>
        <translation>Line %1: + %2</translation>
    </message>
    <message>
        <source>Linje %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>%1 og 1 linje til</source>
        <translation>%1 and 1 more line</translation>
    </message>
    <message>
        <source>%1 og %2 linjer til</source>
        <translation>%1 and %2 more lines</translation>
    </message>
</context>
<context>
    <name>EditLineLock</name>
    <message>
        <source>Velg en linje på «Fil», eller klikk en innstilling, for å endre den her</source>
        <translation>Choose a line on “File”, or click a setting, to change it here</translation>
    </message>
    <message>
        <source>Linjen står ikke i filen og kan ikke endres her</source>
        <translation>The line is not in the file and cannot be changed here</translation>
    </message>
    <message>
        <source>For å endre linjen: klikk innstillingen den hører til, eller velg linjen på «Fil»</source>
        <translation>To change the line: click the setting it belongs to, or choose the line on “File”</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Kan ikke lese</source>
        <translation>Cannot read</translation>
    </message>
    <message>
        <source>Kan ikke bruke</source>
        <translation>Cannot use</translation>
    </message>
    <message>
        <source>%1 %2: filen er på %3 byte, men en menyfil kan ha høyst 64 KiB (%4 byte)</source>
        <translation>%1 %2: the file is %3 bytes, but a menu file can hold at most 64 KiB (%4 bytes)</translation>
    </message>
    <message>
        <source>%1 %2: byte nr. %3 er en NUL-byte, så filen er ingen tekstfil</source>
        <translation>%1 %2: byte no. %3 is a NUL byte, so the file is no text file</translation>
    </message>
    <message>
        <source>%1 finnes ikke: OS/2s Alt+F1-meny har ikke den filen her</source>
        <translation>%1 does not exist: OS/2&apos;s Alt+F1 menu does not have that file here</translation>
    </message>
    <message>
        <source>Kan ikke skrive %1: filen er endret siden den ble lest; prøv igjen</source>
        <translation>Cannot write %1: the file has changed since it was read; try again</translation>
    </message>
    <message>
        <source>%1 ble skrevet, men kan ikke leses tilbake (%2)</source>
        <translation>%1 was written, but cannot be read back (%2)</translation>
    </message>
    <message>
        <source>den er skrevet tilbake slik den var</source>
        <translation>it has been written back as it was</translation>
    </message>
    <message>
        <source>den kunne ikke skrives tilbake slik den var: %1</source>
        <translation>it could not be written back as it was: %1</translation>
    </message>
    <message>
        <source>%1 ble skrevet, men det som ble lest tilbake er ikke det som ble skrevet; %2</source>
        <translation>%1 was written, but what was read back is not what was written; %2</translation>
    </message>
    <message>
        <source>det er en fil, ikke en mappe</source>
        <translation>it is a file, not a folder</translation>
    </message>
    <message>
        <source>mappen finnes ikke</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>%1 %2: mappen kan ikke leses</source>
        <translation>%1 %2: the folder cannot be read</translation>
    </message>
    <message>
        <source>Kan ikke skrive</source>
        <translation>Cannot write</translation>
    </message>
    <message>
        <source>Kan ikke ta vare på %1: navnene CONFIG.001 til CONFIG.999 er alle i bruk</source>
        <translation>Cannot keep %1: the names CONFIG.001 to CONFIG.999 are all taken</translation>
    </message>
    <message>
        <source>%1 %2: mappen fører ut av %3 (til %4)</source>
        <translation>%1 %2: the folder leads out of %3 (to %4)</translation>
    </message>
    <message>
        <source>%1 %2: mappen kan ikke lages</source>
        <translation>%1 %2: the folder cannot be created</translation>
    </message>
    <message>
        <source>Kan ikke lese %1: det er ikke en vanlig fil</source>
        <translation>Cannot read %1: it is not a regular file</translation>
    </message>
    <message>
        <source>Kan ikke lese %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>Det fantes ingen %1 fra før</source>
        <translation>There was no %1 before</translation>
    </message>
    <message>
        <source>Den forrige filen er i %1 og i %2</source>
        <translation>The previous file is in %1 and in %2</translation>
    </message>
    <message>
        <source>%1 ble skrevet, men kan ikke leses tilbake (%2). %3.</source>
        <translation>%1 was written, but cannot be read back (%2). %3.</translation>
    </message>
    <message>
        <source>%1 ble skrevet, men det som ble lest tilbake er ikke det som ble skrevet. %2.</source>
        <translation>%1 was written, but what was read back is not what was written. %2.</translation>
    </message>
    <message>
        <source>%1 %2: filen er kommet til siden forskjellene ble vist; se dem på nytt</source>
        <translation>%1 %2: the file has appeared since the differences were shown; look at them again</translation>
    </message>
    <message>
        <source>%1 %2: filen er endret siden forskjellene ble vist; se dem på nytt</source>
        <translation>%1 %2: the file has changed since the differences were shown; look at them again</translation>
    </message>
    <message>
        <source>%1 %2: filen er skrivebeskyttet</source>
        <translation>%1 %2: the file is write-protected</translation>
    </message>
    <message>
        <source>Kan ikke ta vare på %1: det er ingen mappe å legge kopien i</source>
        <translation>Cannot keep %1: there is no folder to put the copy in</translation>
    </message>
    <message>
        <source>%1: %2: er ingen stasjon (en stasjon er en bokstav fra A til Z)</source>
        <translation>%1: %2: is no drive (a drive is a letter from A to Z)</translation>
    </message>
    <message>
        <source>%1: navnet har tegnet NUL i seg, og ingen fil kan hete det</source>
        <translation>%1: the name contains the character NUL, and no file can be called that</translation>
    </message>
    <message>
        <source>%1: stasjon %2: er ikke koblet til noen mappe. Start os2setup med --drive %2=MAPPE, eller sett miljøvariabelen %3 til mappen.</source>
        <translation>%1: drive %2: is not mapped to a folder. Start os2setup with --drive %2=FOLDER, or set the environment variable %3 to the folder.</translation>
    </message>
    <message>
        <source>%1: fører ut av stasjonen %2: (til %3)</source>
        <translation>%1: leads out of drive %2: (to %3)</translation>
    </message>
    <message>
        <source>filen finnes ikke</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>det er ikke mer plass på disken</source>
        <translation>there is no more space on the disk</translation>
    </message>
    <message>
        <source>diskkvoten din er brukt opp</source>
        <translation>your disk quota is used up</translation>
    </message>
    <message>
        <source>du har ikke tillatelse til det</source>
        <translation>you do not have permission to do that</translation>
    </message>
    <message>
        <source>operasjonen er ikke tillatt (filen eller mappen kan være låst)</source>
        <translation>the operation is not permitted (the file or folder may be locked)</translation>
    </message>
    <message>
        <source>filsystemet er montert bare for lesing</source>
        <translation>the file system is mounted read-only</translation>
    </message>
    <message>
        <source>for mange symbolske lenker etter hverandre (en lenke som peker på seg selv?)</source>
        <translation>too many symbolic links in a row (a link that points to itself?)</translation>
    </message>
    <message>
        <source>for mange lenker</source>
        <translation>too many links</translation>
    </message>
    <message>
        <source>navnet er for langt</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>inn/ut-feil på disken</source>
        <translation>input/output error on the disk</translation>
    </message>
    <message>
        <source>en del av stien er ikke en mappe</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>det er en mappe, ikke en fil</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>filen blir for stor</source>
        <translation>the file gets too large</translation>
    </message>
    <message>
        <source>filen er i bruk</source>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>filen eller enheten er i bruk</source>
        <translation>the file or the device is in use</translation>
    </message>
    <message>
        <source>for mange åpne filer</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>for mange åpne filer i systemet</source>
        <translation>too many open files in the system</translation>
    </message>
    <message>
        <source>enheten finnes ikke</source>
        <translation>the device does not exist</translation>
    </message>
    <message>
        <source>filen ligger på et annet filsystem</source>
        <translation>the file lies on another file system</translation>
    </message>
    <message>
        <source>ikke nok minne</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>filen er ikke lenger tilgjengelig (nettverksstasjonen er koblet fra?)</source>
        <translation>the file is no longer available (the network drive is disconnected?)</translation>
    </message>
    <message>
        <source>systemet er tomt for plass, minne eller åpne filer</source>
        <translation>the system is out of space, memory or open files</translation>
    </message>
    <message>
        <source>den nye filen kunne ikke settes i stedet for den gamle</source>
        <translation>the new file could not take the place of the old one</translation>
    </message>
    <message>
        <source>skrivingen mislyktes</source>
        <translation>writing failed</translation>
    </message>
    <message>
        <source>lesingen mislyktes</source>
        <translation>reading failed</translation>
    </message>
    <message>
        <source>ukjent feil</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>ukjent feil (%1)</source>
        <translation>unknown error (%1)</translation>
    </message>
    <message>
        <source>Kan ikke slette</source>
        <translation>Cannot delete</translation>
    </message>
    <message>
        <source>det er ikke en vanlig fil (men et rør, en enhet eller lignende)</source>
        <translation>it is not a regular file (but a pipe, a device or the like)</translation>
    </message>
    <message>
        <source>mappen %1 finnes ikke</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <source>filen har %1 linjer, men høyst %2 kan redigeres</source>
        <translation>the file has %1 lines, but at most %2 can be edited</translation>
    </message>
    <message>
        <source>filen er skrivebeskyttet</source>
        <translation>the file is write-protected</translation>
    </message>
    <message>
        <source>mappen %1 er skrivebeskyttet</source>
        <translation>the folder %1 is write-protected</translation>
    </message>
    <message>
        <source>du har ikke tillatelse til å montere den</source>
        <translation>you do not have permission to mount it</translation>
    </message>
    <message>
        <source>spørsmålet om passord ble avbrutt</source>
        <translation>the password prompt was cancelled</translation>
    </message>
    <message>
        <source>enheten er i bruk</source>
        <translation>the device is in use</translation>
    </message>
    <message>
        <source>monteringen ble avbrutt</source>
        <translation>the mount was cancelled</translation>
    </message>
    <message>
        <source>tjenesten UDisks2 kjører ikke</source>
        <translation>the UDisks2 service is not running</translation>
    </message>
    <message>
        <source>UDisks2 svarte ikke i tide</source>
        <translation>UDisks2 did not answer in time</translation>
    </message>
    <message>
        <source>ingen forbindelse til systembussen (D-Bus)</source>
        <translation>no connection to the system bus (D-Bus)</translation>
    </message>
    <message>
        <source>ukjent feil (%1: %2)</source>
        <translation>unknown error (%1: %2)</translation>
    </message>
    <message>
        <source>Kan ikke montere %1: %2.</source>
        <translation>Cannot mount %1: %2.</translation>
    </message>
    <message>
        <source>%1: stasjonen %2: er ikke lenger den samme som da filen ble lest (avmontert?)</source>
        <translation>%1: drive %2: is no longer the same as when the file was read (unmounted?)</translation>
    </message>
    <message>
        <source>%1 %2: det er filen som ble lest inn (%3), og den blir aldri skrevet over</source>
        <translation>%1 %2: it is the file that was read (%3), and that is never overwritten</translation>
    </message>
    <message>
        <source>%1 %2: %2 og %3 er samme fil (gjennom en lenke), og programmet skriver aldri den ene av dem gjennom den andre</source>
        <translation>%1 %2: %2 and %3 are the same file (through a link), and the program never writes one of them through the other</translation>
    </message>
    <message>
        <source>Kan ikke skrive %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>Kan ikke skrive %1: filen er skrivebeskyttet, og skrivebeskyttelsen kan ikke tas av for å skrive den (%2)</source>
        <translation>Cannot write %1: the file is write-protected, and the protection cannot be lifted to write it (%2)</translation>
    </message>
    <message>
        <source>%1 er skrevet, men skrivebeskyttelsen kan ikke settes på igjen (%2); sett den på selv med «chmod a-w»</source>
        <translation>%1 is written, but the write protection cannot be set again (%2); set it yourself with “chmod a-w”</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>%1 av %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Finn:</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>Finn tekst i %1</source>
        <translation>Find text in %1</translation>
    </message>
    <message>
        <source>Finn tekst i %1: hver linje som har teksten, blir merket (Ctrl+F; Enter eller F3 går til neste, Shift+F3 til forrige)</source>
        <translation>Find text in %1: every line that contains the text is marked (Ctrl+F; Enter or F3 goes to the next, Shift+F3 to the previous)</translation>
    </message>
    <message>
        <source>Forrige</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Forrige treff</source>
        <translation>Previous match</translation>
    </message>
    <message>
        <source>Forrige linje med teksten (Shift+F3)</source>
        <translation>Previous line with the text (Shift+F3)</translation>
    </message>
    <message>
        <source>Neste</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Neste treff</source>
        <translation>Next match</translation>
    </message>
    <message>
        <source>Neste linje med teksten (F3)</source>
        <translation>Next line with the text (F3)</translation>
    </message>
    <message>
        <source>Store/små</source>
        <translation>Match case</translation>
    </message>
    <message>
        <source>Skill mellom store og små bokstaver</source>
        <translation>Distinguish upper and lower case</translation>
    </message>
    <message>
        <source>Skill mellom store og små bokstaver (Alt+S)</source>
        <translation>Distinguish upper and lower case (Alt+S)</translation>
    </message>
    <message>
        <source>Treff</source>
        <translation>Matches</translation>
    </message>
    <message>
        <source>Den valgte linjen av linjene med teksten (F3, Shift+F3)</source>
        <translation>The selected line among the lines with the text (F3, Shift+F3)</translation>
    </message>
    <message>
        <source>Linje:</source>
        <translation>Line:</translation>
    </message>
    <message>
        <source>Gå til linje nr.</source>
        <translation>Go to line number</translation>
    </message>
    <message>
        <source>Gå til linje nr.: skriv tallet og trykk Enter (Ctrl+G)</source>
        <translation>Go to line number: type the number and press Enter (Ctrl+G)</translation>
    </message>
    <message>
        <source>Lukk søket</source>
        <translation>Close the search</translation>
    </message>
    <message>
        <source>Lukk søket; den valgte linjen blir stående (Esc)</source>
        <translation>Close the search; the selected line stays selected (Esc)</translation>
    </message>
    <message>
        <source>Søket fortsatte fra begynnelsen av filen</source>
        <translation>The search continued from the beginning of the file</translation>
    </message>
    <message>
        <source>Søket fortsatte fra slutten av filen</source>
        <translation>The search continued from the end of the file</translation>
    </message>
    <message>
        <source>Linje %1 finnes ikke: %2 har ingen linjer</source>
        <translation>Line %1 does not exist: %2 has no lines</translation>
    </message>
    <message>
        <source>Linje %1 finnes ikke: %2 har linje 1 til %3</source>
        <translation>Line %1 does not exist: %2 has lines 1 to %3</translation>
    </message>
    <message>
        <source>Ingen treff</source>
        <translation>No matches</translation>
    </message>
    <message>
        <source>%1 treff</source>
        <translation>%1 matches</translation>
    </message>
</context>
<context>
    <name>InstallCommand</name>
    <message>
        <source>os2setup: %1 Ingen terminal å spørre på: gi --yes for å svare ja.</source>
        <translation>os2setup: %1 No terminal to ask on: give --yes to answer yes.</translation>
    </message>
    <message>
        <source> [j/N] </source>
        <translation> [y/N] </translation>
    </message>
    <message>
        <source>os2setup: OS/2 vil ikke starte med %1 (se over), så %2. Gi --force for å gjøre det likevel.</source>
        <translation>os2setup: OS/2 will not boot with %1 (see above), so %2. Give --force to do it anyway.</translation>
    </message>
    <message>
        <source>Ingenting er endret.</source>
        <translation>Nothing has been changed.</translation>
    </message>
    <message>
        <source>Legge %1 på plass som %2?</source>
        <translation>Put %1 in place as %2?</translation>
    </message>
    <message>
        <source>den er ikke lagt på plass</source>
        <translation>it has not been put in place</translation>
    </message>
    <message>
        <source>«--restore» tar ett nummer fra listen, ikke flere.</source>
        <translation>“--restore” takes one number from the list, not several.</translation>
    </message>
    <message>
        <source>%1 finnes ikke; en kopi kan legges på plass der.</source>
        <translation>%1 does not exist; a copy can be put in place there.</translation>
    </message>
    <message>
        <source>Kopier av %1, nyeste først:</source>
        <translation>Copies of %1, newest first:</translation>
    </message>
    <message>
        <source>Disse kan ikke leses, og kan ikke legges på plass:</source>
        <translation>These cannot be read, and cannot be put in place:</translation>
    </message>
    <message>
        <source>Legg en av dem på plass med «os2setup --restore N».</source>
        <translation>Put one of them in place with “os2setup --restore N”.</translation>
    </message>
    <message>
        <source>«--restore %1»: det er ingen kopi med det nummeret (se «os2setup --restore»).</source>
        <translation>“--restore %1”: there is no copy with that number (see “os2setup --restore”).</translation>
    </message>
</context>
<context>
    <name>InstallDialog</name>
    <message>
        <source>Lukk</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Ta i bruk</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>Ta i bruk eller prøv likevel</source>
        <translation>Install or try anyway</translation>
    </message>
    <message>
        <source>Prøv ved neste oppstart</source>
        <translation>Try at next boot</translation>
    </message>
    <message>
        <source>Legger %1 inn som en prøve i OS/2s Alt+F1-meny (%2), uten å endre %3: neste oppstart kan starte med den én gang</source>
        <translation>Adds %1 as a trial to OS/2&apos;s Alt+F1 menu (%2), without changing %3: the next boot can start with it once</translation>
    </message>
    <message>
        <source>Ta i bruk CONFIG.NEW</source>
        <translation>Install CONFIG.NEW</translation>
    </message>
    <message>
        <source>Legger %1 på plass som %2. Den gamle %2 kopieres først til neste ledige CONFIG.nnn ved siden av og til din datamappe.</source>
        <translation>Puts %1 in place as %2. The old %2 is first copied to the next free CONFIG.nnn beside it and to your data folder.</translation>
    </message>
    <message>
        <source>Gjenopprett</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Gjenopprett likevel</source>
        <translation>Restore anyway</translation>
    </message>
    <message>
        <source>Gjenopprett CONFIG.SYS</source>
        <translation>Restore CONFIG.SYS</translation>
    </message>
    <message>
        <source>Kopier av CONFIG.SYS</source>
        <translation>Copies of CONFIG.SYS</translation>
    </message>
    <message>
        <source>Kopiene av %1, nyeste først. Velg en for å se hva den endrer; «Gjenopprett» legger den på plass etter en kopi av dagens.</source>
        <translation>The copies of %1, newest first. Choose one to see what it changes; “Restore” puts it in place after a copy of today&apos;s.</translation>
    </message>
</context>
<context>
    <name>InstallStep</name>
    <message>
        <source>Kan ikke lese %1: filen finnes ikke, og %2: (%3) har ingen OS2-mappe. Er OS/2-partisjonen montert der?</source>
        <translation>Cannot read %1: the file does not exist, and %2: (%3) has no OS2 folder. Is the OS/2 partition mounted there?</translation>
    </message>
    <message>
        <source>%1 finnes ikke: det er ingenting å ta i bruk. Lagre først med «Lagre» i os2setup.</source>
        <translation>%1 does not exist: there is nothing to install. Save first with “Save” in os2setup.</translation>
    </message>
    <message>
        <source>%1 er lik %2 byte for byte: det er ingenting å ta i bruk.</source>
        <translation>%1 is equal to %2 byte for byte: there is nothing to install.</translation>
    </message>
    <message>
        <source>tidligere CONFIG.SYS</source>
        <translation>earlier CONFIG.SYS</translation>
    </message>
    <message>
        <source>os2setups kopi</source>
        <translation>os2setup&apos;s copy</translation>
    </message>
    <message>
        <source>reservekopi</source>
        <translation>backup copy</translation>
    </message>
    <message>
        <source>OS/2s skrivebordsarkiv</source>
        <translation>OS/2&apos;s desktop archive</translation>
    </message>
    <message>
        <source>OS/2s installasjon, Alt+F1</source>
        <translation>OS/2&apos;s installation, Alt+F1</translation>
    </message>
    <message>
        <source>%1  (%2) kan ikke leses: %3</source>
        <translation>%1  (%2) cannot be read: %3</translation>
    </message>
    <message>
        <source>kan ikke leses</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>lik dagens</source>
        <translation>same as today&apos;s</translation>
    </message>
    <message>
        <source>1 linje forskjellig</source>
        <translation>1 line differs</translation>
    </message>
    <message>
        <source>%1 linjer forskjellig</source>
        <translation>%1 lines differ</translation>
    </message>
    <message>
        <source>Sjekken av %1 kunne ikke gjøres: %2</source>
        <translation>The check of %1 could not be done: %2</translation>
    </message>
    <message>
        <source> Ingenting er endret i %1.</source>
        <translation> Nothing has been changed in %1.</translation>
    </message>
    <message>
        <source>%1 finnes ikke: %2 legges på plass som den, og det er ingen gammel fil å ta kopi av.</source>
        <translation>%1 does not exist: %2 is put in place as it, and there is no old file to copy.</translation>
    </message>
    <message>
        <source>Linjene i %1 og %2 er like; bare linjeskiftene er forskjellige (CR LF eller bare LF, eller et linjeskift etter siste linje).</source>
        <translation>The lines of %1 and %2 are equal; only the line ends differ (CR LF or just LF, or a line end after the last line).</translation>
    </message>
    <message>
        <source>Fant ingen kopier av %1 å gå tilbake til.</source>
        <translation>Found no copies of %1 to go back to.</translation>
    </message>
    <message>
        <source>%1 er lik %2 byte for byte: det er ingenting å gjenopprette.</source>
        <translation>%1 is equal to %2 byte for byte: there is nothing to restore.</translation>
    </message>
    <message>
        <source>%1 er lagt på plass som %2. Det fantes ingen %2 fra før, så ingen kopi er tatt.</source>
        <translation>%1 has been put in place as %2. There was no %2 before, so no copy has been made.</translation>
    </message>
    <message>
        <source>%1 er lagt på plass som %2. Den forrige %2 er kopiert til %3 og til %4.</source>
        <translation>%1 has been put in place as %2. The previous %2 has been copied to %3 and to %4.</translation>
    </message>
    <message>
        <source> Starter ikke OS/2 med den nye, start Linux og kjør «os2setup --restore» (eller se README: «When OS/2 no longer boots») for å få en tidligere tilbake.</source>
        <translation> If OS/2 does not boot with the new one, start Linux and run “os2setup --restore” (or see the README: “When OS/2 no longer boots”) to get an earlier one back.</translation>
    </message>
    <message>
        <source>Kan ikke ta vare på en kopi av %1: miljøvariabelen HOME er ikke satt, og hjemmemappen din står ikke i passordbasen. Sett HOME til hjemmemappen din og prøv igjen.</source>
        <translation>Cannot keep a copy of %1: the environment variable HOME is not set, and your home folder is not in the password database. Set HOME to your home folder and try again.</translation>
    </message>
</context>
<context>
    <name>InterfacePage</name>
    <message>
        <source>Grensesnitt</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Programmer</source>
        <translation>Programs</translation>
    </message>
    <message>
        <source>Mapper</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Vindusoversikt</source>
        <translation>Window List</translation>
    </message>
    <message>
        <source>Nettverksforbindelser</source>
        <translation>Network connections</translation>
    </message>
    <message>
        <source>WarpCenter (statuslinje)</source>
        <translation>WarpCenter (status bar)</translation>
    </message>
    <message>
        <source>Oppgir grensesnittet som startes av OS/2</source>
        <translation>Names the user interface OS/2 starts</translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>Nettverk</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Protokoll </source>
        <translation>Protocol </translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>Linjene som nevner \MPTN eller \IBMCOM (MPTS)</source>
        <translation>The lines that name \MPTN or \IBMCOM (MPTS)</translation>
    </message>
    <message>
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message>
        <source>Linjene som nevner \TCPIP</source>
        <translation>The lines that name \TCPIP</translation>
    </message>
    <message>
        <source>LAN</source>
        <translation>LAN</translation>
    </message>
    <message>
        <source>Linjene som nevner \IBMLAN (LAN Requester)</source>
        <translation>The lines that name \IBMLAN (LAN Requester)</translation>
    </message>
    <message>
        <source>Mobilt kontor</source>
        <translation>Mobile office</translation>
    </message>
    <message>
        <source>Linjene som nevner \MFS (Mobile File Sync)</source>
        <translation>The lines that name \MFS (Mobile File Sync)</translation>
    </message>
    <message>
        <source>Protokoll og nettverktjenester</source>
        <translation>Protocols and network services</translation>
    </message>
    <message>
        <source>TCP/IP, Transmision Control Protocol / Internet Protocol</source>
        <translation>TCP/IP, Transmission Control Protocol / Internet Protocol</translation>
    </message>
    <message>
        <source>MFS, Mobile File Sync. Filsynkronisering på lokalnett</source>
        <translation>MFS, Mobile File Sync: file synchronisation on the local network</translation>
    </message>
    <message>
        <source>LAN, Local Area Network nettverktjenester</source>
        <translation>LAN, Local Area Network services</translation>
    </message>
</context>
<context>
    <name>PerformancePage</name>
    <message>
        <source>Ytelse</source>
        <translation>Performance</translation>
    </message>
    <message>
        <source>THREADS, uavhengie tråder</source>
        <translation>THREADS, max. threads</translation>
    </message>
    <message>
        <source>THREADS</source>
        <translation>THREADS</translation>
    </message>
    <message>
        <source>TIMESLICE</source>
        <translation>TIMESLICE</translation>
    </message>
    <message>
        <source>Korteste TIMESLICE</source>
        <translation>Shortest TIMESLICE</translation>
    </message>
    <message>
        <source>korteste tid på en tråd i millisekund</source>
        <translation>shortest time per thread, in ms</translation>
    </message>
    <message>
        <source>Lengste TIMESLICE</source>
        <translation>Longest TIMESLICE</translation>
    </message>
    <message>
        <source>lengste tid på en tråd i millisekund</source>
        <translation>longest time per thread, in ms</translation>
    </message>
    <message>
        <source>PRIORITY</source>
        <translation>PRIORITY</translation>
    </message>
    <message>
        <source>DYNAMIC, øker prioriteringen av tråder etter antall sekunder i MAXWAIT</source>
        <translation>DYNAMIC, raises the priority of threads after the seconds in MAXWAIT</translation>
    </message>
    <message>
        <source>ABSOLUTE,  trådens prioritet blir ikke endret</source>
        <translation>ABSOLUTE, the thread&apos;s priority is not changed</translation>
    </message>
    <message>
        <source>MAXWAIT, ventetid i sekunder før høyere prioritet</source>
        <translation>MAXWAIT, wait in seconds before higher priority</translation>
    </message>
    <message>
        <source>MAXWAIT</source>
        <translation>MAXWAIT</translation>
    </message>
</context>
<context>
    <name>ProposalView</name>
    <message>
        <source>Ingen linjer er forskjellige.</source>
        <translation>No lines differ.</translation>
    </message>
    <message>
        <source>1 linje</source>
        <translation>1 line</translation>
    </message>
    <message>
        <source>%1 linjer</source>
        <translation>%1 lines</translation>
    </message>
    <message>
        <source>%1 endret, %2 lagt til, %3 fjernet:</source>
        <translation>%1 changed, %2 added, %3 removed:</translation>
    </message>
    <message>
        <source>Endringer i CONFIG.SYS</source>
        <translation>Changes in CONFIG.SYS</translation>
    </message>
    <message>
        <source>Funn i sjekken</source>
        <translation>Findings of the check</translation>
    </message>
    <message>
        <source>Sjekken sier at OS/2 ikke vil starte med filen; kryss av for å gjøre det likevel</source>
        <translation>The check says that OS/2 will not boot with the file; tick to do it anyway</translation>
    </message>
    <message>
        <source>Sjekken av %1: %2</source>
        <translation>The check of %1: %2</translation>
    </message>
</context>
<context>
    <name>RestoreTries</name>
    <message>
        <source>Prøver i Alt+F1-menyen</source>
        <translation>Trials in the Alt+F1 menu</translation>
    </message>
    <message>
        <source>Prøvene os2setup har lagt inn i OS/2s Alt+F1-meny: tasten, datoen og om filen fortsatt er lik %1</source>
        <translation>The trials os2setup has added to OS/2&apos;s Alt+F1 menu: the key, the date and whether the file is still equal to %1</translation>
    </message>
    <message>
        <source>Ta i bruk prøven</source>
        <translation>Install the trial</translation>
    </message>
    <message>
        <source>Legger prøven på plass som %1 etter en kopi av dagens, og tar den ut av Alt+F1-menyen</source>
        <translation>Puts the trial in place as %1 after a copy of today&apos;s, and takes it out of the Alt+F1 menu</translation>
    </message>
    <message>
        <source>Fjern prøven</source>
        <translation>Remove the trial</translation>
    </message>
    <message>
        <source>Tar prøvens linje ut av %1 og sletter filen dens; %2 endres ikke</source>
        <translation>Takes the trial&apos;s line out of %1 and deletes its file; %2 is not changed</translation>
    </message>
    <message>
        <source>Prøver i Alt+F1-menyen (%1); velg en for å se hva den endrer:</source>
        <translation>Trials in the Alt+F1 menu (%1); choose one to see what it changes:</translation>
    </message>
    <message>
        <source>Prøver i Alt+F1-menyen: %1</source>
        <translation>Trials in the Alt+F1 menu: %1</translation>
    </message>
    <message>
        <source>Ta i bruk likevel</source>
        <translation>Install anyway</translation>
    </message>
    <message>
        <source>%1 finnes ikke, så prøven kan bare fjernes.</source>
        <translation>%1 does not exist, so the trial can only be removed.</translation>
    </message>
</context>
<context>
    <name>SideFileEditor</name>
    <message>
        <source>Lagret %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>Ikke lagret: %1 til %2 er bare plassholdere</source>
        <translation>Not saved: %1 to %2 are only placeholders</translation>
    </message>
    <message>
        <source>Skriv inn %1 i feltet, eller trykk «Ny»</source>
        <translation>Type %1 in the field, or press “New”</translation>
    </message>
    <message>
        <source>Slettet %1</source>
        <translation>Deleted %1</translation>
    </message>
    <message>
        <source>Slettet %1 – kopi i %2</source>
        <translation>Deleted %1 – copy in %2</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nei</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Slette %1? Filen kan ikke hentes tilbake.</source>
        <translation>Delete %1? The file cannot be brought back.</translation>
    </message>
</context>
<context>
    <name>StartupPage</name>
    <message>
        <source>Oppstart</source>
        <translation>Startup</translation>
    </message>
    <message>
        <source>Automatisk oppstart</source>
        <translation>Automatic startup</translation>
    </message>
    <message>
        <source>Ingen</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Oppstart-mappe</source>
        <translation>Startup folder</translation>
    </message>
    <message>
        <source>Kun ved Ctrl-Alt-Del og strømbrudd</source>
        <translation>Only after Ctrl-Alt-Del and power failure</translation>
    </message>
    <message>
        <source>Åpne mapper og program</source>
        <translation>Open folders and programs</translation>
    </message>
    <message>
        <source>Legg til config.sys</source>
        <translation>Add to config.sys</translation>
    </message>
    <message>
        <source>Beskyttet modus</source>
        <translation>Protected mode</translation>
    </message>
    <message>
        <source>STARTUP.CMD</source>
        <translation>STARTUP.CMD</translation>
    </message>
    <message>
        <source>Ny STARTUP.CMD: lager C:\STARTUP.CMD</source>
        <translation>New STARTUP.CMD: creates C:\STARTUP.CMD</translation>
    </message>
    <message>
        <source>Ny STARTUP.CMD</source>
        <translation>New STARTUP.CMD</translation>
    </message>
    <message>
        <source>Ny</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Lagre STARTUP.CMD: skriver teksten til C:\STARTUP.CMD</source>
        <translation>Save STARTUP.CMD: writes the text to C:\STARTUP.CMD</translation>
    </message>
    <message>
        <source>Lagre STARTUP.CMD</source>
        <translation>Save STARTUP.CMD</translation>
    </message>
    <message>
        <source>Lagre</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Slett STARTUP.CMD: sletter C:\STARTUP.CMD</source>
        <translation>Delete STARTUP.CMD: deletes C:\STARTUP.CMD</translation>
    </message>
    <message>
        <source>Slett STARTUP.CMD</source>
        <translation>Delete STARTUP.CMD</translation>
    </message>
    <message>
        <source>Slett</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Oppstart-mappe, bare ved omstart</source>
        <translation>Startup folder, only after a reboot</translation>
    </message>
    <message>
        <source>Legg til SET RESTARTOBJECTS: skriver valget som ny linje i CONFIG.SYS</source>
        <translation>Add SET RESTARTOBJECTS: writes the choice as a new line in CONFIG.SYS</translation>
    </message>
    <message>
        <source>Legg til SET RESTARTOBJECTS</source>
        <translation>Add SET RESTARTOBJECTS</translation>
    </message>
    <message>
        <source>Ingen valg står for «%1»; linjen står til du velger</source>
        <translation>No choice stands for “%1”; the line stays until you choose</translation>
    </message>
    <message>
        <source>OS/2 leser ikke linjen uten SET; et valg skriver den om med SET foran</source>
        <translation>OS/2 does not read the line without SET; a choice rewrites it with SET</translation>
    </message>
    <message>
        <source>Linje nr. %1 (uten SET) virker ikke; OS/2 leser denne linjen</source>
        <translation>Line %1 (without SET) has no effect; OS/2 reads this line</translation>
    </message>
    <message>
        <source>Ikke nødvendig, standardverdi RESTARTOBJECTS=YES</source>
        <translation>Not needed, default RESTARTOBJECTS=YES</translation>
    </message>
    <message>
        <source>Kun OS/2 sesjoner kan kjøres</source>
        <translation>Only OS/2 sessions can run</translation>
    </message>
    <message>
        <source>OS/2, DOS og Windows sesjoner kan kjøres</source>
        <translation>OS/2, DOS and Windows sessions can run</translation>
    </message>
</context>
<context>
    <name>StatusArea</name>
    <message>
        <source>ikke i %1</source>
        <translation>not in %1</translation>
    </message>
    <message>
        <source>Linje nr. %1</source>
        <translation>Line %1</translation>
    </message>
</context>
<context>
    <name>TOs2Form</name>
    <message>
        <source>OS/2 setup[*]</source>
        <translation>OS/2 setup[*]</translation>
    </message>
    <message>
        <source>Sider</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Oppstart</source>
        <translation>Startup</translation>
    </message>
    <message>
        <source>DOS</source>
        <translation>DOS</translation>
    </message>
    <message>
        <source>Ytelse</source>
        <translation>Performance</translation>
    </message>
    <message>
        <source>Drivere</source>
        <translation>Drivers</translation>
    </message>
    <message>
        <source>Grensesnitt</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Nettverk</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Fil</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Linjene i CONFIG.SYS</source>
        <translation>The lines of CONFIG.SYS</translation>
    </message>
    <message>
        <source>Gjeldende linje i CONFIG.SYS</source>
        <translation>Current line of CONFIG.SYS</translation>
    </message>
    <message>
        <source>Linje i CONFIG.SYS, endres etter oppstart</source>
        <translation>Line in CONFIG.SYS, takes effect after a reboot</translation>
    </message>
    <message>
        <source>&amp;Hent</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Lagre CONFIG.NEW</source>
        <translation>Save CONFIG.NEW</translation>
    </message>
    <message>
        <source>Lagre CONFIG.NEW: skriver linjene til C:\CONFIG.NEW (Alt+L)</source>
        <translation>Save CONFIG.NEW: writes the lines to C:\CONFIG.NEW (Alt+S)</translation>
    </message>
    <message>
        <source>&amp;Lagre</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>REM av/på</source>
        <translation>REM on/off</translation>
    </message>
    <message>
        <source>REM av/på: setter REM foran linjen, eller tar den bort (Alt+R)</source>
        <translation>REM on/off: puts REM in front of the line, or takes it away (Alt+R)</translation>
    </message>
    <message>
        <source>Sjekk linjen</source>
        <translation>Check the line</translation>
    </message>
    <message>
        <source>Sjekk linjen: finnes filen den nevner? (Ctrl+Shift+K sjekker hele filen, F1 viser om programmet)</source>
        <translation>Check the line: does the file it names exist? (Ctrl+Shift+K checks the whole file, F1 shows about the program)</translation>
    </message>
    <message>
        <source>Sjekk</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Hent %1</source>
        <translation>Open %1</translation>
    </message>
    <message>
        <source>Hent %1: leser filen på nytt (Alt+H)</source>
        <translation>Open %1: reads the file again (Alt+O)</translation>
    </message>
    <message>
        <source>Lagret %1 – %2</source>
        <translation>Saved %1 – %2</translation>
    </message>
    <message>
        <source>ingen endringer</source>
        <translation>no changes</translation>
    </message>
    <message>
        <source>1 endring: %1</source>
        <translation>1 change: %1</translation>
    </message>
    <message>
        <source>%1 endringer: %2</source>
        <translation>%1 changes: %2</translation>
    </message>
    <message>
        <source>endringene i %1</source>
        <translation>the changes in %1</translation>
    </message>
    <message>
        <source>%1 og %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>Forkastet %1</source>
        <translation>Discarded %1</translation>
    </message>
    <message>
        <source>%1, og %2</source>
        <translation>%1, and %2</translation>
    </message>
    <message>
        <source>Lagre</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Forkast</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Lagre endringene før du avslutter?</source>
        <translation>Save the changes before you quit?</translation>
    </message>
    <message>
        <source>Dette er ikke lagret og går tapt om du forkaster det:
%1</source>
        <translation>This is not saved and will be lost if you discard it:
%1</translation>
    </message>
    <message>
        <source>Ingen fil er lest inn</source>
        <translation>No file has been read</translation>
    </message>
    <message>
        <source>Lagre endringene før du %1?</source>
        <extracomment>%1 is the step: &quot;tar i bruk&quot; or &quot;gjenoppretter&quot; and the file</extracomment>
        <translation>Save the changes before you %1?</translation>
    </message>
    <message>
        <source>Etterpå leses %1 inn på nytt. Dette er ikke lagret og går tapt om du forkaster det:
%2</source>
        <translation>Afterwards %1 is read again. This is not saved and will be lost if you discard it:
%2</translation>
    </message>
    <message>
        <source>tar i bruk %1</source>
        <extracomment>The step in &quot;Lagre endringene før du %1?&quot;</extracomment>
        <translation>install %1</translation>
    </message>
    <message>
        <source>Fortsett</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Dokumentet har endringer som ikke er lagret i %1.</source>
        <translation>The document has changes that are not saved in %1.</translation>
    </message>
    <message>
        <source>«Lagre» skriver dem til %1 først. «Fortsett» tar i bruk %1 slik den er på disken; endringene blir stående her.</source>
        <translation>“Save” writes them to %1 first. “Continue” installs %1 as it is on the disk; the changes stay here.</translation>
    </message>
    <message>
        <source>gjenoppretter %1</source>
        <extracomment>The step in &quot;Lagre endringene før du %1?&quot;</extracomment>
        <translation>restore %1</translation>
    </message>
    <message>
        <source>Kan ikke skrive %1: ingen fil er lest inn (%2 kunne ikke leses), så det er ingenting å lagre</source>
        <translation>Cannot write %1: no file has been read (%2 could not be read), so there is nothing to save</translation>
    </message>
    <message>
        <source>%1 er endret på disken siden den ble lest inn</source>
        <translation>%1 has changed on the disk since it was read</translation>
    </message>
    <message>
        <source>FEIL</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Stasjon C: har ingen mappe – trykk F1 og «Velg OS/2-stasjonen…»</source>
        <translation>Drive C: has no folder – press F1 and “Choose the OS/2 drive…”</translation>
    </message>
    <message>
        <source>Rediger %1</source>
        <translation>Edit %1</translation>
    </message>
    <message>
        <source>Angret: %1</source>
        <translation>Undone: %1</translation>
    </message>
    <message>
        <source>Ingenting å angre</source>
        <translation>Nothing to undo</translation>
    </message>
    <message>
        <source>Gjort om: %1</source>
        <translation>Redone: %1</translation>
    </message>
    <message>
        <source>Ingenting å gjøre om</source>
        <translation>Nothing to redo</translation>
    </message>
</context>
<context>
    <name>TryCommand</name>
    <message>
        <source>Legge %1 inn som %2, med tasten %3 i Alt+F1-menyen?</source>
        <translation>Add %1 as %2, with the key %3 in the Alt+F1 menu?</translation>
    </message>
    <message>
        <source>den er ikke lagt inn som prøve</source>
        <translation>it has not been added as a trial</translation>
    </message>
    <message>
        <source>Prøver i Alt+F1-menyen (%1):</source>
        <translation>Trials in the Alt+F1 menu (%1):</translation>
    </message>
    <message>
        <source>Ta en i bruk som %1 med «os2setup --install-new --key X»; fjern en med «os2setup --untry X».</source>
        <translation>Install one as %1 with “os2setup --install-new --key X”; remove one with “os2setup --untry X”.</translation>
    </message>
    <message>
        <source>Legge %1 på plass som %2, og ta prøven ut av Alt+F1-menyen?</source>
        <translation>Put %1 in place as %2, and take the trial out of the Alt+F1 menu?</translation>
    </message>
    <message>
        <source>den er ikke lagt på plass</source>
        <translation>it has not been put in place</translation>
    </message>
</context>
<context>
    <name>TryStep</name>
    <message>
        <source>%1 %2 ble skrevet, men kan ikke slettes igjen: %3 Uten en linje i menyen brukes den ikke; slett den selv.</source>
        <translation>%1 %2 was written, but cannot be deleted again: %3 Without a line in the menu it is not used; delete it yourself.</translation>
    </message>
    <message>
        <source>«%1» kan ikke være tast for en prøve: bruk én bokstav A–Z eller ett siffer 4–9.</source>
        <translation>“%1” cannot be the key of a trial: use one letter A–Z or one digit 4–9.</translation>
    </message>
    <message>
        <source>%1 finnes ikke</source>
        <translation>%1 does not exist</translation>
    </message>
    <message>
        <source>filen mangler</source>
        <translation>the file is missing</translation>
    </message>
    <message>
        <source>lik %1</source>
        <translation>equal to %1</translation>
    </message>
    <message>
        <source>ikke lik %1</source>
        <translation>not equal to %1</translation>
    </message>
    <message>
        <source>kan ikke leses: %1</source>
        <translation>cannot be read: %1</translation>
    </message>
    <message>
        <source>Alt+F1-menyen (%1) har ingen prøver fra os2setup.</source>
        <translation>The Alt+F1 menu (%1) has no trials from os2setup.</translation>
    </message>
    <message>
        <source>Ved neste oppstart: trykk Alt+F1 mens den lille hvite boksen med «OS/2» står øverst til venstre på skjermen, og trykk så %1 i menyen som kommer opp. OS/2 starter da én gang med %2; neste vanlige oppstart bruker %3 som før.</source>
        <translation>At the next boot: press Alt+F1 while the small white box with “OS/2” is in the top left corner of the screen, then press %1 in the menu that comes up. OS/2 then boots once with %2; the next normal boot uses %3 as before.</translation>
    </message>
    <message>
        <source> Ingenting er endret.</source>
        <translation> Nothing has been changed.</translation>
    </message>
    <message>
        <source>Kan ikke legge en linje til %1: filen blir da på %2 byte, men en menyfil kan ha høyst 64 KiB</source>
        <translation>Cannot add a line to %1: the file would then be %2 bytes, but a menu file can hold at most 64 KiB</translation>
    </message>
    <message>
        <source>%1 ble skrevet, men det som ble lest tilbake er ikke det som ble skrevet</source>
        <translation>%1 was written, but what was read back is not what was written</translation>
    </message>
    <message>
        <source>%1 %2 er latt stå, siden %3 kan ha fått linjen for den.</source>
        <translation>%1 %2 is left in place, as %3 may have got its line.</translation>
    </message>
    <message>
        <source>%1 er lagt inn som %2, og Alt+F1-menyen (%3) har fått linjen «%4». %5 er ikke endret.</source>
        <translation>%1 has been added as %2, and the Alt+F1 menu (%3) has got the line “%4”. %5 has not been changed.</translation>
    </message>
    <message>
        <source>
Virker den, ta den i bruk med «Gjenopprett CONFIG.SYS…» eller «os2setup --install-new --key %1»; fjern den med «Fjern prøven» der eller «os2setup --untry %1».</source>
        <translation>
If it works, install it with “Restore CONFIG.SYS…” or “os2setup --install-new --key %1”; remove it with “Remove the trial” there or “os2setup --untry %1”.</translation>
    </message>
    <message>
        <source>«%1» er ingen tast i Alt+F1-menyen: bruk én bokstav eller ett siffer</source>
        <translation>“%1” is no key in the Alt+F1 menu: use one letter or one digit</translation>
    </message>
    <message>
        <source>Linjen for tasten %1 i %2 er ikke lagt inn av os2setup, og blir ikke endret</source>
        <translation>The line for the key %1 in %2 was not added by os2setup, and is not changed</translation>
    </message>
    <message>
        <source>%1 har ingen prøve med tasten %2</source>
        <translation>%1 has no trial with the key %2</translation>
    </message>
    <message>
        <source>Prøven %1 er tatt ut av Alt+F1-menyen (%2).</source>
        <translation>The trial %1 has been taken out of the Alt+F1 menu (%2).</translation>
    </message>
    <message>
        <source> %1 fantes ikke.</source>
        <translation> %1 did not exist.</translation>
    </message>
    <message>
        <source> Men %1 kan ikke slettes: %2 Slett den selv; uten linjen i menyen brukes den ikke.</source>
        <translation> But %1 cannot be deleted: %2 Delete it yourself; without the line in the menu it is not used.</translation>
    </message>
    <message>
        <source> %1 er slettet.</source>
        <translation> %1 has been deleted.</translation>
    </message>
    <message>
        <source> Men prøven %1 er ikke tatt ut av Alt+F1-menyen: %2 Fjern den med «os2setup --untry %1».</source>
        <translation> But the trial %1 has not been taken out of the Alt+F1 menu: %2 Remove it with “os2setup --untry %1”.</translation>
    </message>
</context>
<context>
    <name>os2setup</name>
    <message>
        <source>Rediger CONFIG.SYS</source>
        <translation>Edit CONFIG.SYS</translation>
    </message>
</context>
</TS>
