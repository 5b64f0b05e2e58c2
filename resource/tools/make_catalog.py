#!/usr/bin/env python3
"""Generate the shipped module catalog of RackMason.

One table below describes every module, CPU and extension rack once, with its
designation and description in English, German and French.  From it this
script writes

    resource/Katalog.ini    catalog tree and language choice
    resource/NURA_E.txt     module description file, English
    resource/NURA_G.txt     module description file, German
    resource/NURA_O.txt     module description file, French (optional language)

All four files are windows-1252 with CR LF line ends.  The generated files are
committed, so building the program never needs Python; run this script again
after editing the table:

    python3 resource/tools/make_catalog.py

With --check it writes nothing and says which of the four files differ from
what the table gives (exit status 1 when any does); the tests run it so, so
that the table and the shipped files never drift apart.

Before writing anything the script checks the table (see check_table) and
stops with a message when a rule is broken.
"""

import os
import sys

ENCODING = "cp1252"
EOL = "\r\n"
INI_VALUE_MAX = 79
DESCRIPTION_LINE_MAX = 84   # keeps the description box readable without wrapping

# ModFlags bits
F_SUBLIST = 0x8000   # multi-row module / record carries a sub-entry line
F_IN = 0x4000
F_OUT = 0x2000
F_EVEN = 0x1000      # analog: even start addresses
F_CPU = 0x0800
F_EXT = 0x0400
F_HIGH = 0x0200      # with F_EVEN: addresses from 256; alone: default start 512
F_SLOT_A = 0x0100
F_SLOT_B = 0x0080
F_PASSIVE = 0x0040   # no I/O but may go into a numbered slot
# value formats offered by analog modules (low byte)
V_UNI = 0x01
V_BI = 0x02
V_NURA = 0x04
V_PT100 = 0x10
V_NI100 = 0x20
V_PT1000 = 0x40
V_NI1000 = 0x80      # not used: the same bit also admits a module to slot B

# CPU option bits (Modus of a CPU)
M_WEB = 0x001
M_PRIO = 0x002
M_MEM = 0x004
M_B2 = 0x008
M_COM = 0x010
M_PERIPH = 0x020
M_CONN = 0x040       # also for extension racks
M_PORT0 = 0x080
M_SLOTB = 0x100
M_MEMSLOTS = 0x200
# Modus bit 0 of an extra-slot module: released for the CPU QMV1.R200
M_R200 = 0x001


class T:
    """Designation and description lines in one language."""

    def __init__(self, designation, *lines):
        self.designation = designation
        self.lines = list(lines)


class Rec:
    def __init__(self, order, ident, flags, modus, incnt, outcnt, sub, family,
                 en, de, fr, sublist=None, incnt_text=None):
        self.order = order
        self.ident = ident
        self.flags = flags
        self.modus = modus
        self.incnt = incnt
        self.incnt_text = incnt_text  # CPU memory: hex digits written as the decimal line
        self.outcnt = outcnt
        self.reserve = 0
        self.sub = sub
        self.family = family
        self.sublist = sublist
        self.text = {"E": en, "G": de, "O": fr}

    @property
    def type_code(self):
        return self.order.split(".", 1)[1] if "." in self.order else self.order

    def slots(self):
        return (self.sub >> 8) & 0xFF, self.sub & 0xFF


def cpu(order, modus, slots, group, max_slots, family, en, de, fr, mem=None):
    sub = (slots << 8) | group
    text = None
    if mem is not None:
        # The memory line is read as a decimal number whose digits are then
        # taken as hex: high part = largest size in 64 KB blocks, low word =
        # the limit handed to the size control.
        blocks, limit = mem
        text = "%X" % ((blocks << 16) | limit)
    return Rec(order, 0x0000, F_CPU, modus, int(text) if text else 0, max_slots,
               sub, family, en, de, fr, incnt_text=text)


def rack(order, connector, slots, group, family, en, de, fr, with_line=False):
    flags = F_EXT | (F_SUBLIST if with_line else 0)
    return Rec(order, 0x0000, flags, M_CONN if connector else 0, 0, 0,
               (slots << 8) | group, family, en, de, fr,
               sublist=[order] if with_line else None)


def mod(order, ident, flags, incnt, outcnt, family, en, de, fr, modus=0,
        sublist=None):
    sub = len(sublist) if sublist else 1
    if sublist:
        flags |= F_SUBLIST
    return Rec(order, ident, flags, modus, incnt, outcnt, sub, family,
               en, de, fr, sublist=sublist)


# ---------------------------------------------------------------------------
# The table.  File order = order of this list.
# ---------------------------------------------------------------------------

