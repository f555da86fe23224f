#pragma once
// Wrapped text on a white surface, laid out in a fixed-width face (every byte as wide as any other,
// in every style, so hand-worked lines are counts of characters) or in a proportional one.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/FontMapping.h"
#include "framework/graphics/SimpleGraphEnv.h"
#include "items/TextWrap.h"
#include "platform/gdi/GdiTestSupport.h"

namespace wraptest {

inline std::string Code(const std::string& body) { return "\xC7" + body + "\xC8"; }
inline std::string Margins(int first, int left, int right) {
    return Code("M(" + std::to_string(first) + "," + std::to_string(left) + "," + std::to_string(right) +
                ")");
}

class WrapTest : public gditest::SurfaceTest {
protected:
    explicit WrapTest(int width = 480, int height = 240) : SurfaceTest(width, height) {
        env_.SetDC(dc_);
        env_.Begin();
        env_.ResetAttributes();
        MakeLogFontByName(mono_, "Courier New", -13, 0);
        MakeLogFontByName(sans_, "Arial", -13, 0);
        env_.SetFontIndirect(mono_);
        advance_ = env_.TextWidth("m", 1);
    }
    ~WrapTest() override {
        env_.End();
        env_.DetachDC();
    }

    // The text laid out from (top, left) in a rectangle of the width, in the fixed-width face
    // unless another font is given.
    std::unique_ptr<TextWrap> Wrap(const std::string& text, int width, const win::LOGFONTA* font = nullptr,
                                   int top = 0, int left = 0) {
        ShortRect rect = ShortRect::MakeLTRB(left, top, left + width, top);
        return std::make_unique<TextWrap>(env_, rect, text.c_str(), font ? *font : mono_);
    }
    // Each line's bytes, codes and line ends included.
    static std::vector<std::string> Lines(const TextWrap& wrap) {
        std::vector<std::string> lines;
        const std::string text = wrap.GetText();
        for (std::uint32_t i = 0; i < wrap.GetLineCount(); ++i) {
            const std::uint32_t start = wrap.GetLineStart(i);
            lines.push_back(text.substr(start, wrap.GetLine(i).end - start + 1));
        }
        return lines;
    }
    // Width of the text in the font with the style bits.
    int WidthIn(const win::LOGFONTA& font, std::int32_t style, const std::string& text) {
        win::LOGFONTA styled = font;
        SetLogFontStyle(styled, style);
        env_.SetFontIndirect(styled);
        return env_.TextWidth(text.c_str(), static_cast<int>(text.size()));
    }

    SimpleGraphEnv env_;
    win::LOGFONTA mono_;
    win::LOGFONTA sans_;
    int advance_ = 0;
};

}  // namespace wraptest
