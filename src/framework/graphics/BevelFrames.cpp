#include "framework/graphics/BevelFrames.h"

#include <utility>
#include <vector>

#include "framework/graphics/AppPalette.h"
#include "framework/graphics/GraphEnv.h"

namespace {

struct BevelLine {
    bool rightOrBottom;  // a right or bottom edge, else a top or left one
    bool colorB;         // drawn in colour B, else in colour A
    int x0, y0, x1, y1;
};

// The frame's lines, band by band from the outside in: top, right, bottom and left of each (and of
// the inner band of a double frame). A line reaches its last pixel, so a band's right edge covers
// the end of its top edge, and its bottom edge the end of its right edge.
std::vector<BevelLine> BevelLines(const ShortRect& rect, std::int32_t code, int width) {
    const bool topLeftB = code == kBevelSunken || code == kBevelDouble;
    const bool bottomRightB = code == kBevelRaised;
    const bool inner = code == kBevelDouble;
    const int left = rect.left, top = rect.top, right = rect.right, bottom = rect.bottom;
    std::vector<BevelLine> lines;
    for (int i = 0; i < width; ++i) {
        const int o = i + width;  // the inner band's offset
        lines.push_back({false, topLeftB, left + i, top + i, right - i, top + i});
        if (inner) lines.push_back({false, false, left + o, top + o, right - o, top + o});
        lines.push_back({true, bottomRightB, right - i, top + i, right - i, bottom - i});
        if (inner) lines.push_back({true, true, right - o, top + o, right - o, bottom - o});
        lines.push_back({true, bottomRightB, right - i, bottom - i, left + i, bottom - i});
        if (inner) lines.push_back({true, true, right - o, bottom - o, left + o, bottom - o});
        lines.push_back({false, topLeftB, left + i, bottom - i - 1, left + i, top + i});
        if (inner) lines.push_back({false, false, left + o, bottom - o - 1, left + o, top + o});
    }
    return lines;
}

// Whether the innermost band still has an inside. Then the bands nest and lines share pixels only
// where a band's edges meet: its top and left edges (one colour), its right and bottom edges (one
// colour), and the top edge's end under the right edge.
bool BandsNest(const ShortRect& rect, std::int32_t code, int width) {
    const int innermost = (code == kBevelDouble ? 2 * width : width) - 1;
    return rect.left + innermost < rect.right - innermost && rect.top + innermost < rect.bottom - innermost;
}

void Stroke(TGraphEnv& env, const BevelLine& line) {
    env.MoveTo(line.x0, line.y0);
    env.LineTo(line.x1, line.y1);
}

}  // namespace

// The lines of nested bands are drawn top and left edges first, then right and bottom edges, each
// colour by colour: the pixels come out as drawn line by line, with a few pen changes instead of
// one for every line.
void DrawBevelFrame(TGraphEnv& env, const ShortRect& rect, const std::int32_t* style, std::int16_t width,
                    const RGBColor& colorA, const RGBColor& colorB) {
    const RGBColor saved = env.GetForeColor();
    const bool color = IsColorDisplay();
    const RGBColor a = color ? colorA : GetStandardColor(0);
    const RGBColor b = color ? colorB : GetStandardColor(0);
    const std::int32_t code = style ? *style : 0;
    const std::vector<BevelLine> lines = BevelLines(rect, code, width);
    if (BandsNest(rect, code, width)) {
        // The second edges start with the colour the first ones ended with.
        for (const auto& [rightOrBottom, inB] : {std::pair{false, false}, std::pair{false, true},
                                                 std::pair{true, true}, std::pair{true, false}}) {
            bool penSet = false;
            for (const BevelLine& line : lines) {
                if (line.rightOrBottom != rightOrBottom || line.colorB != inB) continue;
                if (!penSet) env.SetForeColor(inB ? b : a);
                penSet = true;
                Stroke(env, line);
            }
        }
    } else {
        for (const BevelLine& line : lines) {
            env.SetForeColor(line.colorB ? b : a);
            Stroke(env, line);
        }
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
