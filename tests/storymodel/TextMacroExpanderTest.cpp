// The macro expander: every macro against a story (characters, storyform, records, the data file's
// texts, pronouns and verbs) and without one, the vocabulary switch, the id collector, and
// templates that no writer would make.

#include "storymodel/TextMacroExpander.h"

#include <gtest/gtest.h>

#include "foundation/TypedList.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/ExpandedTextWrap.h"
#include "storymodel/StoryTestSupport.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/Vocabulary.h"
#include "support/ScopedVocabulary.h"

namespace {

constexpr std::int16_t kAbility = 85;
constexpr std::int16_t kDesire = 99;  // the dynamic partner of Ability
constexpr std::int16_t kConsiderElement = 96;

std::string Bold(const std::string& text) {
    return "\xC7"
           "B+"
           "\xC8" +
           text +
           "\xC7"
           "B-"
           "\xC8";
}
std::string Italic(const std::string& text) {
    return "\xC7"
           "I+"
           "\xC8" +
           text +
           "\xC7"
           "I-"
           "\xC8";
}

class TextMacroExpanderTest : public StoryTest {
protected:
    void SetUp() override {
        StoryTest::SetUp();
        StandInApplication& data = *application_;
        data.AddDataText(FourCCOf("SDEF"), kAbility, std::string("the power to act\0junk", 21));
        data.AddDataText(FourCCOf("SDEF"), kDesire, "wanting");
        data.AddDataText(FourCCOf("SDEF"), 1001, "a change of heart");
        // The dictionary's entries of the impact character's Change and Steadfast.
        data.AddDataText(FourCCOf("SDEF"), 1006, "the impact character gives way");
        data.AddDataText(FourCCOf("SDEF"), 1007, "the impact character holds firm");
        data.AddDataText(FourCCOf("LDEF"), 1006, "at length, the impact character gives way");
        data.AddDataText(FourCCOf("SYNS"), 1006, "coming round");
        data.AddDataText(FourCCOf("LDEF"), kAbility, "the long definition");
        data.AddDataText(FourCCOf("SYNS"), kAbility, "capacity, talent");
        data.AddDataText(FourCCOf("SNNS"), kAbility, "ability");
        data.AddDataText(FourCCOf("SNPL"), kAbility, "abilities");
        data.AddDataText(FourCCOf("FQQE"), 7, "question seven");
        data.AddDataRecordText(FourCCOf("APPR"), 3, "DF", "the third appreciation");
        data.AddDataRecordText(FourCCOf("SVRB"), kConsiderElement, "B", "consider");
        data.AddDataRecordText(FourCCOf("SVRB"), kConsiderElement, "PT3", "s");
        data.AddDataRecordText(FourCCOf("SVRB"), kAbility, "B", "\xA5 able");
        data.AddDataRecordText(FourCCOf("LVRB"), 1, "I5", "is");
        data.AddDataRecordText(FourCCOf("LVRB"), 1, "I6", "are");

        NewStory();
        CharInfoRec* main = Characters().GetCharacter(Characters().GetMainCharacter());
        main->SetName("mara");
        main->SetDescription("a pilot");
        CharInfoRec* impact = Characters().GetCharacter(Characters().GetImpactCharacter());
        impact->SetName("The Crew");
        impact->SetSex(0);
        impact->SetForm(kPluralForm);
    }

