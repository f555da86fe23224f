#include "query/FQSPageControls.h"

#include "framework/graphics/RGBColor.h"

namespace {

constexpr std::int16_t kFontSize = 12;
// The longest item line a popup takes.
constexpr std::size_t kItemLineLimit = 2047;

RGBColor Black() { return GetStandardColor(0); }

}  // namespace

FQSPushBtn::FQSPushBtn(ItemList* list, const char* title, const ShortRect& bounds,
                       std::unique_ptr<FQSInterpretation> action)
    : PushBtn(list, title, 0, &bounds, 0, Black(), 0, 0, 0, kFontSize, 0, 0), action_(std::move(action)) {}

FQSCheckBox::FQSCheckBox(ItemList* list, const char* title, const ShortRect& bounds,
                         std::unique_ptr<FQSInterpretation> binding)
    : CheckBox(list, title, 0, &bounds, 0, Black(), 0, 0, 0, kFontSize, 0, 0), binding_(std::move(binding)) {}

FQSRadioBtn::FQSRadioBtn(ItemList* list, const char* title, const ShortRect& bounds)
    : RadioBtn(list, title, 0, &bounds, 0, Black(), 0, 0, 0, kFontSize, 0, 0) {}

FQSRadioBtn::~FQSRadioBtn() = default;

FQSPopup::FQSPopup(ItemList* list, std::unique_ptr<FQSInterpretation> binding, const char* items,
                   const ShortRect& bounds)
    : Popup(list, &bounds, "", 0, Black(), 0, nullptr, 0, kFontSize, 0), binding_(std::move(binding)) {
    for (const std::string& line : SplitPopupItems(items)) AddItem(line.c_str());
}

std::vector<std::string> SplitPopupItems(const char* text) {
    std::vector<std::string> lines;
    if (!text) return lines;
    const char* start = text;
    for (const char* at = text;; ++at) {
        if (*at != '\0' && *at != '\n' && *at != '\r') continue;
        if (at > start) lines.emplace_back(start, std::min(static_cast<std::size_t>(at - start), kItemLineLimit));
        if (*at == '\0') break;
        start = at + 1;
    }
    return lines;
}
