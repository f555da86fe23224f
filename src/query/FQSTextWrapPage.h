#pragma once
// The recap page: a scrolling, wrapped text that lists the story's structural choices so far,
// composed for the page record's recap type ("TP") and followed by its free text ("TX1"). A recap
// with help line 0 hides the window's help pane while it shows.

#include <cstdint>

#include "query/FQSPage.h"

class TextWrapView;

class FQSTextWrapPage : public FQSPage {
public:
    void Build() override;
    void Release() override;

    std::int16_t GetRecapType() const { return recapType_; }
    TextWrapView* GetView() const { return view_; }
    // The recap as composed for the view (before its macros are expanded).
    const std::string& GetRecapText() const { return recap_; }

private:
    std::int16_t recapType_ = 0;
    TextWrapView* view_ = nullptr;
    std::string recap_;
};
