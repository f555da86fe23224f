#pragma once
// The query-system page of the preferences window ("Query System"): which key advances to the next
// question, whether the query pages are painted in the throughline colours, the five throughline
// colours themselves (set in the colour dialog), whether a plain click toggles a help button, and
// whether the topic list closes the branches that Prev and Next leave. The switches live in the
// query system's preferences ('FQS '), the colours in the general preferences.

#include <cstdint>

#include "app/TWorkArea.h"

class CheckBox;
class Popup;
class PushBtn;

class FQSPrefArea : public TWorkArea {
public:
    // The names of the throughlines in the colour dialog, templates expanded for the story, and the
    // most characters a name keeps.
    static const char* const kThroughlineNames[5];
    static constexpr std::size_t kNameLength = 40;

    using TWorkArea::TWorkArea;
    // Stores the values.
    ~FQSPrefArea() override;

    void BuildItems() override;
    void LoadValues() override;
    void StoreValues() override;
    void Draw(TGraphEnv& env) override;
    // "Set Colors..." asks for the five colours; when any changed, they are kept and the story's query
    // and plot progression windows close (they show the colours).
    void ItemHit(std::int32_t index) override;

    Popup* GetAdvancePopup() const { return advance_; }
    CheckBox* GetColorsBox() const { return throughlineColors_; }
    std::int32_t GetSetColorsItem() const { return setColorsItem_; }
    Popup* GetHelpPopup() const { return helpToggle_; }
    CheckBox* GetAutoCloseBox() const { return autoClose_; }

private:
    // The settings as the advance and help popups show them: 1 for Enter, 1 for a click.
    std::int16_t AdvanceValue() const;
    std::int16_t HelpToggleValue() const;

    std::int16_t y0_ = 0;
    std::int16_t y1_ = 0;
    std::int16_t y2_ = 0;
    std::int16_t y3_ = 0;
    Popup* advance_ = nullptr;
    CheckBox* throughlineColors_ = nullptr;
    PushBtn* setColors_ = nullptr;
    Popup* helpToggle_ = nullptr;
    CheckBox* autoClose_ = nullptr;
    std::int32_t setColorsItem_ = -1;
};