RECORDS = [
    # ----- CPUs ------------------------------------------------------------
    cpu("QMV1.R200", M_COM | M_CONN | M_SLOTB, 8, 4, 16, 2,
        T("CPU 200 compact, 2 serial ports",
          "Compact CPU of the first generation with 8 I/O slots in two groups of 4.",
          "Up to 16 I/O slots with extension racks on the rack connector.",
          "The extra slots A and B1 take only modules released for this CPU.",
          "Serial ports 2 and 3 for RS-232, port 1 for a modem; port 2 is preset.",
          "CPU dialog: communication (MPI mode, port, baud rate, modem, timings)",
          "and the maximum baud rate of the function module in slot B1."),
        T("CPU 200 kompakt, 2 serielle Ports",
          "Kompakt-CPU der ersten Generation mit 8 E/A-Steckplätzen in zwei Gruppen zu 4.",
          "Bis zu 16 E/A-Steckplätze mit Erweiterungsträgern am Trägeranschluss.",
          "Die Zusatzsteckplätze A und B1 nehmen nur für diese CPU freigegebene Module auf.",
          "Serielle Ports 2 und 3 für RS-232, Port 1 für ein Modem; voreingestellt ist Port 2.",
          "CPU-Dialog: Kommunikation (MPI-Modus, Port, Baudrate, Modem, Zeiten)",
          "und die maximale Baudrate des Funktionsmoduls in Steckplatz B1."),
        T("CPU 200 compacte, 2 ports série",
          "CPU compacte de première génération, 8 emplacements E/S en deux groupes de 4.",
          "Jusqu'à 16 emplacements E/S avec des châssis d'extension sur le connecteur.",
          "Les emplacements supplémentaires A et B1 n'acceptent que les modules",
          "validés pour cette CPU.",
          "Ports série 2 et 3 en RS-232, port 1 pour un modem ; le port 2 est présélectionné.",
          "Dialogue CPU : communication (mode MPI, port, débit, modem, temporisations)",
          "et débit maximal du module de fonction de l'emplacement B1.")),

    cpu("QMV2.R210", M_COM | M_PORT0, 8, 4, 8, 2,
        T("CPU 210 compact, 8 slots",
          "Entry-level CPU of the QMV2 line with 8 I/O slots in two groups of 4.",
          "No rack connector: the CPU and its 8 slots form the whole station.",
          "Extra slot A for a network interface, B1 for a serial function module.",
          "CPU dialog: communication settings; port 0 can be used for RS-232."),
        T("CPU 210 kompakt, 8 Steckplätze",
          "Einstiegs-CPU der Reihe QMV2 mit 8 E/A-Steckplätzen in zwei Gruppen zu 4.",
          "Kein Trägeranschluss: die CPU und ihre 8 Steckplätze bilden die ganze Station.",
          "Zusatzsteckplatz A für eine Netzwerkschnittstelle, B1 für ein serielles",
          "Funktionsmodul.",
          "CPU-Dialog: Kommunikationseinstellungen; Port 0 ist für RS-232 nutzbar."),
        T("CPU 210 compacte, 8 emplacements",
          "CPU d'entrée de gamme QMV2, 8 emplacements E/S en deux groupes de 4.",
          "Sans connecteur d'extension : la CPU et ses 8 emplacements forment toute",
          "la station.",
          "Emplacement A pour une interface réseau, B1 pour un module de fonction série.",
          "Dialogue CPU : communication ; le port 0 est utilisable en RS-232.")),

    cpu("QMV2.R220", M_PRIO | M_B2 | M_COM | M_PERIPH | M_CONN | M_SLOTB, 16, 8, 32, 2,
        T("CPU 220 with 2 function slots",
          "Standard CPU of the QMV2 line with 16 I/O slots in two groups of 8.",
          "Up to 32 I/O slots with QMV2 or QMV3 extension racks on the rack connector.",
          "Extra slots A, B1 and B2; the function module in B2 adds serial ports 4 and 5.",
          "CPU dialog: compiler priorities, communication, maximum baud rate of the",
          "function modules in B1 and B2, periphery access during start-up (OB 100)."),
        T("CPU 220 mit 2 Funktionssteckplätzen",
          "Standard-CPU der Reihe QMV2 mit 16 E/A-Steckplätzen in zwei Gruppen zu 8.",
          "Bis zu 32 E/A-Steckplätze mit Erweiterungsträgern QMV2 oder QMV3.",
          "Zusatzsteckplätze A, B1 und B2; das Funktionsmodul in B2 bringt die Ports 4 und 5.",
          "CPU-Dialog: Compiler-Prioritäten, Kommunikation, maximale Baudrate der",
          "Funktionsmodule in B1 und B2, Peripheriezugriff im Anlauf (OB 100)."),
        T("CPU 220 avec 2 emplacements de fonction",
          "CPU standard QMV2, 16 emplacements E/S en deux groupes de 8.",
          "Jusqu'à 32 emplacements E/S avec des châssis d'extension QMV2 ou QMV3.",
          "Emplacements A, B1 et B2 ; le module de fonction en B2 ajoute les ports 4 et 5.",
          "Dialogue CPU : priorités du compilateur, communication, débit maximal des",
          "modules de fonction en B1 et B2, accès à la périphérie au démarrage (OB 100).")),

    cpu("QMV2.R230", M_WEB | M_PRIO | M_MEM | M_B2 | M_COM | M_PERIPH | M_CONN
        | M_PORT0 | M_SLOTB, 16, 8, 64, 2,
        T("CPU 230 with web server, 512 KB",
          "High-end CPU of the QMV2 line with integrated web server.",
          "16 I/O slots in two groups of 8; up to 64 I/O slots with extension racks.",
          "Work memory selectable up to 512 KB in blocks of 64 KB.",
          "Extra slots A, B1 and B2; serial ports 0 to 5.",
          "CPU dialog: memory and compiler priorities, web server (index DB, RAM disk,",
          "date and time format, passwords of 4 access levels), communication,",
          "baud rate of the function modules in B1 and B2, start-up (OB 100).",
          "The web server needs the MPI communication settings."),
        T("CPU 230 mit Webserver, 512 KB",
          "Leistungsstarke CPU der Reihe QMV2 mit integriertem Webserver.",
          "16 E/A-Steckplätze in zwei Gruppen zu 8; bis zu 64 mit Erweiterungsträgern.",
          "Arbeitsspeicher wählbar bis 512 KB in Blöcken zu 64 KB.",
          "Zusatzsteckplätze A, B1 und B2; serielle Ports 0 bis 5.",
          "CPU-Dialog: Speicher und Compiler-Prioritäten, Webserver (Index-DB, RAM-Disk,",
          "Datums- und Zeitformat, Passwörter für 4 Zugriffsebenen), Kommunikation,",
          "Baudrate der Funktionsmodule in B1 und B2, Anlauf (OB 100).",
          "Der Webserver setzt die MPI-Kommunikationseinstellungen voraus."),
        T("CPU 230 avec serveur web, 512 Ko",
          "CPU haut de gamme QMV2 avec serveur web intégré.",
          "16 emplacements E/S en deux groupes de 8 ; jusqu'à 64 avec des châssis",
          "d'extension.",
          "Mémoire de travail réglable jusqu'à 512 Ko par blocs de 64 Ko.",
          "Emplacements A, B1 et B2 ; ports série 0 à 5.",
          "Dialogue CPU : mémoire et priorités du compilateur, serveur web (DB d'index,",
          "disque RAM, format de date et d'heure, mots de passe de 4 niveaux d'accès),",
          "communication, débit des modules de fonction en B1 et B2, démarrage (OB 100).",
          "Le serveur web nécessite la configuration de la communication MPI."),
        mem=(8, 16)),

    cpu("QMV3.R310", M_COM | M_PERIPH | M_CONN, 10, 5, 30, 3,
        T("CPU 310, 10 slots",
          "Basic CPU of the modular QMV3 line with 10 I/O slots in two groups of 5.",
          "Up to 30 I/O slots with QMV3 extension racks.",
          "No memory card slots; communication on port 1.",
          "CPU dialog: communication settings, periphery access during start-up (OB 100)."),
        T("CPU 310, 10 Steckplätze",
          "Basis-CPU der modularen Reihe QMV3 mit 10 E/A-Steckplätzen in zwei Gruppen zu 5.",
          "Bis zu 30 E/A-Steckplätze mit Erweiterungsträgern QMV3.",
          "Keine Speicherkartensteckplätze; Kommunikation über Port 1.",
          "CPU-Dialog: Kommunikationseinstellungen, Peripheriezugriff im Anlauf (OB 100)."),
        T("CPU 310, 10 emplacements",
          "CPU de base de la gamme modulaire QMV3, 10 emplacements E/S en deux groupes de 5.",
          "Jusqu'à 30 emplacements E/S avec des châssis d'extension QMV3.",
          "Pas d'emplacement de carte mémoire ; communication sur le port 1.",
          "Dialogue CPU : communication, accès à la périphérie au démarrage (OB 100).")),

    cpu("QMV3.R320", M_PRIO | M_MEM | M_COM | M_CONN | M_PORT0 | M_MEMSLOTS, 12, 6, 48, 3,
        T("CPU 320 with memory card, 256 KB",
          "Standard CPU of the QMV3 line with 12 I/O slots in two groups of 6.",
          "Up to 48 I/O slots with QMV3 extension racks.",
          "Memory card slots M1, M2 and MB; work memory selectable up to 256 KB.",
          "Communication on port 1, port 0 for RS-232.",
          "CPU dialog: memory and compiler priorities, communication settings."),
        T("CPU 320 mit Speicherkarte, 256 KB",
          "Standard-CPU der Reihe QMV3 mit 12 E/A-Steckplätzen in zwei Gruppen zu 6.",
          "Bis zu 48 E/A-Steckplätze mit Erweiterungsträgern QMV3.",
          "Speicherkartensteckplätze M1, M2 und MB; Arbeitsspeicher wählbar bis 256 KB.",
          "Kommunikation über Port 1, Port 0 für RS-232.",
          "CPU-Dialog: Speicher und Compiler-Prioritäten, Kommunikationseinstellungen."),
        T("CPU 320 avec carte mémoire, 256 Ko",
          "CPU standard QMV3, 12 emplacements E/S en deux groupes de 6.",
          "Jusqu'à 48 emplacements E/S avec des châssis d'extension QMV3.",
          "Emplacements de carte mémoire M1, M2 et MB ; mémoire de travail réglable",
          "jusqu'à 256 Ko.",
          "Communication sur le port 1, port 0 en RS-232.",
          "Dialogue CPU : mémoire et priorités du compilateur, communication."),
        mem=(4, 8)),

    cpu("QMV3.R330", M_WEB | M_PRIO | M_MEM | M_COM | M_PERIPH | M_CONN | M_PORT0
        | M_MEMSLOTS, 16, 8, 64, 3,
        T("CPU 330 with web server, 512 KB",
          "High-end CPU of the QMV3 line with integrated web server.",
          "16 I/O slots in two groups of 8; up to 64 I/O slots with QMV3 extension racks.",
          "Memory card slots M1, M2 and MB; work memory selectable up to 512 KB.",
          "Communication on port 1, port 0 for RS-232.",
          "CPU dialog: memory and compiler priorities, web server, communication,",
          "periphery access during start-up (OB 100).",
          "The web server needs the MPI communication settings."),
        T("CPU 330 mit Webserver, 512 KB",
          "Leistungsstarke CPU der Reihe QMV3 mit integriertem Webserver.",
          "16 E/A-Steckplätze in zwei Gruppen zu 8; bis zu 64 mit Erweiterungsträgern QMV3.",
          "Speicherkartensteckplätze M1, M2 und MB; Arbeitsspeicher wählbar bis 512 KB.",
          "Kommunikation über Port 1, Port 0 für RS-232.",
          "CPU-Dialog: Speicher und Compiler-Prioritäten, Webserver, Kommunikation,",
          "Peripheriezugriff im Anlauf (OB 100).",
          "Der Webserver setzt die MPI-Kommunikationseinstellungen voraus."),
        T("CPU 330 avec serveur web, 512 Ko",
          "CPU haut de gamme QMV3 avec serveur web intégré.",
          "16 emplacements E/S en deux groupes de 8 ; jusqu'à 64 avec des châssis",
          "d'extension QMV3.",
          "Emplacements de carte mémoire M1, M2 et MB ; mémoire réglable jusqu'à 512 Ko.",
          "Communication sur le port 1, port 0 en RS-232.",
          "Dialogue CPU : mémoire et priorités du compilateur, serveur web, communication,",
          "accès à la périphérie au démarrage (OB 100).",
          "Le serveur web nécessite la configuration de la communication MPI."),
        mem=(8, 16)),

    # ----- Extension racks -------------------------------------------------
    rack("QMV2.X204", True, 4, 4, 2,
         T("Extension rack 4 slots, with connector",
           "Extension rack for QMV2 modules with 4 I/O slots in one group.",
           "Plugs onto the rack connector of a QMV2 CPU or of the previous rack and",
           "has its own connector for a further rack.",
           "The slot numbers continue from the previous rack."),
         T("Erweiterungsträger 4 Steckpl., mit Anschluss",
           "Erweiterungsträger für QMV2-Baugruppen mit 4 E/A-Steckplätzen in einer Gruppe.",
           "Wird am Trägeranschluss einer QMV2-CPU oder des vorigen Trägers angeschlossen",
           "und hat einen eigenen Anschluss für einen weiteren Träger.",
           "Die Steckplatznummern zählen vom vorigen Träger aus weiter."),
         T("Châssis d'extension 4 empl., avec connecteur",
           "Châssis d'extension pour modules QMV2, 4 emplacements E/S en un groupe.",
           "Se raccorde au connecteur d'une CPU QMV2 ou du châssis précédent et",
           "possède son propre connecteur pour un châssis supplémentaire.",
           "La numérotation des emplacements continue celle du châssis précédent.")),

    rack("QMV2.X208", False, 8, 4, 2,
         T("Extension rack 8 slots, end rack",
           "Extension rack for QMV2 modules with 8 I/O slots in two groups of 4.",
           "It has no rack connector of its own and is always the last rack of a station."),
         T("Erweiterungsträger 8 Steckplätze, Endträger",
           "Erweiterungsträger für QMV2-Baugruppen mit 8 E/A-Steckplätzen in zwei Gruppen zu 4.",
           "Ohne eigenen Trägeranschluss; er ist immer der letzte Träger einer Station."),
         T("Châssis d'extension 8 empl., fin de ligne",
           "Châssis d'extension pour modules QMV2, 8 emplacements E/S en deux groupes de 4.",
           "Sans connecteur propre ; c'est toujours le dernier châssis de la station.")),

    rack("QMV3.X306", True, 6, 6, 3,
         T("Extension rack QMV3 6 slots, with connector",
           "Extension rack for QMV3 modules with 6 I/O slots in one group.",
           "Connects to a QMV3 CPU, to a QMV2 CPU or to the previous rack and has its",
           "own connector for a further rack.",
           "Behind this rack only QMV3 modules and QMV3 racks can be used."),
         T("Erweiterungsträger QMV3 6 Steckpl., mit Anschluss",
           "Erweiterungsträger für QMV3-Baugruppen mit 6 E/A-Steckplätzen in einer Gruppe.",
           "Wird an einer QMV3-CPU, einer QMV2-CPU oder am vorigen Träger angeschlossen",
           "und hat einen eigenen Anschluss für einen weiteren Träger.",
           "Hinter diesem Träger sind nur noch QMV3-Baugruppen und QMV3-Träger möglich."),
         T("Châssis d'extension QMV3 6 empl., avec connecteur",
           "Châssis d'extension pour modules QMV3, 6 emplacements E/S en un groupe.",
           "Se raccorde à une CPU QMV3, à une CPU QMV2 ou au châssis précédent et",
           "possède son propre connecteur pour un châssis supplémentaire.",
           "Après ce châssis, seuls les modules et châssis QMV3 sont possibles."),
         with_line=True),

    rack("QMV3.X308", False, 8, 4, 3,
         T("Extension rack QMV3 8 slots, end rack",
           "Extension rack for QMV3 modules with 8 I/O slots in two groups of 4.",
           "Connects to a QMV3 or QMV2 CPU or to the previous rack; it has no connector",
           "of its own and is always the last rack of a station."),
         T("Erweiterungsträger QMV3 8 Steckplätze, Endträger",
           "Erweiterungsträger für QMV3-Baugruppen mit 8 E/A-Steckplätzen in zwei Gruppen zu 4.",
           "Wird an einer QMV3- oder QMV2-CPU oder am vorigen Träger angeschlossen;",
           "ohne eigenen Anschluss ist er immer der letzte Träger einer Station."),
         T("Châssis d'extension QMV3 8 empl., fin de ligne",
           "Châssis d'extension pour modules QMV3, 8 emplacements E/S en deux groupes de 4.",
           "Se raccorde à une CPU QMV3 ou QMV2 ou au châssis précédent ; sans connecteur",
           "propre, c'est toujours le dernier châssis de la station."),
         with_line=True),

    rack("QMV3.X310", False, 10, 5, 3,
         T("Extension rack QMV3 10 slots, end rack",
           "Extension rack for QMV3 modules with 10 I/O slots in two groups of 5.",
           "No connector of its own: always the last rack of a station."),
         T("Erweiterungsträger QMV3 10 Steckplätze, Endträger",
           "Erweiterungsträger für QMV3-Baugruppen mit 10 E/A-Steckplätzen in zwei Gruppen zu 5.",
           "Ohne eigenen Anschluss: immer der letzte Träger einer Station."),
         T("Châssis d'extension QMV3 10 empl., fin de ligne",
           "Châssis d'extension pour modules QMV3, 10 emplacements E/S en deux groupes de 5.",
           "Sans connecteur propre : toujours le dernier châssis de la station.")),

    # ----- Modules for the extra slots of QMV2 CPUs ------------------------
    mod("QMV2.C110", 0x0000, F_SLOT_A, 0, 0, 2,
        T("Ethernet interface for slot A",
          "Network interface for the extra slot A of QMV2 CPUs: 10/100 Mbit/s, RJ45.",
          "Carries programming access and the pages of the CPU web server.",
          "Released for the CPU QMV1.R200. Occupies no I/O addresses."),
        T("Ethernet-Schnittstelle für Steckplatz A",
          "Netzwerkschnittstelle für den Zusatzsteckplatz A der QMV2-CPUs: 10/100 Mbit/s, RJ45.",
          "Für den Programmierzugang und die Seiten des CPU-Webservers.",
          "Freigegeben für die CPU QMV1.R200. Belegt keine E/A-Adressen."),
        T("Interface Ethernet pour emplacement A",
          "Interface réseau pour l'emplacement supplémentaire A des CPU QMV2 :",
          "10/100 Mbit/s, RJ45.",
          "Accès de programmation et pages du serveur web de la CPU.",
          "Validée pour la CPU QMV1.R200. N'occupe aucune adresse E/S."),
        modus=M_R200),

    mod("QMV2.C120", 0x0000, F_SLOT_A, 0, 0, 2,
        T("Fieldbus slave interface for slot A",
          "Fieldbus slave interface for the extra slot A of QMV2 CPUs.",
          "9-pin D-sub connector, up to 12 Mbit/s, station address set by rotary switches.",
          "Not released for the CPU QMV1.R200. Occupies no I/O addresses."),
        T("Feldbus-Slave-Schnittstelle für Steckplatz A",
          "Feldbus-Slave-Schnittstelle für den Zusatzsteckplatz A der QMV2-CPUs.",
          "9-poliger Sub-D-Stecker, bis 12 Mbit/s, Stationsadresse über Drehschalter.",
          "Nicht freigegeben für die CPU QMV1.R200. Belegt keine E/A-Adressen."),
        T("Interface esclave bus de terrain pour empl. A",
          "Interface esclave bus de terrain pour l'emplacement supplémentaire A des CPU QMV2.",
          "Connecteur Sub-D 9 points, jusqu'à 12 Mbit/s, adresse réglée par roues codeuses.",
          "Non validée pour la CPU QMV1.R200. N'occupe aucune adresse E/S.")),

    mod("QMV2.C210", 0x0000, F_SLOT_B, 0, 0, 2,
        T("Serial interface RS-232 for slot B",
          "Function module with one RS-232 port for the extra slot B1 or B2.",
          "9-pin D-sub connector; 19200 or 38400 baud, set in the CPU dialog.",
          "Released for the CPU QMV1.R200."),
        T("Serielle Schnittstelle RS-232 für Steckplatz B",
          "Funktionsmodul mit einem RS-232-Port für den Zusatzsteckplatz B1 oder B2.",
          "9-poliger Sub-D-Stecker; 19200 oder 38400 Baud, einstellbar im CPU-Dialog.",
          "Freigegeben für die CPU QMV1.R200."),
        T("Interface série RS-232 pour emplacement B",
          "Module de fonction avec un port RS-232 pour l'emplacement B1 ou B2.",
          "Connecteur Sub-D 9 points ; 19200 ou 38400 bauds, réglés dans le dialogue CPU.",
          "Validé pour la CPU QMV1.R200."),
        modus=M_R200),

    mod("QMV2.C220", 0x0000, F_SLOT_B, 0, 0, 2,
        T("Serial interface RS-485 for slot B",
          "Function module with one RS-485 port (2-wire) for the extra slot B1 or B2.",
          "Screw terminals with switchable bus termination; 19200 or 38400 baud.",
          "Released for the CPU QMV1.R200."),
        T("Serielle Schnittstelle RS-485 für Steckplatz B",
          "Funktionsmodul mit einem RS-485-Port (2-Draht) für den Zusatzsteckplatz B1 oder B2.",
          "Schraubklemmen mit zuschaltbarem Busabschluss; 19200 oder 38400 Baud.",
          "Freigegeben für die CPU QMV1.R200."),
        T("Interface série RS-485 pour emplacement B",
          "Module de fonction avec un port RS-485 (2 fils) pour l'emplacement B1 ou B2.",
          "Bornes à vis avec terminaison de bus commutable ; 19200 ou 38400 bauds.",
          "Validé pour la CPU QMV1.R200."),
        modus=M_R200),

    mod("QMV2.N613", 0x0000, F_SLOT_B, 0, 0, 2,
        T("Analog modem N613 for slot B",
          "Modem function module for the public telephone network, for slot B1 or B2.",
          "Remote programming and service access to the CPU.",
          "In the CPU dialog select communication through modem, type N613.",
          "Released for the CPU QMV1.R200."),
        T("Analogmodem N613 für Steckplatz B",
          "Modem-Funktionsmodul für das öffentliche Telefonnetz, für Steckplatz B1 oder B2.",
          "Fernprogrammierung und Servicezugang zur CPU.",
          "Im CPU-Dialog Kommunikation über Modem, Typ N613 wählen.",
          "Freigegeben für die CPU QMV1.R200."),
        T("Modem analogique N613 pour emplacement B",
          "Module de fonction modem pour le réseau téléphonique public, emplacement B1 ou B2.",
          "Programmation et maintenance à distance de la CPU.",
          "Dans le dialogue CPU, choisir la communication par modem, type N613.",
          "Validé pour la CPU QMV1.R200."),
        modus=M_R200),

    mod("QMV2.N618", 0x0000, F_SLOT_B, 0, 0, 2,
        T("GSM modem N618 for slot B",
          "GSM modem function module with SMA antenna socket, for slot B1 or B2.",
          "In the CPU dialog select communication through modem, type N618.",
          "Not released for the CPU QMV1.R200."),
        T("GSM-Modem N618 für Steckplatz B",
          "GSM-Modem-Funktionsmodul mit SMA-Antennenbuchse, für Steckplatz B1 oder B2.",
          "Im CPU-Dialog Kommunikation über Modem, Typ N618 wählen.",
          "Nicht freigegeben für die CPU QMV1.R200."),
        T("Modem GSM N618 pour emplacement B",
          "Module de fonction modem GSM avec prise d'antenne SMA, emplacement B1 ou B2.",
          "Dans le dialogue CPU, choisir la communication par modem, type N618.",
          "Non validé pour la CPU QMV1.R200.")),

    # ----- QMV2 passive module ---------------------------------------------
    mod("QMV2.P010", 0x0000, F_PASSIVE, 0, 0, 2,
        T("Power feed module DC 24 V",
          "Feeds a separate DC 24 V supply for the following modules into the backplane.",
          "Occupies one I/O slot; no process data, no parameters."),
        T("Einspeisemodul DC 24 V",
          "Speist eine getrennte DC-24-V-Versorgung für die folgenden Baugruppen in den",
          "Rückwandbus ein.",
          "Belegt einen E/A-Steckplatz; keine Prozessdaten, keine Parameter."),
        T("Module d'alimentation 24 V CC",
          "Injecte une alimentation 24 V CC séparée pour les modules suivants dans le fond",
          "de panier.",
          "Occupe un emplacement E/S ; ni données process, ni paramètres.")),

    # ----- QMV2 digital modules --------------------------------------------
    mod("QMV2.G110", 0x0001, F_IN, 1, 0, 2,
        T("DI 8x DC 24 V",
          "8 digital inputs DC 24 V, current sinking, one group with common ground.",
          "Input delay 3 ms, one status LED per channel, 10-pin front connector.",
          "Occupies 1 input byte; no parameters."),
        T("DE 8x DC 24 V",
          "8 Digitaleingänge DC 24 V, stromziehend, eine Gruppe mit gemeinsamer Masse.",
          "Eingangsverzögerung 3 ms, eine Status-LED je Kanal, 10-poliger Frontstecker.",
          "Belegt 1 Eingangsbyte; keine Parameter."),
        T("ETOR 8x 24 V CC",
          "8 entrées TOR 24 V CC, type puits, un groupe avec masse commune.",
          "Filtrage 3 ms, une LED d'état par voie, connecteur frontal 10 points.",
          "Occupe 1 octet d'entrée ; aucun paramètre.")),

    mod("QMV2.G120", 0x0002, F_IN, 2, 0, 2,
        T("DI 16x DC 24 V",
          "16 digital inputs DC 24 V, current sinking, two groups of 8.",
          "Input delay 3 ms, one status LED per channel, 20-pin front connector.",
          "Occupies 2 input bytes; no parameters."),
        T("DE 16x DC 24 V",
          "16 Digitaleingänge DC 24 V, stromziehend, zwei Gruppen zu 8.",
          "Eingangsverzögerung 3 ms, eine Status-LED je Kanal, 20-poliger Frontstecker.",
          "Belegt 2 Eingangsbytes; keine Parameter."),
        T("ETOR 16x 24 V CC",
          "16 entrées TOR 24 V CC, type puits, deux groupes de 8.",
          "Filtrage 3 ms, une LED d'état par voie, connecteur frontal 20 points.",
          "Occupe 2 octets d'entrée ; aucun paramètre.")),

    mod("QMV2.G130", 0x0003, F_IN, 4, 0, 2,
        T("DI 32x DC 24 V",
          "32 digital inputs DC 24 V, current sinking, four groups of 8.",
          "Input delay 3 ms, one status LED per channel, 40-pin front connector.",
          "Occupies 4 input bytes; no parameters."),
        T("DE 32x DC 24 V",
          "32 Digitaleingänge DC 24 V, stromziehend, vier Gruppen zu 8.",
          "Eingangsverzögerung 3 ms, eine Status-LED je Kanal, 40-poliger Frontstecker.",
          "Belegt 4 Eingangsbytes; keine Parameter."),
        T("ETOR 32x 24 V CC",
          "32 entrées TOR 24 V CC, type puits, quatre groupes de 8.",
          "Filtrage 3 ms, une LED d'état par voie, connecteur frontal 40 points.",
          "Occupe 4 octets d'entrée ; aucun paramètre.")),

    mod("QMV2.G210", 0x0005, F_OUT, 0, 1, 2,
        T("DO 8x DC 24 V 0.5 A",
          "8 digital outputs DC 24 V 0.5 A, current sourcing, short-circuit proof.",
          "Total current 4 A, one status LED per channel, 10-pin front connector.",
          "Occupies 1 output byte; no parameters."),
        T("DA 8x DC 24 V 0,5 A",
          "8 Digitalausgänge DC 24 V 0,5 A, stromliefernd, kurzschlussfest.",
          "Summenstrom 4 A, eine Status-LED je Kanal, 10-poliger Frontstecker.",
          "Belegt 1 Ausgangsbyte; keine Parameter."),
        T("STOR 8x 24 V CC 0,5 A",
          "8 sorties TOR 24 V CC 0,5 A, type source, protégées contre les courts-circuits.",
          "Courant total 4 A, une LED d'état par voie, connecteur frontal 10 points.",
          "Occupe 1 octet de sortie ; aucun paramètre.")),

    mod("QMV2.G220", 0x0006, F_OUT, 0, 2, 2,
        T("DO 16x DC 24 V 0.5 A",
          "16 digital outputs DC 24 V 0.5 A, current sourcing, short-circuit proof.",
          "Two groups of 8 with 4 A total current each, 20-pin front connector.",
          "Occupies 2 output bytes; no parameters."),
        T("DA 16x DC 24 V 0,5 A",
          "16 Digitalausgänge DC 24 V 0,5 A, stromliefernd, kurzschlussfest.",
          "Zwei Gruppen zu 8 mit je 4 A Summenstrom, 20-poliger Frontstecker.",
          "Belegt 2 Ausgangsbytes; keine Parameter."),
        T("STOR 16x 24 V CC 0,5 A",
          "16 sorties TOR 24 V CC 0,5 A, type source, protégées contre les courts-circuits.",
          "Deux groupes de 8, courant total 4 A par groupe, connecteur frontal 20 points.",
          "Occupe 2 octets de sortie ; aucun paramètre.")),

    mod("QMV2.G230", 0x0007, F_OUT, 0, 4, 2,
        T("DO 32x DC 24 V 0.5 A",
          "32 digital outputs DC 24 V 0.5 A, current sourcing, short-circuit proof.",
          "Four groups of 8 with 4 A total current each, 40-pin front connector.",
          "Occupies 4 output bytes; no parameters."),
        T("DA 32x DC 24 V 0,5 A",
          "32 Digitalausgänge DC 24 V 0,5 A, stromliefernd, kurzschlussfest.",
          "Vier Gruppen zu 8 mit je 4 A Summenstrom, 40-poliger Frontstecker.",
          "Belegt 4 Ausgangsbytes; keine Parameter."),
        T("STOR 32x 24 V CC 0,5 A",
          "32 sorties TOR 24 V CC 0,5 A, type source, protégées contre les courts-circuits.",
          "Quatre groupes de 8, courant total 4 A par groupe, connecteur frontal 40 points.",
          "Occupe 4 octets de sortie ; aucun paramètre.")),

    mod("QMV2.G260", 0x000D, F_OUT, 0, 1, 2,
        T("DO 8x relay AC 230 V 5 A, 2 slots",
          "8 relay outputs with normally open contacts, AC 230 V / DC 24 V, 5 A each.",
          "Double-width module: it occupies two I/O slots, the second one stays empty.",
          "Both slots must lie in the same slot group.",
          "Occupies 1 output byte; no parameters."),
        T("DA 8x Relais AC 230 V 5 A, 2 Steckplätze",
          "8 Relaisausgänge mit Schließern, AC 230 V / DC 24 V, je 5 A.",
          "Baugruppe doppelter Breite: sie belegt zwei E/A-Steckplätze, der zweite bleibt leer.",
          "Beide Steckplätze müssen in derselben Steckplatzgruppe liegen.",
          "Belegt 1 Ausgangsbyte; keine Parameter."),
        T("STOR 8x relais 230 V CA 5 A, 2 empl.",
          "8 sorties relais à contact NO, 230 V CA / 24 V CC, 5 A chacune.",
          "Module double largeur : il occupe deux emplacements E/S, le second reste vide.",
          "Les deux emplacements doivent se trouver dans le même groupe.",
          "Occupe 1 octet de sortie ; aucun paramètre."),
        sublist=["QMV2.G260", "NULL"]),

    mod("QMV2.G310", 0x0009, F_IN | F_OUT, 1, 1, 2,
        T("DI 8x/DO 8x DC 24 V",
          "8 digital inputs DC 24 V and 8 digital outputs DC 24 V 0.5 A on one module.",
          "20-pin front connector.",
          "Occupies 1 input byte and 1 output byte."),
        T("DE 8x/DA 8x DC 24 V",
          "8 Digitaleingänge DC 24 V und 8 Digitalausgänge DC 24 V 0,5 A auf einer Baugruppe.",
          "20-poliger Frontstecker.",
          "Belegt 1 Eingangsbyte und 1 Ausgangsbyte."),
        T("ETOR 8x/STOR 8x 24 V CC",
          "8 entrées TOR 24 V CC et 8 sorties TOR 24 V CC 0,5 A sur un seul module.",
          "Connecteur frontal 20 points.",
          "Occupe 1 octet d'entrée et 1 octet de sortie.")),

    mod("QMV2.G320", 0x000A, F_IN | F_OUT, 2, 2, 2,
        T("DI 16x/DO 16x DC 24 V",
          "16 digital inputs DC 24 V and 16 digital outputs DC 24 V 0.5 A on one module.",
          "40-pin front connector.",
          "Occupies 2 input bytes and 2 output bytes."),
        T("DE 16x/DA 16x DC 24 V",
          "16 Digitaleingänge DC 24 V und 16 Digitalausgänge DC 24 V 0,5 A auf einer Baugruppe.",
          "40-poliger Frontstecker.",
          "Belegt 2 Eingangsbytes und 2 Ausgangsbytes."),
        T("ETOR 16x/STOR 16x 24 V CC",
          "16 entrées TOR 24 V CC et 16 sorties TOR 24 V CC 0,5 A sur un seul module.",
          "Connecteur frontal 40 points.",
          "Occupe 2 octets d'entrée et 2 octets de sortie.")),

    mod("QMV2.G510", 0x0011, F_IN | F_OUT, 1, 1, 2,
        T("DIO 8x DC 24 V, configurable",
          "8 digital channels DC 24 V; each channel works as an input or as an output 0.5 A.",
          "Channels 0 and 1 are inputs, channels 6 and 7 are outputs.",
          "In the dialog each of the channels 2 to 5 is set as input or output",
          "(on delivery: input).",
          "Occupies 1 input byte and 1 output byte."),
        T("DEA 8x DC 24 V, konfigurierbar",
          "8 Digitalkanäle DC 24 V; jeder Kanal arbeitet als Eingang oder als Ausgang 0,5 A.",
          "Kanal 0 und 1 sind Eingänge, Kanal 6 und 7 Ausgänge.",
          "Im Dialog wird jeder der Kanäle 2 bis 5 als Eingang oder Ausgang eingestellt",
          "(Lieferzustand: Eingang).",
          "Belegt 1 Eingangsbyte und 1 Ausgangsbyte."),
        T("E/S TOR 8x 24 V CC, configurables",
          "8 voies TOR 24 V CC ; chaque voie fonctionne en entrée ou en sortie 0,5 A.",
          "Les voies 0 et 1 sont des entrées, les voies 6 et 7 des sorties.",
          "Dans le dialogue, chacune des voies 2 à 5 est réglée en entrée ou en sortie",
          "(à la livraison : entrée).",
          "Occupe 1 octet d'entrée et 1 octet de sortie.")),

    mod("QMV2.M200", 0x0002, F_IN, 2, 0, 2,
        T("Compact block DI 16x/DO 16x, 3 slots",
          "Compact I/O block with 16 inputs DC 24 V and 16 outputs DC 24 V 0.5 A,",
          "three slots wide: the first slot holds the inputs, the second the outputs,",
          "the third slot stays empty (terminal area).",
          "All three slots must lie in the same slot group.",
          "Occupies 2 input bytes and, in the second slot, 2 output bytes."),
        T("Kompaktblock DE 16x/DA 16x, 3 Steckplätze",
          "Kompakter E/A-Block mit 16 Eingängen DC 24 V und 16 Ausgängen DC 24 V 0,5 A,",
          "drei Steckplätze breit: der erste Steckplatz trägt die Eingänge, der zweite",
          "die Ausgänge, der dritte bleibt leer (Klemmenbereich).",
          "Alle drei Steckplätze müssen in derselben Steckplatzgruppe liegen.",
          "Belegt 2 Eingangsbytes und im zweiten Steckplatz 2 Ausgangsbytes."),
        T("Bloc compact ETOR 16x/STOR 16x, 3 empl.",
          "Bloc E/S compact avec 16 entrées 24 V CC et 16 sorties 24 V CC 0,5 A,",
          "large de trois emplacements : le premier porte les entrées, le deuxième",
          "les sorties, le troisième reste vide (zone de bornes).",
          "Les trois emplacements doivent se trouver dans le même groupe.",
          "Occupe 2 octets d'entrée et, au deuxième emplacement, 2 octets de sortie."),
        sublist=["QMV2.M200", "QMV2.M201", "NULL"]),

    # ----- QMV2 analog and temperature modules -----------------------------
    mod("QMV2.E110", 0x0020,
        F_IN | F_EVEN | V_NURA | V_BI | V_UNI | V_PT100 | V_PT1000 | V_NI100, 8, 0, 2,
        T("AI 4x 12 bit universal U/I/RTD",
          "4 analog inputs, 12 bit, for ±10 V, 0-10 V, 0-20 mA, Pt100, Pt1000 and Ni100.",
          "Resistance thermometers in 2-wire connection; short unused inputs.",
          "Dialog: value format of the module (NURA, SIMATIC bipolar or unipolar,",
          "PT100, PT1000, NI100) and addressing by step of 4 bytes per channel.",
          "Occupies 8 input bytes (16 with step of 4)."),
        T("AE 4x 12 Bit universell U/I/RTD",
          "4 Analogeingänge, 12 Bit, für ±10 V, 0-10 V, 0-20 mA, Pt100, Pt1000 und Ni100.",
          "Widerstandsthermometer in 2-Leiter-Anschluss; unbenutzte Eingänge kurzschließen.",
          "Dialog: Werteformat der Baugruppe (NURA, SIMATIC bipolar oder unipolar,",
          "PT100, PT1000, NI100) und Adressierung in 4-Byte-Schritten je Kanal.",
          "Belegt 8 Eingangsbytes (16 bei 4-Byte-Schritten)."),
        T("EANA 4x 12 bits universelle U/I/RTD",
          "4 entrées analogiques 12 bits pour ±10 V, 0-10 V, 0-20 mA, Pt100, Pt1000 et Ni100.",
          "Sondes à résistance en 2 fils ; court-circuiter les entrées non utilisées.",
          "Dialogue : format de valeur du module (NURA, SIMATIC bipolaire ou unipolaire,",
          "PT100, PT1000, NI100) et adressage par pas de 4 octets par voie.",
          "Occupe 8 octets d'entrée (16 avec le pas de 4).")),

    mod("QMV2.E120", 0x0021, F_IN | F_EVEN | V_NURA | V_UNI | V_PT1000, 16, 0, 2,
        T("AI 8x 12 bit 0-10 V/Pt1000",
          "8 analog inputs, 12 bit, for 0-10 V, 0-20 mA or Pt1000 resistance thermometers.",
          "Dialog: value format of the module (NURA, SIMATIC unipolar, PT1000) and",
          "addressing by step of 4 bytes per channel.",
          "Occupies 16 input bytes (32 with step of 4)."),
        T("AE 8x 12 Bit 0-10 V/Pt1000",
          "8 Analogeingänge, 12 Bit, für 0-10 V, 0-20 mA oder Widerstandsthermometer Pt1000.",
          "Dialog: Werteformat der Baugruppe (NURA, SIMATIC unipolar, PT1000) und",
          "Adressierung in 4-Byte-Schritten je Kanal.",
          "Belegt 16 Eingangsbytes (32 bei 4-Byte-Schritten)."),
        T("EANA 8x 12 bits 0-10 V/Pt1000",
          "8 entrées analogiques 12 bits pour 0-10 V, 0-20 mA ou sondes Pt1000.",
          "Dialogue : format de valeur du module (NURA, SIMATIC unipolaire, PT1000) et",
          "adressage par pas de 4 octets par voie.",
          "Occupe 16 octets d'entrée (32 avec le pas de 4).")),

    mod("QMV2.E210", 0x0010, F_OUT | F_EVEN | V_NURA | V_UNI, 0, 4, 2,
        T("AO 2x 12 bit 0-10 V",
          "2 analog outputs, 12 bit, 0-10 V (load 1 kOhm min.) or 0-20 mA (500 Ohm max.).",
          "Dialog: value format NURA or SIMATIC unipolar.",
          "Occupies 4 output bytes."),
        T("AA 2x 12 Bit 0-10 V",
          "2 Analogausgänge, 12 Bit, 0-10 V (Bürde min. 1 kOhm) oder 0-20 mA (max. 500 Ohm).",
          "Dialog: Werteformat NURA oder SIMATIC unipolar.",
          "Belegt 4 Ausgangsbytes."),
        T("SANA 2x 12 bits 0-10 V",
          "2 sorties analogiques 12 bits, 0-10 V (charge min. 1 kOhm)",
          "ou 0-20 mA (charge max. 500 Ohm).",
          "Dialogue : format de valeur NURA ou SIMATIC unipolaire.",
          "Occupe 4 octets de sortie.")),

    mod("QMV2.E410", 0x0030, F_IN | F_OUT | F_EVEN, 8, 4, 2,
        T("AI 4x/AO 2x 12 bit",
          "4 analog inputs ±10 V and 2 analog outputs ±10 V, 12 bit.",
          "Dialog: NURA or SIMATIC value format; with SIMATIC the inputs are bipolar",
          "or unipolar and each output can be switched to unipolar.",
          "Occupies 8 input bytes and 4 output bytes."),
        T("AE 4x/AA 2x 12 Bit",
          "4 Analogeingänge ±10 V und 2 Analogausgänge ±10 V, 12 Bit.",
          "Dialog: Werteformat NURA oder SIMATIC; bei SIMATIC sind die Eingänge bipolar",
          "oder unipolar und jeder Ausgang ist auf unipolar umschaltbar.",
          "Belegt 8 Eingangsbytes und 4 Ausgangsbytes."),
        T("EANA 4x/SANA 2x 12 bits",
          "4 entrées analogiques ±10 V et 2 sorties analogiques ±10 V, 12 bits.",
          "Dialogue : format NURA ou SIMATIC ; en SIMATIC, les entrées sont bipolaires",
          "ou unipolaires et chaque sortie peut passer en unipolaire.",
          "Occupe 8 octets d'entrée et 4 octets de sortie.")),

    mod("QMV2.E325", 0x0150, F_IN | F_OUT, 8, 2, 2,
        T("TI 4x RTD/thermocouple",
          "4 temperature inputs for Pt100, Pt1000, Ni100, Ni1000, resistance 600 Ohm",
          "and 5000 Ohm, thermocouples type K and J, and ±75 mV.",
          "RTDs in 2-, 3- or 4-wire connection; thermocouples with internal or external",
          "cold-junction compensation (external: channel 0 measures the reference point",
          "with an RTD or a thermocouple).",
          "Measured values in 1/10 °C, 1/10 °F or 1/10 K. All channels are off on delivery.",
          "Occupies 8 input bytes and 2 output bytes (acknowledgement of wire-break messages)."),
        T("TE 4x RTD/Thermoelement",
          "4 Temperatureingänge für Pt100, Pt1000, Ni100, Ni1000, Widerstand 600 Ohm",
          "und 5000 Ohm, Thermoelemente Typ K und J sowie ±75 mV.",
          "Widerstandsthermometer in 2-, 3- oder 4-Leiter-Anschluss; Thermoelemente mit",
          "interner oder externer Vergleichsstelle (extern: Kanal 0 misst die Vergleichsstelle",
          "mit einem Widerstandsthermometer oder Thermoelement).",
          "Messwerte in 1/10 °C, 1/10 °F oder 1/10 K. Im Lieferzustand sind alle Kanäle aus.",
          "Belegt 8 Eingangsbytes und 2 Ausgangsbytes (Quittierung von Drahtbruchmeldungen)."),
        T("ETEMP 4x RTD/thermocouple",
          "4 entrées de température pour Pt100, Pt1000, Ni100, Ni1000, résistance 600 Ohm",
          "et 5000 Ohm, thermocouples type K et J, et ±75 mV.",
          "Sondes à résistance en 2, 3 ou 4 fils ; thermocouples avec compensation de soudure",
          "froide interne ou externe (externe : la voie 0 mesure le point de référence avec",
          "une sonde à résistance ou un thermocouple).",
          "Valeurs en 1/10 °C, 1/10 °F ou 1/10 K.",
          "Toutes les voies sont inactives à la livraison.",
          "Occupe 8 octets d'entrée et 2 octets de sortie (acquittement des ruptures de fil).")),

    # ----- QMV2 counter and encoder modules --------------------------------
    mod("QMV2.K202", 0x0086, F_IN | F_OUT, 8, 8, 2,
        T("Counter 1x 32 bit 200 kHz with measurement",
          "32-bit up/down counter for 24 V encoders on inputs A and B, up to 200 kHz,",
          "counting modes x1, x2, x3 and x4.",
          "Enable or reset input and counter output CCO; period, pulse or frequency",
          "measurement with the EnableM input and the output TCO.",
          "Addresses from 256 upwards; occupies 8 input and 8 output bytes."),
        T("Zähler 1x 32 Bit 200 kHz mit Messung",
          "32-Bit-Vor-/Rückwärtszähler für 24-V-Geber an den Eingängen A und B, bis 200 kHz,",
          "Zählmodi x1, x2, x3 und x4.",
          "Freigabe- oder Rücksetzeingang und Zählerausgang CCO; Perioden-, Impuls- oder",
          "Frequenzmessung mit dem Eingang EnableM und dem Ausgang TCO.",
          "Adressen ab 256; belegt 8 Eingangs- und 8 Ausgangsbytes."),
        T("Comptage 1x 32 bits 200 kHz avec mesure",
          "Compteur/décompteur 32 bits pour codeurs 24 V sur les entrées A et B, jusqu'à",
          "200 kHz, modes de comptage x1, x2, x3 et x4.",
          "Entrée de validation ou de remise à zéro et sortie de comptage CCO ; mesure de",
          "période, d'impulsion ou de fréquence avec l'entrée EnableM et la sortie TCO.",
          "Adresses à partir de 256 ; occupe 8 octets d'entrée et 8 octets de sortie.")),

    mod("QMV2.K205", 0x0085, F_IN | F_OUT, 8, 4, 2,
        T("SSI encoder interface 1x",
          "Interface for one absolute encoder with synchronous serial interface (SSI).",
          "1 to 31 data bits, 100 to 500 kHz, binary or Gray code, ring check.",
          "Clock and data lines RS-422; DC 24 V encoder supply from the module.",
          "Addresses from 256 upwards; occupies 8 input and 4 output bytes."),
        T("SSI-Geberschnittstelle 1x",
          "Schnittstelle für einen Absolutwertgeber mit synchron-serieller Schnittstelle (SSI).",
          "1 bis 31 Datenbits, 100 bis 500 kHz, Binär- oder Gray-Code, Ringprüfung.",
          "Takt- und Datenleitungen RS-422; Geberversorgung DC 24 V aus der Baugruppe.",
          "Adressen ab 256; belegt 8 Eingangs- und 4 Ausgangsbytes."),
        T("Interface codeur SSI 1x",
          "Interface pour un codeur absolu à liaison série synchrone (SSI).",
          "1 à 31 bits de données, 100 à 500 kHz, code binaire ou Gray, contrôle en anneau.",
          "Lignes d'horloge et de données RS-422 ; alimentation codeur 24 V CC par le module.",
          "Adresses à partir de 256 ; occupe 8 octets d'entrée et 4 octets de sortie.")),

    # ----- QMV3 passive module ---------------------------------------------
    mod("QMV3.L010", 0x0000, F_PASSIVE, 0, 0, 3,
        T("Blank cover",
          "Covers an unused I/O slot and keeps its place in the slot numbering.",
          "No process data, no parameters."),
        T("Leerabdeckung",
          "Deckt einen unbenutzten E/A-Steckplatz ab und hält seinen Platz in der",
          "Nummerierung frei.",
          "Keine Prozessdaten, keine Parameter."),
        T("Cache d'emplacement",
          "Couvre un emplacement E/S inutilisé et réserve sa place dans la numérotation.",
          "Ni données process, ni paramètres.")),

    # ----- QMV3 digital modules --------------------------------------------
    mod("QMV3.G120", 0x0002, F_IN, 2, 0, 3,
        T("DI 16x DC 24 V",
          "16 digital inputs DC 24 V, current sinking, two groups of 8, for QMV3 racks.",
          "Input delay 3 ms, one status LED per channel, 20-pin front connector.",
          "Occupies 2 input bytes; no parameters."),
        T("DE 16x DC 24 V",
          "16 Digitaleingänge DC 24 V, stromziehend, zwei Gruppen zu 8, für QMV3-Träger.",
          "Eingangsverzögerung 3 ms, eine Status-LED je Kanal, 20-poliger Frontstecker.",
          "Belegt 2 Eingangsbytes; keine Parameter."),
        T("ETOR 16x 24 V CC",
          "16 entrées TOR 24 V CC, type puits, deux groupes de 8, pour châssis QMV3.",
          "Filtrage 3 ms, une LED d'état par voie, connecteur frontal 20 points.",
          "Occupe 2 octets d'entrée ; aucun paramètre.")),

    mod("QMV3.G130", 0x0003, F_IN, 4, 0, 3,
        T("DI 32x DC 24 V",
          "32 digital inputs DC 24 V, current sinking, four groups of 8, for QMV3 racks.",
          "Input delay 3 ms, one status LED per channel, 40-pin front connector.",
          "Occupies 4 input bytes; no parameters."),
        T("DE 32x DC 24 V",
          "32 Digitaleingänge DC 24 V, stromziehend, vier Gruppen zu 8, für QMV3-Träger.",
          "Eingangsverzögerung 3 ms, eine Status-LED je Kanal, 40-poliger Frontstecker.",
          "Belegt 4 Eingangsbytes; keine Parameter."),
        T("ETOR 32x 24 V CC",
          "32 entrées TOR 24 V CC, type puits, quatre groupes de 8, pour châssis QMV3.",
          "Filtrage 3 ms, une LED d'état par voie, connecteur frontal 40 points.",
          "Occupe 4 octets d'entrée ; aucun paramètre.")),

    mod("QMV3.G150", 0x0035, F_IN, 2, 0, 3,
        T("DI 16x DC 24 V, interrupt",
          "16 digital inputs DC 24 V; inputs 0 to 7 can trigger process interrupts.",
          "Input delay 0.1 ms or 3 ms, chosen by the PLC program.",
          "Occupies 2 input bytes; the configuration block holds no parameters for it."),
        T("DE 16x DC 24 V, alarmfähig",
          "16 Digitaleingänge DC 24 V; die Eingänge 0 bis 7 können Prozessalarme auslösen.",
          "Eingangsverzögerung 0,1 ms oder 3 ms, vom SPS-Programm gewählt.",
          "Belegt 2 Eingangsbytes; der Konfigurationsbaustein enthält keine Parameter dafür."),
        T("ETOR 16x 24 V CC, alarmes",
          "16 entrées TOR 24 V CC ; les entrées 0 à 7 peuvent déclencher des alarmes process.",
          "Filtrage 0,1 ms ou 3 ms, choisi par le programme automate.",
          "Occupe 2 octets d'entrée ; le bloc de configuration ne contient aucun paramètre",
          "pour ce module.")),

    mod("QMV3.G220", 0x0006, F_OUT, 0, 2, 3,
        T("DO 16x DC 24 V 0.5 A",
          "16 digital outputs DC 24 V 0.5 A, current sourcing, short-circuit proof.",
          "Two groups of 8 with 4 A total current each, 20-pin front connector.",
          "Occupies 2 output bytes; no parameters."),
        T("DA 16x DC 24 V 0,5 A",
          "16 Digitalausgänge DC 24 V 0,5 A, stromliefernd, kurzschlussfest.",
          "Zwei Gruppen zu 8 mit je 4 A Summenstrom, 20-poliger Frontstecker.",
          "Belegt 2 Ausgangsbytes; keine Parameter."),
        T("STOR 16x 24 V CC 0,5 A",
          "16 sorties TOR 24 V CC 0,5 A, type source, protégées contre les courts-circuits.",
          "Deux groupes de 8, courant total 4 A par groupe, connecteur frontal 20 points.",
          "Occupe 2 octets de sortie ; aucun paramètre.")),

    mod("QMV3.G230", 0x0007, F_OUT, 0, 4, 3,
        T("DO 32x DC 24 V 0.5 A",
          "32 digital outputs DC 24 V 0.5 A, current sourcing, short-circuit proof.",
          "Four groups of 8 with 4 A total current each, 40-pin front connector.",
          "Occupies 4 output bytes; no parameters."),
        T("DA 32x DC 24 V 0,5 A",
          "32 Digitalausgänge DC 24 V 0,5 A, stromliefernd, kurzschlussfest.",
          "Vier Gruppen zu 8 mit je 4 A Summenstrom, 40-poliger Frontstecker.",
          "Belegt 4 Ausgangsbytes; keine Parameter."),
        T("STOR 32x 24 V CC 0,5 A",
          "32 sorties TOR 24 V CC 0,5 A, type source, protégées contre les courts-circuits.",
          "Quatre groupes de 8, courant total 4 A par groupe, connecteur frontal 40 points.",
          "Occupe 4 octets de sortie ; aucun paramètre.")),

    mod("QMV3.G240", 0x000C, F_OUT | F_HIGH, 0, 1, 3,
        T("DO 8x relay 2 A",
          "8 relay outputs with normally open contacts, AC 230 V / DC 24 V, 2 A,",
          "in two groups of 4 with separate common terminals.",
          "The module proposes output address 512 as its start address.",
          "Occupies 1 output byte; no parameters."),
        T("DA 8x Relais 2 A",
          "8 Relaisausgänge mit Schließern, AC 230 V / DC 24 V, 2 A,",
          "in zwei Gruppen zu 4 mit getrennten Wurzelanschlüssen.",
          "Die Baugruppe schlägt die Ausgangsadresse 512 als Anfangsadresse vor.",
          "Belegt 1 Ausgangsbyte; keine Parameter."),
        T("STOR 8x relais 2 A",
          "8 sorties relais à contact NO, 230 V CA / 24 V CC, 2 A,",
          "en deux groupes de 4 avec communs séparés.",
          "Le module propose l'adresse de sortie 512 comme adresse de début.",
          "Occupe 1 octet de sortie ; aucun paramètre.")),

    mod("QMV3.G250", 0x0067, F_OUT, 0, 2, 3,
        T("DO 16x DC 24 V 2 A",
          "16 digital outputs DC 24 V 2 A, short-circuit proof, for valves and contactors.",
          "Two groups of 8 with separate supply, total current 8 A per group.",
          "Occupies 2 output bytes; the configuration block holds no parameters for it."),
        T("DA 16x DC 24 V 2 A",
          "16 Digitalausgänge DC 24 V 2 A, kurzschlussfest, für Ventile und Schütze.",
          "Zwei Gruppen zu 8 mit getrennter Versorgung, Summenstrom 8 A je Gruppe.",
          "Belegt 2 Ausgangsbytes; der Konfigurationsbaustein enthält keine Parameter dafür."),
        T("STOR 16x 24 V CC 2 A",
          "16 sorties TOR 24 V CC 2 A, protégées contre les courts-circuits, pour",
          "électrovannes et contacteurs.",
          "Deux groupes de 8 à alimentation séparée, courant total 8 A par groupe.",
          "Occupe 2 octets de sortie ; le bloc de configuration ne contient aucun paramètre",
          "pour ce module.")),

    mod("QMV3.G330", 0x000A, F_IN | F_OUT, 2, 2, 3,
        T("DI 16x/DO 16x DC 24 V",
          "16 digital inputs DC 24 V and 16 digital outputs DC 24 V 0.5 A, for QMV3 racks.",
          "40-pin front connector.",
          "Occupies 2 input bytes and 2 output bytes."),
        T("DE 16x/DA 16x DC 24 V",
          "16 Digitaleingänge DC 24 V und 16 Digitalausgänge DC 24 V 0,5 A, für QMV3-Träger.",
          "40-poliger Frontstecker.",
          "Belegt 2 Eingangsbytes und 2 Ausgangsbytes."),
        T("ETOR 16x/STOR 16x 24 V CC",
          "16 entrées TOR 24 V CC et 16 sorties TOR 24 V CC 0,5 A, pour châssis QMV3.",
          "Connecteur frontal 40 points.",
          "Occupe 2 octets d'entrée et 2 octets de sortie.")),

    # ----- QMV3 analog modules ---------------------------------------------
    mod("QMV3.E130", 0x0040,
        F_IN | F_EVEN | V_NURA | V_UNI | V_PT100 | V_PT1000 | V_NI100, 16, 0, 3,
        T("AI 8x 16 bit universal U/I/RTD",
          "8 analog inputs, 16 bit, for 0-10 V, 0-20 mA, Pt100, Pt1000 and Ni100.",
          "Resistance thermometers in 2-wire connection.",
          "Dialog: value format of the module (NURA, SIMATIC unipolar, PT100, PT1000,",
          "NI100) and addressing by step of 4 bytes per channel.",
          "Occupies 16 input bytes (32 with step of 4)."),
        T("AE 8x 16 Bit universell U/I/RTD",
          "8 Analogeingänge, 16 Bit, für 0-10 V, 0-20 mA, Pt100, Pt1000 und Ni100.",
          "Widerstandsthermometer in 2-Leiter-Anschluss.",
          "Dialog: Werteformat der Baugruppe (NURA, SIMATIC unipolar, PT100, PT1000,",
          "NI100) und Adressierung in 4-Byte-Schritten je Kanal.",
          "Belegt 16 Eingangsbytes (32 bei 4-Byte-Schritten)."),
        T("EANA 8x 16 bits universelle U/I/RTD",
          "8 entrées analogiques 16 bits pour 0-10 V, 0-20 mA, Pt100, Pt1000 et Ni100.",
          "Sondes à résistance en 2 fils.",
          "Dialogue : format de valeur du module (NURA, SIMATIC unipolaire, PT100, PT1000,",
          "NI100) et adressage par pas de 4 octets par voie.",
          "Occupe 16 octets d'entrée (32 avec le pas de 4).")),

    mod("QMV3.E140", 0x0040, F_IN | F_EVEN | F_HIGH | V_NURA | V_UNI, 16, 0, 3,
        T("AI 8x 16 bit isolated, fast",
          "8 analog inputs, 16 bit, 0-10 V or 0-20 mA, isolated from each other,",
          "conversion time 1 ms per channel.",
          "Addresses from 256 upwards.",
          "Dialog: value format NURA or SIMATIC unipolar, addressing by step of 4 bytes.",
          "Occupies 16 input bytes (32 with step of 4)."),
        T("AE 8x 16 Bit potenzialgetrennt, schnell",
          "8 Analogeingänge, 16 Bit, 0-10 V oder 0-20 mA, untereinander potenzialgetrennt,",
          "Wandlungszeit 1 ms je Kanal.",
          "Adressen ab 256.",
          "Dialog: Werteformat NURA oder SIMATIC unipolar, Adressierung in 4-Byte-Schritten.",
          "Belegt 16 Eingangsbytes (32 bei 4-Byte-Schritten)."),
        T("EANA 8x 16 bits isolées, rapides",
          "8 entrées analogiques 16 bits, 0-10 V ou 0-20 mA, isolées entre elles,",
          "temps de conversion 1 ms par voie.",
          "Adresses à partir de 256.",
          "Dialogue : format de valeur NURA ou SIMATIC unipolaire, adressage par pas",
          "de 4 octets.",
          "Occupe 16 octets d'entrée (32 avec le pas de 4).")),

    mod("QMV3.E304", 0x0041, F_IN | F_EVEN, 16, 0, 3,
        T("AI 8x 12 bit, format per channel",
          "8 analog inputs, 12 bit, for 0-10 V, Pt1000 or Ni1000, chosen per channel.",
          "Dialog: value format per channel (NURA, SIMATIC unipolar, PT1000 or NI1000)",
          "and addressing by step of 4 bytes per channel.",
          "Occupies 16 input bytes (32 with step of 4)."),
        T("AE 8x 12 Bit, Format je Kanal",
          "8 Analogeingänge, 12 Bit, für 0-10 V, Pt1000 oder Ni1000, je Kanal wählbar.",
          "Dialog: Werteformat je Kanal (NURA, SIMATIC unipolar, PT1000 oder NI1000)",
          "und Adressierung in 4-Byte-Schritten je Kanal.",
          "Belegt 16 Eingangsbytes (32 bei 4-Byte-Schritten)."),
        T("EANA 8x 12 bits, format par voie",
          "8 entrées analogiques 12 bits pour 0-10 V, Pt1000 ou Ni1000, au choix par voie.",
          "Dialogue : format de valeur par voie (NURA, SIMATIC unipolaire, PT1000 ou NI1000)",
          "et adressage par pas de 4 octets par voie.",
          "Occupe 16 octets d'entrée (32 avec le pas de 4).")),

    mod("QMV3.E301", 0x0042, F_IN | F_EVEN, 16, 0, 3,
        T("AI 7x 0-10 V, scaled",
          "7 analog inputs 0-10 V, 12 bit, scaled in the module.",
          "Range per channel: 0...4095, 0...10000 or a user range (min and max value).",
          "Module options: automatic start of measurement, under/overflow avoidance, filter.",
          "Occupies 16 input bytes: 7 channel values and the module status word."),
        T("AE 7x 0-10 V, skaliert",
          "7 Analogeingänge 0-10 V, 12 Bit, in der Baugruppe skaliert.",
          "Bereich je Kanal: 0...4095, 0...10000 oder ein Anwenderbereich (Min- und Maxwert).",
          "Baugruppenoptionen: automatischer Messstart, Unter-/Überlaufvermeidung, Filter.",
          "Belegt 16 Eingangsbytes: 7 Kanalwerte und das Statuswort der Baugruppe."),
        T("EANA 7x 0-10 V, mise à l'échelle",
          "7 entrées analogiques 0-10 V, 12 bits, mises à l'échelle dans le module.",
          "Plage par voie : 0...4095, 0...10000 ou une plage utilisateur (valeurs min et max).",
          "Options du module : démarrage automatique de la mesure, évitement des",
          "dépassements haut/bas, filtre.",
          "Occupe 16 octets d'entrée : 7 valeurs de voie et le mot d'état du module.")),

    mod("QMV3.E302", 0x0042, F_IN | F_EVEN, 16, 0, 3,
        T("AI 7x 0/4-20 mA, scaled",
          "7 analog inputs 0-20 mA or 4-20 mA, 12 bit, scaled in the module.",
          "Range per channel: 0...4095 (optionally 4..20 mA), 0...20000 or a user range.",
          "Module options: automatic start of measurement, under/overflow avoidance, filter.",
          "Occupies 16 input bytes: 7 channel values and the module status word."),
        T("AE 7x 0/4-20 mA, skaliert",
          "7 Analogeingänge 0-20 mA oder 4-20 mA, 12 Bit, in der Baugruppe skaliert.",
          "Bereich je Kanal: 0...4095 (wahlweise 4..20 mA), 0...20000 oder ein Anwenderbereich.",
          "Baugruppenoptionen: automatischer Messstart, Unter-/Überlaufvermeidung, Filter.",
          "Belegt 16 Eingangsbytes: 7 Kanalwerte und das Statuswort der Baugruppe."),
        T("EANA 7x 0/4-20 mA, mise à l'échelle",
          "7 entrées analogiques 0-20 mA ou 4-20 mA, 12 bits, mises à l'échelle dans le module.",
          "Plage par voie : 0...4095 (option 4..20 mA), 0...20000 ou une plage utilisateur.",
          "Options du module : démarrage automatique de la mesure, évitement des",
          "dépassements haut/bas, filtre.",
          "Occupe 16 octets d'entrée : 7 valeurs de voie et le mot d'état du module.")),

    mod("QMV3.E303", 0x0042, F_IN | F_EVEN, 16, 0, 3,
        T("AI 7x ±10 V, scaled",
          "7 analog inputs ±10 V, 12 bit plus sign, scaled in the module.",
          "Range per channel: 0...4095, -10000...+10000 or a user range.",
          "Module options: automatic start of measurement, under/overflow avoidance, filter.",
          "Occupies 16 input bytes: 7 channel values and the module status word."),
        T("AE 7x ±10 V, skaliert",
          "7 Analogeingänge ±10 V, 12 Bit plus Vorzeichen, in der Baugruppe skaliert.",
          "Bereich je Kanal: 0...4095, -10000...+10000 oder ein Anwenderbereich.",
          "Baugruppenoptionen: automatischer Messstart, Unter-/Überlaufvermeidung, Filter.",
          "Belegt 16 Eingangsbytes: 7 Kanalwerte und das Statuswort der Baugruppe."),
        T("EANA 7x ±10 V, mise à l'échelle",
          "7 entrées analogiques ±10 V, 12 bits plus signe, mises à l'échelle dans le module.",
          "Plage par voie : 0...4095, -10000...+10000 ou une plage utilisateur.",
          "Options du module : démarrage automatique de la mesure, évitement des",
          "dépassements haut/bas, filtre.",
          "Occupe 16 octets d'entrée : 7 valeurs de voie et le mot d'état du module.")),

    mod("QMV3.E220", 0x0060, F_OUT | F_EVEN | V_NURA | V_BI | V_UNI, 0, 8, 3,
        T("AO 4x 12 bit ±10 V",
          "4 analog outputs, 12 bit, ±10 V or 0-10 V (load 1 kOhm min.).",
          "Dialog: value format NURA, SIMATIC bipolar or SIMATIC unipolar.",
          "Occupies 8 output bytes."),
        T("AA 4x 12 Bit ±10 V",
          "4 Analogausgänge, 12 Bit, ±10 V oder 0-10 V (Bürde min. 1 kOhm).",
          "Dialog: Werteformat NURA, SIMATIC bipolar oder SIMATIC unipolar.",
          "Belegt 8 Ausgangsbytes."),
        T("SANA 4x 12 bits ±10 V",
          "4 sorties analogiques 12 bits, ±10 V ou 0-10 V (charge min. 1 kOhm).",
          "Dialogue : format de valeur NURA, SIMATIC bipolaire ou SIMATIC unipolaire.",
          "Occupe 8 octets de sortie.")),

    mod("QMV3.E311", 0x0062, F_OUT | F_EVEN, 0, 12, 3,
        T("AO 6x 0-10 V, scaled",
          "6 analog outputs 0-10 V, 12 bit, scaled in the module.",
          "Range per channel: 0...4095, 0...10000 or a user range with its own reset value.",
          "The reset value is output while the CPU is stopped.",
          "Occupies 12 output bytes."),
        T("AA 6x 0-10 V, skaliert",
          "6 Analogausgänge 0-10 V, 12 Bit, in der Baugruppe skaliert.",
          "Bereich je Kanal: 0...4095, 0...10000 oder ein Anwenderbereich mit eigenem",
          "Rücksetzwert.",
          "Der Rücksetzwert wird ausgegeben, solange die CPU steht.",
          "Belegt 12 Ausgangsbytes."),
        T("SANA 6x 0-10 V, mise à l'échelle",
          "6 sorties analogiques 0-10 V, 12 bits, mises à l'échelle dans le module.",
          "Plage par voie : 0...4095, 0...10000 ou une plage utilisateur avec sa propre",
          "valeur de repli.",
          "La valeur de repli est émise tant que la CPU est à l'arrêt.",
          "Occupe 12 octets de sortie.")),

    mod("QMV3.E313", 0x0062, F_OUT | F_EVEN, 0, 12, 3,
        T("AO 6x ±10 V, scaled",
          "6 analog outputs ±10 V, 12 bit plus sign, scaled in the module.",
          "Range per channel: 0...4095, -10000...+10000 or a user range with its own",
          "reset value. The reset value is output while the CPU is stopped.",
          "Occupies 12 output bytes."),
        T("AA 6x ±10 V, skaliert",
          "6 Analogausgänge ±10 V, 12 Bit plus Vorzeichen, in der Baugruppe skaliert.",
          "Bereich je Kanal: 0...4095, -10000...+10000 oder ein Anwenderbereich mit eigenem",
          "Rücksetzwert. Der Rücksetzwert wird ausgegeben, solange die CPU steht.",
          "Belegt 12 Ausgangsbytes."),
        T("SANA 6x ±10 V, mise à l'échelle",
          "6 sorties analogiques ±10 V, 12 bits plus signe, mises à l'échelle dans le module.",
          "Plage par voie : 0...4095, -10000...+10000 ou une plage utilisateur avec sa propre",
          "valeur de repli. La valeur de repli est émise tant que la CPU est à l'arrêt.",
          "Occupe 12 octets de sortie.")),

    mod("QMV3.E312", 0x0063, F_OUT | F_EVEN, 0, 8, 3,
        T("AO 4x 0/4-20 mA, scaled",
          "4 analog outputs 0-20 mA or 4-20 mA, 12 bit, scaled in the module.",
          "Range per channel: 0...4095 or 0...20000, each with the 4..20 mA option,",
          "or a user range with its own reset value. Load 500 Ohm max.",
          "Occupies 8 output bytes."),
        T("AA 4x 0/4-20 mA, skaliert",
          "4 Analogausgänge 0-20 mA oder 4-20 mA, 12 Bit, in der Baugruppe skaliert.",
          "Bereich je Kanal: 0...4095 oder 0...20000, jeweils mit der Option 4..20 mA,",
          "oder ein Anwenderbereich mit eigenem Rücksetzwert. Bürde max. 500 Ohm.",
          "Belegt 8 Ausgangsbytes."),
        T("SANA 4x 0/4-20 mA, mise à l'échelle",
          "4 sorties analogiques 0-20 mA ou 4-20 mA, 12 bits, mises à l'échelle dans le module.",
          "Plage par voie : 0...4095 ou 0...20000, chacune avec l'option 4..20 mA, ou une",
          "plage utilisateur avec sa propre valeur de repli. Charge max. 500 Ohm.",
          "Occupe 8 octets de sortie.")),

    mod("QMV3.E420", 0x0065, F_IN | F_OUT | F_EVEN | F_HIGH, 8, 8, 3,
        T("AI 4x/AO 4x 12 bit, scaled outputs",
          "4 analog inputs 0-10 V and 4 analog outputs 0-10 V, 12 bit.",
          "Range per output: 0...4095, 0...10000 or a user range with its own reset value.",
          "Addresses from 256 upwards; occupies 8 input bytes and 8 output bytes."),
        T("AE 4x/AA 4x 12 Bit, skalierte Ausgänge",
          "4 Analogeingänge 0-10 V und 4 Analogausgänge 0-10 V, 12 Bit.",
          "Bereich je Ausgang: 0...4095, 0...10000 oder ein Anwenderbereich mit eigenem",
          "Rücksetzwert.",
          "Adressen ab 256; belegt 8 Eingangsbytes und 8 Ausgangsbytes."),
        T("EANA 4x/SANA 4x 12 bits, sorties à l'échelle",
          "4 entrées analogiques 0-10 V et 4 sorties analogiques 0-10 V, 12 bits.",
          "Plage par sortie : 0...4095, 0...10000 ou une plage utilisateur avec sa propre",
          "valeur de repli.",
          "Adresses à partir de 256 ; occupe 8 octets d'entrée et 8 octets de sortie.")),

    # ----- QMV3 counting, encoder and positioning modules ------------------
    mod("QMV3.K240", 0x0084, F_IN | F_OUT, 8, 4, 3,
        T("Encoder interface 2 axes, incr./SSI, 2 slots",
          "Two encoder inputs, axis X and axis Y, each for an incremental encoder 5 V",
          "or an SSI absolute encoder: 250 kHz, 500 kHz or 1 MHz, binary or Gray code,",
          "8 to 26 data bits.",
          "Double-width module: axis X in the first slot, axis Y in the second; both axes",
          "are set in the dialog of the first slot.",
          "Addresses from 256 upwards; occupies 8 input and 4 output bytes."),
        T("Geberschnittstelle 2 Achsen, Inkr./SSI, 2 Steckpl.",
          "Zwei Gebereingänge, Achse X und Achse Y, je für einen Inkrementalgeber 5 V",
          "oder einen SSI-Absolutwertgeber: 250 kHz, 500 kHz oder 1 MHz, Binär- oder",
          "Gray-Code, 8 bis 26 Datenbits.",
          "Baugruppe doppelter Breite: Achse X im ersten, Achse Y im zweiten Steckplatz;",
          "beide Achsen werden im Dialog des ersten Steckplatzes eingestellt.",
          "Adressen ab 256; belegt 8 Eingangs- und 4 Ausgangsbytes."),
        T("Interface codeurs 2 axes, incr./SSI, 2 empl.",
          "Deux entrées codeur, axe X et axe Y, chacune pour un codeur incrémental 5 V",
          "ou un codeur absolu SSI : 250 kHz, 500 kHz ou 1 MHz, code binaire ou Gray,",
          "8 à 26 bits de données.",
          "Module double largeur : axe X au premier emplacement, axe Y au second ;",
          "les deux axes se règlent dans le dialogue du premier emplacement.",
          "Adresses à partir de 256 ; occupe 8 octets d'entrée et 4 octets de sortie."),
        sublist=["QMV3.K240", "QMV3.K241"]),

    mod("QMV3.K201", 0x0071, F_IN | F_OUT, 8, 8, 3,
        T("Stepper positioning 1 axis",
          "Positioning module for one stepper motor drive: pulse and direction outputs",
          "5 V differential up to 200 kHz, inputs for reference and limit switches.",
          "Travel commands and motion data come from the PLC program.",
          "Occupies 8 input and 8 output bytes."),
        T("Schrittmotor-Positionierung 1 Achse",
          "Positionierbaugruppe für einen Schrittmotorantrieb: Takt- und Richtungsausgänge",
          "5 V differenziell bis 200 kHz, Eingänge für Referenz- und Endschalter.",
          "Fahrbefehle und Bewegungsdaten kommen aus dem SPS-Programm.",
          "Belegt 8 Eingangs- und 8 Ausgangsbytes."),
        T("Positionnement pas à pas 1 axe",
          "Module de positionnement pour un moteur pas à pas : sorties impulsion et sens",
          "5 V différentielles jusqu'à 200 kHz, entrées pour prise d'origine et fins de course.",
          "Les ordres de déplacement et les données de mouvement viennent du",
          "programme automate.",
          "Occupe 8 octets d'entrée et 8 octets de sortie.")),

    mod("QMV3.K211", 0x0072, F_IN | F_OUT, 8, 8, 3,
        T("Servo positioning 1 axis ±10 V",
          "Positioning module for one servo axis: analog speed setpoint ±10 V,",
          "incremental encoder input 5 V up to 1 MHz, drive enable relay.",
          "Travel commands and motion data come from the PLC program.",
          "Occupies 8 input and 8 output bytes."),
        T("Servo-Positionierung 1 Achse ±10 V",
          "Positionierbaugruppe für eine Servoachse: analoger Drehzahlsollwert ±10 V,",
          "Inkrementalgebereingang 5 V bis 1 MHz, Relais für die Antriebsfreigabe.",
          "Fahrbefehle und Bewegungsdaten kommen aus dem SPS-Programm.",
          "Belegt 8 Eingangs- und 8 Ausgangsbytes."),
        T("Positionnement servo 1 axe ±10 V",
          "Module de positionnement pour un axe asservi : consigne de vitesse analogique",
          "±10 V, entrée codeur incrémental 5 V jusqu'à 1 MHz, relais de validation variateur.",
          "Les ordres de déplacement et les données de mouvement viennent du",
          "programme automate.",
          "Occupe 8 octets d'entrée et 8 octets de sortie.")),

    mod("QMV3.K221", 0x0073, F_IN | F_OUT, 16, 16, 3,
        T("Stepper positioning 2 axes",
          "Positioning module for two independent stepper motor drives: pulse and",
          "direction outputs 5 V differential up to 200 kHz per axis, inputs for",
          "reference and limit switches.",
          "Occupies 16 input and 16 output bytes."),
        T("Schrittmotor-Positionierung 2 Achsen",
          "Positionierbaugruppe für zwei unabhängige Schrittmotorantriebe: Takt- und",
          "Richtungsausgänge 5 V differenziell bis 200 kHz je Achse, Eingänge für",
          "Referenz- und Endschalter.",
          "Belegt 16 Eingangs- und 16 Ausgangsbytes."),
        T("Positionnement pas à pas 2 axes",
          "Module de positionnement pour deux moteurs pas à pas indépendants : sorties",
          "impulsion et sens 5 V différentielles jusqu'à 200 kHz par axe, entrées pour",
          "prise d'origine et fins de course.",
          "Occupe 16 octets d'entrée et 16 octets de sortie.")),

    mod("QMV3.K222", 0x0074, F_IN | F_OUT, 16, 16, 3,
        T("Servo positioning 2 axes, interpolating",
          "Positioning module for two servo axes with linear and circular interpolation:",
          "analog setpoints ±10 V, incremental encoder inputs 5 V up to 1 MHz.",
          "Occupies 16 input and 16 output bytes."),
        T("Servo-Positionierung 2 Achsen, interpolierend",
          "Positionierbaugruppe für zwei Servoachsen mit Linear- und Kreisinterpolation:",
          "analoge Sollwerte ±10 V, Inkrementalgebereingänge 5 V bis 1 MHz.",
          "Belegt 16 Eingangs- und 16 Ausgangsbytes."),
        T("Positionnement servo 2 axes, interpolation",
          "Module de positionnement pour deux axes asservis avec interpolation linéaire",
          "et circulaire : consignes analogiques ±10 V, entrées codeur incrémental 5 V",
          "jusqu'à 1 MHz.",
          "Occupe 16 octets d'entrée et 16 octets de sortie.")),

    mod("QMV3.E321", 0x0075, F_IN | F_OUT, 8, 8, 3,
        T("Valve controller 1 axis",
          "Closed-loop controller for one hydraulic axis: proportional valve output",
          "±10 V or ±20 mA, position feedback 0-10 V or 4-20 mA, 16 bit.",
          "Setpoints and controller data come from the PLC program.",
          "Occupies 8 input and 8 output bytes."),
        T("Ventilregler 1 Achse",
          "Regelbaugruppe für eine hydraulische Achse: Proportionalventilausgang",
          "±10 V oder ±20 mA, Positionsrückführung 0-10 V oder 4-20 mA, 16 Bit.",
          "Sollwerte und Reglerdaten kommen aus dem SPS-Programm.",
          "Belegt 8 Eingangs- und 8 Ausgangsbytes."),
        T("Régulateur de vanne 1 axe",
          "Module de régulation pour un axe hydraulique : sortie vanne proportionnelle",
          "±10 V ou ±20 mA, recopie de position 0-10 V ou 4-20 mA, 16 bits.",
          "Les consignes et les données du régulateur viennent du programme automate.",
          "Occupe 8 octets d'entrée et 8 octets de sortie.")),

    mod("QMV3.E322", 0x0076, F_IN | F_OUT, 16, 16, 3,
        T("Valve controller 2 axes",
          "Closed-loop controller for two hydraulic axes: proportional valve outputs",
          "±10 V or ±20 mA, position feedback 0-10 V or 4-20 mA, 16 bit.",
          "Setpoints and controller data come from the PLC program.",
          "Occupies 16 input and 16 output bytes."),
        T("Ventilregler 2 Achsen",
          "Regelbaugruppe für zwei hydraulische Achsen: Proportionalventilausgänge",
          "±10 V oder ±20 mA, Positionsrückführung 0-10 V oder 4-20 mA, 16 Bit.",
          "Sollwerte und Reglerdaten kommen aus dem SPS-Programm.",
          "Belegt 16 Eingangs- und 16 Ausgangsbytes."),
        T("Régulateur de vanne 2 axes",
          "Module de régulation pour deux axes hydrauliques : sorties vanne proportionnelle",
          "±10 V ou ±20 mA, recopie de position 0-10 V ou 4-20 mA, 16 bits.",
          "Les consignes et les données du régulateur viennent du programme automate.",
          "Occupe 16 octets d'entrée et 16 octets de sortie.")),

    mod("QMV3.M300", 0x0003, F_IN, 4, 0, 3,
        T("Compact block DI 32x/DO 32x/AI 8x, 3 slots",
          "Compact I/O block, three slots wide: first slot 32 inputs DC 24 V, second",
          "slot 32 outputs DC 24 V 0.5 A, third slot 8 analog inputs 12 bit",
          "0-10 V or Pt1000.",
          "Each part has its own addresses and its own dialog.",
          "All three slots must lie in the same slot group."),
        T("Kompaktblock DE 32x/DA 32x/AE 8x, 3 Steckplätze",
          "Kompakter E/A-Block, drei Steckplätze breit: erster Steckplatz 32 Eingänge",
          "DC 24 V, zweiter Steckplatz 32 Ausgänge DC 24 V 0,5 A, dritter Steckplatz",
          "8 Analogeingänge 12 Bit 0-10 V oder Pt1000.",
          "Jeder Teil hat eigene Adressen und einen eigenen Dialog.",
          "Alle drei Steckplätze müssen in derselben Steckplatzgruppe liegen."),
        T("Bloc compact ETOR 32x/STOR 32x/EANA 8x, 3 empl.",
          "Bloc E/S compact large de trois emplacements : premier emplacement 32 entrées",
          "24 V CC, deuxième 32 sorties 24 V CC 0,5 A, troisième 8 entrées analogiques",
          "12 bits 0-10 V ou Pt1000.",
          "Chaque partie a ses propres adresses et son propre dialogue.",
          "Les trois emplacements doivent se trouver dans le même groupe."),
        sublist=["QMV3.M300", "QMV3.M301", "QMV3.M302"]),

    # ----- Parts of multi-slot modules (placed only with their module) ------
    mod("QMV2.M201", 0x0006, F_OUT, 0, 2, 2,
        T("DO 16x DC 24 V (compact block)",
          "Output part of the compact block QMV2.M200: 16 outputs DC 24 V 0.5 A.",
          "It is placed together with the block."),
        T("DA 16x DC 24 V (Kompaktblock)",
          "Ausgangsteil des Kompaktblocks QMV2.M200: 16 Ausgänge DC 24 V 0,5 A.",
          "Er wird zusammen mit dem Block gesteckt."),
        T("STOR 16x 24 V CC (bloc compact)",
          "Partie sorties du bloc compact QMV2.M200 : 16 sorties 24 V CC 0,5 A.",
          "Elle est placée avec le bloc.")),

    mod("QMV3.K241", 0x0084, 0, 0, 0, 3,
        T("Encoder interface, axis Y",
          "Second slot of the encoder interface QMV3.K240; holds the settings of axis Y.",
          "It is placed with the module and set in the dialog of the first slot."),
        T("Geberschnittstelle, Achse Y",
          "Zweiter Steckplatz der Geberschnittstelle QMV3.K240; trägt die Einstellungen",
          "der Achse Y.",
          "Er wird mit der Baugruppe gesteckt und im Dialog des ersten Steckplatzes",
          "eingestellt."),
        T("Interface codeurs, axe Y",
          "Second emplacement de l'interface codeurs QMV3.K240 ; porte les réglages de l'axe Y.",
          "Il est placé avec le module et se règle dans le dialogue du premier emplacement.")),

    mod("QMV3.M301", 0x0007, F_OUT, 0, 4, 3,
        T("DO 32x DC 24 V (compact block)",
          "Output part of the compact block QMV3.M300: 32 outputs DC 24 V 0.5 A.",
          "It is placed together with the block."),
        T("DA 32x DC 24 V (Kompaktblock)",
          "Ausgangsteil des Kompaktblocks QMV3.M300: 32 Ausgänge DC 24 V 0,5 A.",
          "Er wird zusammen mit dem Block gesteckt."),
        T("STOR 32x 24 V CC (bloc compact)",
          "Partie sorties du bloc compact QMV3.M300 : 32 sorties 24 V CC 0,5 A.",
          "Elle est placée avec le bloc.")),

    mod("QMV3.M302", 0x0021, F_IN | F_EVEN | V_NURA | V_UNI | V_PT1000, 16, 0, 3,
        T("AI 8x 12 bit (compact block)",
          "Analog part of the compact block QMV3.M300: 8 inputs 12 bit, 0-10 V or Pt1000.",
          "Dialog: value format (NURA, SIMATIC unipolar, PT1000), step of 4 bytes.",
          "It is placed together with the block."),
        T("AE 8x 12 Bit (Kompaktblock)",
          "Analogteil des Kompaktblocks QMV3.M300: 8 Eingänge 12 Bit, 0-10 V oder Pt1000.",
          "Dialog: Werteformat (NURA, SIMATIC unipolar, PT1000), 4-Byte-Schritte.",
          "Er wird zusammen mit dem Block gesteckt."),
        T("EANA 8x 12 bits (bloc compact)",
          "Partie analogique du bloc compact QMV3.M300 : 8 entrées 12 bits, 0-10 V ou Pt1000.",
          "Dialogue : format de valeur (NURA, SIMATIC unipolaire, PT1000), pas de 4 octets.",
          "Elle est placée avec le bloc.")),

    # An empty place of a multi-slot module.
    Rec("NULL", 0x0000, 0, 0, 0, 0, 0, 0, T(" "), T(" "), T(" ")),

    # ----- Family overviews: tags of the top-level catalog groups ----------
    Rec("QMV2", 0x0000, 0, 0, 0, 0, 1, 2,
        T("QMV2 compact system",
          "QMV2 is the compact line: CPUs with the extra slots A and B1 (B2) for",
          "network and serial function modules, 8 or 16 I/O slots on the CPU and",
          "extension racks for up to 64 slots.",
          "A QMV3 extension rack with QMV3 modules may follow a QMV2 CPU; a QMV2",
          "rack cannot follow a QMV3 rack. The CPU QMV1.R200 belongs to this line."),
        T("QMV2 Kompaktsystem",
          "QMV2 ist die kompakte Reihe: CPUs mit den Zusatzsteckplätzen A und B1 (B2) für",
          "Netzwerk- und serielle Funktionsmodule, 8 oder 16 E/A-Steckplätze an der CPU",
          "und Erweiterungsträger für bis zu 64 Steckplätze.",
          "Ein QMV3-Erweiterungsträger mit QMV3-Baugruppen kann einer QMV2-CPU folgen;",
          "ein QMV2-Träger kann keinem QMV3-Träger folgen.",
          "Die CPU QMV1.R200 gehört zu dieser Reihe."),
        T("Système compact QMV2",
          "QMV2 est la gamme compacte : CPU avec les emplacements supplémentaires A et B1 (B2)",
          "pour modules réseau et série, 8 ou 16 emplacements E/S sur la CPU et châssis",
          "d'extension jusqu'à 64 emplacements.",
          "Un châssis d'extension QMV3 avec des modules QMV3 peut suivre une CPU",
          "QMV2 ; un châssis QMV2 ne peut pas suivre un châssis QMV3.",
          "La CPU QMV1.R200 fait partie de cette gamme.")),

    Rec("QMV3", 0x0000, 0, 0, 0, 0, 1, 3,
        T("QMV3 modular system",
          "QMV3 is the modular line for larger stations: CPUs with 10 to 16 I/O slots,",
          "memory card slots on the larger CPUs, analog modules with scaling per channel,",
          "counting, encoder and positioning modules.",
          "QMV3 extension racks can also be connected to a QMV2 CPU; QMV3 modules go",
          "only into QMV3 CPUs and racks."),
        T("QMV3 Modularsystem",
          "QMV3 ist die modulare Reihe für größere Stationen: CPUs mit 10 bis 16",
          "E/A-Steckplätzen, Speicherkartensteckplätze bei den größeren CPUs,",
          "Analogbaugruppen mit Skalierung je Kanal, Zähl-, Geber- und",
          "Positionierbaugruppen.",
          "Erweiterungsträger QMV3 lassen sich auch an eine QMV2-CPU anschließen;",
          "QMV3-Baugruppen passen nur in QMV3-CPUs und -Träger."),
        T("Système modulaire QMV3",
          "QMV3 est la gamme modulaire pour les stations importantes : CPU de 10 à 16",
          "emplacements E/S, emplacements de carte mémoire sur les plus grandes CPU,",
          "modules analogiques avec mise à l'échelle par voie, modules de comptage,",
          "de codeur et de positionnement.",
          "Les châssis d'extension QMV3 se raccordent aussi à une CPU QMV2 ; les modules",
          "QMV3 ne vont que dans les CPU et châssis QMV3.")),
]


