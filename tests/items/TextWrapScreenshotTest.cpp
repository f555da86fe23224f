// One styled text wrapped and drawn left-aligned, centred and right-aligned, against a reference
// picture (data/wrapped-text.png): three columns of the same paragraphs, with bold, italic and
// underlined runs, a hanging indent (shown by the left column only), and a page-break rule.

#include <gtest/gtest.h>

#include <string>

#include "ReferencePicture.h"
#include "WrapTestSupport.h"

namespace {

using wraptest::Code;

class TextWrapScreenshotTest : public wraptest::WrapTest {
protected:
    TextWrapScreenshotTest() : WrapTest(480, 200) {}
};

TEST_F(TextWrapScreenshotTest, OneTextInEachAlignment) {
    const std::string text = Code("M(0,12,0)") + "A story asks " + Code("B+") + "one question" + Code("B-") +
                             " and its main character answers it with " + Code("I+") + "everything" +
                             Code("I-") + " she has learned.\f" + Code("M(0,0,0)") + "Then " + Code("U+") +
                             "the end" + Code("U-") + ", well-deserved and long-awaited.";
    int left = 8;
    for (int alignment : {kAlignLeft, kAlignCenter, kAlignRight}) {
        const auto wrap = Wrap(text, 144, &sans_, 8, left);
        ASSERT_FALSE(wrap->IsTooNarrow());
        wrap->Draw(env_, nullptr, 8, left, 0, left + 144, alignment);
        left += 160;
    }
    itemstest::CompareWithReference(surface_, "wrapped-text.png");
}

}  // namespace
