#include "gui/app/WorkTexts.h"

#include <iterator>

#include "core/base/TextTable.h"

namespace rm::gui {

QString workText(const Session& session, WorkText which)
{
    struct Entry {
        const char *en, *de, *fr;
    };
    static const Entry entries[] = {
        {"Insert", "Einsetzen", "Insérer"},
        {"Move", "Verschieben", "Déplacer"},
        {"Copy", "Kopieren", "Copier"},
        {"Cut", "Ausschneiden", "Couper"},
        {"Paste", "Einfügen", "Coller"},
        {"Delete", "Löschen", "Supprimer"},
        {"Module parameters", "Modulparameter", "Paramètres du module"},
        {"CPU settings", "CPU-Einstellungen", "Réglages de la CPU"},
        {"Project information", "Projektinformation", "Informations du projet"},
        {"&Undo", "&Rückgängig", "&Annuler"},
        {"&Undo %1", "&Rückgängig: %1", "&Annuler : %1"},
        {"&Redo", "&Wiederholen", "&Rétablir"},
        {"&Redo %1", "&Wiederholen: %1", "&Rétablir : %1"},
        {"Search (Ctrl+F)", "Suchen (Strg+F)", "Rechercher (Ctrl+F)"},
        {"No module matches \"%1\".", "Kein Modul passt zu \"%1\".", "Aucun module ne correspond à « %1 »."},
        {"&Address overview", "&Adressübersicht", "Vue d'ensemble des &adresses"},
        {"Address overview - %1", "Adressübersicht - %1", "Vue d'ensemble des adresses - %1"},
        {"Inputs", "Eingänge", "Entrées"},
        {"Outputs", "Ausgänge", "Sorties"},
        {"Bytes", "Bytes", "Octets"},
        {"Count", "Anzahl", "Nombre"},
        {"Station", "Station", "Station"},
        {"Slot", "Steckplatz", "Emplacement"},
        {"Order number", "Bestellnummer", "Référence"},
        {"Designation", "Bezeichnung", "Désignation"},
        {"Note", "Hinweis", "Remarque"},
        {"%1 problem(s) found", "%1 Problem(e) gefunden", "%1 problème(s) trouvé(s)"},
        {"No problems found", "Keine Probleme gefunden", "Aucun problème trouvé"},
        {"Export &I/O list (CSV)...", "&E/A-Liste exportieren (CSV)...", "Exporter la liste d'&E/S (CSV)..."},
        {"CSV file (*.csv)|*.csv|", "CSV-Datei (*.csv)|*.csv|", "Fichier CSV (*.csv)|*.csv|"},
        {"Co&mpare with...", "Ver&gleichen mit...", "&Comparer avec..."},
        {"%1 compared with %2", "%1 verglichen mit %2", "%1 comparé avec %2"},
        {"Difference", "Unterschied", "Différence"},
        {"In this project", "In diesem Projekt", "Dans ce projet"},
        {"In the other file", "In der anderen Datei", "Dans l'autre fichier"},
        {"Field", "Feld", "Champ"},
        {"This project", "Dieses Projekt", "Ce projet"},
        {"Other file", "Andere Datei", "Autre fichier"},
        {"changed", "geändert", "modifié"},
        {"moved", "verschoben", "déplacé"},
        {"removed (only in this project)", "entfernt (nur in diesem Projekt)", "retiré (seulement dans ce projet)"},
        {"added (only in the other file)", "hinzugefügt (nur in der anderen Datei)",
         "ajouté (seulement dans l'autre fichier)"},
        {"project information", "Projektinformation", "informations du projet"},
        {"The projects are the same.", "Die Projekte sind gleich.", "Les projets sont identiques."},
        {"Project (*.qv4)|*.qv4|", "Projekt (*.qv4)|*.qv4|", "Projet (*.qv4)|*.qv4|"},
        {"The file could not be read:", "Die Datei konnte nicht gelesen werden:", "Le fichier n'a pas pu être lu :"},
        {"Export &symbol table...", "&Symboltabelle exportieren...", "Exporter la table des &symboles..."},
        {"Symbol table SDF (*.sdf)|*.sdf|Symbol table ASCII (*.asc)|*.asc|Assignment list SEQ (*.seq)|*.seq|"
         "Channel list CSV (*.csv)|*.csv|",
         "Symboltabelle SDF (*.sdf)|*.sdf|Symboltabelle ASCII (*.asc)|*.asc|Zuordnungsliste SEQ (*.seq)|*.seq|"
         "Kanalliste CSV (*.csv)|*.csv|",
         "Table des symboles SDF (*.sdf)|*.sdf|Table des symboles ASCII (*.asc)|*.asc|"
         "Liste d'affectation SEQ (*.seq)|*.seq|Liste des voies CSV (*.csv)|*.csv|"},
        {"%1 on %2 (process %3) since %4", "%1 auf %2 (Prozess %3) seit %4", "%1 sur %2 (processus %3) depuis %4"},
        {"someone (the lock file %1 cannot be read)", "jemand (die Sperrdatei %1 kann nicht gelesen werden)",
         "quelqu'un (le fichier de verrou %1 ne peut pas être lu)"},
        {"%1\n\nThis project is open: %2.\n\nYes: Open read-only\nNo: Open anyway\nCancel: do not open it",
         "%1\n\nDieses Projekt ist geöffnet: %2.\n\nJa: schreibgeschützt öffnen\nNein: trotzdem öffnen\n"
         "Abbrechen: nicht öffnen",
         "%1\n\nCe projet est ouvert : %2.\n\nOui : ouvrir en lecture seule\nNon : ouvrir quand même\n"
         "Annuler : ne pas l'ouvrir"},
        {"Project in use", "Projekt in Gebrauch", "Projet utilisé"},
        {"The lock of %1 left by process %2 (%3, since %4) was stale and has been taken over.",
         "Die Sperre von %1, die Prozess %2 (%3, seit %4) hinterlassen hat, war verwaist und wurde übernommen.",
         "Le verrou de %1 laissé par le processus %2 (%3, depuis %4) était périmé et a été repris."},
        {" (read-only)", " (schreibgeschützt)", " (lecture seule)"},
        {"%1\n\nThis window is read-only: save the project under another name.",
         "%1\n\nDieses Fenster ist schreibgeschützt: speichern Sie das Projekt unter einem anderen Namen.",
         "%1\n\nCette fenêtre est en lecture seule : enregistrez le projet sous un autre nom."},
        {"Read-only", "Schreibgeschützt", "Lecture seule"},
        {"%1\n\nThe file has changed on disk since you opened it.\n\nYes: replace it\nNo: Save As\nCancel: do not "
         "save",
         "%1\n\nDie Datei wurde auf dem Datenträger geändert, seit Sie sie geöffnet haben.\n\nJa: ersetzen\n"
         "Nein: Speichern unter\nAbbrechen: nicht speichern",
         "%1\n\nLe fichier a été modifié sur le disque depuis que vous l'avez ouvert.\n\nOui : le remplacer\n"
         "Non : Enregistrer sous\nAnnuler : ne pas enregistrer"},
        {"%1\n\nThe file has changed on disk since you opened it.",
         "%1\n\nDie Datei wurde auf dem Datenträger geändert, seit Sie sie geöffnet haben.",
         "%1\n\nLe fichier a été modifié sur le disque depuis que vous l'avez ouvert."},
        {"Changed on disk", "Auf dem Datenträger geändert", "Modifié sur le disque"},
        {"Recover unsaved work", "Nicht gespeicherte Arbeit wiederherstellen", "Récupérer le travail non enregistré"},
        {"RackMason ended without saving these projects. Nothing is deleted unless you choose Discard.",
         "RackMason wurde beendet, ohne diese Projekte zu speichern. Gelöscht wird nur, was Sie verwerfen.",
         "RackMason s'est arrêté sans enregistrer ces projets. Rien n'est supprimé si vous ne choisissez pas "
         "Abandonner."},
        {"Project", "Projekt", "Projet"},
        {"Path", "Pfad", "Chemin"},
        {"Time", "Zeit", "Heure"},
        {"&Recover", "&Wiederherstellen", "&Récupérer"},
        {"&Compare with saved file", "Mit gespeicherter Datei &vergleichen", "&Comparer avec le fichier enregistré"},
        {"&Discard", "&Verwerfen", "A&bandonner"},
        {"&Later", "&Später", "Plus &tard"},
        {"(never saved)", "(nie gespeichert)", "(jamais enregistré)"},
        {"cannot be read: %1 (%2)", "nicht lesbar: %1 (%2)", "illisible : %1 (%2)"},
        {" (recovered)", " (wiederhergestellt)", " (récupéré)"},
        {"Recovery file every (0: off)", "Wiederherstellungsdatei alle (0: aus)",
         "Fichier de récupération toutes les "
         "(0 : désactivé)"},
        {" s", " s", " s"},
        {"Keep the previous file as .bak at a save", "Beim Speichern die vorige Datei als .bak behalten",
         "Conserver le fichier précédent en .bak à l'enregistrement"},
        {"P&roperties...", "&Eigenschaften...", "P&ropriétés..."},
    };
    static_assert(std::size(entries) == static_cast<std::size_t>(WorkText::Properties) + 1);
    const Entry& e = entries[static_cast<int>(which)];
    return QString::fromUtf8(byLanguage(session.app.texts, e.en, e.de, e.fr));
}

QString workText(const Session& session, WorkText which, const QString& arg1, const QString& arg2)
{
    QString s = workText(session, which).replace("%1", arg1);
    return arg2.isNull() ? s : s.replace("%2", arg2);
}

}  // namespace rm::gui
