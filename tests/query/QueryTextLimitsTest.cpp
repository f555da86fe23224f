// The text fields of the query pages stop where the story keeps their texts whole and every other
// window, report and file reads them whole: a character's name at 31 bytes as stored, its role at
// 2,047, the author at 250, a long text at 30,719, the scene category at 79 and a scene's title at
// the 80 its changes are compared over. A paste at the limit is kept whole without a word and read
// back whole; one a byte past it is cut where it still fits (a slash counting two) and the writer is
// told. A text kept longer from before is shown as far as the page reads it: a visit, or a change
// taken back, leaves it whole, and at the first change the writer is told that only what the page
// shows is kept.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "QueryContentFixture.h"
#include "ScenePagesFixture.h"
#include "items/StoredTextField.h"
#include "platform/ui/ClipboardText.h"
#include "platform/ui/Input.h"
#include "platform/ui/VirtualKeys.h"
#include "query/data/FQSInterpretation.h"
#include "storymodel/CharInfoRec.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/RecordText.h"
#include "storymodel/Scene.h"
#include "storymodel/SceneManager.h"
#include "support/StoredText.h"
#include "support/TextLimitCases.h"

namespace querytest {
namespace {

using testsupport::StoredText;

constexpr std::int16_t kCastQuestionList = 5;
constexpr std::int16_t kWeavingCharactersList = 8;
constexpr std::int16_t kNameTopic = 113;
constexpr std::int16_t kRoleTopic = 121;
constexpr std::int16_t kAuthorTopic = 3;
constexpr std::int16_t kMainDescriptionTopic = 108;
constexpr std::int16_t kImpactDescriptionTopic = 109;

// Pastes the text into the emptied field, with the keys a writer presses.
void PasteInto(win::HeadlessPresenter& presenter, win::HWND window, EditView& field,
               const std::string& text) {
    field.SetText("", 1);
    ASSERT_TRUE(win::detail::PutClipboardText(window, text));
    win::SetFocus(field.GetHWnd());
    presenter.KeyDown(win::VK_CONTROL);
    presenter.PressKey('V');
    presenter.KeyUp(win::VK_CONTROL);
}

// What the writer is told of the paste.
std::vector<std::string> Told(const testsupport::TextLimitCase& pasted) {
    if (!pasted.cut) return {};
    return {StoredTextField::CutMessage(pasted.kept.size())};
}

class QueryTextLimits : public QueryContentFixture {
protected:
    StoredTextField* Field() const {
        FQSPage* page = window->GetPage();
        return page && page->GetEditViewCount() > 0
                   ? dynamic_cast<StoredTextField*>(page->GetEditSlot(0).view)
                   : nullptr;
    }
    CharInfoRec& Main() const {
        CharacterManager& characters = *story->GetCharacterManager();
        return *characters.GetCharacter(characters.GetMainCharacter());
    }
    void Press(win::UINT key, win::UINT modifier = 0) {
        if (modifier) presenter.KeyDown(modifier);
        presenter.PressKey(key);
        if (modifier) presenter.KeyUp(modifier);
        Run();
    }
    // Another row of the list shown: the page left stores what the writer typed.
    void LeavePage() {
        window->GetTopicTree()->SelectNode(window->GetCurrentRow() == 0 ? 1 : 0, true);
        Run();
    }
};

TEST_F(QueryTextLimits, EachCharacterAndStoryFieldStopsWhereItsTextIsKeptWhole) {
    CharacterManager* characters = nullptr;
    // What the story keeps of the field's text, for the character the page is about.
    using Kept = std::function<std::string(CharID)>;
    const struct {
        std::int16_t list, topic;
        std::size_t limit;
        const char* what;
        Kept kept;
    } fields[] = {
        {kCastQuestionList, kNameTopic, 31, "a character's name",
         [&](CharID id) { return characters->GetCharacter(id)->Name(); }},
        {kCastQuestionList, kRoleTopic, 2047, "a character's role",
         [&](CharID id) { return characters->GetCharacter(id)->GetText(CharacterKey::kRole); }},
        {kWholeStoryformList, kAuthorTopic, 250, "the author",
         [&](CharID) { return RecordText(story->GetInfoRecord(), "Author"); }},
        {kWeavingCharactersList, kMainDescriptionTopic, 30719, "the Main Character's description",
         [&](CharID id) { return characters->GetCharacter(id)->GetText(CharacterKey::kDescription); }},
    };
    Open(kCastQuestionList);
    characters = story->GetCharacterManager();
    for (const auto& f : fields) {
        for (const testsupport::TextLimitCase& pasted : testsupport::TextLimitCases(f.limit)) {
            SCOPED_TRACE(std::string(f.what) + ", " + pasted.what);
            ASSERT_TRUE(window->SelectQuestionList(f.list, false, 0));
            Run();
            ASSERT_NE(ShowTopic(f.topic), nullptr);
            ASSERT_NE(Field(), nullptr);
            const CharID character = window->GetPage()->GetEditSlot(0).binding->GetCharacter();
            Mark();
            PasteInto(presenter, window->GetHWnd(), *Field(), pasted.pasted);
            Run();
            EXPECT_EQ(Asked(), Told(pasted));
            EXPECT_TRUE(Field()->GetText() == StoredText(pasted.kept)) << "the field";
            LeavePage();
            EXPECT_TRUE(f.kept(character) == StoredText(pasted.kept)) << "the story";
        }
    }
}

// A text at its limit, slashes among it, typed elsewhere is shown whole by its page, and an edit
// there keeps it whole.
TEST_F(QueryTextLimits, ATextAtItsLimitIsShownWholeAndAnEditKeepsItWhole) {
    Open(kWeavingCharactersList);
    const std::string description = StoredText(testsupport::SlashedText(30719));
    ASSERT_EQ(Main().SetText(CharacterKey::kDescription, description.c_str()), kNoErr);
    Mark();
    ASSERT_NE(ShowTopic(kMainDescriptionTopic), nullptr);
    ASSERT_NE(Field(), nullptr);
    EXPECT_TRUE(Field()->GetText() == description) << "shown whole";
    // The writer takes the last three letters back and writes others.
    win::SetFocus(Field()->GetHWnd());
    Press(win::VK_END, win::VK_CONTROL);
    for (int i = 0; i < 3; ++i) Press(win::VK_BACK);
    presenter.TypeText("END");
    Run();
    ShowTopic(kImpactDescriptionTopic);
    const std::string edited = description.substr(0, description.size() - 3) + "END";
    EXPECT_TRUE(Main().GetText(CharacterKey::kDescription) == edited) << "the edit keeps it whole";
    EXPECT_TRUE(Asked().empty());
}

TEST_F(QueryTextLimits, ALongerTextFromBeforeIsShownAsFarAsItFitsAndKeptWholeUnlessChanged) {
    Open(kWeavingCharactersList);
    std::string older(32000, 'o');
    older.replace(31990, 10, "the ending");
    ASSERT_EQ(Main().SetText(CharacterKey::kDescription, older.c_str()), kNoErr);
    Mark();
    ASSERT_NE(ShowTopic(kMainDescriptionTopic), nullptr);
    ASSERT_NE(Field(), nullptr);
    EXPECT_EQ(Field()->GetText(), older.substr(0, 30719)) << "shown as far as the page reads it";
    ShowTopic(kImpactDescriptionTopic);
    EXPECT_EQ(Main().GetText(CharacterKey::kDescription), older) << "a visit keeps it whole";
    EXPECT_TRUE(Asked().empty());

    // A change taken back keeps it whole; the writer is told at the first change.
    ShowTopic(kMainDescriptionTopic);
    win::SetFocus(Field()->GetHWnd());
    Press(win::VK_END, win::VK_CONTROL);
    Press(win::VK_BACK);
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0], FQSPage::CutTextMessage(30719));
    presenter.TypeText("o");
    Run();
    EXPECT_EQ(Field()->GetText(), older.substr(0, 30719));
    ShowTopic(kImpactDescriptionTopic);
    EXPECT_EQ(Main().GetText(CharacterKey::kDescription), older);
    EXPECT_EQ(Asked().size(), 1u) << "told once";

