#pragma once
// The plot progression window (Storytelling > Plot Progression): the four throughlines side by side,
// each with its four signposts and the three journeys between them, as the storyform gives them; with
// "Show Storytelling" ticked, each signpost shows the writer's storytelling for it under its type. A
// double click (or Return) on a signpost opens its storytelling dialog. The window follows every
// change of the storyform.
//
// The window keeps its place ("PLOT"), whether the storytelling shows ("EncodingBtn") and the width
// of the throughline columns ("ColSize") in the plot progression preferences ('PLOT').

#include <cstdint>

#include "storymodel/ListenerMixins.h"
#include "storywindows/PlotProgression.h"
#include "storywindows/StoryWindowSupport.h"
#include "storywindows/StorytellingListener.h"

class CheckBox;
class PlotTable;

class PlotViewWindow : public StoryWindow, public MStoryFormListener, public StorytellingListener {
    TOBJECT_CLASS(PlotViewWindow, StoryWindow, 2105)

public:
    enum Item : std::int32_t { kEncodingItem, kTableItem };
    static constexpr const char* kPlacementKey = "PLOT";
    static constexpr const char* kEncodingKey = "EncodingBtn";
    static constexpr const char* kColumnKey = "ColSize";
    static constexpr std::int16_t kDefaultColumn = 170;
    static constexpr std::int16_t kMinColumn = 60;
    static constexpr std::int16_t kMaxColumn = 800;
    static constexpr std::int16_t kToolbarHeight = 30;

    PlotViewWindow(TAppl* application, FKDoc* story);
    ~PlotViewWindow() override;

    void BuildContents() override;
    void LayOut() override;
    // The storytelling box's hit.
    void EndModal(std::int32_t itemIndex) override;
    ShortPoint GetMinTrackSize() override { return ShortPoint{320, 200}; }
    // The steps again.
    void StoryFormChanged(const Event* event) override;
    // The storytelling texts again, whoever wrote them.
    void StorytellingChanged() override;

    // Shows or hides the signposts' storytelling, and keeps the choice.
    void SetShowsStorytelling(bool shows);
    bool ShowsStorytelling() const { return encoding_; }
    // Every throughline column takes the width (within its bounds), which is kept.
    void SetColumnWidth(std::int16_t width);
    std::int16_t GetColumnWidth() const { return column_; }
    // The storytelling dialog of the throughline's (0-3) step (0-6) when it is a signpost; whether it
    // was one.
    bool OpenStep(int throughline, int step);
    // The table made again from the story.
    void Refill();
    PlotTable* GetTable() const { return table_; }
    CheckBox* GetEncodingBox() const;

private:
    PlotTable* table_ = nullptr;
    bool encoding_ = true;
    std::int16_t column_ = kDefaultColumn;
};

// Brings the story's plot progression window to the front, or makes and shows it; 0, -1 without a
// story.
ErrCode OpenPlotViewWindow(FKDoc* story);