# ---------------------------------------------------------------------------
# Catalog tree.  A group is (name, [entries]); an entry is an order number or
# a group.  Group names are section names of the INI file, so they are unique.
# ---------------------------------------------------------------------------

CATALOG_TITLE = "QMV hardware catalog"

TREE = [
    ("CPU QMV", ["QMV1.R200", "QMV2.R210", "QMV2.R220", "QMV2.R230",
                 "QMV3.R310", "QMV3.R320", "QMV3.R330"]),
    ("QMV2", [
        ("QMV2 extension racks", ["QMV2.X204", "QMV2.X208"]),
        ("QMV2 CPU slot modules", [
            ("QMV2 slot A modules", ["QMV2.C110", "QMV2.C120"]),
            ("QMV2 slot B modules", ["QMV2.C210", "QMV2.C220", "QMV2.N613",
                                     "QMV2.N618"]),
        ]),
        ("QMV2 digital modules", [
            ("QMV2 digital inputs", ["QMV2.G110", "QMV2.G120", "QMV2.G130"]),
            ("QMV2 digital outputs", ["QMV2.G210", "QMV2.G220", "QMV2.G230",
                                      "QMV2.G260"]),
            ("QMV2 digital inputs/outputs", ["QMV2.G310", "QMV2.G320",
                                             "QMV2.G510", "QMV2.M200"]),
        ]),
        ("QMV2 analog modules", ["QMV2.E110", "QMV2.E120", "QMV2.E210",
                                 "QMV2.E410", "QMV2.E325"]),
        ("QMV2 counter modules", ["QMV2.K202", "QMV2.K205"]),
        ("QMV2 accessories", ["QMV2.P010"]),
    ]),
    ("QMV3", [
        ("QMV3 extension racks", ["QMV3.X306", "QMV3.X308", "QMV3.X310"]),
        ("QMV3 digital modules", [
            ("QMV3 digital inputs", ["QMV3.G120", "QMV3.G130", "QMV3.G150"]),
            ("QMV3 digital outputs", ["QMV3.G220", "QMV3.G230", "QMV3.G240",
                                      "QMV3.G250"]),
            ("QMV3 digital inputs/outputs", ["QMV3.G330"]),
        ]),
        ("QMV3 analog modules", [
            ("QMV3 analog inputs", ["QMV3.E130", "QMV3.E140", "QMV3.E304",
                                    "QMV3.E301", "QMV3.E302", "QMV3.E303"]),
            ("QMV3 analog outputs", ["QMV3.E220", "QMV3.E311", "QMV3.E313",
                                     "QMV3.E312"]),
            ("QMV3 analog inputs/outputs", ["QMV3.E420"]),
        ]),
        ("QMV3 counting and positioning", ["QMV3.K240", "QMV3.K201", "QMV3.K211",
                                           "QMV3.K221", "QMV3.K222", "QMV3.E321",
                                           "QMV3.E322"]),
        ("QMV3 compact blocks", ["QMV3.M300"]),
        ("QMV3 accessories", ["QMV3.L010"]),
    ]),
]

