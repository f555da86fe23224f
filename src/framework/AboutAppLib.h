#pragma once
// The framework's about box, and the version texts of the program file that it and the story
// application's about box show.

#include <string>

#include "foundation/String.h"
#include "framework/TDialog.h"

inline constexpr std::int16_t kAboutItems = 133;

// The about box of the data file's items: its text followed by the about line of the program's
// version; its one button closes it, with Return or Escape alike.
class AboutAppLib : public TDialog {
    TOBJECT_CLASS(AboutAppLib, TDialog, 204)

public:
    AboutAppLib() : TDialog(kAboutItems, -1, -1) {}

    ErrCode SetUpItems() override;
};

// The program file's version block: the product version, and the about line "version, copyright".
class VersionStrings {
public:
    // True when both texts were found; otherwise both are empty.
    bool Read();
    const String& GetAbout() const { return about_; }
    const String& GetVersion() const { return version_; }

private:
    String about_;
    String version_;
};

// The texts into the string; false (the string left alone) when the program has no version block.
bool GetAboutText(String& text);
bool GetVersionText(String& text);
