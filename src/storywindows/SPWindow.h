#pragma once
// The story points window (Storytelling > Story Points): every story point of the story with the
// value its storyform gives it and the writer's storytelling text for it, in a table whose columns
// the writer sizes and whose fonts Set Font chooses (one font per column). A double click, Return or
// the Storytelling button opens the selected point's storytelling dialog; Explore opens the theory
// help window on it. The values follow every change of the storyform.
//
// The window keeps its place ("SPNT"), its column widths ("c1wid", "c2wid", "c3wid") and its column
// fonts ("c1", "c2", "c3") in the story points preferences ('SPNT'). Until the writer sizes the
// story point column, it is as wide as its longest name needs.

#include <array>
#include <cstdint>

#include "app/StoryTools.h"
#include "platform/gdi/GdiTypes.h"
#include "storymodel/ListenerMixins.h"
#include "storywindows/StoryPointsTable.h"
#include "storywindows/StoryWindowSupport.h"
#include "storywindows/StorytellingListener.h"

class PushBtn;

class SPWindow : public StoryWindow,
                 public IWindowFontChoice,
                 public IStoryPointsTableOwner,
                 public MStoryFormListener,
                 public StorytellingListener {
    TOBJECT_CLASS(SPWindow, StoryWindow, 2104)

public:
    enum Item : std::int32_t { kStorytellingItem, kExploreItem, kTableItem };
    static constexpr const char* kPlacementKey = "SPNT";
    static constexpr std::array<const char*, StoryPointsTable::kColumnCount> kWidthKeys = {"c1wid", "c2wid",
                                                                                           "c3wid"};
    static constexpr std::array<const char*, StoryPointsTable::kColumnCount> kFontKeys = {"c1", "c2", "c3"};
    static constexpr std::int16_t kToolbarHeight = 32;

    SPWindow(TAppl* application, FKDoc* story);
    ~SPWindow() override;

    void BuildContents() override;
    void LayOut() override;
    // The buttons' hits.
    void EndModal(std::int32_t itemIndex) override;
    ShortPoint GetMinTrackSize() override { return ShortPoint{300, 160}; }

    // Set Font: one font per column, kept and shown.
    void ChooseWindowFont() override;
    // The storytelling dialog of the point; its row shows what the writer wrote.
    void StoryPointOpened(int index) override;
    void ColumnWidthChanged(int column, std::int16_t width) override;
    // The values again, the selection kept.
    void StoryFormChanged(const Event* event) override;
    // The storytelling texts again, whoever wrote them.
    void StorytellingChanged() override;

    // The rows made again from the story.
    void Refill();
    // Opens the theory help window on the selected story point.
    void ExploreSelected();
    StoryPointsTable* GetTable() const { return table_; }
    const std::array<win::LOGFONTA, StoryPointsTable::kColumnCount>& GetFonts() const { return fonts_; }
    const std::array<std::int16_t, StoryPointsTable::kColumnCount>& GetWidths() const { return widths_; }

private:
    StoryPointsTable* table_ = nullptr;
    std::array<win::LOGFONTA, StoryPointsTable::kColumnCount> fonts_;
    std::array<std::int16_t, StoryPointsTable::kColumnCount> widths_{170, 140, 320};
    // Whether the story point column has a width the writer gave it.
    bool nameWidthKept_ = false;
};

// Brings the story's story points window to the front, or makes and shows it; 0, -1 without a story.
ErrCode OpenStoryPointsWindow(FKDoc* story);
