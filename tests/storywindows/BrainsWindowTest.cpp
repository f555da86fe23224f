// The brainstorming tools: a spin chooses story points at random among the values that leave
// storyforms, within its options (which points, how many, whether the writer's and locked choices
// stay, whether the results go in at once); the character generator proposes archetypes or complex
// characters from the characteristics no character holds and adds the ones the writer keeps; one
// window per story, on either page, keeping its options.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "StoryWindowsFixture.h"
#include "app/StoryCommandIds.h"
#include "platform/gdi/Surface.h"
#include "platform/ui/Presenter.h"
#include "storymodel/Archetypes.h"
#include "storymodel/CharInfoRec.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storywindows/BrainsWindow.h"
#include "storywindows/EngineControls.h"
#include "widgets/Popup.h"

namespace storywindowstest {
namespace {

constexpr std::size_t kResolve = 0;

class Brainstorming : public StoryWindowsStoryTest {
protected:
    std::mt19937 random{7};

    void SetUp() override {
        StoryWindowsStoryTest::SetUp();
        story->SetClean();
    }
    // Each control's choice as the story engine panel reads it.
    std::vector<std::int16_t> Choices() {
        const EngineControls controls(*story);
        std::vector<std::int16_t> chosen;
        for (std::size_t i = 0; i < EngineControls::kCount; ++i) chosen.push_back(controls.Control(i).chosen);
        return chosen;
    }
    BrainsWindow* Open(std::int32_t command) {
        return dynamic_cast<BrainsWindow*>(Command(command, &FKDoc::GetBrainsWindow));
    }
    // How many pixels of the window's client area, outside its items' windows, are not its
    // background as the screen shows it.
    static int StrayPixels(const BrainsWindow& window) {
        RGBColor background;
        window.GetBackColor(background);
        RECT client{};
        GetClientRect(window.GetHWnd(), &client);
        POINT origin{0, 0};
        ClientToScreen(window.GetHWnd(), &origin);
        std::vector<RECT> items;
        for (HWND child = GetWindow(window.GetHWnd(), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            RECT place{};
            GetWindowRect(child, &place);
            items.push_back(place);
        }
        const Surface& screen = GetScreenSurface();
        int stray = 0;
        for (int y = origin.y; y < origin.y + client.bottom; ++y)
            for (int x = origin.x; x < origin.x + client.right; ++x) {
                const bool onItem = std::any_of(items.begin(), items.end(), [&](const RECT& r) {
                    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
                });
                if (!onItem && screen.GetPixel(x, y) != background.ToColorRef()) ++stray;
            }
        return stray;
    }
    // How many pixels of the popup's text place are darker than mid-grey: its chosen text.
    static int TextInk(const Popup& popup) {
        POINT corner{popup.GetTextRect().left, popup.GetTextRect().top};
        ClientToScreen(GetParent(popup.GetHWnd()), &corner);
        const Surface& screen = GetScreenSurface();
        int ink = 0;
        for (int y = corner.y; y < corner.y + popup.GetTextRect().Height(); ++y)
            for (int x = corner.x; x < corner.x + popup.GetTextRect().Width(); ++x)
                ink += GetGValue(screen.GetPixel(x, y)) < 0x80;
        return ink;
    }
};

TEST_F(Brainstorming, ASpinLeavesStoryformsAndPutsTheStoryBackUnlessAsked) {
    const std::vector<std::int16_t> before = Choices();
    SpinOptions options;
    const std::vector<SpinResult> proposed = Spin(*story, options, random);
    ASSERT_FALSE(proposed.empty());
    EXPECT_EQ(Choices(), before) << "the story is put back";
    EXPECT_FALSE(story->IsDirty());

    EXPECT_EQ(KeepSpin(*story, proposed), static_cast<int>(proposed.size()));
    std::vector<std::int16_t> after = Choices();
    for (const SpinResult& result : proposed)
        EXPECT_EQ(after[result.control], result.value) << result.control;
    EXPECT_GE(story->GetStoryformCount(), 1);
    EXPECT_TRUE(story->IsDirty());

    // At once, within the reach and the kinds of points asked for.
    story->GetStoryFormManager()->SetChoiceAt(StoryPointIndex(EngineControls::PointID(kResolve)), 0);
    options = SpinOptions{};
    options.honour = false;
    options.assign = true;
    options.dynamics = false;
    options.problems = false;
    options.reach = 3;
    const std::vector<SpinResult> spun = Spin(*story, options, random);
    ASSERT_FALSE(spun.empty());
    EXPECT_LE(spun.size(), 3u);
    after = Choices();
    for (const SpinResult& result : spun) {
        EXPECT_GE(result.control, EngineControls::kDynamicControls);
        EXPECT_NE((result.control - EngineControls::kDynamicControls) % 4, 3u) << "no problem";
        EXPECT_EQ(after[result.control], result.value);
    }
    EXPECT_EQ(after[kResolve], 0) << "the dynamics did not spin";
    EXPECT_GE(story->GetStoryformCount(), 1);
}

TEST_F(Brainstorming, TheWritersChoicesStayWhenHonouredAndLockedOnesAlways) {
    StoryFormManager& form = *story->GetStoryFormManager();
    form.SetChoice(EngineControls::PointID(kResolve), 1002);
    SpinOptions options;
    options.assign = true;
    for (int spin = 0; spin < 3; ++spin) {
        const std::vector<SpinResult> results = Spin(*story, options, random);
        // The first spin decides every open point; honoured, the later ones find none open.
        EXPECT_EQ(results.empty(), spin > 0) << spin;
        for (const SpinResult& result : results) EXPECT_NE(result.control, kResolve);
        EXPECT_EQ(form.GetChoice(EngineControls::PointID(kResolve)), 1002);
    }
    // Spun again from scratch, an unlocked choice may change but a locked one never does.
    {
        EngineControls controls(*story);
        controls.SetLocked(kResolve, true);
    }
    options.honour = false;
    for (int spin = 0; spin < 3; ++spin) {
        Spin(*story, options, random);
        EXPECT_EQ(form.GetChoice(EngineControls::PointID(kResolve)), 1002);
    }
}

TEST_F(Brainstorming, TheResultsAreShownAsTheOptionsSay) {
    const std::vector<SpinResult> results{{kResolve, 1001}, {EngineControls::kDynamicControls, 2}};
    SpinOptions options;
    const std::vector<std::string> grouped = DescribeSpin(*story, results, options);
    ASSERT_EQ(grouped.size(), 4u);
    EXPECT_EQ(grouped[0], "Dynamics");
    EXPECT_NE(grouped[1].find("Change"), std::string::npos);
    EXPECT_NE(grouped[1].find(":  "), std::string::npos) << "named";
    EXPECT_EQ(grouped[1].rfind("    ", 0), 0u) << "indented under its heading";
    options.names = false;
    options.throughlines = false;
    const std::vector<std::string> plain = DescribeSpin(*story, results, options);
    ASSERT_EQ(plain.size(), 2u);
    EXPECT_EQ(plain[0], "Change");
}

TEST_F(Brainstorming, ArchetypesNotYetCastAreProposedAndAKeptOneBecomesACharacter) {
    std::vector<CharacterProposal> proposals =
        ProposeCharacters(*story, GeneratorKind::kArchetypal, 8, random);
    ASSERT_EQ(proposals.size(), 8u);
    std::set<std::int16_t> archetypes;
    for (const CharacterProposal& proposal : proposals) {
        archetypes.insert(proposal.archetype);
        for (const auto& elements : proposal.characteristics) EXPECT_EQ(elements.size(), 2u);
        EXPECT_EQ(DescribeProposal(proposal).rfind(proposal.name + ":", 0), 0u);
    }
    EXPECT_EQ(archetypes.size(), 8u);
    CharacterManager& characters = *story->GetCharacterManager();
    const std::uint16_t count = characters.GetCount();
    const CharID id = AddProposedCharacter(*story, proposals[0]);
    ASSERT_NE(id, kNoCharID);
    EXPECT_EQ(characters.GetCount(), count + 1);
    EXPECT_EQ(characters.GetCharacter(id)->GetArchetype(), proposals[0].archetype);
    EXPECT_EQ(characters.GetCharacteristics(id, 1), proposals[0].characteristics[1]);
    proposals = ProposeCharacters(*story, GeneratorKind::kArchetypal, 8, random);
    EXPECT_EQ(proposals.size(), 7u) << "the cast archetype is not proposed again";
    EXPECT_EQ(ProposeCharacters(*story, GeneratorKind::kArchetypal, 2, random).size(), 2u);

    // A characteristic taken meanwhile is left out of the kept proposal.
    const CharacterProposal next = proposals[0];
    const std::int16_t taken = next.characteristics[0][0];
    const CharID other = characters.CreateCharacter("Other", 0, 0, 0, kNoRole, false);
    characters.SetCharacteristics(other, 0, std::vector<std::int16_t>{taken});
    const CharID kept = AddProposedCharacter(*story, next);
    EXPECT_EQ(characters.GetCharacteristics(kept, 0).size(), 1u);
    EXPECT_EQ(characters.FindCharacterWithCharacteristic(taken, 0), other);
}

TEST_F(Brainstorming, ComplexProposalsDealTheFreeCharacteristics) {
    CharacterManager& characters = *story->GetCharacterManager();
    std::vector<CharacterProposal> proposals = ProposeCharacters(*story, GeneratorKind::kComplex, 8, random);
    ASSERT_EQ(proposals.size(), 8u) << "sixty-four characteristics make eight";
    std::set<std::int16_t> dealt;
    for (const CharacterProposal& proposal : proposals) {
        EXPECT_TRUE(proposal.name.empty());
        for (std::size_t dimension = 0; dimension < 4; ++dimension)
            for (std::int16_t element : proposal.characteristics[dimension]) {
                EXPECT_EQ(DimensionOfCharacteristic(element - 85), dimension);
                EXPECT_TRUE(dealt.insert(element).second) << "dealt once";
            }
    }
    EXPECT_EQ(dealt.size(), 64u);
    const CharID id = AddProposedCharacter(*story, proposals[3]);
    std::array<std::int16_t, kArchetypeElementCount> elements{};
    for (std::size_t i = 0; i < elements.size(); ++i)
        elements[i] = proposals[3].characteristics[i / 2][i % 2];
    const std::int16_t archetype = ArchetypeOfElements(elements);
    EXPECT_EQ(characters.GetCharacter(id)->GetArchetype(), archetype ? archetype : kComplexArchetype);
    proposals = ProposeCharacters(*story, GeneratorKind::kComplex, 8, random);
    EXPECT_EQ(proposals.size(), 7u) << "what the new character holds is not dealt again";
    for (const CharacterProposal& proposal : proposals)
        for (const auto& elements : proposal.characteristics)
            for (std::int16_t element : elements)
                EXPECT_EQ(characters.FindCharacterWithCharacteristic(element,
                                                                     DimensionOfCharacteristic(element - 85)),
                          kNoCharID);
}

// "1" in the number popup proposes one character of either kind, and a count below one is one.
TEST_F(Brainstorming, AskedForOneCharacterEachKindProposesExactlyOne) {
    for (const GeneratorKind kind : {GeneratorKind::kArchetypal, GeneratorKind::kComplex}) {
        SCOPED_TRACE(static_cast<int>(kind));
        EXPECT_EQ(ProposeCharacters(*story, kind, 1, random).size(), 1u);
        EXPECT_EQ(ProposeCharacters(*story, kind, 0, random).size(), 1u);
    }
    BrainsWindow* window = Open(kCmdCharacterGenerator);
    ASSERT_NE(window, nullptr);
    for (const std::int32_t kind : {0, 1}) {
        SCOPED_TRACE(kind);
        dynamic_cast<Popup&>(*window->GetItem(BrainsWindow::kKindPopup)).SetValue(kind, true);
        dynamic_cast<Popup&>(*window->GetItem(BrainsWindow::kNumberPopup)).SetValue(0, true);
        window->ProposeNow();
        EXPECT_EQ(window->GetNumber(), 1);
        EXPECT_EQ(window->GetProposals().size(), 1u);
        EXPECT_EQ(window->GetList()->GetTopicCount(), 1);
    }
}

TEST_F(Brainstorming, BothCommandsShowOneWindowPerStoryOnTheirPage) {
    EXPECT_TRUE(application->CommandEnabled(kCmdSpinTheModel));
    EXPECT_TRUE(application->CommandEnabled(kCmdCharacterGenerator));
    BrainsWindow* window = Open(kCmdSpinTheModel);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetTitle(), "Brainstorming Tools for Your Story");
    EXPECT_EQ(window->GetPage(), BrainsWindow::kSpinnerPage);
    window->Seed(3);
    window->SpinNow();
    EXPECT_FALSE(window->GetSpinResults().empty());
    EXPECT_FALSE(window->AreResultsKept());
    EXPECT_GT(window->GetList()->GetTopicCount(), 0);
    EXPECT_EQ(window->KeepSpinResults(), static_cast<int>(window->GetSpinResults().size()));
    EXPECT_EQ(window->KeepSpinResults(), 0) << "kept once";

