// Drawing wrapped styled text: whole texts clipped to a view's update region, or line by line on
// paper.

#include <algorithm>

#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphEnv.h"
#include "framework/graphics/GraphUser.h"
#include "framework/graphics/Rgn.h"
#include "items/TextWrap.h"
#include "items/ViewDrawContext.h"

namespace {

// The most bytes one text call draws.
constexpr std::uint32_t kMaxRunBytes = 32767;
// The colour of the rule under a line that ends in a page break.
constexpr int kPageRuleColor = 8;

bool EndsLine(char byte) { return byte == '\n' || byte == '\r' || byte == '\f'; }

// Whether an aligned line's width leaves out its last byte: a line end or a tab always, a blank
// when the line is drawn from the right (or, for plain lines, centred as well).
bool LeavesOutLastByte(char byte, bool blankToo) {
    return EndsLine(byte) || byte == '\t' || (blankToo && byte == ' ');
}

}  // namespace

void TextWrap::Draw(TGraphEnv& env, const ViewDrawContext* context, int top, int left, int /*bottom*/,
                    int right, int alignment) {
    if (lines_.empty()) return;
    GraphUser use(env);
    env.SetFontIndirect(font_);
    int rangeTop = top;
    int rangeBottom = top + totalHeight_;
    if (context && context->region) {
        ShortRect box;
        context->region->GetBounds(box);
        rangeTop = box.top;
        rangeBottom = box.bottom;
    }
    int y = top;
    std::uint32_t change = 0;
    for (std::uint32_t line = 0; line < lines_.size() && y < rangeBottom; ++line) {
        const int height = lines_[line].height;
        const bool visible = std::max(y, rangeTop) < std::min(y + height, rangeBottom);
        if (!changes_.empty()) {
            DrawStyledLine(env, line, left, y, visible, change, false, alignment);
        } else if (visible) {
            DrawPlainLine(env, line, left, y, right, alignment);
        }
        if (visible && HasPageBreakAfter(line)) {
            const RGBColor text = env.GetForeColor();
            env.SetForeStandardColor(kPageRuleColor);
            env.MoveTo(left, y + height);
            env.LineTo(left + rect_.Width(), y + height);
            env.SetForeColor(text);
        }
        y += height;
    }
}

void TextWrap::DrawLine(TGraphEnv& env, const ShortRect& rect, std::uint32_t line, int alignment,
                        bool resetFont) {
    if (line >= lines_.size()) return;
    GraphUser use(env);
    if (changes_.empty()) {
        if (resetFont) {
            font_ = baseFont_;
            env.SetFontIndirect(font_);
        }
        DrawPlainLine(env, line, rect.left, rect.top, rect.right, alignment);
        return;
    }
    // The style in force where a line starts is known once the lines before it were drawn; lines
    // skipped over are walked without drawing.
    if (lineStartCache_.empty()) lineStartCache_.push_back(0);
    while (lineStartCache_.size() <= line) {
        std::uint32_t change = lineStartCache_.back();
        DrawStyledLine(env, static_cast<std::uint32_t>(lineStartCache_.size() - 1), 0, 0, false, change,
                       false, alignment);
        lineStartCache_.push_back(change);
    }
    std::uint32_t change = lineStartCache_[line];
    DrawStyledLine(env, line, rect.left, rect.top, true, change, resetFont, alignment);
    if (line + 1 < lineStartCache_.size()) {
        lineStartCache_[line + 1] = change;
    } else {
        lineStartCache_.push_back(change);
    }
}

void TextWrap::DrawPlainLine(TGraphEnv& env, std::uint32_t line, int x, int y, int rightEdge, int alignment) {
    const std::uint32_t start = GetLineStart(line);
    const std::uint32_t end = lines_[line].end;
    const int baseline = y + lines_[line].ascent;
    if (alignment == kAlignCenter || alignment == kAlignRight) {
        const std::uint32_t count = end - start + 1 - (LeavesOutLastByte(text_[end], true) ? 1 : 0);
        const int width =
            env.TextWidth(text_.c_str() + start, static_cast<int>(count)) + HyphenWidth(env, line);
        const int left = alignment == kAlignRight ? rightEdge - width : x + ((rightEdge - x) - width) / 2;
        env.MoveTo(left, baseline);
    } else {
        env.MoveTo(x, baseline);
    }
    DrawRun(env, start, end);
    DrawHyphen(env, line);
}

