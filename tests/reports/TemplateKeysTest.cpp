// The table of the keys the report builders read from their templates, held against the builders
// themselves: built over contrasting storyforms, with storytelling and the vocabulary list on and
// off, no builder opens a record or asks a key the table lacks, and no record or fixed key of the
// table goes unread.

#include <string>

#include "ReportTestSupport.h"
#include "reports/ReportTemplateKeys.h"
#include "storymodel/engine/Dynamics.h"

namespace {

using namespace reporttest;

class TemplateKeys : public EngineReportTest {
protected:
    // Every id, with storytelling and the vocabulary list off and on.
    void BuildEveryIdEveryWay(ReportComposer& built) {
        for (const std::int16_t storytelling : {0, 1}) {
            for (const std::int16_t vocabulary : {0, 1}) {
                built.SetShowStorytelling(storytelling);
                owner.vocabulary = vocabulary;
                for (std::int16_t id = 1; id <= 71; ++id) {
                    built.ResetText();
                    built.BuildReportSection(id, "");
                }
            }
        }
    }
};

TEST_F(TemplateKeys, TheBuildersReadTheKeysOfTheTableAndNoOther) {
    for (const ContrastingStoryform& c : kContrastingStoryforms) {
        SCOPED_TRACE(c.number);
        PFMFile* store = PFMOpenFile(nullptr);
        ASSERT_NE(store, nullptr);
        {
            StandInStory contrast(store);
            ASSERT_EQ(contrast.LoadCharacters(), kNoErr);
            PFMSetCurrentFile(store);
            ASSERT_TRUE(CompleteStoryform(contrast.StoryForm(), c.number));
            ASSERT_EQ(contrast.StoryForm().IsChange(), c.change);
            ReportComposer built(&owner, &contrast, &contrast.StoryForm(), &contrast.Scenes());
            built.SetReportTemplates(std::make_unique<FakeTemplates>(log));
            BuildEveryIdEveryWay(built);
        }
        PFMSetCurrentFile(story->GetStoryFile());
        PFMCloseFile(store);
    }
    // And a new story, whose storyform holds nothing yet, with a character who enters, leaves and
    // stands in a relationship (the relationships read a key for each), and with an author (the
    // analysis information reads a key for the author's line).
    CharacterManager& characters = story->Characters();
    CharInfoRec* main = characters.GetCharacter(characters.GetMainCharacter());
    ASSERT_NE(main, nullptr);
    main->SetSWIntro("arrives by train");
    main->SetSWDismiss("leaves by sea");
    main->SetRelationship("old friends", characters.GetImpactCharacter());
    story->GetInfoRecord().SetEntry("Author", kPTextText, "A. Writer");
    // The writer's storytelling on dynamics not chosen yet heads a key of its own; the resolve's
    // only from the second build on.
    for (const char* key : {"Work", "Limit", "Outcome", "Judgment"})
        story->GetStorytellingRecord().SetEntry(key, kPTextText, "told");
    ReportComposer fresh(&owner, story.get(), &story->StoryForm(), &story->Scenes());
    fresh.SetReportTemplates(std::make_unique<FakeTemplates>(log));
    BuildEveryIdEveryWay(fresh);
    story->GetStorytellingRecord().SetEntry("Resolve", kPTextText, "told");
    // And partly chosen: a judgment without an outcome.
    story->StoryForm().SetChoice(DynamicPointID(kJudgment), DynamicValue(kJudgment, 0));
    ASSERT_TRUE(story->StoryForm().IsGood());
    BuildEveryIdEveryWay(fresh);
    // A resolve of each kind without a growth, then with one and a limit (a Steadfast character to
    // a Good end: the question that does not match), then the growth without the resolve.
    for (const int resolve : {0, 1}) {
        story->StoryForm().SetChoice(DynamicPointID(kResolve), DynamicValue(kResolve, resolve));
        BuildEveryIdEveryWay(fresh);
    }
    story->StoryForm().SetChoice(DynamicPointID(kGrowth), DynamicValue(kGrowth, 0));
    story->StoryForm().SetChoice(DynamicPointID(kLimit), DynamicValue(kLimit, 0));
    ASSERT_TRUE(story->StoryForm().IsSteadfast());
    BuildEveryIdEveryWay(fresh);
    story->StoryForm().SetChoice(DynamicPointID(kResolve), 0);
    BuildEveryIdEveryWay(fresh);
    // And the outcome besides: all that waits is the verdict on who had it right.
    story->StoryForm().SetChoice(DynamicPointID(kOutcome), DynamicValue(kOutcome, 0));
    BuildEveryIdEveryWay(fresh);
    // Then without the judgment: what comes of the effort is said, and the rest waits.
    story->StoryForm().SetChoice(DynamicPointID(kJudgment), 0);
    BuildEveryIdEveryWay(fresh);
    // And one throughline's first signpost after another, with its others still open.
    for (int d = 0; d < kDynamicCount; ++d) story->StoryForm().SetChoice(DynamicPointID(d), 0);
    std::int16_t last = 0;
    for (const char* code : {"STType1", "MCType1", "OCType1", "PLType1"}) {
        const StoryPointRecord& point = *StoryPointByID(StoryPointIDForCode(code));
        if (last) story->StoryForm().SetChoice(last, 0);
        story->StoryForm().SetChoice(point.id, StoryformSolver::EngineValueID(0, point.engineField, point.kind));
        last = point.id;
        BuildEveryIdEveryWay(fresh);
    }
    // And a bad judgment while the critical flaw is not chosen yet, without the resolve and with it,
    // the driver chosen and the limit not; then the critical flaw without the judgment.
    story->StoryForm().SetChoice(last, 0);
    story->StoryForm().SetChoice(DynamicPointID(kJudgment), DynamicValue(kJudgment, 1));
    story->StoryForm().SetChoice(DynamicPointID(kDriver), DynamicValue(kDriver, 0));
    BuildEveryIdEveryWay(fresh);
    story->StoryForm().SetChoice(DynamicPointID(kResolve), DynamicValue(kResolve, 0));
    BuildEveryIdEveryWay(fresh);
    story->StoryForm().SetChoice(DynamicPointID(kJudgment), 0);
    const StoryPointRecord& flaw = *StoryPointByID(StoryPointIDForCode("MCCrFl"));
    story->StoryForm().SetChoice(flaw.id, StoryformSolver::EngineValueID(0, flaw.engineField, flaw.kind));
    BuildEveryIdEveryWay(fresh);

    for (const auto& [record, keys] : log->asked) {
        const TemplateKeySet* set = FindTemplateKeySet(record);
        ASSERT_NE(set, nullptr) << "template " << record << " is read but not in the table";
        for (const std::string& key : keys) {
            const int n = TemplateKeyNumber(key);
            EXPECT_TRUE(set->Reads(n)) << "template " << record << " is read under " << key;
            // A record read whole is read up to the first key missing (the fake has S1 to S40).
            if (set->IsReadWhole()) {
                EXPECT_LE(n, log->lastKey + 1) << record;
            }
        }
    }
    for (const TemplateKeySet& set : kTemplateKeySets) {
        const auto asked = log->asked.find(set.record);
        ASSERT_NE(asked, log->asked.end()) << "template " << set.record << " is in the table but never read";
        if (set.IsReadWhole()) {
            EXPECT_EQ(asked->second.count("S" + std::to_string(log->lastKey + 1)), 1u)
                << "template " << set.record << " is not read up to its first missing key";
            continue;
        }
        for (int n = 1; n <= 63; ++n) {
            if (set.Reads(n)) {
                EXPECT_EQ(asked->second.count("S" + std::to_string(n)), 1u)
                    << "template " << set.record << " never reads S" << n;
            }
        }
    }
}

TEST(TemplateKeyTable, ReadsNamesTheKeysOfASetAndAnyKeyOfARecordReadWhole) {
    const TemplateKeySet* contrast = FindTemplateKeySet(1008);
    ASSERT_NE(contrast, nullptr);
    EXPECT_TRUE(contrast->Reads(1));
    EXPECT_FALSE(contrast->Reads(2));
    EXPECT_TRUE(contrast->Reads(3));
    EXPECT_FALSE(contrast->Reads(4));
    EXPECT_FALSE(contrast->Reads(0));
    const TemplateKeySet* guide = FindTemplateKeySet(70);
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->IsReadWhole());
    EXPECT_TRUE(guide->Reads(1));
    EXPECT_TRUE(guide->Reads(63));
    EXPECT_FALSE(guide->Reads(64));
    EXPECT_FALSE(guide->Reads(0));
    EXPECT_EQ(FindTemplateKeySet(39), nullptr);
    EXPECT_EQ(FindTemplateKeySet(0), nullptr);
    EXPECT_EQ(TemplateKeyNumber("S1"), 1);
    EXPECT_EQ(TemplateKeyNumber("S63"), 63);
    EXPECT_EQ(TemplateKeyNumber("S64"), 0);
    EXPECT_EQ(TemplateKeyNumber("S0"), 0);
    EXPECT_EQ(TemplateKeyNumber("S01"), 0);
    EXPECT_EQ(TemplateKeyNumber("T1"), 0);
    EXPECT_EQ(TemplateKeyNumber("S1x"), 0);
}

}  // namespace
