#include "framework/graphics/BevelFrames.h"

#include "framework/graphics/AppPalette.h"
#include "framework/graphics/GraphEnv.h"

namespace {

void Stroke(TGraphEnv& env, const RGBColor& color, int x0, int y0, int x1, int y1) {
    env.SetForeColor(color);
    env.MoveTo(x0, y0);
    env.LineTo(x1, y1);
}

}  // namespace

void DrawBevelFrame(TGraphEnv& env, const ShortRect& rect, const std::int32_t* style, std::int16_t width,
                    const RGBColor& colorA, const RGBColor& colorB) {
    const RGBColor saved = env.GetForeColor();
    const bool color = IsColorDisplay();
    const RGBColor a = color ? colorA : GetStandardColor(0);
    const RGBColor b = color ? colorB : GetStandardColor(0);
    const std::int32_t code = style ? *style : 0;
    const bool topLeftB = code == kBevelSunken || code == kBevelDouble;
    const bool bottomRightB = code == kBevelRaised;
    const bool inner = code == kBevelDouble;
    const int left = rect.left, top = rect.top, right = rect.right, bottom = rect.bottom;
    for (int i = 0; i < width; ++i) {
        const int o = i + width;  // the inner band's offset
        Stroke(env, topLeftB ? b : a, left + i, top + i, right - i, top + i);
        if (inner) Stroke(env, a, left + o, top + o, right - o, top + o);
        Stroke(env, bottomRightB ? b : a, right - i, top + i, right - i, bottom - i);
        if (inner) Stroke(env, b, right - o, top + o, right - o, bottom - o);
        Stroke(env, bottomRightB ? b : a, right - i, bottom - i, left + i, bottom - i);
        if (inner) Stroke(env, b, right - o, bottom - o, left + o, bottom - o);
        Stroke(env, topLeftB ? b : a, left + i, bottom - i - 1, left + i, top + i);
        if (inner) Stroke(env, a, left + o, bottom - o - 1, left + o, top + o);
    }
    env.SetForeColor(saved);
}

void DrawSimpleBevel(TGraphEnv& env, const ShortRect& rect, std::int32_t style) {
    const RGBColor saved = env.GetForeColor();
    const RGBColor& light = GetStandardColor(1);
    const RGBColor& dark = GetStandardColor(9);
    const bool raised = style == kBevelRaised;
    env.SetForeColor(raised ? dark : light);
    env.MoveTo(rect.left, rect.bottom);
    env.LineTo(rect.left, rect.top);
    env.LineTo(rect.right, rect.top);
    env.SetForeColor(raised ? light : dark);
    env.LineTo(rect.right, rect.bottom);
    env.LineTo(rect.left, rect.bottom);
    env.SetForeColor(saved);
}
