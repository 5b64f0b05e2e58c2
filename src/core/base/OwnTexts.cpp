#include "core/base/OwnTexts.h"

#include <cerrno>
#include <cstring>
#include <iterator>

namespace rm {

namespace {

struct OwnEntry {
    OwnText which;
    const char *en, *de, *fr;
};

// In the order of OwnText: a text is found by its name's number.
constexpr OwnEntry kOwnTexts[] = {
    {OwnText::FileNamed, "File: %1", "Datei: %1", "Fichier : %1"},
    {OwnText::Reason, "Reason: %1", "Grund: %1", "Raison : %1"},
    {OwnText::FileMissing, "the file does not exist", "die Datei existiert nicht", "le fichier n'existe pas"},
    {OwnText::NotAProjectFile, "the name does not end in .qv4", "der Name endet nicht auf .qv4",
     "le nom ne se termine pas par .qv4"},
    {OwnText::FileWritten, "Written: %1", "Geschrieben: %1", "Écrit : %1"},
    {OwnText::NoPrinter, "No printer is installed. File > Export PDF... writes the pages without one.",
     "Es ist kein Drucker eingerichtet. Datei > Als PDF exportieren... schreibt die Seiten auch ohne Drucker.",
     "Aucune imprimante n'est installée. Fichier > Exporter en PDF... écrit les pages sans imprimante."},
    {OwnText::PrinterFailed, "The printer %1 could not print the page.",
     "Der Drucker %1 konnte die Seite nicht drucken.", "L'imprimante %1 n'a pas pu imprimer la page."},
    {OwnText::SourceControl,
     "The source was not generated: %1, field %2 holds a control character (%3); remove it and generate again.",
     "Die Quelle wurde nicht erzeugt: %1, Feld %2 enthält ein Steuerzeichen (%3); entfernen Sie es und erzeugen "
     "Sie erneut.",
     "La source n'a pas été générée : %1, champ %2 contient un caractère de contrôle (%3) ; supprimez-le et "
     "générez à nouveau."},
    {OwnText::SourceRange,
     "The source was not generated: %1, field %2 holds %3, which its type %4 cannot hold (%5 to %6).",
     "Die Quelle wurde nicht erzeugt: %1, Feld %2 enthält %3, was sein Typ %4 nicht fassen kann (%5 bis %6).",
     "La source n'a pas été générée : %1, champ %2 contient %3, que son type %4 ne peut pas contenir (%5 à %6)."},
    {OwnText::InfoRow, "project information", "Projektinformation", "informations du projet"},
    {OwnText::TableRow, "row %1", "Zeile %1", "ligne %1"},
    {OwnText::RangeAsked, "Range asked for: %1..%2", "Angefragter Bereich: %1..%2", "Plage demandée : %1..%2"},
    {OwnText::AddressLimit,
     "Every byte of a module's range must lie below 32000: for %1 bytes, start at %2 at the most.",
     "Jedes Byte des Bereichs einer Baugruppe muss unter 32000 liegen: bei %1 Bytes höchstens ab %2 beginnen.",
     "Chaque octet de la plage d'un module doit rester sous 32000 : pour %1 octets, commencez au plus à %2."},
    {OwnText::NoRoomBelowLimit,
     "No free range for this module lies below 32000 at or above the start asked for; choose a lower start "
     "address or free addresses below it.",
     "Unter 32000 gibt es ab dem angefragten Beginn keinen freien Bereich für diese Baugruppe; wählen Sie eine "
     "niedrigere Anfangsadresse oder geben Sie Adressen darunter frei.",
     "Aucune plage libre pour ce module ne se trouve sous 32000 à partir du début demandé ; choisissez une "
     "adresse de début plus basse ou libérez des adresses en dessous."},
    {OwnText::IgnoredBytes,
     "The file holds %1 bytes after the project's records; they were ignored and are not saved again.",
     "Die Datei enthält nach den Datensätzen des Projekts %1 Bytes; sie wurden übergangen und nicht wieder "
     "gespeichert.",
     "Le fichier contient %1 octets après les enregistrements du projet ; ils ont été ignorés et ne seront pas "
     "réenregistrés."},
    {OwnText::NotProjectBytes,
     "The file is not a project file of RackMason (a project file is at least %1 bytes long and starts with the "
     "project information).",
     "Die Datei ist keine Projektdatei von RackMason (eine Projektdatei ist mindestens %1 Bytes lang und beginnt "
     "mit den Projektinformationen).",
     "Le fichier n'est pas un fichier de projet de RackMason (un fichier de projet fait au moins %1 octets et "
     "commence par les informations du projet)."},
    {OwnText::NotSavedYet, "the project has not been saved yet", "das Projekt wurde noch nicht gespeichert",
     "le projet n'a pas encore été enregistré"},
    {OwnText::IsProjectFile, "the source would replace the project file itself",
     "die Quelle würde die Projektdatei selbst ersetzen", "la source remplacerait le fichier du projet lui-même"},
    {OwnText::ExistingKept, "The existing file was kept.", "Die vorhandene Datei wurde behalten.",
     "Le fichier existant a été conservé."},
    {OwnText::ChooseOtherFile, "Do you want to write the source to another file?",
     "Möchten Sie die Quelle in eine andere Datei schreiben?", "Voulez-vous écrire la source dans un autre fichier ?"},
    {OwnText::SaveOtherName, "Do you want to save the project under another name?",
     "Möchten Sie das Projekt unter einem anderen Namen speichern?",
     "Voulez-vous enregistrer le projet sous un autre nom ?"},
    {OwnText::RecentNotSaved, "The list of recent files could not be saved: %1",
     "Die Liste der zuletzt geöffneten Dateien konnte nicht "
     "gespeichert werden: %1",
     "La liste des fichiers récents n'a pas pu être enregistrée : %1"},

    // CatalogTree
    {OwnText::CatalogUnknownEntries, "Catalog entries that name no module of %2 and insert nothing: %1 (%3)",
     "Katalogeinträge, die kein Modul aus %2 nennen und nichts einfügen: %1 (%3)",
     "Entrées du catalogue qui ne désignent aucun module de %2 et "
     "n'insèrent rien : %1 (%3)"},
    {OwnText::CatalogCountsOutOfRange, "Entry counts outside 0..32767 in Katalog.ini: %1",
     "Eintragszahlen außerhalb von 0..32767 in Katalog.ini: %1",
     "Nombres d'entrées hors de 0..32767 dans Katalog.ini : %1"},

    // CpuForm
    {OwnText::TextForbiddenCharacter, "\"%1\" must not contain the character %2.",
     "\"%1\" darf das Zeichen %2 nicht enthalten.", "\"%1\" ne doit pas contenir le caractère %2."},
    {OwnText::TextWouldBreakBlock, "It would break the text in the generated data block.",
     "Es würde den Text im erzeugten Datenbaustein zerstören.",
     "Il casserait le texte dans le bloc de données généré."},
    {OwnText::TextControlCharacter, "\"%1\" must not contain a control character (a tab or line break).",
     "\"%1\" darf kein Steuerzeichen (Tabulator, Zeilenumbruch) enthalten.",
     "\"%1\" ne doit pas contenir de caractère de contrôle (tabulation, saut "
     "de ligne)."},
    {OwnText::TextComma, "\"%1\" must not contain a comma: commas separate the passwords of the levels.",
     "\"%1\" darf kein Komma enthalten: Kommas trennen die Passwörter der Ebenen.",
     "\"%1\" ne doit pas contenir de virgule : les virgules séparent les mots de passe des niveaux."},
    {OwnText::TextUnencodable, "\"%1\" contains a character that the data block source cannot hold.",
     "\"%1\" enthält ein Zeichen, das die Datenbaustein-Quelle nicht aufnehmen kann.",
     "\"%1\" contient un caractère que la source du bloc de données ne peut pas contenir."},
    {OwnText::TextTooLong, "\"%1\" is too long: at most %2 characters.", "\"%1\" ist zu lang: höchstens %2 Zeichen.",
     "\"%1\" est trop long : %2 caractères au plus."},
    {OwnText::ChoosePort, "Choose one of the ports %2 for \"%1\".", "Wählen Sie für \"%1\" einen der Ports %2.",
     "Choisissez pour \"%1\" l'un des ports %2."},
    {OwnText::ChooseBaudRate, "Choose one of the baud rates %2 for \"%1\".",
     "Wählen Sie für \"%1\" eine der Baudraten %2.", "Choisissez pour \"%1\" l'un des débits %2."},

    // ModuleFrame
    {OwnText::FieldEmpty, "\"%1\" is empty.", "\"%1\" ist leer.", "\"%1\" est vide."},
    {OwnText::FieldNotWholeNumber, "\"%1\" is not a whole number.", "\"%1\" ist keine ganze Zahl.",
     "\"%1\" n'est pas un nombre entier."},
    {OwnText::FieldOutOfRange, "\"%1\" is out of range.", "\"%1\" liegt außerhalb des Bereichs.",
     "\"%1\" est hors limites."},
    {OwnText::EnterWholeNumber, "Enter a whole number from %1 to %2.", "Geben Sie eine ganze Zahl von %1 bis %2 ein.",
     "Entrez un nombre entier de %1 à %2."},
    {OwnText::FieldAboveOther, "\"%1\" must not be above \"%2\".", "\"%1\" darf nicht größer als \"%2\" sein.",
     "\"%1\" ne doit pas dépasser \"%2\"."},

    // ModuleOk
    {OwnText::InputsAskedFor, "Inputs %1 were asked for.", "Eingänge %1 waren angefragt.",
     "Les entrées %1 étaient demandées."},
    {OwnText::OutputsAskedFor, "Outputs %1 were asked for.", "Ausgänge %1 waren angefragt.",
     "Les sorties %1 étaient demandées."},
    {OwnText::SlotHolds, "Slot %1 (%2) holds %3.", "Steckplatz %1 (%2) belegt %3.", "L'emplacement %1 (%2) occupe %3."},
    {OwnText::StartsAtEvenAddress, "This module starts at an even address.",
     "Diese Baugruppe beginnt auf einer geraden Adresse.", "Ce module commence à une adresse paire."},
    {OwnText::StartsAt256OrAbove, "This module starts at address 256 or above.",
     "Diese Baugruppe beginnt ab Adresse 256.", "Ce module commence à l'adresse 256 ou au-delà."},
    {OwnText::RangeOffered, "Offered: %1.", "Angeboten: %1.", "Proposé : %1."},

    // OverviewPrint
    {OwnText::OverviewFree, "free", "frei", "libre"},
    {OwnText::OverviewOverlap, "OVERLAP", "ÜBERSCHNEIDUNG", "CHEVAUCHEMENT"},
    {OwnText::OverviewTooHigh, ">= 32000", ">= 32000", ">= 32000"},
    {OwnText::OverviewTitle, "Address overview", "Adressübersicht", "Vue d'ensemble des adresses"},
    {OwnText::OverviewBytes, "Bytes", "Bytes", "Octets"},
    {OwnText::OverviewCount, "Count", "Anzahl", "Nombre"},
    {OwnText::OverviewStation, "Station", "Station", "Station"},
    {OwnText::OverviewSlot, "Slot", "Steckpl.", "Empl."},
    {OwnText::OverviewOrderNumber, "Order number", "Bestellnummer", "Référence"},
    {OwnText::OverviewDesignation, "Designation", "Bezeichnung", "Désignation"},
    {OwnText::OverviewNote, "Note", "Hinweis", "Remarque"},
    {OwnText::OverviewInputs, "Inputs", "Eingänge", "Entrées"},
    {OwnText::OverviewOutputs, "Outputs", "Ausgänge", "Sorties"},

    // ProjectCheck
    {OwnText::CheckSlot, "slot %1", "Steckplatz %1", "emplacement %1"},
    {OwnText::CheckOutputs, "outputs", "Ausgänge", "sorties"},
    {OwnText::CheckInputs, "inputs", "Eingänge", "entrées"},
    {OwnText::CheckNotInCatalog, "%1: order number %2 is not in the catalog",
     "%1: Bestellnummer %2 ist nicht im Katalog", "%1 : la référence %2 n'est pas dans le catalogue"},
    {OwnText::CheckStartBelowZero, "%1: %2 %3 start below 0", "%1: %2 %3 beginnen unter 0",
     "%1 : %2 %3 commencent sous 0"},
    {OwnText::CheckReachesLimit, "%1: %2 %3 reach 32000 or more", "%1: %2 %3 reichen bis 32000 oder darüber",
     "%1 : %2 %3 atteignent 32000 ou plus"},
    {OwnText::CheckCountTooLarge, "%1: %2 %3: %4 bytes do not fit a count field (at most 32767)",
     "%1: %2 %3: %4 Bytes passen in kein Zählfeld (höchstens 32767)",
     "%1 : %2 %3 : %4 octets ne tiennent pas dans un champ de nombre (32767 au plus)"},
    {OwnText::CheckOverlap, "%1 (%2) and %3 (%4): %5 overlap", "%1 (%2) und %3 (%4): %5 überschneiden sich",
     "%1 (%2) et %3 (%4) : %5 se chevauchent"},

    // StationPrint
    {OwnText::StationPictureTitle, "Station picture", "Stationsbild", "Image de la station"},

    // StatusSummary
    {OwnText::StatusStation, "Station %1", "Station %1", "Station %1"},
    {OwnText::StatusSlot, "Slot %1", "Steckplatz %1", "Emplacement %1"},
    {OwnText::StatusInputsOutputs, "inputs %1 · outputs %2", "Eingänge %1 · Ausgänge %2", "entrées %1 · sorties %2"},
    {OwnText::StatusSlotsUsedFree, "%1: slots used %2, free %3", "%1: Steckplätze belegt %2, frei %3",
     "%1 : emplacements occupés %2, libres %3"},
    {OwnText::NoProblems, "No problems", "Keine Probleme", "Aucun problème"},
    {OwnText::OneProblem, "1 problem", "1 Problem", "1 problème"},
    {OwnText::ProblemCount, "%1 problems", "%1 Probleme", "%1 problèmes"},

    // Placement
    {OwnText::SlotRefuses, "Slot %1 does not take %2.", "Steckplatz %1 nimmt %2 nicht auf.",
     "L'emplacement %1 n'accepte pas %2."},
    {OwnText::OtherFamily, "%1 belongs to another module family than the station %2.",
     "%1 gehört zu einer anderen Baugruppenfamilie als die Station %2.",
     "%1 appartient à une autre famille de modules que la station %2."},
    {OwnText::NotEnoughSlots,
     "%1 needs %2 numbered slots in one group of the station; from slot %3 there "
     "are not enough.",
     "%1 braucht %2 nummerierte Steckplätze in einer Gruppe der Station; ab "
     "Steckplatz %3 sind es nicht genug.",
     "%1 a besoin de %2 emplacements numérotés dans un même groupe de la station ; "
     "à partir de l'emplacement %3, il n'y en a pas assez."},
    {OwnText::TooManySlots, "With %1 the CPU would have more than its maximum of %2 numbered slots.",
     "Mit %1 hätte die CPU mehr als die höchstens %2 nummerierten Steckplätze.",
     "Avec %1, la CPU dépasserait son maximum de %2 emplacements numérotés."},
    {OwnText::RowsDoNotFit, "The rows of %1 would not fit below row %2.",
     "Die Zeilen von %1 passen nicht unter Zeile %2.", "Les lignes de %1 ne tiennent pas avant la ligne %2."},
    {OwnText::OrderNotInCatalog, "An order number of %1 is not in the catalog.",
     "Eine Bestellnummer von %1 fehlt im Katalog.", "Une référence de %1 ne figure pas dans le catalogue."},
    {OwnText::KeptModule, "%1 module", "%1 Baugruppe", "%1 module"},
    {OwnText::KeptModules, "%1 modules", "%1 Baugruppen", "%1 modules"},
    {OwnText::KeptRack, "%1 rack", "%1 Rack", "%1 rack"},
    {OwnText::KeptRacks, "%1 racks", "%1 Racks", "%1 racks"},
    {OwnText::KeptSummary, "Kept: %1, %2", "Behalten: %1, %2", "Conservés : %1, %2"},
    {OwnText::KeptRemoved, "; removed: ", "; entfernt: ", " ; supprimés : "},
    {OwnText::NoPlusRowFollows, "no \"+\" row follows", "keine \"+\"-Zeile folgt", "aucune ligne \"+\" ne suit"},
    {OwnText::NewLayoutNoSlot, "the new layout has no slot %1", "der neue Aufbau hat keinen Steckplatz %1",
     "la nouvelle configuration n'a pas d'emplacement %1"},

    // TemperatureForm
    {OwnText::ConnectionTwoWire, "2 wire", "2-Leiter", "2 fils"},
    {OwnText::ConnectionThreeWire, "3 wire", "3-Leiter", "3 fils"},
    {OwnText::ConnectionFourWire, "4 wire", "4-Leiter", "4 fils"},
    {OwnText::ConnectionInternal, "Internal", "Intern", "Interne"},
    {OwnText::ConnectionExternal, "External", "Extern", "Externe"},
    {OwnText::ConnectionVoltage, "Voltage", "Spannung", "Tension"},
    {OwnText::ConnectionNone, " - ", " - ", " - "},
    {OwnText::ActInsert, "Insert", "Einsetzen", "Insérer"},
    {OwnText::ActMove, "Move", "Verschieben", "Déplacer"},
    {OwnText::ActCopy, "Copy", "Kopieren", "Copier"},
    {OwnText::ActCut, "Cut", "Ausschneiden", "Couper"},
    {OwnText::ActPaste, "Paste", "Einfügen", "Coller"},
    {OwnText::ActDelete, "Delete", "Löschen", "Supprimer"},
    {OwnText::ActModule, "Module parameters", "Modulparameter", "Paramètres du module"},
    {OwnText::ActCpu, "CPU settings", "CPU-Einstellungen", "Réglages de la CPU"},
    {OwnText::ActInfo, "Project information", "Projektinformation", "Informations du projet"},
    {OwnText::Undo, "&Undo", "&Rückgängig", "&Annuler"},
    {OwnText::UndoNamed, "&Undo %1", "&Rückgängig: %1", "&Annuler : %1"},
    {OwnText::Redo, "&Redo", "&Wiederholen", "&Rétablir"},
    {OwnText::RedoNamed, "&Redo %1", "&Wiederholen: %1", "&Rétablir : %1"},
    {OwnText::SearchHint, "Search (Ctrl+F)", "Suchen (Strg+F)", "Rechercher (Ctrl+F)"},
    {OwnText::NoHit, "No module matches \"%1\".", "Kein Modul passt zu \"%1\".",
     "Aucun module ne correspond à « %1 »."},
    {OwnText::Overview, "&Address overview", "&Adressübersicht", "Vue d'ensemble des &adresses"},
    {OwnText::OverviewWindowTitle, "Address overview - %1", "Adressübersicht - %1", "Vue d'ensemble des adresses - %1"},
    {OwnText::Inputs, "Inputs", "Eingänge", "Entrées"},
    {OwnText::Outputs, "Outputs", "Ausgänge", "Sorties"},
    {OwnText::ColBytes, "Bytes", "Bytes", "Octets"},
    {OwnText::ColCount, "Count", "Anzahl", "Nombre"},
    {OwnText::ColStation, "Station", "Station", "Station"},
    {OwnText::ColSlot, "Slot", "Steckplatz", "Emplacement"},
    {OwnText::ColOrder, "Order number", "Bestellnummer", "Référence"},
    {OwnText::ColDesignation, "Designation", "Bezeichnung", "Désignation"},
    {OwnText::ColNote, "Note", "Hinweis", "Remarque"},
    {OwnText::ProblemsFound, "%1 problem(s) found", "%1 Problem(e) gefunden", "%1 problème(s) trouvé(s)"},
    {OwnText::NoProblemsFound, "No problems found", "Keine Probleme gefunden", "Aucun problème trouvé"},
    {OwnText::ExportIoList, "Export &I/O list (CSV)...", "&E/A-Liste exportieren (CSV)...",
     "Exporter la liste d'&E/S (CSV)..."},
    {OwnText::CsvFilter, "CSV file (*.csv)|*.csv|", "CSV-Datei (*.csv)|*.csv|", "Fichier CSV (*.csv)|*.csv|"},
    {OwnText::CompareWith, "Co&mpare with...", "Ver&gleichen mit...", "&Comparer avec..."},
    {OwnText::CompareTitle, "%1 compared with %2", "%1 verglichen mit %2", "%1 comparé avec %2"},
    {OwnText::ColDifference, "Difference", "Unterschied", "Différence"},
    {OwnText::ColWhereThis, "In this project", "In diesem Projekt", "Dans ce projet"},
    {OwnText::ColWhereOther, "In the other file", "In der anderen Datei", "Dans l'autre fichier"},
    {OwnText::ColField, "Field", "Feld", "Champ"},
    {OwnText::ColThisValue, "This project", "Dieses Projekt", "Ce projet"},
    {OwnText::ColOtherValue, "Other file", "Andere Datei", "Autre fichier"},
    {OwnText::DiffChanged, "changed", "geändert", "modifié"},
    {OwnText::DiffMoved, "moved", "verschoben", "déplacé"},
    {OwnText::DiffRemoved, "removed (only in this project)", "entfernt (nur in diesem Projekt)",
     "retiré (seulement dans ce projet)"},
    {OwnText::DiffAdded, "added (only in the other file)", "hinzugefügt (nur in der anderen Datei)",
     "ajouté (seulement dans l'autre fichier)"},
    {OwnText::DiffInfo, "project information", "Projektinformation", "informations du projet"},
    {OwnText::Same, "The projects are the same.", "Die Projekte sind gleich.", "Les projets sont identiques."},
    {OwnText::ProjectFilter, "Project (*.qv4)|*.qv4|", "Projekt (*.qv4)|*.qv4|", "Projet (*.qv4)|*.qv4|"},
    {OwnText::CannotRead,
     "The file could not be read:", "Die Datei konnte nicht gelesen werden:", "Le fichier n'a pas pu être lu :"},
    {OwnText::ExportSymbols, "Export &symbol table...", "&Symboltabelle exportieren...",
     "Exporter la table des &symboles..."},
    {OwnText::SymbolFilter,
     "Symbol table SDF (*.sdf)|*.sdf|Symbol table ASCII (*.asc)|*.asc|Assignment list SEQ (*.seq)|*.seq|"
     "Channel list CSV (*.csv)|*.csv|",
     "Symboltabelle SDF (*.sdf)|*.sdf|Symboltabelle ASCII (*.asc)|*.asc|Zuordnungsliste SEQ (*.seq)|*.seq|"
     "Kanalliste CSV (*.csv)|*.csv|",
     "Table des symboles SDF (*.sdf)|*.sdf|Table des symboles ASCII (*.asc)|*.asc|"
     "Liste d'affectation SEQ (*.seq)|*.seq|Liste des voies CSV (*.csv)|*.csv|"},
    {OwnText::LockHolder, "%1 on %2 (process %3) since %4", "%1 auf %2 (Prozess %3) seit %4",
     "%1 sur %2 (processus %3) depuis %4"},
    {OwnText::LockUnreadable, "someone (the lock file %1 cannot be read)",
     "jemand (die Sperrdatei %1 kann nicht gelesen werden)", "quelqu'un (le fichier de verrou %1 ne peut pas être lu)"},
    {OwnText::LockQuestion,
     "%1\n\nThis project is open: %2.\n\nYes: Open read-only\nNo: Open anyway\nCancel: do not open it",
     "%1\n\nDieses Projekt ist geöffnet: %2.\n\nJa: schreibgeschützt öffnen\nNein: trotzdem öffnen\n"
     "Abbrechen: nicht öffnen",
     "%1\n\nCe projet est ouvert : %2.\n\nOui : ouvrir en lecture seule\nNon : ouvrir quand même\n"
     "Annuler : ne pas l'ouvrir"},
    {OwnText::LockTitle, "Project in use", "Projekt in Gebrauch", "Projet utilisé"},
    {OwnText::LockStale, "The lock of %1 left by process %2 (%3, since %4) was stale and has been taken over.",
     "Die Sperre von %1, die Prozess %2 (%3, seit %4) hinterlassen hat, war verwaist und wurde übernommen.",
     "Le verrou de %1 laissé par le processus %2 (%3, depuis %4) était périmé et a été repris."},
    {OwnText::ReadOnlyMark, " (read-only)", " (schreibgeschützt)", " (lecture seule)"},
    {OwnText::ReadOnlySave, "%1\n\nThis window is read-only: save the project under another name.",
     "%1\n\nDieses Fenster ist schreibgeschützt: speichern Sie das Projekt unter einem anderen Namen.",
     "%1\n\nCette fenêtre est en lecture seule : enregistrez le projet sous un autre nom."},
    {OwnText::ReadOnlyTitle, "Read-only", "Schreibgeschützt", "Lecture seule"},
    {OwnText::ChangedAsk,
     "%1\n\nThe file has changed on disk since you opened it.\n\nYes: replace it\nNo: Save As\nCancel: do not "
     "save",
     "%1\n\nDie Datei wurde auf dem Datenträger geändert, seit Sie sie geöffnet haben.\n\nJa: ersetzen\n"
     "Nein: Speichern unter\nAbbrechen: nicht speichern",
     "%1\n\nLe fichier a été modifié sur le disque depuis que vous l'avez ouvert.\n\nOui : le remplacer\n"
     "Non : Enregistrer sous\nAnnuler : ne pas enregistrer"},
    {OwnText::ChangedNote, "%1\n\nThe file has changed on disk since you opened it.",
     "%1\n\nDie Datei wurde auf dem Datenträger geändert, seit Sie sie geöffnet haben.",
     "%1\n\nLe fichier a été modifié sur le disque depuis que vous l'avez ouvert."},
    {OwnText::ChangedTitle, "Changed on disk", "Auf dem Datenträger geändert", "Modifié sur le disque"},
    {OwnText::RecoverTitle, "Recover unsaved work", "Nicht gespeicherte Arbeit wiederherstellen",
     "Récupérer le travail non enregistré"},
    {OwnText::RecoverIntro,
     "RackMason ended without saving these projects. Nothing is deleted unless you choose Discard.",
     "RackMason wurde beendet, ohne diese Projekte zu speichern. Gelöscht wird nur, was Sie verwerfen.",
     "RackMason s'est arrêté sans enregistrer ces projets. Rien n'est supprimé si vous ne choisissez pas "
     "Abandonner."},
    {OwnText::ColProject, "Project", "Projekt", "Projet"},
    {OwnText::ColPath, "Path", "Pfad", "Chemin"},
    {OwnText::ColTime, "Time", "Zeit", "Heure"},
    {OwnText::Recover, "&Recover", "&Wiederherstellen", "&Récupérer"},
    {OwnText::CompareSaved, "&Compare with saved file", "Mit gespeicherter Datei &vergleichen",
     "&Comparer avec le fichier enregistré"},
    {OwnText::Discard, "&Discard", "&Verwerfen", "A&bandonner"},
    {OwnText::Later, "&Later", "&Später", "Plus &tard"},
    {OwnText::NeverSaved, "(never saved)", "(nie gespeichert)", "(jamais enregistré)"},
    {OwnText::RecoveryUnreadable, "cannot be read: %1 (%2)", "nicht lesbar: %1 (%2)", "illisible : %1 (%2)"},
    {OwnText::RecoveredMark, " (recovered)", " (wiederhergestellt)", " (récupéré)"},
    {OwnText::AutosaveEvery, "Recovery file every (0: off)", "Wiederherstellungsdatei alle (0: aus)",
     "Fichier de récupération toutes les "
     "(0 : désactivé)"},
    {OwnText::AutosaveSuffix, " s", " s", " s"},
    {OwnText::KeepBackup, "Keep the previous file as .bak at a save",
     "Beim Speichern die vorige Datei als .bak behalten", "Conserver le fichier précédent en .bak à l'enregistrement"},
    {OwnText::Properties, "P&roperties...", "&Eigenschaften...", "P&ropriétés..."},
    {OwnText::PriorityExample, "for example OB1", "zum Beispiel OB1", "par exemple OB1"},
    {OwnText::PriorityRule,
     "Any text of up to %1 characters, for example OB1.\n"
     "Not taken: ' and $ (they would break the text in the generated data block), tabs and line breaks, "
     "characters beyond windows-1252.\n"
     "The generated source holds it as \"COMP:<text>\"; an empty field writes nothing.",
     "Beliebiger Text mit höchstens %1 Zeichen, zum Beispiel OB1.\n"
     "Nicht angenommen: ' und $ (sie würden den Text im erzeugten Datenbaustein zerstören), Tabulatoren und "
     "Zeilenumbrüche, Zeichen außerhalb von windows-1252.\n"
     "Die erzeugte Quelle enthält ihn als \"COMP:<Text>\"; ein leeres Feld schreibt nichts.",
     "Texte quelconque de %1 caractères au plus, par exemple OB1.\n"
     "Refusés : ' et $ (ils casseraient le texte dans le bloc de données généré), tabulations et sauts de "
     "ligne, caractères hors de windows-1252.\n"
     "La source générée le contient sous la forme « COMP:<texte> » ; un champ vide n'écrit rien."},
    {OwnText::NumberRange, "A whole number from %1 to %2.", "Eine ganze Zahl von %1 bis %2.",
     "Un nombre entier de %1 à %2."},
    {OwnText::WrittenAs, "The generated source holds it as \"%1\".", "Die erzeugte Quelle enthält ihn als \"%1\".",
     "La source générée le contient sous la forme « %1 »."},
    {OwnText::ValueWord, "value", "Wert", "valeur"},
    {OwnText::PortWord, "port", "Port", "port"},
    {OwnText::PassedAsTyped, "The number goes into the source as typed, without conversion.",
     "Die Zahl geht so, wie sie eingegeben ist, ohne Umrechnung in die Quelle.",
     "Le nombre passe dans la source tel qu'il est saisi, sans conversion."},
    {OwnText::WhenMemorySelected, "Written only while the memory selection is on.",
     "Nur geschrieben, solange die Speicherauswahl an ist.",
     "Écrit seulement tant que la sélection de la mémoire est active."},
    {OwnText::WhenTimings, "Written only with MPI mode on and the ADT & CDT timings ticked.",
     "Nur geschrieben bei eingeschaltetem MPI-Modus und angekreuzten Zeiten ADT & CDT.",
     "Écrit seulement avec le mode MPI actif et les temps ADT & CDT cochés."},
    {OwnText::WhenTimeOut,
     "Written only with MPI mode on, while the web server is on or the connection goes through a modem.",
     "Nur geschrieben bei eingeschaltetem MPI-Modus, wenn der Webserver an ist oder die Verbindung über ein "
     "Modem geht.",
     "Écrit seulement avec le mode MPI actif, quand le serveur web est actif ou que la liaison passe par un "
     "modem."},
    {OwnText::LanguageNextStart, "The change takes effect at the next start: %1.",
     "Die Änderung wirkt ab dem nächsten Start: %1.", "Le changement prendra effet au prochain démarrage : %1."},
    {OwnText::NoCpuBlock, "No CPU data block is generated.", "Es wird kein CPU-Datenbaustein erzeugt.",
     "Aucun bloc de données CPU n'est généré."},
    {OwnText::PrintMenu, "&Print...", "&Drucken...", "&Imprimer..."},
    {OwnText::PrintPreview, "Print Pre&view...", "Druck&vorschau...", "&Aperçu avant impression..."},
    {OwnText::ExportPdf, "&Export PDF...", "Als &PDF exportieren...", "Exporter en &PDF..."},
    {OwnText::DroppedRecords, "Records left out", "Ausgelassene Einträge", "Enregistrements ignorés"},
    {OwnText::NoDialog, "This row has no parameter dialog.", "Diese Zeile hat keinen Parameterdialog.",
     "Cette ligne n'a pas de dialogue de paramètres."},
    {OwnText::MissingProject,
     "Project file not found:", "Projektdatei nicht gefunden:", "Fichier de projet introuvable :"},
    {OwnText::ProblemsTitle, "Problems", "Probleme", "Problèmes"},
    {OwnText::ProblemsMenu, "&Problems", "&Probleme", "&Problèmes"},
    {OwnText::HeaderRule,
     "Letters A-Z, a-z and [ \\ ] ^ _ `, digits after the first character;\n"
     "no umlauts, accents or spaces; at most 8 characters, stored as shown.",
     "Buchstaben A-Z, a-z und [ \\ ] ^ _ `, Ziffern ab dem zweiten Zeichen;\n"
     "keine Umlaute, Akzente oder Leerzeichen; höchstens 8 Zeichen,\n"
     "gespeichert wie hier gezeigt.",
     "Lettres A-Z, a-z et [ \\ ] ^ _ `, chiffres après le premier caractère ;\n"
     "ni accents, ni trémas, ni espaces ; 8 caractères au plus,\n"
     "enregistrés tels qu'affichés."},
    {OwnText::HeaderRefused, "Not taken: %1", "Nicht übernommen: %1", "Non repris : %1"},
    {OwnText::SourceAs, "Write source to", "Quelle schreiben nach", "Écrire la source dans"},
    {OwnText::SourceFilter, "Source file (*.awl)|*.awl|", "Quelldatei (*.awl)|*.awl|", "Fichier source (*.awl)|*.awl|"},
    {OwnText::PictureShow, "Station &Picture", "&Stationsbild", "&Image de la station"},
    {OwnText::PictureExport, "Export Pi&cture...", "&Bild exportieren...", "Exporter l'i&mage..."},
    {OwnText::PictureSvgFilter, "SVG picture (*.svg)|*.svg|", "SVG-Bild (*.svg)|*.svg|", "Image SVG (*.svg)|*.svg|"},
    {OwnText::PictureEmptySlot, "empty slot", "freier Steckplatz", "emplacement libre"},
    {OwnText::PictureOverlap, "An address of this module is used by another module too.",
     "Eine Adresse dieser Baugruppe belegt auch eine andere Baugruppe.",
     "Une adresse de ce module est aussi utilisée par un autre module."},
    {OwnText::PictureTooHigh, "An address of this module is 32000 or more.",
     "Eine Adresse dieser Baugruppe ist 32000 oder höher.",
     "Une adresse de ce module est supérieure ou égale à 32000."},
    {OwnText::StartNoProject, "No project is open.", "Kein Projekt ist geöffnet.", "Aucun projet n'est ouvert."},
    {OwnText::StartNewProject, "New project", "Neues Projekt", "Nouveau projet"},
    {OwnText::StartOpenProject, "Open a project", "Projekt öffnen", "Ouvrir un projet"},
    {OwnText::StartOrDrop, "or drop a project file here", "oder eine Projektdatei hierher ziehen",
     "ou déposer un fichier de projet ici"},
    {OwnText::StartExamples, "Examples:", "Beispiele:", "Exemples :"},
    {OwnText::StartRecent, "Recent files:", "Zuletzt geöffnet:", "Fichiers récents :"},
    {OwnText::IsTheProjectFile, "is the project file itself; choose another name",
     "ist die Projektdatei selbst; wählen Sie einen anderen Namen",
     "est le fichier du projet lui-même ; choisissez un autre nom"},
    {OwnText::PartDigitalInput, "Digital input", "Digitaleingabe", "Entrée TOR"},
    {OwnText::PartDigitalOutput, "Digital output", "Digitalausgabe", "Sortie TOR"},
    {OwnText::PartDigitalCombined, "Digital input/output", "Digitalein-/-ausgabe", "Entrée/sortie TOR"},
    {OwnText::PartAnalogInput, "Analog input", "Analogeingabe", "Entrée analogique"},
    {OwnText::PartAnalogOutput, "Analog output", "Analogausgabe", "Sortie analogique"},
    {OwnText::PartTemperature, "Temperature", "Temperatur", "Température"},
    {OwnText::PartCounter, "Counter", "Zähler", "Comptage"},
    {OwnText::PartEncoder, "Encoder", "Geber", "Codeur"},
    {OwnText::PartPositioning, "Positioning", "Positionierung", "Positionnement"},
    {OwnText::PartCommunication, "Communication and other", "Kommunikation und andere", "Communication et autres"},
    {OwnText::PartCpu, "CPU", "CPU", "CPU"},
    {OwnText::PartRack, "Rack", "Baugruppenträger", "Châssis"},
    {OwnText::HelpBack, "Back", "Zurück", "Précédent"},
    {OwnText::HelpForward, "Forward", "Vor", "Suivant"},
    {OwnText::SettingOn, "on", "ein", "activé"},
    {OwnText::SettingOff, "off", "aus", "désactivé"},
    {OwnText::SettingNone, "(none)", "(keiner)", "(aucun)"},
    {OwnText::SettingChannel, "channel %1 %2", "Kanal %1 %2", "voie %1 %2"},
    {OwnText::SetDesignation, "designation", "Bezeichnung", "désignation"},
    {OwnText::SetComment, "comment", "Kommentar", "commentaire"},
    {OwnText::SetMemorySelected, "memory selected", "Speicher gewählt", "mémoire choisie"},
    {OwnText::SetMemorySize, "memory size", "Speichergröße", "taille de la mémoire"},
    {OwnText::SetCompilerPriority, "compiler priority", "Compiler-Priorität", "priorité du compilateur"},
    {OwnText::SetWebServer, "web server", "Webserver", "serveur Web"},
    {OwnText::SetIndexDb, "index DB", "Index-DB", "DB d'index"},
    {OwnText::SetRamDiskSize, "RAM disk size", "RAM-Disk-Größe", "taille du disque RAM"},
    {OwnText::SetDateFormat, "date format", "Datumsformat", "format de date"},
    {OwnText::SetTimeFormat, "time format", "Zeitformat", "format d'heure"},
    {OwnText::SetPasswordLevel, "password level", "Passwortstufe", "niveau de mot de passe"},
    {OwnText::SetMpiMode, "MPI mode", "MPI-Betrieb", "mode MPI"},
    {OwnText::SetCommunicationThrough, "communication through", "Kommunikation über", "communication via"},
    {OwnText::SetPortNumber, "port number", "Portnummer", "numéro de port"},
    {OwnText::SetBaudRate, "baud rate", "Baudrate", "vitesse (bauds)"},
    {OwnText::SetProtocolTimings, "protocol timings", "Protokoll-Timings", "temporisations du protocole"},
    {OwnText::SetProtocolTimingAdt, "protocol timing ADT", "Protokoll-Timing ADT", "temporisation protocole ADT"},
    {OwnText::SetProtocolTimingCdt, "protocol timing CDT", "Protokoll-Timing CDT", "temporisation protocole CDT"},
    {OwnText::SetModemType, "modem type", "Modemtyp", "type de modem"},
    {OwnText::SetHangUpTimeOut, "time out for hang up", "Timeout für Auflegen", "délai avant raccrochage"},
    {OwnText::SetMaxBaudRateB1, "function module B1 maximum baud rate", "Funktionsmodul B1 maximale Baudrate",
     "module de fonction B1 vitesse maximale (bauds)"},
    {OwnText::SetMaxBaudRateB2, "function module B2 maximum baud rate", "Funktionsmodul B2 maximale Baudrate",
     "module de fonction B2 vitesse maximale (bauds)"},
    {OwnText::SetPeripheryAccessDisabled, "periphery access disabled", "Peripheriezugriff gesperrt",
     "accès à la périphérie désactivé"},
    {OwnText::SetDirection, "direction", "Richtung", "sens"},
    {OwnText::SetCustomMinimum, "custom minimum", "benutzerdefiniertes Minimum", "minimum personnalisé"},
    {OwnText::SetCustomMaximum, "custom maximum", "benutzerdefiniertes Maximum", "maximum personnalisé"},
    {OwnText::SetCustomResetValue, "custom reset value", "benutzerdefinierter Rücksetzwert",
     "valeur de réinitialisation personnalisée"},
    {OwnText::SetAddressStepOf4, "addressing by steps of 4", "Adressierung in 4er-Schritten", "adressage par pas de 4"},
    {OwnText::SetValueFormat, "value format", "Werteformat", "format des valeurs"},
    {OwnText::SetFormat, "format", "Format", "format"},
    {OwnText::SetRange, "range", "Bereich", "plage"},
    {OwnText::Set4to20mA, "4..20 mA", "4..20 mA", "4..20 mA"},
    {OwnText::SetAutomaticStart, "automatic start of measurement", "automatischer Messstart",
     "démarrage automatique de la mesure"},
    {OwnText::SetOverflowAvoidance, "under/overflow avoidance", "Unter-/Überlaufvermeidung",
     "éviter les dépassements haut/bas"},
    {OwnText::SetFilter, "filter", "Filter", "filtre"},
    {OwnText::SetInputFormat, "input format", "Eingangsformat", "format d'entrée"},
    {OwnText::SetSimaticUnipolar, "SIMATIC unipolar", "SIMATIC unipolar", "SIMATIC unipolaire"},
    {OwnText::SetSensor, "sensor", "Sensor", "capteur"},
    {OwnText::SetConnection, "connection", "Anschluss", "raccordement"},
    {OwnText::SetUnit, "unit", "Einheit", "unité"},
    {OwnText::SetGateInput, "gate input", "Toreingang", "entrée de porte"},
    {OwnText::SetGateInputTrigger, "gate input trigger", "Auslösung des Toreingangs",
     "déclenchement de l'entrée de porte"},
    {OwnText::SetInputAInverted, "input A inverted", "Eingang A invertiert", "entrée A inversée"},
    {OwnText::SetInputBInverted, "input B inverted", "Eingang B invertiert", "entrée B inversée"},
    {OwnText::SetGateInputInverted, "gate input inverted", "Toreingang invertiert", "entrée de porte inversée"},
    {OwnText::SetCountingMode, "counting mode", "Zählmodus", "mode de comptage"},
    {OwnText::SetOutputCco, "output CCO", "Ausgang CCO", "sortie CCO"},
    {OwnText::SetOutputCcoInverted, "output CCO inverted", "Ausgang CCO invertiert", "sortie CCO inversée"},
    {OwnText::SetEnableMTrigger, "EnableM trigger", "Auslösung EnableM", "déclenchement EnableM"},
    {OwnText::SetEnableMInverted, "EnableM inverted", "EnableM invertiert", "EnableM inversé"},
    {OwnText::SetOutputTco, "output TCO", "Ausgang TCO", "sortie TCO"},
    {OwnText::SetMeasurement, "measurement", "Messung", "mesure"},
    {OwnText::SetStartOfMeasurement, "start of measurement", "Messbeginn", "début de la mesure"},
    {OwnText::SetMeasurementInputAInverted, "measurement input A inverted", "Messeingang A invertiert",
     "entrée de mesure A inversée"},
    {OwnText::SetMode, "mode", "Betriebsart", "mode"},
    {OwnText::SetFrequency, "frequency", "Frequenz", "fréquence"},
    {OwnText::SetDataBitNumber, "data bit number", "Anzahl Datenbits", "nombre de bits de données"},
    {OwnText::SetAxisEncoderType, "axis %1 encoder type", "Achse %1 Gebertyp", "axe %1 type de codeur"},
    {OwnText::SetAxisFrequency, "axis %1 frequency", "Achse %1 Frequenz", "axe %1 fréquence"},
    {OwnText::SetAxisFormat, "axis %1 format", "Achse %1 Format", "axe %1 format"},
    {OwnText::SetAxisDataBitNumber, "axis %1 data bit number", "Achse %1 Anzahl Datenbits",
     "axe %1 nombre de bits de données"},
    {OwnText::StartDescription, "RackMason: configuration of PLC I/O racks",
     "RackMason: Konfiguration von SPS-E/A-Baugruppenträgern",
     "RackMason : configuration des châssis d'E/S d'automate"},
    {OwnText::StartOptionSplash, "Shortest time the start window stays, in milliseconds (default 2000).",
     "Kürzeste Zeit, die das Startfenster stehen bleibt, in Millisekunden (Vorgabe 2000).",
     "Durée minimale d'affichage de la fenêtre de démarrage, en millisecondes (par défaut 2000)."},
    {OwnText::StartOptionResources, "Folder with the data files (default: beside the program).",
     "Ordner mit den Datendateien (Vorgabe: neben dem Programm).",
     "Dossier des fichiers de données (par défaut : à côté du programme)."},
    {OwnText::StartOptionAutosave, "Seconds between recovery files for this run (0: none; default: as set in Options).",
     "Sekunden zwischen Wiederherstellungsdateien für diesen Lauf (0: keine; Vorgabe: wie in Optionen eingestellt).",
     "Secondes entre les fichiers de récupération pour cette exécution (0 : aucun ; par défaut : comme réglé dans "
     "Options)."},
    {OwnText::StartOptionProjects, "Project files (.qv4) to open.", "Zu öffnende Projektdateien (.qv4).",
     "Fichiers de projet (.qv4) à ouvrir."},
    {OwnText::StartSplashNotNumber, "--splash-ms takes a number of milliseconds",
     "--splash-ms erwartet eine Anzahl Millisekunden", "--splash-ms attend un nombre de millisecondes"},
    {OwnText::StartAutosaveNotNumber, "--autosave-seconds takes a number of seconds",
     "--autosave-seconds erwartet eine Anzahl Sekunden", "--autosave-seconds attend un nombre de secondes"},
};

constexpr bool inNameOrder()
{
    for (std::size_t i = 0; i < std::size(kOwnTexts); ++i) {
        if (static_cast<std::size_t>(kOwnTexts[i].which) != i) return false;
    }
    return std::size(kOwnTexts) == static_cast<std::size_t>(OwnText::Count);
}
static_assert(inNameOrder(), "every OwnText has one entry, in the order of the names");

}  // namespace

std::string ownText(const Texts& texts, OwnText which, std::initializer_list<std::string> args)
{
    const auto k = static_cast<std::size_t>(which);
    if (k >= std::size(kOwnTexts)) return {};
    const OwnEntry& e = kOwnTexts[k];
    return fillArgs(byLanguage(texts, e.en, e.de, e.fr), args);
}

std::string reasonInLanguage(const Texts& texts, const std::string& reason)
{
    struct Entry {
        int err;  // 0: one of the writer's own reasons, in `en`
        const char *en, *de, *fr;
    };
    static const Entry entries[] = {
        {EACCES, nullptr, "Zugriff verweigert", "Permission refusée"},
        {EPERM, nullptr, "Vorgang nicht zulässig", "Opération non permise"},
        {EROFS, nullptr, "Das Dateisystem ist schreibgeschützt", "Système de fichiers en lecture seule"},
        {ENOSPC, nullptr, "Kein Platz mehr auf dem Datenträger", "Plus d'espace disponible sur le périphérique"},
        {EDQUOT, nullptr, "Das Speicherkontingent ist erschöpft", "Quota de disque dépassé"},
        {ENOENT, nullptr, "Datei oder Ordner nicht vorhanden", "Fichier ou dossier inexistant"},
        {ENOTDIR, nullptr, "Ein Teil des Pfads ist kein Ordner", "Une partie du chemin n'est pas un dossier"},
        {EISDIR, nullptr, "Das ist ein Ordner", "C'est un dossier"},
        {EEXIST, nullptr, "Die Datei existiert bereits", "Le fichier existe déjà"},
        {ENAMETOOLONG, nullptr, "Der Dateiname ist zu lang", "Nom de fichier trop long"},
        {ELOOP, nullptr, "Zu viele Ebenen symbolischer Verknüpfungen", "Trop de niveaux de liens symboliques"},
        {EIO, nullptr, "Ein-/Ausgabefehler", "Erreur d'entrée/sortie"},
        {EBUSY, nullptr, "Gerät oder Ressource belegt", "Périphérique ou ressource occupé"},
        {EMFILE, nullptr, "Zu viele offene Dateien", "Trop de fichiers ouverts"},
        {0, "is not a regular file", "ist keine gewöhnliche Datei", "n'est pas un fichier ordinaire"},
        {0, "no temporary file could be created", "es konnte keine temporäre Datei angelegt werden",
         "aucun fichier temporaire n'a pu être créé"},
    };
    for (const Entry& e : entries) {
        const std::string system = e.en ? e.en : std::strerror(e.err);
        if (system != reason) continue;
        const std::string shown = byLanguage(texts, system.c_str(), e.de, e.fr);
        return shown == system ? reason : shown + " (" + reason + ")";
    }
    return reason;
}

std::string withFileAndReason(const Texts& texts, const std::string& message, const std::string& file,
                              const std::string& reason)
{
    std::string out = message + "\n\n" + ownText(texts, OwnText::FileNamed, {file});
    if (!reason.empty()) out += "\n" + ownText(texts, OwnText::Reason, {reasonInLanguage(texts, reason)});
    return out;
}

}  // namespace rm