    application->SelectWindow(story->GetFrontEndWindow());
    Run();
    EXPECT_EQ(Open(kCmdCharacterGenerator), window) << "the same window, on page 2";
    EXPECT_EQ(window->GetPage(), BrainsWindow::kGeneratorPage);
    EXPECT_EQ(application->GetFrontWindow(), window);
    window->SetGenerator(GeneratorKind::kArchetypal, 3);
    window->ProposeNow();
    ASSERT_EQ(window->GetProposals().size(), 3u);
    EXPECT_EQ(window->GetList()->GetTopicCount(), 3);
    const std::uint16_t count = story->GetCharacterManager()->GetCount();
    EXPECT_NE(window->KeepProposal(1), kNoCharID);
    EXPECT_EQ(story->GetCharacterManager()->GetCount(), count + 1);
    EXPECT_EQ(window->GetProposals().size(), 2u);
    EXPECT_EQ(window->KeepProposal(5), kNoCharID);
    ASSERT_TRUE(application->CloseWindow(window, false));
    Run();
    EXPECT_EQ(story->GetBrainsWindow(), nullptr);
}

TEST_F(Brainstorming, EachPageIsPaintedWholeWithItsPopupsShowingTheirChoices) {
    // Opened on the generator page (made on the spinner page first), then the spinner page, then
    // the generator page again: the other page's items leave nothing behind, and the popups show
    // the kind and number of proposals.
    for (const std::int32_t command : {kCmdCharacterGenerator, kCmdSpinTheModel, kCmdCharacterGenerator}) {
        SCOPED_TRACE(command);
        BrainsWindow* window = Open(command);
        ASSERT_NE(window, nullptr);
        Run();
        EXPECT_EQ(StrayPixels(*window), 0);
        if (window->GetPage() != BrainsWindow::kGeneratorPage) continue;
        for (const std::int32_t item : {BrainsWindow::kKindPopup, BrainsWindow::kNumberPopup}) {
            const auto* popup = dynamic_cast<const Popup*>(window->GetItem(item));
            ASSERT_NE(popup, nullptr);
            EXPECT_GE(popup->GetValue(), 0);
            EXPECT_GT(TextInk(*popup), 10) << item;
        }
    }
}

TEST_F(Brainstorming, TheOptionsAreKeptAcrossARestart) {
    BrainsWindow* window = Open(kCmdSpinTheModel);
    ASSERT_NE(window, nullptr);
    SpinOptions options;
    options.dynamics = false;
    options.names = false;
    options.assign = true;
    options.reach = 40;
    window->SetSpinOptions(options);
    EXPECT_EQ(window->GetSpinOptions().reach, SpinOptions::kMaxReach);
    window->SetGenerator(GeneratorKind::kComplex, 6);
    RestartWithNewStory();
    window = Open(kCmdCharacterGenerator);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->GetSpinOptions().dynamics);
    EXPECT_TRUE(window->GetSpinOptions().honour);
    EXPECT_FALSE(window->GetSpinOptions().names);
    EXPECT_TRUE(window->GetSpinOptions().assign);
    EXPECT_EQ(window->GetSpinOptions().reach, SpinOptions::kMaxReach);
    EXPECT_EQ(window->GetKind(), GeneratorKind::kComplex);
    EXPECT_EQ(window->GetNumber(), 6);
}

}  // namespace
}  // namespace storywindowstest
