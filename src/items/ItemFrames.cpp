#include "items/ItemFrames.h"

#include "framework/graphics/GraphEnv.h"
#include "items/TrimBox.h"

namespace {

constexpr int kWhite = 1;
constexpr int kGrey = 9;

}  // namespace

int FrameFirstColor(std::int32_t code) { return code == kFrameSunken ? kGrey : kWhite; }

int FrameSecondColor(std::int32_t code) { return code == kFrameSunken ? kWhite : kGrey; }

void DrawBevelledFrame(TGraphEnv& env, const ShortRect& rect, std::int32_t code) {
    env.SetForeStandardColor(FrameFirstColor(code));
    env.MoveTo(rect.left, rect.bottom - 1);
    env.LineTo(rect.left, rect.top);
    env.LineTo(rect.right - 1, rect.top);
    env.SetForeStandardColor(FrameSecondColor(code));
    env.LineTo(rect.right - 1, rect.bottom - 1);
    env.LineTo(rect.left, rect.bottom - 1);
}

void DrawEtchedFrame(TGraphEnv& env, const ShortRect& rect) {
    ShortRect frame = rect;
    frame.right = static_cast<std::int16_t>(frame.right - 1);
    frame.bottom = static_cast<std::int16_t>(frame.bottom - 1);
    ShortRect shadow = frame;
    shadow.Offset(1, 1);
    env.SetPattern(1);
    env.SetForeStandardColor(kWhite);
    env.FrameRect(shadow);
    env.SetForeStandardColor(kGrey);
    env.FrameRect(frame);
}
