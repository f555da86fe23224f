#pragma once
// The general page of the preferences window ("General Options"): saving (fast save, autosave and
// its interval in minutes), whether several stories may be open, the pronouns of textual examples,
// the gender of new characters, whether character pictures are saved in the story, and whether a
// characteristic's notes replace or append. All of it lives in the general preferences ('PRFW');
// the autosave timer follows the page's values as soon as they are stored.

#include <cstdint>
#include <string_view>

#include "app/TWorkArea.h"

class CheckBox;
class EditView;
class Popup;

class GeneralPrefArea : public TWorkArea {
public:
    // The largest autosave interval, in minutes, that can be stored.
    static constexpr std::int16_t kMaxMinutes = 32767;

    using TWorkArea::TWorkArea;
    // Stores the values.
    ~GeneralPrefArea() override;

    void BuildItems() override;
    void LoadValues() override;
    void StoreValues() override;
    void Draw(TGraphEnv& env) override;

    // The minutes a text stands for: its leading digits (after an optional sign), 0 when there are
    // none or the number is negative, at most kMaxMinutes.
    static std::int16_t ParseMinutes(std::string_view text);

    CheckBox* GetFastSaveBox() const { return fastSave_; }
    CheckBox* GetAutoSaveBox() const { return autoSave_; }
    EditView* GetMinutesField() const { return minutes_; }
    CheckBox* GetMultipleStoriesBox() const { return multipleStories_; }
    Popup* GetPronounPopup() const { return pronouns_; }
    Popup* GetGenderPopup() const { return gender_; }
    CheckBox* GetSavePicturesBox() const { return savePictures_; }
    Popup* GetNotesPopup() const { return notes_; }

private:
    std::int16_t y0_ = 0;
    std::int16_t y1_ = 0;
    std::int16_t y2_ = 0;
    std::int16_t y3_ = 0;
    CheckBox* fastSave_ = nullptr;
    CheckBox* autoSave_ = nullptr;
    EditView* minutes_ = nullptr;
    CheckBox* multipleStories_ = nullptr;
    Popup* pronouns_ = nullptr;
    Popup* gender_ = nullptr;
    CheckBox* savePictures_ = nullptr;
    Popup* notes_ = nullptr;
};
