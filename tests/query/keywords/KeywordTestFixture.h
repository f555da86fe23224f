#pragma once
// The page keywords run as the query pages run them, over a new story of the running application
// (headless): its two characters named "Ann" (Main) and "Bob" (impact), more characters and scenes
// as a test adds them, and its query window opened on a list of the story's cast and scenes:
//
//   113 a character's page, one per character      "{NAME(1)}"
//     114 its description                          "{NAME(1)}: Description"
//     125 its relationships                         "Relationships of {NAME(1)}"
//       126 one per related character               "with {NAME(2)}"
//   141 the scene list                              "{SceneCat()} List"
//     142 one per scene                             "{SceneWkTitle()}"
//
// A keyword bound to a control is reached through the interpretation of its template, with the
// context of a page entry; its actions run inside an item hit of the window, whose requests run
// after it.

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "foundation/pfm/PTextTypes.h"
#include "query/FQSTreeSelectorView.h"
#include "query/QueryWindowFixture.h"
#include "query/data/FQSInterpretation.h"
#include "query/data/FQSPageData.h"
#include "query/data/TFQSInterpretable.h"
#include "storymodel/CharInfoRec.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/SceneManager.h"

namespace keywordtest {

inline constexpr std::int16_t kCastList = 2;

class KeywordTest : public querytest::QueryWindowTest {
protected:
    void AddContent(PFMFile* store) override {
        querytest::AddQueryTestContent(store);
        querytest::AddList(store, kCastList, "Cast", "1,113,1,0,114,2,0,125,2,4,126,3,0,141,1,10,142,2,");
        for (const std::uint16_t topic : {113, 114, 125, 126, 141, 142}) querytest::AddPage(store, topic);
    }

    void SetUp() override {
        QueryWindowTest::SetUp();
        story = NewStory();
        ASSERT_NE(story, nullptr);
        characters = story->GetCharacterManager();
        scenes = story->GetSceneManager();
        ann = characters->GetMainCharacter();
        bob = characters->GetImpactCharacter();
        // Named, so that they are no untouched placeholders that a new Main or impact character
        // takes the place of.
        characters->GetCharacter(ann)->SetName("Ann");
        characters->GetCharacter(bob)->SetName("Bob");
    }

    // The query window on the cast list.
    void OpenWindow() {
        window = OpenQuery(story);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->SelectQuestionList(kCastList, false, 0));
        Run();
    }

    // A page entry of the topic with the context.
    static FQSPageData Entry(CharID character, CharID other = kNoCharID, std::int16_t scene = -1,
                             std::int16_t topic = 113) {
        FQSPageData entry(0, topic, 1);
        entry.SetCharacter(character);
        entry.SetSecondCharacter(other);
        entry.SetScene(scene);
        return entry;
    }

    // The interpretation of a template, as a page control keeps it.
    std::unique_ptr<FQSInterpretation> Bind(const std::string& text, const FQSPageData& entry) {
        return std::make_unique<FQSInterpretation>(story, 256, text.c_str(), &entry, nullptr);
    }
    // The text of a template, the room limited to the given size.
    std::string Expand(const std::string& text, const FQSPageData& entry, std::int32_t limit = 256) {
        const FQSInterpretation interpretation(story, limit, text.c_str(), &entry, nullptr);
        EXPECT_TRUE(interpretation.IsText()) << text;
        return interpretation.GetText();
    }
    // The text a bound field shows.
    static std::string FieldText(FQSInterpretation& binding, std::int32_t size = 256) {
        std::vector<char> buffer(static_cast<std::size_t>(size), 'x');
        binding.GetKeyword()->GetText(binding.GetDocument(), binding, buffer.data(), size);
        return buffer.data();
    }

    // The action run inside an item hit of the window; the window's requests run after it.
    void Within(const std::function<void()>& action) {
        window->GetRequests().busy = true;
        action();
        window->GetRequests().busy = false;
        Hit(window, FQSWindow::kListChooserItem);
    }
    void Click(FQSInterpretation& binding) {
        Within([&binding] { binding.GetKeyword()->Execute(binding.GetDocument(), binding); });
    }
    // A popup pick as the page makes it: the keyword accepts it, and stores it when it says so.
    void Pick(FQSInterpretation& binding, std::int16_t index) {
        Within([&binding, index] {
            std::int16_t value = index;
            TFQSInterpretable* keyword = binding.GetKeyword();
            if (keyword->AcceptChoice(nullptr, value, binding.GetDocument(), binding))
                keyword->SetChoice(binding.GetDocument(), binding, value);
        });
    }

    // The text the character's record holds under the key; "<missing>" when it holds none.
    std::string Stored(CharID id, const std::string& key) {
        CharInfoRec* character = characters->GetCharacter(id);
        PText* record = character ? character->Record() : nullptr;
        if (!record || !record->HasKey(key.c_str())) return "<missing>";
        char text[512] = {};
        record->GetEntry(key.c_str(), kPTextText, text, sizeof text);
        return text;
    }
    std::string NameAt(std::int32_t position) const { return characters->RecordAt(position)->Name(); }

    // The captions of the topic tree's rows, in order.
    std::vector<std::string> TreeRows() const {
        std::vector<std::string> rows;
        const FQSTreeSelectorView* tree = window->GetTopicTree();
        for (std::int32_t row = 0; row < window->GetQuestionList().Count(); ++row) {
            const FQSTreeSelectorNode* node = tree->NodeAt(row);
            rows.push_back(node && node->GetText() ? node->GetText() : "<none>");
        }
        return rows;
    }
    // Shows the page of the first row with the caption, as a click on its node does.
    void GoToRowOf(const std::string& caption) {
        const std::vector<std::string> rows = TreeRows();
        const auto found = std::find(rows.begin(), rows.end(), caption);
        ASSERT_NE(found, rows.end()) << caption;
        window->GetTopicTree()->SelectNode(static_cast<std::int32_t>(found - rows.begin()), true);
        Run();
        ASSERT_EQ(CurrentRow(), caption);
    }
    // The caption of the row shown.
    std::string CurrentRow() const {
        const FQSTreeSelectorNode* node = window->GetTopicTree()->NodeAt(window->GetCurrentRow());
        return node && node->GetText() ? node->GetText() : "<none>";
    }

    CharID AddCharacter(const char* name) {
        return characters->CreateCharacter(name, 0, 1, 0, kNoRole, false);
    }
    // A new scene at the end; answers its id.
    std::int16_t AddScene() { return scenes->SceneAt(scenes->InsertScene(-1))->GetID(); }

    FKDoc* story = nullptr;
    CharacterManager* characters = nullptr;
    SceneManager* scenes = nullptr;
    FQSWindow* window = nullptr;
    CharID ann = kNoCharID;
    CharID bob = kNoCharID;
};

}  // namespace keywordtest
