#include "gui/app/HintTexts.h"

#include <iterator>

#include "core/base/TextTable.h"

namespace rm::gui {

QString hintText(const Session& session, HintText which)
{
    struct Entry {
        const char *en, *de, *fr;
    };
    static const Entry entries[] = {
        {"for example OB1", "zum Beispiel OB1", "par exemple OB1"},
        {"Any text of up to %1 characters, for example OB1.\n"
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
        {"A whole number from %1 to %2.", "Eine ganze Zahl von %1 bis %2.", "Un nombre entier de %1 à %2."},
        {"The generated source holds it as \"%1\".", "Die erzeugte Quelle enthält ihn als \"%1\".",
         "La source générée le contient sous la forme « %1 »."},
        {"value", "Wert", "valeur"},
        {"port", "Port", "port"},
        {"The number goes into the source as typed, without conversion.",
         "Die Zahl geht so, wie sie eingegeben ist, ohne Umrechnung in die Quelle.",
         "Le nombre passe dans la source tel qu'il est saisi, sans conversion."},
        {"Written only while the memory selection is on.", "Nur geschrieben, solange die Speicherauswahl an ist.",
         "Écrit seulement tant que la sélection de la mémoire est active."},
        {"Written only with MPI mode on and the ADT & CDT timings ticked.",
         "Nur geschrieben bei eingeschaltetem MPI-Modus und angekreuzten Zeiten ADT & CDT.",
         "Écrit seulement avec le mode MPI actif et les temps ADT & CDT cochés."},
        {"Written only with MPI mode on, while the web server is on or the connection goes through a modem.",
         "Nur geschrieben bei eingeschaltetem MPI-Modus, wenn der Webserver an ist oder die Verbindung über ein "
         "Modem geht.",
         "Écrit seulement avec le mode MPI actif, quand le serveur web est actif ou que la liaison passe par un "
         "modem."},
        {"The change takes effect at the next start: %1.", "Die Änderung wirkt ab dem nächsten Start: %1.",
         "Le changement prendra effet au prochain démarrage : %1."},
        {"No CPU data block is generated.", "Es wird kein CPU-Datenbaustein erzeugt.",
         "Aucun bloc de données CPU n'est généré."},
    };
    static_assert(std::size(entries) == static_cast<std::size_t>(HintText::NoCpuBlock) + 1);
    const Entry& e = entries[static_cast<int>(which)];
    return QString::fromUtf8(byLanguage(session.app.texts, e.en, e.de, e.fr));
}

QString hintText(const Session& session, HintText which, const QString& arg1, const QString& arg2)
{
    QString s = hintText(session, which).replace("%1", arg1);
    return arg2.isNull() ? s : s.replace("%2", arg2);
}

}  // namespace rm::gui