    std::string Expand(const char* text, bool withStory = true, SList* collector = nullptr) {
        TextMacroExpander expander(withStory ? &Story() : nullptr, text, collector);
        std::uint32_t length = 0;
        const std::string result = expander.Expand(&length);
        EXPECT_EQ(length, result.size() + 1);
        return result;
    }
};

TEST_F(TextMacroExpanderTest, TextWithoutMacrosAndUnknownMacrosAreCopied) {
    EXPECT_EQ(Expand("plain text, (with) punctuation"), "plain text, (with) punctuation");
    EXPECT_EQ(Expand(""), "");
    EXPECT_EQ(Expand("a {XYZ} b {CNNX(M,NM)}"), "a {XYZ} b {CNNX(M,NM)}");
    EXPECT_FALSE(ContainsMacro("no macro"));
    EXPECT_TRUE(ContainsMacro("a {"));
}

TEST_F(TextMacroExpanderTest, TheExpansionHandedOverIsTheWholeTextAndTheExpanderKeepsNone) {
    const ScopedVocabulary vocabulary;
    const char* const text = "the {LObst} and {XYZ} then more";
    TextMacroExpander expander(&Story(), text);
    EXPECT_EQ(expander.TakeExpansion(), Expand(text));
    std::uint32_t length = 0;
    EXPECT_STREQ(expander.Expand(&length), "");
    EXPECT_EQ(length, 1u);
}

TEST_F(TextMacroExpanderTest, TermsFollowTheVocabularyAndTheCaseOfTheirFirstLetter) {
    const ScopedVocabulary vocabulary;
    EXPECT_EQ(Expand("{NObst} {CObst} {LObst} {IObst}"), "Impact IMPACT impact impact");
    SetOriginalTerms(1);
    EXPECT_EQ(Expand("{NObst} {CObst} {LObst}"), "Obstacle OBSTACLE obstacle");
}

TEST_F(TextMacroExpanderTest, StoryPointMacrosNameTheValuesInForce) {
    EXPECT_EQ(Expand("{SNF(0)}"), Bold("an unchosen item"));
    EXPECT_EQ(Expand("{SNF(STDom)}"), Bold("an unchosen item"));
    Story().StoryForm().SetValueAt(StoryPointIndexForCode("STDom"), 2);
    Story().StoryForm().SetValueAt(0, 1001);
    EXPECT_EQ(Expand("{SNF(STDom)}|{SNF(85)}"), Bold(ElementName(2)) + "|" + Bold("Ability"));
    EXPECT_EQ(Expand("{SNF(Resolve)}/{SNF(OCResolve)}"),
              Bold(StoryPointName(1001)) + "/" + Bold(StoryPointName(1002)));
    // A code that names no story point is no choice, never another point.
    EXPECT_EQ(Expand("{SNF(-1)}{CLS(NoSuch)}"), Bold("an unchosen item") + "an unchosen item");
    Story().StoryForm().SetValueAt(StoryPointIndexForCode("STDom"), -1);
    EXPECT_EQ(Expand("{SNF(STDom)}"), Bold("a multiply defined item"));

    EXPECT_EQ(Expand("{CLS(4)} {CLS(5)} {CLS(20)} {CLS(21)} {CLS(85)} {CLS(999)} {CLS(1000)}"),
              "Class Type Type Variation Element Element None");
    EXPECT_EQ(Expand("{DNF(85)} {DNF(1001)}"), Bold("Desire") + " " + Bold("None"));
}

// A throughline's position reads as the place its domain takes in the quad, its home class as the
// class: never as the variation or class whose id the stored number happens to be.
TEST_F(TextMacroExpanderTest, APositionNamesItsPlaceAndAHomeClassItsClass) {
    Story().StoryForm().SetValueAt(StoryPointIndexForCode("STOrd"), 3);
    Story().StoryForm().SetValueAt(StoryPointIndexForCode("MCHmCl"), '2');
    EXPECT_EQ(Expand("{SNF(STOrd)}|{SNF(MCHmCl)}"), Bold("Place 3") + "|" + Bold(ElementName(2)));
    SList collector;
    Expand("{SNF(STOrd)}{SNF(MCHmCl)}", true, &collector);
    ASSERT_EQ(collector.Count(), 1) << "a place names no item";
    EXPECT_EQ(collector.GetAt(0), 2);
    // Nothing chosen reads as every point's does.
    Story().StoryForm().SetValueAt(StoryPointIndexForCode("STOrd"), 0);
    EXPECT_EQ(Expand("{SNF(STOrd)}"), Bold("an unchosen item"));
}

// The impact character's resolve is written under the story point's code ("ResOC") and under the
// older "OCResolve"; either reads as the other value of the main character's, in every macro.
TEST_F(TextMacroExpanderTest, TheImpactCharactersResolveIsTheOtherValueUnderEitherCode) {
    EXPECT_EQ(Expand("{SNF(ResOC)}|{SNF(OCResolve)}"),
              Bold("an unchosen item") + "|" + Bold("an unchosen item"));
    Story().StoryForm().SetValueAt(0, 1002);
    EXPECT_EQ(Expand("{SNF(ResOC)}|{SNF(OCResolve)}|{CLS(ResOC)}"),
              Bold(StoryPointName(1001)) + "|" + Bold(StoryPointName(1001)) + "|None");
    Story().StoryForm().SetValueAt(0, 1001);
    EXPECT_EQ(Expand("{SNF(ResOC)}"), Bold(StoryPointName(1002)));
}

// The dictionary's texts of the main character's Change and Steadfast tell of the main character;
// those of the impact character's resolve are its values' own entries, which tell of the impact
// character, while the value itself is named and collected as the story point's.
TEST_F(TextMacroExpanderTest, TheImpactCharactersResolveIsDefinedByItsOwnEntries) {
    EXPECT_EQ(Expand("{SDF(ResOC)}"), "an unchosen item");
    Story().StoryForm().SetValueAt(0, 1002);
    EXPECT_EQ(Expand("{SDF(ResOC)}|{SDF(OCResolve)}|{SLD(ResOC)}|{SYN(ResOC)}"),
              "the impact character gives way|the impact character gives way|at length, the impact "
              "character gives way|coming round");
    EXPECT_EQ(Expand("{SDF(Resolve)}|{SDF(1001)}"), "|a change of heart");
    Story().StoryForm().SetValueAt(0, 1001);
    EXPECT_EQ(Expand("{SDF(ResOC)}"), "the impact character holds firm");
    SList collected;
    Expand("{SDF(ResOC)}", true, &collected);
    ASSERT_EQ(collected.Count(), 1);
    EXPECT_EQ(collected.GetAt(0), 1002);
}

TEST_F(TextMacroExpanderTest, DefinitionsComeFromTheDataFileWithElementsFolded) {
    // 149 is Ability of the second class.
    EXPECT_EQ(Expand("{SDF(85)}|{SDF(149)}|{SDF(1001)}"),
              "the power to act|the power to act|a change of heart");
    EXPECT_EQ(Expand("{SLD(85)}|{SYN(85)}|{SDF(0)}|{SYN(86)}"),
              "the long definition|capacity, talent|an unchosen item|");
    EXPECT_EQ(Expand("{SNN(85)}{SPN(85)}{SNN(0)}"), Bold("ability") + Bold("abilities") + "an unchosen item");
    EXPECT_EQ(Expand("{DDF(85)}|{DDF(1002)}"), "wanting|None");
    EXPECT_EQ(Expand("{QQE(7)}|{QQE(8)}|{QBG(x)}"), "question seven||");
    EXPECT_EQ(Expand("{APD(3)}|{APD(4)}"), "the third appreciation|an unchosen item");
}

TEST_F(TextMacroExpanderTest, CharacterMacrosReadTheStorysCharacters) {
    EXPECT_EQ(Expand("{CNN(M,NM)} {CNNU(M,NM)} {CNN(O,NM)} {CNN(M,Des)}"), "mara Mara The Crew a pilot");
    const std::string id = std::to_string(Characters().GetImpactCharacter());
    EXPECT_EQ(Expand(("{CNN(" + id + ",NM)}").c_str()), "The Crew");
    EXPECT_EQ(Expand("{CNN(99,NM)}|{CNN(X,NM)}"), "<Not Available>|<Not Available>");
    // The report templates name the two characters MC and OC.
    EXPECT_EQ(Expand("{CNN(MC,Des)} {CNN(OC,NM)} {PPN(OC,0,S1)}"), "a pilot The Crew they");

    EXPECT_EQ(Expand("{CNN(M,NM)}|{CNN(O,NM)}|{CNNU(M,NM)}|{CNN(M,Des)}", false),
              "the Main Character|the Impact Character|The Main Character|<Not Available>");
}

TEST_F(TextMacroExpanderTest, PronounsAgreeWithTheCharacterOrThePreference) {
    EXPECT_EQ(Expand("{PPN(M,0,S1)} {PPN(M,1,O1)} {PPN(O,2,S1 subject)} {PPN(P,0,P1)}"), "she Her THEY her");
    application_->pronounGender = 0;
    EXPECT_EQ(Expand("{PPN(P,0,S1)} {PPN(M,0,S1)}", false), "he he");
}

TEST_F(TextMacroExpanderTest, VerbsAgreeWithTheirSubject) {
    EXPECT_EQ(Expand("{SVB(M,96,PT3)}"), Bold("considers"));
    EXPECT_EQ(Expand("{SVB(S,85,INF)} {SVB(P,85,INF)} {SVB(O,85,INF)} {SVB(M,149,INF)}"),
              Bold("is able") + " " + Bold("are able") + " " + Bold("are able") + " " + Bold("is able"));
    EXPECT_EQ(Expand("{SVB(S,0,INF)}{SVB(S,86,INF)}"), Bold("an unchosen item"));
}

TEST_F(TextMacroExpanderTest, StoryRecordMacros) {
    Story().GetInfoRecord().SetEntry("Title", kPTextText, "The {CNNU(M,NM)} Saga");
    Story().GetStorytellingRecord().SetEntry("STcon", kPTextText, "the opening");
    EXPECT_EQ(Expand("{SDI(Title)}|{STF(STcon)}"), "The Mara Saga|" + Italic("the opening"));
    EXPECT_EQ(Expand("{SDI(Title)}|{STF(STcon)}", false), "<Not Available>|<Not Available>");

    EXPECT_EQ(Expand("{GDO(about ,!,nothing)}"), "nothing");
    Story().GetStorytellingRecord().SetNumberByName("GDomain", kPTextShort, 2);
    EXPECT_EQ(Expand("{GDO(about ,!,nothing)}"), "about the Relationships between people!");

    EXPECT_EQ(Expand("{SUB(1)}{SUB(2)}{SUB(3)}"), "\x95SHIFT-ENTER");
    application_->returnAdvances = 1;
    EXPECT_EQ(Expand("{SUB(2)}"), "ENTER");
}

TEST_F(TextMacroExpanderTest, TheIdCollectorEndsSortedByNameWithoutRepeats) {
    SList collector;
    collector.Append(kConsiderElement);
    Expand("{SNF(85)} {SNF(149)} {SDF(1001)} {CLS(96)} {DNF(85)} {SLD(88)} {SNF(0)}", true, &collector);
    std::vector<std::string> names;
    for (std::int32_t i = 0; i < collector.Count(); ++i) {
        const std::int16_t id = collector.GetAt(i);
        names.push_back(id < 1000 ? ElementName(id) : StoryPointName(id));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Ability", StoryPointName(1001), "Consider", "Desire"}));
}

TEST_F(TextMacroExpanderTest, HostileTemplatesGiveABoundedResult) {
    EXPECT_EQ(Expand("open {SNF(85) and never closed"), "open {SNF(85) and never closed");
    EXPECT_EQ(Expand("{CNN)M,NM(}"), "{CNN)M,NM(}");
    EXPECT_EQ(Expand("{{{{{{{{NObst}}}}}}}"), "{{{{{{{{NObst}}}}}}}");
    EXPECT_EQ(Expand("{CNN(M,NM,a,b,c,d,e,f,g)}{PPN()}{SVB}{SNF(123456789012345678901234)}"),
              "mara" + Bold("an unchosen item") + Bold(""));
    const std::string longName = "{" + std::string(500, 'N') + "Obst}";
    EXPECT_EQ(Expand(longName.c_str()), longName);

    // A story text that names itself, again and again.
    std::string self;
    for (int i = 0; i < 2000; ++i) self += "x{SDI(Title)}";
    Story().GetInfoRecord().SetEntry("Title", kPTextText, self.c_str());
    const std::string result = Expand("{SDI(Title)}");
    EXPECT_GT(result.size(), 2000u);
    EXPECT_LE(result.size(), TextMacroExpander::kMaxExpandedSize);
    EXPECT_EQ(result.find_first_not_of('x'), std::string::npos);

    // Very long results stop at the limit.
    const std::string description(30000, 'd');
    Characters().GetCharacter(0)->SetDescription(description.c_str());
    std::string many;
    for (int i = 0; i < 400; ++i) many += "{CNN(0,Des)}";
    EXPECT_EQ(Expand(many.c_str()).size(), TextMacroExpander::kMaxExpandedSize);
}

struct RecordedWrap {
    RecordedWrap(int width, int& size, const char* text, const std::string& font)
        : width(width), text(text), font(font) {
        size = 42;
    }
    int width;
    std::string text;
    std::string font;
};

TEST_F(TextMacroExpanderTest, AWrapIsMadeOfTheExpandedDecodedText) {
    int size = 0;
    const std::unique_ptr<RecordedWrap> wrap = MakeExpandedTextWrap<RecordedWrap>(&Story(), 300, size,
                                                                                  "{CNN(M,NM)} \xB0"
                                                                                  "0x\xB0"
                                                                                  "1",
                                                                                  std::string("Arial"));
    EXPECT_EQ(wrap->text, "mara {x}");
    EXPECT_EQ(wrap->width, 300);
    EXPECT_EQ(wrap->font, "Arial");
    EXPECT_EQ(size, 42);
}

}  // namespace
