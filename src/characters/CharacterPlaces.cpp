#include "characters/CharacterPlaces.h"

#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "framework/TAppl.h"
#include "framework/TDialog.h"

PText* CharacterPreferences(TAppl* application, PrefRecord record) {
    auto* fablecore = dynamic_cast<Fablecore*>(application);
    PreferencesManager* preferences = fablecore ? fablecore->GetPreferencesManager() : nullptr;
    return preferences ? preferences->GetRecord(record) : nullptr;
}

ShortRect OpeningPlace(FKDoc* story, PText* record, const char* key) {
    ShortRect place{20, 20, 356, 546};
    if (story) story->GetDefaultWindowRect(place);
    ShortRect saved;
    if (PreferencesManager::GetPrefRect(record, key, saved) && saved.Width() > 0 && saved.Height() > 0)
        place = saved;
    return place;
}

void KeepWindowPlace(PText* record, TWindow& window, const char* key) {
    if (record && window.GetHWnd()) PreferencesManager::SaveWindowRect(record, window, key);
}

void RestoreDialogPlace(TDialog& dialog, const char* key) {
    ShortRect saved;
    if (!PreferencesManager::GetPrefRect(CharacterPreferences(dialog.GetApplication(), PrefRecord::kGeneral),
                                         key, saved))
        return;
    const ShortRect frame = dialog.GetFrameRect();
    dialog.MoveTo(
        ShortRect::MakeLTRB(saved.left, saved.top, saved.left + frame.Width(), saved.top + frame.Height()));
}

void KeepDialogPlace(TDialog& dialog, const char* key) {
    PText* record = CharacterPreferences(dialog.GetApplication(), PrefRecord::kGeneral);
    if (record && dialog.GetHWnd()) PreferencesManager::SaveDialogRect(record, dialog, key);
}
