#pragma once
// The home page's block of list buttons: one graphic button item whose entries each have a bar
// under them showing, in percent, how much of that part of the story is answered. The bars are
// items of the same item list (they go with it); the button keeps them to hide, close and frame.
//
// Bar codes 0, 1 and 2 count the chosen values among four story points of the storyform (the
// character dynamics, the plot dynamics, the overall story's domain to problem); any other code
// counts the answered questions of the topics of that progress group. The bars are measured when
// their entries are added.

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "items/GraphBtn.h"

class BarGraph;
class FKDoc;
class QuestionStatus;

class FQSProgressButton : public GraphBtn {
public:
    FQSProgressButton(FKDoc* document, ItemList* list, const ShortRect& bounds, const RGBColor& frameColor,
                      const RGBColor& textColor);
    ~FQSProgressButton() override;

    void AddEntry(const ShortRect& buttonRect, const char* label, const win::LOGFONTA& font, const ShortRect& barRect,
                  std::int16_t code);
    void UpdateBar(std::int32_t index);

    void Hide() override;
    void Close() override;
    void Draw(win::HDC dc, const Rgn& clip) override;

    BarGraph* GetBar(std::int32_t index) const { return bars_[static_cast<std::size_t>(index)]; }
    std::int32_t GetBarCount() const { return static_cast<std::int32_t>(bars_.size()); }

private:
    std::vector<BarGraph*> bars_;
    std::vector<std::int16_t> codes_;
    FKDoc* document_;
    bool barsClosed_ = false;
};

// The story point rows whose chosen share the bars of codes 0, 1 and 2 show.
extern const std::array<std::array<int, 4>, 3> kStoryformBarRows;

// The percent a bar of the code shows: for codes 0-2 of the first three entries, the share of the
// code's story point rows whose value (as `valueAt` reads it) is above 0; for any other, the
// answered share of the code's progress group; 100 when nothing is counted.
std::int32_t ProgressBarPercent(std::int32_t entry, std::int16_t code, const std::function<std::int16_t(int)>& valueAt,
                                const QuestionStatus& status);
