#include "gui/app/WorkTexts.h"

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
        {"Co&mpare with...", "&Vergleichen mit...", "&Comparer avec..."},
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
    };
    const Entry& e = entries[static_cast<int>(which)];
    return QString::fromUtf8(byLanguage(session.app.texts, e.en, e.de, e.fr));
}

QString workText(const Session& session, WorkText which, const QString& arg1, const QString& arg2)
{
    QString s = workText(session, which).replace("%1", arg1);
    return arg2.isNull() ? s : s.replace("%2", arg2);
}

}  // namespace rm::gui
