#include "gui/app/GuiTexts.h"

namespace rm::gui {

QString extraText(const Session& session, ExtraText which)
{
    struct Entry {
        const char *en, *de, *fr;
    };
    static const Entry entries[] = {
        {"&Print...", "&Drucken...", "&Imprimer..."},
        {"Print Pre&view...", "Druck&vorschau...", "&Aperçu avant impression..."},
        {"&Export PDF...", "Als &PDF exportieren...", "Exporter en &PDF..."},
        {"Records left out", "Ausgelassene Einträge", "Enregistrements ignorés"},
        {"This row has no parameter dialog.", "Diese Zeile hat keinen Parameterdialog.",
         "Cette ligne n'a pas de dialogue de paramètres."},
        {"Project file not found:", "Projektdatei nicht gefunden:", "Fichier de projet introuvable :"},
        {"Problems", "Probleme", "Problèmes"},
        {"&Problems", "&Probleme", "&Problèmes"},
        {"Letters A-Z, a-z and [ \\ ] ^ _ `, digits after the first character;\n"
         "no umlauts, accents or spaces; at most 8 characters, stored as shown.",
         "Buchstaben A-Z, a-z und [ \\ ] ^ _ `, Ziffern ab dem zweiten Zeichen;\n"
         "keine Umlaute, Akzente oder Leerzeichen; höchstens 8 Zeichen,\n"
         "gespeichert wie hier gezeigt.",
         "Lettres A-Z, a-z et [ \\ ] ^ _ `, chiffres après le premier caractère ;\n"
         "ni accents, ni trémas, ni espaces ; 8 caractères au plus,\n"
         "enregistrés tels qu'affichés."},
        {"Not taken: %1", "Nicht übernommen: %1", "Non repris : %1"},
        {"Write source to", "Quelle schreiben nach", "Écrire la source dans"},
        {"Source file (*.awl)|*.awl|", "Quelldatei (*.awl)|*.awl|", "Fichier source (*.awl)|*.awl|"},
    };
    const Entry& e = entries[static_cast<int>(which)];
    const int base = session.app.texts.base();
    return QString::fromUtf8(base == kGermanBase ? e.de : base == kFrenchBase ? e.fr : e.en);
}

}  // namespace rm::gui
