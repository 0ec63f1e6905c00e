// The fixed parts of "os2setup --help": how the program is called, and what
// the tasks do. Each paragraph is one text to translate, wrapped at 80
// columns in each language.
#include "app/command_line_help.h"

#include <QCoreApplication>

QString usageHead()
{
    return QCoreApplication::translate("CommandLine",
                                          "Bruk: os2setup [VALG] [FIL]\n"
                                          "      os2setup --check [VALG] [FIL]\n"
                                          "      os2setup --install-new [--yes] [--force] [VALG]\n"
                                          "      os2setup --restore [N] [--yes] [--force] [VALG]\n"
                                          "      os2setup --try-new [--key X] [--yes] [--force] [VALG]\n"
                                          "      os2setup --tries | --untry X | --install-new --key X [VALG]\n")
           + QStringLiteral("\n")
           + QCoreApplication::translate("CommandLine",
                                          "Redigerer CONFIG.SYS, oppstartsfilen til OS/2. FIL er filen som leses, som\n"
                                          "DOS-sti ('D:\\TEST\\CONFIG.SYS') eller som sti på denne maskinen; uten FIL,\n"
                                          "eller med flere, leses C:\\CONFIG.SYS. «Lagre» skriver C:\\CONFIG.NEW.\n")
           + QStringLiteral("\n")
           + QCoreApplication::translate("CommandLine",
                                          "Valg:\n");
}

QString usageTail()
{
    return QStringLiteral("\n")
           + QCoreApplication::translate("CommandLine",
                                          "Stasjon C: får mappen sin fra --drive C=MAPPE, ellers fra miljøvariabelen\n"
                                          "OS2SETUP_DRIVE_C, ellers fra mappen som ble valgt i stasjonsvelgeren. Andre\n"
                                          "stasjoner: fra --drive, ellers fra OS2SETUP_DRIVE_X (X er bokstaven).\n"
                                          "Qt-valg som -style STIL og -platform NAVN tas også imot.\n")
           + QStringLiteral("\n")
           + QCoreApplication::translate("CommandLine",
                                          "--check åpner intet vindu: det skriver én linje for hver fil eller mappe som en\n"
                                          "aktiv linje nevner, men som ikke er der OS/2 leter, og en siste linje med\n"
                                          "antallene. Hver linje sier hvor ille det er: «stopper oppstarten», «finner\n"
                                          "ikke», «advarsel» eller «ikke sjekket». Navn uten stasjon ligger på\n"
                                          "oppstartsstasjonen: den fra --boot-drive, ellers stasjonen til FIL, ellers\n"
                                          "stasjonen til \\OS2\\DLL på LIBPATH, ellers C:.\n"
                                          "Status 0: ingenting mangler (advarsler går an); 1: noe stopper oppstarten\n"
                                          "eller mangler; 2: filen eller en stasjon kan ikke leses.\n")
           + QStringLiteral("\n")
           + QCoreApplication::translate("CommandLine",
                                          "--install-new viser hva C:\\CONFIG.NEW endrer i C:\\CONFIG.SYS (som en unified\n"
                                          "diff) og sjekker den nye filen. Stopper noe oppstarten, avvises den uten\n"
                                          "--force. Etter et ja (eller --yes) kopieres C:\\CONFIG.SYS til første ledige\n"
                                          "C:\\CONFIG.nnn og til ~/.local/share/os2setup, og C:\\CONFIG.NEW legges på plass.\n"
                                          "--restore lister kopiene å gå tilbake til, nyeste først (CONFIG.nnn, kopiene\n"
                                          "i ~/.local/share/os2setup, CONFIG.BAK, OS/2s skrivebordsarkiver og\n"
                                          "\\OS2\\INSTALL\\CONFIG.SYS); «--restore N» legger kopi N på plass på samme måte.\n"
                                          "Status 0: gjort, eller ingenting å gjøre; 1: avvist (sjekken, eller nei til\n"
                                          "spørsmålet); 2: en fil kan ikke leses eller skrives.\n")
           + QStringLiteral("\n")
           + QCoreApplication::translate("CommandLine",
                                          "--try-new viser og sjekker C:\\CONFIG.NEW som --install-new, men lar\n"
                                          "C:\\CONFIG.SYS være: den kopieres til C:\\OS2\\BOOT\\CONFIG.X og får en linje i\n"
                                          "Alt+F1-menyen (C:\\OS2\\BOOT\\ALTF1BOT.SCR). Ved neste oppstart: trykk Alt+F1\n"
                                          "mens den lille hvite OS/2-boksen står øverst til venstre, og så X; OS/2\n"
                                          "starter da én gang med prøven. X er første ledige av A–Z og 4–9 (OS/2 bruker\n"
                                          "C, M, V, X, 1, 2 og 3 selv), eller den fra --key. --tries lister prøvene og om\n"
                                          "de er like C:\\CONFIG.NEW; «--install-new --key X» tar prøve X i bruk som\n"
                                          "C:\\CONFIG.SYS og fjerner den fra menyen; «--untry X» fjerner den (linjen, så\n"
                                          "filen). Linjer og filer som ikke er lagt inn av os2setup, endres aldri.\n"
                                          "ALTF1BOT.SCR er skrivebeskyttet fra OS/2: beskyttelsen tas av bare mens\n"
                                          "linjen skrives, og settes på igjen. Samme statuser som over.\n");
}
