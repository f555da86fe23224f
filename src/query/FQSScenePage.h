#pragma once
// The page of one scene: a hierarchical menu, "This Scene Represents:", in which the writer ticks
// the appreciations (story points, characters, throughline items) the scene represents, and a text
// view listing what the scene represents, with the chosen storyform values and, while the story's
// scene storytelling mode is on, the writer's texts for them.
//
// The menu's nodes are the rows of the appreciation table that the page record's "APPINCL" names,
// expanded against the story; a node without children shows its description as lines below it.
// The page keeps no pointer to its scene: every use looks the scene up by the context's id, so a
// scene deleted elsewhere while the page shows is neither read nor written.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "query/FQSPage.h"
#include "query/keywords/ScenePageReferences.h"
#include "widgets/HMPClient.h"

class FQSPageDataList;
class HMPMenu;
class IncludeableAppreciation;
class RichTextView;
class Scene;

class FQSScenePage : public FQSPage, public IHMPClient, public IKeywordScenePage {
public:
    static constexpr const char* kMenuTitle = "This Scene Represents:";
    static constexpr const char* kTableKey = "APPINCL";

    // One piece of the text view's text.
    struct TextRun {
        bool bold = false;
        std::string text;
    };

    FQSScenePage();
    ~FQSScenePage() override;

    // --- FQSPage
    void Build() override;
    void Release() override;
    void ShiftContent(std::int32_t dy) override;
    void RunKeyword(FQSPushBtn& button) override;
    void ApplyKeywordCheck(FQSCheckBox& box) override;

    // --- IHMPClient
    void GetRoot(std::int32_t& handle) override;
    // Adds the ticked appreciations the scene lacks, then removes the unticked ones it holds, and
    // shows the text again once when anything changed.
    void ApplyChanges(const HMPItemList& turnedOn, const HMPItemList& turnedOff) override;
    std::int16_t IsPreviewItem(std::int32_t handle) override;
    std::int16_t IsDimmed(std::int32_t handle) override;
    std::int16_t IsValid(std::int32_t handle) override;
    std::int16_t IsChecked(std::int32_t handle) override;
    std::int16_t IsCheckable(std::int32_t handle) override;
    void GetFirstChild(std::int32_t& child, std::int32_t handle) override;
    void GetNextSibling(std::int32_t& sibling, std::int32_t handle) override;
    void GetItemText(std::int32_t handle, char* buffer, std::int16_t size) override;
    void GetItemFont(win::LOGFONTA& font, std::int32_t handle) override;

    // --- IKeywordScenePage
    std::int16_t GetSceneId() const override { return GetScene(); }
    // The text view shown again from the story (the storytelling mode may have changed).
    void RebuildPage() override { RefreshTextView(); }

    // The node's parent: a line's node, or the node tree's parent; -1 for none.
    std::int32_t GetParentHandle(std::int32_t handle) const;
    // The node's description lines (built when first asked for).
    const std::vector<std::string>& GetDescription(std::int32_t row);
    // What the text view shows for the scene: per appreciation a bold heading, and the row's text
    // while the storytelling mode is on. Empty when the scene is gone.
    std::vector<TextRun> ComposeSceneText();
    void RefreshTextView();

    const FQSPageDataList* GetNodeTree() const { return nodes_.get(); }
    HMPMenu* GetMenu() const { return menu_; }
    RichTextView* GetTextView() const { return textView_; }

private:
    Scene* FindPageScene() const;
    bool IsNode(std::int32_t handle) const;
    bool HasKeyContent(std::int32_t row) const;
    // The storyform value of the row's story point; 0 when it has none.
    std::int16_t PointValue(std::int32_t row) const;
    std::string NodeName(std::int32_t row, std::size_t limit) const;
    // The row's content read as a template through the record of the row's selector.
    std::string RowText(std::int32_t row, std::int32_t room) const;
    std::string BuildDescription(std::int32_t row) const;
    void MakeNodeTree();

    std::unique_ptr<FQSPageDataList> nodes_;
    HMPMenu* menu_ = nullptr;
    RichTextView* textView_ = nullptr;
    // The description of one node at a time.
    std::int32_t describedRow_ = -1;
    std::vector<std::string> description_;
};