# The titles the tree shows in German and French ("Title_DEUTSCH" and
# "Title_OPTION" of a section).  The section names stay the English titles:
# they are what the catalog entries refer to.
CATALOG_TITLES = ("QMV-Hardwarekatalog", "Catalogue du matériel QMV")
GROUP_TITLES = {
    "QMV2 extension racks": ("QMV2 Erweiterungsträger", "QMV2 châssis d'extension"),
    "QMV2 CPU slot modules": ("QMV2 Module für CPU-Steckplätze", "QMV2 modules pour emplacements CPU"),
    "QMV2 slot A modules": ("QMV2 Module für Steckplatz A", "QMV2 modules pour emplacement A"),
    "QMV2 slot B modules": ("QMV2 Module für Steckplatz B", "QMV2 modules pour emplacement B"),
    "QMV2 digital modules": ("QMV2 Digitalmodule", "QMV2 modules TOR"),
    "QMV2 digital inputs": ("QMV2 Digitaleingänge", "QMV2 entrées TOR"),
    "QMV2 digital outputs": ("QMV2 Digitalausgänge", "QMV2 sorties TOR"),
    "QMV2 digital inputs/outputs": ("QMV2 Digitalein-/ausgänge", "QMV2 entrées/sorties TOR"),
    "QMV2 analog modules": ("QMV2 Analogmodule", "QMV2 modules analogiques"),
    "QMV2 counter modules": ("QMV2 Zählermodule", "QMV2 modules de comptage"),
    "QMV2 accessories": ("QMV2 Zubehör", "QMV2 accessoires"),
    "QMV3 extension racks": ("QMV3 Erweiterungsträger", "QMV3 châssis d'extension"),
    "QMV3 digital modules": ("QMV3 Digitalmodule", "QMV3 modules TOR"),
    "QMV3 digital inputs": ("QMV3 Digitaleingänge", "QMV3 entrées TOR"),
    "QMV3 digital outputs": ("QMV3 Digitalausgänge", "QMV3 sorties TOR"),
    "QMV3 digital inputs/outputs": ("QMV3 Digitalein-/ausgänge", "QMV3 entrées/sorties TOR"),
    "QMV3 analog modules": ("QMV3 Analogmodule", "QMV3 modules analogiques"),
    "QMV3 analog inputs": ("QMV3 Analogeingänge", "QMV3 entrées analogiques"),
    "QMV3 analog outputs": ("QMV3 Analogausgänge", "QMV3 sorties analogiques"),
    "QMV3 analog inputs/outputs": ("QMV3 Analogein-/ausgänge", "QMV3 entrées/sorties analogiques"),
    "QMV3 counting and positioning": ("QMV3 Zählen und Positionieren", "QMV3 comptage et positionnement"),
    "QMV3 compact blocks": ("QMV3 Kompaktbaugruppen", "QMV3 blocs compacts"),
    "QMV3 accessories": ("QMV3 Zubehör", "QMV3 accessoires"),
}

