#pragma once
// The character list window of a story: the story's cast, every character with its picture, name
// and what it is in the story, in one list filling the window. A double click (or Return) opens the
// character dialog; the Character menu's Info, Delete, Picture and Export commands and Edit > Paste
// act on the character selected here. The window keeps its place in the character list
// preferences ('CLST', "CLST") and is the story's character list window while it lives.

#include "characters/CharacterWindow.h"

class CLWindow : public CharacterWindow {
    TOBJECT_CLASS(CLWindow, CharacterWindow, 153)

public:
    static constexpr const char* kPlacementKey = "CLST";
    static constexpr const char* kName = "Character List";

    CLWindow(TAppl* application, FKDoc* story);
    ~CLWindow() override;

    void BuildContents() override;
};
