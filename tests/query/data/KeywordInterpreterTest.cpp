// The page keyword interpreter and registry, with keywords of the test's own: plain text and unknown
// names pass through, keywords read their parameters and the entry's context, the last keyword
// decides between text and binding, names are read up to 21 characters, templates cut inside a
// keyword are not read past their end, and bound fields are read through the binding.

#include "query/data/FQSInterpretation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/StoreTestSupport.h"
#include "query/data/FQSPageData.h"
#include "query/data/KeywordBases.h"

namespace {

// Writes the context's act + n + 1, when at least 8 bytes of room are left.
class KTestAct : public TFQSInterpretable {
public:
    using TFQSInterpretable::TFQSInterpretable;
    TFQSInterpretable* Interpret(char* out, const char*& source, std::int32_t remaining, IStoryDocument*,
                                 FQSInterpretation& interpretation, std::int32_t&) override {
        const int n = ReadKeywordNumber(source);
        if (remaining >= 8) std::snprintf(out, 8, "%d", interpretation.GetActIndex() + n + 1);
        return nullptr;
    }
};

// A field bound to the context's character: its text names the character.
class KTestField : public FQSExecutable {
public:
    using FQSExecutable::FQSExecutable;
    void GetText(IStoryDocument*, const FQSInterpretation& binding, char* buffer,
                 std::int32_t size) override {
        std::snprintf(buffer, static_cast<std::size_t>(size), "field of %d", binding.GetCharacter());
    }
};

KTestAct gAct("TAct");
KTestField gField("TField");
FQSExecute1Param gParam("TParam");
FQSExecutablePopup gPopup("TPopup");
FQSExecutable gName21("xxxxxxxxxxxxxxxxxxxxx");
FQSExecutable gName22("yyyyyyyyyyyyyyyyyyyyyy");

// A template in a block of exactly its size, so that reading past its NUL is caught.
std::unique_ptr<char[]> Exact(const std::string& text) {
    auto block = std::make_unique<char[]>(text.size() + 1);
    std::memcpy(block.get(), text.c_str(), text.size() + 1);
    return block;
}

FQSPageData EntryWithAct(std::int16_t act, CharID character = kNoCharID) {
    FQSPageData entry(0, 10, 1);
    entry.SetActIndex(act);
    entry.SetCharacter(character);
    return entry;
}

std::string TextOf(const std::string& text, std::int32_t limit = 256, const FQSPageData* entry = nullptr) {
    const auto source = Exact(text);
    const FQSInterpretation interpretation(nullptr, limit, source.get(), entry, nullptr);
    EXPECT_TRUE(interpretation.IsText()) << text;
    return interpretation.GetText();
}

TEST(KeywordInterpreter, PlainTextComesBackCutToOneLessThanTheLimit) {
    const FQSInterpretation interpretation(nullptr, 6, "abcdefgh", nullptr, nullptr);
    EXPECT_TRUE(interpretation.IsText());
    EXPECT_FALSE(interpretation.IsKeyword());
    EXPECT_STREQ(interpretation.GetText(), "abcde");
    EXPECT_EQ(interpretation.GetParameter(), -1);
    EXPECT_EQ(interpretation.GetStatus(), 0);
    EXPECT_EQ(TextOf("", 10), "");
}

TEST(KeywordInterpreter, NamesNoKeywordHasPassThroughForTheMacroExpander) {
    EXPECT_EQ(TextOf("{SNF(12)} and {NObst}, {TActs(1)} {"), "{SNF(12)} and {NObst}, {TActs(1)} {");
    EXPECT_EQ(TextOf("{{TAct(0)}}"), "{0}") << "the second brace starts the keyword";
}

TEST(KeywordInterpreter, TextKeywordsReadTheirParametersAndTheEntrysContext) {
    const FQSPageData actTwo = EntryWithAct(1);
    EXPECT_EQ(TextOf("Act {TAct(0)}, then {TAct(1)}.", 256, &actTwo), "Act 2, then 3.");
    const FQSPageData actThree = EntryWithAct(2);
    EXPECT_EQ(TextOf("{TAct(-1)}", 256, &actThree), "2");
    EXPECT_EQ(TextOf("{TAct(+2,)}|", 256, &actThree), "5|") << "one comma after the digits is read too";
    EXPECT_EQ(TextOf("{TAct(0)}"), "0") << "without an entry the context is empty";
}

TEST(KeywordInterpreter, KeywordsThatBindStandForThemselves) {
    const FQSInterpretation field(nullptr, 40, "{TField()}", nullptr, nullptr);
    EXPECT_TRUE(field.IsKeyword());
    EXPECT_FALSE(field.IsText());
    EXPECT_EQ(field.GetKeyword(), &gField);
    EXPECT_STREQ(field.GetText(), "");

    const FQSInterpretation button(nullptr, 40, "{TParam(-12)}", nullptr, nullptr);
    EXPECT_EQ(button.GetKeyword(), &gParam);
    EXPECT_EQ(button.GetParameter(), -12);
}

TEST(KeywordInterpreter, TheLastKeywordDecides) {
    const FQSPageData actTwo = EntryWithAct(1);
    EXPECT_EQ(TextOf("{TParam(3)} more {TAct(0)}", 256, &actTwo), " more 2");
    const FQSInterpretation bound(nullptr, 256, "{TAct(0)} then {TPopup()} after", &actTwo, nullptr);
    EXPECT_EQ(bound.GetKeyword(), &gPopup);
    EXPECT_STREQ(bound.GetText(), "");
}

TEST(KeywordInterpreter, NamesAreReadUpToTwentyOneCharacters) {
    const FQSInterpretation of21(nullptr, 80, ("{" + std::string(21, 'x') + "()}").c_str(), nullptr, nullptr);
    EXPECT_EQ(of21.GetKeyword(), &gName21);
    const std::string of22 = "{" + std::string(22, 'y') + "()}";
    EXPECT_EQ(TextOf(of22), of22) << "a 22-character name is never found";
}

TEST(KeywordInterpreter, ATemplateCutInsideAKeywordIsNotReadPastItsEnd) {
    for (const std::string text : {"{TField(", "{TField", "{TField}", "{TField(}", "a{TParam(12"}) {
        const auto source = Exact(text);
        const FQSInterpretation interpretation(nullptr, 64, source.get(), nullptr, nullptr);
        EXPECT_TRUE(interpretation.IsKeyword()) << text;
    }
    const FQSPageData actTwo = EntryWithAct(1);
    EXPECT_EQ(TextOf("x{TAct(4", 64, &actTwo), "x6");
    EXPECT_EQ(TextOf("x{TAct", 64, &actTwo), "x2");
}

TEST(KeywordInterpreter, KeywordsWriteNothingWithoutRoomAndTextGoesOnWhileRoomLasts) {
    EXPECT_EQ(TextOf("abcd{TAct(0)}efgh", 10), "abcdefgh");
    EXPECT_EQ(TextOf("abc{TAct(0)}efgh", 12), "abc0efgh");
    EXPECT_EQ(TextOf("{TAct(0)}{TAct(0)}{TAct(0)}", 9), "00") << "the third finds 7 bytes of room";
}

TEST(KeywordInterpreter, ReadingNumbers) {
    const struct {
        const char* text;
        std::int16_t value;
        const char* rest;
    } cases[] = {{"+12,x", 12, "x"}, {"-5)}", -5, ")}"},  {"abc", 0, "abc"},
                 {",7", 0, "7"},     {"70000", 4464, ""}, {"-", 0, ""}};
    for (const auto& c : cases) {
        const char* source = c.text;
        EXPECT_EQ(ReadKeywordNumber(source), c.value) << c.text;
        EXPECT_STREQ(source, c.rest) << c.text;
    }
}

TEST(KeywordRegistry, SortedByNameAndFoundOnlyByTheWholeName) {
    const auto& keywords = RegisteredKeywords();
    EXPECT_TRUE(std::is_sorted(keywords.begin(), keywords.end(),
                               [](auto* a, auto* b) { return std::strcmp(a->GetName(), b->GetName()) < 0; }));
    EXPECT_EQ(FindKeyword("TAct"), &gAct);
    EXPECT_EQ(FindKeyword("TPopup"), &gPopup);
    EXPECT_EQ(FindKeyword("TAc"), nullptr);
    EXPECT_EQ(FindKeyword("tact"), nullptr) << "names are case-sensitive";
    {
        const KTestAct passing("AAAFirst");
        EXPECT_EQ(keywords.front(), &passing);
        EXPECT_EQ(FindKeyword("AAAFirst"), &passing);
    }
    EXPECT_EQ(FindKeyword("AAAFirst"), nullptr) << "a keyword that goes leaves the registry";
}

TEST(KeywordBases, DefaultsOfTheBases) {
    std::int16_t value = 3;
    const FQSInterpretation binding(nullptr, 10, "", nullptr, nullptr);
    EXPECT_TRUE(gPopup.AcceptChoice(nullptr, value, nullptr, binding));
    EXPECT_EQ(value, 3) << "a popup index is stored as it is";
    EXPECT_FALSE(gParam.AcceptChoice(nullptr, value, nullptr, binding));
    gParam.ChoiceToIndex(value);
    EXPECT_EQ(value, 3);
    EXPECT_EQ(gParam.GetChoice(nullptr, binding), 0);
    char buffer[8] = "filled";
    gParam.GetText(nullptr, binding, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "");
}

class KeywordTemplateTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        store = PFMOpenFile(nullptr);
        ASSERT_NE(store, nullptr);
        record = std::make_unique<PText>(store, FourCCOf("FQS2"), 7);
        record->SetEntry("QT", 'c', "{TAct(0)} questions");
        record->SetEntry("EV1", 'c', "Title");
        record->SetEntry("Title", 'c', "A long story title");
        record->SetEntry("T1", 'c', "abcdefgh");
    }
    void TearDown() override {
        record.reset();
        PFMCloseFile(store);
        StoreTest::TearDown();
    }

    PFMFile* store = nullptr;
    std::unique_ptr<PText> record;
};