LANGUAGE_SELECTED = "ENGLISH"
LANGUAGE_OPTION = "Français"

PROJECT_ROWS = 100   # table rows below the header

# Type codes whose modules the program treats specially, with the kind of
# module each one must be.
SPECIAL_TYPE_CODES = {
    "E301": "ai42", "E302": "ai42", "E303": "ai42", "E304": "ai41",
    "E311": "ao62", "E313": "ao62", "E312": "ao63",
    "E321": "dio", "E322": "dio", "E325": "dio",
    "K201": "dio", "K211": "dio", "K221": "dio", "K222": "dio",
    "K202": "dio", "K205": "dio", "G510": "dio",
    "R200": "cpu",
}

# ---------------------------------------------------------------------------
# Header comments of the module description files, per language.
# ---------------------------------------------------------------------------

HEADER = {
    "E": [
        "RackMason module description file (English)",
        "",
        "Lines before the first line starting with '[' are ignored.",
        "One record per module, CPU or extension rack:",
        "  [order number]",
        "  identification word     hex (low byte Kennung, high byte format code)",
        "  flags                   hex",
        "  mode word (Modus)       hex",
        "  input bytes             decimal (memory CPUs: hex digits of the memory value)",
        "  output bytes            decimal (CPU: highest number of I/O slots)",
        "  reserve                 decimal",
        "  sub-entry count         hex (CPU/rack: slots in the high byte, group size",
        "                          in the low byte; module: number of slots it fills)",
        "  family                  hex",
        "  sub-entries             only with flag 8000: order numbers separated by '}'",
        "  designation",
        "  description             any number of lines up to the next '[' line",
        "Lines starting with ';' are comments.",
        "Generated by resource/tools/make_catalog.py - edit the table there.",
    ],
    "G": [
        "RackMason Moduldefinitionsdatei (Deutsch)",
        "",
        "Zeilen vor der ersten mit '[' beginnenden Zeile werden ignoriert.",
        "Ein Satz je Baugruppe, CPU oder Erweiterungsträger:",
        "  [Bestellnummer]",
        "  Kennungswort            hex (Low-Byte Kennung, High-Byte Formatcode)",
        "  Flags                   hex",
        "  Moduswort               hex",
        "  Eingangsbytes           dezimal (CPU mit Speicher: Hexziffern des Speicherwerts)",
        "  Ausgangsbytes           dezimal (CPU: höchste Zahl der E/A-Steckplätze)",
        "  Reserve                 dezimal",
        "  Anzahl Untereinträge    hex (CPU/Träger: Steckplätze im High-Byte, Gruppengröße",
        "                          im Low-Byte; Baugruppe: Zahl der belegten Steckplätze)",
        "  Familie                 hex",
        "  Untereinträge           nur mit Flag 8000: Bestellnummern, getrennt durch '}'",
        "  Kurzbezeichnung",
        "  Beschreibung            beliebig viele Zeilen bis zur nächsten '['-Zeile",
        "Zeilen, die mit ';' beginnen, sind Kommentare.",
        "Erzeugt von resource/tools/make_catalog.py - die Tabelle dort bearbeiten.",
    ],
    "O": [
        "Fichier de description des modules RackMason (français)",
        "",
        "Les lignes avant la première ligne commençant par '[' sont ignorées.",
        "Un enregistrement par module, CPU ou châssis d'extension :",
        "  [référence]",
        "  mot d'identification    hexa (octet bas Kennung, octet haut code de format)",
        "  drapeaux                hexa",
        "  mot de mode             hexa",
        "  octets d'entrée         décimal (CPU avec mémoire : chiffres hexa de la mémoire)",
        "  octets de sortie        décimal (CPU : nombre maximal d'emplacements E/S)",
        "  réserve                 décimal",
        "  nombre de sous-entrées  hexa (CPU/châssis : emplacements dans l'octet haut,",
        "                          taille de groupe dans l'octet bas ; module : nombre",
        "                          d'emplacements occupés)",
        "  famille                 hexa",
        "  sous-entrées            seulement avec le drapeau 8000 : références",
        "                          séparées par '}'",
        "  désignation",
        "  description             lignes jusqu'à la prochaine ligne '['",
        "Les lignes commençant par ';' sont des commentaires.",
        "Généré par resource/tools/make_catalog.py - modifier la table à cet endroit.",
    ],
}


