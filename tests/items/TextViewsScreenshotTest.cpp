// A window holding a wrapped text view and a rich text view, each showing the same styled text,
// against a reference picture (data/text-views.png): bold, italic and underlined runs and a hanging
// indent; the wrapped view framed with its vertical bar, the rich view with its sunken edge.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ItemWindowFixture.h"
#include "ReferencePicture.h"
#include "WrapTestSupport.h"
#include "framework/graphics/FontMapping.h"
#include "items/RichTextView.h"
#include "items/TextWrap.h"
#include "items/TextWrapView.h"

namespace {

using wraptest::Code;
using wraptest::Margins;

class TextViewsScreenshotTest : public itemstest::ItemWindowTest {};

TEST_F(TextViewsScreenshotTest, AWrappedAndARichViewOfOneStyledText) {
    const std::string text = "A story asks " + Code("B+") + "one question" + Code("B-") + " and its " +
                             Code("I+") + "main character" + Code("I-") + " answers it.\n" +
                             Margins(0, 12, 0) + "Then " + Code("U+") + "the end" + Code("U-") +
                             ", well-deserved and long-awaited, with a hanging indent on every later line.";
    win::LOGFONTA font;
    MakeLogFont(font, 5, 10, 0);

    const ShortRect left = ShortRect::MakeLTRB(10, 10, 190, 150);
    auto* wrapped = Add(new TextWrapView(
        [](IStoryDocument*, TGraphEnv& env, ShortRect& rect, const char* shown, const win::LOGFONTA& base) {
            return std::make_unique<TextWrap>(env, rect, shown, base);
        },
        nullptr, list_, TView::kVertScrollBar, &left, 0, RGBColor(0)));
    wrapped->SetFontSpec(font);
    wrapped->SetText(text.c_str());

    const ShortRect right = ShortRect::MakeLTRB(200, 10, 390, 150);
    auto* rich = Add(new RichTextView(nullptr, nullptr, list_, 0, &right, 0, RGBColor(0)));
    rich->SetFont(font);
    rich->SetText(text.c_str());
    Pump();
    itemstest::CompareWithReference(win::GetScreenSurface(), "text-views.png");
}

}  // namespace
