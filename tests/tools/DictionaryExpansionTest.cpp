// The theory dictionary, the verbs, the pronouns and the story points of the application data file
// the build makes, read through the real text macro expander over a small story: every macro a
// template can name them with gives a text, in both vocabularies, and what the texts hold expands
// in its turn to plain words.

#include <gtest/gtest.h>

#include <algorithm>

#include "BuiltDataFiles.h"
#include "DataSourceTestSupport.h"
#include "datafiles/TheoryItems.h"
#include "foundation/Platform.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/StoryStandIn.h"
#include "storymodel/StyledText.h"
#include "storymodel/TextMacroExpander.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/Vocabulary.h"
#include "support/ScopedVocabulary.h"

namespace {

constexpr const char* kVerbForms[] = {"INF", "PTG", "PT3", "PAST", "PRESP", "PASTP"};
constexpr const char* kPronounForms[] = {"S1", "O1", "P1", "P2", "R1"};

class DictionaryExpansionTest : public ::testing::Test {
protected:
    void SetUp() override {
        DetectPlatform();
        ASSERT_EQ(PFMInit(FourCCOf("Fabl"), 0), kNoErr);
        const FileRef ref(DataFile("Fablecor.qrv").c_str());
        data_ = PFMOpenFile(&ref);
        ASSERT_NE(data_, nullptr);
        application_ = std::make_unique<BuiltDataApplication>(data_);
        SetStoryApplication(application_.get());
        storyFile_ = PFMOpenFile(nullptr);
        story_ = std::make_unique<StandInStory>(storyFile_);
        ASSERT_EQ(story_->LoadCharacters(), kNoErr);
        // A small story: a main character who is a woman, an impact character who is several.
        CharacterManager& characters = story_->Characters();
        characters.GetCharacter(characters.GetMainCharacter())->SetSex(1);
        characters.GetCharacter(characters.GetImpactCharacter())->SetForm(kPluralForm);
    }
    void TearDown() override {
        story_.reset();
        if (storyFile_) PFMCloseFile(storyFile_);
        SetStoryApplication(nullptr);
        application_.reset();
        if (data_) PFMCloseFile(data_);
        PFMTerm();
    }

    std::string Expand(const std::string& text) {
        TextMacroExpander expander(story_.get(), text.c_str());
        return expander.Expand();
    }

    // The macro expanded as a display shows it: what the data file's text holds is expanded once
    // more. Empty results and braces left over fail, naming the macro.
    void ExpectWords(const std::string& macro) {
        const std::string once = Expand(macro);
        std::string words = Expand(once);
        for (const std::string_view code : {kBoldOn, kBoldOff})
            for (std::size_t at; (at = words.find(code)) != std::string::npos;) words.erase(at, code.size());
        EXPECT_NE(words.find_first_not_of(' '), std::string::npos) << macro << " gives nothing";
        EXPECT_EQ(words.find_first_of("{}"), std::string::npos) << macro << " gives " << words;
        // Texts are the dictionary's own, never the expander's answers for values it cannot name.
        EXPECT_EQ(words.find("unchosen item"), std::string::npos) << macro;
    }

    PFMFile* data_ = nullptr;
    PFMFile* storyFile_ = nullptr;
    std::unique_ptr<BuiltDataApplication> application_;
    std::unique_ptr<StandInStory> story_;
    const ScopedVocabulary vocabulary_;
};

TEST_F(DictionaryExpansionTest, EveryDictionaryMacroNamesEveryItemInBothVocabularies) {
    for (const std::uint16_t original : {0, 1}) {
        SetOriginalTerms(original);
        for (const std::uint16_t id : DictionaryIDs()) {
            for (const char* macro : {"SNN", "SPN", "SDF", "SLD", "SYN"})
                ExpectWords("{" + std::string(macro) + "(" + std::to_string(id) + ")}");
        }
    }
}

TEST_F(DictionaryExpansionTest, EveryItemOfEveryClassAndItsDynamicPartnerAreDefined) {
    // The elements of the other classes and the group nodes fold onto the first class's texts.
    for (int id = kFirstClassID; id <= kLastElementID; ++id) {
        ExpectWords("{SDF(" + std::to_string(id) + ")}");
        if (id < kFirstGroupID) ExpectWords("{DDF(" + std::to_string(id) + ")}");
    }
    EXPECT_EQ(Expand("{SDF(149)}"), Expand("{SDF(85)}"));
    EXPECT_EQ(Expand("{SLD(340)}"), Expand("{SLD(148)}"));
    EXPECT_NE(Expand("{SDF(85)}"), Expand("{SDF(86)}"));
}

TEST_F(DictionaryExpansionTest, EveryVerbAgreesWithEverySubject) {
    for (const std::uint16_t id : VerbIDs()) {
        for (const char* subject : {"S", "P", "M", "O"}) {
            for (const char* form : kVerbForms)
                ExpectWords("{SVB(" + std::string(subject) + "," + std::to_string(id) + "," + form + ")}");
        }
    }
    // A shared verb takes its form of "be" from the subject's number: the impact character is
    // several people in this story.
    const std::string one = Expand("{SVB(S,85,PT3)}");
    EXPECT_NE(one, Expand("{SVB(P,85,PT3)}"));
    EXPECT_EQ(Expand("{SVB(O,85,PT3)}"), Expand("{SVB(P,85,PT3)}"));
    EXPECT_EQ(Expand("{SVB(M,85,PT3)}"), one);
}

TEST_F(DictionaryExpansionTest, EveryPronounFormServesEveryCharacter) {
    for (const char* who : {"M", "O", "P"}) {
        for (const char* form : kPronounForms) {
            for (const char* letterCase : {"0", "1", "2"})
                ExpectWords("{PPN(" + std::string(who) + "," + letterCase + "," + form + ")}");
        }
    }
    EXPECT_EQ(Expand("{PPN(M,0,S1)} {PPN(O,1,O1)} {PPN(P,2,R1)}"), "she Them HERSELF");
}

TEST_F(DictionaryExpansionTest, EveryStoryPointIsDescribedByIDAndEveryReportLineByIndex) {
    for (int index = 0; index < kStoryPointCount; ++index) {
        const StoryPointRecord* row = StoryPointAt(index);
        ExpectWords("{APD(" + std::to_string(row->id) + ")}");
        PText record(data_, FourCCOf("APPR"), static_cast<std::uint16_t>(row->id));
        char name[64] = "";
        ASSERT_GE(record.GetEntry("NM", kPTextText, name, sizeof name), 0) << row->id;
        ExpectWords(name);
    }
    int lines = 0;
    for (int index = 3; index <= 118; ++index) {
        PText record(data_, FourCCOf("APPR"), static_cast<std::uint16_t>(index));
        std::int16_t form = -1;
        if (record.GetEntry("TY", kPTextShort, &form) < 0 || form >= 9) continue;
        ++lines;
        char code[16] = "";
        ASSERT_GE(record.GetEntry("VN", kPTextText, code, sizeof code), 0) << index;
        const std::int16_t id = StoryPointIDForCode(code);
        ASSERT_GT(id, 0) << index;
        // The report line's texts are those of the story point's own record.
        EXPECT_EQ(Expand("{APD(" + std::to_string(index) + ")}"),
                  Expand("{APD(" + std::to_string(id) + ")}"));
    }
    // Every story point with a code has its line, and only those.
    const auto coded = std::count_if(kStoryPointTable.begin(), kStoryPointTable.end(),
                                     [](const StoryPointRecord& row) { return row.code != nullptr; });
    EXPECT_EQ(lines, coded);
}

}  // namespace
