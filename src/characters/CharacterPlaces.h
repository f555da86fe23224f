#pragma once
// Where the character windows and dialogs open and what they keep of their places: each window's
// placement under its key in the preference record of its family, each dialog's under its key in
// the general preferences.

#include "app/PreferencesManager.h"
#include "framework/graphics/ShortRect.h"

class FKDoc;
class TAppl;
class TDialog;
class TWindow;
class PText;

// The application's preference record of the family; null without one.
PText* CharacterPreferences(TAppl* application, PrefRecord record);
// Where the story's window opens: the place kept under the key, else the story's default place.
ShortRect OpeningPlace(FKDoc* story, PText* record, const char* key);
// The window's place kept under the key.
void KeepWindowPlace(PText* record, TWindow& window, const char* key);
// The dialog moved to the place kept under the key in the general preferences (its size stays);
// nothing when none is kept.
void RestoreDialogPlace(TDialog& dialog, const char* key);
void KeepDialogPlace(TDialog& dialog, const char* key);