# ---------------------------------------------------------------------------
# Checks
# ---------------------------------------------------------------------------

class TableError(Exception):
    pass


def fail(msg):
    raise TableError(msg)


def walk_tree(groups, depth=1):
    for name, entries in groups:
        yield name, entries, depth
        for e in entries:
            if isinstance(e, tuple):
                yield from walk_tree([e], depth + 1)


def kind_of(r):
    f = r.flags & 0x7FFF
    low = r.ident & 0xFF
    if f & F_CPU:
        return "cpu"
    if (f & (F_IN | F_OUT | F_EVEN)) == (F_IN | F_EVEN) and low == 0x42:
        return "ai42"
    if (f & (F_IN | F_OUT | F_EVEN)) == (F_IN | F_EVEN) and low in (0x41, 0x49):
        return "ai41"
    if (f & (F_IN | F_OUT | F_EVEN)) == (F_OUT | F_EVEN) and r.ident == 0x62:
        return "ao62"
    if (f & (F_IN | F_OUT | F_EVEN)) == (F_OUT | F_EVEN) and r.ident == 0x63:
        return "ao63"
    if (f & (F_IN | F_OUT | F_EVEN)) == (F_IN | F_OUT):
        return "dio"
    return "other"


def check_table():
    by_order = {}
    for r in RECORDS:
        if r.order in by_order:
            fail("duplicate order number %s" % r.order)
        by_order[r.order] = r
    if "NULL" not in by_order:
        fail("the empty place record NULL is missing")

    for r in RECORDS:
        where = r.order
        if not r.order or r.order.startswith("[") or "]" in r.order:
            fail("%s: unusable order number" % where)
        for v, name in ((r.ident, "ident"), (r.flags, "flags"), (r.modus, "modus"),
                        (r.sub, "sub-entry count"), (r.family, "family")):
            if not 0 <= v <= 0xFFFF:
                fail("%s: %s out of range" % (where, name))
        if not 0 <= r.outcnt <= 32767:
            fail("%s: output count out of range" % where)
        has_line = bool(r.flags & F_SUBLIST)
        if has_line != (r.sublist is not None):
            fail("%s: flag 8000 and sub-entry line must go together" % where)

        # texts
        for lang, t in r.text.items():
            if not t.designation:
                fail("%s/%s: empty designation" % (where, lang))
            for line in [t.designation] + t.lines:
                if line.startswith("[") or line.startswith(";"):
                    fail("%s/%s: text line may not start with '[' or ';'" % (where, lang))
                if "\r" in line or "\n" in line:
                    fail("%s/%s: line break inside a text line" % (where, lang))
                try:
                    line.encode(ENCODING)
                except UnicodeEncodeError:
                    fail("%s/%s: not representable in windows-1252: %r" % (where, lang, line))
            if r.order not in ("NULL",) and not t.lines:
                fail("%s/%s: no description" % (where, lang))
            if any(len(line) > DESCRIPTION_LINE_MAX for line in t.lines):
                fail("%s/%s: description line longer than %d characters"
                     % (where, lang, DESCRIPTION_LINE_MAX))
            if len(t.designation) > 50:
                fail("%s/%s: designation longer than 50 characters" % (where, lang))

        is_station = r.flags & (F_CPU | F_EXT)
        if is_station:
            slots, group = r.slots()
            if slots < 1 or group < 1:
                fail("%s: no slots" % where)
            # a multi-slot module must fit into one group; a slot position is
            # folded back only once, so a station has at most two groups
            if slots > 2 * group:
                fail("%s: more than two slot groups" % where)
            if r.family not in (2, 3):
                fail("%s: stations are of family 2 or 3" % where)
        if r.flags & F_CPU:
            if r.flags & F_EXT:
                fail("%s: CPU and rack at once" % where)
            slots, _ = r.slots()
            if r.outcnt < slots:
                fail("%s: highest slot number below the CPU's own slots" % where)
            if not (r.modus & M_CONN) and r.outcnt != slots:
                fail("%s: CPU without connector but room for extension slots" % where)
            if r.modus & M_MEM:
                if not r.incnt_text:
                    fail("%s: memory option without memory line" % where)
                v = int(r.incnt_text, 16)
                if round(v / 65535) < 1:
                    fail("%s: memory size rounds to 0" % where)
            elif r.incnt:
                fail("%s: input count on a CPU without memory option" % where)
            if r.modus & M_WEB and not r.modus & M_COM:
                fail("%s: the web server needs the communication settings" % where)
            if r.modus & M_B2 and r.family != 2:
                fail("%s: slot B2 exists only on family 2 CPUs" % where)
            if r.modus & M_MEMSLOTS and r.family != 3:
                fail("%s: memory slots exist only on family 3 CPUs" % where)
            if r.modus & M_SLOTB and r.family != 2:
                fail("%s: slots B exist only on family 2 CPUs" % where)
        elif r.flags & F_EXT:
            if r.modus & ~M_CONN:
                fail("%s: racks use only the connector bit of the mode word" % where)
            if r.sublist is not None and len(r.sublist) > r.sub:
                fail("%s: more sub-entries than the count allows" % where)
        elif r.order != "NULL":
            if r.sublist is None and r.sub != 1:
                fail("%s: a single-slot module has the sub-entry count 1" % where)
            if r.sublist is not None:
                if len(r.sublist) != r.sub or r.sub < 2:
                    fail("%s: sub-entry count must equal the number of sub-entries" % where)
                if r.sublist[0] != r.order:
                    fail("%s: the first sub-entry is the module itself" % where)
                if "NULL" in r.sublist[:1]:
                    fail("%s: the head slot cannot be empty" % where)
            if r.flags & (F_IN | F_OUT) == 0 and r.incnt | r.outcnt:
                fail("%s: byte counts without input/output flags" % where)
            if r.flags & F_IN and r.incnt == 0:
                fail("%s: input flag without input bytes" % where)
            if r.flags & F_OUT and r.outcnt == 0:
                fail("%s: output flag without output bytes" % where)
            if r.flags & F_EVEN and (r.incnt % 2 or r.outcnt % 2):
                fail("%s: analog modules use whole words" % where)
            # bit 0x0080 of the format bits would also admit the module to slot B
            if r.flags & (F_IN | F_OUT) and r.flags & F_SLOT_B:
                fail("%s: an I/O module would become placeable in slot B" % where)

        if r.sublist:
            for e in r.sublist:
                if e not in by_order:
                    fail("%s: sub-entry %s is not a record" % (where, e))
                part = by_order[e]
                if part.flags & (F_CPU | F_EXT | F_SUBLIST) and e != r.order:
                    fail("%s: sub-entry %s must be a plain module" % (where, e))

        # extended identifiers carry their channel data only with the even flag
        if r.ident in (0x42, 0x62, 0x63, 0x65) and not r.flags & F_EVEN:
            fail("%s: channel table needs the analog flag 1000" % where)

        code = r.type_code
        if code in SPECIAL_TYPE_CODES:
            want = SPECIAL_TYPE_CODES[code]
            if kind_of(r) != want:
                fail("%s: type code %s belongs to a module of kind %s" % (where, code, want))
        if r.ident == 0x84 and r.flags & (F_IN | F_OUT):
            if code in SPECIAL_TYPE_CODES or kind_of(r) != "dio":
                fail("%s: the two-axis encoder has inputs and outputs and no special code" % where)
            if not r.sublist or len(r.sublist) != 2:
                fail("%s: the two-axis encoder fills two slots" % where)
            if by_order[r.sublist[1]].flags & (F_IN | F_OUT):
                # its axis-Y slot must not open the encoder dialog on its own,
                # which would take the row after it as a third axis
                fail("%s: axis Y must not carry input/output flags" % where)
        if (r.ident & 0xFF) in (0x41, 0x42, 0x49) and r.ident >> 8:
            fail("%s: per-channel analog kinds carry format code 0" % where)

    # catalog tree
    names = set()
    listed = []
    for name, entries, depth in walk_tree(TREE):
        if name.lower() in names:
            fail("group %s appears twice" % name)
        names.add(name.lower())
        if name.lower() in ("katalog", "language"):
            fail("group name %s is a reserved section" % name)
        if len(name) > INI_VALUE_MAX:
            fail("group name %s too long" % name)
        if not entries:
            fail("group %s is empty" % name)
        for e in entries:
            if isinstance(e, str):
                if e not in by_order:
                    fail("catalog entry %s is not a record" % e)
                listed.append(e)
                if (by_order[e].flags & F_CPU) and name != "CPU QMV":
                    fail("CPU %s outside the group CPU QMV" % e)
    for e in listed:
        if e.lower() in names:
            fail("module %s would be read as a group" % e)
    if len(listed) != len(set(listed)):
        fail("a module is listed twice in the catalog tree")
    if max(d for _, _, d in walk_tree(TREE)) < 3:
        fail("the tree should nest groups at least two levels deep")
    for r in RECORDS:
        if r.flags & (F_CPU | F_EXT) and r.order not in listed:
            fail("station %s is not in the catalog tree" % r.order)

    # a CPU with all the racks it admits must fit into the project table
    racks = [r for r in RECORDS if r.flags & F_EXT]
    for c in (r for r in RECORDS if r.flags & F_CPU):
        slots, _ = c.slots()
        extra = 0
        if c.family == 2:
            extra = 2 + (1 if c.modus & M_B2 else 0)
        elif c.family == 3 and c.modus & M_MEMSLOTS:
            extra = 3
        plus_rows = 0
        if c.modus & M_CONN:
            plus_rows = 1
            chained = [r.slots()[0] for r in racks
                       if r.modus & M_CONN and r.family >= c.family]
            if chained:
                plus_rows += (c.outcnt - slots) // min(chained)
        rows = 1 + extra + c.outcnt + plus_rows
        if rows > PROJECT_ROWS:
            fail("%s with all racks needs %d table rows" % (c.order, rows))

    # multi-slot modules must fit into the smallest group of their family
    for r in RECORDS:
        if r.sublist and not r.flags & F_EXT:
            groups = [s.slots()[1] for s in RECORDS
                      if s.flags & (F_CPU | F_EXT) and s.family == r.family]
            if groups and r.sub > min(groups):
                fail("%s does not fit into a slot group of %d" % (r.order, min(groups)))

    # INI values
    def ini_value(v):
        if len(v) > INI_VALUE_MAX:
            fail("catalog value too long: %s" % v)
    ini_value(CATALOG_TITLE)
    names = set()
    for name, entries, _ in walk_tree(TREE):
        ini_value(name)
        names.add(name)
        for e in entries:
            ini_value(e if isinstance(e, str) else e[0])
    for name, titles in [("Katalog", CATALOG_TITLES)] + list(GROUP_TITLES.items()):
        if name != "Katalog" and name not in names:
            fail("title given for %s, which is no group of the tree" % name)
        for title in titles:
            ini_value(title)
            title.encode(ENCODING)
    if len(LANGUAGE_OPTION) > 19:
        fail("language option name longer than 19 characters")


