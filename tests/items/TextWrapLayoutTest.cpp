// Styled text broken into lines, against lines worked out by hand in a fixed-width face.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "WrapTestSupport.h"
#include "storymodel/ExpandedTextWrap.h"

namespace {

using LineList = std::vector<std::string>;
using wraptest::Code;
using wraptest::Margins;

const std::string kBoldStart = Code("B+");

class TextWrapLayoutTest : public wraptest::WrapTest {
protected:
    LineList LinesOf(const std::string& text, int characters) {
        return Lines(*Wrap(text, characters * advance_));
    }
};

TEST_F(TextWrapLayoutTest, TheFaceIsFixedWidthInEveryStyle) {
    ASSERT_GT(advance_, 2);
    for (std::int32_t style : {0, 1, 2, 3}) {
        EXPECT_EQ(WidthIn(mono_, style, "il-W \xC7\xC8"), 7 * advance_) << style;
    }
}

TEST_F(TextWrapLayoutTest, LinesBreakAfterTheLastSpaceOrHyphenThatFits) {
    EXPECT_EQ(LinesOf("aaaa bbbb cccc", 10), (LineList{"aaaa bbbb ", "cccc"}));
    // The hyphen stays on the first line.
    EXPECT_EQ(LinesOf("well-known word", 8), (LineList{"well-", "known ", "word"}));
    // Blanks run past the width; the line breaks at the last of them.
    EXPECT_EQ(LinesOf("abcd      efgh", 5), (LineList{"abcd      ", "efgh"}));
    // The new line is charged the break byte's width: "cdefgh" would fit six places, but the blank
    // before it counts, so the word is cut.
    EXPECT_EQ(LinesOf("ab cdefgh", 6), (LineList{"ab ", "cdefg", "h"}));
}

TEST_F(TextWrapLayoutTest, AWordLongerThanTheLineIsCutWhereItOverflows) {
    EXPECT_EQ(LinesOf("abcdefghijkl", 5), (LineList{"abcde", "fghij", "kl"}));
    // Width for five and a half characters: still five.
    EXPECT_EQ(Lines(*Wrap("abcdefghijkl", 5 * advance_ + advance_ / 2)), (LineList{"abcde", "fghij", "kl"}));
}

// A wrap that hyphenates its cuts, as the printed texts' wraps do: a cut word's line keeps what fits
// beside its hyphen ("-" marks it here), the rest goes on. Lines broken between words take none,
// nor does a line too narrow for a byte and a hyphen.
TEST_F(TextWrapLayoutTest, AWrapThatHyphenatesCutsLeavesRoomForTheHyphen) {
    struct Hyphenating : TextWrap {
        Hyphenating(TGraphEnv& env, ShortRect rect, const std::string& text, const win::LOGFONTA& font)
            : TextWrap(env, rect, "", font) {
            SetHyphenatesCuts(true);
            Layout(env, text.c_str());
        }
    };
    const auto lines = [&](const std::string& text, int width) {
        const Hyphenating wrap(env_, ShortRect::MakeLTRB(0, 0, width, 0), text, mono_);
        LineList marked = Lines(wrap);
        for (std::uint32_t line = 0; line < wrap.GetLineCount(); ++line)
            if (wrap.GetLine(line).hyphenated) marked[line] += "-";
        return marked;
    };
    EXPECT_EQ(lines("abcdefghijkl xy", 5 * advance_), (LineList{"abcd-", "efgh-", "ijkl ", "xy"}));
    EXPECT_EQ(lines(kBoldStart + "abcdefg", 5 * advance_), (LineList{kBoldStart + "abcd-", "efg"}));
    EXPECT_EQ(lines("abc", advance_ + advance_ / 2), (LineList{"a", "b", "c"}));
    // Three bytes at least go on, and three at least stay where the line holds more.
    EXPECT_EQ(lines("abcdef.", 5 * advance_), (LineList{"abc-", "def."}));
    EXPECT_EQ(lines("abcde", 4 * advance_), (LineList{"abc-", "de"}));
}

TEST_F(TextWrapLayoutTest, LineEndsEndLinesByThemselves) {
    EXPECT_EQ(LinesOf("a\r\nb", 10), (LineList{"a\r", "\n", "b"}));
    EXPECT_EQ(LinesOf("ab\n", 10), (LineList{"ab\n"}));
    EXPECT_EQ(LinesOf("ab\n\ncd\re", 10), (LineList{"ab\n", "\n", "cd\r", "e"}));
    EXPECT_EQ(LinesOf("\n", 10), (LineList{"\n"}));
}

TEST_F(TextWrapLayoutTest, AFormFeedBreaksThePageWithoutStartingAParagraph) {
    const auto wrap = Wrap("ab\fcd\fe", 10 * advance_);
    EXPECT_EQ(Lines(*wrap), (LineList{"ab\f", "cd\f", "e"}));
    EXPECT_TRUE(wrap->HasPageBreakAfter(0));
    EXPECT_TRUE(wrap->HasPageBreakAfter(1));
    EXPECT_FALSE(wrap->HasPageBreakAfter(2));

    // After a broken first line, a form feed keeps the later lines' room; a line feed gives the
    // next line the first line's room again.
    const std::string start = Margins(3 * advance_, 0, 0) + "aaaaaaa aaa";
    EXPECT_EQ(LinesOf(start + "\fbbbbbbbbbb", 10),
              (LineList{Margins(3 * advance_, 0, 0) + "aaaaaaa ", "aaa\f", "bbbbbbbbbb"}));
    EXPECT_EQ(LinesOf(start + "\nbbbbbbbbbb", 10),
              (LineList{Margins(3 * advance_, 0, 0) + "aaaaaaa ", "aaa\n", "bbbbbbb", "bbb"}));
}

TEST_F(TextWrapLayoutTest, MarginsGiveTheFirstLineAndTheLaterLinesTheirRoom) {
    // A hanging indent: the first line has two places more than the later ones.
    const std::string hanging = Margins(advance_, 3 * advance_, 0);
    EXPECT_EQ(LinesOf(hanging + std::string(25, 'x'), 12),
              (LineList{hanging + std::string(11, 'x'), std::string(9, 'x'), std::string(5, 'x')}));
    // The right margin takes room from every line, at once where the code stands.
    const std::string right = Margins(0, 0, 5 * advance_);
    EXPECT_EQ(LinesOf("xxxx" + right + "xxxxxxxx", 10), (LineList{"xxxx" + right + "x", "xxxxx", "xx"}));
    // A new paragraph gets the first line's room again.
    EXPECT_EQ(LinesOf(hanging + std::string(13, 'x') + "\n" + std::string(12, 'y'), 12),
              (LineList{hanging + std::string(11, 'x'), "xx\n", std::string(11, 'y'), "y"}));
}

TEST_F(TextWrapLayoutTest, CodesTakeNoRoomAndAdjacentOnesFormOneGroup) {
    const std::string text = "abc" + kBoldStart + Code("I+") + "def";
    const auto wrap = Wrap(text, 6 * advance_);
    EXPECT_EQ(Lines(*wrap), (LineList{text}));
    ASSERT_EQ(wrap->GetStyleChangeCount(), 2u);
    // The plain start, then one group of both codes.
    EXPECT_EQ(wrap->GetStyleChange(0).position, 0u);
    EXPECT_EQ(wrap->GetStyleChange(0).codeLength, 0u);
    EXPECT_EQ(wrap->GetStyle(wrap->GetStyleChange(0).styleIndex).styleBits, 0u);
    EXPECT_EQ(wrap->GetStyleChange(1).position, 11u);
    EXPECT_EQ(wrap->GetStyleChange(1).codeLength, 8u);
    EXPECT_EQ(wrap->GetStyle(wrap->GetStyleChange(1).styleIndex).styleBits, 3u);

    // Equal styles share an entry; a text that starts with a code needs no plain start.
    const auto repeated =
        Wrap(kBoldStart + "a" + Code("B-") + "b" + kBoldStart + "c" + Margins(1, 2, 3) + "d", 40 * advance_);
    EXPECT_EQ(repeated->GetStyleChangeCount(), 4u);
    EXPECT_EQ(repeated->GetStyleCount(), 3u);
    EXPECT_EQ(repeated->GetStyleChange(2).styleIndex, repeated->GetStyleChange(0).styleIndex);
    const TextStyle& last = repeated->GetStyle(repeated->GetStyleChange(3).styleIndex);
    EXPECT_EQ(last, (TextStyle{1, 1, 2, 3}));
}

TEST_F(TextWrapLayoutTest, CodesThatAreNotWellFormedAreLaidOutAsText) {
    EXPECT_EQ(LinesOf("ab" + Code("X+") + "cd", 5), (LineList{"ab\xC7X+",
                                                              "\xC8"
                                                              "cd"}));
    EXPECT_EQ(LinesOf("ab" + Code("B*") + "cd", 20), (LineList{"ab" + Code("B*") + "cd"}));
    const auto unclosed = Wrap(
        "ab\xC7"
        "B+ and more \xC7",
        40 * advance_);
    EXPECT_EQ(Lines(*unclosed), (LineList{"ab\xC7"
                                          "B+ and more \xC7"}));
    EXPECT_EQ(unclosed->GetStyleChangeCount(), 0u);

    // A text made only of codes has no lines.
    const auto codes = Wrap(kBoldStart + Margins(1, 1, 1), 10 * advance_);
    EXPECT_EQ(codes->GetLineCount(), 0u);
    EXPECT_EQ(codes->GetStyleChangeCount(), 1u);
}

TEST_F(TextWrapLayoutTest, EveryLineHoldsAByteHoweverNarrowTheWidth) {
    // A hyphen carried over and the byte after it overflow a line that holds the byte alone.
    EXPECT_EQ(Lines(*Wrap("a-b", advance_ + advance_ / 2)), (LineList{"a-", "b"}));
    EXPECT_EQ(Lines(*Wrap("ab-cd-ef", advance_ + 1)), (LineList{"a", "b-", "c", "d-", "e", "f"}));

    // A byte as wide as the line takes a line of its own, and the wrap says the width was short.
    const auto narrow = Wrap("abc", advance_);
    EXPECT_EQ(Lines(*narrow), (LineList{"a", "b", "c"}));
    EXPECT_TRUE(narrow->IsTooNarrow());
    EXPECT_FALSE(Wrap("abc", advance_ + 1)->IsTooNarrow());
    // A first-line margin wider than the line: nothing of the text is lost.
    const std::string wide = Margins(20 * advance_, 0, 0);
    const auto margin = Wrap(wide + "abc def", 10 * advance_);
    EXPECT_EQ(Lines(*margin), (LineList{wide + "a", "bc def"}));
    EXPECT_TRUE(margin->IsTooNarrow());
}

TEST_F(TextWrapLayoutTest, EveryLayoutCoversTheWholeTextInLinesThatFit) {
    // Every text of up to five pieces from a small set, at every width from none to twelve places.
    const std::vector<std::string> pieces = {"a",  " ",        "-",
                                             "\n", kBoldStart, Margins(advance_, 2 * advance_, advance_)};
    std::vector<std::string> texts = {""};
    for (int length = 1; length <= 5; ++length) {
        std::vector<std::string> longer;
        for (const std::string& text : texts) {
            if (static_cast<int>(text.size()) < length - 1) continue;
            for (const std::string& piece : pieces) longer.push_back(text + piece);
        }
        texts.insert(texts.end(), longer.begin(), longer.end());
    }
    std::mt19937 random(24);
    for (int i = 0; i < 300; ++i) {
        std::string text;
        for (int j = 0; j < 30; ++j) text += pieces[random() % pieces.size()];
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        for (int places = 0; places <= 12; ++places) {
            const int width = places * advance_ + (places % 3 == 1 ? advance_ / 2 : 0);
            const auto wrap = Wrap(text, width);
            const std::string laid = wrap->GetText();
            std::uint32_t start = 0;
            for (std::uint32_t i = 0; i < wrap->GetLineCount(); ++i) {
                const std::uint32_t end = wrap->GetLine(i).end;
                ASSERT_GE(end, start) << "line " << i << " of '" << text << "' at " << places;
                // The line's bytes without codes and its line end, less what may run past the
                // room: its break hyphen and the blanks before that. Every other byte fits under
                // the margins, unless the wrap said the width was short.
                std::string line = laid.substr(start, end - start + 1);
                std::string shown(line.size() + 1, '\0');
                shown.resize(StripStyleCodes(line.c_str(), shown.data(), 0xFFFFFFFF));
                if (!shown.empty() && shown.back() == '\n') shown.pop_back();
                if (!shown.empty() && shown.back() == '-') shown.pop_back();
                while (!shown.empty() && shown.back() == ' ') shown.pop_back();
                // Margins only take room, so the room where the line starts bounds it; the bytes
                // a break carries from a first line keep the first line's room.
                const bool hasMargins = laid.substr(0, start).find("M(") != std::string::npos;
                const int room = width - (hasMargins ? 2 * advance_ : 0);
                if (!wrap->IsTooNarrow()) {
                    EXPECT_LE(static_cast<int>(shown.size()) * advance_, std::max(room, 0))
                        << "line " << i << " of '" << text << "' at " << places;
                }
                EXPECT_LE(static_cast<int>(shown.size()) * advance_, wrap->GetWidestLine());
                start = end + 1;
            }
            // Nothing but codes after the last line.
            std::string rest(laid.size() - start + 1, '\0');
            EXPECT_EQ(StripStyleCodes(laid.c_str() + start, rest.data(), 0xFFFFFFFF), 0u)
                << "'" << text << "' at " << places;
        }
    }
}

TEST_F(TextWrapLayoutTest, TheWidestLineCountsLinesClosedByTheirLineEnd) {
    EXPECT_EQ(Wrap("abc\nde", 20 * advance_)->GetWidestLine(), 3 * advance_);
    EXPECT_EQ(Wrap("ab\nc\fdefg\n", 20 * advance_)->GetWidestLine(), 4 * advance_);
    EXPECT_EQ(Wrap("aaaa bbbb cccc", 10 * advance_)->GetWidestLine(), 9 * advance_);
}

TEST_F(TextWrapLayoutTest, TheStartingStyleIsTheBaseFontsOwn) {
    win::LOGFONTA bold = sans_;
    SetLogFontStyle(bold, 1);
    const auto wrap = Wrap("ab" + Code("B-") + "cd" + Code("I+") + "e", 200, &bold);
    ASSERT_EQ(wrap->GetStyleChangeCount(), 3u);
    EXPECT_EQ(wrap->GetStyle(wrap->GetStyleChange(0).styleIndex).styleBits, 1u);
    EXPECT_EQ(wrap->GetStyle(wrap->GetStyleChange(1).styleIndex).styleBits, 0u);
    EXPECT_EQ(wrap->GetStyle(wrap->GetStyleChange(2).styleIndex).styleBits, 2u);

    // A layout after one that ended in bold measures from the plain base font again.
    const std::string word(12, 'm');
    const int plain = WidthIn(sans_, 0, word), boldWidth = WidthIn(sans_, 1, word);
    ASSERT_LT(plain, boldWidth);
    const auto again = Wrap(word + kBoldStart, plain + 1, &sans_);
    again->Layout(env_, nullptr);
    EXPECT_EQ(again->GetLineCount(), 1u);
}

TEST_F(TextWrapLayoutTest, LayingOutAgainStartsFromEmptyTables) {
    const std::string text = "one " + kBoldStart + "two three four";
    ShortRect rect = ShortRect::MakeLTRB(10, 20, 10 + 30 * advance_, 5);
    TextWrap wrap(env_, rect, text.c_str(), mono_);
    const int height = wrap.GetLineHeight();
    ASSERT_GT(height, 0);
    EXPECT_EQ(rect.bottom, 20 + height);
    EXPECT_EQ(wrap.GetStyleChangeCount(), 2u);

    wrap.Layout(env_, nullptr);
    EXPECT_EQ(wrap.GetStyleChangeCount(), 2u);
    EXPECT_EQ(wrap.GetLineCount(), 1u);

    // A narrower rectangle: more lines, and the new bottom only in the wrap's own rectangle.
    const ShortRect narrow = ShortRect::MakeLTRB(10, 20, 10 + 6 * advance_, 0);
    wrap.Rewrap(env_, &narrow);
    EXPECT_EQ(Lines(wrap), (LineList{"one ", kBoldStart + "two ", "three ", "four"}));
    EXPECT_EQ(wrap.GetRect().bottom, 20 + 4 * height);
    EXPECT_EQ(rect.bottom, 20 + height);
    EXPECT_EQ(wrap.GetTotalHeight(), 4 * height);

    // A new text replaces the old.
    wrap.Layout(env_, "x\ny");
    EXPECT_EQ(Lines(wrap), (LineList{"x\n", "y"}));
    EXPECT_EQ(wrap.GetStyleChangeCount(), 0u);

    // Freeing the layout keeps the text for the next one.
    wrap.FreeLayout();
    EXPECT_EQ(wrap.GetLineCount(), 0u);
    wrap.Rewrap(env_, nullptr);
    EXPECT_EQ(wrap.GetLineCount(), 2u);
}

TEST_F(TextWrapLayoutTest, TheStoryModelMakesWrapsOfExpandedTemplates) {
    ShortRect rect = ShortRect::MakeLTRB(0, 10, 20 * advance_, 0);
    const std::unique_ptr<TextWrap> wrap = MakeExpandedTextWrap<TextWrap>(nullptr, env_, rect,
                                                                          "\xB0"
                                                                          "0x\xB0"
                                                                          "1",
                                                                          mono_);
    EXPECT_EQ(std::string(wrap->GetText()), "{x}");
    EXPECT_EQ(rect.bottom, 10 + wrap->GetLineHeight());
}

TEST_F(TextWrapLayoutTest, TheBottomFollowsTheLinesWithinSixteenBits) {
    ShortRect rect = ShortRect::MakeLTRB(0, 7, 100, 99);
    TextWrap empty(env_, rect, "", mono_);
    EXPECT_EQ(rect.bottom, 99) << "an empty text keeps the bottom";
    EXPECT_EQ(empty.GetLineCount(), 0u);

    std::string many;
    for (int i = 0; i < 4000; ++i) many += "line\n";
    TextWrap tall(env_, rect, many.c_str(), mono_);
    EXPECT_EQ(tall.GetLineCount(), 4000u);
    EXPECT_EQ(tall.GetTotalHeight(), 4000 * tall.GetLineHeight());
    EXPECT_EQ(rect.bottom, 32767);
    EXPECT_EQ(tall.LinesInHeight(10 * tall.GetLineHeight() + 1), 10);
    EXPECT_EQ(tall.LinesInHeight(0), 0);
    EXPECT_EQ(tall.GetLineHeight(3999), tall.GetLineHeight());
    EXPECT_EQ(tall.GetLineHeight(4000), 0);
}

}  // namespace