void TextWrap::DrawStyledLine(TGraphEnv& env, std::uint32_t line, int x, int y, bool visible,
                              std::uint32_t& change, bool forceFont, int alignment) {
    const std::uint32_t start = GetLineStart(line);
    const std::uint32_t end = lines_[line].end;

    // Calls visit (run start, run end, style, last run of the line) for each run of the line that
    // holds bytes, and answers the style change in force after the line.
    auto walk = [&](auto&& visit) {
        std::uint32_t current = change;
        const StyleChange& first = changes_[current];
        std::uint32_t runStart = start == first.position - first.codeLength ? first.position : start;
        while (true) {
            const StyleChange* next = current + 1 < changes_.size() ? &changes_[current + 1] : nullptr;
            std::int64_t runEnd = end;
            if (next)
                runEnd = std::min<std::int64_t>(end, std::int64_t{next->position} - next->codeLength - 1);
            if (runStart <= runEnd) {
                visit(runStart, static_cast<std::uint32_t>(runEnd), styles_[changes_[current].styleIndex],
                      !next || next->position > end);
            }
            if (!next || (next->position > end && next->position - next->codeLength != end + 1)) break;
            ++current;
            runStart = next->position;
            if (runStart > end) break;
        }
        return current;
    };

    if (!visible) {
        change = walk([](std::uint32_t, std::uint32_t, const TextStyle&, bool) {});
        return;
    }
    const int baseline = y + lines_[line].ascent;
    auto useStyle = [&](const TextStyle& style) {
        if (!forceFont && style.styleBits == static_cast<std::uint32_t>(GetLogFontStyle(font_))) return;
        SetLogFontStyle(font_, static_cast<std::int32_t>(style.styleBits));
        env.SetFontIndirect(font_);
    };
    bool placed = false;
    auto drawRun = [&](int left, std::uint32_t runStart, std::uint32_t runEnd, const TextStyle& style) {
        useStyle(style);
        if (!placed) {
            env.MoveTo(left, baseline);
            placed = true;
        }
        DrawRun(env, runStart, runEnd);
    };

    if (alignment != kAlignCenter && alignment != kAlignRight) {
        // The first run's style gives the line's indent.
        const bool paragraph = BeginsParagraph(line);
        change = walk([&](std::uint32_t runStart, std::uint32_t runEnd, const TextStyle& style, bool) {
            drawRun(x + (paragraph ? style.first : style.left), runStart, runEnd, style);
        });
        DrawHyphen(env, line);
        return;
    }
    // Centred and right: the runs are measured, then drawn one after the other from where their
    // width puts the first. A run inside the line is measured whole, as it is drawn.
    int width = 0;
    walk([&](std::uint32_t runStart, std::uint32_t runEnd, const TextStyle& style, bool last) {
        useStyle(style);
        const bool leaveOut = last && LeavesOutLastByte(text_[runEnd], alignment == kAlignRight);
        width += env.TextWidth(text_.c_str() + runStart,
                               static_cast<int>(runEnd - runStart + 1 - (leaveOut ? 1 : 0)));
    });
    const int room = rect_.Width() - width - HyphenWidth(env, line);
    const int left = x + (alignment == kAlignRight ? room : room / 2);
    change = walk([&](std::uint32_t runStart, std::uint32_t runEnd, const TextStyle& style, bool) {
        drawRun(left, runStart, runEnd, style);
    });
    DrawHyphen(env, line);
}

void TextWrap::DrawRun(TGraphEnv& env, std::uint32_t start, std::uint32_t end) {
    std::uint32_t count = end - start + 1 - (EndsLine(text_[end]) ? 1 : 0);
    while (count > 0) {
        const std::uint32_t part = std::min(count, kMaxRunBytes);
        env.TextOutAligned(text_.c_str(), static_cast<std::int32_t>(start), static_cast<std::int16_t>(part));
        start += part;
        count -= part;
    }
}

void TextWrap::DrawHyphen(TGraphEnv& env, std::uint32_t line) {
    if (lines_[line].hyphenated) env.TextOutAligned("-", 0, 1);
}

int TextWrap::HyphenWidth(TGraphEnv& env, std::uint32_t line) const {
    return lines_[line].hyphenated ? env.TextWidth("-", 1) : 0;
}

bool TextWrap::BeginsParagraph(std::uint32_t line) const {
    if (line == 0) return true;
    const char previousEnd = text_[lines_[line - 1].end];
    return previousEnd == '\n' || previousEnd == '\r';
}
