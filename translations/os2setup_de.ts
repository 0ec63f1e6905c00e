<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="nb_NO">
<context>
    <name>AboutBox</name>
    <message>
        <source>Om os2setup</source>
        <translation>Über os2setup</translation>
    </message>
    <message>
        <source>OS/2 setup – rediger CONFIG.SYS for OS/2</source>
        <translation>OS/2 setup – CONFIG.SYS für OS/2 bearbeiten</translation>
    </message>
    <message>
        <source>Versjon:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Lisens:</source>
        <translation>Lizenz:</translation>
    </message>
    <message>
        <source>GPL-3.0-or-later (GNU General Public License, versjon 3 eller senere)</source>
        <translation>GPL-3.0-or-later (GNU General Public License, Version 3 oder neuer)</translation>
    </message>
    <message>
        <source>Stasjon C:</source>
        <translation>Laufwerk C:</translation>
    </message>
    <message>
        <source>Velg OS/2-stasjonen…</source>
        <translation>OS/2-Laufwerk wählen…</translation>
    </message>
    <message>
        <source>Velger mappen eller partisjonen som er stasjon C:, og leser CONFIG.SYS derfra</source>
        <translation>Wählt den Ordner oder die Partition, die Laufwerk C: ist, und liest CONFIG.SYS von dort</translation>
    </message>
    <message>
        <source>Leser:</source>
        <translation>Liest:</translation>
    </message>
    <message>
        <source>Skriver:</source>
        <translation>Schreibt:</translation>
    </message>
    <message>
        <source>C:\CONFIG.NEW med «Lagre»
C:\STARTUP.CMD med knappene på «Oppstart»
C:\AUTOEXEC.BAT og C:\AUTOEXEC.BAK med knappene på «DOS»</source>
        <translation>C:\CONFIG.NEW mit „Speichern“
C:\STARTUP.CMD mit den Schaltflächen auf „Systemstart“
C:\AUTOEXEC.BAT und C:\AUTOEXEC.BAK mit den Schaltflächen auf „DOS“</translation>
    </message>
    <message>
        <source>Vil den starte?</source>
        <translation>Startet das System?</translation>
    </message>
    <message>
        <source>Sjekk hele filen… (Ctrl+Shift+K)</source>
        <translation>Ganze Datei prüfen… (Strg+Umschalt+K)</translation>
    </message>
    <message>
        <source>Ser etter hver fil og mappe som de aktive linjene nevner, og viser det som mangler</source>
        <translation>Sucht jede Datei und jeden Ordner, die in den aktiven Zeilen stehen, und zeigt, was fehlt</translation>
    </message>
    <message>
        <source>Hva er endret?</source>
        <translation>Was wurde geändert?</translation>
    </message>
    <message>
        <source>Endringer… (Ctrl+D)</source>
        <translation>Änderungen… (Strg+D)</translation>
    </message>
    <message>
        <source>Viser hver linje som er endret eller lagt til siden filen ble lest inn</source>
        <translation>Zeigt jede Zeile, die seit dem Einlesen der Datei geändert oder hinzugefügt wurde</translation>
    </message>
    <message>
        <source>Oppstartsfilen:</source>
        <translation>Startdatei:</translation>
    </message>
    <message>
        <source>Ta i bruk CONFIG.NEW… (Ctrl+Shift+T)</source>
        <translation>CONFIG.NEW übernehmen… (Strg+Umschalt+T)</translation>
    </message>
    <message>
        <source>Viser hva C:\CONFIG.NEW endrer og om OS/2 vil starte med den, og legger den på plass som C:\CONFIG.SYS etter en kopi av den gamle</source>
        <translation>Zeigt, was C:\CONFIG.NEW ändert und ob OS/2 damit startet, und setzt sie nach einer Kopie der alten als C:\CONFIG.SYS ein</translation>
    </message>
    <message>
        <source>Prøv ved neste oppstart…</source>
        <translation>Beim nächsten Start testen…</translation>
    </message>
    <message>
        <source>Legger C:\CONFIG.NEW inn som en prøve i OS/2s Alt+F1-meny, så neste oppstart kan starte med den én gang; C:\CONFIG.SYS endres ikke</source>
        <translation>Nimmt C:\CONFIG.NEW als Probe in das Alt+F1-Menü von OS/2 auf, damit der nächste Start einmal damit erfolgen kann; C:\CONFIG.SYS bleibt unverändert</translation>
    </message>
    <message>
        <source>Gjenopprett CONFIG.SYS…</source>
        <translation>CONFIG.SYS wiederherstellen…</translation>
    </message>
    <message>
        <source>Legger en tidligere CONFIG.SYS på plass igjen: CONFIG.nnn, en kopi fra os2setup, OS/2s arkiv eller installasjon</source>
        <translation>Setzt eine frühere CONFIG.SYS wieder ein: CONFIG.nnn, eine Kopie von os2setup, das Archiv oder die Installation von OS/2</translation>
    </message>
    <message>
        <source>Lukk</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>valget --drive</source>
        <translation>Option --drive</translation>
    </message>
    <message>
        <source>miljøvariabelen %1</source>
        <translation>Umgebungsvariable %1</translation>
    </message>
    <message>
        <source>valgt i stasjonsvelgeren</source>
        <translation>in der Laufwerksauswahl gewählt</translation>
    </message>
    <message>
        <source>ikke koblet</source>
        <translation>nicht zugeordnet</translation>
    </message>
    <message>
        <source>Angre en endring:</source>
        <translation>Änderung rückgängig:</translation>
    </message>
    <message>
        <source>Angre (Ctrl+Z)</source>
        <translation>Rückgängig (Strg+Z)</translation>
    </message>
    <message>
        <source>Angrer den siste endringen av CONFIG.SYS, ett steg om gangen (Ctrl+Z)</source>
        <translation>Macht die letzte Änderung an CONFIG.SYS rückgängig, einen Schritt nach dem anderen (Strg+Z)</translation>
    </message>
    <message>
        <source>Gjør om (Ctrl+Shift+Z, Ctrl+Y)</source>
        <translation>Wiederholen (Strg+Umschalt+Z, Strg+Y)</translation>
    </message>
    <message>
        <source>Gjør om det siste steget som ble angret (Ctrl+Shift+Z eller Ctrl+Y)</source>
        <translation>Stellt den zuletzt rückgängig gemachten Schritt wieder her (Strg+Umschalt+Z oder Strg+Y)</translation>
    </message>
    <message>
        <source>Finn:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Finn i filen… (Ctrl+F)</source>
        <translation>In der Datei suchen… (Strg+F)</translation>
    </message>
    <message>
        <source>Finner tekst i linjene på «Fil» og merker hver linje som har den</source>
        <translation>Sucht Text in den Zeilen auf „Datei“ und markiert jede Zeile, die ihn enthält</translation>
    </message>
    <message>
        <source>F3, Shift+F3:</source>
        <translation>F3, Umschalt+F3:</translation>
    </message>
    <message>
        <source>neste og forrige linje med teksten</source>
        <translation>nächste und vorige Zeile mit dem Text</translation>
    </message>
    <message>
        <source>Gå til linje… (Ctrl+G)</source>
        <translation>Gehe zu Zeile… (Strg+G)</translation>
    </message>
    <message>
        <source>Gjør linjen med nummeret du skriver, til gjeldende linje</source>
        <translation>Macht die Zeile mit der eingegebenen Nummer zur aktuellen Zeile</translation>
    </message>
    <message>
        <source>Esc:</source>
        <translation>Esc:</translation>
    </message>
    <message>
        <source>lukker søket; den valgte linjen blir stående</source>
        <translation>schließt die Suche; die gewählte Zeile bleibt ausgewählt</translation>
    </message>
</context>
<context>
    <name>BootCheckDialog</name>
    <message>
        <source>Sjekk hele filen</source>
        <translation>Ganze Datei prüfen</translation>
    </message>
    <message>
        <source>Funn</source>
        <translation>Befunde</translation>
    </message>
    <message>
        <source>Lukk</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Ta i bruk CONFIG.NEW…</source>
        <translation>CONFIG.NEW übernehmen…</translation>
    </message>
    <message>
        <source>Legger C:\CONFIG.NEW på plass som C:\CONFIG.SYS (Ctrl+Shift+T)</source>
        <translation>Setzt C:\CONFIG.NEW als C:\CONFIG.SYS ein (Strg+Umschalt+T)</translation>
    </message>
    <message>
        <source>Sjekk igjen</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <source>Sjekker filen slik den står nå (Ctrl+Shift+K i hovedvinduet)</source>
        <translation>Prüft die Datei in ihrem jetzigen Zustand (Strg+Umschalt+K im Hauptfenster)</translation>
    </message>
    <message>
        <source>Oppstartsstasjon: %1:
</source>
        <translation>Startlaufwerk: %1:
</translation>
    </message>
    <message>
        <source>OS/2 kjenner alle setningene og godtar verdiene, og alle filer og mapper som de aktive linjene nevner, er der OS/2 leter etter dem.</source>
        <translation>OS/2 kennt alle Anweisungen und akzeptiert die Werte, und alle Dateien und Ordner aus den aktiven Zeilen liegen dort, wo OS/2 sie sucht.</translation>
    </message>
    <message>
        <source>Det OS/2 ikke finner eller ikke godtar, det verste først. Enter eller et klikk på et funn går til linjen i filen.</source>
        <translation>Was OS/2 nicht findet oder nicht akzeptiert, das Schwerste zuerst. Eingabetaste oder ein Klick auf einen Befund springt zur Zeile in der Datei.</translation>
    </message>
    <message>
        <source>
Filen er endret etter sjekken: «Sjekk igjen» sjekker den slik den står nå.</source>
        <translation>
Die Datei wurde nach der Prüfung geändert: „Erneut prüfen“ prüft sie in ihrem jetzigen Zustand.</translation>
    </message>
