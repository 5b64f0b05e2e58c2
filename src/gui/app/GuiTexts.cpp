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
        {"&Export PDF...", "Als PDF &exportieren...", "&Exporter en PDF..."},
        {"Records left out", "Ausgelassene Einträge", "Enregistrements ignorés"},
        {"This row has no parameter dialog.", "Diese Zeile hat keinen Parameterdialog.",
         "Cette ligne n'a pas de dialogue de paramètres."},
        {"Project file not found:", "Projektdatei nicht gefunden:", "Fichier de projet introuvable :"},
        {"Problems", "Probleme", "Problèmes"},
        {"&Problems", "&Probleme", "&Problèmes"},
    };
    const Entry& e = entries[static_cast<int>(which)];
    const int base = session.app.texts.base();
    return QString::fromUtf8(base == kGermanBase ? e.de : base == kFrenchBase ? e.fr : e.en);
}

}  // namespace rm::gui