TEST_F(KeywordTemplateTest, TemplatesFromThePageRecord) {
    const FQSPageData actOne = EntryWithAct(0);
    const FQSInterpretation title(nullptr, 85, "QT", &actOne, record.get());
    EXPECT_STREQ(title.GetText(), "1 questions");

    const FQSInterpretation cut(nullptr, 4, "T1", nullptr, record.get());
    EXPECT_STREQ(cut.GetText(), "abc") << "4 bytes are read, 3 characters kept";

    const FQSInterpretation missing(nullptr, 85, "ALT1", &actOne, record.get());
    EXPECT_LT(missing.GetStatus(), 0);
    EXPECT_STREQ(missing.GetText(), "");
    EXPECT_FALSE(missing.IsKeyword());
}

TEST_F(KeywordTemplateTest, FieldsAreReadThroughTheirBinding) {
    char buffer[12];
    const FQSInterpretation key(nullptr, 40, "EV1", nullptr, record.get());
    key.ReadInto(buffer, sizeof buffer, record.get());
    EXPECT_STREQ(buffer, "A long stor") << "the record's text under the interpreted key";
    key.ReadInto(buffer, sizeof buffer, nullptr);
    EXPECT_STREQ(buffer, "Title") << "without a record, the text itself";
    key.ReadInto(buffer, 3, nullptr);
    EXPECT_STREQ(buffer, "Ti");

    const FQSPageData ofCharacter = EntryWithAct(-1, 42);
    const FQSInterpretation field(nullptr, 40, "{TField()}", &ofCharacter, nullptr);
    field.ReadInto(buffer, sizeof buffer, record.get());
    EXPECT_STREQ(buffer, "field of 42") << "the keyword's text, with the entry's context";

    const FQSInterpretation missing(nullptr, 40, "EV9", nullptr, record.get());
    std::strcpy(buffer, "old");
    missing.ReadInto(buffer, sizeof buffer, record.get());
    EXPECT_STREQ(buffer, "");
}

}  // namespace