    // A change kept keeps what the page shows, as the writer was told.
    ShowTopic(kMainDescriptionTopic);
    win::SetFocus(Field()->GetHWnd());
    Press(win::VK_END, win::VK_CONTROL);
    Press(win::VK_BACK);
    Press(win::VK_BACK);
    ASSERT_EQ(Asked().size(), 2u) << "told again on the page shown again, once";
    EXPECT_EQ(Asked()[1], FQSPage::CutTextMessage(30719));
    ShowTopic(kImpactDescriptionTopic);
    EXPECT_EQ(Main().GetText(CharacterKey::kDescription), older.substr(0, 30717));
}

// A scene's title, its text, the story's name for a scene, and the Main Character's role bound by
// its key in the character's record, on pages of their own.
class OwnPageTextLimits : public ScenePagesTest {
protected:
    static constexpr std::int16_t kNamingList = 16;
    void AddContent(PFMFile* store) override {
        AddScenePagesContent(store);
        AddList(store, kNamingList, "Naming", "0,40,1,10,143,1,0,144,1,0,145,1,");
        WritePage(store, 143, 2,
                  {{"QT", "what happens"}, {"EV1", "{ScRefTitle()}"}, {"EV2", "{SceneText()}"}},
                  {{"EN", 2}, {"EM1", -1}, {"EM2", 8}});
        WritePage(store, 144, 2, {{"QT", "naming"}, {"EV1", "{SceneCatRef()}"}}, {{"EN", 1}, {"EM1", -1}});
        WritePage(store, 145, 2, {{"QT", "the role"}, {"EV1", "Role"}}, {{"EN", 1}, {"ES1", 3}});
    }
};

