#include "core/base/OwnTexts.h"

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
        {"No printer is installed.", "Es ist kein Drucker eingerichtet.", "Aucune imprimante n'est installée."},
        {"The printer %1 could not print the page.", "Der Drucker %1 konnte die Seite nicht drucken.",
         "L'imprimante %1 n'a pas pu imprimer la page."},
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
    };
    const Entry& e = entries[static_cast<int>(which)];
    return fillArgs(byLanguage(texts, e.en, e.de, e.fr), args);
}

std::string withFileAndReason(const Texts& texts, const std::string& message, const std::string& file,
                              const std::string& reason)
{
    std::string out = message + "\n\n" + ownText(texts, OwnText::FileNamed, {file});
    if (!reason.empty()) out += "\n" + ownText(texts, OwnText::Reason, {reason});
    return out;
}

}  // namespace rm