# ---------------------------------------------------------------------------
# Output
# ---------------------------------------------------------------------------

def hex4(v):
    return "%04X" % (v & 0xFFFF)


def record_lines(r, lang):
    t = r.text[lang]
    out = ["[%s]" % r.order,
           hex4(r.ident),
           hex4(r.flags),
           hex4(r.modus),
           r.incnt_text if r.incnt_text else str(r.incnt),
           str(r.outcnt),
           str(r.reserve),
           hex4(r.sub),
           hex4(r.family)]
    if r.flags & F_SUBLIST:
        out.append("}".join(r.sublist))
    out.append(t.designation)
    out.extend(t.lines)
    return out


def module_file(lang):
    lines = [";" + (" " + h if h else "") for h in HEADER[lang]]
    for i, r in enumerate(RECORDS):
        if i:
            lines.append(";")   # separator, skipped by the reader
        lines.extend(record_lines(r, lang))
    return lines


def title_lines(titles):
    if not titles:
        return []
    return ["Title_DEUTSCH=" + titles[0], "Title_OPTION=" + titles[1]]


def catalog_file():
    lines = ["[Katalog]",
             "Title=" + CATALOG_TITLE]
    lines += title_lines(CATALOG_TITLES)
    lines += ["Entries=%d" % len(TREE)]
    lines += ["Entry%d=%s" % (i + 1, g[0]) for i, g in enumerate(TREE)]
    for name, entries, _ in walk_tree(TREE):
        lines += ["", "[%s]" % name]
        lines += title_lines(GROUP_TITLES.get(name))
        lines += ["Entries=%d" % len(entries)]
        for i, e in enumerate(entries):
            lines.append("Entry%d=%s" % (i + 1, e if isinstance(e, str) else e[0]))
    lines += ["", "[LANGUAGE]",
              "SELECTED=" + LANGUAGE_SELECTED,
              "OPTION=" + LANGUAGE_OPTION]
    return lines


def encoded(lines):
    return (EOL.join(lines) + EOL).encode(ENCODING)


def write(path, lines):
    data = encoded(lines)
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, path)


def main():
    try:
        check_table()
    except TableError as e:
        print("make_catalog: %s" % e, file=sys.stderr)
        return 1
    resource = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    files = [("Katalog.ini", catalog_file())]
    files += [("NURA_%s.txt" % lang, module_file(lang)) for lang in ("E", "G", "O")]
    if sys.argv[1:] == ["--check"]:
        stale = []
        for name, lines in files:
            try:
                with open(os.path.join(resource, name), "rb") as f:
                    same = f.read() == encoded(lines)
            except OSError:
                same = False
            if not same:
                stale.append(name)
        if stale:
            print("make_catalog: %s in %s differ from the table; run %s to write them again"
                  % (", ".join(stale), resource, sys.argv[0]), file=sys.stderr)
            return 1
        print("make_catalog: the shipped files match the table")
        return 0
    for name, lines in files:
        write(os.path.join(resource, name), lines)
    print("make_catalog: %d records, %d catalog groups written to %s"
          % (len(RECORDS), sum(1 for _ in walk_tree(TREE)), resource))
    return 0


if __name__ == "__main__":
    sys.exit(main())
