#include "app/TWorkArea.h"

#include "app/Fablecore.h"
#include "framework/graphics/BevelFrames.h"
#include "framework/graphics/GraphEnv.h"
#include "framework/graphics/RGBColor.h"
#include "items/ItemList.h"

namespace {

// The group frames' look: two lines of standard colours 10 and 1.
constexpr std::int16_t kFrameWidth = 2;
constexpr int kFrameDark = 10;
constexpr int kFrameLight = 1;

PreferencesManager* PreferencesOf(TAppl* application) {
    auto* fablecore = dynamic_cast<Fablecore*>(application);
    return fablecore ? fablecore->GetPreferencesManager() : nullptr;
}

}  // namespace

TWorkArea::TWorkArea(TAppl* application, FKDoc* document, ItemList* list, const ShortRect& bounds)
    : application_(application),
      preferences_(PreferencesOf(application)),
      document_(document),
      items_(list),
      bounds_(bounds) {}

TWorkArea::~TWorkArea() {
    if (!items_ || firstItem_ < 0) return;
    items_->CloseItems();
    for (std::int32_t i = items_->Count() - 1; i >= firstItem_; --i) items_->DeleteAt(i);
    items_->OpenItems();
}

void TWorkArea::MarkFirstItem() {
    if (!items_) return;
    firstItem_ = items_->Count();
    items_->CloseItems();
}

std::int32_t TWorkArea::AddItem(TItem* item) { return items_ ? items_->Append(item) : -1; }

void TWorkArea::OpenItems() {
    if (items_) items_->OpenItems();
}

void TWorkArea::DrawGroupTitle(TGraphEnv& env, const char* title, int y, int height) const {
    const int x0 = bounds_.left + 10;
    const int x1 = bounds_.right - 10;
    env.SetFont(0, 12, 0);
    env.MoveTo(x0, y);
    env.DrawText(title, 0, 0);
    const int ruleStart = env.GetPenPosition().x + 5;
    for (const int ruleY : {y - 5, y - 4}) {
        env.MoveTo(ruleStart, ruleY);
        env.LineTo(x1, ruleY);
    }
    const std::int32_t style = kBevelSunken;
    DrawBevelFrame(env, ShortRect::MakeLTRB(x0 - 6, y - 15, x1 + 5, y + height), &style, kFrameWidth,
                   GetStandardColor(kFrameDark), GetStandardColor(kFrameLight));
}
