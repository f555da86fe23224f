#include "query/FQSHSplitter.h"

#include "framework/graphics/GraphUser.h"
#include "items/ItemGraphEnv.h"

namespace {

constexpr int kLineCount = 6;
constexpr int kDark = 0;
constexpr int kLight = 1;

}  // namespace

void FQSHSplitter::Draw(win::HDC /*dc*/, const Rgn& /*clip*/) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env) return;
    GraphAttribUser use(*env);
    const ShortRect& bounds = Bounds();
    for (int i = 0; i < kLineCount; ++i) {
        env->SetForeStandardColor(i < kLineCount / 2 ? kDark : kLight);
        const int x = bounds.left + i;
        env->FillRect(ShortRect::MakeLTRB(x, bounds.top, x + 1, bounds.bottom));
    }
}