</context>
<context>
    <name>BootMenu</name>
    <message>
        <source>«%1» kan ikke være tast for en prøve: bruk en bokstav A–Z eller et siffer 4–9.</source>
        <translation>„%1“ kann keine Taste für eine Probe sein: Buchstabe A–Z oder Ziffer 4–9 verwenden.</translation>
    </message>
    <message>
        <source>Tasten %1 bruker OS/2 selv i Alt+F1-menyen (C, M, V, X, 1, 2 og 3).</source>
        <translation>Die Taste %1 verwendet OS/2 selbst im Alt+F1-Menü (C, M, V, X, 1, 2 und 3).</translation>
    </message>
    <message>
        <source>Tasten %1 er i bruk: %2\CONFIG.%1 finnes allerede.</source>
        <translation>Die Taste %1 ist belegt: %2\CONFIG.%1 gibt es bereits.</translation>
    </message>
    <message>
        <source>Tasten %1 er i bruk: Alt+F1-menyen i %2 har allerede en linje for den.</source>
        <translation>Die Taste %1 ist belegt: Das Alt+F1-Menü in %2 hat bereits eine Zeile dafür.</translation>
    </message>
    <message>
        <source>Alle tastene A–Z og 4–9 er i bruk i Alt+F1-menyen eller av en CONFIG-fil i %1. Fjern en prøve før du legger inn en ny.</source>
        <translation>Alle Tasten A–Z und 4–9 sind im Alt+F1-Menü oder durch eine CONFIG-Datei in %1 belegt. Entfernen Sie eine Probe, bevor Sie eine neue aufnehmen.</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Støtte for diskettsatsjon</source>
        <translation>Unterstützung für Diskettenlaufwerke</translation>
    </message>
    <message>
        <source>Støtte for PS/2 diskettstasjon</source>
        <translation>Unterstützung für PS/2-Diskettenlaufwerke</translation>
    </message>
    <message>
        <source>Støtte for XDF disketter</source>
        <translation>Unterstützung für XDF-Disketten</translation>
    </message>
    <message>
        <source>Støtte for CD-ROM</source>
        <translation>CD-ROM-Unterstützung</translation>
    </message>
    <message>
        <source>Støtte for CDROM</source>
        <translation>CD-ROM-Unterstützung</translation>
    </message>
    <message>
        <source>Støtte for paralleport, IDE-EISA</source>
        <translation>Unterstützung für Parallelanschluss, IDE-EISA</translation>
    </message>
    <message>
        <source>Støtte for paralellport, MCA</source>
        <translation>Unterstützung für Parallelanschluss, MCA</translation>
    </message>
    <message>
        <source>Styreprogram til platelagre av typen MFM, RLL, ESD</source>
        <translation>Treiber für Festplatten vom Typ MFM, RLL, ESDI</translation>
    </message>
    <message>
        <source>Styreprogram til SCSI scannere, båndstasjoner etc.</source>
        <translation>Treiber für SCSI-Scanner, Bandlaufwerke usw.</translation>
    </message>
    <message>
        <source>Enhetstyrer-transportlaget for DASD-enheter</source>
        <translation>Transportschicht des Einheitenmanagers für DASD-Einheiten</translation>
    </message>
    <message>
        <source>Gir støtte for SCSI II optiske stasjoner</source>
        <translation>Unterstützung für optische SCSI-II-Laufwerke</translation>
    </message>
    <message>
        <source>Styreprogram til tastatur</source>
        <translation>Tastaturtreiber</translation>
    </message>
    <message>
        <source>Støtte for SCSI-enheter</source>
        <translation>Unterstützung für SCSI-Einheiten</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Zeitgeber</translation>
    </message>
    <message>
        <source>Nettverk</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>EMM, Expanded Memory Manager for DOS</source>
        <translation>EMM, Expanded Memory Manager für DOS</translation>
    </message>
    <message>
        <source>XMS, eXtended Memory Manager for DOS</source>
        <translation>XMS, eXtended Memory Manager für DOS</translation>
    </message>
    <message>
        <source>DPMI, Protected Mode for DOS</source>
        <translation>DPMI, Protected Mode für DOS</translation>
    </message>
    <message>
        <source>Støtte for Windows</source>
        <translation>Windows-Unterstützung</translation>
    </message>
    <message>
        <source>Støtte for Windows 32s</source>
        <translation>Win32s-Unterstützung</translation>
    </message>
    <message>
        <source>Støtte for CD-ROM i DOS og Windows</source>
        <translation>CD-ROM-Unterstützung in DOS und Windows</translation>
    </message>
    <message>
        <source>Støtte for mus i DOS og Windows sesjoner</source>
        <translation>Mausunterstützung in DOS- und Windows-Sitzungen</translation>
    </message>
    <message>
        <source>Støtte for pekerutstyr</source>
        <translation>Unterstützung für Zeigeeinheiten</translation>
    </message>
    <message>
        <source>Støtte for mus (trenger POINTDD.SYS for å virke skikkelig)</source>
        <translation>Mausunterstützung (braucht POINTDD.SYS, um richtig zu funktionieren)</translation>
    </message>
    <message>
        <source>Driver til RS-232S serielle porter COM1..COM4</source>
        <translation>Treiber für serielle RS-232-Anschlüsse COM1..COM4</translation>
    </message>
    <message>
        <source>Driver til RS-232S serielle porter i DOS og Windows sesjoner</source>
        <translation>Treiber für serielle RS-232-Anschlüsse in DOS- und Windows-Sitzungen</translation>
    </message>
    <message>
        <source>Skjerm driver</source>
        <translation>Bildschirmtreiber</translation>
    </message>
    <message>
        <source>BonusPak</source>
        <translation>BonusPak</translation>
    </message>
    <message>
        <source>SoundBlaster driver</source>
        <translation>Sound-Blaster-Treiber</translation>
    </message>
    <message>
        <source>Lyddriver</source>
        <translation>Audiotreiber</translation>
    </message>
    <message>
        <source>Nettverk driver</source>
        <translation>Netzwerktreiber</translation>
    </message>
    <message>
        <source>Nett Bios</source>
        <translation>NetBIOS</translation>
    </message>
    <message>
        <source>TCP/IP støtte i DOS</source>
        <translation>TCP/IP-Unterstützung in DOS</translation>
    </message>
    <message>
        <source>Systemfeil logging ( RUN=LOGDAEM.EXE må være med i CONFIG.SYS</source>
        <translation>Systemfehlerprotokoll (RUN=LOGDAEM.EXE muss in CONFIG.SYS stehen)</translation>
    </message>
    <message>
        <source>Nettverk: Null Protokoll</source>
        <translation>Netzwerk: Nullprotokoll</translation>
    </message>
    <message>
        <source>Tildeler en stasjonsbokstav til en diskettstasjon</source>
        <translation>Ordnet einem Diskettenlaufwerk einen Laufwerkbuchstaben zu</translation>
    </message>
    <message>
        <source>IDE- og SATA-disker (avløser IBM1S506.ADD)</source>
        <translation>IDE- und SATA-Platten (ersetzt IBM1S506.ADD)</translation>
    </message>
    <message>
        <source>CD, DVD og andre ATAPI-enheter på IDE og SATA</source>
        <translation>CD, DVD und andere ATAPI-Einheiten an IDE und SATA</translation>
    </message>
    <message>
        <source>SATA-disker i AHCI-modus</source>
        <translation>SATA-Platten im AHCI-Modus</translation>
    </message>
    <message>
        <source>NVMe-disker (SSD på PCI Express)</source>
        <translation>NVMe-Platten (SSD an PCI Express)</translation>
    </message>
    <message>
        <source>Logiske volumer (LVM): stasjonsbokstavene</source>
        <translation>Logische Datenträger (LVM): die Laufwerkbuchstaben</translation>
    </message>
    <message>
        <source>Diskkontroll av stasjonene ved oppstart</source>
        <translation>Plattenprüfung der Laufwerke beim Start</translation>
    </message>
    <message>
        <source>Strømstyring (APM) gjennom ACPI.PSD</source>
        <translation>Stromverwaltung (APM) über ACPI.PSD</translation>
    </message>
    <message>
        <source>USB 3-vertsstyrer (xHCI)</source>
        <translation>USB-3-Hostcontroller (xHCI)</translation>
    </message>
    <message>
        <source>USB 2-vertsstyrer (EHCI)</source>
        <translation>USB-2-Hostcontroller (EHCI)</translation>
    </message>
    <message>
        <source>USB 1-vertsstyrer (OHCI)</source>
        <translation>USB-1-Hostcontroller (OHCI)</translation>
    </message>
    <message>
        <source>USB 1-vertsstyrer (UHCI)</source>
        <translation>USB-1-Hostcontroller (UHCI)</translation>
    </message>
    <message>
        <source>USB-grunnlaget som alle USB-drivere trenger</source>
        <translation>USB-Basis, die alle USB-Treiber brauchen</translation>
    </message>
    <message>
        <source>USB-tastatur, -mus og andre HID-enheter</source>
        <translation>USB-Tastatur, -Maus und andere HID-Einheiten</translation>
    </message>
    <message>
        <source>USB-minnepinner og -disker</source>
        <translation>USB-Sticks und -Platten</translation>
    </message>
    <message>
        <source>USB-CD- og DVD-stasjoner</source>
        <translation>USB-CD- und -DVD-Laufwerke</translation>
    </message>
    <message>
        <source>Disker gjennom BIOS (INT 13)</source>
        <translation>Platten über das BIOS (INT 13)</translation>
    </message>
    <message>
        <source>ATAPI CD-ROM (IBMs eldre filter)</source>
        <translation>ATAPI-CD-ROM (älterer Filter von IBM)</translation>
    </message>
    <message>
        <source>USB-tastatur (trenger USBHID.SYS)</source>
        <translation>USB-Tastatur (braucht USBHID.SYS)</translation>
    </message>
    <message>
        <source>USB-mus (trenger USBHID.SYS, POINTDD.SYS og MOUSE.SYS)</source>
        <translation>USB-Maus (braucht USBHID.SYS, POINTDD.SYS und MOUSE.SYS)</translation>
    </message>
    <message>
        <source>USB serielle porter og modemer</source>
        <translation>Serielle USB-Anschlüsse und Modems</translation>
    </message>
    <message>
        <source>USB-skrivere</source>
        <translation>USB-Drucker</translation>
    </message>
    <message>
        <source>USB-tilgang for programmer (ressursbehandler)</source>
        <translation>USB-Zugriff für Programme (Ressourcenverwaltung)</translation>
    </message>
    <message>
        <source>Lyd: UNIAUD, lyddriveren for de fleste lydkort</source>
        <translation>Audio: UNIAUD, der Audiotreiber für die meisten Soundkarten</translation>
    </message>
    <message>
        <source>Lyd: UNIAUD, 16-bitsdelen (trenger UNIAUD32.SYS)</source>
        <translation>Audio: UNIAUD, der 16-Bit-Teil (braucht UNIAUD32.SYS)</translation>
    </message>
    <message>
        <source>Nettkort: Intel PRO/1000 og nyere Intel-kort (MultiMac)</source>
        <translation>Netzwerkkarte: Intel PRO/1000 und neuere Intel-Karten (MultiMac)</translation>
    </message>
    <message>
        <source>Nettkort: Realtek 8111, 8168 og 8169 (MultiMac)</source>
        <translation>Netzwerkkarte: Realtek 8111, 8168 und 8169 (MultiMac)</translation>
    </message>
    <message>
        <source>Nettkort: nVidia nForce (MultiMac)</source>
        <translation>Netzwerkkarte: nVidia nForce (MultiMac)</translation>
    </message>
    <message>
        <source>Nettkort gjennom Windows-drivere (GenMac)</source>
        <translation>Netzwerkkarten über Windows-Treiber (GenMac)</translation>
    </message>
    <message>
        <source>Nettkort: AMD PCnet, også i VirtualBox og VMware</source>
        <translation>Netzwerkkarte: AMD PCnet, auch in VirtualBox und VMware</translation>
    </message>
    <message>
        <source>TCP/IP: 32-bits sockets</source>
        <translation>TCP/IP: 32-Bit-Sockets</translation>
    </message>
    <message>
        <source>TCP/IP: 32-bits Internett-protokoll</source>
        <translation>TCP/IP: 32-Bit-Internetprotokoll</translation>
    </message>
    <message>
        <source>Nettverk: NetBIOS over TCP/IP</source>
        <translation>Netzwerk: NetBIOS über TCP/IP</translation>
    </message>
    <message>
        <source>TCP/IP: brannmur</source>
        <translation>TCP/IP: Firewall</translation>
    </message>
    <message>
        <source>Skjerm: GRADD, grunnlaget for skjermdriverne</source>
        <translation>Bildschirm: GRADD, die Basis der Bildschirmtreiber</translation>
    </message>
    <message>
        <source>Skjerm: GRADD-støtte for DOS- og Win-OS/2-vinduer</source>
        <translation>Bildschirm: GRADD-Unterstützung für DOS- und Win-OS/2-Fenster</translation>
    </message>
    <message>
        <source>Skjerm: VGA i DOS-økter</source>
        <translation>Bildschirm: VGA in DOS-Sitzungen</translation>
    </message>
    <message>
        <source>ANSI-skjermkoder i DOS-økter</source>
        <translation>ANSI-Bildschirmcodes in DOS-Sitzungen</translation>
    </message>
    <message>
        <source>Nettverk: protokollbehandler (MPTS)</source>
        <translation>Netzwerk: Protokollmanager (MPTS)</translation>
    </message>
    <message>
        <source>Maskinvaresjekk for installasjon og drivere</source>
        <translation>Hardwareprüfung für Installation und Treiber</translation>
    </message>
    <message>
        <source>Støtte for DOS-økter</source>
        <translation>Unterstützung für DOS-Sitzungen</translation>
    </message>
    <message>
        <source>Presentation Manager: skjermpeker</source>
        <translation>Presentation Manager: Mauszeiger</translation>
    </message>
    <message>
        <source>DOS-utvidere (DPMI) i DOS-økter</source>
        <translation>DOS-Extender (DPMI) in DOS-Sitzungen</translation>
    </message>
    <message>
        <source>Multimedia: strømbehandler, trengs for lyd</source>
        <translation>Multimedia: Datenstromverwaltung, für Audio nötig</translation>
    </message>
    <message>
        <source>Multimedia: hjelpedriver for lyd</source>
        <translation>Multimedia: Audio-Hilfstreiber</translation>
    </message>
    <message>
        <source>Multimedia: MIDI</source>
        <translation>Multimedia: MIDI</translation>
    </message>
    <message>
        <source>Multimedia: lyd i DOS-økter</source>
        <translation>Multimedia: Audio in DOS-Sitzungen</translation>
    </message>
    <message>
        <source>TCP/IP: 16-bits sockets</source>
        <translation>TCP/IP: 16-Bit-Sockets</translation>
    </message>
    <message>
        <source>TCP/IP: lokale sockets</source>
        <translation>TCP/IP: lokale Sockets</translation>
    </message>
    <message>
        <source>TCP/IP: 16-bits Internett-protokoll</source>
        <translation>TCP/IP: 16-Bit-Internetprotokoll</translation>
    </message>
    <message>
        <source>TCP/IP: kobler TCP/IP til nettkortet (NDIS)</source>
        <translation>TCP/IP: verbindet TCP/IP mit der Netzwerkkarte (NDIS)</translation>
    </message>
    <message>
        <source>Nettverk: LAN-tjenester i DOS-økter</source>
        <translation>Netzwerk: LAN-Dienste in DOS-Sitzungen</translation>
    </message>
    <message>
        <source>ACPI: avbrudd, flere prosessorer og strømstyring</source>
        <translation>ACPI: Interrupts, mehrere Prozessoren und Stromverwaltung</translation>
    </message>
    <message>
        <source>Flere prosessorer (APIC), den eldre PSD-en</source>
        <translation>Mehrere Prozessoren (APIC), der ältere PSD</translation>
    </message>
    <message>
        <source>JFS-filsystemet, der ArcaOS installeres</source>
        <translation>Das Dateisystem JFS, auf dem ArcaOS installiert wird</translation>
    </message>
    <message>
        <source>HPFS-filsystemet</source>
        <translation>Das Dateisystem HPFS</translation>
    </message>
    <message>
        <source>FAT32-stasjoner</source>
        <translation>FAT32-Laufwerke</translation>
    </message>
    <message>
        <source>CD og DVD (ISO 9660 og Joliet)</source>
        <translation>CD und DVD (ISO 9660 und Joliet)</translation>
    </message>
    <message>
        <source>DVD og andre plater med UDF</source>
        <translation>DVD und andere Datenträger mit UDF</translation>
    </message>
    <message>
        <source>RAM-disk</source>
        <translation>RAM-Disk</translation>
    </message>
    <message>
        <source>NTFS-stasjoner</source>
        <translation>NTFS-Laufwerke</translation>
    </message>
    <message>
        <source>ISO-filer som stasjoner</source>
        <translation>ISO-Dateien als Laufwerke</translation>
    </message>
    <message>
        <source>HPFS for tjenere (HPFS386)</source>
        <translation>HPFS für Server (HPFS386)</translation>
    </message>
    <message>
        <source>Nettstasjoner for LAN-klienten (IBM Peer)</source>
        <translation>Netzlaufwerke für den LAN-Client (IBM Peer)</translation>
    </message>
</context>
<context>
    <name>ChangeDetail</name>
    <message>
        <source>Linjen før</source>
        <translation>Die Zeile vorher</translation>
    </message>
    <message>
        <source>Linjen nå</source>
        <translation>Die Zeile jetzt</translation>
    </message>
    <message>
        <source>Elementer lagt til, fjernet eller flyttet</source>
        <translation>Hinzugefügte, entfernte oder verschobene Elemente</translation>
    </message>
    <message>
        <source>For LIBPATH, SET PATH og andre lister med «;»: elementene endringen legger til (+), fjerner (−) eller flytter (~), i listens rekkefølge</source>
        <translation>Für LIBPATH, SET PATH und andere Listen mit „;“: die Elemente, die die Änderung hinzufügt (+), entfernt (−) oder verschiebt (~), in der Reihenfolge der Liste</translation>
    </message>
    <message>
        <source>&amp;Før:</source>
        <translation>&amp;Vorher:</translation>
    </message>
    <message>
        <source>&amp;Nå:</source>
        <translation>&amp;Jetzt:</translation>
    </message>
    <message>
        <source>&amp;Elementer:</source>
        <translation>&amp;Elemente:</translation>
    </message>
</context>
<context>
    <name>ChangesDialog</name>
    <message>
        <source>&amp;Angre endringen</source>
        <translation>Änderung &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>Endringer</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Setter linjen tilbake slik den var i filen som ble lest inn</source>
        <translation>Setzt die Zeile so zurück, wie sie in der eingelesenen Datei stand</translation>
    </message>
    <message>
        <source>Lukk</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ChangesModel</name>
    <message>
        <source>Ingen endringer</source>
        <translation>Keine Änderungen</translation>
    </message>
    <message>
        <source>%1 linje lagt til</source>
        <translation>%1 Zeile hinzugefügt</translation>
    </message>
    <message>
        <source>%1 linjer lagt til</source>
        <translation>%1 Zeilen hinzugefügt</translation>
    </message>
    <message>
        <source>%1 linje endret</source>
        <translation>%1 Zeile geändert</translation>
    </message>
    <message>
        <source>%1 linjer endret</source>
        <translation>%1 Zeilen geändert</translation>
    </message>
    <message>
        <source>%1 linje endret, %2 lagt til</source>
        <translation>%1 Zeile geändert, %2 hinzugefügt</translation>
    </message>
    <message>
        <source>%1 linjer endret, %2 lagt til</source>
        <translation>%1 Zeilen geändert, %2 hinzugefügt</translation>
    </message>
    <message>
        <source>Linje %1: %2 → %3</source>
        <translation>Zeile %1: %2 → %3</translation>
    </message>
    <message>
        <source>Linje %1: + %2</source>
        <translation>Zeile %1: + %2</translation>
    </message>
    <message>
        <source>Linje %1: − %2</source>
        <translation>Zeile %1: − %2</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>mappen %1</source>
        <translation>Ordner %1</translation>
    </message>
    <message>
        <source>Linje %1: %2 – </source>
        <translation>Zeile %1: %2 – </translation>
    </message>
    <message>
        <source>Linje 0: – </source>
        <translation>Zeile 0: – </translation>
    </message>
    <message>
        <source>stopper oppstarten: ingen LIBPATH</source>
        <translation>verhindert den Start: kein LIBPATH</translation>
    </message>
    <message>
        <source>ikke sjekket: stasjonen til %1 er ikke koblet til noen mappe</source>
        <translation>nicht geprüft: Das Laufwerk von %1 ist keinem Ordner zugeordnet</translation>
    </message>
    <message>
        <source>ikke sjekket: %1 fører ut av stasjonen %2:</source>
        <translation>nicht geprüft: %1 führt aus Laufwerk %2: hinaus</translation>
    </message>
    <message>
        <source>ikke sjekket: %1 tar bare et filnavn</source>
        <translation>nicht geprüft: %1 nimmt nur einen Dateinamen</translation>
    </message>
    <message>
        <source>ikke sjekket: ubrukt: en senere linje gjelder</source>
        <translation>nicht geprüft: unwirksam: eine spätere Zeile gilt</translation>
    </message>
    <message>
        <source>OS/2 kjenner ikke setningen</source>
        <translation>OS/2 kennt die Anweisung nicht</translation>
    </message>
    <message>
        <source>OS/2 kjenner ikke setningen %1</source>
        <translation>OS/2 kennt die Anweisung %1 nicht</translation>
    </message>
    <message>
        <source>OS/2 godtar ikke en tom verdi (%1)</source>
        <translation>OS/2 akzeptiert keinen leeren Wert (%1)</translation>
    </message>
    <message>
        <source>OS/2 godtar ikke verdien %1 (%2)</source>
        <translation>OS/2 akzeptiert den Wert %1 nicht (%2)</translation>
    </message>
    <message>
        <source>advarsel: %1 står to ganger</source>
        <translation>Warnung: %1 steht zweimal da</translation>
    </message>
    <message>
        <source>stopper oppstarten: finner ikke %1</source>
        <translation>verhindert den Start: %1 nicht gefunden</translation>
    </message>
    <message>
        <source>advarsel: finner ikke %1</source>
        <translation>Warnung: %1 nicht gefunden</translation>
    </message>
    <message>
        <source>finner ikke %1</source>
        <translation>%1 nicht gefunden</translation>
    </message>
    <message>
        <source>%1 navn sjekket: %2 stopper oppstarten, %3 mangler, %4 %5, %6 ikke sjekket (oppstartsstasjon %7:)</source>
        <translation>%1 Namen geprüft: %2 verhindern den Start, %3 fehlen, %4 %5, %6 nicht geprüft (Startlaufwerk %7:)</translation>
    </message>
    <message>
        <source>advarsel</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>advarsler</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>er ikke en mappe</source>
        <translation>ist kein Ordner</translation>
    </message>
    <message>
        <source>finnes ikke</source>
        <translation>existiert nicht</translation>
    </message>
    <message>
        <source>Kan ikke sjekke %1:\: mappen %2 til stasjon %1: %3</source>
        <translation>Fehler beim Prüfen von %1:\: Der Ordner %2 von Laufwerk %1: %3</translation>
    </message>
    <message>
        <source>%1 eksisterer</source>
        <translation>%1 existiert</translation>
    </message>
    <message>
        <source>ikke sjekket: stasjon %1: er ikke koblet til noen mappe</source>
        <translation>nicht geprüft: Laufwerk %1: ist keinem Ordner zugeordnet</translation>
    </message>
    <message>
        <source>ikke sjekket: mappen til stasjon %1: kan ikke leses</source>
        <translation>nicht geprüft: Der Ordner von Laufwerk %1: kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>** FEIL **   finner ikke styreprogram</source>
        <translation>** FEHLER **   Treiber nicht gefunden</translation>
    </message>
    <message>
        <source>** FEIL **   finner ikke filen</source>
        <translation>** FEHLER **   Datei nicht gefunden</translation>
    </message>
    <message>
        <source>et helt tall, høyst 4095</source>
        <translation>eine ganze Zahl, höchstens 4095</translation>
    </message>
    <message>
        <source>et helt antall sekunder, minst 1</source>
        <translation>eine ganze Zahl von Sekunden, mindestens 1</translation>
    </message>
    <message>
        <source>minst 32, og en andre verdi minst like stor og under 65536</source>
        <translation>mindestens 32 und ein zweiter Wert, mindestens genauso groß und unter 65536</translation>
    </message>
    <message>
        <source>ABSOLUTE eller DYNAMIC</source>
        <translation>ABSOLUTE oder DYNAMIC</translation>
    </message>
    <message>
        <source>et helt tall fra 512 til 3072</source>
        <translation>eine ganze Zahl von 512 bis 3072</translation>
    </message>
    <message>
        <source>1, 2 eller 4</source>
        <translation>1, 2 oder 4</translation>
    </message>
    <message>
        <source>et helt tall fra 1 til 100</source>
        <translation>eine ganze Zahl von 1 bis 100</translation>
    </message>
    <message>
        <source>ON eller OFF</source>
        <translation>ON oder OFF</translation>
    </message>
    <message>
        <source>YES eller NO</source>
        <translation>YES oder NO</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 Se «os2setup --help».</source>
        <translation>%1 Siehe „os2setup --help“.</translation>
    </message>
    <message>
        <source>«%1» kan ikke gis sammen med «--check», «--install-new», «--restore», «--try-new», «--tries» eller «--untry».</source>
        <translation>„%1“ kann nicht zusammen mit „--check“, „--install-new“, „--restore“, „--try-new“, „--tries“ oder „--untry“ angegeben werden.</translation>
    </message>
    <message>
        <source>«%1 %2»: tasten er én bokstav A–Z eller ett siffer 4–9.</source>
        <translation>„%1 %2“: Die Taste ist ein Buchstabe A–Z oder eine Ziffer 4–9.</translation>
    </message>
    <message>
        <source>«--key» gis bare sammen med «--try-new» eller «--install-new».</source>
        <translation>„--key“ gibt es nur zusammen mit „--try-new“ oder „--install-new“.</translation>
    </message>
    <message>
        <source>«--window» gjelder bare «--install-new», «--restore» og «--try-new», uten «--key».</source>
        <translation>„--window“ gilt nur für „--install-new“, „--restore“ und „--try-new“, ohne „--key“.</translation>
    </message>
    <message>
        <source>Vis denne hjelpen og avslutt.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Vis versjonen og avslutt.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Sjekk at alt filen nevner, finnes på stasjonene, og avslutt.</source>
        <translation>Prüfen, ob alles, was die Datei nennt, auf den Laufwerken existiert, und beenden.</translation>
    </message>
    <message>
        <source>Ta C:\CONFIG.NEW i bruk som C:\CONFIG.SYS, etter en kopi av den gamle, og avslutt.</source>
        <translation>C:\CONFIG.NEW nach einer Kopie der alten als C:\CONFIG.SYS einsetzen und beenden.</translation>
    </message>
    <message>
        <source>List kopiene av C:\CONFIG.SYS å gå tilbake til; med et nummer N: legg kopi N på plass. Avslutt så.</source>
        <translation>Die Kopien von C:\CONFIG.SYS auflisten, zu denen man zurückkehren kann; mit einer Nummer N: Kopie N einsetzen. Dann beenden.</translation>
    </message>
    <message>
        <source>Legg C:\CONFIG.NEW inn som en prøve i OS/2s Alt+F1-meny, og avslutt; C:\CONFIG.SYS endres ikke.</source>
        <translation>C:\CONFIG.NEW als Probe in das Alt+F1-Menü von OS/2 aufnehmen und beenden; C:\CONFIG.SYS bleibt unverändert.</translation>
    </message>
    <message>
        <source>Tasten til prøven: for --try-new den den skal få (ellers første ledige), for --install-new prøven som tas i bruk i stedet for C:\CONFIG.NEW.</source>
        <translation>Die Taste der Probe: bei --try-new die, die sie bekommen soll (sonst die erste freie), bei --install-new die Probe, die statt C:\CONFIG.NEW eingesetzt wird.</translation>
    </message>
    <message>
        <source>List prøvene i Alt+F1-menyen, og avslutt.</source>
        <translation>Die Proben im Alt+F1-Menü auflisten und beenden.</translation>
    </message>
    <message>
        <source>Fjern prøven med tasten X fra Alt+F1-menyen (linjen og filen), og avslutt.</source>
        <translation>Die Probe mit der Taste X aus dem Alt+F1-Menü entfernen (Zeile und Datei) und beenden.</translation>
    </message>
    <message>
        <source>Gjør --install-new, --restore eller --try-new i vinduet i stedet for her.</source>
        <translation>--install-new, --restore oder --try-new im Fenster statt hier ausführen.</translation>
    </message>
    <message>
        <source>Ikke spør før --install-new, --restore eller --try-new skriver.</source>
        <translation>Nicht nachfragen, bevor --install-new, --restore oder --try-new schreibt.</translation>
    </message>
    <message>
        <source>Ta i bruk også når sjekken sier at OS/2 ikke vil starte med filen.</source>
        <translation>Auch dann einsetzen, wenn die Prüfung sagt, dass OS/2 mit der Datei nicht startet.</translation>
    </message>
    <message>
        <source>X=MAPPE</source>
        <translation>X=ORDNER</translation>
    </message>
    <message>
        <source>Stasjon X: er mappen MAPPE. Kan gis for flere stasjoner.</source>
        <translation>Laufwerk X: ist der Ordner ORDNER. Kann für mehrere Laufwerke angegeben werden.</translation>
    </message>
    <message>
        <source>«--drive %1» er ikke på formen X=MAPPE (en bokstav fra A til Z, =, mappen).</source>
        <translation>„--drive %1“ hat nicht die Form X=ORDNER (ein Buchstabe von A bis Z, =, der Ordner).</translation>
    </message>
    <message>
        <source>Sjekk filen som om OS/2 starter fra stasjon X:.</source>
        <translation>Die Datei so prüfen, als starte OS/2 von Laufwerk X:.</translation>
    </message>
    <message>
        <source>«--boot-drive %1» er ingen stasjonsbokstav (en bokstav fra A til Z).</source>
        <translation>„--boot-drive %1“ ist kein Laufwerkbuchstabe (ein Buchstabe von A bis Z).</translation>
    </message>
    <message>
        <source>Spør etter mappen til stasjon C: ved start, også når den er kjent.</source>
        <translation>Beim Start nach dem Ordner von Laufwerk C: fragen, auch wenn er bekannt ist.</translation>
    </message>
    <message>
        <source>KODE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>Språket: KODE er nb (norsk), en (engelsk) eller de (tysk). Uten valget: språket til miljøet (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).</source>
        <translation>Die Sprache: CODE ist nb (Norwegisch), en (Englisch) oder de (Deutsch). Ohne die Option: die Sprache der Umgebung (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).</translation>
    </message>
    <message>
        <source>«--language %1»: språket er nb, en eller de.</source>
        <translation>„--language %1“: Die Sprache ist nb, en oder de.</translation>
    </message>
    <message>
        <source>ukjent valg «%1».</source>
        <translation>unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>valget «%1» mangler en verdi.</source>
        <translation>der Option „%1“ fehlt ein Wert.</translation>
    </message>
    <message>
        <source>valget «%1» tar ingen verdi.</source>
        <translation>die Option „%1“ nimmt keinen Wert.</translation>
    </message>
    <message>
        <source>kommandolinjen kan ikke tolkes.</source>
        <translation>die Befehlszeile kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Bruk: os2setup [VALG] [FIL]
      os2setup --check [VALG] [FIL]
      os2setup --install-new [--yes] [--force] [VALG]
      os2setup --restore [N] [--yes] [--force] [VALG]
      os2setup --try-new [--key X] [--yes] [--force] [VALG]
      os2setup --tries | --untry X | --install-new --key X [VALG]
</source>
        <translation>Aufruf: os2setup [OPTIONEN] [DATEI]
        os2setup --check [OPTIONEN] [DATEI]
        os2setup --install-new [--yes] [--force] [OPTIONEN]
        os2setup --restore [N] [--yes] [--force] [OPTIONEN]
        os2setup --try-new [--key X] [--yes] [--force] [OPTIONEN]
        os2setup --tries | --untry X | --install-new --key X [OPTIONEN]
</translation>
    </message>
    <message>
        <source>Redigerer CONFIG.SYS, oppstartsfilen til OS/2. FIL er filen som leses, som
DOS-sti (&apos;D:\TEST\CONFIG.SYS&apos;) eller som sti på denne maskinen; uten FIL,
eller med flere, leses C:\CONFIG.SYS. «Lagre» skriver C:\CONFIG.NEW.
</source>
        <translation>Bearbeitet CONFIG.SYS, die Startdatei von OS/2. DATEI ist die zu lesende Datei,
als DOS-Pfad (&apos;D:\TEST\CONFIG.SYS&apos;) oder als Pfad auf diesem Rechner; ohne
DATEI oder mit mehreren wird C:\CONFIG.SYS gelesen. „Speichern“ schreibt
C:\CONFIG.NEW.
</translation>
    </message>
    <message>
        <source>Valg:
</source>
        <translation>Optionen:
</translation>
    </message>
    <message>
        <source>Stasjon C: får mappen sin fra --drive C=MAPPE, ellers fra miljøvariabelen
OS2SETUP_DRIVE_C, ellers fra mappen som ble valgt i stasjonsvelgeren. Andre
stasjoner: fra --drive, ellers fra OS2SETUP_DRIVE_X (X er bokstaven).
Qt-valg som -style STIL og -platform NAVN tas også imot.
</source>
        <translation>Laufwerk C: bekommt seinen Ordner von --drive C=ORDNER, sonst aus der
Umgebungsvariablen OS2SETUP_DRIVE_C, sonst aus dem in der Laufwerksauswahl
gewählten Ordner. Andere Laufwerke: von --drive, sonst aus OS2SETUP_DRIVE_X
(X ist der Buchstabe). Qt-Optionen wie -style STIL und -platform NAME werden
ebenfalls angenommen.
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
        <translation>--check öffnet kein Fenster: Es schreibt eine Zeile für jede Datei und jeden
Ordner, die eine aktive Zeile nennt, die aber nicht dort liegen, wo OS/2 sucht,
und eine letzte Zeile mit den Anzahlen. Jede Zeile sagt, wie schlimm es ist:
„verhindert den Start“, „nicht gefunden“, „Warnung“ oder „nicht geprüft“.
Namen ohne Laufwerk liegen auf dem Startlaufwerk: dem von --boot-drive, sonst
dem Laufwerk von DATEI, sonst dem Laufwerk von \OS2\DLL in LIBPATH, sonst C:.
Status 0: nichts fehlt (Warnungen sind erlaubt); 1: etwas verhindert den Start
oder fehlt; 2: die Datei oder ein Laufwerk kann nicht gelesen werden.
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
        <translation>--install-new zeigt, was C:\CONFIG.NEW in C:\CONFIG.SYS ändert (als Unified
Diff), und prüft die neue Datei. Verhindert etwas den Start, wird sie ohne
--force abgelehnt. Nach einem Ja (oder --yes) wird C:\CONFIG.SYS in die erste
freie C:\CONFIG.nnn und nach ~/.local/share/os2setup kopiert, und
C:\CONFIG.NEW wird eingesetzt. --restore listet die Kopien auf, zu denen man
zurückkehren kann, die neueste zuerst (CONFIG.nnn, die Kopien in
~/.local/share/os2setup, CONFIG.BAK, die Arbeitsoberflächenarchive von OS/2
und \OS2\INSTALL\CONFIG.SYS); „--restore N“ setzt Kopie N ebenso ein.
Status 0: erledigt oder nichts zu tun; 1: abgelehnt (die Prüfung oder Nein auf
die Frage); 2: eine Datei kann nicht gelesen oder geschrieben werden.
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
        <translation>--try-new zeigt und prüft C:\CONFIG.NEW wie --install-new, lässt aber
C:\CONFIG.SYS unverändert: Die Datei wird nach C:\OS2\BOOT\CONFIG.X kopiert
und bekommt eine Zeile im Alt+F1-Menü (C:\OS2\BOOT\ALTF1BOT.SCR). Beim
nächsten Start: Alt+F1 drücken, während das kleine weiße OS/2-Feld oben links
steht, dann X; OS/2 startet dann einmal mit der Probe. X ist die erste freie
Taste von A–Z und 4–9 (OS/2 verwendet C, M, V, X, 1, 2 und 3 selbst) oder die
von --key. --tries listet die Proben auf und ob sie C:\CONFIG.NEW gleichen;
„--install-new --key X“ setzt Probe X als C:\CONFIG.SYS ein und entfernt sie
aus dem Menü; „--untry X“ entfernt sie (erst die Zeile, dann die Datei).
Zeilen und Dateien, die nicht von os2setup stammen, werden nie geändert.
ALTF1BOT.SCR ist von OS/2 schreibgeschützt: Der Schutz wird nur aufgehoben,
solange die Zeile geschrieben wird, und danach wieder gesetzt. Dieselben
Status wie oben.
</translation>
    </message>
</context>
<context>
    <name>DiskPage</name>
    <message>
        <source>Disk</source>
        <translation>Laufwerke</translation>
    </message>
    <message>
        <source>Installerte filsystem</source>
        <translation>Installierte Dateisysteme</translation>
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
        <translation>MFS, Mobile File Sync (mobiles Büro)</translation>
    </message>
    <message>
        <source>Hurtigbuffer til platelager (FAT)</source>
        <translation>Plattencache (FAT)</translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>os2setup: finner ingen skjerm (%1); bruk --check for en sjekk uten vindu</source>
        <translation>os2setup: kein Bildschirm gefunden (%1); --check prüft ohne Fenster</translation>
    </message>
    <message>
        <source>DISPLAY/WAYLAND_DISPLAY er ikke satt</source>
        <translation>DISPLAY/WAYLAND_DISPLAY ist nicht gesetzt</translation>
    </message>
    <message>
        <source>plattformen «%1» kunne ikke startes</source>
        <translation>die Plattform „%1“ konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>DISPLAY=%1 svarer ikke</source>
        <translation>DISPLAY=%1 antwortet nicht</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY=%1 svarer ikke</source>
        <translation>WAYLAND_DISPLAY=%1 antwortet nicht</translation>
    </message>
    <message>
        <source>plattformen kunne ikke startes</source>
        <translation>die Plattform konnte nicht gestartet werden</translation>
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
        <translation>Expanded Memory</translation>
    </message>
    <message>
        <source>Extended memory</source>
        <translation>Extended Memory</translation>
    </message>
    <message>
        <source>DOS protected mode memory</source>
        <translation>DOS Protected Mode Memory</translation>
    </message>
    <message>
        <source>Utvidet støtte for skjerm og tastbord</source>
        <translation>Bildschirm- und Tastaturerweiterung</translation>
    </message>
    <message>
        <source>Støtte for mus</source>
        <translation>Maustreiber</translation>
    </message>
    <message>
        <source>CD-ROM</source>
        <translation>CD-ROM</translation>
    </message>
    <message>
        <source>Windows støtte</source>
        <translation>Win-OS/2</translation>
    </message>
    <message>
        <source>Windows 32s</source>
        <translation>Windows 32s</translation>
    </message>
    <message>
        <source>Kommandotolk</source>
        <translation>DOS-Shell</translation>
    </message>
    <message>
        <source>AUTOEXEC.BAT</source>
        <translation>AUTOEXEC.BAT</translation>
    </message>
    <message>
        <source>Ny AUTOEXEC.BAT: lager C:\AUTOEXEC.BAT, fra C:\AUTOEXEC.BAK når den finnes</source>
        <translation>Neue AUTOEXEC.BAT: legt C:\AUTOEXEC.BAT an, aus C:\AUTOEXEC.BAK, wenn es sie gibt</translation>
    </message>
    <message>
        <source>Ny AUTOEXEC.BAT</source>
        <translation>Neue AUTOEXEC.BAT</translation>
    </message>
    <message>
        <source>Ny</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Lagre AUTOEXEC.BAT: skriver teksten til C:\AUTOEXEC.BAT</source>
        <translation>AUTOEXEC.BAT speichern: schreibt den Text nach C:\AUTOEXEC.BAT</translation>
    </message>
    <message>
        <source>Lagre AUTOEXEC.BAT</source>
        <translation>AUTOEXEC.BAT speichern</translation>
    </message>
    <message>
        <source>Lagre</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Slett AUTOEXEC.BAT: sletter C:\AUTOEXEC.BAT etter en kopi i C:\AUTOEXEC.BAK</source>
        <translation>AUTOEXEC.BAT löschen: löscht C:\AUTOEXEC.BAT nach einer Kopie in C:\AUTOEXEC.BAK</translation>
    </message>
    <message>
        <source>Slett AUTOEXEC.BAT</source>
        <translation>AUTOEXEC.BAT löschen</translation>
    </message>
    <message>
        <source>Slett</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Bruk REM-knappen til å endre</source>
        <translation>Zum Ändern die REM-Schaltfläche verwenden</translation>
    </message>
</context>
<context>
    <name>DriveChoice</name>
    <message>
        <source>%1 finnes ikke – er partisjonen montert?</source>
        <translation>%1 existiert nicht – ist die Partition eingehängt?</translation>
    </message>
    <message>
        <source>%1 er tom – er partisjonen montert?</source>
        <translation>%1 ist leer – ist die Partition eingehängt?</translation>
    </message>
    <message>
        <source>%1 har ingen %2</source>
        <translation>%1 hat kein %2</translation>
    </message>
    <message>
        <source>%1: stasjon C: er ikke koblet til noen mappe. Velg mappen her fra vinduet: trykk F1 og «Velg OS/2-stasjonen…». Eller start programmet med os2setup --choose-drive.</source>
        <translation>%1: Laufwerk C: ist keinem Ordner zugeordnet. Wählen Sie den Ordner hier im Fenster: F1 drücken und „OS/2-Laufwerk wählen…“. Oder starten Sie das Programm mit os2setup --choose-drive.</translation>
    </message>
</context>
<context>
    <name>DriveChooser</name>
    <message>
        <source>Velg mappen som er stasjon C:</source>
        <translation>Ordner wählen, der Laufwerk C: ist</translation>
    </message>
    <message>
        <source>Bla gjennom…</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>Velg OS/2-stasjonen C:</source>
        <translation>OS/2-Laufwerk C: wählen</translation>
    </message>
    <message>
        <source>Hvilken mappe er OS/2-stasjonen C:? Programmet leser CONFIG.SYS derfra og lagrer CONFIG.NEW der. Valget huskes til neste gang.</source>
        <translation>Welcher Ordner ist das OS/2-Laufwerk C:? Das Programm liest CONFIG.SYS von dort und speichert CONFIG.NEW dort. Die Wahl wird für das nächste Mal gespeichert.</translation>
    </message>
    <message>
        <source>OS/2-stasjoner</source>
        <translation>OS/2-Laufwerke</translation>
    </message>
    <message>
        <source>Mappe</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Enhet</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Navn</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Størrelse</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Filsystem</source>
        <translation>Dateisystem</translation>
    </message>
    <message>
        <source> (nå valgt)</source>
        <translation> (jetzt gewählt)</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Monterer %1 …</source>
        <translation>%1 wird eingehängt …</translation>
    </message>
    <message>
        <source>ikke montert</source>
        <translation>nicht eingehängt</translation>
    </message>
    <message>
        <source>«OK» monterer den</source>
        <translation>„OK“ hängt sie ein</translation>
    </message>
    <message>
        <source>Fant ikke noe montert filsystem med CONFIG.SYS og mappen OS2 øverst. Monter OS/2-partisjonen, eller velg mappen med «Bla gjennom…».</source>
        <translation>Kein eingehängtes Dateisystem mit CONFIG.SYS und dem Ordner OS2 ganz oben gefunden. Hängen Sie die OS/2-Partition ein oder wählen Sie den Ordner mit „Durchsuchen…“.</translation>
    </message>
    <message>
        <source>%1 har ikke både CONFIG.SYS og mappen OS2.</source>
        <translation>%1 hat nicht sowohl CONFIG.SYS als auch den Ordner OS2.</translation>
    </message>
    <message>
        <source>«OK» monterer %1 og ser etter CONFIG.SYS der.</source>
        <translation>„OK“ hängt %1 ein und sucht dort nach CONFIG.SYS.</translation>
    </message>
    <message>
        <source>Kan ikke montere partisjoner herfra: %1.</source>
        <translation>Partitionen können von hier aus nicht eingehängt werden: %1.</translation>
    </message>
</context>
<context>
    <name>DriversPage</name>
    <message>
        <source>Drivere</source>
        <translation>Treiber</translation>
    </message>
    <message>
        <source>Driverne i DEVICE=-linjene i CONFIG.SYS</source>
        <translation>Die Treiber in den DEVICE=-Zeilen von CONFIG.SYS</translation>
    </message>
    <message>
        <source>Basis styreprogram</source>
        <translation>Basiseinheitentreiber</translation>
    </message>
    <message>
        <source>Innstallert</source>
        <translation>Installiert</translation>
    </message>
    <message>
        <source>Basisstyreprogrammene i BASEDEV=-linjene i CONFIG.SYS</source>
        <translation>Die Basiseinheitentreiber in den BASEDEV=-Zeilen von CONFIG.SYS</translation>
    </message>
    <message>
        <source>Installerte basisstyreprogram</source>
        <translation>Installierte Basiseinheitentreiber</translation>
    </message>
    <message>
        <source>ta vekk</source>
        <translation>löschen</translation>
    </message>
    <message>
        <source>legg til</source>
        <translation>einfügen</translation>
    </message>
    <message>
        <source>Tilgjengelig</source>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <source>Kjente basisstyreprogram som ikke står i CONFIG.SYS</source>
        <translation>Bekannte Basiseinheitentreiber, die nicht in CONFIG.SYS stehen</translation>
    </message>
    <message>
        <source>Tilgjengelige basisstyreprogram</source>
        <translation>Verfügbare Basiseinheitentreiber</translation>
    </message>
    <message>
        <source>Nødvendig</source>
        <translation>Erforderlich</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>Linje %1: + %2</source>
        <translation>Zeile %1: + %2</translation>
    </message>
    <message>
        <source>Linje %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1 og 1 linje til</source>
        <translation>%1 und 1 weitere Zeile</translation>
    </message>
    <message>
        <source>%1 og %2 linjer til</source>
        <translation>%1 und %2 weitere Zeilen</translation>
    </message>
</context>
<context>
    <name>EditLineLock</name>
    <message>
        <source>Velg en linje på «Fil», eller klikk en innstilling, for å endre den her</source>
        <translation>Wählen Sie eine Zeile unter „Datei“ oder klicken Sie eine Einstellung an, um sie hier zu ändern</translation>
    </message>
    <message>
        <source>Linjen står ikke i filen og kan ikke endres her</source>
        <translation>Die Zeile steht nicht in der Datei und kann hier nicht geändert werden</translation>
    </message>
    <message>
        <source>For å endre linjen: klikk innstillingen den hører til, eller velg linjen på «Fil»</source>
        <translation>Um die Zeile zu ändern: Klicken Sie die zugehörige Einstellung an oder wählen Sie die Zeile unter „Datei“</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Kan ikke lese</source>
        <translation>Fehler beim Lesen von</translation>
    </message>
    <message>
        <source>Kan ikke bruke</source>
        <translation>Fehler beim Verwenden von</translation>
    </message>
    <message>
        <source>%1 %2: filen er på %3 byte, men en menyfil kan ha høyst 64 KiB (%4 byte)</source>
        <translation>%1 %2: Die Datei hat %3 Byte, aber eine Menüdatei darf höchstens 64 KiB (%4 Byte) haben</translation>
    </message>
    <message>
        <source>%1 %2: byte nr. %3 er en NUL-byte, så filen er ingen tekstfil</source>
        <translation>%1 %2: Byte Nr. %3 ist ein NUL-Byte, also ist die Datei keine Textdatei</translation>
    </message>
    <message>
        <source>%1 finnes ikke: OS/2s Alt+F1-meny har ikke den filen her</source>
        <translation>%1 existiert nicht: Das Alt+F1-Menü von OS/2 hat diese Datei hier nicht</translation>
    </message>
    <message>
        <source>Kan ikke skrive %1: filen er endret siden den ble lest; prøv igjen</source>
        <translation>Fehler beim Schreiben von %1: Die Datei wurde seit dem Lesen geändert; bitte erneut versuchen</translation>
    </message>
    <message>
        <source>%1 ble skrevet, men kan ikke leses tilbake (%2)</source>
        <translation>%1 wurde geschrieben, kann aber nicht zurückgelesen werden (%2)</translation>
    </message>
    <message>
        <source>den er skrevet tilbake slik den var</source>
        <translation>sie wurde wieder so zurückgeschrieben, wie sie war</translation>
    </message>
    <message>
        <source>den kunne ikke skrives tilbake slik den var: %1</source>
        <translation>sie konnte nicht so zurückgeschrieben werden, wie sie war: %1</translation>
    </message>
    <message>
        <source>%1 ble skrevet, men det som ble lest tilbake er ikke det som ble skrevet; %2</source>
        <translation>%1 wurde geschrieben, aber was zurückgelesen wurde, ist nicht das Geschriebene; %2</translation>
    </message>
    <message>
        <source>det er en fil, ikke en mappe</source>
        <translation>das ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>mappen finnes ikke</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>%1 %2: mappen kan ikke leses</source>
        <translation>%1 %2: Der Ordner kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Kan ikke skrive</source>
        <translation>Fehler beim Schreiben von</translation>
    </message>
    <message>
        <source>Kan ikke ta vare på %1: navnene CONFIG.001 til CONFIG.999 er alle i bruk</source>
        <translation>%1 kann nicht aufbewahrt werden: Die Namen CONFIG.001 bis CONFIG.999 sind alle belegt</translation>
    </message>
    <message>
        <source>%1 %2: mappen fører ut av %3 (til %4)</source>
        <translation>%1 %2: Der Ordner führt aus %3 hinaus (nach %4)</translation>
    </message>
    <message>
        <source>%1 %2: mappen kan ikke lages</source>
        <translation>%1 %2: Der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Kan ikke lese %1: det er ikke en vanlig fil</source>
        <translation>Fehler beim Lesen von %1: Das ist keine normale Datei</translation>
    </message>
    <message>
        <source>Kan ikke lese %1: %2</source>
        <translation>Fehler beim Lesen von %1: %2</translation>
    </message>
    <message>
        <source>Det fantes ingen %1 fra før</source>
        <translation>Es gab vorher keine %1</translation>
    </message>
    <message>
        <source>Den forrige filen er i %1 og i %2</source>
        <translation>Die vorherige Datei liegt in %1 und in %2</translation>
    </message>
    <message>
        <source>%1 ble skrevet, men kan ikke leses tilbake (%2). %3.</source>
        <translation>%1 wurde geschrieben, kann aber nicht zurückgelesen werden (%2). %3.</translation>
    </message>
    <message>
        <source>%1 ble skrevet, men det som ble lest tilbake er ikke det som ble skrevet. %2.</source>
        <translation>%1 wurde geschrieben, aber was zurückgelesen wurde, ist nicht das Geschriebene. %2.</translation>
    </message>
    <message>
        <source>%1 %2: filen er kommet til siden forskjellene ble vist; se dem på nytt</source>
        <translation>%1 %2: Die Datei ist hinzugekommen, seit die Unterschiede angezeigt wurden; bitte neu ansehen</translation>
    </message>
    <message>
        <source>%1 %2: filen er endret siden forskjellene ble vist; se dem på nytt</source>
        <translation>%1 %2: Die Datei wurde geändert, seit die Unterschiede angezeigt wurden; bitte neu ansehen</translation>
    </message>
    <message>
        <source>%1 %2: filen er skrivebeskyttet</source>
        <translation>%1 %2: Die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Kan ikke ta vare på %1: det er ingen mappe å legge kopien i</source>
        <translation>%1 kann nicht aufbewahrt werden: Es gibt keinen Ordner für die Kopie</translation>
    </message>
    <message>
        <source>%1: %2: er ingen stasjon (en stasjon er en bokstav fra A til Z)</source>
        <translation>%1: %2: ist kein Laufwerk (ein Laufwerk ist ein Buchstabe von A bis Z)</translation>
    </message>
    <message>
        <source>%1: navnet har tegnet NUL i seg, og ingen fil kan hete det</source>
        <translation>%1: Der Name enthält das Zeichen NUL, und so kann keine Datei heißen</translation>
    </message>
    <message>
        <source>%1: stasjon %2: er ikke koblet til noen mappe. Start os2setup med --drive %2=MAPPE, eller sett miljøvariabelen %3 til mappen.</source>
        <translation>%1: Laufwerk %2: ist keinem Ordner zugeordnet. Starten Sie os2setup mit --drive %2=ORDNER, oder setzen Sie die Umgebungsvariable %3 auf den Ordner.</translation>
    </message>
    <message>
        <source>%1: fører ut av stasjonen %2: (til %3)</source>
        <translation>%1: führt aus Laufwerk %2: hinaus (nach %3)</translation>
    </message>
    <message>
        <source>filen finnes ikke</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>det er ikke mer plass på disken</source>
        <translation>auf der Platte ist kein Platz mehr</translation>
    </message>
    <message>
        <source>diskkvoten din er brukt opp</source>
        <translation>Ihr Plattenkontingent ist aufgebraucht</translation>
    </message>
    <message>
        <source>du har ikke tillatelse til det</source>
        <translation>Sie haben dafür keine Berechtigung</translation>
    </message>
    <message>
        <source>operasjonen er ikke tillatt (filen eller mappen kan være låst)</source>
        <translation>der Vorgang ist nicht erlaubt (die Datei oder der Ordner ist vielleicht gesperrt)</translation>
    </message>
    <message>
        <source>filsystemet er montert bare for lesing</source>
        <translation>das Dateisystem ist schreibgeschützt eingehängt</translation>
    </message>
    <message>
        <source>for mange symbolske lenker etter hverandre (en lenke som peker på seg selv?)</source>
        <translation>zu viele symbolische Verknüpfungen hintereinander (eine Verknüpfung auf sich selbst?)</translation>
    </message>
    <message>
        <source>for mange lenker</source>
        <translation>zu viele Verknüpfungen</translation>
    </message>
    <message>
        <source>navnet er for langt</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <source>inn/ut-feil på disken</source>
        <translation>Ein-/Ausgabefehler auf der Platte</translation>
    </message>
    <message>
        <source>en del av stien er ikke en mappe</source>
        <translation>ein Teil des Pfads ist kein Ordner</translation>
    </message>
    <message>
        <source>det er en mappe, ikke en fil</source>
        <translation>das ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>filen blir for stor</source>
        <translation>die Datei wird zu groß</translation>
    </message>
    <message>
        <source>filen er i bruk</source>
        <translation>die Datei wird gerade verwendet</translation>
    </message>
    <message>
        <source>filen eller enheten er i bruk</source>
        <translation>die Datei oder das Gerät wird gerade verwendet</translation>
    </message>
    <message>
        <source>for mange åpne filer</source>
        <translation>zu viele offene Dateien</translation>
    </message>
    <message>
        <source>for mange åpne filer i systemet</source>
        <translation>zu viele offene Dateien im System</translation>
    </message>
    <message>
        <source>enheten finnes ikke</source>
        <translation>das Gerät existiert nicht</translation>
    </message>
    <message>
        <source>filen ligger på et annet filsystem</source>
        <translation>die Datei liegt auf einem anderen Dateisystem</translation>
    </message>
    <message>
        <source>ikke nok minne</source>
        <translation>nicht genug Speicher</translation>
    </message>
    <message>
        <source>filen er ikke lenger tilgjengelig (nettverksstasjonen er koblet fra?)</source>
        <translation>die Datei ist nicht mehr verfügbar (ist das Netzlaufwerk getrennt?)</translation>
    </message>
    <message>
        <source>systemet er tomt for plass, minne eller åpne filer</source>
        <translation>dem System fehlt Platz, Speicher oder offene Dateien</translation>
    </message>
    <message>
        <source>den nye filen kunne ikke settes i stedet for den gamle</source>
        <translation>die neue Datei konnte nicht an die Stelle der alten gesetzt werden</translation>
    </message>
    <message>
        <source>skrivingen mislyktes</source>
        <translation>das Schreiben ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>lesingen mislyktes</source>
        <translation>das Lesen ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>ukjent feil</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>ukjent feil (%1)</source>
        <translation>unbekannter Fehler (%1)</translation>
    </message>
    <message>
        <source>Kan ikke slette</source>
        <translation>Fehler beim Löschen von</translation>
    </message>
    <message>
        <source>det er ikke en vanlig fil (men et rør, en enhet eller lignende)</source>
        <translation>das ist keine normale Datei (sondern eine Pipe, ein Gerät oder Ähnliches)</translation>
    </message>
    <message>
        <source>mappen %1 finnes ikke</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>filen har %1 linjer, men høyst %2 kan redigeres</source>
        <translation>die Datei hat %1 Zeilen, aber höchstens %2 können bearbeitet werden</translation>
    </message>
    <message>
        <source>filen er skrivebeskyttet</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>mappen %1 er skrivebeskyttet</source>
        <translation>der Ordner %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>du har ikke tillatelse til å montere den</source>
        <translation>Sie haben keine Berechtigung, sie anzuhängen</translation>
    </message>
    <message>
        <source>spørsmålet om passord ble avbrutt</source>
        <translation>die Passwortabfrage wurde abgebrochen</translation>
    </message>
    <message>
        <source>enheten er i bruk</source>
        <translation>das Gerät wird gerade verwendet</translation>
    </message>
    <message>
        <source>monteringen ble avbrutt</source>
        <translation>das Einhängen wurde abgebrochen</translation>
    </message>
    <message>
        <source>tjenesten UDisks2 kjører ikke</source>
        <translation>der Dienst UDisks2 läuft nicht</translation>
    </message>
    <message>
        <source>UDisks2 svarte ikke i tide</source>
        <translation>UDisks2 hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>ingen forbindelse til systembussen (D-Bus)</source>
        <translation>keine Verbindung zum Systembus (D-Bus)</translation>
    </message>
    <message>
        <source>ukjent feil (%1: %2)</source>
        <translation>unbekannter Fehler (%1: %2)</translation>
    </message>
    <message>
        <source>Kan ikke montere %1: %2.</source>
        <translation>%1 kann nicht eingehängt werden: %2.</translation>
    </message>
    <message>
        <source>%1: stasjonen %2: er ikke lenger den samme som da filen ble lest (avmontert?)</source>
        <translation>%1: Laufwerk %2: ist nicht mehr dasselbe wie beim Lesen der Datei (ausgehängt?)</translation>
    </message>
    <message>
        <source>%1 %2: det er filen som ble lest inn (%3), og den blir aldri skrevet over</source>
        <translation>%1 %2: Das ist die eingelesene Datei (%3), und sie wird nie überschrieben</translation>
    </message>
    <message>
        <source>%1 %2: %2 og %3 er samme fil (gjennom en lenke), og programmet skriver aldri den ene av dem gjennom den andre</source>
        <translation>%1 %2: %2 und %3 sind dieselbe Datei (über eine Verknüpfung), und das Programm schreibt nie die eine über die andere</translation>
    </message>
    <message>
        <source>Kan ikke skrive %1: %2</source>
        <translation>Fehler beim Schreiben von %1: %2</translation>
    </message>
    <message>
        <source>Kan ikke skrive %1: filen er skrivebeskyttet, og skrivebeskyttelsen kan ikke tas av for å skrive den (%2)</source>
        <translation>Fehler beim Schreiben von %1: Die Datei ist schreibgeschützt, und der Schutz kann zum Schreiben nicht aufgehoben werden (%2)</translation>
    </message>
    <message>
        <source>%1 er skrevet, men skrivebeskyttelsen kan ikke settes på igjen (%2); sett den på selv med «chmod a-w»</source>
        <translation>%1 ist geschrieben, aber der Schreibschutz kann nicht wieder gesetzt werden (%2); setzen Sie ihn selbst mit „chmod a-w“</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>%1 av %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Finn:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Finn tekst i %1</source>
        <translation>Text in %1 suchen</translation>
    </message>
    <message>
        <source>Finn tekst i %1: hver linje som har teksten, blir merket (Ctrl+F; Enter eller F3 går til neste, Shift+F3 til forrige)</source>
        <translation>Text in %1 suchen: Jede Zeile, die den Text enthält, wird markiert (Strg+F; Eingabetaste oder F3 springt zur nächsten, Umschalt+F3 zur vorherigen)</translation>
    </message>
    <message>
        <source>Forrige</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forrige treff</source>
        <translation>Vorheriger Treffer</translation>
    </message>
    <message>
        <source>Forrige linje med teksten (Shift+F3)</source>
        <translation>Vorherige Zeile mit dem Text (Umschalt+F3)</translation>
    </message>
    <message>
        <source>Neste</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Neste treff</source>
        <translation>Nächster Treffer</translation>
    </message>
    <message>
        <source>Neste linje med teksten (F3)</source>
        <translation>Nächste Zeile mit dem Text (F3)</translation>
    </message>
    <message>
        <source>Store/små</source>
        <translation>Groß/klein</translation>
    </message>
    <message>
        <source>Skill mellom store og små bokstaver</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Skill mellom store og små bokstaver (Alt+S)</source>
        <translation>Groß-/Kleinschreibung beachten (Alt+S)</translation>
    </message>
    <message>
        <source>Treff</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Den valgte linjen av linjene med teksten (F3, Shift+F3)</source>
        <translation>Die ausgewählte Zeile unter den Zeilen mit dem Text (F3, Umschalt+F3)</translation>
    </message>
    <message>
        <source>Linje:</source>
        <translation>Zeile:</translation>
    </message>
    <message>
        <source>Gå til linje nr.</source>
        <translation>Gehe zu Zeilennummer</translation>
    </message>
    <message>
        <source>Gå til linje nr.: skriv tallet og trykk Enter (Ctrl+G)</source>
        <translation>Gehe zu Zeilennummer: Nummer eingeben und Eingabetaste drücken (Strg+G)</translation>
    </message>
    <message>
        <source>Lukk søket</source>
        <translation>Suche schließen</translation>
    </message>
    <message>
        <source>Lukk søket; den valgte linjen blir stående (Esc)</source>
        <translation>Suche schließen; die ausgewählte Zeile bleibt ausgewählt (Esc)</translation>
    </message>
    <message>
        <source>Søket fortsatte fra begynnelsen av filen</source>
        <translation>Die Suche wurde am Anfang der Datei fortgesetzt</translation>
    </message>
    <message>
        <source>Søket fortsatte fra slutten av filen</source>
        <translation>Die Suche wurde am Ende der Datei fortgesetzt</translation>
    </message>
    <message>
        <source>Linje %1 finnes ikke: %2 har ingen linjer</source>
        <translation>Zeile %1 existiert nicht: %2 hat keine Zeilen</translation>
    </message>
    <message>
        <source>Linje %1 finnes ikke: %2 har linje 1 til %3</source>
        <translation>Zeile %1 existiert nicht: %2 hat die Zeilen 1 bis %3</translation>
    </message>
    <message>
        <source>Ingen treff</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>%1 treff</source>
        <translation>%1 Treffer</translation>
    </message>
</context>
<context>
    <name>InstallCommand</name>
    <message>
        <source>os2setup: %1 Ingen terminal å spørre på: gi --yes for å svare ja.</source>
        <translation>os2setup: %1 Kein Terminal für die Frage: --yes angeben, um mit Ja zu antworten.</translation>
    </message>
    <message>
        <source> [j/N] </source>
        <translation> [j/N] </translation>
    </message>
    <message>
        <source>os2setup: OS/2 vil ikke starte med %1 (se over), så %2. Gi --force for å gjøre det likevel.</source>
        <translation>os2setup: OS/2 startet nicht mit %1 (siehe oben), daher %2. Mit --force geschieht es trotzdem.</translation>
    </message>
    <message>
        <source>Ingenting er endret.</source>
        <translation>Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Legge %1 på plass som %2?</source>
        <translation>%1 als %2 einsetzen?</translation>
    </message>
    <message>
        <source>den er ikke lagt på plass</source>
        <translation>wurde sie nicht eingesetzt</translation>
    </message>
    <message>
        <source>«--restore» tar ett nummer fra listen, ikke flere.</source>
        <translation>„--restore“ nimmt eine Nummer aus der Liste, nicht mehrere.</translation>
    </message>
    <message>
        <source>%1 finnes ikke; en kopi kan legges på plass der.</source>
        <translation>%1 existiert nicht; eine Kopie kann dort eingesetzt werden.</translation>
    </message>
    <message>
        <source>Kopier av %1, nyeste først:</source>
        <translation>Kopien von %1, die neueste zuerst:</translation>
    </message>
    <message>
        <source>Disse kan ikke leses, og kan ikke legges på plass:</source>
        <translation>Diese können nicht gelesen und nicht eingesetzt werden:</translation>
    </message>
    <message>
        <source>Legg en av dem på plass med «os2setup --restore N».</source>
        <translation>Setzen Sie eine davon mit „os2setup --restore N“ ein.</translation>
    </message>
    <message>
        <source>«--restore %1»: det er ingen kopi med det nummeret (se «os2setup --restore»).</source>
        <translation>„--restore %1“: Es gibt keine Kopie mit dieser Nummer (siehe „os2setup --restore“).</translation>
    </message>
</context>
<context>
    <name>InstallDialog</name>
    <message>
        <source>Lukk</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Ta i bruk</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Ta i bruk eller prøv likevel</source>
        <translation>Trotzdem übernehmen oder testen</translation>
    </message>
    <message>
        <source>Prøv ved neste oppstart</source>
        <translation>Beim nächsten Start testen</translation>
    </message>
    <message>
        <source>Legger %1 inn som en prøve i OS/2s Alt+F1-meny (%2), uten å endre %3: neste oppstart kan starte med den én gang</source>
        <translation>Nimmt %1 als Probe in das Alt+F1-Menü von OS/2 auf (%2), ohne %3 zu ändern: Der nächste Start kann einmal damit erfolgen</translation>
    </message>
    <message>
        <source>Ta i bruk CONFIG.NEW</source>
        <translation>CONFIG.NEW übernehmen</translation>
    </message>
    <message>
        <source>Legger %1 på plass som %2. Den gamle %2 kopieres først til neste ledige CONFIG.nnn ved siden av og til din datamappe.</source>
        <translation>Setzt %1 als %2 ein. Die alte %2 wird zuerst in die nächste freie CONFIG.nnn daneben und in Ihren Datenordner kopiert.</translation>
    </message>
    <message>
        <source>Gjenopprett</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Gjenopprett likevel</source>
        <translation>Trotzdem wiederherstellen</translation>
    </message>
    <message>
        <source>Gjenopprett CONFIG.SYS</source>
        <translation>CONFIG.SYS wiederherstellen</translation>
    </message>
    <message>
        <source>Kopier av CONFIG.SYS</source>
        <translation>Kopien von CONFIG.SYS</translation>
    </message>
    <message>
        <source>Kopiene av %1, nyeste først. Velg en for å se hva den endrer; «Gjenopprett» legger den på plass etter en kopi av dagens.</source>
        <translation>Die Kopien von %1, die neueste zuerst. Wählen Sie eine, um zu sehen, was sie ändert; „Wiederherstellen“ setzt sie nach einer Kopie der heutigen ein.</translation>
    </message>
</context>
<context>
    <name>InstallStep</name>
    <message>
        <source>Kan ikke lese %1: filen finnes ikke, og %2: (%3) har ingen OS2-mappe. Er OS/2-partisjonen montert der?</source>
        <translation>Fehler beim Lesen von %1: Die Datei existiert nicht, und %2: (%3) hat keinen Ordner OS2. Ist die OS/2-Partition dort eingehängt?</translation>
    </message>
    <message>
        <source>%1 finnes ikke: det er ingenting å ta i bruk. Lagre først med «Lagre» i os2setup.</source>
        <translation>%1 existiert nicht: Es gibt nichts zu übernehmen. Speichern Sie zuerst mit „Speichern“ in os2setup.</translation>
    </message>
    <message>
        <source>%1 er lik %2 byte for byte: det er ingenting å ta i bruk.</source>
        <translation>%1 gleicht %2 Byte für Byte: Es gibt nichts zu übernehmen.</translation>
    </message>
    <message>
        <source>tidligere CONFIG.SYS</source>
        <translation>frühere CONFIG.SYS</translation>
    </message>
    <message>
        <source>os2setups kopi</source>
        <translation>Kopie von os2setup</translation>
    </message>
    <message>
        <source>reservekopi</source>
        <translation>Sicherungskopie</translation>
    </message>
    <message>
        <source>OS/2s skrivebordsarkiv</source>
        <translation>Arbeitsoberflächenarchiv von OS/2</translation>
    </message>
    <message>
        <source>OS/2s installasjon, Alt+F1</source>
        <translation>Installation von OS/2, Alt+F1</translation>
    </message>
    <message>
        <source>%1  (%2) kan ikke leses: %3</source>
        <translation>%1  (%2) kann nicht gelesen werden: %3</translation>
    </message>
    <message>
        <source>kan ikke leses</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>lik dagens</source>
        <translation>gleich der heutigen</translation>
    </message>
    <message>
        <source>1 linje forskjellig</source>
        <translation>1 Zeile anders</translation>
    </message>
    <message>
        <source>%1 linjer forskjellig</source>
        <translation>%1 Zeilen anders</translation>
    </message>
    <message>
        <source>Sjekken av %1 kunne ikke gjøres: %2</source>
        <translation>Die Prüfung von %1 war nicht möglich: %2</translation>
    </message>
    <message>
        <source> Ingenting er endret i %1.</source>
        <translation> In %1 wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 finnes ikke: %2 legges på plass som den, og det er ingen gammel fil å ta kopi av.</source>
        <translation>%1 existiert nicht: %2 wird als diese Datei eingesetzt, und es gibt keine alte Datei zu kopieren.</translation>
    </message>
    <message>
        <source>Linjene i %1 og %2 er like; bare linjeskiftene er forskjellige (CR LF eller bare LF, eller et linjeskift etter siste linje).</source>
        <translation>Die Zeilen von %1 und %2 sind gleich; nur die Zeilenenden unterscheiden sich (CR LF oder nur LF, oder ein Zeilenende nach der letzten Zeile).</translation>
    </message>
    <message>
        <source>Fant ingen kopier av %1 å gå tilbake til.</source>
        <translation>Keine Kopien von %1 gefunden, zu denen man zurückkehren kann.</translation>
    </message>
    <message>
        <source>%1 er lik %2 byte for byte: det er ingenting å gjenopprette.</source>
        <translation>%1 gleicht %2 Byte für Byte: Es gibt nichts wiederherzustellen.</translation>
    </message>
    <message>
        <source>%1 er lagt på plass som %2. Det fantes ingen %2 fra før, så ingen kopi er tatt.</source>
        <translation>%1 wurde als %2 eingesetzt. Es gab vorher keine %2, daher wurde keine Kopie angelegt.</translation>
    </message>
    <message>
        <source>%1 er lagt på plass som %2. Den forrige %2 er kopiert til %3 og til %4.</source>
        <translation>%1 wurde als %2 eingesetzt. Die vorherige %2 wurde nach %3 und nach %4 kopiert.</translation>
    </message>
    <message>
        <source> Starter ikke OS/2 med den nye, start Linux og kjør «os2setup --restore» (eller se README: «When OS/2 no longer boots») for å få en tidligere tilbake.</source>
        <translation> Startet OS/2 mit der neuen nicht, starten Sie Linux und führen Sie „os2setup --restore“ aus (oder siehe README: „When OS/2 no longer boots“), um eine frühere zurückzuholen.</translation>
    </message>
    <message>
        <source>Kan ikke ta vare på en kopi av %1: miljøvariabelen HOME er ikke satt, og hjemmemappen din står ikke i passordbasen. Sett HOME til hjemmemappen din og prøv igjen.</source>
        <translation>Von %1 kann keine Kopie aufbewahrt werden: Die Umgebungsvariable HOME ist nicht gesetzt, und Ihr Persönlicher Ordner steht nicht in der Passwortdatenbank. Setzen Sie HOME auf Ihren Persönlichen Ordner und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>InterfacePage</name>
    <message>
        <source>Grensesnitt</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Programmer</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Mapper</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Vindusoversikt</source>
        <translation>Fensterliste</translation>
    </message>
    <message>
        <source>Nettverksforbindelser</source>
        <translation>Netzwerkverbindungen</translation>
    </message>
    <message>
        <source>WarpCenter (statuslinje)</source>
        <translation>WarpCenter (Statusleiste)</translation>
    </message>
    <message>
        <source>Oppgir grensesnittet som startes av OS/2</source>
        <translation>Gibt die Oberfläche an, die OS/2 startet</translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>Nettverk</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Protokoll </source>
        <translation>Protokoll </translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Linjene som nevner \MPTN eller \IBMCOM (MPTS)</source>
        <translation>Die Zeilen, die \MPTN oder \IBMCOM nennen (MPTS)</translation>
    </message>
    <message>
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message>
        <source>Linjene som nevner \TCPIP</source>
        <translation>Die Zeilen, die \TCPIP nennen</translation>
    </message>
    <message>
        <source>LAN</source>
        <translation>LAN</translation>
    </message>
    <message>
        <source>Linjene som nevner \IBMLAN (LAN Requester)</source>
        <translation>Die Zeilen, die \IBMLAN nennen (LAN Requester)</translation>
    </message>
    <message>
        <source>Mobilt kontor</source>
        <translation>Mobiles Büro</translation>
    </message>
    <message>
        <source>Linjene som nevner \MFS (Mobile File Sync)</source>
        <translation>Die Zeilen, die \MFS nennen (Mobile File Sync)</translation>
    </message>
    <message>
        <source>Protokoll og nettverktjenester</source>
        <translation>Protokolle und Netzwerkdienste</translation>
    </message>
    <message>
        <source>TCP/IP, Transmision Control Protocol / Internet Protocol</source>
        <translation>TCP/IP, Transmission Control Protocol / Internet Protocol</translation>
    </message>
    <message>
        <source>MFS, Mobile File Sync. Filsynkronisering på lokalnett</source>
        <translation>MFS, Mobile File Sync: Dateiabgleich im lokalen Netz</translation>
    </message>
    <message>
        <source>LAN, Local Area Network nettverktjenester</source>
        <translation>LAN, Local Area Network: Netzwerkdienste</translation>
    </message>
</context>
<context>
    <name>PerformancePage</name>
    <message>
        <source>Ytelse</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>THREADS, uavhengie tråder</source>
        <translation>THREADS, max. Threads</translation>
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
        <translation>Kürzeste TIMESLICE</translation>
    </message>
    <message>
        <source>korteste tid på en tråd i millisekund</source>
        <translation>kürzeste Zeit pro Thread in ms</translation>
    </message>
    <message>
        <source>Lengste TIMESLICE</source>
        <translation>Längste TIMESLICE</translation>
    </message>
    <message>
        <source>lengste tid på en tråd i millisekund</source>
        <translation>längste Zeit pro Thread in ms</translation>
    </message>
    <message>
        <source>PRIORITY</source>
        <translation>PRIORITY</translation>
    </message>
    <message>
        <source>DYNAMIC, øker prioriteringen av tråder etter antall sekunder i MAXWAIT</source>
        <translation>DYNAMIC, erhöht die Priorität von Threads nach den Sekunden in MAXWAIT</translation>
    </message>
    <message>
        <source>ABSOLUTE,  trådens prioritet blir ikke endret</source>
        <translation>ABSOLUTE, die Priorität des Threads bleibt unverändert</translation>
    </message>
    <message>
        <source>MAXWAIT, ventetid i sekunder før høyere prioritet</source>
        <translation>MAXWAIT, Sekunden bis zur höheren Priorität</translation>
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
        <translation>Keine Zeilen sind verschieden.</translation>
    </message>
    <message>
        <source>1 linje</source>
        <translation>1 Zeile</translation>
    </message>
    <message>
        <source>%1 linjer</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>%1 endret, %2 lagt til, %3 fjernet:</source>
        <translation>%1 geändert, %2 hinzugefügt, %3 entfernt:</translation>
    </message>
    <message>
        <source>Endringer i CONFIG.SYS</source>
        <translation>Änderungen in CONFIG.SYS</translation>
    </message>
    <message>
        <source>Funn i sjekken</source>
        <translation>Befunde der Prüfung</translation>
    </message>
    <message>
        <source>Sjekken sier at OS/2 ikke vil starte med filen; kryss av for å gjøre det likevel</source>
        <translation>Die Prüfung sagt, dass OS/2 mit der Datei nicht startet; ankreuzen, um es trotzdem zu tun</translation>
    </message>
    <message>
        <source>Sjekken av %1: %2</source>
        <translation>Die Prüfung von %1: %2</translation>
    </message>
</context>
<context>
    <name>RestoreTries</name>
    <message>
        <source>Prøver i Alt+F1-menyen</source>
        <translation>Proben im Alt+F1-Menü</translation>
    </message>
    <message>
        <source>Prøvene os2setup har lagt inn i OS/2s Alt+F1-meny: tasten, datoen og om filen fortsatt er lik %1</source>
        <translation>Die Proben, die os2setup in das Alt+F1-Menü von OS/2 aufgenommen hat: die Taste, das Datum und ob die Datei noch %1 gleicht</translation>
    </message>
    <message>
        <source>Ta i bruk prøven</source>
        <translation>Probe übernehmen</translation>
    </message>
    <message>
        <source>Legger prøven på plass som %1 etter en kopi av dagens, og tar den ut av Alt+F1-menyen</source>
        <translation>Setzt die Probe nach einer Kopie der heutigen als %1 ein und nimmt sie aus dem Alt+F1-Menü</translation>
    </message>
    <message>
        <source>Fjern prøven</source>
        <translation>Probe entfernen</translation>
    </message>
    <message>
        <source>Tar prøvens linje ut av %1 og sletter filen dens; %2 endres ikke</source>
        <translation>Nimmt die Zeile der Probe aus %1 und löscht ihre Datei; %2 bleibt unverändert</translation>
    </message>
    <message>
        <source>Prøver i Alt+F1-menyen (%1); velg en for å se hva den endrer:</source>
        <translation>Proben im Alt+F1-Menü (%1); wählen Sie eine, um zu sehen, was sie ändert:</translation>
    </message>
    <message>
        <source>Prøver i Alt+F1-menyen: %1</source>
        <translation>Proben im Alt+F1-Menü: %1</translation>
    </message>
    <message>
        <source>Ta i bruk likevel</source>
        <translation>Trotzdem übernehmen</translation>
    </message>
    <message>
        <source>%1 finnes ikke, så prøven kan bare fjernes.</source>
        <translation>%1 existiert nicht, daher kann die Probe nur entfernt werden.</translation>
    </message>
</context>
<context>
    <name>SideFileEditor</name>
    <message>
        <source>Lagret %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Ikke lagret: %1 til %2 er bare plassholdere</source>
        <translation>Nicht gespeichert: %1 bis %2 sind nur Platzhalter</translation>
    </message>
    <message>
        <source>Skriv inn %1 i feltet, eller trykk «Ny»</source>
        <translation>Geben Sie %1 in das Feld ein oder drücken Sie „Neu“</translation>
    </message>
    <message>
        <source>Slettet %1</source>
        <translation>%1 gelöscht</translation>
    </message>
    <message>
        <source>Slettet %1 – kopi i %2</source>
        <translation>%1 gelöscht – Kopie in %2</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Nei</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Slette %1? Filen kan ikke hentes tilbake.</source>
        <translation>%1 löschen? Die Datei kann nicht wiederhergestellt werden.</translation>
    </message>
</context>
<context>
    <name>StartupPage</name>
    <message>
        <source>Oppstart</source>
        <translation>Systemstart</translation>
    </message>
    <message>
        <source>Automatisk oppstart</source>
        <translation>Automatischer Start</translation>
    </message>
    <message>
        <source>Ingen</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Oppstart-mappe</source>
        <translation>Systemstartordner</translation>
    </message>
    <message>
        <source>Kun ved Ctrl-Alt-Del og strømbrudd</source>
        <translation>Nur nach Strg-Alt-Entf und Stromausfall</translation>
    </message>
    <message>
        <source>Åpne mapper og program</source>
        <translation>Offene Ordner und Programme</translation>
    </message>
    <message>
        <source>Legg til config.sys</source>
        <translation>Eintragen</translation>
    </message>
    <message>
        <source>Beskyttet modus</source>
        <translation>Geschützter Modus</translation>
    </message>
    <message>
        <source>STARTUP.CMD</source>
        <translation>STARTUP.CMD</translation>
    </message>
    <message>
        <source>Ny STARTUP.CMD: lager C:\STARTUP.CMD</source>
        <translation>Neue STARTUP.CMD: legt C:\STARTUP.CMD an</translation>
    </message>
    <message>
        <source>Ny STARTUP.CMD</source>
        <translation>Neue STARTUP.CMD</translation>
    </message>
    <message>
        <source>Ny</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Lagre STARTUP.CMD: skriver teksten til C:\STARTUP.CMD</source>
        <translation>STARTUP.CMD speichern: schreibt den Text nach C:\STARTUP.CMD</translation>
    </message>
    <message>
        <source>Lagre STARTUP.CMD</source>
        <translation>STARTUP.CMD speichern</translation>
    </message>
    <message>
        <source>Lagre</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Slett STARTUP.CMD: sletter C:\STARTUP.CMD</source>
        <translation>STARTUP.CMD löschen: löscht C:\STARTUP.CMD</translation>
    </message>
    <message>
        <source>Slett STARTUP.CMD</source>
        <translation>STARTUP.CMD löschen</translation>
    </message>
    <message>
        <source>Slett</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Oppstart-mappe, bare ved omstart</source>
        <translation>Systemstartordner, nur nach Neustart</translation>
    </message>
    <message>
        <source>Legg til SET RESTARTOBJECTS: skriver valget som ny linje i CONFIG.SYS</source>
        <translation>SET RESTARTOBJECTS einfügen: schreibt die Auswahl als neue Zeile in CONFIG.SYS</translation>
    </message>
    <message>
        <source>Legg til SET RESTARTOBJECTS</source>
        <translation>SET RESTARTOBJECTS einfügen</translation>
    </message>
    <message>
        <source>Ingen valg står for «%1»; linjen står til du velger</source>
        <translation>Keine Auswahl steht für „%1“; die Zeile bleibt, bis Sie wählen</translation>
    </message>
    <message>
        <source>OS/2 leser ikke linjen uten SET; et valg skriver den om med SET foran</source>
        <translation>OS/2 liest die Zeile ohne SET nicht; eine Auswahl setzt SET davor</translation>
    </message>
    <message>
        <source>Linje nr. %1 (uten SET) virker ikke; OS/2 leser denne linjen</source>
        <translation>Zeile %1 (ohne SET) wirkt nicht; OS/2 liest diese Zeile</translation>
    </message>
    <message>
        <source>Ikke nødvendig, standardverdi RESTARTOBJECTS=YES</source>
        <translation>Nicht nötig, Standardwert RESTARTOBJECTS=YES</translation>
    </message>
    <message>
        <source>Kun OS/2 sesjoner kan kjøres</source>
        <translation>Nur OS/2-Sitzungen können laufen</translation>
    </message>
    <message>
        <source>OS/2, DOS og Windows sesjoner kan kjøres</source>
        <translation>OS/2-, DOS- und Windows-Sitzungen können laufen</translation>
    </message>
</context>
<context>
    <name>StatusArea</name>
    <message>
        <source>ikke i %1</source>
        <translation>nicht in %1</translation>
    </message>
    <message>
        <source>Linje nr. %1</source>
        <translation>Zeile %1</translation>
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
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Oppstart</source>
        <translation>Systemstart</translation>
    </message>
    <message>
        <source>DOS</source>
        <translation>DOS</translation>
    </message>
    <message>
        <source>Ytelse</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Drivere</source>
        <translation>Treiber</translation>
    </message>
    <message>
        <source>Grensesnitt</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>Laufwerke</translation>
    </message>
    <message>
        <source>Nettverk</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Fil</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Linjene i CONFIG.SYS</source>
        <translation>Die Zeilen von CONFIG.SYS</translation>
    </message>
    <message>
        <source>Gjeldende linje i CONFIG.SYS</source>
        <translation>Aktuelle Zeile von CONFIG.SYS</translation>
    </message>
    <message>
        <source>Linje i CONFIG.SYS, endres etter oppstart</source>
        <translation>Zeile in CONFIG.SYS, wirkt nach dem Neustart</translation>
    </message>
    <message>
        <source>&amp;Hent</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Lagre CONFIG.NEW</source>
        <translation>CONFIG.NEW speichern</translation>
    </message>
    <message>
        <source>Lagre CONFIG.NEW: skriver linjene til C:\CONFIG.NEW (Alt+L)</source>
        <translation>CONFIG.NEW speichern: schreibt die Zeilen nach C:\CONFIG.NEW (Alt+S)</translation>
    </message>
    <message>
        <source>&amp;Lagre</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>REM av/på</source>
        <translation>REM ein/aus</translation>
    </message>
    <message>
        <source>REM av/på: setter REM foran linjen, eller tar den bort (Alt+R)</source>
        <translation>REM ein/aus: setzt REM vor die Zeile oder entfernt es (Alt+R)</translation>
    </message>
    <message>
        <source>Sjekk linjen</source>
        <translation>Zeile prüfen</translation>
    </message>
    <message>
        <source>Sjekk linjen: finnes filen den nevner? (Ctrl+Shift+K sjekker hele filen, F1 viser om programmet)</source>
        <translation>Zeile prüfen: Gibt es die Datei, die sie nennt? (Strg+Umschalt+K prüft die ganze Datei, F1 zeigt Infos zum Programm)</translation>
    </message>
    <message>
        <source>Sjekk</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Hent %1</source>
        <translation>%1 öffnen</translation>
    </message>
    <message>
        <source>Hent %1: leser filen på nytt (Alt+H)</source>
        <translation>%1 öffnen: liest die Datei neu ein (Alt+F)</translation>
    </message>
    <message>
        <source>Lagret %1 – %2</source>
        <translation>%1 gespeichert – %2</translation>
    </message>
    <message>
        <source>ingen endringer</source>
        <translation>keine Änderungen</translation>
    </message>
    <message>
        <source>1 endring: %1</source>
        <translation>1 Änderung: %1</translation>
    </message>
    <message>
        <source>%1 endringer: %2</source>
        <translation>%1 Änderungen: %2</translation>
    </message>
    <message>
        <source>endringene i %1</source>
        <translation>die Änderungen in %1</translation>
    </message>
    <message>
        <source>%1 og %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Forkastet %1</source>
        <translation>Verworfen: %1</translation>
    </message>
    <message>
        <source>%1, og %2</source>
        <translation>%1 sowie %2</translation>
    </message>
    <message>
        <source>Lagre</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Forkast</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Lagre endringene før du avslutter?</source>
        <translation>Änderungen vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>Dette er ikke lagret og går tapt om du forkaster det:
%1</source>
        <translation>Dies ist nicht gespeichert und geht verloren, wenn Sie es verwerfen:
%1</translation>
    </message>
    <message>
        <source>Ingen fil er lest inn</source>
        <translation>Es wurde keine Datei eingelesen</translation>
    </message>
    <message>
        <source>Lagre endringene før du %1?</source>
        <extracomment>%1 is the step: &quot;tar i bruk&quot; or &quot;gjenoppretter&quot; and the file</extracomment>
        <translation>Änderungen speichern, bevor Sie %1?</translation>
    </message>
    <message>
        <source>Etterpå leses %1 inn på nytt. Dette er ikke lagret og går tapt om du forkaster det:
%2</source>
        <translation>Danach wird %1 neu eingelesen. Dies ist nicht gespeichert und geht verloren, wenn Sie es verwerfen:
%2</translation>
    </message>
    <message>
        <source>tar i bruk %1</source>
        <extracomment>The step in &quot;Lagre endringene før du %1?&quot;</extracomment>
        <translation>%1 übernehmen</translation>
    </message>
    <message>
        <source>Fortsett</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Dokumentet har endringer som ikke er lagret i %1.</source>
        <translation>Das Dokument hat Änderungen, die nicht in %1 gespeichert sind.</translation>
    </message>
    <message>
        <source>«Lagre» skriver dem til %1 først. «Fortsett» tar i bruk %1 slik den er på disken; endringene blir stående her.</source>
        <translation>„Speichern“ schreibt sie zuerst nach %1. „Fortfahren“ übernimmt %1 so, wie sie auf dem Datenträger ist; die Änderungen bleiben hier erhalten.</translation>
    </message>
    <message>
        <source>gjenoppretter %1</source>
        <extracomment>The step in &quot;Lagre endringene før du %1?&quot;</extracomment>
        <translation>%1 wiederherstellen</translation>
    </message>
    <message>
        <source>Kan ikke skrive %1: ingen fil er lest inn (%2 kunne ikke leses), så det er ingenting å lagre</source>
        <translation>%1 kann nicht geschrieben werden: Es wurde keine Datei eingelesen (%2 konnte nicht gelesen werden), daher gibt es nichts zu speichern</translation>
    </message>
    <message>
        <source>%1 er endret på disken siden den ble lest inn</source>
        <translation>%1 wurde seit dem Einlesen auf dem Datenträger geändert</translation>
    </message>
    <message>
        <source>FEIL</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Stasjon C: har ingen mappe – trykk F1 og «Velg OS/2-stasjonen…»</source>
        <translation>Laufwerk C: hat keinen Ordner – drücken Sie F1 und „OS/2-Laufwerk wählen…“</translation>
    </message>
    <message>
        <source>Rediger %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Angret: %1</source>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>Ingenting å angre</source>
        <translation>Nichts rückgängig zu machen</translation>
    </message>
    <message>
        <source>Gjort om: %1</source>
        <translation>Wiederhergestellt: %1</translation>
    </message>
    <message>
        <source>Ingenting å gjøre om</source>
        <translation>Nichts wiederherzustellen</translation>
    </message>
</context>
<context>
    <name>TryCommand</name>
    <message>
        <source>Legge %1 inn som %2, med tasten %3 i Alt+F1-menyen?</source>
        <translation>%1 als %2 aufnehmen, mit der Taste %3 im Alt+F1-Menü?</translation>
    </message>
    <message>
        <source>den er ikke lagt inn som prøve</source>
        <translation>wurde sie nicht als Probe aufgenommen</translation>
    </message>
    <message>
        <source>Prøver i Alt+F1-menyen (%1):</source>
        <translation>Proben im Alt+F1-Menü (%1):</translation>
    </message>
    <message>
        <source>Ta en i bruk som %1 med «os2setup --install-new --key X»; fjern en med «os2setup --untry X».</source>
        <translation>Übernehmen Sie eine als %1 mit „os2setup --install-new --key X“; entfernen Sie eine mit „os2setup --untry X“.</translation>
    </message>
    <message>
        <source>Legge %1 på plass som %2, og ta prøven ut av Alt+F1-menyen?</source>
        <translation>%1 als %2 einsetzen und die Probe aus dem Alt+F1-Menü nehmen?</translation>
    </message>
    <message>
        <source>den er ikke lagt på plass</source>
        <translation>wurde sie nicht eingesetzt</translation>
    </message>
</context>
<context>
    <name>TryStep</name>
    <message>
        <source>%1 %2 ble skrevet, men kan ikke slettes igjen: %3 Uten en linje i menyen brukes den ikke; slett den selv.</source>
        <translation>%1 %2 wurde geschrieben, kann aber nicht wieder gelöscht werden: %3 Ohne eine Zeile im Menü wird sie nicht verwendet; löschen Sie sie selbst.</translation>
    </message>
    <message>
        <source>«%1» kan ikke være tast for en prøve: bruk én bokstav A–Z eller ett siffer 4–9.</source>
        <translation>„%1“ kann keine Taste für eine Probe sein: einen Buchstaben A–Z oder eine Ziffer 4–9 verwenden.</translation>
    </message>
    <message>
        <source>%1 finnes ikke</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>filen mangler</source>
        <translation>die Datei fehlt</translation>
    </message>
    <message>
        <source>lik %1</source>
        <translation>gleich %1</translation>
    </message>
    <message>
        <source>ikke lik %1</source>
        <translation>ungleich %1</translation>
    </message>
    <message>
        <source>kan ikke leses: %1</source>
        <translation>nicht lesbar: %1</translation>
    </message>
    <message>
        <source>Alt+F1-menyen (%1) har ingen prøver fra os2setup.</source>
        <translation>Das Alt+F1-Menü (%1) hat keine Proben von os2setup.</translation>
    </message>
    <message>
        <source>Ved neste oppstart: trykk Alt+F1 mens den lille hvite boksen med «OS/2» står øverst til venstre på skjermen, og trykk så %1 i menyen som kommer opp. OS/2 starter da én gang med %2; neste vanlige oppstart bruker %3 som før.</source>
        <translation>Beim nächsten Start: Alt+F1 drücken, während das kleine weiße Feld mit „OS/2“ oben links auf dem Bildschirm steht, und dann %1 im erscheinenden Menü drücken. OS/2 startet dann einmal mit %2; der nächste normale Start verwendet %3 wie bisher.</translation>
    </message>
    <message>
        <source> Ingenting er endret.</source>
        <translation> Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Kan ikke legge en linje til %1: filen blir da på %2 byte, men en menyfil kan ha høyst 64 KiB</source>
        <translation>Fehler beim Einfügen einer Zeile in %1: Die Datei hätte dann %2 Byte, aber eine Menüdatei darf höchstens 64 KiB haben</translation>
    </message>
    <message>
        <source>%1 ble skrevet, men det som ble lest tilbake er ikke det som ble skrevet</source>
        <translation>%1 wurde geschrieben, aber was zurückgelesen wurde, ist nicht das Geschriebene</translation>
    </message>
    <message>
        <source>%1 %2 er latt stå, siden %3 kan ha fått linjen for den.</source>
        <translation>%1 %2 bleibt stehen, da %3 die Zeile dafür erhalten haben kann.</translation>
    </message>
    <message>
        <source>%1 er lagt inn som %2, og Alt+F1-menyen (%3) har fått linjen «%4». %5 er ikke endret.</source>
        <translation>%1 wurde als %2 aufgenommen, und das Alt+F1-Menü (%3) hat die Zeile „%4“ erhalten. %5 wurde nicht geändert.</translation>
    </message>
    <message>
        <source>
Virker den, ta den i bruk med «Gjenopprett CONFIG.SYS…» eller «os2setup --install-new --key %1»; fjern den med «Fjern prøven» der eller «os2setup --untry %1».</source>
        <translation>
Funktioniert sie, übernehmen Sie sie mit „CONFIG.SYS wiederherstellen…“ oder „os2setup --install-new --key %1“; entfernen Sie sie dort mit „Probe entfernen“ oder mit „os2setup --untry %1“.</translation>
    </message>
    <message>
        <source>«%1» er ingen tast i Alt+F1-menyen: bruk én bokstav eller ett siffer</source>
        <translation>„%1“ ist keine Taste im Alt+F1-Menü: einen Buchstaben oder eine Ziffer verwenden</translation>
    </message>
    <message>
        <source>Linjen for tasten %1 i %2 er ikke lagt inn av os2setup, og blir ikke endret</source>
        <translation>Die Zeile für die Taste %1 in %2 stammt nicht von os2setup und wird nicht geändert</translation>
    </message>
    <message>
        <source>%1 har ingen prøve med tasten %2</source>
        <translation>%1 hat keine Probe mit der Taste %2</translation>
    </message>
    <message>
        <source>Prøven %1 er tatt ut av Alt+F1-menyen (%2).</source>
        <translation>Die Probe %1 wurde aus dem Alt+F1-Menü genommen (%2).</translation>
    </message>
    <message>
        <source> %1 fantes ikke.</source>
        <translation> %1 gab es nicht.</translation>
    </message>
    <message>
        <source> Men %1 kan ikke slettes: %2 Slett den selv; uten linjen i menyen brukes den ikke.</source>
        <translation> Aber %1 kann nicht gelöscht werden: %2 Löschen Sie sie selbst; ohne die Zeile im Menü wird sie nicht verwendet.</translation>
    </message>
    <message>
        <source> %1 er slettet.</source>
        <translation> %1 wurde gelöscht.</translation>
    </message>
    <message>
        <source> Men prøven %1 er ikke tatt ut av Alt+F1-menyen: %2 Fjern den med «os2setup --untry %1».</source>
        <translation> Aber die Probe %1 wurde nicht aus dem Alt+F1-Menü genommen: %2 Entfernen Sie sie mit „os2setup --untry %1“.</translation>
    </message>
</context>
<context>
    <name>os2setup</name>
    <message>
        <source>Rediger CONFIG.SYS</source>
        <translation>CONFIG.SYS bearbeiten</translation>
    </message>
</context>
</TS>
