#include "characters/CharacterWindow.h"

#include "app/FKDoc.h"
#include "characters/CharacterPlaces.h"
#include "characters/NewCharDlog.h"
#include "characters/ShownText.h"

CharacterWindow::CharacterWindow(TAppl* application, FKDoc* story, const char* name, PrefRecord record,
                                 const char* placeKey)
    : TWMWindow(application, story, kChildMode, 0, name),
      story_(story),
      name_(name),
      record_(record),
      placeKey_(placeKey) {
    ShortRect place = OpeningPlace(story, GetPreferences(), placeKey_);
    KeepRectInFrame(place);
    Create(place);
}

CharacterWindow::~CharacterWindow() { KeepWindowPlace(GetPreferences(), *this, placeKey_); }

PText* CharacterWindow::GetPreferences() const { return CharacterPreferences(GetApplication(), record_); }

void CharacterWindow::UpdateTitle() {
    if (!story_) return TWMWindow::UpdateTitle();
    char title[256] = "";
    story_->GetTitle(name_, title, sizeof title);
    SetTitle(ShownText(title).c_str());
}

void CharacterWindow::CastCharacterOpened(CharID id) {
    const CharID written = RunCharacterDialog(story_, id);
    if (castList_ && written != kNoCharID) castList_->SelectCharacter(written);
}
