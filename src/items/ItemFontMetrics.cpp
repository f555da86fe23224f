#include "items/ItemFontMetrics.h"

#include "items/GraphFontUser.h"
#include "items/ItemGraphEnv.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"

namespace {

void Measure(win::HDC dc, win::TEXTMETRICA& metrics, const char* text, int count, win::SIZE* extent) {
    win::GetTextMetricsA(dc, &metrics);
    if (text && extent) win::GetTextExtentPointA(dc, text, count, extent);
}

}  // namespace

void MeasureItemFont(ItemGraphEnv* env, const win::LOGFONTA& font, win::TEXTMETRICA& metrics,
                     const char* text, int count, win::SIZE* extent) {
    metrics = win::TEXTMETRICA{};
    if (extent) *extent = win::SIZE{};
    if (env && env->HasDC()) {
        const GraphFontUser use(*env, font);
        Measure(env->GetHDC(), metrics, text, count, extent);
        return;
    }
    const win::HDC screen = win::GetDC(nullptr);
    if (!screen) return;
    const win::HFONT made = win::CreateFontIndirectA(&font);
    const win::HGDIOBJ previous = made ? win::SelectObject(screen, made) : nullptr;
    Measure(screen, metrics, text, count, extent);
    if (made) {
        win::SelectObject(screen, previous);
        win::DeleteObject(made);
    }
    win::ReleaseDC(nullptr, screen);
}
