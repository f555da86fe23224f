// The character sections over templates that answer "[Sn]": each layout of a character's
// description (texts left out or written empty, characteristics listed by dimension), the conflict
// sentence of a characteristic, and the characteristics, relationships and all-characters sections
// with 0, 1, 2 and 12 characters.

#include <gmock/gmock.h>

#include <set>
#include <string>
#include <vector>

#include "ReportTestSupport.h"
#include "reports/CharacteristicConflict.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/engine/QuadPartners.h"
#include "storymodel/engine/StructureCode.h"
#include "storymodel/engine/ThroughlineStructure.h"
#include "support/TextLimitCases.h"

namespace {

using namespace reporttest;
using ::testing::EndsWith;

const std::string kI = Code("I+"), kNI = Code("I-");
const std::string kU = Code("U+"), kNU = Code("U-");
const std::string kBlock = Code("M(40,40,0)");

class CharacterSections : public ReportTest {
protected:
    void SetUp() override {
        ReportTest::SetUp();
        CharacterManager& characters = story->Characters();
        while (characters.GetCount() > 0) characters.DeleteCharacter(characters.IdAt(0), false);
        log->lastKey = 5;
    }
    CharacterManager& Characters() { return story->Characters(); }
    CharID Add(const char* name, std::int16_t role = 0, std::uint16_t sex = 0, std::uint16_t form = 1) {
        const CharID id = Characters().CreateCharacter(name, sex, form, 0, role, true);
        Characters().RecomputeRoleIndexes();
        return id;
    }
    CharInfoRec& Record(CharID id) { return *Characters().GetCharacter(id); }
    // Ann: the Main character, a female with a role, a description, an extended role and activities,
    // and characteristics in two dimensions that no archetype has (so she is complex).
    CharID AddAnn() {
        const CharID ann = Add("Ann", 1, 1, 1);
        CharInfoRec& record = Record(ann);
        record.SetRole("R");
        record.SetDescription("D");
        record.SetRoleX("X");
        record.SetActv("A");
        const std::int16_t motivation[] = {85};
        const std::int16_t evaluation[] = {90, 91};
        for (int dimension = 0; dimension < 4; ++dimension)
            Characters().SetCharacteristics(ann, dimension, {});
        Characters().SetCharacteristics(ann, 0, motivation);
        Characters().SetCharacteristics(ann, 2, evaluation);
        EXPECT_EQ(record.GetArchetype(), 2);
        return ann;
    }
    std::string Describe(CharID id, std::int16_t style) {
        composer->AppendCharacterDescription(id, style);
        return Take();
    }
    static std::string Line(const char* label, const std::string& value, const std::string& indent = {}) {
        return kB + label + kNB + indent + kI + value + kNI + kHanging + "\n";
    }
    // The bold label of the profile's line that holds the value whole after the indent; "" when no
    // line does.
    static std::string LabelOfLine(const std::string& profile, const std::string& value,
                                   const std::string& indent) {
        const std::size_t at = profile.find(kNB + indent + kI + value + kNI + kHanging + "\n");
        const std::size_t label = at == std::string::npos ? at : profile.rfind(kB, at);
        return label == std::string::npos ? "" : profile.substr(label + kB.size(), at - label - kB.size());
    }
    static std::string Characteristic(const char* heading, const std::string& list) {
        return Code("M(40,60,60)") + kB + kU + heading + kNB + kNU + ":  " + list + "\n";
    }
    const std::string kAnnCharacteristics =
        Characteristic("Motivation", "{SNF(85)}") + Characteristic("Evaluation", "{SNF(90)}; {SNF(91)}");
};

TEST_F(CharacterSections, TheProfileWritesOnlyTheTextsThatAreThere) {
    const CharID ann = AddAnn();
    EXPECT_EQ(Describe(ann, 1),
              kNone + Line("Name:  ", "Ann") + Line("ID:  ", "Main Character") + Line("Gender:  ", "Female") +
                  Line("Form: ", "Single") + kB + "Description:" + kNB + "\n" + kBlock + kI + "D" + kNI +
                  kHanging + "\n" + Line("Role:  ", "R") + Line("Extended Role:  ", "X", kBlock) +
                  Line("Story Activities:  ", "A", kBlock) + Line("Character Type: ", "Complex", kBlock) +
                  kB + "Characteristics:" + kNB + "\n" + kAnnCharacteristics + kNone + "\n\n");

    const CharID bo = Add("Bo", 0, 0, 2);
    EXPECT_EQ(Describe(bo, 1), kNone + Line("Name:  ", "Bo") + Line("Gender:  ", "Male") +
                                   Line("Form: ", "Plural") + kB + "Characteristics:" + kNB + "\n" + kNone +
                                   "\n\n");
}

// A character's texts at the most their fields take, slashes among them, are written whole: the role
// at 2,047 bytes as stored, every other text at 30,719.
TEST_F(CharacterSections, TextsAtTheirFieldsLimitsAreWrittenWhole) {
    const std::string role = StoredText(testsupport::SlashedText(2047).c_str());
    const std::string text = StoredText(testsupport::SlashedText(30719).c_str());
    ASSERT_EQ(role.size(), 2047u);
    ASSERT_EQ(text.size(), 30719u);
    const CharID ann = Add("Ann", 1);
    const CharID bo = Add("Bo", 2);
    CharInfoRec& record = Record(ann);
    ASSERT_EQ(record.SetText(CharacterKey::kRole, role.c_str()), kNoErr);
    // The texts the profile writes on lines of their own each end in a letter of their own, so that
    // each is found whole and as itself.
    const char* const lineKeys[] = {CharacterKey::kRoleX,      CharacterKey::kFunction,
                                    CharacterKey::kActivities, CharacterKey::kPhysical,
                                    CharacterKey::kBeliefs,    CharacterKey::kSkills,
                                    CharacterKey::kInterests,  CharacterKey::kBackground};
    std::vector<std::string> lineTexts;
    for (const char* key : lineKeys) {
        std::string own = text;
        own.back() = static_cast<char>('A' + lineTexts.size());
        ASSERT_EQ(record.SetText(key, own.c_str()), kNoErr) << key;
        lineTexts.push_back(std::move(own));
    }
    for (const char* key :
         {CharacterKey::kDescription, CharacterKey::kIntroduction, CharacterKey::kDismissal})
        ASSERT_EQ(record.SetText(key, text.c_str()), kNoErr) << key;
    record.SetRelationship(text.c_str(), bo);

    const std::string profile = Describe(ann, 1);
    EXPECT_NE(profile.find(Line("Role:  ", role)), std::string::npos) << "the role";
    EXPECT_NE(profile.find(kBlock + kI + text + kNI + kHanging), std::string::npos) << "the description";
    std::set<std::string> labels;
    for (std::size_t k = 0; k < lineTexts.size(); ++k) {
        const std::string label = LabelOfLine(profile, lineTexts[k], kBlock);
        EXPECT_THAT(label, EndsWith(":  ")) << lineKeys[k];
        labels.insert(label);
    }
    EXPECT_EQ(labels.size(), lineTexts.size()) << "each text has a line and a label of its own";
    const std::string summary = Describe(ann, 2);
    EXPECT_NE(summary.find("; " + kI + role + kNI), std::string::npos) << "the summary's role";
    EXPECT_NE(summary.find("\n" + kBlock + kI + text + kNI), std::string::npos)
        << "the summary's description";

    composer->SetShowStorytelling(1);
    composer->BuildCharacteristicsSection();
    EXPECT_NE(Take().find(kI + text + kNI + kNone), std::string::npos) << "the characteristics' description";
    composer->BuildRelationshipsSection();
    const std::string relationships = Take();
    EXPECT_NE(relationships.find(kI + kIndented + text + kNI), std::string::npos) << "the introduction";
    EXPECT_NE(relationships.find(kIndented + kI + text + kNI), std::string::npos) << "the dismissal";
    EXPECT_NE(relationships.find("\n" + text + "\n"), std::string::npos) << "the relationship";
}

TEST_F(CharacterSections, TheIdentityCardWritesEveryLineEvenEmptyAndNoCharacteristics) {
    const CharID ann = AddAnn();
    EXPECT_EQ(Describe(ann, 3),
              kNone + kB + "Name:  " + kNB + "Ann\n" + kB + "ID:  " + kNB + kI + "Main Character; " + kNI +
                  kI + "Complex" + kNI + "\n" + kB + "Gender:  " + kNB + kI + "Female" + kNI + "\n" + kB +
                  "Description:  " + kNB + kI + "D" + kNI + "\n" + kNone + kB + "Role:  " + kNB + kI + "R" +
                  kNI + "\n" + kNone + kB + "Story Activities:  " + kNB + kI + "A" + kNI + kHanging + "\n\n" +
                  kNone + "\n\n");
    const CharID bo = Add("Bo", 2, 2, 1);
    EXPECT_EQ(Describe(bo, 3),
              kNone + kB + "Name:  " + kNB + "Bo\n" + kB + "ID:  " + kNB + kI + "{NObst} Character; " + kNI +
                  "\n" + kB + "Gender:  " + kNB + kI + "Non-Gendered" + kNI + "\n" + kB +
                  "Description:  " + kNB + kI + kNI + "\n" + kNone + kB + "Role:  " + kNB + kI + kNI + "\n" +
                  kNone + kB + "Story Activities:  " + kNB + kI + kNI + kHanging + "\n\n" + kNone + "\n\n");
}

TEST_F(CharacterSections, TheSummaryTheRoleCardAndTheCharacteristicsHeading) {
    const CharID ann = AddAnn();
    const std::string summary = Code("M(20,20,0)");
    EXPECT_EQ(Describe(ann, 2), summary + kB + "Ann" + kNB + "; " + kI + "Main Character" + kNI + "; " + kI +
                                    "R" + kNI + "; " + kI + "Complex" + kNI + kI + "; " + kI + "Female" +
                                    kNI + "\n" + kBlock + kI + "D" + kNI + kNone + "\n" +
                                    kAnnCharacteristics + kNone + "\n\n");
    EXPECT_EQ(Describe(ann, 4), summary + kB + "Role:  " + kNB + kI + "R" + kNI + "\n\n" + kB +
                                    "Description:  " + kNB + kI + "D" + kNI + "\n\n" + kB +
                                    "Story Activities:  " + kNB + kI + "A" + kNI + "\n" + kNone + "\n\n");
    const std::string heading =
        kNone + kB + "Ann's " + kNB + "Characteristics (as the " + kI + "R" + kNI + ")";
    EXPECT_EQ(Describe(ann, 0), heading + "\n" + kAnnCharacteristics + kNone + "\n\n");
    composer->SetShowStorytelling(1);
    EXPECT_EQ(Describe(ann, 7), heading + "\n" + Code("M(20,20,20)") + kI + "D" + kNI + kNone + "\n" +
                                    kAnnCharacteristics + kNone + "\n\n");
}

// The heading reads as a sentence whatever the writer's role begins with, and several characters
// with a plural name take only the apostrophe.
TEST_F(CharacterSections, TheHeadingJoinsTheRoleWithTheArticleItNeedsAndMakesPluralNamesPossessive) {
    const auto headingOf = [&](const char* name, std::uint16_t form, const char* role) {
        const CharID id = Add(name, 0, 0, form);
        Record(id).SetRole(role);
        composer->BuildCharacteristicsSection();
        const std::string text = Take();
        const std::size_t at = text.find(kB + name);
        return at == std::string::npos ? text : text.substr(at, text.find(')', at) + 1 - at);
    };
    EXPECT_EQ(headingOf("Romeo", 1, "The only son of the house of Montague"),
              kB + "Romeo's " + kNB + "Characteristics (as the " + kI + "only son of the house of Montague" +
                  kNI + ")");
    EXPECT_EQ(
        headingOf("Angelica", 1, "Juliet's nurse since infancy"),
        kB + "Angelica's " + kNB + "Characteristics (as " + kI + "Juliet's nurse since infancy" + kNI + ")");
    EXPECT_EQ(
        headingOf("Don John", 1, "Don Pedro's bastard brother"),
        kB + "Don John's " + kNB + "Characteristics (as " + kI + "Don Pedro's bastard brother" + kNI + ")");
    EXPECT_EQ(headingOf("Ebenezer", 1, "A London money-lender"),
              kB + "Ebenezer's " + kNB + "Characteristics (as a " + kI + "London money-lender" + kNI + ")");
    EXPECT_EQ(headingOf("Hades", 1, "King of the dead"),
              kB + "Hades's " + kNB + "Characteristics (as the " + kI + "King of the dead" + kNI + ")");
    EXPECT_EQ(headingOf("The Spirits", 2, "Two ghosts"),
              kB + "The Spirits' " + kNB + "Characteristics (as two " + kI + "ghosts" + kNI + ")");
    EXPECT_EQ(headingOf("The Watch", 2, "Her guards"),
              kB + "The Watch's " + kNB + "Characteristics (as her " + kI + "guards" + kNI + ")");
    // A name of several words joined by small ones; a determiner other than an article; a name
    // made possessive only after a word that is none.
    for (const auto& [role, as] : std::vector<std::pair<std::string, std::string>>{
             {"Scrooge and Marley's clerk", "as " + kI + "Scrooge and Marley's clerk"},
             {"de Bourgh's daughter", "as " + kI + "de Bourgh's daughter"},
             {"Another suitor for Hero", "as another " + kI + "suitor for Hero"},
             {"Friend of Juliet's", "as the " + kI + "Friend of Juliet's"},
             {"Her Majesty's spy", "as " + kI + "Her Majesty's spy"},
             {"Someone else's wife", "as someone " + kI + "else's wife"},
             {" d'Artagnan's friend ", "as " + kI + "d'Artagnan's friend"},
             {"1 of 3 sisters", "as 1 " + kI + "of 3 sisters"}}) {
        EXPECT_EQ(headingOf("Bob", 1, role.c_str()), kB + "Bob's " + kNB + "Characteristics (" + as + kNI + ")");
    }
    // The characteristics heading of a description reads alike.
    const CharID maenads = Add("The Maenads", 0, 1, 2);
    Record(maenads).SetRole("Wild women");
    EXPECT_TRUE(StartsWith(
        Describe(maenads, 0),
        kNone + kB + "The Maenads' " + kNB + "Characteristics (as the " + kI + "Wild women" + kNI + ")"));
}

TEST_F(CharacterSections, AnAbsentCharacterAndElementsOutsideTheElementsWriteNothing) {
    const CharID ann = AddAnn();
    const std::int16_t corrupt[] = {12, 341};
    Characters().SetCharacteristics(ann, 1, corrupt);
    EXPECT_EQ(Describe(ann, 0).find("Methodology"), std::string::npos);
    EXPECT_EQ(Describe(kNoCharID, 1), "");
    EXPECT_EQ(Describe(static_cast<CharID>(ann + 40), 2), "");
}

// The conflict sentence: element 85 (rank 0) held by Ann in the overall story's class 2, with its
// three partners in structure 4 placed at the partner codes of the class 2 element of that rank.
class Conflict : public CharacterSections {
protected:
    void SetUp() override {
        CharacterSections::SetUp();
        ann = AddAnn();
        bo = Add("Bo");
        cy = Add("Cy");
        const std::int16_t boHolds[] = {86}, cyHolds[] = {88};
        Characters().SetCharacteristics(bo, 0, boHolds);
        Characters().SetCharacteristics(cy, 0, cyHolds);
        const ElementRecord* element = ElementRecordByID(85 + 64);
        for (int kind = 0; kind < 3; ++kind) {
            StructureCode code{};
            ASSERT_TRUE(QuadPartnerCode(1, kind, element->code, code));
            // Class 2 ids of ranks 1, 2 and 3: the sentence names them by their class 1 element.
            NodeForCode(form.structures[3], code.data())->elementID =
                static_cast<std::uint16_t>(85 + 64 + 1 + kind);
        }
    }
    std::string Sentence(std::int16_t element, int dimension, bool notes) {
        char out[1024];
        FormatCharacteristicConflict(story.get(), &form, element, dimension, notes, out, sizeof out);
        return out;
    }
    CharID ann = kNoCharID, bo = kNoCharID, cy = kNoCharID;
};

TEST_F(Conflict, TheSentenceNamesTheHoldersOfThePartnersOrTheWhenNoneHoldsOne) {
    form.SetValueByCode("STDom", 2);
    EXPECT_EQ(
        Sentence(85, 0, false),
        "Ann's motivation of {SNF(85)} is in conflict with Bo's motivation of {SNF(86)}, amplified by the "
        "motivation of {SNF(87)}, and diminished by Cy's motivation of {SNF(88)}.");
    // The holder is looked up by rank, whatever the class of the element given.
    EXPECT_TRUE(StartsWith(Sentence(85 + 3 * 64, 0, false), "Ann's motivation of {SNF(277)} is in conflict"));
    EXPECT_EQ(Sentence(86, 2, false), "");  // nobody holds 86 as an evaluation
    Characters().SetCharacteristicNote(1, "a note");
    EXPECT_TRUE(StartsWith(Sentence(85, 0, true), "\n\n" + kI + "a note" + kNI + "\n\nAnn's motivation"));
    EXPECT_TRUE(StartsWith(Sentence(85, 0, false), "Ann's motivation"));
}

TEST_F(Conflict, WithoutTheOverallDomainTheSentenceSaysSoAndOddInputWritesNothing) {
    for (const std::int16_t domain : {0, -1}) {
        form.SetValueByCode("STDom", domain);
        EXPECT_EQ(Sentence(90, 2, false),
                  "Ann's means of evaluation in terms of {SNF(90)} has no conflict to show "
                  "yet: the {NObje} Story's {NDoma} is not chosen yet.");
    }
    EXPECT_EQ(Sentence(84, 0, false), "");
    EXPECT_EQ(Sentence(341, 0, false), "");
    EXPECT_EQ(Sentence(85, 4, false), "");
    char small[8];
    form.SetValueByCode("STDom", 2);
    FormatCharacteristicConflict(story.get(), &form, 85, 0, false, small, sizeof small);
    EXPECT_STREQ(small, "Ann's m");
}

TEST_F(CharacterSections, TheCharacteristicsSectionWithNoneOneAndTwelveCharacters) {
    composer->BuildCharacteristicsSection();
    EXPECT_EQ(Take(), "[S1][S2][S3]");

    form.SetValueByCode("STDom", -1);
    const CharID ann = AddAnn();
    (void)ann;
    const std::string notChosen =
        " has no conflict to show yet: the {NObje} Story's {NDoma} is not chosen yet.";
    composer->BuildCharacteristicsSection();
    EXPECT_EQ(Take(), "[S1][S2][S3]" + kNone + kB + "Ann's " + kNB + "Characteristics (as the " + kI + "R" +
                          kNI + ")\n\n" + Code("M(20,60,60)") + kB + kU + "Motivation" + kNB + kNU + "\n\n" +
                          Code("M(40,60,60)") + "Ann's motivation of {SNF(85)}" + notChosen + "\n\n" +
                          Code("M(20,60,60)") + kB + kU + "Evaluation" + kNB + kNU + "\n\n" +
                          Code("M(40,60,60)") + "Ann's means of evaluation in terms of {SNF(90)}" +
                          notChosen + "\n\n" + "Ann's means of evaluation in terms of {SNF(91)}" + notChosen +
                          "\n\n\n\n");

    composer->SetShowStorytelling(1);
    composer->BuildCharacteristicsSection();
    EXPECT_NE(Take().find("Characteristics (as the " + kI + "R" + kNI + ")\n\n" + Code("M(20,20,20)") + kI +
                          "D" + kNI + kNone + "\n\n" + Code("M(20,60,60)")),
              std::string::npos);

    for (int n = 2; n <= 12; ++n) Add(("Extra " + std::to_string(n)).c_str());
    ASSERT_EQ(Characters().GetCount(), 12);
    composer->BuildCharacteristicsSection();
    const std::string twelve = Take();
    std::size_t at = 0;
    for (std::int32_t position = 0; position < 12; ++position) {
        const std::string& name = Record(Characters().IdAt(position)).Name();
        const std::size_t next = twelve.find(kB + name + "'s " + kNB + "Characteristics");
        ASSERT_NE(next, std::string::npos) << name;
        EXPECT_GE(next, at) << name;
        at = next;
    }
    EXPECT_NE(twelve.find(kB + "Extra 12's " + kNB + "Characteristics\n\n"), std::string::npos);
}

TEST_F(CharacterSections, TheRelationshipsOfNoneAndOfTwoCharacters) {
    composer->BuildRelationshipsSection();
    EXPECT_EQ(Take(), "[S1]\n\n");
    EXPECT_EQ(log->opened, (std::vector<std::int16_t>{1007}));

    const CharID ann = Add("Ann");
    const CharID bo = Add("Bo");
    Record(ann).SetSWIntro("hi");
    Record(bo).SetSWDismiss("bye");
    Record(ann).SetRelationship("friends", bo);
    composer->BuildRelationshipsSection();
    EXPECT_EQ(Take(), "[S1]\n\n" + kNone + "[S2]" + kB + "Ann" + kNB + "\n\n" + kHanging + "Ann[S3]\n" + kI +
                          kIndented + "hi" + kNI + kNone + "\n\n" + kHanging + "Ann[S5]Bo\n" + kIndented +
                          "\nfriends\n" + "\n\n" + kNone + "[S2]" + kB + "Bo" + kNB + "\n\n" + kHanging +
                          "Bo[S4]\n" + kIndented + kI + "bye" + kNI + kNone + "\n\n" + kHanging +
                          "Bo[S5]Ann\n" + kIndented + "\nfriends\n" + "\n\n");

    Record(ann).SetRelationship("", bo);
    composer->BuildRelationshipsSection();
    EXPECT_NE(Take().find(kHanging + "Ann[S5]Bo\n\n\n" + kNone + "[S2]"), std::string::npos);
}

TEST_F(CharacterSections, AllCharactersPutTheMainAndImpactCharactersFirst) {
    log->lastKey = 2;
    composer->BuildAllCharactersSection();
    EXPECT_EQ(Take(), "[S1][S1]\n\n[S2][S1][S2]This story has no scenes yet.\n\n");
    EXPECT_EQ(log->opened, (std::vector<std::int16_t>{1016, 1007, 51}));

    Add("Cy");
    Add("Ann", 2);
    Add("Bo", 1);
    composer->BuildAllCharactersSection();
    const std::string text = Take();
    const std::size_t bo = text.find(Line("Name:  ", "Bo"));
    const std::size_t ann = text.find(Line("Name:  ", "Ann"));
    const std::size_t cy = text.find(Line("Name:  ", "Cy"));
    ASSERT_NE(cy, std::string::npos);
    EXPECT_LT(bo, ann);
    EXPECT_LT(ann, cy);
    EXPECT_LT(cy, text.find(kNone + "[S2]" + kB + "Cy"));
}

TEST_F(CharacterSections, TheTemplateSectionsDescribeEveryCharacterInTheirLayout) {
    log->lastKey = 1;
    composer->BuildReportSection(37, "");
    EXPECT_EQ(Take(), "[S1]");
    const CharID ann = AddAnn();
    const std::string card = Describe(ann, 3), profile = Describe(ann, 1);
    composer->BuildReportSection(37, "");
    EXPECT_EQ(Take(), "[S1]" + card);
    composer->BuildReportSection(38, "");
    EXPECT_EQ(Take(), "[S1]" + profile);
}

// Whichever of the four classes the overall story's domain is, the last included, the sentence
// shows the conflict and never says the domain is not chosen.
TEST_F(Conflict, EveryClassOfTheOverallDomainGivesTheConflictTheFourthToo) {
    for (const std::int16_t domain : {1, 2, 3, 4}) {
        SCOPED_TRACE("domain class " + std::to_string(domain));
        form.SetValueByCode("STDom", domain);
        const std::string sentence = Sentence(85, 0, false);
        EXPECT_TRUE(StartsWith(sentence, "Ann's motivation of {SNF(85)} is in conflict with ")) << sentence;
        EXPECT_EQ(sentence.find("not chosen"), std::string::npos) << sentence;
    }
}

}  // namespace