TEST_F(OwnPageTextLimits, EachFieldStopsWhereItsTextIsKeptWhole) {
    OpenScenes(NewStory(), 1);
    ASSERT_TRUE(window->SelectQuestionList(kNamingList, false, 0));
    Run();
    const auto sceneText = [this](void (Scene::*get)(char*, std::uint32_t)) {
        std::string text(40000, '\0');
        (Scenes().SceneAt(0)->*get)(text.data(), static_cast<std::uint32_t>(text.size()));
        return std::string(text.c_str());
    };
    const struct {
        std::int32_t row, item;
        std::size_t limit;
        const char* what;
        std::function<std::string()> kept;
    } fields[] = {
        {1, 14, 80, "the title", [&] { return sceneText(&Scene::GetTitle); }},
        {1, 15, 30719, "the text", [&] { return sceneText(&Scene::GetDescription); }},
        {2, 14, 79, "the name for a scene", [&] { return Scenes().CategoryName(); }},
        {3, 14, 2047, "the Main Character's role",
         [&] {
             CharacterManager& characters = *story->GetCharacterManager();
             return characters.GetCharacter(characters.GetMainCharacter())->GetText(CharacterKey::kRole);
         }},
    };
    for (const auto& f : fields) {
        for (const testsupport::TextLimitCase& pasted : testsupport::TextLimitCases(f.limit)) {
            SCOPED_TRACE(std::string(f.what) + ", " + pasted.what);
            ASSERT_NE(ShowRow(f.row), nullptr);
            auto* field = dynamic_cast<EditView*>(window->GetItem(f.item));
            ASSERT_NE(field, nullptr);
            Mark();
            PasteInto(presenter, window->GetHWnd(), *field, pasted.pasted);
            Run();
            EXPECT_EQ(Asked(), Told(pasted));
            ShowRow(0);
            EXPECT_TRUE(f.kept() == StoredText(pasted.kept)) << "the story";
            ASSERT_NE(ShowRow(f.row), nullptr);
            field = dynamic_cast<EditView*>(window->GetItem(f.item));
            ASSERT_NE(field, nullptr);
            EXPECT_TRUE(field->GetText() == StoredText(pasted.kept)) << "read back whole";
        }
    }
}

}  // namespace
}  // namespace querytest
