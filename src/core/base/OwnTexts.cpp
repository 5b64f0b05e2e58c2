#include "core/base/OwnTexts.h"

#include <cerrno>
#include <cstring>

namespace rm {

std::string ownText(const Texts& texts, OwnText which, std::initializer_list<std::string> args)
{
    struct Entry {
        const char *en, *de, *fr;
    };
    static const Entry entries[] = {
        {"File: %1", "Datei: %1", "Fichier : %1"},
        {"Reason: %1", "Grund: %1", "Raison : %1"},
        {"the file does not exist", "die Datei existiert nicht", "le fichier n'existe pas"},
        {"the name does not end in .qv4", "der Name endet nicht auf .qv4", "le nom ne se termine pas par .qv4"},
        {"Written: %1", "Geschrieben: %1", "Écrit : %1"},
        {"No printer is installed. File > Export PDF... writes the pages without one.",
         "Es ist kein Drucker eingerichtet. Datei > Als PDF exportieren... schreibt die Seiten auch ohne Drucker.",
         "Aucune imprimante n'est installée. Fichier > Exporter en PDF... écrit les pages sans imprimante."},
        {"The printer %1 could not print the page.", "Der Drucker %1 konnte die Seite nicht drucken.",
         "L'imprimante %1 n'a pas pu imprimer la page."},
        {"The source was not generated: %1, field %2 holds a control character (%3); remove it and generate again.",
         "Die Quelle wurde nicht erzeugt: %1, Feld %2 enthält ein Steuerzeichen (%3); entfernen Sie es und erzeugen "
         "Sie erneut.",
         "La source n'a pas été générée : %1, champ %2 contient un caractère de contrôle (%3) ; supprimez-le et "
         "générez à nouveau."},
        {"The source was not generated: %1, field %2 holds %3, which its type %4 cannot hold (%5 to %6).",
         "Die Quelle wurde nicht erzeugt: %1, Feld %2 enthält %3, was sein Typ %4 nicht fassen kann (%5 bis %6).",
         "La source n'a pas été générée : %1, champ %2 contient %3, que son type %4 ne peut pas contenir (%5 à %6)."},
        {"project information", "Projektinformation", "informations du projet"},
        {"row %1", "Zeile %1", "ligne %1"},
        {"Range asked for: %1..%2", "Angefragter Bereich: %1..%2", "Plage demandée : %1..%2"},
        {"Every byte of a module's range must lie below 32000: for %1 bytes, start at %2 at the most.",
         "Jedes Byte des Bereichs einer Baugruppe muss unter 32000 liegen: bei %1 Bytes höchstens ab %2 beginnen.",
         "Chaque octet de la plage d'un module doit rester sous 32000 : pour %1 octets, commencez au plus à %2."},
        {"No free range for this module lies below 32000 at or above the start asked for; choose a lower start "
         "address or free addresses below it.",
         "Unter 32000 gibt es ab dem angefragten Beginn keinen freien Bereich für diese Baugruppe; wählen Sie eine "
         "niedrigere Anfangsadresse oder geben Sie Adressen darunter frei.",
         "Aucune plage libre pour ce module ne se trouve sous 32000 à partir du début demandé ; choisissez une "
         "adresse de début plus basse ou libérez des adresses en dessous."},
        {"The file holds %1 bytes after the project's records; they were ignored and are not saved again.",
         "Die Datei enthält nach den Datensätzen des Projekts %1 Bytes; sie wurden übergangen und nicht wieder "
         "gespeichert.",
         "Le fichier contient %1 octets après les enregistrements du projet ; ils ont été ignorés et ne seront pas "
         "réenregistrés."},
        {"The file is not a project file of RackMason (a project file is at least %1 bytes long and starts with the "
         "project information).",
         "Die Datei ist keine Projektdatei von RackMason (eine Projektdatei ist mindestens %1 Bytes lang und beginnt "
         "mit den Projektinformationen).",
         "Le fichier n'est pas un fichier de projet de RackMason (un fichier de projet fait au moins %1 octets et "
         "commence par les informations du projet)."},
        {"the project has not been saved yet", "das Projekt wurde noch nicht gespeichert",
         "le projet n'a pas encore été enregistré"},
        {"the source would replace the project file itself", "die Quelle würde die Projektdatei selbst ersetzen",
         "la source remplacerait le fichier du projet lui-même"},
        {"The existing file was kept.", "Die vorhandene Datei wurde behalten.", "Le fichier existant a été conservé."},
        {"Do you want to write the source to another file?", "Möchten Sie die Quelle in eine andere Datei schreiben?",
         "Voulez-vous écrire la source dans un autre fichier ?"},
        {"Do you want to save the project under another name?",
         "Möchten Sie das Projekt unter einem anderen Namen speichern?",
         "Voulez-vous enregistrer le projet sous un autre nom ?"},
        {"The list of recent files could not be saved: %1",
         "Die Liste der zuletzt geöffneten Dateien konnte nicht "
         "gespeichert werden: %1",
         "La liste des fichiers récents n'a pas pu être enregistrée : %1"},
    };
    const Entry& e = entries[static_cast<int>(which)];
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
