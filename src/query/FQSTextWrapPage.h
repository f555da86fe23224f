#pragma once
// The recap page: a scrolling, wrapped text that lists the story's structural choices so far,
// composed for the page record's recap type ("TP") and followed by its free text ("TX1"). A recap
// with help line 0 hides the window's help pane while it shows and fills the page; any other recap
// starts short and grows with the page, so that the help pane keeps its room below it.

#include <cstdint>

#include "query/FQSPage.h"

class TextWrapView;

class FQSTextWrapPage : public FQSPage {
public:
    // The height the view has before the window stretches the page.
    static constexpr std::int16_t kShortestView = 100;

    void Build() override;
    void Release() override;
    std::int32_t GetStretchWeight() const override { return 1; }
    void GrowContent(std::int32_t dh) override;

    std::int16_t GetRecapType() const { return recapType_; }
    TextWrapView* GetView() const { return view_; }
    // The recap as composed for the view (before its macros are expanded).
    const std::string& GetRecapText() const { return recap_; }

private:
    std::int16_t recapType_ = 0;
    TextWrapView* view_ = nullptr;
    ShortRect viewRect_;
    std::string recap_;
};
