// The program-wide state: one object owned by the application and passed by
// reference, so a test can make its own.
#pragma once

#include <string>

#include "core/base/Messages.h"
#include "core/base/TextTable.h"
#include "core/catalog/ModuleCatalog.h"
#include "core/record/RowEintrag.h"

namespace rm {

struct AppState {
    explicit AppState(Asker& a, int languageBase = kEnglishBase)
        : asker(a), texts(languageBase), messages(LoadMessageTexts(texts))
    {
    }

    Asker& asker;
    Texts texts;
    MessageTexts messages;
    ModuleCatalog ModulKatalog;

    RowEintrag CurrentModule;
    RowEintrag SavedModule;
    RowEintrag NextModule;
    RowEintrag ClipboardModule;
    bool ClipboardFull = false;
    bool ConfirmDelete = true;  // the options dialog's "Confirmation when deleting a Module"
    ProjectInfo AktProjectInfo;

    // The location texts the module dialogs show.
    std::string CurrentSlotText;
    std::string CurrentStationText;

    void setLanguage(int base)
    {
        texts = Texts(base);
        messages = LoadMessageTexts(texts);
    }
    // Shows an English-numbered text with an English-numbered title (0: none).
    int ask(int textId, int titleId, int style)
    {
        return asker.ShowMessage(texts.byEnglishId(textId), titleId ? texts.byEnglishId(titleId) : "", style);
    }
};

}  // namespace rm
