#pragma once
// The base of a story's character windows (the character list, Build Characters and casting
// windows): an MDI child titled with its name for the story, opening where it was last (its place
// kept under its key in the preference record of its family), with a cast list whose double click
// opens the character dialog.

#include "app/PreferencesManager.h"
#include "characters/StoryCastList.h"
#include "framework/TWindow.h"

class FKDoc;
class PText;

class CharacterWindow : public TWMWindow, public ICastListClient {
public:
    // Made at its kept place, hidden, without contents.
    CharacterWindow(TAppl* application, FKDoc* story, const char* name, PrefRecord record,
                    const char* placeKey);
    // Keeps the window's place.
    ~CharacterWindow() override;

    // The name, then " for " and the story's title.
    void UpdateTitle() override;

    // --- ICastListClient
    void CastCharacterOpened(CharID id) override;

    FKDoc* GetStory() const { return story_; }
    StoryCastList* GetCastList() const { return castList_; }
    PText* GetPreferences() const;

protected:
    StoryCastList* castList_ = nullptr;

private:
    FKDoc* story_;
    const char* name_;
    PrefRecord record_;
    const char* placeKey_;
};
